#include "controls/LbButton.h"

#include "platform/ui/ActnList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <vector>

namespace {

// ---- colour presets

struct TColorPreset {
    TLbColorStyle ColorStyle;
    TColor Color;
    TColor LightColor;
    TColor ShadowColor;
    TColor ColorWhenDown;
    TColor HotTrackColor;
    TLbButtonStyle Style;
    bool Flat;
    TColor FontColor;
};

constexpr TColorPreset ColorPresets[] = {
    { lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, bsModern, false, clBlack },
    { lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, bsModern, false, clBlack },
    { lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, bsModern, false, clBlack },
    { lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, bsModern, false, clBlack },
    { lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, bsNormal, true, clBlack },
    { lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, bsNormal, true, clBlack },
    { lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, bsNormal, true, clBlack },
    { lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, bsModern, false, clBlack },
    { lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, bsNormal, false, clBlack },
    { lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, bsQuicken, false, clWhite },
};

// ---- stock kinds

struct TStockKind {
    TLbButtonKind Kind;
    int32_t ModalResult;
    const char* Resource;
    const char16_t* Caption;
};

constexpr TStockKind StockKinds[] = {
    { bkOK, mrOk, "LBOK", u"OK" },
    { bkCancel, mrCancel, "LBCANCEL", u"Abbrechen" },
    { bkHelp, mrNone, "LBHELP", u"Hilfe" },
    { bkYes, mrYes, "LBYES", u"Ja" },
    { bkNo, mrNo, "LBNO", u"Nein" },
    { bkClose, mrNone, "LBCLOSE", u"Schließen" },
    { bkAbort, mrAbort, "LBABORT", u"Abbrechen" },
    { bkRetry, mrRetry, "LBRETRY", u"Wiederholen" },
    { bkIgnore, mrIgnore, "LBIGNORE", u"Ignorieren" },
    { bkAll, mrAll, "LBALL", u"Alle" },
};

// ---- the stock pictures: strokes on an 18-pixel cell, drawn twice side by
// side (normal, then engraved grey for disabled) on the key colour.

constexpr TColor PictureKey = clFuchsia;

struct TStroke {
    int32_t PenWidth;
    std::span<const TPoint> Points;
};

constexpr TPoint CheckMark[] = { { 3, 9 }, { 7, 13 }, { 14, 4 } };
constexpr TPoint CrossDown[] = { { 4, 4 }, { 13, 13 } };
constexpr TPoint CrossUp[] = { { 13, 4 }, { 4, 13 } };
constexpr TPoint QuestionHook[] = { { 5, 6 }, { 6, 4 }, { 8, 3 }, { 11, 3 }, { 13, 5 }, { 13, 7 }, { 9, 10 }, { 9, 12 } };
constexpr TPoint QuestionDot[] = { { 9, 14 }, { 9, 16 } };
constexpr TPoint Ring[] = { { 6, 2 }, { 11, 2 }, { 15, 6 }, { 15, 11 }, { 11, 15 }, { 6, 15 }, { 2, 11 }, { 2, 6 }, { 6, 2 } };
constexpr TPoint SmallCheck[] = { { 5, 9 }, { 8, 12 }, { 12, 5 } };
constexpr TPoint Slash[] = { { 4, 13 }, { 13, 4 } };
constexpr TPoint Door[] = { { 4, 15 }, { 4, 2 }, { 13, 2 }, { 13, 15 }, { 2, 15 } };
constexpr TPoint DoorKnob[] = { { 10, 8 }, { 10, 10 } };
constexpr TPoint StopBar[] = { { 5, 9 }, { 13, 9 } };
constexpr TPoint RetryArc[] = { { 14, 10 }, { 12, 14 }, { 9, 15 }, { 6, 14 }, { 3, 11 }, { 3, 7 }, { 5, 4 }, { 9, 3 }, { 12, 4 }, { 14, 6 } };
constexpr TPoint RetryHead[] = { { 10, 7 }, { 15, 7 }, { 15, 2 } };
constexpr TPoint SkipShaft[] = { { 2, 9 }, { 12, 9 } };
constexpr TPoint SkipHead[] = { { 8, 5 }, { 12, 9 }, { 8, 13 } };
constexpr TPoint SkipBar[] = { { 15, 4 }, { 15, 15 } };
constexpr TPoint FirstCheck[] = { { 2, 10 }, { 5, 13 }, { 10, 5 } };
constexpr TPoint SecondCheck[] = { { 7, 12 }, { 10, 16 }, { 16, 6 } };

constexpr TStroke OkStrokes[] = { { 3, CheckMark } };
constexpr TStroke CancelStrokes[] = { { 3, CrossDown }, { 3, CrossUp } };
constexpr TStroke HelpStrokes[] = { { 2, QuestionHook }, { 2, QuestionDot } };
constexpr TStroke YesStrokes[] = { { 1, Ring }, { 2, SmallCheck } };
constexpr TStroke NoStrokes[] = { { 2, Ring }, { 2, Slash } };
constexpr TStroke CloseStrokes[] = { { 1, Door }, { 2, DoorKnob } };
constexpr TStroke AbortStrokes[] = { { 2, Ring }, { 2, StopBar } };
constexpr TStroke RetryStrokes[] = { { 2, RetryArc }, { 2, RetryHead } };
constexpr TStroke IgnoreStrokes[] = { { 2, SkipShaft }, { 2, SkipHead }, { 2, SkipBar } };
constexpr TStroke AllStrokes[] = { { 2, FirstCheck }, { 2, SecondCheck } };

struct TStockPicture {
    const char* Name;
    TColor Color;
    int32_t Height;
    std::span<const TStroke> Strokes;
};

constexpr int32_t PictureCell = 18;

constexpr TStockPicture StockPictures[] = {
    { "LBOK", clGreen, 18, OkStrokes },
    { "LBCANCEL", clRed, 18, CancelStrokes },
    { "LBHELP", clNavy, 18, HelpStrokes },
    { "LBYES", clGreen, 18, YesStrokes },
    { "LBNO", clRed, 18, NoStrokes },
    { "LBCLOSE", clMaroon, 18, CloseStrokes },
    { "LBABORT", clRed, 18, AbortStrokes },
    { "LBRETRY", clNavy, 18, RetryStrokes },
    { "LBIGNORE", clTeal, 18, IgnoreStrokes },
    { "LBALL", clGreen, 19, AllStrokes },
};

void DrawStrokes(TCanvas& canvas, std::span<const TStroke> strokes, int32_t left, int32_t top, TColor color)
{
    canvas.Pen().SetColor(color);
    for (const TStroke& stroke : strokes) {
        canvas.Pen().SetWidth(stroke.PenWidth);
        std::vector<TPoint> points;
        points.reserve(stroke.Points.size());
        for (const TPoint& point : stroke.Points)
            points.push_back({ point.X + left, point.Y + top });
        canvas.Polyline(points);
    }
}

void DrawStockPicture(const TStockPicture& picture, TBitmap& bitmap)
{
    bitmap.SetSize(2 * PictureCell, picture.Height);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(PictureKey);
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    DrawStrokes(canvas, picture.Strokes, 0, 0, picture.Color);
    DrawStrokes(canvas, picture.Strokes, PictureCell + 1, 1, clWhite);
    DrawStrokes(canvas, picture.Strokes, PictureCell, 0, clGray);
    canvas.Pen().SetWidth(1);
}

// The drop-down arrow: a 5 by 3 black triangle pointing down.
void DrawArrowPicture(TBitmap& bitmap)
{
    bitmap.SetSize(5, 3);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(PictureKey);
    canvas.FillRect(Rect(0, 0, 5, 3));
    canvas.Brush().SetColor(clBlack);
    for (int32_t row = 0; row < 3; ++row)
        canvas.FillRect(Rect(row, row, 5 - row, row + 1));
}

// ---- the face

TColor FaceColor(const TLbButtonFace& face, bool down)
{
    TColor color = ColorToRGB(face.Color);
    if (face.Enabled && face.HotTrackColor != clNone)
        color = LbBlendHotTrack(face.Color, face.HotTrackColor, face.HotTrackStep);
    if (down && face.ColorWhenDown != clNone)
        color = face.ColorWhenDown;
    return color;
}

// Bands of rows from colour `from` to colour `to`, 32 steps.
void FillGradient(TCanvas& canvas, int32_t left, int32_t top, int32_t right, int32_t bottom, TColor from, TColor to)
{
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    const int32_t span = bottom - top;
    const int32_t bandHeight = span / 31 + 1;
    auto channel = [](uint8_t start, uint8_t end, int32_t band) {
        return static_cast<uint8_t>(start + band * (end - start) / 31.0);
    };
    for (int32_t band = 0; band <= 31; ++band) {
        const int32_t bandTop = top + band * span / 31;
        const int32_t bandBottom = std::min(bandTop + bandHeight, bottom);
        canvas.Brush().SetColor(RGB(channel(GetRValue(a), GetRValue(b), band), channel(GetGValue(a), GetGValue(b), band),
            channel(GetBValue(a), GetBValue(b), band)));
        canvas.FillRect(Rect(left, bandTop, right, bandBottom));
    }
}

void DrawBackground(TCanvas& canvas, int32_t width, int32_t height, const TLbButtonFace& face, TColor fill, int32_t shift)
{
    canvas.Brush().SetStyle(bsSolid);
    switch (face.Style) {
    case bsShape:
    case bsNormal:
    case bsEncarta:
    case bsOld:
        // The outline of this rectangle falls outside the face.
        canvas.Brush().SetColor(face.Style == bsShape ? PictureKey : fill);
        canvas.Rectangle(-1, -1, width + 1, height + 1);
        break;
    case bsModern: {
        canvas.Pen().SetStyle(psClear);
        const int32_t split = height / 4 + shift;
        FillGradient(canvas, 2, 2, width - 2, split, face.LightColor, fill);
        FillGradient(canvas, 2, split, width - 2, height - 1, fill, face.LightColor);
        canvas.Pen().SetStyle(psSolid);
        break;
    }
    case bsQuicken:
        break;
    }
    canvas.Brush().SetStyle(bsClear);
}

void Line(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points)
{
    canvas.Pen().SetColor(color);
    for (const TPoint& point : points)
        canvas.LineTo(point.X, point.Y);
}

void DrawBorder(TCanvas& canvas, int32_t width, int32_t height, const TLbButtonFace& face, TColor fill, bool down)
{
    const int32_t w = width;
    const int32_t h = height;
    switch (face.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld: {
        const bool drawn = face.Enabled ? (!face.Flat || face.Hot || down) : !face.Flat;
        if (!drawn)
            return;
        if (face.Style == bsOld) {
            if (down) {
                canvas.MoveTo(1, h - 3);
                Line(canvas, face.ShadowColor, { { 1, 1 }, { w - 2, 1 } });
            } else {
                canvas.MoveTo(w - 2, 0);
                Line(canvas, face.ShadowColor, { { w - 2, h - 2 }, { 0, h - 2 } });
            }
            canvas.MoveTo(0, h - 1);
            Line(canvas, down ? cl3DDkShadow : face.LightColor, { { 0, 0 }, { w - 1, 0 } });
            Line(canvas, down ? face.LightColor : cl3DDkShadow, { { w - 1, h - 1 }, { -1, h - 1 } });
        } else {
            canvas.MoveTo(0, h - 1);
            Line(canvas, down ? face.ShadowColor : face.LightColor, { { 0, 0 }, { w - 1, 0 } });
            Line(canvas, down ? face.LightColor : face.ShadowColor, { { w - 1, h - 1 }, { 0, h - 1 } });
        }
        break;
    }
    case bsModern:
        canvas.Pen().SetColor(down ? face.ShadowColor : fill);
        canvas.Rectangle(1, 1, w - 1, h - 1);
        canvas.Pen().SetColor(face.ShadowColor);
        canvas.RoundRect(0, 0, w, h, 6, 6);
        break;
    case bsQuicken:
        canvas.Pen().SetStyle(psClear);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(fill);
        canvas.RoundRect(0, 1, w, h, 4, 4);
        canvas.Brush().SetStyle(bsClear);
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetColor(face.ShadowColor);
        canvas.MoveTo(4, 0);
        canvas.LineTo(w - 5, 0);
        canvas.MoveTo(4, h - 1);
        canvas.LineTo(w - 5, h - 1);
        break;
    case bsShape:
        break;
    }
}

// The picture of one cell: cell 0 first, the wanted cell drawn over it, so a
// cell the strip lacks shows cell 0.
void MakeGlyphCell(const TBitmap& glyph, int32_t cellWidth, int32_t index, TBitmap& cell)
{
    TBitmap strip(glyph);
    strip.SetTransparent(false);
    cell.SetSize(cellWidth, strip.Height());
    cell.Canvas().Draw(0, 0, strip);
    if (index > 0)
        cell.Canvas().Draw(-index * cellWidth, 0, strip);
    cell.SetTransparent(true);
    cell.SetTransparentMode(tmAuto);
}

// Removes characters from the end of the caption until it fits.
String CutToWidth(TCanvas& canvas, String caption, int32_t available)
{
    while (!caption.isEmpty() && canvas.TextWidth(caption) > available)
        caption.chop(1);
    return caption;
}

uint32_t CaptionFlags(const TLbButtonFace& face)
{
    uint32_t flags = DT_WORDBREAK;
    if (face.Alignment == taRightJustify)
        flags |= DT_RIGHT;
    else if (face.Alignment == taCenter)
        flags |= DT_CENTER;
    return flags;
}

// The caption of a bsShape button: centred over the whole button.
void DrawShapeCaption(TCanvas& canvas, int32_t width, int32_t height, const TLbButtonFace& face)
{
    if (face.Font)
        canvas.SetFont(*face.Font);
    canvas.Brush().SetStyle(bsClear);
    const int32_t shift = face.Enabled && face.Down ? 1 : 0;
    const int32_t available = std::max(width - 8, 0);
    const String caption = face.WordWrap ? face.Caption : CutToWidth(canvas, face.Caption, available);
    TRect bounds = Rect(0, 0, available, 0);
    const int32_t textHeight = canvas.DrawText(caption, bounds, CaptionFlags(face) | DT_CALCRECT);
    TRect textRect = Rect(shift, (height - textHeight) / 2 + shift, width, height);
    canvas.DrawText(caption, textRect, DT_WORDBREAK | DT_CENTER);
}

} // namespace

TColor LbBlendHotTrack(TColor face, TColor hot, int32_t step)
{
    const TColor from = ColorToRGB(face);
    const TColor to = ColorToRGB(hot);
    const double weight = step / 8.0;
    auto channel = [weight](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a * (1.0 - weight) + b * weight); };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
        channel(GetBValue(from), GetBValue(to)));
}

bool IsLbTransparentStyle(TLbButtonStyle style) { return style == bsModern || style == bsShape || style == bsQuicken; }

void LoadLbButtonPicture(const String& name, TBitmap& bitmap)
{
    if (name == QLatin1String("LBARROW")) {
        DrawArrowPicture(bitmap);
        return;
    }
    for (const TStockPicture& picture : StockPictures)
        if (name == QLatin1String(picture.Name)) {
            DrawStockPicture(picture, bitmap);
            return;
        }
    throw Exception(QStringLiteral("Resource %1 not found").arg(name));
}

void DrawLbButtonFace(TCanvas& canvas, int32_t width, int32_t height, const TLbButtonFace& face)
{
    const bool down = face.Enabled && face.Down;
    const int32_t shift = down && face.Style != bsEncarta ? 1 : 0;
    const TColor fill = FaceColor(face, down);
    DrawBackground(canvas, width, height, face, fill, shift);
    DrawBorder(canvas, width, height, face, fill, down);

    if (face.Font)
        canvas.SetFont(*face.Font);
    if (face.Style == bsEncarta && down)
        canvas.Font().SetStyle(canvas.Font().Style() + TFontStyles { fsBold });

    const int32_t numGlyphs = face.Glyph ? face.NumGlyphs : 0;
    const int32_t glyphWidth = numGlyphs > 0 ? face.Glyph->Width() / numGlyphs : 0;
    const int32_t glyphHeight = face.Glyph ? face.Glyph->Height() : 0;
    int32_t cellIndex = 1;
    if (face.Enabled) {
        cellIndex = 0;
        if (face.Hot && numGlyphs > 3)
            cellIndex = 3;
        if (down && numGlyphs > 2)
            cellIndex = 2;
    }
    TBitmap cell;
    if (glyphWidth > 0 && glyphHeight > 0)
        MakeGlyphCell(*face.Glyph, glyphWidth, cellIndex, cell);
    auto drawGlyph = [&](int32_t x, int32_t y) {
        if (!cell.Empty())
            canvas.Draw(x, y, cell);
    };

    const uint32_t flags = CaptionFlags(face);
    auto measure = [&](const String& text, int32_t available, int32_t& textWidth) {
        TRect bounds = Rect(0, 0, available, 0);
        const int32_t textHeight = canvas.DrawText(text, bounds, flags | DT_CALCRECT);
        textWidth = bounds.Width();
        return textHeight;
    };
    auto fit = [&](int32_t available) { return face.WordWrap ? face.Caption : CutToWidth(canvas, face.Caption, available); };

    const int32_t w = width;
    const int32_t h = height;
    if (face.Style == bsShape) {
        drawGlyph((w - glyphWidth) / 2, (h - glyphHeight) / 2);
        DrawShapeCaption(canvas, w, h, face);
    } else {
        int32_t available = std::max(w - 8, 0);
        int32_t textLeft = shift + 4;
        int32_t textTop = 0;
        int32_t glyphLeft = 0;
        int32_t glyphTop = 0;
        String caption;
        int32_t textHeight = 0;
        if (face.Layout == blGlyphLeft || face.Layout == blGlyphRight) {
            available = std::max(w - 8 - (glyphWidth > 0 ? glyphWidth + 4 : 0), 0);
            caption = fit(available);
            int32_t textWidth = 0;
            textHeight = measure(caption, available, textWidth);
            textTop = (h - textHeight) / 2 + shift;
            glyphTop = (h - glyphHeight) / 2 + shift;
            const int32_t gap = caption.isEmpty() ? 0 : textWidth + 4;
            const bool fromLeft = face.WordWrap || face.Alignment == taLeftJustify;
            if (face.Layout == blGlyphLeft) {
                if (glyphWidth > 0)
                    textLeft += glyphWidth + 4;
                if (fromLeft)
                    glyphLeft = shift + 4;
                else if (face.Alignment == taRightJustify)
                    glyphLeft = w - 4 - glyphWidth - gap + shift;
                else
                    glyphLeft = (w - glyphWidth) / 2 + shift - gap / 2;
            } else {
                if (fromLeft)
                    glyphLeft = textLeft + gap;
                else if (face.Alignment == taRightJustify)
                    glyphLeft = w - 4 + shift - glyphWidth;
                else
                    glyphLeft = (w - glyphWidth) / 2 + shift + gap / 2;
            }
        } else {
            caption = fit(available);
            int32_t textWidth = 0;
            textHeight = measure(caption, available, textWidth);
            const int32_t block = textHeight + (glyphHeight > 0 ? glyphHeight + 4 : 0);
            if (face.Alignment == taLeftJustify)
                glyphLeft = shift + 4;
            else if (face.Alignment == taRightJustify)
                glyphLeft = w - glyphWidth - 4 + shift;
            else
                glyphLeft = (w - glyphWidth) / 2 + shift;
            if (face.Layout == blGlyphTop) {
                glyphTop = (h - block) / 2 + shift;
                textTop = glyphTop + glyphHeight;
            } else {
                textTop = (h - block) / 2 + shift;
                glyphTop = textTop + textHeight;
            }
        }
        if (!face.Enabled)
            canvas.Font().SetColor(clGray);
        TRect textRect = Rect(textLeft, textTop, textLeft + available, textTop + textHeight);
        canvas.DrawText(caption, textRect, flags);
        drawGlyph(glyphLeft, glyphTop);
    }

    if (face.HasPopupMenu) {
        TBitmap arrow;
        LoadLbButtonPicture(QStringLiteral("LBARROW"), arrow);
        arrow.SetTransparent(true);
        canvas.Draw(w - 11, h / 2 - 1, arrow);
    }
}

// ---- TLbButton

TLbButton::TLbButton(TComponent* owner)
    : TCustomControl(owner), FGlyph(std::make_unique<TBitmap>()), FHTFont(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 100, 23);
    SetControlStyle({ csCaptureMouse, csSetCaption });
    SetTabStop(true);
    SetColor(clBtnFace);
    CreateFadeThread();
    if (const auto* form = dynamic_cast<const TForm*>(owner))
        FHTFont->Assign(form->Font());
}

TLbButton::~TLbButton()
{
    Destroying();
    StopFadeThread();
}

void TLbButton::CreateFadeThread()
{
    FThread = std::make_unique<TLbButtonThread>([this](TLbButtonThread*) { FadeStep(); });
    FThread->SetFreeOnTerminate(false);
}

// A failure to stop the thread leaves the button without one, nothing worse.
void TLbButton::StopFadeThread()
{
    try {
        FThread.reset();
    } catch (...) {
        (void)FThread.release();
    }
}

void TLbButton::FadeStep()
{
    // A step already on its way when the mouse came back finds it hovering.
    if ((ComponentState() & csDestroying) || bCursorOnButton)
        return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        if (FThread && !FThread->Suspended())
            FThread->Suspend();
        FHotTrackStep = 0;
    }
    Repaint();
}

void TLbButton::SetAlignment(TAlignment alignment)
{
    FAlignment = alignment;
    Repaint();
}

void TLbButton::SetColorStyle(TLbColorStyle colorStyle)
{
    const auto* preset = std::find_if(std::begin(ColorPresets), std::end(ColorPresets),
        [colorStyle](const TColorPreset& entry) { return entry.ColorStyle == colorStyle; });
    if (preset == std::end(ColorPresets))
        return;
    SetColor(preset->Color);
    FLightColor = preset->LightColor;
    FShadowColor = preset->ShadowColor;
    FColorWhenDown = preset->ColorWhenDown;
    FHotTrackColor = preset->HotTrackColor;
    FFlat = preset->Flat;
    Font().SetColor(preset->FontColor);
    // Only the field: the window keeps its transparency as it was.
    FStyle = preset->Style;
    Repaint();
}

void TLbButton::SetFlat(bool flat)
{
    FFlat = flat;
    Repaint();
}

void TLbButton::SetGlyph(const TBitmap* glyph)
{
    if (glyph) {
        FGlyph->Assign(*glyph);
        FNumGlyphs = FGlyph->Height() > 0 ? FGlyph->Width() / FGlyph->Height() : 0;
    } else {
        FGlyph->SetHeight(0);
        FNumGlyphs = 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TLbButton::SetKind(TLbButtonKind kind)
{
    const auto* stock = std::find_if(std::begin(StockKinds), std::end(StockKinds),
        [kind](const TStockKind& entry) { return entry.Kind == kind; });
    if (stock != std::end(StockKinds)) {
        FNumGlyphs = 2;
        SetModalResult(stock->ModalResult);
        LoadLbButtonPicture(QLatin1String(stock->Resource), *FGlyph);
        SetCaption(String::fromUtf16(stock->Caption));
    }
    FKind = kind;
    Invalidate();
}

void TLbButton::SetLayout(TLbButtonLayout layout)
{
    FLayout = layout;
    Repaint();
}

void TLbButton::SetLightColor(TColor color)
{
    FLightColor = color;
    Repaint();
}

void TLbButton::SetModalResult(int32_t modalResult)
{
    FModalResult = modalResult;
    FKind = bkCustom;
}

void TLbButton::SetNumGlyphs(int32_t numGlyphs)
{
    FNumGlyphs = numGlyphs;
    Invalidate();
}

void TLbButton::SetShadowColor(TColor color)
{
    FShadowColor = color;
    Repaint();
}

void TLbButton::SetSlowDecease(bool slowDecease)
{
    FSlowDecease = slowDecease;
    if (FSlowDecease && !FThread) {
        CreateFadeThread();
    } else if (!FSlowDecease && FThread) {
        FHotTrackStep = 0;
        StopFadeThread();
    }
    Invalidate();
}

void TLbButton::SetStyle(TLbButtonStyle style)
{
    FStyle = style;
    SetExStyle(IsLbTransparentStyle(style) ? WS_EX_TRANSPARENT : 0);
}

void TLbButton::SetWordWrap(bool wordWrap)
{
    FWordWrap = wordWrap;
    Repaint();
}

void TLbButton::SetEnabled(bool enabled)
{
    TCustomControl::SetEnabled(enabled);
    bDown = false;
    FPressedKey = 0;
    Repaint();
}

void TLbButton::Paint()
{
    if (!Visible() || (ComponentState() & csLoading) || (ComponentState() & csDestroying))
        return;
    const int32_t w = Width();
    const int32_t h = Height();
    TBitmap bitmap(w, h);
    const bool focused = Focused();
    const bool hot = bCursorOnButton || focused;
    TFont font(Font());
    if (hot && FUseHTFont)
        font.Assign(*FHTFont);
    const bool transparent = IsLbTransparentStyle(FStyle);
    if (transparent) {
        bitmap.SetTransparent(true);
        bitmap.SetTransparentMode(tmAuto);
        bitmap.Canvas().Brush().SetColor(clFuchsia);
        bitmap.Canvas().FillRect(Rect(0, 0, w, h));
        bitmap.SetTransparentColor(clFuchsia);
    }

    TLbButtonFace face;
    face.Alignment = FAlignment;
    face.Caption = Caption();
    face.Layout = FLayout;
    face.Font = &font;
    face.ShadowColor = FShadowColor;
    face.LightColor = FLightColor;
    face.HotTrackColor = FHotTrackColor;
    face.ColorWhenDown = FColorWhenDown;
    face.Color = Color();
    face.Style = FStyle;
    face.HasPopupMenu = PopupMenu() != nullptr;
    face.WordWrap = FWordWrap;
    face.Flat = FFlat;
    face.Enabled = Enabled();
    face.Hot = hot;
    face.Down = bDown;
    face.Glyph = FGlyph.get();
    face.NumGlyphs = FNumGlyphs;
    face.HotTrackStep = FHotTrackStep;

    // A bsShape caption goes on the button's own canvas, over what shows
    // through: smoothed onto the key colour its edges would keep a purple fringe.
    if (FStyle == bsShape)
        face.Caption.clear();
    TCanvas& canvas = bitmap.Canvas();
    if (FStyle == bsOld && focused) {
        // A focused old-style button wears a black frame around a smaller face.
        if (bDown)
            face.LightColor = FShadowColor;
        DrawLbButtonFace(canvas, w - 2, h - 2, face);
        canvas.Draw(1, 1, bitmap);
        canvas.Pen().SetColor(clBlack);
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(0, 0, w, h);
    } else {
        DrawLbButtonFace(canvas, w, h, face);
    }
    Canvas().Draw(0, 0, bitmap);
    if (FStyle == bsShape) {
        face.Caption = Caption();
        DrawShapeCaption(Canvas(), w, h, face);
    }
    if (focused && Enabled() && FStyle != bsShape)
        Canvas().DrawFocusRect(Rect(4, 4, w - 4, h - 4));
}

// A click that is skipped (a hidden or disabled Default button offered
// Enter) also lets go of the pressed look, so the button does not show
// pressed when it appears again.
void TLbButton::Click()
{
    bDown = false;
    if (Visible() && Enabled()) {
        if (OnClick) {
            const std::weak_ptr<const bool> alive = FAlive;
            OnClick(this);
            if (alive.expired())
                return;
        }
        if (FModalResult != 0)
            if (TForm* form = ParentForm())
                form->SetModalResult(FModalResult);
        if (TPopupMenu* menu = PopupMenu()) {
            const TPoint corner = ClientToScreen({ 0, Height() });
            menu->SetPopupComponent(this);
            menu->Popup(corner.X, corner.Y);
        }
    }
    TCustomControl::Click();
}

void TLbButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    bDown = true;
    if (CanFocus())
        SetFocus();
    Repaint();
}

// The button holds the mouse from the press, so a release anywhere clicks.
void TLbButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (bDown && !ClickSurvived())
        return;
    bDown = false;
    Repaint();
}

bool TLbButton::ClickSurvived()
{
    const std::weak_ptr<const bool> alive = FAlive;
    Click();
    return !alive.expired();
}

bool TLbButton::AcceptsPointer() const { return Enabled() && Visible() && Parent() && Parent()->Showing(); }

void TLbButton::CMMouseEnter(TMessage&)
{
    if (!AcceptsPointer())
        return;
    bCursorOnButton = true;
    // A fade still running stops, so the hovered button keeps its highlight.
    if (FThread && !FThread->Suspended())
        FThread->Suspend();
    FHotTrackStep = 8;
    Repaint();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLbButton::CMMouseLeave(TMessage&)
{
    bCursorOnButton = false;
    if (FSlowDecease) {
        if (FThread && FThread->Suspended())
            FThread->Resume();
    } else {
        FHotTrackStep = 0;
        Repaint();
    }
    if (AcceptsPointer() && OnMouseExit)
        OnMouseExit(this);
}

void TLbButton::CMFocusChanged(TMessage&) { Repaint(); }

void TLbButton::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TLbButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(static_cast<uint32_t>(message.WParam), Caption()) && AcceptsPointer()) {
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(message);
}

TForm* TLbButton::OwningForm() const
{
    for (TComponent* owner = Owner(); owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TForm*>(owner))
            return form;
    return ParentForm();
}

void TLbButton::CMDialogKey(TMessage& message)
{
    const TShiftState modifiers = KeyDataToShiftState(message.LParam) * TShiftState { ssShift, ssCtrl, ssAlt };
    const bool takesEnter = message.WParam == VK_RETURN && FDefault;
    const bool takesEscape = message.WParam == VK_ESCAPE && FCancel && modifiers.Empty() && Visible() && Enabled();
    if (!takesEnter && !takesEscape) {
        TCustomControl::CMDialogKey(message);
        return;
    }
    // A focused button of any kind takes Enter and Esc itself.
    if (const TForm* form = OwningForm(); form && form->ActiveControl()) {
        const String className = form->ActiveControl()->ClassName().toUpper();
        if (className.contains(QLatin1String("BUTTON")) && !className.contains(QLatin1String("RADIOBUTTON"))) {
            TCustomControl::CMDialogKey(message);
            return;
        }
    }
    Click();
    message.Result = 1;
}

// A key the dialog handling used (a default button clicked, the focus
// moved) does not press this button as well.
void TLbButton::CNKeyDown(TMessage& message)
{
    TCustomControl::CNKeyDown(message);
    if (message.Result != 0 || !Enabled() || (message.WParam != VK_RETURN && message.WParam != VK_SPACE))
        return;
    FPressedKey = static_cast<uint16_t>(message.WParam);
    bDown = true;
    Repaint();
}

void TLbButton::CNKeyUp(TMessage& message)
{
    TCustomControl::CNKeyUp(message);
    if (FPressedKey == 0 || message.WParam != FPressedKey)
        return;
    FPressedKey = 0;
    if (ClickSurvived())
        Repaint();
}

// The release of a key pressed here goes to wherever the focus went.
void TLbButton::WMKillFocus(TMessage& message)
{
    TCustomControl::WMKillFocus(message);
    if (FPressedKey == 0)
        return;
    FPressedKey = 0;
    bDown = false;
    Repaint();
}

void TLbButton::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    TCustomControl::ActionChange(sender, checkDefaults);
    const auto* action = dynamic_cast<const TCustomAction*>(sender);
    if (!action || !FGlyph->Empty() || !action->ActionList() || !action->ActionList()->Images())
        return;
    const TImageList& images = *action->ActionList()->Images();
    const int32_t imageIndex = action->ImageIndex();
    if (imageIndex < 0 || imageIndex >= images.Count())
        return;
    FGlyph->SetSize(images.Width(), images.Height());
    TCanvas& canvas = FGlyph->Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clFuchsia);
    canvas.FillRect(Rect(0, 0, images.Width(), images.Height()));
    images.Draw(canvas, 0, 0, imageIndex);
    SetNumGlyphs(1);
    Repaint();
}
