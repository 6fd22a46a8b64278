#pragma once

#include "platform/core/Exception.h"

#include <cstdint>

class TCanvas;

// Line heights and run widths in the fonts the markup renderer met last, so
// that a cell painted or measured again shapes none of its runs anew. Only
// canvases without a coordinate mapping are served from the memo.

// The height of a line in the canvas font.
int32_t MarkupLineHeight(TCanvas& canvas);

// The width a single-line measure of run (its "&" prefixes taken out) gives
// in the canvas font; -1 for a run holding tab or line-break characters, or
// on a mapped canvas, which the caller measures itself.
int32_t MarkupRunWidth(TCanvas& canvas, const String& run);
