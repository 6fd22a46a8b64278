#include "platform/graphics/GPGraphics.h"

#include "platform/graphics/Bitmap.h"

#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(TGPColor color) { return QColor(GPRed(color), GPGreen(color), GPBlue(color), GPAlpha(color)); }

QRectF ToQRectF(const TGPRectF& rect) { return QRectF(rect.X, rect.Y, rect.Width, rect.Height); }

QPolygonF ToQPolygon(std::span<const TPoint> points)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& point : points)
        polygon.append(QPointF(point.X, point.Y));
    return polygon;
}

QPen ToQPen(const TGPPen& pen)
{
    QPen result(ToQColor(pen.Color()), pen.Width(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    result.setMiterLimit(10);
    return result;
}

QFont ToQFont(const TGPFont& font, TGPTextRenderingHint hint)
{
    QFont result(font.Family());
    result.setPixelSize(std::max(1, int(std::lround(font.SizeInPixels()))));
    const bool aliased = hint == TGPTextRenderingHint::SingleBitPerPixel || hint == TGPTextRenderingHint::SingleBitPerPixelGridFit;
    // Subpixel glyphs would tint the pixels by the screen's stripe order;
    // drawing into a bitmap keeps them grey.
    result.setStyleStrategy(aliased ? QFont::NoAntialias : QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return result;
}

QPainterPath Everything()
{
    QPainterPath path;
    path.addRect(QRectF(-1e7, -1e7, 2e7, 2e7));
    return path;
}

uint8_t Mix(uint8_t from, uint8_t to, float factor) { return static_cast<uint8_t>(std::lround(from + (to - from) * factor)); }

TGPColor MixColor(TGPColor from, TGPColor to, float factor)
{
    return MakeGPColor(Mix(GPAlpha(from), GPAlpha(to), factor), Mix(GPRed(from), GPRed(to), factor),
        Mix(GPGreen(from), GPGreen(to), factor), Mix(GPBlue(from), GPBlue(to), factor));
}

// The longest prefix of text no wider than width; with wordsOnly it ends
// before a space, or is empty when the first word does not fit.
qsizetype FittingLength(const String& text, const QFontMetricsF& metrics, qreal width, bool wordsOnly)
{
    qsizetype fitting = 0;
    for (qsizetype length = 1; length <= text.size(); ++length) {
        if (metrics.horizontalAdvance(text.left(length)) > width)
            break;
        if (!wordsOnly || length == text.size() || text.at(length).isSpace())
            fitting = length;
    }
    return fitting;
}

} // namespace

// ---- path and region

TGPGraphicsPath::TGPGraphicsPath() : FPath(std::make_unique<QPainterPath>()) { FPath->setFillRule(Qt::OddEvenFill); }
TGPGraphicsPath::TGPGraphicsPath(const QPainterPath& path) : FPath(std::make_unique<QPainterPath>(path)) { FPath->setFillRule(Qt::OddEvenFill); }
TGPGraphicsPath::TGPGraphicsPath(const TGPGraphicsPath& other) : FPath(std::make_unique<QPainterPath>(*other.FPath)) { }
TGPGraphicsPath& TGPGraphicsPath::operator=(const TGPGraphicsPath& other)
{
    *FPath = *other.FPath;
    return *this;
}
TGPGraphicsPath::~TGPGraphicsPath() = default;

void TGPGraphicsPath::AddPolygon(std::span<const TPoint> points)
{
    if (points.empty())
        return;
    QPolygonF polygon = ToQPolygon(points);
    if (polygon.first() != polygon.last())
        polygon.append(polygon.first());
    FPath->addPolygon(polygon);
    FPath->closeSubpath();
}

void TGPGraphicsPath::AddRectangle(const TGPRectF& rect) { FPath->addRect(ToQRectF(rect)); }
void TGPGraphicsPath::AddEllipse(const TGPRectF& rect) { FPath->addEllipse(ToQRectF(rect)); }

TGPRectF TGPGraphicsPath::Bounds() const
{
    const QRectF bounds = FPath->boundingRect();
    return { float(bounds.x()), float(bounds.y()), float(bounds.width()), float(bounds.height()) };
}

bool TGPGraphicsPath::IsEmpty() const { return FPath->isEmpty(); }

TGPRegion::TGPRegion() = default;
TGPRegion::TGPRegion(const TGPGraphicsPath& path) : FInfinite(false), FPath(path) { }

bool TGPRegion::IsVisible(float x, float y) const { return FInfinite || FPath.Native().contains(QPointF(x, y)); }

TGPRegion TGPRegion::Combined(const TGPRegion& other, TGPCombineMode mode) const
{
    // Combining works on paths; "everything" becomes a rectangle far larger
    // than any bitmap so the set operations stay exact where it matters.
    const QPainterPath mine = FInfinite ? Everything() : FPath.Native();
    const QPainterPath theirs = other.FInfinite ? Everything() : other.FPath.Native();
    QPainterPath result;
    switch (mode) {
    case TGPCombineMode::Replace:
        return other;
    case TGPCombineMode::Intersect:
        if (FInfinite)
            return other;
        if (other.FInfinite)
            return *this;
        result = mine.intersected(theirs);
        break;
    case TGPCombineMode::Union:
        if (FInfinite || other.FInfinite)
            return TGPRegion();
        result = mine.united(theirs);
        break;
    case TGPCombineMode::Xor:
        result = mine.united(theirs).subtracted(mine.intersected(theirs));
        break;
    case TGPCombineMode::Exclude:
        result = mine.subtracted(theirs);
        break;
    case TGPCombineMode::Complement:
        result = theirs.subtracted(mine);
        break;
    }
    return TGPRegion(TGPGraphicsPath(result));
}

// ---- brushes

QBrush TGPSolidBrush::Native() const { return QBrush(ToQColor(FColor)); }

TGPLinearGradientBrush::TGPLinearGradientBrush(TGPPointF from, TGPPointF to, TGPColor fromColor, TGPColor toColor)
    : FFrom(from), FTo(to), FFromColor(fromColor), FToColor(toColor), FFactors { 0, 1 }, FPositions { 0, 1 }
{
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, TGPColor fromColor, TGPColor toColor, TGPLinearGradientMode mode)
    : TGPLinearGradientBrush({ rect.X, rect.Y },
          mode == TGPLinearGradientMode::Horizontal ? TGPPointF { rect.X + rect.Width, rect.Y } : TGPPointF { rect.X, rect.Y + rect.Height },
          fromColor, toColor)
{
}

void TGPLinearGradientBrush::SetBlend(std::span<const float> factors, std::span<const float> positions)
{
    if (factors.size() != positions.size() || factors.size() < 2)
        return;
    FFactors.assign(factors.begin(), factors.end());
    FPositions.assign(positions.begin(), positions.end());
}

TGPColor TGPLinearGradientBrush::ColorAt(float position) const
{
    float factor = FFactors.back();
    for (size_t index = 1; index < FPositions.size(); ++index) {
        if (position <= FPositions[index]) {
            const float span = FPositions[index] - FPositions[index - 1];
            const float along = span > 0 ? (position - FPositions[index - 1]) / span : 1;
            factor = FFactors[index - 1] + (FFactors[index] - FFactors[index - 1]) * std::clamp(along, 0.0f, 1.0f);
            break;
        }
    }
    return MixColor(FFromColor, FToColor, std::clamp(factor, 0.0f, 1.0f));
}

QBrush TGPLinearGradientBrush::Native() const
{
    QLinearGradient gradient(QPointF(FFrom.X, FFrom.Y), QPointF(FTo.X, FTo.Y));
    // Padding rather than repeating keeps the first row in the first colour;
    // every fill of the program lies between the two points.
    gradient.setSpread(QGradient::PadSpread);
    for (const float position : FPositions)
        gradient.setColorAt(std::clamp(position, 0.0f, 1.0f), ToQColor(ColorAt(position)));
    return QBrush(gradient);
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPRectF& ellipse)
    : FEllipse(ellipse), FCenter { ellipse.X + ellipse.Width / 2, ellipse.Y + ellipse.Height / 2 }
{
}

QBrush TGPPathGradientBrush::Native() const
{
    // A radial gradient in the ellipse's own box, so the colours follow the
    // ellipse's outline rather than a circle.
    const qreal width = std::max(FEllipse.Width, 1.0f);
    const qreal height = std::max(FEllipse.Height, 1.0f);
    QRadialGradient gradient(QPointF(0.5, 0.5), 0.5, QPointF((FCenter.X - FEllipse.X) / width, (FCenter.Y - FEllipse.Y) / height));
    gradient.setColorAt(0, ToQColor(FCenterColor));
    gradient.setColorAt(1, ToQColor(FSurroundColor));
    QBrush brush(gradient);
    brush.setTransform(QTransform(width, 0, 0, height, FEllipse.X, FEllipse.Y));
    return brush;
}

// ---- text trimming

String TrimGPString(const String& text, const TGPFont& font, float width, TGPStringTrimming trimming)
{
    const QFontMetricsF metrics(ToQFont(font, TGPTextRenderingHint::AntiAlias));
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const String ellipsis(QChar(0x2026));
    switch (trimming) {
    case TGPStringTrimming::None:
        return text;
    case TGPStringTrimming::Character:
        return text.left(FittingLength(text, metrics, width, false));
    case TGPStringTrimming::Word: {
        const qsizetype words = FittingLength(text, metrics, width, true);
        return text.left(words > 0 ? words : FittingLength(text, metrics, width, false));
    }
    case TGPStringTrimming::EllipsisCharacter:
        return metrics.elidedText(text, Qt::ElideRight, width);
    case TGPStringTrimming::EllipsisWord: {
        const qsizetype words = FittingLength(text, metrics, width - metrics.horizontalAdvance(ellipsis), true);
        return words > 0 ? text.left(words).trimmed() + ellipsis : metrics.elidedText(text, Qt::ElideRight, width);
    }
    case TGPStringTrimming::EllipsisPath:
        return metrics.elidedText(text, Qt::ElideMiddle, width);
    }
    return text;
}

// ---- graphics

TGPGraphics::TGPGraphics(TBitmap& bitmap)
    : FBitmap(bitmap), FImage(std::make_unique<QImage>(bitmap.Image().convertToFormat(QImage::Format_ARGB32_Premultiplied)))
{
    FPainter = std::make_unique<QPainter>(FImage.get());
    ApplyRenderHints();
}

TGPGraphics::~TGPGraphics() { Flush(); }

void TGPGraphics::Flush()
{
    if (!FPainter)
        return;
    FPainter->end();
    FBitmap.SetImage(FImage->convertToFormat(QImage::Format_ARGB32));
    FPainter->begin(FImage.get());
    ApplyRenderHints();
}

void TGPGraphics::SetSmoothingMode(TGPSmoothingMode mode)
{
    FSmoothingMode = mode;
    ApplyRenderHints();
}

void TGPGraphics::SetPixelOffsetMode(TGPPixelOffsetMode mode)
{
    FPixelOffsetMode = mode;
    ApplyRenderHints();
}

void TGPGraphics::ApplyRenderHints()
{
    const bool smooth = FSmoothingMode == TGPSmoothingMode::AntiAlias || FSmoothingMode == TGPSmoothingMode::HighQuality;
    FPainter->setRenderHint(QPainter::Antialiasing, smooth);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    // Without a half-pixel offset an integer coordinate is the centre of a
    // pixel, while the smoothing painter puts pixel centres at .5; aliased
    // it already fills the pixel right of and below a coordinate.
    const bool halfOffset = FPixelOffsetMode == TGPPixelOffsetMode::Half || FPixelOffsetMode == TGPPixelOffsetMode::HighQuality;
    FPainter->resetTransform();
    if (smooth && !halfOffset)
        FPainter->translate(0.5, 0.5);
    ApplyClip();
}

void TGPGraphics::ApplyClip()
{
    if (FClip.IsInfinite()) {
        FPainter->setClipping(false);
        return;
    }
    // Clip areas are whole pixels: a rectangle from 4 clips from row 4,
    // whatever offset the drawing itself uses.
    const QTransform drawing = FPainter->transform();
    FPainter->resetTransform();
    FPainter->setClipPath(FClip.Path().Native(), Qt::ReplaceClip);
    FPainter->setTransform(drawing);
}

void TGPGraphics::Clear(TGPColor color)
{
    FPainter->save();
    FPainter->resetTransform();
    FPainter->setClipping(false);
    FPainter->setCompositionMode(QPainter::CompositionMode_Source);
    FPainter->fillRect(FImage->rect(), ToQColor(color));
    FPainter->restore();
}

void TGPGraphics::FillRectangle(const TGPBrush& brush, const TGPRectF& rect)
{
    QPainterPath path;
    path.addRect(ToQRectF(rect));
    FPainter->fillPath(path, brush.Native());
}

void TGPGraphics::DrawRectangle(const TGPPen& pen, const TGPRectF& rect)
{
    FPainter->setPen(ToQPen(pen));
    FPainter->setBrush(Qt::NoBrush);
    FPainter->drawRect(ToQRectF(rect));
}

void TGPGraphics::FillPolygon(const TGPBrush& brush, std::span<const TPoint> points)
{
    TGPGraphicsPath path;
    path.AddPolygon(points);
    FillPath(brush, path);
}

void TGPGraphics::DrawPolygon(const TGPPen& pen, std::span<const TPoint> points)
{
    if (points.empty())
        return;
    FPainter->setPen(ToQPen(pen));
    FPainter->setBrush(Qt::NoBrush);
    FPainter->drawPolygon(ToQPolygon(points));
}

void TGPGraphics::FillPath(const TGPBrush& brush, const TGPGraphicsPath& path) { FPainter->fillPath(path.Native(), brush.Native()); }

void TGPGraphics::DrawPath(const TGPPen& pen, const TGPGraphicsPath& path) { FPainter->strokePath(path.Native(), ToQPen(pen)); }

void TGPGraphics::FillEllipse(const TGPBrush& brush, const TGPRectF& rect)
{
    TGPGraphicsPath path;
    path.AddEllipse(rect);
    FillPath(brush, path);
}

void TGPGraphics::DrawEllipse(const TGPPen& pen, const TGPRectF& rect)
{
    FPainter->setPen(ToQPen(pen));
    FPainter->setBrush(Qt::NoBrush);
    FPainter->drawEllipse(ToQRectF(rect));
}

void TGPGraphics::DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2)
{
    FPainter->setPen(ToQPen(pen));
    FPainter->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void TGPGraphics::DrawArc(const TGPPen& pen, const TGPRectF& rect, float startAngle, float sweepAngle)
{
    FPainter->setPen(ToQPen(pen));
    FPainter->setBrush(Qt::NoBrush);
    // The painter counts angles anticlockwise in sixteenths of a degree.
    FPainter->drawArc(ToQRectF(rect), int(std::lround(-startAngle * 16)), int(std::lround(-sweepAngle * 16)));
}

void TGPGraphics::DrawImage(const TBitmap& image, int32_t x, int32_t y)
{
    FPainter->save();
    FPainter->resetTransform();
    FPainter->drawImage(QPoint(x, y), image.Image());
    FPainter->restore();
}

void TGPGraphics::SetClip(const TGPGraphicsPath& path, TGPCombineMode mode) { SetClip(TGPRegion(path), mode); }

void TGPGraphics::SetClip(const TGPRectF& rect, TGPCombineMode mode)
{
    TGPGraphicsPath path;
    path.AddRectangle(rect);
    SetClip(path, mode);
}

void TGPGraphics::SetClip(const TGPRegion& region, TGPCombineMode mode)
{
    FClip = FClip.Combined(region, mode);
    ApplyClip();
}

void TGPGraphics::ResetClip()
{
    FClip = TGPRegion();
    ApplyClip();
}

void TGPGraphics::DrawString(const String& text, const TGPFont& font, const TGPRectF& layout, const TGPStringFormat& format, const TGPBrush& brush)
{
    const bool rightToLeft = (format.FormatFlags & StringFormatFlagsDirectionRightToLeft) != 0;
    const bool noWrap = (format.FormatFlags & StringFormatFlagsNoWrap) != 0;
    const QFont qfont = ToQFont(font, FTextRenderingHint);
    // Near is the reading start: the right edge for right-to-left text.
    Qt::Alignment alignment;
    switch (format.Alignment) {
    case TGPStringAlignment::Near:
        alignment = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        break;
    case TGPStringAlignment::Center:
        alignment = Qt::AlignHCenter;
        break;
    case TGPStringAlignment::Far:
        alignment = rightToLeft ? Qt::AlignLeft : Qt::AlignRight;
        break;
    }
    switch (format.LineAlignment) {
    case TGPStringAlignment::Near:
        alignment |= Qt::AlignTop;
        break;
    case TGPStringAlignment::Center:
        alignment |= Qt::AlignVCenter;
        break;
    case TGPStringAlignment::Far:
        alignment |= Qt::AlignBottom;
        break;
    }
    // The platform keeps a sixth of an em free at either end of the line.
    const float padding = font.SizeInPixels() / 6;
    QRectF box = ToQRectF(layout).adjusted(padding, 0, -padding, 0);
    const String shown = noWrap ? TrimGPString(text, font, float(box.width()), format.Trimming) : text;

    FPainter->save();
    if ((format.FormatFlags & StringFormatFlagsNoClip) == 0)
        FPainter->setClipRect(ToQRectF(layout), FClip.IsInfinite() ? Qt::ReplaceClip : Qt::IntersectClip);
    FPainter->setFont(qfont);
    FPainter->setPen(QPen(brush.Native(), 0));
    FPainter->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Absolute, because the painter would mirror left and right again for
    // right-to-left text.
    QTextOption option(alignment | Qt::AlignAbsolute);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(noWrap ? QTextOption::NoWrap : QTextOption::WordWrap);
    FPainter->drawText(box, shown, option);
    FPainter->restore();
}

TGPRectF TGPGraphics::MeasureString(const String& text, const TGPFont& font, const TGPRectF& layout, const TGPStringFormat& format) const
{
    (void)format;
    const QFontMetricsF metrics(ToQFont(font, FTextRenderingHint));
    const float width = float(metrics.horizontalAdvance(text)) + font.SizeInPixels() / 3;
    return { layout.X, layout.Y, width, float(metrics.height()) };
}
