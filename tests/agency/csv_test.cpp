#include "agency/csv.h"

#include "agency_demo/csv_ticket_file.h"
#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <map>

namespace tvx {
namespace {

using Cells = std::map<int, QString>;

// A 44-cell line with the given cells set (positions as the export numbers them).
QStringList line(const Cells& cells, int columns = 44) {
    QStringList l = agency::emptyCsvLine(columns);
    for (const auto& [column, text] : cells) l[column] = text;
    return l;
}

// A ticket line the filter takes, with its amounts set.
QStringList ticket(int id, const QString& factura = QStringLiteral("FR/1"), Cells more = {}) {
    Cells cells = {{0, QString::number(id)},    {8, QStringLiteral("EMI")},
                   {10, QStringLiteral("CAS")}, {11, QStringLiteral("100,00")},
                   {12, QStringLiteral("0")},   {13, QStringLiteral("20,5")},
                   {18, QStringLiteral("10")},  {27, factura}};
    for (auto& [column, text] : more) cells[column] = text;
    return line(cells);
}

class CsvSource : public ::testing::Test {
protected:
    QString file(const std::vector<QStringList>& lines) {
        const QString path = dir_.filePath(QStringLiteral("tickets%1.csv").arg(++files_));
        agency::writeCsvFile(path, lines);
        return path;
    }
    std::shared_ptr<ado::Recordset> read(const std::vector<QStringList>& lines) {
        return CSV().GetRecordSet(file(lines));
    }
    static std::vector<std::int32_t> ids(ado::Recordset& rs) {
        std::vector<std::int32_t> out;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) out.push_back(rs.value(QStringLiteral("ID")).asLong());
        return out;
    }
    QTemporaryDir dir_;
    int files_ = 0;
};

TEST_F(CsvSource, TakesRowsByServiceAndPaymentOnly) {
    const auto row = [](int id, const char* s, const char* p) {
        return ticket(id, QStringLiteral("FR/1"), {{8, QString::fromUtf8(s)}, {10, QString::fromUtf8(p)}});
    };
    auto rs = read({agency::csvHeaderLine(), row(1, "XYZ", "CCR"),  // taken: CCR whatever the service
                    row(2, "EMI", "XYZ"),                           // taken: EMI whatever the payment
                    row(3, "EMD", "XYZ"),                           // dropped
                    row(4, "REM", "CAS"),                           // taken
                    row(5, "EMD", "CAS"),                           // taken
                    row(6, "REM", "XYZ"),                           // dropped
                    row(7, "XYZ", "NCC"),                           // taken
                    row(8, "XYZ", "CAS"),                           // dropped
                    row(9, "emi", "cas"),                           // dropped: codes compare case-sensitively
                    row(10, "EMI ", "CAS"),                         // dropped: no trimming
                    line({{8, QStringLiteral("EMI")}, {10, QStringLiteral("CAS")}}),  // empty first cell
                    // An invoice marker does not keep a row out, nor does a billing period.
                    ticket(11, QStringLiteral("FT-9"), {{39, QStringLiteral("MES")}})});
    EXPECT_EQ(ids(*rs), (std::vector<std::int32_t>{1, 2, 4, 5, 7, 11}));
}

TEST_F(CsvSource, FillsTheTwentyFieldsFromTheirColumns) {
    auto rs = read({line({{0, QStringLiteral("42")},
                          {6, QStringLiteral("TP")},
                          {7, QStringLiteral("0471234567890")},
                          {8, QStringLiteral("REM")},
                          {9, QStringLiteral("CONCEIÇÃO/JOÃO MR")},
                          {10, QStringLiteral("CAS")},
                          {11, QStringLiteral("125,30")},
                          {12, QStringLiteral("7")},
                          {13, QStringLiteral("0,5")},
                          {16, QStringLiteral("LIS-MAD")},
                          {18, QStringLiteral("12,00")},
                          {27, QStringLiteral("A/17")},
                          {29, QStringLiteral("10-03-2024")},
                          {36, QStringLiteral("15-03-2024 10:30")},
                          {37, QStringLiteral("22-03-2024")},
                          {38, QStringLiteral("R0001")},
                          {39, QStringLiteral("SEG")},
                          {40, QStringLiteral("C0007")},
                          {43, QStringLiteral("2,5")}}),
                    ticket(43)});
    ASSERT_EQ(rs->RecordCount(), 2);
    const std::vector<std::tuple<QString, ado::DataType, int>> fields = {
        {"ID", ado::adInteger, 4},
        {"Account", ado::adVarChar, 15},
        {"Codigo Companhia Aerea", ado::adVarChar, 10},
        {"Numero do Bilhete", ado::adVarChar, 20},
        {"Nome Passageiro", ado::adVarChar, 80},
        {"Destino", ado::adVarChar, 80},
        {"Partida", ado::adVarChar, 20},
        {"Chegada", ado::adVarChar, 20},
        {"Fare", ado::adDouble, 8},
        {"Tarifas Privadas", ado::adDouble, 8},
        {"Taxas", ado::adDouble, 8},
        {"Fees", ado::adDouble, 8},
        {"Factura", ado::adVarChar, 50},
        {"Ref_Faturacao", ado::adVarChar, 50},
        {"Pagamento", ado::adVarChar, 10},
        {"Desconto", ado::adDouble, 8},
        {"Periodo_Fact", ado::adVarChar, 10},
        {QStringLiteral("Serviço"), ado::adVarChar, 10},
        {"Tipo", ado::adVarChar, 10},
        {"DataFacturacao", ado::adVarChar, 10}};
    ASSERT_EQ(rs->Fields().Count(), int(fields.size()));
    for (int i = 0; i < int(fields.size()); ++i) {
        const ado::Field f = rs->Fields().Item(i);
        EXPECT_EQ(f.Name(), std::get<0>(fields[std::size_t(i)]));
        EXPECT_EQ(f.Type(), std::get<1>(fields[std::size_t(i)])) << f.Name().toStdString();
        EXPECT_EQ(f.DefinedSize(), std::get<2>(fields[std::size_t(i)])) << f.Name().toStdString();
    }
    rs->MoveFirst();  // "A/17" sorts before "FR/1"
    const auto v = [&rs](const char* name) { return rs->value(QString::fromUtf8(name)); };
    EXPECT_EQ(v("ID"), Variant(std::int32_t(42)));
    EXPECT_EQ(v("Account"), Variant("C0007"));
    EXPECT_EQ(v("Codigo Companhia Aerea"), Variant("TP"));
    EXPECT_EQ(v("Numero do Bilhete"), Variant("0471234567890"));
    EXPECT_EQ(v("Nome Passageiro"), Variant("CONCEIÇÃO/JOÃO MR"));
    EXPECT_EQ(v("Destino"), Variant("LIS-MAD"));
    EXPECT_EQ(v("Partida"), Variant("15-03-2024 10:30"));
    EXPECT_EQ(v("Chegada"), Variant("22-03-2024"));
    EXPECT_EQ(v("Fare"), Variant(125.3));
    EXPECT_EQ(v("Tarifas Privadas"), Variant(7.0));
    EXPECT_EQ(v("Taxas"), Variant(0.5));
    EXPECT_EQ(v("Fees"), Variant(12.0));
    EXPECT_EQ(v("Factura"), Variant("A/17"));
    EXPECT_EQ(v("Ref_Faturacao"), Variant("R0001"));
    EXPECT_EQ(v("Pagamento"), Variant("CAS"));
    EXPECT_EQ(v("Desconto"), Variant(2.5));
    EXPECT_EQ(v("Periodo_Fact"), Variant("SEG"));
    EXPECT_EQ(v("Serviço"), Variant("REM"));
    EXPECT_EQ(v("Tipo"), Variant("DIA"));
    EXPECT_EQ(v("DataFacturacao"), Variant("10-03-2024"));
    rs->MoveNext();  // empty cells: texts stay empty, an empty discount is 0
    EXPECT_EQ(v("Desconto"), Variant(0.0));
    EXPECT_EQ(v("Account"), Variant(""));
    EXPECT_EQ(v("Tipo"), Variant("DIA"));
}

TEST_F(CsvSource, SortsByMarkerThenNumericIdOnlyWhenRowsWereTaken) {
    auto rs = read({ticket(10, QStringLiteral("B/1")), ticket(9, QStringLiteral("B/1")),
                    ticket(3, QStringLiteral("B/2")), ticket(100, QStringLiteral("A/9")), ticket(2, QString())});
    EXPECT_EQ(rs->Sort(), QStringLiteral("Factura, ID"));
    EXPECT_EQ(ids(*rs), (std::vector<std::int32_t>{2, 100, 9, 10, 3}));

    for (const auto& lines : {std::vector<QStringList>{}, std::vector<QStringList>{agency::csvHeaderLine()}}) {
        auto empty = read(lines);
        EXPECT_EQ(empty->State(), ado::adStateOpen);
        EXPECT_EQ(empty->RecordCount(), 0);
        EXPECT_EQ(empty->Sort(), QString());
        EXPECT_EQ(empty->Fields().Count(), 20);
    }
}

TEST_F(CsvSource, BadFilesFailTheWholeReadUnderGetRecordSet) {
    const QString source = QStringLiteral("CSV::GetRecordSet");
    // Forty columns: the discount's column 43 is not there.
    EXPECT_RAISED_FROM(
        read({line({{0, "1"}, {8, "EMI"}, {10, "CAS"}, {11, "1"}, {12, "1"}, {13, "1"}, {18, "1"}}, 40)}),
        err::SubscriptOutOfRange, source);
    // The bad row comes after good ones: still no record set.
    EXPECT_RAISED_FROM(read({ticket(1), ticket(2, QStringLiteral("FR/1"), {{0, QStringLiteral("X2")}})}),
                       err::TypeMismatch, source);
    EXPECT_RAISED_FROM(read({ticket(1, QStringLiteral("FR/1"), {{0, QStringLiteral(" ")}})}), err::TypeMismatch,
                       source);  // blanks are not an empty first cell
    // Only commas are replaced: 1.234,56 becomes 1.234.56, which is no number.
    EXPECT_RAISED_FROM(read({ticket(1, QStringLiteral("FR/1"), {{11, QStringLiteral("1.234,56")}})}), err::TypeMismatch,
                       source);
    EXPECT_RAISED_FROM(read({ticket(1, QStringLiteral("FR/1"), {{43, QStringLiteral("abc")}})}), err::TypeMismatch,
                       source);
    EXPECT_RAISED_FROM(read({ticket(1, QStringLiteral("FR/1"), {{40, QStringLiteral("C00000000000001X")}})}),
                       err::MultipleStep, source);  // 16 characters for an account of 15
    EXPECT_RAISED_FROM(CSV().GetRecordSet(dir_.filePath(QStringLiteral("missing.csv"))), err::FileNotFound, source);
    // A quote never closed refuses the whole file, naming the line.
    const QString aberta = dir_.filePath(QStringLiteral("aberta.csv"));
    {
        QFile f(aberta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1;x\r\n2;\"sem fim\r\n3;y\r\n");
    }
    try {
        CSV().GetRecordSet(aberta);
        ADD_FAILURE() << "a file with a quote never closed was read";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.source(), source);
        EXPECT_TRUE(e.description().contains(QStringLiteral("aspas por fechar na linha 2"))) << e.what();
    }
    // A row the filter drops is never converted.
    EXPECT_EQ(read({ticket(1, QStringLiteral("FR/1"), {{0, QStringLiteral("X")}, {8, QStringLiteral("VOID")}})})
                  ->RecordCount(),
              0);
}

TEST_F(CsvSource, AConversionErrorNamesTheLineOfTheFileAndTheField) {
    const auto erro = [&](const std::vector<QStringList>& lines) {
        try {
            read(lines);
        } catch (const AutomationError& e) {
            return e.description();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(erro({agency::csvHeaderLine(), ticket(1), ticket(2, QStringLiteral("FR/1"), {{11, "1.234,56"}})}),
              QStringLiteral("Type mismatch: linha 3 do ficheiro, campo Fare (\"1.234,56\")"));
    // A quoted cell holding a line break: rows and lines part ways.
    EXPECT_EQ(erro({ticket(1, QStringLiteral("FR/1"), {{9, "\"SILVA\r\nANA\""}}),
                    ticket(2, QStringLiteral("FR/1"), {{0, "X2"}})}),
              QStringLiteral("Type mismatch: linha 3 do ficheiro, campo ID (\"X2\")"));
    EXPECT_EQ(erro({line({{0, "1"}, {8, "EMI"}, {10, "CAS"}, {11, "1"}, {12, "1"}, {13, "1"}, {18, "1"}}, 40)}),
              QStringLiteral("Subscript out of range: linha 1 do ficheiro, campo Desconto (a coluna 44 não existe no "
                             "ficheiro)"));
}

TEST_F(CsvSource, WritesNothingBack) {
    const QString path = file({ticket(1), ticket(2)});
    const auto digest = [&path] {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    };
    const QByteArray before = digest();
    CSV csv;
    EXPECT_TRUE(csv.ConnectionOpen(path, QString(), QString()));
    EXPECT_EQ(csv.GetRecordSet(path)->RecordCount(), 2);
    csv.UpdateTktIssued(1, QStringLiteral("Tumo Vesk-FT 1/1/2024"));
    csv.UpdateTktIssuedFacturaFinalizada(QStringLiteral("R1"), QStringLiteral("C1"), QStringLiteral("FT-1"));
    csv.UpdateMovBancarioComRecibo(1, QStringLiteral("RE-1-2024"));
    EXPECT_EQ(csv.GetTabelas()->Count(), 0);
    EXPECT_TRUE(csv.ConnectionClose());
    EXPECT_EQ(digest(), before);
    EXPECT_EQ(csv.GetRecordSet(path)->RecordCount(), 2);  // a second run takes the same tickets
}

TEST_F(CsvSource, ReadsFilesBeyondSixteenBitCounters) {
    std::vector<QStringList> lines;
    for (int id = 1; id <= 100000; ++id) lines.push_back(ticket(id, QStringLiteral("FR/%1").arg(id)));
    auto rs = read(lines);
    EXPECT_EQ(rs->RecordCount(), 100000);
    rs->MoveLast();
    EXPECT_EQ(rs->value(QStringLiteral("ID")), Variant(std::int32_t(99999)));  // "FR/99999" sorts last
}

}  // namespace
}  // namespace tvx
