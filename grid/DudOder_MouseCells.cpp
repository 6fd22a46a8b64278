#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/RovIvir.h"

#include <cmath>

// What a press does to the controls drawn inside a cell (spin halves, node
// glyphs, radio groups, ratings) and to the disjunct row and column
// selections, before the platform grid sees it.

namespace {

// A spin button drawn in the cell takes this much of its right side.
constexpr int32_t SpinButtonWidth = 18;
// One half step of a rating is this wide.
constexpr int32_t RatingHalfStep = 9;

} // namespace

// Spin halves, node glyphs, radio groups and the first column of an
// outline: true when the press ends here.
bool TDudStringGrid::CellControlDown(int32_t aCol, int32_t aRow, TPoint point, TShiftState keys)
{
    const int32_t realCol = RemapColToReal(aCol);
    const TRect cell = CellRect(aCol, aRow);
    if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(realCol, aRow) && point.X > cell.Right - SpinButtonWidth) {
        if (point.Y > (cell.Top + cell.Bottom) / 2)
            FSpinDnClick = true;
        else
            FSpinUpClick = true;
    }
    const bool nodeGlyph = aCol == 0 && IsNode(aRow) && IsOnNodeGlyph(aRow, point.X);
    if (nodeGlyph && aRow < FixedRows() && FMouseActions->NodeAllExpandContract()) {
        // The header's glyph shows what the next press does to every node.
        TCellGraphic* graphic = GetCellGraphic(0, aRow);
        const bool expanded = graphic && graphic->CellBoolean();
        if (expanded)
            ContractAll();
        else
            ExpandAll();
        if (graphic)
            graphic->SetCellBoolean(!expanded);
        RepaintCell(0, aRow);
    }
    if (nodeGlyph && aRow >= FixedRows()) {
        if (OnMouseDown)
            OnMouseDown(this, mbLeft, keys, point.X, point.Y);
        if (OnClickCell)
            OnClickCell(this, aRow, aCol);
        const int32_t realRow = RemapRowToReal(aRow);
        bool allow = true;
        if (GetNodeState(aRow)) {
            if (OnBeforeExpandNode)
                OnBeforeExpandNode(this, aRow, realRow, allow);
            if (allow) {
                ExpandNode(realRow);
                if (OnExpandNode)
                    OnExpandNode(this, aRow, realRow);
            }
        } else {
            if (OnBeforeContractNode)
                OnBeforeContractNode(this, aRow, realRow, allow);
            if (allow) {
                ContractNode(realRow);
                if (OnContractNode)
                    OnContractNode(this, aRow, realRow);
            }
        }
        if (FMouseActions->MoveRowOnNodeClick())
            SetRow(aRow);
        return true;
    }
    if (IsRadio(realCol, aRow) && (IsEditable(realCol, aRow) || FControlLook->RadioAlwaysActive())) {
        HideInplaceEdit();
        RadioGroupClick(realCol, aRow, point.X - cell.Left, point.Y - cell.Top);
        if (CanFocus())
            SetFocus();
        return true;
    }
    if (aCol == 0 && aRow >= FixedRows() && HasNodes() && !FMouseActions->RowSelect()
        && !Options().Contains(goRowSizing)) {
        if (OnMouseDown)
            OnMouseDown(this, mbLeft, keys, point.X, point.Y);
        if (OnClickCell)
            OnClickCell(this, aRow, 0);
        return true;
    }
    return false;
}

// A press on a rating sets it in half steps from the cell's left edge.
bool TDudStringGrid::RatingDown(int32_t aCol, int32_t aRow, TPoint point)
{
    const int32_t realCol = RemapColToReal(aCol);
    if (!HasRating(realCol, aRow) || !IsEditable(realCol, aRow))
        return false;
    HideInplaceEdit();
    const TRect cell = CellRect(aCol, aRow);
    double value = std::trunc(static_cast<double>(point.X - cell.Left) / RatingHalfStep) / 2.0;
    bool allow = true;
    DoRatingChange(realCol, aRow, value, allow);
    if (allow) {
        SetFloats(realCol, aRow, value);
        RepaintCell(aCol, aRow);
    }
    return true;
}

// The disjunct row and column selections on a press: Shift stretches the
// selection, Ctrl marks a selected row or column for release, a plain press
// starts over. True when the press ends here.
bool TDudStringGrid::DisjunctSelectDown(int32_t aCol, int32_t aRow, TShiftState keys, const TGridRect& before,
    TMessage& platform)
{
    const bool ctrl = keys.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl();
    if (FMouseActions->DisjunctRowSelect() && aRow >= FixedRows()
        && !(aCol == 0 && FMouseActions->HotmailRowSelect())) {
        if (keys.Contains(ssShift)) {
            TBaseGrid::MouseMessage(platform);
            SetSelection({ std::min(aCol, before.Left), std::min(aRow, before.Top), std::max(aCol, before.Left),
                std::max(aRow, before.Top) });
            return true;
        }
        const int32_t row = FMouseActions->RowSelectPersistent() ? RealRowIndex(aRow) : aRow;
        if (ctrl && GetRowSelect(row)) {
            FDeselectState = true;
        } else if (!ctrl) {
            FMouseDown = true;
            if (GetKeyState(VK_MENU) >= 0)
                ClearRowSelect();
        }
    }
    if (FMouseActions->DisjunctColSelect() && aCol >= FixedCols()) {
        if (keys.Contains(ssCtrl) && GetColSelect(aCol)) {
            FDeselectState = true;
        } else if (!keys.Contains(ssCtrl)) {
            FMouseDown = true;
            ClearColSelect();
        }
    }
    return false;
}

// The row and column flags follow the selection the press and drag made;
// a row or column pressed with Ctrl while selected comes off.
void TDudStringGrid::DisjunctSelectUp(int32_t aCol, int32_t aRow)
{
    const bool onCell = aCol >= 0 && aRow >= 0;
    if (FMouseActions->DisjunctRowSelect() && onCell && !(aCol == 0 && IsNode(aRow))) {
        const bool rowCheckColumn = aCol == 0 && FMouseActions->HotmailRowSelect();
        if (!rowCheckColumn)
            SyncRowSelectFromSelection(false);
        if (aRow >= FixedRows() && FDeselectState)
            SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(aRow) : aRow, false);
        if (FMouseActions->HotmailRowSelect())
            RepaintCell(0, 0);
    }
    if (FGrouping->AutoSelectGroup() && onCell && aCol > 0 && IsNode(aRow) && !GetNodeState(aRow)) {
        const int32_t span = GetNodeSpan(aRow);
        if (FMouseActions->DisjunctRowSelect()) {
            for (int32_t row = aRow + 1; row < aRow + span && row < RowCount(); ++row)
                SetRowSelect(RealRowIndex(row), true);
        } else if (span > 0) {
            SetSelection({ FixedCols(), aRow, ColCount() - 1, std::min(aRow + span - 1, RowCount() - 1) });
        }
    }
    if (FMouseActions->DisjunctColSelect()) {
        SyncColSelectFromSelection(false);
        if (aCol >= FixedCols() && FDeselectState)
            SetColSelect(aCol, false);
    }
    FDeselectState = false;
}
