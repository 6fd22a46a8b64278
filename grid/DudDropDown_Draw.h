#pragma once

#include "platform/graphics/Canvas.h"

// Fills rect with steps bands running from fromColor to toColor, top to
// bottom (left to right when horizontal). Neighbouring bands share their
// outline, so no gap shows between them.
void DrawBandGradient(TCanvas& canvas, TColor fromColor, TColor toColor, int32_t steps, TRect rect, bool horizontal);
