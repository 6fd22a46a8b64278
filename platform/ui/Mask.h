#pragma once

#include "platform/ui/StdCtrls.h"

#include <vector>

// A masked text that does not satisfy its mask.
class EDBEditError : public Exception {
public:
    using Exception::Exception;
};

// An edit whose text follows an edit mask in the platform's syntax:
// "mask;saveLiterals;blank". Mask characters: 0 digit, 9 optional digit,
// # optional digit or sign, L letter, l optional letter, A letter or digit,
// a optional one, C any character, c optional one, > upper case from here,
// < lower case, <> either, \ the next character is a literal; every other
// character is a literal. Without a mask it is a plain edit.
//
// The text always holds the literals and shows unfilled positions as the
// blank character; typing overwrites position by position.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* owner);
    ~TCustomMaskEdit() override;

    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& editMask);
    bool IsMasked() const { return !FSlots.empty(); }
    // The text as shown, with literals and blanks.
    const String& EditText() const { return Text(); }
    void SetEditText(const String& editText) { SetText(editText); }
    // Throws EDBEditError when a required position is unfilled, with the
    // caret put there.
    virtual void ValidateEdit();
    // Restores the text the edit had when it took the focus (or was last
    // set by the program) and clears Modified.
    virtual void Reset();

protected:
    void UserInsert(const String& text) override;
    void UserDelete(bool forward, bool word) override;
    void KeyPress(TChar& key) override;
    void CMTextChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;

private:
    enum class TSlotKind { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class TSlotCase { Keep, Upper, Lower };
    struct TSlot {
        TSlotKind Kind;
        bool Required;
        TSlotCase Case;
        QChar Literal;
    };

    bool Accepts(const TSlot& slot, QChar character) const;
    QChar Cased(const TSlot& slot, QChar character) const;
    String Formatted(const String& text) const;
    int32_t NextEditable(int32_t position) const;

    String FEditMask;
    std::vector<TSlot> FSlots;
    QChar FBlank = u'_';
    String FOldValue;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
