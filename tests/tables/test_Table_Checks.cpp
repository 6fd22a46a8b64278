#include "TablesTest.h"

#include "tables/UBACnetSlaveSetAccess.h"
#include "tables/UKNXAccess.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UMQTT_Set_Topic.h"
#include "tables/UReceiveNMEA.h"
#include "tables/UTransmitNMEA.h"

#include <functional>

namespace {

const std::string Untouched = "<kept>as it was</kept>";

// The harness every editor's checks run through: for each case a fresh
// showing, the rows typed, OK pressed; then either the one message and the
// file as it was, or no message, the dialog closed with OK and the file
// holding exactly the typed rows.
class TableChecksTest : public TablesTest {
protected:
    void Run(TTable_Editor& editor, const std::vector<std::vector<const char*>>& passingRows,
        const std::vector<TOK_Case>& cases)
    {
        for (const TOK_Case& entry : cases) {
            SCOPED_TRACE(entry.Name);
            const String& fileName = *editor.Layout().File;
            Remove_File(fileName);
            Show(editor);
            Write_File(fileName, Untouched);
            TDudColumnGrid& grid = editor.Grid(entry.Grid);
            std::vector<std::vector<String>> typed;
            for (int32_t turn = 0; turn < entry.Repeat; ++turn)
                for (const TRow_Edits& edits : entry.Rows) {
                    std::vector<String> cells;
                    for (const char* text : passingRows[static_cast<size_t>(entry.Grid)])
                        cells.push_back(QString::fromUtf8(text));
                    for (const TCell_Edit& edit : edits)
                        cells[static_cast<size_t>(edit.Col - 1)] = QString::fromUtf8(edit.Text);
                    typed.push_back(cells);
                    Fill_Row(grid, static_cast<int32_t>(typed.size()), cells);
                }
            FServices.Clear();
            editor.Btn_OK->Click();
            if (!entry.Message.isEmpty()) {
                EXPECT_EQ(FServices.Messages(), std::vector<String> { entry.Message });
                EXPECT_NE(editor.ModalResult(), mrOk);
                EXPECT_EQ(File_Bytes(fileName), Untouched);
                continue;
            }
            EXPECT_EQ(FServices.Messages(), std::vector<String> {});
            EXPECT_EQ(editor.ModalResult(), mrOk);
            Expect_Saved_Rows(editor, entry.Grid, typed);
        }
    }

    // The saved file holds the rows of the table, each cell as it stands.
    void Expect_Saved_Rows(TTable_Editor& editor, int32_t gridIndex, const std::vector<std::vector<String>>& typed)
    {
        TXMLDocument document;
        ASSERT_NO_THROW(document.LoadFromFile(*editor.Layout().File));
        const TTable_Grid& info = editor.Layout().Grids[static_cast<size_t>(gridIndex)];
        TXMLNode section = document.FirstNode();
        if (info.Section)
            section = section.ChildNode(QString::fromLatin1(info.Section));
        const int32_t tableRows = editor.Table_Rows(gridIndex);
        ASSERT_EQ(section.ChildCount(), tableRows);
        for (int32_t row = 0; row < tableRows; ++row) {
            for (size_t col = 1; col < info.Columns.size(); ++col) {
                // The topic is saved as its index (TableFilesTest).
                if (!info.Columns[col].Attribute
                    || QLatin1String(info.Columns[col].Attribute) == QLatin1String("Index_Topic"))
                    continue;
                EXPECT_EQ(section.Child(row).AttributeText(QString::fromLatin1(info.Columns[col].Attribute)),
                    typed[static_cast<size_t>(row)][col - 1])
                    << "row " << row + 1 << " " << info.Columns[col].Attribute;
            }
        }
    }
};

TEST_F(TableChecksTest, ReceiveFrames)
{
    auto editor = Make<TFReceiveNMEA>();
    const auto error = [](int32_t row, int32_t text) { return Row_Error(3231, row, text); };
    const TRow_Edits tp = { { 3, "Y" } };
    const std::vector<TOK_Case> cases = {
        { "a single frame without a window passes", { {} }, {} },
        { "transport 1785 + 0 passes", { { { 3, "Y" }, { 5, "1785" }, { 6, "0" } } }, {} },
        { "transport 1785 + 1 fails", { { { 3, "Y" }, { 5, "1785" }, { 6, "1" } } }, error(1, 3235) },
        { "transport start 1786 fails", { { { 3, "Y" }, { 5, "1786" }, { 6, "0" } } }, error(1, 3234) },
        { "transport without N Byte fails", { { { 3, "Y" }, { 5, "0" } } }, error(1, 3235) },
        { "fast packet 200 + 23 passes", { { { 4, "Y" }, { 5, "200" }, { 6, "23" } } }, {} },
        { "fast packet 200 + 24 fails", { { { 4, "Y" }, { 5, "200" }, { 6, "24" } } }, error(1, 3237) },
        { "fast packet start 224 fails", { { { 4, "Y" }, { 5, "224" }, { 6, "0" } } }, error(1, 3236) },
        { "both ticked count as transport", { { { 3, "Y" }, { 4, "Y" }, { 5, "1000" }, { 6, "500" } } }, {} },
        { "62 single frames of 8 bytes pass", { {} }, {}, 0, 62 },
        { "single 2 + 6 passes", { { { 5, "2" }, { 6, "6" } } }, {} },
        { "single 3 + 6 fails", { { { 5, "3" }, { 6, "6" } } }, error(1, 3241) },
        { "single with only a start fails", { { { 5, "2" } } }, error(1, 3238) },
        { "a start of blanks counts as empty", { { { 5, " " }, { 6, "4" } } }, error(1, 3238) },
        { "single 0 + 8 passes", { { { 5, "0" }, { 6, "8" } } }, {} },
        { "single 8 + 0 passes", { { { 5, "8" }, { 6, "0" } } }, {} },
        { "single start that is no number fails", { { { 5, "x" }, { 6, "4" } } }, error(1, 3356) },
        { "single negative start fails", { { { 5, "-1" }, { 6, "4" } } }, error(1, 3356) },
        { "single start 9 fails", { { { 5, "9" }, { 6, "0" } } }, error(1, 3356) },
        { "single negative count fails", { { { 5, "0" }, { 6, "-1" } } }, error(1, 3357) },
        { "single count 9 fails", { { { 5, "0" }, { 6, "9" } } }, error(1, 3357) },
        { "513 bytes fail at the entry past 512", { { { 3, "Y" }, { 5, "0" }, { 6, "505" } }, {} },
            Total_Error(3242, 512) },
        { "PGN 0x1FFFF passes", { { { 1, "0x1FFFF" } } }, {} },
        { "PGN $10 passes", { { { 1, "$10" } } }, {} },
        { "PGN with a leading blank passes", { { { 1, " 16" } } }, {} },
        { "PGN with a trailing blank fails", { { { 1, "16 " } } }, error(1, 3232) },
        { "PGN 131072 fails", { { { 1, "131072" } } }, error(1, 3232) },
        { "SA 240 fails", { { { 2, "240" } } }, error(1, 3233) },
        { "a PGN of one blank does not end the table", { {}, { { 1, " " } } }, error(2, 3232) },
        { "rows after an empty PGN are dropped", { {}, { { 1, "" }, { 2, "999" } }, tp }, {} },
    };
    Run(*editor, { { "127250", "1", "N", "N", "", "", "N", "Heading" } }, cases);
}

TEST_F(TableChecksTest, SendFrames)
{
    auto editor = Make<TFTransmitNMEA>();
    const auto error = [](int32_t row, int32_t text, const char* limit = "") { return Row_Error(3335, row, text, limit); };
    const std::vector<TOK_Case> cases = {
        { "a frame passes", { {} }, {} },
        { "an empty Num Byte fails", { { { 5, "" } } }, error(1, 3339, "512") },
        { "Num Byte 513 fails", { { { 5, "513" } } }, error(1, 3339, "512") },
        { "Num Byte 512 passes", { { { 5, "512" } } }, {} },
        { "one more byte fails the total", { { { 5, "512" } }, { { 5, "1" } } }, Total_Error(3340, 512) },
        { "On Timer with Send Timer 0 fails", { { { 8, "Y" }, { 9, "0" } } }, error(1, 3341) },
        { "On Timer with Send Timer 65535 passes", { { { 8, "Y" }, { 9, "65535" } } }, {} },
        { "without On Timer the Send Timer is not checked", { { { 8, "N" }, { 9, "" } } }, {} },
        { "Priority 8 fails", { { { 1, "8" } } }, error(1, 3336) },
        { "an empty Priority fails", { { { 1, "" } } }, error(1, 3336) },
        { "PGN 131072 fails", { { { 2, "131072" } } }, error(1, 3337) },
        { "SA 240 fails", { { { 3, "240" } } }, error(1, 3338) },
        { "a row without PGN ends the table", { {}, { { 1, "9" }, { 2, "" } }, { { 1, "9" } } }, {} },
    };
    Run(*editor, { { "3", "130306", "2", "N", "8", "N", "N", "N", "", "Wind" } }, cases);
}

TEST_F(TableChecksTest, KNXTelegrams)
{
    auto editor = Make<TFKNXAccess>();
    const auto error = [](int32_t row, int32_t text, const char* limit = "") { return Row_Error(2143, row, text, limit); };
    const std::vector<TOK_Case> cases = {
        { "a telegram passes", { {} }, {}, 1 },
        { "a disabled entry is neither checked nor dropped", { { { 1, "N" }, { 2, "x" } } }, {}, 1 },
        { "an address with blanks around it passes", { { { 2, " 1.1.1 " }, { 3, " 1/2/3 " } } }, {}, 1 },
        { "source 16.0.1 fails", { { { 2, "16.0.1" } } }, error(1, 2153), 1 },
        { "individual destination 1.1.256 fails", { { { 3, "1.1.256" } } }, error(1, 2154), 1 },
        { "group destination 32/0 fails", { { { 3, "32/0" } } }, error(1, 2155), 1 },
        { "APCI read passes", { { { 4, "read" } } }, {}, 1 },
        { "APCI 1023 passes", { { { 4, "1023" } } }, {}, 1 },
        { "APCI 1024 fails", { { { 4, "1024" } } }, error(1, 2156), 1 },
        { "Priority normal fails", { { { 5, "normal" } } }, error(1, 2157), 1 },
        { "a Format of blanks fails", { { { 6, " " } } }, error(1, 2158), 1 },
        { "an empty Action fails", { { { 7, "" } } }, error(1, 2168), 1 },
        { "a condition without a factor fails", { { { 7, "Send TRUE when equal" } } }, error(1, 2159), 1 },
        { "a factor with a comma converts", { { { 8, "1,5" } } }, {}, 1 },
        { "a factor that is no number fails", { { { 8, "abc" } } }, error(1, 2159), 1 },
        { "On Timer without a Poll Time fails", { { { 13, "Y" } } }, error(1, 2160), 1 },
        { "Position 1439 fails", { { { 15, "1439" } } }, error(1, 2161, "1438"), 1 },
        { "Bit Mode 8 fails", { { { 16, "8" } } }, error(1, 2162), 1 },
        { "14 bytes pass", { { { 17, "14" } } }, {}, 1 },
        { "15 bytes fail", { { { 17, "15" } } }, error(1, 2163, "14"), 1 },
        { "extended 255 bytes pass", { { { 9, "Y" }, { 17, "255" } } }, {}, 1 },
        { "extended 256 bytes fail", { { { 9, "Y" }, { 17, "256" } } }, error(1, 2163, "255"), 1 },
        { "2040 bits from bit 7 at 1183 pass", { { { 9, "Y" }, { 15, "1183" }, { 16, "7" }, { 17, "2040" } } }, {}, 1 },
        { "2040 bits from bit 7 at 1184 fail",
            { { { 9, "Y" }, { 15, "1184" }, { 16, "7" }, { 17, "2040" } } }, error(1, 2164, "1439"), 1 },
        { "TimeOut beyond 100000000 fails", { { { 18, "100000001" } } }, error(1, 2165), 1 },
        { "the failing entry's row is named", { {}, { { 3, "x" } } }, error(2, 2155), 1 },
    };
    Run(*editor, { {}, { "Y", "1.1.20", "1/2/3", "Write", "Normal", "None", "None", "", "N", "N", "N", "N", "N", "", "0",
                           "No", "2", "0", "Lamp" } },
        cases);
}

TEST_F(TableChecksTest, ModbusRequests)
{
    auto editor = Make<TFModbus_TCP_Master_Set_Access>();
    const auto error = [](int32_t row, int32_t text, const char* limit = "") { return Row_Error(3038, row, text, limit); };
    const std::vector<TOK_Case> cases = {
        { "a read request passes", { {} }, {} },
        { "125 registers at 1250 end at 1499", { { { 7, "125" }, { 10, "1250" } } }, {} },
        { "125 registers at 1251 do not fit", { { { 7, "125" }, { 10, "1251" } } }, error(1, 3049) },
        { "2000 statuses from bit 0 at 1250 fit", { { { 5, "Input Status" }, { 7, "2000" }, { 10, "1250" }, { 11, "0" } } }, {} },
        { "2000 statuses from bit 1 at 1250 do not",
            { { { 5, "Input Status" }, { 7, "2000" }, { 10, "1250" }, { 11, "1" } } }, error(1, 3049) },
        { "a status without a start bit fails", { { { 5, "Coil Status" }, { 11, "" } } }, error(1, 3048) },
        { "126 registers fail", { { { 7, "126" } } }, error(1, 3044, "125") },
        { "read Poll Time 0 fails", { { { 8, "0" } } }, error(1, 3099) },
        { "Slave ID 0 fails", { { { 4, "0" } } }, error(1, 3041) },
        { "Port 65536 fails", { { { 3, "65536" } } }, error(1, 3040) },
        { "an address part of 256 fails", { { { 2, "127.0.0.256" } } }, error(1, 3039) },
        { "three parts fail", { { { 2, "127.0.1" } } }, error(1, 3039) },
        { "five parts fail", { { { 2, "127.0.0.1.1" } } }, error(1, 3039) },
        { "a blank after the last digit fails", { { { 2, "127.0.0.1 " } } }, error(1, 3039) },
        { "an empty Type fails", { { { 5, "" } } }, error(1, 3042) },
        { "Position 1500 fails", { { { 10, "1500" } } }, error(1, 3047, "1499") },
        { "a disabled request passes as typed", { { { 1, "N" }, { 2, "nowhere" } } }, {} },
        { "a write request passes with Poll Time 0", { {} }, {}, 1 },
        { "124 write registers fail", { { { 7, "124" } } }, error(1, 3055, "123"), 1 },
        { "1968 coils pass", { { { 5, "Coil Status" }, { 7, "1968" } } }, {}, 1 },
        { "a coil without a start bit fails", { { { 5, "Coil Status" }, { 13, "" } } }, error(1, 3059), 1 },
        { "write Position 1500 fails", { { { 12, "1500" } } }, error(1, 3058, "1499"), 1 },
        { "write registers past the area fail", { { { 7, "100" }, { 12, "1400" } } }, error(1, 3060), 1 },
        { "write slave address checked", { { { 2, "1.2.3" } } }, error(1, 3050), 1 },
    };
    Run(*editor,
        { { "Y", "127.0.0.1", "502", "1", "Holding Register", "0", "10", "1000", "0", "0", "0", "N", "N", "", "Tank" },
            { "Y", "127.0.0.1", "502", "1", "Holding Register", "0", "10", "0", "N", "N", "0", "0", "0", "N", "N",
                "Valve" } },
        cases);
}

TEST_F(TableChecksTest, BACnetObjects)
{
    auto editor = Make<TFBACnetSlaveSetAccess>();
    const auto error = [](int32_t text, const char* limit = "") { return Row_Error(1932, 1, text, limit); };
    std::vector<TOK_Case> cases = {
        { "a read object passes", { {} }, {} },
        { "4 bytes at 1496 end at 1499", { { { 3, "1496" } } }, {} },
        { "4 bytes at 1497 do not fit", { { { 3, "1497" } } }, error(1946) },
        { "Eng. Unit 65535 passes", { { { 2, "65535" } } }, {} },
        { "Eng. Unit 65536 fails", { { { 2, "65536" } } }, error(1933) },
        { "an empty Eng. Unit fails", { { { 2, "" } } }, error(1933) },
        { "Position 1500 fails", { { { 3, "1500" } } }, error(1934, "1499") },
        { "a binary input without a start bit fails whatever its length", { { { 1, "Binary Input" }, { 4, "" } } },
            error(1945) },
        { "a binary input's length is ignored", { { { 1, "Binary Input" }, { 4, "3" }, { 5, "99" } } }, {} },
        { "a binary input at 1499 fits", { { { 1, "Binary Value" }, { 3, "1499" }, { 4, "0" }, { 5, "" } } }, {} },
        { "a read integer without a length passes", { { { 1, "Integer Value" }, { 5, "" } } }, {} },
        { "a read integer past the area fails", { { { 1, "Integer Value" }, { 3, "1499" }, { 5, "2" } } }, error(1946) },
        { "a hand-typed type has no length rule", { { { 1, "analog input" }, { 5, "40" } } }, {} },
        { "the failing object's row is named", { {}, { { 2, "x" } } }, Row_Error(1932, 2, 1933) },
        { "a write object passes", { {} }, {}, 1 },
        { "write Eng. Unit 65536 fails", { { { 2, "65536" } } }, error(1947), 1 },
        { "write Position 1500 fails", { { { 3, "1500" } } }, error(1948, "1499"), 1 },
        { "a binary out without a start bit fails", { { { 1, "Binary Out" }, { 4, "" } } }, error(1957), 1 },
        { "a write integer without a length fails", { { { 1, "Integer Value" }, { 5, "" } } }, error(1953), 1 },
        { "write 8 bytes at 1493 do not fit", { { { 1, "Large Analog Value" }, { 3, "1493" }, { 5, "8" } } }, error(1958),
            1 },
    };
    // Each type against the lengths on either side of its rule.
    struct Rule {
        int32_t Grid;
        const char* Type;
        const char* Good;
        const char* Bad;
        int32_t Text;
    };
    const Rule rules[] = {
        { 0, "Analog Input", "1", "5", 1935 },
        { 0, "Positive Integer Value", "4", "0", 1936 },
        { 0, "Large Analog Value", "8", "9", 1937 },
        { 0, "Analog Value", "4", "5", 1938 },
        { 0, "Multi State Input", "1", "5", 1939 },
        { 0, "Multi State Value", "4", "", 1940 },
        { 0, "Life Safety Point", "2", "3", 1941 },
        { 0, "Life Safety Zone", "1", "3", 1942 },
        { 0, "Access Door", "1", "2", 1943 },
        { 0, "Accumulator", "4", "5", 1944 },
        { 1, "Analog Out", "4", "5", 1949 },
        { 1, "Analog Value", "1", "0", 1950 },
        { 1, "Positive Integer Value", "4", "5", 1951 },
        { 1, "Large Analog Value", "8", "9", 1952 },
        { 1, "Integer Value", "4", "5", 1953 },
        { 1, "Multi State Output", "4", "5", 1954 },
        { 1, "Multi State Value", "1", "5", 1955 },
        { 1, "Access Door", "1", "2", 1956 },
    };
    std::vector<std::string> names;
    names.reserve(2 * std::size(rules));
    for (const Rule& rule : rules) {
        names.push_back(std::string(rule.Type) + " " + rule.Good + " passes");
        cases.push_back({ names.back().c_str(), { { { 1, rule.Type }, { 5, rule.Good } } }, {}, rule.Grid });
        names.push_back(std::string(rule.Type) + " " + rule.Bad + " fails");
        cases.push_back({ names.back().c_str(), { { { 1, rule.Type }, { 5, rule.Bad } } }, error(rule.Text), rule.Grid });
    }
    Run(*editor, { { "Analog Input", "62", "0", "", "4", "N", "Temperature" }, { "Analog Out", "62", "0", "", "4", "N", "Valve" } },
        cases);
}

TEST_F(TableChecksTest, MQTTTopics)
{
    auto editor = Make<TFMQTT_Set_Topic>();
    const auto error = [](int32_t row, int32_t text, const char* limit = "") { return Row_Error(1451, row, text, limit); };
    const std::vector<TOK_Case> cases = {
        { "a publish topic passes", { {} }, {} },
        { "a publish Data Type of blanks fails", { { { 4, " " } } }, error(1, 1452) },
        { "Int of 3 bytes fails", { { { 4, "Int" }, { 5, "3" } } }, error(1, 1453) },
        { "Int of 8 bytes passes", { { { 4, "Int" }, { 5, "8" } } }, {} },
        { "Float of 2 bytes fails", { { { 4, "Float" }, { 5, "2" } } }, error(1, 1454) },
        { "Float of 8 bytes passes", { { { 4, "Float" }, { 5, "8" } } }, {} },
        { "String of 0 bytes fails", { { { 4, "String" }, { 5, "0" } } }, error(1, 1455) },
        { "String without Dimension fails", { { { 4, "String" }, { 5, "" } } }, error(1, 1455) },
        { "a typed type needs only a Dimension above 0", { { { 4, "Text" }, { 5, "3" } } }, {} },
        { "publish Position 1439 passes", { { { 6, "1439" } } }, {} },
        { "publish Position 1440 fails", { { { 6, "1440" } } }, error(1, 1456, "1439") },
        { "OnTimer with Time 1000000000 passes", { { { 12, "Y" }, { 13, "1000000000" } } }, {} },
        { "OnTimer with Time 0 fails", { { { 12, "Y" }, { 13, "0" } } }, error(1, 1489) },
        { "OnTimer with Time 1000000001 fails", { { { 12, "Y" }, { 13, "1000000001" } } }, error(1, 1489) },
        { "OnTimer with Time beyond 32 bits fails", { { { 12, "y " }, { 13, "99999999999" } } }, error(1, 1489) },
        { "without OnTimer the Time is not read", { { { 12, "N" }, { 13, "x" } } }, {} },
        { "a publish Template with one mark fails", { { { 9, "$VALUE" } } }, error(1, 1478) },
        { "a publish Template with four marks passes", { { { 9, "$A$ and $B$" } } }, {} },
        { "an unshown IP Address and Input Template are not checked", { { { 7, "999.1" }, { 8, "$" } } }, {} },
        { "the failing publish row is named", { {}, { { 5, "0" } } }, error(2, 1453) },
        { "a subscribe topic passes", { {} }, {}, 1 },
        { "a subscribe Data Type left empty fails", { { { 4, "" } } }, error(1, 1457), 1 },
        { "subscribe Int of 3 bytes fails", { { { 4, "Int" }, { 5, "3" } } }, error(1, 1458), 1 },
        { "subscribe Float of 2 bytes fails", { { { 5, "2" } } }, error(1, 1459), 1 },
        { "subscribe Base64 of 0 bytes fails", { { { 4, "Base64" }, { 5, "0" } } }, error(1, 1460), 1 },
        { "subscribe Position 1439 passes", { { { 6, "1439" } } }, {}, 1 },
        { "subscribe Position 1440 fails", { { { 6, "1440" } } }, error(1, 1461, "1439"), 1 },
        { "a subscribe Template with one mark fails", { { { 11, "$" } } }, error(1, 1480), 1 },
        { "an unshown Port is not checked", { { { 8, "70000" }, { 10, "$" } } }, {}, 1 },
        { "a full publish table passes", { {} }, {}, 0, 1024 },
    };
    Run(*editor,
        { { "plant/temp", "N", "0", "Int", "2", "0", "", "", "$VALUE$", "Y", "N", "N", "", "", "N", "N", "Temp" },
            { "plant/set", "N", "1", "Float", "4", "0", "", "", "", "", "$VALUE$", "N", "N", "Set" } },
        cases);
}

} // namespace
