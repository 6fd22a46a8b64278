#pragma once

#include "grid/base/DudStyleIF.h"
#include "platform/graphics/Canvas.h"

#include <cstdint>

class TBitmap;

// Stateless painting routines of the grid painters, colour arithmetic, the
// clipboard HTML wrapper and URL anchoring of cell texts.

// Button and cell states.
constexpr int32_t bstNormal = 0;
constexpr int32_t bstHot = 1;
constexpr int32_t bstDown = 2;
constexpr int32_t bstDisabled = 3;

// Button looks.
constexpr int32_t blVisualStyle = 0;
constexpr int32_t blClassic = 1;
constexpr int32_t blFlat = 2;
constexpr int32_t blCustom = 3;

enum TCellShape {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar
};

// ---- colours and integers -------------------------------------------------
inline int32_t IntMax(int32_t a, int32_t b) { return a > b ? a : b; }
inline int32_t IntMin(int32_t a, int32_t b) { return a < b ? a : b; }
// The bounds are inclusive cell indexes.
template <typename TCellRect>
bool CellInGridRect(const TCellRect& rect, int32_t col, int32_t row)
{
    return rect.Left <= col && col <= rect.Right && rect.Top <= row && row <= rect.Bottom;
}

TColor HalveColor(TColor color);
// Each component changed by percent of itself, kept within 0..255.
TColor AdjustColorPercent(TColor color, int32_t percent);
// From at lo, to at hi; from when to is clNone or the range is empty.
TColor InterpolateColor(TColor from, TColor to, int32_t lo, int32_t hi, int32_t pos);
// "RRGGBB" of the value as passed (system colours are not resolved).
String ColorToHtmlHex(TColor color);
void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color);

// ---- gradients ----------------------------------------------------------------
void DrawGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, TRect rect, int32_t steps);
void DrawGradientBackground(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor mirrorColor,
    TColor mirrorColorTo, bool vertical, TColor borderColor, bool sidesOnly, bool fill);
// Position: 0 a single cell, 1 the left end of a wider selection, 2 its right
// end, 3 a middle cell.
void DrawStyledSelection(TCanvas& canvas, TColor fillFrom, TColor fillTo, TColor mirrorFrom, TColor mirrorTo,
    TColor innerTop, TColor innerBottom, TColor outer, TColor corner, TColor background, const TRect& rect,
    int32_t position);

// ---- buttons ------------------------------------------------------------------
// The visual-style look (blVisualStyle) is drawn while a style is active
// (VisualStylesActive); otherwise the classic look stands in for it.
void DrawComboButton(TCanvas& canvas, const TRect& rect, const TColorTones& tones, int32_t state, int32_t look);
void DrawPushButton(TCanvas& canvas, const TRect& rect, const TColorTones& tones, int32_t state, int32_t look);
void DrawSpinButtons(TCanvas& canvas, const TRect& rect, const TColorTones& tones, int32_t state, int32_t look);
void DrawDownTriangle(TCanvas& canvas, int32_t x, int32_t y, TColor color);
// The program's bitmap resource of that name; nothing when there is none.
void DrawResourceBitmap(TCanvas& canvas, TColor background, const TRect& rect, const String& resName);
// Pixels of the colour of pixel (0, 0) become background.
void DrawTransparentBitmap(TCanvas& canvas, const TBitmap& bitmap, TColor background, const TRect& rect);

// ---- cell decorations -----------------------------------------------------------
// Where a single-line edit control would place each character of its text.
class TCharPositions {
public:
    virtual ~TCharPositions() = default;
    virtual int32_t CharCount() const = 0;
    // The top-left of character index, 0 <= index < CharCount().
    virtual TPoint PosFromChar(int32_t index) const = 0;
};

// Positions from the width of the text before each character in the canvas
// font, the first character at the rectangle's top-left.
class TCanvasCharPositions : public TCharPositions {
public:
    TCanvasCharPositions(TCanvas& canvas, const String& text, const TRect& rect)
        : FCanvas(canvas), FText(text), FRect(rect)
    {
    }
    int32_t CharCount() const override { return static_cast<int32_t>(FText.size()); }
    TPoint PosFromChar(int32_t index) const override;

private:
    TCanvas& FCanvas;
    String FText;
    TRect FRect;
};

// A red zigzag under characters start .. start + length - 1.
void DrawErrorUnderline(const TCharPositions& positions, TCanvas& canvas, int32_t length, int32_t start,
    int32_t offset);
void DrawRangeIndicator(TCanvas& canvas, const TRect& rect, int32_t value, TColor positiveColor,
    TColor negativeColor, bool showValue, int32_t range);
// The progress text: Format with value as its one argument, rounded when
// the first conversion is "d" or "u"; the format as written when it does not
// take that one value.
String FormatProgressValue(const String& format, double value);
void DrawProgressBar(TCanvas& canvas, TRect rect, TColor fillColor, bool printing, TColor borderColor,
    const String& format, int32_t max, int32_t min, int32_t marginY, int32_t marginX, double value,
    TColor textColor, TColor backColor, TColor fillTextColor);
void DrawProgressPie(TCanvas& canvas, const TRect& rect, TColor fillColor, bool printing, int32_t percent);

struct TLevelProgressSettings {
    TColor BackgroundColor = clWhite;
    TColor BorderColor = clGray;
    bool ShowBorder = true;
    bool Vertical = false;
    bool Stacked = false;
    bool Blocks = false;
    bool Gradient = false;
    int32_t GradientSteps = 16;
    int32_t Level1Perc = 70;
    int32_t Level2Perc = 90;
    TColor Level0Color = clLime;
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = clRed;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = clNone;
    bool ShowPercentage = false;
    TFont Font;
    TColor FontColor = clBlack;
};

void DrawLevelProgress(TCanvas& canvas, const TRect& rect, int32_t percent, const TLevelProgressSettings& settings);
void DrawCellShape(TCanvas& canvas, int32_t x, int32_t y, TColor penColor, TColor brushColor, TCellShape shape,
    int32_t width, int32_t height);

// ---- other ----------------------------------------------------------------------
// Wraps an HTML fragment in the clipboard's HTML format, offsets in characters.
void BuildClipboardHtml(String& html);
// Dest gets the text with "<" and ">" escaped and the address that starts
// with prefix (upper case) wrapped in an anchor; false, dest untouched, when
// the text holds no such address.
bool AddUrlAnchor(const String& text, const String& prefix, String& dest);

// The platform's layered-window calls, on the program's own windows.
class TBitmap;
class TForm;

struct TBlendFunction {
    uint8_t BlendOp = 0;
    uint8_t BlendFlags = 0;
    uint8_t SourceConstantAlpha = 255;
    uint8_t AlphaFormat = 0;
};
constexpr uint8_t AC_SRC_OVER = 0x00;
constexpr uint8_t AC_SRC_ALPHA = 0x01;
constexpr uint32_t ULW_COLORKEY = 0x01;
constexpr uint32_t ULW_ALPHA = 0x02;
constexpr uint32_t LWA_COLORKEY = 0x01;
constexpr uint32_t LWA_ALPHA = 0x02;

// Moves and sizes the layered window when destPoint and size are given and
// shows the part of source at sourcePoint (its own alpha with AC_SRC_ALPHA,
// opaque otherwise), scaled by the blend's constant alpha. Only ULW_ALPHA is
// known. True when the window system blends the window; false for no or an
// unlayered window, another flag, no picture, or where the window is drawn
// opaque.
bool DynUpdateLayeredWindow(TForm* window, const TPoint* destPoint, const TSize* size, const TBitmap* source,
    const TPoint* sourcePoint, TColor colorKey, const TBlendFunction* blend, uint32_t flags);
// LWA_ALPHA makes the whole layered window translucent by alpha; true when
// the window system blends it (or alpha is 255). A colour key is not known.
bool DynSetLayeredWindowAttributes(TForm* window, TColor colorKey, uint8_t alpha, uint32_t flags);
