#include "platform/ui/RichText.h"

#include <algorithm>

namespace {

size_t ParagraphCount(const String& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), QChar(u'\n'))) + 1;
}

} // namespace

TRichText TRichText::Plain(const String& text, const TRichTextFormat& format)
{
    TRichText rich;
    rich.Text = text;
    rich.Formats.assign(static_cast<size_t>(text.size()), format);
    rich.Alignments.assign(ParagraphCount(text), taLeftJustify);
    return rich;
}

void TRichText::Normalize(const TRichTextFormat& format)
{
    const TRichTextFormat filler = Formats.empty() ? format : Formats.back();
    Formats.resize(static_cast<size_t>(Text.size()), filler);
    const TAlignment alignment = Alignments.empty() ? taLeftJustify : Alignments.back();
    Alignments.resize(ParagraphCount(Text), alignment);
}
