// Statements kept for reuse, bound parameters and change stamps, through the
// public Connection on real files: what a kept statement reads after the
// schema changed, and when a stamp says a table may have changed.
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "platform/sql/sql_dialect.h"
#include "platform/sql/sqlite_file.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace tvx::sql {
namespace {

using testing::runOnFile;

class KeptStatementsTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.filePath(QStringLiteral("db.sqlite"));
        ASSERT_EQ(runOnFile(path, QStringLiteral("PRAGMA journal_mode=WAL;"
                                                 "CREATE TABLE A (ID INTEGER PRIMARY KEY, X TEXT);"
                                                 "CREATE TABLE B (ID INTEGER PRIMARY KEY, Y TEXT);"
                                                 "INSERT INTO A VALUES (1, 'um'); INSERT INTO B VALUES (1, 'b');")),
                  QString());
        db = open();
    }
    std::unique_ptr<Connection> open() const { return Connection::openSqlite(path, std::make_shared<NativeDialect>()); }
    static QStringList fieldNames(const ado::Recordset& rs) {
        QStringList names;
        for (const auto& f : rs.Fields().infos()) names << f.name;
        return names;
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<Connection> db;
};

TEST_F(KeptStatementsTest, AKeptQueryFollowsTheSchemaAndTheData) {
    const QString all = QStringLiteral("SELECT * FROM A");
    EXPECT_EQ(fieldNames(*db->Query(all)), (QStringList{"ID", "X"}));
    db->Execute(QStringLiteral("ALTER TABLE A ADD COLUMN Z INTEGER DEFAULT 7"));
    const auto after = db->Query(all);
    EXPECT_EQ(fieldNames(*after), (QStringList{"ID", "X", "Z"}));
    EXPECT_EQ(after->value(QStringLiteral("Z")), Variant(7));

    // Another connection's change, seen by the kept statement of this one.
    ASSERT_EQ(runOnFile(path, QStringLiteral("ALTER TABLE A RENAME COLUMN X TO W; UPDATE A SET W = 'dois'")),
              QString());
    const auto renamed = db->Query(all);
    EXPECT_EQ(fieldNames(*renamed), (QStringList{"ID", "W", "Z"}));
    EXPECT_EQ(renamed->value(QStringLiteral("W")), Variant(QStringLiteral("dois")));

    // More texts than the connection keeps: the first ones still run.
    for (int i = 0; i < 300; ++i) db->Query(QStringLiteral("SELECT %1 AS N").arg(i));
    EXPECT_EQ(db->Query(all)->RecordCount(), 1);
}

TEST_F(KeptStatementsTest, ParametersAreBoundInOrderAndChecked) {
    db->Execute(QStringLiteral("INSERT INTO A (ID, X) VALUES (?, ?)"), {Variant(2), Variant(QStringLiteral("dó's"))});
    const auto rs = db->Query(QStringLiteral("SELECT X FROM A WHERE ID = ?"), {Variant(2)});
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->value(0), Variant(QStringLiteral("dó's")));
    EXPECT_EQ(db->Query(QStringLiteral("SELECT X FROM A WHERE ID = ?"), {Variant(3)})->RecordCount(), 0);

    // Marks left without values are Null, as before parameters existed.
    EXPECT_EQ(db->Execute(QStringLiteral("UPDATE A SET X = ? WHERE ID = 2")), 1);
    EXPECT_TRUE(db->Query(QStringLiteral("SELECT X FROM A WHERE ID = 2"))->value(0).isNull());

    const auto refused = [&](const QString& sql, std::vector<Variant> values) {
        try {
            db->Execute(sql, values);
        } catch (const AutomationError& e) {
            return e.number() == err::ProviderCommandError;
        }
        return false;
    };
    EXPECT_TRUE(refused(QStringLiteral("UPDATE A SET X = ? WHERE ID = ?"), {Variant(QStringLiteral("x"))}));
    EXPECT_TRUE(refused(QStringLiteral("UPDATE A SET X = ?; UPDATE B SET Y = ?"), {Variant(1)}));
    EXPECT_EQ(db->Query(QStringLiteral("SELECT COUNT(*) FROM A WHERE X = 'x'"))->value(0), Variant(0));
}

TEST_F(KeptStatementsTest, StampsChangeWithWhatMayHaveChangedTheTable) {
    const ChangeStamp a = db->changeStamp(QStringLiteral("A"));
    const ChangeStamp b = db->changeStamp(QStringLiteral("b"));
    db->Query(QStringLiteral("SELECT * FROM A"));
    EXPECT_EQ(db->changeStamp(QStringLiteral("A")), a);  // reads change nothing

    db->Execute(QStringLiteral("UPDATE A SET X = 'três'"));
    EXPECT_NE(db->changeStamp(QStringLiteral("A")), a);
    EXPECT_EQ(db->changeStamp(QStringLiteral("B")), b);  // another table's write
    EXPECT_NE(db->changeStamp(), ChangeStamp{});

    // A trigger's write counts for the table it writes.
    db->Execute(QStringLiteral("CREATE TRIGGER T AFTER UPDATE ON A BEGIN UPDATE B SET Y = new.X; END"));
    const ChangeStamp beforeTrigger = db->changeStamp(QStringLiteral("B"));
    db->Execute(QStringLiteral("UPDATE A SET X = 'quatro'"));
    EXPECT_NE(db->changeStamp(QStringLiteral("B")), beforeTrigger);

    // A rollback may have undone anything.
    const ChangeStamp beforeRollback = db->changeStamp(QStringLiteral("B"));
    db->BeginTrans();
    db->Execute(QStringLiteral("UPDATE A SET X = 'cinco' WHERE 0"));
    db->RollbackTrans();
    EXPECT_NE(db->changeStamp(QStringLiteral("B")), beforeRollback);

    // Another connection's commit counts for every table.
    const ChangeStamp beforeOthers = db->changeStamp(QStringLiteral("A"));
    open()->Execute(QStringLiteral("UPDATE B SET Y = 'outra'"));
    EXPECT_NE(db->changeStamp(QStringLiteral("A")), beforeOthers);
    EXPECT_EQ(db->changeStamp(QStringLiteral("A")), db->changeStamp(QStringLiteral("A")));
}

}  // namespace
}  // namespace tvx::sql
