#include "grid/DudOder.h"

#include "grid/base/VidEri.h"

// Controls the application lays over cells: the grid keeps them over their
// cells while it scrolls, and out of sight while their cells are.

namespace {

void PlaceOver(TControl& control, const TRect& cell)
{
    control.SetBounds(cell.Left - 1, cell.Top - 1, cell.Width() + 1, cell.Height() + 1);
}

} // namespace

TControl* TDudStringGrid::CellControls(int32_t aCol, int32_t aRow) const
{
    return HasCellProps(aCol, aRow) ? GetGridObject(aCol, aRow)->Control() : nullptr;
}

void TDudStringGrid::SetCellControls(int32_t aCol, int32_t aRow, TControl* control)
{
    const int32_t realRow = RemapRowToReal(aRow);
    const bool held = CellControls(aCol, aRow) != nullptr;
    const int32_t index = FControlList->ControlIndex(aCol, realRow);
    if (index >= 0)
        FControlList->RemoveControl(index);
    if (!control) {
        if (held)
            --FNumCellControls;
        if (held)
            GetCellProperties(aCol, aRow)->SetControl(nullptr);
        return;
    }
    if (!held)
        ++FNumCellControls;
    FControlList->AddControl(aCol, realRow, control);
    GetCellProperties(aCol, aRow)->SetControl(control);
    control->SetParent(this);
    PlaceOver(*control, CellRect(aCol, aRow));
}

void TDudStringGrid::CellControlsUpdate(bool rebuildList)
{
    if (!HandleAllocated())
        return;
    if (rebuildList) {
        while (FControlList->Count() > 0)
            FControlList->RemoveControl(FControlList->Count() - 1);
        for (int32_t col = 0; col < TotalColCount(); ++col)
            for (int32_t row = 0; row < RowCount(); ++row)
                if (TControl* control = CellControls(col, row))
                    FControlList->AddControl(col, RemapRowToReal(row), control);
    }
    if (FNumCellControls == 0)
        return;
    const auto inView = [this](int32_t col, int32_t row) {
        return col >= LeftCol() && col <= LeftCol() + VisibleColCount() && row >= TopRow()
            && row <= TopRow() + VisibleRowCount();
    };
    const auto inData = [this](int32_t col, int32_t row) { return row >= FixedRows() && col >= FixedCols(); };
    for (int32_t index = 0; index < FControlList->Count(); ++index) {
        const TControlItem& item = *FControlList->Control(index);
        TControl* control = item.Control();
        if (!control)
            continue;
        const bool hiddenRow = IsHiddenRow(item.Y());
        if (hiddenRow || IsHiddenColumn(item.X()))
            control->SetVisible(false);
        const int32_t col = RemapColToReal(item.X());
        const int32_t row = RemapRowToDispl(item.Y());
        // Controls over fixed cells are the application's to place.
        if (!inData(col, row))
            continue;
        if (!inView(col, row) || hiddenRow) {
            control->SetVisible(false);
            continue;
        }
        PlaceOver(*control, CellRect(col, row));
        control->SetVisible(true);
    }
    // A control that only moved would keep its old picture: a change of
    // size makes it lay itself out and paint anew.
    for (int32_t index = 0; index < FControlList->Count(); ++index) {
        const TControlItem& item = *FControlList->Control(index);
        const int32_t col = RemapColToReal(item.X());
        const int32_t row = RemapRowToDispl(item.Y());
        if (!inData(col, row) || !inView(col, row))
            continue;
        TControl* control = CellControls(col, row);
        if (!control || !control->Visible())
            continue;
        control->Invalidate();
        control->SetWidth(control->Width() + 1);
        control->SetWidth(control->Width() - 1);
    }
}
