#include "host_erp/settlement.h"

#include "host_erp/commercial_store.h"
#include "host_erp/document_money.h"
#include "host_erp/document_rows.h"
#include "host_erp/financial_document_members.h"
#include "host_erp/host_refusal.h"
#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

std::optional<SettledDocument> settledDocument(sql::Connection& db, const DocumentKey& key) {
    const qint64 id = findCommercial(db, key, false);
    if (id == 0) return std::nullopt;
    const RowSet rs = rowById(db, QStringLiteral("DOCGCCAB"), id);
    DocumentKey stored{CStr(rs->value(QStringLiteral("TPDOC"))), key.numero, key.serie, key.ano};
    return SettledDocument{id,
                           stored,
                           CStr(rs->value(QStringLiteral("Terceiro"))),
                           CCur(rs->value(QStringLiteral("TOTDOC"))),
                           CCur(rs->value(QStringLiteral("VALORPAGO"))),
                           CInt(rs->value(QStringLiteral("SINALCT")))};
}

Settlement checkSettlement(sql::Connection& db, const FinancialLine& line, int numero, const QString& terceiro) {
    const auto key = keyOf(line.TipoDocumentoLiq(), line.NumeroDocumentoLiq(), line.SerieDoLiquidado(), line.Anol());
    if (!key) refuse(QStringLiteral("A linha %1 não indica o documento a liquidar.").arg(numero));
    const auto doc = settledDocument(db, *key);
    if (!doc) {
        if (findCommercial(db, *key, true) != 0)
            refuse(QStringLiteral("O documento a liquidar %1 está em preparação.").arg(describe(*key)));
        refuse(QStringLiteral("O documento a liquidar %1 não existe.").arg(describe(*key)));
    }
    const QString name = describe(doc->key);
    if (doc->terceiro.compare(terceiro, Qt::CaseInsensitive) != 0)
        refuse(QStringLiteral("O documento a liquidar %1 é do cliente %2 e não do cliente %3.")
                   .arg(name, doc->terceiro, terceiro));
    const Currency valorPago = moneyOr(line.ValorPago(), Currency());
    if (valorPago == Currency()) refuse(QStringLiteral("O valor pago do documento %1 não pode ser zero.").arg(name));
    const Currency amount = doc->withSign(valorPago);
    if (amount < Currency())
        refuse(doc->sinalct == 2
                   ? QStringLiteral("O valor pago do documento %1 deve ser negativo (documento a crédito).").arg(name)
                   : QStringLiteral("O valor pago do documento %1 deve ser positivo.").arg(name));
    if (amount > doc->emAberto())
        refuse(QStringLiteral("O valor pago do documento %1 (%2) excede o valor em aberto (%3).")
                   .arg(name, moneyText(amount), moneyText(doc->emAberto())));
    return Settlement{*doc, valorPago, amount};
}

void settle(sql::Connection& db, qint64 id, Currency amount) {
    db.Execute(
        QStringLiteral("UPDATE DOCGCCAB SET VALORPAGO = VALORPAGO + %1 WHERE ID = %2").arg(sqlMoney(amount)).arg(id));
}

void unsettle(sql::Connection& db, qint64 id, Currency amount) { settle(db, id, -amount); }

}  // namespace tvx::host_erp
