#include "grid/DudOder.h"

#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_HTMLHintWindow.h"
#include "grid/base/RovIvir.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"

#include <algorithm>

// The pointer's side of the grid: hover highlights, the select mode a press
// will use, the link cursor, sizing events and the tooltip of a cell.

namespace {

// The shared scroll bar of scrolling cells.
constexpr int32_t CellScrollBarWidth = 17;

// Below the cell the pointer is on, the tooltip leaves the pointer this
// much room.
constexpr int32_t HintGap = 6;
// An anchor's hint stands this far right of and above the pointer.
constexpr int32_t AnchorHintOffsetX = 8;
constexpr int32_t AnchorHintOffsetY = -16;

} // namespace

bool TDudStringGrid::IsHoverFixedCell(int32_t aCol, int32_t aRow) const
{
    if (FHoverFixedCells == hfNone)
        return false;
    if (aCol < FixedCols())
        return FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedColumns;
    if (aRow < FixedRows())
        return FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedRows;
    return false;
}

void TDudStringGrid::SetHoverRowIdx(int32_t aRow)
{
    if (aRow == FHoverRowIdx)
        return;
    const int32_t old = FHoverRowIdx;
    FHoverRowIdx = aRow;
    if (old >= 0 && old < RowCount())
        RepaintRow(old);
    if (aRow >= 0)
        RepaintRow(aRow);
}

void TDudStringGrid::SetHoverFixedCell(int32_t aCol, int32_t aRow)
{
    if (aCol == FHoverFixedX && aRow == FHoverFixedY)
        return;
    if (FHoverFixedX >= 0 && FHoverFixedY >= 0)
        RepaintCell(FHoverFixedX, FHoverFixedY);
    FHoverFixedX = aCol;
    FHoverFixedY = aRow;
    if (aCol >= 0 && aRow >= 0)
        RepaintCell(aCol, aRow);
}

void TDudStringGrid::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x, y, aCol, aRow);
    FOldSelection = Selection();
    // With RangeSelectAndEdit a press on the current cell edits it and a
    // Shift press elsewhere selects instead.
    if (FMouseActions->RangeSelectAndEdit() && button == mbLeft && !FMouseActions->EditOnDblClickOnly()
        && aCol >= 0 && aRow >= 0) {
        const bool current = aCol == Col() && aRow == Row();
        if (current && !Options().Contains(goEditing) && IsEditable(RemapColToReal(aCol), aRow)) {
            SetOptions(Options() + TGridOptions { goEditing });
            TBaseGrid::MouseDown(button, shift, x, y);
            ShowInplaceEdit();
            return;
        }
        if (!current && shift.Contains(ssShift) && Options().Contains(goEditing)) {
            SetOptions(Options() - TGridOptions { goEditing });
            TBaseGrid::MouseDown(button, shift, x, y);
            return;
        }
    }
    if (aCol >= 0 && aRow >= 0 && FixedDropDownDown(aCol, aRow, x))
        return;
    if (aCol >= 0 && aRow == FixedRows() - 1 && IsHoverFixedCell(aCol, aRow)
        && FControlLook->FixedGradientDownTo() != clNone)
        RepaintCell(aCol, aRow);
    FEditStart = true;
    try {
        TBaseGrid::MouseDown(button, shift, x, y);
    } catch (...) {
        FEditStart = false;
        throw;
    }
    FEditStart = false;
    if (shift.Contains(ssShift) && FSelectionRectangle) {
        const TGridRect selection = Selection();
        RepaintRect(TRect { selection.Left, selection.Top, selection.Right, selection.Bottom });
    }
    if (aCol >= 0 && aRow >= 0 && FixedCellPressEdits(button, aCol, aRow, { x, y })) {
        StartFixedCellEdit(aCol, aRow);
        return;
    }
    if (TDudStringGrid* synced = FSyncGrid->Grid()) {
        if (FSyncGrid->SelectionColumn())
            synced->SetCol(Col());
        if (FSyncGrid->SelectionRow())
            synced->SetRow(Row());
    }
}

// The header dropdown button: the right 16 pixels of a hovered fixed cell
// (clear of the sizing border). True when the press popped up its menu.
bool TDudStringGrid::FixedDropDownDown(int32_t aCol, int32_t aRow, int32_t x)
{
    if (!IsHoverFixedCell(aCol, aRow) || !FControlLook->FixedDropDownButton()
        || !DoCanShowFixedDropDown(RemapColToReal(aCol)))
        return false;
    const TRect cell = CellRect(aCol, aRow);
    const int32_t right = Options().Contains(goColSizing) ? cell.Right - 2 : cell.Right;
    if (x <= cell.Right - 16 || x >= right)
        return false;
    FDropDownDown = true;
    if (!FFixedDropDownMenu && !OnFixedDropDownClick)
        return false;
    FNoMouseLeave = true;
    TPopupMenu* menu = FFixedDropDownMenu;
    if (menu)
        menu->SetTag(aCol);
    bool keep = false;
    if (OnFixedDropDownClick)
        OnFixedDropDownClick(this, aCol, aRow, menu, keep);
    if (menu) {
        FHoverFixedX = aCol;
        FHoverFixedY = aRow;
        RepaintCell(aCol, aRow);
        const TPoint at = ClientToScreen({ cell.Right - 16, cell.Bottom });
        menu->Popup(at.X, at.Y);
        FHoverFixedX = -1;
        FHoverFixedY = -1;
        RepaintCell(aCol, aRow);
    }
    FNoMouseLeave = keep;
    return true;
}

bool TDudStringGrid::FixedCellEditWanted(int32_t aCol, int32_t aRow, TGridFixedCellEdit how) const
{
    return (aRow < FixedRows() && FMouseActions->FixedRowsEdit() == how)
        || (aCol < FixedCols() && FMouseActions->FixedColsEdit() == how);
}

// A left press edits a header cell only clear of its sizing borders; a right
// press edits it at once.
bool TDudStringGrid::FixedCellPressEdits(TMouseButton button, int32_t aCol, int32_t aRow, TPoint point) const
{
    if (button == mbRight)
        return FixedCellEditWanted(aCol, aRow, fceRightClick);
    if (button != mbLeft)
        return false;
    const TRect cell = CellRect(aCol, aRow);
    const bool clearX = !Options().Contains(goColSizing) || (point.X > cell.Left + 4 && point.X < cell.Right - 4);
    const bool clearY = !Options().Contains(goRowSizing) || (point.Y > cell.Top + 4 && point.Y < cell.Bottom - 4);
    return (aRow < FixedRows() && FMouseActions->FixedRowsEdit() == fceLeftClick && clearX)
        || (aCol < FixedCols() && FMouseActions->FixedColsEdit() == fceLeftClick && clearY);
}

// The cell under the pointer gets the shared scroll bar when it scrolls,
// inside its grid lines at its right edge; any other cell hides the bar.
void TDudStringGrid::CellScrollBarMove(int32_t aCol, int32_t aRow)
{
    const int32_t realCol = RemapColToReal(aCol);
    if (!HasScrollBar(realCol, aRow)) {
        if (FScrollBar)
            FScrollBar->SetVisible(false);
        return;
    }
    // The bar under the pointer keeps what its user is doing with it.
    if (FScrollBar && FScrollBar->Visible() && FScrollCol == realCol && FScrollRow == aRow)
        return;
    TScrollBar& bar = CellScrollBar(realCol, aRow);
    const TRect cell = CellRect(aCol, aRow);
    const int32_t line = GridLineWidth();
    bar.SetBounds(cell.Right - CellScrollBarWidth - line, cell.Top + line, CellScrollBarWidth, cell.Height() - 2 * line);
    bar.SetEnabled(true);
    const TScrollProp prop = GetScrollProp(realCol, aRow);
    bar.SetVisible(prop.PageSize < prop.Range);
}

// Disjunct cells: Shift adds the pressed cell, Ctrl toggles it, a plain
// press starts a new list; a dragged rectangle joins the list. False when
// OnSelectCell refused the cell.
bool TDudStringGrid::DisjunctCellUp(int32_t aCol, int32_t aRow, TShiftState shift)
{
    const TPoint base = BaseCell(aCol, aRow);
    const bool baseFixed = IsFixed(base.X, base.Y) || base.X < FixedCols() || base.Y < FixedRows();
    if (!baseFixed) {
        bool canSelect = true;
        if (OnSelectCell)
            OnSelectCell(this, base.X, base.Y, canSelect);
        if (!canSelect)
            return false;
        if (shift.Contains(ssShift)) {
            SetSelectedCells(aCol, aRow, true);
        } else if (shift.Contains(ssCtrl)) {
            SetSelectedCells(base.X, base.Y, !GetSelectedCells(base.X, base.Y));
        } else {
            ClearSelectedCells();
            Invalidate();
            SetSelectedCells(base.X, base.Y, true);
        }
    } else if (!shift.Contains(ssCtrl) && aCol >= FixedCols() && aRow >= FixedRows()) {
        ClearSelectedCells();
        Invalidate();
    }
    const TGridRect selection = Selection();
    if (selection.Left == selection.Right && selection.Top == selection.Bottom) {
        RepaintCell(selection.Left, selection.Top);
        return true;
    }
    for (int32_t row = selection.Top; row <= selection.Bottom; ++row)
        for (int32_t col = selection.Left; col <= selection.Right; ++col)
            if (!(col == base.X && row == base.Y) && !GetSelectedCells(col, row))
                SetSelectedCells(col, row, true);
    Invalidate();
    return true;
}

void TDudStringGrid::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x, y, aCol, aRow);
    if (!(button == mbLeft && FilterButtonUp(aCol, aRow, { x, y })))
        CloseFilterList();
    FDropDownDown = false;
    // A border dragged out of the grid is let go without sizing anything.
    if ((FGridState == gsColSizing && x > Width()) || (FGridState == gsRowSizing && y > Height())) {
        FGridState = gsNormal;
        ColSized = false;
        Rowsized = false;
        Invalidate();
        return;
    }
    if (FMouseActions->DisjunctCellSelect() && button == mbLeft && aCol >= 0 && aRow >= 0
        && !DisjunctCellUp(aCol, aRow, shift))
        return;
    const bool reports = button == mbLeft || (button == mbRight && FMouseActions->SelectOnRightClick());
    TGridRect selection = Selection();
    if (reports && !(selection == FOldSelection))
        DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
    TBaseGrid::MouseUp(button, shift, x, y);
    // A border let go where it was sized nothing: no end of sizing to report.
    ColSized = false;
    Rowsized = false;
    if (aCol >= 0 && aRow == FixedRows() - 1 && IsHoverFixedCell(aCol, aRow)
        && FControlLook->FixedGradientDownTo() != clNone)
        RepaintCell(aCol, aRow);
    if (!(Selection() == selection)) {
        selection = Selection();
        DoSelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
    }
}

void TDudStringGrid::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    if (shift.Contains(ssLeft) && FMouseKeepDown && FMouseActions->RangeSelectAndEdit()
        && Options().Contains(goEditing) && !EditorMode())
        SetOptions(Options() - TGridOptions { goEditing });

    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x, y, aCol, aRow);
    const bool onCell = aCol >= 0 && aRow >= 0;
    ShowCellBalloon(x, y);
    if (onCell && HoverRow())
        SetHoverRowIdx(aRow);
    if (onCell && !IsDesigning())
        CellScrollBarMove(aCol, aRow);
    if (FHoverFixedCells != hfNone && !FNoMouseLeave) {
        if (onCell && IsHoverFixedCell(aCol, aRow))
            SetHoverFixedCell(aCol, aRow);
        else
            SetHoverFixedCell(-1, -1);
    }
    HoverButtonMove(aCol, aRow, { x, y });

    if (FMouseSelectStart >= 0 && FMouseSelectMode == msRow && FMouseActions->RowSelect()) {
        const int32_t lastRow = RowCount() - FixedFooters() - 1;
        if (aRow >= FixedRows() && aRow <= lastRow) {
            SetSelection({ FixedCols(), std::max(FixedRows(), std::min(FMouseSelectStart, aRow)), ColCount() - 1,
                std::max(FMouseSelectStart, aRow) });
        }
        if (y > Height() - 4)
            SetTopRow(TopRow() + 1);
        else if (FixedRows() > 0 && y < RowHeights(0) && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
    } else if (FMouseSelectStart >= 0 && FMouseSelectMode == msColumn && FMouseActions->ColSelect()) {
        if (aCol >= FixedCols() && aCol < ColCount()) {
            SetSelection({ std::min(FMouseSelectStart, aCol), FixedRows(), std::max(FMouseSelectStart, aCol),
                RowCount() - 1 });
        }
    }

    FixedBorderMove(x, y, onCell);
    if (FGridState == gsColSizing)
        ColSized = true;
    else if (FGridState == gsRowSizing)
        Rowsized = true;
    bool allow = true;
    if (FGridState == gsColMoving && OnColumnMove)
        OnColumnMove(this, Movecell.X, allow);
    else if (FGridState == gsRowMoving && OnRowMove)
        OnRowMove(this, Movecell.Y, allow);
    if (!allow)
        FGridState = gsNormal;
    EnhancedMoveFeedback(x, y);

    // The mode is the one the next press will use; a drag keeps the mode
    // it started with.
    const bool buttonHeld = shift.Contains(ssLeft) || shift.Contains(ssRight) || shift.Contains(ssMiddle);
    if (!buttonHeld) {
        FMouseSelectMode = msNormal;
        TGridState sizing = gsNormal;
        int32_t index = 0;
        int32_t pos = 0;
        int32_t ofs = 0;
        CalcSizingState(x, y, sizing, index, pos, ofs);
        const bool onBorder = sizing != gsNormal;
        if (FSelectionResizer && FSelectionRectangle && SelectionGripRect().Contains({ x, y })) {
            FMouseSelectMode = msResize;
        } else if (onCell && aCol < FixedCols() && aRow < FixedRows() && FMouseActions->AllSelect()) {
            FMouseSelectMode = msAll;
        } else if (onCell && aRow < FixedRows() && aCol >= FixedCols() && FMouseActions->ColSelect() && !onBorder) {
            FMouseSelectMode = msColumn;
        } else if (onCell && aCol < FixedCols() && aRow >= FixedRows() && FMouseActions->RowSelect() && !onBorder) {
            const bool footerRow = FloatingFooterVisible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
            if (aRow <= RowCount() - (footerRow ? 2 : 1))
                FMouseSelectMode = msRow;
        }
    }

    if (onCell && FLastHintPos.X >= 0) {
        const TPoint base = BaseCell(aCol, aRow);
        if (base.X != FLastHintPos.X || base.Y != FLastHintPos.Y) {
            Application->CancelHint();
            FLastHintPos = { -1, -1 };
        }
    }

    if (OleDragMove(shift, x, y))
        return;
    const TGridRect before = Selection();
    TBaseGrid::MouseMove(shift, x, y);
    if (FNavigation->KeepHorizScroll() && shift.Contains(ssLeft) && FGridState != gsColMoving)
        SetLeftCol(FOldKeepLeftCol);
    if (FGridState == gsSelecting && FSelectionRectangle && !(Selection() == FMoveSelection)) {
        InvalidateCellRange(FMoveSelection);
        InvalidateCellRange(Selection());
        FMoveSelection = Selection();
    }
    // The platform offers only the borders of scrolling columns and rows;
    // a fixed one within reach shows the sizing cursor as well.
    if (FSizeFixed || FSizingFixed)
        SetCursor(crHSplit);
    else if (FSizeFixedR || FSizingFixedR)
        SetCursor(crVSplit);

    // The platform has set the sizing cursor where a border is; elsewhere a
    // link takes the hand, and leaving it gives the grid's cursor back.
    UpdateHoverLink(onCell ? aCol : -1, aRow, x, y);
    const bool link = onCell && FGridState == gsNormal && Cursor() != crHSplit && Cursor() != crVSplit
        && !FAnchor.isEmpty();
    if (link && !Invokedchange) {
        FOldCursor = Cursor();
        Invokedchange = true;
        SetCursor(crHandPoint);
    } else if (!link && Invokedchange) {
        Invokedchange = false;
        SetCursor(FOldCursor);
    }

    if (FGridState == gsColSizing && Colclicked >= 0 && OnColumnSizing)
        OnColumnSizing(this, Colclicked, x - CellRect(Colclicked, 0).Left - Clickposdx);
    else if (FGridState == gsRowSizing && Rowclicked >= 0 && OnRowSizing)
        OnRowSizing(this, Rowclicked, y - CellRect(0, Rowclicked).Top - Clickposdy);
    else if (FSizingFixed && OnColumnSizing)
        OnColumnSizing(this, 0, FSizeFixedX);
    else if (FSizingFixedR && OnRowSizing)
        OnRowSizing(this, 0, FSizeFixedY);
    ShowSizingHint(x, y);
    if (FEnhRowColMove && (FGridState == gsColMoving || FGridState == gsRowMoving))
        Update();

    const TGridRect after = Selection();
    if (!(after == before))
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

void TDudStringGrid::CMMouseLeave(TMessage& message)
{
    TBaseGrid::CMMouseLeave(message);
    FMouseSelectMode = msNormal;
    FSizeFixed = false;
    FSizeFixedR = false;
    if (!FNoMouseLeave)
        SetHoverFixedCell(-1, -1);
    if (HoverRow())
        SetHoverRowIdx(-1);
}

void TDudStringGrid::CMHintShow(TMessage& message)
{
    auto& info = *reinterpret_cast<THintInfo*>(message.LParam);
    BuildCellHint(info.HintStr, info);
    message.Result = 0;
}

void TDudStringGrid::BuildCellHint(String& hintStr, THintInfo& hintInfo)
{
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(hintInfo.CursorPos.X, hintInfo.CursorPos.Y, aCol, aRow);
    if (FControlLook->HintMaxWidth() > 0)
        hintInfo.HintMaxWidth = FControlLook->HintMaxWidth();
    hintInfo.HintColor = FHintColor;
    // Off the cells there is no cell to ask about: the grid's own hint
    // stands.
    if (aCol < 0 || aRow < 0)
        return;

    WideHintFontName() = Font().Name();
    const TPoint base = BaseCell(aCol, aRow);
    aCol = base.X;
    aRow = base.Y;
    FLastHintPos = { aCol, aRow };
    const int32_t realCol = RemapColToReal(aCol);
    const TRect cell = CellRect(aCol, aRow);
    TPoint position { hintInfo.CursorPos.X, cell.Bottom + HintGap };
    if (IsComment(realCol, aRow, hintStr))
        position = { cell.Right, cell.Top };
    TMarkupHit hit;
    if (FAnchorHint && ClassifyCellText(GetCellEx(realCol, aRow), FEnableHTML) == ckMarkup
        && MarkupHitTest(aCol, aRow, hintInfo.CursorPos.X, hintInfo.CursorPos.Y, hit) && hit.ControlID.isEmpty()
        && !hit.Anchor.isEmpty()) {
        String hint = hit.Title.isEmpty() ? hit.Anchor : hit.Title;
        if (OnAnchorHint)
            OnAnchorHint(this, aRow, realCol, hint);
        FLastAnchorHint = hint;
        hintStr = hint;
        position = { hintInfo.CursorPos.X + AnchorHintOffsetX, hintInfo.CursorPos.Y + AnchorHintOffsetY };
    }

    const bool footerRow = FloatingFooterVisible() && aRow == RowCount() - 1;
    const bool dataCell = aCol >= FixedCols() && aRow >= FixedRows() && aCol < ColCount() - FFixedRightCols
        && aRow < RowCount() - FFixedFooters && !footerRow;
    if (FHintShowCells && dataCell) {
        position = { cell.Left, cell.Top };
        hintStr = FHTMLHint ? GetCellEx(realCol, aRow) : GetStrippedCell(realCol, aRow);
    }
    if (FHintShowLargeText) {
        const String text = GetCellEx(realCol, aRow);
        const bool markup = ClassifyCellText(text, true) == ckMarkup;
        TCanvas& canvas = Canvas();
        canvas.SetFont(aRow < FixedRows() || aCol < FixedCols() ? FixedFont() : Font());
        const String shown = markup ? GetStrippedCell(realCol, aRow) : text;
        if (canvas.TextWidth(shown) > cell.Right - cell.Left || canvas.TextHeight(shown) > cell.Bottom - cell.Top) {
            hintStr = FHTMLHint || !markup ? text : shown;
            if (FHintShowLargeTextPos == hpCell)
                position = { cell.Left, cell.Top };
        }
    }
    if (!footerRow) {
        String wide;
        DoGridHint(aCol, aRow, hintStr, wide);
    }
    const int32_t kind = ClassifyCellText(hintStr, true);
    if ((kind == ckMarkup || kind == ckWide) && FUseInternalHintClass) {
        hintInfo.HintWindowClass = HintWindowClassOf<THTMLHintWindow>;
        hintInfo.HintData = static_cast<TComponent*>(this);
    }
    hintInfo.HintPos = ClientToScreen(position);
    // Leaving the cell asks again, so the next cell shows its own hint.
    hintInfo.CursorRect = cell;
}
