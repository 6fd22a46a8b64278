#pragma once

// The editors the grid lays over an edit or combo form control of a cell's
// markup. Enter hands the focus back to the grid; Tab moves on to the next
// cell or to the next form control of the same cell.

#include "grid/base/ZuzCombo.h"
#include "platform/ui/Mask.h"

class TControlEdit : public TMaskEdit {
public:
    using TMaskEdit::TMaskEdit;

protected:
    void KeyPress(TChar& key) override;
    void DefaultHandler(TMessage& message) override;
};

class TControlCombo : public TZuzComboBox {
public:
    using TZuzComboBox::TZuzComboBox;

protected:
    void KeyPress(TChar& key) override;
    void DefaultHandler(TMessage& message) override;
};
