#pragma once
// DocFinanceiro of the stand-in host: a receipt that settles commercial
// documents line by line, or an on-account receipt (doc_financeiro_rules.h,
// settlement.h).
//
// - Inserir checks the document again inside its transaction (so the open
//   amounts it settles are those of that moment), numbers it with the next
//   number of its series (NumeroDocumento), stores it and takes each line's
//   amount off its document's open amount.
// - Ler reads the document with that key. Remover removes a document read
//   or inserted: the settled amounts go back to their documents and its
//   accounting entry goes with it. Removed numbers are not given again.
// Every write runs in one transaction. A refusal answers 1 with the reason
// in UltimaMensagem; a database failure is raised, after the rollback.
#include "host_api/doc_financeiro.h"
#include "host_erp/financial_store.h"
#include "host_erp/session_state.h"

namespace tvx::host_erp {

class FinancialDocument : public DocFinanceiro {
public:
    explicit FinancialDocument(std::shared_ptr<SessionState> session);

    std::shared_ptr<CabDocFinanceiro> Cab() override { return cab_; }
    std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocFinanceiro>& oLinha) override;
    std::int32_t Validar() override;
    std::int32_t Inserir() override;
    std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) override;
    std::int32_t Remover() override;
    QString UltimaMensagem() override { return message_; }

    // The stored document this object holds (id 0 when none).
    const StoredFinancial& stored() const { return stored_; }

private:
    sql::Connection& db() const;
    void load(qint64 id);

    std::shared_ptr<SessionState> session_;
    std::shared_ptr<FinancialHeader> cab_;
    std::vector<std::shared_ptr<FinancialLine>> linhas_;
    QString message_;
    StoredFinancial stored_;
};

}  // namespace tvx::host_erp
