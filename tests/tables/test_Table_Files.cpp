#include "TablesTest.h"

#include "tables/UKNXAccess.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UReceiveNMEA.h"
#include "tables/UTransmitNMEA.h"

#include <filesystem>
#include <functional>

namespace {

using TMake = std::function<std::unique_ptr<TTable_Editor>(TablesTest&)>;

// A file laid in the project, the editor shown on it, and what the grid and
// the one warning (or none) then hold.
struct TLoad_Case {
    const char* Name;
    std::function<std::unique_ptr<TTable_Editor>()> Make;
    std::string File;
    int32_t Grid;
    // Row, then the texts of its columns 1 and up.
    std::vector<std::pair<int32_t, std::vector<String>>> Rows;
    String Warning; // a part of the warning; empty: none
};

class TableFilesTest : public TablesTest {
protected:
    std::function<std::unique_ptr<TTable_Editor>()> Receive() { return [this] { return Make<TFReceiveNMEA>(); }; }
    std::function<std::unique_ptr<TTable_Editor>()> Send() { return [this] { return Make<TFTransmitNMEA>(); }; }
    std::function<std::unique_ptr<TTable_Editor>()> KNX() { return [this] { return Make<TFKNXAccess>(); }; }
    std::function<std::unique_ptr<TTable_Editor>()> Modbus()
    {
        return [this] { return Make<TFModbus_TCP_Master_Set_Access>(); };
    }

    // A receive file of count rows, PGN 1 to count.
    static std::string Receive_File(int32_t count, const std::string& prolog = "")
    {
        std::string xml = prolog + "<Receive_NMEA_2000>";
        for (int32_t row = 1; row <= count; ++row)
            xml += "<row PGN=\"" + std::to_string(row) + "\" SA=\"1\" TP=\"N\" FP=\"N\" TP_Start=\"\" TP_NByte=\"\" "
                   "Delete=\"N\" Mnemonic=\"m" + std::to_string(row) + "\"/>";
        return xml + "</Receive_NMEA_2000><!--SW_VERSION = 1.000-->";
    }
    static std::vector<String> Texts(std::initializer_list<const char*> texts)
    {
        std::vector<String> result;
        for (const char* text : texts)
            result.push_back(QString::fromUtf8(text));
        return result;
    }
};

TEST_F(TableFilesTest, LoadingFillsTheGrid)
{
    const std::string knxRow = "<row Enable=\"N\" Source_Address=\"1.1.1\" Destination_Address=\"1/1/1\" APCI=\"Read\" "
                               "Priority=\"%P\" Format=\"None\" Action=\"None\" MultiplicationFactor=\"\" Extended=\"N\" "
                               "ReTest=\"N\" On_Command=\"N\" On_Change=\"N\" On_Timer=\"N\" Poll_Time=\"\" Position=\"3\" "
                               "Bit_Mode=\"No\" Length=\"1\" TimeOut=\"0\" Mnemonic=\"k\"/>";
    const auto knx = [&knxRow](const char* priority) {
        std::string row = knxRow;
        row.replace(row.find("%P"), 2, priority);
        return "<BACnet_to_KNX><KNX_in_Read/><KNX_in_Write>" + row + "</KNX_in_Write></BACnet_to_KNX>";
    };
    const std::vector<TLoad_Case> cases = {
        { "a written file", Receive(), Receive_File(2), 0,
            { { 1, Texts({ "1", "1", "N", "N", "", "", "N", "m1" }) }, { 2, Texts({ "2", "1", "N", "N", "", "", "N", "m2" }) },
                { 3, Texts({ "", "", "", "", "", "", "", "" }) } },
            {} },
        { "a declaration and a comment before the root", Receive(),
            Receive_File(1, "<?xml version=\"1.0\"?>\n<!-- edited by hand -->\n"), 0,
            { { 1, Texts({ "1", "1", "N", "N", "", "", "N", "m1" }) } }, {} },
        { "comments among the rows are no rows", Receive(),
            "<Receive_NMEA_2000><!--a--><row PGN=\"5\"/><!--b--><row PGN=\"6\"/></Receive_NMEA_2000>", 0,
            { { 1, Texts({ "5", "", "N", "N", "", "", "N", "" }) }, { 2, Texts({ "6", "", "N", "N", "", "", "N", "" }) } },
            {} },
        { "missing receive attributes take their defaults without a word", Receive(),
            "<Receive_NMEA_2000><row PGN=\"7\"/></Receive_NMEA_2000>", 0,
            { { 1, Texts({ "7", "", "N", "N", "", "", "N", "" }) } }, {} },
        { "missing send attributes take their defaults", Send(),
            "<Receive_NMEA_2000><row PGN=\"7\"/></Receive_NMEA_2000>", 0,
            { { 1, Texts({ "", "7", "", "N", "", "N", "N", "N", "", "" }) } }, {} },
        { "more rows than the grid holds: the first 62 and a warning", Receive(), Receive_File(63), 0,
            { { 62, Texts({ "62", "1", "N", "N", "", "", "N", "m62" }) } },
            Text(3349) + "Receive_NMEA_2000" + Text(3350) + "63" + Text(3351) + "62" },
        { "a KNX priority out of the list reads Normal", KNX(), knx("normal"), 1,
            { { 1, Texts({ "N", "1.1.1", "1/1/1", "Read", "Normal", "None", "None", "", "N", "N", "N", "N", "N", "", "3",
                          "No", "1", "0", "k" }) } },
            {} },
        { "KNX rows past the table start enabled", KNX(), knx("Low"), 1,
            { { 2, Texts({ "Y", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "" }) } }, {} },
        { "a missing required attribute reads empty with one warning", KNX(),
            "<BACnet_to_KNX><KNX_in_Write><row Enable=\"Y\" Source_Address=\"1.1.2\"/><row Source_Address=\"1.1.3\"/>"
            "</KNX_in_Write></BACnet_to_KNX>",
            1,
            { { 2, Texts({ "Y", "1.1.3", "", "", "Normal", "None", "", "", "", "", "N", "", "N", "", "", "", "", "0", "" }) } },
            Text(3353) + "20" + Text(3354) + "Destination_Address" + Text(3355) + "1" },
        { "a missing section leaves its grid empty with a warning", KNX(), "<BACnet_to_KNX/>", 1,
            { { 1, Texts({ "Y", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "" }) } },
            Text(3352) + "KNX_in_Write" },
        { "a Modbus topic index outside the list reads empty", Modbus(),
            "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row Enable=\"Y\" IP_Address=\"127.0.0.1\" Port=\"502\" "
            "Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" PollTime=\"1\" MaxError=\"0\" Position=\"0\" "
            "Bit=\"0\" Index_Topic=\"-1\" Mnemonic=\"r\"/></Modbus_Read><Modbus_Write/></PROFINET_Master_to_Modbus_TCP_Master>",
            0,
            { { 1, Texts({ "Y", "127.0.0.1", "502", "1", "Coil Status", "0", "1", "1", "0", "0", "0", "N", "N", "", "r" }) } },
            {} },
        { "a file that does not parse: empty table and a warning", Receive(), "<Receive_NMEA_2000><row PGN=\"1\">", 0,
            { { 1, Texts({ "", "", "", "", "", "", "", "" }) } }, Text(3348) },
    };
    for (const TLoad_Case& entry : cases) {
        SCOPED_TRACE(entry.Name);
        std::unique_ptr<TTable_Editor> editor = entry.Make();
        Write_File(*editor->Layout().File, entry.File);
        FServices.Clear();
        Show(*editor);
        const std::vector<String> messages = FServices.Messages();
        if (!entry.Warning.isEmpty()) {
            ASSERT_EQ(messages.size(), 1U);
            EXPECT_TRUE(messages[0].contains(entry.Warning)) << messages[0].toStdString();
        } else {
            EXPECT_EQ(messages, std::vector<String> {});
        }
        for (const auto& [row, texts] : entry.Rows) {
            EXPECT_EQ(editor->Grid(entry.Grid).GetCellEx(0, row), QString::number(row));
            EXPECT_EQ(Row_Texts(editor->Grid(entry.Grid), row), texts) << "row " << row;
        }
        Remove_File(*editor->Layout().File);
    }
}

TEST_F(TableFilesTest, SavedFilesHoldTheRootTheCommentAndTheRowsAsTheyStand)
{
    struct Case {
        const char* Name;
        std::function<std::unique_ptr<TTable_Editor>()> Make;
        int32_t Grid;
        std::vector<String> Row;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        { "receive frames", Receive(), 0, Texts({ "0x10", "1", "Y", "N", "0", "4", "", "a <b> & \"c\"" }),
            "<Receive_NMEA_2000><row PGN=\"0x10\" SA=\"1\" TP=\"Y\" FP=\"N\" TP_Start=\"0\" TP_NByte=\"4\" Delete=\"\" "
            "Mnemonic=\"a &lt;b> &amp; &quot;c&quot;\"/></Receive_NMEA_2000><!--SW_VERSION = 1.000-->" },
        { "send frames carry the receive root", Send(), 0, Texts({ "3", "1", "2", "N", "8", "N", "N", "N", "", "w" }),
            "<Receive_NMEA_2000><row Priority=\"3\" PGN=\"1\" SA=\"2\" FP=\"N\" TP_NByte=\"8\" On_Request=\"N\" "
            "On_Data_Change=\"N\" On_Timer=\"N\" SendTimer=\"\" Mnemonic=\"w\"/></Receive_NMEA_2000><!--SW_VERSION = 1.000-->" },
        { "KNX writes its empty read section first", KNX(), 1,
            Texts({ "N", "bad", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "" }),
            "<BACnet_to_KNX><KNX_in_Read/><KNX_in_Write><row Enable=\"N\" Source_Address=\"bad\" Destination_Address=\"\" "
            "APCI=\"\" Priority=\"\" Format=\"\" Action=\"\" MultiplicationFactor=\"\" Extended=\"\" ReTest=\"\" "
            "On_Command=\"\" On_Change=\"\" On_Timer=\"\" Poll_Time=\"\" Position=\"\" Bit_Mode=\"\" Length=\"\" "
            "TimeOut=\"\" Mnemonic=\"\"/></KNX_in_Write></BACnet_to_KNX><!--SW_VERSION = 1.002-->" },
        { "a Modbus read request saves its topic as -1", Modbus(), 0,
            Texts({ "N", "x", "", "", "", "", "", "", "", "", "", "", "", "anything", "" }),
            "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row Enable=\"N\" IP_Address=\"x\" Port=\"\" Slave_ID=\"\" "
            "Type=\"\" Address=\"\" NPoint=\"\" PollTime=\"\" MaxError=\"\" Position=\"\" Bit=\"\" Swap=\"\" SwapWord=\"\" "
            "Index_Topic=\"-1\" Mnemonic=\"\"/></Modbus_Read><Modbus_Write/></PROFINET_Master_to_Modbus_TCP_Master>"
            "<!--SW_VERSION = 1.000-->" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.Name);
        std::unique_ptr<TTable_Editor> editor = entry.Make();
        Show(*editor);
        Fill_Row(editor->Grid(entry.Grid), 1, entry.Row);
        FServices.Clear();
        editor->Btn_OK->Click();
        EXPECT_EQ(FServices.Messages(), std::vector<String> {});
        EXPECT_EQ(editor->ModalResult(), mrOk);
        EXPECT_EQ(File_Bytes(*editor->Layout().File), entry.Expected);
        TXMLDocument parsed;
        EXPECT_NO_THROW(parsed.LoadFromFile(*editor->Layout().File));
        // Shown again, the dialog shows what it saved.
        Show(*editor);
        EXPECT_EQ(Row_Texts(editor->Grid(entry.Grid), 1).front(), entry.Row.front());
    }
}

TEST_F(TableFilesTest, AnEmptyTableSavesTheRootAndTheCommentOnly)
{
    auto editor = Make<TFModbus_TCP_Master_Set_Access>();
    Show(*editor);
    editor->Btn_OK->Click();
    EXPECT_EQ(File_Bytes(File_ModbusTCPM_SetAccess),
        "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read/><Modbus_Write/></PROFINET_Master_to_Modbus_TCP_Master>"
        "<!--SW_VERSION = 1.000-->");
}

TEST_F(TableFilesTest, AHandEditedFileIsNeverOverwrittenByAnEmptyTable)
{
    auto editor = Make<TFReceiveNMEA>();
    Write_File(File_NMEA_Rec_Frames, Receive_File(3, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- mine -->\r\n"));
    Show(*editor);
    editor->Btn_OK->Click();
    EXPECT_EQ(File_Bytes(File_NMEA_Rec_Frames), Receive_File(3));
}

TEST_F(TableFilesTest, OKAsksBeforeWritingLessThanTheFileHeld)
{
    struct Case {
        const char* Name;
        std::string File;
        TModalResult Answer;
        bool Written;
    };
    const std::vector<Case> cases = {
        { "too many rows, answered No", Receive_File(70), mrNo, false },
        { "too many rows, answered Yes", Receive_File(70), mrYes, true },
        { "a file that does not parse, answered No", "<Receive_NMEA_2000><row", mrNo, false },
        { "a file that does not parse, answered Yes", "<Receive_NMEA_2000><row", mrYes, true },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.Name);
        auto editor = Make<TFReceiveNMEA>();
        Write_File(File_NMEA_Rec_Frames, entry.File);
        Show(*editor);
        FServices.Clear();
        FServices.AnswerMessage(entry.Answer);
        editor->Btn_OK->Click();
        ASSERT_EQ(FServices.Requests().size(), 1U);
        EXPECT_EQ(FServices.Requests()[0].Type, mtConfirmation);
        EXPECT_EQ(editor->ModalResult() == mrOk, entry.Written);
        if (entry.Written)
            EXPECT_NE(File_Bytes(File_NMEA_Rec_Frames), entry.File);
        else
            EXPECT_EQ(File_Bytes(File_NMEA_Rec_Frames), entry.File);
        // Once written, the table is the file: no question any more.
        if (entry.Written) {
            FServices.Clear();
            editor->SetModalResult(mrNone);
            editor->Btn_OK->Click();
            EXPECT_TRUE(FServices.Requests().empty());
        }
    }
}

TEST_F(TableFilesTest, AFileThatCannotBeWrittenIsNamedAndTheDialogStaysOpen)
{
    auto editor = Make<TFTransmitNMEA>();
    Show(*editor);
    // A folder where the file belongs: the rename over it fails.
    std::filesystem::create_directories(File_NMEA_Send_Frames.toStdString() + "/inside");
    Fill_Row(*editor->sga, 1, Texts({ "3", "1", "2", "N", "8", "N", "N", "N", "", "w" }));
    FServices.Clear();
    editor->Btn_OK->Click();
    ASSERT_EQ(FServices.Messages().size(), 1U);
    EXPECT_TRUE(FServices.Messages()[0].contains(File_NMEA_Send_Frames));
    EXPECT_NE(editor->ModalResult(), mrOk);
    EXPECT_TRUE(std::filesystem::is_directory(File_NMEA_Send_Frames.toStdString() + "/inside"));
    // Nothing is left beside it half-written.
    int32_t files = 0;
    for (const auto& item : std::filesystem::directory_iterator(Project_Path.toStdString()))
        files += item.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 0);
}

TEST_F(TableFilesTest, CancelLeavesTheFileAndTheNextShowingShowsIt)
{
    auto editor = Make<TFReceiveNMEA>();
    Write_File(File_NMEA_Rec_Frames, Receive_File(1));
    Show(*editor);
    editor->sga->SetCellEx(1, 1, QStringLiteral("999"));
    editor->Btn_Cancel->Click();
    EXPECT_EQ(editor->ModalResult(), mrCancel);
    EXPECT_EQ(File_Bytes(File_NMEA_Rec_Frames), Receive_File(1));
    Show(*editor);
    EXPECT_EQ(editor->sga->GetCellEx(1, 1), QStringLiteral("1"));
}

} // namespace
