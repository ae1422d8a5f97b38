#include "maintenance/script_executar.h"

#include "settings/dal_comandos.h"
#include "support/fake_message_box.h"
#include "support/recording_dal_ligacao.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tvx {
namespace {

class ScriptExecutarTest : public ::testing::Test {
protected:
    void SetUp() override {
        comandos.HlpDb_LigacaoSet(ligacao);
        QDir(base.path()).mkpath(QStringLiteral("quorel"));
    }
    void ficheiro(const QByteArray& bytes) {
        QFile f(base.filePath(QStringLiteral("quorel/ZUNK.TXT")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void executar(const QString& pasta) {
        pScriptExecutar(comandos, messages, [&] { return pasta; });
    }
    QStringList enviados() const {
        QStringList textos;
        for (const auto& c : ligacao->calls) textos << c.metodo + u':' + c.sql;
        return textos;
    }

    QTemporaryDir base;
    std::shared_ptr<testing::RecordingDalLigacao> ligacao = std::make_shared<testing::RecordingDalLigacao>();
    DalComandos comandos;
    testing::FakeMessageBox messages;
};

TEST_F(ScriptExecutarTest, EachLineIsPrecededByALineBreakAndTheWholeTextGoesInOneCall) {
    ficheiro("INSERT INTO A VALUES (1);\r\nUPDATE B SET C = 'ção'\n");
    executar(base.path());
    EXPECT_EQ(enviados(),
              QStringList{QStringLiteral("Executar:\r\nINSERT INTO A VALUES (1);\r\nUPDATE B SET C = 'ção'")});
    ficheiro("");  // still sent, as the empty text
    executar(base.path());
    EXPECT_EQ(enviados().last(), QStringLiteral("Executar:"));
    EXPECT_TRUE(messages.calls().empty());
}

TEST_F(ScriptExecutarTest, AMissingFileOrFolderOrAFailingBatchIsShownUnderTheCommandsTitle) {
    executar(base.path());
    executar(base.filePath(QStringLiteral("nao-ha")));
    ficheiro("X");
    ligacao->falha = AutomationError(err::ProviderCommandError, QStringLiteral("Incorrect syntax near 'X'."));
    executar(base.path());
    ASSERT_EQ(messages.calls().size(), 3u);
    EXPECT_EQ(messages.calls()[0].prompt, QStringLiteral("Erro ao Executar.\r\nFile not found"));
    EXPECT_EQ(messages.calls()[1].prompt, QStringLiteral("Erro ao Executar.\r\nPath not found"));
    EXPECT_EQ(messages.calls()[2].prompt, QStringLiteral("Erro ao Executar.\r\nIncorrect syntax near 'X'."));
    for (const auto& box : messages.calls()) {
        EXPECT_EQ(box.title, QStringLiteral("Script SQL"));
        EXPECT_EQ(box.style, ui::vbOKOnly);
    }
    EXPECT_EQ(ligacao->calls.size(), 1u);
}

TEST_F(ScriptExecutarTest, NulsEndingAFileCutShortAreDroppedAndANulElsewhereIsRefusedWhereItStands) {
    ficheiro(QByteArray("DELETE FROM A;\r\n\0\0\r\n\0", 21));
    executar(base.path());
    EXPECT_EQ(enviados(), QStringList{QStringLiteral("Executar:\r\nDELETE FROM A;\r\n")});
    ficheiro(QByteArray("DELETE FROM A;\r\nUPDATE B\0 SET C = 1;\r\n", 38));
    executar(base.path());
    EXPECT_EQ(ligacao->calls.size(), 1u);
    ASSERT_EQ(messages.calls().size(), 1u);
    EXPECT_EQ(messages.last().prompt,
              QStringLiteral("Erro ao Executar.\r\nO ficheiro tem um carácter nulo na linha 2, coluna 9."));
}

}  // namespace
}  // namespace tvx
