#pragma once
// Registers the host's components under their class names (host_classes.h)
// in the process's class registry, as the host's installation does.
#include "host_erp/host_settings.h"

namespace tvx::host_erp {

// Each component made is given `settings`.
void registerHostClasses(HostSettingsRef settings);
void unregisterHostClasses();

}  // namespace tvx::host_erp
