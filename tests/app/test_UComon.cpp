#include "app/UComon.h"

#include "TestFolder.h"
#include "app/lang/ULanguage.h"
#include "enocean/UEnOcean_Catalog.h"
#include "platform/os/Clock.h"
#include "platform/xml/XMLDocument.h"

#include <array>
#include <gtest/gtest.h>

#include <thread>

namespace {

class WorkspaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Lang_Texts().Load_Default_Texts();
    }
    TTestFolder FExe;
};

TEST_F(WorkspaceTest, CreatesTheProgramFoldersBesideTheExecutable)
{
    FExe.Write("LANGUAGE/English.lng", "STR0 = Begin\n");
    Create_Program_Folders(FExe.Path() + u'/');
    EXPECT_EQ(Exe_Path, FExe.Path());
    EXPECT_EQ(Master_Path, FExe.Path() + QStringLiteral("/MASTER"));
    EXPECT_EQ(Projects_Path, FExe.Path() + QStringLiteral("/PROJECTS"));
    EXPECT_EQ(Language_Path, FExe.Path() + QStringLiteral("/LANGUAGE"));
    EXPECT_EQ(Cat_EnOcean_Path, FExe.Path() + QStringLiteral("/CAT_EnOcean"));
    for (const char* folder : { "MASTER", "PROJECTS", "LANGUAGE", "CAT_EnOcean" })
        EXPECT_TRUE(FExe.IsFolder(folder)) << folder;
    EXPECT_EQ(FExe.Read("LANGUAGE/English.lng"), "STR0 = Begin\n");
}

TEST_F(WorkspaceTest, SetFilesPointsIntoTheProjectFolder)
{
    Project_Path = QStringLiteral("/p/PROJECTS/Boat");
    Set_Files();
    const struct {
        const String& Path;
        const char16_t* Expected;
    } cases[] = {
        { File_ParGen, u"/p/PROJECTS/Boat/ParGen.xml" },
        { File_EnOcean, u"/p/PROJECTS/Boat/EnOcean.xml" },
        { File_MQTT_Set_Topic, u"/p/PROJECTS/Boat/MQTT_Set_Topic.xml" },
        { File_BACnet_Slave, u"/p/PROJECTS/Boat/BACnet_Slave.xml" },
        { File_KNX_SetAccess, u"/p/PROJECTS/Boat/KNX_SetAccess.xml" },
        { File_ModbusTCPM_SetAccess, u"/p/PROJECTS/Boat/ModbusTCPM_SetAccess.xml" },
        { File_NMEA_Rec_Frames, u"/p/PROJECTS/Boat/NMEA_Rec_Frames.xml" },
        { File_NMEA_Send_Frames, u"/p/PROJECTS/Boat/NMEA_Send_Frames.xml" },
    };
    for (const auto& entry : cases)
        EXPECT_EQ(entry.Path, Str(entry.Expected));
}

TEST_F(WorkspaceTest, RememberedProjectReopensOnlyWhenItsFolderExists)
{
    Create_Program_Folders(FExe.Path());
    FExe.Write("PROJECTS/Boat/ParGen.xml", "<Par_Gen/>");
    FExe.Write("PROJECTS/afile", "x");
    const struct {
        const char* Name;
        const char* Path; // "" when no project opens
    } cases[] = {
        { "Boat", "/PROJECTS/Boat" },
        { "BOAT", "/PROJECTS/Boat" },
        { "Gone", "" },
        { "", "" },
        { "afile", "" },
        { "..", "" },
        { "../PROJECTS/Boat", "" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Project_Name = QString::fromUtf8(entry.Name);
        Open_Remembered_Project();
        EXPECT_EQ(Project_Path, *entry.Path ? FExe.Path() + QString::fromUtf8(entry.Path) : String());
        EXPECT_EQ(Project_Name, QString::fromUtf8(entry.Name)) << "kept for the settings file";
    }
}

TEST_F(WorkspaceTest, IndicatorShowsTheProjectOrTheInvitationToOpenOne)
{
    String first, second;
    Project_Name = QStringLiteral("Boat");
    Project_Path.clear();
    Project_Indicator(first, second);
    EXPECT_EQ(first, u"None Configuration Opened ");
    EXPECT_EQ(second, u"Use Step1 to open or create new configuration");

    Project_Path = QStringLiteral("/x/PROJECTS/Boat");
    Project_Indicator(first, second);
    EXPECT_EQ(first, u"Opened Configuration of the Converter : ");
    EXPECT_EQ(second, u"Boat");
}

TEST_F(WorkspaceTest, ProjectNamesMustStayOneFolderInsideProjects)
{
    const struct {
        const char16_t* Name;
        bool Valid;
    } cases[] = {
        { u"Boat", true }, { u" Boat ", true }, { u"a.b", true }, { u"...", true },
        { u"", false }, { u".", false }, { u"..", false }, { u"a/b", false }, { u"../x", false }, { u"a\\b", false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(Str(entry.Name).toStdString());
        EXPECT_EQ(Valid_Project_Name(Str(entry.Name)), entry.Valid);
    }
}

TEST_F(WorkspaceTest, UpdateTimerNeedsBothInternetOptions)
{
    const struct {
        bool Internet, Update, Wanted;
    } cases[] = { { false, false, false }, { true, false, false }, { false, true, false }, { true, true, true } };
    for (const auto& entry : cases) {
        Opt_Enable_Internet = entry.Internet;
        Opt_Enable_Update = entry.Update;
        EXPECT_EQ(Update_Timer_Wanted(), entry.Wanted);
    }
}

class StartProgramTest : public testing::Test {
protected:
    // A script that leaves a mark when it runs.
    String Script(const std::string& name, const std::string& body)
    {
        FFolder.Write(name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(FFolder.Native(name), std::filesystem::perms::owner_all);
        return FFolder.File(name);
    }
    TTestFolder FFolder;
};

TEST_F(StartProgramTest, RunsTheUpdaterBesideTheExecutableWithOrWithoutItsWindowsExtension)
{
    const std::string mark = FFolder.Native("ran").string();
    Script("Ethernet_Update", "echo ok > '" + mark + "'");
    Start_Program(FFolder.File("Ethernet_Update.exe"), String(), 0);
    EXPECT_EQ(FFolder.Read("ran"), "ok\n");
}

TEST_F(StartProgramTest, FindsTheProgramWithoutRegardToCase)
{
    const std::string mark = FFolder.Native("ran").string();
    Script("ethernet_update.EXE", "echo ok > '" + mark + "'");
    Start_Program(FFolder.File("Ethernet_Update.exe"), String(), 0);
    EXPECT_EQ(FFolder.Read("ran"), "ok\n");
}

TEST_F(StartProgramTest, ReturnsAtOnceWhenTheProgramIsMissing)
{
    TFakeClock clock;
    TClockScope scope(clock);
    const TProgramRun run = Start_Program(FFolder.File("Ethernet_Update.exe"), String(), 0);
    EXPECT_EQ(clock.TickCount(), 0u);
    EXPECT_EQ(run.Outcome, TProgramOutcome::NotStarted);
    EXPECT_EQ(run.Error, u"No such file or directory");
}

TEST_F(StartProgramTest, GivesUpAfter150SecondsAndLeavesTheProgramRunning)
{
    const std::string mark = FFolder.Native("ended").string();
    Script("Ethernet_Update", "sleep 1; echo done > '" + mark + "'");
    TFakeClock clock;
    {
        TClockScope scope(clock);
        EXPECT_EQ(Start_Program(FFolder.File("Ethernet_Update"), String(), 0).Outcome, TProgramOutcome::StillRunning);
    }
    EXPECT_GE(clock.TickCount(), 150000u);
    EXPECT_LT(clock.TickCount(), 150100u);
    EXPECT_EQ(FFolder.Read("ended"), "");
    for (int attempt = 0; attempt < 300 && FFolder.Read("ended").empty(); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(FFolder.Read("ended"), "done\n");
}

} // namespace

namespace {

class StartWorkspaceTest : public testing::Test {
protected:
    void SetUp() override { Reset_Workspace(); }
    TTestFolder FExe;
    TXMLDocument FDocument;
};

TEST_F(StartWorkspaceTest, FirstStartInAnEmptyFolder)
{
    Start_Workspace(FExe.Path(), FDocument);
    for (const char* folder : { "MASTER", "PROJECTS", "LANGUAGE", "CAT_EnOcean" })
        EXPECT_TRUE(FExe.IsFolder(folder)) << folder;
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_FALSE(Project_Is_Open());
    EXPECT_EQ(Device_IP, u"192.168.2.205");
    EXPECT_EQ(Language_Name, u"English");
    EXPECT_FALSE(Opt_Enable_Internet || Opt_Enable_Update || Opt_Jump_Field_Tables || Opt_Double_Click_Auto_Size);
    EXPECT_FALSE(Update_Timer_Wanted());
    EXPECT_TRUE(Update_Read_Back);
    EXPECT_EQ(SW_Code, u"SC-TX209");
    EXPECT_EQ(Main_Caption, u"Morvane - Configurator SC-TX209 - EnOcean / NMEA 2000 ");
    EXPECT_EQ(File_ParGen, u"/ParGen.xml");
    ASSERT_TRUE(Copy_Row_List);
    EXPECT_EQ(Copy_Row_List->Count(), 0);
    String first, second;
    Project_Indicator(first, second);
    EXPECT_EQ(first, u"None Configuration Opened ");
    EXPECT_EQ(second, u"Use Step1 to open or create new configuration");
}

TEST_F(StartWorkspaceTest, ReadsTheProfileCatalogBesideTheProgramOnce)
{
    Start_Workspace(FExe.Path(), FDocument);
    ASSERT_TRUE(EEP_Catalog);
    EXPECT_TRUE(EEP_Catalog->List_Rorg.empty());
    EXPECT_TRUE(EEP_Catalog->Read_Error().contains(QStringLiteral("CAT_EnOcean/eep.xml")));

    FExe.Write("CAT_EnOcean/eep.xml", "<profile><rorg><number>0xF6</number><title>RPS</title></rorg></profile>");
    Start_Workspace(FExe.Path(), FDocument);
    ASSERT_TRUE(EEP_Catalog);
    EXPECT_EQ(EEP_Catalog->Rorg_SL.Count(), 1);
    EXPECT_EQ(EEP_Catalog->Get_Rorg_Name_Str(0xF6), u"0xF6 : RPS");
    EXPECT_TRUE(EEP_Catalog->Read_Error().isEmpty());
}

TEST_F(StartWorkspaceTest, ReopensTheLastProjectInTheRememberedLanguage)
{
    FExe.Write("Trelvador.xml",
               "<Conf_Settings><lastproj><projectname>Boat</projectname></lastproj>"
               "<lastlang><language>Italiano</language></lastlang><lastinternet><enable_internet>1</enable_internet>"
               "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    FExe.Write("PROJECTS/Boat/bin/bank1.bin", "");
    FExe.Write("LANGUAGE/Italiano.lng", "STR11 = \xC2\xB6" "Configurazione aperta : \xC2\xB6\n");
    Start_Workspace(FExe.Path(), FDocument);
    EXPECT_EQ(Project_Path, FExe.Path() + QStringLiteral("/PROJECTS/Boat"));
    EXPECT_EQ(File_EnOcean, FExe.Path() + QStringLiteral("/PROJECTS/Boat/EnOcean.xml"));
    EXPECT_EQ(Language_Name, u"Italiano");
    EXPECT_TRUE(Update_Timer_Wanted());
    String first, second;
    Project_Indicator(first, second);
    EXPECT_EQ(first, u"Configurazione aperta : ");
    EXPECT_EQ(second, u"Boat");
}

TEST_F(StartWorkspaceTest, ARememberedProjectWhoseFolderIsGoneStaysClosedButRemembered)
{
    FExe.Write("Trelvador.xml", "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    Start_Workspace(FExe.Path(), FDocument);
    EXPECT_FALSE(Project_Is_Open());
    EXPECT_EQ(Project_Name, u"Gone");
    String first, second;
    Project_Indicator(first, second);
    EXPECT_EQ(first, u"None Configuration Opened ");
}

TEST_F(StartWorkspaceTest, AMissingLanguageFallsBackToEnglish)
{
    FExe.Write("Trelvador.xml", "<Conf_Settings><lastlang><language>Klingon</language></lastlang></Conf_Settings>");
    Start_Workspace(FExe.Path(), FDocument);
    EXPECT_EQ(Language_Name, u"English");
    EXPECT_EQ(Lang_Texts()[0], u"Begin");
}

} // namespace

TEST(SplitIPAddress, FourDottedNumbersFrom0To255)
{
    struct TCase {
        const char* Text;
        bool Valid;
        std::array<const char*, 4> Parts; // as left in the caller's texts
    };
    const TCase cases[] = {
        { " 192.168.2.205 ", true, { "192", "168", "2", "205" } },
        { "10 . 0 .0. 7", true, { "10", "0", "0", "7" } },
        { "1.2.3", false, { "1", "2", "p3", "p4" } },
        { "1.2.3.4.5", false, { "1", "2", "3", "4.5" } },
        { "256.1.1.1", false, { "256", "1", "1", "1" } },
        { "abc", false, { "p1", "p2", "p3", "p4" } },
        { "1.x.3.4", false, { "1", "x", "3", "4" } },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Text);
        String parts[4] = { QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3"), QStringLiteral("p4") };
        EXPECT_EQ(Split_IP_Address(String::fromLatin1(entry.Text), parts[0], parts[1], parts[2], parts[3]), entry.Valid);
        for (int32_t part = 0; part < 4; ++part)
            EXPECT_EQ(parts[part], String::fromLatin1(entry.Parts[part]));
    }
}
