#include "grid/DudOder.h"

#include "grid/DudOder_TextEditor.h"

#include <algorithm>

// Moving on after an edit is confirmed, and the grid's character step.

namespace {

struct TCellPos {
    int32_t Col;
    int32_t Row;
    bool operator==(const TCellPos&) const = default;
};

// The kinds whose editor stays open on the cell an advance reached.
bool KeepsEditorAfterAdvance(TEditorType kind)
{
    switch (kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

} // namespace

// A control reached by an advance hears of the move: the cell goes back to
// the start and on again without the change handlers, and, unless the start
// held a control too, the control is clicked.
void TDudStringGrid::ClickAdvancedControl(int32_t startCol, int32_t startRow)
{
    const int32_t targetCol = Col();
    const int32_t targetRow = Row();
    FDisableChange = true;
    try {
        SetCol(startCol);
        SetRow(startRow);
        SetCol(targetCol);
        SetRow(targetRow);
    } catch (...) {
        FDisableChange = false;
        throw;
    }
    FDisableChange = false;
    if (IsControlCell(RemapColToReal(startCol), startRow))
        return;
    SimulateCellClick(targetCol, targetRow);
    if (FNavigation->AdvanceDirection() != adLeftRight)
        HideInplaceEdit();
}

// One step from (aCol, aRow) by the navigation settings. False when the
// advance ends: a row was added in which no cell can be edited.
bool TDudStringGrid::AdvanceStep(int32_t& aCol, int32_t& aRow, bool forward)
{
    const TAdvanceDirection direction = FNavigation->AdvanceDirection();
    const TPoint span = CellSpan(RemapColToReal(aCol), aRow);
    const int32_t dx = std::max(span.X, 0);
    const int32_t lastDataRow = RowCount() - FFixedFooters - 1;
    const int32_t lastDataCol = ColCount() - FFixedRightCols - 1;
    if (forward && (direction == adLeftRight || direction == adLeftRightInRow)) {
        if (aCol + dx < ColCount() - VisibleFixedRightCols() - 1) {
            aCol += dx + 1;
        } else if (direction == adLeftRightInRow) {
            if (FNavigation->AdvanceOnEnterLoop())
                aCol = FirstEditColumn();
        } else if (aRow == lastDataRow) {
            if (FNavigation->AdvanceInsert()) {
                const bool canAdd = DoCanAddRow();
                aCol = FirstEditColumn();
                if (canAdd) {
                    AddRow();
                    ++aRow;
                    if (OnAutoAddRow)
                        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                    bool editable = false;
                    for (int32_t col = FixedCols(); col < ColCount() && !editable; ++col)
                        editable = IsEditable(RemapColToReal(col), aRow);
                    if (!editable)
                        return false;
                }
            } else if (FNavigation->AdvanceOnEnterLoop()) {
                aRow = FixedRows();
                aCol = FirstEditColumn();
            }
        } else {
            ++aRow;
            aCol = FirstEditColumn();
        }
    } else if (forward) {
        if (aRow < lastDataRow) {
            ++aRow;
        } else if (direction == adTopBottomInCol) {
            aRow = FixedRows();
        } else {
            if (aCol != lastDataCol) {
                aRow = FixedRows();
                ++aCol;
                if (aCol >= ColCount())
                    aCol = FirstEditColumn();
            } else if (FNavigation->AdvanceInsert()) {
                SetColCount(ColCount() + 1);
                aCol += dx + 1;
                aRow = FixedRows();
                if (OnAutoInsertCol)
                    OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
            } else {
                aRow = FixedRows();
                aCol = FirstEditColumn();
            }
            Invalidate();
        }
    } else if (direction == adLeftRight) {
        if (aCol > FirstEditColumn()) {
            --aCol;
        } else {
            aRow = aRow > FixedRows() ? aRow - 1 : lastDataRow;
            aCol = lastDataCol;
        }
    } else if (direction == adTopBottom) {
        if (aRow > FixedRows()) {
            --aRow;
        } else {
            aCol = aCol > FirstEditColumn() ? aCol - 1 : lastDataCol;
            aRow = lastDataRow;
        }
    }
    return true;
}

void TDudStringGrid::AdvanceEdit(int32_t aCol, int32_t aRow, bool force, bool autoEdit, bool forward, bool continuing,
    bool editMode)
{
    if (!FNavigation->AdvanceOnEnter() && !force)
        return;
    if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing))
        SetOptions(Options() + TGridOptions { goEditing });
    if (!continuing) {
        FAECol = aCol;
        FAERow = aRow;
    }
    const TCellPos start { aCol, aRow };
    FStartEditChar = 0;

    // Skipping read-only cells walks on from each cell it reaches. It stops
    // on the last cell reached when a step cannot move, or when it has come
    // round to a cell it already left: a grid without any editable cell
    // ahead must not walk for ever.
    TCellPos cell = start;
    const int64_t maxSteps = int64_t { ColCount() } * RowCount();
    bool editable = false;
    for (int64_t steps = 0;; ++steps) {
        const TCellPos from = cell;
        if (!AdvanceStep(cell.Col, cell.Row, forward))
            return;
        bool canEdit = true;
        CanEditCell(RemapColToReal(cell.Col), cell.Row, canEdit);
        if (canEdit) {
            editable = true;
            break;
        }
        if (!FNavigation->AdvanceSkipReadOnlyCells() || cell == from || cell == start || steps >= maxSteps)
            break;
    }

    if (editable) {
        bool allow = true;
        int32_t newRow = cell.Row;
        int32_t newCol = cell.Col;
        if (OnAutoAdvance)
            OnAutoAdvance(this, FAERow, FAECol, newRow, newCol, allow);
        if (allow && OnCellChanging)
            OnCellChanging(this, FAERow, FAECol, newRow, newCol, allow);
        FDisableChange = true;
        try {
            if (allow) {
                SetCol(newCol);
                SetRow(newRow);
            } else {
                SelectCell(start.Col, start.Row);
            }
        } catch (...) {
            FDisableChange = false;
            throw;
        }
        FDisableChange = false;
    } else {
        FDisableChange = true;
        try {
            SetCol(cell.Col);
            SetRow(cell.Row);
        } catch (...) {
            FDisableChange = false;
            throw;
        }
        FDisableChange = false;
    }

    if (!editMode)
        return;
    const int32_t realCol = RemapColToReal(Col());
    const bool controlCell = IsControlCell(realCol, Row());
    if ((autoEdit && FNavigation->AdvanceAutoEdit()) || controlCell) {
        if (!IsEditable(realCol, Row()))
            return;
        ShowInplaceEdit();
        if (controlCell)
            ClickAdvancedControl(start.Col, start.Row);
        FDisableChange = false;
        bool allow = true;
        if (OnCellChanging)
            OnCellChanging(this, start.Row, start.Col, Row(), Col(), allow);
        TEditorType kind = FDefaultEditor;
        GetCellEditorType(RemapColToReal(start.Col), start.Row, kind);
        if (!KeepsEditorAfterAdvance(kind))
            HideInplaceEdit();
    }
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}

void TDudStringGrid::KeyPress(TChar& key)
{
    const int32_t realCol = RemapColToReal(Col());
    if (key == VK_ESCAPE) {
        if (Options().Contains(goEditing) && EditorMode())
            RestoreCellCache();
        if (OnKeyPress)
            OnKeyPress(this, key);
        return;
    }
    if (key == VK_RETURN) {
        if (!FNavigation->AdvanceOnEnter() && !IsEditable(realCol, Row())) {
            if (OnKeyPress)
                OnKeyPress(this, key);
            key = 0;
            return;
        }
        const bool inEditor = !Focused();
        if (inEditor || IsControlCell(realCol, Row())) {
            AdvanceEdit(Col(), Row(), false, false, true, false, EditMode);
            if (!FNavigation->AdvanceAutoEdit()) {
                if (OnKeyPress)
                    OnKeyPress(this, key);
                key = 0;
                return;
            }
            if (IsControlCell(realCol, Row())) {
                if (OnKeyPress)
                    OnKeyPress(this, key);
                if (FNavigation->AdvanceOnEnter())
                    ShowInplaceEdit();
                key = 0;
                return;
            }
        }
    }
    if (!Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted())
        LookUpIncrementally(key);
    TBaseGrid::KeyPress(key);
}

// Typed keys go to the first row whose lookup column starts with them; the
// grid's timer forgets them after a pause.
void TDudStringGrid::LookUpIncrementally(TChar key)
{
    if (FNavigation->AutoGotoIncremental()) {
        if (key == VK_BACK)
            SearchInc.chop(1);
        else
            SearchInc += key;
        SearchTics = 0;
    } else {
        SearchInc = String(key);
    }
    const int32_t found = Search(SearchInc.toUpper());
    if (found == -1)
        SearchInc.clear();
    else
        SetRow(found);
}
