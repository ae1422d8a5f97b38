#include "agency_demo/csv_ticket_file.h"

#include "agency_demo/agency_db_generator.h"
#include "agency_demo/draw.h"
#include "agency_demo/sample_values.h"
#include "platform/automation/automation_error.h"

#include <QFile>
#include <QSaveFile>

namespace tvx::agency {

namespace {

// An amount as the export writes it: two decimals, decimal comma.
QString amountText(double value) { return QString::number(value, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')); }

QString dateText(const QDate& d) { return d.toString(QStringLiteral("dd-MM-yyyy")); }

bool needsQuotes(const QString& cell) {
    return cell.contains(QLatin1Char(';')) || cell.contains(QLatin1Char('"')) || cell.contains(QLatin1Char('\n')) ||
           cell.contains(QLatin1Char('\r'));
}

}  // namespace

QStringList emptyCsvLine(int columns) {
    QStringList line;
    line.reserve(columns);
    for (int i = 0; i < columns; ++i) line << QString();
    return line;
}

QStringList csvHeaderLine() {
    QStringList line = emptyCsvLine();
    for (int i = 0; i < line.size(); ++i) line[i] = QStringLiteral("Campo%1").arg(i);
    line[csv::Id] = QStringLiteral("ID");
    line[csv::Servico] = QStringLiteral("Serviço");
    line[csv::Pagamento] = QStringLiteral("Pagamento");
    line[csv::Account] = QStringLiteral("Account");
    line[csv::Factura] = QStringLiteral("Factura");
    return line;
}

// Mostly tickets the CSV source takes; invoices ("FR/n") of about three tickets.
QStringList csvTicketLine(std::int32_t id, Draw& draw, const QDate& today) {
    QStringList line = emptyCsvLine();
    line[csv::Id] = QString::number(id);
    line[csv::CodigoCompanhiaAerea] = draw.pick(Airlines);
    line[csv::NumeroDoBilhete] = QStringLiteral("047%1").arg(draw.between(1000000000, 1999999999));
    line[csv::Servico] =
        draw.pick(std::vector<QString>{QStringLiteral("EMI"), QStringLiteral("EMI"), QStringLiteral("REM"),
                                       QStringLiteral("EMD"), QStringLiteral("REE")});
    line[csv::NomePassageiro] = draw.pick(Passengers);
    line[csv::Pagamento] =
        draw.pick(std::vector<QString>{QStringLiteral("CAS"), QStringLiteral("CAS"), QStringLiteral("CCR"),
                                       QStringLiteral("NCC"), QStringLiteral("INV")});
    line[csv::Fare] = amountText(draw.money(4000, 150000));
    line[csv::TarifasPrivadas] = draw.percent(20) ? amountText(draw.money(500, 20000)) : QStringLiteral("0");
    line[csv::Taxas] = amountText(draw.money(1000, 30000));
    line[csv::Destino] = draw.pick(Routes);
    line[csv::Fees] = amountText(draw.money(0, 5000));
    line[csv::Factura] = QStringLiteral("FR/%1").arg((id + 2) / 3);
    line[csv::DataFacturacao] = dateText(today);
    const QDate out = today.addDays(draw.between(1, 90));
    line[csv::Partida] = dateText(out);
    line[csv::Chegada] = dateText(out.addDays(draw.between(2, 21)));
    line[csv::RefFaturacao] = QStringLiteral("R%1").arg((id + 2) / 3, 6, 10, QLatin1Char('0'));
    line[csv::PeriodoFact] = QStringLiteral("DIA");
    line[csv::Account] = customerAccount(draw.between(1, 12));
    if (draw.percent(20)) line[csv::Desconto] = draw.percent(50) ? QStringLiteral("5") : QStringLiteral("2,5");
    return line;
}

QByteArray csvText(const std::vector<QStringList>& lines) {
    QString text;
    for (const QStringList& line : lines) {
        for (int i = 0; i < line.size(); ++i) {
            if (i > 0) text += QLatin1Char(';');
            const QString& cell = line[i];
            if (needsQuotes(cell))
                text += QLatin1Char('"') + QString(cell).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                        QLatin1Char('"');
            else
                text += cell;
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

void writeCsvFile(const QString& path, const std::vector<QStringList>& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csvText(lines)) < 0 || !file.commit())
        throw AutomationError(err::PathFileAccess, QStringLiteral("Não foi possível escrever ") + path,
                              QStringLiteral("CsvTicketFile"));
}

void generateCsvTicketFile(const QString& path, std::int32_t rows, std::uint32_t seed, const QDate& today) {
    std::vector<QStringList> lines;
    lines.reserve(std::size_t(rows) + 1);
    lines.push_back(csvHeaderLine());
    Draw draw(seed);
    for (std::int32_t id = 1; id <= rows; ++id) lines.push_back(csvTicketLine(id, draw, today));
    writeCsvFile(path, lines);
}

}  // namespace tvx::agency
