#include "grid/DudCGrid.h"

#include "grid/DudOder_GridData.h"
#include "platform/ui/Menus.h"

// The column's own filter choices and popup menu.

namespace {

// A filter line is a display name, optionally followed by "=" and the
// condition; without "=" the line is both.
String FilterName(const String& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? line : line.left(equals);
}

String FilterCondition(const String& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? line : line.mid(equals + 1);
}

bool PopupTypeFits(TColumnPopupType type, TMouseButton button)
{
    if (button == TMouseButton::mbLeft)
        return type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
    if (button == TMouseButton::mbRight)
        return type == cpFixedCellsRClick || type == cpNormalCellsRClick || type == cpAllCellsRClick;
    return false;
}

bool PopupOpensInRow(TColumnPopupType type, bool fixedRow)
{
    if (type == cpAllCellsLClick || type == cpAllCellsRClick)
        return true;
    if (fixedRow)
        return type == cpFixedCellsLClick || type == cpFixedCellsRClick;
    return type == cpNormalCellsLClick || type == cpNormalCellsRClick;
}

} // namespace

bool TDudColumnGrid::GetColumnFilter(int32_t column)
{
    const TGridColumnItem* item = ItemOf(column);
    if (item)
        FilterList().SetSorted(false);
    TDudStringGrid::GetColumnFilter(column);
    // Only the column's own choices make a filter list.
    if (!item || item->Filter().Count() == 0)
        return false;
    FilterList().Clear();
    for (int32_t line = 0; line < item->Filter().Count(); ++line)
        FilterList().Add(FilterName(item->Filter().Strings(line)));
    return true;
}

void TDudColumnGrid::DoFilterSelect(int32_t itemIndex)
{
    const int32_t column = FFilterCol;
    TGridColumnItem* item = ItemOf(column);
    if (!item || itemIndex < 0 || itemIndex >= item->Filter().Count()) {
        FFilterCol = -1;
        return;
    }
    const String line = item->Filter().Strings(itemIndex);
    const String name = FilterName(line);
    if (AutoFilterDisplay())
        item->SetHeader(name);
    if (AutoFilterUpdate())
        SetFilterActive(false);
    String condition = FilterCondition(line);
    if (OnFilterSelect)
        OnFilterSelect(this, column, itemIndex, name, condition);
    TFilterData* filter = Filter().GetColFilter(column);
    filter->SetCondition(condition);
    filter->SetCaseSensitive(item->FilterCaseSensitive());
    if (AutoFilterUpdate()) {
        SetFilterActive(true);
        if (RowCount() != FixedRows() && !(RowCount() == 1 && FixedRowAlways()))
            SetRowEx(FixedRows());
        DoFilterDone();
    }
    FFilterCol = -1;
}

void TDudColumnGrid::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TDudStringGrid::MouseDown(button, shift, x, y);
    int32_t aCol = -1;
    int32_t aRow = -1;
    MouseToCell(x, y, aCol, aRow);
    if (aCol < 0 || aRow < 0 || aCol >= FColumnCollection->Count())
        return;
    const TGridColumnItem* item = ItemOf(RealColIndex(aCol));
    if (!item || !item->ColumnPopup() || !PopupTypeFits(item->ColumnPopupType(), button))
        return;
    const TRect cell = CellRect(aCol, aRow);
    const TPoint point = ClientToScreen(TPoint { cell.Left, cell.Bottom });
    if (OnColumnPopup)
        OnColumnPopup(this, aCol, aRow, item->ColumnPopup());
    if (PopupOpensInRow(item->ColumnPopupType(), aRow < FixedRows()))
        item->ColumnPopup()->Popup(point.X, point.Y);
}
