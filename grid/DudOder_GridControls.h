#pragma once

// The two plain controls the string grid lays over a cell: a check box that
// shows the cell's text as its caption (edCheckBox) and a push button whose
// press asks the application for the cell's new text (edButton). Neither
// writes its state back when the edit ends.

#include "platform/ui/StdCtrls.h"

class TDudStringGrid;

class TGridCheckBox : public TCheckBox {
public:
    // The owner is the grid the check box sits on.
    explicit TGridCheckBox(TComponent* owner);

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void DefaultHandler(TMessage& message) override;

private:
    TDudStringGrid* FGrid;
};

class TGridButton : public TCustomControl {
public:
    // The owner is the grid the button sits on.
    explicit TGridButton(TComponent* owner);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void DefaultHandler(TMessage& message) override;

private:
    // The click is reported; then the application's text becomes the
    // caption and the cell's text.
    void Pressed();

    TDudStringGrid* FGrid;
    bool FDown = false;
    // Only the release of a Space pressed on the button presses it, not one
    // whose press went to the window it replaced.
    bool FSpaceDown = false;
};
