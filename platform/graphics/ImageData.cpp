#include "platform/graphics/ImageData.h"

#include "platform/graphics/Bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

bool DecodeImageData(std::span<const uint8_t> bytes, TBitmap& bitmap, const TRect& part)
{
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
        static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    if (part.Right > part.Left && part.Bottom > part.Top) {
        const QRect kept = QRect(part.Left, part.Top, part.Right - part.Left, part.Bottom - part.Top) & image.rect();
        if (kept.isEmpty())
            return false;
        image = image.copy(kept);
    }
    bitmap.SetImage(image);
    return true;
}

std::vector<uint8_t> EncodeImageData(const TBitmap& bitmap)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    bitmap.Image().save(&buffer, "PNG");
    return std::vector<uint8_t>(data.begin(), data.end());
}
