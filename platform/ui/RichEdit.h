#pragma once

#include "platform/ui/RichText.h"
#include "platform/ui/StdCtrls.h"

#include <functional>

class TCustomRichEdit;

// The lines of a rich edit. Reading a stream takes an RTF document with its
// formats (plain text when the edit's PlainText is set or the bytes are not
// RTF); writing gives the document as RTF, which carries its own encoding,
// or, with PlainText, the text in the encoding asked for. The streams are
// read and written this way through the rich edit's Lines, not through a
// plain TStrings reference to them.
class TRichEditStrings : public TStrings {
public:
    explicit TRichEditStrings(TCustomRichEdit& edit) : FEdit(edit) { }

    int32_t Count() const override;
    void Insert(int32_t index, const String& text) override;
    void Delete(int32_t index) override;
    void Clear() override;
    void SetText(const String& text) override;
    void LoadFromStream(TStream& stream);
    void LoadFromStream(TStream& stream, TTextEncoding encoding);
    void SaveToStream(TStream& stream, TTextEncoding encoding) const;

protected:
    String Get(int32_t index) const override;
    void Put(int32_t index, const String& text) override;

private:
    void Load(TStream& stream, const TTextEncoding* encoding);

    TCustomRichEdit& FEdit;
};

// A memo whose characters carry formats (font, size, colour, styles,
// raised or lowered) and whose paragraphs carry an alignment. Text typed
// takes the format of the character before it; text the program sets
// starts afresh in the edit's font. The edit shows its text in its own
// font; the formats travel with the text.
class TCustomRichEdit : public TCustomMemo {
public:
    explicit TCustomRichEdit(TComponent* owner);
    ~TCustomRichEdit() override;

    TRichEditStrings& Lines() { return FRichLines; }
    const TRichEditStrings& Lines() const { return FRichLines; }

    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool plainText) { FPlainText = plainText; }

    TRichText Document() const;
    void SetDocument(const TRichText& document);
    // The format of the edit's font.
    TRichTextFormat DefaultFormat() const;

    // The format of the selection's first character; at a caret, the one
    // typing would take.
    TRichTextFormat SelFormat() const;
    // Changes the format of every selected character.
    void FormatSelection(const std::function<void(TRichTextFormat&)>& change);
    // The alignment of the caret's paragraph; setting aligns every paragraph
    // the selection touches.
    TAlignment ParagraphAlignment() const;
    void SetParagraphAlignment(TAlignment alignment);
    // Asks for the size the text needs now; the answer comes through
    // RequestedSize.
    void RequestSize();

protected:
    void CMTextChanged(TMessage& message) override;
    // The text needs another height than before (or was asked for its
    // size): rect is the area its lines take at the edit's width, in client
    // coordinates.
    virtual void RequestedSize(const TRect& rect) { (void)rect; }

private:
    friend class TRichEditStrings;
    TStrings& MemoLines() { return TCustomMemo::Lines(); }
    const TStrings& MemoLines() const { return TCustomMemo::Lines(); }
    // Carries the formats over the change from the text they were made for.
    void FollowUserChange(const String& previous, const String& current);
    TRect NeededRect() const;

    TRichEditStrings FRichLines;
    bool FPlainText = false;
    // The text the formats belong to.
    String FFormattedText;
    std::vector<TRichTextFormat> FFormats;
    std::vector<TAlignment> FAlignments;
    bool FLoading = false;
    // The height last reported through RequestedSize.
    int32_t FRequestedHeight = -1;
};

class TRichEdit : public TCustomRichEdit {
public:
    using TCustomRichEdit::TCustomRichEdit;
};
