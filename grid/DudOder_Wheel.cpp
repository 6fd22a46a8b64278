#include "grid/DudOder.h"

#include "platform/core/Math.h"
#include "platform/ui/SystemMetrics.h"

#include <algorithm>
#include <cstdlib>

// The mouse wheel: a notch moves the current row (or scrolls the rows) by
// the wheel-scroll lines of the desktop or the grid's own increment.

void TDudStringGrid::CMMouseWheel(TMessage& message)
{
    if (wheelmsg == 0 || wheelpan) {
        TBaseGrid::CMMouseWheel(message);
        return;
    }
    // Fine-grained wheels and touch pads send parts of a notch; the grid
    // moves once per whole notch and keeps the rest for the next message.
    FWheelDelta += static_cast<int32_t>(message.WParam);
    while (std::abs(FWheelDelta) >= WHEEL_DELTA) {
        const bool down = FWheelDelta < 0;
        FWheelDelta += down ? WHEEL_DELTA : -WHEEL_DELTA;
        WheelNotch(down, message);
    }
    message.Result = 1;
}

void TDudStringGrid::WheelNotch(bool down, const TMessage& message)
{
    const TGridRect before = Selection();
    if (!FEnableWheel || (FFixedRowAlways && RowCount() == 1))
        return;

    wheelscrl = std::abs(WheelScrollRows(WHEEL_DELTA, VisibleRowCount()));
    const bool scroll = FMouseActions->WheelAction() == waScroll;
    int32_t step = FMouseActions->WheelIncrement() >= 1 ? FMouseActions->WheelIncrement() : wheelscrl;
    const int32_t leftCol = LeftCol();
    int32_t target = Row();
    if (scroll && down) {
        if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + step >= FixedRows())
            SetTopRow(TopRow() + step);
    } else if (scroll) {
        if (TopRow() - step < FixedRows())
            step = TopRow() - FixedRows();
        if (TopRow() > FixedRows() && TopRow() - step >= FixedRows())
            SetTopRow(TopRow() - step);
    } else {
        target = down ? Row() + step : Row() - step;
    }

    target = std::clamp(target, FixedRows(), std::max(FixedRows(), RowCount() - FFixedFooters - 1));
    if (Col() > ColCount() - 1 && Row() > RowCount() - 1)
        FocusCell(ColCount() - 1, RowCount() - 1);
    if (const int32_t column = std::clamp(Col(), FixedCols(), ColCount() - 1); column != Col())
        SetCol(column);

    int32_t delta = 0;
    if (target >= 0 && target < RowCount()) {
        BeginUpdate();
        try {
            if (FMouseActions->DisjunctRowSelect() && !scroll)
                ClearRowSelect();
            delta = target - Row();
            if (!scroll)
                SetRow(target);
            // A row that refuses the move (a disabled one, say) is passed
            // halfway instead of blocking the wheel.
            if (Row() != target) {
                SetRow(Row() + static_cast<int32_t>(Round((target - Row()) / 2.0)));
                if (message.WParam != 0 && TopRow() > FixedRows())
                    SetTopRow(TopRow() - 1);
            }
            if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll())
                SetLeftCol(leftCol);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    }

    bool handled = true;
    WheelRowsMoved(delta, handled);
    if ((FMouseActions->WheelIncrement() != 0 || FMouseActions->DisjunctRowSelect()) && handled) {
        TShiftState shift;
        TPoint mousePos;
        if (FMouseActions->DisjunctRowSelect()) {
            shift = KeyboardStateToShiftState();
            mousePos = LParamToPoint(message.LParam);
        }
        const TMouseWheelUpDownEvent& event = down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event)
            event(this, shift, mousePos, handled);
    }
    const TGridRect after = Selection();
    if (!(after == before))
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
    if (FSearchFooter->Visible() && TopRow() == RowCount() - VisibleRowCount())
        AdjustTopRowForSearchFooter();
}

bool TDudStringGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos) { return WheelStep(true, shift, mousePos); }

bool TDudStringGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos) { return WheelStep(false, shift, mousePos); }

// A notch the platform hands to the grid as a control: the platform moves
// the row, without opening an editor on the way.
bool TDudStringGrid::WheelStep(bool down, TShiftState shift, TPoint mousePos)
{
    if (FMouseActions->WheelAction() == waScroll || !FEnableWheel) {
        bool handled = false;
        const TMouseWheelUpDownEvent& event = down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event)
            event(this, shift, mousePos, handled);
        return handled;
    }
    const auto platformStep = [&] {
        return down ? TBaseGrid::DoMouseWheelDown(shift, mousePos) : TBaseGrid::DoMouseWheelUp(shift, mousePos);
    };
    const bool directEdit = FMouseActions->DirectEdit();
    FMouseActions->SetDirectEdit(false);
    bool result = true;
    try {
        if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) {
            const int32_t leftCol = LeftCol();
            BeginUpdate();
            result = platformStep();
            SetLeftCol(leftCol);
            EndUpdate();
        } else if (down || (Row() < RowCount() && Col() < ColCount())) {
            const bool editing = EditorMode();
            result = platformStep();
            if (editing && CanFocus())
                SetFocus();
        }
    } catch (...) {
        FMouseActions->SetDirectEdit(directEdit);
        throw;
    }
    FMouseActions->SetDirectEdit(directEdit);
    return result;
}
