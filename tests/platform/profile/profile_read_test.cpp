#include "platform/profile/temp_ini.h"

#include <gtest/gtest.h>
#include <QDir>

namespace tvx {
namespace {

using namespace Qt::StringLiterals;

class ProfileRead : public ::testing::Test {
protected:
    // What the caller sees: the first n characters of the buffer.
    QString get(const ProfileArg& section, const ProfileArg& key, const ProfileArg& def = u""_s,
                std::uint32_t size = 256) {
        QString buffer;
        lastCount = GetPrivateProfileStringA(section, key, def, buffer, size, file);
        lastBuffer = buffer;
        return buffer.left(lastCount);
    }

    test::TempIni ini;
    QString file;
    std::uint32_t lastCount = 0;
    QString lastBuffer;
};

TEST_F(ProfileRead, CutsValuesAndListsToTheBuffer) {
    file = ini.write("[section1]\r\nname1=val1\r\nname2=val2\r\n[section2]\r\nname3=x\r\n");

    EXPECT_EQ(get(u"section1"_s, u"name1"_s, u""_s, 4), u"val"_s);
    EXPECT_EQ(lastCount, 3u);
    EXPECT_EQ(lastBuffer, u"val\0"_s);
    EXPECT_EQ(get(u"section1"_s, u"name1"_s, u""_s, 1), u""_s);
    EXPECT_EQ(lastBuffer, u"\0"_s);

    QString untouched = u"keep"_s;
    EXPECT_EQ(GetPrivateProfileStringA(u"section1"_s, u"name1"_s, u""_s, untouched, 0, file), 0u);
    EXPECT_EQ(untouched, u"keep"_s);

    get(NoString, NoString);
    EXPECT_EQ(lastCount, 18u);
    EXPECT_EQ(lastBuffer, u"section1\0section2\0\0"_s);

    get(NoString, NoString, u""_s, 16);
    EXPECT_EQ(lastCount, 14u);
    EXPECT_EQ(lastBuffer, u"section1\0secti\0\0"_s);

    // Exactly enough room for the list and its final NUL: nothing is cut.
    get(NoString, NoString, u""_s, 19);
    EXPECT_EQ(lastCount, 18u);

    get(u"section1"_s, NoString, u""_s, 10);
    EXPECT_EQ(lastCount, 8u);
    EXPECT_EQ(lastBuffer, u"name1\0na\0\0"_s);

    get(NoString, NoString, u""_s, 2);
    EXPECT_EQ(lastCount, 0u);
    EXPECT_EQ(lastBuffer, u"\0\0"_s);
}

TEST_F(ProfileRead, ListsSectionsAndKeys) {
    file = ini.write(
        "top=ignored\r\n[ section1 ]\r\n; note=comment\r\nname1 = a\r\nno equals sign\r\n"
        "  name2=\r\n[empty]\r\n[]\r\nhidden=1\r\n");

    EXPECT_EQ(get(NoString, u"anything"_s), u"section1\0empty\0"_s);
    EXPECT_EQ(get(u"SECTION1"_s, NoString), u"name1\0name2\0"_s);
    // A section with no keys, or none at all, gives the default instead of a list.
    EXPECT_EQ(get(u"empty"_s, NoString, u"dflt"_s), u"dflt"_s);
    EXPECT_EQ(get(u"missing"_s, NoString, u"dflt"_s), u"dflt"_s);
    EXPECT_EQ(get(u"missing"_s, NoString, NoString), u""_s);
}

TEST_F(ProfileRead, MatchesNamesLooselyAndTakesTheFirstDuplicate) {
    file = ini.write(
        "[Ligação]\r\n  Servidor   =   host\\SQL  \r\nservidor=second\r\n"
        "[ligação]\r\nUser=other\r\n"
        "[q]\r\ndq=\"val2\"\r\nsq='it'\r\nmixed=\"x'\r\nlone=\"\r\nsemi=a;b\r\n;commented=1\r\ninner=a \"b\"\r\n");

    EXPECT_EQ(get(u"LIGAÇÃO"_s, u"SERVIDOR"_s), u"host\\SQL"_s);
    EXPECT_EQ(get(u"ligação"_s, u"User"_s, u"none"_s), u"none"_s);  // only the first section counts
    EXPECT_EQ(get(u"q"_s, u"dq"_s), u"val2"_s);
    EXPECT_EQ(get(u"q"_s, u"sq"_s), u"it"_s);
    EXPECT_EQ(get(u"q"_s, u"mixed"_s), u"\"x'"_s);
    EXPECT_EQ(get(u"q"_s, u"lone"_s), u"\""_s);
    EXPECT_EQ(get(u"q"_s, u"semi"_s), u"a;b"_s);
    EXPECT_EQ(get(u"q"_s, u"commented"_s, u"d"_s), u"d"_s);
    EXPECT_EQ(get(u"q"_s, u"inner"_s), u"a \"b\""_s);
}

TEST_F(ProfileRead, GivesTheDefaultForWhatIsMissing) {
    file = ini.path(u"absent.ini"_s);
    EXPECT_EQ(get(u"s"_s, u"k"_s, u"default  "_s), u"default"_s);
    EXPECT_EQ(lastCount, 7u);
    EXPECT_EQ(get(u"s"_s, u"k"_s, NoString), u""_s);
    EXPECT_EQ(get(NoString, NoString), u""_s);
    EXPECT_FALSE(QFile::exists(file));

    file = ini.write("[s]\r\nk=v\r\n=nameless\r\n");
    EXPECT_EQ(get(u"s"_s, u""_s, u"d"_s), u"d"_s);
    EXPECT_EQ(get(u"s"_s, u"other"_s, u" d "_s), u" d"_s);
    EXPECT_EQ(get(u"t"_s, u"k"_s, u"d"_s), u"d"_s);

    file.clear();  // an empty file name names no file
    EXPECT_EQ(get(u"s"_s, u"k"_s, u"d"_s), u"d"_s);
}

TEST_F(ProfileRead, ParsesEveryLineEnd) {
    for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        file = ini.write("[a]" + end + "k=1" + end + end + "[b]" + end + "k=2");
        EXPECT_EQ(get(u"a"_s, u"k"_s), u"1"_s) << end.toHex().constData();
        EXPECT_EQ(get(u"b"_s, u"k"_s), u"2"_s) << end.toHex().constData();
        EXPECT_EQ(get(NoString, NoString), u"a\0b\0"_s);
    }
}

TEST_F(ProfileRead, PutsBareNamesInTheWindowsDirectoryAndAcceptsBackslashes) {
    setWindowsDirectory(ini.folder());
    EXPECT_NE(WritePrivateProfileStringA(u"s"_s, u"k"_s, u"here"_s, u"bare.ini"_s), 0);
    EXPECT_EQ(test::readProfile(u"s"_s, u"k"_s, u"bare.ini"_s), u"here"_s);
    setWindowsDirectory({});
    EXPECT_EQ(windowsDirectory(), QDir::currentPath());
    EXPECT_EQ(test::readProfile(u"s"_s, u"k"_s, ini.folder() + u"\\bare.ini"_s), u"here"_s);
}

}  // namespace
}  // namespace tvx
