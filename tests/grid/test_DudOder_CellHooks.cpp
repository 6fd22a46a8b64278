#include "grid/DudOder.h"
#include "grid/DudOder_Settings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DudOderCellHooks, ACellsOwnBrushAndFontPartsColourItUnlessEmpty)
{
    TDudStringGrid grid(nullptr);
    grid.SetColors(2, 3, clRed);
    grid.CellProperties(2, 3)->SetFontSize(14);
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    grid.GetCellColor(2, 3, TGridDrawState {}, brush, font);
    EXPECT_EQ(brush.Color(), clRed);
    EXPECT_EQ(font.Size(), 14);
    grid.CellProperties(2, 3)->SetFontSize(0);
    font.SetSize(9);
    grid.GetCellColor(2, 3, TGridDrawState {}, brush, font);
    EXPECT_EQ(font.Size(), 9);
}

TEST(DudOderCellHooks, TheActiveCellLightsUpItsHeaderCells)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(8);
    grid.SetActiveCellShow(true);
    grid.SetActiveCellColor(clYellow);
    grid.SetCol(3);
    grid.SetRow(5);
    const struct {
        int32_t Col;
        int32_t Row;
        TColor Expected;
    } cells[] = { { 0, 5, clYellow }, { 3, 0, clYellow }, { 0, 4, clWhite }, { 2, 0, clWhite }, { 3, 5, clWhite } };
    for (const auto& cell : cells) {
        SCOPED_TRACE(testing::Message() << cell.Col << "," << cell.Row);
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        grid.GetCellColor(cell.Col, cell.Row, TGridDrawState {}, brush, font);
        EXPECT_EQ(brush.Color(), cell.Expected);
    }
}

TEST(DudOderCellHooks, AllRowsAreFixedAtTheFixedRowMinimumWithoutAskingTheEvent)
{
    TDudStringGrid grid(nullptr);
    grid.SetFixedRowAlways(true);
    grid.SetFixedRows(1);
    grid.SetRowCount(1);
    int32_t asked = 0;
    grid.OnIsFixedCell = [&asked](TDudStringGrid*, int32_t, int32_t, bool&) { ++asked; };
    bool isFixed = false;
    grid.IsFixedCell(2, 0, isFixed);
    EXPECT_TRUE(isFixed);
    EXPECT_EQ(asked, 0);
}

TEST(DudOderCellHooks, ReadOnlyCellsAreNotEditableUnlessTheEventSaysSo)
{
    TDudStringGrid grid(nullptr);
    grid.SetOptions(grid.Options() + TGridOptions { goEditing });
    grid.CellProperties(2, 2)->SetReadOnly(true);
    bool canEdit = true;
    grid.CanEditCell(2, 2, canEdit);
    EXPECT_FALSE(canEdit);
    grid.OnCanEditCell = [](TDudStringGrid*, int32_t, int32_t, bool& allow) { allow = true; };
    canEdit = true;
    grid.CanEditCell(2, 2, canEdit);
    EXPECT_TRUE(canEdit);
}

TEST(DudOderCellHooks, EditorQuestionsAnswerFromTheEvents)
{
    TDudStringGrid grid(nullptr);
    EXPECT_FALSE(grid.HasNoEditor(1, 1));
    grid.OnGetEditorType = [](TDudStringGrid*, int32_t aCol, int32_t, TEditorType& editor) {
        if (aCol == 2)
            editor = edNone;
    };
    EXPECT_TRUE(grid.HasNoEditor(2, 1));
    EXPECT_FALSE(grid.HasNoEditor(1, 1));
    grid.OnHasSpinEdit = [](TDudStringGrid*, int32_t, int32_t, bool& has) { has = true; };
    EXPECT_FALSE(grid.HasSpinEdit(0, 3));
    EXPECT_FALSE(grid.HasSpinEdit(2, 0));
    EXPECT_TRUE(grid.HasSpinEdit(2, 3));
}

TEST(DudOderCellHooks, CheckTextsComeFromTheGridThenTheEvent)
{
    TDudStringGrid grid(nullptr);
    String value;
    grid.GetCheckTrue(1, 1, value);
    EXPECT_EQ(value, QStringLiteral("Y"));
    grid.OnGetCheckFalse = [](TDudStringGrid*, int32_t, int32_t, String& text) { text = QStringLiteral("off"); };
    grid.GetCheckFalse(1, 1, value);
    EXPECT_EQ(value, QStringLiteral("off"));
}

TEST(DudOderCellHooks, ColumnFilterListsDistinctValuesAfterTheClearEntry)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.SetFilterDropDownAuto(true);
    grid.SetCells(1, 1, QStringLiteral("Paris"));
    grid.SetCells(1, 2, QStringLiteral("New York "));
    grid.SetCells(1, 3, QStringLiteral("paris"));
    EXPECT_TRUE(grid.GetColumnFilter(1));
    const std::vector<String> expected = { QStringLiteral("(All)"), QStringLiteral("New York=\"New York\""),
        QStringLiteral("Paris") };
    ASSERT_EQ(grid.FilterList().Count(), static_cast<int32_t>(expected.size()));
    for (size_t index = 0; index < expected.size(); ++index)
        EXPECT_EQ(grid.FilterList().Strings(static_cast<int32_t>(index)), expected[index]);
    grid.SetFilterDropDownAuto(false);
    EXPECT_FALSE(grid.GetColumnFilter(1));
}

TEST(DudOderCellHooks, HintsGoToTheNarrowThenTheWideEvent)
{
    TDudStringGrid grid(nullptr);
    std::vector<String> calls;
    grid.OnGridHint = [&calls](TDudStringGrid*, int32_t aRow, int32_t aCol, String& hint) {
        hint = QStringLiteral("r%1c%2").arg(aRow).arg(aCol);
        calls.push_back(hint);
    };
    String hint;
    String wide;
    grid.DoGridHint(3, 1, hint, wide);
    EXPECT_EQ(hint, QStringLiteral("r1c3"));
    EXPECT_EQ(calls.size(), 1u);
}

TEST(DudOderCellHooks, NewCellPropertiesStoreNoBackgroundUnderFixedOrSelectedCells)
{
    TDudStringGrid grid(nullptr);
    grid.SetColor(clYellow);
    grid.SetCol(2);
    grid.SetRow(2);
    EXPECT_EQ(grid.CellProperties(0, 3)->BrushColor(), clNone);
    EXPECT_EQ(grid.CellProperties(2, 2)->BrushColor(), clNone);
    EXPECT_EQ(grid.CellProperties(3, 4)->BrushColor(), clYellow);
}

TEST(DudOderCellHooks, GroupHeaderAndSummaryRowsGetTheirLinesBeforeTheEvent)
{
    TDudStringGrid grid(nullptr);
    grid.AddNode(2, 3);
    grid.MarkSummaryRow(5);
    grid.Grouping().SetHeaderUnderline(true);
    grid.Grouping().SetHeaderLineColor(clRed);
    grid.Grouping().SetHeaderLineWidth(3);
    grid.Grouping().SetSummaryLine(true);
    grid.Grouping().SetSummaryLineColor(clGreen);
    grid.Grouping().SetSummaryLineWidth(4);
    struct Case {
        int32_t col;
        int32_t row;
        TCellBorders borders;
        TColor color;
        int32_t width;
    };
    const Case cases[] = {
        { 1, 2, { cbBottom }, clRed, 3 },
        { 2, 2, { cbBottom }, clRed, 3 },
        { 0, 2, {}, clBlack, 1 },
        { 1, 5, { cbTop }, clGreen, 4 },
        { 1, 3, {}, clBlack, 1 },
    };
    std::vector<TCellBorders> seenByEvent;
    grid.OnGetCellBorder = [&](TDudStringGrid*, int32_t, int32_t, TPen&, TCellBorders& borders) {
        seenByEvent.push_back(borders);
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.col << "," << entry.row);
        TPen pen;
        TCellBorders borders;
        grid.GetCellBorder(entry.col, entry.row, pen, borders);
        EXPECT_EQ(borders, entry.borders);
        EXPECT_EQ(pen.Color(), entry.color);
        EXPECT_EQ(pen.Width(), entry.width);
        ASSERT_FALSE(seenByEvent.empty());
        EXPECT_EQ(seenByEvent.back(), entry.borders);
    }
}

class TMaskGrid : public TDudStringGrid {
public:
    using TDudStringGrid::TDudStringGrid;
    using TDudStringGrid::GetEditMask;
};

TEST(DudOderCellHooks, TheEditMaskComesFromTheGridThenTheEvent)
{
    TMaskGrid grid(nullptr);
    grid.SetEditMask(QStringLiteral("000"));
    EXPECT_EQ(grid.GetEditMask(1, 1), QStringLiteral("000"));
    grid.OnGetEditMask = [](TComponent*, int32_t aCol, int32_t, String& mask) {
        if (aCol == 2)
            mask = QStringLiteral("!99/99");
    };
    EXPECT_EQ(grid.GetEditMask(1, 1), QStringLiteral("000"));
    EXPECT_EQ(grid.GetEditMask(2, 1), QStringLiteral("!99/99"));
}

} // namespace
