#include "grid/DudOder.h"

#include "grid/DudOder_FixedEditors.h"
#include "grid/DudOder_Settings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/Timer.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <vector>

namespace {

// Reaches the grid's protected parts.
class TScrollTestGrid : public TDudStringGrid {
public:
    using TDudStringGrid::CellScrollBar;
    using TDudStringGrid::TDudStringGrid;
};

// Columns 60 px and rows 20 px, one fixed of each, grid lines 1 px, in a
// 304 x 164 grid inside its frame.
class ScrollBarsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TScrollTestGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(11);
        Grid->SetRowCount(50);
        Grid->SetBounds(0, 0, 304, 164);
        Grid->SetColor(clWhite);
        Form->Show();
        QApplication::processEvents();
    }

    TScrollInfo Info(int32_t bar) const
    {
        TScrollInfo info;
        Grid->GetScrollInfo(bar, info);
        return info;
    }

    std::unique_ptr<TForm> Form;
    TScrollTestGrid* Grid = nullptr;
};

// FixedW = 1 + 61, TotalW = 1 + 10 x 61 = 611 beside a width of 304: r is
// 0.396, the range 210 and the page 84. FixedH = 22 and TotalH = 1030 beside
// 164: the range 147 and the page 21.
TEST_F(ScrollBarsTest, ProportionalThumbsShowTheShareInView)
{
    const struct {
        const char* Name;
        int32_t ColCount;
        int32_t LeftCol;
        int32_t TopRow;
        TScrollInfo Horz;
        TScrollInfo Vert;
    } cases[] = {
        // 1 + 3 x 61 fits in 304: the bar is left as the platform has it,
        // hidden with nothing to scroll.
        { "all columns fit", 4, 1, 1, { SIF_ALL, 0, 0, 0, 0, 0 }, { SIF_ALL, 0, 147, 21, 0, 0 } },
        { "at the start", 11, 1, 1, { SIF_ALL, 0, 210, 84, 0, 0 }, { SIF_ALL, 0, 147, 21, 0, 0 } },
        // LeftW = 1 + 3 x 61 = 184: 184 / 307 x 128 = 76.7; TopH = 1 + 9 x 21 =
        // 190: 190 / 866 x 128 = 28.1.
        { "scrolled", 11, 4, 10, { SIF_ALL, 0, 210, 84, 76, 0 }, { SIF_ALL, 0, 147, 21, 28, 0 } },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        Grid->SetScrollProportional(false);
        Grid->SetScrollBars(ssBoth);
        Grid->SetColCount(testCase.ColCount);
        Grid->SetBounds(0, 0, 304, 164);
        Grid->SetLeftCol(testCase.LeftCol);
        Grid->SetTopRow(testCase.TopRow);
        Grid->SetScrollProportional(true);
        for (const auto& [bar, expected] : { std::pair { SB_HORZ, testCase.Horz }, std::pair { SB_VERT, testCase.Vert } }) {
            SCOPED_TRACE(bar == SB_HORZ ? "horizontal" : "vertical");
            const TScrollInfo info = Info(bar);
            EXPECT_EQ(info.nMax, expected.nMax);
            EXPECT_EQ(info.nPage, expected.nPage);
            EXPECT_EQ(info.nPos, expected.nPos);
        }
    }
    // Switched off, the bars go back to the platform's scale.
    Grid->SetScrollProportional(false);
    EXPECT_EQ(Info(SB_VERT).nMax, 127);
    EXPECT_EQ(Info(SB_VERT).nPage, 0U);
}

TEST_F(ScrollBarsTest, ThumbTrackingScrollsLiveWithScrollSynchAndShowsAHint)
{
    Grid->SetScrollSynch(true);
    Grid->SetScrollHints(shBoth);
    std::vector<int32_t> hinted;
    Grid->OnScrollHint = [&](TDudStringGrid*, int32_t item, String& hint) {
        hinted.push_back(item);
        hint += QStringLiteral("!");
    };
    // A thumb position stands for a column (row) on the 0..127 scale: 0 the
    // first scrolling one, 127 the last that can be at the left (top).
    const int32_t lastLeft = Grid->ColCount() - Grid->VisibleColCount();
    const int32_t lastTop = Grid->RowCount() - Grid->VisibleRowCount();
    const int32_t middleLeft = 1 + MulDiv(64, lastLeft - 1, 127);
    const int32_t middleTop = 1 + MulDiv(64, lastTop - 1, 127);
    ASSERT_GT(middleLeft, 1);
    ASSERT_LT(middleLeft, lastLeft);
    const struct {
        const char* Name;
        uint32_t Message;
        int32_t Position;
        int32_t LeftCol;
        int32_t TopRow;
    } cases[] = {
        { "column thumb at the start", WM_HSCROLL, 0, 1, 1 },
        { "column thumb in the middle", WM_HSCROLL, 64, middleLeft, 1 },
        { "column thumb at 127: the last left column", WM_HSCROLL, 127, lastLeft, 1 },
        { "row thumb in the middle", WM_VSCROLL, 64, lastLeft, middleTop },
        { "row thumb at 127: the last top row", WM_VSCROLL, 127, lastLeft, lastTop },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        hinted.clear();
        Grid->Perform(testCase.Message, MakeScrollWParam(SB_THUMBTRACK, testCase.Position));
        EXPECT_EQ(Grid->LeftCol(), testCase.LeftCol);
        EXPECT_EQ(Grid->TopRow(), testCase.TopRow);
        EXPECT_TRUE(Grid->ScrollHintShowing());
        ASSERT_EQ(hinted.size(), 1U);
        EXPECT_EQ(hinted[0], testCase.Message == WM_HSCROLL ? testCase.LeftCol : testCase.TopRow);
        Grid->Perform(testCase.Message, MakeScrollWParam(SB_ENDSCROLL, 0));
        EXPECT_FALSE(Grid->ScrollHintShowing());
    }

    Grid->SetScrollHints(shVertical);
    hinted.clear();
    Grid->Perform(WM_HSCROLL, MakeScrollWParam(SB_THUMBTRACK, 0));
    EXPECT_TRUE(hinted.empty()) << "no column hint with vertical hints only";
    Grid->SetScrollSynch(false);
    Grid->Perform(WM_VSCROLL, MakeScrollWParam(SB_THUMBTRACK, 0));
    EXPECT_EQ(Grid->TopRow(), lastTop) << "without ScrollSynch the rows wait for the thumb's release";
    Grid->Perform(WM_VSCROLL, MakeScrollWParam(SB_ENDSCROLL, 0));
}

TEST_F(ScrollBarsTest, TheCellScrollBarTakesTheMessagesItSends)
{
    Grid->AddScrollBar(2, 3, false);
    std::vector<int32_t> told;
    Grid->OnScrollCell = [&](TDudStringGrid*, int32_t aCol, int32_t aRow, int32_t position, int32_t, int32_t maximum) {
        EXPECT_EQ(aCol, 2);
        EXPECT_EQ(aRow, 3);
        EXPECT_EQ(maximum, 100);
        told.push_back(position);
    };
    TScrollBar& bar = Grid->CellScrollBar(2, 3);
    const struct {
        const char* Name;
        intptr_t Code;
        int32_t Thumb;
        int32_t Position;
    } cases[] = {
        { "line down", SB_LINEDOWN, 0, 10 },
        { "page down", SB_PAGEDOWN, 0, 100 },
        { "line down stops at the end", SB_LINEDOWN, 0, 100 },
        { "line up", SB_LINEUP, 0, 90 },
        { "thumb", SB_THUMBTRACK, 42, 42 },
        { "page up stops at the start", SB_PAGEUP, 0, 0 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        const int32_t before = Grid->GetScrollPosition(2, 3);
        told.clear();
        Grid->Perform(WM_VSCROLL, MakeScrollWParam(testCase.Code, testCase.Thumb), reinterpret_cast<intptr_t>(&bar));
        EXPECT_EQ(Grid->GetScrollPosition(2, 3), testCase.Position);
        EXPECT_EQ(told.size(), before != testCase.Position ? 1U : 0U);
        EXPECT_EQ(Grid->TopRow(), 1) << "the grid itself never scrolls";
    }
}

TEST_F(ScrollBarsTest, DraggingAtTheEdgesScrollsTheGrid)
{
    TDragScrollOptions& options = Grid->DragScrollOptions();
    options.SetActive(true);
    options.Margins().SetTopMargin(10);
    options.Margins().SetBottomMargin(10);
    options.Margins().SetLeftMargin(10);
    options.Margins().SetRightMargin(10);
    Grid->SetTopRow(5);
    Grid->SetLeftCol(3);
    TControl& control = *Grid;
    const struct {
        const char* Name;
        int32_t X;
        int32_t Y;
        TDragScrollDirection Direction;
        int32_t LeftCol;
        int32_t TopRow;
    } cases[] = {
        { "the middle scrolls nowhere", 150, 80, {}, 3, 5 },
        { "top edge", 150, 5, { dsdUp }, 3, 4 },
        { "bottom edge", 150, 160, { dsdDown }, 3, 6 },
        { "left edge", 5, 80, { dsdLeft }, 2, 5 },
        { "bottom-right corner", 300, 160, { dsdDown, dsdRight }, 4, 6 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        Grid->SetTopRow(5);
        Grid->SetLeftCol(3);
        bool accept = true;
        control.DragOver(nullptr, testCase.X, testCase.Y, dsDragMove, accept);
        EXPECT_FALSE(accept) << "taking drops is left to OnDragOver";
        EXPECT_EQ(Grid->DragScrollDirection(), testCase.Direction);
        ASSERT_EQ(Grid->DragScrollTimerControl() != nullptr, !testCase.Direction.Empty());
        if (!Grid->DragScrollTimerControl())
            continue;
        EXPECT_EQ(Grid->DragScrollTimerControl()->Interval(), 1000U);
        Grid->DragScrollTimer(nullptr);
        EXPECT_EQ(Grid->DragScrollTimerControl()->Interval(), 250U) << "the repeat delay follows the first tick";
        EXPECT_EQ(Grid->LeftCol(), testCase.LeftCol);
        EXPECT_EQ(Grid->TopRow(), testCase.TopRow);
    }

    bool accept = false;
    control.DragOver(nullptr, 150, 5, dsDragMove, accept);
    Grid->OnDragScroll = [](TDudStringGrid*, int32_t, int32_t, TDragScrollDirection&, bool& canScroll) { canScroll = false; };
    Grid->SetTopRow(5);
    Grid->DragScrollTimer(nullptr);
    EXPECT_EQ(Grid->TopRow(), 5) << "a vetoed tick moves nothing";
    Grid->OnDragScroll = [](TDudStringGrid*, int32_t, int32_t, TDragScrollDirection& direction, bool&) {
        direction = { dsdDown };
    };
    Grid->DragScrollTimer(nullptr);
    EXPECT_EQ(Grid->TopRow(), 6) << "the event may turn the direction";

    control.DragOver(nullptr, 150, 5, dsDragLeave, accept);
    EXPECT_EQ(Grid->DragScrollTimerControl(), nullptr) << "leaving frees the timer";
    control.DragOver(nullptr, 150, 5, dsDragEnter, accept);
    EXPECT_NE(Grid->DragScrollTimerControl(), nullptr);
    options.SetActive(false);
    control.DragOver(nullptr, 150, 5, dsDragMove, accept);
    EXPECT_EQ(Grid->DragScrollTimerControl(), nullptr) << "switched off, the timer goes";
}

TEST_F(ScrollBarsTest, ScrollTypesSwitchBetweenPlatformFlatAndSlimBars)
{
    Grid->SetScrollBars(ssBoth);
    Grid->SetScrollWidth(9);
    Grid->SetScrollColor(clRed);
    const struct {
        const char* Name;
        TScrollType Type;
        bool Flat;
        bool Slim;
        TScrollStyle Bars;
        intptr_t Style;
    } cases[] = {
        { "flat", ssFlat, true, false, ssBoth, FSB_FLAT_MODE },
        { "encarta", ssEncarta, true, false, ssBoth, FSB_ENCARTA_MODE },
        { "metro: slim controls instead of bars", ssMetro, false, true, ssNone, -1 },
        { "back from metro: the bars return", ssFlat, true, false, ssBoth, FSB_FLAT_MODE },
        { "normal", ssNormal, false, false, ssBoth, -1 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        Grid->SetScrollType(testCase.Type);
        EXPECT_EQ(Grid->IsFlat(), testCase.Flat);
        EXPECT_EQ(Grid->FlatSBInitialized(), testCase.Flat);
        EXPECT_EQ(Grid->VertScrollControl() != nullptr, testCase.Slim);
        EXPECT_EQ(Grid->HorzScrollControl() != nullptr, testCase.Slim);
        EXPECT_EQ(Grid->ScrollBars(), testCase.Bars);
        intptr_t value = -1;
        EXPECT_EQ(Grid->FlatSB_GetScrollProp(WSB_PROP_VSTYLE, value), testCase.Flat);
        EXPECT_EQ(value, testCase.Style);
        if (!testCase.Flat)
            continue;
        Grid->FlatSB_GetScrollProp(WSB_PROP_CXVSCROLL, value);
        EXPECT_EQ(value, 9);
        Grid->FlatSB_GetScrollProp(WSB_PROP_HBKGCOLOR, value);
        EXPECT_EQ(value, static_cast<intptr_t>(clRed));
        EXPECT_EQ(Grid->ClientWidth(), 300 - 9) << "the flat bar is as wide as ScrollWidth";
    }
    Grid->SetScrollType(ssMetro);
    EXPECT_EQ(Grid->VertScrollControl()->Width(), 6);
    EXPECT_EQ(Grid->HorzScrollControl()->Height(), 6);
}

// A cell with a scroll bar shows it at its right edge; the text stays left
// of it.
TEST_F(ScrollBarsTest, ACellScrollBarIsPaintedInsideItsCell)
{
    Grid->SetColWidths(2, 100);
    Grid->AddScrollBar(2, 1, false);
    Grid->Repaint();
    TBitmap shot;
    GrabControl(*Grid, shot);
    const TPoint global = Grid->ClientToScreen({ 0, 0 });
    const QPoint origin = Grid->Widget()->mapFromGlobal(QPoint(global.X, global.Y));
    const TRect cell = Grid->CellRect(2, 1);
    const TRect plain = Grid->CellRect(1, 2);
    // Two pixels in from each side, clear of the grid lines.
    const auto nonWhite = [&](const TRect& area) {
        int32_t count = 0;
        for (int32_t y = area.Top + 2; y < area.Bottom - 2; ++y)
            for (int32_t x = area.Left + 2; x < area.Right - 2; ++x)
                count += shot.Canvas().Pixels(x + origin.x(), y + origin.y()) != ColorToRGB(clWhite) ? 1 : 0;
        return count;
    };
    EXPECT_GT(nonWhite({ cell.Right - 10, cell.Top, cell.Right, cell.Bottom }), 20);
    EXPECT_EQ(nonWhite({ cell.Left, cell.Top, cell.Left + 40, cell.Bottom }), 0);
    EXPECT_EQ(nonWhite({ plain.Right - 10, plain.Top, plain.Right, plain.Bottom }), 0);
}

} // namespace
