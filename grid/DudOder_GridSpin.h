#pragma once

// The spin editor the string grid lays over a cell of the spin kinds: an
// integer, a number, a time or a date. The arrows step the value within the
// editor's bounds; Enter writes and validates the cell before it leaves it,
// Esc takes the cell's text back.

#include "grid/base/zuzspin.h"

class TDudStringGrid;

class TGridSpin : public TZuzSpinEdit {
public:
    // The owner is the grid the spin edits.
    explicit TGridSpin(TComponent* owner);

    void UpButtonClick(TComponent* sender) override;
    void DownButtonClick(TComponent* sender) override;

protected:
    void WndProc(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;
    void DoExit() override;
    void Change() override;
    void DefaultHandler(TMessage& message) override;

private:
    // PgUp and PgDn step only while the value stays within the bounds; End
    // and Home go to the bounds. True when the key is done.
    bool StepByKey(uint16_t key);
    void FireSpinClick(bool up);
    // The value as the text now reads, within the bounds.
    void Reread();

    TDudStringGrid* FGrid;
};
