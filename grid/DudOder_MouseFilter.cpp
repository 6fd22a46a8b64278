#include "grid/DudOder.h"

#include "grid/DudOder_FilterDropDown.h"
#include "grid/DudOder_GridData.h"
#include "platform/ui/SystemMetrics.h"

#include <algorithm>

// The filter button of a header cell: a release on it opens the column's
// value list under the header, a single-choice list or one with check
// boxes, which applies the choice through DoFilterSelect or DoFilterCheck.

namespace {

// The button sits in the top right corner of the header cell.
constexpr int32_t FilterButtonWidth = 16;
constexpr int32_t FilterButtonRightGap = 3;
constexpr int32_t FilterButtonHeight = 19;
// The list opens this far below the cell's top and left of its right edge.
constexpr int32_t ListOffset = 16;
constexpr int32_t ListTextMargin = 8;

String DisplayText(const String& entry)
{
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    return equals < 0 ? entry : entry.left(equals);
}

} // namespace

// True when the release opened the list.
bool TDudStringGrid::FilterButtonUp(int32_t aCol, int32_t aRow, TPoint point)
{
    if (aCol < 0 || aRow < 0 || aRow != FFilterDropDownRow || aRow >= FixedRows())
        return false;
    const int32_t realCol = RealColIndex(aCol);
    if (realCol == FFilterCol)
        return false;
    const TRect cell = CellRect(aCol, aRow);
    const bool onButton = point.X > cell.Right - FilterButtonWidth && point.X < cell.Right - FilterButtonRightGap
        && point.Y < cell.Top + FilterButtonHeight;
    if (!onButton || !GetColumnFilter(realCol) || FFilterList->Count() == 0)
        return false;
    FFilterCol = realCol;
    TCustomListBox* list = nullptr;
    if (FFilterDropDownCheck) {
        if (!FDropCheckList) {
            FDropCheckList = new TDropCheckList(this);
            FDropCheckList->OnSelect = [this](TComponent*, int32_t) { DoFilterCheck(FDropCheckList); };
        }
        list = FDropCheckList;
    } else {
        if (!FDropList) {
            FDropList = new TDropList(this);
            FDropList->OnSelect = [this](TComponent*, int32_t index) { DoFilterSelect(index); };
        }
        list = FDropList;
    }
    list->SetParent(this);
    list->SetColor(FFilterDropDown->Color());
    list->Font().Assign(FFilterDropDown->Font());
    list->Canvas().SetFont(FFilterDropDown->Font());
    list->Items().Clear();
    int32_t widest = 0;
    for (int32_t index = 0; index < FFilterList->Count(); ++index) {
        const String text = DisplayText(FFilterList->Strings(index));
        list->Items().Add(text);
        widest = std::max(widest, list->Canvas().TextWidth(text));
    }
    if (FFilterDropDownCheck) {
        for (int32_t index = 0; index < list->Items().Count(); ++index) {
            const String text = list->Items().Strings(index);
            const String quoted = text.contains(QLatin1Char(' ')) ? QLatin1Char('"') + text + QLatin1Char('"') : text;
            bool checked = false;
            for (int32_t entry = 0; entry < FFilter->Count() && !checked; ++entry) {
                const TFilterData* data = FFilter->Items(entry);
                checked = data->Column() == realCol && data->Condition() == quoted;
            }
            FDropCheckList->SetChecked(index, checked);
        }
    } else {
        list->SetItemIndex(0);
    }
    int32_t width = FFilterDropDown->Width();
    int32_t height = FFilterDropDown->Height();
    if (FFilterDropDown->AutoSize()) {
        height = list->Items().Count() * list->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
        width = widest + ListTextMargin + 2 * GetSystemMetrics(SM_CXEDGE);
    }
    int32_t left = cell.Right - ListOffset;
    if (FFilterDropDown->ColumnWidth()) {
        width = cell.Right - cell.Left;
        left = cell.Left;
    }
    if (left + width > ClientWidth())
        left = std::max(0, cell.Right - width);
    list->SetBounds(left, cell.Top + ListOffset, width, height);
    list->SetVisible(true);
    if (list->CanFocus())
        list->SetFocus();
    return true;
}

// Any other release closes a single-choice list that is still open.
void TDudStringGrid::CloseFilterList()
{
    if (FDropList)
        FDropList->SetVisible(false);
    FFilterCol = -1;
}
