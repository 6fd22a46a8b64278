#include "grid/DudOder.h"

#include "grid/DudOder_GridData.h"
#include "grid/base/RovIvir.h"

#include <algorithm>

// Cell texts, objects and looks by real column and real row, through
// hidden rows, sorting and moved columns. Readers never create cell
// properties; writers do.

namespace {

TGridItem& ItemAt(const TCollection& items, int32_t index)
{
    return *static_cast<TGridItem*>(items.Items(index));
}

} // namespace

String TDudStringGrid::GetGridCellsEx(int32_t aCol, int32_t aRow) const
{
    if (aCol < 0 || aRow < 0)
        return String();
    if (const int32_t storeIndex = StoredRowIndex(aRow); storeIndex >= 0) {
        const TStringList& cells = ItemAt(*FGridItems, storeIndex).Items();
        return aCol < cells.Count() ? cells.Strings(aCol) : String();
    }
    return GetGridCell(aCol, RemapRowToDispl(aRow));
}

void TDudStringGrid::SetGridCellsEx(int32_t aCol, int32_t aRow, const String& value)
{
    if (const int32_t storeIndex = StoredRowIndex(aRow); storeIndex >= 0) {
        // Raw access does not grow a stored row.
        ItemAt(*FGridItems, storeIndex).Items().SetStrings(aCol, value);
        return;
    }
    const int32_t displayRow = RemapRowToDispl(aRow);
    SetGridCell(aCol, displayRow, value);
    const int32_t displayCol = RemapColToDispl(aCol);
    if (displayCol != aCol)
        RepaintCell(displayCol, displayRow);
}

TCellProperties* TDudStringGrid::GetRealCellObject(int32_t aCol, int32_t aRow) const
{
    if (const int32_t storeIndex = StoredRowIndex(aRow); storeIndex >= 0) {
        const TStringList& cells = ItemAt(*FGridItems, storeIndex).Items();
        return aCol >= 0 && aCol < cells.Count() ? static_cast<TCellProperties*>(cells.Objects(aCol)) : nullptr;
    }
    return GetGridObject(aCol, RemapRowToDispl(aRow));
}

void* TDudStringGrid::GetObjectsEx(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetRealCellObject(aCol, aRow);
    return props ? props->CellObject() : nullptr;
}

void TDudStringGrid::SetObjectsEx(int32_t aCol, int32_t aRow, void* object)
{
    const int32_t storeIndex = StoredRowIndex(aRow);
    if (storeIndex < 0) {
        SetObjectEx(aCol, RemapRowToDispl(aRow), object);
        return;
    }
    // A stored row keeps the object in the cell's properties, as a shown row does.
    TStringList& cells = ItemAt(*FGridItems, storeIndex).Items();
    while (cells.Count() <= aCol)
        cells.Add(String());
    auto* props = static_cast<TCellProperties*>(cells.Objects(aCol));
    if (!props) {
        props = new TCellProperties(this, aCol, aRow);
        cells.SetObjects(aCol, props);
    }
    props->SetCellObject(object);
}

TStrings* TDudStringGrid::GetHiddenRowStrings(int32_t aRealRow) const
{
    for (int32_t index = 0; index < FGridItems->Count(); ++index)
        if (ItemAt(*FGridItems, index).Idx() == aRealRow)
            return &ItemAt(*FGridItems, index).Items();
    return nullptr;
}

int32_t TDudStringGrid::SortedRowIndex(int32_t aRow) const
{
    const int32_t row = aRow >= 0 && aRow < FSortRowXRef->Count() ? FSortRowXRef->Items(aRow) : aRow;
    return RemapRowToReal(row);
}

int32_t TDudStringGrid::UnSortedRowIndex(int32_t aRow) const
{
    if (FSortRowXRef->Count() == 0)
        return aRow;
    const int32_t position = FSortRowXRef->IndexOf(aRow);
    return position >= 0 ? position : FSortRowXRef->Count();
}

int32_t TDudStringGrid::UnSortedRow(int32_t aRow) const
{
    if (FSortRowXRef->Count() < aRow)
        return aRow;
    const int32_t position = FSortRowXRef->IndexOf(aRow);
    return position >= 0 ? position : FSortRowXRef->Count();
}

String TDudStringGrid::GetUnSortedCell(int32_t aCol, int32_t aRow) const
{
    return GetCellEx(aCol, UnSortedRow(aRow));
}

void TDudStringGrid::SetUnSortedCell(int32_t aCol, int32_t aRow, const String& value)
{
    SetCellEx(aCol, UnSortedRow(aRow), value);
}

int32_t TDudStringGrid::OriginalColumn(int32_t aCol) const
{
    const int32_t position = ColumnPosition(aCol);
    return position == -1 ? aCol : position;
}

String TDudStringGrid::GetOriginalCells(int32_t aCol, int32_t aRow) const
{
    return GetCellEx(OriginalColumn(aCol), aRow);
}

void TDudStringGrid::SetOriginalCells(int32_t aCol, int32_t aRow, const String& value)
{
    SetCellEx(OriginalColumn(aCol), aRow, value);
}

int32_t TDudStringGrid::GetLinesInCell(int32_t aCol, int32_t aRow) const
{
    return CountLines(GetCellEx(aCol, aRow), true);
}

String TDudStringGrid::GetCurrentCellText()
{
    const TPoint base = BaseCell(Col(), Row());
    return GetCellEx(RemapColToReal(base.X), base.Y);
}

// ---- per-cell looks

template <class T>
void TDudStringGrid::SetCellLook(int32_t aCol, int32_t aRow, void (TCellProperties::*setter)(T), T value)
{
    (CellProperties(aCol, aRow)->*setter)(value);
    RepaintCell(RemapColToDispl(aCol), aRow);
}

TColor TDudStringGrid::GetColorsTo(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->BrushColorTo() : clNone;
}

TCellGradientDirection TDudStringGrid::GetGradientDir(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->GradientDirection() : GradientVertical;
}

void TDudStringGrid::SetGradientDir(int32_t aCol, int32_t aRow, TCellGradientDirection value)
{
    SetCellLook(aCol, aRow, &TCellProperties::SetGradientDirection, value);
}

TColor TDudStringGrid::GetFontColors(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->FontColor() : clNone;
}

TFontStyles TDudStringGrid::GetFontStyles(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->FontStyle() : TFontStyles {};
}

void TDudStringGrid::SetFontStyles(int32_t aCol, int32_t aRow, TFontStyles value)
{
    SetCellLook(aCol, aRow, &TCellProperties::SetFontStyle, value);
}

int32_t TDudStringGrid::GetFontSizes(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->FontSize() : 0;
}

void TDudStringGrid::SetFontSizes(int32_t aCol, int32_t aRow, int32_t value)
{
    SetCellLook(aCol, aRow, &TCellProperties::SetFontSize, value);
}

String TDudStringGrid::GetFontNames(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->FontName() : String();
}

void TDudStringGrid::SetFontNames(int32_t aCol, int32_t aRow, const String& value)
{
    SetCellLook<const String&>(aCol, aRow, &TCellProperties::SetFontName, value);
}

TAlignment TDudStringGrid::GetAlignments(int32_t aCol, int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(aCol, aRow);
    return props ? props->Alignment() : taLeftJustify;
}

void TDudStringGrid::SetAlignments(int32_t aCol, int32_t aRow, TAlignment value)
{
    SetCellLook(aCol, aRow, &TCellProperties::SetAlignment, value);
}

void TDudStringGrid::SetReadOnly(int32_t aCol, int32_t aRow, bool value)
{
    SetCellLook(aCol, aRow, &TCellProperties::SetReadOnly, value);
}

bool TDudStringGrid::GetWordWraps(int32_t aCol, int32_t aRow)
{
    return CellProperties(aCol, aRow)->WordWrap();
}

void TDudStringGrid::SetWordWraps(int32_t aCol, int32_t aRow, bool value)
{
    SetCellLook(aCol, aRow, &TCellProperties::SetWordWrap, value);
}

void TDudStringGrid::SetCellFont(int32_t aCol, int32_t aRow, const TFont& font)
{
    TCellProperties* props = CellProperties(aCol, aRow);
    props->SetFontName(font.Name());
    props->SetFontSize(font.Size());
    props->SetFontStyle(font.Style());
    props->SetFontColor(font.Color());
    if (FUpdateCount == 0)
        RepaintCell(RemapColToDispl(aCol), aRow);
}

// ---- zoom

void TDudStringGrid::Zoom(int32_t x)
{
    const int32_t factor = FZoomFactor + x;
    if (factor < -10 || factor > 10)
        return;
    FScrollLock = true;
    FZoomFactor = factor;
    for (int32_t column = 0; column < ColCount(); ++column)
        if (const int32_t width = ColWidths(column); width > 0 && width + x > 0)
            SetColWidths(column, width + x);
    for (int32_t row = 0; row < RowCount(); ++row)
        if (const int32_t height = RowHeights(row); height > 0 && height + x > 0)
            SetRowHeights(row, height + x);
    FScrollLock = false;
}
