// The grid's two models under Qt's model tester while they are grouped,
// sorted, regrouped, ungrouped and bound to other record sets; and what the
// cells show.
#include "platform/ado/recordset.h"
#include "ui_qt/grid_cell_text.h"
#include "ui_qt/grouping_proxy_model.h"
#include "ui_qt/recordset_table_model.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QStringList>

namespace tvx::ui_qt {
namespace {

struct Row {
    std::int32_t linha;
    const char* cliente;
    const char* estado;
    const char* descricao;
};

std::shared_ptr<ado::Recordset> logOf(std::initializer_list<Row> rows, bool withEstado = true) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(QStringLiteral("Linha"), ado::adInteger);
    rs->Fields().Append(QStringLiteral("Num.Cliente"), ado::adVarWChar, 20);
    if (withEstado) rs->Fields().Append(QStringLiteral("Estado"), ado::adVarWChar, 20);
    rs->Fields().Append(QStringLiteral("Descrição"), ado::adVarWChar, 255);
    rs->Open();
    for (const Row& row : rows) {
        rs->AddNew();
        rs->setValue(QStringLiteral("Linha"), Variant(row.linha));
        rs->setValue(QStringLiteral("Num.Cliente"), row.cliente ? Variant(row.cliente) : Variant::null());
        if (withEstado) rs->setValue(QStringLiteral("Estado"), Variant(row.estado));
        rs->setValue(QStringLiteral("Descrição"), Variant(row.descricao));
        rs->Update();
    }
    if (rs->RecordCount() > 0) rs->MoveFirst();
    return rs;
}

std::shared_ptr<ado::Recordset> runLog() {
    return logOf({{1, "C1", "Processado", "Factura FT 1/1/2024"},
                  {2, "C2", "Erro", "Linha com Cliente inválido.\r\nTKT Issued ID =7"},
                  {3, "C1", "Processado", "Factura FT 2/1/2024"},
                  {4, nullptr, "AVISO", "ID=4 Vai criar  Recebimento por conta."},
                  {5, "C3", "erro", "Valor Negativos em Fees."},
                  {1234567, "C1", "OK", "ID=9 RE-3-2024"}});
}

// Model-tester complaints fail the running test.
class ModelTesterMessages {
public:
    ModelTesterMessages() { previous_ = qInstallMessageHandler(&record); }
    ~ModelTesterMessages() { qInstallMessageHandler(previous_); }

private:
    static void record(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (QByteArray(context.category ? context.category : "").startsWith("qt.modeltest"))
            ADD_FAILURE() << message.toStdString();
    }
    QtMessageHandler previous_ = nullptr;
};

class GridModelsTest : public ::testing::Test {
protected:
    GridModelsTest() {
        proxy.setSourceModel(&table);
        tableTester = std::make_unique<QAbstractItemModelTester>(&table, Mode::Warning);
        proxyTester = std::make_unique<QAbstractItemModelTester>(&proxy, Mode::Warning);
    }

    using Mode = QAbstractItemModelTester::FailureReportingMode;

    // The tree as text: group rows by their label, rows by Linha, nesting by indentation.
    QStringList tree(const QModelIndex& parent = {}, const QString& indent = {}) const {
        QStringList lines;
        for (int row = 0; row < proxy.rowCount(parent); ++row) {
            const QModelIndex index = proxy.index(row, 0, parent);
            if (proxy.isGroupRow(index)) {
                lines << indent + index.data().toString();
                lines << tree(index, indent + QStringLiteral("  "));
            } else {
                lines << indent + proxy.index(row, 1, parent).data().toString();
            }
        }
        return lines;
    }

    int column(const char* key) const { return table.columnOf(QString::fromUtf8(key)); }

    ModelTesterMessages messages;
    RecordsetTableModel table;
    GroupingProxyModel proxy;
    std::unique_ptr<QAbstractItemModelTester> tableTester;
    std::unique_ptr<QAbstractItemModelTester> proxyTester;
};

TEST_F(GridModelsTest, GroupsNestSortAndFollowRebinds) {
    auto log = runLog();
    log->MoveLast();
    table.setRecordset(log);
    EXPECT_EQ(log->AbsolutePosition(), 6) << "binding moved the record set's cursor";
    EXPECT_EQ(tree(), QStringList({"1", "2", "3", "4", "5", "1234567"}));

    // Values equal as the record set compares them ("Erro", "erro") share a group.
    proxy.setGroupColumns({column("Estado")});
    EXPECT_EQ(tree(),
              QStringList({"Estado: AVISO (1 linha)", "  4", "Estado: Erro (2 linhas)", "  2", "  5",
                           "Estado: OK (1 linha)", "  1234567", "Estado: Processado (2 linhas)", "  1", "  3"}));

    // Nested, with a Null value. Sorted on the inner group's column, descending, those groups turn round.
    proxy.setGroupColumns({column("Estado"), column("Num.Cliente")});
    const QPersistentModelIndex processadoC1 = proxy.index(0, 0, proxy.index(3, 0));
    proxy.sort(1 + column("Num.Cliente"), Qt::DescendingOrder);
    EXPECT_EQ(tree(), QStringList({"Estado: AVISO (1 linha)", "  Num.Cliente: (vazio) (1 linha)", "    4",
                                   "Estado: Erro (2 linhas)", "  Num.Cliente: C3 (1 linha)", "    5",
                                   "  Num.Cliente: C2 (1 linha)", "    2", "Estado: OK (1 linha)",
                                   "  Num.Cliente: C1 (1 linha)", "    1234567", "Estado: Processado (2 linhas)",
                                   "  Num.Cliente: C1 (2 linhas)", "    1", "    3"}));
    // Sorted on a plain column, rows turn round inside their groups; indexes held on follow.
    proxy.sort(1 + column("Linha"), Qt::DescendingOrder);
    EXPECT_EQ(processadoC1.data().toString(), QStringLiteral("Num.Cliente: C1 (2 linhas)"));
    EXPECT_EQ(proxy.index(0, 1, processadoC1).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(proxy.index(1, 1, processadoC1).data().toString(), QStringLiteral("1"));

    // A new caption shows in the group rows and the heading.
    ui::GridColumn estado = table.columns()[std::size_t(column("Estado"))];
    estado.caption = QStringLiteral("Situação");
    table.setColumn(column("Estado"), estado);
    EXPECT_EQ(proxy.index(0, 0).data().toString(), QStringLiteral("Situação: AVISO (1 linha)"));
    EXPECT_EQ(proxy.headerData(1 + column("Estado"), Qt::Horizontal).toString(), QStringLiteral("Situação"));

    // Rebound to a log of the same fields: same grouping and sort; every row maps both ways.
    table.setRecordset(logOf({{8, "C9", "OK", "a"}, {9, "C9", "OK", "b"}}));
    EXPECT_EQ(tree(), QStringList({"Estado: OK (2 linhas)", "  Num.Cliente: C9 (2 linhas)", "    9", "    8"}));
    for (int row = 0; row < table.rowCount(); ++row) {
        const QModelIndex source = table.index(row, column("Descrição"));
        EXPECT_EQ(proxy.mapToSource(proxy.mapFromSource(source)), source);
    }

    // A log without Estado: that grouping goes, the other stays.
    table.setRecordset(logOf({{1, "C1", nullptr, "a"}, {2, "C2", nullptr, "b"}}, false));
    EXPECT_EQ(tree(), QStringList({"Num.Cliente: C1 (1 linha)", "  1", "Num.Cliente: C2 (1 linha)", "  2"}));

    // Ungrouped, back in the record set's order; then nothing bound.
    proxy.setGroupColumns({});
    proxy.sort(0);
    EXPECT_EQ(tree(), QStringList({"1", "2"}));
    table.setRecordset(nullptr);
    EXPECT_EQ(proxy.rowCount(), 0);
    EXPECT_EQ(proxy.columnCount(), 1);
}

TEST(GridCellText, NumbersInTheDisplayFormatAndTextOnOneLine) {
    const QLocale english(QLocale::English);
    EXPECT_EQ(gridCellText(Variant(std::int32_t(1234567)), QStringLiteral("###,###"), english), "1,234,567");
    EXPECT_EQ(gridCellText(Variant(std::int32_t(999)), QStringLiteral("###,###"), english), "999");
    EXPECT_EQ(gridCellText(Variant(std::int32_t(0)), QStringLiteral("###,###"), english), "");
    EXPECT_EQ(gridCellText(Variant(-1234.0), QStringLiteral("###,###"), english), "-1,234");
    EXPECT_EQ(gridCellText(Variant(std::int32_t(1234)), QString(), english), "1234");
    EXPECT_EQ(formatNumber(1234.5, QStringLiteral("#,##0.00"), QLocale(QLocale::Portuguese, QLocale::Portugal)),
              QStringLiteral("1") + QLocale(QLocale::Portuguese, QLocale::Portugal).groupSeparator() +
                  QStringLiteral("234,50"));
    EXPECT_EQ(formatNumber(0.25, QStringLiteral("0.##"), english), "0.25");
    EXPECT_EQ(formatNumber(-0.001, QStringLiteral("0.00"), english), "0.00");
    EXPECT_EQ(gridCellText(Variant(QStringLiteral("Linha 1\r\nlinha 2\nfim")), QStringLiteral("###,###"), english),
              "Linha 1 linha 2 fim");
    EXPECT_EQ(gridCellText(Variant::null(), QString(), english), "");
}

TEST_F(GridModelsTest, CellsTakeTheirColumnsLook) {
    table.setRecordset(runLog());
    ui::GridColumn linha = table.columns()[0];
    linha.alignment = ui::GridAlignRight;
    linha.format = QStringLiteral("###,###");
    table.setColumn(0, linha);
    const QModelIndex big = table.index(5, 0);
    EXPECT_NE(big.data().toString(), QStringLiteral("1234567"));
    EXPECT_EQ(big.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    const QModelIndex estado = table.index(0, column("Estado"));
    EXPECT_EQ(estado.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    const QModelIndex longText = table.index(1, column("Descrição"));
    EXPECT_EQ(longText.data().toString(), QStringLiteral("Linha com Cliente inválido. TKT Issued ID =7"));
    EXPECT_EQ(longText.data(Qt::ToolTipRole).toString(),
              QStringLiteral("Linha com Cliente inválido.\r\nTKT Issued ID =7"));
}

}  // namespace
}  // namespace tvx::ui_qt

namespace tvx::ui_qt {
namespace {

// The diagnostics viewer's marks: "Erro" rows (any case) and "AVISO" rows stand
// out, their groups come first; the filter keeps the rows whose text columns
// hold its text.
TEST_F(GridModelsTest, MarkedRowsStandOutComeFirstAndTheFilterReadsTextColumns) {
    table.setRowMarks(QStringLiteral("Estado"), {{QStringLiteral("Erro"), ui::GridRowMark::Error},
                                                 {QStringLiteral("AVISO"), ui::GridRowMark::Warning}});
    table.setRecordset(runLog());
    const auto mark = [&](int row) { return table.index(row, 0).data(RecordsetTableModel::RowMarkRole).toInt(); };
    EXPECT_EQ(mark(1), int(ui::GridRowMark::Error));
    EXPECT_EQ(mark(4), int(ui::GridRowMark::Error));  // "erro"
    EXPECT_EQ(mark(3), int(ui::GridRowMark::Warning));
    EXPECT_EQ(mark(0), int(ui::GridRowMark::None));
    // Not by colour alone: an icon on the Estado cell, and text in a colour of its own over the tint.
    EXPECT_FALSE(table.index(1, column("Estado")).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(table.index(1, column("Linha")).data(Qt::DecorationRole).isNull());
    EXPECT_FALSE(table.index(1, column("Linha")).data(Qt::ForegroundRole).isNull());
    EXPECT_TRUE(table.index(0, column("Linha")).data(Qt::BackgroundRole).isNull());

    proxy.setGroupColumns({column("Estado")});
    EXPECT_EQ(tree(),
              QStringList({"Estado: Erro (2 linhas)", "  2", "  5", "Estado: AVISO (1 linha)", "  4",
                           "Estado: OK (1 linha)", "  1234567", "Estado: Processado (2 linhas)", "  1", "  3"}));

    // The filter reads the text columns, not the numbers; letter case aside.
    for (int i = 0; i < table.columnCount(); ++i) {
        ui::GridColumn c = table.columns()[std::size_t(i)];
        c.dataType = c.key == u"Linha" ? ui::GridTypeInteger : ui::GridTypeText;
        c.hidden = c.key == u"Num.Cliente";
        table.setColumn(i, c);
    }
    proxy.setFilterText(QStringLiteral("FACTURA"));
    EXPECT_EQ(tree(), QStringList({"Estado: Processado (2 linhas)", "  1", "  3"}));
    proxy.setFilterText(QStringLiteral("aviso"));
    EXPECT_EQ(proxy.shownRowCount(), 1);
    proxy.setFilterText(QStringLiteral("12345"));  // only in Linha
    EXPECT_EQ(proxy.shownRowCount(), 0);
    proxy.setFilterText(QStringLiteral("C3"));  // only in the hidden Num.Cliente
    EXPECT_EQ(proxy.shownRowCount(), 0);
    for (int row = 0; row < table.rowCount(); ++row)  // rows filtered out map to nothing, safely
        EXPECT_FALSE(proxy.mapFromSource(table.index(row, 0)).isValid());
    proxy.setFilterText({});
    EXPECT_EQ(proxy.shownRowCount(), 6);
}

}  // namespace
}  // namespace tvx::ui_qt
