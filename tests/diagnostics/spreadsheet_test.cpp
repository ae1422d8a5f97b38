#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/ui/grid_export.h"
#include "platform/ui/spreadsheet_table.h"
#include "support/zip_reader.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace tvx {
namespace {

SpreadsheetTable sampleTable() {
    SpreadsheetTable t;
    t.columns = {{QStringLiteral("Linha"), 1000}, {QStringLiteral("Estado"), 1100}, {QStringLiteral("Descrição"), 0}};
    t.rows.push_back({Variant(std::int32_t(7)), Variant("Erro"), Variant("Cliente d'Água & <filhos>")});
    t.rows.push_back({Variant::null(), Variant("OK"), Variant(2.5)});
    t.rows.push_back({Variant(std::int32_t(1234567)), Variant(), Variant("a\x01z")});
    return t;
}

// Cells of the XML spreadsheet form: one list of (type, text) per row.
std::vector<std::vector<std::pair<QString, QString>>> readXmlCells(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    std::vector<std::vector<std::pair<QString, QString>>> rows;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("Row")) rows.emplace_back();
        if (xml.name() == QLatin1String("Cell")) rows.back().emplace_back();
        if (xml.name() == QLatin1String("Data")) {
            const QString type =
                xml.attributes()
                    .value(QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet"), QStringLiteral("Type"))
                    .toString();
            rows.back().back() = {type, xml.readElementText()};
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return rows;
}

TEST(SpreadsheetExport, XlsNameGetsXmlWorkbookWithCaptionsTypedCellsAndBlanks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.XLS"));
    writeSpreadsheet(path, sampleTable());
    const auto rows = readXmlCells(path);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][2], std::make_pair(QStringLiteral("String"), QStringLiteral("Descrição")));
    EXPECT_EQ(rows[1][0], std::make_pair(QStringLiteral("Number"), QStringLiteral("7")));
    EXPECT_EQ(rows[1][2].second, QStringLiteral("Cliente d'Água & <filhos>"));
    EXPECT_EQ(rows[2][0], std::make_pair(QString(), QString()));  // Null: empty cell, not "0"
    EXPECT_EQ(rows[2][2], std::make_pair(QStringLiteral("Number"), QStringLiteral("2.5")));
    EXPECT_EQ(rows[3][0].second, QStringLiteral("1234567"));
    EXPECT_EQ(rows[3][2].second, QStringLiteral("az"));  // control character dropped, file still readable
}

TEST(SpreadsheetExport, XlsxNameGetsRealWorkbookWithNumbersAsNumbers) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xlsx"));
    writeSpreadsheet(path, sampleTable());
    EXPECT_TRUE(testing::zipMemberNames(path).contains(QStringLiteral("xl/workbook.xml")));
    const auto sheet = testing::zipMember(path, QStringLiteral("xl/worksheets/sheet1.xml"));
    const auto strings = testing::zipMember(path, QStringLiteral("xl/sharedStrings.xml"));
    ASSERT_TRUE(sheet && strings);
    EXPECT_TRUE(sheet->contains(R"(<c r="A2"><v>7</v></c>)")) << sheet->toStdString();
    EXPECT_TRUE(sheet->contains(R"(<c r="C3"><v>2.5</v></c>)"));
    EXPECT_TRUE(sheet->contains(R"(<c r="A4"><v>1234567</v></c>)"));
    EXPECT_FALSE(sheet->contains(R"(r="A3")"));  // Null leaves the cell out
    const QString text = QString::fromUtf8(*strings);
    EXPECT_TRUE(text.contains(QStringLiteral("Descrição")));
    EXPECT_TRUE(text.contains(QStringLiteral("Cliente d'Água &amp; &lt;filhos&gt;")));
}

TEST(SpreadsheetExport, GridTableHoldsVisibleColumnsByKeyAndKeepsTheCurrentRow) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(QStringLiteral("Linha"), ado::adInteger);
    rs->Fields().Append(QStringLiteral("Estado"), ado::adVarChar, 15);
    rs->Open();
    for (int i = 1; i <= 3; ++i) {
        rs->AddNew();
        rs->setValue(QStringLiteral("Linha"), Variant(std::int32_t(i)));
        rs->setValue(QStringLiteral("Estado"), Variant("OK"));
        rs->Update();
    }
    rs->setAbsolutePosition(2);
    const auto column = [](const char* key, const QString& caption, bool hidden = false) {
        ui::GridColumn c;
        c.key = QString::fromUtf8(key);
        c.caption = caption;
        c.hidden = hidden;
        return c;
    };
    const auto estado = column("Estado", QStringLiteral("Estado"));
    const auto linha = column("Linha", QStringLiteral("Nº"));
    const auto oculta = column("Linha", QStringLiteral("Oculta"), true);
    const auto table = gridSpreadsheetTable({estado, linha, oculta}, rs.get());
    ASSERT_EQ(table.columns.size(), 2u);
    EXPECT_EQ(table.columns[1].caption, QStringLiteral("Nº"));
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[2], (std::vector<Variant>{Variant("OK"), Variant(std::int32_t(3))}));
    EXPECT_EQ(rs->AbsolutePosition(), 2);
    EXPECT_EQ(gridSpreadsheetTable({estado}, nullptr).columns.size(), 1u);
}

TEST(SpreadsheetExport, UnwritablePlaceRaisesFileAccessErrorNamingThePath) {
    QTemporaryDir dir;
    for (const QString& name : {QStringLiteral("x.xls"), QStringLiteral("x.xlsx")}) {
        const QString path = dir.filePath(QStringLiteral("no/such/folder/") + name);
        try {
            writeSpreadsheet(path, sampleTable());
            ADD_FAILURE() << "writing " << name.toStdString() << " must fail";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::PathFileAccess);
            EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
        }
    }
}

}  // namespace
}  // namespace tvx
