// The menu operations: which run each code starts, the hidden switch and the CSV file choice.
#include "addin/solucao_fixture.h"

namespace tvx::testing {
namespace {

class OperacoesTest : public SolucaoTest {
protected:
    OperacoesTest() { EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao"))); }
    int parametrosReads() const { return logCount(QStringLiteral("FROM qrl_PARAMETROS")); }
    const QString csv = QStringLiteral("/dados/bilhetes.csv");
};

TEST_F(OperacoesTest, EachCodeStartsItsRunAfterReadingTheParameters) {
    desktop->dialog->chooseNext(csv);
    const std::vector<std::pair<Variant, QString>> cases = {
        {Variant(std::int32_t(1000)), QStringLiteral("tickets access")},
        {Variant(std::int32_t(1001)), QStringLiteral("viewer")},
        {Variant(std::int16_t(1002)), QStringLiteral("config")},
        {Variant(QStringLiteral("1003")), QStringLiteral("transfers")},  // converted as the host's variant is
        {Variant(1004.0), QStringLiteral("tickets csv ") + csv},
    };
    for (const auto& [code, run] : cases) {
        runs->log.clear();
        const int reads = parametrosReads();
        operacao(code);
        EXPECT_EQ(runs->log, QStringList{run}) << debugText(code).toStdString();
        EXPECT_EQ(parametrosReads(), reads + 1);
    }
    EXPECT_TRUE(estado().m_bCsv);
    EXPECT_EQ(estado().m_sFicheiroCsv, csv);

    // Other codes read the row and do nothing else.
    runs->log.clear();
    for (const std::int32_t code : {999, 1005, 0, -1000}) {
        const int reads = parametrosReads();
        operacao(Variant(code));
        EXPECT_EQ(parametrosReads(), reads + 1);
    }
    EXPECT_TRUE(runs->log.isEmpty());
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(desktop->dialog->shows().size(), 1u);
}

TEST_F(OperacoesTest, HiddenCodeInAnyCaseTurnsTheTicketImportIntoCsv) {
    for (const QString& code : {QStringLiteral("karven"), QStringLiteral("KarVen"), QStringLiteral("KARVEN")}) {
        host.parametros->BDPASSW = code;
        runs->log.clear();
        desktop->dialog->chooseNext(csv);
        operacao(Variant(std::int32_t(1000)));
        EXPECT_EQ(runs->log, QStringList{QStringLiteral("tickets csv ") + csv}) << code.toStdString();
    }
    // Only 1000 is switched.
    runs->log.clear();
    operacao(Variant(std::int32_t(1003)));
    EXPECT_EQ(runs->log, QStringList{QStringLiteral("transfers")});

    // Not the code: an ordinary password; 1004 still asks for a file.
    for (const QString& password : {QStringLiteral("KARVEN "), QStringLiteral("segredo"), QString()}) {
        host.parametros->BDPASSW = password;
        runs->log.clear();
        operacao(Variant(std::int32_t(1000)));
        EXPECT_EQ(runs->log, QStringList{QStringLiteral("tickets access")}) << password.toStdString();
        EXPECT_FALSE(estado().m_bCsv);
    }
    desktop->dialog->chooseNext(csv);
    runs->log.clear();
    operacao(Variant(std::int32_t(1004)));
    EXPECT_EQ(runs->log, QStringList{QStringLiteral("tickets csv ") + csv});
    EXPECT_TRUE(boxes().empty());
}

TEST_F(OperacoesTest, CsvDialogAndItsCancel) {
    desktop->dialog->chooseNext(csv);
    operacao(Variant(std::int32_t(1004)));
    ASSERT_TRUE(estado().m_bCsv);

    desktop->dialog->cancelNext();
    runs->log.clear();
    operacao(Variant(std::int32_t(1004)));
    EXPECT_TRUE(runs->log.isEmpty());
    EXPECT_TRUE(estado().m_bCsv);  // as it was
    EXPECT_TRUE(estado().m_sFicheiroCsv.isEmpty());
    EXPECT_TRUE(boxes().empty());

    // The dialog of the never-shown form, set up afresh before every show.
    ASSERT_EQ(desktop->dialog->shows().size(), 2u);
    for (const DialogShow& show : desktop->dialog->shows()) {
        EXPECT_EQ(show.kind, ui::FileDialogKind::Open);
        EXPECT_EQ(show.title, QStringLiteral("Selecção de ficheiro de Importação"));
        EXPECT_EQ(show.filter, QStringLiteral(" (*.CSV)|*.CSV"));
        EXPECT_EQ(show.filterIndex, 1);
        EXPECT_EQ(show.flags, 4100);
        EXPECT_TRUE(show.fileName.isEmpty());
    }
    EXPECT_EQ(desktop->dialogsCreated, 1);
}

TEST_F(OperacoesTest, ADialogThatCannotBeMadeEndsTheCsvImportSilently) {
    desktop->failDialog = true;
    operacao(Variant(std::int32_t(1004)));
    EXPECT_TRUE(runs->log.isEmpty());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(OperacoesTest, AnEmptyParametersTableDoesNotLockTheUserOut) {
    host.parametros.reset();
    operacao(Variant(std::int32_t(1002)));
    operacao(Variant(std::int32_t(1000)));
    EXPECT_EQ(runs->log, (QStringList{QStringLiteral("config"), QStringLiteral("tickets access")}));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(OperacoesTest, ErrorsEndInTheOperationsMessage) {
    host.consultarError = AutomationError(-2147217865, QStringLiteral("Invalid object name 'qrl_PARAMETROS'."));
    operacao(Variant(std::int32_t(1002)));
    EXPECT_TRUE(runs->log.isEmpty());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, QStringLiteral("Erro Invalid object name 'qrl_PARAMETROS'."));
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Operações"));
    EXPECT_EQ(boxes()[0].style, ui::vbExclamation);

    host.consultarError.reset();
    operacao(Variant(QStringLiteral("abc")));
    EXPECT_EQ(desktop->messages_.last().prompt, QStringLiteral("Erro Type mismatch"));
    EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("Operações"));
    EXPECT_TRUE(runs->log.isEmpty());

    // After a close the helpers have no open connection to read through.
    ASSERT_TRUE(solucao().ConnectionClose());
    operacao(Variant(std::int32_t(1003)));
    EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("Operações"));
    EXPECT_TRUE(runs->log.isEmpty());
}

TEST_F(OperacoesTest, AnOperationArrivingDuringARunReachesItsRun) {
    // The dispatch no longer refuses silently: the runs' own locks refuse a
    // second run, with a message naming the run in progress.
    runs->duringRun = [this](addin::Solucao&) {
        runs->duringRun = nullptr;
        operacao(Variant(std::int32_t(1003)));
    };
    operacao(Variant(std::int32_t(1000)));
    EXPECT_EQ(runs->log, (QStringList{QStringLiteral("tickets access"), QStringLiteral("transfers")}));
    EXPECT_TRUE(boxes().empty());
}

}  // namespace
}  // namespace tvx::testing
