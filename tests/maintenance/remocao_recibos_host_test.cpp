// The receipt removal over the stand-in host: real receipts settling real
// invoices, the company's run lock, the parameters row.
#include "host_erp/documents_fixture.h"
#include "maintenance/comando_executar.h"
#include "maintenance/utilizador_repor.h"
#include "runs/company_run_lock.h"
#include "settings/dal_comandos.h"
#include "support/run_desktop_fake.h"
#include "telvarix-host/demo_parameters.h"

#include <limits>

namespace tvx {
namespace {

using namespace host_erp::testing;
using host_erp::DocumentKey;

class RemocaoRecibosOverHost : public DocumentsFixture {
protected:
    void SetUp() override {
        DocumentsFixture::SetUp();
        comandos.HlpDb_LigacaoSet(ligacao);
        comandos.HlpDb_ParametrosCreate();
        host_app::insertDemoParameters(*ligacao, {QStringLiteral("agencia.db")});
        ft1 = storeInvoice({}, true);
        ft2 = storeInvoice({}, true);
        for (const DocumentKey& ft : {ft1, ft2}) {
            auto recibo = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft, money("100")}});
            ASSERT_EQ(recibo->Inserir(), 0) << recibo->UltimaMensagem().toStdString();
        }
    }
    bool executar(const QString& sComando, std::shared_ptr<SessaoApi> sessao) {
        MaintenanceContext contexto{.run = {.m_Api = std::move(sessao),
                                            .comandos = comandos,
                                            .diagnostico = diagnostico,
                                            .origem = origem,
                                            .novaOrigem = [] { return nullptr; },
                                            .desktop = ui.desktop(),
                                            .empresa = QStringLiteral("EMPR01"),
                                            .novosBloqueios = {}},
                                    .pastaBase = [this] { return base.path(); },
                                    .comandoGastar = {}};
        return pComandoExecutar(sComando, contexto);
    }
    bool executar(const QString& sComando) { return executar(sComando, api); }
    QString bdUser() { return CStr(comandos.HlpDb_ParametrosGet()->value(QStringLiteral("BDUSER"))); }

    DocumentKey ft1, ft2;
    DalComandos comandos;
    DiagnosticoLog diagnostico{DalComandos::HlpDb_DiagnosticoCreate};
    std::shared_ptr<OrigemDados> origem;
    testing::RunDesktopFake ui;
};

TEST_F(RemocaoRecibosOverHost, EachNumberIsReadAndRemovedAndAMissingOneIsLoggedAsAnError) {
    // The on-account type is RE here: the typed "re" takes its series (1), not RECSERIE (9, none).
    ligacao->Executar(QString(), QStringLiteral("UPDATE qrl_PARAMETROS SET RPCTIPODOCUM = 'RE', RECSERIE = 9"));
    EXPECT_TRUE(executar(QStringLiteral("re 2024 1 3")));

    EXPECT_EQ(ui.linhasNoViewer,
              (QStringList{"1|OK|re 1", "2|OK|re 2", "3|ERRO|re 3 O documento re 3/1/2024 não existe."}));
    ASSERT_EQ(ui.messages.calls().size(), 1u);
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Ocorreram erros na remoção de recibos."));
    EXPECT_EQ(ui.messages.last().title, QStringLiteral("Remoção de Recibos"));
    EXPECT_EQ(ui.messages.last().style, ui::vbOKOnly);
    EXPECT_EQ(ui.progresso, (QStringList{"caption Importação de Movimentos", "caption Remoção de Recibos", "show",
                                         "label A Remover: 1", "max 2", "value 0", "label A Remover: 2", "max 2",
                                         "value 1", "label A Remover: 3", "max 2", "value 2", "hide", "unload"}));
    EXPECT_EQ(ui.loop.turns, 3);
    EXPECT_EQ(diagnostico.rsDiagnostico(), nullptr);
    // The receipts are gone and what they settled is open again.
    EXPECT_EQ(count(QStringLiteral("DOCFINCAB")), 0);
    EXPECT_EQ(valorPago(ft1), Currency());
    EXPECT_EQ(valorPago(ft2), Currency());
}

TEST_F(RemocaoRecibosOverHost, ARangeBackwardsRemovesNothingAndOneEndingAtTheLargestNumberEndsThere) {
    EXPECT_TRUE(executar(QStringLiteral("RE 2024 2 1")));
    EXPECT_EQ(ui.progresso, (QStringList{"caption Importação de Movimentos", "caption Remoção de Recibos", "show",
                                         "hide", "unload"}));
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Remoção de Recibos terminou com êxito!"));
    EXPECT_EQ(ui.viewerShows, 1);
    EXPECT_TRUE(ui.linhasNoViewer.isEmpty());

    const QString ultimo = QString::number(std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(executar(QStringLiteral("RE 2024 %1 %1").arg(ultimo)));
    EXPECT_EQ(ui.linhasNoViewer,
              QStringList{ultimo + QStringLiteral("|ERRO|RE ") + ultimo + QStringLiteral(" O documento RE ") + ultimo +
                          QStringLiteral("/1/2024 não existe.")});
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Ocorreram erros na remoção de recibos."));
    EXPECT_EQ(count(QStringLiteral("DOCFINCAB")), 2);
}

TEST_F(RemocaoRecibosOverHost, ARemovalIsRefusedWhileAnotherRunHoldsTheCompany) {
    CompanyRunLock importacao(comandos, 1003, CompanyRunLock::Coluna::Recibo);
    ASSERT_TRUE(importacao.adquirir(QStringLiteral("EMPR01")));
    EXPECT_TRUE(executar(QStringLiteral("RE 2024 1 2")));
    ASSERT_EQ(ui.messages.calls().size(), 1u);
    EXPECT_TRUE(ui.messages.last().prompt.startsWith(QStringLiteral("Está em curso outra operação na empresa EMPR01")));
    EXPECT_EQ(ui.messages.last().title, QStringLiteral("Remover Recibos"));
    EXPECT_TRUE(ui.progresso.isEmpty());
    EXPECT_EQ(ui.viewerShows, 0);
    EXPECT_EQ(count(QStringLiteral("DOCFINCAB")), 2);

    importacao.libertar();
    EXPECT_TRUE(executar(QStringLiteral("RE 2024 1 2")));
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Remoção de Recibos terminou com êxito!"));
    EXPECT_EQ(count(QStringLiteral("DOCFINCAB")), 0);
}

TEST_F(RemocaoRecibosOverHost, AnErrorEndsTheRunUnseenAndFreesTheCompany) {
    EXPECT_TRUE(executar(QStringLiteral("RE 2024 1 2"), nullptr));
    ASSERT_EQ(ui.messages.calls().size(), 1u);
    EXPECT_EQ(ui.messages.last().prompt,
              QStringLiteral("Erro ao importar.\r\nObject variable or With block variable not set"));
    EXPECT_EQ(ui.messages.last().title, QStringLiteral("Remover Recibos"));
    EXPECT_EQ(ui.messages.last().style, ui::vbOKOnly);
    EXPECT_EQ(ui.progresso.mid(ui.progresso.size() - 2), (QStringList{"hide", "unload"}));
    EXPECT_EQ(ui.viewerShows, 0);
    EXPECT_EQ(diagnostico.rsDiagnostico(), nullptr);

    EXPECT_TRUE(executar(QStringLiteral("RE 2024 2 2")));
    EXPECT_EQ(ui.linhasNoViewer, QStringList{"2|OK|RE 2"});
}

TEST_F(RemocaoRecibosOverHost, AConversionErrorIsShownUnderConfiguracaoAndRunsNothing) {
    EXPECT_FALSE(executar(QStringLiteral(" RE 2024 1 2")));
    EXPECT_FALSE(executar(QStringLiteral("sa")));
    ASSERT_EQ(ui.messages.calls().size(), 1u);
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Type mismatch"));
    EXPECT_EQ(ui.messages.last().title, QStringLiteral("Configuração"));
    EXPECT_EQ(ui.messages.last().style, ui::vbOKOnly);
    EXPECT_EQ(count(QStringLiteral("DOCFINCAB")), 2);
}

TEST_F(RemocaoRecibosOverHost, BdUserIsWrittenBackOnlyWhileItStillHoldsTheCommand) {
    ligacao->Executar(QString(), QStringLiteral("UPDATE qrl_PARAMETROS SET BDUSER = 'RE 2024 1 2'"));
    pUtilizadorRepor(comandos, QStringLiteral("RE 2024 1 2"), QStringLiteral("sa"));
    EXPECT_EQ(bdUser(), QStringLiteral("sa"));
    pUtilizadorRepor(comandos, QStringLiteral("RE 2024 1 2"), QStringLiteral("outro"));  // changed since: left
    EXPECT_EQ(bdUser(), QStringLiteral("sa"));
    // A value before that was itself a command (left by an older version) is not put back.
    ligacao->Executar(QString(), QStringLiteral("UPDATE qrl_PARAMETROS SET BDUSER = 'zunk'"));
    pUtilizadorRepor(comandos, QStringLiteral("zunk"), QStringLiteral("ZUNK"));
    EXPECT_EQ(bdUser(), QString());
    // Nor one that never ran, its parts not converting: every later "Confirmar" would show its error.
    ligacao->Executar(QString(), QStringLiteral("UPDATE qrl_PARAMETROS SET BDUSER = 'RE 2026 3 2'"));
    pUtilizadorRepor(comandos, QStringLiteral("RE 2026 3 2"), QStringLiteral("RE 99999 1 1"));
    EXPECT_EQ(bdUser(), QString());
}

}  // namespace
}  // namespace tvx
