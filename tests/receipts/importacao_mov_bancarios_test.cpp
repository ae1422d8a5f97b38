#include "receipts/importacao_mov_bancarios.h"

#include "receipts/receipts_test_support.h"
#include "support/fake_origem.h"
#include "support/free_run_guard.h"
#include "support/recording_finance_session.h"
#include "support/run_desktop_fake.h"
#include "support/transferencia.h"

namespace tvx {
namespace {

using testing::Transferencia;

class TransferImportRun : public testing::CompanyDbTest {
protected:
    void run(const std::vector<Transferencia>& rows) {
        fonte = std::make_shared<testing::FakeOrigem>();
        fonte->transferencias = testing::transferenciasRecordset(rows);
        if (prepararFonte) prepararFonte(*fonte);
        ImportacaoMovBancarios run({.m_Api = host,
                                    .comandos = comandos,
                                    .diagnostico = diagnostico,
                                    .origem = origem,
                                    .novaOrigem = [this] { return fonte; },
                                    .desktop = ui.desktop(),
                                    .empresa = QStringLiteral("EMPR01"),
                                    .novosBloqueios =
                                        [this](std::int32_t, execucoes_sql::Coluna) {
                                            return std::make_unique<testing::FreeRunGuard>(bloqueios);
                                        }});
        run.pImportarMovBancarios();
    }
    QStringList marks() const { return fonte->calls.filter(QStringLiteral("UpdateMovBancarioComRecibo")); }

    std::shared_ptr<testing::RecordingFinanceSession> host = std::make_shared<testing::RecordingFinanceSession>();
    DiagnosticoLog diagnostico{DalComandos::HlpDb_DiagnosticoCreate};
    std::shared_ptr<OrigemDados> origem;
    std::shared_ptr<testing::FakeOrigem> fonte;
    std::function<void(testing::FakeOrigem&)> prepararFonte;
    testing::RunDesktopFake ui;
    testing::FreeRunGuard::Estado bloqueios;
};

TEST_F(TransferImportRun, NoPendingTransferShowsSuccessAndAnEmptyViewerWithoutProgress) {
    run({});
    EXPECT_EQ(fonte->calls, (QStringList{"ConnectionOpen(C:\\Agencia\\agencia.accdb,,)", "verificarEscrita",
                                         "GetRecordSet(Extratos_bancos)", "ConnectionClose"}));
    EXPECT_TRUE(ui.progresso.isEmpty());
    ASSERT_EQ(ui.messages.calls().size(), 1u);
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Importação de movimentos terminou com êxito!"));
    EXPECT_EQ(ui.messages.last().title, QStringLiteral("Importação de Movimentos"));
    EXPECT_EQ(ui.messages.last().style, ui::vbOKOnly);
    EXPECT_EQ(ui.viewerShows, 1);
    EXPECT_TRUE(ui.linhasNoViewer.isEmpty());
    EXPECT_EQ(diagnostico.rsDiagnostico(), nullptr);  // closed after the viewer
}

TEST_F(TransferImportRun, EachTransferGetsItsRowAndOnlyReceiptsAreMarked) {
    factura("FT", 12, "100.00");
    host->script.validar = {0, 0, 0, 0, 0, 1};  // the third receipt is refused
    Transferencia invalido{1, Variant("C9999")};
    Transferencia semConta{2, Variant::null()};
    Transferencia liquida{3};
    liquida.fatura = Variant("FT-12-1-2024");
    Transferencia porConta{4};
    porConta.fatura = Variant("FT-404-1-2024");
    Transferencia recusada{5};
    run({invalido, semConta, liquida, porConta, recusada});

    EXPECT_EQ(ui.viewerShows, 1);
    EXPECT_EQ(ui.linhasNoViewer,
              (QStringList{"1|Erro|Linha com Cliente inválido. ID =1 Cliente =C9999", "3|OK|ID=3 RE-17-2024",
                           "4|AVISO|ID=4 Um dos documentos a liquidar não Existe. FT-404-1-2024. Vai criar  "
                           "Recebimento por conta.",
                           "4|OK|ID=4 RA-18-2024", "5|Erro|ID=5 Recibo recusado pelo anfitrião"}));
    EXPECT_EQ(marks(),
              (QStringList{"UpdateMovBancarioComRecibo(3,RE-17-2024)", "UpdateMovBancarioComRecibo(4,RA-18-2024)"}));
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Ocorreram erros na importação de movimentos."));
    EXPECT_EQ(fonte->calls.last(), QStringLiteral("ConnectionClose"));

    EXPECT_EQ(ui.progresso.mid(0, 7),
              (QStringList{"caption Importação de Movimentos", "caption Importação de Mov. Bancários", "show",
                           "label A importar: linha 1  de 5", "max 5", "value 1", "label A importar: linha 2  de 5"}));
    EXPECT_EQ(ui.progresso.mid(ui.progresso.size() - 2), (QStringList{"hide", "unload"}));
    EXPECT_EQ(ui.loop.turns, 5);
}

TEST_F(TransferImportRun, AnErrorInsideARowEndsTheRunAndKeepsWhatWasDoneBefore) {
    factura("FT", 12, "100.00");
    Transferencia primeira{1};
    primeira.fatura = Variant("FT-12-1-2024");
    Transferencia duplicada{2};
    duplicada.fatura = Variant("FT-12-1-2024;FT-12-1-2024");
    Transferencia depois{3};
    run({primeira, duplicada, depois});

    EXPECT_EQ(marks(), (QStringList{"UpdateMovBancarioComRecibo(1,RE-17-2024)"}));
    EXPECT_EQ(host->recibosInseridos, 1);
    ASSERT_EQ(ui.messages.calls().size(), 1u);  // no summary
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Erro ao importar.\r\nThis key is already associated with an "
                                                        "element of this collection"));
    EXPECT_EQ(ui.messages.last().title, QStringLiteral("Importação de Mov.Bancários"));
    EXPECT_EQ(ui.messages.last().style, ui::vbOKOnly);
    EXPECT_EQ(ui.viewerShows, 0);
    EXPECT_EQ(diagnostico.rsDiagnostico(), nullptr);
    EXPECT_EQ(ui.progresso.mid(ui.progresso.size() - 2), (QStringList{"hide", "unload"}));
    EXPECT_FALSE(fonte->calls.contains(QStringLiteral("ConnectionClose")));  // the next run replaces it
}

TEST_F(TransferImportRun, AFailedMarkStopsTheRunAndNamesTheReceiptAlreadyInTheHost) {
    prepararFonte = [](testing::FakeOrigem& f) { f.falhaMarca = {2}; };
    run({Transferencia{1}, Transferencia{2}, Transferencia{3}});
    EXPECT_EQ(host->recibosInseridos, 2);
    EXPECT_EQ(ui.messages.last().prompt,
              QStringLiteral("Erro ao importar.\r\nDisco cheio. Foi gerado recibo RA-18-2024 ID=2"));
}

TEST_F(TransferImportRun, SourceAndParameterFailuresEndInTheErrorMessage) {
    prepararFonte = [](testing::FakeOrigem& f) {
        f.falhaAbrir = AutomationError(-2147467259, QStringLiteral("Ficheiro não encontrado"));
    };
    run({Transferencia{1}});
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Erro ao importar.\r\nFicheiro não encontrado"));
    EXPECT_TRUE(ui.progresso.isEmpty());

    db->falha.emplace(QStringLiteral("qrl_PARAMETROS"), AutomationError(208, QStringLiteral("Sem parâmetros")));
    prepararFonte = nullptr;
    run({Transferencia{1}});
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Erro ao importar.\r\nSem parâmetros"));
    EXPECT_TRUE(fonte->calls.isEmpty());
}

}  // namespace
}  // namespace tvx
