#include "platform/graphics/GraphicsObjects.h"

#include "platform/core/Math.h"

// A font taken from another resolution keeps its point size, so a screen font
// given to a printer's canvas prints as large as it looks.
void TFont::Assign(const TFont& source)
{
    if (&source == this)
        return;
    FName = source.FName;
    FHeight = source.FPixelsPerInch == FPixelsPerInch ? source.FHeight
                                                      : -MulDiv(source.Size(), FPixelsPerInch, 72);
    FStyle = source.FStyle;
    FColor = source.FColor;
    FOrientation = source.FOrientation;
    Changed();
}

bool TFont::operator==(const TFont& other) const
{
    return FName == other.FName && FHeight == other.FHeight && FStyle == other.FStyle && FColor == other.FColor
        && FOrientation == other.FOrientation;
}

void TFont::SetName(const String& name)
{
    if (name.isEmpty() || name == FName)
        return;
    FName = name;
    Changed();
}

void TFont::SetHeight(int32_t height)
{
    if (height == FHeight)
        return;
    FHeight = height;
    Changed();
}

int32_t TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int32_t points) { SetHeight(-MulDiv(points, FPixelsPerInch, 72)); }

void TFont::SetPixelsPerInch(int32_t pixelsPerInch)
{
    if (pixelsPerInch <= 0 || pixelsPerInch == FPixelsPerInch)
        return;
    FPixelsPerInch = pixelsPerInch;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TFont::SetOrientation(int32_t orientation)
{
    if (orientation == FOrientation)
        return;
    FOrientation = orientation;
    Changed();
}

void TFont::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPen::Assign(const TPen& source)
{
    if (&source == this)
        return;
    FColor = source.FColor;
    FWidth = source.FWidth;
    FStyle = source.FStyle;
    FMode = source.FMode;
    Changed();
}

void TPen::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TPen::SetWidth(int32_t width)
{
    if (width < 0 || width == FWidth)
        return;
    FWidth = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == FMode)
        return;
    FMode = mode;
    Changed();
}

void TPen::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TBrush::Assign(const TBrush& source)
{
    if (&source == this)
        return;
    FColor = source.FColor;
    FStyle = source.FStyle;
    Changed();
}

void TBrush::SetColor(TColor color)
{
    // As on the platform: clNone clears the brush, any other colour makes a
    // cleared brush solid again.
    const TBrushStyle style = color == clNone ? bsClear : bsSolid;
    if (color == FColor && style == FStyle)
        return;
    FColor = color;
    FStyle = style;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TBrush::Changed()
{
    if (OnChange)
        OnChange(this);
}
