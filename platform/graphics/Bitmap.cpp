#include "platform/graphics/Bitmap.h"

#include "platform/core/Exception.h"
#include "platform/graphics/QtGraphics.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

#include <bit>

namespace {

QImage::Format FormatFor(TPixelFormat format)
{
    return format == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

QImage ReadImage(const String& fileName)
{
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        throw Exception(QStringLiteral("Cannot load the picture \"%1\": %2").arg(fileName, reader.errorString()));
    return image;
}

// Written to a temporary file beside the target and renamed over it, so a
// failed write leaves the old file as it was.
void WriteImage(const QImage& image, const String& fileName, const char* defaultFormat)
{
    const bool png = QFileInfo(fileName).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, png ? "PNG" : defaultFormat) || !file.commit())
        throw Exception(QStringLiteral("Cannot save the picture \"%1\"").arg(fileName));
}

} // namespace

TBitmapCanvas::TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) { SetDevice({ .Kind = dkBitmap }); }

TBitmapCanvas::~TBitmapCanvas() { Release(); }

QPainter* TBitmapCanvas::RequirePainter()
{
    if (!FOwnPainter) {
        QImage& image = FBitmap.EditImage();
        if (image.isNull())
            return nullptr;
        FOwnPainter = std::make_unique<QPainter>(&image);
        BeginPaint(FOwnPainter.get());
    }
    return FOwnPainter.get();
}

const QImage* TBitmapCanvas::SourceImage() { return &FBitmap.Image(); }

void TBitmapCanvas::Release()
{
    if (FOwnPainter) {
        const TCanvasClip clip = SaveClip();
        EndPaint();
        FOwnPainter->end();
        FOwnPainter.reset();
        RestoreClip(clip);
    }
}

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()), FCanvas(std::make_unique<TBitmapCanvas>(*this)) { }

TBitmap::TBitmap(int32_t width, int32_t height) : TBitmap() { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other) : TBitmap() { Assign(other); }

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    Assign(other);
    return *this;
}

TBitmap::~TBitmap() { FCanvas.reset(); }

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    FCanvas->Release();
    *FImage = source.Image().copy();
    FPixelFormat = source.FPixelFormat;
    FTransparent = source.FTransparent;
    FTransparentMode = source.FTransparentMode;
    FTransparentColor = source.FTransparentColor;
}

int32_t TBitmap::Width() const { return FImage->width(); }
int32_t TBitmap::Height() const { return FImage->height(); }

void TBitmap::SetSize(int32_t width, int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    FCanvas->Release();
    if (width == 0 || height == 0) {
        *FImage = QImage();
        return;
    }
    QImage resized(width, height, FormatFor(FPixelFormat));
    resized.fill(Qt::white);
    if (!FImage->isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, *FImage);
    }
    *FImage = resized;
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == FPixelFormat)
        return;
    FCanvas->Release();
    FPixelFormat = format;
    if (!FImage->isNull())
        *FImage = FImage->convertToFormat(FormatFor(format));
}

TColor TBitmap::TransparentColor() const
{
    if (Empty())
        return clDefault;
    if (FTransparentMode == tmAuto)
        return FromQRgb(Image().pixel(0, Height() - 1));
    return FTransparentColor;
}

void TBitmap::SetTransparentColor(TColor color)
{
    FTransparentColor = color;
    FTransparentMode = color == clDefault ? tmAuto : tmFixed;
}

const QImage& TBitmap::Image() const
{
    FCanvas->Release();
    return *FImage;
}

// Both image formats keep a pixel as one 32-bit value 0xAARRGGBB, which is
// blue, green, red, alpha in memory on a little-endian machine.
static_assert(std::endian::native == std::endian::little);

uint8_t* TBitmap::ScanLine(int32_t row)
{
    FCanvas->Release();
    if (row < 0 || row >= Height())
        throw ERangeError(QStringLiteral("Scan line index out of range"));
    return FImage->scanLine(row);
}

const uint8_t* TBitmap::ScanLine(int32_t row) const
{
    const QImage& image = Image();
    if (row < 0 || row >= image.height())
        throw ERangeError(QStringLiteral("Scan line index out of range"));
    return image.constScanLine(row);
}

void TBitmap::SetImage(const QImage& image)
{
    FCanvas->Release();
    *FImage = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    FPixelFormat = image.hasAlphaChannel() ? pf32bit : pf24bit;
}

void TBitmap::DrawOn(TCanvas& canvas, const TRect& dest) const
{
    const QImage& image = Image();
    if (FTransparent)
        canvas.DrawImage(dest, WithColorKey(image, TransparentColor()), image.rect());
    else
        canvas.DrawImage(dest, image, image.rect());
}

void TBitmap::LoadFromFile(const String& fileName) { SetImage(ReadImage(fileName)); }

void TBitmap::SaveToFile(const String& fileName) const { WriteImage(Image(), fileName, "BMP"); }

TIcon::TIcon() : FImage(std::make_unique<QImage>()) { }
TIcon::~TIcon() = default;

int32_t TIcon::Width() const { return FImage->width(); }
int32_t TIcon::Height() const { return FImage->height(); }

void TIcon::DrawOn(TCanvas& canvas, const TRect& dest) const { canvas.DrawImage(dest, *FImage, FImage->rect()); }

void TIcon::LoadFromFile(const String& fileName) { SetImage(ReadImage(fileName)); }

void TIcon::SaveToFile(const String& fileName) const { WriteImage(*FImage, fileName, "ICO"); }

void TIcon::SetImage(const QImage& image) { *FImage = image.convertToFormat(QImage::Format_ARGB32); }

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (graphic == FGraphic.get())
        return;
    if (!graphic) {
        FGraphic.reset();
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(graphic)) {
        FGraphic = std::make_unique<TBitmap>(*bitmap);
    } else if (const auto* icon = dynamic_cast<const TIcon*>(graphic)) {
        auto copy = std::make_unique<TIcon>();
        copy->SetImage(icon->Image());
        FGraphic = std::move(copy);
    }
}

TBitmap& TPicture::Bitmap()
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get()))
        return *bitmap;
    auto bitmap = std::make_unique<TBitmap>();
    if (auto* icon = dynamic_cast<TIcon*>(FGraphic.get()))
        bitmap->SetImage(icon->Image());
    FGraphic = std::move(bitmap);
    return static_cast<TBitmap&>(*FGraphic);
}

void TPicture::LoadFromFile(const String& fileName)
{
    std::unique_ptr<TGraphic> graphic;
    if (QFileInfo(fileName).suffix().compare(QStringLiteral("ico"), Qt::CaseInsensitive) == 0)
        graphic = std::make_unique<TIcon>();
    else
        graphic = std::make_unique<TBitmap>();
    graphic->LoadFromFile(fileName);
    FGraphic = std::move(graphic);
}

void TPicture::SaveToFile(const String& fileName) const
{
    if (FGraphic)
        FGraphic->SaveToFile(fileName);
}
