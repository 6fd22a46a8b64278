#include "platform/ui/Mask.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) { }
TCustomMaskEdit::~TCustomMaskEdit() = default;

void TCustomMaskEdit::SetEditMask(const String& editMask)
{
    if (editMask == FEditMask)
        return;
    FEditMask = editMask;
    FSlots.clear();
    FBlank = u'_';
    // The blank character is the third field; the second (save literals) is
    // accepted but literals are always kept in the text.
    String mask = editMask;
    const qsizetype lastSeparator = mask.lastIndexOf(u';');
    if (lastSeparator > 0 && mask.count(u';') >= 2 && mask[lastSeparator - 1] != u'\\') {
        if (lastSeparator + 1 < mask.size())
            FBlank = mask[lastSeparator + 1];
        mask.truncate(lastSeparator);
        mask.truncate(mask.lastIndexOf(u';'));
    } else if (lastSeparator > 0 && mask[lastSeparator - 1] != u'\\') {
        mask.truncate(lastSeparator);
    }
    struct TMaskCharacter {
        char16_t Character;
        TSlotKind Kind;
        bool Required;
    };
    static constexpr TMaskCharacter MaskCharacters[] = {
        { u'0', TSlotKind::Digit, true },
        { u'9', TSlotKind::Digit, false },
        { u'#', TSlotKind::DigitOrSign, false },
        { u'L', TSlotKind::Letter, true },
        { u'l', TSlotKind::Letter, false },
        { u'A', TSlotKind::LetterOrDigit, true },
        { u'a', TSlotKind::LetterOrDigit, false },
        { u'C', TSlotKind::Any, true },
        { u'c', TSlotKind::Any, false },
    };
    TSlotCase caseMode = TSlotCase::Keep;
    for (qsizetype index = 0; index < mask.size(); ++index) {
        const QChar character = mask[index];
        if (character == u'<' && index + 1 < mask.size() && mask[index + 1] == u'>') {
            caseMode = TSlotCase::Keep;
            ++index;
            continue;
        }
        if (character == u'<' || character == u'>') {
            caseMode = character == u'<' ? TSlotCase::Lower : TSlotCase::Upper;
            continue;
        }
        if (character == u'!')
            continue;
        if (character == u'\\' && index + 1 < mask.size()) {
            FSlots.push_back({ TSlotKind::Literal, false, caseMode, mask[++index] });
            continue;
        }
        const auto* found = std::find_if(std::begin(MaskCharacters), std::end(MaskCharacters),
            [&](const TMaskCharacter& entry) { return entry.Character == character.unicode(); });
        if (found != std::end(MaskCharacters))
            FSlots.push_back({ found->Kind, found->Required, caseMode, QChar() });
        else
            FSlots.push_back({ TSlotKind::Literal, false, caseMode, character });
    }
    SetText(Formatted(Text()));
}

bool TCustomMaskEdit::Accepts(const TSlot& slot, QChar character) const
{
    switch (slot.Kind) {
    case TSlotKind::Digit:
        return character.isDigit();
    case TSlotKind::DigitOrSign:
        return character.isDigit() || character == u'+' || character == u'-';
    case TSlotKind::Letter:
        return character.isLetter();
    case TSlotKind::LetterOrDigit:
        return character.isLetterOrNumber();
    case TSlotKind::Any:
        return true;
    default:
        return false;
    }
}

QChar TCustomMaskEdit::Cased(const TSlot& slot, QChar character) const
{
    switch (slot.Case) {
    case TSlotCase::Upper:
        return character.toUpper();
    case TSlotCase::Lower:
        return character.toLower();
    default:
        return character;
    }
}

// A text of the mask's length is taken position by position; any other text
// fills the editable positions in order (literals in it are skipped).
String TCustomMaskEdit::Formatted(const String& text) const
{
    if (!IsMasked())
        return text;
    String result;
    result.reserve(static_cast<qsizetype>(FSlots.size()));
    const bool positional = text.size() == static_cast<qsizetype>(FSlots.size());
    qsizetype source = 0;
    for (size_t index = 0; index < FSlots.size(); ++index) {
        const TSlot& slot = FSlots[index];
        if (slot.Kind == TSlotKind::Literal) {
            result += slot.Literal;
            if (positional || (source < text.size() && text[source] == slot.Literal))
                ++source;
            continue;
        }
        QChar character = FBlank;
        if (source < text.size()) {
            const QChar candidate = text[source++];
            if (candidate != FBlank && Accepts(slot, candidate))
                character = Cased(slot, candidate);
        }
        result += character;
    }
    return result;
}

int32_t TCustomMaskEdit::NextEditable(int32_t position) const
{
    const auto count = static_cast<int32_t>(FSlots.size());
    while (position < count && FSlots[static_cast<size_t>(position)].Kind == TSlotKind::Literal)
        ++position;
    return position;
}

void TCustomMaskEdit::UserInsert(const String& text)
{
    if (!IsMasked()) {
        TCustomEdit::UserInsert(text);
        return;
    }
    if (!EditCanModify())
        return;
    String edited = Text();
    int32_t position = SelStart();
    for (int32_t index = position; index < position + SelLength(); ++index)
        if (FSlots[static_cast<size_t>(index)].Kind != TSlotKind::Literal)
            edited[index] = FBlank;
    const auto count = static_cast<int32_t>(FSlots.size());
    for (const QChar character : text) {
        // Typing a literal where one stands steps over it.
        if (position < count && FSlots[static_cast<size_t>(position)].Kind == TSlotKind::Literal
            && FSlots[static_cast<size_t>(position)].Literal == character) {
            ++position;
            continue;
        }
        position = NextEditable(position);
        if (position >= count)
            break;
        const TSlot& slot = FSlots[static_cast<size_t>(position)];
        if (!Accepts(slot, character))
            break;
        edited[position] = Cased(slot, character);
        ++position;
    }
    ReplaceText(edited, NextEditable(position));
}

void TCustomMaskEdit::UserDelete(bool forward, bool word)
{
    if (!IsMasked()) {
        TCustomEdit::UserDelete(forward, word);
        return;
    }
    if (!EditCanModify())
        return;
    String edited = Text();
    auto blank = [&](int32_t index) {
        if (FSlots[static_cast<size_t>(index)].Kind != TSlotKind::Literal)
            edited[index] = FBlank;
    };
    int32_t caret = Caret();
    if (SelLength() > 0) {
        caret = SelStart();
        for (int32_t index = caret; index < caret + SelLength(); ++index)
            blank(index);
    } else if (forward) {
        if (caret >= static_cast<int32_t>(FSlots.size()))
            return;
        blank(caret);
    } else {
        while (caret > 0 && FSlots[static_cast<size_t>(caret - 1)].Kind == TSlotKind::Literal)
            --caret;
        if (caret == 0)
            return;
        blank(--caret);
    }
    ReplaceText(edited, caret);
}

void TCustomMaskEdit::ValidateEdit()
{
    const String& text = Text();
    for (size_t index = 0; index < FSlots.size(); ++index) {
        if (FSlots[index].Required && text[static_cast<qsizetype>(index)] == FBlank) {
            SetSelStart(static_cast<int32_t>(index));
            throw EDBEditError(QStringLiteral("Invalid input value. Use escape key to abandon changes"));
        }
    }
}

void TCustomMaskEdit::Reset()
{
    if (!Modified())
        return;
    SetText(FOldValue);
    SetModified(false);
}

void TCustomMaskEdit::KeyPress(TChar& key)
{
    TCustomEdit::KeyPress(key);
    if (key == 27 && IsMasked() && Modified()) {
        Reset();
        key = 0;
    }
}

void TCustomMaskEdit::CMTextChanged(TMessage& message)
{
    if (!UserChanging()) {
        const String formatted = Formatted(Text());
        if (formatted != Text()) {
            SetText(formatted);
            return;
        }
        FOldValue = Text();
    }
    TCustomEdit::CMTextChanged(message);
}

void TCustomMaskEdit::WMSetFocus(TMessage& message)
{
    FOldValue = Text();
    TCustomEdit::WMSetFocus(message);
}
