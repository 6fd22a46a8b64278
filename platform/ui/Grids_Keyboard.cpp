#include "platform/ui/Grids.h"

#include <algorithm>

void TCustomGrid::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == 0)
        return;
    const bool rowSelect = FOptions.Contains(goRowSelect);
    const bool ctrl = shift.Contains(ssCtrl);

    if (rowSelect && (key == VK_LEFT || key == VK_RIGHT)) {
        SetLeftCol(LeftCol() + (key == VK_LEFT ? -1 : 1));
        return;
    }
    if (key == VK_F2) {
        // F2 puts the caret after the text, so typing adds to it.
        ShowEditor();
        if (FEditorShown)
            FInplaceEdit->Deselect();
        return;
    }
    if (key == VK_TAB) {
        if (FOptions.Contains(goTabs) && !rowSelect && !shift.Contains(ssAlt))
            TabStep(shift.Contains(ssShift));
        return;
    }

    // A page keeps its last row (column) in view as the new first one.
    const int32_t page = std::max(1, VisibleRowCount() - 1);
    const int32_t pageWidth = std::max(1, VisibleColCount() - 1);
    TGridCoord target = FCurrent;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        // Ctrl scrolls the rows under a cell that stays where it is.
        if (ctrl) {
            SetTopRow(TopRow() + (key == VK_UP ? -1 : 1));
            return;
        }
        target.Y += key == VK_UP ? -1 : 1;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (ctrl) {
            const int32_t step = key == VK_LEFT ? -pageWidth : pageWidth;
            target.X += step;
            SetLeftCol(LeftCol() + step);
        } else {
            target.X += key == VK_LEFT ? -1 : 1;
        }
        break;
    case VK_PRIOR:
        if (ctrl) {
            target.Y = TopRow();
        } else {
            target.Y -= page;
            SetTopRow(TopRow() - page);
        }
        break;
    case VK_NEXT:
        if (ctrl) {
            target.Y = TopRow() + VisibleRowCount() - 1;
        } else {
            target.Y += page;
            SetTopRow(TopRow() + page);
        }
        break;
    case VK_HOME:
        if (rowSelect || ctrl)
            target.Y = FFixedRows;
        if (!rowSelect)
            target.X = FFixedCols;
        break;
    case VK_END:
        if (rowSelect || ctrl)
            target.Y = RowCount() - 1;
        if (!rowSelect)
            target.X = ColCount() - 1;
        break;
    default:
        return;
    }
    target.X = std::clamp(target.X, FFixedCols, ColCount() - 1);
    target.Y = std::clamp(target.Y, FFixedRows, RowCount() - 1);
    const bool moveAnchor = !(shift.Contains(ssShift) && FOptions.Contains(goRangeSelect));
    if (!(target == FCurrent) || (moveAnchor && !(FAnchor == FCurrent)))
        FocusCell(target.X, target.Y, moveAnchor);
}

// Tab walks the cells left to right, then on to the next row, and from the
// last cell back to the first.
void TCustomGrid::TabStep(bool backward)
{
    const int32_t firstCol = FFixedCols;
    const int32_t lastCol = ColCount() - 1;
    const int32_t firstRow = FFixedRows;
    const int32_t lastRow = RowCount() - 1;
    TGridCoord target = FCurrent;
    if (!backward) {
        if (target.X < lastCol)
            ++target.X;
        else
            target = { firstCol, target.Y < lastRow ? target.Y + 1 : firstRow };
    } else {
        if (target.X > firstCol)
            --target.X;
        else
            target = { lastCol, target.Y > firstRow ? target.Y - 1 : lastRow };
    }
    if (!(target == FCurrent))
        FocusCell(target.X, target.Y, true);
}

void TCustomGrid::KeyPress(TChar& key)
{
    TCustomControl::KeyPress(key);
    if (key == 0 || !FOptions.Contains(goEditing) || FOptions.Contains(goRowSelect))
        return;
    // Enter toggles the editor; with goAlwaysShowEditor it only commits.
    if (key == 13) {
        if (FEditorShown && FOptions.Contains(goAlwaysShowEditor)) {
            UpdateText();
            FInplaceEdit->SelectAll();
        } else {
            SetEditorMode(!FEditorMode);
        }
        key = 0;
        return;
    }
    if (!FEditorShown && (key >= 32 || key == 8) && CanEditShow() && CanEditModify()) {
        ShowEditorChar(key);
        key = 0;
    }
}
