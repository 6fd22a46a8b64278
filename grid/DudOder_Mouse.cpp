#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/RovIvir.h"
#include "platform/os/Clock.h"

#include <cstdlib>

// The button messages: what a press hits decides whether the platform grid
// moves the current cell, which cell events fire and whether an editor
// opens. The pointer steps they share (MouseDown, MouseUp, MouseMove) are in
// DudOder_Hover.cpp.

namespace {

// Closer than this to a header cell's side, a press starts a column-size
// drag rather than a click on the cell.
constexpr int32_t SizingMargin = 4;
// A double click this close to a header border sizes the column.
constexpr int32_t DblClickSizingMargin = 3;

} // namespace

void TDudStringGrid::MouseMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        WMLButtonDown(message);
        break;
    case WM_LBUTTONUP:
        WMLButtonUp(message);
        break;
    case WM_LBUTTONDBLCLK:
        WMLButtonDblClk(message);
        break;
    case WM_RBUTTONDOWN:
        WMRButtonDown(message);
        break;
    case WM_RBUTTONUP:
        WMRButtonUp(message);
        break;
    default:
        TBaseGrid::MouseMessage(message);
        break;
    }
}

void TDudStringGrid::WMLButtonDown(TMessage& message)
{
    const TPoint point = LParamToPoint(message.LParam);
    const TShiftState keys = KeyboardStateToShiftState();
    FDoOnClick = true;
    FMouseDownMove = true;
    FMouseKeepDown = true;
    FSpinUpClick = false;
    FSpinDnClick = false;
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(point.X, point.Y, aCol, aRow);
    const TGridRect before = Selection();
    if (SelectionGripDown(message, point))
        return;

    if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit() && !Selection().Contains(aCol, aRow))
        SetOptions(Options() - TGridOptions { goEditing });

    bool allow = true;
    if (OnCanClickCell)
        OnCanClickCell(this, aRow, aCol, allow);
    if (!allow)
        return;

    if (FCellSelectorMode) {
        CellSelectorClick(aCol, aRow);
        return;
    }
    if (FMouseActions->DisjunctCellSelect() && !keys.Contains(ssCtrl) && aCol >= FixedCols() && aRow >= FixedRows()) {
        FSelectedCells->Clear();
        Invalidate();
    }

    SearchInc.clear();
    FMoveColInd = -1;
    FMoveRowInd = -1;
    FSelectionClick = false;
    FPushedCellButton = { -1, -1 };
    FOldTopRow = TopRow();
    FOldKeepLeftCol = LeftCol();
    // The sizing drags measure the cell just left of and above the point,
    // so a press on a border belongs to the column or row it ends.
    MouseToCell(aCol == 0 ? point.X : point.X - 5, aRow == 0 ? point.Y : point.Y - 4, Colclicked, Rowclicked);
    if (Colclicked >= 0 && Rowclicked >= 0) {
        Colclickedsize = ColWidths(Colclicked);
        Rowclickedsize = RowHeights(Rowclicked);
    }
    Clickposx = point.X;
    Clickposy = point.Y;

    if (aCol < 0 || aRow < 0) {
        HideInplaceEdit();
        if (!FFixedRowAlways)
            TBaseGrid::MouseMessage(message);
        return;
    }
    const bool positionFixed = aRow < FixedRows() || aCol < FixedCols();
    const TPoint base = BaseCell(aCol, aRow);
    const bool merged = IsMergedCell(aCol, aRow);
    aCol = base.X;
    aRow = base.Y;
    if (FMouseActions->CaretPositioning())
        LButFlg = true;
    if (FixedBorderDown(point))
        return;
    const int32_t realCol = RemapColToReal(aCol);
    const bool fixedCell = IsFixed(aCol, aRow);
    if (positionFixed || fixedCell)
        HideInplaceEdit();
    const bool fixedData = fixedCell && !positionFixed;
    const bool dataCell = !positionFixed && !fixedCell;
    if (positionFixed || fixedData)
        PushFixedCell(aCol, aRow, point);
    if (!IsDesigning() && CellControlDown(aCol, aRow, point, keys))
        return;
    if (OleSelectionClick(point, aCol, aRow))
        return;
    if (RatingDown(aCol, aRow, point))
        return;

    // The platform selects the cell under the point: a press anywhere on a
    // merged area goes to its base cell.
    TMessage platform = message;
    if (merged && !fixedCell && !OnMouseDown) {
        const TRect baseRect = CellRect(aCol, aRow);
        platform.LParam = PointToLParam({ baseRect.Left + 2, baseRect.Top + 2 });
    }
    if (aCol >= ColCount() || aRow >= RowCount()) {
        TBaseGrid::MouseMessage(platform);
        return;
    }
    if (Colclicked >= 0 && Rowclicked >= 0) {
        const TRect clicked = CellRect(Colclicked, Rowclicked);
        Clickposdx = Clickposx - clicked.Right;
        Clickposdy = Clickposy - clicked.Bottom;
    } else {
        Clickposdx = Clickposx;
        Clickposdy = Clickposy;
    }

    // A cell button or expand button pressed shows pushed and holds the
    // mouse; the release over it clicks it.
    const bool button = IsBaseCellTypeIn(realCol, aRow, { ctButton, ctBitButton });
    const bool expand = HasExpand(realCol, aRow);
    if (button || expand) {
        HideInplaceEdit();
        if (!fixedCell) {
            FForceSel = true;
            if (SelectCell(aCol, aRow))
                TBaseGrid::FocusCell(aCol, aRow, true);
            FForceSel = false;
        }
        const TRect area = button ? GetCellGraphicRect(aCol, aRow) : GetExpandButtonRect(realCol, aRow);
        if (area.Contains(point)) {
            if (TCellGraphic* graphic = GetCellGraphic(realCol, aRow); graphic && button) {
                graphic->SetCellBoolean(true);
                RepaintCell(aCol, aRow);
            }
            FPushedCellButton = { aCol, aRow };
            SetMouseCapture(true);
            if (OnClickCell)
                OnClickCell(this, aRow, aCol);
            return;
        }
    }
    if (DisjunctSelectDown(aCol, aRow, keys, before, platform))
        return;

    // A form control or an anchor of a marked-up cell takes the press.
    if (!positionFixed && (FURLShow || ClassifyCellText(GetGridCell(realCol, aRow), FEnableHTML) == ckMarkup)
        && MarkupCellClick(aCol, aRow, point.X, point.Y))
        return;

    Movecell = { -1, -1 };
    if (aCol < FixedCols() && aRow < FixedRows()) {
        if (FMouseActions->AllSelect() && Options().Contains(goRangeSelect) && FMouseSelectMode == msAll) {
            if (CanFocus())
                SetFocus();
            ExportNotification(esExportStart, -1);
            ExportNotification(esExportNewRow, RowCount() - 1);
            ExportNotification(esExportFail, -1);
            HideSelection();
            TGridRect all { FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1 };
            AdjustMouseSelection(all);
            SetSelection(all);
            FSelHidden = false;
            DoExit();
        }
    } else if (aCol < FixedCols() && FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
        if (EditorMode() && CanFocus())
            SetFocus();
        const TGridRect previous = Selection();
        HideSelection();
        if (FMouseActions->DisjunctCellSelect())
            FSelectedCells->Clear();
        const int32_t fromRow = keys.Contains(ssShift) ? previous.Top : aRow;
        SetSelection({ FixedCols(), std::min(fromRow, aRow), ColCount() - 1, std::max(fromRow, aRow) });
        FSelHidden = false;
        DoExit();
        FMouseSelectStart = aRow;
    } else if (aRow < FixedRows() && FMouseActions->ColSelect() && Options().Contains(goRangeSelect)
        && FMouseSelectMode == msColumn) {
        if (EditorMode() && CanFocus())
            SetFocus();
        const TGridRect previous = Selection();
        HideSelection();
        if (FMouseActions->DisjunctCellSelect())
            FSelectedCells->Clear();
        int32_t fromCol = aCol;
        if (keys.Contains(ssShift))
            fromCol = aCol < previous.Left ? previous.Right : previous.Left;
        SetSelection({ std::min(fromCol, aCol), FixedRows(), std::max(fromCol, aCol), RowCount() - 1 });
        FSelHidden = false;
        DoExit();
        FMouseSelectStart = aCol;
    }
    if (aRow < FixedRows() && aCol >= FixedCols())
        Movecell = { aCol, -1 };
    else if (aCol < FixedCols() && aRow >= FixedRows())
        Movecell = { -1, aRow };
    // The moved header's picture keeps the pointer where it took the cell.
    const TRect pressed = CellRect(aCol, aRow);
    MoveOfsX = point.X - pressed.Left;
    MoveOfsY = point.Y - pressed.Top;

    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditCell(realCol, aRow, canEdit);

    const bool rowCheckColumn = aCol == 0 && FMouseActions->HotmailRowSelect();
    const bool checkable = canEdit || FControlLook->CheckAlwaysActive() || rowCheckColumn;
    const bool radio = HasRadioButton(realCol, aRow);
    if (checkable && (radio || HasCheckBox(realCol, aRow)) && IsInCheckBox(realCol, aRow, point.X, point.Y)) {
        HideInplaceEdit();
        if (CanFocus())
            SetFocus();
        const int32_t realRow = RealRowIndex(aRow);
        if (radio) {
            SelectRadioButtonCell(realCol, aRow, true);
            if (OnRadioButtonClick)
                OnRadioButtonClick(this, realCol, aRow);
        } else {
            ToggleCellCheck(realCol, aRow, true);
        }
        if (FShowModified->Enabled()) {
            SetRowModified(aRow, true);
            RepaintCell(0, aRow);
        }
        bool state = false;
        GetCheckBoxState(realCol, realRow, state);
        if (!FNavigation->AlwaysEdit() && dataCell)
            MoveColRow(aCol, aRow, true, true);
        DoCheckBoxClick(aCol, aRow, state);
        if (FHideFocusRect)
            RepaintCell(aCol, aRow);
        if (aRow < FixedRows() && FMouseActions->CheckAllCheck() && !radio) {
            for (int32_t row = FixedRows(); row < RowCount(); ++row)
                SetCheckBoxState(RemapColToReal(aCol), row, state);
            Invalidate();
        }
        if (OnMouseDown)
            OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), point.X, point.Y);
        Click();
        return;
    }

    const bool editOnDblClickOnly = FMouseActions->EditOnDblClickOnly();
    const bool hasCombo = dataCell && ControlLookDropDownAlwaysVisible() && HasComboBox(realCol, aRow);
    const bool mayEdit = canEdit || (editOnDblClickOnly && hasCombo);
    const bool directEdit = FMouseActions->DirectEdit() || hasCombo;
    if (dataCell && mayEdit && directEdit) {
        if (editOnDblClickOnly && hasCombo)
            EditMode = false;
        HideInplaceEdit();
        if (CanFocus())
            SetFocus();
    }

    const bool inSel = Selection() == TGridRect { aCol, aRow, aCol, aRow };
    bool startSelecting = false;
    if (!inSel && FMouseActions->RangeSelectAndEdit() && dataCell && !canEdit) {
        SetOptions(Options() - TGridOptions { goEditing });
        startSelecting = true;
    }

    if (fixedData) {
        const bool footerRow = FloatingFooterVisible() && FFloatingFooter->FooterStyle() == fsFixedLastRow
            && aRow == RowCount() - 1;
        if (!footerRow && OnClickCell)
            OnClickCell(this, aRow, aCol);
        return;
    }

    const bool edge = aRow == TopRow() + VisibleRowCount() || aCol == LeftCol() + VisibleColCount()
        || (aCol == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeftCol = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
    // A press that opens no editor of its own must not be turned into one
    // by the always-edit setting while the platform moves the cell.
    const bool alwaysEdit = FNavigation->AlwaysEdit();
    if (keepLeftCol)
        BeginUpdate();
    try {
        FNavigation->SetAlwaysEdit(false);
        if (!FSelHidden)
            TBaseGrid::MouseMessage(platform);
        FNavigation->SetAlwaysEdit(alwaysEdit);
        if (keepLeftCol)
            SetLeftCol(FOldKeepLeftCol);
    } catch (...) {
        FNavigation->SetAlwaysEdit(alwaysEdit);
        if (keepLeftCol)
            EndUpdate();
        throw;
    }
    if (keepLeftCol)
        EndUpdate();
    if (FGridState == gsSelecting && edge && FMouseActions->NoAutoRangeScroll())
        FGridState = gsNormal;
    if (TopRow() != FOldTopRow && FMouseActions->NoScrollOnPartialRow()) {
        SetTopRow(FOldTopRow);
        Perform(WM_LBUTTONUP, 0, 0);
    }

    const TRect cell = CellRect(aCol, aRow);
    const bool onSizingBorder = aRow < FixedRows() && Options().Contains(goColSizing)
        && (point.X - cell.Left < SizingMargin || cell.Right - point.X < SizingMargin);
    if (!onSizingBorder && OnClickCell)
        OnClickCell(this, aRow, aCol);
    if (OnCellValidate) {
        FEntered = false;
        SaveOldCellState(Col(), Row());
    }
    if (merged && dataCell && canEdit && (inSel || FMouseActions->DirectEdit()))
        ShowInplaceEdit();

    const bool insideCell = point.X > cell.Left + 3 && point.X < cell.Right - 3;
    if (insideCell && dataCell && mayEdit && directEdit) {
        if (editOnDblClickOnly && hasCombo) {
            SetOptions(Options() + TGridOptions { goEditing });
            if (CanFocus())
                SetFocus();
        }
        allow = true;
        if (Row() != aRow && OnRowChanging)
            OnRowChanging(this, Row(), aRow, allow);
        if (Col() != aCol && OnColChanging)
            OnColChanging(this, Col(), aCol, allow);
        if ((Row() != aRow || Col() != aCol) && OnCellChanging)
            OnCellChanging(this, Row(), Col(), aRow, aCol, allow);
        if (allow) {
            SetSelection({ aCol, aRow, aCol, aRow });
            SaveOldCellState(aCol, aRow);
            ShowEditor();
        }
    }
    if (startSelecting)
        FGridState = gsSelecting;
}

void TDudStringGrid::WMLButtonUp(TMessage& message)
{
    const TPoint point = LParamToPoint(message.LParam);
    const bool dragEnded = ColMoveFlg || FGridState == gsColSizing || FGridState == gsRowSizing
        || FGridState == gsColMoving || FGridState == gsRowMoving;
    ColMoveFlg = false;
    FMouseDown = false;
    FMouseKeepDown = false;
    FMouseDownMove = false;
    FMouseSelectMode = msNormal;
    FMouseSelectStart = -1;
    const bool fixedSized = FixedBorderUp(point);
    ReleaseFixedCell();

    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(point.X, point.Y, aCol, aRow);

    // A pressed cell button comes up; released over its button it clicks.
    if (FPushedCellButton.X >= 0) {
        const TGridCoord pressed = FPushedCellButton;
        FPushedCellButton = { -1, -1 };
        SetMouseCapture(false);
        const int32_t pressedReal = RemapColToReal(pressed.X);
        const bool onCell = aCol >= 0 && aRow >= 0;
        bool enabled = Options().Contains(goEditing);
        if (onCell && !FControlLook->NoDisabledButtonLook())
            enabled = BaseCellEditable(pressedReal, pressed.Y);
        // A fixed cell drawn as a button clicks wherever it comes up.
        const bool fixedButton = (pressed.X < FixedCols() && FFixedAsButtons) || pressed.Y < FixedRows();
        const bool sameCell = onCell && BaseCell(aCol, aRow) == TPoint { pressed.X, pressed.Y };
        const bool button = IsBaseCellTypeIn(pressedReal, pressed.Y, { ctButton, ctBitButton });
        const bool expand = HasExpand(pressedReal, pressed.Y);
        const bool inButton = sameCell && button && GetCellGraphicRect(pressed.X, pressed.Y).Contains(point);
        const bool inExpand = sameCell && expand && GetExpandButtonRect(pressedReal, pressed.Y).Contains(point);
        const bool pressedFixed =
            pressed.X < FixedCols() || pressed.Y < FixedRows() || IsFixed(pressed.X, pressed.Y);
        if (enabled || FControlLook->NoDisabledButtonLook() || pressedFixed) {
            TCellGraphic* graphic = GetCellGraphic(pressedReal, pressed.Y);
            if (graphic && button && !IsNode(pressed.Y)) {
                graphic->SetCellBoolean(false);
                RepaintCell(pressed.X, pressed.Y);
            }
            if (inButton || fixedButton)
                DoButtonClick(pressedReal, pressed.Y);
            if (expand && (inExpand || fixedButton))
                DoExpandClick(pressedReal, pressed.Y, ToggleExpand(pressedReal, pressed.Y));
        }
        HideSizingHint();
        if (inButton || inExpand)
            return;
    }
    HideSizingHint();

    const bool onFixedCell = (aRow >= 0 && aRow < FixedRows()) || (aCol >= 0 && aCol < FixedCols());
    const bool endsColumnSizing = aRow >= 0 && aRow < FixedRows() && Options().Contains(goColSizing)
        && Cursor() == crHSplit;
    if (onFixedCell && FDoOnClick && !endsColumnSizing)
        Click();
    FDoOnClick = false;
    // The selection the press made stands as it is when the button comes
    // up: a handler of the click may have changed it (a whole row picked
    // from OnClickCell), and the drag has already taken every cell it
    // passed.
    if (FGridState == gsSelecting) {
        FGridState = gsNormal;
        Click();
    }

    if (FSelectionClick && OleSelectionClickUp(point, aCol, aRow))
        return;
    DisjunctSelectUp(aCol, aRow);
    const bool moved = EnhancedMoveUp(aCol, aRow);
    TBaseGrid::MouseMessage(message);
    if (FGridState == gsSelecting)
        FGridState = gsNormal;
    SelectionGripUp();

    if (dragEnded || fixedSized || moved || aCol < 0 || aRow < 0)
        return;
    if (aCol < FixedCols() && !FSortSettings->FixedCols())
        return;
    const int32_t realCol = RemapColToReal(aCol);
    const bool checkBox = HasCheckBox(realCol, aRow);
    if (checkBox && OnCheckBoxMouseUp) {
        bool state = false;
        GetCheckBoxState(realCol, RealRowIndex(aRow), state);
        OnCheckBoxMouseUp(this, realCol, aRow, state);
    }
    // The up of a double click that sized a column does not sort.
    if (FDblClk) {
        FDblClk = false;
        return;
    }
    const TRect cell = CellRect(aCol, aRow);
    if (aRow == 0 && Options().Contains(goColSizing) && (point.X - cell.Left < 4 || cell.Right - point.X < 4))
        return;
    if (GetColumnFilter(realCol) && cell.Right - point.X < 16)
        return;
    int32_t downCol = -1;
    int32_t downRow = -1;
    MouseToCell(Clickposx, Clickposy, downCol, downRow);
    const int32_t sortRow = FSortSettings->Row();
    if (aRow != sortRow || downRow != sortRow || FixedRows() == 0 || checkBox || !FSortSettings->Show()
        || RowCount() <= 2)
        return;
    // A click on the sort row: the same column turns round (or, with UndoSort,
    // comes back unsorted), another column sorts in the initial direction; in
    // index mode the key held adds the column to the index list.
    const auto headerClickSort = [this](int32_t realCol, TShiftState shift) {
        HideInplaceEdit();
        if (FSortRowXRef->Count() != RowCount())
            InitSortXRef();
        const int32_t leftCol = LeftCol();
        const bool keepScroll = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
        if (keepScroll)
            BeginUpdate();
        const uint32_t started = Clock().TickCount();
        TSortSettings& settings = *FSortSettings;
        if (settings.IndexShow()) {
            const bool addKey = settings.IndexSortKey() == ikCtrl ? shift.Contains(ssCtrl) : shift.Contains(ssShift);
            const bool initialAscending = settings.InitSortDirection() == sdAscending;
            if (addKey) {
                if (FSortIndexes->FindIndex(realCol) >= 0)
                    FSortIndexes->ToggleIndex(realCol);
                else
                    FSortIndexes->AddIndex(realCol, initialAscending);
            } else if (FSortIndexes->Count() == 1 && FSortIndexes->SortColumns(0) == realCol) {
                FSortIndexes->ToggleIndex(realCol);
            } else {
                FSortIndexes->Clear();
                FSortIndexes->AddIndex(realCol, initialAscending);
            }
            if (HasNodes())
                QSortGroupIndexed();
            else
                QSortIndexed();
            settings.SetColumn(FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : -1);
        } else {
            bool sort = true;
            if (settings.Column() == realCol) {
                if (settings.UndoSort() && settings.Direction() != settings.InitSortDirection()) {
                    QUnSort();
                    settings.SetColumn(-1);
                    settings.SetDirection(settings.InitSortDirection());
                    sort = false;
                } else {
                    settings.ToggleDirection();
                }
            } else {
                settings.SetColumn(realCol);
                settings.SetDirection(settings.InitSortDirection());
            }
            if (sort && HasNodes())
                QSortGroup();
            else if (sort)
                QSort();
        }
        if (keepScroll) {
            SetLeftCol(leftCol);
            EndUpdate();
        }
        SortTime = static_cast<int32_t>(Clock().TickCount() - started);
        if (FNumCellControls > 0)
            CellControlsUpdate(true);
        Invalidate();
        DoClickSort(settings.Column());
    };
    bool doSort = !IsIgnoredColumn(realCol);
    if (OnCanSort)
        OnCanSort(this, realCol, doSort);
    if (!doSort) {
        RepaintCell(aCol, aRow);
        return;
    }
    headerClickSort(realCol, KeyboardStateToShiftState());
}

void TDudStringGrid::WMLButtonDblClk(TMessage& message)
{
    const TPoint point = LParamToPoint(message.LParam);
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(point.X, point.Y, aCol, aRow);
    if (FMouseActions->RangeSelectAndEdit())
        FForceSel = true;
    if (aCol == -1) {
        if (FFixedRowAlways) {
            TBaseGrid::MouseMessage(message);
            return;
        }
        aCol = ColCount() - 1;
        aRow = 0;
    }

    if (aRow >= 0 && aRow < FixedRows() && Options().Contains(goColSizing)
        && FMouseActions->AutoSizeColOnDblClick()) {
        const TRect cell = CellRect(aCol, aRow);
        int32_t sized = -1;
        if (std::abs(point.X - cell.Left) <= DblClickSizingMargin)
            sized = aCol - 1;
        else if (point.X >= cell.Right - DblClickSizingMargin)
            sized = aCol;
        if (sized >= FixedCols()) {
            FDblClk = true;
            bool allow = true;
            if (OnColumnSize)
                OnColumnSize(this, sized, allow);
            if (allow) {
                AutoSizeCol(sized, 0);
                if (OnEndColumnSize)
                    OnEndColumnSize(this, sized);
            }
            FForceSel = false;
            TBaseGrid::MouseMessage(message);
            return;
        }
    }

    if (aRow >= 0) {
        const int32_t realCol = RemapColToReal(aCol);
        // The second press on a cell or expand button is a click of it, and
        // a control cell takes its double click as two clicks.
        if (GetCellGraphicRect(aCol, aRow).Contains(point) && IsBaseCellTypeIn(realCol, aRow, { ctButton, ctBitButton })) {
            FForceSel = false;
            return;
        }
        if (HasExpand(realCol, aRow) && GetExpandButtonRect(realCol, aRow).Contains(point)) {
            FForceSel = false;
            return;
        }
        if (IsControlCell(realCol, aRow)) {
            TBaseGrid::MouseMessage(message);
            FForceSel = false;
            return;
        }
    }
    TBaseGrid::MouseMessage(message);
    if (OnDblClickCell)
        OnDblClickCell(this, aRow, aCol);
    // A grid that edits on a double click only opens the editor here.
    if (FMouseActions->EditOnDblClickOnly() && aCol >= 0 && aRow >= 0) {
        const bool rangeEdit = FMouseActions->RangeSelectAndEdit();
        FMouseActions->SetRangeSelectAndEdit(true);
        const bool editable = IsEditable(RemapColToReal(aCol), aRow);
        FMouseActions->SetRangeSelectAndEdit(rangeEdit);
        if (editable) {
            SetOptions(Options() + TGridOptions { goEditing });
            SaveOldCellState(aCol, aRow);
            ShowInplaceEdit();
        }
    }
    FForceSel = false;
    if (aCol >= 0 && aRow >= 0 && FixedCellEditWanted(aCol, aRow, fceDblClick))
        StartFixedCellEdit(aCol, aRow);
}

void TDudStringGrid::WMRButtonDown(TMessage& message)
{
    TBaseGrid::MouseMessage(message);
    const TPoint point = LParamToPoint(message.LParam);
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(point.X, point.Y, aCol, aRow);
    const bool onCell = aCol >= 0 && aRow >= 0;

    if (FMouseActions->SelectOnRightClick() && onCell && aCol >= FixedCols() && aRow >= FixedRows()
        && !(FMouseActions->DisjunctCellSelect() && IsSelected(aCol, aRow))) {
        if (OnRightClickCell) {
            FocusCell(aCol, aRow);
        } else {
            MouseDown(mbLeft, {}, point.X, point.Y);
            MouseUp(mbLeft, {}, point.X, point.Y);
        }
        if (IsSelected(aCol, aRow)) {
            bool canSelect = true;
            if (OnSelectCell)
                OnSelectCell(this, aCol, aRow, canSelect);
        } else {
            const TPoint base = BaseCell(aCol, aRow);
            const bool keepLeftCol = FNavigation->KeepHorizScroll();
            const int32_t leftCol = LeftCol();
            BeginUpdate();
            MoveColRow(base.X, base.Y, true, true);
            if (keepLeftCol)
                SetLeftCol(leftCol);
            EndUpdate();
        }
        if (FMouseActions->DisjunctRowSelect()) {
            const TShiftState keys = KeyboardStateToShiftState();
            if (keys.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl()) {
                SetRowSelect(aRow, !GetRowSelect(aRow));
            } else if (!(RowSelectCount() > 1 && PopupMenu() && GetRowSelect(aRow))) {
                ClearRowSelect();
                SetRowSelect(aRow, true);
            }
        }
    }

    if (OnRightClickCell)
        OnRightClickCell(this, aRow, aCol);

    if (FURLShow && FURLEdit && onCell && IsUrlText(GetCellEx(RemapColToReal(aCol), aRow))) {
        MoveColRow(aCol, aRow, true, true);
        ShowEditor();
    }
}
