#include "platform/ui/Grids.h"

#include "platform/ui/SystemMetrics.h"

#include <algorithm>
#include <cstdlib>

namespace {

// How far from a border the pointer may be to grab it.
constexpr int32_t SizingTolerance = 3;

} // namespace

// A border of a column in the fixed rows (goColSizing) or of a row in the
// fixed columns (goRowSizing) under the point: the item left of (above) the
// border is sized.
bool TCustomGrid::SizingHit(int32_t x, int32_t y, TGridState& state, int32_t& index, int32_t& pos) const
{
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0)
        return false;
    const auto nearBorder = [&](bool cols, int32_t point, int32_t hitIndex) {
        const int32_t fixed = cols ? FFixedCols : FFixedRows;
        const int32_t first = cols ? FTopLeft.X : FTopLeft.Y;
        for (int32_t candidate : { hitIndex, hitIndex - 1 }) {
            // Left of (above) the first item shown lies the last fixed one,
            // not the item scrolled out of view.
            if (candidate >= fixed && candidate < first)
                candidate = fixed - 1;
            if (candidate < 0)
                continue;
            const TRect box = cols ? BoxRect(candidate, 0) : BoxRect(0, candidate);
            const int32_t border = cols ? box.Right : box.Bottom;
            if (std::abs(point - border) <= SizingTolerance && (cols ? box.Right > 0 : box.Bottom > 0)) {
                index = candidate;
                pos = cols ? box.Left : box.Top;
                return true;
            }
        }
        return false;
    };
    if (FOptions.Contains(goColSizing) && cell.Y < FFixedRows && nearBorder(true, x, cell.X)) {
        state = gsColSizing;
        return true;
    }
    if (FOptions.Contains(goRowSizing) && cell.X < FFixedCols && nearBorder(false, y, cell.Y)) {
        state = gsRowSizing;
        return true;
    }
    return false;
}

// Qt keeps sending the moves of a pressed button to the widget, so no
// capture is taken for selecting, sizing or moving.
void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    // The second press of a double click only raises the double click, so
    // its handlers find the grid as the first press left it.
    if (button == mbLeft && !shift.Contains(ssDouble)) {
        const bool editorFocused = FInplaceEdit && FEditorShown && FInplaceEdit->Focused();
        if (!Focused() && !editorFocused && CanFocus())
            SetFocus();
        TGridState sizing = gsNormal;
        const TGridCoord cell = MouseCoord(x, y);
        if (SizingHit(x, y, sizing, FSizingIndex, FSizingOffset)) {
            FGridState = sizing;
        } else if (FOptions.Contains(goColMoving) && cell.Y >= 0 && cell.Y < FFixedRows && cell.X >= FFixedCols) {
            FGridState = gsColMoving;
            FMoveIndex = FMovePos = cell.X;
        } else if (FOptions.Contains(goRowMoving) && cell.X >= 0 && cell.X < FFixedCols && cell.Y >= FFixedRows) {
            FGridState = gsRowMoving;
            FMoveIndex = FMovePos = cell.Y;
        } else if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
            const bool extend = shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
            if (extend) {
                MoveAnchor(cell);
            } else if (FOptions.Contains(goEditing) && cell == FCurrent) {
                MoveColRow(cell.X, cell.Y, true, true);
                ShowEditor();
            } else {
                MoveColRow(cell.X, cell.Y, true, true);
            }
            // A drag over an editable grid would fight the editor for the cells.
            if (!FOptions.Contains(goEditing))
                FGridState = gsSelecting;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    switch (FGridState) {
    case gsSelecting: {
        TGridCoord cell = MouseCoord(std::clamp(x, 0, std::max(0, ClientWidth() - 1)), std::clamp(y, 0, std::max(0, ClientHeight() - 1)));
        // Dragging past the edge takes in the next cell, which scrolls.
        if (x >= ClientWidth() && cell.X >= 0)
            cell.X = std::min(cell.X + 1, ColCount() - 1);
        if (y >= ClientHeight() && cell.Y >= 0)
            cell.Y = std::min(cell.Y + 1, RowCount() - 1);
        if (x < FixedWidth() && cell.X >= 0)
            cell.X = std::max(FFixedCols, FTopLeft.X - 1);
        if (y < FixedHeight() && cell.Y >= 0)
            cell.Y = std::max(FFixedRows, FTopLeft.Y - 1);
        // A range drag keeps the cell it started on current and stretches
        // the selection to the pointer.
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
            if (FOptions.Contains(goRangeSelect))
                MoveAnchor(cell);
            else if (!(cell == FCurrent))
                MoveColRow(cell.X, cell.Y, true, true);
        }
        break;
    }
    case gsColSizing:
        SetColWidths(FSizingIndex, std::max(0, x - FSizingOffset));
        break;
    case gsRowSizing:
        SetRowHeights(FSizingIndex, std::max(0, y - FSizingOffset));
        break;
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
        const bool onBorder = SizingHit(x, y, sizing, index, pos);
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
    FGridState = gsNormal;
    if (state == gsColMoving && FMovePos != FMoveIndex)
        MoveColumn(FMoveIndex, FMovePos);
    else if (state == gsRowMoving && FMovePos != FMoveIndex)
        MoveRow(FMoveIndex, FMovePos);
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
