#include "platform/graphics/Bitmap.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/ui/FormWindows.h"
#include "platform/ui/Forms.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstring>

// Layered windows: a picture with per-pixel alpha in place of the window's
// painting, blended where the window system composites.

void TForm::SetLayered(bool layered)
{
    if (layered == FLayered)
        return;
    FLayered = layered;
    // Only a window that is blended gets pixels with alpha: on an X display
    // without compositing, such a window's region would not cut it (the
    // clear pixels show black), while an opaque one keeps its shape.
    Widget()->setAttribute(Qt::WA_TranslucentBackground, layered && WindowSystemBlends());
    if (!layered)
        FLayeredPicture.reset();
    Invalidate();
}

bool TForm::UpdateLayeredWindow(const TBitmap& picture, uint8_t constantAlpha)
{
    if (!FLayered || picture.Empty())
        return false;
    auto scaled = std::make_unique<TBitmap>();
    scaled->SetPixelFormat(pf32bit);
    scaled->SetSize(picture.Width(), picture.Height());
    const auto rowBytes = static_cast<size_t>(picture.Width()) * 4;
    for (int32_t row = 0; row < picture.Height(); ++row) {
        uint8_t* target = scaled->ScanLine(row);
        std::memcpy(target, picture.ScanLine(row), rowBytes);
        if (constantAlpha == 255)
            continue;
        for (size_t byte = 0; byte < rowBytes; ++byte)
            target[byte] = static_cast<uint8_t>((target[byte] * constantAlpha + 127) / 255);
    }
    FLayeredPicture = std::move(scaled);
    Repaint();
    return WindowSystemBlends();
}

void TForm::PaintWindow(QPainter& painter)
{
    if (!FLayered) {
        TWinControl::PaintWindow(painter);
        return;
    }
    const QRect client(0, 0, ClientWidth(), ClientHeight());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(client, Qt::transparent);
    if (!FLayeredPicture)
        return;
    const QImage& stored = FLayeredPicture->Image();
    const QImage picture(stored.constBits(), stored.width(), stored.height(), stored.bytesPerLine(),
        QImage::Format_ARGB32_Premultiplied);
    if (WindowSystemBlends()) {
        painter.drawImage(0, 0, picture);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
    }
    // Opaque: each pixel in its own colour, the clear ones in the form's.
    QImage opaque(client.size(), QImage::Format_RGB32);
    opaque.fill(ToQColor(Color()));
    for (int32_t y = 0; y < std::min(opaque.height(), picture.height()); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(opaque.scanLine(y));
        for (int32_t x = 0; x < std::min(opaque.width(), picture.width()); ++x)
            if (qAlpha(source[x]) > 0)
                target[x] = qUnpremultiply(source[x]) | 0xFF000000u;
    }
    painter.drawImage(0, 0, opaque);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
