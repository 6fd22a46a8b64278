#include "grid/DudOder.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_SearchPanel.h"

namespace {

// The cursors of the selection modes the mouse-move code sets; any cursor
// of the role will do.
struct TSelectCursor {
    TMouseSelectMode Mode;
    TCursor Cursor;
};

constexpr TSelectCursor SelectCursors[] = {
    { msColumn, crUpArrow },
    { msRow, crArrow },
    { msAll, crSizeAll },
    { msResize, crSizeAll },
};

constexpr TCursor CellSelectorCursor = crCross;

} // namespace

// A commit hands the focus around inside the grid; that is no focus loss.
void TDudStringGrid::WMKillFocus(TMessage& message)
{
    if (FBlockKill) {
        message.Result = 1;
        return;
    }
    TBaseGrid::WMKillFocus(message);
    const int32_t realCol = RemapColToReal(Col());
    if (IsMergedCell(realCol, Row()))
        RepaintCell(Col(), Row());
    // A form control pressed in a cell comes up when the grid loses the
    // mouse with the focus.
    if (FCtrlDown) {
        FCtrlDown = false;
        RepaintCell(RemapColToDispl(FCtrlXY.X), FCtrlXY.Y);
    }
}

void TDudStringGrid::WMSetCursor(TMessage& message)
{
    const TGridState state = GridState();
    const bool sizing = state == gsRowSizing || state == gsColSizing;
    bool shown = false;
    if (FMouseSelectMode != msNormal && !sizing) {
        for (const TSelectCursor& entry : SelectCursors)
            if (entry.Mode == FMouseSelectMode) {
                DisplayCursor(entry.Cursor);
                shown = true;
            }
        // Over a link the cursor stays as the mouse-move code set it.
        if (FMouseSelectMode == msURL)
            shown = true;
        message.Result = 1;
    } else if (FCellSelectorMode) {
        DisplayCursor(CellSelectorCursor);
        message.Result = 1;
        shown = true;
    }
    if (!shown) {
        TBaseGrid::WMSetCursor(message);
        const TPoint mouse = ScreenToClient(GetCursorPos());
        int32_t col = -1;
        int32_t row = -1;
        MouseToCell(mouse.X, mouse.Y, col, row);
        if (col >= 0 && row >= 0)
            DoGetCellCursor(col, row, mouse.X, mouse.Y);
    }
    if (FSizeFixed || FSizingFixed)
        DisplayCursor(crHSplit);
    if (FSizeFixedR || FSizingFixedR)
        DisplayCursor(crVSplit);
}

// With the search footer shown its buttons answer their accelerators; no
// other dialog character reaches the grid's children.
void TDudStringGrid::CMDialogChar(TMessage& message)
{
    message.Result = 0;
    if (!FSearchFooter->Visible() || !FSearchPanel)
        return;
    const auto character = static_cast<uint32_t>(message.WParam);
    TDudOderButton* const buttons[] = { FSearchPanel->ForwardButton(), FSearchPanel->BackwardButton(),
        FSearchPanel->HiliteButton() };
    for (TDudOderButton* button : buttons)
        if (button && button->Visible() && button->Enabled() && IsAccel(character, button->Caption())) {
            button->Click();
            message.Result = 1;
            return;
        }
}

void TDudStringGrid::CMEnabledChanged(TMessage& message)
{
    TBaseGrid::CMEnabledChanged(message);
    Invalidate();
}

void TDudStringGrid::CMColorChanged(TMessage& message)
{
    TBaseGrid::CMColorChanged(message);
    if (FFloatingFooter->Visible())
        FFloatingFooter->Invalidate();
}

// A cursor set from outside ends the mouse's selection mode; one the grid
// set itself does not.
void TDudStringGrid::CMCursorChanged(TMessage& message)
{
    TBaseGrid::CMCursorChanged(message);
    if (!Invokedchange)
        FMouseSelectMode = msNormal;
    Invokedchange = false;
}

void TDudStringGrid::ResetFixedCellHighlight()
{
    FSizeFixed = false;
    FSizeFixedR = false;
    FNoMouseLeave = false;
    if (FHoverFixedCells == hfNone || (FHoverFixedX == -1 && FHoverFixedY == -1))
        return;
    const int32_t col = FHoverFixedX;
    const int32_t row = FHoverFixedY;
    FHoverFixedX = -1;
    FHoverFixedY = -1;
    RepaintCell(col, row);
}
