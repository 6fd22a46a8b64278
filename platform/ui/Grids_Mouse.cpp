#include "platform/ui/Grids.h"

#include "platform/ui/SystemMetrics.h"

#include <algorithm>
#include <cstdlib>

namespace {

// How far from a border the pointer may be to grab it.
constexpr int32_t SizingTolerance = 3;

} // namespace

// Only the borders of scrolling items size them, each from its right
// (bottom) edge, in the fixed rows for columns and the fixed columns for
// rows; the fixed items keep their sizes.
void TCustomGrid::CalcSizingState(int32_t x, int32_t y, TGridState& state, int32_t& index, int32_t& sizingPos, int32_t& sizingOfs)
{
    state = gsNormal;
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
        return;
    const auto border = [this](bool cols, int32_t point, int32_t& found, int32_t& at) {
        const TGridAxis& axis = cols ? FCols : FRows;
        const int32_t fixed = cols ? FFixedCols : FFixedRows;
        const int32_t first = cols ? FTopLeft.X : FTopLeft.Y;
        const int64_t fixedExtent = axis.Offset(fixed);
        if (point <= fixedExtent)
            return false;
        const int32_t hit = axis.IndexAt(point - fixedExtent + axis.Offset(first));
        for (int32_t candidate : { hit, hit - 1 }) {
            if (candidate < first || candidate >= axis.Count())
                continue;
            const int64_t end = fixedExtent + axis.Offset(candidate) - axis.Offset(first) + axis.Size(candidate);
            if (std::abs(point - end) <= SizingTolerance) {
                found = candidate;
                at = static_cast<int32_t>(end);
                return true;
            }
        }
        return false;
    };
    int32_t at = 0;
    if (FOptions.Contains(goColSizing) && y < FixedHeight() && border(true, x, index, at)) {
        state = gsColSizing;
        sizingPos = at;
        sizingOfs = at - x;
    } else if (FOptions.Contains(goRowSizing) && x < FixedWidth() && border(false, y, index, at)) {
        state = gsRowSizing;
        sizingPos = at;
        sizingOfs = at - y;
    }
}

// Qt keeps sending the moves of a pressed button to the widget, so no
// capture is taken for selecting, sizing or moving.
void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    // The second press of a double click only raises the double click, so
    // its handlers find the grid as the first press left it.
    if (button == mbLeft && shift.Contains(ssDouble)) {
        DblClick();
    } else if (button == mbLeft) {
        const bool editorFocused = FInplaceEdit && FEditorShown && FInplaceEdit->Focused();
        if (!Focused() && !editorFocused && CanFocus())
            SetFocus();
        TGridState sizing = gsNormal;
        int32_t index = -1;
        int32_t pos = 0;
        int32_t ofs = 0;
        CalcSizingState(x, y, sizing, index, pos, ofs);
        const TGridCoord cell = MouseCoord(x, y);
        if (sizing != gsNormal) {
            FGridState = sizing;
            FSizingIndex = index;
            FSizingPos = pos;
            FSizingOfs = ofs;
            InvalidateSizingLine();
        } else if (FOptions.Contains(goColMoving) && cell.Y >= 0 && cell.Y < FFixedRows && cell.X >= FFixedCols) {
            FGridState = gsColMoving;
            FMoveIndex = FMovePos = cell.X;
        } else if (FOptions.Contains(goRowMoving) && cell.X >= 0 && cell.X < FFixedCols && cell.Y >= FFixedRows) {
            FGridState = gsRowMoving;
            FMoveIndex = FMovePos = cell.Y;
        } else if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
            const bool extend = shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
            // A drag over an editable grid would fight the editor for the
            // cells: the press alone picks the cell, and clicks.
            if (FOptions.Contains(goEditing)) {
                if (extend)
                    MoveAnchor(cell);
                else if (const bool onCurrent = cell == FCurrent; MoveCurrent(cell, true, true) && onCurrent)
                    ShowEditor();
                Click();
            } else {
                FGridState = gsSelecting;
                FSelectPoint = { x, y };
                if (extend)
                    MoveAnchor(cell);
                else
                    MoveCurrent(cell, true, true);
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

// A range drag keeps the cell it started on current and stretches the
// selection to the pointer; without goRangeSelect the current cell follows.
void TCustomGrid::SelectTowards(int32_t x, int32_t y)
{
    TGridCoord cell = MouseCoord(std::clamp(x, 0, std::max(0, ClientWidth() - 1)), std::clamp(y, 0, std::max(0, ClientHeight() - 1)));
    if (x >= ClientWidth() && cell.X >= 0)
        cell.X = std::min(cell.X + 1, ColCount() - 1);
    if (y >= ClientHeight() && cell.Y >= 0)
        cell.Y = std::min(cell.Y + 1, RowCount() - 1);
    if (x < FixedWidth() && cell.X >= 0)
        cell.X = std::max(FFixedCols, FTopLeft.X - 1);
    if (y < FixedHeight() && cell.Y >= 0)
        cell.Y = std::max(FFixedRows, FTopLeft.Y - 1);
    if (cell.X < FFixedCols || cell.Y < FFixedRows)
        return;
    if (FOptions.Contains(goRangeSelect))
        MoveAnchor(cell);
    else if (!(cell == FCurrent))
        MoveCurrent(cell, true, true);
}

void TCustomGrid::StopAutoScroll()
{
    if (FAutoScrolling)
        KillTimer(this, AutoScrollTimer);
    FAutoScrolling = false;
}

// The line that shows where a sized border will go is drawn by Paint over
// the cells; this repaints the strip it covers.
void TCustomGrid::InvalidateSizingLine()
{
    const TRect& frame = NonClientFrame();
    if (FGridState == gsColSizing)
        Widget()->update(frame.Left + FSizingPos - 1, frame.Top, 3, ClientHeight());
    else if (FGridState == gsRowSizing)
        Widget()->update(frame.Left, frame.Top + FSizingPos - 1, ClientWidth(), 3);
}

void TCustomGrid::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    switch (FGridState) {
    case gsSelecting: {
        FSelectPoint = { x, y };
        SelectTowards(x, y);
        // Held outside the cells, the pointer keeps taking in the next
        // cell on every timer tick, so the grid scrolls on.
        const bool outside = x < FixedWidth() || y < FixedHeight() || x >= ClientWidth() || y >= ClientHeight();
        if (outside && !FAutoScrolling)
            FAutoScrolling = SetTimer(this, AutoScrollTimer, AutoScrollPeriod) != 0;
        else if (!outside)
            StopAutoScroll();
        break;
    }
    case gsColSizing:
    case gsRowSizing: {
        const bool cols = FGridState == gsColSizing;
        const TRect box = cols ? BoxRect(FSizingIndex, 0) : BoxRect(0, FSizingIndex);
        InvalidateSizingLine();
        FSizingPos = std::max((cols ? x : y) + FSizingOfs, cols ? box.Left : box.Top);
        InvalidateSizingLine();
        break;
    }
    case gsColMoving: {
        const TGridCoord cell = MouseCoord(std::clamp(x, 0, std::max(0, ClientWidth() - 1)), 0);
        if (cell.X >= FFixedCols)
            FMovePos = cell.X;
        break;
    }
    case gsRowMoving: {
        const TGridCoord cell = MouseCoord(0, std::clamp(y, 0, std::max(0, ClientHeight() - 1)));
        if (cell.Y >= FFixedRows)
            FMovePos = cell.Y;
        break;
    }
    case gsNormal: {
        TGridState sizing = gsNormal;
        int32_t index = 0;
        int32_t pos = 0;
        int32_t ofs = 0;
        CalcSizingState(x, y, sizing, index, pos, ofs);
        const bool onBorder = sizing != gsNormal;
        const TCursor wanted = onBorder ? (sizing == gsColSizing ? crHSplit : crVSplit) : FNormalCursor;
        if (!FSizingCursor && onBorder)
            FNormalCursor = Cursor();
        FSizingCursor = onBorder;
        if (Cursor() != wanted)
            SetCursor(wanted);
        break;
    }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    const TGridState state = FGridState;
    switch (state) {
    case gsSelecting:
        FGridState = gsNormal;
        StopAutoScroll();
        SelectTowards(x, y);
        Click();
        break;
    case gsColSizing:
    case gsRowSizing: {
        // The size is set once, where the line was let go.
        InvalidateSizingLine();
        FGridState = gsNormal;
        if (state == gsColSizing)
            SetColWidths(FSizingIndex, FSizingPos - BoxRect(FSizingIndex, 0).Left);
        else
            SetRowHeights(FSizingIndex, FSizingPos - BoxRect(0, FSizingIndex).Top);
        break;
    }
    case gsColMoving:
        FGridState = gsNormal;
        if (FMovePos != FMoveIndex)
            MoveColumn(FMoveIndex, FMovePos);
        break;
    case gsRowMoving:
        FGridState = gsNormal;
        if (FMovePos != FMoveIndex)
            MoveRow(FMoveIndex, FMovePos);
        break;
    case gsNormal:
        break;
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomGrid::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    // Fine-grained wheels send parts of a notch; a row moves per whole notch.
    FWheelAccumulator += wheelDelta;
    bool handled = false;
    while (std::abs(FWheelAccumulator) >= WHEEL_DELTA) {
        const bool down = FWheelAccumulator < 0;
        FWheelAccumulator += down ? WHEEL_DELTA : -WHEEL_DELTA;
        handled = (down ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos)) || handled;
    }
    return handled || wheelDelta != 0;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    (void)shift;
    (void)mousePos;
    if (Row() < RowCount() - 1)
        SetRow(Row() + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    (void)shift;
    (void)mousePos;
    if (Row() > FFixedRows)
        SetRow(Row() - 1);
    return true;
}
