#include "runs/pendente_recuperar.h"

#include "agency/origem_dados.h"
#include "platform/automation/automation_error.h"

namespace tvx {

void pPendenteRecuperar(RunContext& contexto, RunGuard& empresa, const QString& sDataSource,
                        const std::function<void(const DocumentoPendente&, SourceWrites&)>& recuperar) {
    const DocumentoPendente& pendente = empresa.anterior();
    if (pendente.vazio()) return;
    std::shared_ptr<OrigemDados> outra;
    OrigemDados* origem = contexto.origem.get();
    if (pendente.agencia != sDataSource) {
        outra = contexto.novaOrigem();
        if (!outra) err::raise(err::ObjectNotSet);
        outra->ConnectionOpen(pendente.agencia, QString(), QString());
        origem = outra.get();
    }
    auto* escrita = dynamic_cast<SourceWrites*>(origem);
    if (!escrita) err::raise(err::NotSupported, QStringLiteral("pPendenteRecuperar"));
    recuperar(pendente, *escrita);
    if (outra) outra->ConnectionClose();
    empresa.resolvido();
}

}  // namespace tvx
