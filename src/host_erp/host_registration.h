#pragma once
// Registers the host's components under their class names (host_classes.h)
// in the process's class registry, as the host's installation does.
namespace tvx::host_erp {

void registerHostClasses();
void unregisterHostClasses();

}  // namespace tvx::host_erp
