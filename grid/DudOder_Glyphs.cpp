#include "grid/DudOder_Glyphs.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Resources.h"

#include <mutex>

namespace {

// The corner pixel picks the transparent colour, so every glyph keeps a
// margin of it around the picture.
constexpr TColor Transparent = clFuchsia;

struct TCheckArt {
    const char* Name;
    TColor Frame;
    TColor Fill;
    TColor Tick;
    bool Checked;
};

// XP: blue frame, light fill, green tick; VUV: slate frame, white fill, navy
// tick. Disabled boxes are grey.
constexpr TCheckArt CheckArt[] = {
    { "ZUZCHK01", 0xB99D7F, 0xFFFFFF, 0x80400A, true },
    { "ZUZCHK02", 0xB99D7F, 0xFFFFFF, 0x80400A, false },
    { "ZUZCHK03", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, true },
    { "ZUZCHK04", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, false },
    { "ZUZCHK05", 0x80511C, 0xF0F4F4, 0x21A121, true },
    { "ZUZCHK06", 0x80511C, 0xF0F4F4, 0x21A121, false },
    { "ZUZCHK07", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, true },
    { "ZUZCHK08", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, false },
    // The flat tone look: a plain grey square with a dark tick.
    { "metrocheckon", 0x7A7A7A, 0xFFFFFF, 0x333333, true },
    { "metrocheckoff", 0x7A7A7A, 0xFFFFFF, 0x333333, false },
};

// Start row of each of the seven tick columns, three pixels tall each.
constexpr int32_t TickRows[] = { 2, 3, 4, 3, 2, 1, 0 };

void MakeCheck(TBitmap& bitmap, const TCheckArt& art)
{
    bitmap.SetSize(15, 15);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(Transparent);
    canvas.FillRect(Rect(0, 0, 15, 15));
    canvas.Brush().SetColor(art.Fill);
    canvas.FillRect(Rect(1, 1, 14, 14));
    canvas.Brush().SetColor(art.Frame);
    canvas.FrameRect(Rect(1, 1, 14, 14));
    if (!art.Checked)
        return;
    canvas.Brush().SetColor(art.Tick);
    for (int32_t column = 0; column < 7; ++column)
        canvas.FillRect(Rect(4 + column, 4 + TickRows[column], 5 + column, 7 + TickRows[column]));
}

struct TRadioArt {
    const char* Name;
    TColor Ring;
    TColor Fill;
    TColor Dot;
    bool Checked;
};

// The radio buttons in the looks and states of the check boxes above.
constexpr TRadioArt RadioArt[] = {
    { "ZUZRAD01", 0xB99D7F, 0xFFFFFF, 0x80400A, true },
    { "ZUZRAD02", 0xB99D7F, 0xFFFFFF, 0x80400A, false },
    { "ZUZRAD03", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, true },
    { "ZUZRAD04", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, false },
    { "ZUZRAD05", 0x80511C, 0xF0F4F4, 0x21A121, true },
    { "ZUZRAD06", 0x80511C, 0xF0F4F4, 0x21A121, false },
    { "ZUZRAD07", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, true },
    { "ZUZRAD08", 0xBBC8CA, 0xF0F0F0, 0xBBC8CA, false },
    { "metroradioon", 0x7A7A7A, 0xFFFFFF, 0x333333, true },
    { "metroradiooff", 0x7A7A7A, 0xFFFFFF, 0x333333, false },
};

void MakeRadio(TBitmap& bitmap, const TRadioArt& art)
{
    bitmap.SetSize(16, 16);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(Transparent);
    canvas.FillRect(Rect(0, 0, 16, 16));
    canvas.Pen().SetColor(art.Ring);
    canvas.Brush().SetColor(art.Fill);
    canvas.Ellipse(Rect(1, 1, 15, 15));
    if (!art.Checked)
        return;
    canvas.Pen().SetColor(art.Dot);
    canvas.Brush().SetColor(art.Dot);
    canvas.Ellipse(Rect(5, 5, 11, 11));
}

struct TNodeArt {
    const char* Name;
    // A leaf (a page) or a box; closed nodes show a plus.
    bool Leaf;
    bool Closed;
};

constexpr TNodeArt NodeArt[] = {
    { "ZUZLEAFOPEN", true, false },
    { "ZUZLEAFCLOSE", true, true },
    { "XPNODEO", false, false },
    { "XPNODEC", false, true },
};

void MakeNode(TBitmap& bitmap, const TNodeArt& art)
{
    const int32_t size = art.Leaf ? 12 : 10;
    bitmap.SetSize(size, size);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(Transparent);
    canvas.FillRect(Rect(0, 0, size, size));
    canvas.Pen().SetColor(TColor(0x7A7A7A));
    canvas.Brush().SetColor(art.Leaf ? TColor(0xE8F4FC) : clWhite);
    canvas.Rectangle(Rect(0, 0, size - 1, size - 1));
    canvas.Pen().SetColor(clBlack);
    const int32_t middle = (size - 1) / 2;
    canvas.MoveTo(2, middle);
    canvas.LineTo(size - 3, middle);
    if (!art.Closed)
        return;
    canvas.MoveTo(middle, 2);
    canvas.LineTo(middle, size - 3);
}

// A small funnel over a down arrow.
void MakeFilterButton(TBitmap& bitmap)
{
    bitmap.SetSize(16, 16);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(Transparent);
    canvas.FillRect(Rect(0, 0, 16, 16));
    canvas.Brush().SetColor(clBlack);
    for (int32_t row = 0; row < 4; ++row)
        canvas.FillRect(Rect(4 + row, 5 + row, 12 - row, 6 + row));
    canvas.FillRect(Rect(7, 9, 9, 12));
}

} // namespace

void RegisterGridGlyphs()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        for (const TCheckArt& art : CheckArt)
            RegisterResourceBitmap(QString::fromLatin1(art.Name), [&art](TBitmap& bitmap) { MakeCheck(bitmap, art); });
        for (const TRadioArt& art : RadioArt)
            RegisterResourceBitmap(QString::fromLatin1(art.Name), [&art](TBitmap& bitmap) { MakeRadio(bitmap, art); });
        for (const TNodeArt& art : NodeArt)
            RegisterResourceBitmap(QString::fromLatin1(art.Name), [&art](TBitmap& bitmap) { MakeNode(bitmap, art); });
        RegisterResourceBitmap(QStringLiteral("ZUZFILT"), MakeFilterButton);
    });
}
