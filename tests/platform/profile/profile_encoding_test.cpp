#include "platform/profile/temp_ini.h"
#include "platform/profile/windows_1252.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

using namespace Qt::StringLiterals;

TEST(ProfileEncoding, MapsWindows1252BothWays) {
    const QByteArray high("\x80\x81\x8A\x93\x94\x9F\xA0\xE7\xFF");
    const QString text = fromWindows1252(high);
    EXPECT_EQ(text, u"\u20AC\u0081\u0160\u201C\u201D\u0178\u00A0\u00E7\u00FF"_s);
    EXPECT_EQ(toWindows1252(text).value_or(QByteArray()), high);
    EXPECT_FALSE(toWindows1252(u"\u0080"_s).has_value());  // Latin-1's control, not in the code page
    EXPECT_FALSE(toWindows1252(u"\u03A9"_s).has_value());
}

TEST(ProfileEncoding, NewFilesAreWindows1252) {
    test::TempIni ini;
    const QString file = ini.path();
    EXPECT_NE(WritePrivateProfileStringA(u"Ligação"_s, u"Servidor"_s, u"€"_s, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[Liga\xE7\xE3o]\r\nServidor=\x80\r\n"));
    EXPECT_EQ(test::readProfile(u"LIGAÇÃO"_s, u"servidor"_s, file), u"€"_s);
}

TEST(ProfileEncoding, FilesKeepTheirEncoding) {
    test::TempIni ini;
    // Windows-1252 bytes stay Windows-1252.
    QString file = ini.write("[Liga\xE7\xE3o]\r\nUser=Jo\xE3o\r\n", u"ansi.ini"_s);
    EXPECT_EQ(test::readProfile(u"Ligação"_s, u"User"_s, file), u"João"_s);
    EXPECT_NE(WritePrivateProfileStringA(u"Ligação"_s, u"PassWord"_s, u"ç"_s, file), 0);
    EXPECT_EQ(ini.read(u"ansi.ini"_s), QByteArray("[Liga\xE7\xE3o]\r\nUser=Jo\xE3o\r\nPassWord=\xE7\r\n"));

    // Valid UTF-8 with accents stays UTF-8, without a mark.
    file = ini.write("[Ligação]\r\nUser=João\r\n", u"utf8.ini"_s);
    EXPECT_EQ(test::readProfile(u"Ligação"_s, u"User"_s, file), u"João"_s);
    EXPECT_NE(WritePrivateProfileStringA(u"Ligação"_s, u"PassWord"_s, u"ç"_s, file), 0);
    EXPECT_EQ(ini.read(u"utf8.ini"_s), QByteArray("[Ligação]\r\nUser=João\r\nPassWord=ç\r\n"));

    // A UTF-8 mark is kept, even over an ASCII-only file.
    file = ini.write("\xEF\xBB\xBF[A]\r\nk=1\r\n", u"bom.ini"_s);
    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, u"k"_s, u"ã"_s, file), 0);
    EXPECT_EQ(ini.read(u"bom.ini"_s), QByteArray("\xEF\xBB\xBF[A]\r\nk=ã\r\n"));

    // UTF-16 files with a mark are Unicode.
    file = ini.write(QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xE7\0", 18), u"utf16.ini"_s);
    EXPECT_EQ(test::readProfile(u"a"_s, u"K"_s, file), u"ç"_s);
    EXPECT_NE(WritePrivateProfileStringA(u"A"_s, u"k"_s, u"Ω"_s, file), 0);
    EXPECT_EQ(test::readProfile(u"a"_s, u"K"_s, file), u"Ω"_s);
    EXPECT_TRUE(ini.read(u"utf16.ini"_s).startsWith("\xFF\xFE"));
}

TEST(ProfileEncoding, AnsiFileThatMustHoldOtherCharactersBecomesUtf8) {
    test::TempIni ini;
    const QString file = ini.write("[Liga\xE7\xE3o]\r\n");
    EXPECT_NE(WritePrivateProfileStringA(u"Ligação"_s, u"Nome"_s, u"Ω"_s, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[Ligação]\r\nNome=Ω\r\n"));
    EXPECT_EQ(test::readProfile(u"Ligação"_s, u"Nome"_s, file), u"Ω"_s);
}

TEST(ProfileEncoding, AnsiFileWhoseNewBytesWouldReadAsUtf8BecomesUtf8) {
    // "Ã§" is C3 A7 in Windows-1252, which is "ç" in UTF-8; the lone A7 kept the file
    // Windows-1252 until the write removed it (found by the profile_string fuzz target).
    test::TempIni ini;
    const QString file = ini.write("[Liga\xC3\xA7\xC3\xA3o]\r\nServidor=\xA7\r\n");
    EXPECT_NE(WritePrivateProfileStringA(u"LigaÃ§Ã£o"_s, u"Servidor"_s, u"host"_s, file), 0);
    EXPECT_EQ(ini.read(), QByteArray("[LigaÃ§Ã£o]\r\nServidor=host\r\n"));
    EXPECT_EQ(test::readProfile(u"LigaÃ§Ã£o"_s, u"Servidor"_s, file), u"host"_s);
}

}  // namespace
}  // namespace tvx
