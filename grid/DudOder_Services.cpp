#include "grid/DudOder.h"

#include "grid/base/MarkupText.h"
#include "grid/base/RovIvir.h"

#include <algorithm>

// Update locking, cells over all columns and rows, cell colours, and the
// row and column insertion and removal that the grid's own operations use.

// The lock counts whether or not the grid shows: a dialog hidden between
// the two calls must not be left locked for good. Only the repaint waits
// for a visible grid.
void TDudStringGrid::BeginUpdate()
{
    ++FUpdateCount;
}

void TDudStringGrid::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0 && Visible() && (ComponentState() & csDestroying) == 0) {
        FSelChange = false;
        Invalidate();
    }
}

void TDudStringGrid::SetLockUpdate(bool value)
{
    if (value)
        BeginUpdate();
    else
        EndUpdate();
}

String TDudStringGrid::StrippedMarkup(const String& text)
{
    return ClassifyCellText(text, true) == ckMarkup ? MarkupToText(text) : text;
}

String TDudStringGrid::GetStrippedCell(int32_t aCol, int32_t aRow) const
{
    return StrippedMarkup(GetCellEx(aCol, aRow));
}

TColor TDudStringGrid::GetColors(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->BrushColor() : clNone;
}

void TDudStringGrid::SetColors(int32_t aCol, int32_t aRow, TColor color)
{
    CellProperties(aCol, aRow)->SetBrushColor(color);
    if (FUpdateCount == 0)
        RepaintCell(RemapColToDispl(aCol), aRow);
}

void TDudStringGrid::SetColorsTo(int32_t aCol, int32_t aRow, TColor color)
{
    CellProperties(aCol, aRow)->SetBrushColorTo(color);
    if (FUpdateCount == 0)
        RepaintCell(RemapColToDispl(aCol), aRow);
}

void TDudStringGrid::SetFontColors(int32_t aCol, int32_t aRow, TColor color)
{
    CellProperties(aCol, aRow)->SetFontColor(color);
    if (FUpdateCount == 0)
        RepaintCell(RemapColToDispl(aCol), aRow);
}

void TDudStringGrid::SetRowColor(int32_t aRow, TColor color)
{
    for (int32_t column = FixedCols(); column < AllColCount(); ++column) {
        if (color == clNone && GetCellType(column, aRow) == ctNone)
            FreeCellProps(column, aRow);
        else
            CellProperties(column, aRow)->SetBrushColor(color);
    }
    RepaintRow(aRow);
}

void TDudStringGrid::SetRowColorTo(int32_t aRow, TColor color)
{
    for (int32_t column = FixedCols(); column < AllColCount(); ++column) {
        if (color == clNone)
            FreeCellProps(column, aRow);
        else
            CellProperties(column, aRow)->SetBrushColorTo(color);
    }
    RepaintRow(aRow);
}

void TDudStringGrid::SetRowFontColor(int32_t aRow, TColor color)
{
    for (int32_t column = FixedCols(); column < AllColCount(); ++column) {
        if (color == clNone) {
            if (GetColors(column, aRow) == clNone)
                FreeCellProps(column, aRow);
            else if (TCellProperties* props = GetGridObject(column, aRow))
                props->SetFontColor(clNone);
        } else {
            CellProperties(column, aRow)->SetFontColor(color);
        }
    }
    RepaintRow(aRow);
}

bool TDudStringGrid::GetReadOnly(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props && props->ReadOnly();
}

bool TDudStringGrid::IsSelected(int32_t aCol, int32_t aRow) const
{
    const TGridRect selection = Selection();
    return selection.Contains(aCol, aRow);
}

int32_t TDudStringGrid::FirstEditColumn() const
{
    return FixedCols() == 0 && FNumNodes > 0 ? 1 : FixedCols();
}

void TDudStringGrid::ClearRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2)
{
    const bool destroying = (ComponentState() & csDestroying) != 0;
    for (int32_t row = aRow1; row <= aRow2; ++row) {
        for (int32_t displayCol = aCol1; displayCol <= aCol2; ++displayCol) {
            const int32_t column = FSaveHiddenCells ? RemapColToReal(displayCol) : displayCol;
            if (!FClearTextOnly)
                FreeCellProps(column, row);
            if (!destroying && !GetGridCell(column, row).isEmpty())
                SetGridCell(column, row, String());
        }
    }
}

void TDudStringGrid::ClearRows(int32_t rowIndex, int32_t count)
{
    if (RowCount() > 0 && ColCount() > 0 && count > 0)
        ClearRect(0, rowIndex, AllColCount() - 1, rowIndex + count - 1);
}

void TDudStringGrid::AddRow()
{
    SetRowCount(RowCount() + 1);
}

void TDudStringGrid::MoveRowCells(int32_t fromRow, int32_t toRow)
{
    for (int32_t column = 0; column < AllColCount(); ++column) {
        SetGridCell(column, toRow, GetGridCell(column, fromRow));
        SetGridObject(column, toRow, ExtractGridObject(column, fromRow));
        SetGridCell(column, fromRow, String());
    }
    SetRowHeights(toRow, RowHeights(fromRow));
}

void TDudStringGrid::InsertRowRange(int32_t fromRow, int32_t count, bool withControls)
{
    (void)withControls;
    if (count <= 0)
        return;
    if (FSelHidden)
        UnHideSelection();
    const int32_t oldCount = RowCount();
    SetRowCount(oldCount + count);
    for (int32_t row = oldCount - 1; row >= fromRow; --row)
        MoveRowCells(row, row + count);
    for (int32_t row = fromRow; row < fromRow + count; ++row)
        SetRowHeights(row, DefaultRowHeight());
    DoCellsChanged(TRect { 0, fromRow, AllColCount() - 1, fromRow + count - 1 });
}

void TDudStringGrid::DeleteRowRange(int32_t fromRow, int32_t count, bool withControls)
{
    (void)withControls;
    if (fromRow >= RowCount() || count <= 0)
        return;
    count = std::min(count, RowCount() - fromRow);
    ClearRect(0, fromRow, AllColCount() - 1, fromRow + count - 1);
    for (int32_t row = fromRow + count; row < RowCount(); ++row)
        MoveRowCells(row, row - count);
    const int32_t currentRow = Row();
    const int32_t topRow = TopRow();
    SetRowCount(std::max(RowCount() - count, 1));
    if (currentRow >= RowCount() && RowCount() > FixedRows())
        SetRowEx(RowCount() - 1);
    if (topRow < RowCount())
        SetTopRowEx(topRow);
    DoCellsChanged(TRect { 0, fromRow, AllColCount() - 1, fromRow + count - 1 });
}

void TDudStringGrid::InsertRows(int32_t rowIndex, int32_t count, bool updateCellControls)
{
    InsertRowRange(rowIndex, count, updateCellControls);
}

void TDudStringGrid::RemoveRows(int32_t rowIndex, int32_t count)
{
    DeleteRowRange(rowIndex, count, true);
}

void TDudStringGrid::RemoveRowsEx(int32_t rowIndex, int32_t count)
{
    BeginUpdate();
    DeleteRowRange(rowIndex, count, false);
    FMaxRowCount = std::max(FMaxRowCount - count, RowCount());
    EndUpdate();
}

void TDudStringGrid::RemoveRowsPlain(int32_t aRow, int32_t count)
{
    DeleteRowRange(aRow, count, true);
}

void TDudStringGrid::InsertCols(int32_t colIndex, int32_t count)
{
    if (count <= 0)
        return;
    const int32_t oldAll = AllColCount();
    SetColCount(ColCount() + count);
    for (int32_t column = oldAll - 1; column >= colIndex; --column) {
        for (int32_t row = 0; row < RowCount(); ++row) {
            SetGridCell(column + count, row, GetGridCell(column, row));
            SetGridObject(column + count, row, ExtractGridObject(column, row));
            SetGridCell(column, row, String());
        }
        if (column + count <= MaxHideableColumns) {
            FVisibleCol[static_cast<size_t>(column + count)] = FVisibleCol[static_cast<size_t>(column)];
            FAllColWidths[static_cast<size_t>(column + count)] = FAllColWidths[static_cast<size_t>(column)];
        }
    }
    for (int32_t column = colIndex; column < colIndex + count && column <= MaxHideableColumns; ++column)
        FVisibleCol[static_cast<size_t>(column)] = true;
    for (int32_t column = colIndex; column < colIndex + count; ++column)
        SetColWidths(RemapColToDispl(column), DefaultColWidth());
}

void TDudStringGrid::RemoveCols(int32_t colIndex, int32_t count)
{
    count = std::min(count, AllColCount() - colIndex);
    if (count <= 0)
        return;
    ClearRect(colIndex, 0, colIndex + count - 1, RowCount() - 1);
    for (int32_t column = colIndex + count; column < AllColCount(); ++column) {
        for (int32_t row = 0; row < RowCount(); ++row) {
            SetGridCell(column - count, row, GetGridCell(column, row));
            SetGridObject(column - count, row, ExtractGridObject(column, row));
            SetGridCell(column, row, String());
        }
    }
    SetColCount(std::max(ColCount() - count, 1));
    DoCellsChanged(TRect { colIndex, 0, colIndex + count - 1, RowCount() - 1 });
}

void TDudStringGrid::SortSwapRows(int32_t row1, int32_t row2)
{
    for (int32_t column = 0; column < AllColCount(); ++column) {
        const String text = GetGridCell(column, row1);
        SetGridCell(column, row1, GetGridCell(column, row2));
        SetGridCell(column, row2, text);
        auto props = ExtractGridObject(column, row1);
        SetGridObject(column, row1, ExtractGridObject(column, row2));
        SetGridObject(column, row2, std::move(props));
    }
}

String TDudStringGrid::CurrentCell()
{
    const TPoint base = BaseCell(Col(), Row());
    return GetGridCell(RemapColToReal(base.X), base.Y);
}

void TDudStringGrid::SetCurrentCell(const String& value)
{
    const TPoint base = BaseCell(Col(), Row());
    SetGridCell(RemapColToReal(base.X), base.Y, value);
}

void TDudStringGrid::SetCurrentCellText(const String& value)
{
    const TPoint base = BaseCell(Col(), Row());
    SetEditText(base.X, base.Y, value);
}

String TDudStringGrid::GetEditText(int32_t aCol, int32_t aRow)
{
    FNoEditChange = true;
    const TPoint base = BaseCell(RemapColToReal(aCol), aRow);
    const String text = GetGridCell(base.X, base.Y);
    return FEditWithTags ? text : StrippedMarkup(text);
}

void TDudStringGrid::SetEditText(int32_t aCol, int32_t aRow, const String& value)
{
    const TPoint base = BaseCell(RemapColToReal(aCol), aRow);
    TBaseGrid::SetEditText(base.X, base.Y, value);
}

void TDudStringGrid::ShowInplaceEdit()
{
    if (IsControlCell(RemapColToReal(Col()), Row()))
        return;
    ScrollInView(Col(), Row());
    FEditText = Cells(RemapColToReal(Col()), Row());
    ShowEditor();
}

void TDudStringGrid::HideInplaceEdit()
{
    if (!EditMode && !EditorMode())
        return;
    HideEditor();
    CommitCellEditorControl(Col(), Row());
    EditMode = false;
    SelectCell(Col(), Row());
}

void TDudStringGrid::DoCellsChanged(const TRect& cells)
{
    if (OnCellsChanged)
        OnCellsChanged(this, cells);
}
