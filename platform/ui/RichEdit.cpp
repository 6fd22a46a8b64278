#include "platform/ui/RichEdit.h"

#include "platform/core/Streams.h"
#include "platform/ui/Rtf.h"

#include <algorithm>

namespace {

int32_t BreaksIn(const String& text, qsizetype from, qsizetype count)
{
    const auto begin = text.begin() + from;
    return static_cast<int32_t>(std::count(begin, begin + count, QChar(u'\n')));
}

} // namespace

// ---- the lines

int32_t TRichEditStrings::Count() const { return FEdit.MemoLines().Count(); }

String TRichEditStrings::Get(int32_t index) const { return FEdit.MemoLines().Strings(index); }

void TRichEditStrings::Put(int32_t index, const String& text) { FEdit.MemoLines().SetStrings(index, text); }

void TRichEditStrings::Insert(int32_t index, const String& text) { FEdit.MemoLines().Insert(index, text); }

void TRichEditStrings::Delete(int32_t index) { FEdit.MemoLines().Delete(index); }

void TRichEditStrings::Clear() { FEdit.MemoLines().Clear(); }

// The text as it is: a break at its end is an empty last paragraph.
void TRichEditStrings::SetText(const String& text) { FEdit.SetText(text); }

void TRichEditStrings::LoadFromStream(TStream& stream) { Load(stream, nullptr); }

void TRichEditStrings::LoadFromStream(TStream& stream, TTextEncoding encoding) { Load(stream, &encoding); }

void TRichEditStrings::Load(TStream& stream, const TTextEncoding* encoding)
{
    const int64_t start = stream.Position();
    std::string bytes(static_cast<size_t>(std::max<int64_t>(stream.Size() - start, 0)), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    if (!FEdit.PlainText() && IsRtf(bytes)) {
        FEdit.SetDocument(ReadRtf(bytes, FEdit.DefaultFormat()));
        return;
    }
    stream.SetPosition(start);
    if (encoding)
        TStrings::LoadFromStream(stream, *encoding);
    else
        TStrings::LoadFromStream(stream);
}

void TRichEditStrings::SaveToStream(TStream& stream, TTextEncoding encoding) const
{
    if (FEdit.PlainText()) {
        TStrings::SaveToStream(stream, encoding);
        return;
    }
    const std::string bytes = WriteRtf(FEdit.Document());
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

// ---- the edit

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner), FRichLines(*this) { }

TCustomRichEdit::~TCustomRichEdit() = default;

TRichTextFormat TCustomRichEdit::DefaultFormat() const
{
    TRichTextFormat format;
    format.Name = Font().Name();
    format.Size = Font().Size();
    format.Color = Font().Color();
    format.Style = Font().Style();
    return format;
}

TRichText TCustomRichEdit::Document() const
{
    TRichText document { FFormattedText, FFormats, FAlignments };
    document.Normalize(DefaultFormat());
    return document;
}

void TCustomRichEdit::SetDocument(const TRichText& document)
{
    TRichText normalized = document;
    normalized.Normalize(DefaultFormat());
    FFormattedText = normalized.Text;
    FFormats = std::move(normalized.Formats);
    FAlignments = std::move(normalized.Alignments);
    FLoading = true;
    try {
        SetText(FFormattedText);
    } catch (...) {
        FLoading = false;
        throw;
    }
    FLoading = false;
    // The edit may have put the text its own way (its line breaks).
    if (Text() != FFormattedText) {
        FollowUserChange(FFormattedText, Text());
        FFormattedText = Text();
    }
}

void TCustomRichEdit::CMTextChanged(TMessage& message)
{
    if (!FLoading) {
        const String current = Text();
        if (UserChanging()) {
            FollowUserChange(FFormattedText, current);
        } else {
            TRichText plain = TRichText::Plain(current, DefaultFormat());
            FFormats = std::move(plain.Formats);
            FAlignments = std::move(plain.Alignments);
        }
        FFormattedText = current;
    }
    TCustomMemo::CMTextChanged(message);
    const TRect needed = NeededRect();
    if (needed.Height() != FRequestedHeight) {
        FRequestedHeight = needed.Height();
        RequestedSize(needed);
    }
}

TRect TCustomRichEdit::NeededRect() const
{
    const TRect area = TextArea();
    const TEditCore& core = Core();
    return Rect(area.Left, area.Top, area.Right, area.Top + core.LineCount() * core.LineHeight());
}

void TCustomRichEdit::RequestSize()
{
    const TRect needed = NeededRect();
    FRequestedHeight = needed.Height();
    RequestedSize(needed);
}

// The characters before and after the changed stretch keep their formats;
// the new ones take the format of the character before them, and joined
// paragraphs the alignment of the first.
void TCustomRichEdit::FollowUserChange(const String& previous, const String& current)
{
    TRichText old { previous, std::move(FFormats), std::move(FAlignments) };
    old.Normalize(DefaultFormat());
    const qsizetype oldLength = previous.size();
    const qsizetype newLength = current.size();
    qsizetype prefix = 0;
    while (prefix < oldLength && prefix < newLength && previous[prefix] == current[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < oldLength - prefix && suffix < newLength - prefix
        && previous[oldLength - 1 - suffix] == current[newLength - 1 - suffix])
        ++suffix;
    const qsizetype removed = oldLength - prefix - suffix;
    const qsizetype inserted = newLength - prefix - suffix;

    const TRichTextFormat typed = prefix > 0 ? old.Formats[static_cast<size_t>(prefix - 1)]
        : oldLength > 0                      ? old.Formats.front()
                                             : DefaultFormat();
    FFormats = std::move(old.Formats);
    FFormats.erase(FFormats.begin() + prefix, FFormats.begin() + prefix + removed);
    FFormats.insert(FFormats.begin() + prefix, static_cast<size_t>(inserted), typed);

    FAlignments = std::move(old.Alignments);
    const int32_t paragraph = BreaksIn(current, 0, prefix);
    const auto first = FAlignments.begin() + paragraph + 1;
    FAlignments.erase(first, first + BreaksIn(previous, prefix, removed));
    FAlignments.insert(FAlignments.begin() + paragraph + 1, static_cast<size_t>(BreaksIn(current, prefix, inserted)),
        FAlignments[static_cast<size_t>(paragraph)]);
}

TRichTextFormat TCustomRichEdit::SelFormat() const
{
    const TRichText document = Document();
    if (document.Formats.empty())
        return DefaultFormat();
    const int32_t start = SelStart();
    const int32_t at = SelLength() > 0 || start == 0 ? start : start - 1;
    return document.Formats[static_cast<size_t>(std::clamp<int32_t>(at, 0, static_cast<int32_t>(document.Formats.size()) - 1))];
}

void TCustomRichEdit::FormatSelection(const std::function<void(TRichTextFormat&)>& change)
{
    TRichText document = Document();
    const auto start = static_cast<size_t>(SelStart());
    const size_t end = std::min(start + static_cast<size_t>(SelLength()), document.Formats.size());
    if (start >= end)
        return;
    for (size_t index = start; index < end; ++index)
        change(document.Formats[index]);
    FFormats = std::move(document.Formats);
    SetModified(true);
    Invalidate();
}

TAlignment TCustomRichEdit::ParagraphAlignment() const
{
    const TRichText document = Document();
    return document.Alignments[static_cast<size_t>(BreaksIn(document.Text, 0, SelStart()))];
}

void TCustomRichEdit::SetParagraphAlignment(TAlignment alignment)
{
    TRichText document = Document();
    const int32_t first = BreaksIn(document.Text, 0, SelStart());
    const int32_t last = first + BreaksIn(document.Text, SelStart(), SelLength());
    for (int32_t paragraph = first; paragraph <= last; ++paragraph)
        document.Alignments[static_cast<size_t>(paragraph)] = alignment;
    FAlignments = std::move(document.Alignments);
    FFormats = std::move(document.Formats);
    SetModified(true);
    Invalidate();
}
