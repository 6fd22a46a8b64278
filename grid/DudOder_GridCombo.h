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

    TNotifyEvent OnReturnKey;

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void Change() override;
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

    TDudStringGrid* FGrid;
};
