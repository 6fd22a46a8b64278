#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace {

// Two pixels of a premultiplied picture: half-transparent red and clear.
TBitmap HalfRedAndClear()
{
    TBitmap picture;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(2, 1);
    uint8_t* pixels = picture.ScanLine(0);
    const uint8_t bytes[8] = { 0, 0, 128, 128, 0, 0, 0, 0 };
    std::copy(std::begin(bytes), std::end(bytes), pixels);
    return picture;
}

} // namespace

TEST(LayeredWindows, OnlyALayeredWindowTakesAPicture)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(10, 10, 2, 1);
    EXPECT_FALSE(form.Layered());
    EXPECT_FALSE(form.UpdateLayeredWindow(HalfRedAndClear(), 255));

    form.SetLayered(true);
    EXPECT_TRUE(form.Layered());
    // Nothing blends here, so the window keeps opaque pixels (and its region
    // keeps cutting it).
    EXPECT_FALSE(form.Widget()->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_FALSE(form.UpdateLayeredWindow(TBitmap(), 255)) << "an empty picture";
    form.SetLayered(false);
    EXPECT_FALSE(form.Layered());
}

// The headless platform composites nothing: the answer says so, and the
// picture shows opaque, a clear pixel in the form's colour.
TEST(LayeredWindows, WithoutBlendingThePictureIsDrawnOpaqueAndTheCallSaysSo)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetWindowKind(wkOverlay);
    form.SetColor(clLime);
    form.SetBounds(10, 10, 2, 1);
    form.SetLayered(true);
    EXPECT_FALSE(form.UpdateLayeredWindow(HalfRedAndClear(), 255));
    form.ShowNoActivate();
    QApplication::processEvents();
    TBitmap shown;
    GrabControl(form, shown);
    EXPECT_EQ(BitmapPixel(shown, 0, 0), TColor(0x0000FF));
    EXPECT_EQ(BitmapPixel(shown, 1, 0), TColor(0x00FF00));

    // Constant alpha scales the picture, which stays opaque here.
    EXPECT_FALSE(form.UpdateLayeredWindow(HalfRedAndClear(), 128));
    GrabControl(form, shown);
    EXPECT_EQ(BitmapPixel(shown, 0, 0), TColor(0x0000FF));
}
