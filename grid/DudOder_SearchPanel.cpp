#include "grid/DudOder_SearchPanel.h"

#include "grid/base/BaseGrid.h"

TSearchPanel::TSearchPanel(TBaseGrid* owner) : TPanel(owner), FGrid(owner), FEdit(new TRetEdit(this))
{
}

void TSearchPanel::SetColorTo(TColor value)
{
    FColorTo = value;
    Invalidate();
}
