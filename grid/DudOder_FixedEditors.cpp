#include "grid/DudOder_FixedEditors.h"

#include "grid/base/BaseGrid.h"

void TScrollControl::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    Invalidate();
}

template <class TBase>
TFixedCellEditor<TBase>::TFixedCellEditor(TBaseGrid* owner) : TBase(owner), FGrid(owner)
{
    TBase::SetVisible(false);
}

template class TFixedCellEditor<TCustomEdit>;
template class TFixedCellEditor<TCustomComboBox>;
