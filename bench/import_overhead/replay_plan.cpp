#include "replay_plan.h"

#include "runs/documento_pendente.h"
#include "tickets/invoice_marker.h"

#include <map>
#include <set>
#include <stdexcept>

namespace tvx::bench {

namespace {

const QString kTicketLine = QStringLiteral("Bilhete Nº");

QStringList columnsOf(const SqliteDb& db, const char* table, const QStringList& without) {
    QStringList columns;
    const auto info = db.prepare(std::string("SELECT name FROM pragma_table_info('") + table + "')");
    while (info->step())
        if (!without.contains(info->text(0))) columns << info->text(0);
    return columns;
}

std::string selectOf(const QStringList& columns, const char* rest) {
    return "SELECT \"" + columns.join(QStringLiteral("\", \"")).toStdString() + "\" " + rest;
}

}  // namespace

std::map<std::int32_t, QString> ticketMarkers(const QString& agency) {
    std::map<std::int32_t, QString> marked;
    const auto rows = SqliteDb(agency).prepare("SELECT ID, Factura FROM \"TKT Issued\" WHERE Factura IS NOT NULL");
    while (rows->step()) marked[std::int32_t(rows->integer(0))] = rows->text(1);
    return marked;
}

QString inFlightRecord(const QString& tipo, const QString& agency, const QString& conta, const QString& referencia,
                       const std::vector<std::int32_t>& tickets, const QStringList& lineTexts) {
    DocumentoPendente record;
    record.tipoDocumento = tipo;
    record.agencia = agency;
    record.conta = conta;
    record.referencia = referencia;
    record.ids = tickets;
    for (const QString& text : lineTexts)
        if (text.startsWith(kTicketLine)) record.linhas << text;
    return record.texto();
}

std::vector<MarkedTicket> newlyMarkedTickets(const QString& runAgency, const QString& copyAgency,
                                             const std::map<QString, std::size_t>& byMarker) {
    const std::map<std::int32_t, QString> markedBefore = ticketMarkers(copyAgency);
    std::vector<MarkedTicket> marked;
    for (const auto& [id, marker] : ticketMarkers(runAgency)) {
        if (markedBefore.contains(id)) continue;
        const auto invoice = byMarker.find(marker);
        if (invoice == byMarker.end())
            throw std::runtime_error("ticket " + std::to_string(id) + " has a marker of no new invoice");
        marked.push_back({id, marker, invoice->second});
    }
    return marked;
}

ReplayPlan readReplayPlan(const QString& runCompany, const QString& runAgency, const QString& copyCompany,
                          const QString& copyAgency) {
    const SqliteDb company(runCompany);
    const SqliteDb before(copyCompany);
    ReplayPlan plan;
    {
        const auto create = company.prepare("SELECT sql FROM sqlite_master WHERE name = 'qrl_EXECUCOES'");
        if (!create->step()) throw std::runtime_error("the run made no qrl_EXECUCOES");
        plan.createExecucoes = create->text(0).toStdString();
    }
    plan.headerColumns = columnsOf(company, "DOCGCCAB", {QStringLiteral("ID")});
    plan.lineColumns = columnsOf(company, "DOCGCLIN", {QStringLiteral("ID"), QStringLiteral("IDCAB")});
    const int tipo = int(plan.headerColumns.indexOf(QStringLiteral("TPDOC")));
    const int numero = int(plan.headerColumns.indexOf(QStringLiteral("NNUMDOC")));
    const int serie = int(plan.headerColumns.indexOf(QStringLiteral("SERIE")));
    const int ano = int(plan.headerColumns.indexOf(QStringLiteral("ANO")));
    const int terceiro = int(plan.headerColumns.indexOf(QStringLiteral("Terceiro")));
    const int vossoNumero = int(plan.headerColumns.indexOf(QStringLiteral("VOSSONDOC")));
    const int descricao = int(plan.lineColumns.indexOf(QStringLiteral("DESCRICAO")));

    // The run's invoices, by their provisional marker.
    const qint64 firstNew = before.number("SELECT COALESCE(MAX(ID), 0) FROM DOCGCCAB") + 1;
    std::map<QString, std::size_t> byMarker;
    std::map<qint64, std::size_t> byId;
    const auto headers = company.prepare(selectOf(plan.headerColumns, ", ID FROM DOCGCCAB WHERE ID >= ? ORDER BY ID"));
    headers->bind(1, firstNew);
    while (headers->step()) {
        ReplayInvoice invoice;
        for (int c = 0; c < plan.headerColumns.size(); ++c) invoice.header.push_back(headers->value(c));
        invoice.tipo = headers->text(tipo);
        invoice.serie = headers->integer(serie);
        invoice.ano = headers->integer(ano);
        const IdentidadeFactura identity{invoice.tipo, std::int32_t(headers->integer(numero)),
                                         std::int16_t(invoice.serie), std::int16_t(invoice.ano)};
        byMarker[marcaProvisoria(identity)] = plan.invoices.size();
        byId[headers->integer(plan.headerColumns.size())] = plan.invoices.size();
        plan.invoices.push_back(std::move(invoice));
    }
    const auto lines =
        company.prepare(selectOf(plan.lineColumns, ", IDCAB FROM DOCGCLIN WHERE IDCAB >= ? ORDER BY IDCAB, ID"));
    lines->bind(1, firstNew);
    while (lines->step()) {
        std::vector<StoredValue> line;
        for (int c = 0; c < plan.lineColumns.size(); ++c) line.push_back(lines->value(c));
        plan.invoices.at(byId.at(lines->integer(plan.lineColumns.size()))).lines.push_back(std::move(line));
    }

    // The tickets the run marked, each with its invoice.
    for (const MarkedTicket& ticket : newlyMarkedTickets(runAgency, copyAgency, byMarker)) {
        plan.invoices[ticket.invoice].tickets.push_back(ticket.id);
        plan.invoices[ticket.invoice].marker = ticket.marker;
    }

    // The in-flight record of each, as the run builds it.
    for (ReplayInvoice& invoice : plan.invoices) {
        QStringList texts;
        for (const auto& line : invoice.lines) texts << textOf(line[std::size_t(descricao)]);
        invoice.inFlight = inFlightRecord(invoice.tipo, copyAgency, textOf(invoice.header[std::size_t(terceiro)]),
                                          textOf(invoice.header[std::size_t(vossoNumero)]), invoice.tickets, texts);
    }
    return plan;
}

}  // namespace tvx::bench
