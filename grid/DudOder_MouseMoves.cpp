#include "grid/DudOder.h"

#include "grid/DudOder_FixedEditors.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/VidEri.h"
#include "platform/ui/Forms.h"

#include <algorithm>

// The enhanced column and row move: while a header is dragged, its picture
// follows the pointer, arrows mark where it would land and the cursor says
// whether it may; the release moves it there. Also the hover look of cell
// buttons.

namespace {

// The arrows stand this far beside the border they mark.
constexpr int32_t ArrowOffset = 5;
constexpr int32_t ArrowAbove = 8;
constexpr int32_t ArrowLeft = 10;
// The platform's auto-scroll timer, which the release ends.
constexpr uintptr_t AutoScrollTimerId = 1;

} // namespace

bool TDudStringGrid::EnhancedMoveEnding() const
{
    const TCursor cursor = Screen->Cursor();
    return FEnhRowColMove && (FGridState == gsRowMoving || FGridState == gsColMoving)
        && (cursor == crDrag || cursor == crNoDrop);
}

void TDudStringGrid::EnhancedMoveFeedback(int32_t x, int32_t y)
{
    if (!FEnhRowColMove || (FGridState != gsColMoving && FGridState != gsRowMoving) || RowCount() <= 1)
        return;
    if ((x == Clickposx && y == Clickposy) || FSizingFixed || FSizingFixedR)
        return;
    bool allow = true;
    DoStartBlockFocus();
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x, y, aCol, aRow);
    ShowMovePicture(x, y, aCol, aRow);
    if (FGridState == gsColMoving) {
        const bool target = Movecell.X >= FixedCols() && aRow >= 0 && aCol >= FixedCols();
        if (target) {
            const TRect cell = CellRect(aCol, aRow);
            const int32_t at = (aCol < Movecell.X ? cell.Left : cell.Right) - ArrowOffset;
            ShowOleArrow(ArwU, arrUp, { at, cell.Bottom });
            ShowOleArrow(ArwD, arrDown, { at, cell.Top - ArrowAbove });
            FMoveTarget = aCol;
            if (OnColumnMoving)
                OnColumnMoving(this, aCol, allow);
        } else {
            HideOleArrows(true, true, false);
        }
        // Past the visible columns the grid scrolls to show the next one.
        if (VisibleColCount() < ColCount() - FixedCols()) {
            if (x < CellRect(FixedCols(), 0).Left && LeftCol() > FixedCols()) {
                SetLeftCol(LeftCol() - 1);
                Repaint();
            } else if (x > ClientWidth() && LeftCol() + VisibleColCount() < ColCount()) {
                SetLeftCol(LeftCol() + 1);
                Repaint();
            }
        }
    } else {
        const bool footerRow = FloatingFooterVisible() && aRow == RowCount() - 1;
        const bool target = Movecell.Y >= FixedRows() && aCol >= 0 && aRow >= FixedRows() && !footerRow;
        if (target) {
            const TRect cell = CellRect(aCol, aRow);
            const int32_t at = (aRow < Movecell.Y ? cell.Top : cell.Bottom) - ArrowOffset;
            ShowOleArrow(ArwL, arrLeft, { CellRect(0, aRow).Left - ArrowLeft, at });
            ShowOleArrow(ArwR, arrRight, { cell.Right, at });
            FMoveTarget = aRow;
            if (OnRowMoving)
                OnRowMoving(this, aRow, allow);
        } else {
            HideOleArrows(false, false, true);
            if (ArwR)
                ArwR->SetVisible(false);
        }
        if (VisibleRowCount() < RowCount() - FixedRows()) {
            if (y < CellRect(0, FixedRows()).Top && TopRow() > FixedRows()) {
                SetTopRow(TopRow() - 1);
                Repaint();
            } else if (y > ClientHeight() && TopRow() + VisibleRowCount() < RowCount()) {
                SetTopRow(TopRow() + 1);
                Repaint();
            }
        }
    }
    if (MoveButton && !FDragDropSettings->ShowCells()) {
        MoveButton->SetEnabled(true);
        MoveButton->SetVisible(true);
    }
    Screen->SetCursor(allow ? crDrag : crNoDrop);
}

void TDudStringGrid::ShowMovePicture(int32_t x, int32_t y, int32_t aCol, int32_t aRow)
{
    const bool columns = FGridState == gsColMoving;
    if (columns ? Movecell.X < FixedCols() || aRow < 0 : Movecell.Y < FixedRows() || aCol < 0)
        return;
    const TPoint at { x - MoveOfsX, y - MoveOfsY };
    if (FDragDropSettings->ShowCells()) {
        if (!MoveForm) {
            const int32_t lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
            const int32_t lastCol = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
            MoveForm.reset(SelectionToForm(columns ? TGridRect { Movecell.X, 0, Movecell.X, lastRow }
                                                   : TGridRect { 0, Movecell.Y, lastCol, Movecell.Y }));
            MoveForm->SetVisible(true);
        }
        const TPoint screen = ClientToScreen(at);
        MoveForm->SetBounds(screen.X, screen.Y, MoveForm->Width(), MoveForm->Height());
        return;
    }
    if (!MoveButton) {
        MoveButton = new THeaderDragButton(this);
        MoveButton->SetParent(this);
        MoveButton->SetGrid(this);
    }
    THeaderDragButton& button = *MoveButton;
    if (columns) {
        button.SetCaption(Cells(Movecell.X, 0));
        button.SetBounds(at.X, at.Y, ColWidths(Movecell.X), RowHeights(aRow));
    } else {
        button.SetCaption(Cells(0, Movecell.Y));
        button.SetBounds(at.X, at.Y, ColWidths(aCol), RowHeights(Movecell.Y));
    }
    button.BringToFront();
    button.Invalidate();
}

void TDudStringGrid::HideMovePicture()
{
    if (MoveButton) {
        MoveButton->SetEnabled(false);
        MoveButton->SetVisible(false);
    }
    MoveForm.reset();
}

// The release of an enhanced move: a refused target only repaints the
// header, an allowed one gets the moved column or row.
bool TDudStringGrid::EnhancedMoveUp(int32_t aCol, int32_t aRow)
{
    if (!EnhancedMoveEnding())
        return false;
    HideOleArrows(true, true, true);
    if (ArwR)
        ArwR->SetVisible(false);
    HideMovePicture();
    DoEndBlockFocus();
    const bool refused = Screen->Cursor() == crNoDrop;
    Screen->SetCursor(crDefault);
    const bool columns = FGridState == gsColMoving;
    KillTimer(this, AutoScrollTimerId);
    FGridState = gsNormal;
    FMoveTarget = -1;
    if (refused) {
        if (columns && FixedRows() > 0)
            RepaintRow(0);
        else if (!columns && FixedCols() > 0)
            Invalidate();
        return true;
    }
    if (columns && Movecell.X >= 0 && aCol >= FixedCols() && aCol != Movecell.X)
        MoveColumn(Movecell.X, aCol);
    else if (!columns && Movecell.Y >= 0 && aRow >= FixedRows() && aRow != Movecell.Y)
        MoveRow(Movecell.Y, aRow);
    return true;
}

// The release of an enhanced move is no context-menu click.
void TDudStringGrid::WMRButtonUp(TMessage& message)
{
    if (EnhancedMoveEnding()) {
        message.Result = 0;
        return;
    }
    TBaseGrid::MouseMessage(message);
}

void TDudStringGrid::HoverButtonMove(int32_t aCol, int32_t aRow, TPoint point)
{
    TGridCoord hover { -1, -1 };
    if (aCol >= 0 && aRow >= 0) {
        const TPoint base = BaseCell(aCol, aRow);
        const int32_t realCol = RemapColToReal(base.X);
        const bool onButton = IsBaseCellTypeIn(realCol, base.Y, { ctButton, ctBitButton })
            && GetCellGraphicRect(base.X, base.Y).Contains(point);
        const bool onExpand = HasExpand(realCol, base.Y) && GetExpandButtonRect(realCol, base.Y).Contains(point);
        if (onButton || onExpand)
            hover = { base.X, base.Y };
    }
    if (hover == FHoverButton)
        return;
    const TGridCoord old = FHoverButton;
    FHoverButton = hover;
    if (old.X >= 0)
        RepaintCell(old.X, old.Y);
    if (hover.X >= 0)
        RepaintCell(hover.X, hover.Y);
}
