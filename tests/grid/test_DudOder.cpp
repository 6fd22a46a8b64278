#include "grid/DudOder.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DudOder, ANewGridHasTheDocumentedValues)
{
    TDudStringGrid grid(nullptr);
    struct TCase {
        const char* Name;
        int64_t Actual;
        int64_t Expected;
    };
    const TCase cases[] = {
        { "ColCount", grid.ColCount(), 5 },
        { "RowCount", grid.RowCount(), 10 },
        { "FixedCols", grid.FixedCols(), 1 },
        { "FixedRows", grid.FixedRows(), 1 },
        { "DefaultRowHeight", grid.DefaultRowHeight(), 22 },
        { "FixedRowHeight", grid.FixedRowHeight(), 22 },
        { "Width", grid.Width(), 400 },
        { "Height", grid.Height(), 250 },
        { "Look", grid.Look(), glXP },
        { "SelectionColor", grid.SelectionColor(), 0xEACAB6 },
        { "SelectionColorMixerFactor", grid.SelectionColorMixerFactor(), 50 },
        { "BorderColor", grid.BorderColor(), 0xB99D7F },
        { "ActiveCellColor", grid.ActiveCellColor(), clGray },
        { "XYOffset.X", grid.XYOffset().X, 2 },
        { "XYOffset.Y", grid.XYOffset().Y, 2 },
        { "WordWrap", grid.WordWrap(), true },
        { "MaxRowCount", grid.MaxRowCount(), 10 },
        { "NumHiddenColumns", grid.NumHiddenColumns(), 0 },
        { "FixedFontBold", grid.FixedFont().Style().Contains(fsBold), true },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        EXPECT_EQ(testCase.Actual, testCase.Expected);
    }
    EXPECT_EQ(grid.CheckTrue(), QStringLiteral("Y"));
    EXPECT_EQ(grid.CheckFalse(), QStringLiteral("N"));
    EXPECT_EQ(grid.FloatFormat(), QStringLiteral("%.2f"));
    EXPECT_EQ(grid.FilterDropDownClear(), QStringLiteral("(All)"));
    EXPECT_EQ(grid.XMLEncoding(), QStringLiteral("ISO-8859-1"));
    EXPECT_EQ(grid.FixedFont().Name(), QStringLiteral("Tahoma"));
}

TEST(DudOder, VersionReadsItsFourBytesAndIgnoresWrites)
{
    TDudStringGrid grid(nullptr);
    EXPECT_EQ(grid.Version(), QStringLiteral("6.2.1.3"));
    grid.SetVersion(QStringLiteral("1.0"));
    EXPECT_EQ(grid.Version(), QStringLiteral("6.2.1.3"));
    EXPECT_EQ(grid.VersionNr(), 0x06020103);
}

TEST(DudOder, AssignCopiesSettingsDimensionsAndCellsFromAGridOnly)
{
    TDudStringGrid source(nullptr);
    source.SetColCount(3);
    source.SetRowCount(4);
    source.SetCells(2, 3, QStringLiteral("last"));
    source.Navigation().SetAdvanceOnEnter(true);
    TDudStringGrid target(nullptr);
    target.Assign(source);
    EXPECT_EQ(target.ColCount(), 3);
    EXPECT_EQ(target.RowCount(), 4);
    EXPECT_EQ(target.Cells(2, 3), QStringLiteral("last"));
    EXPECT_TRUE(target.Navigation().AdvanceOnEnter());

    TDudStringGrid cellsOnly(nullptr);
    cellsOnly.AssignCells(source);
    EXPECT_EQ(cellsOnly.Cells(2, 3), QStringLiteral("last"));
    EXPECT_FALSE(cellsOnly.Navigation().AdvanceOnEnter());

    THTMLSettings other;
    TDudStringGrid untouched(nullptr);
    untouched.Assign(other);
    untouched.AssignCells(other);
    EXPECT_EQ(untouched.RowCount(), 10);
}

TEST(DudOder, IntegralHeightLeavesRoomForWholeRows)
{
    const int32_t bar = GetSystemMetrics(SM_CYHSCROLL);
    const struct {
        const char* Name;
        int32_t ColCount;
        TBorderStyle Border;
        int32_t Asked;
        int32_t Expected;
    } cases[] = {
        { "198 is a multiple of 22", 5, bsSingle, 200, 202 },
        { "no border", 5, bsNone, 200, 200 - 200 % 22 },
        { "a horizontal bar takes room", 40, bsSingle, 200, 200 - (200 - bar - 2) % 22 + 2 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TDudStringGrid grid(nullptr);
        grid.SetColCount(entry.ColCount);
        grid.SetBorderStyle(entry.Border);
        grid.SetHeight(entry.Asked);
        EXPECT_EQ(grid.Height(), entry.Asked);
        grid.SetIntegralHeight(true);
        grid.SetHeight(entry.Asked);
        EXPECT_EQ(grid.Height(), entry.Expected);
    }
}

TEST(DudOder, ScrollBarAlwaysShowsTheBarsItNamesDisabledWhileAllFits)
{
    const struct {
        TScrollBarAlways Always;
        bool Vertical;
        bool Horizontal;
    } cases[] = { { saBoth, true, true }, { saVert, true, false }, { saHorz, false, true } };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Always);
        TDudStringGrid grid(nullptr);
        grid.SetScrollBarAlways(entry.Always);
        grid.SetRowCount(3);
        EXPECT_EQ(grid.ScrollBarVisible(SB_VERT), entry.Vertical);
        EXPECT_EQ(grid.ScrollBarVisible(SB_HORZ), entry.Horizontal);
        if (entry.Vertical) {
            EXPECT_FALSE(grid.ScrollBarEnabled(SB_VERT));
        }
        // Once the rows no longer fit the bar scrolls them.
        grid.SetRowCount(500);
        EXPECT_TRUE(grid.ScrollBarVisible(SB_VERT));
        EXPECT_TRUE(grid.ScrollBarEnabled(SB_VERT));
    }
}

TEST(DudOder, AutoSizeFitsTheNormalColumnsWithARoomyMargin)
{
    TDudStringGrid grid(nullptr);
    grid.SetColWidths(0, 50);
    grid.SetAutoSize(true);
    EXPECT_EQ(grid.ColWidths(0), 50);
    // Empty cells: margins 2 x 2, two grid lines and 2, then 10 more.
    for (int32_t column = 1; column < grid.ColCount(); ++column)
        EXPECT_EQ(grid.ColWidths(column), 18) << column;
}

TEST(DudOder, TheGridTakesOverItsFormsResizeAndGivesItBack)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 320, 240);
    int32_t formResized = 0;
    form.OnResize = [&](TComponent*) { ++formResized; };
    auto* grid = new TDudStringGrid(&form);
    grid->SetSizeWithForm(true);
    form.SetWidth(420);
    form.SetHeight(300);
    EXPECT_EQ(formResized, 2);
    EXPECT_EQ(grid->Width(), 500);
    EXPECT_EQ(grid->Height(), 310);
    delete grid;
    form.SetWidth(320);
    EXPECT_EQ(formResized, 3);

    // A failure of the form's own handler reaches the caller.
    TForm failing(nullptr);
    failing.OnResize = [](TComponent*) { throw Exception("resize failed"); };
    new TDudStringGrid(&failing);
    EXPECT_THROW(failing.SetWidth(500), Exception);
}

} // namespace
