#include "grid/DudDropDown_Draw.h"

#include "platform/graphics/Color.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds halves to even, as the colour and band arithmetic expects.
int32_t Nearest(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

int32_t Channel(TColor color, int32_t shift) { return static_cast<int32_t>((color >> shift) & 0xFF); }

} // namespace

void DrawBandGradient(TCanvas& canvas, TColor fromColor, TColor toColor, int32_t steps, TRect rect, bool horizontal)
{
    steps = std::max(steps, 1);
    const TColor from = ColorToRGB(fromColor);
    const TColor to = ColorToRGB(toColor);
    double delta[3];
    for (int32_t channel = 0; channel < 3; ++channel)
        delta[channel] = static_cast<double>(Channel(to, channel * 8) - Channel(from, channel * 8)) / steps;
    if (horizontal)
        --rect.Right;
    else
        --rect.Bottom;
    const double band = static_cast<double>(horizontal ? rect.Right - rect.Left : rect.Bottom - rect.Top) / steps;
    for (int32_t step = 0; step < steps; ++step) {
        TColor color = 0;
        for (int32_t channel = 0; channel < 3; ++channel)
            color |= static_cast<TColor>((Channel(from, channel * 8) + Nearest(step * delta[channel])) & 0xFF)
                << (channel * 8);
        canvas.Pen().SetColor(color);
        canvas.Brush().SetColor(color);
        const auto offset = static_cast<uint16_t>(Nearest(step * band));
        const int32_t length = Nearest(band) + 1;
        if (horizontal)
            canvas.Rectangle(rect.Left + offset, rect.Top, rect.Left + offset + length, rect.Bottom);
        else
            canvas.Rectangle(rect.Left, rect.Top + offset, rect.Right, rect.Top + offset + length);
    }
}
