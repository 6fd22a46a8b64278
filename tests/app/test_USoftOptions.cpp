#include "app/USoftOptions.h"

#include "tests/support/LoopbackHttpServer.h"
#include "ShellTest.h"
#include "app/UVersion_Check.h"
#include "app/lang/ULanguage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class OptionsTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        Lang_Texts().Load_Default_Texts();
        MainWindowTest::TearDown();
    }
    void Write_Flag(const std::string& name)
    {
        TBitmap flag;
        flag.SetSize(16, 12);
        flag.SaveToFile(FExe.File("LANGUAGE/" + name));
    }
    void Write_Languages(const std::vector<std::string>& names, const std::string& content = "")
    {
        for (const std::string& name : names)
            FExe.Write("LANGUAGE/" + name + ".lng", content);
    }
    std::vector<String> Shown_Names(const TFSoftOptions& options) const
    {
        std::vector<String> names;
        for (const TLabel* label : options.L_L)
            if (label->Visible())
                names.push_back(label->Caption());
        return names;
    }
};

TEST_F(OptionsTest, LanguagesSixToAPageWithPreviousAndNext)
{
    Write_Languages({ "Gamma", "alpha", "Beta", "Delta", "Epsilon", "Zeta", "eta" });
    const auto window = Create();
    FSoftOptions->FormShow(FSoftOptions);
    const TFSoftOptions& options = *FSoftOptions;
    EXPECT_EQ(options.PC_Options->ActivePage(), options.TS_Language);
    EXPECT_EQ(options.L_Sel_Lang->Caption(), u"Selected Language : English");
    EXPECT_EQ(Shown_Names(options),
        (std::vector<String> { "alpha", "Beta", "Delta", "Epsilon", "eta", "Gamma" }));
    EXPECT_EQ(options.L_Page_Lang->Caption(), u"Page 1 / 2");
    EXPECT_FALSE(options.Btn_Prev->Visible());
    EXPECT_TRUE(options.Btn_Next->Visible());

    const struct {
        TLbButton* Button;
        int32_t Page;
        std::vector<String> Names;
    } steps[] = {
        { options.Btn_Next, 2, { "Zeta" } },
        { options.Btn_Next, 2, { "Zeta" } },
        { options.Btn_Prev, 1, { "alpha", "Beta", "Delta", "Epsilon", "eta", "Gamma" } },
        { options.Btn_Prev, 1, { "alpha", "Beta", "Delta", "Epsilon", "eta", "Gamma" } },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Page);
        step.Button->Click();
        EXPECT_EQ(options.Show_Page, step.Page);
        EXPECT_EQ(Shown_Names(options), step.Names);
        EXPECT_EQ(options.L_Page_Lang->Caption(), QStringLiteral("Page %1 / 2").arg(step.Page));
        EXPECT_EQ(options.Btn_Prev->Visible(), step.Page == 2);
        EXPECT_EQ(options.Btn_Next->Visible(), step.Page == 1);
    }
}

TEST_F(OptionsTest, PageButtonsWithSixLanguagesAndWithNone)
{
    const auto window = Create();
    FSoftOptions->FormShow(FSoftOptions);
    EXPECT_TRUE(Shown_Names(*FSoftOptions).empty());
    EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), u"Page 1 / 0");
    EXPECT_FALSE(FSoftOptions->Btn_Prev->Visible());
    EXPECT_TRUE(FSoftOptions->Btn_Next->Visible());
    FSoftOptions->Btn_Next->Click();
    EXPECT_EQ(FSoftOptions->Show_Page, 1);

    Write_Languages({ "A", "B", "C", "D", "E", "F" });
    FSoftOptions->FormShow(FSoftOptions);
    EXPECT_EQ(Shown_Names(*FSoftOptions).size(), 6u);
    EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), u"Page 1 / 1");
    EXPECT_FALSE(FSoftOptions->Btn_Prev->Visible());
    EXPECT_FALSE(FSoftOptions->Btn_Next->Visible());
}

TEST_F(OptionsTest, FlagsOwnElseDefaultAndAnUnreadableOneLeavesTheName)
{
    Write_Languages({ "Deutsch", "English", "Italiano" });
    Write_Flag("Deutsch.bmp");
    FExe.Write("LANGUAGE/Italiano.bmp", "not a picture");
    const auto window = Create();

    const struct {
        bool With_Default;
        bool Shown[3];
    } cases[] = {
        { false, { true, false, false } },
        { true, { true, true, false } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.With_Default);
        if (entry.With_Default)
            Write_Flag("DefaultFlag.bmp");
        FSoftOptions->FormShow(FSoftOptions);
        for (int32_t slot = 0; slot < 3; ++slot) {
            SCOPED_TRACE(slot);
            EXPECT_TRUE(FSoftOptions->L_L[slot]->Visible());
            EXPECT_EQ(FSoftOptions->I_L[slot]->Visible(), entry.Shown[slot]);
        }
        EXPECT_FALSE(FSoftOptions->I_L[3]->Visible());
    }
    EXPECT_TRUE(FServices.Requests().empty());
}

TEST_F(OptionsTest, ChoosingALanguageAsksAndSwitchesTheTextsButNotTheWorkspace)
{
    Write_Languages({ "A1", "A2", "A3", "A4", "A5", "A6", "English" });
    FExe.Write("LANGUAGE/Italiano.lng", "STR300 = Opzioni Software\nSTR304 = Lingua :\nSTR305 = Pagina\n"
                                        "STR15 = Nuova Configurazione\nSTR100 = Crea Configurazione\n");
    const auto window = Create();
    FSoftOptions->FormShow(FSoftOptions);
    FSoftOptions->Btn_Next->Click();
    ASSERT_EQ(Shown_Names(*FSoftOptions), (std::vector<String> { "English", "Italiano" }));

    FServices.AnswerMessage(mrNo);
    FSoftOptions->LangClick(FSoftOptions->I_L[1]);
    ASSERT_EQ(FServices.Requests().size(), 1u);
    EXPECT_EQ(FServices.Requests()[0].Text, u"Do you want to change the Language from English to Italiano?");
    EXPECT_EQ(FServices.Requests()[0].Type, mtConfirmation);
    EXPECT_EQ(FServices.Requests()[0].Buttons, mbYesNo);
    EXPECT_EQ(FSoftOptions->Caption(), u"Software Options");

    FServices.AnswerMessage(mrYes);
    FSoftOptions->LangClick(FSoftOptions->L_L[1]);
    EXPECT_EQ(FSoftOptions->Language_In_Use, u"Italiano");
    EXPECT_EQ(FSoftOptions->Caption(), u"Opzioni Software");
    EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), u"Lingua :Italiano");
    EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), u"Pagina2 / 2");
    EXPECT_EQ(window->Btn_New->Caption(), u"Nuova Configurazione");
    EXPECT_EQ(FNew_Project->Caption(), u"Crea Configurazione");
    EXPECT_EQ(Language_Name, u"English");
}

TEST_F(OptionsTest, TheUpdateBoxAndTheCheckButtonFollowTheInternetBox)
{
    const auto window = Create();
    const struct {
        bool Internet, Update;
        bool Update_Enabled, Check_Enabled;
    } cases[] = {
        { false, false, false, false },
        { false, true, false, false },
        { true, false, true, false },
        { true, true, true, true },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.Internet << entry.Update);
        Opt_Enable_Internet = entry.Internet;
        Opt_Enable_Update = entry.Update;
        FSoftOptions->FormShow(FSoftOptions);
        EXPECT_EQ(FSoftOptions->CB_Update->Enabled(), entry.Update_Enabled);
        EXPECT_EQ(FSoftOptions->Btn_Check_Update->Enabled(), entry.Check_Enabled);
        // A click on either box applies the same rule at once.
        FSoftOptions->CB_En_Con->SetChecked(!entry.Internet);
        EXPECT_EQ(FSoftOptions->CB_Update->Enabled(), !entry.Internet);
        EXPECT_EQ(FSoftOptions->Btn_Check_Update->Enabled(), !entry.Internet && entry.Update);
    }
}

TEST_F(OptionsTest, OkFromTheMainWindowStoresTheOptionsWritesTheSettingsAndSetsTheTimer)
{
    Write_Languages({ "English", "Italiano" });
    const auto window = Create();
    const struct {
        bool Internet, Update, Jump, Auto_Size;
        const char* Written;
        bool Timer;
    } cases[] = {
        { true, true, false, true,
          "<enable_internet>1</enable_internet><enable_update>1</enable_update>"
          "<enable_jump_field_tables>0</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>",
          true },
        // The update box keeps its state while the internet box disables it.
        { false, true, true, false,
          "<enable_internet>0</enable_internet><enable_update>1</enable_update>"
          "<enable_jump_field_tables>1</enable_jump_field_tables><Double_Click_Auto_Size>0</Double_Click_Auto_Size>",
          false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Written);
        FServices.AnswerModal([&entry](TForm& form) {
            auto& options = dynamic_cast<TFSoftOptions&>(form);
            options.FormShow(&options);
            options.LangClick(options.L_L[1]);
            options.CB_En_Con->SetChecked(entry.Internet);
            options.CB_Update->SetChecked(entry.Update);
            options.CB_Soft_Set_Jump_Table->SetChecked(entry.Jump);
            options.CB_DoubleClick_Auto_Size->SetChecked(entry.Auto_Size);
            options.Btn_OK->Click();
            return options.ModalResult();
        });
        FServices.AnswerMessage(mrYes);
        window->Btn_Click(window->Btn_Opz);
        EXPECT_EQ(Language_Name, u"Italiano");
        EXPECT_EQ(Opt_Enable_Update, entry.Update);
        const std::string written = FExe.Read("Trelvador.xml");
        EXPECT_NE(written.find(entry.Written), std::string::npos) << written;
        EXPECT_NE(written.find("<language>Italiano</language>"), std::string::npos);
        EXPECT_EQ(window->Timer_Update->Enabled(), entry.Timer);
        EXPECT_EQ(window->Timer_Update->Interval(), 60000u);
    }
}

TEST_F(OptionsTest, CancelKeepsTheSettingsFileAndTheTimerWhileTheTextsStaySwitched)
{
    Write_Languages({ "English" });
    FExe.Write("LANGUAGE/Italiano.lng", "STR300 = Opzioni Software\n");
    const auto window = Create();
    FServices.AnswerModal([](TForm& form) {
        auto& options = dynamic_cast<TFSoftOptions&>(form);
        options.FormShow(&options);
        options.LangClick(options.L_L[1]);
        options.CB_En_Con->SetChecked(true);
        options.CB_Update->SetChecked(true);
        return options.Btn_Cancel->ModalResult();
    });
    FServices.AnswerMessage(mrYes);
    window->Btn_Click(window->Btn_Opz);
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("Trelvador.xml")));
    EXPECT_FALSE(window->Timer_Update->Enabled());
    EXPECT_FALSE(Opt_Enable_Internet);
    EXPECT_EQ(Language_Name, u"English");
    EXPECT_EQ(FSoftOptions->Caption(), u"Opzioni Software");
}

TEST_F(OptionsTest, TheManualCheckTellsItsOutcomeAndItsLinkOpensTheDownloadPage)
{
    const String saved = Maker_Server();
    const auto window = Create();
    const struct {
        const char* Status;
        const char* Body;
        const char16_t* Text;
        bool Link;
    } cases[] = {
        { "200 OK", "VER. 1.001", u"New Version Available. Click Here for more Details", true },
        { "200 OK", "VER. 1.000", u"No Update Available", false },
        { "404 Not Found", "", u"No Update Available", false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Body);
        FSoftOptions->FormShow(FSoftOptions);
        EXPECT_FALSE(FSoftOptions->LL_Check_Update->Visible());
        {
            TLoopbackHttpServer server(TLoopbackHttpServer::Reply(entry.Status, entry.Body));
            Set_Maker_Server(server.Address());
            FSoftOptions->Btn_Check_UpdateClick(FSoftOptions->Btn_Check_Update);
        }
        EXPECT_TRUE(FSoftOptions->LL_Check_Update->Visible());
        EXPECT_EQ(FSoftOptions->LL_Check_Update->PlainText(), Str(entry.Text));
        EXPECT_EQ(FSoftOptions->LL_Check_Update->Links().size(), entry.Link ? 1u : 0u);
    }
    Set_Maker_Server(saved);
    FSoftOptions->LL_Check_UpdateLinkClick(FSoftOptions->LL_Check_Update, Download_Page_Url(), sltURL);
    ASSERT_EQ(FServices.Requests().size(), 1u);
    EXPECT_EQ(FServices.Requests()[0].Kind, rkLink);
    EXPECT_EQ(FServices.Requests()[0].Text, Download_Page_Url());
}

} // namespace
