// run --operation 1002 with --set and --button: the configuration window of
// the real add-in edits the parameters row of the demo company.
#include "e2e/demo_files.h"
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace tvx::testing {
namespace {

QStringList configuracao(const DemoFolder& d, const QStringList& options) {
    return QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
           QStringList{QStringLiteral("--operation"), QStringLiteral("1002")} + options;
}

QVariant parametro(const DemoFolder& d, const char* coluna) {
    return scalar(d.companyDatabase(), QStringLiteral("SELECT %1 FROM qrl_PARAMETROS").arg(QLatin1String(coluna)));
}

TEST(ConfigEditorE2eTest, BatchEditsConfirmedChangeTheParametersRow) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 5);
    EXPECT_TRUE(d.agency().endsWith(QStringLiteral(".accdb")));

    HostRun run = runHost(configuracao(d, {"--set", "1001=Série 2 (não assinada)", "--set", "1003=Sim", "--set",
                                           "1014=2", "--set", "1010=agente", "--button", "confirmar"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("== Configuração ==")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("  1000 Tipo de Documento: Factura\n       entries: Factura [FT]\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("  1009 Nome: ") + d.agency()));
    EXPECT_TRUE(run.out.contains(QStringLiteral("set 1014 Sector = Loja do Porto")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("click: Confirmar")));
    EXPECT_EQ(parametro(d, "FATTIPODOCUM").toString(), QStringLiteral("FT"));
    EXPECT_EQ(parametro(d, "FATSERIE").toInt(), 2);
    EXPECT_EQ(parametro(d, "FATFINALIZA").toInt(), 1);
    EXPECT_EQ(parametro(d, "RECSECTOR").toString(), QStringLiteral("2"));
    EXPECT_EQ(parametro(d, "BDUSER").toString(), QStringLiteral("agente"));

    // Sair leaves the row as it was; so does an edit that names no entry.
    run = runHost(configuracao(d, {"--set", "1001=1", "--button", "Sair"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runHost(configuracao(d, {"--set", "1001=9", "--button", "Confirmar"}));
    ASSERT_EQ(run.exitCode, 5) << run.err.toStdString();  // not carried out
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("Exit status 5: a --set or --button was not carried out.\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("set 1001 Série: no entry \"9\""))) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("click:")));
    EXPECT_EQ(parametro(d, "FATSERIE").toInt(), 2);

    // An empty table: the editor adds the first row.
    execute(d.companyDatabase(), QStringLiteral("DELETE FROM qrl_PARAMETROS"));
    run = runHost(configuracao(d, {"--set", "1000=ft", "--button", "Confirmar"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(scalar(d.companyDatabase(), QStringLiteral("SELECT COUNT(*) FROM qrl_PARAMETROS")).toInt(), 1);
    EXPECT_EQ(parametro(d, "FATTIPODOCUM").toString(), QStringLiteral("FT"));
    EXPECT_EQ(parametro(d, "FATSERIE").toInt(), 0);

    // A wrong --set or --button is a wrong command line, refused before anything loads.
    EXPECT_EQ(runHost(configuracao(d, {"--set", "mil=FT"})).exitCode, 2);
    EXPECT_EQ(runHost(configuracao(d, {"--button", "Gravar"})).exitCode, 2);
}

// A removal command typed into "Utilizador" removes the receipts of the
// transfer run: the invoices they settled are open again, and BDUSER is
// back as it was, so the next "Confirmar" removes nothing.
TEST(ConfigEditorE2eTest, ARemovalCommandConfirmedRemovesTheReceiptsOnce) {
    QTemporaryDir dir;
    const DemoFolder d{dir.path(), QStringLiteral("EMPR01")};
    ASSERT_EQ(runHost({"setup-demo", "--base", d.base, "--company", d.company, "--tickets", "40", "--transfers", "12"})
                  .exitCode,
              0);
    const auto pago = [&] {
        return scalar(d.companyDatabase(), QStringLiteral("SELECT TOTAL(VALORPAGO) FROM DOCGCCAB")).toDouble();
    };
    const double antes = pago();
    const QString utilizador = parametro(d, "BDUSER").toString();
    HostRun run = runHost(QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
                          QStringList{QStringLiteral("--operation"), QStringLiteral("1003")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto recibos =
        rows(d.companyDatabase(),
             QStringLiteral("SELECT MIN(NNUMDOC), MAX(NNUMDOC), ANO FROM DOCFINCAB WHERE TPDOC = 'RE'"));
    ASSERT_EQ(recibos.size(), 1u);
    ASSERT_GT(pago(), antes);
    const QString comando = QStringLiteral("RE %1 %2 %3")
                                .arg(recibos[0][2].toInt())
                                .arg(recibos[0][0].toInt())
                                .arg(recibos[0][1].toInt() + 1);  // one number past the last: an "ERRO" row

    run = runHost(configuracao(d, {"--set", "1010=" + comando, "--button", "Confirmar"}));
    ASSERT_EQ(run.exitCode, 3) << run.err.toStdString();  // the log holds an "ERRO" row
    EXPECT_TRUE(run.out.contains(QStringLiteral("Ocorreram erros na remoção de recibos."))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("| OK     | RE %1").arg(recibos[0][0].toInt())))
        << run.out.toStdString();
    EXPECT_EQ(scalar(d.companyDatabase(), QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB WHERE TPDOC = 'RE'")).toInt(),
              0);
    EXPECT_EQ(pago(), antes);
    EXPECT_EQ(parametro(d, "BDUSER").toString(), utilizador);

    // The next "Confirmar", for another setting, runs no command.
    run = runHost(configuracao(d, {"--set", "1003=Sim", "--button", "Confirmar"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("Remoção de Recibos"))) << run.out.toStdString();
}

}  // namespace
}  // namespace tvx::testing
