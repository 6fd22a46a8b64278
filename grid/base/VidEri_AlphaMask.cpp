#include "grid/base/VidEri_AlphaMask.h"

#include "platform/core/Exception.h"
#include "platform/core/Math.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr int32_t KernelCentre = 10;
constexpr int32_t KernelSize = 2 * KernelCentre + 1;
// Rows and columns further than this from the edges copy the ones at Sample.
constexpr int32_t EdgeBand = 20;
constexpr int32_t Sample = 15;
constexpr int32_t PixelBytes = 4;

struct TBlurKernel {
    std::array<float, KernelSize> Weights {};
    int32_t HalfWidth = KernelCentre;
};

// Weights of a Gaussian of the radius; the outer pairs are dropped while
// what they carry stays below half a level (1/510), then the rest is
// normalised again.
TBlurKernel MakeKernel(double radius)
{
    TBlurKernel kernel;
    double sum = 0;
    for (int32_t index = 0; index < KernelSize; ++index) {
        const double distance = (index - KernelCentre) / radius;
        kernel.Weights[static_cast<size_t>(index)] = static_cast<float>(std::exp(-distance * distance / 2));
        sum += kernel.Weights[static_cast<size_t>(index)];
    }
    for (float& weight : kernel.Weights)
        weight = static_cast<float>(weight / sum);
    double dropped = 0;
    while (dropped < 1.0 / 510 && kernel.HalfWidth > 1) {
        dropped += 2 * kernel.Weights[static_cast<size_t>(KernelCentre + kernel.HalfWidth)];
        --kernel.HalfWidth;
    }
    sum = 0;
    for (int32_t index = KernelCentre - kernel.HalfWidth; index <= KernelCentre + kernel.HalfWidth; ++index)
        sum += kernel.Weights[static_cast<size_t>(index)];
    for (int32_t index = KernelCentre - kernel.HalfWidth; index <= KernelCentre + kernel.HalfWidth; ++index)
        kernel.Weights[static_cast<size_t>(index)] = static_cast<float>(kernel.Weights[static_cast<size_t>(index)] / sum);
    return kernel;
}

uint8_t ClampLevel(double value)
{
    if (value <= 0)
        return 0;
    if (value >= 255)
        return 255;
    return static_cast<uint8_t>(std::min<int64_t>(255, Round(value)));
}

// Blurs a line of pixels (blue, green and red of each; the fourth byte is
// kept) through a separate buffer; the edge pixels stand for what lies
// beyond the line.
void BlurLine(const TBlurKernel& kernel, uint8_t* line, int32_t count)
{
    std::vector<uint8_t> blurred(line, line + static_cast<ptrdiff_t>(count) * PixelBytes);
    for (int32_t pixel = 0; pixel < count; ++pixel)
        for (int32_t channel = 0; channel < 3; ++channel) {
            double sum = 0;
            for (int32_t offset = -kernel.HalfWidth; offset <= kernel.HalfWidth; ++offset) {
                const int32_t source = std::clamp(pixel - offset, 0, count - 1);
                sum += static_cast<double>(kernel.Weights[static_cast<size_t>(KernelCentre + offset)])
                    * line[source * PixelBytes + channel];
            }
            blurred[static_cast<size_t>(pixel * PixelBytes + channel)] = ClampLevel(sum);
        }
    std::memcpy(line, blurred.data(), blurred.size());
}

bool Interior(int32_t index, int32_t extent) { return index > EdgeBand && index < extent - EdgeBand; }

} // namespace

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(const TGridAlphaMask& source)
{
    if (&source == this)
        return;
    FOpacity = source.FOpacity;
    SetPixelFormat(pf32bit);
    SetSize(source.Width(), source.Height());
    for (int32_t row = 0; row < source.Height(); ++row)
        std::memcpy(ScanLine(row), source.ScanLine(row), static_cast<size_t>(source.Width()) * PixelBytes);
}

void TGridAlphaMask::Assign(const TBitmap& source)
{
    if (const auto* mask = dynamic_cast<const TGridAlphaMask*>(&source)) {
        Assign(*mask);
        return;
    }
    TBitmap::Assign(source);
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap& mask, const TBitmap& bitmap, TColor)
{
    // A smaller mask would be read beyond its rows.
    if (bitmap.PixelFormat() != pf24bit || mask.PixelFormat() != pf24bit || mask.Width() < bitmap.Width()
        || mask.Height() < bitmap.Height())
        return;
    SetPixelFormat(pf32bit);
    SetSize(bitmap.Width(), bitmap.Height());
    for (int32_t row = 0; row < bitmap.Height(); ++row) {
        const uint8_t* alphaRow = mask.ScanLine(row);
        const uint8_t* colourRow = bitmap.ScanLine(row);
        uint8_t* target = ScanLine(row);
        for (int32_t column = 0; column < bitmap.Width(); ++column) {
            const int32_t offset = column * PixelBytes;
            const int32_t alpha = alphaRow[offset + 2];
            for (int32_t channel = 0; channel < 3; ++channel)
                target[offset + channel] = static_cast<uint8_t>((colourRow[offset + channel] * alpha + 127) / 255);
            target[offset + 3] = static_cast<uint8_t>(alpha);
        }
    }
}

void MakeRoundRectMask(TBitmap& bitmap, int32_t width, int32_t height, int32_t blurRadius, int32_t corner,
    int32_t penWidth)
{
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect(Rect(0, 0, width, height));
    const int32_t inset = penWidth / 2 + 2;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(clWhite);
    if (penWidth < 1) {
        canvas.Pen().SetWidth(1);
        canvas.Brush().SetColor(clWhite);
    } else {
        canvas.Pen().SetWidth(penWidth);
        canvas.Brush().SetStyle(bsClear);
    }
    canvas.RoundRect(inset, inset, width - inset, height - inset, corner, corner);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetWidth(1);
    if (blurRadius > 0)
        BlurBitmap(bitmap, blurRadius);
}

void BlurBitmap(TBitmap& bitmap, double radius)
{
    if (bitmap.PixelFormat() != pf24bit)
        throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
    const int32_t width = bitmap.Width();
    const int32_t height = bitmap.Height();
    if (width <= 0 || height <= 0)
        return;
    const TBlurKernel kernel = MakeKernel(radius);
    const auto rowBytes = static_cast<size_t>(width) * PixelBytes;
    for (int32_t row = 0; row < height; ++row) {
        if (Interior(row, height))
            std::memcpy(bitmap.ScanLine(row), std::as_const(bitmap).ScanLine(Sample), rowBytes);
        else
            BlurLine(kernel, bitmap.ScanLine(row), width);
    }
    std::vector<uint8_t> column(static_cast<size_t>(height) * PixelBytes);
    for (int32_t x = 0; x < width; ++x) {
        const size_t at = static_cast<size_t>(x) * PixelBytes;
        if (Interior(x, width)) {
            for (int32_t row = 0; row < height; ++row) {
                uint8_t* line = bitmap.ScanLine(row);
                std::memcpy(line + at, line + static_cast<size_t>(Sample) * PixelBytes, 3);
            }
            continue;
        }
        for (int32_t row = 0; row < height; ++row)
            std::memcpy(&column[static_cast<size_t>(row) * PixelBytes], std::as_const(bitmap).ScanLine(row) + at, PixelBytes);
        BlurLine(kernel, column.data(), height);
        for (int32_t row = 0; row < height; ++row)
            std::memcpy(bitmap.ScanLine(row) + at, &column[static_cast<size_t>(row) * PixelBytes], 3);
    }
}
