#include "app/UGlyphs.h"

#include "platform/graphics/Bitmap.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr TColor Transparent_Color = RGB(255, 0, 255);

void Fill_Shape(TCanvas& canvas, TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(bsSolid);
}

// A white bar of the given half width from one point to another.
void Bar(TCanvas& canvas, double x1, double y1, double x2, double y2, double halfWidth)
{
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double nx = -(y2 - y1) / length * halfWidth;
    const double ny = (x2 - x1) / length * halfWidth;
    const TPoint corners[] = {
        { static_cast<int32_t>(std::lround(x1 + nx)), static_cast<int32_t>(std::lround(y1 + ny)) },
        { static_cast<int32_t>(std::lround(x2 + nx)), static_cast<int32_t>(std::lround(y2 + ny)) },
        { static_cast<int32_t>(std::lround(x2 - nx)), static_cast<int32_t>(std::lround(y2 - ny)) },
        { static_cast<int32_t>(std::lround(x1 - nx)), static_cast<int32_t>(std::lround(y1 - ny)) },
    };
    canvas.Polygon(corners);
}

void Draw_Info(TCanvas& canvas)
{
    Fill_Shape(canvas, RGB(30, 100, 190));
    canvas.Ellipse(1, 1, 31, 31);
    Fill_Shape(canvas, clWhite);
    canvas.Ellipse(13, 6, 19, 12);
    canvas.Rectangle(13, 14, 19, 26);
    canvas.Rectangle(11, 24, 21, 27);
}

void Draw_Options(TCanvas& canvas)
{
    constexpr int teeth = 8;
    constexpr double centre = 15.5;
    std::vector<TPoint> outline;
    for (int step = 0; step < teeth * 4; ++step) {
        // Each tooth: two points on the outer radius, two on the root.
        const double radius = (step % 4 < 2) ? 15.0 : 11.0;
        const double angle = (step + 0.5) * 2 * std::numbers::pi / (teeth * 4);
        outline.push_back({ static_cast<int32_t>(std::lround(centre + radius * std::cos(angle))),
                            static_cast<int32_t>(std::lround(centre + radius * std::sin(angle))) });
    }
    Fill_Shape(canvas, RGB(96, 104, 116));
    canvas.Polygon(outline);
    Fill_Shape(canvas, Transparent_Color);
    canvas.Ellipse(11, 11, 21, 21);
}

void Draw_Close(TCanvas& canvas)
{
    Fill_Shape(canvas, RGB(200, 40, 40));
    canvas.Ellipse(1, 1, 31, 31);
    Fill_Shape(canvas, clWhite);
    Bar(canvas, 10, 10, 22, 22, 2.2);
    Bar(canvas, 22, 10, 10, 22, 2.2);
}

// Adding and removing: a green plus and a red minus on a disc of their colour.
void Draw_Add(TCanvas& canvas)
{
    Fill_Shape(canvas, RGB(40, 150, 60));
    canvas.Ellipse(1, 1, 31, 31);
    Fill_Shape(canvas, clWhite);
    canvas.Rectangle(8, 14, 24, 18);
    canvas.Rectangle(14, 8, 18, 24);
}

void Draw_Remove(TCanvas& canvas)
{
    Fill_Shape(canvas, RGB(200, 40, 40));
    canvas.Ellipse(1, 1, 31, 31);
    Fill_Shape(canvas, clWhite);
    canvas.Rectangle(8, 14, 24, 18);
}

// Modifying: a pencil across a blue disc.
void Draw_Modify(TCanvas& canvas)
{
    Fill_Shape(canvas, RGB(30, 100, 190));
    canvas.Ellipse(1, 1, 31, 31);
    Fill_Shape(canvas, clWhite);
    Bar(canvas, 9, 23, 22, 10, 2.5);
    Fill_Shape(canvas, RGB(255, 128, 0));
    Bar(canvas, 20, 12, 23, 9, 2.5);
}

} // namespace

void Draw_Glyph(TGlyph_Kind kind, TBitmap& bitmap)
{
    bitmap.SetSize(Glyph_Size, Glyph_Size);
    TCanvas& canvas = bitmap.Canvas();
    Fill_Shape(canvas, Transparent_Color);
    canvas.FillRect(Rect(0, 0, Glyph_Size, Glyph_Size));
    switch (kind) {
    case gkInfo: Draw_Info(canvas); break;
    case gkOptions: Draw_Options(canvas); break;
    case gkClose: Draw_Close(canvas); break;
    case gkAdd: Draw_Add(canvas); break;
    case gkRemove: Draw_Remove(canvas); break;
    case gkModify: Draw_Modify(canvas); break;
    }
    bitmap.SetTransparent(true);
}

void Draw_About_Picture(TBitmap& bitmap)
{
    bitmap.SetSize(About_Picture_Size, About_Picture_Size);
    TCanvas& canvas = bitmap.Canvas();
    Fill_Shape(canvas, RGB(248, 247, 237));
    canvas.FillRect(Rect(0, 0, About_Picture_Size, About_Picture_Size));
    // The converter in the middle, a network on each side.
    Fill_Shape(canvas, RGB(30, 100, 190));
    canvas.RoundRect(24, 16, 57, 65, 10, 10);
    Fill_Shape(canvas, RGB(255, 128, 0));
    for (const int top : { 24, 36, 48 })
        canvas.Rectangle(30, top, 51, top + 6);
    Fill_Shape(canvas, RGB(96, 104, 116));
    canvas.Rectangle(4, 38, 24, 43);
    canvas.Rectangle(57, 38, 77, 43);
    canvas.Ellipse(1, 33, 13, 48);
    canvas.Ellipse(68, 33, 80, 48);
}
