#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/ui/RichText.h"

#include <vector>

// Formatted text measured for drawing: each paragraph on a line of its own,
// cut into pieces of one format and at most a few hundred characters, so a
// long line is drawn only where it is seen. A layout holds the paragraphs
// from the first down to the height it was asked for; it stays valid while
// the text and the canvas's resolution stay the same.
struct TRichTextLayout {
    struct TPiece {
        String Text;
        TRichTextFormat Format;
        int32_t Width = 0;
        int32_t Height = 0;
    };
    struct TLine {
        std::vector<TPiece> Pieces;
        TAlignment Alignment = taLeftJustify;
        int32_t Width = 0;
        int32_t Height = 0;
    };
    std::vector<TLine> Lines;
    // The resolution measured with, and the height the lines cover (capped
    // at the height asked for plus one line); Complete once every paragraph
    // is laid out.
    int32_t PixelsPerInch = 0;
    int32_t Height = 0;
    bool Complete = false;
};

// Lays out the paragraphs of text from the first until they fill height.
TRichTextLayout LayoutRichText(TCanvas& canvas, const TRichText& text, int32_t height);

// Draws a layout into a rectangle of a canvas, clipped to it, each line in
// its alignment, the characters of a line on one baseline, raised and
// lowered ones off it, over the background that is already there. Returns
// the size of what was drawn. The canvas keeps its font, brush and clipping.
TSize DrawRichTextLayout(TCanvas& canvas, const TRect& rect, const TRichTextLayout& layout);

// Lays out and draws in one go; paragraphs below the rectangle are neither
// laid out nor counted.
TSize DrawRichText(TCanvas& canvas, const TRect& rect, const TRichText& text);
