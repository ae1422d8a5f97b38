// Document numbers of a company on a PostgreSQL server, taken by two
// workstations at once (two connections, each number in a transaction of
// its own, as a document is stored).
#include "host_erp/company_server.h"
#include "host_erp/demo_company.h"
#include "host_erp/document_numbering.h"
#include "host_erp/host_settings.h"
#include "host_erp/host_transaction.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "support/pg_test_server.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <algorithm>
#include <thread>

namespace tvx::host_erp {
namespace {

using tvx::testing::PgTestServer;

TEST(ServerNumbering, TwoWorkstationsStoringAtOnceNeverGetTheSameNumber) {
    // QtSql loads its PostgreSQL driver (which makes the company) only under an application object.
    static int argc = 1;
    static char name[] = "telvarix_host_server_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    PgTestServer& server = PgTestServer::shared();
    ASSERT_TRUE(server.running()) << server.failure().toStdString();
    const sql::ServerLogin login = serverLogin(server.uri(), server.freshName(QStringLiteral("numbers")), {}, {});
    createDemoServerCompany(login);
    constexpr int kEach = 60;
    std::vector<std::int32_t> taken[2];
    std::string failures[2];
    const auto workstation = [&](int w) {
        try {
            auto db = openServerCompany(HostSettings{}, login);
            for (int i = 0; i < kEach; ++i) {
                HostTransaction transaction(*db);
                taken[w].push_back(takeNextNumber(*db, {QStringLiteral("FT"), 0, 1, 2026}, NumberSequence::Final));
                transaction.commit();
            }
        } catch (const AutomationError& e) {
            failures[w] = e.description().toStdString();
        }
    };
    std::thread a(workstation, 0), b(workstation, 1);
    a.join();
    b.join();
    EXPECT_EQ(failures[0], "");
    EXPECT_EQ(failures[1], "");
    std::vector<std::int32_t> all = taken[0];
    all.insert(all.end(), taken[1].begin(), taken[1].end());
    std::sort(all.begin(), all.end());
    std::vector<std::int32_t> expected(2 * kEach);
    for (int i = 0; i < 2 * kEach; ++i) expected[std::size_t(i)] = i + 1;
    EXPECT_EQ(all, expected);  // every number once, none skipped
}

}  // namespace
}  // namespace tvx::host_erp
