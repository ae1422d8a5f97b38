#include "agency/leitor_csv.h"

#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace tvx {
namespace {

LeitorCsv read(const QString& text, std::int32_t opcao = LeitorCsv::OpcaoAspas) {
    LeitorCsv leitor;
    leitor.setOpcaoLeitura(opcao);
    leitor.Ler(text);
    return leitor;
}

TEST(LeitorCsv, SplitsLinesAndCellsAndCountsThem) {
    // Mixed line ends, a short line, a trailing separator and an empty line.
    const LeitorCsv l = read(QStringLiteral("a;b;c\r\nd\ne;;f;\rg;h\r\n\r\ni"));
    EXPECT_EQ(l.Linhas(), 6);
    EXPECT_EQ(l.Colunas(), 4);  // "e;;f;" holds four cells, the last empty
    EXPECT_EQ(l.Celula(0, 2), QStringLiteral("c"));
    EXPECT_EQ(l.Celula(1, 0), QStringLiteral("d"));
    EXPECT_EQ(l.Celula(1, 1), QString());  // beyond the line's end
    EXPECT_EQ(l.Celula(2, 1), QString());
    EXPECT_EQ(l.Celula(2, 2), QStringLiteral("f"));
    EXPECT_EQ(l.Celula(3, 1), QStringLiteral("h"));
    EXPECT_EQ(l.Celula(4, 0), QString());  // the empty line
    EXPECT_EQ(l.Celula(5, 0), QStringLiteral("i"));
    // Beyond the data and negative indexes read as empty, never fail.
    EXPECT_EQ(l.Celula(6, 0), QString());
    EXPECT_EQ(l.Celula(0, 4), QString());
    EXPECT_EQ(l.Celula(-1, 0), QString());
    // A line end just before the end of the text adds no line; blanks are kept.
    const LeitorCsv m = read(QStringLiteral(" x ;y\n"));
    EXPECT_EQ(m.Linhas(), 1);
    EXPECT_EQ(m.Celula(0, 0), QStringLiteral(" x "));
    // Rows read out of turn, and a reader given another text, answer from the text they name.
    LeitorCsv n = read(QStringLiteral("a;b\nc;d"));
    EXPECT_EQ(n.Celula(1, 1), QStringLiteral("d"));
    EXPECT_EQ(n.Celula(0, 1), QStringLiteral("b"));
    n.Ler(QStringLiteral("ee;ff"));
    EXPECT_EQ(n.Celula(0, 1), QStringLiteral("ff"));
}

TEST(LeitorCsv, QuotedCellsHoldSeparatorsLineEndsAndQuotes) {
    const LeitorCsv l = read(QStringLiteral("\"a;b\";\"say \"\"hi\"\"\";\"two\r\nlines\";\"\";\"x\"y;z\"q\n2"));
    EXPECT_EQ(l.Linhas(), 2);
    EXPECT_EQ(l.Celula(0, 0), QStringLiteral("a;b"));
    EXPECT_EQ(l.Celula(0, 1), QStringLiteral("say \"hi\""));
    EXPECT_EQ(l.Celula(0, 2), QStringLiteral("two\r\nlines"));
    EXPECT_EQ(l.Celula(0, 3), QString());
    EXPECT_EQ(l.Celula(0, 4), QStringLiteral("xy"));    // text after the closing quote is kept
    EXPECT_EQ(l.Celula(0, 5), QStringLiteral("z\"q"));  // a quote inside an unquoted cell is text
    EXPECT_EQ(l.Celula(1, 0), QStringLiteral("2"));
    // A quote never closed is told, with the line where its cell starts
    // (a quoted line end before it counts), instead of swallowing the rest.
    EXPECT_EQ(read(QStringLiteral("a\r\n\"x\ny\";\"open;\nstill")).LinhaAspasPorFechar(), 3);
    EXPECT_EQ(read(QStringLiteral("a\rb\r\"open")).LinhaAspasPorFechar(), 3);
    EXPECT_EQ(l.LinhaAspasPorFechar(), 0);
    // Without the quote option quotes are plain characters.
    const LeitorCsv raw = read(QStringLiteral("\"a;b\""), 0);
    EXPECT_EQ(raw.Colunas(), 2);
    EXPECT_EQ(raw.Celula(0, 0), QStringLiteral("\"a"));
}

class LeitorCsvFile : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("t.csv"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(LeitorCsvFile, DecodesUtf8WithOrWithoutMarkElseWindows1252) {
    LeitorCsv l;
    ASSERT_TRUE(
        l.Abrir(write("\xEF\xBB\xBF"
                      "Concei\xC3\xA7\xC3\xA3o;1")));
    EXPECT_EQ(l.Celula(0, 0), QStringLiteral("Conceição"));
    ASSERT_TRUE(
        l.Abrir(write("Concei\xE7\xE3o;\x80"
                      "5")));
    EXPECT_EQ(l.Celula(0, 0), QStringLiteral("Conceição"));
    EXPECT_EQ(l.Celula(0, 1), QStringLiteral("€5"));
}

TEST_F(LeitorCsvFile, EmptyAndMissingFiles) {
    LeitorCsv l;
    ASSERT_TRUE(l.Abrir(write("a;b")));
    ASSERT_TRUE(l.Abrir(write("")));  // a new read forgets the old table
    EXPECT_EQ(l.Linhas(), 0);
    EXPECT_EQ(l.Colunas(), 0);
    EXPECT_EQ(l.ErroAbertura(), 0);
    EXPECT_FALSE(l.Abrir(dir_.filePath(QStringLiteral("missing.csv"))));
    EXPECT_EQ(l.ErroAbertura(), err::FileNotFound);
    EXPECT_EQ(l.Linhas(), 0);
    EXPECT_FALSE(l.Abrir(dir_.path()));  // a folder cannot be read as a file
    EXPECT_NE(l.ErroAbertura(), 0);
}

}  // namespace
}  // namespace tvx
