#include "settings/cinifile.h"

#include "platform/profile/temp_ini.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

using namespace Qt::StringLiterals;

class Inifile : public ::testing::Test {
protected:
    cInifile at(const QString& path, const QString& section, const QString& key = {}) {
        cInifile f;
        f.setPath(path);
        f.setSection(section);
        f.setKey(key);
        return f;
    }

    test::TempIni ini;
};

TEST_F(Inifile, ReadsTheSettingsFileAsTheAddInDoes) {
    QString path = ini.write("[Api Vesk]\r\nLogin=ana\r\n[Liga\xE7\xE3o]\r\nServidor=SRV\\SQL2019\r\nUser=\r\n",
                             u"BRISKO.EMPR01"_s);
    cInifile f = at(path.replace(u'/', u'\\'), u"Ligação"_s, u"servidor"_s);
    EXPECT_EQ(f.Value(), u"SRV\\SQL2019"_s);
    f.setKey(u"USER"_s);
    EXPECT_EQ(f.Value(), u""_s);
    f.setKey(u"PassWord"_s);
    f.setDefault(u"none"_s);
    EXPECT_EQ(f.Value(), u"none"_s);
    EXPECT_EQ(at(ini.path(u"BRISKO.NOPE"_s), u"Ligação"_s, u"Servidor"_s).Value(), u""_s);
}

TEST_F(Inifile, CutsLongValuesAndKeyLists) {
    cInifile f = at(ini.path(), u"S"_s, u"long"_s);
    QString value = QString(300, u'v');
    f.setValue(value);
    EXPECT_EQ(f.Value(), QString(254, u'v'));

    // 1000 keys of 10 characters: the list needs 11000 characters, the buffer has 8192.
    QByteArray many("[Many]\r\n");
    for (int i = 0; i < 1000; ++i) many += u"key%1=1\r\n"_s.arg(i, 7, 10, QChar(u'0')).toLatin1();
    ini.write(many);
    f.setSection(u"Many"_s);
    const QString list = f.INISection();
    EXPECT_EQ(list.size(), 8190);
    EXPECT_EQ(list.right(7), u"\0key000"_s);
    std::vector<QString> keys;
    std::int32_t count = -1;
    f.EnumerateCurrentSection(keys, count);
    EXPECT_EQ(count, 744);  // the 745th name is cut short and left out
    ASSERT_EQ(keys.size(), 745u);
    EXPECT_EQ(keys[1], u"key0000000"_s);
    EXPECT_EQ(keys[744], u"key0000743"_s);
}

TEST_F(Inifile, WritesWithoutNulsDeletesAndReportsResults) {
    ini.write("[A]\r\nm=2\r\n[B]\r\nk=3\r\n[C]\r\nk=4\r\n");
    cInifile f = at(ini.path(), u"A"_s, u"k"_s);
    EXPECT_FALSE(f.Success());
    QString value = u"a\0b\0\0c"_s;
    f.setValue(value);
    EXPECT_EQ(value, u"abc"_s);
    EXPECT_EQ(f.Value(), u"abc"_s);
    EXPECT_EQ(f.LastReturnCode(), 1);

    f.setKey(u"m"_s);
    f.DeleteKey();
    f.setSection(u"B"_s);
    f.DeleteSection();
    f.setSection(u"C"_s);
    f.setINISection(u"whatever"_s);
    EXPECT_TRUE(f.Success());
    EXPECT_EQ(ini.read(), QByteArray("[A]\r\nk=abc\r\n"));

    cInifile bad = at(ini.folder() + u"/missing/x.ini"_s, u"S"_s, u"k"_s);
    bad.setValue(value);
    EXPECT_FALSE(bad.Success());
}

TEST_F(Inifile, EnumeratesSectionsAndKeysFromOne) {
    const QString path = ini.write("[First]\r\na=1\r\n;c=2\r\nb\r\n B = 2\r\n[Second]\r\n[]\r\nz=0\r\n");
    cInifile f = at(path, u"first"_s);
    EXPECT_EQ(f.Sections(), u"First\0Second\0"_s);
    EXPECT_EQ(f.INISection(), u"a\0B\0"_s);

    std::vector<QString> names{u"stale"_s, u"stale"_s};
    std::int32_t count = -1;
    f.EnumerateAllSections(names, count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(names, (std::vector<QString>{QString(), u"First"_s, u"Second"_s}));
    f.EnumerateCurrentSection(names, count);
    EXPECT_EQ(names, (std::vector<QString>{QString(), u"a"_s, u"B"_s}));

    f.setSection(u"Second"_s);
    f.EnumerateCurrentSection(names, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(names.size(), 1u);
}

TEST(InifileCLngDefault, FallsBackWhenTheTextIsNoLong) {
    EXPECT_EQ(cInifile::CLngDefault(u"12x"_s, 7), 7);
    EXPECT_EQ(cInifile::CLngDefault(u"42"_s, 7), 42);
    EXPECT_EQ(cInifile::CLngDefault(u" -12 "_s, 7), -12);
    EXPECT_EQ(cInifile::CLngDefault(u""_s, 7), 7);
    EXPECT_EQ(cInifile::CLngDefault(u"2147483648"_s, 7), 7);
    EXPECT_EQ(cInifile::CLngDefault(u"FAIL"_s), 0);
}

}  // namespace
}  // namespace tvx
