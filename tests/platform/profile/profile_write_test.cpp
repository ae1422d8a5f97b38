#include "platform/profile/profile_string.h"
#include "platform/profile/temp_ini.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

using namespace Qt::StringLiterals;

TEST(ProfileWrite, CreatesFileAndAppendsSectionsAndKeys) {
    test::TempIni ini;
    const QString file = ini.path();
    EXPECT_NE(WritePrivateProfileStringA(u"App"_s, u"key"_s, u"value"_s, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[App]\r\nkey=value\r\n"));

    EXPECT_NE(WritePrivateProfileStringA(u"Other"_s, u"empty"_s, u""_s, file), 0);
    EXPECT_NE(WritePrivateProfileStringA(u"APP"_s, u"second"_s, u" padded "_s, file), 0);
    EXPECT_NE(WritePrivateProfileStringA(u"app"_s, u"KEY"_s, u"changed"_s, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[App]\r\nKEY=changed\r\nsecond= padded \r\n[Other]\r\nempty=\r\n"));
    // Written verbatim, read back trimmed.
    EXPECT_EQ(test::readProfile(u"App"_s, u"second"_s, file), u"padded"_s);
}

TEST(ProfileWrite, ChangesOnlyTheLinesConcerned) {
    test::TempIni ini;
    const QString file = ini.write("; settings\n[A]\n  x = 1 ; kept\nother=2\n\n[B]\ny=3");

    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, u"other"_s, u"22"_s, file), 0);
    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, u"new"_s, u"n"_s, file), 0);
    EXPECT_NE(WritePrivateProfileStringA(u"B"_s, u"z"_s, u"4"_s, file), 0);
    EXPECT_NE(WritePrivateProfileStringA(u"C"_s, u"w"_s, u"5"_s, file), 0);
    // The file's own line end is used; the new key goes before the blank line.
    EXPECT_EQ(ini.read(), QByteArray("; settings\n[A]\n  x = 1 ; kept\nother=22\nnew=n\n\n[B]\ny=3\nz=4\n[C]\nw=5\n"));
}

TEST(ProfileWrite, DeletesKeysAndSections) {
    test::TempIni ini;
    const QString file = ini.write("[A]\r\nk=1\r\nK=dup\r\nm=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\n");

    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, u"k"_s, NoString, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[A]\r\nm=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\n"));
    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, u"absent"_s, NoString, file), 0);

    EXPECT_NE(WritePrivateProfileStringA(u"a"_s, NoString, u"ignored"_s, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[B]\r\nk=3\r\n"));

    // Deleting from a file that is not there succeeds without creating it.
    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, NoString, NoString, ini.path(u"none.ini"_s)), 0);
    EXPECT_FALSE(QFile::exists(ini.path(u"none.ini"_s)));
}

TEST(ProfileWrite, ReportsFailureAndLeavesTheFileAlone) {
    test::TempIni ini;
    const QString file = ini.write("[A]\r\nk=1\r\n");

    EXPECT_EQ(WritePrivateProfileStringA(NoString, u"k"_s, u"v"_s, file), 0);
    EXPECT_EQ(WritePrivateProfileStringA(u"A"_s, u"k"_s, u"v"_s, ini.folder() + u"/no/such/dir/x.ini"_s), 0);
    EXPECT_EQ(WritePrivateProfileStringA(u"A"_s, u"k"_s, u"v"_s, QString()), 0);
    // Line breaks would smuggle extra lines (even sections) into the file.
    EXPECT_EQ(WritePrivateProfileStringA(u"A"_s, u"k"_s, u"1\r\n[Evil]"_s, file), 0);
    EXPECT_EQ(WritePrivateProfileStringA(u"A\nB"_s, u"k"_s, u"1"_s, file), 0);
    EXPECT_EQ(WritePrivateProfileStringA(u"A"_s, u"k=x"_s, u"1"_s, file), 0);
    // So would an entry whose line reads as a section header or a comment (found by the
    // profile_string fuzz target: "[=x]" added a section "=x").
    EXPECT_EQ(WritePrivateProfileStringA(u"A"_s, u"["_s, u"x]"_s, file), 0);
    EXPECT_EQ(WritePrivateProfileStringA(u"A"_s, u" [k]"_s, u"1"_s, file), 0);
    EXPECT_EQ(WritePrivateProfileStringA(u"A"_s, u";k"_s, u"1"_s, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[A]\r\nk=1\r\n"));
    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, u"[k"_s, u"1"_s, file), 0);  // no ']': an entry still
}

}  // namespace
}  // namespace tvx
