// The ticket import run over fakes: grouping in both modes, rejected
// tickets, refused invoices, markers that cannot be written, the log rows
// and messages, the progress window and the error path.
#include "tickets/importacao_movimentos.h"

#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "settings/dal_comandos.h"
#include "support/database_file_stub.h"
#include "support/fake_company_db.h"
#include "support/fake_message_box.h"
#include "support/fake_message_loop.h"
#include "support/free_run_guard.h"
#include "support/linhas_do_log.h"
#include "support/lotes_origem.h"
#include "support/recording_commercial_session.h"
#include "support/recording_progress_window.h"
#include "support/ticket_row.h"
#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace tvx::testing {
namespace {

TicketRow ticket(std::int32_t id, const char* ref, const char* account) {
    TicketRow t;
    t.id = id;
    t.ref = Variant(QString::fromUtf8(ref));
    t.account = Variant(QString::fromUtf8(account));
    return t;
}

TicketRow csvTicket(std::int32_t id, const char* factura, const char* ref, const char* account) {
    TicketRow t = ticket(id, ref, account);
    t.factura = Variant(QString::fromUtf8(factura));
    t.dataFacturacao = Variant(QStringLiteral("04-03-2024"));
    return t;
}

class TicketImportRunTest : public ::testing::Test {
protected:
    TicketImportRunTest() { comandos.HlpDb_LigacaoSet(db); }

    void correr(const std::vector<TicketRow>& rows, bool csv = false) {
        fonte = novaFonte ? novaFonte() : std::make_shared<FakeOrigem>();
        fonte->tickets = ticketsRecordset(rows, csv);
        fonte->falhaMarca = falhaMarca;
        fonte->falhaAbrir = falhaAbrir;
        ImportacaoMovimentos run(
            {.run = {
                 .m_Api = sessao,
                 .comandos = comandos,
                 .diagnostico = log,
                 .origem = campo,
                 .novaOrigem = [this] { return fonte; },
                 .desktop = {.messages = messages,
                             .messageLoop = loop,
                             .newProgressWindow =
                                 [this] { return std::make_unique<RecordingProgressWindow>(progresso, pararNaLinha); },
                             .viewDiagnostico = [this](std::shared_ptr<ado::Recordset> rs) { verLog(rs); }},
                 .empresa = QStringLiteral("EMPR01"),
                 .novosBloqueios = [this](std::int32_t,
                                          execucoes_sql::Coluna) { return std::make_unique<FreeRunGuard>(bloqueios); }},
             .m_bCsv = csv,
             .m_sFicheiroCsv = QStringLiteral("/dados/bilhetes.csv")});
        run.pImportarMovimentos();
    }
    // The log as the viewer got it: "Linha|Estado|Descrição" per row.
    void verLog(const std::shared_ptr<ado::Recordset>& rs) {
        ++viewerShown;
        ASSERT_TRUE(rs);
        if (rs->RecordCount() == 0) return;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            EXPECT_EQ(rs->value(QStringLiteral("Num.Cliente")), Variant(QString()));
            EXPECT_TRUE(rs->value(QStringLiteral("Documento")).isNull());
        }
        rows << linhasDoLog(*rs);
    }
    QStringList prompts() const {
        QStringList out;
        for (const auto& c : messages.calls()) out << c.title + QStringLiteral(": ") + c.prompt;
        return out;
    }
    // Terceiro of each invoice stored, with the count of its tickets' separator lines.
    QStringList facturas() const {
        QStringList out;
        for (const auto& d : sessao->inseridos()) {
            int bilhetes = 0;
            for (const auto& l : d->linhas)
                if (CStr(l->Descricao()).startsWith(QStringLiteral("Bilhete Nº"))) ++bilhetes;
            out << CStr(d->cab->Terceiro()) + QLatin1Char('/') + CStr(d->cab->VossoNoDocumento()) + QLatin1Char('x') +
                       QString::number(bilhetes);
        }
        return out;
    }

    ScopedClock relogio{QDateTime(QDate(2024, 3, 11), QTime(10, 0))};
    std::shared_ptr<FakeCompanyDb> db = std::make_shared<FakeCompanyDb>();
    DalComandos comandos;
    FreeRunGuard::Estado bloqueios;
    std::shared_ptr<RecordingCommercialSession> sessao = std::make_shared<RecordingCommercialSession>();
    DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
    std::shared_ptr<OrigemDados> campo;  // the entry object's field for the run's source
    std::shared_ptr<FakeOrigem> fonte;
    std::function<std::shared_ptr<FakeOrigem>()> novaFonte;  // the source of the next run; a FakeOrigem when unset
    std::set<std::int32_t> falhaMarca;
    std::optional<AutomationError> falhaAbrir;
    FakeMessageBox messages;
    FakeMessageLoop loop;
    QStringList progresso;
    int pararNaLinha = 0;  // the user asks the run to stop when the progress shows this line
    int viewerShown = 0;
    QStringList rows;
};

const QString Sucesso = QStringLiteral("Importação de Movimentos: Importação de movimentos terminou com êxito!");
const QString ComErros = QStringLiteral("Importação de Movimentos: Ocorreram erros na importação de movimentos.");

TEST_F(TicketImportRunTest, RejectedTicketsAreLoggedAndDoNotSplitTheirNeighboursInvoice) {
    TicketRow negativo = ticket(2, "R1", "A");
    negativo.fees = Variant(-5.0);
    TicketRow doisNegativos = ticket(3, "R1", "A");
    doisNegativos.fare = Variant(-1.0);
    doisNegativos.fees = Variant(-5.0);
    correr({ticket(1, "R1", "A"), negativo, doisNegativos, ticket(4, "R1", "ZZ"), ticket(5, "R1", ""),
            ticket(6, "R1", "A")});
    EXPECT_EQ(facturas(), QStringList{"A/R1x2"});
    EXPECT_EQ(rows, (QStringList{"2|Erro|Valor Negativos em Fees. TKT Issued ID =2",
                                 "3|Erro|Valor Negativos em Fare. TKT Issued ID =3",
                                 "4|Erro|Linha com Cliente inválido. TKT Issued ID =4",
                                 "5|Erro|Linha com Cliente inválido. TKT Issued ID =5",
                                 "6|Processado|Factura em Preparação FT 45/1/2024 TKT Issued ID 1",
                                 "6|Processado|Factura em Preparação FT 45/1/2024 TKT Issued ID 6"}));
    EXPECT_EQ(prompts(), QStringList{ComErros});
    EXPECT_EQ(fonte->marcas.size(), 2u);
}

TEST_F(TicketImportRunTest, ARefusedInvoiceIsLoggedWithItsOwnTicketsWhichStayUnmarked) {
    sessao->script.validarRecusa = QStringList{QStringLiteral("B")};
    correr(
        {ticket(1, "R1", "A"), ticket(2, "R1", "B"), ticket(3, "R1", "B"), ticket(4, "R2", "A"), ticket(5, "R3", "B")});
    EXPECT_EQ(rows, (QStringList{"2|Processado|Factura em Preparação FT 45/1/2024 TKT Issued ID 1",
                                 "4|Erro|TKT Issued ID 2, 3 Documento recusado pelo anfitrião (D2)",
                                 "5|Processado|Factura em Preparação FT 46/1/2024 TKT Issued ID 4",
                                 "5|Erro|TKT Issued ID 5 Documento recusado pelo anfitrião (D4)"}));
    EXPECT_EQ(fonte->marcas.size(), 2u);
    EXPECT_FALSE(fonte->marcas.count(2) || fonte->marcas.count(3) || fonte->marcas.count(5));
    EXPECT_EQ(prompts(), QStringList{ComErros});
}

TEST_F(TicketImportRunTest, AMarkerThatCannotBeWrittenEndsTheRunBeforeAnotherInvoiceIsStored) {
    falhaMarca = {2};
    correr({ticket(1, "R1", "A"), ticket(2, "R1", "A"), ticket(3, "R1", "A"), ticket(4, "R2", "A")});
    const QString falha = QStringLiteral(
        "Disco cheio. Foi gerada factura FT 45/1/2024 (TKT Issued ID 1, 2, 3): os bilhetes ficam por marcar até à "
        "próxima importação.");
    // The invoice of R1 is stored; the run stops at its markers and R2 is never stored.
    EXPECT_EQ(sessao->inseridos().size(), 1u);
    EXPECT_EQ(rows, QStringList{QStringLiteral("4|Erro|Erro ao importar. ") + falha});
    ASSERT_EQ(messages.calls().size(), 2u);
    EXPECT_EQ(messages.calls()[0].prompt, QStringLiteral("Erro ao importar.\r\n") + falha);
    EXPECT_EQ(prompts().at(1), ComErros);
    // Its tickets were named in the in-flight record before it was stored, and
    // it is left unsettled for the next run to complete.
    ASSERT_EQ(bloqueios.registados.size(), 1u);
    EXPECT_EQ(bloqueios.registados[0].ids, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(bloqueios.registados[0].conta, QStringLiteral("A"));
    EXPECT_EQ(bloqueios.registados[0].referencia, QStringLiteral("R1"));
    EXPECT_EQ(bloqueios.registados[0].agencia, QStringLiteral("C:\\Agencia\\agencia.accdb"));
    EXPECT_EQ(bloqueios.registados[0].linhas.size(), 3);
    EXPECT_EQ(bloqueios.resolvidos, 0);
    EXPECT_EQ(bloqueios.libertados, 1);
    EXPECT_EQ(fonte->calls.last(), QStringLiteral("ConnectionClose"));
    EXPECT_EQ(campo, fonte);                  // the run's source stays, closed, in its field
    EXPECT_EQ(log.rsDiagnostico(), nullptr);  // closed after the viewer
}

TEST_F(TicketImportRunTest, AnInvoicesMarkersAreCommittedTogetherOrNotAtAll) {
    auto lotes = std::make_shared<LotesOrigem>();
    novaFonte = [&] { return lotes; };
    correr({ticket(1, "R1", "A"), ticket(2, "R1", "A"), ticket(4, "R2", "A")});
    EXPECT_EQ(lotes->calls.mid(3, 8),
              (QStringList{"beginMarkers", "UpdateTktIssued(1,Tumo Vesk-FT 45/1/2024)",
                           "UpdateTktIssued(2,Tumo Vesk-FT 45/1/2024)", "commitMarkers", "beginMarkers",
                           "UpdateTktIssued(4,Tumo Vesk-FT 46/1/2024)", "commitMarkers", "ConnectionClose"}));
    EXPECT_EQ(rows, (QStringList{"3|Processado|Factura em Preparação FT 45/1/2024 TKT Issued ID 1",
                                 "3|Processado|Factura em Preparação FT 45/1/2024 TKT Issued ID 2",
                                 "3|Processado|Factura em Preparação FT 46/1/2024 TKT Issued ID 4"}));
    EXPECT_EQ(bloqueios.resolvidos, 2);

    // A mark or a commit that fails counts for nothing: the batch is rolled
    // back, and the run stops there.
    for (const bool noCommit : {false, true}) {
        lotes = std::make_shared<LotesOrigem>();
        lotes->commitsFalhados = noCommit ? 1 : 0;
        falhaMarca = noCommit ? std::set<std::int32_t>{} : std::set<std::int32_t>{2};
        rows.clear();
        correr({ticket(1, "R1", "A"), ticket(2, "R1", "A"), ticket(4, "R2", "A")});
        EXPECT_EQ(lotes->calls.last(2), (QStringList{"rollbackMarkers", "ConnectionClose"})) << noCommit;
        EXPECT_TRUE(lotes->marcas.empty()) << noCommit;
        ASSERT_EQ(rows.size(), 1) << noCommit;
        EXPECT_TRUE(rows[0].startsWith(QStringLiteral("3|Erro|Erro ao importar. Disco cheio. Foi gerada factura FT")))
            << rows[0].toStdString();
    }
}

TEST_F(TicketImportRunTest, NoKeyValueIsReservedForTheFirstInvoice) {
    db->clientes.insert(QStringLiteral("-A"));
    correr({ticket(1, "-A", "-A"), ticket(2, "-A", "-A")});
    EXPECT_EQ(facturas(), QStringList{"-A/-Ax2"});
    correr({csvTicket(1, "-A", "R", "A")}, true);
    EXPECT_EQ(fonte->marcas.size(), 1u);
}

TEST_F(TicketImportRunTest, ProgressShowsEachRowAndNothingWhenThereIsNoTicket) {
    correr({ticket(1, "R1", "A"), ticket(2, "R1", "A")});
    EXPECT_EQ(progresso,
              (QStringList{"caption Importação de Movimentos", "show", "label A importar: linha 1  de 2", "max 2",
                           "value 1", "label A importar: linha 2  de 2", "max 2", "value 2", "hide", "unload"}));
    EXPECT_EQ(loop.turns, 2);

    progresso.clear();
    rows.clear();
    messages.clear();
    correr({});
    EXPECT_TRUE(progresso.isEmpty());
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_EQ(viewerShown, 2);
    EXPECT_EQ(prompts(), QStringList{Sucesso});
}

TEST_F(TicketImportRunTest, ValuesThatDoNotConvertAreLoggedAndTheRunGoesOn) {
    TicketRow semPagamento = ticket(3, "R2", "A");
    semPagamento.pagamento = Variant::null();
    correr({ticket(1, "R1", "A"), ticket(2, "R2", "A"), semPagamento, ticket(4, "R3", "A")});
    EXPECT_EQ(facturas(), (QStringList{"A/R1x1", "A/R2x1", "A/R3x1"}));
    EXPECT_EQ(rows.filter(QStringLiteral("|Erro|")),
              QStringList{"3|Erro|Valor inválido em Pagamento (). TKT Issued ID =3"});
    EXPECT_EQ(fonte->marcas.size(), 3u);
    EXPECT_EQ(prompts(), QStringList{ComErros});
}

TEST_F(TicketImportRunTest, AnErrorEndsTheLoopWithoutStoringTheOpenInvoiceAndIsLogged) {
    // A customer query that fails ends the run: the error is shown and logged,
    // so the summary does not speak of success.
    db->falha.emplace(QStringLiteral("CLIENTES"),
                      AutomationError(5, QStringLiteral("Sem ligação"), QStringLiteral("x")));
    correr({ticket(1, "R1", "A")});
    ASSERT_EQ(messages.calls().size(), 2u);
    EXPECT_EQ(messages.calls()[0].title, QStringLiteral("Importação"));
    EXPECT_EQ(messages.calls()[0].style, ui::vbOKOnly);
    EXPECT_EQ(messages.calls()[0].prompt, QStringLiteral("Erro ao importar.\r\nSem ligação"));
    EXPECT_EQ(prompts().at(1), ComErros);
    EXPECT_EQ(rows, QStringList{QStringLiteral("1|Erro|Erro ao importar. Sem ligação")});
    EXPECT_TRUE(sessao->inseridos().empty());
    EXPECT_EQ(progresso.mid(progresso.size() - 2), (QStringList{"hide", "unload"}));
    EXPECT_EQ(viewerShown, 1);
}

TEST_F(TicketImportRunTest, ARunRefusedByItsLocksChangesNothingAndShowsOnlyWhy) {
    bloqueios.recusar = true;
    correr({ticket(1, "R1", "A")});
    ASSERT_EQ(messages.calls().size(), 1u);
    EXPECT_EQ(messages.calls()[0].title, QStringLiteral("Importação"));
    EXPECT_EQ(messages.calls()[0].prompt, QStringLiteral("Está em curso outra operação."));
    EXPECT_TRUE(sessao->inseridos().empty());
    EXPECT_EQ(campo, nullptr);  // no source was even made
    EXPECT_TRUE(fonte->calls.isEmpty());
    EXPECT_EQ(viewerShown, 0);
}

TEST_F(TicketImportRunTest, ASourceThatCannotOpenIsReportedAndNothingFailsAfterIt) {
    falhaAbrir =
        AutomationError(-2147467259, QStringLiteral("Ficheiro inexistente"), QStringLiteral("Access::ConnectionOpen"));
    correr({ticket(1, "R1", "A")});
    ASSERT_EQ(messages.calls().size(), 2u);
    EXPECT_EQ(messages.calls()[0].prompt, QStringLiteral("Erro ao importar.\r\nFicheiro inexistente"));
    EXPECT_EQ(prompts().at(1), ComErros);
    EXPECT_EQ(viewerShown, 1);
}

}  // namespace
}  // namespace tvx::testing

namespace tvx::testing {
namespace {

TEST_F(TicketImportRunTest, AStoppedRunFinishesTheInvoiceInHandAndSaysWhereItStopped) {
    pararNaLinha = 3;
    correr({ticket(1, "R1", "A"), ticket(2, "R1", "A"), ticket(3, "R2", "A"), ticket(4, "R3", "A")});
    // Rows 1 and 2 make the invoice in hand: stored and marked; rows 3 and 4 stay pending.
    EXPECT_EQ(facturas(), QStringList{"A/R1x2"});
    EXPECT_EQ(fonte->marcas.size(), 2u);
    EXPECT_EQ(bloqueios.resolvidos, 1);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(
        rows.last().contains(QStringLiteral("|AVISO|Operação interrompida pelo utilizador depois da linha 2 de 4")))
        << rows.last().toStdString();
    EXPECT_EQ(prompts(), QStringList{ComErros});
}

TEST_F(TicketImportRunTest, TheRecoveryOfARecordOfAnotherAgencyFileOpensThatFileAloneAndLetsItGo) {
    QTemporaryDir pasta;
    const QString outra = databaseFileStub(pasta.filePath(QStringLiteral("outra.accdb")));
    bloqueios.anterior = {.tipoDocumento = QStringLiteral("FT"),
                          .agencia = outra,
                          .conta = QStringLiteral("A"),
                          .referencia = QStringLiteral("R1"),
                          .ids = {9},
                          .linhas = {QStringLiteral("Bilhete Nº0749")},
                          .valor = {},
                          .data = {},
                          .ultimoDocumento = 0};
    correr({});
    // The fake hands out one source object: the recovery's opening and closing show in its calls.
    const qsizetype aberta = fonte->calls.indexOf(QStringLiteral("ConnectionOpen(%1,,)").arg(outra));
    ASSERT_GT(aberta, 0) << fonte->calls.join(u' ').toStdString();
    EXPECT_EQ(fonte->calls.value(aberta + 1), QStringLiteral("ConnectionClose"));
    EXPECT_EQ(bloqueios.resolvidos, 1);
}

}  // namespace
}  // namespace tvx::testing
