#include "host_erp/host_registration.h"

#include "addin/host_api/host_classes.h"
#include "host_erp/company_connection.h"
#include "host_erp/connection_settings.h"
#include "host_erp/folders.h"
#include "host_erp/session.h"
#include "platform/automation/class_registry.h"

namespace tvx::host_erp {

namespace {

template <class T>
registry::ClassFactory factoryOf() {
    return [] { return std::make_shared<T>(); };
}

}  // namespace

void registerHostClasses() {
    registry::registerClass(host_classes::SessaoApi, factoryOf<Session>());
    registry::registerClass(host_classes::DalLigacao, factoryOf<CompanyConnection>());
    registry::registerClass(host_classes::ConfigLigacao, factoryOf<ConnectionSettings>());
    registry::registerClass(host_classes::PastaBase, factoryOf<BaseFolder>());
    registry::registerClass(host_classes::PastaExiste, factoryOf<FolderExists>());
}

void unregisterHostClasses() {
    for (const QString& name : {host_classes::SessaoApi, host_classes::DalLigacao, host_classes::ConfigLigacao,
                                host_classes::PastaBase, host_classes::PastaExiste})
        registry::unregisterClass(name);
}

}  // namespace tvx::host_erp
