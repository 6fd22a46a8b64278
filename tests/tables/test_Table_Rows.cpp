#include "TablesTest.h"

#include "tables/UKNXAccess.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UReceiveNMEA.h"
#include "tables/UTransmitNMEA.h"
#include "tests/support/KeyInput.h"

namespace {

class TableRowsTest : public TablesTest {
protected:
    void SetUp() override
    {
        TablesTest::SetUp();
        FReceive = Make<TFReceiveNMEA>();
        Show(*FReceive);
        FGrid = FReceive->sga;
    }
    void TearDown() override { Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = false; }

    void Fill_Receive(int32_t rows)
    {
        for (int32_t row = 1; row <= rows; ++row)
            Fill_Row(*FGrid, row, { QString::number(row), QStringLiteral("1"), QStringLiteral("N") });
    }
    std::vector<String> Keys(int32_t first, int32_t last) const
    {
        std::vector<String> keys;
        for (int32_t row = first; row <= last; ++row)
            keys.push_back(FGrid->GetCellEx(1, row));
        return keys;
    }

    std::unique_ptr<TFReceiveNMEA> FReceive;
    TDudColumnGrid* FGrid = nullptr;
};

TEST_F(TableRowsTest, CopyAndPasteWithTheirThreeMessages)
{
    auto send = Make<TFTransmitNMEA>();
    Show(*send);
    Fill_Receive(2);
    FGrid->SetCellEx(8, 1, QStringLiteral("copied"));

    struct Step {
        const char* Name;
        std::function<void()> Act;
        TModalResult Answer;
        String Message;
        String Row3Mnemonic;
    };
    const std::vector<Step> steps = {
        { "paste before any copy in this showing", [&] { FReceive->Btn_PasteRowClick(nullptr); }, mrNone, Text(1702), "" },
        { "a copy in the send frames does not let the receive frames paste",
            [&] {
                send->sga->SetRow(1);
                send->Btn_CopyRowClick(nullptr);
                FReceive->Btn_PasteRowClick(nullptr);
            },
            mrNone, Text(1702), "" },
        { "a copy of another width is refused",
            [&] {
                FGrid->SetRow(1);
                FReceive->Btn_CopyRowClick(nullptr);
                send->sga->SetRow(2);
                send->Btn_CopyRowClick(nullptr);
                FGrid->SetRow(3);
                FReceive->Btn_PasteRowClick(nullptr);
            },
            mrNone, Text(1701), "" },
        { "a copy into an empty row pastes without asking",
            [&] {
                FGrid->SetRow(1);
                FReceive->Btn_CopyRowClick(nullptr);
                FGrid->SetRow(3);
                FReceive->Btn_PasteRowClick(nullptr);
            },
            mrNone, String(), "copied" },
        { "over a used row, No keeps it",
            [&] {
                FGrid->SetCellEx(8, 3, QStringLiteral("mine"));
                FReceive->Btn_PasteRowClick(nullptr);
            },
            mrNo, Text(1700), "mine" },
        { "over a used row, Yes pastes", [&] { FReceive->Btn_PasteRowClick(nullptr); }, mrYes, Text(1700), "copied" },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Name);
        FServices.Clear();
        if (step.Answer != mrNone)
            FServices.AnswerMessage(step.Answer);
        step.Act();
        EXPECT_EQ(FServices.Messages(), step.Message.isEmpty() ? std::vector<String> {} : std::vector<String> { step.Message });
        EXPECT_EQ(FGrid->GetCellEx(8, 3), step.Row3Mnemonic);
    }
    // The next showing forgets the copy of the last one.
    Show(*FReceive);
    FServices.Clear();
    FGrid->SetRow(1);
    FReceive->Btn_PasteRowClick(nullptr);
    EXPECT_EQ(FServices.Messages(), std::vector<String> { Text(1702) });
}

TEST_F(TableRowsTest, InsertNeverPushesAnEntryOffTheTable)
{
    struct Case {
        const char* Name;
        int32_t Filled;
        int32_t Row;
        bool Refused;
        std::vector<String> Keys; // rows 1 to 4
        String Last;
    };
    const std::vector<Case> cases = {
        { "insert on row 2 moves the rows down", 3, 2, false, { "1", "", "2", "3" }, "" },
        { "insert on the last row clears it only", 3, 62, false, { "1", "2", "3", "" }, "" },
        { "a full table refuses", 62, 2, true, { "1", "2", "3", "4" }, "62" },
        { "a full table clears its last row when asked there", 62, 62, false, { "1", "2", "3", "4" }, "" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Show(*FReceive);
        Fill_Receive(entry.Filled);
        FGrid->SetRow(entry.Row);
        FServices.Clear();
        FReceive->Btn_InsRowClick(nullptr);
        EXPECT_EQ(FServices.Messages().size(), entry.Refused ? 1U : 0U);
        EXPECT_EQ(Keys(1, 4), entry.Keys);
        EXPECT_EQ(FGrid->GetCellEx(1, 62), entry.Last);
        // The new row of the NMEA tables gets no "Y".
        if (!entry.Refused) {
            EXPECT_EQ(FGrid->GetCellEx(3, entry.Row), String());
        }
    }
}

TEST_F(TableRowsTest, DeleteAsksWithTheRowNumber)
{
    for (const TModalResult answer : { mrNo, mrYes }) {
        SCOPED_TRACE(answer == mrYes ? "Yes" : "No");
        Show(*FReceive);
        Fill_Receive(3);
        FGrid->SetRow(2);
        FServices.Clear();
        FServices.AnswerMessage(answer);
        FReceive->Btn_DelRowClick(nullptr);
        EXPECT_EQ(FServices.Messages(), std::vector<String> { Text(3243) + QStringLiteral("2") });
        const std::vector<String> kept = { "1", "2", "3" };
        const std::vector<String> deleted = { "1", "3", "" };
        EXPECT_EQ(Keys(1, 3), answer == mrYes ? deleted : kept);
    }
}

TEST_F(TableRowsTest, TheEnableTablesStartRowsEnabledAndDeleteTheirOwnWay)
{
    auto knx = Make<TFKNXAccess>();
    Show(*knx);
    TDudColumnGrid& grid = *knx->ACG_KNX_in_Write;
    Fill_Row(grid, 1, { QStringLiteral("N"), QStringLiteral("1.1.1") });
    Fill_Row(grid, 2, { QStringLiteral("N"), QStringLiteral("1.1.2") });
    grid.SetRow(1);
    knx->Btn_InsRowClick(nullptr);
    EXPECT_EQ(grid.GetCellEx(1, 1), QStringLiteral("Y"));
    EXPECT_EQ(grid.GetCellEx(2, 2), QStringLiteral("1.1.1"));
    FServices.AnswerMessage(mrYes);
    knx->Btn_DelRowClick(nullptr);
    EXPECT_EQ(FServices.Messages(), std::vector<String> { Text(2166) + QStringLiteral("1") });
    EXPECT_EQ(grid.GetCellEx(2, 1), QStringLiteral("1.1.1"));
    EXPECT_EQ(grid.GetCellEx(1, 1024), String());
    // The copy flag follows the grid that copied.
    knx->Btn_CopyRowClick(nullptr);
    EXPECT_TRUE(knx->Do_Copy_In_Write());
    EXPECT_FALSE(knx->Do_Copy_In_Read());

    auto modbus = Make<TFModbus_TCP_Master_Set_Access>();
    Show(*modbus);
    modbus->PageControl1->SetActivePage(modbus->TS_Modbus_Write);
    modbus->ACG_Modbus_Write->SetRow(1);
    modbus->Btn_CopyRowClick(nullptr);
    EXPECT_TRUE(modbus->Do_Copy_In_Write());
    EXPECT_FALSE(modbus->Do_Copy_In_Read());
    EXPECT_EQ(modbus->ACG_Modbus_Read->GetCellEx(1, 512), QStringLiteral("Y"));
}

TEST_F(TableRowsTest, FormatAndActionExcludeEachOther)
{
    auto knx = Make<TFKNXAccess>();
    Show(*knx);
    TDudColumnGrid& grid = *knx->ACG_KNX_in_Write;
    struct Case {
        const char* Name;
        int32_t Col;
        const char* Chosen;
        const char* Format;
        const char* Action;
        const char* Format_After;
        const char* Action_After;
    };
    const Case cases[] = {
        { "a format clears a condition", 6, "Swap16", "Swap16", "Send FALSE when equal", "Swap16", "None" },
        { "a condition clears a format", 7, "Send TRUE when equal", "Swap32", "Send TRUE when equal", "None",
            "Send TRUE when equal" },
        { "None clears nothing", 6, "None", "None", "Send TRUE when equal", "None", "Send TRUE when equal" },
        { "a text out of the list stays", 6, "Swap16", "Swap16", "typed", "Swap16", "typed" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.Name);
        grid.SetCellEx(6, 1, QString::fromLatin1(entry.Format));
        grid.SetCellEx(7, 1, QString::fromLatin1(entry.Action));
        grid.OnComboChange(&grid, entry.Col, 1, 0, QString::fromLatin1(entry.Chosen));
        EXPECT_EQ(grid.GetCellEx(6, 1), QString::fromLatin1(entry.Format_After));
        EXPECT_EQ(grid.GetCellEx(7, 1), QString::fromLatin1(entry.Action_After));
    }
}

// Keys typed into an open cell editor: each key runs one step, with the
// Enter option off and on.
TEST_F(TableRowsTest, KeysInAnOpenCellEditorMoveOneCellEach)
{
    struct Case {
        const char* Name;
        bool Jump;
        TGridCoord Expected;
        std::vector<String> Row1;
    };
    const Case cases[] = {
        { "Enter stays", false, { 2, 1 }, { "126", "5" } },
        { "Enter moves on with the option", true, { 3, 1 }, { "126", "5" } },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Name);
        SetUp();
        Opt_Jump_Field_Tables = test.Jump;
        FReceive->Show();
        QApplication::processEvents();
        FGrid->SetFocus();
        FGrid->FocusCell(1, 1);
        QApplication::processEvents();
        Type(QStringLiteral("126"));
        Press(Qt::Key_Tab, QStringLiteral("\t"));
        Type(QStringLiteral("5"));
        Press(Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
        EXPECT_EQ(FGrid->Col(), test.Expected.X);
        EXPECT_EQ(FGrid->Row(), test.Expected.Y);
        EXPECT_EQ(FGrid->GetCellEx(1, 1), test.Row1[0]);
        EXPECT_EQ(FGrid->GetCellEx(2, 1), test.Row1[1]);
    }
}

TEST_F(TableRowsTest, GridEvents)
{
    // Enter moves on with the option only.
    FGrid->SetCol(8);
    FGrid->SetRow(62);
    TChar key = 13;
    FGrid->OnKeyPress(FGrid, key);
    EXPECT_EQ(key, 13);
    Opt_Jump_Field_Tables = true;
    FGrid->OnKeyPress(FGrid, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(FGrid->Col(), 1);
    EXPECT_EQ(FGrid->Row(), 1);

    // Titles carry the column hints, other cells none.
    String hint = QStringLiteral("proposed");
    FGrid->OnGridHint(FGrid, 0, 1, hint);
    EXPECT_EQ(hint, Text(3223));
    hint = QStringLiteral("proposed");
    FGrid->OnGridHint(FGrid, 3, 1, hint);
    EXPECT_EQ(hint, String());
    // The Modbus write grid leaves the grid's own text outside the titles;
    // its read grid and the KNX grids have no hints, key or double-click handler.
    auto modbus = Make<TFModbus_TCP_Master_Set_Access>();
    hint = QStringLiteral("proposed");
    modbus->ACG_Modbus_Write->OnGridHint(modbus->ACG_Modbus_Write, 2, 1, hint);
    EXPECT_EQ(hint, QStringLiteral("proposed"));
    modbus->ACG_Modbus_Write->OnGridHint(modbus->ACG_Modbus_Write, 0, 15, hint);
    EXPECT_EQ(hint, Text(3103));
    EXPECT_FALSE(modbus->ACG_Modbus_Read->OnGridHint);
    EXPECT_FALSE(modbus->ACG_Modbus_Read->OnKeyPress);
    auto knx = Make<TFKNXAccess>();
    EXPECT_FALSE(knx->ACG_KNX_in_Write->OnKeyPress);
    EXPECT_FALSE(knx->ACG_KNX_in_Write->OnDblClickCell);
    EXPECT_TRUE(knx->ACG_KNX_in_Write->OnClickCell);

    // A click on a row number selects the row.
    FGrid->OnClickCell(FGrid, 5, 0);
    EXPECT_TRUE(FGrid->IsSelected(3, 5));
    EXPECT_FALSE(FGrid->IsSelected(3, 6));

    // A double-click on a title fits the column, with the option only.
    FGrid->SetCellEx(8, 1, QStringLiteral("a much longer description than the column shows"));
    const int32_t before = FGrid->ColWidths(8);
    FGrid->OnDblClickCell(FGrid, 0, 8);
    EXPECT_EQ(FGrid->ColWidths(8), before);
    Opt_Double_Click_Auto_Size = true;
    FGrid->OnDblClickCell(FGrid, 0, 8);
    EXPECT_GT(FGrid->ColWidths(8), before);
}

TEST_F(TableRowsTest, TitlesAndSizesFollowTheLanguage)
{
    EXPECT_EQ(FReceive->ClientWidth(), 810);
    EXPECT_EQ(FReceive->ClientHeight(), 337);
    EXPECT_EQ(FReceive->Caption(), Text(3200));
    EXPECT_EQ(FGrid->Columns().Items(1)->Header(), Text(3215));
    EXPECT_EQ(FGrid->RowCount(), 63);
    EXPECT_EQ(FGrid->ColCount(), 9);
    EXPECT_EQ(FReceive->Hint_ReceiveNMEA().Count(), 8);
    auto knx = Make<TFKNXAccess>();
    EXPECT_EQ(knx->ACG_KNX_in_Write->GetCellEx(19, 0), Text(2142));
    EXPECT_EQ(knx->ACG_KNX_in_Write->RowCount(), 1025);
    EXPECT_FALSE(knx->ACG_KNX_in_Read->Visible());
    auto modbus = Make<TFModbus_TCP_Master_Set_Access>();
    Show(*modbus);
    EXPECT_TRUE(modbus->ACG_Modbus_Read->IsHiddenColumn(14));
    EXPECT_EQ(modbus->PageControl1->ActivePage(), modbus->TS_Modbus_Read);
    EXPECT_EQ(modbus->Btn_CopyRow->Caption(), QStringLiteral("Copy Row"));
    EXPECT_EQ(modbus->ACG_Modbus_Write->Columns().Items(12)->ComboItems().Count(), 1500);
    // Both hint lists follow the columns, the read one although no handler shows it.
    const struct {
        TStringList* List;
        std::vector<int32_t> Texts;
    } hint_lists[] = {
        { &modbus->Hint_Modbus_Set_Access_Read(),
            { 3069, 3070, 3071, 3072, 3073, 3074, 3075, 3076, 3077, 3078, 3079, 3080, 3102, 3081, 3082 } },
        { &modbus->Hint_Modbus_Set_Access_Write(),
            { 3083, 3084, 3085, 3086, 3087, 3088, 3089, 3090, 3091, 3092, 3093, 3094, 3095, 3096, 3103, 3097 } },
    };
    for (const auto& list : hint_lists) {
        ASSERT_EQ(list.List->Count(), static_cast<int32_t>(list.Texts.size()));
        for (size_t entry = 0; entry < list.Texts.size(); ++entry) {
            SCOPED_TRACE(list.Texts[entry]);
            EXPECT_EQ(list.List->Strings(static_cast<int32_t>(entry)), Text(list.Texts[entry]));
        }
    }

    Lang_Texts().Read_Lang_Text(QStringLiteral("STR3200 = Frames reçues\nSTR3215 = Groupe"));
    FReceive->Set_Lang();
    EXPECT_EQ(FReceive->Caption(), QStringLiteral("Frames reçues"));
    EXPECT_EQ(FGrid->Columns().Items(1)->Header(), QStringLiteral("Groupe"));
}

} // namespace
