#include "host_erp/financial_document.h"

#include "host_erp/accounting_store.h"
#include "host_erp/document_numbering.h"
#include "host_erp/host_refusal.h"
#include "host_erp/host_transaction.h"
#include "platform/automation/clock.h"

namespace tvx::host_erp {

FinancialDocument::FinancialDocument(std::shared_ptr<SessionState> session)
    : session_(std::move(session)), cab_(std::make_shared<FinancialHeader>(session_)) {}

sql::Connection& FinancialDocument::db() const { return companyDatabase(*session_); }

std::int32_t FinancialDocument::AdicionaLinha(std::shared_ptr<LinhaDocFinanceiro>& oLinha) {
    return answer(message_, [&] {
        const auto line = std::dynamic_pointer_cast<FinancialLine>(oLinha);
        if (!line) refuse(QStringLiteral("A linha indicada não é uma linha de documento financeiro."));
        if (stored_.id != 0) refuse(QStringLiteral("O documento já está gravado e não aceita novas linhas."));
        linhas_.push_back(line);
    });
}

std::int32_t FinancialDocument::Validar() {
    return answer(message_, [&] {
        sondar(*session_, "FinancialDocument.Validar");
        checkFinancial(db(), *cab_, linhas_);
    });
}

std::int32_t FinancialDocument::Inserir() {
    return answer(message_, [&] {
        sondar(*session_, "FinancialDocument.Inserir");
        if (stored_.id != 0) refuse(QStringLiteral("O documento já está gravado."));
        sql::Connection& database = db();
        HostTransaction transaction(database);
        const FinancialDraft draft = checkFinancial(database, *cab_, linhas_);
        const std::int32_t numero = takeNextNumber(database, draft.key(0), NumberSequence::Final);
        const qint64 id = insertFinancial(database, draft, numero, session_->login, clock().now());
        for (const Settlement& s : draft.linhas) settle(database, s.documento.id, s.amount);
        transaction.commit();
        const auto lines = linhas_;
        load(id);
        linhas_ = lines;  // the caller's line objects stay the document's lines
    });
}

void FinancialDocument::load(qint64 id) {
    stored_ = loadFinancial(db(), id, *cab_);
    linhas_ = stored_.linhas;
}

std::int32_t FinancialDocument::Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) {
    return answer(message_, [&] {
        sondar(*session_, "FinancialDocument.Ler");
        const auto key = keyOf(sTipoDoc, lNumero, iSerie, iAno);
        if (!key) refuse(QStringLiteral("A identificação do documento não é válida."));
        const qint64 id = findFinancial(db(), *key);
        if (id == 0) refuse(QStringLiteral("O documento %1 não existe.").arg(describe(*key)));
        load(id);
    });
}

std::int32_t FinancialDocument::Remover() {
    return answer(message_, [&] {
        sondar(*session_, "FinancialDocument.Remover");
        if (stored_.id == 0) refuse(QStringLiteral("Não há documento lido para remover."));
        sql::Connection& database = db();
        HostTransaction transaction(database);
        for (const auto& line : stored_.linhas) {
            const auto key =
                keyOf(line->TipoDocumentoLiq(), line->NumeroDocumentoLiq(), line->SerieDoLiquidado(), line->Anol());
            const auto doc = key ? settledDocument(database, *key) : std::nullopt;
            if (doc) unsettle(database, doc->id, doc->withSign(moneyOr(line->ValorPago(), Currency())));
        }
        deleteEntryOf(database, QStringLiteral("FIN"), stored_.key);
        deleteFinancial(database, stored_.id);
        transaction.commit();
        stored_ = {};
    });
}

}  // namespace tvx::host_erp
