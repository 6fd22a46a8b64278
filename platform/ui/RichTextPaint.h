#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/ui/RichText.h"

// Draws formatted text into a rectangle of a canvas, clipped to it: each
// paragraph on a line of its own in its alignment, the characters of a line
// on one baseline, raised and lowered ones off it, over the background that
// is already there. Returns the size of what was drawn: paragraphs below the
// rectangle are neither laid out nor counted. The canvas keeps its font,
// brush and clipping.
TSize DrawRichText(TCanvas& canvas, const TRect& rect, const TRichText& text);
