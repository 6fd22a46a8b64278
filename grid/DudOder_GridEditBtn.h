#pragma once

// The edit-with-button editors the string grid lays over a cell: a text
// with a button whose click asks the application for the text
// (OnEllipsClick), and the value-and-unit editor whose button also chooses
// the unit. Both write and validate the cell before a key leaves it.

#include "grid/base/ZUZEdit.h"

class TDudStringGrid;

class TGridEditBtn : public TZuzEditBtn {
public:
    // The owner is the grid the editor edits.
    explicit TGridEditBtn(TComponent* owner);

    // Ends the edit once the button's text is in.
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool value) { FStopEditAfterClick = value; }

protected:
    void WndProc(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void DblClick() override;
    void DoExit() override;
    void Change() override;
    void DefaultHandler(TMessage& message) override;

private:
    void ButtonClick();
    // Pastes the clipboard's text where the caret or selection is, when it
    // fits the kind and the length limit.
    void Paste();

    TDudStringGrid* FGrid;
    // Lookup completion is off after Backspace or Delete went down.
    bool FWorkMode = true;
    bool FStopEditAfterClick = false;
};

class TGridUnitEditBtn : public TZuzUnitEditBtn {
public:
    // The owner is the grid the editor edits.
    explicit TGridUnitEditBtn(TComponent* owner);

protected:
    void WndProc(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void Change() override;
    void DefaultHandler(TMessage& message) override;

private:
    TDudStringGrid* FGrid;
};
