#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_TextEditor.h"
#include "grid/base/RovIvir.h"
#include "platform/ui/Forms.h"

#include <algorithm>

// The grid's keyboard while it has the focus itself: keys, typed
// characters, Tab navigation, the key release, and the scroll notice.

namespace {

bool IsArrowKey(uint16_t key)
{
    return key >= VK_LEFT && key <= VK_DOWN;
}

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

void TDudStringGrid::AutoAddRow()
{
    if (!DoCanAddRow())
        return;
    GrowRowCount();
    ClearRows(RowCount() - 1, 1);
    if (FloatingFooterVisible() || FFixedFooters > 0)
        SetRow(Row() + 1);
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

void TDudStringGrid::WMKeyDown(TMessage& message)
{
    auto key = static_cast<uint16_t>(message.WParam);
    FMoveSelection = Selection();
    const int32_t realCol = RemapColToReal(Col());
    const TShiftState shift = KeyDataToShiftState(message.LParam);
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
    if (enterOrF2 && Options().Contains(goEditing) && !IsEditable(realCol, Row())) {
        fireKeyDown();
        swallow();
        return;
    }
    if (enterOrF2 && FEnableHTML) {
        const String text = GetGridCell(realCol, Row());
        if (ClassifyCellText(text, true) == ckMarkup && text.toUpper().contains(QLatin1String("<CONTROL"))) {
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

    if ((key == VK_RETURN || key == VK_SPACE) && IsControlCell(realCol, Row())) {
        bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
        CanEditCell(realCol, Row(), canEdit);
        const TCellType type = GetCellType(realCol, Row());
        if (key == VK_SPACE && HasCheckBox(realCol, Row()) && (canEdit || FControlLook->CheckAlwaysActive())) {
            ToggleCellCheck(realCol, Row(), true);
            if (FShowModified->Enabled()) {
                SetRowModified(RemapRowToReal(Row()), true);
                RepaintCell(0, Row());
            }
            bool state = false;
            GetCheckBoxState(realCol, RemapRowToReal(Row()), state);
            DoCheckBoxClick(realCol, Row(), state);
        }
        if ((type == ctButton || type == ctBitButton) && canEdit)
            DoButtonClick(realCol, Row());
        RepaintCell(Col(), Row());
    }

    if (key == VK_TAB && Options().Contains(goTabs)) {
        NavigateTab(shift.Contains(ssShift));
        const TGridRect selection = Selection();
        if (!(selection == FMoveSelection))
            DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
        swallow();
        return;
    }
    if (FNavigation->SkipFixedCells() && IsArrowKey(key)) {
        int32_t target = -1;
        if (key == VK_LEFT && Col() > FixedCols() && IsFixed(Col() - 1, Row())) {
            int32_t col = Col() - 1;
            while (col > FixedCols() && IsFixed(col, Row()))
                --col;
            if (!IsFixed(col, Row()))
                target = col;
            if (target >= 0)
                SetCol(target);
        } else if (key == VK_RIGHT && Col() < ColCount() - FFixedRightCols - 1 && IsFixed(Col() + 1, Row())) {
            int32_t col = Col() + 1;
            while (col < ColCount() - FFixedRightCols - 1 && IsFixed(col, Row()))
                ++col;
            if (!IsFixed(col, Row()))
                target = col;
            if (target >= 0)
                SetCol(target);
        }
        if (target >= 0) {
            fireKeyDown();
            key = 0;
            message.WParam = 0;
        }
    }
    if (key == VK_DOWN && IsLastDataRow() && FNavigation->AppendOnArrowDown())
        AutoAddRow();

    message.WParam = key;
    if (key != 0)
        TBaseGrid::WMKeyDown(message);
    key = static_cast<uint16_t>(message.WParam);

    if (key == VK_RETURN || key == VK_F2)
        SaveOldCellState(Col(), Row());
    const TGridRect selection = Selection();
    if (!(selection == FMoveSelection)) {
        DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
        FMoveSelection = selection;
    }
}

void TDudStringGrid::KeyDown(uint16_t& key, TShiftState shift)
{
    FLastKeyCell = TGridCoord { Col(), Row() };
    TBaseGrid::KeyDown(key, shift);
    if (FSyncGrid->Grid()) {
        if (FSyncGrid->SelectionColumn())
            FSyncGrid->Grid()->SetCol(Col());
        if (FSyncGrid->SelectionRow())
            FSyncGrid->Grid()->SetRow(Row());
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
    if (FNavigation->AllowClipboardShortCuts() && ctrl && (key == 3 || key == 22 || key == 24))
        return;
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
    TBaseGrid::WMChar(message);
}

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
}

void TDudStringGrid::TopLeftChanged()
{
    TBaseGrid::TopLeftChanged();
    const TGridRect selection = Selection();
    if (FSelectionRectangle && selection.Bottom > selection.Top)
        Invalidate();
    // A control editor does not follow its cell; the text editor does.
    if (EditMode && FSpecialEditor)
        HideInplaceEdit();
    CellControlsUpdate(false);
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
    bool canTab = Options().Contains(goEditing) ? IsEditable(RemapColToReal(aCol), aRow) : !IsFixed(aCol, aRow);
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

bool TDudStringGrid::NavigateTab(bool backward)
{
    if (OnKeyDown) {
        uint16_t key = VK_TAB;
        OnKeyDown(this, key, backward ? TShiftState { ssShift } : TShiftState {});
        if (key != VK_TAB)
            return true;
    }
    const TGridCoord start { Col(), Row() };
    const int32_t lastDataRow = RowCount() - FFixedFooters - 1;
    const int32_t lastCol = ColCount() - VisibleFixedRightCols() - 1;
    bool result = true;
    // Each step is one cell further in Tab order; read-only cells are
    // stepped over until the walk comes back to where it started.
    const int64_t maxSteps = int64_t { ColCount() } * RowCount();
    for (int64_t steps = 0; steps <= maxSteps; ++steps) {
        int32_t col = Col();
        int32_t row = Row();
        bool atEnd = false;
        if (!backward) {
            if (col < lastCol) {
                ++col;
            } else if (row < lastDataRow) {
                ++row;
                col = FirstEditColumn();
            } else if (!FNavigation->TabToNextAtEnd() && FNavigation->AdvanceInsert() && DoCanAddRow()) {
                SetRowCount(RowCount() + 1);
                row = RowCount() - 1;
                col = FirstEditColumn();
                if (OnAutoAddRow)
                    OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                atEnd = true;
            } else {
                row = FixedRows();
                col = FirstEditColumn();
                atEnd = true;
            }
        } else if (col > FirstEditColumn()) {
            --col;
        } else {
            row = row > FixedRows() ? row - 1 : lastDataRow;
            col = lastCol;
        }
        const TPoint base = BaseCell(RemapColToReal(col), row);
        FForceSel = true;
        try {
            TBaseGrid::FocusCell(RemapColToDispl(base.X), base.Y, true);
        } catch (...) {
            FForceSel = false;
            throw;
        }
        FForceSel = false;
        if (atEnd && FNavigation->TabToNextAtEnd() && Parent()) {
            PostMessage(Parent(), WM_KEYDOWN, VK_TAB);
            result = false;
            break;
        }
        if (!Options().Contains(goEditing) || IsEditable(RemapColToReal(Col()), Row()))
            break;
        if (Col() == start.X && Row() == start.Y)
            break;
    }
    if (FNavigation->AdvanceAutoEdit() && !IsControlCell(RemapColToReal(Col()), Row())
        && IsEditable(RemapColToReal(Col()), Row()))
        ShowInplaceEdit();
    FLastTabCol = -1;
    FLastTabRow = -1;
    if (FNavigation->AlwaysEdit() && CanFocus())
        SetFocus();
    return result;
}
