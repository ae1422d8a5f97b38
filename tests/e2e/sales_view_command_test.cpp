// sales-view: finalising an imported invoice in the host's sales view gives
// its tickets the final marker through the add-in's hooks (the company
// database on the embedded file or on a server).
#include "e2e/demo_files.h"
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <tuple>

namespace tvx::testing {
namespace {

HostRun finalise(const DemoFolder& d, const QString& year, const QString& number) {
    return runHost(QStringList{QStringLiteral("sales-view")} + onCompany(d.base, d.company) +
                   QStringList{QStringLiteral("--finalize"), QStringLiteral("FT"), QStringLiteral("1"), year, number});
}

class SalesViewE2eTest : public ::testing::TestWithParam<Backend> {};

TEST_P(SalesViewE2eTest, FinalisingAnImportedInvoiceReplacesItsTicketsProvisionalMarker) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 60, GetParam());
    const auto generated = tickets(d);
    ASSERT_EQ(runHost(QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
                      QStringList{QStringLiteral("--operation"), QStringLiteral("1000")})
                  .exitCode,
              0);
    const auto imported = tickets(d);

    // The invoice of this run with the most tickets.
    std::map<QString, int> ticketsOfMarker;
    for (std::size_t i = 0; i < imported.size(); ++i)
        if (generated[i].factura.isNull() && !imported[i].factura.isNull())
            ++ticketsOfMarker[imported[i].factura.toString()];
    ASSERT_FALSE(ticketsOfMarker.empty());
    const auto largest = std::max_element(ticketsOfMarker.begin(), ticketsOfMarker.end(),
                                          [](const auto& a, const auto& b) { return a.second < b.second; });
    const QString marker = largest->first;
    const auto key = QRegularExpression(QStringLiteral("^Tumo Vesk-FT (\\d+)/1/(\\d{4})$")).match(marker);
    ASSERT_TRUE(key.hasMatch());

    const HostRun run = finalise(d, key.captured(2), key.captured(1));
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    // The add-in showed nothing: no hook failed.
    EXPECT_FALSE(run.out.contains(QStringLiteral("Erro"))) << run.out.toStdString();

    QString reference, account;
    for (const Ticket& t : imported)
        if (t.factura.toString() == marker) std::tie(reference, account) = std::tie(t.reference, t.account);
    const auto final =
        companyColumn(d, QStringLiteral("SELECT NNUMDOC FROM DOCGCCAB WHERE TPDOC='FT' AND EMPREPARACAO=0 "
                                        "AND VOSSONDOC='%1' AND Terceiro='%2'")
                             .arg(reference, account));
    ASSERT_EQ(final.size(), 1u);
    const QString finalMarker = QStringLiteral("FT-") + final[0].toString();

    const auto after = tickets(d);
    int changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (imported[i].factura.toString() == marker) {
            EXPECT_EQ(after[i].factura.toString(), finalMarker) << after[i].id;
            ++changed;
        } else {
            EXPECT_EQ(after[i].factura, imported[i].factura) << after[i].id;  // other invoices and tickets untouched
        }
    }
    EXPECT_EQ(changed, largest->second);

    // The same preparation number again: the host refuses, nothing is saved and no marker changes.
    const HostRun again = finalise(d, key.captured(2), key.captured(1));
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.out.contains(QStringLiteral("refused"))) << again.out.toStdString();
    const auto unchanged = tickets(d);
    for (std::size_t i = 0; i < unchanged.size(); ++i) EXPECT_EQ(unchanged[i].factura, after[i].factura);
}

INSTANTIATE_TEST_SUITE_P(Backends, SalesViewE2eTest, ::testing::ValuesIn(programBackends()), backendName);

}  // namespace
}  // namespace tvx::testing
