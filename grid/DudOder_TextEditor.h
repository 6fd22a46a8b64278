#pragma once

// The string grid's in-place text editor: the platform grid shows, loads
// and hides it for the text kinds of editor; it filters what is typed and
// pasted by the cell's kind, validates the text before a key leaves the
// cell, and reports the end of the edit when it loses the focus.

#include "platform/ui/Grids.h"

class TDudStringGrid;

class TDudInplaceEdit : public TInplaceEdit {
public:
    explicit TDudInplaceEdit(TComponent* owner);

    // 0 or less: no limit. Taken from the grid's edit limit on every focus.
    int32_t LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int32_t value) { FLengthLimit = value; }
    // Completes the text before the caret from the grid's lookup items.
    void DoChange();
    // The typed character after the cell kind's filter; 0 drops it.
    TChar FilterChar(TChar key, bool ctrl) const;

protected:
    void UpdateContents() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void WMKeyDown(TMessage& message) override;
    void WMChar(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void Change() override;
    void DblClick() override;
    void DefaultHandler(TMessage& message) override;

private:
    TDudStringGrid& Grid() const;
    void ApplyCellLook();
    // Pastes the clipboard's text where the kind accepts it.
    void Paste();
    bool PasteAccepted(String& text) const;
    // A refused text goes back into the editor as the validation left it.
    void ShowRefused(const String& oldCellText);
    bool WalksOut(uint16_t key, TShiftState shift) const;
    // Ends the edit and moves to the next cell, or the previous one.
    void WalkOut(bool forward);

    int32_t FSelKeyDown = 0;
    int32_t FOldSelStart = 0;
    int32_t FLengthLimit = 0;
    bool FGotFocus = false;
    bool FWorkmode = true;
    int32_t FColE = 0;
    // The key-down of this Enter was refused: its character must not
    // validate the same text a second time.
    bool FEnterRefused = false;
    int32_t FRowE = 0;
};
