#pragma once

// The platform's anti-aliased vector painter: paths, gradients, clipping by
// path, pens with caps and joins, and text laid out in a rectangle. It draws
// into a 32-bit bitmap and keeps the pixel rules of its own platform apart
// from the GDI canvas (TCanvas): coordinates name pixel centres unless the
// pixel offset mode says otherwise, pens have flat caps and mitre joins,
// angles run clockwise and font sizes are points at 96 dots per inch.

#include "platform/graphics/Color.h"
#include "platform/graphics/Types.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class QBrush;
class QFont;
class QImage;
class QPainter;
class QPainterPath;
class TBitmap;

// 0xAARRGGBB.
using TGPColor = uint32_t;

constexpr TGPColor MakeGPColor(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue)
{
    return (TGPColor { alpha } << 24) | (TGPColor { red } << 16) | (TGPColor { green } << 8) | TGPColor { blue };
}
constexpr uint8_t GPAlpha(TGPColor color) { return static_cast<uint8_t>(color >> 24); }
constexpr uint8_t GPRed(TGPColor color) { return static_cast<uint8_t>(color >> 16); }
constexpr uint8_t GPGreen(TGPColor color) { return static_cast<uint8_t>(color >> 8); }
constexpr uint8_t GPBlue(TGPColor color) { return static_cast<uint8_t>(color); }

struct TGPPointF {
    float X = 0;
    float Y = 0;
};

struct TGPRectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
    bool operator==(const TGPRectF&) const = default;
};

inline TGPRectF ToGPRectF(const TRect& rect)
{
    return { float(rect.Left), float(rect.Top), float(rect.Width()), float(rect.Height()) };
}

enum class TGPSmoothingMode { Default = 0, HighSpeed = 1, HighQuality = 2, None = 3, AntiAlias = 4 };
enum class TGPPixelOffsetMode { Default = 0, HighSpeed = 1, HighQuality = 2, None = 3, Half = 4 };
enum class TGPTextRenderingHint {
    SystemDefault = 0,
    SingleBitPerPixelGridFit = 1,
    SingleBitPerPixel = 2,
    AntiAliasGridFit = 3,
    AntiAlias = 4,
    ClearTypeGridFit = 5
};
enum class TGPCombineMode { Replace = 0, Intersect = 1, Union = 2, Xor = 3, Exclude = 4, Complement = 5 };
enum class TGPStringAlignment { Near = 0, Center = 1, Far = 2 };
enum class TGPStringTrimming { None = 0, Character = 1, Word = 2, EllipsisCharacter = 3, EllipsisWord = 4, EllipsisPath = 5 };
enum class TGPLinearGradientMode { Horizontal = 0, Vertical = 1 };

constexpr uint32_t StringFormatFlagsDirectionRightToLeft = 0x1;
constexpr uint32_t StringFormatFlagsNoWrap = 0x1000;
constexpr uint32_t StringFormatFlagsNoClip = 0x4000;

// An outline made of figures, filled by the even-odd rule.
class TGPGraphicsPath {
public:
    TGPGraphicsPath();
    TGPGraphicsPath(const TGPGraphicsPath& other);
    TGPGraphicsPath& operator=(const TGPGraphicsPath& other);
    ~TGPGraphicsPath();

    void AddPolygon(std::span<const TPoint> points);
    void AddRectangle(const TGPRectF& rect);
    void AddEllipse(const TGPRectF& rect);
    TGPRectF Bounds() const;
    bool IsEmpty() const;

    const QPainterPath& Native() const { return *FPath; }
    explicit TGPGraphicsPath(const QPainterPath& path);

private:
    std::unique_ptr<QPainterPath> FPath;
};

// A clip area: everything (the state of a new graphics) or the inside of a path.
class TGPRegion {
public:
    TGPRegion();
    explicit TGPRegion(const TGPGraphicsPath& path);
    bool IsInfinite() const { return FInfinite; }
    const TGPGraphicsPath& Path() const { return FPath; }
    // Whether the point (a pixel centre) lies inside.
    bool IsVisible(float x, float y) const;
    TGPRegion Combined(const TGPRegion& other, TGPCombineMode mode) const;

private:
    bool FInfinite = true;
    TGPGraphicsPath FPath;
};

class TGPBrush {
public:
    virtual ~TGPBrush() = default;
    virtual QBrush Native() const = 0;
};

class TGPSolidBrush final : public TGPBrush {
public:
    explicit TGPSolidBrush(TGPColor color) : FColor(color) { }
    TGPColor Color() const { return FColor; }
    QBrush Native() const override;

private:
    TGPColor FColor;
};

// Runs from the first colour at the first point to the second at the second
// point; beyond them the end colours continue.
class TGPLinearGradientBrush final : public TGPBrush {
public:
    TGPLinearGradientBrush(TGPPointF from, TGPPointF to, TGPColor fromColor, TGPColor toColor);
    TGPLinearGradientBrush(const TGPRectF& rect, TGPColor fromColor, TGPColor toColor, TGPLinearGradientMode mode);
    // Factor f at position p (both 0..1) gives fromColor·(1 − f) + toColor·f;
    // the two spans must have the same length of at least 2.
    void SetBlend(std::span<const float> factors, std::span<const float> positions);
    TGPColor ColorAt(float position) const;
    TGPPointF From() const { return FFrom; }
    TGPPointF To() const { return FTo; }
    QBrush Native() const override;

private:
    TGPPointF FFrom;
    TGPPointF FTo;
    TGPColor FFromColor;
    TGPColor FToColor;
    std::vector<float> FFactors;
    std::vector<float> FPositions;
};

// A glow filling an ellipse: the centre colour at the centre point fading to
// the surround colour at the outline.
class TGPPathGradientBrush final : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPRectF& ellipse);
    void SetCenterPoint(TGPPointF point) { FCenter = point; }
    void SetCenterColor(TGPColor color) { FCenterColor = color; }
    void SetSurroundColor(TGPColor color) { FSurroundColor = color; }
    QBrush Native() const override;

private:
    TGPRectF FEllipse;
    TGPPointF FCenter;
    TGPColor FCenterColor = 0;
    TGPColor FSurroundColor = 0;
};

class TGPPen {
public:
    TGPPen(TGPColor color, float width) : FColor(color), FWidth(width) { }
    TGPColor Color() const { return FColor; }
    float Width() const { return FWidth; }

private:
    TGPColor FColor;
    float FWidth;
};

// Regular face of a family, sized in points.
class TGPFont {
public:
    TGPFont(const String& family, float emSizePoints) : FFamily(family), FSize(emSizePoints) { }
    const String& Family() const { return FFamily; }
    float Size() const { return FSize; }
    float SizeInPixels() const { return FSize * 96.0f / 72.0f; }

private:
    String FFamily;
    float FSize;
};

struct TGPStringFormat {
    TGPStringAlignment Alignment = TGPStringAlignment::Near;
    TGPStringAlignment LineAlignment = TGPStringAlignment::Near;
    uint32_t FormatFlags = 0;
    TGPStringTrimming Trimming = TGPStringTrimming::Character;
};

// The text a layout width leaves of text under a trimming rule, with no
// wrapping; exposed for tests and for callers that size things by it.
String TrimGPString(const String& text, const TGPFont& font, float width, TGPStringTrimming trimming);

// Draws into a bitmap, which it makes 32 bits per pixel; the pixels reach
// the bitmap when the graphics is destroyed or flushed.
class TGPGraphics {
public:
    explicit TGPGraphics(TBitmap& bitmap);
    TGPGraphics(const TGPGraphics&) = delete;
    TGPGraphics& operator=(const TGPGraphics&) = delete;
    ~TGPGraphics();

    void Flush();

    TGPSmoothingMode SmoothingMode() const { return FSmoothingMode; }
    void SetSmoothingMode(TGPSmoothingMode mode);
    TGPPixelOffsetMode PixelOffsetMode() const { return FPixelOffsetMode; }
    void SetPixelOffsetMode(TGPPixelOffsetMode mode);
    TGPTextRenderingHint TextRenderingHint() const { return FTextRenderingHint; }
    void SetTextRenderingHint(TGPTextRenderingHint hint) { FTextRenderingHint = hint; }

    void Clear(TGPColor color);
    void FillRectangle(const TGPBrush& brush, const TGPRectF& rect);
    void DrawRectangle(const TGPPen& pen, const TGPRectF& rect);
    void FillPolygon(const TGPBrush& brush, std::span<const TPoint> points);
    void DrawPolygon(const TGPPen& pen, std::span<const TPoint> points);
    void FillPath(const TGPBrush& brush, const TGPGraphicsPath& path);
    void DrawPath(const TGPPen& pen, const TGPGraphicsPath& path);
    void FillEllipse(const TGPBrush& brush, const TGPRectF& rect);
    void DrawEllipse(const TGPPen& pen, const TGPRectF& rect);
    void DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2);
    // Angles in degrees, clockwise from the positive x axis.
    void DrawArc(const TGPPen& pen, const TGPRectF& rect, float startAngle, float sweepAngle);
    // Unscaled, top-left corner at (x, y), blended by its alpha.
    void DrawImage(const TBitmap& image, int32_t x, int32_t y);

    void SetClip(const TGPGraphicsPath& path, TGPCombineMode mode = TGPCombineMode::Replace);
    void SetClip(const TGPRectF& rect, TGPCombineMode mode = TGPCombineMode::Replace);
    void SetClip(const TGPRegion& region, TGPCombineMode mode = TGPCombineMode::Replace);
    void ResetClip();
    const TGPRegion& Clip() const { return FClip; }

    // Clipped to the layout rectangle unless the format says NoClip.
    void DrawString(const String& text, const TGPFont& font, const TGPRectF& layout, const TGPStringFormat& format, const TGPBrush& brush);
    // The box the text takes, with the padding of a sixth of the em size on
    // either side that the platform adds.
    TGPRectF MeasureString(const String& text, const TGPFont& font, const TGPRectF& layout, const TGPStringFormat& format) const;

private:
    void ApplyRenderHints();
    void ApplyClip();

    TBitmap& FBitmap;
    std::unique_ptr<QImage> FImage;
    std::unique_ptr<QPainter> FPainter;
    TGPSmoothingMode FSmoothingMode = TGPSmoothingMode::None;
    TGPPixelOffsetMode FPixelOffsetMode = TGPPixelOffsetMode::Default;
    TGPTextRenderingHint FTextRenderingHint = TGPTextRenderingHint::SystemDefault;
    TGPRegion FClip;
};
