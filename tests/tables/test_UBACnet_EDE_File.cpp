#include "tables/UBACnet_EDE_File.h"

#include "ExportTest.h"
#include "platform/core/DateUtils.h"
#include "platform/xml/XMLDocument.h"

#include <filesystem>

namespace {

std::string Header(const std::string& stamp)
{
    return "PROJECT_NAME; Morvane--Plant;;;;;;\r\n"
           "VERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
           "TIMESTAMP_OF_LAST_CHANGE;" + stamp + ";;;;;;\r\n"
           "AUTHOR_OF_LAST_CHANGE;Morvane;;;;;;\r\n"
           "VERSION_OF_LAYOUT;2;;;;;;\r\n"
           "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n"
           "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n";
}

std::string Row(const std::string& type, const std::string& unit, const std::string& mnemonic)
{
    return "<row Data_Type=\"" + type + "\" Eng_Unit=\"" + unit + "\" Position=\"0\" Bit=\"\" Length=\"4\" Swap=\"N\" Mnemonic=\""
        + mnemonic + "\"/>";
}

class EDE_Export_Test : public ExportTest {
protected:
    void Write_Objects(const std::string& readRows, const std::string& writeRows) const
    {
        FProject.Write("BACnet_Slave.xml", "<BACnet_to_Modbus><BACnet_in_Read>" + readRows + "</BACnet_in_Read><BACnet_in_Write>"
                                               + writeRows + "</BACnet_in_Write></BACnet_to_Modbus><!--SW_VERSION = 1.001-->");
    }
    // Exports into ede.csv at 05:06:07 on 4 March 2026 and answers the file's bytes.
    std::string Export()
    {
        TNowScope fixed(EncodeDate(2026, 3, 4) + EncodeTime(5, 6, 7, 0));
        EXPECT_TRUE(BACnet_EDE_Export(FXML, FProject.File("ede.csv")));
        EXPECT_TRUE(FServices.Requests().empty());
        return FProject.Read("ede.csv");
    }

    TXMLDocument FXML;
};

TEST_F(EDE_Export_Test, WritesTheHeaderAndOneLinePerObjectReadObjectsFirst)
{
    Write_Objects(Row("Analog Input", "62", "Boiler_Flow_Temperature_1") + Row("Multi State Value", "95", "Mode"),
                  Row("Multi State Value", "95", "Setpoint_Mode") + Row("Analog Value", "98", "Valve"));
    EXPECT_EQ(First_Difference(Export(), Header("05:06:07 04/03/2026")
                                             + "_Boiler_Flow_Temperature_1_0;;Boiler_Flow_Temp;0;0;Boiler_Flow_Temp;62;\r\n"
                                               "_Mode_0;;Mode;19;0;Mode;95;\r\n"
                                               "_Setpoint_Mode_1;;Setpoint_Mode;19;1;Setpoint_Mode;95;\r\n"
                                               "_Valve_0;;Valve;2;0;Valve;98;\r\n"),
              "");
}

TEST_F(EDE_Export_Test, TheSerialDeviceAndLongNamesComeFromParGen)
{
    Write_Objects(Row("Analog Input", "62", "Boiler_Flow_Temperature_1"), "");
    const struct {
        const char* Keys;
        const char* Line;
    } cases[] = {
        { "<BACnet_Type>1</BACnet_Type><BACnet_Ser_DEV_IDE>1234</BACnet_Ser_DEV_IDE><BACnet_DEV_IDE>99</BACnet_DEV_IDE>"
          "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>",
            "1234_Boiler_Flow_Temperature_1_0;1234;Boiler_Flow_Temperature_1;0;0;Boiler_Flow_Temperature_1;62;" },
        { "<BACnet_Type>0</BACnet_Type><BACnet_Ser_DEV_IDE>1234</BACnet_Ser_DEV_IDE><BACnet_DEV_IDE>99</BACnet_DEV_IDE>"
          "<BACnet_Desc_Chars_Limit>1 </BACnet_Desc_Chars_Limit>",
            "99_Boiler_Flow_Temperature_1_0;99;Boiler_Flow_Temp;0;0;Boiler_Flow_Temp;62;" },
        { "<BACnet_Type>x</BACnet_Type><BACnet_DEV_IDE> 7 </BACnet_DEV_IDE>",
            " 7 _Boiler_Flow_Temperature_1_0; 7 ;Boiler_Flow_Temp;0;0;Boiler_Flow_Temp;62;" },
        { "", "_Boiler_Flow_Temperature_1_0;;Boiler_Flow_Temp;0;0;Boiler_Flow_Temp;62;" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Keys);
        Write_ParGen(entry.Keys);
        const std::vector<std::string> lines = Crlf_Lines(Export());
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[7], entry.Line);
    }
}

TEST_F(EDE_Export_Test, TypeNumbersAndInstanceCountersPerType)
{
    const struct {
        const char* Text;
        int32_t Code;
    } types[] = {
        { "Analog Input", 0 }, { "ANALOG OUT", 1 }, { "  analog value ", 2 }, { "Binary Input", 3 },
        { "Binary Out", 4 }, { "Binary Value", 5 }, { "Multi State Input", 13 }, { "Multi State Output", 14 },
        { "Multi State Value", 19 }, { "Life Safety Point", 21 }, { "Life Safety Zone", 22 }, { "Accumulator", 23 },
        { "Access Door", 30 }, { "CharacterString Value", 40 }, { "DateTime Value", 44 }, { "Integer Value", 45 },
        { "Large Analog Value", 46 }, { "Positive Integer Value", 48 }, { "Octet String", 0 }, { "", 0 },
    };
    for (const auto& type : types) {
        SCOPED_TRACE(type.Text);
        EXPECT_EQ(EDE_Object_Type_Code(QString::fromLatin1(type.Text)), type.Code);
    }
    // A type the table does not know shares the counter of type 0.
    Write_Objects(Row("Analog Input", "1", "a") + Row("Octet String", "2", "b") + Row("Binary Value", "3", "c"),
                  Row("Analog Input", "4", "d") + Row("Binary Value", "5", "e"));
    const std::vector<std::string> lines = Crlf_Lines(Export());
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[7], "_a_0;;a;0;0;a;1;");
    EXPECT_EQ(lines[8], "_b_1;;b;0;1;b;2;");
    EXPECT_EQ(lines[9], "_c_0;;c;5;0;c;3;");
    EXPECT_EQ(lines[10], "_d_2;;d;0;2;d;4;");
    EXPECT_EQ(lines[11], "_e_1;;e;5;1;e;5;");
}

TEST_F(EDE_Export_Test, WindowsCodePageAndNoQuoting)
{
    Write_Objects(Row("Analog Input", "62", "T;°C €"), "");
    const std::vector<std::string> lines = Crlf_Lines(Export());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[7], "_T;\xB0" "C \x80_0;;T;\xB0" "C \x80;0;0;T;\xB0" "C \x80;62;");
}

TEST_F(EDE_Export_Test, TheTimestampIsTheLocalTimeOfTheExport)
{
    const struct {
        TDateTime When;
        const char* Text;
    } cases[] = {
        { EncodeDate(2026, 12, 31) + EncodeTime(23, 59, 58, 999), "23:59:58 31/12/2026" },
        { EncodeDate(987, 1, 2) + EncodeTime(0, 0, 0, 0), "00:00:00 02/01/987" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Text);
        TNowScope fixed(entry.When);
        EXPECT_EQ(EDE_Timestamp(), QString::fromLatin1(entry.Text));
    }
}

TEST_F(EDE_Export_Test, WithoutObjectsTheFileHoldsTheHeaderOnly)
{
    EXPECT_EQ(Export(), Header("05:06:07 04/03/2026"));
    Write_Objects("", "");
    EXPECT_EQ(Export(), Header("05:06:07 04/03/2026"));
}

TEST_F(EDE_Export_Test, AFileStartingWithACommentStillGivesItsObjects)
{
    FProject.Write("BACnet_Slave.xml", "<!-- edited by hand --><BACnet_to_Modbus><BACnet_in_Read>" + Row("Analog Input", "62", "a")
                                           + "<!-- note --></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
    const std::vector<std::string> lines = Crlf_Lines(Export());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[7], "_a_0;;a;0;0;a;62;");
}

TEST_F(EDE_Export_Test, AnUnreadableProjectFileIsNamedAndTheOldExportStays)
{
    const struct {
        const char* File;
        const char* Content;
        const char16_t* Named;
    } cases[] = {
        { "BACnet_Slave.xml", "<BACnet_to_Modbus><BACnet_in_Read></BACnet_to_Modbus>", u"BACnet_Slave.xml" },
        { "BACnet_Slave.xml", "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>", u"BACnet_in_Write" },
        { "BACnet_Slave.xml",
            "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Mnemonic=\"a\"/></BACnet_in_Read>"
            "<BACnet_in_Write/></BACnet_to_Modbus>",
            u"Eng_Unit" },
        { "ParGen.xml", "<Par_Gen><BACnet_Type>1</Par_Gen>", u"ParGen.xml" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Content);
        std::filesystem::remove(FProject.Native("ParGen.xml"));
        Write_Objects("", "");
        FProject.Write(entry.File, entry.Content);
        FProject.Write("ede.csv", "old export");
        FServices.Clear();
        EXPECT_FALSE(BACnet_EDE_Export(FXML, FProject.File("ede.csv")));
        ASSERT_EQ(FServices.Requests().size(), 1u);
        EXPECT_EQ(FServices.Requests()[0].Type, mtError);
        EXPECT_TRUE(FServices.Requests()[0].Text.contains(Str(entry.Named))) << FServices.Requests()[0].Text.toStdString();
        EXPECT_EQ(FProject.Read("ede.csv"), "old export");
    }
}

TEST_F(EDE_Export_Test, AWriteThatFailsIsNamedAndNotReportedAsDone)
{
    Write_Objects(Row("Analog Input", "62", "a"), "");
    EXPECT_FALSE(BACnet_EDE_Export(FXML, FProject.File("missing/ede.csv")));
    ASSERT_EQ(FServices.Requests().size(), 1u);
    EXPECT_EQ(FServices.Requests()[0].Type, mtError);
    EXPECT_TRUE(FServices.Requests()[0].Text.contains(FProject.File("missing/ede.csv")));
}

TEST_F(EDE_Export_Test, EachExportStartsAfresh)
{
    Write_Objects(Row("Analog Input", "62", "a"), "");
    Write_ParGen("<BACnet_DEV_IDE>5</BACnet_DEV_IDE>");
    EXPECT_EQ(Crlf_Lines(Export())[7], "5_a_0;5;a;0;0;a;62;");
    Write_ParGen("<BACnet_DEV_IDE>6</BACnet_DEV_IDE>");
    const std::vector<std::string> lines = Crlf_Lines(Export());
    ASSERT_EQ(lines.size(), 8u) << "no object of the first export is left over";
    EXPECT_EQ(lines[7], "6_a_0;6;a;0;0;a;62;") << "the counters start again at 0";
}

} // namespace
