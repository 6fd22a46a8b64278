#include "grid/DudOder.h"

#include "grid/DudOder_FixedEditors.h"
#include "grid/base/VidEri_Options.h"

// Header cells edited in place: an edit box or a combo over the cell,
// closed through the grid's validation.

TGridTransEdit* TDudStringGrid::EditTrans()
{
    if (!FEditTrans) {
        FEditTrans = new TGridTransEdit(this);
        FEditTrans->SetBorderStyle(bsNone);
    }
    return FEditTrans;
}

TGridTransCombo* TDudStringGrid::ComboTrans()
{
    if (!FComboTrans)
        FComboTrans = new TGridTransCombo(this);
    return FComboTrans;
}

void TDudStringGrid::StartFixedCellEdit(int32_t aCol, int32_t aRow)
{
    if (FEditTrans && FEditTrans->Visible() && !FEditTrans->StopEdit())
        return;
    if (FComboTrans && FComboTrans->Visible() && !FComboTrans->StopEdit())
        return;
    bool canEdit = true;
    if (OnCanEditCell)
        OnCanEditCell(this, aRow, aCol, canEdit);
    if (!canEdit)
        return;
    FFixedColEdit = aCol;
    FFixedRowEdit = aRow;
    TGridFixedCellEditor kind = aCol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();
    TGridTransCombo& combo = *ComboTrans();
    combo.Items().Assign(FMouseActions->FixedComboValues());
    DoFixedEdit(aCol, aRow, kind, &combo.Items());
    TRect rect = CellRect(aCol, aRow);
    rect.Inflate(-1, -1);
    const int32_t realCol = RemapColToReal(aCol);
    const auto changed = [this, realCol, aRow](const String& text) {
        if (OnEditChange)
            OnEditChange(this, realCol, aRow, text);
    };
    TWinControl* editor = nullptr;
    if (kind == fceComboEdit || kind == fceComboList) {
        combo.SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
        combo.SetParent(this);
        combo.SetBounds(rect.Left - 1, rect.Top - 1, rect.Width() + 1, rect.Height());
        combo.OnChange = [&combo, changed](TComponent*) { changed(combo.Text()); };
        combo.SetText(GetGridCell(realCol, aRow));
        combo.SetCol(realCol);
        combo.SetRow(aRow);
        editor = &combo;
    } else {
        TGridTransEdit& edit = *EditTrans();
        edit.SetParent(this);
        edit.SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
        edit.OnChange = [&edit, changed](TComponent*) { changed(edit.Text()); };
        edit.SetText(GetGridCell(realCol, aRow));
        edit.SetCol(realCol);
        edit.SetRow(aRow);
        editor = &edit;
    }
    editor->SetVisible(true);
    if (editor->CanFocus())
        editor->SetFocus();
}
