#include "ado_test_support.h"

#include <gtest/gtest.h>

namespace tvx::ado {
namespace {

using testing::addRow;
using testing::errorOf;
using testing::makeLog;

std::shared_ptr<Recordset> threeRows() {
    auto rs = makeLog();
    addRow(*rs, 1, "", "OK", 10, "um");
    addRow(*rs, 2, "", "Erro", 0, "dois");
    addRow(*rs, 3, "", "AVISO", 30, "três");
    return rs;
}

TEST(RecordsetCursor, EmptySetHasBothEndsAndRefusesEveryMove) {
    auto rs = makeLog();
    EXPECT_TRUE(rs->Bof());
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_EQ(rs->AbsolutePosition(), adPosUnknown);
    EXPECT_EQ(errorOf([&] { rs->MoveFirst(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->MoveLast(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->MoveNext(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->MovePrevious(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->value("Linha"); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->setValue("Linha", 1); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->setAbsolutePosition(1); }), err::BadArguments);
}

TEST(RecordsetCursor, MovesReachEachEndOnceThenFail) {
    auto rs = threeRows();
    rs->MoveFirst();
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    EXPECT_FALSE(rs->Bof());
    rs->MovePrevious();
    EXPECT_TRUE(rs->Bof());
    EXPECT_FALSE(rs->Eof());
    EXPECT_EQ(rs->AbsolutePosition(), adPosBOF);
    EXPECT_EQ(errorOf([&] { rs->MovePrevious(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->value("Linha"); }), err::NoCurrentRecord);
    rs->MoveNext();
    EXPECT_EQ(rs->value("Linha"), Variant(1));

    rs->MoveLast();
    EXPECT_EQ(rs->AbsolutePosition(), 3);
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    EXPECT_FALSE(rs->Bof());
    EXPECT_EQ(rs->AbsolutePosition(), adPosEOF);
    EXPECT_EQ(errorOf([&] { rs->MoveNext(); }), err::NoCurrentRecord);
    rs->MovePrevious();
    EXPECT_EQ(rs->value("Linha"), Variant(3));

    rs->setAbsolutePosition(2);
    EXPECT_EQ(rs->Fields().Item("estado").Value(), Variant("Erro"));
    EXPECT_EQ(errorOf([&] { rs->setAbsolutePosition(0); }), err::BadArguments);
    EXPECT_EQ(errorOf([&] { rs->setAbsolutePosition(4); }), err::BadArguments);
    EXPECT_EQ(rs->AbsolutePosition(), 2);
}

TEST(RecordsetCursor, AddNewCountsAtOnceAndStoresOnUpdateOrMove) {
    auto rs = makeLog();
    rs->AddNew();
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->EditMode(), adEditAdd);
    EXPECT_TRUE(rs->value("Estado").isEmpty());
    rs->setValue("Linha", 7);
    rs->Update();
    EXPECT_TRUE(rs->value("Estado").isNull());
    EXPECT_EQ(rs->value("Linha"), Variant(7));
    EXPECT_EQ(rs->AbsolutePosition(), 1);

    // AddNew during an addition stores the first row; a move does the same.
    rs->AddNew();
    rs->setValue("Linha", 8);
    rs->AddNew();
    rs->setValue("Linha", 9);
    rs->MoveFirst();
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->EditMode(), adEditNone);
    rs->MoveLast();
    EXPECT_EQ(rs->value("Linha"), Variant(9));

    // Cancelling drops an addition and restores an edited row.
    rs->AddNew();
    rs->CancelUpdate();
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->value("Linha"), Variant(9));
    rs->MoveFirst();
    rs->setValue("Linha", 70);
    rs->CancelUpdate();
    EXPECT_EQ(rs->value("Linha"), Variant(7));
}

TEST(RecordsetCursor, DeleteLeavesTheCursorBeforeTheNextRow) {
    auto rs = threeRows();
    rs->setAbsolutePosition(2);
    rs->Delete();
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(errorOf([&] { rs->value("Linha"); }), err::NoCurrentRecord);
    rs->MoveNext();
    EXPECT_EQ(rs->value("Linha"), Variant(3));
    rs->Delete();
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
    rs->MoveFirst();
    EXPECT_EQ(rs->value("Linha"), Variant(1));
}

TEST(RecordsetLifecycle, StateErrors) {
    Recordset rs;
    EXPECT_EQ(rs.State(), adStateClosed);
    EXPECT_EQ(errorOf([&] { rs.Open(); }), err::ConnectionUnusable);
    EXPECT_EQ(errorOf([&] { rs.Close(); }), err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { rs.RecordCount(); }), err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { rs.MoveFirst(); }), err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { rs.setFilter("Linha=1"); }), err::ObjectClosed);

    rs.Fields().Append("Linha", adInteger);
    EXPECT_EQ(errorOf([&] { rs.Fields().Append("LINHA", adVarChar, 10); }), err::AlreadyInCollection);
    EXPECT_EQ(errorOf([&] { rs.Fields().Append("X", 9999, 10); }), err::BadArguments);
    rs.Open();
    EXPECT_EQ(rs.State(), adStateOpen);
    EXPECT_TRUE(rs.Source().isEmpty());
    EXPECT_EQ(errorOf([&] { rs.Open(); }), err::ObjectOpen);
    EXPECT_EQ(errorOf([&] { rs.Fields().Append("Outro", adInteger); }), err::NotAllowedInContext);
    EXPECT_EQ(errorOf([&] { rs.Fields().Item(1); }), err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs.Fields().Item("Nada"); }), err::ItemNotFound);
    EXPECT_EQ(rs.Fields().Item(0).DefinedSize(), 4);
    EXPECT_EQ(rs.Fields().Item(0).Attributes(), adFldUpdatable | adFldFixed);
    rs.Close();
    EXPECT_EQ(rs.Fields().Count(), 0);
}

TEST(RecordsetValues, AssignedValuesTakeTheFieldType) {
    Recordset rs;
    rs.Fields().Append("Fare", adDouble);
    rs.Fields().Append("ID", adInteger);
    rs.Fields().Append("Valor", adCurrency);
    rs.Fields().Append("Data", adDate);
    rs.Fields().Append("Pago", adBoolean);
    rs.Fields().Append("Estado", adVarChar, 5);
    rs.Open();
    rs.AddNew();
    rs.setValue("Fare", "125.3");
    EXPECT_EQ(rs.value("Fare"), Variant(125.3));
    rs.setValue("ID", "42");
    EXPECT_EQ(rs.value("ID"), Variant(42));
    rs.setValue("ID", 2.5);
    EXPECT_EQ(rs.value("ID"), Variant(2));  // halves to even
    rs.setValue("Valor", "12.5");
    EXPECT_EQ(rs.value("Valor"), Variant(Currency::fromScaled(125000)));
    rs.setValue("Data", "2024-03-05");
    EXPECT_EQ(rs.value("Data"), Variant::fromDate(QDate(2024, 3, 5)));
    rs.setValue("Pago", "True");
    EXPECT_EQ(rs.value("Pago"), Variant(true));

    EXPECT_EQ(errorOf([&] { rs.setValue("ID", "12x"); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { rs.setValue("ID", ""); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { rs.setValue("ID", 1e10); }), err::Overflow);
    EXPECT_EQ(errorOf([&] { rs.setValue("Data", "ontem"); }), err::TypeMismatch);
    EXPECT_EQ(rs.value("ID"), Variant(2));  // a refused value leaves the old one

    rs.setValue("Estado", "12345");
    try {
        rs.setValue("Estado", "123456");
        ADD_FAILURE() << "a text longer than the field was taken";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::MultipleStep);
        EXPECT_EQ(e.description(), "Multiple-step operation generated errors. Check each status value.");
        EXPECT_EQ(e.source(), "Microsoft Cursor Engine");
    }
    EXPECT_EQ(rs.value("Estado"), Variant("12345"));
    rs.setValue("Estado", Variant::null());
    EXPECT_TRUE(rs.value("Estado").isNull());
    EXPECT_EQ(errorOf([&] { rs.setValue("Nada", 1); }), err::ItemNotFound);
}

TEST(RecordsetValues, ARefusedValueLeavesTheNewRowsFieldNull) {
    // How the log keeps a row whose message does not fit: the other fields stay.
    auto rs = makeLog();
    rs->AddNew();
    rs->setValue("Linha", 1);
    EXPECT_NE(errorOf([&] { rs->setValue(QStringLiteral("Descrição"), QString(300, u'x')); }), 0);
    rs->setValue("Estado", "Erro");
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_TRUE(rs->value(QStringLiteral("Descrição")).isNull());
    EXPECT_EQ(rs->value("Estado"), Variant("Erro"));
}

}  // namespace
}  // namespace tvx::ado
