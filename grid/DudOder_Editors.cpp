#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_EditorKinds.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridCombo.h"
#include "grid/DudOder_TextEditor.h"
#include "platform/ui/Forms.h"

// The cell editor framework: whether a cell is edited and with which
// editor, the editor control laid over the cell and the writing back of
// its value, the shared combo list, and what happens when the current cell
// is about to move.

namespace {

bool FlatLook(TGridLook look)
{
    return look != glStandard && look != glClassic && look != glCustom;
}

bool IsDateEditorKind(TEditorType kind)
{
    return kind == edDateEdit || kind == edDateEditUpDown || kind == edTimeEdit || kind == edDateTimeEdit;
}

// A footer over the grid's bottom keeps the rows it covers from becoming
// current: the rows scroll up from under it, and a fixed last row under a
// floating footer is never current. False refuses the row.
bool KeepRowClearOfFooters(TDudStringGrid& grid, int32_t searchPanelHeight, int32_t aCol, int32_t aRow)
{
    const bool searchShown = grid.SearchFooter().Visible();
    const int32_t searchHeight = searchShown ? searchPanelHeight + 2 : 0;
    TFloatingFooter& footer = grid.FloatingFooter();
    const auto scrollDown = [&grid] {
        const int32_t topRow = grid.TopRow();
        grid.SetTopRowEx(topRow + 1);
        return grid.TopRow() != topRow;
    };
    if (footer.Visible()) {
        const int32_t footerTop = grid.ClientHeight() - footer.Height() - searchHeight + 2;
        if (footer.FooterStyle() == fsFixedLastRow) {
            if (aRow >= grid.TopRow() + grid.VisibleRowCount())
                grid.SetTopRowEx(aRow - grid.VisibleRowCount() + grid.FixedRows());
            if (footerTop < grid.CellRect(aCol, aRow).Bottom && aRow < grid.RowCount() - 1)
                scrollDown();
            if (aRow == grid.RowCount() - 1)
                return false;
        } else {
            footer.Invalidate();
            if (footerTop < grid.CellRect(aCol, aRow).Bottom && aRow < grid.RowCount())
                scrollDown();
        }
    }
    if (searchShown) {
        const int32_t panelTop = grid.ClientHeight() - searchPanelHeight + 2;
        while (panelTop < grid.CellRect(aCol, aRow).Bottom && aRow <= grid.RowCount() - 1
            && grid.TopRow() < grid.RowCount() - 1 && scrollDown()) {
        }
    }
    return true;
}

} // namespace

TInplaceEdit* TDudStringGrid::CreateEditor()
{
    return new TDudInplaceEdit(this);
}

TDudInplaceEdit* TDudStringGrid::NormalEdit() const
{
    return static_cast<TDudInplaceEdit*>(InplaceEditor());
}

bool TDudStringGrid::CanEditShow()
{
    // A special editor is open, or a validation is reopening one.
    if (FValidating || FSpecialEditor)
        return false;
    bool ret = TBaseGrid::CanEditShow();
    if (IsDesigning())
        return ret;
    const TPoint base = BaseCell(RemapColToReal(Col()), Row());
    if (ret && !EditMode && IsControlCell(base.X, base.Y))
        return false;
    if (ret && !EditMode) {
        FNoEditChange = true;
        FCellCache = CurrentCell();
        EditControl = FDefaultEditor;
        GetCellEditorType(base.X, base.Y, EditControl);
        switch (EditorRoute(EditControl)) {
        case TEditorRoute::erNone:
        case TEditorRoute::erToggle:
            return false;
        case TEditorRoute::erText:
            EditMode = true;
            FShowEditProcess = true;
            break;
        case TEditorRoute::erControl:
            EditMode = true;
            ShowCellEditorControl(RemapColToDispl(base.X), base.Y);
            FEntered = true;
            ret = false;
            PlaceEditFocusFrame();
            break;
        }
    }
    if (ret) {
        FEntered = true;
        FEditing = true;
        PlaceEditFocusFrame();
    }
    return ret;
}

void TDudStringGrid::ShowCellEditorControl(int32_t aCol, int32_t aRow)
{
    // A custom cell without a link is not edited at all.
    if (EditControl == edCustom && !FEditLink) {
        EditMode = false;
        FStartEditChar = 0;
        return;
    }
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    const TRect rect = TBaseGrid::CellRect(aCol, aRow);
    const int32_t realCol = RemapColToReal(aCol);
    const int32_t width = rect.Width() - 1;
    const int32_t height = rect.Height() - 1;

    const TCellAppearance look = CellAppearance(aCol, Row());
    const TColor background = CellBackground(look);

    EditCtrl = nullptr;
    // A link keeps a refusal until its key handling has seen it.
    if (EditControl != edCustom)
        FLastValidation = true;
    const String text = GetEditText(aCol, aRow);
    if (EditControl == edCustom)
        ShowEditLink(rect, realCol, aRow, background, look.Font, text);
    if (EditControl == edComboEdit || EditControl == edComboList) {
        const bool pickList = EditControl == edComboList;
        EditMode = true;
        EditCombo->SetDropDownCount(FControlLook->DropDownCount());
        DoGetEditorProp(realCol, aRow, FEditLink);
        EditCombo->SetBounds(rect.Left, rect.Top, width, height);
        EditCombo->SetEnabled(true);
        EditCombo->SetDroppedDown(false);
        EditCombo->SetStyle(pickList ? csDropDownList : csDropDown);
        // The list's height follows DropDownCount here; only the edit part is sized.
        if (!pickList)
            EditCombo->Perform(CB_SETITEMHEIGHT, static_cast<uintptr_t>(-1), height - 6);
        const TStrings& items = EditCombo->Items();
        bool autoSelected = false;
        if (pickList) {
            int32_t index = items.IndexOf(GetGridCell(realCol, aRow));
            if (FComboIdx == -1 && index == -1) {
                index = items.IndexOf(text);
                if (index == -1)
                    index = 0;
                autoSelected = true;
            } else if (index == -1) {
                index = FComboIdx;
            }
            EditCombo->SetItemIndex(index);
        } else {
            const int32_t index = items.IndexOf(text);
            EditCombo->SetItemIndex(index);
            if (index == -1)
                EditCombo->SetText(text);
            if (FComboIdx != -1 && EditCombo->ItemIndex() == -1)
                EditCombo->SetItemIndex(FComboIdx);
        }
        EditCombo->SetColor(background);
        EditCombo->SetMaxLength(pickList ? 0 : FMaxComboLength);
        EditCombo->SetVisible(true);
        EditCombo->SetFlat(FlatLook(FLook));
        EditCombo->SetEtched(FlatLook(FLook));
        if (FNavigation->AutoComboDropSize())
            EditCombo->SizeDropDownWidth();
        else if (EditCombo->DropWidth() > 0)
            EditCombo->Perform(CB_SETDROPPEDWIDTH, EditCombo->DropWidth());
        // The cell's text was not in the pick list: what the list now shows
        // is the user's first change, reported with the item really chosen.
        if (autoSelected && EditCombo->ItemIndex() >= 0)
            ComboChanged();
        if (EditCombo->CanFocus())
            EditCombo->SetFocus();
        EditCombo->SetDroppedDown(FMouseActions->DirectComboDrop() || FControlLook->DropDownAlwaysVisible());
        if (FMouseActions->DirectEdit() && FMouseActions->DirectComboDrop()) {
            const TGridRect selection = Selection();
            DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
        }
        if (FStartEditChar != 0)
            PostMessage(EditCombo, WM_CHAR, FStartEditChar);
        EditCtrl = EditCombo;
    }
    ShowControlEditor(aCol, aRow, rect, background);
    if (IsDateEditorKind(EditControl))
        ShowDateEditor(aCol, aRow, rect, background);
    if (EditControl == edRichEdit) {
        EditMode = true;
        ShowRichEditor(rect, realCol, aRow, background, look.Font);
    }
    FStartEditChar = 0;
}

void TDudStringGrid::CommitCellEditorControl(int32_t aCol, int32_t aRow)
{
    if ((ComponentState() & csDestroying) != 0)
        return;
    FSpecialEditor = false;
    FBlockKill = true;
    const int32_t realCol = RemapColToReal(aCol);
    FStartEditChar = 0;
    if ((EditControl == edComboEdit || EditControl == edComboList) && EditMode) {
        StoreEditValue(realCol, aRow, EditCombo->Text());
        EditMode = false;
        // The grid keeps the focus when its editor goes away under it.
        if (EditCombo->Focused() && CanFocus()) {
            FBlockFocus = true;
            SetFocus();
            FBlockFocus = false;
        }
        EditCombo->SetEnabled(false);
        EditCombo->SetVisible(false);
    }
    if (EditControl == edCustom)
        CommitEditLink(realCol, aRow);
    CommitControlEditor(realCol, aRow);
    if (IsDateEditorKind(EditControl))
        CommitDateEditor(realCol, aRow);
    if (EditControl == edRichEdit)
        CommitRichEditor(realCol, aRow);
    if (EditControl != edNormal && FEditActive)
        PostEditDone(realCol, aRow);
    FBlockKill = false;
    FEditActive = false;
}

void TDudStringGrid::StoreEditValue(int32_t aCol, int32_t aRow, const String& value)
{
    SetEditText(RemapColToDispl(aCol), aRow, value);
    SetGridCell(aCol, aRow, value);
}

void TDudStringGrid::RestoreCellCache()
{
    SetGridCell(RemapColToReal(Col()), Row(), FCellCache);
}

void TDudStringGrid::DoGetEditorProp(int32_t aCol, int32_t aRow, TEditLink* editLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, aCol, aRow, editLink);
    if (OnGetEditorPropInt)
        OnGetEditorPropInt(this, aCol, aRow);
}

void TDudStringGrid::DoCheckBoxClick(int32_t aCol, int32_t aRow, bool state)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, aCol, aRow, state);
}

void TDudStringGrid::PostEditDone(int32_t aCol, int32_t aRow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    EditMode = false;
    // Reported once the handler that ended the edit has returned.
    PostMessage(this, GridEditDoneMessage(), aCol, aRow);
}

void TDudStringGrid::GridEditDone(int32_t aCol, int32_t aRow)
{
    if (OnEditCellDone)
        OnEditCellDone(this, aCol, aRow);
    if (FMouseActions->EditOnDblClickOnly()) {
        HideInplaceEdit();
        EditMode = false;
        SetOptions(Options() - TGridOptions { goEditing });
    }
}

void TDudStringGrid::DoneInplaceEdit(uint16_t key, TShiftState shift)
{
    FBlockFocus = true;
    FEditing = false;
    try {
        HideInplaceEdit();
        if (FNavigation->AppendOnArrowDown() && key == VK_DOWN && IsLastDataRow())
            AutoAddRow();
        if (key == VK_TAB || (key >= VK_LEFT && key <= VK_DOWN)) {
            uint16_t gridKey = key;
            KeyDown(gridKey, shift);
        }
        const bool alwaysEdit = FNavigation->AlwaysEdit();
        FNavigation->SetAlwaysEdit(false);
        if (CanFocus())
            SetFocus();
        if (key == VK_RETURN)
            AdvanceEdit(Col(), Row(), false, true, true, false, false);
        FNavigation->SetAlwaysEdit(alwaysEdit);
    } catch (...) {
        FBlockFocus = false;
        throw;
    }
    FBlockFocus = false;
}

void TDudStringGrid::ShowCellEdit()
{
    uint16_t key = VK_F2;
    KeyDown(key, TShiftState {});
}

void TDudStringGrid::HideCellEdit()
{
    CommitCellEditorControl(Col(), Row());
}

bool TDudStringGrid::EditorWantsTab() const
{
    return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

// ---- the shared combo list

void TDudStringGrid::AddComboString(const String& value)
{
    EditCombo->Items().Add(value);
}

void TDudStringGrid::AddComboStringObject(const String& value, void* object)
{
    EditCombo->Items().AddObject(value, object);
}

bool TDudStringGrid::RemoveComboString(const String& value)
{
    const int32_t index = EditCombo->Items().IndexOf(value);
    if (index < 0)
        return false;
    EditCombo->Items().Delete(index);
    return true;
}

void TDudStringGrid::ClearComboString()
{
    EditCombo->Items().Clear();
}

int32_t TDudStringGrid::GetComboCount() const
{
    return EditCombo->Items().Count();
}

bool TDudStringGrid::SetComboSelectionString(const String& value)
{
    const int32_t index = EditCombo->Items().IndexOf(value);
    if (index < 0)
        return false;
    FComboIdx = index;
    return true;
}

void TDudStringGrid::SetComboIndex(int32_t aCol, int32_t aRow, int32_t value)
{
    DoGetEditorProp(aCol, aRow, nullptr);
    const TStrings& items = EditCombo->Items();
    if (value >= 0 && value < items.Count())
        SetCells(aCol, aRow, items.Strings(value));
}

int32_t TDudStringGrid::GetComboIndex(int32_t aCol, int32_t aRow)
{
    DoGetEditorProp(aCol, aRow, nullptr);
    return EditCombo->Items().IndexOf(Cells(aCol, aRow));
}

void TDudStringGrid::ComboChanged()
{
    if (!EditMode)
        return;
    const String text = EditCombo->Text();
    if (OnEditChange)
        OnEditChange(this, Col(), Row(), text);
    const int32_t index = EditCombo->ItemIndex();
    const TStrings& items = EditCombo->Items();
    const String selection = index < 0 ? text : items.Strings(index);
    const int32_t realCol = RemapColToReal(Col());
    if (OnComboChange)
        OnComboChange(this, realCol, Row(), index, selection);
    if (OnComboObjectChange)
        OnComboObjectChange(this, realCol, Row(), index, selection, index < 0 ? nullptr : items.Objects(index));
}

// ---- editability

bool TDudStringGrid::IsEditable(int32_t aCol, int32_t aRow)
{
    if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit() && !FEditDisable)
        return false;
    return BaseCellEditable(aCol, aRow);
}

bool TDudStringGrid::BaseCellEditable(int32_t aCol, int32_t aRow)
{
    const TPoint base = BaseCell(aCol, aRow);
    bool canEdit = true;
    CanEditCell(base.X, base.Y, canEdit);
    bool fixed = false;
    IsFixedCell(RealColIndex(base.X), base.Y, fixed);
    return canEdit && !fixed;
}

bool TDudStringGrid::IsFixed(int32_t aCol, int32_t aRow) const
{
    auto& grid = const_cast<TDudStringGrid&>(*this);
    const TPoint base = BaseCell(RemapColToReal(aCol), aRow);
    const int32_t displayCol = RemapColToDispl(base.X);
    if (base.Y >= RowCount() - FFixedFooters)
        return true;
    if (displayCol >= ColCount() - FFixedRightCols && displayCol < ColCount())
        return true;
    bool fixed = false;
    grid.IsFixedCell(displayCol, base.Y, fixed);
    return fixed;
}

// ---- moving the current cell

void TDudStringGrid::DoCellChanging(int32_t newCol, int32_t newRow, bool& allow)
{
    if (newRow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), newRow, allow);
    if (newCol != Col() && OnColChanging)
        OnColChanging(this, Col(), newCol, allow);
    if ((newCol != Col() || newRow != Row()) && OnCellChanging && !FDisableChange)
        OnCellChanging(this, Row(), Col(), newRow, newCol, allow);
}

bool TDudStringGrid::SelectCell(int32_t aCol, int32_t aRow)
{
    const TGridRect oldSelection = Selection();
    const bool hasIndicator = !FRowIndicator->Empty() && FixedCols() > 0;
    if (FForceSel) {
        if (hasIndicator) {
            RepaintCell(0, Row());
            RepaintCell(0, aRow);
        }
        return true;
    }
    if (!Parent())
        return true;
    bool allow = true;
    bool result = false;
    if (aCol < 0 || aRow < 0)
        return false;
    FEditText = GetEditText(aCol, aRow);
    if (!KeepRowClearOfFooters(*this, SearchPanelHeight(), aCol, aRow))
        return false;
    if (IsMergedNonBaseCell(RemapColToReal(aCol), aRow) && !Options().Contains(goRangeSelect)) {
        const TPoint base = BaseCell(RemapColToReal(aCol), aRow);
        MoveColRow(RemapColToDispl(base.X), base.Y, true, true);
        RepaintCell(RemapColToDispl(base.X), base.Y);
        if (FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && HasComboBox(aCol, aRow)))
            ShowEditor();
        return false;
    }
    if (aCol == 0 && FNumNodes > 0 && !Options().Contains(goRowSelect))
        return false;
    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && !GetRowEnabled(aRow))
        return false;

    const int32_t oldCol = Col();
    const int32_t oldRow = Row();
    const int32_t selLeft = oldSelection.Left;
    const int32_t selTop = oldSelection.Top;
    const int32_t realCol = RemapColToReal(aCol);
    String target = GetGridCell(realCol, aRow);
    const TDudInplaceEdit* normalEdit = NormalEdit();
    const bool textEditorFocused = normalEdit && normalEdit->Focused();

    if (IsControlCell(realCol, aRow)) {
        bool canEdit = true;
        CanEditCell(realCol, aRow, canEdit);
        if (!FEditDisable)
            FEditDisable = !canEdit && (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit());
        if (!Options().Contains(goEditing) && !Options().Contains(goRowSelect) && canEdit) {
            FEditChange = true;
            SetOptions(Options() + TGridOptions { goEditing });
        }
    } else {
        bool canEdit = Options().Contains(goEditing) || FEditDisable;
        CanEditCell(realCol, aRow, canEdit);
        if (canEdit && FMouseActions->DirectEdit()) {
            EditControl = FDefaultEditor;
            if (HasNoEditor(realCol, aRow))
                canEdit = false;
        }
        if (FMouseActions->EditOnDblClickOnly())
            canEdit = false;
        if (canEdit) {
            FEditDisable = false;
            if (!Options().Contains(goEditing)) {
                FEditChange = true;
                if (!FEditing)
                    SaveOldCellState(aCol, aRow);
                TGridOptions options = Options();
                if (options.Contains(goRowSelect) && FMouseActions->RangeSelectAndEdit())
                    options = options - TGridOptions { goRowSelect };
                SetOptions(options + TGridOptions { goEditing });
            }
        } else if (Options().Contains(goEditing)) {
            EditMode = false;
            FEditDisable = true;
            FEditChange = true;
            SetOptions(Options() - TGridOptions { goEditing });
            SetEditorMode(false);
        }
        if (FEditing && FSpecialEditor) {
            HideInplaceEdit();
            target = GetGridCell(realCol, aRow);
        }
    }

    if (FEditing && !textEditorFocused) {
        const String saved = FCellCache;
        const int32_t currentCol = RemapColToReal(Col());
        result = IsWideCell(currentCol, Row()) ? ValidateCellWide(FEditWideText) : ValidateCell(CurrentCell());
        DoCellChanging(aCol, aRow, allow);
        if (!allow)
            result = false;
        if (result)
            result = TBaseGrid::SelectCell(aCol, aRow);
        if (!result)
            target = saved;
    } else {
        DoCellChanging(aCol, aRow, allow);
        if (IsFixed(aCol, aRow) || !allow)
            result = (allow && Options().Contains(goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
        else
            result = TBaseGrid::SelectCell(aCol, aRow);
    }

    if (hasIndicator) {
        RepaintCell(0, oldRow);
        RepaintCell(0, aRow);
    }
    if (FISelect)
        FISelect->CellSelected(Col(), aRow);
    if (FActiveCellShow) {
        RepaintActiveHeaderCells(oldCol, oldRow, aCol, aRow);
        if (selLeft != oldCol && selTop != oldRow)
            RepaintActiveHeaderCells(selLeft, selTop, aCol, aRow);
    }
    if (ActiveRowShow()) {
        RepaintRow(aRow);
        RepaintRow(selTop);
    }
    if (FSelectionRectangle)
        Invalidate();
    if (!IsLoading() && aRow != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, aRow);
        FOldRowSel = aRow;
    }
    if (OnGetCellBorder)
        for (int32_t row = oldSelection.Top; row <= oldSelection.Bottom; ++row)
            RepaintRow(row);
    FCellCache = target;
    return result;
}

void TDudStringGrid::RepaintActiveHeaderCells(int32_t oldCol, int32_t oldRow, int32_t newCol, int32_t newRow)
{
    if (FixedRows() > 0) {
        RepaintCell(oldCol, FixedRows() - 1);
        RepaintCell(newCol, FixedRows() - 1);
    }
    if (FixedCols() > 0) {
        RepaintCell(FixedCols() - 1, oldRow);
        RepaintCell(FixedCols() - 1, newRow);
    }
}
