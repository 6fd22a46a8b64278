#include "grid/DudOder.h"
#include "grid/DudOder_CellPaint.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_SortSettings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// Columns 60 px and rows 20 px: cell (c, r) spans x = 60c .. 60c + 59 and
// y = 20r .. 20r + 19 of the 300 x 160 client area inside the grid's 2-px
// frame, its last pixel row and column the grid lines.
class StringGridPaintTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TDudStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(5);
        Grid->SetRowCount(8);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(20);
        Grid->SetBounds(0, 0, 304, 164);
        Grid->SetColor(clWhite);
        Grid->SetFixedColor(clSilver);
        Grid->SetOptions(Grid->Options() << goEditing);
        Grid->ControlLook().SetControlStyle(TControlLook::csClassic);
        Grid->ControlLook().SetCheckSize(15);
        Form->Show();
        QApplication::processEvents();
    }

    // The client area as shown, so pixels are read in client coordinates.
    TCanvas& Grab()
    {
        TBitmap whole;
        GrabControl(*Grid, whole);
        const TPoint global = Grid->ClientToScreen({ 0, 0 });
        const QPoint origin = Grid->Widget()->mapFromGlobal(QPoint(global.X, global.Y));
        Image.SetImage(whole.Image().copy(origin.x(), origin.y(), Grid->ClientWidth(), Grid->ClientHeight()));
        return Image.Canvas();
    }

    // Pixels of one colour inside a rectangle.
    int32_t CountColor(const TRect& area, TColor color)
    {
        TCanvas& canvas = Grab();
        const TColor wanted = ColorToRGB(color);
        int32_t count = 0;
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x)
                count += canvas.Pixels(x, y) == wanted ? 1 : 0;
        return count;
    }

    // Pixels darker than mid grey: text however it is smoothed.
    int32_t CountDark(const TRect& area)
    {
        TCanvas& canvas = Grab();
        int32_t count = 0;
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x)
                count += IsDark(canvas.Pixels(x, y)) ? 1 : 0;
        return count;
    }

    static bool IsDark(TColor color)
    {
        const TColor rgb = ColorToRGB(color);
        return (rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF) < 300;
    }

    // The check box of a cell sits 3 px in from the cell's top-left corner;
    // inside its 2-px sunken frame only the tick is drawn in text colour.
    TRect CheckInterior(int32_t aCol, int32_t aRow) const
    {
        const TRect cell = Grid->CellRect(aCol, aRow);
        return Rect(cell.Left + 5, cell.Top + 5, cell.Left + 16, cell.Top + 16);
    }

    std::unique_ptr<TForm> Form;
    TDudStringGrid* Grid = nullptr;
    TBitmap Image;
};

TEST_F(StringGridPaintTest, DataCheckBoxColumnPaintsItsState)
{
    Grid->AddCheckBoxColumn(2, false, true);
    EXPECT_EQ(CountColor(CheckInterior(2, 3), clWindowText), 0);
    Grid->ToggleCellCheck(2, 3, true);
    EXPECT_EQ(Grid->Cells(2, 3), "Y");
    EXPECT_EQ(CountColor(CheckInterior(2, 3), clWindowText), 21);
    EXPECT_EQ(CountColor(CheckInterior(2, 4), clWindowText), 0);
    // The text stands for the box: no "Y" is written beside it.
    const TRect cell = Grid->CellRect(2, 3);
    EXPECT_EQ(CountDark(Rect(cell.Left + 20, cell.Top + 2, cell.Right - 2, cell.Bottom - 2)), 0);
    Grid->ToggleCellCheck(2, 3, true);
    EXPECT_EQ(CountColor(CheckInterior(2, 3), clWindowText), 0);
}

TEST_F(StringGridPaintTest, CheckBoxLooksDrawTheirOwnTick)
{
    struct Case {
        const char* name;
        TControlLook::TControlStyle style;
        TColor tick;
    };
    const Case cases[] = {
        { "classic", TControlLook::csClassic, clWindowText },
        { "flat", TControlLook::csFlat, clWindowText },
        { "xp", TControlLook::csWinXP, TColor(0x21A121) },
    };
    Grid->AddCheckBox(1, 2, true, false);
    Grid->AddCheckBox(1, 3, false, false);
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->ControlLook().SetControlStyle(entry.style);
        EXPECT_EQ(CountColor(CheckInterior(1, 2), entry.tick), 21);
        EXPECT_EQ(CountColor(CheckInterior(1, 3), entry.tick), 0);
    }
}

// A balloon on a check box shares the field that marks a mixed box; the box
// must still show its own state.
TEST_F(StringGridPaintTest, BalloonDoesNotGrayACheckBox)
{
    Grid->AddCheckBox(1, 2, true, false);
    Grid->AddBalloon(1, 2, QStringLiteral("title"), QStringLiteral("text"), biInfo);
    Grid->AddCheckBox(1, 3, true, false);
    Grid->GetCellGraphic(1, 3)->SetCellAngle(1);
    EXPECT_EQ(CountColor(CheckInterior(1, 2), clWindowText), 21);
    EXPECT_EQ(CountColor(CheckInterior(1, 3), clGrayText), 21);
}

TEST_F(StringGridPaintTest, CellsPaintTheColoursOfTheirState)
{
    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&)> setup;
        int32_t col;
        int32_t row;
        TColor expected;
    };
    const Case cases[] = {
        { "plain", [](TDudStringGrid&) { }, 3, 4, clWhite },
        { "own colour", [](TDudStringGrid& g) { g.SetColors(3, 4, clAqua); }, 3, 4, clAqua },
        // The classic look paints its fixed cells in the button face colour.
        { "classic fixed", [](TDudStringGrid& g) { g.SetLook(glClassic); }, 2, 0, clBtnFace },
        { "fixed ignores a check box's colour",
            [](TDudStringGrid& g) {
                g.SetLook(glClassic);
                g.AddCheckBox(2, 0, false, false);
                g.SetColors(2, 0, clAqua);
            },
            2, 0, clBtnFace },
        { "selected",
            [](TDudStringGrid& g) {
                g.SetSelectionColor(clLime);
                g.SetSelection(TGridRect { 1, 2, 3, 4 });
            },
            3, 4, clLime },
        { "selection mixed with own colour",
            [](TDudStringGrid& g) {
                g.SetSelectionColor(clLime);
                g.SetSelectionColorMixer(true);
                g.SetSelectionColorMixerFactor(50);
                g.SetColors(3, 4, clBlue);
                g.SetSelection(TGridRect { 1, 2, 3, 4 });
            },
            3, 4, BlendColors(clLime, clBlue, 50) },
        { "band",
            [](TDudStringGrid& g) {
                g.Bands().SetPrimaryColor(clYellow);
                g.Bands().SetActive(true);
            },
            3, 1, clYellow },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        SetUp();
        entry.setup(*Grid);
        const TRect cell = Grid->CellRect(entry.col, entry.row);
        EXPECT_EQ(Grab().Pixels(cell.Right - 10, cell.Top + 10), ColorToRGB(entry.expected));
    }
}

TEST_F(StringGridPaintTest, FixedCellsOfTheXpLookRunTheirGradientDownwards)
{
    const auto brightness = [](TColor color) {
        const TColor rgb = ColorToRGB(color);
        return (rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF);
    };
    Grid->SetLook(glXP);
    const TRect cell = Grid->CellRect(2, 0);
    TCanvas& canvas = Grab();
    EXPECT_GT(brightness(canvas.Pixels(cell.Left + 20, cell.Top + 3)),
        brightness(canvas.Pixels(cell.Left + 20, cell.Bottom - 4)));
}

TEST(BlendColorsTest, MixerRules)
{
    struct Case {
        TColor a;
        TColor b;
        int32_t percent;
        TColor expected;
    };
    const Case cases[] = {
        { clLime, clBlue, 100, clLime },
        { clLime, clBlue, 0, clBlue },
        { clNone, clBlue, 50, clBlue },
        { clLime, clNone, 50, clLime },
        { 0x0000C8, 0x000064, 50, 0x000096 },
        { 0x00FF00, 0x000000, 25, 0x004000 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.a << " " << entry.b << " " << entry.percent);
        EXPECT_EQ(BlendColors(entry.a, entry.b, entry.percent), entry.expected);
    }
    EXPECT_EQ(BlendColorsIf(clLime, clBlue, false, 50), clLime);
}

TEST_F(StringGridPaintTest, TextFollowsItsAlignment)
{
    Grid->SetCells(2, 3, QStringLiteral("iii"));
    const TRect cell = Grid->CellRect(2, 3);
    for (const TAlignment alignment : { taLeftJustify, taRightJustify, taCenter }) {
        SCOPED_TRACE(static_cast<int>(alignment));
        Grid->OnGetAlignment = [alignment](TDudStringGrid*, int32_t, int32_t, TAlignment& hAlign, TVAlignment&) {
            hAlign = alignment;
        };
        TCanvas& canvas = Grab();
        int32_t first = -1;
        int32_t last = -1;
        for (int32_t x = cell.Left; x < cell.Right - 1; ++x)
            for (int32_t y = cell.Top; y < cell.Bottom - 1; ++y)
                if (IsDark(canvas.Pixels(x, y))) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
        ASSERT_GE(first, 0);
        const int32_t leftGap = first - cell.Left;
        const int32_t rightGap = cell.Right - 1 - last;
        if (alignment == taLeftJustify)
            EXPECT_LE(leftGap, 5);
        else if (alignment == taRightJustify)
            EXPECT_LE(rightGap, 5);
        else
            EXPECT_LE(std::abs(leftGap - rightGap), 3);
    }
}

TEST_F(StringGridPaintTest, HiddenColumnsPaintTheRealColumnsCells)
{
    Grid->AddCheckBox(3, 2, true, false);
    Grid->HideColumn(2);
    EXPECT_EQ(CountColor(CheckInterior(2, 2), clWindowText), 21);
}

// The text of an RTF document in its colour and alignment, not its code.
TEST_F(StringGridPaintTest, RichTextCellsDrawTheirFormattedText)
{
    const auto reddish = [this](const TRect& area) {
        TCanvas& canvas = Grab();
        int32_t count = 0;
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x) {
                const TColor rgb = ColorToRGB(canvas.Pixels(x, y));
                count += (rgb & 0xFF) > 150 && ((rgb >> 8) & 0xFF) < 110 && ((rgb >> 16) & 0xFF) < 110 ? 1 : 0;
            }
        return count;
    };
    const TRect cell = Grid->CellRect(2, 3);
    const TRect left = Rect(cell.Left + 1, cell.Top + 1, cell.Left + 30, cell.Bottom - 1);
    const TRect right = Rect(cell.Right - 30, cell.Top + 1, cell.Right - 1, cell.Bottom - 1);
    Grid->SetCells(2, 3, QStringLiteral(R"({\rtf1{\colortbl ;\red255\green0\blue0;}\cf1\b WW})"));
    EXPECT_GT(reddish(left), 5);
    EXPECT_EQ(reddish(right), 0);
    EXPECT_EQ(CountDark(right), 0);
    Grid->SetCells(2, 3, QStringLiteral(R"({\rtf1{\colortbl ;\red255\green0\blue0;}\qr\cf1\b WW})"));
    EXPECT_EQ(reddish(left), 0);
    EXPECT_GT(reddish(right), 5);
}

} // namespace

namespace {

TEST_F(StringGridPaintTest, SortGlyphMarksTheSortedHeader)
{
    Grid->SetCells(2, 0, QStringLiteral("Name"));
    Grid->SortSettings().SetColumn(2);
    const TRect cell = Grid->CellRect(2, 0);
    const TRect inside = Rect(cell.Left + 2, cell.Top + 2, cell.Right - 2, cell.Bottom - 3);
    EXPECT_EQ(CountColor(inside, TColor(0x808080)), 0);
    Grid->SortSettings().SetShow(true);
    Grid->Invalidate();
    EXPECT_GE(CountColor(inside, TColor(0x808080)), 8);
    const TRect other = Grid->CellRect(3, 0);
    EXPECT_EQ(CountColor(Rect(other.Left + 2, other.Top + 2, other.Right - 2, other.Bottom - 3), TColor(0x808080)), 0);
}

TEST_F(StringGridPaintTest, SizingLineShowsUntilDrawnAgain)
{
    const TRect column = Rect(100, 45, 101, 55);
    const int32_t before = CountColor(column, clWhite);
    EXPECT_EQ(before, 10);
    Grid->DrawColSizingLine(100);
    EXPECT_LT(CountColor(column, clWhite), before);
    Grid->DrawColSizingLine(100);
    EXPECT_EQ(CountColor(column, clWhite), before);
    const TRect row = Rect(70, 50, 80, 51);
    Grid->DrawRowSizingLine(50);
    EXPECT_LT(CountColor(row, clWhite), 10);
    Grid->DrawRowSizingLine(50);
    EXPECT_EQ(CountColor(row, clWhite), 10);
}

TEST(StringGridTextTest, AddressesInTextBecomeAnchors)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral("see www.example.com"));
    EXPECT_EQ(grid.Cells(1, 1), "see www.example.com");
    grid.SetURLShowInText(true);
    EXPECT_TRUE(grid.Cells(1, 1).contains(QStringLiteral("<a href")));
    EXPECT_EQ(grid.GridCells(1, 1), "see www.example.com");
}


// Text holding "</", "<B", "<I" or "<C" is markup: the renderer draws what
// its tags leave of it, in every row.
TEST_F(StringGridPaintTest, MarkupCellsShowTheirText)
{
    struct Case {
        const char* name;
        String text;
    };
    const Case cases[] = {
        { "bold", QStringLiteral("<B>WWW</B>") },
        { "a stray end tag", QStringLiteral("WW</b") },
        { "an unknown tag", QStringLiteral("WW <CH1>") },
        { "italic", QStringLiteral("<I>WWW</I>") },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Grid->SetCells(2, 3, entry.text);
        Grid->SetCells(3, 5, entry.text);
        const TRect first = Grid->CellRect(2, 3);
        const TRect second = Grid->CellRect(3, 5);
        EXPECT_GT(CountDark(Rect(first.Left + 1, first.Top + 1, first.Right - 1, first.Bottom - 1)), 10);
        EXPECT_GT(CountDark(Rect(second.Left + 1, second.Top + 1, second.Right - 1, second.Bottom - 1)), 10);
    }
    // The tags themselves are not shown: "<B>" drawn as text would be wider.
    Grid->SetCells(2, 3, QStringLiteral("<B>W</B>"));
    const TRect cell = Grid->CellRect(2, 3);
    EXPECT_EQ(CountDark(Rect(cell.Left + 20, cell.Top + 1, cell.Right - 1, cell.Bottom - 1)), 0);
}

// An address in a text becomes an anchor, drawn in the URL colour.
TEST_F(StringGridPaintTest, AnchoredAddressesShowInTheUrlColour)
{
    Grid->SetURLColor(clRed);
    Grid->SetURLShowInText(true);
    Grid->SetCells(1, 2, QStringLiteral("www.example.com"));
    Grid->SetCells(1, 4, QStringLiteral("www.example.com"));
    const TRect cell = Grid->CellRect(1, 2);
    const TRect other = Grid->CellRect(1, 4);
    const auto reddish = [this](const TRect& area) {
        TCanvas& canvas = Grab();
        int32_t count = 0;
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x) {
                const TColor rgb = ColorToRGB(canvas.Pixels(x, y));
                count += (rgb & 0xFF) > 150 && ((rgb >> 8) & 0xFF) < 110 && ((rgb >> 16) & 0xFF) < 110 ? 1 : 0;
            }
        return count;
    };
    EXPECT_GT(reddish(Rect(cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1)), 10);
    EXPECT_GT(reddish(Rect(other.Left + 1, other.Top + 1, other.Right - 1, other.Bottom - 1)), 10);
}

// Bands alternate from the first scrollable row: PrimaryLength rows of the
// primary colour, then SecondaryLength of the secondary one.
TEST_F(StringGridPaintTest, BandsAlternateOverTheRows)
{
    struct Case {
        int32_t primaryLength;
        TColor expected[6];
    };
    const Case cases[] = {
        { 1, { clYellow, clAqua, clYellow, clAqua, clYellow, clAqua } },
        { 2, { clYellow, clYellow, clAqua, clYellow, clYellow, clAqua } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.primaryLength);
        Grid->Bands().SetPrimaryColor(clYellow);
        Grid->Bands().SetSecondaryColor(clAqua);
        Grid->Bands().SetPrimaryLength(entry.primaryLength);
        Grid->Bands().SetSecondaryLength(1);
        Grid->Bands().SetActive(true);
        TCanvas& canvas = Grab();
        for (int32_t row = 1; row <= 6; ++row) {
            SCOPED_TRACE(row);
            const TRect cell = Grid->CellRect(2, row);
            EXPECT_EQ(canvas.Pixels(cell.Right - 10, cell.Top + 10), ColorToRGB(entry.expected[row - 1]));
        }
    }
}

// A check box column draws its state against the check-true text of that
// column, not the grid's.
TEST_F(StringGridPaintTest, DataCheckBoxesUseTheirColumnsCheckText)
{
    Grid->AddCheckBoxColumn(2, false, true);
    Grid->OnGetCheckTrue = [](TDudStringGrid*, int32_t aCol, int32_t, String& value) {
        if (aCol == 2)
            value = QStringLiteral("1");
    };
    Grid->SetCells(2, 3, QStringLiteral("1"));
    Grid->SetCells(2, 4, QStringLiteral("Y"));
    EXPECT_EQ(CountColor(CheckInterior(2, 3), clWindowText), 21);
    EXPECT_EQ(CountColor(CheckInterior(2, 4), clWindowText), 0);
}

// The dotted focus rectangle marks the current cell of a focused grid, and
// never a cell while whole rows are selected.
TEST_F(StringGridPaintTest, FocusRectangleOnlyOutsideRowSelect)
{
    const auto dotted = [this](int32_t aCol, int32_t aRow) {
        const TRect cell = Grid->CellRect(aCol, aRow);
        TCanvas& canvas = Grab();
        int32_t changes = 0;
        // Just inside the top edge a dotted line alternates from pixel to pixel.
        for (int32_t x = cell.Left + 2; x < cell.Right - 3; ++x)
            changes += canvas.Pixels(x, cell.Top + 1) != canvas.Pixels(x + 1, cell.Top + 1) ? 1 : 0;
        return changes;
    };
    Grid->SetCol(2);
    Grid->SetRow(3);
    Grid->SetFocus();
    QApplication::processEvents();
    ASSERT_TRUE(Grid->Focused());
    EXPECT_GT(dotted(2, 3), 20);
    EXPECT_EQ(dotted(3, 4), 0);
    Grid->SetOptions(Grid->Options() - TGridOptions { goEditing } + TGridOptions { goRowSelect });
    Grid->SetRow(4);
    EXPECT_EQ(dotted(2, 4), 0);
    EXPECT_EQ(dotted(1, 4), 0);
}


// Every drawable kind of graphic shows in its cell, and only there.
TEST_F(StringGridPaintTest, GraphicsOfEveryKindShowInTheirCell)
{
    const auto inked = [this](int32_t aCol, int32_t aRow) {
        const TRect cell = Grid->CellRect(aCol, aRow);
        TCanvas& canvas = Grab();
        int32_t count = 0;
        for (int32_t y = cell.Top + 1; y < cell.Bottom - 1; ++y)
            for (int32_t x = cell.Left + 1; x < cell.Right - 1; ++x)
                count += ColorToRGB(canvas.Pixels(x, y)) != ColorToRGB(clWhite) ? 1 : 0;
        return count;
    };
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(Rect(0, 0, 10, 10));
    struct Case {
        const char* name;
        std::function<void(TDudStringGrid&)> add;
        int32_t minimum;
    };
    const Case cases[] = {
        { "bitmap", [&](TDudStringGrid& g) { g.AddBitmap(2, 3, &bitmap, false, haLeft, vaTop); }, 90 },
        { "progress",
            [](TDudStringGrid& g) {
                g.SetCells(2, 3, QStringLiteral("50"));
                g.AddProgress(2, 3, clBlue, clWhite);
            },
            60 },
        { "level progress",
            [](TDudStringGrid& g) {
                g.SetCells(2, 3, QStringLiteral("5"));
                g.AddDudProgress(2, 3, 0, 10);
            },
            60 },
        { "pie", [](TDudStringGrid& g) { g.AddProgressPie(2, 3, clRed, 60); }, 40 },
        { "range",
            [](TDudStringGrid& g) {
                g.SetCells(2, 3, QStringLiteral("-40"));
                g.AddRangeIndicator(2, 3, 100, clRed, clGreen, false);
            },
            20 },
        { "comment",
            [](TDudStringGrid& g) {
                g.ControlLook().SetCommentColor(clRed);
                g.AddComment(2, 3, QStringLiteral("note"));
            },
            5 },
        { "shape", [](TDudStringGrid& g) { g.AddShape(2, 3, csRectangle, clRed, clBlack, haLeft, vaTop); }, 40 },
        { "rating",
            [](TDudStringGrid& g) {
                g.SetCells(2, 3, QStringLiteral("2"));
                g.AddRating(2, 3, 3, clRed, clSilver);
            },
            40 },
        { "button", [](TDudStringGrid& g) { g.AddButton(2, 3, 40, 14, QStringLiteral("Go"), haLeft, vaTop); }, 100 },
        { "xp radio group",
            [](TDudStringGrid& g) {
                g.ControlLook().SetControlStyle(TControlLook::csWinXP);
                TStrings& options = g.CreateRadio(2, 3, 1, 0);
                options.Add(QStringLiteral("a"));
                options.Add(QStringLiteral("b"));
            },
            60 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        SetUp();
        EXPECT_EQ(inked(2, 3), 0);
        entry.add(*Grid);
        Grid->Invalidate();
        EXPECT_GE(inked(2, 3), entry.minimum);
        EXPECT_EQ(inked(3, 4), 0);
    }
}

TEST(LevelProgressPercentTest, RangesIncludingAnEmptyOne)
{
    struct Case {
        int32_t value;
        int32_t min;
        int32_t max;
        int32_t expected;
    };
    const Case cases[] = {
        { 5, 0, 10, 50 },
        { 0, 0, 10, 0 },
        { 10, 0, 10, 100 },
        { 25, 20, 30, 50 },
        { 7, 7, 7, 100 },
        { 6, 7, 7, 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.value);
        EXPECT_EQ(LevelProgressPercent(entry.value, entry.min, entry.max), entry.expected);
    }
}

} // namespace

// A node over rows 1..4 of column 0 (indent 12): its rows join the tree at
// x = 8, the inner rows down through the cell, the last one down to its
// middle only, and a row outside the node has no line.
TEST_F(StringGridPaintTest, OutlineRowsDrawTheirTreeLines)
{
    Grid->CellNode().SetTreeColor(clRed);
    Grid->AddNode(1, 4);
    TCanvas& canvas = Grab();
    const auto red = [&canvas](int32_t x, int32_t y) { return canvas.Pixels(x, y) == ColorToRGB(clRed); };
    const auto redInRow = [&red](int32_t x, int32_t top) {
        for (int32_t y = top; y < top + 20; ++y)
            if (red(x, y))
                return true;
        return false;
    };
    struct TCase {
        const char* Name;
        TPoint Pixel;
        bool Red;
    };
    const TCase cases[] = {
        { "inner row, top of its line", { 8, 41 }, true },
        { "inner row, bottom of its line", { 8, 58 }, true },
        { "last row, top half", { 8, 81 }, true },
        { "last row, bottom half", { 8, 97 }, false },
        { "row outside the node", { 8, 105 }, false },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(red(test.Pixel.X, test.Pixel.Y), test.Red);
    }
    EXPECT_TRUE(redInRow(40, 40)) << "the inner row's line runs across the cell";
    EXPECT_TRUE(redInRow(40, 80)) << "so does the last row's";
    EXPECT_FALSE(redInRow(40, 100)) << "a row outside the node has none";
}
