#include "platform/ui/Grab.h"

#include "platform/ui/Controls.h"

#include <gtest/gtest.h>

namespace {

// Left half blue, right half red, so a shifted copy shows where it came from.
class THalves : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clBlue);
        Canvas().FillRect(Rect(0, 0, Width() / 2, Height()));
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Rect(Width() / 2, 0, Width(), Height()));
    }
};

// A child that paints green everywhere; it must not show in its own background.
class TGreen : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clLime);
        Canvas().FillRect(ClientRect());
    }
};

TEST(ParentBackground, ShowsTheParentUnderTheControlWithoutItsChildren)
{
    THalves parent(nullptr);
    parent.SetBounds(0, 0, 100, 40);
    TGreen child(&parent);
    child.SetParent(&parent);
    child.SetBounds(40, 10, 20, 10);
    TGreen other(&parent);
    other.SetParent(&parent);
    other.SetBounds(0, 0, 100, 40);
    other.SendToBack();

    TBitmap background(20, 10);
    PaintParentBackground(child, background);
    EXPECT_EQ(background.Canvas().Pixels(0, 5), clBlue);
    EXPECT_EQ(background.Canvas().Pixels(9, 5), clBlue);
    EXPECT_EQ(background.Canvas().Pixels(10, 5), clRed);
    EXPECT_EQ(background.Canvas().Pixels(19, 9), clRed);

    TGreen orphan(nullptr);
    TBitmap untouched(4, 4);
    PaintParentBackground(orphan, untouched);
    EXPECT_EQ(untouched.Canvas().Pixels(1, 1), clWhite);
}

} // namespace
