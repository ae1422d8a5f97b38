#include "support/fake_host.h"

#include "host_api/host_classes.h"
#include "platform/automation/class_registry.h"
#include "support/fake_access.h"
#include "support/fake_config_ligacao.h"
#include "support/fake_dal_ligacao.h"
#include "support/fake_pasta_base.h"
#include "support/fake_pasta_existe.h"
#include "support/fake_sessao_api.h"

#include <QDir>
#include <QFile>

namespace tvx::testing {

namespace {

const QString AccessProgId = QStringLiteral("Telvarix.Access");

}  // namespace

FakeHost::FakeHost() {
    registry::registerClass(host_classes::DalLigacao, [this] { return std::make_shared<FakeDalLigacao>(*this); });
    registry::registerClass(host_classes::ConfigLigacao, [this] { return std::make_shared<FakeConfigLigacao>(*this); });
    registry::registerClass(host_classes::SessaoApi, [this] { return std::make_shared<FakeSessaoApi>(*this); });
    registry::registerClass(host_classes::PastaBase, [this] { return std::make_shared<FakePastaBase>(*this); });
    registry::registerClass(host_classes::PastaExiste, [this] { return std::make_shared<FakePastaExiste>(*this); });
    registry::registerClass(AccessProgId, [this] { return std::make_shared<FakeAccess>(*this); });
    QDir(base.path()).mkpath(QStringLiteral("quorel"));
}

FakeHost::~FakeHost() {
    for (const QString& progId : {host_classes::DalLigacao, host_classes::ConfigLigacao, host_classes::SessaoApi,
                                  host_classes::PastaBase, host_classes::PastaExiste, AccessProgId})
        registry::unregisterClass(progId);
}

QString FakeHost::quorelPath() const { return base.path() + QStringLiteral("/quorel"); }

void FakeHost::writeSettingsFile(const QString& empresa, const QString& text) const {
    QFile file(quorelPath() + QStringLiteral("/BRISKO.") + empresa);
    if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}

int FakeHost::created(const QString& kind) const {
    const auto found = counts_.find(kind);
    return found == counts_.end() ? 0 : found->second;
}

void FakeHost::record(const QString& kind, int id, const QString& call) {
    if (call.isEmpty()) {
        counts_[kind] = id;
        return;
    }
    log << kind + QStringLiteral("#%1.").arg(id) + call;
}

}  // namespace tvx::testing
