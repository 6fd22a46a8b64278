#include "grid/base/BaseGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

// Records which cells had their content painted, and how often.
class TPaintProbeGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FHideLastRow;
    using TBaseGrid::PaintGridCell;

    std::map<std::pair<int32_t, int32_t>, int32_t> ContentPaints;
    std::map<std::pair<int32_t, int32_t>, TRect> ContentRects;
    // A cell the look turns into a fixed one, as a header button would be.
    TPoint LookFixedCell { -1, -1 };

    void GetVisualProperties(int32_t aCol, int32_t aRow, TGridDrawState& state, bool print, bool select, bool remap,
        TBrush& brush, TColor& colorTo, TColor& mirrorColor, TColor& mirrorColorTo, TFont& font, TAlignment& alignment,
        TVAlignment& vAlignment, bool& wordWrap, TCellGradientDirection& gradientDirection) override
    {
        TBaseGrid::GetVisualProperties(aCol, aRow, state, print, select, remap, brush, colorTo, mirrorColor,
            mirrorColorTo, font, alignment, vAlignment, wordWrap, gradientDirection);
        if (aCol == LookFixedCell.X && aRow == LookFixedCell.Y)
            state << gdFixed;
    }

protected:
    void DrawCellContent(TCanvas& canvas, int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state) override
    {
        ++ContentPaints[{ aCol, aRow }];
        ContentRects[{ aCol, aRow }] = rect;
        TBaseGrid::DrawCellContent(canvas, aCol, aRow, rect, state);
    }
};

// Columns 50 px and rows 20 px with no platform lines: cell (c, r) spans
// x = 50c .. 50c + 49 and y = 20r .. 20r + 19 of the 300 x 200 client area
// inside the grid's 2-pixel frame.
class BaseGridPaintTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Edit = new TEdit(Form.get());
        Edit->SetBounds(0, 280, 50, 20);
        Edit->SetParent(Form.get());
        Grid = new TPaintProbeGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(6);
        Grid->SetRowCount(10);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 304, 204);
        Grid->SetColor(clWhite);
        Grid->SetFixedColor(clSilver);
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
    }

    // The client area as shown, so pixels are read in client coordinates.
    void GrabClient(TBitmap& image)
    {
        TBitmap whole;
        GrabControl(*Grid, whole);
        const TPoint global = Grid->ClientToScreen({ 0, 0 });
        const QPoint origin = Grid->Widget()->mapFromGlobal(QPoint(global.X, global.Y));
        image.SetImage(whole.Image().copy(origin.x(), origin.y(), Grid->ClientWidth(), Grid->ClientHeight()));
    }

    TColor PixelAt(int32_t x, int32_t y)
    {
        TBitmap image;
        GrabClient(image);
        return image.Canvas().Pixels(x, y);
    }

    void Press(Qt::Key key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(Grid->Widget(), &press);
    }

    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    TPaintProbeGrid* Grid = nullptr;
};

} // namespace

TEST_F(BaseGridPaintTest, DrawsItsOwnGridLinesInTheLastPixelsOfEachCell)
{
    TBitmap image;
    GrabClient(image);
    TCanvas& canvas = image.Canvas();
    // Cell (2, 2): background inside, line colour on its right and bottom edge.
    EXPECT_EQ(canvas.Pixels(110, 50), clWhite);
    EXPECT_EQ(canvas.Pixels(149, 50), TColor(0xC0C0C0));
    EXPECT_EQ(canvas.Pixels(110, 59), TColor(0xC0C0C0));
    EXPECT_EQ(canvas.Pixels(148, 58), clWhite);
    // Fixed cells: their own line colour.
    EXPECT_EQ(canvas.Pixels(49, 50), TColor(0x808080));
    EXPECT_EQ(canvas.Pixels(110, 19), TColor(0x808080));
    EXPECT_EQ(canvas.Pixels(110, 10), clSilver);

    // A cell its look makes fixed takes the fixed lines.
    Grid->LookFixedCell = { 2, 2 };
    GrabClient(image);
    EXPECT_EQ(image.Canvas().Pixels(149, 50), TColor(0x808080));
    EXPECT_EQ(image.Canvas().Pixels(149, 70), TColor(0xC0C0C0));
}

TEST_F(BaseGridPaintTest, LineWidthZeroKeepsTheBackgroundAndGivesContentTheWholeCell)
{
    Grid->SetGridLineWidth(0);
    EXPECT_EQ(PixelAt(149, 50), clWhite);
    EXPECT_EQ(Grid->ContentRects[std::make_pair(2, 2)], Rect(100, 40, 150, 60));
    Grid->SetGridLineWidth(3);
    EXPECT_EQ(PixelAt(148, 50), TColor(0xC0C0C0));
    EXPECT_EQ(Grid->ContentRects[std::make_pair(2, 2)], Rect(103, 43, 147, 57));
}

TEST_F(BaseGridPaintTest, SelectionLooksFollowStyleAndFocus)
{
    // The outer frame of a single selected cell, at the middle of its left edge.
    Grid->SetCol(2);
    Grid->SetRow(2);
    Grid->SetOptions(Grid->Options() << goDrawFocusSelected);
    struct Case {
        const char* name;
        TGridSelectionStyle style;
        bool focusElsewhere;
        bool drawFocusSelected;
        TColor frame;
    };
    const Case cases[] = {
        { "vista focused", ssVista, false, true, 0xFDDE99 },
        { "win7 focused", ssWin7, false, true, 0xCEA27D },
        { "office 2007 focused", ssOffice2007, false, true, 0x8DD7D3 },
        { "vista, focus elsewhere but focus-selected drawing", ssVista, true, true, 0xFDDE99 },
        { "vista not focused", ssVista, true, false, 0xD9D9D9 },
        { "default style draws no look", ssDefault, false, true, clWhite },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetSelectionStyle(c.style);
        TGridOptions options = Grid->Options();
        if (c.drawFocusSelected)
            options << goDrawFocusSelected;
        else
            options >> goDrawFocusSelected;
        Grid->SetOptions(options);
        if (c.focusElsewhere)
            Edit->SetFocus();
        else
            Grid->SetFocus();
        QApplication::processEvents();
        EXPECT_EQ(PixelAt(100, 50), c.frame);
    }
}

TEST_F(BaseGridPaintTest, SelectionAcrossColumnsHasClosedEndsOnly)
{
    Grid->SetSelectionStyle(ssVista);
    Grid->SetOptions(Grid->Options() << goDrawFocusSelected);
    Grid->SetSelection({ 2, 2, 4, 2 });
    TBitmap image;
    GrabClient(image);
    TCanvas& canvas = image.Canvas();
    // The outer frame closes the area at its left end only; the middle cell
    // and the right end are open on their left side.
    EXPECT_EQ(canvas.Pixels(100, 50), TColor(0xFDDE99));
    EXPECT_NE(canvas.Pixels(150, 50), TColor(0xFDDE99));
    EXPECT_NE(canvas.Pixels(200, 50), TColor(0xFDDE99));
    // A single cell is closed on both sides.
    Grid->SetSelection({ 2, 4, 2, 4 });
    GrabClient(image);
    EXPECT_EQ(image.Canvas().Pixels(100, 90), TColor(0xFDDE99));
}

TEST_F(BaseGridPaintTest, ActiveAndHoverRowsTakeTheirColoursAndGradients)
{
    Grid->SetCol(1);
    Grid->SetRow(3);
    Grid->SetActiveRowShow(true);
    Grid->SetActiveRowColor(clYellow);
    TBitmap image;
    GrabClient(image);
    EXPECT_EQ(image.Canvas().Pixels(110, 70), clYellow);
    // The current cell itself keeps the normal look.
    EXPECT_EQ(image.Canvas().Pixels(60, 70), clWhite);

    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(clRed);
    Grid->SetHoverRowColorTo(clBlue);
    Grid->SetActiveRowShow(false);
    Grid->FHoverRowIdx = 5;
    Grid->Invalidate();
    GrabClient(image);
    // A vertical gradient from red at the top to blue at the bottom.
    EXPECT_EQ(image.Canvas().Pixels(110, 100), clRed);
    const TColor bottom = image.Canvas().Pixels(110, 118);
    EXPECT_GT(GetBValue(bottom), 0xE0);
    EXPECT_LT(GetRValue(bottom), 0x20);
}

// The hover row colours a selected or fixed cell only when asked to.
TEST_F(BaseGridPaintTest, HoverSkipsSelectedAndFixedCellsUnlessAsked)
{
    Grid->SetCol(2);
    Grid->SetRow(5);
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(clRed);
    Grid->SetHoverRowColorTo(clRed);
    Grid->FHoverRowIdx = 5;
    struct TCase {
        THoverRowCells Cells;
        bool Selected;
        bool Fixed;
    };
    const TCase cases[] = {
        { {}, false, false },
        { { hcNormal }, false, false },
        { { hcSelected }, true, false },
        { { hcFixed }, false, true },
        { { hcNormal, hcSelected, hcFixed }, true, true },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.Selected << entry.Fixed);
        Grid->SetHoverRowCells(entry.Cells);
        Grid->Invalidate();
        TBitmap image;
        GrabClient(image);
        EXPECT_EQ(image.Canvas().Pixels(160, 110), clRed) << "a plain cell of the row";
        EXPECT_EQ(image.Canvas().Pixels(110, 110) == clRed, entry.Selected);
        EXPECT_EQ(image.Canvas().Pixels(10, 110) == clRed, entry.Fixed);
    }
}

TEST_F(BaseGridPaintTest, RightToLeftLinesMeetTheMirroredCell)
{
    TBitmap image;
    image.SetSize(60, 30);
    image.Canvas().Brush().SetColor(clWhite);
    image.Canvas().FillRect(Rect(0, 0, 60, 30));
    Grid->PaintCellExt(image.Canvas(), 2, 2, Rect(0, 0, 50, 20), {});
    EXPECT_EQ(image.Canvas().Pixels(49, 10), TColor(0xC0C0C0));
    EXPECT_EQ(image.Canvas().Pixels(50, 10), clWhite);
    Grid->SetBiDiMode(bdRightToLeft);
    image.Canvas().FillRect(Rect(0, 0, 60, 30));
    Grid->PaintCellExt(image.Canvas(), 2, 2, Rect(0, 0, 50, 20), {});
    EXPECT_EQ(image.Canvas().Pixels(50, 10), TColor(0xC0C0C0));
    EXPECT_NE(image.Canvas().Pixels(49, 10), TColor(0xC0C0C0));
}

// A cell out of view keeps its size, so a control placed on it does too.
TEST_F(BaseGridPaintTest, CellsOutOfViewKeepTheirSize)
{
    Grid->SetRowCount(60);
    Grid->SetColWidths(3, 70);
    Grid->SetRowHeights(50, 33);
    const TRect hidden = Grid->CellRect(3, 50);
    EXPECT_EQ(hidden.Width(), 70);
    EXPECT_EQ(hidden.Height(), 33);
    const TRect shown = Grid->CellRect(2, 2);
    EXPECT_EQ(shown, Rect(100, 40, 150, 60));
}

TEST_F(BaseGridPaintTest, PaintCellExtOfASelectedCellUsesTheActiveRowColour)
{
    Grid->SetActiveRowColor(clLime);
    TBitmap image;
    image.SetSize(60, 30);
    Grid->ContentPaints.clear();
    Grid->PaintCellExt(image.Canvas(), 2, 2, Rect(0, 0, 50, 20), { gdSelected });
    EXPECT_EQ(image.Canvas().Pixels(10, 10), clLime);
    EXPECT_EQ(Grid->ContentPaints.count(std::make_pair(2, 2)), 0u);
}

TEST_F(BaseGridPaintTest, MergeIsPaintedOnceAsOneRectanglePerPass)
{
    Grid->SetRowCount(20);
    Grid->MergeCells(2, 2, 3, 2);
    Grid->SetCells(2, 2, "M");
    Grid->ContentPaints.clear();
    TBitmap image;
    GrabClient(image);
    EXPECT_EQ(Grid->ContentPaints[std::make_pair(2, 2)], 1);
    EXPECT_EQ(Grid->ContentRects[std::make_pair(2, 2)], Rect(101, 41, 249, 79));
    // No line inside the merged area; its outer edge has one.
    EXPECT_EQ(image.Canvas().Pixels(149, 50), clWhite);
    EXPECT_EQ(image.Canvas().Pixels(120, 59), clWhite);
    EXPECT_EQ(image.Canvas().Pixels(249, 50), TColor(0xC0C0C0));

    // With the base scrolled out of view the first visible cell paints the
    // whole area, the others nothing.
    Grid->SetTopRow(3);
    Grid->ContentPaints.clear();
    GrabClient(image);
    EXPECT_EQ(Grid->ContentPaints[std::make_pair(2, 2)], 1);
    EXPECT_EQ(Grid->TopRow(), 3);
    EXPECT_EQ(Grid->ContentRects[std::make_pair(2, 2)], Rect(101, 1, 249, 39));
    // The part under the fixed row is not painted over it.
    EXPECT_EQ(image.Canvas().Pixels(120, 10), clSilver);
    EXPECT_EQ(image.Canvas().Pixels(120, 30), clWhite);

    // Painting the merge elsewhere (printing, a drag image), through its base
    // or another of its cells and more than once, paints it every time and
    // leaves the next screen pass to paint it again.
    TBitmap offScreen;
    offScreen.SetSize(200, 60);
    Grid->ContentPaints.clear();
    for (const TPoint cell : { TPoint { 2, 2 }, TPoint { 2, 2 }, TPoint { 3, 3 }, TPoint { 3, 3 } })
        Grid->PaintCell(offScreen.Canvas(), cell.X, cell.Y, Rect(0, 0, 150, 40), {});
    EXPECT_EQ(Grid->ContentPaints[std::make_pair(2, 2)], 4);
    Grid->ContentPaints.clear();
    GrabClient(image);
    EXPECT_EQ(Grid->ContentPaints[std::make_pair(2, 2)], 1);
}

TEST_F(BaseGridPaintTest, HiddenLastRowShowsOnlyTheGridColour)
{
    Grid->SetRowCount(5);
    Grid->FHideLastRow = true;
    Grid->SetCells(2, 4, "x");
    Grid->ContentPaints.clear();
    EXPECT_EQ(PixelAt(149, 99), clWhite);
    EXPECT_EQ(Grid->ContentPaints.count(std::make_pair(2, 4)), 0u);
}

TEST_F(BaseGridPaintTest, KeysStepOverMergedAreas)
{
    Grid->MergeCells(2, 2, 3, 1);
    Grid->MergeCells(1, 3, 1, 2);
    struct Case {
        const char* name;
        TGridCoord start;
        Qt::Key key;
        TGridCoord expected;
    };
    const Case cases[] = {
        { "right from the base of a merge leaves it", { 2, 2 }, Qt::Key_Right, { 5, 2 } },
        { "left into a merge lands on its base", { 5, 2 }, Qt::Key_Left, { 2, 2 } },
        { "left from the base leaves the merge", { 2, 2 }, Qt::Key_Left, { 1, 2 } },
        { "down from a two-row merge at row 3 goes to row 5", { 1, 3 }, Qt::Key_Down, { 1, 5 } },
        { "down into a merge lands on its base", { 3, 1 }, Qt::Key_Down, { 2, 2 } },
        { "up into a two-row merge lands on its base", { 1, 5 }, Qt::Key_Up, { 1, 3 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCol(c.start.X);
        Grid->SetRow(c.start.Y);
        Press(c.key);
        EXPECT_EQ(Grid->Col(), c.expected.X);
        EXPECT_EQ(Grid->Row(), c.expected.Y);
    }
}

TEST_F(BaseGridPaintTest, PageDownStopsBeforeTheHiddenLastRow)
{
    Grid->FHideLastRow = true;
    Grid->SetRow(5);
    Press(Qt::Key_PageDown);
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Grid->Row(), 8);
}
