#pragma once

// Conversions between the layer's graphics values and Qt's; included only by
// the layer's own .cpp files.

#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Types.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRgb>

// clNone keeps its low 24 bits and so becomes white, as on the platform.
inline QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

inline TColor FromQRgb(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

inline QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }
inline TRect FromQRect(const QRect& rect) { return Bounds(rect.x(), rect.y(), rect.width(), rect.height()); }

class QImage;

// A 32-bit copy of image in which every pixel of the key colour is transparent.
QImage WithColorKey(const QImage& image, TColor key);

QFont ToQFont(const TFont& font);
void AssignFromQFont(TFont& font, const QFont& source);
