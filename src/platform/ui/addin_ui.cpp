#include "platform/ui/addin_ui.h"

#include "platform/automation/class_registry.h"

namespace tvx::ui {

std::shared_ptr<AddinUi> registeredDesktop() {
    if (!registry::isRegistered(DesktopProgId)) return nullptr;
    return std::dynamic_pointer_cast<AddinUi>(registry::create(DesktopProgId));
}

}  // namespace tvx::ui
