#include "grid/base/RovIvir_Draw.h"

#include "grid/base/DudXPVS.h"

#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/Math.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/graphics/Resources.h"
#include "platform/ui/Forms.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

namespace {

uint8_t ClampChannel(int64_t value) { return static_cast<uint8_t>(std::clamp<int64_t>(value, 0, 255)); }

// from + (to - from) * fraction per component, rounded.
TColor BlendColors(TColor from, TColor to, double fraction)
{
    auto channel = [fraction](uint8_t low, uint8_t high) {
        return ClampChannel(Round(low + (static_cast<double>(high) - low) * fraction));
    };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
        channel(GetBValue(from), GetBValue(to)));
}

void SetPenAndBrush(TCanvas& canvas, TColor penColor, TColor brushColor)
{
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(penColor);
    canvas.Brush().SetColor(brushColor);
}

void Line(TCanvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

const TColorTone& ToneOfState(const TColorTones& tones, int32_t state)
{
    switch (state) {
    case bstHot:
        return tones.Hover;
    case bstDown:
        return tones.Selected;
    case bstDisabled:
        return tones.Disabled;
    default:
        return tones.Background;
    }
}

// The visual-style look falls back to the classic frame where no style draws.
uint32_t FrameLookFlags(int32_t look) { return look == blFlat ? DFCS_FLAT : 0; }

// Visual-style states of the combo and spin buttons.
int32_t NormalOrDisabledThemeState(int32_t state) { return state == bstDisabled ? 4 : 1; }

} // namespace

// ---- colours ------------------------------------------------------------------

TColor HalveColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return RGB(GetRValue(rgb) / 2, GetGValue(rgb) / 2, GetBValue(rgb) / 2);
}

TColor AdjustColorPercent(TColor color, int32_t percent)
{
    // Clamped rather than cut to eight bits, so brightening never darkens.
    const TColor rgb = ColorToRGB(color);
    auto adjust = [percent](uint8_t channel) { return ClampChannel(Round(channel + percent * channel / 100.0)); };
    return RGB(adjust(GetRValue(rgb)), adjust(GetGValue(rgb)), adjust(GetBValue(rgb)));
}

TColor InterpolateColor(TColor from, TColor to, int32_t lo, int32_t hi, int32_t pos)
{
    if (to == clNone || hi == lo)
        return from;
    return BlendColors(ColorToRGB(from), ColorToRGB(to), static_cast<double>(pos) / (static_cast<double>(hi) - lo));
}

String ColorToHtmlHex(TColor color)
{
    return IntToHex(GetRValue(color), 2) + IntToHex(GetGValue(color), 2) + IntToHex(GetBValue(color), 2);
}

void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

// ---- gradients ------------------------------------------------------------------

void DrawGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, TRect rect, int32_t steps)
{
    if (rect.Top == rect.Bottom)
        return;
    if (rect.Top > rect.Bottom)
        std::swap(rect.Top, rect.Bottom);
    from = ColorToRGB(from);
    to = ColorToRGB(to);
    if (from == clNone || to == clNone) {
        const TColor color = from == clNone ? to : from;
        SetPenAndBrush(canvas, color, color);
        canvas.FillRect(rect);
        return;
    }
    const int32_t size = (horizontal ? rect.Width() : rect.Height()) - 1;
    steps = std::max(std::min(steps, size), 1);
    const double band = static_cast<double>(size) / steps;
    const int32_t bandLength = static_cast<int32_t>(band + 1);
    const int32_t end = horizontal ? rect.Right : rect.Bottom;
    for (int32_t step = 0; step <= steps; ++step) {
        const TColor color = BlendColors(from, to, static_cast<double>(step) / steps);
        SetPenAndBrush(canvas, color, color);
        const int32_t start = (horizontal ? rect.Left : rect.Top) + static_cast<int32_t>(step * band);
        const int32_t stop = std::min(start + bandLength, end);
        if (horizontal)
            canvas.FillRect(Rect(start, rect.Top, stop, rect.Bottom));
        else
            canvas.FillRect(Rect(rect.Left, start, rect.Right, stop));
    }
}

void DrawGradientBackground(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor mirrorColor,
    TColor mirrorColorTo, bool vertical, TColor borderColor, bool sidesOnly, bool fill)
{
    constexpr int32_t Steps = 128;
    if (fill && color != clNone) {
        if (mirrorColor == clNone) {
            if (colorTo == clNone)
                FillRectColor(canvas, Rect(rect.Left, rect.Top, rect.Right, rect.Bottom + 1), color);
            else
                DrawGradient(canvas, color, colorTo, !vertical, rect, Steps);
        } else {
            TRect first = rect;
            TRect second = rect;
            if (vertical) {
                first.Bottom = rect.Top + rect.Height() / 2;
                second.Top = first.Bottom;
            } else {
                first.Right = rect.Left + rect.Width() / 2;
                second.Left = first.Right;
            }
            DrawGradient(canvas, color, colorTo, !vertical, first, Steps);
            DrawGradient(canvas, mirrorColor, mirrorColorTo, !vertical, second, Steps);
        }
    }
    if (borderColor == clNone)
        return;
    if (sidesOnly) {
        SetPenAndBrush(canvas, borderColor, borderColor);
        Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
        Line(canvas, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
    } else {
        canvas.Brush().SetColor(borderColor);
        canvas.FrameRect(rect);
    }
}

void DrawStyledSelection(TCanvas& canvas, TColor fillFrom, TColor fillTo, TColor mirrorFrom, TColor mirrorTo,
    TColor innerTop, TColor innerBottom, TColor outer, TColor corner, TColor background, const TRect& rect,
    int32_t position)
{
    const TRect r = Rect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 2);
    const int32_t mid = (r.Top + r.Bottom) / 2;
    const bool leftEnd = position == 0 || position == 1;
    const bool rightEnd = position == 0 || position == 2;
    const int32_t leftInset = leftEnd ? 2 : 0;
    const int32_t rightInset = rightEnd ? 2 : 0;

    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(innerTop);
    Line(canvas, r.Left, r.Top + 1, r.Right, r.Top + 1);
    if (leftEnd)
        Line(canvas, r.Left + 1, r.Top + 1, r.Left + 1, mid);
    if (rightEnd)
        Line(canvas, r.Right - 2, r.Top + 1, r.Right - 2, mid);

    canvas.Pen().SetColor(innerBottom);
    Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    if (leftEnd)
        Line(canvas, r.Left + 1, mid, r.Left + 1, r.Bottom - 1);
    if (rightEnd)
        Line(canvas, r.Right - 2, mid, r.Right - 2, r.Bottom - 1);

    canvas.Pen().SetColor(outer);
    Line(canvas, r.Left + leftInset, r.Top, r.Right - rightInset, r.Top);
    Line(canvas, r.Left + leftInset, r.Bottom, r.Right - rightInset, r.Bottom);
    if (leftEnd)
        Line(canvas, r.Left, r.Top + 2, r.Left, r.Bottom - 1);
    if (rightEnd)
        Line(canvas, r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 1);

    // The rounded corner of one end: inner is the column next to the edge.
    auto roundEnd = [&](int32_t edge, int32_t inner) {
        for (const TPoint point : { Point(inner, r.Top), Point(inner, r.Top + 1), Point(edge, r.Top + 1),
                 Point(inner, r.Bottom), Point(inner, r.Bottom - 1), Point(edge, r.Bottom - 1) })
            canvas.SetPixels(point.X, point.Y, corner);
        canvas.SetPixels(edge, r.Top, background);
        canvas.SetPixels(edge, r.Bottom, background);
    };
    if (leftEnd)
        roundEnd(r.Left, r.Left + 1);
    if (rightEnd)
        roundEnd(r.Right - 1, r.Right - 2);

    const TRect fillRect = Rect(r.Left + leftInset, r.Top + 2, r.Right - rightInset, r.Bottom - 1);
    constexpr int32_t Steps = 16;
    if (fillTo == clNone) {
        FillRectColor(canvas, fillRect, fillFrom);
    } else if (mirrorFrom == clNone) {
        DrawGradient(canvas, fillFrom, fillTo, false, fillRect, Steps);
    } else {
        TRect upper = fillRect;
        upper.Bottom = fillRect.Top + fillRect.Height() / 2;
        TRect lower = fillRect;
        lower.Top = upper.Bottom;
        DrawGradient(canvas, fillFrom, fillTo, false, upper, Steps);
        DrawGradient(canvas, mirrorFrom, mirrorTo, false, lower, Steps);
    }
}

// ---- buttons ----------------------------------------------------------------------

void DrawComboButton(TCanvas& canvas, const TRect& rect, const TColorTones& tones, int32_t state, int32_t look)
{
    TRect button = Rect(rect.Right - 17 - 2, rect.Top + 1, rect.Right - 2, rect.Bottom - 1);
    if (look == blCustom) {
        button.Left += 3;
        const TColor brush = ToneOfState(tones, state).BrushColor;
        SetPenAndBrush(canvas, brush, brush);
        canvas.Rectangle(button);
        canvas.Pen().SetColor(tones.Background.BorderColor);
        Line(canvas, button.Left + 1, button.Top, button.Left + 1, button.Bottom);
        SetPenAndBrush(canvas, tones.Background.TextColor, tones.Background.TextColor);
        const TPoint triangle[] = { Point(button.Left + 5, button.Top + 8), Point(button.Left + 11, button.Top + 8),
            Point(button.Left + 8, button.Top + 11) };
        canvas.Polygon(triangle);
        return;
    }
    if (look == blVisualStyle && DrawThemePart(canvas, nullptr, u"combobox", 1, NormalOrDisabledThemeState(state), button))
        return;
    DrawFrameControl(canvas, button,
        DFC_SCROLL, DFCS_SCROLLCOMBOBOX | FrameLookFlags(look) | (state == bstDisabled ? DFCS_INACTIVE : 0));
}

void DrawPushButton(TCanvas& canvas, const TRect& rect, const TColorTones& tones, int32_t state, int32_t look)
{
    if (look == blCustom) {
        const TColorTone& tone = ToneOfState(tones, state);
        SetPenAndBrush(canvas, tone.BorderColor, tone.BrushColor);
        canvas.Rectangle(rect);
        return;
    }
    // States 1 normal, 2 hot, 3 down, 4 disabled.
    if (look == blVisualStyle && DrawThemePart(canvas, nullptr, u"button", 1, state + 1, rect))
        return;
    uint32_t flags = DFCS_BUTTONPUSH | FrameLookFlags(look);
    if (state == bstHot)
        flags |= DFCS_HOT;
    else if (state == bstDown)
        flags |= DFCS_PUSHED;
    else if (state == bstDisabled)
        flags |= DFCS_INACTIVE;
    DrawFrameControl(canvas, rect, DFC_BUTTON, flags);
}

void DrawSpinButtons(TCanvas& canvas, const TRect& rect, const TColorTones& tones, int32_t state, int32_t look)
{
    const TRect column = Rect(rect.Right - 15 - 1, rect.Top - 1, rect.Right - 1, rect.Bottom - 1);
    const int32_t mid = column.Top + column.Height() / 2;
    const TRect up = Rect(column.Left, column.Top, column.Right, mid);
    const TRect down = Rect(column.Left, mid + 1, column.Right, column.Bottom);
    if (look == blCustom) {
        const TColor brush = ToneOfState(tones, state).BrushColor;
        SetPenAndBrush(canvas, brush, brush);
        canvas.Rectangle(up);
        canvas.Rectangle(down);
        SetPenAndBrush(canvas, clBlack, clBlack);
        const int32_t centreX = column.Left + column.Width() / 2;
        const int32_t upY = up.Top + up.Height() / 2;
        const int32_t downY = down.Top + down.Height() / 2;
        const TPoint upArrow[] = { Point(centreX - 2, upY + 1), Point(centreX + 2, upY + 1), Point(centreX, upY - 1) };
        const TPoint downArrow[] = { Point(centreX - 2, downY - 1), Point(centreX + 2, downY - 1),
            Point(centreX, downY + 1) };
        canvas.Polygon(upArrow);
        canvas.Polygon(downArrow);
        return;
    }
    if (look == blVisualStyle) {
        // The styled halves meet at the middle.
        const int32_t themeState = NormalOrDisabledThemeState(state);
        if (DrawThemePart(canvas, nullptr, u"spin", 1, themeState, up)
            && DrawThemePart(canvas, nullptr, u"spin", 2, themeState, Rect(column.Left, mid, column.Right, column.Bottom)))
            return;
    }
    const uint32_t flags = FrameLookFlags(look) | (state == bstDisabled ? DFCS_INACTIVE : 0);
    DrawFrameControl(canvas, up, DFC_SCROLL, DFCS_SCROLLUP | flags);
    DrawFrameControl(canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | flags);
}

void DrawDownTriangle(TCanvas& canvas, int32_t x, int32_t y, TColor color)
{
    SetPenAndBrush(canvas, color, color);
    const TPoint triangle[] = { Point(x - 3, y), Point(x + 3, y), Point(x, y + 3) };
    canvas.Polygon(triangle);
}

void DrawResourceBitmap(TCanvas& canvas, TColor background, const TRect& rect, const String& resName)
{
    TBitmap bitmap;
    LoadResourceBitmap(resName, bitmap);
    DrawTransparentBitmap(canvas, bitmap, background, rect);
}

void DrawTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, TColor background, const TRect& rect)
{
    if (bitmap.Empty())
        return;
    DrawBitmapReplacingColor(canvas, rect.Left, rect.Top, bitmap, BitmapPixel(bitmap, 0, 0), background);
}

// ---- cell decorations -----------------------------------------------------------

TPoint TCanvasCharPositions::PosFromChar(int32_t index) const
{
    return Point(FRect.Left + FCanvas.TextWidth(FText.left(index)), FRect.Top);
}

void DrawErrorUnderline(const TCharPositions& positions, TCanvas& canvas, int32_t length, int32_t start,
    int32_t offset)
{
    const int32_t count = positions.CharCount();
    if (count <= 0 || length <= 0 || start < 0)
        return;
    // Past the end the edit control has no position: the last character's,
    // four pixels further on.
    auto position = [&](int32_t index) {
        if (index < count)
            return positions.PosFromChar(index);
        TPoint last = positions.PosFromChar(count - 1);
        last.X += 4;
        return last;
    };
    const TPoint first = position(start);
    // Any end past the text is the same place; comparing against the room
    // left keeps a huge length from overflowing.
    const int32_t endX = position(length > count - start ? count : start + length).X;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(clRed);
    canvas.Pen().SetWidth(2);
    int32_t x = first.X;
    bool low = true;
    canvas.MoveTo(x, first.Y + offset + 3);
    while (x < endX) {
        x += 3;
        low = !low;
        canvas.LineTo(x, first.Y + offset + (low ? 3 : 0));
    }
    canvas.Pen().SetWidth(1);
}

void DrawRangeIndicator(TCanvas& canvas, const TRect& rect, int32_t value, TColor positiveColor,
    TColor negativeColor, bool showValue, int32_t range)
{
    if (range <= 0)
        return;
    TRect area = rect;
    area.Inflate(-2, -2);
    value = std::clamp(value, -range, range);
    const int32_t centre = area.Left + area.Width() / 2;
    const int32_t length = static_cast<int32_t>(static_cast<int64_t>(area.Width() / 2) * std::abs(value) / range);
    if (value > 0)
        FillRectColor(canvas, Rect(centre, area.Top, centre + length, area.Bottom), positiveColor);
    else if (value < 0)
        FillRectColor(canvas, Rect(centre - length, area.Top, centre, area.Bottom), negativeColor);
    if (!showValue)
        return;
    canvas.Brush().SetStyle(bsClear);
    TRect textRect = area;
    canvas.DrawText(IntToStr(value), textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

namespace {

// The type letter of the format's first conversion, in lower case; none
// when the format has no conversion.
QChar FirstConversion(const String& format)
{
    static const String flagsAndSizes = QStringLiteral("0123456789*:.-");
    for (qsizetype index = 0; index < format.size(); ++index) {
        if (format[index] != u'%')
            continue;
        ++index;
        if (index < format.size() && format[index] == u'%')
            continue;
        while (index < format.size() && flagsAndSizes.contains(format[index]))
            ++index;
        return index < format.size() ? format[index].toLower() : QChar();
    }
    return {};
}

// The value rounded. A value past the 64-bit range is whole already, so it
// is written out instead of rounded.
String RoundedText(double value)
{
    constexpr double Int64Limit = 9223372036854775807.0;
    if (std::abs(value) >= Int64Limit)
        return String::number(value, 'f', 0);
    return String::number(Round(value));
}

} // namespace

String FormatProgressValue(const String& format, double value)
{
    const QChar conversion = FirstConversion(format);
    try {
        if (conversion == u'd' || conversion == u'u')
            return Format(format, { Round(value) });
        return Format(format, { value });
    } catch (const Exception&) {
        // A format that one value cannot fill (or a value no integer holds)
        // shows as written: painting a cell must not fail.
        return format;
    }
}

void DrawProgressBar(TCanvas& canvas, TRect rect, TColor fillColor, bool printing, TColor borderColor,
    const String& format, int32_t max, int32_t min, int32_t marginY, int32_t marginX, double value,
    TColor textColor, TColor backColor, TColor fillTextColor)
{
    const TColor background = canvas.Brush().Color();
    if (!std::isfinite(value))
        value = 0;
    String text;
    double share = 0;
    if (!format.isEmpty()) {
        text = FormatProgressValue(format, value);
        if (max != min)
            share = (value - min) * 100.0 / (static_cast<double>(max) - min);
    } else {
        text = RoundedText(value) + u'%';
        share = value;
    }
    // Limited before rounding: a value far out of range must still paint.
    const int64_t percentage = Round(std::clamp(share, 0.0, 100.0));

    rect.Inflate(-marginX, -marginY);
    const int32_t filled = static_cast<int32_t>(Round(percentage * rect.Width() / 100.0));
    const TSize extent = canvas.TextExtent(text);
    const int32_t textX = rect.Left + (rect.Width() - extent.cx) / 2;
    const int32_t textY = printing ? rect.Top + (rect.Height() + extent.cy) / 2
                                   : rect.Top + (rect.Height() - extent.cy) / 2;

    const TColor fontColor = canvas.Font().Color();
    const TRect filledRect = Rect(rect.Left, rect.Top, rect.Left + filled, rect.Bottom);
    const TRect restRect = Rect(rect.Left + filled, rect.Top, rect.Right, rect.Bottom);
    for (const auto& [part, partColor, partTextColor] :
        { std::tuple(filledRect, fillColor, fillTextColor), std::tuple(restRect, backColor, textColor) }) {
        if (part.IsEmpty())
            continue;
        FillRectColor(canvas, part, partColor);
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetColor(partTextColor);
        canvas.TextRect(part, textX, textY, text);
    }
    canvas.Font().SetColor(fontColor);

    rect.Inflate(1, 1);
    if (borderColor != clNone) {
        canvas.Brush().SetColor(borderColor);
        canvas.FrameRect(rect);
    }
    rect.Inflate(1, 1);
    canvas.Brush().SetColor(background);
    canvas.FrameRect(rect);
}

// The sector is painted as such, so where a flood fill would have to start
// (which differs when printing) does not matter.
void DrawProgressPie(TCanvas& canvas, const TRect& rect, TColor fillColor, bool /*printing*/, int32_t percent)
{
    percent = std::clamp(percent, 0, 100);
    SetPenAndBrush(canvas, clGray, fillColor);
    if (percent != 0)
        DrawPie(canvas, rect, 0.0, percent * 3.6);
    canvas.Brush().SetStyle(bsClear);
    canvas.Ellipse(rect);
    const int32_t centreX = (rect.Left + rect.Right) / 2;
    const int32_t centreY = (rect.Top + rect.Bottom) / 2;
    Line(canvas, centreX, centreY, centreX, rect.Top);
    const double angle = percent * 3.6 * std::numbers::pi / 180.0;
    const double radiusX = rect.Width() / 2.0;
    const double radiusY = rect.Height() / 2.0;
    Line(canvas, centreX, centreY, centreX + static_cast<int32_t>(Round(radiusX * std::sin(angle))),
        centreY - static_cast<int32_t>(Round(radiusY * std::cos(angle))));
}

namespace {

struct TLevelColors {
    TColor Color;
    TColor ColorTo;
};

TLevelColors LevelColors(const TLevelProgressSettings& settings, int32_t level)
{
    switch (level) {
    case 0:
        return { settings.Level0Color, settings.Level0ColorTo };
    case 1:
        return { settings.Level1Color, settings.Level1ColorTo };
    case 2:
        return { settings.Level2Color, settings.Level2ColorTo };
    default:
        return { settings.Level3Color, settings.Level3ColorTo };
    }
}

// Paints the stretch [from, to) of a level bar, counted in pixels from where
// the bar starts (left, or bottom when vertical), across its whole thickness.
class TLevelBarPainter {
public:
    TLevelBarPainter(TCanvas& canvas, const TRect& rect, const TLevelProgressSettings& settings)
        : FCanvas(canvas), FSettings(settings), FInner(rect)
    {
        FInner.Inflate(-1, -1);
    }

    void Paint(int32_t from, int32_t to, const TLevelColors& colors) const
    {
        if (to <= from)
            return;
        const TRect part = FSettings.Vertical ? Rect(FInner.Left, FInner.Bottom - to, FInner.Right, FInner.Bottom - from)
                                              : Rect(FInner.Left + from, FInner.Top, FInner.Left + to, FInner.Bottom);
        if (!FSettings.Gradient) {
            FillRectColor(FCanvas, part, colors.Color);
            return;
        }
        TRect firstHalf = part;
        TRect secondHalf = part;
        if (FSettings.Vertical) {
            firstHalf.Right = part.Left + part.Width() / 2;
            secondHalf.Left = firstHalf.Right;
        } else {
            firstHalf.Bottom = part.Top + part.Height() / 2;
            secondHalf.Top = firstHalf.Bottom;
        }
        DrawGradient(FCanvas, colors.ColorTo, colors.Color, FSettings.Vertical, firstHalf, FSettings.GradientSteps);
        DrawGradient(FCanvas, colors.Color, colors.ColorTo, FSettings.Vertical, secondHalf, FSettings.GradientSteps);
    }

private:
    TCanvas& FCanvas;
    const TLevelProgressSettings& FSettings;
    TRect FInner;
};

void OutlineLevelBar(TCanvas& canvas, const TRect& rect, const TLevelProgressSettings& settings)
{
    canvas.Brush().SetColor(settings.ShowBorder ? settings.BorderColor : settings.BackgroundColor);
    canvas.FrameRect(rect);
}

} // namespace

void DrawLevelProgress(TCanvas& canvas, const TRect& rect, int32_t percent, const TLevelProgressSettings& settings)
{
    const int32_t length = (settings.Vertical ? rect.Height() : rect.Width()) - 2;
    FillRectColor(canvas, rect, settings.BackgroundColor);
    OutlineLevelBar(canvas, rect, settings);

    percent = std::min(percent, 100);
    auto pixels = [length](int32_t percentage) { return static_cast<int32_t>(int64_t { percentage } * length / 100); };
    const TLevelBarPainter painter(canvas, rect, settings);
    if (percent > 0 && length > 0) {
        if (settings.Stacked) {
            const int32_t level1 = std::min(percent, settings.Level1Perc);
            painter.Paint(0, pixels(level1), LevelColors(settings, 0));
            if (percent > settings.Level1Perc) {
                const int32_t level2 = std::min(percent, settings.Level2Perc);
                painter.Paint(pixels(settings.Level1Perc), pixels(level2), LevelColors(settings, 1));
                if (percent > settings.Level2Perc)
                    painter.Paint(pixels(settings.Level2Perc), pixels(percent), LevelColors(settings, 2));
            }
        } else {
            const int32_t level = percent < settings.Level1Perc ? 0
                : percent < settings.Level2Perc                 ? 1
                : percent > 99                                  ? 3
                                                                : 2;
            const TLevelColors colors = LevelColors(settings, level);
            if (!settings.Blocks) {
                painter.Paint(0, pixels(percent), colors);
            } else {
                constexpr int32_t Cell = 9;
                constexpr int32_t Gap = 2;
                const int32_t filled = static_cast<int32_t>(Round(percent * length / 100.0));
                if (filled > Cell) {
                    const int32_t blocks = filled / Cell;
                    for (int32_t block = 0; block < blocks; ++block)
                        painter.Paint(block * Cell + Gap, (block + 1) * Cell, colors);
                    const int32_t rest = filled % Cell;
                    if (rest > Gap)
                        painter.Paint(blocks * Cell + Gap, blocks * Cell + rest, colors);
                } else if (filled >= 2) {
                    painter.Paint(0, filled - 1, colors);
                }
            }
        }
    }

    if (settings.ShowPercentage) {
        canvas.SetFont(settings.Font);
        canvas.Font().SetColor(settings.FontColor);
        const String text = IntToStr(percent) + u'%';
        const TSize extent = canvas.TextExtent(text);
        if (settings.Vertical) {
            TextOutRotated(canvas, rect.Left + (rect.Width() - extent.cy) / 2, rect.Top + (rect.Height() + extent.cx) / 2,
                text, 900);
        } else {
            canvas.Brush().SetStyle(bsClear);
            canvas.TextOut(rect.Left + (rect.Width() - extent.cx) / 2, rect.Top + (rect.Height() - extent.cy) / 2, text);
        }
    }
    OutlineLevelBar(canvas, rect, settings);
}

namespace {

// Vertices of the ten-point star centred in the box, from the top clockwise,
// outer and inner radius in turn.
TPoint StarVertex(int32_t x, int32_t y, int32_t width, int32_t height, int32_t vertex)
{
    const double outerRadius = height / 2.0;
    const double radius = vertex % 2 == 0 ? outerRadius : outerRadius / 3.0;
    const double angle = vertex * 36.0 * std::numbers::pi / 180.0;
    return Point(x + width / 2 + static_cast<int32_t>(Round(radius * std::sin(angle))),
        y + height / 2 - static_cast<int32_t>(Round(radius * std::cos(angle))));
}

enum class TArrowSide { asUp, asDown, asLeft, asRight };

// Seven points of an arrow pointing up in a box of width w (even, so the apex
// and the shaft sit on the middle) and height h, turned to the side asked for.
std::vector<TPoint> ArrowPoints(int32_t x, int32_t y, int32_t width, int32_t height, TArrowSide side)
{
    const bool across = side == TArrowSide::asLeft || side == TArrowSide::asRight;
    const int32_t w = (across ? height : width) & ~1;
    const int32_t h = across ? width : height;
    const int32_t middle = h / 2;
    const int32_t last = h - 1;
    // (across, along) with along counted from the pointing edge.
    const std::pair<int32_t, int32_t> shape[] = { { w / 2, 0 }, { w, middle }, { 3 * w / 4, middle },
        { 3 * w / 4, last }, { w / 4, last }, { w / 4, middle }, { 0, middle } };
    std::vector<TPoint> points;
    for (const auto& [acrossOffset, along] : shape) {
        switch (side) {
        case TArrowSide::asUp:
            points.push_back(Point(x + acrossOffset, y + along));
            break;
        case TArrowSide::asDown:
            points.push_back(Point(x + acrossOffset, y + last - along));
            break;
        case TArrowSide::asLeft:
            points.push_back(Point(x + along, y + acrossOffset));
            break;
        case TArrowSide::asRight:
            points.push_back(Point(x + last - along, y + acrossOffset));
            break;
        }
    }
    return points;
}

} // namespace

void DrawCellShape(TCanvas& canvas, int32_t x, int32_t y, TColor penColor, TColor brushColor, TCellShape shape,
    int32_t width, int32_t height)
{
    SetPenAndBrush(canvas, penColor, brushColor);
    if (shape == csCircle || shape == csSquare || shape == csRoundSquare)
        width = height = std::min(width, height);
    const int32_t right = x + width - 1;
    const int32_t bottom = y + height - 1;
    const int32_t middleX = x + width / 2;
    const int32_t middleY = y + height / 2;
    auto polygon = [&canvas](std::initializer_list<TPoint> points) {
        canvas.Polygon(std::span<const TPoint>(points.begin(), points.size()));
    };
    switch (shape) {
    case csRectangle:
    case csSquare:
        canvas.Rectangle(x + 1, y + 1, x + width - 1, y + height - 1);
        break;
    case csCircle:
    case csEllips:
        canvas.Ellipse(x, y, x + width, y + height);
        break;
    case csTriangleLeft:
        polygon({ Point(right, y), Point(right, bottom), Point(x, middleY) });
        break;
    case csTriangleRight:
        polygon({ Point(x, y), Point(x, bottom), Point(right, middleY) });
        break;
    case csTriangleUp:
        polygon({ Point(x, bottom), Point(right, bottom), Point(middleX, y) });
        break;
    case csTriangleDown:
        polygon({ Point(x, y), Point(right, y), Point(middleX, bottom) });
        break;
    case csDiamond:
        polygon({ Point(middleX, y), Point(right, middleY), Point(middleX, bottom), Point(x, middleY) });
        break;
    case csLineVert:
        Line(canvas, middleX, y, middleX, y + height);
        break;
    case csLineHorz:
        Line(canvas, x, middleY, x + width, middleY);
        break;
    case csRoundRect:
    case csRoundSquare:
        canvas.RoundRect(x, y, x + width, y + height, 10, 10);
        break;
    case csStar: {
        std::vector<TPoint> points;
        for (int32_t vertex = 0; vertex < 10; ++vertex)
            points.push_back(StarVertex(x, y, width, height, vertex));
        canvas.Polygon(points);
        break;
    }
    case csHalfStar: {
        // From the inner vertex straight below the centre round the left side
        // up to the top point.
        std::vector<TPoint> points;
        for (int32_t vertex = 5; vertex <= 10; ++vertex)
            points.push_back(StarVertex(x, y, width, height, vertex));
        canvas.Polygon(points);
        break;
    }
    case csArrowUp:
        canvas.Polygon(ArrowPoints(x, y, width, height, TArrowSide::asUp));
        break;
    case csArrowDown:
        canvas.Polygon(ArrowPoints(x, y, width, height, TArrowSide::asDown));
        break;
    case csArrowLeft:
        canvas.Polygon(ArrowPoints(x, y, width, height, TArrowSide::asLeft));
        break;
    case csArrowRight:
        canvas.Polygon(ArrowPoints(x, y, width, height, TArrowSide::asRight));
        break;
    }
}

// ---- other --------------------------------------------------------------------------

void BuildClipboardHtml(String& html)
{
    const int32_t length = static_cast<int32_t>(html.size());
    auto headerLine = [](const char* name, int32_t offset) {
        return String::fromLatin1(name) + QStringLiteral("%1\r\n").arg(offset, 8, 10, QChar(u'0'));
    };
    const String header = QStringLiteral("Version:1.0\r\n") + headerLine("StartHTML:", 97)
        + headerLine("EndHTML:", length + 306) + headerLine("StartFragment:", 274)
        + headerLine("EndFragment:", length + 274);
    html = header + QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">")
        + QStringLiteral("<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">"
                         "</head><body><!--StartFragment-->")
        + html + QStringLiteral("<!--EndFragment--></body></html>");
}

namespace {

// Upper case character by character, so positions match the original text.
String UpperCaseInPlace(const String& text)
{
    String result = text;
    for (QChar& character : result)
        character = character.toUpper();
    return result;
}

bool IsUrlChar(QChar character)
{
    const char16_t code = character.unicode();
    if (code > 255)
        return false;
    if ((code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z') || (code >= u'0' && code <= u'9'))
        return true;
    return String(QStringLiteral("@%()-./:\\_{}")).contains(character);
}

} // namespace

bool AddUrlAnchor(const String& text, const String& prefix, String& dest)
{
    if (!UpperCaseInPlace(text).contains(prefix))
        return false;
    String escaped = text;
    escaped.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
    const qsizetype start = UpperCaseInPlace(escaped).indexOf(prefix);
    // A prefix made of the escaped brackets is found in the text only.
    if (start < 0)
        return false;
    qsizetype end = start;
    while (end < escaped.size() && IsUrlChar(escaped[end]))
        ++end;
    const String url = escaped.mid(start, end - start);
    dest = escaped.left(start) + QStringLiteral("<a href=\"") + url + QStringLiteral("\">") + url
        + QStringLiteral("</a>") + escaped.mid(end);
    return true;
}

// ---- layered windows ----------------------------------------------------------------

bool DynUpdateLayeredWindow(TForm* window, const TPoint* destPoint, const TSize* size, const TBitmap* source,
    const TPoint* sourcePoint, TColor, const TBlendFunction* blend, uint32_t flags)
{
    if (!window || !window->Layered() || !source || flags != ULW_ALPHA)
        return false;
    const TPoint from = sourcePoint ? *sourcePoint : TPoint {};
    const TSize extent = size ? *size : TSize { window->Width(), window->Height() };
    if (destPoint || size)
        window->SetBounds(destPoint ? destPoint->X : window->Left(), destPoint ? destPoint->Y : window->Top(),
            extent.cx, extent.cy);
    const int32_t width = std::min(extent.cx, source->Width() - from.X);
    const int32_t height = std::min(extent.cy, source->Height() - from.Y);
    if (from.X < 0 || from.Y < 0 || width <= 0 || height <= 0)
        return false;
    const bool ownAlpha = blend && (blend->AlphaFormat & AC_SRC_ALPHA) != 0;
    TBitmap picture;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(width, height);
    for (int32_t row = 0; row < height; ++row) {
        const uint8_t* line = source->ScanLine(from.Y + row) + static_cast<ptrdiff_t>(from.X) * 4;
        uint8_t* target = picture.ScanLine(row);
        std::copy(line, line + static_cast<ptrdiff_t>(width) * 4, target);
        if (!ownAlpha)
            for (int32_t column = 0; column < width; ++column)
                target[column * 4 + 3] = 255;
    }
    return window->UpdateLayeredWindow(picture, blend ? blend->SourceConstantAlpha : 255);
}

bool DynSetLayeredWindowAttributes(TForm* window, TColor, uint8_t alpha, uint32_t flags)
{
    if (!window || !window->Layered() || flags != LWA_ALPHA)
        return false;
    window->SetAlphaBlend(true);
    window->SetAlphaBlendValue(alpha);
    return alpha == 255 || window->AlphaBlended();
}
