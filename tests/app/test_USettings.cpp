#include "app/USettings.h"

#include "TestFolder.h"
#include "platform/xml/XMLDocument.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TSettings {
    const char16_t* Project;
    const char16_t* Ip;
    const char16_t* Language;
    bool Internet, Update, Jump, AutoSize;
};

constexpr TSettings Defaults { u"", u"192.168.2.205", u"English", false, false, false, false };

class SettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Exe_Path = FExe.Path();
    }
    void ExpectWorkspace(const TSettings& expected) const
    {
        EXPECT_EQ(Project_Name, Str(expected.Project));
        EXPECT_EQ(Device_IP, Str(expected.Ip));
        EXPECT_EQ(Language_Name, Str(expected.Language));
        EXPECT_EQ(Opt_Enable_Internet, expected.Internet);
        EXPECT_EQ(Opt_Enable_Update, expected.Update);
        EXPECT_EQ(Opt_Jump_Field_Tables, expected.Jump);
        EXPECT_EQ(Opt_Double_Click_Auto_Size, expected.AutoSize);
    }

    TTestFolder FExe;
    TXMLDocument FDocument;
};

TEST_F(SettingsTest, ReadsEachEntryOrItsDefault)
{
    const struct {
        const char* Name;
        std::string_view File;
        TSettings Expected;
    } cases[] = {
        { "complete",
          "<Conf_Settings><lastproj><projectname>Boat</projectname></lastproj>"
          "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd><lastlang><language>Italiano</language></lastlang>"
          "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
          "<enable_jump_field_tables>1</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
          "</lastinternet></Conf_Settings>",
          { u"Boat", u"10.0.0.7", u"Italiano", true, true, true, true } },
        { "only the address",
          "<Conf_Settings><lastipadd><ipaddress>10.1.2.3</ipaddress></lastipadd></Conf_Settings>",
          { u"", u"10.1.2.3", u"English", false, false, false, false } },
        { "options group missing",
          "<Conf_Settings><lastproj><projectname>P</projectname></lastproj>"
          "<lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
          { u"P", u"192.168.2.205", u"Deutsch", false, false, false, false } },
        { "update without internet",
          "<Conf_Settings><lastinternet><enable_update>1</enable_update></lastinternet></Conf_Settings>",
          { u"", u"192.168.2.205", u"English", false, true, false, false } },
        { "present but empty entries",
          "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress></ipaddress></lastipadd>"
          "<lastlang><language/></lastlang></Conf_Settings>",
          { u"", u"", u"", false, false, false, false } },
        { "only an exact 1 is on",
          "<Conf_Settings><lastinternet><enable_internet> 1</enable_internet><enable_update>true</enable_update>"
          "<enable_jump_field_tables>1 </enable_jump_field_tables><Double_Click_Auto_Size>01</Double_Click_Auto_Size>"
          "</lastinternet></Conf_Settings>",
          Defaults },
        { "root of another name",
          "<Other><lastlang><language>Francais</language></lastlang></Other>",
          { u"", u"192.168.2.205", u"Francais", false, false, false, false } },
        { "declaration first",
          "<?xml version=\"1.0\"?><Conf_Settings><lastlang><language>Francais</language></lastlang></Conf_Settings>",
          Defaults },
        { "comment first",
          "<!-- x --><Conf_Settings><lastlang><language>Francais</language></lastlang></Conf_Settings>",
          Defaults },
        { "not well-formed", "<Conf_Settings><lastlang><language>Francais</language>", Defaults },
        { "empty file", "", Defaults },
        { "not XML at all", "\x01\x02garbage", Defaults },
        { "UTF-8 text",
          "<Conf_Settings><lastproj><projectname>B\xC3\xA4r</projectname></lastproj></Conf_Settings>",
          { u"B\u00E4r", u"192.168.2.205", u"English", false, false, false, false } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Project_Name = QStringLiteral("stale");
        Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = true;
        FExe.Write("Trelvador.xml", entry.File);
        Read_Setting(FDocument, Settings_File());
        ExpectWorkspace(entry.Expected);
    }
}

TEST_F(SettingsTest, MissingFileGivesDefaults)
{
    Project_Name = QStringLiteral("stale");
    Project_Path = QStringLiteral("/stale");
    Read_Setting(FDocument, Settings_File());
    ExpectWorkspace(Defaults);
    EXPECT_TRUE(Project_Path.isEmpty());
}

TEST_F(SettingsTest, UnreadableFileGivesDefaults)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    FExe.Write("Trelvador.xml", "<Conf_Settings><lastlang><language>X</language></lastlang></Conf_Settings>");
    chmod(FExe.File("Trelvador.xml").toLocal8Bit().constData(), 0);
    Read_Setting(FDocument, Settings_File());
    ExpectWorkspace(Defaults);
}

TEST_F(SettingsTest, FindsTheFileWithoutRegardToCase)
{
    FExe.Write("TRELVADOR.XML", "<Conf_Settings><lastlang><language>Dansk</language></lastlang></Conf_Settings>");
    Read_Setting(FDocument, Settings_File());
    EXPECT_EQ(Language_Name, u"Dansk");
}

TEST_F(SettingsTest, WritesTheEntriesInOrderWithoutDeclarationOrComment)
{
    Project_Name = QStringLiteral("Boat");
    Device_IP = QStringLiteral("10.0.0.9");
    Language_Name = QStringLiteral("English");
    Opt_Enable_Internet = true;
    Opt_Jump_Field_Tables = true;
    FDocument.LoadFromXML(QStringLiteral("<Par_Gen><x/></Par_Gen>"));
    Save_Setting(FDocument, Settings_File());
    EXPECT_EQ(FExe.Read("Trelvador.xml"),
              "<Conf_Settings><lastproj><projectname>Boat</projectname></lastproj>"
              "<lastipadd><ipaddress>10.0.0.9</ipaddress></lastipadd>"
              "<lastlang><language>English</language></lastlang>"
              "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
              "<enable_jump_field_tables>1</enable_jump_field_tables>"
              "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
}

TEST_F(SettingsTest, WhatIsWrittenReadsBackTheSame)
{
    const TSettings cases[] = {
        { u"Boat", u"10.0.0.9", u"Italiano", true, false, true, false },
        { u"", u"", u"English", false, true, false, true },
        { u" <a & b> ", u"1.2.3.4", u"\u65E5\u672C", true, true, true, true },
    };
    for (const TSettings& written : cases) {
        SCOPED_TRACE(Str(written.Project).toStdString());
        Project_Name = Str(written.Project);
        Device_IP = Str(written.Ip);
        Language_Name = Str(written.Language);
        Opt_Enable_Internet = written.Internet;
        Opt_Enable_Update = written.Update;
        Opt_Jump_Field_Tables = written.Jump;
        Opt_Double_Click_Auto_Size = written.AutoSize;
        Save_Setting(FDocument, Settings_File());
        Reset_Workspace();
        Exe_Path = FExe.Path();
        TXMLDocument reader;
        Read_Setting(reader, Settings_File());
        ExpectWorkspace(written);
    }
}

TEST_F(SettingsTest, AFailedWriteRaises)
{
    Exe_Path = FExe.Path() + QStringLiteral("/missing");
    EXPECT_THROW(Save_Setting(FDocument, Settings_File()), EInOutError);
}

} // namespace
