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

int32_t TDudStringGrid::FirstEditColumn() const
{
    return FixedCols() == 0 && FNumNodes > 0 ? 1 : FixedCols();
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

