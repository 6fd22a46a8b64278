#include "tables/UTopicTemplate.h"

#include "ExportTest.h"

#include <memory>

namespace {

class TopicTemplateTest : public ExportTest {
protected:
    void SetUp() override
    {
        ExportTest::SetUp();
        FDialog = std::make_unique<TFTopicTemplate>(nullptr);
        FDialog->DoCreate();
    }
    std::unique_ptr<TFTopicTemplate> FDialog;
};

TEST_F(TopicTemplateTest, CaptionsFollowTheKindOfCell)
{
    EXPECT_EQ(FDialog->ClientWidth(), 635);
    EXPECT_EQ(FDialog->ClientHeight(), 396);
    EXPECT_EQ(FDialog->L_List_Keywords->Caption(), u"List of keywords");
    EXPECT_EQ(FDialog->ZUZ_Keywords->Cells(0, 0), u"Keyword");
    EXPECT_EQ(FDialog->ZUZ_Keywords->Cells(1, 0), u"Description of Keyword");
    const struct {
        int32_t TopicTemplate;
        const char* Caption;
        const char* Title;
    } cases[] = {
        { 1, "Set Template", "Set Template" },
        { 0, "Set Topic", "Set Topic" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.TopicTemplate);
        FDialog->TopicTemplate = entry.TopicTemplate;
        FDialog->FormShow(FDialog.get());
        EXPECT_EQ(FDialog->Caption(), QString::fromLatin1(entry.Caption));
        EXPECT_EQ(FDialog->L_SW_Desc->Caption(), QString::fromLatin1(entry.Title));
    }
}

TEST_F(TopicTemplateTest, TheKeywordGridShowsOneEmptyEditableRow)
{
    FDialog->ZUZ_Keywords->SetRowCount(4);
    FDialog->ZUZ_Keywords->SetCells(0, 1, QStringLiteral("left over"));
    FDialog->FormShow(FDialog.get());
    EXPECT_EQ(FDialog->ZUZ_Keywords->RowCount(), 2);
    EXPECT_EQ(FDialog->ZUZ_Keywords->ColCount(), 2);
    EXPECT_EQ(FDialog->ZUZ_Keywords->Cells(0, 1), String());
    EXPECT_FALSE(FDialog->ZUZ_Keywords->GetReadOnly(0, 1));
    EXPECT_TRUE(FDialog->ZUZ_Keywords->GetReadOnly(1, 1));
}

TEST_F(TopicTemplateTest, TheEditorCarriesTheTextWithItsLineBreaks)
{
    FDialog->RE_TopicTemplate->Lines().SetText(QStringLiteral("{\"v\":$VALUE$}\r\nsecond line"));
    FDialog->FormShow(FDialog.get());
    EXPECT_EQ(FDialog->RE_TopicTemplate->Lines().Count(), 2);
    EXPECT_EQ(FDialog->RE_TopicTemplate->Lines()[1], u"second line");
    EXPECT_EQ(FDialog->Btn_OK->ModalResult(), mrOk);
    EXPECT_EQ(FDialog->Btn_Cancel->ModalResult(), mrCancel);
}

} // namespace
