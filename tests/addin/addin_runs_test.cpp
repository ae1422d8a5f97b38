// The runs the add-in starts, over the fake host: the ticket import keeps
// its source apart from the sales view's, shows its summary and its log,
// and the viewer operation outside a run asks for a saved log.
#include "addin/addin_runs.h"
#include "addin/solucao.h"
#include "settings/dal_comandos.h"
#include "support/database_file_stub.h"
#include "support/fake_desktop.h"
#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace tvx::testing {
namespace {

class AddinRunsTest : public ::testing::Test {
protected:
    AddinRunsTest() {
        // The run locks the agency file, which must look like a database.
        host.parametros->BDNOME = databaseFileStub(host.base.filePath(QStringLiteral("agencia.accdb")));
        EXPECT_TRUE(solucao.ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    }
    void operacao(std::int32_t code) {
        Variant pai, op(code), user(QStringLiteral("joao"));
        solucao.Operacoes(pai, op, user);
    }
    QStringList prompts() const {
        QStringList out;
        for (const auto& c : desktop->messages_.calls()) out << c.title + QStringLiteral(": ") + c.prompt;
        return out;
    }

    FakeHost host;
    std::shared_ptr<FakeDesktop> desktop = std::make_shared<FakeDesktop>();
    addin::Solucao solucao{desktop, std::make_shared<addin::AddinRuns>()};
};

TEST_F(AddinRunsTest, TheTicketImportUsesItsOwnSourceAndLeavesTheSalesViewsOpen) {
    Variant pai, api, empresa, user, cancel(false);
    solucao.OnVistaVendasAbrir(pai, api, empresa, user, cancel);
    const auto daVista = solucao.estado().m_Origem;
    operacao(addin::OpImportarBilhetes);

    EXPECT_EQ(solucao.estado().m_Origem, daVista);
    EXPECT_NE(solucao.estado().m_OrigemImportacao, nullptr);
    EXPECT_NE(solucao.estado().m_OrigemImportacao, daVista);
    EXPECT_TRUE(host.log.contains(QStringLiteral("Access#2.GetRecordSet(TKT Issued)")));
    EXPECT_TRUE(host.log.contains(QStringLiteral("Access#2.ConnectionClose")));
    EXPECT_FALSE(host.log.contains(QStringLiteral("Access#1.ConnectionClose")));
    EXPECT_EQ(prompts(),
              QStringList{QStringLiteral("Importação de Movimentos: Importação de movimentos terminou com êxito!")});
    ASSERT_EQ(desktop->viewerLogs.size(), 1u);
    EXPECT_TRUE(desktop->viewerLogs[0].isEmpty());
    EXPECT_TRUE(desktop->progress.isEmpty());  // nothing to import: no progress window
    EXPECT_EQ(solucao.estado().m_Diagnostico.rsDiagnostico(), nullptr);
}

TEST_F(AddinRunsTest, TheViewerOutsideARunAsksForASavedLog) {
    operacao(addin::OpConsultaDiagnosticos);
    ASSERT_EQ(desktop->dialog->shows().size(), 1u);
    EXPECT_EQ(desktop->dialog->shows()[0].title, QStringLiteral("Selecção de ficheiro de Diagnóstico"));
    EXPECT_EQ(desktop->viewerLogs.size(), 1u);
    EXPECT_TRUE(prompts().isEmpty());
}

}  // namespace
}  // namespace tvx::testing
