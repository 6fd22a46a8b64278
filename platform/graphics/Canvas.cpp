#include "platform/graphics/Canvas.h"

#include "platform/core/Exception.h"
#include "platform/core/Math.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/QtGraphics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QScreen>

#include <array>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace {

// On/off runs of the platform's one-pixel styled pens, in pixels.
struct TPenPattern {
    TPenStyle Style;
    std::array<int, 6> Runs;
    int Count;
};

constexpr TPenPattern PenPatterns[] = {
    { psDash, { 18, 6 }, 2 },
    { psDot, { 3, 3 }, 2 },
    { psDashDot, { 9, 6, 3, 6 }, 4 },
    { psDashDotDot, { 9, 3, 3, 3, 3, 3 }, 6 },
};

const TPenPattern* PatternOf(TPenStyle style)
{
    for (const TPenPattern& pattern : PenPatterns)
        if (pattern.Style == style)
            return &pattern;
    return nullptr;
}

// The pixels of a line as the platform sets them: Bresenham from start to end,
// the end pixel left out.
void AppendLinePixels(std::vector<QPoint>& pixels, TPoint from, TPoint to)
{
    int x = from.X;
    int y = from.Y;
    const int dx = std::abs(to.X - from.X);
    const int dy = -std::abs(to.Y - from.Y);
    const int stepX = from.X < to.X ? 1 : -1;
    const int stepY = from.Y < to.Y ? 1 : -1;
    int error = dx + dy;
    while (x != to.X || y != to.Y) {
        pixels.emplace_back(x, y);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

// The pixels of a horizontal or vertical segment, its end excluded, as one
// rectangle; false for any other segment.
bool AppendLineRun(std::vector<QRect>& runs, TPoint from, TPoint to)
{
    if (from.Y == to.Y && from.X != to.X) {
        const int left = from.X < to.X ? from.X : to.X + 1;
        runs.emplace_back(left, from.Y, std::abs(to.X - from.X), 1);
        return true;
    }
    if (from.X == to.X && from.Y != to.Y) {
        const int top = from.Y < to.Y ? from.Y : to.Y + 1;
        runs.emplace_back(from.X, top, 1, std::abs(to.Y - from.Y));
        return true;
    }
    return false;
}

QPainter::CompositionMode CompositionFor(TPenMode mode)
{
    switch (mode) {
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

QColor PenColorFor(const TPen& pen)
{
    switch (pen.Mode()) {
    case pmBlack:
        return Qt::black;
    case pmWhite:
    case pmNot:
        return Qt::white;
    default:
        return ToQColor(pen.Color());
    }
}

struct TPrefixedText {
    String Text;
    int Underline = -1;
};

TPrefixedText StripPrefix(const String& text)
{
    TPrefixedText result;
    result.Text.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index] == u'&' && index + 1 < text.size()) {
            ++index;
            if (text[index] != u'&' && result.Underline < 0)
                result.Underline = static_cast<int>(result.Text.size());
        } else if (text[index] == u'&') {
            continue;
        }
        result.Text += text[index];
    }
    return result;
}

struct TTextLine {
    String Text;
    int Underline = -1;
    int Width = 0;
};

// What decides a font's widths: its family and these attributes, kept as
// numbers (QFont::key writes decimal sizes, which costs more than most texts
// cost to measure).
struct TFontWidthKey {
    QString Family;
    std::array<int, 12> Attributes;

    explicit TFontWidthKey(const QFont& font)
        : Family(font.family()),
          Attributes { font.pixelSize() > 0 ? font.pixelSize() : -qRound(font.pointSizeF() * 64), font.weight(), font.style(),
              font.stretch(), font.capitalization(), font.hintingPreference(), font.styleStrategy(), font.fixedPitch(),
              font.kerning(), qRound(font.letterSpacing() * 64), font.letterSpacingType(), qRound(font.wordSpacing() * 64) }
    {
    }
    bool operator==(const TFontWidthKey&) const = default;
};

struct TFontWidthKeyHash {
    size_t operator()(const TFontWidthKey& key) const
    {
        return qHashRange(key.Attributes.begin(), key.Attributes.end(), qHash(key.Family));
    }
};

// Widths of texts already measured, by font and text. Forms measure the same
// captions in the same few fonts again and again while they are built and
// drawn, and shaping a text costs far more than finding it here.
class TWidthCache {
public:
    using TWidths = QHash<QString, int>;
    static constexpr qsizetype Longest_Text = 256;
    static constexpr qsizetype Most_Entries = 8192;
    static constexpr size_t Most_Fonts = 256;

    static TWidthCache& ThisThread()
    {
        thread_local TWidthCache cache;
        return cache;
    }

    // The widths measured in font; valid until the next call.
    TWidths& Of(const QFont& font)
    {
        if (FFonts.size() >= Most_Fonts) {
            FFonts.clear();
            FEntries = 0;
        }
        return FFonts[TFontWidthKey(font)];
    }

    int Width(TWidths& widths, const QFontMetrics& metrics, const String& text)
    {
        if (text.size() > Longest_Text)
            return metrics.horizontalAdvance(text);
        const auto found = widths.constFind(text);
        if (found != widths.constEnd())
            return *found;
        if (FEntries >= Most_Entries) {
            for (auto& [font, measured] : FFonts)
                measured.clear();
            FEntries = 0;
        }
        const int width = metrics.horizontalAdvance(text);
        widths.insert(text, width);
        ++FEntries;
        return width;
    }

private:
    std::unordered_map<TFontWidthKey, TWidths, TFontWidthKeyHash> FFonts;
    qsizetype FEntries = 0;
};

class TTextMeasure {
public:
    TTextMeasure(const QFont& font, const QFontMetrics& metrics)
        : FMetrics(metrics),
          FWidths(TWidthCache::ThisThread().Of(font))
    {
    }

    int Width(const String& text) const
    {
        TWidthCache& cache = TWidthCache::ThisThread();
        if (!text.contains(u'\t'))
            return cache.Width(FWidths, FMetrics, text);
        // Tabs stop every eight average characters (text without tabs, the
        // usual case, never asks the font for that width).
        const int tabWidth = 8 * FMetrics.averageCharWidth();
        int width = 0;
        const QStringList pieces = text.split(u'\t');
        for (qsizetype index = 0; index < pieces.size(); ++index) {
            width += cache.Width(FWidths, FMetrics, pieces[index]);
            if (index + 1 < pieces.size() && tabWidth > 0)
                width = (width / tabWidth + 1) * tabWidth;
        }
        return width;
    }

    int Prefix(const String& text, int length) const { return Width(text.left(length)); }

private:
    const QFontMetrics& FMetrics;
    TWidthCache::TWidths& FWidths;
};

std::vector<TTextLine> LayOutText(const String& source, uint32_t flags, int width, const TTextMeasure& measure)
{
    TPrefixedText prefixed = (flags & DT_NOPREFIX) ? TPrefixedText { source, -1 } : StripPrefix(source);
    if (flags & DT_HIDEPREFIX)
        prefixed.Underline = -1;
    String text = prefixed.Text;
    if (!(flags & DT_EXPANDTABS))
        text.replace(u'\t', u' ');

    struct TParagraph {
        String Text;
        int Start;
    };
    std::vector<TParagraph> paragraphs;
    if (flags & DT_SINGLELINE) {
        String line;
        int underline = -1;
        for (qsizetype index = 0; index < text.size(); ++index) {
            if (text[index] == u'\r' || text[index] == u'\n')
                continue;
            if (index == prefixed.Underline)
                underline = static_cast<int>(line.size());
            line += text[index];
        }
        prefixed.Underline = underline;
        paragraphs.push_back({ line, 0 });
    } else {
        qsizetype start = 0;
        for (qsizetype index = 0; index <= text.size(); ++index) {
            if (index == text.size() || text[index] == u'\r' || text[index] == u'\n') {
                paragraphs.push_back({ text.mid(start, index - start), static_cast<int>(start) });
                if (index + 1 < text.size() && text[index] == u'\r' && text[index + 1] == u'\n')
                    ++index;
                start = index + 1;
            }
        }
        // A closing line break opens no further line.
        if (paragraphs.size() > 1 && paragraphs.back().Text.isEmpty())
            paragraphs.pop_back();
    }

    std::vector<TTextLine> lines;
    auto addLine = [&](const String& line, int start) {
        TTextLine result { line, -1, measure.Width(line) };
        if (prefixed.Underline >= start && prefixed.Underline < start + line.size())
            result.Underline = prefixed.Underline - start;
        lines.push_back(result);
    };
    for (const TParagraph& paragraph : paragraphs) {
        if (!(flags & DT_WORDBREAK) || (flags & DT_SINGLELINE) || measure.Width(paragraph.Text) <= width) {
            addLine(paragraph.Text, paragraph.Start);
            continue;
        }
        // Greedy word wrap: a line takes words while they fit; a word wider
        // than the rectangle stands alone, unbroken. Blanks at a break vanish.
        const String& words = paragraph.Text;
        qsizetype lineStart = 0;
        while (lineStart < words.size()) {
            qsizetype lineEnd = lineStart;
            qsizetype scan = lineStart;
            while (scan < words.size()) {
                qsizetype wordEnd = scan;
                while (wordEnd < words.size() && words[wordEnd] == u' ')
                    ++wordEnd;
                while (wordEnd < words.size() && words[wordEnd] != u' ')
                    ++wordEnd;
                if (lineEnd > lineStart && measure.Width(words.mid(lineStart, wordEnd - lineStart)) > width)
                    break;
                lineEnd = wordEnd;
                scan = wordEnd;
                if (measure.Width(words.mid(lineStart, lineEnd - lineStart)) > width)
                    break;
            }
            addLine(words.mid(lineStart, lineEnd - lineStart), paragraph.Start + static_cast<int>(lineStart));
            lineStart = lineEnd;
            while (lineStart < words.size() && words[lineStart] == u' ')
                ++lineStart;
        }
    }
    if (flags & DT_END_ELLIPSIS) {
        const String ellipsis = QStringLiteral("...");
        for (TTextLine& line : lines) {
            if (line.Width <= width)
                continue;
            // The longest start that fits with the ellipsis, found by halving
            // so that a long line is measured a few times, not once per
            // character.
            qsizetype fitting = 0;
            qsizetype tooLong = line.Text.size();
            while (tooLong - fitting > 1) {
                const qsizetype middle = fitting + (tooLong - fitting) / 2;
                if (measure.Width(line.Text.left(middle) + ellipsis) > width)
                    tooLong = middle;
                else
                    fitting = middle;
            }
            const String cut = line.Text.left(fitting);
            if (line.Underline >= cut.size())
                line.Underline = -1;
            line.Text = cut + ellipsis;
            line.Width = measure.Width(line.Text);
        }
    }
    return lines;
}

} // namespace

namespace {

// What the font drawn with is made from; the colour goes to the pen instead.
struct TFontFace {
    String Name;
    int32_t Height = 0;
    TFontStyles Style;
    int32_t Orientation = 0;
    int32_t PixelsPerInch = 0;
    bool operator==(const TFontFace&) const = default;
};

TFontFace FaceOf(const TFont& font)
{
    return { font.Name(), font.Height(), font.Style(), font.Orientation(), font.PixelsPerInch() };
}

// The fonts made last, so that text switching between a few faces (bold
// and plain runs of one line) finds each made and its glyphs cached.
const QFont& MadeFont(const TFont& font)
{
    struct TMade {
        TFontFace Face;
        QFont Font;
    };
    constexpr size_t Kept = 8;
    thread_local std::vector<TMade> made = [] {
        std::vector<TMade> entries;
        entries.reserve(Kept);
        return entries;
    }();
    thread_local size_t next = 0;
    const TFontFace face = FaceOf(font);
    for (const TMade& entry : made)
        if (entry.Face == face)
            return entry.Font;
    if (made.size() < Kept) {
        made.push_back({ face, ToQFont(font) });
        return made.back().Font;
    }
    made[next] = { face, ToQFont(font) };
    const QFont& result = made[next].Font;
    next = (next + 1) % Kept;
    return result;
}

} // namespace

// Cells painted in alternating text colours would otherwise make the font
// anew and hand it to the painter for every cell.
TCanvas::TCanvas()
{
    FFont.OnChange = [this, face = FaceOf(FFont)](TFont*) mutable {
        TFontFace changed = FaceOf(FFont);
        if (changed == face)
            return;
        face = std::move(changed);
        FontMappingChanged();
    };
}

TCanvas::~TCanvas() = default;

void TCanvas::FontMappingChanged()
{
    FQFont.reset();
    FFontApplied = false;
}

const QFont& TCanvas::CurrentFont()
{
    if (!FQFont) {
        if (FMapping.IsIdentity()) {
            FQFont = std::make_unique<QFont>(MadeFont(FFont));
        } else {
            TFont device(FFont);
            const int32_t height = FMapping.HeightToDevice(FFont.Height());
            device.SetHeight(FFont.Height() < 0 ? -std::max(height, 1) : height);
            FQFont = std::make_unique<QFont>(ToQFont(device));
        }
    }
    return *FQFont;
}

void TCanvas::SetDevice(const TCanvasDevice& device)
{
    FDevice = device;
    if (device.PixelsPerInchY != FFont.PixelsPerInch()) {
        const int32_t points = FFont.Size();
        FFont.SetPixelsPerInch(device.PixelsPerInchY);
        FFont.SetSize(points);
    }
    if (FMapping.Mode() != MM_TEXT && FMapping.Mode() != MM_ANISOTROPIC)
        SetMapMode(FMapping.Mode());
}

int32_t TCanvas::GetDeviceCaps(int32_t index)
{
    TSize pixels = FDevice.PrintableSize;
    if (FDevice.Kind == dkBitmap) {
        const QImage* image = SourceImage();
        pixels = image ? TSize { image->width(), image->height() } : TSize {};
    } else if (FDevice.Kind == dkScreen) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        pixels = screen ? TSize { screen->size().width(), screen->size().height() } : TSize {};
    }
    const TSize paper = FDevice.Kind == dkPrinter ? FDevice.PhysicalSize : pixels;
    switch (index) {
    case HORZSIZE:
        return MulDiv(pixels.cx, 254, FDevice.PixelsPerInchX * 10);
    case VERTSIZE:
        return MulDiv(pixels.cy, 254, FDevice.PixelsPerInchY * 10);
    case HORZRES:
        return pixels.cx;
    case VERTRES:
        return pixels.cy;
    case BITSPIXEL:
        return 32;
    case LOGPIXELSX:
        return FDevice.PixelsPerInchX;
    case LOGPIXELSY:
        return FDevice.PixelsPerInchY;
    case PHYSICALWIDTH:
        return FDevice.Kind == dkPrinter ? paper.cx : 0;
    case PHYSICALHEIGHT:
        return FDevice.Kind == dkPrinter ? paper.cy : 0;
    case PHYSICALOFFSETX:
        return FDevice.Kind == dkPrinter ? FDevice.PhysicalOffset.X : 0;
    case PHYSICALOFFSETY:
        return FDevice.Kind == dkPrinter ? FDevice.PhysicalOffset.Y : 0;
    default:
        return 0;
    }
}

int32_t TCanvas::SetMapMode(int32_t mode)
{
    const int32_t previous = FMapping.Mode();
    if (!FMapping.SetMode(mode, FDevice.PixelsPerInchX, FDevice.PixelsPerInchY))
        return 0;
    FontMappingChanged();
    return previous;
}

bool TCanvas::SetWindowOrgEx(int32_t x, int32_t y, TPoint* previous)
{
    if (previous)
        *previous = FMapping.WindowOrg();
    FMapping.SetWindowOrg({ x, y });
    return true;
}

bool TCanvas::SetViewportOrgEx(int32_t x, int32_t y, TPoint* previous)
{
    if (previous)
        *previous = FMapping.ViewportOrg();
    FMapping.SetViewportOrg({ x, y });
    return true;
}

bool TCanvas::SetWindowExtEx(int32_t x, int32_t y, TSize* previous)
{
    if (previous)
        *previous = FMapping.WindowExt();
    const bool done = FMapping.SetWindowExt({ x, y });
    FontMappingChanged();
    return done;
}

bool TCanvas::SetViewportExtEx(int32_t x, int32_t y, TSize* previous)
{
    if (previous)
        *previous = FMapping.ViewportExt();
    const bool done = FMapping.SetViewportExt({ x, y });
    FontMappingChanged();
    return done;
}

void TCanvas::LPtoDP(std::span<TPoint> points) const
{
    for (TPoint& point : points)
        point = FMapping.ToDevice(point);
}

void TCanvas::DPtoLP(std::span<TPoint> points) const
{
    for (TPoint& point : points)
        point = FMapping.ToLogical(point);
}

// The paint session is one save and restore of the painter, so the state a
// canvas leaves behind does not leak into whoever painted before or after.
void TCanvas::BeginPaint(QPainter* painter)
{
    FPainter = painter;
    FComposition = -1;
    FFontApplied = false;
    if (FPainter) {
        FPainter->save();
        FPainter->setRenderHint(QPainter::Antialiasing, false);
        ApplyClip();
    }
}

void TCanvas::EndPaint()
{
    if (FPainter && FPainter->isActive())
        FPainter->restore();
    FPainter = nullptr;
    FClip.reset();
}

QPainter* TCanvas::Painter()
{
    QPainter* painter = RequirePainter();
    if (!painter) {
        DrawingWithoutPainter();
        return nullptr;
    }
    UseComposition(*painter, QPainter::CompositionMode_SourceOver);
    FComposition = -1;
    FFontApplied = false;
    return painter;
}

// A window draws only while it paints; drawing at any other time would be
// lost on the next paint, so a caller doing it has a fault to find.
void TCanvas::DrawingWithoutPainter() const
{
#ifndef NDEBUG
    if (FDevice.Kind == dkScreen)
        throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
#endif
}

void TCanvas::UseComposition(QPainter& painter, int mode)
{
    if (FComposition == mode)
        return;
    painter.setCompositionMode(static_cast<QPainter::CompositionMode>(mode));
    FComposition = mode;
}

template <typename Operation>
void TCanvas::Paint(Operation&& operation)
{
    QPainter* painter = RequirePainter();
    if (!painter) {
        DrawingWithoutPainter();
        return;
    }
    operation(*painter);
}

void TCanvas::ApplyPen(QPainter& painter)
{
    if (FPen.Style() == psClear || FPen.Mode() == pmNop) {
        painter.setPen(Qt::NoPen);
        UseComposition(painter, QPainter::CompositionMode_SourceOver);
        return;
    }
    QPen pen(PenColorFor(FPen));
    pen.setWidth(std::max(FMapping.WidthToDevice(FPen.Width()), 1));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(FPen.Width() > 1 ? Qt::RoundCap : Qt::FlatCap);
    switch (FPen.Style()) {
    case psDash:
        pen.setStyle(Qt::DashLine);
        break;
    case psDot:
        pen.setStyle(Qt::DotLine);
        break;
    case psDashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case psDashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        break;
    }
    painter.setPen(pen);
    UseComposition(painter, CompositionFor(FPen.Mode()));
}

void TCanvas::ApplyBrush(QPainter& painter)
{
    if (FBrush.Style() == bsClear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(ToQColor(FBrush.Color()));
}

void TCanvas::ApplyFont(QPainter& painter)
{
    if (!FFontApplied) {
        painter.setFont(CurrentFont());
        FFontApplied = true;
    }
    painter.setPen(ToQColor(FFont.Color()));
    UseComposition(painter, QPainter::CompositionMode_SourceOver);
}

void TCanvas::DrawPenPixels(std::span<const TPoint> points, bool lastPixel)
{
    if (points.size() < 2 || FPen.Style() == psClear || FPen.Mode() == pmNop)
        return;
    Paint([&](QPainter& painter) {
        std::vector<TPoint> mapped;
        if (!FMapping.IsIdentity()) {
            mapped.reserve(points.size());
            for (const TPoint& point : points)
                mapped.push_back(ToDevice(point));
            points = mapped;
        }
        if (FMapping.WidthToDevice(FPen.Width()) > 1) {
            ApplyPen(painter);
            QPolygon polygon;
            for (const TPoint& point : points)
                polygon << QPoint(point.X, point.Y);
            painter.drawPolyline(polygon);
            return;
        }
        // Solid upright segments, the bulk of every grid's lines, go as
        // one-pixel-wide rectangles: filling a run costs far less than
        // plotting its pixels one by one, and covers the same pixels.
        const TPenPattern* pattern = PatternOf(FPen.Style());
        std::vector<QRect> runs;
        std::vector<QPoint> pixels;
        for (size_t index = 1; index < points.size(); ++index) {
            if (pattern == nullptr && AppendLineRun(runs, points[index - 1], points[index]))
                continue;
            AppendLinePixels(pixels, points[index - 1], points[index]);
        }
        if (lastPixel)
            pixels.emplace_back(points.back().X, points.back().Y);
        if (pattern != nullptr) {
            std::vector<QPoint> dashed;
            int run = 0;
            int left = pattern->Runs[0];
            for (const QPoint& pixel : pixels) {
                if (run % 2 == 0)
                    dashed.push_back(pixel);
                if (--left == 0) {
                    run = (run + 1) % pattern->Count;
                    left = pattern->Runs[static_cast<size_t>(run)];
                }
            }
            pixels.swap(dashed);
        }
        const QColor color = PenColorFor(FPen);
        UseComposition(painter, CompositionFor(FPen.Mode()));
        for (const QRect& run : runs)
            painter.fillRect(run, color);
        painter.setPen(QPen(color, 1));
        painter.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
    });
}

void TCanvas::LineTo(int32_t x, int32_t y)
{
    const TPoint points[] = { FPenPos, { x, y } };
    DrawPenPixels(points, false);
    FPenPos = { x, y };
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    DrawPenPixels(points, false);
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.empty())
        return;
    Paint([&](QPainter& painter) {
        ApplyPen(painter);
        ApplyBrush(painter);
        QPolygon polygon;
        for (const TPoint& point : points) {
            const TPoint device = ToDevice(point);
            polygon << QPoint(device.X, device.Y);
        }
        painter.drawPolygon(polygon);
    });
}

void TCanvas::FillRect(const TRect& logical)
{
    const TRect rect = ToDevice(logical);
    if (FBrush.Style() == bsClear || rect.IsEmpty())
        return;
    Paint([&](QPainter& painter) {
        UseComposition(painter, QPainter::CompositionMode_SourceOver);
        painter.fillRect(ToQRect(rect), ToQColor(FBrush.Color()));
    });
}

void TCanvas::FrameRect(const TRect& logical)
{
    const TRect rect = ToDevice(logical);
    if (FBrush.Style() == bsClear || rect.IsEmpty())
        return;
    Paint([&](QPainter& painter) {
        UseComposition(painter, QPainter::CompositionMode_SourceOver);
        const QColor color = ToQColor(FBrush.Color());
        painter.fillRect(QRect(rect.Left, rect.Top, rect.Width(), 1), color);
        painter.fillRect(QRect(rect.Left, rect.Bottom - 1, rect.Width(), 1), color);
        painter.fillRect(QRect(rect.Left, rect.Top, 1, rect.Height()), color);
        painter.fillRect(QRect(rect.Right - 1, rect.Top, 1, rect.Height()), color);
    });
}

// The outline covers left..right-1; without a pen the platform fills one
// pixel less on the right and bottom, which the same Qt rectangle gives.
void TCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const TRect rect = ToDevice(Rect(left, top, right, bottom));
    Paint([&](QPainter& painter) {
        ApplyPen(painter);
        ApplyBrush(painter);
        painter.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
    });
}

void TCanvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
    int32_t ellipseHeight)
{
    const TRect rect = ToDevice(Rect(left, top, right, bottom));
    Paint([&](QPainter& painter) {
        ApplyPen(painter);
        ApplyBrush(painter);
        painter.drawRoundedRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1),
            FMapping.WidthToDevice(ellipseWidth) / 2.0, FMapping.HeightToDevice(ellipseHeight) / 2.0);
    });
}

void TCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const TRect rect = ToDevice(Rect(left, top, right, bottom));
    Paint([&](QPainter& painter) {
        ApplyPen(painter);
        ApplyBrush(painter);
        painter.drawEllipse(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
    });
}

// Inverts every other pixel of the outline, so a second call removes it.
void TCanvas::DrawFocusRect(const TRect& logical)
{
    const TRect rect = ToDevice(logical);
    if (rect.IsEmpty())
        return;
    std::vector<QPoint> pixels;
    auto add = [&](int32_t x, int32_t y) {
        if (((x + y) & 1) == 0)
            pixels.emplace_back(x, y);
    };
    for (int32_t x = rect.Left; x < rect.Right; ++x) {
        add(x, rect.Top);
        if (rect.Bottom - 1 > rect.Top)
            add(x, rect.Bottom - 1);
    }
    for (int32_t y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        add(rect.Left, y);
        if (rect.Right - 1 > rect.Left)
            add(rect.Right - 1, y);
    }
    Paint([&](QPainter& painter) {
        UseComposition(painter, QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(255, 255, 255), 1));
        painter.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
    });
}

TColor TCanvas::Pixels(int32_t x, int32_t y)
{
    const TPoint device = ToDevice(Point(x, y));
    const QImage* image = SourceImage();
    if (!image || !image->valid(device.X, device.Y))
        return clNone;
    return FromQRgb(image->pixel(device.X, device.Y));
}

void TCanvas::SetPixels(int32_t x, int32_t y, TColor color)
{
    const TPoint device = ToDevice(Point(x, y));
    Paint([&](QPainter& painter) {
        UseComposition(painter, QPainter::CompositionMode_SourceOver);
        painter.fillRect(QRect(device.X, device.Y, 1, 1), ToQColor(color));
    });
}

void TCanvas::FillTextBackground(QPainter& painter, const TRect& deviceRect)
{
    if (FBrush.Style() == bsSolid) {
        UseComposition(painter, QPainter::CompositionMode_SourceOver);
        painter.fillRect(ToQRect(deviceRect), ToQColor(FBrush.Color()));
    }
}

// Text whose line box lies inside the clip rectangle is drawn without
// clipping, which spares the painter a state save for the common cell text.
// The font goes in before the save: the canvas remembers what it applied,
// and a restore taking it away again would leave a later fill or line in
// the composition and a later text in the font the painter had before.
void TCanvas::DrawTextAt(QPainter& painter, const TRect& deviceClip, TPoint devicePoint, const String& text)
{
    const QFontMetrics metrics(CurrentFont());
    const TRect box = Bounds(devicePoint.X, devicePoint.Y, metrics.horizontalAdvance(text), metrics.height());
    const bool inside = box.Left >= deviceClip.Left && box.Top >= deviceClip.Top && box.Right <= deviceClip.Right
        && box.Bottom <= deviceClip.Bottom;
    ApplyFont(painter);
    if (!inside) {
        painter.save();
        painter.setClipRect(ToQRect(deviceClip), Qt::IntersectClip);
    }
    painter.drawText(QPoint(devicePoint.X, devicePoint.Y + metrics.ascent()), text);
    if (!inside)
        painter.restore();
}

void TCanvas::TextOut(int32_t x, int32_t y, const String& text)
{
    const TPoint device = ToDevice(Point(x, y));
    Paint([&](QPainter& painter) {
        const QFontMetrics metrics(CurrentFont());
        FillTextBackground(painter, Bounds(device.X, device.Y, metrics.horizontalAdvance(text), metrics.height()));
        ApplyFont(painter);
        painter.drawText(QPoint(device.X, device.Y + metrics.ascent()), text);
    });
    FPenPos = { x + TextExtent(text).cx, y };
}

void TCanvas::TextRect(const TRect& rect, int32_t x, int32_t y, const String& text)
{
    const TRect deviceRect = ToDevice(rect);
    const TPoint device = ToDevice(Point(x, y));
    Paint([&](QPainter& painter) {
        FillTextBackground(painter, deviceRect);
        DrawTextAt(painter, deviceRect, device, text);
    });
}

int32_t TCanvas::TextWidth(const String& text) { return TextExtent(text).cx; }
int32_t TCanvas::TextHeight(const String& text) { return TextExtent(text).cy; }

TSize TCanvas::TextExtent(const String& text)
{
    const QFontMetrics metrics(CurrentFont());
    return { FMapping.WidthToLogical(metrics.horizontalAdvance(text)), FMapping.HeightToLogical(metrics.height()) };
}

int32_t TCanvas::DrawText(const String& text, TRect& logicalRect, uint32_t flags)
{
    const QFont& font = CurrentFont();
    const QFontMetrics metrics(font);
    const TTextMeasure measure(font, metrics);
    const int lineHeight = metrics.height();
    // Measured rectangles grow from the logical top-left corner in the
    // direction the mapping gives each axis.
    auto calculated = [&](int width, int height) {
        const TPoint corner = ToDevice(logicalRect.TopLeft());
        const TRect device = FMapping.ToLogical(Bounds(corner.X, corner.Y, width, height));
        logicalRect.Right = logicalRect.Left + (device.Right - device.Left);
        logicalRect.Bottom = logicalRect.Top + (device.Bottom - device.Top);
    };
    if (text.isEmpty()) {
        if (flags & DT_CALCRECT)
            calculated(0, (flags & DT_SINGLELINE) ? lineHeight : 0);
        return FMapping.HeightToLogical((flags & DT_SINGLELINE) ? lineHeight : 0);
    }
    const TRect rect = ToDevice(logicalRect);
    // One line at the left, unclipped, over a clear brush and without
    // prefixes or tabs needs no layout: it is drawn where it stands.
    constexpr uint32_t laidOut = DT_CALCRECT | DT_CENTER | DT_RIGHT | DT_WORDBREAK | DT_END_ELLIPSIS;
    if ((flags & (DT_SINGLELINE | DT_NOCLIP)) == (DT_SINGLELINE | DT_NOCLIP) && (flags & laidOut) == 0
        && FBrush.Style() != bsSolid && FFont.Orientation() == 0 && !text.contains(u'\t') && !text.contains(u'\r')
        && !text.contains(u'\n') && ((flags & DT_NOPREFIX) != 0 || !text.contains(u'&'))) {
        int top = rect.Top;
        if (flags & DT_VCENTER)
            top = rect.Top + (rect.Height() - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = rect.Bottom - lineHeight;
        Paint([&](QPainter& painter) {
            ApplyFont(painter);
            painter.drawText(QPoint(rect.Left, top + metrics.ascent()), text);
        });
        return FMapping.HeightToLogical(lineHeight);
    }
    const std::vector<TTextLine> lines = LayOutText(text, flags, rect.Width(), measure);
    const int height = lineHeight * static_cast<int>(lines.size());
    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const TTextLine& line : lines)
            widest = std::max(widest, line.Width);
        calculated(widest, height);
        return FMapping.HeightToLogical(height);
    }
    int top = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            top = rect.Top + (rect.Height() - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = rect.Bottom - lineHeight;
    }
    auto lineLeft = [&](const TTextLine& line) {
        if (flags & DT_CENTER)
            return rect.Left + (rect.Width() - line.Width) / 2;
        if (flags & DT_RIGHT)
            return rect.Right - line.Width;
        return rect.Left;
    };
    const int32_t orientation = FFont.Orientation();
    if (orientation != 0) {
        // Turned text leaves the rectangle it was laid out in, so it is not
        // clipped to it; each line turns about the start of its baseline.
        Paint([&](QPainter& painter) {
            ApplyFont(painter);
            int y = top;
            for (const TTextLine& line : lines) {
                painter.save();
                painter.translate(lineLeft(line), y + metrics.ascent());
                painter.rotate(-orientation / 10.0);
                painter.drawText(QPoint(0, 0), line.Text);
                painter.restore();
                y += lineHeight;
            }
        });
        return FMapping.HeightToLogical(height);
    }
    bool clipped = false;
    if (!(flags & DT_NOCLIP)) {
        clipped = top < rect.Top || top + height > rect.Bottom;
        for (const TTextLine& line : lines)
            clipped = clipped || lineLeft(line) < rect.Left || lineLeft(line) + line.Width > rect.Right;
    }
    Paint([&](QPainter& painter) {
        // As in DrawTextAt, the state the lines need is applied before the
        // save, so the restore leaves the painter as the canvas believes.
        ApplyFont(painter);
        if (clipped) {
            painter.save();
            painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
        }
        int y = top;
        for (const TTextLine& line : lines) {
            const int x = lineLeft(line);
            FillTextBackground(painter, Bounds(x, y, line.Width, lineHeight));
            ApplyFont(painter);
            if (line.Text.contains(u'\t')) {
                const QStringList pieces = line.Text.split(u'\t');
                String drawn;
                for (qsizetype index = 0; index < pieces.size(); ++index) {
                    painter.drawText(QPoint(x + measure.Width(drawn), y + metrics.ascent()), pieces[index]);
                    drawn += pieces[index] + u'\t';
                }
            } else {
                painter.drawText(QPoint(x, y + metrics.ascent()), line.Text);
            }
            if (line.Underline >= 0) {
                const int start = x + measure.Prefix(line.Text, line.Underline);
                const int end = x + measure.Prefix(line.Text, line.Underline + 1);
                painter.fillRect(QRect(start, y + metrics.ascent() + 1, end - start, 1), ToQColor(FFont.Color()));
            }
            y += lineHeight;
        }
        if (clipped)
            painter.restore();
    });
    return FMapping.HeightToLogical(height);
}

void TCanvas::Draw(int32_t x, int32_t y, const TGraphic& graphic)
{
    if (!graphic.Empty())
        graphic.DrawOn(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic)
{
    if (!graphic.Empty())
        graphic.DrawOn(*this, rect);
}

void TCanvas::DrawImage(const TRect& dest, const QImage& image, const QRect& source)
{
    // Drawing a bitmap onto its own canvas: Qt cannot paint a device onto
    // itself, so the source is copied first.
    QPainter* painter = RequirePainter();
    if (!painter) {
        DrawingWithoutPainter();
        return;
    }
    const bool self = painter->device() == &image;
    const QImage copy = self ? image.copy(source) : QImage();
    const QRect target = ToQRect(ToDevice(dest));
    Paint([&](QPainter& targetPainter) {
        UseComposition(targetPainter, QPainter::CompositionMode_SourceOver);
        if (self)
            targetPainter.drawImage(target, copy);
        else
            targetPainter.drawImage(target, image, source);
    });
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    const QImage* image = source.SourceImage();
    if (image)
        DrawImage(dest, *image, ToQRect(source.ToDevice(sourceRect)));
}

void TCanvas::ApplyClip()
{
    if (!FPainter)
        return;
    // Lifting the clip with setClipping(false) would leave the raster
    // engine's clip object disabled, and the next region set into it would
    // not clip; NoClip drops that object instead.
    if (FClip)
        FPainter->setClipRegion(FClip->Native());
    else
        FPainter->setClipRegion(QRegion(), Qt::NoClip);
}

void TCanvas::SetClipRect(const TRect& rect) { SetClipRegion(TRegion(ToDevice(rect))); }

void TCanvas::IntersectClipRect(const TRect& rect)
{
    const TRegion region(ToDevice(rect));
    SetClipRegion(FClip ? FClip->Intersected(region) : region);
}

void TCanvas::ExcludeClipRect(const TRect& rect)
{
    const TRegion whole(Rect(-32768, -32768, 32767, 32767));
    SetClipRegion((FClip ? *FClip : whole).Subtracted(TRegion(ToDevice(rect))));
}

void TCanvas::SetClipRegion(const TRegion& region)
{
    FClip = region;
    RequirePainter();
    ApplyClip();
}

void TCanvas::ClearClip()
{
    FClip.reset();
    ApplyClip();
}

void TCanvas::RestoreClip(const TCanvasClip& clip)
{
    FClip = clip.Region;
    ApplyClip();
}

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int32_t width)
{
    const TColor penColor = canvas.Pen().Color();
    const int32_t penWidth = canvas.Pen().Width();
    canvas.Pen().SetWidth(1);
    --rect.Right;
    --rect.Bottom;
    for (; width > 0; --width) {
        canvas.Pen().SetColor(topColor);
        const TPoint topLeft[] = { { rect.Left, rect.Bottom }, { rect.Left, rect.Top }, { rect.Right, rect.Top } };
        canvas.Polyline(topLeft);
        canvas.Pen().SetColor(bottomColor);
        const TPoint bottomRight[] = { { rect.Right, rect.Top }, { rect.Right, rect.Bottom },
            { rect.Left - 1, rect.Bottom } };
        canvas.Polyline(bottomRight);
        rect.Inflate(-1, -1);
    }
    ++rect.Right;
    ++rect.Bottom;
    canvas.Pen().SetColor(penColor);
    canvas.Pen().SetWidth(penWidth);
}

namespace {

struct TEdgeColors {
    uint32_t Edge;
    TColor TopLeft;
    TColor BottomRight;
};

// Classic look: outer ring first, then inner ring.
constexpr TEdgeColors OuterEdges[] = {
    { BDR_RAISEDOUTER, cl3DLight, cl3DDkShadow },
    { BDR_SUNKENOUTER, clBtnShadow, clBtnHighlight },
};
constexpr TEdgeColors InnerEdges[] = {
    { BDR_RAISEDINNER, clBtnHighlight, clBtnShadow },
    { BDR_SUNKENINNER, cl3DDkShadow, cl3DLight },
};

void DrawEdgeRing(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, uint32_t flags)
{
    TBrush& brush = canvas.Brush();
    if (flags & BF_LEFT) {
        brush.SetColor(topLeft);
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1));
    }
    if (flags & BF_TOP) {
        brush.SetColor(topLeft);
        canvas.FillRect(Rect(rect.Left, rect.Top, rect.Right - 1, rect.Top + 1));
    }
    if (flags & BF_RIGHT) {
        brush.SetColor(bottomRight);
        canvas.FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
    }
    if (flags & BF_BOTTOM) {
        brush.SetColor(bottomRight);
        canvas.FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
    }
    rect = Rect(rect.Left + ((flags & BF_LEFT) ? 1 : 0), rect.Top + ((flags & BF_TOP) ? 1 : 0),
        rect.Right - ((flags & BF_RIGHT) ? 1 : 0), rect.Bottom - ((flags & BF_BOTTOM) ? 1 : 0));
}

} // namespace

void DrawEdge(TCanvas& canvas, TRect& rect, uint32_t edge, uint32_t flags)
{
    const TBrush saved = canvas.Brush();
    TRect inner = rect;
    for (const TEdgeColors& outer : OuterEdges) {
        if (!(edge & outer.Edge))
            continue;
        if (flags & BF_MONO)
            DrawEdgeRing(canvas, inner, clWindowFrame, clWindowFrame, flags);
        else if (flags & BF_FLAT)
            DrawEdgeRing(canvas, inner, clBtnShadow, clBtnShadow, flags);
        else
            DrawEdgeRing(canvas, inner, outer.TopLeft, outer.BottomRight, flags);
        break;
    }
    for (const TEdgeColors& innerEdge : InnerEdges) {
        if (!(edge & innerEdge.Edge))
            continue;
        if (flags & (BF_MONO | BF_FLAT))
            DrawEdgeRing(canvas, inner, clBtnFace, clBtnFace, flags);
        else
            DrawEdgeRing(canvas, inner, innerEdge.TopLeft, innerEdge.BottomRight, flags);
        break;
    }
    if (flags & BF_MIDDLE) {
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(inner);
    }
    canvas.Brush().Assign(saved);
    if (flags & BF_ADJUST)
        rect = inner;
}
