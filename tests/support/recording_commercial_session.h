#pragma once
// A host session that hands out recording commercial documents ("D1", "D2"
// ...) and lines ("L1" ...), all writing, in order, to the session's one
// journal; they answer from the session's script.
#include "host_api/sessao_api.h"
#include "support/commercial_script.h"
#include "support/recording_doc_comercial.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace tvx::testing {

class RecordingCommercialSession : public SessaoApi {
public:
    bool Iniciar(const QString&) override { return true; }
    void Ligacao(std::shared_ptr<tvx::DalLigacao>) override {}
    std::shared_ptr<tvx::DalLigacao> Ligacao() const override { return nullptr; }
    bool Terminar() override { return true; }
    std::shared_ptr<tvx::DocComercial> DocComercial() override;
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override;
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override { return nullptr; }

    // Journal entries that start with `prefix`.
    QStringList entries(const QString& prefix) const;
    // The documents handed out, in order.
    const std::vector<std::shared_ptr<RecordingDocComercial>>& docs() const { return docs_; }
    // Documents stored by Inserir, in order.
    std::vector<std::shared_ptr<RecordingDocComercial>> inseridos() const;

    CommercialScript script;
    QStringList journal;

private:
    std::vector<std::shared_ptr<RecordingDocComercial>> docs_;
    int linhas_ = 0;
};

}  // namespace tvx::testing
