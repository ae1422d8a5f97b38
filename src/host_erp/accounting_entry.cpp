#include "host_erp/accounting_entry.h"

#include "host_erp/document_rows.h"
#include "host_erp/host_catalogue.h"
#include "host_erp/host_refusal.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"

#include <map>

namespace tvx::host_erp {

namespace {

QString text(const RowSet& rs, const char* column) { return CStr(rs->value(QLatin1String(column))); }

// The entry's header from a document header row (DOCGCCAB or DOCFINCAB).
AccountingEntry entryOf(sql::Connection& db, const RowSet& doc, const QString& area, const Customer& cliente) {
    AccountingEntry e;
    e.area = area;
    e.key = {text(doc, "TPDOC"), CLng(doc->value(QStringLiteral("NNUMDOC"))), CInt(doc->value(QStringLiteral("SERIE"))),
             CInt(doc->value(QStringLiteral("ANO")))};
    e.data = CDate(doc->value(QStringLiteral("DATA"))).date();
    const auto tipo = documentType(db, e.key.tipo);
    e.diario = tipo ? tipo->diario : QString();
    e.descr = QStringLiteral("%1 %2 - %3").arg(tipo ? tipo->descr : e.key.tipo, describe(e.key), cliente.nome);
    return e;
}

Customer customerWithAccount(sql::Connection& db, const QString& codigo) {
    const auto c = customer(db, codigo);
    if (!c) refuse(QStringLiteral("O cliente '%1' não existe.").arg(codigo));
    if (c->contaCtb.isEmpty()) refuse(QStringLiteral("O cliente %1 não tem conta contabilística.").arg(c->codigo));
    return *c;
}

void requireTotal(const AccountingEntry& e, Currency total) {
    if (total == Currency())
        refuse(QStringLiteral("O documento %1 tem total zero: não há lançamento a fazer.").arg(describe(e.key)));
}

// Net values per article account and VAT per rate account of a sales document's lines.
void addSalesLines(sql::Connection& db, qint64 id, QChar natureza, AccountingEntry& e) {
    std::map<QString, Currency> revenue;
    std::map<QString, Currency> vat;
    const RowSet lines =
        rowsOf(db, QStringLiteral("DOCGCLIN"), {QStringLiteral("IDCAB = %1 AND ARTIGO <> ''").arg(id), {}});
    for (; !lines->Eof(); lines->MoveNext()) {
        const QString codigo = text(lines, "ARTIGO");
        const auto art = article(db, codigo);
        const Currency net = CCur(lines->value(QStringLiteral("VALORLIQ")));
        const Currency iva = CCur(lines->value(QStringLiteral("VALORIVA")));
        if (net != Currency()) {
            if (!art || art->contaCtb.isEmpty())
                refuse(QStringLiteral("O artigo %1 não tem conta contabilística.").arg(codigo));
            revenue[art->contaCtb] += net;
        }
        if (iva != Currency()) {
            const int tipoIva = CInt(lines->value(QStringLiteral("TIPOIVA")));
            const auto rate = vatRate(db, tipoIva);
            if (!rate || rate->contaCtb.isEmpty())
                refuse(QStringLiteral("O tipo de IVA %1 não tem conta contabilística.").arg(tipoIva));
            vat[rate->contaCtb] += iva;
        }
    }
    for (const auto& [conta, valor] : revenue) e.linhas.push_back({conta, natureza, valor, e.descr});
    for (const auto& [conta, valor] : vat) e.linhas.push_back({conta, natureza, valor, e.descr});
}

QChar opposite(QChar natureza) { return natureza == u'D' ? u'C' : u'D'; }

// The account the money of a receipt went to.
QString receivingAccount(sql::Connection& db, const RowSet& doc) {
    for (const char* column : {"BANCO", "BANCOEMP"}) {
        const QString banco = text(doc, column);
        if (banco.isEmpty()) continue;
        const QString conta = accountOf(db, QStringLiteral("BANCOS"), banco);
        if (conta.isEmpty()) refuse(QStringLiteral("O banco %1 não tem conta contabilística.").arg(banco));
        return conta;
    }
    const QString modo = text(doc, "MODOPAG");
    const QString conta = modo.isEmpty() ? QString() : accountOf(db, QStringLiteral("MODOSPAG"), modo);
    if (conta.isEmpty())
        refuse(QStringLiteral("O recibo não indica um banco nem um modo de pagamento com conta contabilística."));
    return conta;
}

}  // namespace

Currency AccountingEntry::total(QChar natureza) const {
    Currency sum;
    for (const EntryLine& l : linhas)
        if (l.natureza == natureza) sum += l.valor;
    return sum;
}

AccountingEntry commercialEntry(sql::Connection& db, qint64 idDocumento) {
    const RowSet doc = rowById(db, QStringLiteral("DOCGCCAB"), idDocumento);
    const Customer cliente = customerWithAccount(db, text(doc, "Terceiro"));
    AccountingEntry e = entryOf(db, doc, QStringLiteral("COM"), cliente);
    if (CBool(doc->value(QStringLiteral("EMPREPARACAO"))))
        refuse(QStringLiteral("O documento %1 está em preparação e não tem lançamento contabilístico.")
                   .arg(describe(e.key)));
    const Currency total = CCur(doc->value(QStringLiteral("TOTDOC")));
    requireTotal(e, total);
    const QChar customerSide = CInt(doc->value(QStringLiteral("NATCONTA"))) == 2 ? u'C' : u'D';
    e.linhas.push_back({cliente.contaCtb, customerSide, total, e.descr});
    addSalesLines(db, idDocumento, opposite(customerSide), e);
    return e;
}

AccountingEntry financialEntry(sql::Connection& db, qint64 idDocumento) {
    const RowSet doc = rowById(db, QStringLiteral("DOCFINCAB"), idDocumento);
    const Customer cliente = customerWithAccount(db, text(doc, "Terceiro"));
    AccountingEntry e = entryOf(db, doc, QStringLiteral("FIN"), cliente);
    const Currency total = CCur(doc->value(QStringLiteral("TOTDOC")));
    requireTotal(e, total);
    e.linhas.push_back({receivingAccount(db, doc), u'D', total, e.descr});
    e.linhas.push_back({cliente.contaCtb, u'C', total, e.descr});
    return e;
}

}  // namespace tvx::host_erp
