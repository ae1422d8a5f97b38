// run --operation 1002 with --set and --button: the configuration window of
// the real add-in edits the parameters row of the demo company, on the
// embedded file or on a server, and runs the maintenance commands.
#include "e2e/demo_files.h"
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace tvx::testing {
namespace {

QStringList configuracao(const DemoFolder& d, const QStringList& options) {
    return QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
           QStringList{QStringLiteral("--operation"), QStringLiteral("1002")} + options;
}

QVariant parametro(const DemoFolder& d, const char* coluna) {
    return companyScalar(d, QStringLiteral("SELECT %1 FROM qrl_PARAMETROS").arg(QLatin1String(coluna)));
}

class ConfigEditorE2eTest : public ::testing::TestWithParam<Backend> {};

TEST_P(ConfigEditorE2eTest, BatchEditsConfirmedChangeTheParametersRow) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 5, GetParam());
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
    companyExecute(d, QStringLiteral("DELETE FROM qrl_PARAMETROS"));
    run = runHost(configuracao(d, {"--set", "1000=ft", "--button", "Confirmar"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM qrl_PARAMETROS")).toInt(), 1);
    EXPECT_EQ(parametro(d, "FATTIPODOCUM").toString(), QStringLiteral("FT"));
    EXPECT_EQ(parametro(d, "FATSERIE").toInt(), 0);

    // A wrong --set or --button is a wrong command line, refused before anything loads.
    EXPECT_EQ(runHost(configuracao(d, {"--set", "mil=FT"})).exitCode, 2);
    EXPECT_EQ(runHost(configuracao(d, {"--button", "Gravar"})).exitCode, 2);
}

// A removal command typed into "Utilizador" removes the receipts of the
// transfer run: the invoices they settled are open again, and BDUSER is
// back as it was, so the next "Confirmar" removes nothing.
TEST_P(ConfigEditorE2eTest, ARemovalCommandConfirmedRemovesTheReceiptsOnce) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 40, GetParam(), 12);
    const auto pago = [&] {
        return companyScalar(d, QStringLiteral("SELECT COALESCE(SUM(VALORPAGO), 0) FROM DOCGCCAB")).toDouble();
    };
    const double antes = pago();
    const QString utilizador = parametro(d, "BDUSER").toString();
    HostRun run = runHost(QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
                          QStringList{QStringLiteral("--operation"), QStringLiteral("1003")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto recibos = companyRows(
        d, QStringLiteral("SELECT MIN(NNUMDOC), MAX(NNUMDOC), ANO FROM DOCFINCAB WHERE TPDOC = 'RE' GROUP BY ANO"));
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
    EXPECT_EQ(companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB WHERE TPDOC = 'RE'")).toInt(), 0);
    EXPECT_EQ(pago(), antes);
    EXPECT_EQ(parametro(d, "BDUSER").toString(), utilizador);

    // The next "Confirmar", for another setting, runs no command.
    run = runHost(configuracao(d, {"--set", "1003=Sim", "--button", "Confirmar"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("Remoção de Recibos"))) << run.out.toStdString();
}

// ZUNK sends quorel/ZUNK.TXT to the company database as one transaction: a
// failing statement leaves the statements before it undone.
TEST_P(ConfigEditorE2eTest, AScriptCommandRunsTheFileAllOrNothing) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 3, GetParam());
    const auto script = [&](const QByteArray& text) {
        QFile f(d.base + QStringLiteral("/quorel/ZUNK.TXT"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    script("UPDATE qrl_PARAMETROS SET FATSERIE = 7;\r\nUPDATE TABELA_QUE_NAO_HA SET X = 1;\r\n");
    HostRun run = runHost(configuracao(d, {"--set", "1010=zunk", "--button", "Confirmar"}));
    EXPECT_TRUE(run.out.contains(QStringLiteral("tabela_que_nao_ha"), Qt::CaseInsensitive)) << run.out.toStdString();
    EXPECT_EQ(parametro(d, "FATSERIE").toInt(), 1);

    script("UPDATE qrl_PARAMETROS SET FATSERIE = 7;\r\nUPDATE qrl_PARAMETROS SET FATFINALIZA = 1;\r\n");
    run = runHost(configuracao(d, {"--set", "1010=zunk", "--button", "Confirmar"}));
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(parametro(d, "FATSERIE").toInt(), 7);
    EXPECT_EQ(parametro(d, "FATFINALIZA").toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, ConfigEditorE2eTest, ::testing::ValuesIn(programBackends()), backendName);

}  // namespace
}  // namespace tvx::testing
