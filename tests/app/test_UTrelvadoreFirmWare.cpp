#include "app/UTrelvadoreFirmWare.h"

#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/OpenProjectTest.h"
#include "ShellTest.h"
#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UVersion_Check.h"
#include "app/UOpenConf.h"
#include "app/ULanguage_Pages.h"
#include "app/USettings.h"
#include "app/lang/ULanguage.h"
#include "platform/ui/ScriptedUiServices.h"
#include "platform/ui/Timer.h"
#include "tables/UProfinetFileName.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <filesystem>
#include <memory>

namespace {

TEST_F(MainWindowTest, StartsInAFreshProgramFolderWithTheDefaults)
{
    const auto window = Create();
    for (const char* folder : { "MASTER", "PROJECTS", "LANGUAGE", "CAT_EnOcean" })
        EXPECT_TRUE(FExe.IsFolder(folder)) << folder;
    EXPECT_EQ(window->Caption(), u"Morvane - Configurator SC-TX209 - EnOcean / NMEA 2000 ");
    EXPECT_EQ(window->ClientWidth(), 694);
    EXPECT_EQ(window->ClientHeight(), 484);
    EXPECT_FALSE(window->Timer_Update->Enabled());
    EXPECT_EQ(window->Timer_Update->Interval(), 60000u);
    EXPECT_FALSE(Project_Is_Open());
}

TEST_F(MainWindowTest, TheVersionTimerRunsOnlyWithBothInternetOptions)
{
    const struct {
        const char* Options;
        bool Enabled;
    } cases[] = {
        { "<enable_internet>1</enable_internet><enable_update>1</enable_update>", true },
        { "<enable_internet>1</enable_internet><enable_update>0</enable_update>", false },
        { "<enable_update>1</enable_update>", false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Options);
        FExe.Write("Trelvador.xml",
                   std::string("<Conf_Settings><lastinternet>") + entry.Options + "</lastinternet></Conf_Settings>");
        const auto window = Create();
        EXPECT_EQ(window->Timer_Update->Enabled(), entry.Enabled);
    }
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsWithTheRememberedProject)
{
    FExe.Write("Trelvador.xml", "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    const auto window = Create();
    Device_IP = QStringLiteral("10.0.0.3");
    TCloseAction action = caFree;
    window->FormClose(window.get(), action);
    EXPECT_EQ(action, caFree);
    EXPECT_NE(FExe.Read("Trelvador.xml").find("<projectname>Gone</projectname>"), std::string::npos);
    EXPECT_NE(FExe.Read("Trelvador.xml").find("<ipaddress>10.0.0.3</ipaddress>"), std::string::npos);
    EXPECT_TRUE(FServices.Messages().empty());
}

TEST_F(MainWindowTest, AFailedSettingsWriteAtCloseIsReportedAndTheProgramStillEnds)
{
    const auto window = Create();
    std::filesystem::create_directories(FExe.Native("Trelvador.xml/locked"));
    TCloseAction action = caHide;
    window->FormClose(window.get(), action);
    EXPECT_EQ(action, caHide);
    ASSERT_EQ(FServices.Requests().size(), 1u);
    EXPECT_EQ(FServices.Requests()[0].Type, mtError);
    EXPECT_TRUE(FServices.Requests()[0].Text.contains(u"Trelvador.xml"));
}

// The entry routine's globals must not outlive the windows they name: the
// main window and the options dialog reach the others through them.
TEST_F(MainWindowTest, FreeingAWindowClearsItsGlobal)
{
    auto window = Create();
    FNewDialog.reset();
    EXPECT_EQ(FNew_Project, nullptr);
    FOpenDialog.reset();
    EXPECT_EQ(FOpenConf, nullptr);
    FAboutBox.reset();
    EXPECT_EQ(FAbout, nullptr);
    FOptions.reset();
    EXPECT_EQ(FSoftOptions, nullptr);
    window.reset();
    EXPECT_EQ(FTrelvadoreFirmWare, nullptr);
}

TEST_F(MainWindowTest, IndicatorAtStart)
{
    FExe.Write("PROJECTS/Boat/bin/bank1.bin", "");
    const struct {
        const char* Remembered;
        const char16_t* First;
        const char16_t* Second;
    } cases[] = {
        { "Boat", u"Opened Configuration of the Converter : ", u"Boat" },
        { "Gone", u"None Configuration Opened ", u"Use Step1 to open or create new configuration" },
        { "", u"None Configuration Opened ", u"Use Step1 to open or create new configuration" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Remembered);
        FExe.Write("Trelvador.xml", std::string("<Conf_Settings><lastproj><projectname>") + entry.Remembered
                                        + "</projectname></lastproj></Conf_Settings>");
        const auto window = Create();
        EXPECT_EQ(window->L_Name_Conf->Caption(), Str(entry.First));
        EXPECT_EQ(window->L_Name_Conf_L2->Caption(), Str(entry.Second));
    }
}

TEST_F(MainWindowTest, LaysOutTheStepsOfThisBuild)
{
    const auto window = Create();
    const struct {
        TLbButton* Button;
        int32_t Top, Left;
        const char16_t* Caption;
        bool Visible;
    } cases[] = {
        { window->Btn_New, 112, 80, u"New Configuration", true },
        { window->Btn_Open, 112, 258, u"Open Configuration", true },
        { window->Btn_Prm_Gen, 156, 80, u"Set Communication", true },
        { window->Btn_EnOcean_Access, 200, 80, u"EnOcean Access", true },
        { window->Btn_CAN_Rec_Frame, 244, 80, u"Receive Frames", true },
        { window->Btn_CAN_Send_Frame, 288, 80, u"Send Frames", true },
        { window->Btn_CreateBin, 332, 80, u"Update Device UDP", true },
        { window->Btn_MQTT_Set_Topic, 242, 80, u"MQTT Set Topic", false },
        { window->Btn_PROFIBUS_GSD, 545, 432, u"PROFIBUS GSD", false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(Str(entry.Caption).toStdString());
        EXPECT_EQ(entry.Button->Top(), entry.Top);
        EXPECT_EQ(entry.Button->Left(), entry.Left);
        EXPECT_EQ(entry.Button->Width(), 170);
        EXPECT_EQ(entry.Button->Height(), 36);
        EXPECT_EQ(entry.Button->Caption(), Str(entry.Caption));
        EXPECT_EQ(entry.Button->Visible(), entry.Visible);
    }
    for (int32_t step = 0; step < 8; ++step) {
        EXPECT_EQ(window->L_Step[step]->Top(), 128 + 44 * step);
        EXPECT_EQ(window->L_Step[step]->Visible(), step < 6);
    }
    EXPECT_EQ(window->L_Step[2]->Caption(), u"Step 3");
    EXPECT_EQ(window->Btn_Info->Hint(), u"Information");
    EXPECT_EQ(window->Shape1->Top(), 383);
}

// Only New, Open and Update Device light up sky blue; every other button of
// the window, the three picture buttons included, lights up yellow.
TEST_F(MainWindowTest, HotColoursOfTheButtons)
{
    const auto window = Create();
    for (TLbButton* button : { window->Btn_New, window->Btn_Open, window->Btn_CreateBin })
        EXPECT_EQ(button->HotTrackColor(), clSkyBlue) << button->Name().toStdString();
    for (TLbButton* button : { window->Btn_Prm_Gen, window->Btn_EnOcean_Access, window->Btn_CAN_Rec_Frame,
                               window->Btn_CAN_Send_Frame, window->Btn_Info, window->Btn_Opz, window->Btn_Close })
        EXPECT_EQ(button->HotTrackColor(), clYellow) << button->Name().toStdString();
}

// The dialogs' buttons share one look, unlike the main window's steps.
TEST_F(MainWindowTest, EveryDialogButtonLightsUpYellowOnTheWindowColour)
{
    const auto window = Create();
    const struct {
        const char* Dialog;
        TForm* Form;
        int32_t Buttons;
    } cases[] = {
        { "new project", FNewDialog.get(), 2 },
        { "open project", FOpenDialog.get(), 2 },
        { "options", FOptions.get(), 5 },
        { "about", FAboutBox.get(), 1 },
    };
    for (const auto& dialog : cases) {
        SCOPED_TRACE(dialog.Dialog);
        int32_t buttons = 0;
        for (int32_t index = 0; index < dialog.Form->ComponentCount(); ++index) {
            const auto* button = dynamic_cast<TLbButton*>(dialog.Form->Components(index));
            if (!button)
                continue;
            ++buttons;
            EXPECT_EQ(button->HotTrackColor(), clYellow) << button->Name().toStdString();
            EXPECT_EQ(button->Color(), TColor(0xEDF7F8)) << button->Name().toStdString();
        }
        EXPECT_EQ(buttons, dialog.Buttons);
    }
}

TEST_F(MainWindowTest, StepButtonsWithoutAProjectAnswerText18)
{
    const auto window = Create();
    for (TLbButton* button : { window->Btn_Prm_Gen, window->Btn_EnOcean_Access, window->Btn_CAN_Rec_Frame,
                               window->Btn_CAN_Send_Frame, window->Btn_CreateBin })
        window->Btn_Click(button);
    ASSERT_EQ(FServices.Messages().size(), 5u);
    for (const String& message : FServices.Messages())
        EXPECT_EQ(message, u"Error! Project not Valid");
}

TEST_F(MainWindowTest, NewProjectOpensItAndShowsItsName)
{
    const auto window = Create();
    Answer_New_Project(QStringLiteral("Boat"));
    window->Btn_Click(window->Btn_New);
    EXPECT_TRUE(FExe.IsFolder("PROJECTS/Boat/bin"));
    EXPECT_EQ(window->L_Name_Conf->Caption(), u"Opened Configuration of the Converter : ");
    EXPECT_EQ(window->L_Name_Conf_L2->Caption(), u"Boat");
    EXPECT_EQ(File_ParGen, FExe.Path() + QStringLiteral("/PROJECTS/Boat/ParGen.xml"));
    EXPECT_TRUE(FServices.Messages().empty());
}

TEST_F(MainWindowTest, NewProjectRefusalsKeepTheDialogOpen)
{
    FExe.Write("PROJECTS/Boat/bin/bank1.bin", "");
    const auto window = Create();
    const struct {
        const char16_t* Name;
        const char16_t* Message;
    } cases[] = {
        { u"", u"Error! Name Project is not valid" },
        { u"boat", u"Error! Name project is not valid because directory already exists" },
        { u"../Out", u"Error! Name project is not valid" },
        { u"..", u"Error! Name project is not valid" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(Str(entry.Name).toStdString());
        FServices.Clear();
        Answer_New_Project(Str(entry.Name));
        window->Btn_Click(window->Btn_New);
        ASSERT_EQ(FServices.Messages().size(), 1u);
        EXPECT_EQ(FServices.Messages()[0], Str(entry.Message));
        EXPECT_EQ(FNew_Project->ModalResult(), mrNone);
        EXPECT_FALSE(Project_Is_Open());
    }
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("Out")));
}

TEST_F(MainWindowTest, EnterInTheNameRunsOk)
{
    const auto window = Create();
    FNew_Project->E_New_Proj->SetText(QStringLiteral("Quay"));
    TChar key = 13;
    FNew_Project->E_New_ProjKeyPress(FNew_Project->E_New_Proj, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(FNew_Project->ModalResult(), mrOk);
    EXPECT_EQ(Project_Name, u"Quay");
}

TEST_F(MainWindowTest, OpenPreselectsTheOpenProjectAndOpensTheChoice)
{
    for (const char* folder : { "PROJECTS/Alpha", "PROJECTS/Boat", "PROJECTS/Canal" })
        std::filesystem::create_directories(FExe.Native(folder));
    FExe.Write("Trelvador.xml", "<Conf_Settings><lastproj><projectname>boat</projectname></lastproj></Conf_Settings>");
    const auto window = Create();
    FServices.AnswerModal([](TForm& form) {
        auto& dialog = dynamic_cast<TFOpenConf&>(form);
        dialog.FormShow(&dialog);
        EXPECT_EQ(dialog.ListBox1->Items().Count(), 3);
        EXPECT_EQ(dialog.ListBox1->ItemIndex(), 1);
        EXPECT_EQ(dialog.Name_Conf, u"Boat");
        dialog.ListBox1->SetItemIndex(2);
        dialog.ListBox1Click(dialog.ListBox1);
        return mrOk;
    });
    window->Btn_Click(window->Btn_Open);
    EXPECT_EQ(Project_Path, FExe.Path() + QStringLiteral("/PROJECTS/Canal"));
    EXPECT_EQ(window->L_Name_Conf_L2->Caption(), u"Canal");
}

TEST_F(MainWindowTest, OpenStartsOnTheListAndEnterThereChoosesTheLine)
{
    for (const char* folder : { "PROJECTS/Alpha", "PROJECTS/Boat" })
        std::filesystem::create_directories(FExe.Native(folder));
    const auto window = Create();
    FOpenConf->Show();
    Application->ProcessMessages();
    EXPECT_EQ(Screen->ActiveControl(), FOpenConf->ListBox1);
    for (const auto& [key, text] : { std::pair { Qt::Key_Down, QString() }, std::pair { Qt::Key_Return, QString(u'\r') } }) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(QApplication::focusWidget(), &release);
        Application->ProcessMessages();
    }
    EXPECT_EQ(FOpenConf->Name_Conf, u"Boat");
    EXPECT_EQ(FOpenConf->ModalResult(), mrOk);
    FOpenConf->Hide();
}

TEST_F(MainWindowTest, OpenWithNoProjectFolderLeavesNoProjectOpen)
{
    const auto window = Create();
    FOpenConf->Name_Conf = QStringLiteral("Vanished");
    FServices.AnswerModal([](TForm& form) {
        auto& dialog = dynamic_cast<TFOpenConf&>(form);
        dialog.FormShow(&dialog);
        EXPECT_EQ(dialog.ListBox1->ItemIndex(), -1);
        return mrOk;
    });
    window->Btn_Click(window->Btn_Open);
    EXPECT_FALSE(Project_Is_Open());
    EXPECT_EQ(window->L_Name_Conf->Caption(), u"None Configuration Opened ");
}

TEST_F(MainWindowTest, OpenCancelledChangesNothing)
{
    FExe.Write("PROJECTS/Boat/bin/bank1.bin", "");
    FExe.Write("Trelvador.xml", "<Conf_Settings><lastproj><projectname>Boat</projectname></lastproj></Conf_Settings>");
    const auto window = Create();
    FServices.AnswerModal(mrCancel);
    window->Btn_Click(window->Btn_Open);
    EXPECT_EQ(Project_Path, FExe.Path() + QStringLiteral("/PROJECTS/Boat"));
}

TEST_F(MainWindowTest, InformationShowsTheAboutBoxWithTheSoftwareIdentity)
{
    const auto window = Create();
    FServices.AnswerModal([](TForm& form) {
        auto& about = dynamic_cast<TFAbout&>(form);
        about.FormShow(&about);
        EXPECT_EQ(about.Label2->Caption(), u"EnOcean / NMEA 2000 - Converter");
        EXPECT_EQ(about.Label9->Caption(), u"SC-TX209");
        EXPECT_EQ(about.Label10->Caption(), u"1.000");
        EXPECT_EQ(about.Label12->Caption(), u"MC-TX209");
        EXPECT_EQ(about.ClientWidth(), 425);
        EXPECT_EQ(about.ClientHeight(), 148);
        about.Label4Click(about.Label4);
        return about.LbButton1->ModalResult();
    });
    window->Btn_Click(window->Btn_Info);
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[0].Kind, rkModal);
    EXPECT_EQ(FServices.Requests()[1].Kind, rkLink);
    EXPECT_EQ(FServices.Requests()[1].Text, Home_Page_Url());
}

TEST_F(MainWindowTest, ChangeLanguageRelabelsTheWindowAndTheDialogs)
{
    FExe.Write("LANGUAGE/Italiano.lng", "STR15 = Nuova Configurazione\nSTR100 = Crea Configurazione\n"
                                        "STR200 = Apri Configurazione\nSTR10 = Usa il passo 1\n"
                                        "STR1806 = Parte Utente\n");
    const auto window = Create();
    Load_Language_Texts(QStringLiteral("Italiano"));
    window->Change_Language();
    EXPECT_EQ(window->Btn_New->Caption(), u"Nuova Configurazione");
    EXPECT_EQ(window->L_Name_Conf_L2->Caption(), u"Usa il passo 1");
    EXPECT_EQ(FNew_Project->Caption(), u"Crea Configurazione");
    EXPECT_EQ(FOpenConf->Caption(), u"Apri Configurazione");
    EXPECT_EQ(FProfinetFileName->Label4->Caption(), u"Parte Utente");
    EXPECT_EQ(Language_Name, u"English");
    Lang_Texts().Load_Default_Texts();
}

// The export commands of the sibling models: their buttons stay hidden in
// this build, their commands work.
using ExportCommandTest = OpenProjectTest;

TEST_F(ExportCommandTest, TheExportButtonsStayHiddenAndNeedAProject)
{
    for (TLbButton* button : { FWindow->Btn_PROFINET_XML, FWindow->Btn_BACnet_EDE_File, FWindow->Btn_PROFIBUS_GSD })
        EXPECT_FALSE(button->Visible());
    Project_Path.clear();
    for (TLbButton* button : { FWindow->Btn_PROFINET_XML, FWindow->Btn_BACnet_EDE_File, FWindow->Btn_PROFIBUS_GSD })
        FWindow->Btn_Click(button);
    ASSERT_EQ(FServices.Requests().size(), 3u);
    for (const TUiRequest& request : FServices.Requests())
        EXPECT_EQ(request.Text, u"Error! Project not Valid");
}

TEST_F(ExportCommandTest, EDEFileNamesGetTheirExtension)
{
    const struct {
        const char* Typed;
        const char* Written;
    } cases[] = {
        { "objects", "objects.csv" },
        { "OBJECTS.CSV", "OBJECTS.CSV" },
        { "objects.Csv", "objects.Csv" },
        { "objects.txt", "objects.txt.csv" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Typed);
        FServices.Clear();
        FServices.AnswerSaveDialog(FExe.File(std::string("PROJECTS/Plant/") + entry.Typed));
        FWindow->Btn_Click(FWindow->Btn_BACnet_EDE_File);
        ASSERT_EQ(FServices.Requests().size(), 1u);
        EXPECT_EQ(FServices.Requests()[0].File.InitialDir, Project_Path);
        EXPECT_EQ(FServices.Requests()[0].File.Filter, u"CSV (MS-DOS) (*.csv)|*.csv");
        EXPECT_EQ(Project_File(entry.Written).rfind("PROJECT_NAME; Morvane--Plant;;;;;;\r\n", 0), 0u);
    }
}

TEST_F(ExportCommandTest, AnExistingEDEFileIsReplacedOnlyOnYes)
{
    FExe.Write("PROJECTS/Plant/ede.csv", "kept");
    for (const TModalResult answer : { mrNo, mrCancel }) {
        FServices.Clear();
        FServices.AnswerSaveDialog(FExe.File("PROJECTS/Plant/ede"));
        FServices.AnswerMessage(answer);
        FWindow->BACnet_EDE_File();
        ASSERT_EQ(FServices.Requests().size(), 2u);
        EXPECT_EQ(FServices.Requests()[1].Text, u"The File already exists! Do you want to overwrite the file?");
        EXPECT_EQ(FServices.Requests()[1].Buttons, mbYesNoCancel);
        EXPECT_EQ(Project_File("ede.csv"), "kept");
    }
    FServices.AnswerSaveDialog(FExe.File("PROJECTS/Plant/ede.csv"));
    FServices.AnswerMessage(mrYes);
    FWindow->BACnet_EDE_File();
    EXPECT_EQ(Project_File("ede.csv").rfind("PROJECT_NAME;", 0), 0u);

    FServices.Clear();
    FServices.AnswerSaveDialog(String());
    FWindow->BACnet_EDE_File();
    EXPECT_EQ(FServices.Requests().size(), 1u) << "a cancelled dialog asks nothing more";
}

TEST_F(ExportCommandTest, PROFINETXMLWritesTheComposedNameAfterOK)
{
    const String name = FProfinetFileName->L_XML_Fix1->Caption() + QStringLiteral("_north") + FProfinetFileName->L_XML_Fix2->Caption();
    FServices.AnswerModal([](TForm& form) {
        auto& dialog = dynamic_cast<TFProfinetFileName&>(form);
        dialog.E_XML_User->SetText(QStringLiteral("north"));
        dialog.Btn_OK->Click();
        return dialog.ModalResult();
    });
    FServices.AnswerSaveDialog(FExe.File("PROJECTS/Plant/anything.xml"));
    FWindow->Btn_Click(FWindow->Btn_PROFINET_XML);
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[1].File.FileName, name);
    EXPECT_EQ(Project_File(name.toStdString()).substr(0, 3), "\xEF\xBB\xBF");

    FServices.Clear();
    FServices.AnswerModal(mrCancel);
    FWindow->PROFINET_XML();
    EXPECT_EQ(FServices.Requests().size(), 1u) << "Cancel asks for no folder";
}

TEST_F(ExportCommandTest, PROFIBUSGSDAsksForItsOwnFile)
{
    FExe.Write("PROJECTS/Plant/ParGen.xml", "<Par_Gen><PROFINET_NB_IN>10</PROFINET_NB_IN></Par_Gen>");
    FServices.AnswerSaveDialog(FExe.File("PROJECTS/Plant/station"));
    FWindow->Btn_Click(FWindow->Btn_PROFIBUS_GSD);
    EXPECT_NE(Project_File("station.gsd").find("Module=\"DO  (PORT1)    \" 0x82,0x09,0x00,0x01\r\n"), std::string::npos);
}

TEST_F(ExportCommandTest, GetTypeBACnetReadsParGen)
{
    const struct {
        const char* Content; // null: no file
        int32_t Type;
    } cases[] = {
        { nullptr, 0 },
        { "<Par_Gen><BACnet_Type>1</BACnet_Type></Par_Gen>", 1 },
        { "<Par_Gen><BACnet_Type>0x2</BACnet_Type></Par_Gen>", 2 },
        { "<Par_Gen><BACnet_Type>MSTP</BACnet_Type></Par_Gen>", 0 },
        { "<Par_Gen></Par_Gen>", 0 },
        { "<Par_Gen><BACnet_Type>1</Par_Gen>", 0 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Content ? entry.Content : "no file");
        std::filesystem::remove(FExe.Native("PROJECTS/Plant/ParGen.xml"));
        if (entry.Content)
            FExe.Write("PROJECTS/Plant/ParGen.xml", entry.Content);
        EXPECT_EQ(FWindow->Get_Type_BACnet(), entry.Type);
    }
    EXPECT_TRUE(FServices.Requests().empty());
}

class VersionTimerTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        FSavedServer = Maker_Server();
    }
    void TearDown() override
    {
        Set_Maker_Server(FSavedServer);
        MainWindowTest::TearDown();
    }
    String FSavedServer;
};

TEST_F(VersionTimerTest, ATickChecksShowsTheNoticeAndWaitsTwoHours)
{
    const auto window = Create();
    window->Timer_Update->SetEnabled(true);
    {
        TLoopbackHttpServer server(TLoopbackHttpServer::Reply("200 OK", "VER. 1.100"));
        Set_Maker_Server(server.Address());
        window->Timer_UpdateTimer(window->Timer_Update);
    }
    EXPECT_TRUE(window->LL_Update->Visible());
    EXPECT_EQ(window->LL_Update->PlainText(), u"New Version Available. Click Here for more Details");
    ASSERT_EQ(window->LL_Update->Links().size(), 1u);
    EXPECT_EQ(window->LL_Update->Links()[0].Href, Download_Page_Url());
    EXPECT_TRUE(window->Timer_Update->Enabled());
    EXPECT_EQ(window->Timer_Update->Interval(), 7200000u);

    {
        TLoopbackHttpServer server(TLoopbackHttpServer::Reply("404 Not Found", ""));
        Set_Maker_Server(server.Address());
        window->Timer_UpdateTimer(window->Timer_Update);
    }
    EXPECT_FALSE(window->LL_Update->Visible());
    EXPECT_TRUE(FServices.Requests().empty());
}

TEST_F(VersionTimerTest, TheNoticeAndTheMakerLinkOpenTheirPages)
{
    const auto window = Create();
    window->LL_UpdateLinkClick(window->LL_Update, Download_Page_Url(), sltURL);
    window->L_MorvaneClick(window->L_Morvane);
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[0].Text, Download_Page_Url());
    EXPECT_EQ(FServices.Requests()[1].Text, Home_Page_Url());
}

TEST_F(VersionTimerTest, WithoutAMakerServerThereIsNoAddressNoLinkAndNoCheck)
{
    Set_Maker_Server(String());
    const auto window = Create();
    EXPECT_TRUE(window->L_Morvane->Caption().isEmpty());
    EXPECT_TRUE(FAbout->Label4->Caption().isEmpty());
    for (const TControl* link : std::initializer_list<const TControl*> { window->L_Morvane, FAbout->Label4, FAbout->Image2 })
        EXPECT_EQ(link->Cursor(), crDefault) << link->Name().toStdString();
    window->L_MorvaneClick(window->L_Morvane);
    FAbout->Label4Click(FAbout->Label4);
    window->Timer_Update->SetEnabled(true);
    window->Timer_UpdateTimer(window->Timer_Update);
    EXPECT_FALSE(window->LL_Update->Visible());
    EXPECT_TRUE(FServices.Requests().empty());

    Opt_Enable_Internet = Opt_Enable_Update = true;
    FSoftOptions->FormShow(FSoftOptions);
    EXPECT_TRUE(FSoftOptions->CB_Update->Enabled());
    EXPECT_FALSE(FSoftOptions->Btn_Check_Update->Enabled());
}

TEST_F(VersionTimerTest, WithAMakerServerItsAddressIsALink)
{
    Set_Maker_Server(QStringLiteral("http://127.0.0.1:9"));
    const auto window = Create();
    EXPECT_EQ(window->L_Morvane->Caption(), u"127.0.0.1:9");
    EXPECT_EQ(window->L_Morvane->Cursor(), crHandPoint);
    EXPECT_EQ(FAbout->Label4->Caption(), u"127.0.0.1:9");
    EXPECT_EQ(FAbout->Image2->Cursor(), crHandPoint);
    Opt_Enable_Internet = Opt_Enable_Update = true;
    FSoftOptions->FormShow(FSoftOptions);
    EXPECT_TRUE(FSoftOptions->Btn_Check_Update->Enabled());
}

} // namespace
