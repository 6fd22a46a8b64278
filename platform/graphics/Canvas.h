#pragma once

#include "platform/graphics/CanvasMapping.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Region.h"
#include "platform/graphics/Types.h"

#include <memory>
#include <optional>
#include <span>

class QPainter;
class QImage;
class QRect;
class QFont;
class TGraphic;

// DrawText flags, with the platform's values.
constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
constexpr uint32_t DT_EDITCONTROL = 0x2000;
constexpr uint32_t DT_END_ELLIPSIS = 0x8000;
constexpr uint32_t DT_HIDEPREFIX = 0x100000;

// DrawEdge edges and sides.
constexpr uint32_t BDR_RAISEDOUTER = 0x1;
constexpr uint32_t BDR_SUNKENOUTER = 0x2;
constexpr uint32_t BDR_RAISEDINNER = 0x4;
constexpr uint32_t BDR_SUNKENINNER = 0x8;
constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr uint32_t BF_LEFT = 0x1;
constexpr uint32_t BF_TOP = 0x2;
constexpr uint32_t BF_RIGHT = 0x4;
constexpr uint32_t BF_BOTTOM = 0x8;
constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr uint32_t BF_MIDDLE = 0x800;
constexpr uint32_t BF_ADJUST = 0x2000;
constexpr uint32_t BF_FLAT = 0x4000;
constexpr uint32_t BF_MONO = 0x8000;

// GetDeviceCaps indexes, with the platform's values.
constexpr int32_t HORZSIZE = 4;
constexpr int32_t VERTSIZE = 6;
constexpr int32_t HORZRES = 8;
constexpr int32_t VERTRES = 10;
constexpr int32_t BITSPIXEL = 12;
constexpr int32_t LOGPIXELSX = 88;
constexpr int32_t LOGPIXELSY = 90;
constexpr int32_t PHYSICALWIDTH = 110;
constexpr int32_t PHYSICALHEIGHT = 111;
constexpr int32_t PHYSICALOFFSETX = 112;
constexpr int32_t PHYSICALOFFSETY = 113;

enum class TDeviceKind { dkScreen, dkBitmap, dkPrinter };
using enum TDeviceKind;

// What a canvas draws on. A screen answers with the primary screen's size and
// a bitmap with its image's; a printer brings its printable area, its paper
// and the paper's unprintable margin (all in device pixels).
struct TCanvasDevice {
    TDeviceKind Kind = dkScreen;
    int32_t PixelsPerInchX = ScreenPixelsPerInch;
    int32_t PixelsPerInchY = ScreenPixelsPerInch;
    TSize PrintableSize;
    TSize PhysicalSize;
    TPoint PhysicalOffset;
};

// The clip of a canvas as saved by SaveClip: none, or a region.
struct TCanvasClip {
    std::optional<TRegion> Region;
};

// Drawing with the rules of the platform's device contexts on a QPainter:
// no antialiasing, the right and bottom edges of every rectangle exclusive,
// a line's last pixel not drawn. A canvas draws while it has a painter (in
// a paint event, or always for a bitmap); without one it still measures text,
// and drawing on a screen canvas then is an error in debug builds.
//
// Coordinates, pen widths, font heights and text extents are logical units
// of the mapping mode; the pixel rules hold in device pixels.
class TCanvas {
public:
    TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas();

    TFont& Font() { return FFont; }
    void SetFont(const TFont& font) { FFont.Assign(font); }
    TPen& Pen() { return FPen; }
    void SetPen(const TPen& pen) { FPen.Assign(pen); }
    TBrush& Brush() { return FBrush; }
    void SetBrush(const TBrush& brush) { FBrush.Assign(brush); }

    const TCanvasDevice& Device() const { return FDevice; }
    // Fonts keep their point size and are made at the device's resolution.
    void SetDevice(const TCanvasDevice& device);
    int32_t GetDeviceCaps(int32_t index);

    int32_t MapMode() const { return FMapping.Mode(); }
    // Returns the previous mode, or 0 when mode is not one.
    int32_t SetMapMode(int32_t mode);
    const TCanvasMapping& Mapping() const { return FMapping; }
    bool SetWindowOrgEx(int32_t x, int32_t y, TPoint* previous = nullptr);
    bool SetViewportOrgEx(int32_t x, int32_t y, TPoint* previous = nullptr);
    bool SetWindowExtEx(int32_t x, int32_t y, TSize* previous = nullptr);
    bool SetViewportExtEx(int32_t x, int32_t y, TSize* previous = nullptr);
    void LPtoDP(std::span<TPoint> points) const;
    void DPtoLP(std::span<TPoint> points) const;

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint position) { FPenPos = position; }
    void MoveTo(int32_t x, int32_t y) { FPenPos = { x, y }; }
    void LineTo(int32_t x, int32_t y);
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth, int32_t ellipseHeight);
    void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void DrawFocusRect(const TRect& rect);

    virtual TColor Pixels(int32_t x, int32_t y);
    void SetPixels(int32_t x, int32_t y, TColor color);

    void TextOut(int32_t x, int32_t y, const String& text);
    void TextRect(const TRect& rect, int32_t x, int32_t y, const String& text);
    int32_t TextWidth(const String& text);
    int32_t TextHeight(const String& text);
    TSize TextExtent(const String& text);
    // Returns the height of the text; with DT_CALCRECT only measures and
    // widens or narrows rect to the text.
    int32_t DrawText(const String& text, TRect& rect, uint32_t flags);

    void Draw(int32_t x, int32_t y, const TGraphic& graphic);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    void SetClipRect(const TRect& rect);
    void IntersectClipRect(const TRect& rect);
    void ExcludeClipRect(const TRect& rect);
    // The region is in device pixels, the rectangles above are logical.
    void SetClipRegion(const TRegion& region);
    void ClearClip();
    TCanvasClip SaveClip() const { return { FClip }; }
    void RestoreClip(const TCanvasClip& clip);

    // The painter this canvas draws with, in device pixels, or null when it
    // cannot draw now. Its state is left as the caller sets it.
    QPainter* Painter();
    void BeginPaint(QPainter* painter);
    void EndPaint();
    // An image to read pixels from (a bitmap's), or null.
    virtual const QImage* SourceImage() { return nullptr; }
    // dest is logical, source in the image's pixels.
    void DrawImage(const TRect& dest, const QImage& image, const QRect& source);

protected:
    virtual QPainter* RequirePainter() { return FPainter; }
    void ApplyClip();

private:
    template <typename Operation>
    void Paint(Operation&& operation);
    void DrawingWithoutPainter() const;
    void UseComposition(QPainter& painter, int mode);
    void DrawPenPixels(std::span<const TPoint> points, bool lastPixel);
    void ApplyPen(QPainter& painter);
    void ApplyBrush(QPainter& painter);
    void ApplyFont(QPainter& painter);
    void FillTextBackground(QPainter& painter, const TRect& deviceRect);
    void DrawTextAt(QPainter& painter, const TRect& deviceClip, TPoint devicePoint, const String& text);
    TRect ToDevice(const TRect& rect) const { return FMapping.ToDevice(rect); }
    TPoint ToDevice(TPoint point) const { return FMapping.ToDevice(point); }
    void FontMappingChanged();

    // The font as drawn: its height in device pixels.
    const QFont& CurrentFont();

    TCanvasDevice FDevice;
    TCanvasMapping FMapping;
    TFont FFont;
    std::unique_ptr<QFont> FQFont;
    TPen FPen;
    TBrush FBrush;
    TPoint FPenPos;
    std::optional<TRegion> FClip;
    QPainter* FPainter = nullptr;
    // What this canvas last set on its painter, so that a primitive changes
    // only what differs from the one before instead of saving and restoring
    // the painter every time.
    int FComposition = -1;
    bool FFontApplied = false;
};

// The platform's 3-D frame: width rings, top and left in topColor, bottom and
// right in bottomColor; rect shrinks by width on every side.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int32_t width);
// Classic 3-D edges (BDR_* / EDGE_*, sides BF_*); BF_ADJUST shrinks rect.
void DrawEdge(TCanvas& canvas, TRect& rect, uint32_t edge, uint32_t flags);
