#pragma once

// The combo box the string grid lays over a cell of the combo kinds: a pick
// list (edComboList) or an editable list (edComboEdit). It shares one item
// list between all combo cells of its grid; the grid refills it per cell
// before it opens. Its keys write and validate the cell before they leave
// it, and every change the user makes is reported to the grid once.

#include "grid/base/ZuzCombo.h"

class TDudStringGrid;

class TGridCombo : public TZuzComboBox {
public:
    // The owner is the grid the combo edits.
    explicit TGridCombo(TComponent* owner);

    // Widens the dropped list to its widest item.
    void SizeDropDownWidth();
    // The lookup completion: with the grid's Lookup, the text before the
    // caret is completed from the first item it begins, the combo's items
    // before the grid's lookup items, and the completed tail is selected.
    void DoChange();

    TNotifyEvent OnReturnKey;
    // The index, in its list, of the item the last lookup completion took.
    int32_t ItemIdx = -1;
    // A lookup completion replaced the text.
    bool ItemChange = false;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void Change() override;
    void WMSetFocus(TMessage& message) override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

private:
    TDudStringGrid& Grid() const;
    // Writes the text into the current cell and validates it; a refusal
    // shows the text as the validation left it and consumes the key.
    bool WriteAndValidate(uint16_t& key);
    // After an accepted write the combo shows the cell as it now is.
    void ShowCellText();
    void ListClosed();
    // The wheel steps through the items instead of scrolling the grid.
    void WheelStep(int32_t delta);
    // Left at the start or Right at the end of an editable combo's text
    // walks out of it, when the grid asks for that.
    bool WalksOut(uint16_t key, TShiftState shift);

    TDudStringGrid* FGrid;
    // Cleared at every key-down; the key was not forced on the grid.
    bool Forced = false;
    // Lookup completion is on; Backspace and Delete switch it off until
    // the next key.
    bool WorkMode = true;
};
