#pragma once

#include "platform/ui/Forms.h"

class TDudStringGrid;

// Two string grids side by side: a block of cells selected in the left one
// can be dragged with the mouse into the right one (Ctrl copies, else the
// cells move).
class TGridDragForm : public TForm {
public:
    explicit TGridDragForm(TComponent* owner);

    // Selects the left grid's block that people drag.
    void SelectBlock();

private:
    TDudStringGrid* MakeGrid(int32_t left);

    TDudStringGrid* FSource = nullptr;
    TDudStringGrid* FTarget = nullptr;
};
