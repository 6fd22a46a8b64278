#include "app/UProjects.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

class ProjectsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Create_Program_Folders(FExe.Path());
    }
    TTestFolder FExe;
};

TEST_F(ProjectsTest, CreatesTheProjectWithItsBinFolderAndOpensIt)
{
    ASSERT_EQ(Create_Project(QStringLiteral(" Boat ")), 0);
    EXPECT_TRUE(FExe.IsFolder("PROJECTS/ Boat /bin"));
    EXPECT_EQ(Project_Name, u" Boat ");
    EXPECT_EQ(Project_Path, FExe.Path() + QStringLiteral("/PROJECTS/ Boat "));
    EXPECT_EQ(File_ParGen, FExe.Path() + QStringLiteral("/PROJECTS/ Boat /ParGen.xml"));
    EXPECT_EQ(File_NMEA_Send_Frames, FExe.Path() + QStringLiteral("/PROJECTS/ Boat /NMEA_Send_Frames.xml"));
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("PROJECTS/ Boat /ParGen.xml")));
}

TEST_F(ProjectsTest, RefusesNamesThatAreNotANewFolderInsideProjects)
{
    FExe.Write("PROJECTS/Boat/ParGen.xml", "<Par_Gen/>");
    FExe.Write("PROJECTS/afile", "x");
    const struct {
        const char16_t* Name;
        int32_t Text;
    } cases[] = {
        { u"", 107 },       { u"Boat", 106 },   { u"bOAT", 106 },   { u".", 105 },
        { u"..", 105 },     { u"../Out", 105 }, { u"Boat/x", 105 }, { u"a\\b", 105 },
        { u"afile", 105 },  { u"/tmp", 105 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(Str(entry.Name).toStdString());
        Project_Name = QStringLiteral("Before");
        Project_Path.clear();
        EXPECT_EQ(Create_Project(Str(entry.Name)), entry.Text);
        EXPECT_EQ(Project_Name, u"Before");
        EXPECT_TRUE(Project_Path.isEmpty());
    }
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("Out")));
    EXPECT_FALSE(std::filesystem::exists(FExe.Native("PROJECTS/Boat/x")));
}

TEST_F(ProjectsTest, ListsTheProjectFoldersOnly)
{
    for (const char* folder : { "PROJECTS/beta/bin", "PROJECTS/Alpha/bin", "PROJECTS/.hidden", "PROJECTS/gamma" })
        std::filesystem::create_directories(FExe.Native(folder));
    FExe.Write("PROJECTS/notes.txt", "x");
    TStringList SL;
    SL.Add(QStringLiteral("stale"));
    Load_Existing_Configuration(SL);
    ASSERT_EQ(SL.Count(), 3);
    EXPECT_EQ(SL[0], u"Alpha");
    EXPECT_EQ(SL[1], u"beta");
    EXPECT_EQ(SL[2], u"gamma");
}

TEST_F(ProjectsTest, AMissingProjectsFolderListsNothing)
{
    Projects_Path = FExe.Path() + QStringLiteral("/nowhere");
    TStringList SL;
    Load_Existing_Configuration(SL);
    EXPECT_EQ(SL.Count(), 0);
}

TEST_F(ProjectsTest, SearchOpenConfIgnoresCase)
{
    TStringList SL;
    SL.SetCommaText(QStringLiteral("Alpha,Boat,boat"));
    const struct {
        const char16_t* Name;
        int32_t Index;
    } cases[] = { { u"BOAT", 1 }, { u"alpha", 0 }, { u"Gone", -1 }, { u"", -1 } };
    for (const auto& entry : cases)
        EXPECT_EQ(Search_Open_Conf(SL, Str(entry.Name)), entry.Index);
}

TEST_F(ProjectsTest, OpenProjectNamedSetsThePathsOrClosesWithAnEmptyName)
{
    Open_Project_Named(QStringLiteral("Boat"));
    EXPECT_EQ(Project_Path, FExe.Path() + QStringLiteral("/PROJECTS/Boat"));
    EXPECT_EQ(Open_Project_Folder_Name(), u"Boat");
    EXPECT_EQ(File_EnOcean, FExe.Path() + QStringLiteral("/PROJECTS/Boat/EnOcean.xml"));

    Open_Project_Named(String());
    EXPECT_TRUE(Project_Path.isEmpty());
    EXPECT_TRUE(Open_Project_Folder_Name().isEmpty());
    EXPECT_EQ(File_EnOcean, u"/EnOcean.xml");
}

} // namespace

namespace {

TEST_F(ProjectsTest, PreselectsTheOpenProjectElseTheFirstLine)
{
    TStringList SL;
    SL.SetCommaText(QStringLiteral("Alpha,Boat"));
    const struct {
        const char16_t* Open; // folder of the open project, "" for none
        int32_t Line;
        const char16_t* Name_Conf;
    } cases[] = { { u"BOAT", 1, u"Boat" }, { u"Gone", 0, u"Alpha" }, { u"", 0, u"Alpha" } };
    for (const auto& entry : cases) {
        SCOPED_TRACE(Str(entry.Open).toStdString());
        Project_Path = Str(entry.Open).isEmpty() ? String() : Projects_Path + u'/' + Str(entry.Open);
        String Name_Conf = QStringLiteral("earlier");
        EXPECT_EQ(Preselect_Open_Conf(SL, Name_Conf), entry.Line);
        EXPECT_EQ(Name_Conf, Str(entry.Name_Conf));
    }
}

TEST_F(ProjectsTest, AnEmptyListForgetsAnEarlierChoice)
{
    TStringList SL;
    String Name_Conf = QStringLiteral("Vanished");
    EXPECT_EQ(Preselect_Open_Conf(SL, Name_Conf), -1);
    EXPECT_TRUE(Name_Conf.isEmpty());
    Open_Project_Named(Name_Conf);
    EXPECT_FALSE(Project_Is_Open());
}

} // namespace
