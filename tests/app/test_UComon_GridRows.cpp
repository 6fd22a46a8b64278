#include "app/UComon.h"

#include "app/lang/ULanguage.h"
#include "grid/DudCGrid.h"
#include "platform/ui/ScriptedUiServices.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A table as the editors have it: titles in row 0, row numbers in column 0,
// data in columns 1..3, column 3 a Y/N check box; rows 1..4.
class GridRowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Lang_Texts().Load_Default_Texts();
        Copy_Row_List = std::make_unique<TStringList>();
        FGrid.SetColCount(4);
        FGrid.SetRowCount(5);
        FGrid.SetFixedCols(1);
        FGrid.SetFixedRows(1);
        FGrid.Columns().Items(3)->SetEditor(edDataCheckBox);
    }
    void TearDown() override { Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = false; }

    void Fill(const std::vector<std::vector<String>>& rows)
    {
        for (size_t row = 0; row < rows.size(); ++row)
            for (size_t col = 0; col < rows[row].size(); ++col)
                FGrid.SetCellEx(static_cast<int32_t>(col) + 1, static_cast<int32_t>(row) + 1, rows[row][col]);
    }
    std::vector<String> RowTexts(int32_t row) const
    {
        std::vector<String> texts;
        for (int32_t col = 1; col < FGrid.ColCount() + FGrid.NumHiddenColumns(); ++col)
            texts.push_back(FGrid.GetCellEx(col, row));
        return texts;
    }

    TDudColumnGrid FGrid { nullptr };
    TScriptedUiServices FServices;
    TScopedUiServices FScope { FServices };
};

TEST_F(GridRowsTest, InsertAndDeleteMoveTextsWithinTheFixedRows)
{
    struct Case {
        const char* name;
        bool insert;
        int32_t row;
        bool putY;
        std::vector<std::vector<String>> expected;
    };
    const std::vector<Case> cases = {
        { "insert on row 1 loses the last row", true, 1, false,
            { { "", "", "" }, { "a", "1", "Y" }, { "b", "2", "N" }, { "c", "3", "Y" } } },
        { "insert with Y", true, 2, true,
            { { "a", "1", "Y" }, { "Y", "", "" }, { "b", "2", "N" }, { "c", "3", "Y" } } },
        { "insert on the last row only clears it", true, 4, false,
            { { "a", "1", "Y" }, { "b", "2", "N" }, { "c", "3", "Y" }, { "", "", "" } } },
        { "delete row 2", false, 2, false,
            { { "a", "1", "Y" }, { "c", "3", "Y" }, { "d", "4", "N" }, { "", "", "" } } },
        { "delete the last row only clears it", false, 4, false,
            { { "a", "1", "Y" }, { "b", "2", "N" }, { "c", "3", "Y" }, { "", "", "" } } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Fill({ { "a", "1", "Y" }, { "b", "2", "N" }, { "c", "3", "Y" }, { "d", "4", "N" } });
        if (entry.insert)
            Grid_Insert_Row(entry.row, FGrid, entry.putY);
        else
            Grid_Delete_Row(entry.row, FGrid);
        for (int32_t row = 1; row <= 4; ++row)
            EXPECT_EQ(RowTexts(row), entry.expected[static_cast<size_t>(row - 1)]) << "row " << row;
    }
}

TEST_F(GridRowsTest, HiddenColumnsMoveWithTheRow)
{
    Fill({ { "a", "1", "Y" }, { "b", "2", "N" } });
    FGrid.HideColumn(2);
    Grid_Insert_Row(1, FGrid, false);
    FGrid.UnHideColumnsAll();
    EXPECT_EQ(RowTexts(2), (std::vector<String> { "a", "1", "Y" }));
}

TEST_F(GridRowsTest, PasteAsksAndRefusesAsTheTableNeeds)
{
    struct Case {
        const char* name;
        bool copyFlag;
        int32_t copiedWidth;
        std::vector<String> target;
        std::vector<TModalResult> answers;
        std::vector<int32_t> asked;
        bool pasted;
    };
    const std::vector<Case> cases = {
        { "no copy in this dialog", false, 3, { "", "", "" }, {}, { 1702 }, false },
        { "copied from a table of another width", true, 2, { "", "", "" }, {}, { 1701 }, false },
        { "empty row pastes without asking", true, 3, { "", "", "" }, {}, {}, true },
        { "only the check box is set", true, 3, { " ", "", "Y" }, {}, {}, true },
        { "used row, answered yes", true, 3, { "x", "", "" }, { mrYes }, { 1700 }, true },
        { "used row, answered no", true, 3, { "x", "", "" }, { mrNo }, { 1700 }, false },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        FServices.Clear();
        Copy_Row_List->Clear();
        for (int32_t i = 0; i < entry.copiedWidth; ++i)
            Copy_Row_List->Add(QStringLiteral("c%1").arg(i));
        Fill({ entry.target });
        for (TModalResult answer : entry.answers)
            FServices.AnswerMessage(answer);
        Grid_Paste_Row(FGrid, 1, entry.copyFlag);
        std::vector<String> asked;
        for (int32_t index : entry.asked)
            asked.push_back(Lang_Texts()[index]);
        EXPECT_EQ(FServices.Messages(), asked);
        EXPECT_EQ(RowTexts(1), entry.pasted ? (std::vector<String> { "c0", "c1", "c2" }) : entry.target);
    }
}

TEST_F(GridRowsTest, CopyTakesEveryDataColumn)
{
    Fill({ { "a", "1", "Y" } });
    Grid_Copy_Row(FGrid, 1);
    EXPECT_EQ(Copy_Row_List->Count(), 3);
    Grid_Paste_Row(FGrid, 4, true);
    EXPECT_EQ(RowTexts(4), (std::vector<String> { "a", "1", "Y" }));
}

TEST_F(GridRowsTest, EnterMovesToTheNextCellWhenTheOptionIsOn)
{
    struct Case {
        bool option;
        int32_t col;
        int32_t row;
        int32_t expectedCol;
        int32_t expectedRow;
        char16_t keyAfter;
    };
    const Case cases[] = {
        { true, 1, 1, 2, 1, 0 },
        { true, 3, 1, 1, 2, 0 },
        { true, 3, 4, 1, 1, 0 },
        { false, 1, 1, 1, 1, 13 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.col << "," << entry.row << " option " << entry.option);
        Opt_Jump_Field_Tables = entry.option;
        FGrid.SetCol(entry.col);
        FGrid.SetRow(entry.row);
        char16_t key = 13;
        Grid_Enter_Next_Cell(FGrid, key);
        EXPECT_EQ(key, entry.keyAfter);
        EXPECT_EQ(FGrid.Col(), entry.expectedCol);
        EXPECT_EQ(FGrid.Row(), entry.expectedRow);
    }
}

TEST_F(GridRowsTest, DoubleClickOnATitleFitsTheColumn)
{
    FGrid.SetCellEx(2, 3, QStringLiteral("a rather long text for a narrow column"));
    FGrid.SetColWidths(2, 20);
    Opt_Double_Click_Auto_Size = true;
    Grid_DblClick_AutoSize(FGrid, 1, 2);
    EXPECT_EQ(FGrid.ColWidths(2), 20);
    Grid_DblClick_AutoSize(FGrid, 0, 2);
    EXPECT_GT(FGrid.ColWidths(2), 100);
    Opt_Double_Click_Auto_Size = false;
    FGrid.SetColWidths(2, 20);
    Grid_DblClick_AutoSize(FGrid, 0, 2);
    EXPECT_EQ(FGrid.ColWidths(2), 20);
}

} // namespace
