#include "ado_test_support.h"

#include <gtest/gtest.h>

namespace tvx::ado {
namespace {

using testing::addRow;
using testing::errorOf;
using testing::makeLog;

std::shared_ptr<Recordset> statusLog() {
    auto rs = makeLog();
    addRow(*rs, 1, "C-1", "OK", 10, "Pronto");
    addRow(*rs, 2, "C-2", "Erro", 0, "Cliente d'Água inexistente");
    addRow(*rs, 3, "C-1", "ERRO", 30, "Recibo falhou");
    addRow(*rs, 4, "C-3", "Processado", 40, "Produto processado");
    addRow(*rs, 5, "C-2", "AVISO", 0, "Adiantamento");
    return rs;
}

// Linha of every visible row, in order.
std::vector<int> visible(Recordset& rs) {
    std::vector<int> lines;
    if (rs.RecordCount() == 0) return lines;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) lines.push_back(rs.value("Linha").asLong());
    return lines;
}

std::vector<int> filtered(Recordset& rs, const QString& criteria) {
    rs.setFilter(criteria);
    return visible(rs);
}

TEST(RecordsetFilter, ComparesTextsWithoutCaseAndMovesToTheFirstRow) {
    auto rs = statusLog();
    rs->MoveLast();
    rs->setFilter("Estado='Erro'");
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    EXPECT_EQ(rs->value("Linha"), Variant(2));
    EXPECT_EQ(rs->Filter(), Variant("Estado='Erro'"));
    rs->setFilter("");
    EXPECT_EQ(rs->RecordCount(), 5);
    EXPECT_EQ(rs->Filter(), Variant(0));
    rs->setFilter(Variant(0));
    EXPECT_EQ(rs->RecordCount(), 5);

    rs->setFilter("Estado = 'Nada'");
    EXPECT_TRUE(rs->Bof());
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(rs->RecordCount(), 0);
}

TEST(RecordsetFilter, Grammar) {
    auto rs = statusLog();
    EXPECT_EQ(filtered(*rs, "Linha > 2 AND Linha <= 4"), (std::vector<int>{3, 4}));
    EXPECT_EQ(filtered(*rs, "Linha >= 4 or Linha < 2"), (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(filtered(*rs, "Linha <> 3 AND Estado <> 'ok'"), (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(filtered(*rs, "[Num.Cliente] = 'C-1'"), (std::vector<int>{1, 3}));
    EXPECT_EQ(filtered(*rs, "Num.Cliente='c-2'"), (std::vector<int>{2, 5}));
    EXPECT_EQ(filtered(*rs, QStringLiteral("Descrição = 'cliente d''água inexistente'")), (std::vector<int>{2}));
    EXPECT_EQ(filtered(*rs, "Linha = 2.0"), (std::vector<int>{2}));
    EXPECT_EQ(filtered(*rs, "Linha = '3'"), (std::vector<int>{3}));
    // Null never matches, not even "different from".
    EXPECT_EQ(filtered(*rs, "Documento <> 10"), (std::vector<int>{3, 4}));
    EXPECT_EQ(filtered(*rs, "Documento >= 30"), (std::vector<int>{3, 4}));
    // LIKE: wildcards at the end or at both ends.
    EXPECT_EQ(filtered(*rs, QStringLiteral("Descrição LIKE 'pro*'")), (std::vector<int>{1, 4}));
    EXPECT_EQ(filtered(*rs, QStringLiteral("Descrição like '%CESS%'")), (std::vector<int>{4}));
    EXPECT_EQ(filtered(*rs, "Estado LIKE 'erro'"), (std::vector<int>{2, 3}));
    // Groups, and AND / OR read left to right.
    EXPECT_EQ(filtered(*rs, "(Estado='Erro' AND Linha>2) OR (Estado='OK' AND Linha<2)"), (std::vector<int>{1, 3}));
    EXPECT_EQ(filtered(*rs, "Linha > 3 AND Estado = 'AVISO' OR Estado = 'OK'"), (std::vector<int>{1, 5}));
}

TEST(RecordsetFilter, DatesInHashes) {
    Recordset rs;
    rs.Fields().Append("Data", adDate);
    rs.Open();
    for (int day = 1; day <= 3; ++day) {
        rs.AddNew();
        rs.setValue("Data", Variant::fromDate(QDate(2024, 2, day)));
    }
    rs.setFilter("Data = #2/3/2024#");
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.value("Data"), Variant::fromDate(QDate(2024, 2, 3)));
    rs.setFilter("Data > #2024-02-01 00:00:01#");
    EXPECT_EQ(rs.RecordCount(), 2);
    rs.setFilter("Data < '2024-02-03'");
    EXPECT_EQ(rs.RecordCount(), 2);
}

TEST(RecordsetFilter, RefusesBadCriteriaAndKeepsTheFilterInForce) {
    auto rs = statusLog();
    rs->setFilter("Estado='OK'");
    EXPECT_EQ(errorOf([&] { rs->setFilter("Nada = 1"); }), err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->setFilter("[Nada Mesmo] = 1"); }), err::ItemNotFound);
    for (const char* bad : {"(Estado='Erro' OR Estado='OK') AND Linha>1",
                            "Linha>1 AND (Estado='Erro' OR Estado='OK')",
                            "Estado='Erro' OR Estado='OK' AND Linha>1",
                            "Estado=",
                            "Estado 'Erro'",
                            "Estado='Erro",
                            "Estado=Null",
                            "(Estado='Erro'",
                            "Estado='Erro')",
                            "Estado='Erro' AND",
                            "Linha = abc",
                            "Linha = #2024-13-45#",
                            "Estado LIKE '*rro'",
                            "Estado LIKE 'E*o'",
                            "Linha LIKE 5",
                            "Linha = 'abc'",
                            "= 'x'",
                            "]",
                            "[Estado = 'x'",
                            "Estado == 'x'"}) {
        EXPECT_EQ(errorOf([&] { rs->setFilter(bad); }), err::BadArguments) << bad;
    }
    EXPECT_EQ(errorOf([&] { rs->setFilter(Variant()); }), err::BadArguments);
    // Groups nest 100 deep at most: ten thousand overflowed the stack (found by the criteria fuzz target).
    const auto nested = [](int depth) {
        return QString(depth, u'(') + QStringLiteral("Linha=1") + QString(depth, u')');
    };
    EXPECT_EQ(errorOf([&] { rs->setFilter(nested(10000)); }), err::BadArguments);
    EXPECT_EQ(errorOf([&] { rs->Find(nested(10000)); }), err::BadArguments);
    EXPECT_EQ(errorOf([&] { rs->setFilter(nested(101)); }), err::BadArguments);
    EXPECT_EQ(rs->Filter(), Variant("Estado='OK'"));
    EXPECT_EQ(rs->RecordCount(), 1);
    rs->setFilter(nested(100));
    EXPECT_EQ(rs->value("Linha"), Variant(1));
}

TEST(RecordsetSort, OrdersByKeysKeepingTiesAndPuttingNullFirst) {
    Recordset rs;
    rs.Fields().Append("ID", adInteger);
    rs.Fields().Append("Factura", adVarChar, 50);
    rs.Open();
    const std::vector<std::pair<int, const char*>> rows = {{5, "FT 2"}, {3, "ft 1"}, {4, nullptr},
                                                           {1, "FT 2"}, {2, "FT 1"}, {6, nullptr}};
    for (const auto& [id, factura] : rows) {
        rs.AddNew();
        rs.setValue("ID", id);
        rs.setValue("Factura", factura ? Variant(factura) : Variant::null());
    }
    rs.Update();
    rs.setSort("Factura, ID");
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    std::vector<int> ids;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) ids.push_back(rs.value("ID").asLong());
    EXPECT_EQ(ids, (std::vector<int>{4, 6, 2, 3, 1, 5}));

    rs.setSort("[Factura] DESC, ID ASC");
    rs.MoveFirst();
    EXPECT_EQ(rs.value("ID"), Variant(1));
    rs.MoveLast();
    EXPECT_EQ(rs.value("ID"), Variant(6));

    // Sorted rows under a filter, then back to the order of insertion.
    rs.setSort("ID DESC");
    rs.setFilter("Factura LIKE 'ft 2'");
    rs.MoveFirst();
    EXPECT_EQ(rs.value("ID"), Variant(5));
    rs.setFilter("");
    rs.setSort("");
    rs.MoveFirst();
    EXPECT_EQ(rs.value("ID"), Variant(5));
    rs.MoveLast();
    EXPECT_EQ(rs.value("ID"), Variant(6));
    EXPECT_EQ(errorOf([&] { rs.setSort("Nada"); }), err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs.setSort("ID,"); }), err::BadArguments);
}

TEST(RecordsetFind, SearchesFromTheCurrentRow) {
    auto rs = statusLog();
    rs->MoveFirst();
    rs->Find("Estado = 'erro'");
    EXPECT_EQ(rs->AbsolutePosition(), 2);
    rs->Find("Estado = 'erro'");  // the current row is tested first
    EXPECT_EQ(rs->AbsolutePosition(), 2);
    rs->Find("Estado = 'erro'", 1);
    EXPECT_EQ(rs->AbsolutePosition(), 3);
    rs->Find("Linha = 1", 0, adSearchBackward);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->Find("Estado LIKE 'Proc*'");
    EXPECT_EQ(rs->AbsolutePosition(), 4);

    rs->Find("Linha = 99");
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(errorOf([&] { rs->Find("Linha = 1"); }), err::NoCurrentRecord);
    rs->MoveLast();
    rs->Find("Linha = 99", 0, adSearchBackward);
    EXPECT_TRUE(rs->Bof());

    rs->MoveFirst();
    EXPECT_EQ(errorOf([&] { rs->Find("Linha = 1 AND Estado = 'OK'"); }), err::BadArguments);
    EXPECT_EQ(errorOf([&] { rs->Find("Nada = 1"); }), err::ItemNotFound);
}

}  // namespace
}  // namespace tvx::ado
