#include "grid/DudOder.h"

#include "grid/DudOder_Settings.h"
#include "grid/DudOder_TextEditor.h"
#include "platform/ui/BalloonTip.h"
#include "platform/ui/Forms.h"

// Validation of a confirmed edit, the state of a cell before it is edited,
// and the grid's reaction to clicks and to the focus coming and going.

void TDudStringGrid::SaveOldCellState(int32_t aCol, int32_t aRow)
{
    FOldCol = aCol;
    FOldRow = aRow;
    FOldCellText = GetGridCell(RemapColToReal(aCol), aRow);
    FOldCellTextWide = FOldCellText;
    FOldModifiedValue = FGridModified;
}

bool TDudStringGrid::RunCellValidation(const String& newValue, const String& oldText, const TCellCheck& check)
{
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    const int32_t aCol = RemapColToReal(FOldCol);
    const int32_t aRow = FOldRow;
    FNewCellText = newValue;
    try {
        // The check may overwrite the old text; the comparison is made first.
        const bool changed = newValue != oldText;
        if (changed || FAlwaysValidate)
            check(aCol, aRow, changed, valid);
    } catch (...) {
        SaveOldCellState(Col(), Row());
        FValidating = false;
        throw;
    }
    SaveOldCellState(Col(), Row());
    FValidating = false;
    if (valid)
        HideEditFocusFrame();
    return valid;
}

bool TDudStringGrid::ValidateCell(const String& newValue)
{
    const auto check = [this, &newValue](int32_t aCol, int32_t aRow, bool changed, bool& valid) {
        const bool advanceOnEnter = FNavigation->AdvanceOnEnter();
        FNavigation->SetAdvanceOnEnter(false);
        String value = newValue;
        if (FCellChecker && FCellChecker->AutoCorrect())
            value = FCellChecker->Correct(aCol, aRow, value);
        if (OnCellValidate)
            OnCellValidate(this, aCol, aRow, value, valid);
        if (valid)
            RecalcFooterColumn(aCol);
        if (FCellChecker && FCellChecker->AutoMarkError())
            value = FCellChecker->MarkError(aCol, aRow, value);
        if (valid && UndoRedo())
            UndoRedo()->RegisterChange(aCol, aRow, FOldCellText, value);
        if (valid && changed)
            DoCellsChanged(TRect { aCol, aRow, aCol, aRow });
        FNavigation->SetAdvanceOnEnter(advanceOnEnter);
        FNewCellText = value;
        if (valid) {
            // Only an accepted value marks the grid and its row modified.
            if (value != FOldCellText) {
                FGridModified = true;
                if (FixedCols() > 0) {
                    SetRowModified(RemapRowToReal(Row()), true);
                    if (FShowModified->Enabled())
                        RepaintCell(0, Row());
                }
            }
            SetCellEx(aCol, aRow, value);
            const TPoint base = BaseCell(aCol, aRow);
            if (base.X != aCol || base.Y != aRow)
                SetCellEx(base.X, base.Y, value);
        } else {
            FLastValidation = false;
            const bool replaced = value != newValue;
            if (replaced || FSpecialEditor)
                FValidating = false;
            HideInplaceEdit();
            SetCellEx(aCol, aRow, replaced ? value : FOldCellText);
            if (Col() != FOldCol || Row() != FOldRow)
                MoveColRow(FOldCol, FOldRow, true, true);
            FValidating = false;
            FEditing = true;
            ShowInplaceEdit();
            FGridModified = FOldModifiedValue;
            ShowInvalidEntryBalloon();
        }
        FOldCellText = GetGridCell(aCol, aRow);
    };
    return RunCellValidation(newValue, FOldCellText, check);
}

void TDudStringGrid::ShowInvalidEntryBalloon()
{
    if (FInvalidEntryTitle.isEmpty() && FInvalidEntryText.isEmpty())
        return;
    // The refusal points at the window the user types in.
    const TWinControl* target = (FSpecialEditor || !EditorMode()) ? EditCtrl : NormalEdit();
    if (!target || !target->Visible())
        return;
    static constexpr TBalloonTipIcon icons[] = { btiNone, btiInfo, btiWarning, btiError };
    ShowBalloonTip(*target, { FInvalidEntryTitle, FInvalidEntryText, icons[FInvalidEntryIcon] });
}

bool TDudStringGrid::ValidateCellWide(const String& newValue)
{
    const auto check = [this, &newValue](int32_t aCol, int32_t aRow, bool changed, bool& valid) {
        RecalcFooterColumn(aCol);
        String value = newValue;
        if (OnCellValidateWide)
            OnCellValidateWide(this, aCol, aRow, value, valid);
        if (valid && changed)
            DoCellsChanged(TRect { aCol, aRow, aCol, aRow });
        FNewCellText = value;
        if (valid) {
            // As with plain text, only an accepted value marks the grid.
            if (changed) {
                FGridModified = true;
                if (FShowModified->Enabled() && FixedCols() > 0) {
                    SetRowModified(FOldRow, true);
                    RepaintCell(0, FOldRow);
                }
            }
            SetWideCells(aCol, aRow, value);
            const TPoint base = BaseCell(aCol, aRow);
            if (base.X != aCol || base.Y != aRow)
                SetWideCells(base.X, base.Y, value);
        } else {
            HideInplaceEdit();
            SetWideCells(aCol, aRow, value != newValue ? value : FOldCellTextWide);
            if (Col() != FOldCol || Row() != FOldRow)
                MoveColRow(FOldCol, FOldRow, true, true);
        }
        FOldCellTextWide = WideCells(aCol, aRow);
    };
    return RunCellValidation(newValue, FOldCellTextWide, check);
}

void TDudStringGrid::Click()
{
    TBaseGrid::Click();
    FEntered = false;
    SaveOldCellState(Col(), Row());
}

void TDudStringGrid::DoEnter()
{
    if (FBlockFocus)
        return;
    try {
        TBaseGrid::DoEnter();
        if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit())
            SelectCell(Col(), Row());
    } catch (...) {
        SaveOldCellState(Col(), Row());
        throw;
    }
    SaveOldCellState(Col(), Row());
}

void TDudStringGrid::DoExit()
{
    if (FBlockKill)
        return;
    // The focus going to the grid's own editor is no exit from the grid.
    const TForm* form = ParentForm();
    if (form && form->ActiveControl() && ContainsControl(form->ActiveControl()))
        return;
    if (FSelChange && FMouseActions->DisjunctRowSelect())
        SyncRowSelectFromSelection(false);
    FSelChange = false;
    TBaseGrid::DoExit();
}

void TDudStringGrid::WMSetFocus(TMessage& message)
{
    // The focus an edit link's popup hands back is taken once without
    // opening anything; the next focus change is the grid's own again.
    if (InvokedFocusChange) {
        InvokedFocusChange = false;
        return;
    }
    TBaseGrid::WMSetFocus(message);
    if (GetCellType(RemapColToReal(Col()), Row()) == ctCheckBox)
        return;
    const auto* from = reinterpret_cast<const TWinControl*>(message.WParam);
    const bool visible = Row() >= TopRow() && Row() < TopRow() + VisibleRowCount() && Col() >= LeftCol()
        && Col() < LeftCol() + VisibleColCount();
    if (FNavigation->AlwaysEdit() && visible && EditControl == edNormal && (!NormalEdit() || from != NormalEdit())
        && GridState() == gsNormal) {
        bool canEdit = true;
        CanEditCell(RemapColToReal(Col()), Row(), canEdit);
        if (canEdit) {
            ShowInplaceEdit();
            message.Result = 0;
            return;
        }
    }
    if (IsMergedNonBaseCell(RemapColToReal(Col()), Row()) || !IsBaseCell(RemapColToReal(Col()), Row()))
        RepaintCell(Col(), Row());
}
