#include "grid/DudOder.h"
#include "grid/DudOder_FocusFrame.h"
#include "grid/base/VidEri_AlphaMask.h"
#include "grid/base/VidEri_FocusWindow.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <utility>

namespace {

class TProbeGrid : public TDudStringGrid {
public:
    using TDudStringGrid::TDudStringGrid;
    using TDudStringGrid::CellRect;
};

class FocusFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 30, 500, 300);
        Grid = new TProbeGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 460, 250);
        Grid->SetColCount(4);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
        Grid->SetCol(2);
        Grid->SetRow(3);
    }

    void TearDown() override { Form.reset(); }

    std::unique_ptr<TForm> Form;
    TProbeGrid* Grid = nullptr;
};

} // namespace

TEST_F(FocusFrameTest, EditingWithTheFocusHelperLaysTheFrameAroundTheCell)
{
    Grid->FocusHelper().SetEnabled(true);
    Press(Qt::Key_F2);
    QApplication::processEvents();
    ASSERT_TRUE(Grid->EditorMode());
    TGridFocusWindow* window = Grid->FocusWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FocusFrameGrid, Grid);
    EXPECT_TRUE(window->Visible());
    EXPECT_TRUE(window->Layered());

    const TRect cell = Grid->CellRect(2, 3);
    const TPoint screen = Grid->ClientToScreen({ cell.Left, cell.Top });
    EXPECT_EQ(window->BoundsRect(), Bounds(screen.X - 4, screen.Y - 4, cell.Width() + 9, cell.Height() + 9));

    // The ring: 4 pixels at the left and top, 5 at the right and bottom.
    const QRegion region = window->Widget()->mask();
    EXPECT_TRUE(region.contains(QPoint(0, 0)));
    EXPECT_TRUE(region.contains(QPoint(3, 10)));
    EXPECT_FALSE(region.contains(QPoint(4, 4)));
    EXPECT_FALSE(region.contains(QPoint(cell.Width() + 3, cell.Height() + 3)));
    EXPECT_TRUE(region.contains(QPoint(cell.Width() + 4, 10)));
    EXPECT_TRUE(region.contains(QPoint(cell.Width() + 8, cell.Height() + 8)));

    // Nothing composites here: the ring shows opaque in the frame colour.
    // (Taking the alpha out again may be a level or two off.)
    TBitmap shown;
    GrabControl(*window, shown);
    const TColor ring = BitmapPixel(shown, 2, cell.Height() / 2 + 4);
    EXPECT_NEAR(GetRValue(ring), 0x97, 3);
    EXPECT_NEAR(GetGValue(ring), 0xD3, 3);
    EXPECT_NEAR(GetBValue(ring), 0xFD, 3);

    // The frame follows the form.
    Form->SetBounds(Form->Left() + 30, Form->Top() + 20, Form->Width(), Form->Height());
    QApplication::processEvents();
    const TPoint moved = Grid->ClientToScreen({ cell.Left, cell.Top });
    EXPECT_EQ(window->Left(), moved.X - 4);
    EXPECT_EQ(window->Top(), moved.Y - 4);

    Press(Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(FocusFrameGrid, nullptr);
}

TEST_F(FocusFrameTest, WithoutTheFocusHelperNoFrameIsMade)
{
    Press(Qt::Key_F2);
    QApplication::processEvents();
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->FocusWindow(), nullptr);
    EXPECT_EQ(FocusFrameGrid, nullptr);
    // Hiding a frame that is not shown only forgets the grid.
    FocusFrameGrid = Grid;
    Grid->HideEditFocusFrame();
    EXPECT_EQ(FocusFrameGrid, nullptr);
    EXPECT_EQ(Grid->FocusWindow(), nullptr);
}

TEST_F(FocusFrameTest, MovingKeepsTheSizeAndFollowsTheCurrentCell)
{
    Grid->ShowEditFocusFrame(Rect(0, 0, 50, 20));
    TGridFocusWindow* window = Grid->FocusWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Width(), 59);
    EXPECT_EQ(window->Height(), 29);
    Grid->MoveEditFocusFrame();
    const TRect cell = Grid->CellRect(2, 3);
    const TPoint screen = Grid->ClientToScreen({ cell.Left, cell.Top });
    EXPECT_EQ(window->BoundsRect(), Bounds(screen.X - 4, screen.Y - 4, cell.Width() + 9, cell.Height() + 9));
}

TEST_F(FocusFrameTest, TheFramesWindowIsAnInertTopMostOverlay)
{
    Grid->ShowEditFocusFrame(Grid->CellRect(1, 1));
    TGridFocusWindow* window = Grid->FocusWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Owner(), Grid);
    EXPECT_EQ(window->WindowKind(), wkOverlay);
    EXPECT_EQ(window->FormStyle(), fsStayOnTop);
    EXPECT_EQ(window->BorderStyle(), bsNone);
    EXPECT_FALSE(window->Enabled());
    EXPECT_EQ(window->Color(), clRed);
    EXPECT_FALSE(window->Active());
    EXPECT_TRUE(Form->Active());
}

TEST(ShowLayeredMask, AnEmptyMaskChangesNothingAndNoBlendingIsReported)
{
    TGridFocusWindow window(nullptr);
    TGridAlphaMask empty;
    EXPECT_FALSE(ShowLayeredMask(&window, empty));
    EXPECT_FALSE(window.Layered());

    TBitmap mask;
    MakeRoundRectMask(mask, 20, 12, 0, 5, 0);
    TBitmap colour;
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(20, 12);
    TGridAlphaMask picture;
    picture.MergeMask(mask, colour, clNone);
    EXPECT_FALSE(ShowLayeredMask(&window, picture)) << "the headless platform does not blend";
    EXPECT_TRUE(window.Layered());
    EXPECT_EQ(window.Width(), 20);
    EXPECT_EQ(window.Height(), 12);
}

TEST_F(FocusFrameTest, AGridFreedWhileItsFrameShowsIsForgotten)
{
    Grid->FocusHelper().SetEnabled(true);
    Press(Qt::Key_F2);
    QApplication::processEvents();
    ASSERT_EQ(FocusFrameGrid, Grid);
    // The grid leaves its form as it is freed.
    std::unique_ptr<TProbeGrid>(std::exchange(Grid, nullptr)).reset();
    EXPECT_EQ(FocusFrameGrid, nullptr);
    // A window moving afterwards finds no grid to follow.
    Form->SetBounds(Form->Left() + 10, Form->Top(), Form->Width(), Form->Height());
    QApplication::processEvents();
}
