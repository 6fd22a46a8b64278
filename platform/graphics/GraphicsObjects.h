#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/SetOf.h"

#include <functional>

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSetOf<TFontStyle>;
using enum TFontStyle;

// Screen resolution the font sizes are converted with; fixed so layouts match
// the design on every desktop.
constexpr int32_t ScreenPixelsPerInch = 96;

// A font as the platform describes one. Height < 0 is the character height in
// pixels, Height > 0 the cell height (with internal leading); Size is points
// at the font's PixelsPerInch (the screen's, or the device's a canvas draws on).
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) { Assign(other); }
    TFont& operator=(const TFont& other)
    {
        Assign(other);
        return *this;
    }

    void Assign(const TFont& source);
    bool operator==(const TFont& other) const;

    const String& Name() const { return FName; }
    void SetName(const String& name);
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t height);
    int32_t Size() const;
    void SetSize(int32_t points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    // Tenths of a degree, counter-clockwise.
    int32_t Orientation() const { return FOrientation; }
    void SetOrientation(int32_t orientation);
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    // Keeps Height: the same pixels make a different point size.
    void SetPixelsPerInch(int32_t pixelsPerInch);

    std::function<void(TFont* sender)> OnChange;

private:
    void Changed();

    String FName = QStringLiteral("Tahoma");
    int32_t FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    int32_t FOrientation = 0;
    int32_t FPixelsPerInch = ScreenPixelsPerInch;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmXor };
using enum TPenMode;

class TPen {
public:
    void Assign(const TPen& source);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t width);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode mode);

    std::function<void(TPen* sender)> OnChange;

private:
    void Changed();

    TColor FColor = clBlack;
    int32_t FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

class TBrush {
public:
    void Assign(const TBrush& source);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    std::function<void(TBrush* sender)> OnChange;

private:
    void Changed();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
