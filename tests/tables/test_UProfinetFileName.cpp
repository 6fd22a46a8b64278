#include "tables/UProfinetFileName.h"

#include "ExportTest.h"
#include "platform/core/DateUtils.h"

#include <memory>

namespace {

class ProfinetFileNameTest : public ExportTest {
protected:
    void SetUp() override
    {
        ExportTest::SetUp();
        SW_Code = QStringLiteral("SC-TX209");
        TNowScope created(EncodeDate(2026, 3, 4) + EncodeTime(23, 59, 0, 0));
        FDialog = std::make_unique<TFProfinetFileName>(nullptr);
        FDialog->DoCreate();
    }
    // Types the user part, presses OK and answers the name, or "" when the dialog stayed open.
    String Compose(const String& userPart)
    {
        FDialog->SetModalResult(mrNone);
        FDialog->E_XML_User->SetText(userPart);
        FDialog->Btn_OK->Click();
        return FDialog->ModalResult() == mrOk ? FDialog->Name_File_XML : String();
    }

    std::unique_ptr<TFProfinetFileName> FDialog;
};

TEST_F(ProfinetFileNameTest, ShowsTheFixedPartsOfTheDayItWasCreated)
{
    EXPECT_EQ(FDialog->ClientWidth(), 540);
    EXPECT_EQ(FDialog->ClientHeight(), 205);
    EXPECT_EQ(FDialog->L_SW_Code->Caption(), u"SC-TX209");
    EXPECT_EQ(FDialog->L_XML_Fix1->Caption(), u"GSDML-V2.31-Morvane-DV-TX211");
    EXPECT_EQ(FDialog->L_XML_Fix2->Caption(), u"-20260304.xml");
    const struct {
        String Shown;
        const char* Text;
    } texts[] = {
        { FDialog->Caption(), "PROFINET XML File Name" },
        { FDialog->L_SW_Desc->Caption(), "Create the PROFINET XML GSD File" },
        { FDialog->Btn_OK->Caption(), "OK" },
        { FDialog->Btn_Cancel->Caption(), "Cancel" },
        { FDialog->Label1->Caption(), "Select the PROFINET XML File Name" },
        { FDialog->Label2->Caption(), "Fixed Part" },
        { FDialog->Label4->Caption(), "User Part" },
        { FDialog->Label5->Caption(), "Fixed Part" },
        { FDialog->E_XML_User->Hint(), "Insert here the User part of GSDML file" },
        { FDialog->Btn_OK->Hint(), "Confirm and save the GSDML File" },
        { FDialog->Btn_Cancel->Hint(), "Exit without save the GSDML File" },
    };
    for (const auto& text : texts)
        EXPECT_EQ(text.Shown, QString::fromLatin1(text.Text));
    EXPECT_EQ(FDialog->Btn_Cancel->ModalResult(), mrCancel);
}

TEST_F(ProfinetFileNameTest, ComposesTheNameFromTheUserPart)
{
    const struct {
        const char* Typed;
        const char* Name;
    } cases[] = {
        { "", "GSDML-V2.31-Morvane-DV-TX211-20260304.xml" },
        { "   ", "GSDML-V2.31-Morvane-DV-TX211-20260304.xml" },
        { "abc", "GSDML-V2.31-Morvane-DV-TX211_abc-20260304.xml" },
        { "_abc", "GSDML-V2.31-Morvane-DV-TX211_abc-20260304.xml" },
        { " plant 2 ", "GSDML-V2.31-Morvane-DV-TX211_ plant 2 -20260304.xml" },
        { "v1.2", "GSDML-V2.31-Morvane-DV-TX211_v1.2-20260304.xml" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Typed);
        EXPECT_EQ(Compose(QString::fromLatin1(entry.Typed)), QString::fromLatin1(entry.Name));
    }
    EXPECT_TRUE(FServices.Requests().empty());
}

TEST_F(ProfinetFileNameTest, AUserPartThatCouldLeaveTheFolderIsRefused)
{
    for (const char* typed : { "../up", "a/b", "a\\b", "c:", "what?", "star*", "<x>", "q\"", "pipe|", "tab\t" }) {
        SCOPED_TRACE(typed);
        FServices.Clear();
        EXPECT_EQ(Compose(QString::fromLatin1(typed)), String());
        ASSERT_EQ(FServices.Requests().size(), 1u);
        EXPECT_EQ(FServices.Requests()[0].Type, mtError);
        EXPECT_EQ(FServices.Requests()[0].Text, Lang_Texts()[1812]);
    }
}

} // namespace
