#pragma once

#include "platform/ui/Forms.h"

class TDudStringGrid;

// Three string grids side by side, one per scroll bar look: proportional
// flat bars on a coloured track with highlighted and marked words, encarta
// bars with a cell that scrolls, and the slim bars of the metro look.
class TScrollBarsForm : public TForm {
public:
    explicit TScrollBarsForm(TComponent* owner);

    // Highlights "on" and marks "xx" in the first grid, scrolls each grid
    // part of the way.
    void HighlightAndScroll();

private:
    TDudStringGrid* FFlat = nullptr;
    TDudStringGrid* FEncarta = nullptr;
    TDudStringGrid* FMetro = nullptr;
};
