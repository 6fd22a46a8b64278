#include "platform/core/Exception.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct TMappingCase {
    const char* Name;
    int32_t Mode;
    int32_t PixelsPerInch;
    TPoint WindowOrg;
    TSize WindowExt;
    TPoint ViewportOrg;
    TSize ViewportExt;
    TPoint Logical;
    TPoint Device;
};

} // namespace

// Extents are given to every case; the fixed modes must ignore them.
TEST(CanvasMapping, LogicalPointsReachTheDevicePixelTheModeGives)
{
    const TMappingCase cases[] = {
        { "text is pixels", MM_TEXT, 96, {}, { 3, 3 }, {}, { 9, 9 }, { 5, 7 }, { 5, 7 } },
        { "text moved by both origins", MM_TEXT, 96, { 10, 20 }, { 3, 3 }, { 1, 2 }, { 9, 9 }, { 15, 25 }, { 6, 7 } },
        { "tenth millimetres, y up", MM_LOMETRIC, 96, {}, { 3, 3 }, {}, { 9, 9 }, { 254, -127 }, { 96, 48 } },
        { "tenth millimetres rounded", MM_LOMETRIC, 96, {}, {}, {}, {}, { 100, -100 }, { 38, 38 } },
        { "tenth millimetres on a printer", MM_LOMETRIC, 600, {}, {}, {}, {}, { 254, -508 }, { 600, 1200 } },
        { "hundredth millimetres", MM_HIMETRIC, 96, {}, {}, {}, {}, { 2540, -2540 }, { 96, 96 } },
        { "hundredth inches", MM_LOENGLISH, 96, {}, {}, {}, {}, { 100, -50 }, { 96, 48 } },
        { "thousandth inches", MM_HIENGLISH, 96, {}, {}, {}, {}, { 1000, -500 }, { 96, 48 } },
        { "twips", MM_TWIPS, 96, {}, {}, {}, {}, { 1440, -720 }, { 96, 48 } },
        { "free scale per axis", MM_ANISOTROPIC, 96, { 10, 10 }, { 100, 100 }, { 5, 5 }, { 200, 50 }, { 60, 30 },
            { 105, 15 } },
        { "free scale flips an axis", MM_ANISOTROPIC, 96, {}, { 100, 100 }, { 0, 50 }, { 100, -100 }, { 20, 20 },
            { 20, 30 } },
        { "same scale: the larger axis shrinks", MM_ISOTROPIC, 96, {}, { 100, 100 }, {}, { 200, 50 }, { 60, 30 },
            { 30, 15 } },
    };
    for (const TMappingCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TBitmap bitmap(4, 4);
        TCanvas& canvas = bitmap.Canvas();
        canvas.SetDevice({ .Kind = dkBitmap, .PixelsPerInchX = entry.PixelsPerInch, .PixelsPerInchY = entry.PixelsPerInch });
        EXPECT_EQ(canvas.SetMapMode(entry.Mode), MM_TEXT);
        EXPECT_EQ(canvas.MapMode(), entry.Mode);
        if (entry.WindowExt.cx != 0) {
            EXPECT_TRUE(canvas.SetWindowExtEx(entry.WindowExt.cx, entry.WindowExt.cy));
            EXPECT_TRUE(canvas.SetViewportExtEx(entry.ViewportExt.cx, entry.ViewportExt.cy));
        }
        canvas.SetWindowOrgEx(entry.WindowOrg.X, entry.WindowOrg.Y);
        canvas.SetViewportOrgEx(entry.ViewportOrg.X, entry.ViewportOrg.Y);
        TPoint point[] = { entry.Logical };
        canvas.LPtoDP(point);
        EXPECT_EQ(point[0], entry.Device);
        canvas.DPtoLP(point);
        EXPECT_LE(std::abs(point[0].X - entry.Logical.X), 2);
        EXPECT_LE(std::abs(point[0].Y - entry.Logical.Y), 2);
    }
}

TEST(CanvasMapping, ModeChangesAnswerThePreviousModeAndRefuseWhatIsNone)
{
    TBitmap bitmap(4, 4);
    TCanvas& canvas = bitmap.Canvas();
    EXPECT_EQ(canvas.SetMapMode(MM_LOMETRIC), MM_TEXT);
    EXPECT_EQ(canvas.SetMapMode(0), 0);
    EXPECT_EQ(canvas.SetMapMode(9), 0);
    EXPECT_EQ(canvas.MapMode(), MM_LOMETRIC);
    // A scaled mode starts from the extents the mode before had.
    EXPECT_EQ(canvas.SetMapMode(MM_ANISOTROPIC), MM_LOMETRIC);
    EXPECT_EQ(canvas.Mapping().WindowExt(), (TSize { 254, 254 }));
    EXPECT_EQ(canvas.Mapping().ViewportExt(), (TSize { 96, -96 }));
    TSize previous;
    EXPECT_FALSE(canvas.SetWindowExtEx(0, 5, &previous));
    EXPECT_EQ(previous, (TSize { 254, 254 }));
    EXPECT_EQ(canvas.SetMapMode(MM_TEXT), MM_ANISOTROPIC);
    EXPECT_TRUE(canvas.Mapping().IsIdentity());
}

// Rectangles, lines and pixels are logical; the pixel rules hold on the device.
TEST(CanvasMapping, DrawingInTenthsOfAMillimetreLandsOnDevicePixels)
{
    TBitmap bitmap(120, 60);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetMapMode(MM_LOMETRIC);
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 254, -127));
    canvas.Pen().SetColor(clBlue);
    canvas.MoveTo(0, -150);
    canvas.LineTo(254, -150);
    canvas.SetPixels(280, -10, clGreen);
    EXPECT_EQ(canvas.Pixels(280, -10), clGreen);
    canvas.SetMapMode(MM_TEXT);
    EXPECT_EQ(canvas.Pixels(95, 47), clRed);
    EXPECT_EQ(canvas.Pixels(96, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(0, 48), clWhite);
    EXPECT_EQ(canvas.Pixels(0, 57), clBlue);
    EXPECT_EQ(canvas.Pixels(95, 57), clBlue);
    EXPECT_EQ(canvas.Pixels(96, 57), clWhite);
    EXPECT_EQ(canvas.Pixels(106, 4), clGreen);
}

TEST(CanvasDevice, CapsComeFromTheDevice)
{
    TBitmap bitmap(300, 200);
    TCanvas& canvas = bitmap.Canvas();
    EXPECT_EQ(canvas.Device().Kind, dkBitmap);
    const struct {
        int32_t Index;
        int32_t Bitmap;
        int32_t Printer;
    } cases[] = {
        { LOGPIXELSX, 96, 600 },
        { LOGPIXELSY, 96, 300 },
        { HORZRES, 300, 4800 },
        { VERTRES, 200, 3300 },
        { HORZSIZE, 79, 203 },
        { VERTSIZE, 53, 279 },
        { PHYSICALWIDTH, 0, 5100 },
        { PHYSICALHEIGHT, 0, 3300 },
        { PHYSICALOFFSETX, 0, 150 },
        { PHYSICALOFFSETY, 0, 0 },
    };
    TCanvas printer;
    printer.SetDevice({ .Kind = dkPrinter, .PixelsPerInchX = 600, .PixelsPerInchY = 300,
        .PrintableSize = { 4800, 3300 }, .PhysicalSize = { 5100, 3300 }, .PhysicalOffset = { 150, 0 } });
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Index);
        EXPECT_EQ(canvas.GetDeviceCaps(entry.Index), entry.Bitmap);
        EXPECT_EQ(printer.GetDeviceCaps(entry.Index), entry.Printer);
    }
}

// A font keeps its point size on every device and is made with as many
// pixels as the device has for it; measured text comes back in logical units.
TEST(CanvasDevice, FontsAreMadeAndMeasuredAtTheDeviceResolution)
{
    TFont screenFont;
    screenFont.SetName(QStringLiteral("DejaVu Sans"));
    screenFont.SetSize(10);
    EXPECT_EQ(screenFont.Height(), -13);

    TBitmap screen(10, 10);
    screen.Canvas().SetFont(screenFont);
    const int32_t screenHeight = screen.Canvas().TextHeight("Hg");

    TBitmap fine(10, 10);
    fine.Canvas().SetDevice({ .Kind = dkBitmap, .PixelsPerInchX = 192, .PixelsPerInchY = 192 });
    fine.Canvas().SetFont(screenFont);
    EXPECT_EQ(fine.Canvas().Font().Size(), 10);
    EXPECT_EQ(fine.Canvas().Font().Height(), -27);
    const int32_t fineHeight = fine.Canvas().TextHeight("Hg");
    EXPECT_NEAR(fineHeight, 2 * screenHeight, 3);

    // In tenths of a millimetre the 10 point font is 35 units high.
    TBitmap metric(10, 10);
    metric.Canvas().SetFont(screenFont);
    metric.Canvas().SetMapMode(MM_LOMETRIC);
    metric.Canvas().Font().SetHeight(-35);
    EXPECT_NEAR(metric.Canvas().TextHeight("Hg"), screenHeight * 254 / 96, 10);
    TRect measured = Rect(0, 0, 1000, 0);
    metric.Canvas().DrawText("Hg", measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_LT(measured.Bottom, -20);
    EXPECT_GT(measured.Right, 20);
}

TEST(CanvasDevice, DrawingOnAScreenCanvasOutsideAPaintIsAnError)
{
#ifdef NDEBUG
    GTEST_SKIP() << "only debug builds check";
#endif
    TCanvas canvas;
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 4, 4)), EInvalidOperation);
    EXPECT_THROW(canvas.TextOut(0, 0, "x"), EInvalidOperation);
    EXPECT_THROW(canvas.Painter(), EInvalidOperation);
    // Measuring needs no painter, and an empty bitmap draws nothing quietly.
    EXPECT_GT(canvas.TextWidth("x"), 0);
    TBitmap empty;
    EXPECT_NO_THROW(empty.Canvas().FillRect(Rect(0, 0, 4, 4)));
}
