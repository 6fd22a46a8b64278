#pragma once

#include "platform/graphics/Bitmap.h"

#include <vector>

// Equal-sized pictures drawn by index.
class TImageList {
public:
    TImageList();
    TImageList(int32_t width, int32_t height);
    ~TImageList();

    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    // Changing the size empties the list, as on the platform.
    void SetSize(int32_t width, int32_t height);
    int32_t Count() const;

    // A strip wider than Width adds one picture per cell; returns the index
    // of the first one added, -1 when none fits.
    int32_t Add(const TBitmap& image);
    // As Add, with every pixel of maskColor transparent.
    int32_t AddMasked(const TBitmap& image, TColor maskColor);
    void Delete(int32_t index);
    void Clear();

    void Draw(TCanvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled = true) const;
    void GetBitmap(int32_t index, TBitmap& image) const;

private:
    int32_t AddImage(const QImage& strip);

    int32_t FWidth = 16;
    int32_t FHeight = 16;
    std::vector<QImage> FImages;
};
