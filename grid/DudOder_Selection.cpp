#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"

#include "platform/core/Format.h"
#include "platform/ui/SystemMetrics.h"

#include <algorithm>
#include <random>

namespace {

// Grows a flag list with cleared entries so that index is inside it.
void GrowTo(std::vector<uint8_t>& flags, int32_t index)
{
    if (index >= static_cast<int32_t>(flags.size()))
        flags.resize(static_cast<size_t>(index) + 1, 0);
}

void GrowTo(TIntList& list, int32_t index)
{
    while (list.Count() <= index)
        list.Add(0);
}

} // namespace

void TDudStringGrid::SetSelection(const TGridRect& value)
{
    TBaseGrid::SetSelection(value);
    if (FActiveCellShow) {
        InvalidateRow(0);
        InvalidateCol(0);
    }
    if (ActiveRowShow())
        RepaintRow(value.Bottom);
}

void TDudStringGrid::FocusCell(int32_t aCol, int32_t aRow)
{
    SetSelection(TGridRect { aCol, aRow, aCol, aRow });
}

void TDudStringGrid::SelectRange(int32_t fromCol, int32_t toCol, int32_t fromRow, int32_t toRow)
{
    SetRowEx(toRow);
    SetCol(toCol);
    SetSelection(TGridRect { fromCol, fromRow, toCol, toRow });
}

void TDudStringGrid::SelectRows(int32_t rowIndex, int32_t count)
{
    if (rowIndex + count > RowCount())
        count = RowCount() - rowIndex;
    if (!FMouseActions->DisjunctRowSelect()) {
        SetSelection(TGridRect { FixedCols(), rowIndex, ColCount() - 1, rowIndex + count - 1 });
    } else {
        for (int32_t row = rowIndex; row < rowIndex + count; ++row) {
            const int32_t flagRow = FMouseActions->RowSelectPersistent() ? RemapRowToReal(row) : row;
            if (row < RowCount())
                SetRowSelect(flagRow, true);
        }
    }
    if (!FRowIndicator->Empty())
        RepaintCol(0);
    FSelChange = false;
}

void TDudStringGrid::UnSelectRows(int32_t rowIndex, int32_t count)
{
    if (FMouseActions->DisjunctRowSelect()) {
        for (int32_t row = rowIndex; row < rowIndex + count; ++row)
            SetRowSelect(FMouseActions->RowSelectPersistent() ? RemapRowToReal(row) : row, false);
    }
    FSelChange = false;
}

bool TDudStringGrid::GetRowSelect(int32_t aRow)
{
    if ((aRow < 0 || aRow >= RowCount() + NumHiddenRows()) && !FMouseActions->RowSelectPersistent())
        throw EDudOderError(QStringLiteral("Invalid row %1 accessed").arg(aRow));
    if (FMouseActions->DisjunctRowSelect()) {
        GrowTo(FRowSelect, aRow);
        return FRowSelect[static_cast<size_t>(aRow)] == 1;
    }
    const TGridRect selection = Selection();
    return aRow >= std::min(selection.Top, selection.Bottom) && aRow <= std::max(selection.Top, selection.Bottom);
}

void TDudStringGrid::SetRowSelect(int32_t aRow, bool value)
{
    if ((aRow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()) || aRow < 0)
        throw EDudOderError(QStringLiteral("Invalid row accessed"));
    // A row beyond the flag list counts as not selected: the veto is asked
    // exactly when the flag would change.
    const bool wasSelected = aRow < static_cast<int32_t>(FRowSelect.size()) && FRowSelect[static_cast<size_t>(aRow)] == 1;
    bool allow = true;
    if (wasSelected != value && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, aRow, value, allow);
    if (!allow)
        return;
    GrowTo(FRowSelect, aRow);
    uint8_t& flag = FRowSelect[static_cast<size_t>(aRow)];
    if (value) {
        if (flag != 1)
            RepaintRow(aRow);
        flag = 1;
        if (!FSelectedRows->HasValue(aRow) && aRow >= FixedRows())
            FSelectedRows->Add(aRow);
    } else {
        if (flag != 0)
            RepaintRow(aRow);
        flag = 0;
        if (const int32_t index = FSelectedRows->IndexOf(aRow); index >= 0)
            FSelectedRows->Delete(index);
    }
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, aRow);
}

void TDudStringGrid::ClearRowSelect()
{
    for (size_t row = 0; row < FRowSelect.size(); ++row) {
        if (FRowSelect[row] != 0)
            RepaintRow(static_cast<int32_t>(row));
        FRowSelect[row] = 0;
    }
    if (!FRowSelect.empty())
        FSelectedRows->Clear();
}

int32_t TDudStringGrid::RowSelectCount() const
{
    if (FMouseActions->DisjunctRowSelect()) {
        const auto rows = std::min(static_cast<size_t>(std::max(RowCount() + NumHiddenRows(), 0)), FRowSelect.size());
        return static_cast<int32_t>(std::count(FRowSelect.begin(), FRowSelect.begin() + static_cast<std::ptrdiff_t>(rows), 1));
    }
    const TGridRect selection = Selection();
    return std::abs(selection.Bottom - selection.Top) + 1;
}

void TDudStringGrid::SyncRowSelectFromSelection(bool all)
{
    const TGridRect selection = Selection();
    const int32_t bottom = std::min(selection.Bottom, RowCount() - FFixedFooters - 1);
    for (int32_t row = FixedRows(); row < RowCount(); ++row) {
        const bool inside = row >= selection.Top && row <= bottom;
        if (!all && !inside)
            continue;
        SetRowSelect(FMouseActions->RowSelectPersistent() ? RemapRowToReal(row) : row, inside);
    }
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TDudStringGrid::SelectCols(int32_t colIndex, int32_t count)
{
    if (!FMouseActions->DisjunctColSelect()) {
        SetSelection(TGridRect { colIndex, FixedRows(), colIndex + count - 1, RowCount() - 1 });
        return;
    }
    for (int32_t column = colIndex; column < colIndex + count && column < ColCount(); ++column)
        SetColSelect(column, true);
}

void TDudStringGrid::UnSelectCols(int32_t colIndex, int32_t count)
{
    if (!FMouseActions->DisjunctColSelect())
        return;
    for (int32_t column = colIndex; column < colIndex + count && column < ColCount(); ++column)
        SetColSelect(column, false);
}

bool TDudStringGrid::GetColSelect(int32_t aCol)
{
    if (aCol < 0 || aCol >= ColCount())
        throw EDudOderError(QStringLiteral("Invalid column accessed"));
    GrowTo(FColSelect, aCol);
    return FColSelect[static_cast<size_t>(aCol)] == 1;
}

void TDudStringGrid::SetColSelect(int32_t aCol, bool value)
{
    if (aCol < 0 || aCol >= ColCount())
        throw EDudOderError(QStringLiteral("Invalid column accessed"));
    GrowTo(FColSelect, aCol);
    uint8_t& flag = FColSelect[static_cast<size_t>(aCol)];
    if ((flag == 1) != value)
        RepaintCol(aCol);
    flag = value ? 1 : 0;
}

void TDudStringGrid::ClearColSelect()
{
    for (size_t column = 0; column < FColSelect.size(); ++column) {
        if (FColSelect[column] != 0)
            RepaintCol(static_cast<int32_t>(column));
        FColSelect[column] = 0;
    }
}

int32_t TDudStringGrid::ColSelectCount() const
{
    if (FMouseActions->DisjunctColSelect())
        return static_cast<int32_t>(std::count(FColSelect.begin(), FColSelect.end(), 1));
    const TGridRect selection = Selection();
    return selection.Right - selection.Left + 1;
}

void TDudStringGrid::SyncColSelectFromSelection(bool all)
{
    const TGridRect selection = Selection();
    for (int32_t column = FixedCols(); column < ColCount(); ++column) {
        const bool inside = column >= selection.Left && column <= selection.Right;
        if (all || inside)
            SetColSelect(column, inside);
    }
}

void TDudStringGrid::SetRowModified(int32_t aRow, bool value)
{
    GrowTo(*FModifiedRows, aRow);
    FModifiedRows->SetItems(aRow, value ? 1 : 0);
    RepaintCell(0, aRow);
}

bool TDudStringGrid::GetRowModified(int32_t aRow) const
{
    return aRow >= 0 && aRow < FModifiedRows->Count() && FModifiedRows->Items(aRow) == 1;
}

int32_t TDudStringGrid::ModifiedRowCount() const
{
    int32_t count = 0;
    for (int32_t index = 0; index < FModifiedRows->Count(); ++index)
        if (FModifiedRows->Items(index) == 1)
            ++count;
    return count;
}

void TDudStringGrid::SetRowEnabled(int32_t aRow, bool value)
{
    if (aRow == Row()) {
        for (int32_t row = FixedRows(); row < RowCount(); ++row) {
            if (row != aRow && GetRowEnabled(row)) {
                SetRowEx(row);
                break;
            }
        }
    }
    FUseEnabledRows = true;
    GrowTo(*FEnabledRows, aRow);
    FEnabledRows->SetItems(aRow, value ? 0 : 1);
    RepaintRow(aRow);
}

bool TDudStringGrid::GetRowEnabled(int32_t aRow) const
{
    return aRow < 0 || aRow >= FEnabledRows->Count() || FEnabledRows->Items(aRow) == 0;
}

void TDudStringGrid::GotoCell(int32_t aCol, int32_t aRow)
{
    SetRowEx(aRow);
    SetCol(aCol);
}

void TDudStringGrid::EditCell(int32_t aCol, int32_t aRow)
{
    SetFocus();
    GotoCell(aCol, aRow);
    ShowInplaceEdit();
}

void TDudStringGrid::ScrollInView(int32_t colIndex, int32_t rowIndex)
{
    if (colIndex >= ColCount() || rowIndex >= RowCount())
        return;
    int32_t newLeft = LeftCol();
    int32_t newTop = TopRow();
    if (colIndex < LeftCol() || colIndex >= LeftCol() + VisibleColCount()) {
        SetCol(colIndex);
        newLeft = std::max(colIndex - VisibleColCount() / 2, FixedCols());
    }
    if (rowIndex < TopRow() || rowIndex >= TopRow() + VisibleRowCount()) {
        SetRowEx(rowIndex);
        newTop = std::max(rowIndex - VisibleRowCount() / 2, FixedRows());
    }
    newLeft = std::min(newLeft, ColCount() - VisibleColCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount())
        SetLeftCol(newLeft);
    newTop = std::min(newTop, RowCount() - VisibleRowCount() + 1);
    if (FixedRows() + VisibleRowCount() >= RowCount())
        return;
    SetTopRowEx(newTop);
    if (!FSearchFooter->Visible())
        return;
    const bool allColumnsShown = FixedCols() + VisibleColCount() >= ColCount();
    const int32_t barHeight = allColumnsShown ? 0 : GetSystemMetrics(SM_CYHSCROLL);
    const int32_t usableHeight = Height() - SearchPanelHeight() - barHeight;
    // The row may stay below the usable height when the top row cannot move
    // further; stop as soon as it did not move.
    while (CellRect(colIndex, rowIndex).Bottom > usableHeight) {
        const int32_t topRow = TopRow();
        SetTopRowEx(topRow + 1);
        if (TopRow() == topRow)
            break;
    }
}

void TDudStringGrid::AdjustTopRowForSearchFooter()
{
    if (!FSearchFooter->Visible() || ClientHeight() <= DefaultRowHeight() + SearchPanelHeight())
        return;
    const int32_t panelTop = ClientHeight() - SearchPanelHeight() + 2;
    while (CellRect(0, RowCount() - 1).Bottom > panelTop && Row() < RowCount() && TopRow() < RowCount()) {
        const int32_t topRow = TopRow();
        SetTopRowEx(topRow + 1);
        if (TopRow() == topRow)
            break;
    }
}

void TDudStringGrid::MoveColumn(int32_t fromIndex, int32_t toIndex)
{
    if (FColumnOrder->Count() == 0)
        for (int32_t column = 0; column < ColCount(); ++column)
            FColumnOrder->Add(column);
    TBaseGrid::MoveColumn(fromIndex, toIndex);
    for (int32_t index = 0; index < FControlList->Count(); ++index) {
        TControlItem& item = *FControlList->Control(index);
        item.SetX(MovedIndex(item.X(), fromIndex, toIndex));
    }
    CellControlsUpdate(false);
}

void TDudStringGrid::MoveRow(int32_t fromIndex, int32_t toIndex)
{
    // The footer row shown below the grid takes no other row's place.
    if (toIndex == RowCount() - 1 && FloatingFooterVisible() && FFloatingFooter->FooterStyle() == fsFixedLastRow)
        return;
    TBaseGrid::MoveRow(fromIndex, toIndex);
    for (int32_t index = 0; index < FControlList->Count(); ++index) {
        TControlItem& item = *FControlList->Control(index);
        item.SetY(MovedIndex(item.Y(), fromIndex, toIndex));
    }
    CellControlsUpdate(false);
}

void TDudStringGrid::MoveRows(int32_t fromIndex, int32_t toIndex, int32_t count)
{
    if (fromIndex == toIndex || count == 0)
        return;
    // The moved rows' cell properties travel with them: each has one owner
    // at any time, so nothing is freed twice or left behind.
    struct TRowCopy {
        std::vector<String> Texts;
        std::vector<std::unique_ptr<TCellProperties>> Props;
    };
    std::vector<TRowCopy> rows(static_cast<size_t>(count));
    for (int32_t offset = 0; offset < count; ++offset) {
        TRowCopy& copy = rows[static_cast<size_t>(offset)];
        for (int32_t column = 0; column < AllColCount(); ++column) {
            copy.Texts.push_back(GetGridCell(column, fromIndex + offset));
            copy.Props.push_back(ExtractGridObject(column, fromIndex + offset));
        }
    }
    if (fromIndex + count < toIndex)
        toIndex -= count;
    // The modified and enabled marks travel with their rows.
    const int32_t realFrom = RemapRowToReal(fromIndex);
    const auto takeMarks = [&](TIntList& list) {
        std::vector<int32_t> marks;
        for (int32_t offset = 0; offset < count; ++offset) {
            const int32_t index = realFrom;
            marks.push_back(index < list.Count() ? list.Items(index) : 0);
            if (index < list.Count())
                list.Delete(index);
        }
        return marks;
    };
    const std::vector<int32_t> modified = takeMarks(*FModifiedRows);
    const std::vector<int32_t> enabled = takeMarks(*FEnabledRows);
    RemoveRowsEx(fromIndex, count);
    InsertRowRange(toIndex, count, true);
    const int32_t realTo = RemapRowToReal(toIndex);
    const auto putMarks = [&](TIntList& list, const std::vector<int32_t>& marks) {
        if (std::all_of(marks.begin(), marks.end(), [](int32_t mark) { return mark == 0; }) && realTo >= list.Count())
            return;
        while (list.Count() < realTo)
            list.Add(0);
        for (int32_t offset = 0; offset < count; ++offset)
            list.Insert(realTo + offset, marks[static_cast<size_t>(offset)]);
    };
    putMarks(*FModifiedRows, modified);
    putMarks(*FEnabledRows, enabled);
    for (int32_t offset = 0; offset < count; ++offset) {
        TRowCopy& copy = rows[static_cast<size_t>(offset)];
        for (int32_t column = 0; column < static_cast<int32_t>(copy.Texts.size()); ++column) {
            SetGridCell(column, toIndex + offset, copy.Texts[static_cast<size_t>(column)]);
            SetGridObject(column, toIndex + offset, std::move(copy.Props[static_cast<size_t>(column)]));
        }
    }
}

void TDudStringGrid::SwapCells(TGridCoord fromCell, TGridCoord toCell)
{
    const String text = GetGridCell(fromCell.X, fromCell.Y);
    SetGridCell(fromCell.X, fromCell.Y, GetGridCell(toCell.X, toCell.Y));
    SetGridCell(toCell.X, toCell.Y, text);
    auto props = ExtractGridObject(fromCell.X, fromCell.Y);
    SetGridObject(fromCell.X, fromCell.Y, ExtractGridObject(toCell.X, toCell.Y));
    SetGridObject(toCell.X, toCell.Y, std::move(props));
}

void TDudStringGrid::RepaintRow(int32_t aRow)
{
    InvalidateRow(aRow);
}

void TDudStringGrid::RepaintCol(int32_t aCol)
{
    InvalidateCol(aCol);
}

void TDudStringGrid::RepaintRect(const TRect& cells)
{
    if (cells.Left < 0 || cells.Top < 0 || cells.Right < 0 || cells.Bottom < 0)
        return;
    InvalidateRect(TGridRect { cells.Left, cells.Top, std::min(FixedCols() + VisibleColCount(), cells.Right),
        cells.Bottom });
}

TGridRect TDudStringGrid::FillRange(bool doFixed) const
{
    if (doFixed)
        return TGridRect { 0, 0, ColCount() - 1, RowCount() - 1 };
    return TGridRect { FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1 };
}

void TDudStringGrid::TextFill(bool doFixed, const String& text)
{
    const TGridRect range = FillRange(doFixed);
    for (int32_t row = range.Top; row <= range.Bottom; ++row)
        for (int32_t column = range.Left; column <= range.Right; ++column)
            SetCellEx(column, row, text);
    RecalcAllFooters();
}

void TDudStringGrid::FormatFill(bool doFixed, const String& format)
{
    const TGridRect range = FillRange(doFixed);
    for (int32_t row = range.Top; row <= range.Bottom; ++row)
        for (int32_t column = range.Left; column <= range.Right; ++column)
            SetCellEx(column, row, Format(format, { column, row }));
    RecalcAllFooters();
}

void TDudStringGrid::RandomFill(bool doFixed, int32_t range)
{
    std::mt19937 generator(std::random_device {}());
    std::uniform_int_distribution<int32_t> distribution(0, std::max(range - 1, 0));
    const TGridRect cells = FillRange(doFixed);
    for (int32_t row = cells.Top; row <= cells.Bottom; ++row)
        for (int32_t column = cells.Left; column <= cells.Right; ++column)
            SetInts(column, row, distribution(generator));
    RecalcAllFooters();
}

void TDudStringGrid::LinearFill(bool doFixed)
{
    const TGridRect range = FillRange(doFixed);
    for (int32_t row = range.Top; row <= range.Bottom; ++row)
        for (int32_t column = range.Left; column <= range.Right; ++column)
            SetCellEx(column, row, QStringLiteral("%1:%2").arg(column).arg(row));
    RecalcAllFooters();
}
