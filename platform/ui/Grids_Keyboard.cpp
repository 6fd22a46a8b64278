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
        SetEditorMode(true);
        return;
    }
    if (key == VK_TAB) {
        if (FOptions.Contains(goTabs) && !shift.Contains(ssAlt))
            TabStep(shift.Contains(ssShift));
        return;
    }

    const int32_t page = std::max(1, VisibleRowCount());
    TGridCoord target = FCurrent;
    switch (key) {
    case VK_UP:
        --target.Y;
        break;
    case VK_DOWN:
        ++target.Y;
        break;
    case VK_LEFT:
        --target.X;
        break;
    case VK_RIGHT:
        ++target.X;
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
            target.Y = TopRow() + page - 1;
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
    target.X = std::clamp(target.X, FFixedCols, std::max(FFixedCols, ColCount() - 1));
    target.Y = std::clamp(target.Y, FFixedRows, std::max(FFixedRows, RowCount() - 1));
    if (target.X >= ColCount() || target.Y >= RowCount())
        return;
    const bool moveAnchor = !(shift.Contains(ssShift) && FOptions.Contains(goRangeSelect));
    if (!(target == FCurrent) || (moveAnchor && !(FAnchor == FCurrent)))
        FocusCell(target.X, target.Y, moveAnchor);
}

// Tab walks the cells left to right, then on to the next row, and from the
// last cell back to the first; with row selection it walks the rows.
void TCustomGrid::TabStep(bool backward)
{
    const int32_t firstCol = FFixedCols;
    const int32_t lastCol = ColCount() - 1;
    const int32_t firstRow = FFixedRows;
    const int32_t lastRow = RowCount() - 1;
    if (firstCol > lastCol || firstRow > lastRow)
        return;
    TGridCoord target = FCurrent;
    if (FOptions.Contains(goRowSelect)) {
        target.Y = std::clamp(target.Y + (backward ? -1 : 1), firstRow, lastRow);
    } else if (!backward) {
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
            SetEditorMode(!FEditorShown);
        }
        key = 0;
        return;
    }
    if (!FEditorShown && (key >= 32 || key == 8) && CanEditShow() && CanEditModify()) {
        ShowEditorChar(key);
        key = 0;
    }
}
