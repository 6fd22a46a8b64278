#include "tables/UProfibus_GSD.h"

#include "ExportTest.h"

#include <algorithm>
#include <filesystem>

namespace {

// The whole file for 10 bytes from the master and none to it: one output
// module. Written out from the file's description, line by line.
const char* const Expected_Out_Only = R"gsd(
;
;********************** EnOcean / PROFIBUS Slave - Converter ************************
;* ================================================================================ *
;*                                                                                  *
;* Vendor:   Morvane                                                                *
;*           Via delle Industrie 14                                                 *
;*           31100 Treviso                                                          *
;*           TV - Italy                                                             *
;*           Tel. : +39 0422 555 014                                                *
;*           FAX. : +39 0422 555 015                                                *
;*           eMail: support@morvane.example                                         *
;*                                                                                  *
;* ================================================================================ *
;*                                                                                  *
;* Function:       EnOcean / PROFIBUS Slave - Converter                             *
;*                                                                                  *
;*                                                                                  *
;* Order Number : DV-TX210                                                          *
;*                                                                                  *
;*                                                                                  *
;************************************************************************************


#Profibus_DP


;====================================================================================
;==== Prm-Text-Def-List =============================================================
;====================================================================================

PrmText=1
Text(0)="disable"
Text(1)="enable"
EndPrmText

PrmText  = 2
Text(0)  = "clock up"
Text(1)  = "clock down"
EndPrmText

PrmText  = 3
Text(1)  = "10"
Text(2)  = "20"
Text(3)  = "30"
Text(4)  = "40"
Text(5)  = "50"
EndPrmText


;=====================================================================================
;==== Ext-User-Prm-Data-Def-List =====================================================
;=====================================================================================

ExtUserPrmData=1 "[SlotNumber]"
Unsigned8 0 0-32
EndExtUserPrmData

ExtUserPrmData=2 "Diagnostic Alarm"
Bit(0) 0 0-1
Prm_Text_Ref=1
EndExtUserPrmData

ExtUserPrmData=3 "Process Alarm"
Bit(1) 0 0-1
Prm_Text_Ref=1
EndExtUserPrmData

ExtUserPrmData=4 "Counter mode"
Unsigned8 0 0-1
Prm_Text_Ref=2
EndExtUserPrmData

ExtUserPrmData=5 "Counter timebase (ms)"
Unsigned8 1 1-5
Prm_Text_Ref=3
EndExtUserPrmData

ExtUserPrmData=6 "Counter high-limit"
Unsigned16 65535 0-65535
EndExtUserPrmData

ExtUserPrmData=7 "Counter low-limit"
Unsigned16 0 0-65535
EndExtUserPrmData


;=====================================================================================
;==== General DP Keywords ============================================================
;=====================================================================================

GSD_Revision = 5
Vendor_Name = "Morvane"
Model_Name = "DV-TX210"
Revision = "1.00"
Ident_Number = 0x0E7D
Protocol_Ident = 0
Station_Type = 0
FMS_supp = 0
Hardware_Release = "V1.00"
Software_Release = "V1.00"
Redundancy = 0
Repeater_Ctrl_Sig = 2
24V_Pins = 0


;==============================================================================
;==== Supported baudrates =====================================================
;==============================================================================

9.6_supp = 1
19.2_supp = 1
45.45_supp = 1
93.75_supp = 1
187.5_supp = 1
500_supp = 1
1.5M_supp = 1
3M_supp = 1
6M_supp = 1
12M_supp = 1

MaxTsdr_9.6=15
MaxTsdr_19.2=15
MaxTsdr_45.45=15
MaxTsdr_93.75=15
MaxTsdr_187.5=15
MaxTsdr_500=15
MaxTsdr_1.5M=20
MaxTsdr_3M=35
MaxTsdr_6M=50
MaxTsdr_12M=95


;==============================================================================
;==== Slave specific values ===================================================
;==============================================================================

OrderNumber="DV-TX210"
Slave_Family = 9@Morvane@DV-TX210
Implementation_Type = "VPC3+"
Info_Text="Morvane: EnOcean / PROFIBUS Slave - Converter"
Bitmap_Device = "DPV0_1N"
Bitmap_SF="DPV0_1S"

Freeze_Mode_supp=1
Sync_Mode_supp=1
Fail_Safe=1
Auto_Baud_supp=1
Set_Slave_Add_supp=0

Min_Slave_Intervall=6

Modular_Station=1
Max_Module=1
Modul_Offset=1
Max_Input_Len=0
Max_Output_Len=10
Max_Data_Len=10
Max_Diag_Data_Len=15

WD_Base_1ms_supp = 1
Publisher_supp = 1

;==============================================================================
;==== User-Prm-Data ===========================================================
;==============================================================================

Max_User_Prm_Data_Len = 12
Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00

;==============================================================================
;==== Modulstatus =============================================================
;==============================================================================

Unit_Diag_Area = 24 - 25
Value(1)= "Slot 1: Module error"
Value(2)= "Slot 1: Wrong module"
Value(3)= "Slot 1: No module"
Unit_Diag_Area_End
Unit_Diag_Area = 26 - 27
Value(1)= "Slot 2: Module error"
Value(2)= "Slot 2: Wrong module"
Value(3)= "Slot 2: No module"
Unit_Diag_Area_End


;==============================================================================
;==== Module-Definition-List ==================================================
;==============================================================================

Module="DO  (PORT1)    " 0x82,0x09,0x00,0x01
1
EndModule



SlotDefinition
Slot(1) = "Slot 1" 1 1
EndSlotDefinition




)gsd";

std::string Section(const std::string& text, const std::string& from, const std::string& to)
{
    const size_t start = text.find(from);
    const size_t end = text.find(to, start);
    if (start == std::string::npos || end == std::string::npos)
        return "<missing " + from + ">";
    return text.substr(start, end - start);
}

TEST(GSD_File_Text, WritesTheWholeFileByteForByte)
{
    EXPECT_EQ(First_Difference(GSD_File_Text(10, 0), Crlf(std::string(Expected_Out_Only).substr(1))), "");
}

TEST(GSD_File_Text, HeaderAndHeadingsKeepTheirWidths)
{
    const std::vector<std::string> lines = Crlf_Lines(GSD_File_Text(0, 0));
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], ";");
    for (size_t index = 1; index <= 20; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(lines[index].size(), 85u) << lines[index];
    }
    const struct {
        const char* Title;
        size_t Width;
    } headings[] = {
        { "Prm-Text-Def-List", 85 }, { "Ext-User-Prm-Data-Def-List", 86 }, { "General DP Keywords", 86 },
        { "Supported baudrates", 79 }, { "Slave specific values", 79 }, { "User-Prm-Data", 79 },
        { "Modulstatus", 79 }, { "Module-Definition-List", 79 },
    };
    for (const auto& heading : headings) {
        SCOPED_TRACE(heading.Title);
        const std::string middle = ";==== " + std::string(heading.Title) + " ";
        const auto found = std::find_if(lines.begin(), lines.end(),
            [&](const std::string& line) { return line.rfind(middle, 0) == 0; });
        ASSERT_NE(found, lines.end());
        const std::string separator = ";" + std::string(heading.Width - 1, '=');
        EXPECT_EQ(*(found - 1), separator);
        EXPECT_EQ(found->size(), heading.Width);
        EXPECT_EQ(found->find_first_not_of('=', middle.size()), std::string::npos);
        EXPECT_EQ(*(found + 1), separator);
    }
    EXPECT_TRUE(Every_Line_Ends_In_Crlf(GSD_File_Text(1440, 1440)));
}

TEST(GSD_File_Text, ModulesOfAtMost64BytesNumberedInputsFirst)
{
    const struct {
        int32_t In, Out;
        const char* Modules;
        const char* Lengths;
    } cases[] = {
        { 0, 64, "Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01\n1\nEndModule\n",
            "Max_Module=1\nModul_Offset=1\nMax_Input_Len=64\nMax_Output_Len=0\nMax_Data_Len=64\n" },
        { 0, 65,
            "Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01\n1\nEndModule\n"
            "Module=\"DI  (PORT2)    \" 0x42,0x00,0x00,0x02\n2\nEndModule\n",
            "Max_Module=2\nModul_Offset=1\nMax_Input_Len=65\nMax_Output_Len=0\nMax_Data_Len=65\n" },
        { 128, 1,
            "Module=\"DI  (PORT1)    \" 0x42,0x00,0x00,0x01\n1\nEndModule\n"
            "Module=\"DO  (PORT2)    \" 0x82,0x3F,0x00,0x02\n2\nEndModule\n"
            "Module=\"DO  (PORT3)    \" 0x82,0x3F,0x00,0x03\n3\nEndModule\n",
            "Max_Module=3\nModul_Offset=1\nMax_Input_Len=1\nMax_Output_Len=128\nMax_Data_Len=129\n" },
        { 0, 0, "", "Max_Module=0\nModul_Offset=1\nMax_Input_Len=0\nMax_Output_Len=0\nMax_Data_Len=0\n" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(std::to_string(entry.In) + " in, " + std::to_string(entry.Out) + " out");
        const std::string text = GSD_File_Text(entry.In, entry.Out);
        const std::string list = Section(text, "==\r\n\r\nModule=", "\r\n\r\n\r\n\r\nSlotDefinition");
        EXPECT_EQ(Section(text, "Max_Module=", "Max_Diag_Data_Len"), Crlf(entry.Lengths));
        if (*entry.Modules)
            EXPECT_EQ(list.substr(list.find("Module=")), Crlf(entry.Modules).substr(0, Crlf(entry.Modules).size() - 2));
        else
            EXPECT_EQ(Section(text, "Module-Definition-List", "SlotDefinition").find("EndModule"), std::string::npos);
    }
}

TEST(GSD_File_Text, FullDataAreasGive23ModulesOfEachKindAndASlotForEach)
{
    const std::vector<std::string> lines = Crlf_Lines(GSD_File_Text(1440, 1440));
    std::vector<std::string> modules, slotLines;
    for (const std::string& line : lines) {
        if (line.rfind("Module=", 0) == 0)
            modules.push_back(line);
        if (line.rfind("Slot(", 0) == 0)
            slotLines.push_back(line);
    }
    ASSERT_EQ(modules.size(), 46u);
    EXPECT_EQ(modules[0], "Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01");
    EXPECT_EQ(modules[21], "Module=\"DI  (PORT22)    \" 0x42,0x3F,0x00,0x16");
    EXPECT_EQ(modules[22], "Module=\"DI  (PORT23)    \" 0x42,0x1F,0x00,0x17");
    EXPECT_EQ(modules[23], "Module=\"DO  (PORT24)    \" 0x82,0x3F,0x00,0x18");
    EXPECT_EQ(modules[45], "Module=\"DO  (PORT46)    \" 0x82,0x1F,0x00,0x2E");
    ASSERT_EQ(slotLines.size(), 46u);
    EXPECT_EQ(slotLines[0], "Slot(1) = \"Slot 1\" 1 1");
    EXPECT_EQ(slotLines[45], "Slot(46) = \"Slot 46\" 46 46");
    for (const char* line : { "Max_Module=46", "Max_Input_Len=1440", "Max_Output_Len=1440", "Max_Data_Len=2880" })
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

using Create_GSD_File_Test = ExportTest;

TEST_F(Create_GSD_File_Test, WithoutParGenItSaysSoAndAsksNothing)
{
    Create_GSD_File();
    ASSERT_EQ(FServices.Requests().size(), 1u);
    EXPECT_EQ(FServices.Requests()[0].Text,
              u"Error! Please set the Set Communication Parameter before to create the GSD file");
    EXPECT_EQ(FServices.Requests()[0].Type, mtError);
}

TEST_F(Create_GSD_File_Test, NamesTheFileInTheProjectFolderWithItsExtension)
{
    Write_ParGen("<PROFINET_NB_IN>10</PROFINET_NB_IN><PROFINET_NB_OUT>0</PROFINET_NB_OUT>");
    const struct {
        const char* Typed;
        const char* Written;
    } cases[] = {
        { "plant", "plant.gsd" },
        { "PLANT.GSD", "PLANT.GSD" },
        { "plant.Gsd", "plant.Gsd" },
        { "plant.txt", "plant.txt.gsd" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Typed);
        FServices.Clear();
        FServices.AnswerSaveDialog(FProject.File(entry.Typed));
        Create_GSD_File();
        ASSERT_EQ(FServices.Requests().size(), 1u);
        EXPECT_EQ(FServices.Requests()[0].Kind, rkSaveDialog);
        EXPECT_EQ(FServices.Requests()[0].File.InitialDir, Project_Path);
        EXPECT_EQ(FServices.Requests()[0].File.Filter, u"Generic Station Description (*.gsd)|*.gsd");
        EXPECT_EQ(First_Difference(FProject.Read(entry.Written), GSD_File_Text(10, 0)), "");
    }
}

TEST_F(Create_GSD_File_Test, ReadsTheCountsOfEachExportAfresh)
{
    const struct {
        const char* Keys;
        int32_t In, Out;
    } cases[] = {
        { "<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>200</PROFINET_NB_OUT>", 100, 200 },
        { "", 0, 0 },
        { "<PROFINET_NB_IN>0x40</PROFINET_NB_IN><PROFINET_NB_OUT>twelve</PROFINET_NB_OUT>", 64, 0 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Keys);
        Write_ParGen(entry.Keys);
        FServices.AnswerSaveDialog(FProject.File("out.gsd"));
        if (FProject.Read("out.gsd") != "")
            FServices.AnswerMessage(mrYes);
        Create_GSD_File();
        EXPECT_EQ(First_Difference(FProject.Read("out.gsd"), GSD_File_Text(entry.In, entry.Out)), "");
    }
    EXPECT_EQ(FServices.PendingAnswers(), 0u);
}

TEST_F(Create_GSD_File_Test, ReplacesAnExistingFileOnlyOnYes)
{
    Write_ParGen("<PROFINET_NB_IN>10</PROFINET_NB_IN>");
    FProject.Write("old.gsd", "kept");
    FServices.AnswerSaveDialog(FProject.File("old"));
    FServices.AnswerMessage(mrNo);
    Create_GSD_File();
    EXPECT_EQ(FProject.Read("old.gsd"), "kept");
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[1].Text, u"File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(FServices.Requests()[1].Buttons, mbYesNo);

    FServices.AnswerSaveDialog(FProject.File("old.gsd"));
    FServices.AnswerMessage(mrYes);
    Create_GSD_File();
    EXPECT_EQ(First_Difference(FProject.Read("old.gsd"), GSD_File_Text(10, 0)), "");
}

TEST_F(Create_GSD_File_Test, CancellingTheDialogWritesNothing)
{
    Write_ParGen("");
    FServices.AnswerSaveDialog(String());
    Create_GSD_File();
    EXPECT_EQ(FServices.Requests().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(FProject.Native(".gsd")));
}

TEST_F(Create_GSD_File_Test, AFileThatCannotBeReadOrWrittenIsNamedAndNothingIsReportedAsDone)
{
    FProject.Write("ParGen.xml", "<Par_Gen><PROFINET_NB_IN>10</Par_Gen>");
    Create_GSD_File();
    ASSERT_EQ(FServices.Requests().size(), 1u) << "no save dialog after a broken ParGen.xml";
    EXPECT_EQ(FServices.Requests()[0].Type, mtError);
    EXPECT_TRUE(FServices.Requests()[0].Text.contains(u"ParGen.xml"));

    Write_ParGen("<PROFINET_NB_IN>10</PROFINET_NB_IN>");
    FServices.Clear();
    FServices.AnswerSaveDialog(FProject.File("missing/folder/out.gsd"));
    Create_GSD_File();
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[1].Type, mtError);
    EXPECT_TRUE(FServices.Requests()[1].Text.startsWith(u"Error! Cannot create the GSD file"));
    EXPECT_TRUE(FServices.Requests()[1].Text.contains(FProject.File("missing/folder/out.gsd")));
    EXPECT_FALSE(std::filesystem::exists(FProject.Native("missing")));
}

} // namespace
