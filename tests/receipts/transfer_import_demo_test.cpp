// The demo as a person runs it: `telvarix-host run` with the ticket import
// and then the transfer import, over a demo company whose pending transfers
// pay invoices already in the company (most exactly, a few on account).
#include "agency_demo/agency_db.h"
#include "e2e/host_process.h"
#include "telvarix-host/setup_demo.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <sstream>

namespace tvx {
namespace {

TEST(TransferImportDemo, TheDemosTwoOperationsInOneRunReceiveEveryTransfer) {
    QTemporaryDir dir;
    host_app::DemoOptions options;
    options.base = dir.path();
    options.company = QStringLiteral("EMPR01");
    options.tickets = 20;
    options.transfers = 20;
    std::ostringstream shown;
    const host_app::DemoReport demo = host_app::setupDemo(options, shown);

    const testing::HostRun run =
        testing::runHost(QStringList{QStringLiteral("run")} + testing::onCompany(options.base, options.company) +
                         QStringList{QStringLiteral("--operation"), QStringLiteral("1000"),
                                     QStringLiteral("--operation"), QStringLiteral("1003")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("Erro ao importar."))) << run.out.toStdString();
    // The transfer import ends last, without errors.
    EXPECT_GT(run.out.lastIndexOf(QStringLiteral("Importação de movimentos terminou com êxito!")),
              run.out.lastIndexOf(QStringLiteral("Ocorreram erros na importação de movimentos.")));

    agency::AgencyDb agencia = agency::AgencyDb::open(demo.layout.agencyDatabase());
    const auto ids = agencia.column(QStringLiteral("SELECT ID FROM Transferencias ORDER BY ID"));
    const auto marks = agencia.column(QStringLiteral("SELECT estado_importado FROM Transferencias ORDER BY ID"));
    ASSERT_EQ(marks.size(), 20u);
    int recibos = 0;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const bool settles = host_app::settlesExactly(host_app::demoTransferKind(ids[i].toInt() - 1));
        const QString mark = marks[i].toString();
        EXPECT_TRUE(mark.startsWith(settles ? QStringLiteral("RE-") : QStringLiteral("RA-")))
            << "transfer " << ids[i].toInt() << ": " << mark.toStdString();
        recibos += mark.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(recibos, demo.transfers.settling + demo.transfers.onAccount);
    // Today's tickets were invoiced by the first operation of the same run.
    const int facturados =
        agencia.column(QStringLiteral("SELECT COUNT(*) FROM [TKT Issued] WHERE Factura IS NOT NULL")).at(0).toInt();
    EXPECT_GE(facturados, demo.ticketsToInvoice);
}

}  // namespace
}  // namespace tvx
