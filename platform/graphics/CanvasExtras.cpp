#include "platform/graphics/CanvasExtras.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/QtGraphics.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Keeps the caller's pen and brush across a routine that changes them.
class TToolsKeeper {
public:
    explicit TToolsKeeper(TCanvas& canvas) : FCanvas(canvas), FPen(canvas.Pen()), FBrush(canvas.Brush()) { }
    TToolsKeeper(const TToolsKeeper&) = delete;
    TToolsKeeper& operator=(const TToolsKeeper&) = delete;
    ~TToolsKeeper()
    {
        FCanvas.Pen().Assign(FPen);
        FCanvas.Brush().Assign(FBrush);
    }

private:
    TCanvas& FCanvas;
    TPen FPen;
    TBrush FBrush;
};

enum class TFrameArrow { faUp, faDown, faLeft, faRight };

TFrameArrow ScrollArrowDirection(uint32_t state)
{
    switch (state & 0xF) {
    case DFCS_SCROLLUP: return TFrameArrow::faUp;
    case DFCS_SCROLLLEFT: return TFrameArrow::faLeft;
    case DFCS_SCROLLRIGHT: return TFrameArrow::faRight;
    default: return TFrameArrow::faDown;
    }
}

// A solid triangle of lines 2n-1, 2n-3 .. 1 pixels long, centred in rect:
// rows for up and down, columns for left and right.
void DrawArrow(TCanvas& canvas, const TRect& rect, TFrameArrow direction, TColor color, int32_t shift)
{
    const int32_t lines = std::max(1, std::min(rect.Width(), rect.Height()) / 4);
    const bool vertical = direction == TFrameArrow::faUp || direction == TFrameArrow::faDown;
    const bool pointsBack = direction == TFrameArrow::faUp || direction == TFrameArrow::faLeft;
    const int32_t centreX = rect.Left + rect.Width() / 2 + shift;
    const int32_t centreY = rect.Top + rect.Height() / 2 + shift;
    const int32_t first = (vertical ? rect.Top + (rect.Height() - lines) / 2 : rect.Left + (rect.Width() - lines) / 2) + shift;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    for (int32_t line = 0; line < lines; ++line) {
        const int32_t half = pointsBack ? line : lines - 1 - line;
        if (vertical)
            canvas.FillRect(Rect(centreX - half, first + line, centreX + half + 1, first + line + 1));
        else
            canvas.FillRect(Rect(first + line, centreY - half, first + line + 1, centreY + half + 1));
    }
}

constexpr uint32_t ButtonKindMask = 0x1F;

// Start row of each of the seven tick columns, three pixels tall each.
constexpr int32_t TickRows[] = { 2, 3, 4, 3, 2, 1, 0 };

void DrawCheckFrame(TCanvas& canvas, const TRect& rect, uint32_t state)
{
    const bool inactive = (state & DFCS_INACTIVE) != 0;
    const bool thirdState = (state & DFCS_BUTTON3STATE) != 0 && (state & DFCS_CHECKED) != 0;
    TRect box = rect;
    canvas.Brush().SetStyle(bsSolid);
    if (state & DFCS_FLAT) {
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(box);
        box.Inflate(-1, -1);
    } else {
        DrawEdge(canvas, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    canvas.Brush().SetColor(inactive || thirdState || (state & DFCS_PUSHED) ? clBtnFace : clWindow);
    canvas.FillRect(box);
    if (!(state & DFCS_CHECKED))
        return;
    canvas.Brush().SetColor(inactive || thirdState ? clGrayText : clWindowText);
    const int32_t left = box.Left + (box.Width() - 7) / 2;
    const int32_t top = box.Top + (box.Height() - 7) / 2;
    for (int32_t column = 0; column < 7; ++column)
        canvas.FillRect(Rect(left + column, top + TickRows[column], left + column + 1, top + TickRows[column] + 3));
}

void DrawRadioFrame(TCanvas& canvas, const TRect& rect, uint32_t state)
{
    const bool inactive = (state & DFCS_INACTIVE) != 0;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(inactive ? clBtnFace : clWindow);
    canvas.Ellipse(rect);
    if (!(state & DFCS_CHECKED))
        return;
    const int32_t dot = std::max(2, rect.Width() / 3);
    const int32_t left = rect.Left + (rect.Width() - dot) / 2;
    const int32_t top = rect.Top + (rect.Height() - dot) / 2;
    const TColor color = inactive ? clGrayText : clWindowText;
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Ellipse(left, top, left + dot, top + dot);
}

} // namespace

void DrawFrameControl(TCanvas& canvas, const TRect& rect, uint32_t kind, uint32_t state)
{
    if (rect.IsEmpty())
        return;
    const TToolsKeeper keeper(canvas);
    if (kind == DFC_BUTTON && (state & ButtonKindMask) == DFCS_BUTTONRADIO) {
        DrawRadioFrame(canvas, rect, state);
        return;
    }
    if (kind == DFC_BUTTON && (state & ButtonKindMask) != DFCS_BUTTONPUSH) {
        DrawCheckFrame(canvas, rect, state);
        return;
    }
    const bool pushed = (state & DFCS_PUSHED) != 0;
    if (state & DFCS_FLAT) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(rect);
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(rect);
    } else {
        TRect edge = rect;
        DrawEdge(canvas, edge, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    if (kind != DFC_SCROLL)
        return;
    const TFrameArrow direction = ScrollArrowDirection(state);
    const int32_t shift = pushed ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        DrawArrow(canvas, rect, direction, clBtnHighlight, shift + 1);
        DrawArrow(canvas, rect, direction, clGrayText, shift);
    } else {
        DrawArrow(canvas, rect, direction, clBtnText, shift);
    }
}

void DrawPie(TCanvas& canvas, const TRect& box, double startDegrees, double sweepDegrees)
{
    QPainter* painter = canvas.Painter();
    if (!painter || box.IsEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (canvas.Pen().Style() == psClear)
        painter->setPen(Qt::NoPen);
    else
        painter->setPen(QPen(ToQColor(canvas.Pen().Color()), std::max(canvas.Pen().Width(), 1)));
    if (canvas.Brush().Style() == bsClear)
        painter->setBrush(Qt::NoBrush);
    else
        painter->setBrush(ToQColor(canvas.Brush().Color()));
    const QRect bounds(box.Left, box.Top, box.Width() - 1, box.Height() - 1);
    if (sweepDegrees >= 360.0) {
        painter->drawEllipse(bounds);
    } else {
        // Qt counts sixteenths of a degree counter-clockwise from 3 o'clock.
        const int start = static_cast<int>(std::lround((90.0 - startDegrees) * 16.0));
        const int sweep = static_cast<int>(std::lround(-sweepDegrees * 16.0));
        painter->drawPie(bounds, start, sweep);
    }
    painter->restore();
}

void TextOutRotated(TCanvas& canvas, int32_t x, int32_t y, const String& text, int32_t tenthsOfDegree)
{
    QPainter* painter = canvas.Painter();
    if (!painter || text.isEmpty())
        return;
    const QFont font = ToQFont(canvas.Font());
    painter->save();
    painter->setFont(font);
    painter->setPen(ToQColor(canvas.Font().Color()));
    painter->translate(x, y);
    painter->rotate(-tenthsOfDegree / 10.0);
    painter->drawText(QPoint(0, QFontMetrics(font).ascent()), text);
    painter->restore();
}

void DrawBitmapReplacingColor(TCanvas& canvas, int32_t x, int32_t y, const TBitmap& bitmap, TColor key,
    TColor replacement)
{
    if (bitmap.Empty())
        return;
    QImage image = bitmap.Image().convertToFormat(QImage::Format_RGB32);
    const QRgb keyRgb = ToQColor(key).rgb() & 0xFFFFFF;
    const QRgb replacementRgb = ToQColor(replacement).rgb();
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column)
            if ((line[column] & 0xFFFFFF) == keyRgb)
                line[column] = replacementRgb;
    }
    canvas.DrawImage(Bounds(x, y, image.width(), image.height()), image, image.rect());
}

TColor BitmapPixel(const TBitmap& bitmap, int32_t x, int32_t y)
{
    const QImage& image = bitmap.Image();
    return image.valid(x, y) ? FromQRgb(image.pixel(x, y)) : clNone;
}

void SetBitmapColorAlpha(TBitmap& bitmap, TColor color, uint8_t alpha)
{
    bitmap.SetPixelFormat(pf32bit);
    if (bitmap.Empty())
        return;
    QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = ToQColor(color).rgb() & RGB_MASK;
    const QRgb keyed = alpha == 0 ? 0 : (keyRgb | (QRgb { alpha } << 24));
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column)
            if ((line[column] & RGB_MASK) == keyRgb)
                line[column] = keyed;
    }
    bitmap.SetImage(image);
}

TRegion BitmapOpaqueRegion(const TBitmap& bitmap)
{
    const QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    // One rectangle per run of pixels, row by row: the banded form regions take.
    std::vector<QRect> runs;
    for (int row = 0; row < image.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int column = 0; column < image.width();) {
            if (qAlpha(line[column]) == 0) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < image.width() && qAlpha(line[column]) != 0)
                ++column;
            runs.emplace_back(start, row, column - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return TRegion(region);
}
