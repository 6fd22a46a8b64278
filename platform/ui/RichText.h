#pragma once

#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Controls.h"

#include <vector>

// The look of one character of formatted text.
struct TRichTextFormat {
    String Name;
    // Points.
    int32_t Size = 10;
    // clWindowText is the automatic colour, which follows the control's.
    TColor Color = clWindowText;
    TFontStyles Style;
    // Twips above (positive) or below (negative) the baseline: superscript
    // and subscript.
    int32_t Offset = 0;

    bool operator==(const TRichTextFormat&) const = default;
};

// Formatted text: paragraphs separated by CR LF, one format per UTF-16 unit
// of the text (the breaks included) and one alignment per paragraph.
struct TRichText {
    String Text;
    std::vector<TRichTextFormat> Formats;
    std::vector<TAlignment> Alignments;

    // The text in one format, each paragraph left-aligned.
    static TRichText Plain(const String& text, const TRichTextFormat& format);
    // Brings the formats and alignments to the text's size; missing entries
    // repeat the last one (format when there is none, left alignment).
    void Normalize(const TRichTextFormat& format);
};
