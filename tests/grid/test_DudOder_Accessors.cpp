#include "grid/DudCGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Six columns, eight rows; real column 2 and real row 3 hidden.
std::unique_ptr<TDudColumnGrid> HiddenGrid()
{
    auto grid = std::make_unique<TDudColumnGrid>(nullptr);
    grid->SetColCount(6);
    grid->SetRowCount(8);
    for (int32_t row = 0; row < 8; ++row)
        for (int32_t column = 0; column < 6; ++column)
            grid->SetCells(column, row, QStringLiteral("%1:%2").arg(column).arg(row));
    grid->HideColumn(2);
    grid->HideRow(3);
    return grid;
}

TEST(DudOderAccessors, WritesThroughHiddenColumnsAndRowsLandInTheRealCell)
{
    using TWrite = std::function<void(TDudColumnGrid&, int32_t realCol, int32_t realRow)>;
    using TRead = std::function<String(TDudColumnGrid&, int32_t realCol, int32_t realRow)>;
    struct Case {
        const char* what;
        TWrite write;
        TRead read;
        const char* expected;
    };
    const Case cases[] = {
        { "AllCells", [](TDudColumnGrid& g, int32_t c, int32_t r) { g.SetAllCells(c, r, "new"); },
            [](TDudColumnGrid& g, int32_t c, int32_t r) { return g.AllCells(c, r); }, "new" },
        { "AllGridCells", [](TDudColumnGrid& g, int32_t c, int32_t r) { g.SetAllGridCells(c, r, "raw"); },
            [](TDudColumnGrid& g, int32_t c, int32_t r) { return g.AllGridCells(c, r); }, "raw" },
        { "AllWideCells", [](TDudColumnGrid& g, int32_t c, int32_t r) { g.SetAllWideCells(c, r, "wide €"); },
            [](TDudColumnGrid& g, int32_t c, int32_t r) { return g.AllWideCells(c, r); }, "wide €" },
        { "AllInts", [](TDudColumnGrid& g, int32_t c, int32_t r) { g.SetAllInts(c, r, 42); },
            [](TDudColumnGrid& g, int32_t c, int32_t r) { return String::number(g.AllInts(c, r)); }, "42" },
    };
    const struct {
        int32_t realCol;
        int32_t realRow;
    } cells[] = { { 3, 5 }, { 2, 5 }, { 4, 3 }, { 2, 3 } };
    for (const Case& entry : cases) {
        for (const auto& cell : cells) {
            SCOPED_TRACE(testing::Message() << entry.what << " at " << cell.realCol << "," << cell.realRow);
            auto grid = HiddenGrid();
            entry.write(*grid, cell.realCol, cell.realRow);
            EXPECT_EQ(entry.read(*grid, cell.realCol, cell.realRow), entry.expected);
            grid->UnHideColumnsAll();
            grid->UnHideRowsAll();
            for (int32_t column = 0; column < 6; ++column) {
                const String expected = column == cell.realCol ? QString::fromUtf8(entry.expected)
                                                               : QStringLiteral("%1:%2").arg(column).arg(cell.realRow);
                EXPECT_EQ(grid->Cells(column, cell.realRow), expected) << column;
            }
        }
    }
}

TEST(DudOderAccessors, ColumnItemsReachTheirRealColumn)
{
    auto grid = HiddenGrid();
    // Display column 2 shows real column 3; its item is the real column's.
    TGridColumnItem* item = grid->Columns().Items(grid->RealColIndex(2));
    item->SetRows(1, "by item");
    item->SetInts(2, 7);
    EXPECT_EQ(item->GetRows(1), "by item");
    EXPECT_EQ(item->GetInts(2), 7);
    grid->UnHideColumnsAll();
    EXPECT_EQ(grid->Cells(3, 1), "by item");
    EXPECT_EQ(grid->Cells(3, 2), "7");
    EXPECT_EQ(grid->Cells(2, 1), "2:1");
}

TEST(DudOderAccessors, StoredRowsGrowOnlyThroughTheDisplayedAccess)
{
    auto grid = HiddenGrid();
    grid->SetAllCells(9, 3, "far");
    EXPECT_EQ(grid->AllCells(9, 3), "far");
    ASSERT_NE(grid->GetHiddenRowStrings(3), nullptr);
    EXPECT_EQ(grid->GetHiddenRowStrings(3)->Count(), 10);
    EXPECT_EQ(grid->GetHiddenRowStrings(4), nullptr);
    EXPECT_THROW(grid->SetAllGridCells(12, 3, "beyond"), EStringListError);
    EXPECT_EQ(grid->AllCells(-1, 0), "");
}

TEST(DudOderAccessors, ObjectsOfHiddenRowsStayWithTheirCell)
{
    auto grid = HiddenGrid();
    int first = 0;
    int second = 0;
    grid->SetAllObjects(1, 3, &first);
    grid->SetAllObjects(1, 5, &second);
    EXPECT_EQ(grid->AllObjects(1, 3), &first);
    EXPECT_EQ(grid->AllObjects(1, 5), &second);
    EXPECT_EQ(grid->AllObjects(4, 3), nullptr);
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->Objects(1, 3), &first);
    EXPECT_EQ(grid->Objects(1, 5), &second);
}

TEST(DudOderAccessors, CellLooksAreReadWithoutCreatingProperties)
{
    struct Case {
        const char* what;
        std::function<void(TDudStringGrid&)> read;
        std::function<void(TDudStringGrid&)> write;
        std::function<bool(const TDudStringGrid&)> written;
    };
    const Case cases[] = {
        { "ColorsTo", [](TDudStringGrid& g) { EXPECT_EQ(g.GetColorsTo(2, 2), clNone); },
            [](TDudStringGrid& g) { g.SetColorsTo(2, 2, clRed); },
            [](const TDudStringGrid& g) { return g.GetColorsTo(2, 2) == clRed; } },
        { "FontColors", [](TDudStringGrid& g) { EXPECT_EQ(g.GetFontColors(2, 2), clNone); },
            [](TDudStringGrid& g) { g.SetFontColors(2, 2, clBlue); },
            [](const TDudStringGrid& g) { return g.GetFontColors(2, 2) == clBlue; } },
        { "FontStyles", [](TDudStringGrid& g) { EXPECT_EQ(g.GetFontStyles(2, 2), TFontStyles {}); },
            [](TDudStringGrid& g) { g.SetFontStyles(2, 2, TFontStyles { fsItalic }); },
            [](const TDudStringGrid& g) { return g.GetFontStyles(2, 2) == TFontStyles { fsItalic }; } },
        { "FontSizes", [](TDudStringGrid& g) { EXPECT_EQ(g.GetFontSizes(2, 2), 0); },
            [](TDudStringGrid& g) { g.SetFontSizes(2, 2, 14); },
            [](const TDudStringGrid& g) { return g.GetFontSizes(2, 2) == 14; } },
        { "FontNames", [](TDudStringGrid& g) { EXPECT_EQ(g.GetFontNames(2, 2), ""); },
            [](TDudStringGrid& g) { g.SetFontNames(2, 2, "DejaVu Sans"); },
            [](const TDudStringGrid& g) { return g.GetFontNames(2, 2) == "DejaVu Sans"; } },
        { "Alignments", [](TDudStringGrid& g) { EXPECT_EQ(g.GetAlignments(2, 2), taLeftJustify); },
            [](TDudStringGrid& g) { g.SetAlignments(2, 2, taRightJustify); },
            [](const TDudStringGrid& g) { return g.GetAlignments(2, 2) == taRightJustify; } },
        { "ReadOnly", [](TDudStringGrid& g) { EXPECT_FALSE(g.GetReadOnly(2, 2)); },
            [](TDudStringGrid& g) { g.SetReadOnly(2, 2, true); },
            [](const TDudStringGrid& g) { return g.GetReadOnly(2, 2); } },
        { "Gradients", [](TDudStringGrid& g) { EXPECT_EQ(g.GetGradientDir(2, 2), GradientVertical); },
            [](TDudStringGrid& g) { g.SetGradientDir(2, 2, GradientHorizontal); },
            [](const TDudStringGrid& g) { return g.GetGradientDir(2, 2) == GradientHorizontal; } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.what);
        TDudStringGrid grid(nullptr);
        entry.read(grid);
        EXPECT_FALSE(grid.HasCellProps(2, 2));
        entry.write(grid);
        EXPECT_TRUE(grid.HasCellProps(2, 2));
        EXPECT_TRUE(entry.written(grid));
        EXPECT_FALSE(grid.HasCellProps(3, 2));
    }
    TDudStringGrid grid(nullptr);
    grid.SetWordWrap(false);
    EXPECT_FALSE(grid.GetWordWraps(2, 2));
    EXPECT_TRUE(grid.HasCellProps(2, 2));
}

TEST(DudOderAccessors, ClearingRowColoursKeepsOrDropsTheCellLooks)
{
    TDudStringGrid grid(nullptr);
    for (int32_t column = 1; column < 5; ++column) {
        grid.SetColors(column, 5, clYellow);
        grid.SetFontColors(column, 5, clRed);
    }
    grid.SetRowColor(5, clNone);
    for (int32_t column = 1; column < 5; ++column) {
        EXPECT_EQ(grid.GetColors(column, 5), clNone);
        EXPECT_EQ(grid.GetFontColors(column, 5), clRed);
    }
    grid.SetRowColorTo(5, clNone);
    for (int32_t column = 1; column < 5; ++column)
        EXPECT_FALSE(grid.HasCellProps(column, 5));
}

TEST(DudOderAccessors, ZoomStopsAtItsLimit)
{
    TDudStringGrid grid(nullptr);
    grid.SetColWidths(2, 0);
    const int32_t width = grid.ColWidths(1);
    const int32_t height = grid.RowHeights(1);
    for (int32_t step = 0; step < 4; ++step)
        grid.Zoom(3);
    EXPECT_EQ(grid.ZoomFactor(), 9);
    EXPECT_EQ(grid.ColWidths(1), width + 9);
    EXPECT_EQ(grid.RowHeights(1), height + 9);
    EXPECT_EQ(grid.ColWidths(2), 0);
    for (const int32_t beyond : { 2, -20 }) {
        grid.Zoom(beyond);
        EXPECT_EQ(grid.ZoomFactor(), 9);
        EXPECT_EQ(grid.ColWidths(1), width + 9);
    }
}

TEST(DudOderAccessors, OriginalCellsFollowTheMovedColumn)
{
    TDudStringGrid grid(nullptr);
    for (int32_t column = 0; column < grid.ColCount(); ++column)
        grid.SetCells(column, 1, QStringLiteral("c%1").arg(column));
    grid.MoveColumn(1, 3);
    EXPECT_EQ(grid.OriginalCells(1, 1), "c1");
    EXPECT_EQ(grid.OriginalCells(3, 1), "c3");
    grid.SetOriginalCells(1, 2, "moved");
    EXPECT_EQ(grid.Cells(3, 2), "moved");
}

TEST(DudOderAccessors, CurrentCellTextGoesThroughTheDisplayHooks)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(2, 3, "raw");
    grid.FocusCell(2, 3);
    grid.OnGetDisplText = [](TComponent*, int32_t, int32_t, String& value) { value = value.toUpper(); };
    EXPECT_EQ(grid.CurrentCell(), "raw");
    EXPECT_EQ(grid.GetCurrentCellText(), "RAW");
    EXPECT_EQ(grid.LinesInCell(2, 3), 1);
}

} // namespace
