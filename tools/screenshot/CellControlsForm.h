#pragma once

#include "platform/ui/Forms.h"

class TDudStringGrid;

// A grid with a control laid over a cell, runs of equal rooms merged,
// form controls and a cell link in marked-up cells, to try with the mouse.
class TCellControlsForm : public TForm {
public:
    explicit TCellControlsForm(TComponent* owner);

    // Scrolls a little, so the cell control moves with its cell.
    void ScrollDown();

private:
    TDudStringGrid* FGrid = nullptr;
};
