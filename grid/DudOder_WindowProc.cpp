#include "grid/DudOder.h"

#include "grid/DudOder_EditLink.h"
#include "grid/DudOder_EditorKinds.h"
#include "grid/base/DudStyleIF.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

// The grid's window procedure: the posted end of an edit, the end of an
// enhanced row or column move, the notifications of the controls laid over
// the cells, and the synchronised grid following the current row.

namespace {

// Whether window names a control on parent, found by its address alone: a
// command's sender is only a number until it is known to be one of ours.
bool IsChildWindow(const TWinControl& parent, intptr_t window)
{
    for (int32_t index = 0; index < parent.ControlCount(); ++index) {
        TControl* child = parent.Controls(index);
        if (reinterpret_cast<intptr_t>(child) == window)
            return true;
        const auto* windowed = dynamic_cast<const TWinControl*>(child);
        if (windowed && IsChildWindow(*windowed, window))
            return true;
    }
    return false;
}

} // namespace

void TDudStringGrid::WndProc(TMessage& message)
{
    if ((ComponentState() & csDestroying) != 0) {
        TBaseGrid::WndProc(message);
        return;
    }
    if (message.Msg == WM_OFFICETHEMECHANGED) {
        AdaptToOfficeTheme();
        return;
    }
    if (message.Msg == GridEditDoneMessage()) {
        GridEditDone(static_cast<int32_t>(message.WParam), static_cast<int32_t>(message.LParam));
        return;
    }
    if (message.Msg == WM_CANCELMODE && Screen->Cursor() == crDrag
        && (GridState() == gsRowMoving || GridState() == gsColMoving) && FEnhRowColMove)
        EndEnhancedMove();
    if (message.Msg == WM_LBUTTONUP)
        UpdateProportionalScrollBars();
    // Characters always reach the grid, which looks rows up by them.
    if (message.Msg == WM_GETDLGCODE) {
        TBaseGrid::WndProc(message);
        if (FNavigation->AutoGotoWhenSorted() || !Options().Contains(goEditing))
            message.Result |= DLGC_WANTCHARS;
        return;
    }
    if (message.Msg == WM_HSCROLL) {
        WMHScroll(message);
        return;
    }
    if (message.Msg == WM_VSCROLL) {
        WMVScroll(message);
        return;
    }
    if (message.Msg == WM_COMMAND && HandleCommand(message))
        return;

    const int32_t row = Row();
    TBaseGrid::WndProc(message);
    if (Row() != row && FSyncGrid->SelectionRow())
        if (TDudStringGrid* synced = FSyncGrid->Grid())
            synced->SetRow(Row());
}

void TDudStringGrid::EndEnhancedMove()
{
    HideMovePicture();
    Screen->SetCursor(crDefault);
    KillTimer(this, 1);
    FGridState = gsNormal;
}

// True when the command needs nothing more.
bool TDudStringGrid::HandleCommand(TMessage& message)
{
    const int32_t code = CommandCode(message.WParam);
    const bool fromChild = message.LParam != reinterpret_cast<intptr_t>(this) && IsChildWindow(*this, message.LParam);
    if (code == EN_CHANGE || fromChild) {
        // The sender hears its own notice back, as a control on a form
        // would from its parent: once, also for a text change.
        if (fromChild)
            SendMessage(reinterpret_cast<TControl*>(message.LParam), WM_COMMAND, message.WParam, message.LParam);
        if (EditorTextChanged(message))
            return true;
    }
    TWinControl* linkControl = FEditLink ? FEditLink->GetEditControl() : nullptr;
    if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && linkControl
        && message.LParam == reinterpret_cast<intptr_t>(linkControl) && OnComboChange) {
        // The whole item text, and the real column, as for the grid's own combo.
        const auto* combo = dynamic_cast<const TCustomComboBox*>(linkControl);
        const int32_t index = combo ? combo->ItemIndex() : -1;
        const String text = index < 0 ? String() : combo->Items().Strings(index);
        OnComboChange(this, RemapColToReal(Col()), Row(), index, text);
    }
    return false;
}

void TDudStringGrid::SimulateCellClick(int32_t aCol, int32_t aRow)
{
    const TRect rect = TBaseGrid::CellRect(aCol, aRow);
    const TMouseEvent mouseDown = OnMouseDown;
    const TMouseEvent mouseUp = OnMouseUp;
    FForceSel = true;
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    const auto restore = [&] {
        OnMouseDown = mouseDown;
        OnMouseUp = mouseUp;
        FForceSel = false;
    };
    try {
        TBaseGrid::MouseDown(mbLeft, TShiftState {}, rect.Left + 2, rect.Top + 2);
        TBaseGrid::MouseUp(mbLeft, TShiftState {}, rect.Left + 2, rect.Top + 2);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}
