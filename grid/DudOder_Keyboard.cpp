#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_FixedEditors.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_SearchPanel.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_TextEditor.h"
#include "grid/base/RovIvir.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/Forms.h"

#include <algorithm>

// The grid's keyboard while it has the focus itself: keys, typed
// characters, Tab navigation, the key release, and the scroll notice.

namespace {

bool IsArrowKey(uint16_t key)
{
    return key >= VK_LEFT && key <= VK_DOWN;
}

bool IsNavigationKey(uint16_t key)
{
    return key >= VK_PRIOR && key <= VK_DOWN;
}

constexpr uint16_t KeyA = 'A';
constexpr uint16_t KeyC = 'C';
constexpr uint16_t KeyF = 'F';
constexpr uint16_t KeyV = 'V';
constexpr uint16_t KeyX = 'X';

} // namespace

bool TDudStringGrid::IsLastDataRow() const
{
    return Row() + 1 == RowCount() - FFixedFooters || (FloatingFooterVisible() && Row() + 2 == RowCount());
}

int32_t TDudStringGrid::VisibleFixedRightCols() const
{
    if (FNumHidden == 0)
        return FFixedRightCols;
    int32_t visible = 0;
    const int32_t last = ColCount() + FNumHidden - 1;
    for (int32_t col = last; col > last - FFixedRightCols && col >= 0; --col)
        if (!IsHiddenColumn(col))
            ++visible;
    return visible;
}

// The floating footer is the last row: the row count grows under it, so
// the new row opens just above the footer, which keeps its texts and its
// calculations.
void TDudStringGrid::AutoAddRow()
{
    if (!DoCanAddRow())
        return;
    GrowRowCount();
    if (FloatingFooterVisible())
        ClearRows(RowCount() - 2, 1);
    else
        ClearRows(RowCount() - 1, 1);
    if (FloatingFooterVisible() || FFixedFooters > 0)
        SetRow(Row() + 1);
    if (FloatingFooterVisible())
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

bool TDudStringGrid::DoCanAddRow()
{
    bool canAdd = true;
    if (OnCanAddRow)
        OnCanAddRow(this, canAdd);
    return canAdd;
}

bool TDudStringGrid::DoCanInsertRow(int32_t aRow)
{
    bool canInsert = true;
    if (OnCanInsertRow)
        OnCanInsertRow(this, aRow, canInsert);
    return canInsert;
}

void TDudStringGrid::ScrollOnlyKey(uint16_t key)
{
    const int32_t page = VisibleRowCount();
    switch (key) {
    case VK_PRIOR:
        SetTopRow(page + FixedRows() < TopRow() ? TopRow() - page : FixedRows());
        break;
    case VK_NEXT:
        if (TopRow() + page < RowCount())
            SetTopRow(TopRow() + page);
        break;
    case VK_END:
        SetTopRow(RowCount() - page);
        break;
    case VK_HOME:
        SetTopRow(FixedRows());
        break;
    case VK_UP:
        if (TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        break;
    default:
        if (TopRow() + page < RowCount())
            SetTopRow(TopRow() + 1);
        break;
    }
}

// Enter or Space on a cell holding a check box, a radio group, a radio
// button or a button acts on that control.
void TDudStringGrid::ControlCellKey(uint16_t key, int32_t realCol)
{
    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditCell(realCol, Row(), canEdit);
    const bool space = key == VK_SPACE;
    if (space && HasCheckBox(realCol, Row()) && (canEdit || FControlLook->CheckAlwaysActive())) {
        ToggleCellCheck(realCol, Row(), true);
        if (FShowModified->Enabled()) {
            SetRowModified(RemapRowToReal(Row()), true);
            RepaintCell(0, Row());
        }
        bool state = false;
        GetCheckBoxState(realCol, RemapRowToReal(Row()), state);
        DoCheckBoxClick(realCol, Row(), state);
    }
    if (space && IsRadio(realCol, Row()) && (canEdit || FControlLook->RadioAlwaysActive())) {
        AdvanceRadioSelection(realCol, Row(), true);
        int32_t index = -1;
        GetRadioIdx(realCol, Row(), index);
        if (OnRadioClick)
            OnRadioClick(this, realCol, Row(), index);
    }
    if (space && HasRadioButton(realCol, Row()) && (canEdit || FControlLook->RadioAlwaysActive())) {
        SetRadioButtonColumnIndex(realCol, Row());
        if (OnRadioButtonClick)
            OnRadioButtonClick(this, realCol, Row());
    }
    const TCellType type = GetCellType(realCol, Row());
    if ((type == ctButton || type == ctBitButton) && canEdit)
        DoButtonClick(realCol, Row());
    RepaintCell(Col(), Row());
}

// Home and End by the HomeEndKey setting; true when the key was handled
// here and goes no further.
bool TDudStringGrid::HomeEndKeyDown(uint16_t key, TShiftState shift, int32_t leftCol)
{
    if (key != VK_HOME && key != VK_END)
        return false;
    const THomeEndAction action = FNavigation->HomeEndKey();
    const bool ctrl = shift.Contains(ssCtrl);
    const bool withShift = shift.Contains(ssShift);
    const bool rowSelect = Options().Contains(goRowSelect);
    // A grid of its fixed row alone leaves the row keys to the platform.
    const bool singleRow = FFixedRowAlways && RowCount() == 1;
    const int32_t entryRow = Row();
    const auto fireKeyDown = [&] {
        uint16_t reported = key;
        if (OnKeyDown)
            OnKeyDown(this, reported, shift);
    };
    const auto restoreScroll = [&] {
        if (rowSelect && FNavigation->KeepHorizScroll()) {
            StartUpdate();
            SetLeftCol(leftCol);
            ResetUpdate();
        }
    };
    const auto selectRowsTowards = [&](int32_t target) {
        if (!withShift) {
            if (FMouseActions->DisjunctRowSelect()) {
                ClearRowSelect();
                SyncRowSelectFromSelection(false);
            }
            return;
        }
        SetSelection(TGridRect { 0, std::min(entryRow, target), ColCount() - 1, std::max(entryRow, target) });
        if (FMouseActions->DisjunctRowSelect())
            SyncRowSelectFromSelection(true);
    };
    const auto moveTo = [&](int32_t aCol, int32_t aRow) {
        if (aCol >= 0)
            SetCol(aCol);
        if (aRow >= 0)
            SetRow(aRow);
        MoveToBaseCell();
    };
    const auto setLeftCol = [&](int32_t value) { SetLeftCol(std::max(value, FixedCols())); };

    if (key == VK_HOME && action == heFirstLastCell && !ctrl) {
        moveTo(FixedCols(), FixedRows());
        fireKeyDown();
        return true;
    }
    if (key == VK_HOME && action == heFirstLastRow && !ctrl) {
        if (singleRow)
            return false;
        moveTo(-1, FixedRows());
        selectRowsTowards(FixedRows());
        fireKeyDown();
        restoreScroll();
        return true;
    }
    if (key == VK_HOME && action == heFirstLastColumn && ctrl) {
        SetRow(FixedRows());
        moveTo(FirstTabColumn(Row()), -1);
        setLeftCol(FirstEditColumn());
        fireKeyDown();
        return true;
    }
    if (key == VK_END && action == heFirstLastCell && !ctrl) {
        moveTo(ColCount() - 1, RowCount() - 1);
        fireKeyDown();
        return true;
    }
    if (key == VK_END && action == heFirstLastRow && !ctrl) {
        if (singleRow)
            return false;
        const bool floating = FloatingFooterVisible();
        const int32_t target = floating && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1;
        SetRow(target);
        if (FFixedFooters > 0 && !floating)
            SetTopRow(RowCount() - VisibleRowCount());
        MoveToBaseCell();
        selectRowsTowards(Row());
        if (floating)
            SetTopRow(RowCount() - VisibleRowCount());
        fireKeyDown();
        restoreScroll();
        return true;
    }
    if (singleRow || rowSelect || ctrl || action != heFirstLastColumn)
        return false;
    if (key == VK_END) {
        if (withShift) {
            SetSelection(TGridRect { Col(), Row(), ColCount() - FFixedRightCols - 1, Row() });
            RepaintRow(Row());
        } else {
            moveTo(ColCount() - 1, -1);
            setLeftCol(ColCount() - VisibleColCount());
        }
        fireKeyDown();
        return true;
    }
    if (withShift) {
        SetSelection(TGridRect { FixedCols(), Row(), Col(), Row() });
        RepaintRow(Row());
    } else {
        moveTo(FirstTabColumn(Row()), -1);
        setLeftCol(FirstEditColumn());
    }
    fireKeyDown();
    return true;
}

// Left, Right, Up and Down step over fixed cells (the fixed columns of a
// column grid); true when the current cell was moved here.
bool TDudStringGrid::SkipFixedCellsKey(uint16_t key)
{
    const bool left = key == VK_LEFT;
    const bool right = key == VK_RIGHT;
    if (left && Col() > FixedCols() && IsFixed(Col() - 1, Row())) {
        int32_t col = Col() - 1;
        while (col > FixedCols() && IsFixed(col, Row()))
            --col;
        if (!IsFixed(col, Row())) {
            SetCol(col);
            return true;
        }
        return false;
    }
    if (right && Col() < ColCount() - FFixedRightCols - 1 && IsFixed(Col() + 1, Row())) {
        int32_t col = Col() + 1;
        while (col < ColCount() - FFixedRightCols - 1 && IsFixed(col, Row()))
            ++col;
        if (!IsFixed(col, Row())) {
            SetCol(col);
            return true;
        }
        return false;
    }
    const bool rowSelect = Options().Contains(goRowSelect);
    if (key == VK_UP && Row() > FixedRows() && IsFixed(Col(), Row() - 1)) {
        int32_t row = Row() - 1;
        while (!rowSelect && row > FixedRows() && IsFixed(Col(), row))
            --row;
        if (!IsFixed(Col(), row) || rowSelect) {
            SetRow(row);
            return true;
        }
        return false;
    }
    if (key == VK_DOWN && Row() + 1 < RowCount() - FFixedFooters && IsFixed(Col(), Row() + 1)) {
        int32_t row = Row() + 1;
        while (!rowSelect && row + 1 < RowCount() - FFixedFooters && IsFixed(Col(), row))
            ++row;
        if (!IsFixed(Col(), row) || rowSelect) {
            SetRow(row);
            return true;
        }
    }
    return false;
}

void TDudStringGrid::WMKeyDown(TMessage& message)
{
    auto key = static_cast<uint16_t>(message.WParam);
    const int32_t leftCol = LeftCol();
    FMoveSelection = Selection();
    const int32_t entryCol = Col();
    const int32_t entryRow = Row();
    const int32_t realCol = RemapColToReal(Col());
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    const bool keepHoriz = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN)
        && Options().Contains(goRowSelect) && leftCol != FixedCols() && FNavigation->KeepHorizScroll();
    const auto fireKeyDown = [&] {
        if (OnKeyDown)
            OnKeyDown(this, key, shift);
    };
    const auto swallow = [&] {
        message.WParam = 0;
        message.Result = 1;
    };

    if (FNavigation->MoveScrollOnly()
        && (key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME || key == VK_UP || key == VK_DOWN)) {
        ScrollOnlyKey(key);
        message.Result = 1;
        return;
    }

    const bool enterOrF2 = key == VK_RETURN || key == VK_F2;
    if (enterOrF2 && FMouseActions->EditOnDblClickOnly() && !Options().Contains(goEditing)) {
        const bool rangeEdit = FMouseActions->RangeSelectAndEdit();
        FMouseActions->SetRangeSelectAndEdit(true);
        const bool editable = IsEditable(realCol, Row());
        FMouseActions->SetRangeSelectAndEdit(rangeEdit);
        if (editable)
            SetOptions(Options() + TGridOptions { goEditing });
    }
    if (enterOrF2 && FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing)) {
        if (!IsEditable(realCol, Row())) {
            fireKeyDown();
            swallow();
            return;
        }
        SetOptions(Options() + TGridOptions { goEditing });
        ShowInplaceEdit();
    }
    if (key == KeyF && shift.Contains(ssCtrl) && FSearchFooter->Visible() && FSearchPanel) {
        TRetEdit* edit = FSearchPanel->EditControl();
        if (edit && edit->CanFocus())
            edit->SetFocus();
    }
    if (enterOrF2 && Options().Contains(goEditing) && !IsEditable(realCol, Row())) {
        fireKeyDown();
        swallow();
        return;
    }
    if (enterOrF2 && FEnableHTML) {
        const String text = GetGridCell(realCol, Row());
        if (ClassifyCellText(text, true) == ckMarkup && text.toUpper().contains(QLatin1String("<CONTROL"))) {
            // The cell's first form control that takes typed text opens.
            EditHTMLControlByID(Col(), Row(), String());
            message.Result = 1;
            return;
        }
    }
    // The character of this Enter still comes, so OnKeyPress sees it.
    if (key == VK_RETURN && !IsEditable(realCol, Row())) {
        const TForm* form = ParentForm();
        if (!(form && form->KeyPreview())) {
            fireKeyDown();
            swallow();
            return;
        }
    }

    if ((key == VK_RETURN || key == VK_SPACE) && IsControlCell(realCol, Row()))
        ControlCellKey(key, realCol);

    if (HomeEndKeyDown(key, shift, leftCol)) {
        message.Result = 0;
        return;
    }

    // A node row's merged cell opens and closes its group with the arrows.
    if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(Row()) && IsMergedCell(Col(), Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    const bool ctrl = shift.Contains(ssCtrl);
    if ((key == VK_LEFT || key == VK_RIGHT) && Options().Contains(goRowSelect) && ColCount() > VisibleColCount()
        && (ctrl || !FNavigation->LeftRightRowSelect())) {
        if (key == VK_LEFT && LeftCol() > FixedCols())
            SetLeftCol(LeftCol() - 1);
        else if (key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
            SetLeftCol(LeftCol() + 1);
        if (!FNavigation->LeftRightRowSelect()) {
            fireKeyDown();
            message.Result = 0;
            return;
        }
    }
    if (key == VK_TAB && Options().Contains(goTabs)) {
        NavigateTab(shift.Contains(ssShift));
        const TGridRect selection = Selection();
        if (!(selection == FMoveSelection))
            DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
        swallow();
        return;
    }
    if (FNavigation->SkipFixedCells() && IsArrowKey(key) && SkipFixedCellsKey(key)) {
        fireKeyDown();
        key = 0;
    }
    if (key == VK_DOWN && IsLastDataRow() && FNavigation->AppendOnArrowDown())
        AutoAddRow();
    if (FSelectionRectangle && !(Selection() == FMoveSelection)) {
        InvalidateCellRange(FMoveSelection);
        FMoveSelection = Selection();
    }
    // Scrolled to its end above the search panel, the grid keeps the last
    // row clear of the panel instead of moving past it.
    const bool searchEnd = FSearchFooter->Visible() && TopRow() >= RowCount() - VisibleRowCount();
    const bool lastRow = Row() == RowCount() - 1;
    if (searchEnd && lastRow
        && ((key == VK_DOWN) || (key == VK_RIGHT && Col() == ColCount() - 1) || (key == VK_LEFT && Col() == FixedCols()))) {
        if (key == VK_DOWN)
            AdjustTopRowForSearchFooter();
        message.Result = 1;
        fireKeyDown();
        return;
    }
    const int32_t searchTopRow = TopRow();
    const bool searchBracket = searchEnd && key != VK_SHIFT && key != VK_MENU && !IsNavigationKey(key);
    if (searchBracket)
        BeginUpdate();
    if (keepHoriz)
        BeginUpdate();

    message.WParam = key;
    if (key != 0)
        TBaseGrid::WMKeyDown(message);
    // An OnKeyDown handler may have turned the key into another one.
    key = static_cast<uint16_t>(message.WParam);

    if (searchBracket) {
        SetTopRow(searchTopRow);
        EndUpdate();
    }
    if (FSearchFooter->Visible() && Row() == RowCount() - 1
        && (key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN))
        AdjustTopRowForSearchFooter();
    if (keepHoriz) {
        SetLeftCol(leftCol);
        EndUpdate();
    }
    KeyDownTail(key, shift, entryCol, entryRow);
    const TGridRect selection = Selection();
    if (!(selection == FMoveSelection)) {
        DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
        FMoveSelection = selection;
    }
}

// What a key does after the platform moved the cursor: clipboard keys,
// row insertion and deletion, select-all and the disjunct selections.
void TDudStringGrid::KeyDownTail(uint16_t key, TShiftState shift, int32_t entryCol, int32_t entryRow)
{
    const bool ctrl = shift.Contains(ssCtrl);
    const bool withShift = shift.Contains(ssShift);
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool disjunctRows = FMouseActions->DisjunctRowSelect();
    const bool disjunctCols = FMouseActions->DisjunctColSelect();
    const int32_t selRow = disjunctRows && FMouseActions->RowSelectPersistent() ? RemapRowToReal(Row()) : Row();

    if (FNavigation->AllowClipboardShortCuts()) {
        enum { none, cut, copy, paste } action = none;
        if (ctrl && key == KeyX)
            action = cut;
        else if (ctrl && key == KeyV)
            action = paste;
        else if (ctrl && (key == VK_INSERT || key == KeyC))
            action = copy;
        else if (withShift && key == VK_INSERT)
            action = paste;
        else if (withShift && key == VK_DELETE)
            action = cut;
        if (action != none) {
            bool allow = true;
            const TClipboardEvent& event = action == cut ? OnClipboardCut : action == copy ? OnClipboardCopy : OnClipboardPaste;
            if (event)
                event(this, String(), allow);
            if (allow) {
                if (action == cut)
                    CutSelectionToClipboard();
                else if (action == copy)
                    CopySelectionToClipboard();
                else
                    PasteSelectionFromClipboard();
            }
            return;
        }
    }

    if (key == VK_INSERT && !ctrl && !withShift && !alt && FNavigation->AllowInsertRow()) {
        InsertRowByKey();
        return;
    }
    if (key == KeyA && ctrl && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect))) {
        SelectAllByKey();
        return;
    }
    if (IsNavigationKey(key) && disjunctRows) {
        if (!withShift && !ctrl)
            ClearRowSelect();
        if (withShift)
            SyncRowSelectFromSelection(true);
        else
            SetRowSelect(selRow, true);
    }
    if (IsNavigationKey(key) && disjunctCols) {
        if (!withShift && !ctrl)
            ClearColSelect();
        if (withShift)
            SyncColSelectFromSelection(true);
        else
            SetColSelect(Col(), true);
    }
    if (key == VK_SPACE && disjunctRows)
        SetRowSelect(selRow, !GetRowSelect(selRow));
    if (key == VK_SPACE && disjunctCols)
        SetColSelect(Col(), !GetColSelect(Col()));
    if (key == VK_DELETE && !alt && FNavigation->AllowDeleteRow() && RowCount() - FFixedFooters - FixedRows() >= 1)
        DeleteRowByKey();
    if (key == VK_TAB && Options().Contains(goTabs) && FFixedRightCols > 0
        && ColCount() + NumHiddenColumns() - FFixedRightCols == entryCol + 1) {
        if (RowCount() - FFixedFooters == entryRow + 1)
            SetRow(FixedRows());
        else if (Row() + 1 < RowCount())
            SetRow(Row() + 1);
        SetCol(FirstEditColumn());
    }
    if (key == VK_RETURN || key == VK_F2) {
        SaveOldCellState(Col(), Row());
        if (key == VK_F2)
            HandleF2Key();
    }
}

// Insert adds an empty row before (or after) the current one; the filter
// is off while it does, so the row lands among all rows.
void TDudStringGrid::InsertRowByKey()
{
    if (!DoCanInsertRow(Row()))
        return;
    const int32_t realRow = RealRowIndex(Row());
    int32_t displayRow = Row();
    const bool filterActive = FFilterActive;
    SetFilterActive(false);
    if (realRow < RowCount())
        SetRow(realRow);
    int32_t inserted = RealRowIndex(Row());
    if (FNavigation->InsertPosition() == pInsertAfter) {
        if (FFixedRowAlways && FixedRows() == RowCount()) {
            inserted = RealRowIndex(Row());
            KeyInsertRow(inserted);
            displayRow = 1;
        } else if (Row() < RowCount()) {
            inserted = RealRowIndex(Row() + 1);
            KeyInsertRow(inserted);
            if (displayRow + 1 < RowCount())
                ++displayRow;
        }
    } else {
        KeyInsertRow(inserted);
    }
    if (OnAutoInsertRow)
        OnAutoInsertRow(this, inserted);
    FGridModified = true;
    SetFilterActive(filterActive);
    SetRow(displayRow);
    CalcFooter(-1);
}

void TDudStringGrid::DeleteRowByKey()
{
    const int32_t realRow = RealRowIndex(Row());
    const bool filterActive = FFilterActive;
    SetFilterActive(false);
    bool canDelete = true;
    if (OnCanDeleteRow)
        OnCanDeleteRow(this, realRow, canDelete);
    if (!canDelete) {
        SetFilterActive(filterActive);
        return;
    }
    KeyDeleteRow(realRow);
    SetFilterActive(filterActive);
    if (FloatingFooterVisible() && Row() == RowCount() - 1)
        SetRow(RowCount() - 2);
    SaveOldCellState(Col(), Row());
    FGridModified = true;
    CalcFooter(-1);
}

void TDudStringGrid::SelectAllByKey()
{
    const TGridRect rect { FirstEditColumn(), FixedRows(), ColCount() - FFixedRightCols - 1,
        RowCount() - FFixedFooters - 1 };
    if (rect.Right < rect.Left || rect.Bottom < rect.Top)
        return;
    if (FMouseActions->DisjunctRowSelect())
        for (int32_t row = rect.Top; row <= rect.Bottom; ++row)
            SetRowSelect(row, true);
    AdjustKeySelection();
    FForceSel = true;
    TBaseGrid::FocusCell(rect.Right, rect.Bottom, false);
    FForceSel = false;
    SetSelection(rect);
}

void TDudStringGrid::KeyDown(uint16_t& key, TShiftState shift)
{
    FLastKeyCell = TGridCoord { Col(), Row() };
    TBaseGrid::KeyDown(key, shift);
    if (FNavigation->CursorMoveRows() && shift.Contains(ssCtrl) && (key == VK_UP || key == VK_DOWN))
        MoveSelectedRowsByKey(key == VK_DOWN);
    else if (FNavigation->CursorAdvance() != caDefault)
        CursorAdvanceKey(key);
    if (FNavigation->SkipDisabledRows() && FUseEnabledRows && Row() == FLastKeyCell.Y) {
        if (key == VK_UP) {
            for (int32_t row = FLastKeyCell.Y - 1; row >= FixedRows(); --row)
                if (GetRowEnabled(row)) {
                    SetRow(row);
                    break;
                }
        } else if (key == VK_DOWN) {
            for (int32_t row = FLastKeyCell.Y + 1; row < RowCount(); ++row)
                if (GetRowEnabled(row)) {
                    SetRow(row);
                    break;
                }
        }
    }
    if (FSyncGrid->Grid()) {
        if (FSyncGrid->SelectionColumn())
            FSyncGrid->Grid()->SetCol(Col());
        if (FSyncGrid->SelectionRow())
            FSyncGrid->Grid()->SetRow(Row());
    }
}

// Ctrl+Up and Ctrl+Down carry the selected rows one row along.
void TDudStringGrid::MoveSelectedRowsByKey(bool down)
{
    const TGridRect selection = Selection();
    const int32_t top = std::min(selection.Top, selection.Bottom);
    const int32_t bottom = std::max(selection.Top, selection.Bottom);
    const int32_t step = down ? 1 : -1;
    if (down ? bottom >= RowCount() - 1 : top <= FixedRows())
        return;
    const int32_t row = Row();
    if (top == bottom) {
        MoveRow(top, top + step);
        SetRow(row + step);
    } else {
        MoveRows(top, top + step, bottom - top + 1);
        SetSelection(TGridRect { FixedCols(), top + step, ColCount() - 1, bottom + step });
    }
}

// At the edge the cursor wraps around: within its row or column (loop),
// or on to the next or previous one (snake).
void TDudStringGrid::CursorAdvanceKey(uint16_t key)
{
    const bool snake = FNavigation->CursorAdvance() == caSnake;
    const int32_t lastDataRow = RowCount() - FFixedFooters - 1;
    const int32_t lastCol = ColCount() - FFixedRightCols - 1;
    if (key == VK_LEFT && FLastKeyCell.X == FixedCols()) {
        SetCol(lastCol);
        if (snake && Row() > FixedRows())
            SetRow(Row() - 1);
    } else if (key == VK_UP && FLastKeyCell.Y == FixedRows()) {
        SetRow(lastDataRow);
        if (snake && Col() > FixedCols())
            SetCol(Col() - 1);
    } else if (key == VK_RIGHT && FLastKeyCell.X + 1 == ColCount()) {
        SetCol(FixedCols());
        if (snake && Row() < lastDataRow)
            SetRow(Row() + 1);
    } else if (key == VK_DOWN && FLastKeyCell.Y + 1 == RowCount()) {
        SetRow(FixedRows());
        if (snake && Col() < lastCol)
            SetCol(Col() + 1);
    }
}

void TDudStringGrid::StartEditWithChar(TChar key)
{
    FStartEditChar = key;
    ShowEditor();
    // A text editor types the character through its kind's filter, over
    // the text it opened with.
    if (EditorMode() && NormalEdit()) {
        const TChar typed = NormalEdit()->FilterChar(key, false);
        if (typed != 0)
            ShowEditorChar(typed);
    }
    FStartEditChar = 0;
}

void TDudStringGrid::WMChar(TMessage& message)
{
    auto key = static_cast<TChar>(message.WParam);
    const int32_t realCol = RemapColToReal(Col());
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const String text = GetGridCell(realCol, Row());
    if (ClassifyCellText(text, true) == ckMarkup && text.toUpper().contains(QLatin1String("<CONTROL"))) {
        message.Result = 1;
        return;
    }
    if (FMouseActions->EditOnDblClickOnly()) {
        bool canEdit = false;
        CanEditCell(realCol, Row(), canEdit);
        if (canEdit)
            SetOptions(Options() + TGridOptions { goEditing });
    }
    // The key-down tail acts on these; they are no characters to type.
    if (FNavigation->AllowClipboardShortCuts() && ctrl && (key == 3 || key == 22 || key == 24)) {
        message.WParam = 0;
        return;
    }
    const bool controlCell = IsControlCell(realCol, Row());
    if (FMouseActions->RangeSelectAndEdit() && !controlCell && IsEditable(realCol, Row()) && key != VK_TAB
        && key != VK_ESCAPE && !ctrl) {
        TChar reported = key;
        if (OnKeyPress)
            OnKeyPress(this, reported);
        SetOptions(Options() + TGridOptions { goEditing });
        ScrollInView(Col(), Row());
        StartEditWithChar(key);
        return;
    }
    constexpr intptr_t keypadScanBit = intptr_t { 0x40 } << 16;
    if (FExcelStyleDecimalSeparator && key == '.' && (message.LParam & keypadScanBit) != 0)
        key = FormatSettings().DecimalSeparator.unicode();
    if (key == VK_RETURN && controlCell && FNavigation->AdvanceOnEnter()) {
        TBaseGrid::WMChar(message);
        return;
    }
    if (Options().Contains(goEditing) && key != VK_TAB && (key == VK_BACK || (key >= 32 && key <= 255))) {
        if (OnKeyPress)
            OnKeyPress(this, key);
        if (key != 0 && !controlCell && !EditorMode() && !FSpecialEditor)
            StartEditWithChar(key);
        return;
    }
    message.WParam = key;
    TBaseGrid::WMChar(message);
}

namespace {

TGridRect Ordered(const TGridRect& rect)
{
    return TGridRect { std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom),
        std::max(rect.Left, rect.Right), std::max(rect.Top, rect.Bottom) };
}

// Cells picked one by one from the keyboard: Shift makes the selection the
// picked block, Space picks the current cell alone (with Ctrl, adds it to
// the others or takes it away).
void PickCellsByKey(TDudStringGrid& grid, uint16_t key, TShiftState shift, const TGridRect& before)
{
    const TGridRect selection = Ordered(grid.Selection());
    const auto addSelection = [&](int32_t exceptCol, int32_t exceptRow) {
        for (int32_t row = selection.Top; row <= selection.Bottom; ++row)
            for (int32_t col = selection.Left; col <= selection.Right; ++col)
                if (col != exceptCol || row != exceptRow)
                    grid.SetSelectedCells(col, row, true);
    };
    if (shift.Contains(ssShift)) {
        const TGridRect old = Ordered(before);
        for (int32_t row = old.Top; row <= old.Bottom; ++row)
            for (int32_t col = old.Left; col <= old.Right; ++col)
                grid.SetSelectedCells(col, row, false);
        addSelection(grid.Col(), grid.Row());
    }
    if (key != VK_SPACE)
        return;
    const TPoint base = grid.BaseCell(grid.Col(), grid.Row());
    if (base.X < grid.FixedCols() || base.Y < grid.FixedRows())
        return;
    bool allow = true;
    if (grid.OnSelectCell)
        grid.OnSelectCell(&grid, base.X, base.Y, allow);
    if (!allow)
        return;
    if (shift.Contains(ssCtrl)) {
        grid.SetSelectedCells(base.X, base.Y, !grid.GetSelectedCells(base.X, base.Y));
    } else {
        while (grid.SelectedCellsCount() > 0) {
            const TGridCoord picked = grid.SelectedCell(grid.SelectedCellsCount() - 1);
            grid.SetSelectedCells(picked.X, picked.Y, false);
        }
        grid.SetSelectedCells(base.X, base.Y, true);
    }
    if (selection.Left != selection.Right || selection.Top != selection.Bottom)
        addSelection(base.X, base.Y);
    grid.RepaintCell(grid.Col(), grid.Row());
}

} // namespace

void TDudStringGrid::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_END || IsArrowKey(key) || key == VK_INSERT
        || key == VK_DELETE)
        SearchInc.clear();
    const TGridRect before = FMoveSelection;
    TBaseGrid::KeyUp(key, shift);
    if (FNavigation->AlwaysEdit() && (IsArrowKey(key) || (key == VK_TAB && Options().Contains(goTabs)))
        && !IsControlCell(RemapColToReal(Col()), Row()))
        ShowInplaceEdit();
    const TGridRect selection = Selection();
    if (!(selection == before) && (key == VK_TAB || IsArrowKey(key)))
        DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
    if (FMouseActions->DisjunctCellSelect() && !Options().Contains(goEditing))
        PickCellsByKey(*this, key, shift, before);
}

void TDudStringGrid::TopLeftChanged()
{
    TBaseGrid::TopLeftChanged();
    const TGridRect selection = Selection();
    if (FSelectionRectangle && selection.Bottom > selection.Top)
        Invalidate();
    // A background that stays put while the cells move under it (a fixed or
    // tiled picture, a gradient) is painted anew with them.
    const TBackGround& background = *FBackGround;
    const bool picture = background.Bitmap().Width() > 0 && background.Bitmap().Height() > 0;
    const bool gradient = (background.Display() == bdGradientHorz || background.Display() == bdGradientVert)
        && background.ColorTo() != clNone;
    if (picture || gradient)
        Invalidate();
    // A control editor does not follow its cell; the text editor does.
    if (EditMode && FSpecialEditor)
        HideInplaceEdit();
    UpdateFooter();
    CellControlsUpdate(false);
    if (vscrlctrl)
        vscrlctrl->Invalidate();
    if (hscrlctrl)
        hscrlctrl->Invalidate();
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (TDudStringGrid* synced = FSyncGrid->Grid()) {
        if (FSyncGrid->ScrollVertical())
            synced->SetTopRow(TopRow());
        if (FSyncGrid->ScrollHorizontal())
            synced->SetLeftCol(LeftCol());
    }
}

// ---- Tab navigation

bool TDudStringGrid::CanTabToCell(int32_t aCol, int32_t aRow)
{
    // A grid whose current cell cannot be edited has put goEditing aside
    // and still edits: its Tab looks for editable cells.
    const bool editing = Options().Contains(goEditing) || FEditDisable;
    bool canTab = editing ? IsEditable(RemapColToReal(aCol), aRow) : !IsFixed(aCol, aRow);
    if (OnSelectCell)
        OnSelectCell(this, aCol, aRow, canTab);
    return canTab;
}

int32_t TDudStringGrid::FirstTabColumn(int32_t aRow)
{
    for (int32_t col = 0; col < ColCount(); ++col)
        if (CanTabToCell(col, aRow))
            return col;
    return -1;
}

int32_t TDudStringGrid::LastTabColumn(int32_t aRow)
{
    for (int32_t col = ColCount() - 1; col >= 0; --col)
        if (CanTabToCell(col, aRow))
            return col;
    return -1;
}

// The grid moves the cursor itself: the cell checks let the move through.
void TDudStringGrid::TabTo(int32_t aCol, int32_t aRow)
{
    const int32_t col = std::clamp(aCol, 0, ColCount() - 1);
    const int32_t row = std::clamp(aRow, 0, RowCount() - 1);
    FForceSel = true;
    try {
        TBaseGrid::FocusCell(col, row, true);
    } catch (...) {
        FForceSel = false;
        throw;
    }
    FForceSel = false;
}

void TDudStringGrid::TabToBase(int32_t aCol, int32_t aRow)
{
    const TPoint base = BaseCell(aCol, aRow);
    TabTo(base.X, base.Y);
}

// One step of Tab order; answers whether the step ran past the end of the
// grid, and sets again when the new cell asks for another step.
bool TDudStringGrid::TabStep(bool backward, bool& again)
{
    again = false;
    const int32_t lastDataRow = RowCount() - FFixedFooters - 1;
    const int32_t lastCol = ColCount() - VisibleFixedRightCols() - 1;
    const bool leftRight = FNavigation->TabAdvanceDirection() == adLeftRight;
    const int32_t col = Col();
    const int32_t row = Row();

    if (backward && !leftRight) {
        if (row > FixedRows())
            TabTo(col, row - 1);
        else
            TabTo(col > FirstEditColumn() ? col - 1 : lastCol, lastDataRow);
        return false;
    }
    if (backward) {
        if (col > FirstEditColumn()) {
            for (int32_t c = col - 1; c >= FirstEditColumn(); --c) {
                if (CanTabToCell(c, row) && IsBaseCell(c, row)) {
                    TabTo(c, row);
                    return false;
                }
            }
            const int32_t previous = row > FixedRows() ? row - 1 : lastDataRow;
            const int32_t c = LastTabColumn(previous);
            if (c >= 0) {
                TabToBase(c, previous);
                if (row == FixedRows())
                    ScrollInView(Col(), Row());
            }
            return false;
        }
        int32_t c = lastCol;
        while (c > FixedCols() && !CanTabToCell(c, row))
            --c;
        TabToBase(c, row > FixedRows() ? row - 1 : lastDataRow);
        return false;
    }
    if (!leftRight) {
        const int32_t span = CellSpan(col, row).Y;
        if (row + span + 1 < RowCount() - FFixedFooters) {
            TabTo(col, row + span + 1);
            return false;
        }
        GoToFirstRow();
        if (col < lastCol) {
            TabTo(col + 1, Row());
            return false;
        }
        TabTo(FirstEditColumn(), Row());
        return true;
    }
    const int32_t bound = lastCol + 1;
    const int32_t spanX = CellSpan(col, row).X;
    if (col + spanX + 1 < bound) {
        for (int32_t c = col + spanX + 1; c < bound; ++c) {
            if (CanTabToCell(c, row)) {
                TabTo(c, row);
                again = !IsBaseCell(Col(), Row());
                return false;
            }
        }
        // The rest of the row has nothing to tab to.
        if (row < lastDataRow) {
            const int32_t next = FirstTabColumn(row + 1);
            bool allow = true;
            if (OnRowChanging)
                OnRowChanging(this, row, row + 1, allow);
            if (OnCellChanging)
                OnCellChanging(this, row, col, row + 1, next, allow);
            if (OnColChanging)
                OnColChanging(this, col, next, allow);
            if (allow)
                TabTo(next < 0 ? FixedCols() : next, row + 1);
            return false;
        }
        const int32_t first = FirstTabColumn(FixedRows());
        if (first >= 0)
            TabTo(first, FixedRows());
        return true;
    }
    if (row < lastDataRow) {
        for (int32_t c = FirstEditColumn(); c < ColCount(); ++c) {
            if (IsBaseCell(c, row + 1) && CanTabToCell(c, row + 1)) {
                TabTo(c, row + 1);
                return false;
            }
        }
        for (int32_t r = row + 2; r <= lastDataRow; ++r) {
            const int32_t c = FirstTabColumn(r);
            if (c >= 0) {
                TabTo(c, r);
                return false;
            }
        }
    }
    // The last data row: round to the first row, or add a row.
    if (FNavigation->TabToNextAtEnd() || !FNavigation->AdvanceInsert()) {
        GoToFirstRow();
    } else if (DoCanAddRow()) {
        if (FloatingFooterVisible()) {
            InsertRows(RowCount() - 1, 1, true);
            SetRow(RowCount() - 2);
        } else {
            SetRowCount(RowCount() + 1);
            SetRow(RowCount() - 1);
        }
        if (OnAutoAddRow)
            OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
    } else {
        GoToFirstRow();
    }
    const int32_t first = FirstTabColumn(Row());
    TabTo(first < 0 ? FirstEditColumn() : first, Row());
    return true;
}

bool TDudStringGrid::NavigateTab(bool backward)
{
    if (OnKeyDown) {
        uint16_t key = VK_TAB;
        OnKeyDown(this, key, backward ? TShiftState { ssShift } : TShiftState {});
        if (key != VK_TAB)
            return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow)
        return true;
    FLastTabCol = Col();
    FLastTabRow = Row();
    bool result = true;
    const bool editing = Options().Contains(goEditing) || FEditDisable;
    // Cells that cannot be edited are stepped over; a walk that comes back
    // to where it started, or stops moving, has found no cell to stop on
    // and ends where it began.
    const int64_t maxSteps = int64_t { ColCount() } * RowCount() + 1;
    bool found = false;
    for (int64_t steps = 0; steps < maxSteps; ++steps) {
        const TGridCoord before { Col(), Row() };
        bool again = false;
        const bool atEnd = TabStep(backward, again);
        if (atEnd && Parent() && FNavigation->TabToNextAtEnd()) {
            PostMessage(Parent(), WM_KEYDOWN, VK_TAB);
            result = false;
            found = true;
            break;
        }
        if ((Col() == FLastTabCol && Row() == FLastTabRow) || (Col() == before.X && Row() == before.Y))
            break;
        const bool editable = !editing || IsEditable(RemapColToReal(Col()), Row());
        if (!again && editable) {
            found = true;
            break;
        }
    }
    if (!found && (Col() != FLastTabCol || Row() != FLastTabRow))
        TabTo(FLastTabCol, FLastTabRow);
    if (FNavigation->AdvanceAutoEdit() && !IsControlCell(RemapColToReal(Col()), Row())
        && IsEditable(RemapColToReal(Col()), Row()))
        SimulateCellClick(Col(), Row());
    FLastTabCol = -1;
    FLastTabRow = -1;
    if (FNavigation->AlwaysEdit() && CanFocus())
        SetFocus();
    return result;
}
