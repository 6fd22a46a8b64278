#include "tables/UProfinetXML.h"

#include "ExportTest.h"
#include "platform/xml/XMLDocument.h"

#include <filesystem>

namespace {

const std::string Bom = "\xEF\xBB\xBF";

std::vector<std::string> GSDML_Lines_Of(const std::string& bytes)
{
    EXPECT_EQ(bytes.substr(0, 3), Bom);
    EXPECT_TRUE(Every_Line_Ends_In_Crlf(bytes));
    return Crlf_Lines(bytes.substr(3));
}

// The station name as the device access point carries it after the file is read back.
String Station_Read_Back(const String& fileName)
{
    TXMLDocument document;
    document.LoadFromFile(fileName);
    const TXMLNode item = document.TopElement(QStringLiteral("ISO15745Profile"))
                              .ChildNode(QStringLiteral("ProfileBody"))
                              .ChildNode(QStringLiteral("ApplicationProcess"))
                              .ChildNode(QStringLiteral("DeviceAccessPointList"))
                              .ChildNode(QStringLiteral("DeviceAccessPointItem"));
    EXPECT_EQ(item.AttributeText(QStringLiteral("DNS_CompatibleName")), item.AttributeText(QStringLiteral("ImplementationType")));
    return item.AttributeText(QStringLiteral("ImplementationType"));
}

std::string Access_Point_Line(const std::string& station)
{
    return "\t\t\t  <DeviceAccessPointItem PNIO_Version=\"V2.3\" RequiredSchemaVersion=\"V2.25\" ID=\"IDD_1\" "
           "PhysicalSlots=\"0..4\" ModuleIdentNumber=\"0x00000001\" MinDeviceInterval=\"64\" ImplementationType=\""
        + station + "\" DNS_CompatibleName=\"" + station
        + "\" FixedInSlots=\"0\" ObjectUUID_LocalIndex=\"1\" MultipleWriteSupported=\"true\" "
          "MaxSupportedRecordSize=\"8192\" ParameterizationSpeedupSupported=\"true\" PowerOnToCommReady=\"350\" "
          "DeviceAccessSupported=\"true\" SharedDeviceSupported=\"true\" CheckDeviceID_Allowed=\"false\" "
          "NameOfStationNotTransferable=\"true\">";
}

TEST(GSDML_File_Bytes, KeepsEveryLineAndItsIndentation)
{
    const std::vector<std::string> lines = GSDML_Lines_Of(GSDML_File_Bytes(100, 200, QStringLiteral("SERIAL")));
    ASSERT_EQ(lines.size(), 167u);
    const struct {
        size_t Number;
        const char* Text;
    } expected[] = {
        { 1, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" },
        { 2, "<!-- A fieldbus integration example. -->" },
        { 3, "<ISO15745Profile xmlns=\"http://www.profibus.com/GSDML/2003/11/DeviceProfile\" "
             "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
             "xsi:schemaLocation=\"http://www.profibus.com/GSDML/2003/11/DeviceProfile ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd\">" },
        { 4, "\t<ProfileHeader>" },
        { 39, "\t\t\t\t\t<IOConfigData MaxInputLength=\"1440\" MaxOutputLength=\"1440\" MaxDataLength=\"2880\"/>" },
        { 44, "\t\t\t\t\t\t<VirtualSubmoduleItem ID=\"IDS_V1\" SubmoduleIdentNumber=\"0x00000000\" >" },
        { 45, "\t\t\t\t\t    <IOData IOPS_Length=\"1\" IOCS_Length=\"1\"/>" },
        { 74, "\t\t\t  \t\t<VirtualSubmoduleItem ID=\"IDM_1\" SubmoduleIdentNumber=\"0x00000001\" >" },
        { 75, "\t\t\t  \t\t  <IOData IOPS_Length=\"1\" IOCS_Length=\"1\" >" },
        { 76, "   \t\t\t  \t\t     <Input> <DataItem DataType=\"OctetString\" Length=\"200\" TextId=\"IDT_Input_1\"/> </Input>" },
        { 77, "\t\t\t  \t\t     <Output><DataItem DataType=\"OctetString\" Length=\"100\" TextId=\"IDT_Output_1\"/></Output>" },
        { 79, "\t\t\t  \t   \t  <RecordDataList>" },
        { 80, "                                            <ParameterRecordDataItem Index=\"128\" Length=\"2\" >" },
        { 85, "                      \t\t\t          <MenuItem ID=\"IDT_NAME_M1_IDT_REF_channel\">" },
        { 97, "\t\t\t  \t  \t  <Name TextId=\"IDT_NAME_M1\"/>" },
        { 99, "\t   \t\t  \t  </ModuleInfo>" },
        { 100, "\t\t     \t\t</VirtualSubmoduleItem>" },
        { 104, "         <ValueList>" },
        { 143, "\t\t\t\t\t<Text TextId=\"IDT_NAME_M_PB1\" Value=\"ENOCEAN Device \"/>" },
        { 158, "                    <Text TextId=\"IDT_REF_reaction_to_cpu_stop\" Value=\"Reaction to CPU STOP\"/>" },
        { 166, "\t</ProfileBody>" },
        { 167, "</ISO15745Profile>" },
    };
    for (const auto& line : expected) {
        SCOPED_TRACE(line.Number);
        EXPECT_EQ(lines[line.Number - 1], line.Text);
    }
    EXPECT_EQ(lines[25], Access_Point_Line("SERIAL"));
}

TEST(GSDML_File_Bytes, EscapesTheStationNameSoTheFileStillParses)
{
    const struct {
        const char16_t* Station;
        const char* Written;
    } cases[] = {
        { u"PLC-1", "PLC-1" },
        { u"a<b>&\"c\"", "a&lt;b&gt;&amp;&quot;c&quot;" },
        { u"  spaced  ", "  spaced  " },
        { u"line\nbreak", "line&#10;break" },
        { u"bell\x07", "bell?" },
        { u"Straße", "Straße" },
        { u"$NB_IN$-$NB_OUT$", "$NB_IN$-$NB_OUT$" },
        { u"$STATION$", "$STATION$" },
    };
    TTestFolder folder;
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Written);
        const std::string bytes = GSDML_File_Bytes(1438, 1438, Str(entry.Station));
        EXPECT_EQ(GSDML_Lines_Of(bytes)[25], Access_Point_Line(entry.Written));
        folder.Write("station.xml", bytes);
        const String readBack = Station_Read_Back(folder.File("station.xml"));
        if (!Str(entry.Station).contains(u'\x07')) {
            EXPECT_EQ(readBack, Str(entry.Station));
        }
    }
}

using GSDML_Export_Test = ExportTest;

TEST_F(GSDML_Export_Test, TakesItsParametersFromParGenOrTheirDefaults)
{
    const struct {
        const char* Keys; // null: no ParGen.xml
        const char* Station;
        const char* In;
        const char* Out;
    } cases[] = {
        { nullptr, "SERIAL", "1438", "1438" },
        { "", "SERIAL", "1438", "1438" },
        { "<PROFINET_NB_IN>100</PROFINET_NB_IN><PROFINET_NB_OUT>200</PROFINET_NB_OUT>"
          "<PROFINET_NAME_STA>plc-north</PROFINET_NAME_STA>", "plc-north", "100", "200" },
        { "<PROFINET_NAME_STA>   </PROFINET_NAME_STA><PROFINET_NB_IN>ten</PROFINET_NB_IN>", "SERIAL", "1438", "1438" },
        { "<PROFINET_NAME_STA> gw 2 </PROFINET_NAME_STA><PROFINET_NB_OUT>-5</PROFINET_NB_OUT>", " gw 2 ", "1438", "-5" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Keys ? entry.Keys : "no ParGen.xml");
        std::filesystem::remove(FProject.Native("ParGen.xml"));
        if (entry.Keys)
            Write_ParGen(entry.Keys);
        Write_GSDML_File(FProject.File("out.xml"));
        const std::vector<std::string> lines = GSDML_Lines_Of(FProject.Read("out.xml"));
        ASSERT_EQ(lines.size(), 167u);
        EXPECT_EQ(lines[25], Access_Point_Line(entry.Station));
        EXPECT_NE(lines[75].find(std::string("Length=\"") + entry.Out + "\" TextId=\"IDT_Input_1\""), std::string::npos);
        EXPECT_NE(lines[76].find(std::string("Length=\"") + entry.In + "\" TextId=\"IDT_Output_1\""), std::string::npos);
        EXPECT_EQ(Station_Read_Back(FProject.File("out.xml")), QString::fromUtf8(entry.Station));
    }
}

TEST_F(GSDML_Export_Test, TheDialogChoosesOnlyTheFolder)
{
    const String name = QStringLiteral("GSDML-V2.31-Morvane-DV-TX211-20261211.xml");
    FServices.AnswerSaveDialog(FProject.File("sub/typed-other-name.xml"));
    std::filesystem::create_directories(FProject.Native("sub"));
    Save_GSDML_File(name);
    ASSERT_EQ(FServices.Requests().size(), 1u);
    const TFileDialogRequest& request = FServices.Requests()[0].File;
    EXPECT_EQ(request.InitialDir, Project_Path);
    EXPECT_EQ(request.Filter, QStringLiteral("PROFINET XML (*.xml)|") + name);
    EXPECT_EQ(request.FileName, name);
    EXPECT_EQ(GSDML_Lines_Of(FProject.Read("sub/" + name.toStdString())).size(), 167u);
    EXPECT_FALSE(std::filesystem::exists(FProject.Native("sub/typed-other-name.xml")));
}

TEST_F(GSDML_Export_Test, ANameThatNamesAFolderStaysInTheChosenOne)
{
    FServices.AnswerSaveDialog(FProject.File("x.xml"));
    Save_GSDML_File(QStringLiteral("../escaped.xml"));
    EXPECT_FALSE(std::filesystem::exists(FProject.Native("../escaped.xml")));
    EXPECT_TRUE(std::filesystem::exists(FProject.Native("escaped.xml")));
}

TEST_F(GSDML_Export_Test, ReplacesAnExistingFileOnlyOnYes)
{
    FProject.Write("gsdml.xml", "kept");
    FServices.AnswerSaveDialog(FProject.File("gsdml.xml"));
    FServices.AnswerMessage(mrNo);
    Save_GSDML_File(QStringLiteral("gsdml.xml"));
    EXPECT_EQ(FProject.Read("gsdml.xml"), "kept");
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[1].Text, u"File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(FServices.Requests()[1].Buttons, mbYesNo);

    FServices.AnswerSaveDialog(FProject.File("gsdml.xml"));
    FServices.AnswerMessage(mrYes);
    Save_GSDML_File(QStringLiteral("gsdml.xml"));
    EXPECT_EQ(GSDML_Lines_Of(FProject.Read("gsdml.xml")).size(), 167u);
}

TEST_F(GSDML_Export_Test, CancelWritesNothing)
{
    FServices.AnswerSaveDialog(String());
    Save_GSDML_File(QStringLiteral("gsdml.xml"));
    EXPECT_FALSE(std::filesystem::exists(FProject.Native("gsdml.xml")));
    EXPECT_EQ(FServices.Requests().size(), 1u);
}

TEST_F(GSDML_Export_Test, FailuresNameTheFileAndWriteNothing)
{
    FServices.AnswerSaveDialog(FProject.File("missing/x.xml"));
    Save_GSDML_File(QStringLiteral("gsdml.xml"));
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[1].Type, mtError);
    EXPECT_TRUE(FServices.Requests()[1].Text.contains(FProject.File("missing/gsdml.xml")));

    FProject.Write("ParGen.xml", "<Par_Gen><PROFINET_NB_IN>1</Par_Gen>");
    FServices.Clear();
    FServices.AnswerSaveDialog(FProject.File("gsdml.xml"));
    Save_GSDML_File(QStringLiteral("gsdml.xml"));
    ASSERT_EQ(FServices.Requests().size(), 2u);
    EXPECT_EQ(FServices.Requests()[1].Type, mtError);
    EXPECT_TRUE(FServices.Requests()[1].Text.contains(u"ParGen.xml"));
    EXPECT_FALSE(std::filesystem::exists(FProject.Native("gsdml.xml")));
}

} // namespace
