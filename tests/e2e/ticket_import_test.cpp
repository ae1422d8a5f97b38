// Operation 1000 through the host program over a demo, its company database
// on the embedded file or on a server: every ticket of today's billing
// periods ends in an invoice in preparation, one per billing reference and
// account, and is never invoiced twice; 1004 imports a CSV file.
#include "agency_demo/agency_db.h"
#include "agency_demo/csv_ticket_file.h"
#include "e2e/demo_files.h"
#include "e2e/host_process.h"
#include "telvarix-host/today_tickets.h"

#include <gtest/gtest.h>
#include <QDate>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <set>

namespace tvx::testing {
namespace {

int toInvoiceToday(const DemoFolder& d) {
    agency::AgencyDb db = agency::AgencyDb::open(d.agency());
    return host_app::ticketsToInvoice(db, QDate::currentDate());
}

HostRun importTickets(const DemoFolder& d) {
    return runHost(QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
                   QStringList{QStringLiteral("--operation"), QStringLiteral("1000")});
}

class TicketImportE2eTest : public ::testing::TestWithParam<Backend> {};

TEST_P(TicketImportE2eTest, EveryTicketOfTodayIsInvoicedOncePerReferenceAndAccount) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 120, GetParam());
    const int expected = toInvoiceToday(d);
    ASSERT_GT(expected, 40);
    const auto before = tickets(d);
    const int documentsBefore = companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).toInt();

    const HostRun run = importTickets(d);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Importação de movimentos terminou com êxito!")))
        << run.out.toStdString();
    EXPECT_EQ(toInvoiceToday(d), 0);

    // The tickets marked by this run, grouped by their marker.
    static const QRegularExpression provisional(QStringLiteral("^Tumo Vesk-FT (\\d+)/1/(\\d{4})$"));
    const auto after = tickets(d);
    ASSERT_EQ(after.size(), before.size());
    std::map<QString, std::set<std::pair<QString, QString>>> groupsOfMarker;
    int marked = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (!before[i].factura.isNull()) {
            EXPECT_EQ(after[i].factura, before[i].factura) << "ticket " << after[i].id;  // never touched again
            continue;
        }
        if (after[i].factura.isNull()) continue;  // not of today
        ++marked;
        const QString marker = after[i].factura.toString();
        ASSERT_TRUE(provisional.match(marker).hasMatch()) << marker.toStdString();
        groupsOfMarker[marker].insert({after[i].reference, after[i].account});
    }
    EXPECT_EQ(marked, expected);
    // One invoice per reference and account, each in preparation with the link back to its tickets.
    std::set<std::pair<QString, QString>> groups;
    for (const auto& [marker, keys] : groupsOfMarker) {
        ASSERT_EQ(keys.size(), 1u) << marker.toStdString();
        groups.insert(*keys.begin());
        const auto m = provisional.match(marker);
        const auto doc =
            companyRows(d, QStringLiteral("SELECT VOSSONDOC, Terceiro FROM DOCGCCAB WHERE TPDOC='FT' AND SERIE=1 "
                                          "AND ANO=%1 AND NNUMDOC=%2 AND EMPREPARACAO=1")
                               .arg(m.captured(2), m.captured(1)));
        ASSERT_EQ(doc.size(), 1u) << marker.toStdString();
        EXPECT_EQ(doc[0][0].toString(), keys.begin()->first);
        EXPECT_EQ(doc[0][1].toString(), keys.begin()->second);
    }
    EXPECT_EQ(groups.size(), groupsOfMarker.size());
    const int documentsAfter = companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).toInt();
    EXPECT_EQ(documentsAfter - documentsBefore, int(groups.size()));

    // The same day again: nothing left to invoice, nothing invoiced twice.
    const HostRun again = importTickets(d);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.contains(QStringLiteral("Importação de movimentos terminou com êxito!")));
    EXPECT_EQ(companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).toInt(), documentsAfter);
    const auto third = tickets(d);
    for (std::size_t i = 0; i < third.size(); ++i) EXPECT_EQ(third[i].factura, after[i].factura);
}

TEST_P(TicketImportE2eTest, TheRunPrintsItsLogAsATable) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 8, GetParam());
    const auto before = tickets(d);
    const HostRun run = importTickets(d);
    ASSERT_EQ(run.exitCode, 0);
    // The viewer's table: its headings, then one "Processado" row per ticket invoiced, naming it.
    EXPECT_TRUE(run.out.contains(QStringLiteral("Linha"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Descrição")));
    const auto after = tickets(d);
    int invoiced = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (!before[i].factura.isNull() || after[i].factura.isNull()) continue;
        ++invoiced;
        EXPECT_TRUE(run.out.contains(QStringLiteral(" TKT Issued ID %1\n").arg(after[i].id))) << after[i].id;
    }
    EXPECT_GT(invoiced, 0);
    EXPECT_EQ(run.out.count(QStringLiteral("Processado |")), invoiced);
    // The verdict comes after the table, and the last line counts the rows for a scheduler.
    EXPECT_LT(run.out.indexOf(QStringLiteral("Linha")), run.out.indexOf(QStringLiteral("terminou com êxito!")));
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("Rows: %1 Processado. Exit status 0: every row fine.\n").arg(invoiced)))
        << run.out.toStdString();
}

TEST_P(TicketImportE2eTest, TheCsvFileGivenAnswersTheFileDialogOfTheCsvImport) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 0, GetParam());
    const QString csv = dir.filePath(QStringLiteral("bilhetes.csv"));
    agency::generateCsvTicketFile(csv, 30, 3, QDate::currentDate());
    const auto recovered = [&] {
        return companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB WHERE ORIGEM = 2")).toInt();
    };
    const QStringList csvImport = QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
                                  QStringList{QStringLiteral("--operation"), QStringLiteral("1004")};

    // No file given: the dialog is cancelled and nothing is imported.
    const HostRun cancelled = runHost(csvImport);
    EXPECT_EQ(cancelled.exitCode, 0);
    EXPECT_TRUE(cancelled.out.contains(QStringLiteral("open: cancelled"))) << cancelled.out.toStdString();
    EXPECT_EQ(recovered(), 0);

    const HostRun run = runHost(csvImport + QStringList{QStringLiteral("--csv"), csv});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("open: ") + csv)) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Factura de Recuperação")));
    EXPECT_GT(recovered(), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, TicketImportE2eTest, ::testing::ValuesIn(programBackends()), backendName);

}  // namespace
}  // namespace tvx::testing
