#include "platform/graphics/QtGraphics.h"

#include <QFontMetrics>
#include <QImage>

QFont ToQFont(const TFont& font)
{
    QFont result(font.Name());
    const TFontStyles style = font.Style();
    result.setBold(style.Contains(fsBold));
    result.setItalic(style.Contains(fsItalic));
    result.setUnderline(style.Contains(fsUnderline));
    result.setStrikeOut(style.Contains(fsStrikeOut));
    result.setHintingPreference(QFont::PreferFullHinting);
    const int32_t height = font.Height();
    if (height < 0) {
        result.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height is the whole cell: scale the em size so that
        // ascent plus descent comes out at that height.
        result.setPixelSize(height);
        const int32_t cell = QFontMetrics(result).height();
        if (cell > 0)
            result.setPixelSize(std::max(1, height * height / cell));
    }
    return result;
}

void AssignFromQFont(TFont& font, const QFont& source)
{
    font.SetName(source.family());
    if (source.pixelSize() > 0)
        font.SetHeight(-source.pixelSize());
    else
        font.SetSize(static_cast<int32_t>(source.pointSizeF() + 0.5));
    TFontStyles style;
    if (source.bold())
        style << fsBold;
    if (source.italic())
        style << fsItalic;
    if (source.underline())
        style << fsUnderline;
    if (source.strikeOut())
        style << fsStrikeOut;
    font.SetStyle(style);
}

QImage WithColorKey(const QImage& image, TColor key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = ToQColor(key).rgb() & 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == keyRgb)
                line[x] = 0;
    }
    return result;
}
