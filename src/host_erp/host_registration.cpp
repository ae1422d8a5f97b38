#include "host_erp/host_registration.h"

#include "host_api/host_classes.h"
#include "host_erp/company_connection.h"
#include "host_erp/connection_settings.h"
#include "host_erp/folders.h"
#include "host_erp/session.h"
#include "platform/automation/class_registry.h"

namespace tvx::host_erp {

namespace {

template <class T>
registry::ClassFactory factoryOf(const HostSettingsRef& settings) {
    return [settings] { return std::make_shared<T>(settings); };
}

}  // namespace

void registerHostClasses(HostSettingsRef settings) {
    registry::registerClass(host_classes::SessaoApi, factoryOf<Session>(settings));
    registry::registerClass(host_classes::DalLigacao, factoryOf<CompanyConnection>(settings));
    registry::registerClass(host_classes::ConfigLigacao, factoryOf<ConnectionSettings>(settings));
    registry::registerClass(host_classes::PastaBase, factoryOf<BaseFolder>(settings));
    registry::registerClass(host_classes::PastaExiste, [] { return std::make_shared<FolderExists>(); });
}

void unregisterHostClasses() {
    for (const QString& name : {host_classes::SessaoApi, host_classes::DalLigacao, host_classes::ConfigLigacao,
                                host_classes::PastaBase, host_classes::PastaExiste})
        registry::unregisterClass(name);
}

}  // namespace tvx::host_erp
