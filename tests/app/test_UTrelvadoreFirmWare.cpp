#include "app/UTrelvadoreFirmWare.h"

#include "TestFolder.h"
#include "app/USettings.h"
#include "app/lang/ULanguage.h"
#include "platform/ui/ScriptedUiServices.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Program_Folder = FExe.Path();
    }
    // The main window as the entry routine makes it.
    std::unique_ptr<TFTrelvadoreFirmWare> Create()
    {
        auto window = std::make_unique<TFTrelvadoreFirmWare>(nullptr);
        window->DoCreate();
        return window;
    }

    TTestFolder FExe;
    TScriptedUiServices FServices;
    TScopedUiServices FScope { FServices };
};

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

} // namespace
