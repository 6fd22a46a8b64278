#pragma once

#include "platform/graphics/Canvas.h"

#include <memory>

class QImage;

// Anything a canvas can Draw or StretchDraw.
class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    virtual bool Transparent() const { return false; }

    // Paints the graphic into dest on canvas (called by TCanvas::Draw).
    virtual void DrawOn(TCanvas& canvas, const TRect& dest) const = 0;
    virtual void LoadFromFile(const String& fileName) = 0;
    virtual void SaveToFile(const String& fileName) const = 0;
};

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
using enum TPixelFormat;
enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;

class TBitmap;

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap);
    ~TBitmapCanvas() override;

    const QImage* SourceImage() override;
    // Ends painting so the image can be read or replaced.
    void Release();

protected:
    QPainter* RequirePainter() override;

private:
    TBitmap& FBitmap;
    std::unique_ptr<QPainter> FOwnPainter;
};

// A picture in memory with a canvas. New pixels are white. With automatic
// transparency the transparent colour is the colour of the bottom-left pixel.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int32_t width, int32_t height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap() override;

    void Assign(const TBitmap& source);

    int32_t Width() const override;
    int32_t Height() const override;
    void SetWidth(int32_t width) { SetSize(width, Height()); }
    void SetHeight(int32_t height) { SetSize(Width(), height); }
    void SetSize(int32_t width, int32_t height);

    TCanvas& Canvas() { return *FCanvas; }
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat format);

    bool Transparent() const override { return FTransparent; }
    void SetTransparent(bool transparent) { FTransparent = transparent; }
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }
    TColor TransparentColor() const;
    // Choosing a colour fixes the transparent colour (mode tmFixed).
    void SetTransparentColor(TColor color);

    void DrawOn(TCanvas& canvas, const TRect& dest) const override;
    // BMP and PNG, by content on loading and by extension (".png") on saving.
    void LoadFromFile(const String& fileName) override;
    void SaveToFile(const String& fileName) const override;

    // The bytes of one row of pixels, after any pending drawing has been
    // finished: 4 bytes a pixel, blue, green, red, alpha (255 in a bitmap
    // without alpha), whatever the pixel format. Writing through it changes
    // the bitmap; keep the alpha byte of a bitmap without alpha at 255.
    uint8_t* ScanLine(int32_t row);
    const uint8_t* ScanLine(int32_t row) const;

    // The pixels, after any pending drawing has been finished.
    const QImage& Image() const;
    void SetImage(const QImage& image);

private:
    friend class TBitmapCanvas;
    QImage& EditImage() { return *FImage; }

    std::unique_ptr<QImage> FImage;
    std::unique_ptr<TBitmapCanvas> FCanvas;
    TPixelFormat FPixelFormat = pfDevice;
    bool FTransparent = false;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
};

class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;

    int32_t Width() const override;
    int32_t Height() const override;
    bool Transparent() const override { return true; }
    void DrawOn(TCanvas& canvas, const TRect& dest) const override;
    void LoadFromFile(const String& fileName) override;
    void SaveToFile(const String& fileName) const override;
    void SetImage(const QImage& image);
    const QImage& Image() const { return *FImage; }

private:
    std::unique_ptr<QImage> FImage;
};

// Holds one graphic of any kind; Bitmap() turns it into a bitmap on demand.
class TPicture {
public:
    TPicture();
    ~TPicture();

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(const TGraphic* graphic);
    TBitmap& Bitmap();
    void Assign(const TPicture& source) { SetGraphic(source.Graphic()); }

    int32_t Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int32_t Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // ".ico" loads an icon, anything else a bitmap (BMP, PNG, JPEG).
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName) const;

private:
    std::unique_ptr<TGraphic> FGraphic;
};
