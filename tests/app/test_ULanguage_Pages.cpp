#include "app/ULanguage_Pages.h"

#include "TestFolder.h"
#include "app/lang/ULanguage.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguagePages, PagesOfSixSlots)
{
    const struct {
        int32_t Languages, Page, Pages, Slots;
    } cases[] = {
        { 0, 1, 0, 0 }, { 1, 1, 1, 1 }, { 6, 1, 1, 6 }, { 7, 1, 2, 6 }, { 7, 2, 2, 1 }, { 12, 2, 2, 6 }, { 13, 3, 3, 1 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.Languages << " languages, page " << entry.Page);
        EXPECT_EQ(Lang_Page_Count(entry.Languages), entry.Pages);
        EXPECT_EQ(Lang_Slots_On_Page(entry.Languages, entry.Page), entry.Slots);
    }
}

class LanguageFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Language_Path = FFolder.Path();
    }
    TTestFolder FFolder;
};

TEST_F(LanguageFolderTest, ListsTheLanguageFilesSortedWithoutCase)
{
    for (const char* name : { "italiano.lng", "English.lng", "Deutsch.LNG", "readme.txt", ".hidden.lng" })
        FFolder.Write(name, "");
    std::filesystem::create_directories(FFolder.Native("Folder.lng"));
    TStringList SL;
    Create_Lang_List(FFolder.Path(), SL);
    ASSERT_EQ(SL.Count(), 3);
    EXPECT_EQ(SL[0], u"Deutsch.LNG");
    EXPECT_EQ(SL[1], u"English.lng");
    EXPECT_EQ(SL[2], u"italiano.lng");
    EXPECT_EQ(Lang_Name_At(SL, 1, 0), u"Deutsch");
    EXPECT_EQ(Lang_Name_At(SL, 1, 2), u"italiano");
}

TEST_F(LanguageFolderTest, FlagOfTheLanguageElseTheDefaultFlag)
{
    FFolder.Write("italiano.BMP", "BM");
    EXPECT_EQ(Lang_Flag_File(FFolder.Path(), QStringLiteral("Italiano")), FFolder.File("italiano.BMP"));
    EXPECT_TRUE(Lang_Flag_File(FFolder.Path(), QStringLiteral("English")).isEmpty());
    FFolder.Write("DefaultFlag.bmp", "BM");
    EXPECT_EQ(Lang_Flag_File(FFolder.Path(), QStringLiteral("English")), FFolder.File("DefaultFlag.bmp"));
}

TEST_F(LanguageFolderTest, SwitchingTheTextsKeepsTheWorkspaceLanguage)
{
    FFolder.Write("Italiano.lng", "STR0 = Inizio\n");
    Language_Name = QStringLiteral("English");
    Load_Language_Texts(QStringLiteral("Italiano"));
    EXPECT_EQ(Lang_Texts()[0], u"Inizio");
    EXPECT_EQ(Language_Name, u"English");
    Load_Language_Texts(QStringLiteral("Vanished"));
    EXPECT_EQ(Lang_Texts()[0], u"Begin");
    EXPECT_EQ(Language_Name, u"English");
}

} // namespace

namespace {

TEST(LanguagePages, CaptionsFromTheTextTable)
{
    Lang_Texts().Load_Default_Texts();
    EXPECT_EQ(Lang_Page_Caption(2, 3), u"Page 2 / 3");
    EXPECT_EQ(Lang_Page_Caption(1, 0), u"Page 1 / 0");
    EXPECT_EQ(Change_Language_Question(QStringLiteral("English"), QStringLiteral("Italiano")),
              u"Do you want to change the Language from English to Italiano?");
}

} // namespace
