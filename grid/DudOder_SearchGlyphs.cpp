#include "grid/DudOder_SearchGlyphs.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Resources.h"

#include <mutex>

namespace {

// The bottom-left pixel picks the transparent colour; every picture keeps a
// margin of it.
constexpr TColor Transparent = clFuchsia;

void Clear(TBitmap& bitmap, int32_t size)
{
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(size, size);
    bitmap.Canvas().Brush().SetColor(Transparent);
    bitmap.Canvas().FillRect(Rect(0, 0, size, size));
}

// A filled arrow, pointing down or up, with a stem.
void MakeArrow(TBitmap& bitmap, bool down, TColor color)
{
    Clear(bitmap, 16);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(color);
    // The head narrows row by row towards the tip.
    for (int32_t row = 0; row < 5; ++row) {
        const int32_t y = down ? 8 + row : 7 - row;
        canvas.FillRect(Rect(3 + row, y, 13 - row, y + 1));
    }
    canvas.FillRect(down ? Rect(6, 2, 10, 8) : Rect(6, 8, 10, 14));
}

// A cross, on a face when hot or pressed.
void MakeClose(TBitmap& bitmap, TColor face, TColor cross)
{
    Clear(bitmap, 14);
    TCanvas& canvas = bitmap.Canvas();
    if (face != Transparent) {
        canvas.Brush().SetColor(face);
        canvas.FillRect(Rect(1, 1, 13, 13));
    }
    canvas.Brush().SetColor(cross);
    for (int32_t step = 0; step < 7; ++step) {
        canvas.FillRect(Rect(3 + step, 3 + step, 5 + step, 4 + step));
        canvas.FillRect(Rect(9 - step, 3 + step, 11 - step, 4 + step));
    }
}

// A highlighter: a slanted marker over a coloured stroke.
void MakeHighlight(TBitmap& bitmap, TColor stroke, TColor marker)
{
    Clear(bitmap, 16);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(stroke);
    canvas.FillRect(Rect(1, 12, 15, 15));
    canvas.Brush().SetColor(marker);
    for (int32_t step = 0; step < 7; ++step)
        canvas.FillRect(Rect(4 + step, 9 - step, 8 + step, 10 - step));
}

} // namespace

void RegisterSearchGlyphs()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        RegisterResourceBitmap(QStringLiteral("ZUZARDOWN"), [](TBitmap& bitmap) { MakeArrow(bitmap, true, 0x8B4513); });
        RegisterResourceBitmap(QStringLiteral("ZUZARDOWND"), [](TBitmap& bitmap) { MakeArrow(bitmap, true, 0xA0A0A0); });
        RegisterResourceBitmap(QStringLiteral("ZUZARUP"), [](TBitmap& bitmap) { MakeArrow(bitmap, false, 0x8B4513); });
        RegisterResourceBitmap(QStringLiteral("ZUZARUPD"), [](TBitmap& bitmap) { MakeArrow(bitmap, false, 0xA0A0A0); });
        RegisterResourceBitmap(QStringLiteral("ZUZCLOSE"), [](TBitmap& bitmap) { MakeClose(bitmap, Transparent, 0x404040); });
        RegisterResourceBitmap(QStringLiteral("ZUZCLOSEH"), [](TBitmap& bitmap) { MakeClose(bitmap, 0xE0C0A0, 0x000000); });
        RegisterResourceBitmap(QStringLiteral("ZUZCLOSED"), [](TBitmap& bitmap) { MakeClose(bitmap, 0xC09060, 0xFFFFFF); });
        RegisterResourceBitmap(QStringLiteral("ZUZHI"), [](TBitmap& bitmap) { MakeHighlight(bitmap, 0x00FFFF, 0x606060); });
        RegisterResourceBitmap(QStringLiteral("ZUZHID"), [](TBitmap& bitmap) { MakeHighlight(bitmap, 0xC0C0C0, 0xA0A0A0); });
    });
}
