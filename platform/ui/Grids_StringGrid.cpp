#include "platform/ui/Grids.h"

#include <algorithm>
#include <cstddef>

// ---- the string grid

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) { FData.resize(static_cast<size_t>(RowCount())); }

TStringGrid::~TStringGrid() = default;

const TStringGrid::TCell* TStringGrid::FindCell(int32_t aCol, int32_t aRow) const
{
    if (aCol < 0 || aRow < 0 || static_cast<size_t>(aRow) >= FData.size())
        return nullptr;
    const TCellRow* row = FData[static_cast<size_t>(aRow)].get();
    if (!row || static_cast<size_t>(aCol) >= row->size())
        return nullptr;
    return &(*row)[static_cast<size_t>(aCol)];
}

void TStringGrid::CheckWritable(int32_t aCol, int32_t aRow) const
{
    if (aCol < 0 || aRow < 0 || aRow >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

TStringGrid::TCell& TStringGrid::EnsureCell(int32_t aCol, int32_t aRow)
{
    std::unique_ptr<TCellRow>& row = FData[static_cast<size_t>(aRow)];
    if (!row)
        row = std::make_unique<TCellRow>();
    if (static_cast<size_t>(aCol) >= row->size())
        row->resize(static_cast<size_t>(std::max(aCol + 1, ColCount())));
    return (*row)[static_cast<size_t>(aCol)];
}

String TStringGrid::Cells(int32_t aCol, int32_t aRow) const
{
    const TCell* cell = FindCell(aCol, aRow);
    return cell ? cell->Text : String();
}

void TStringGrid::SetCells(int32_t aCol, int32_t aRow, const String& value)
{
    CheckWritable(aCol, aRow);
    const TCell* existing = FindCell(aCol, aRow);
    if (!existing && value.isEmpty())
        return;
    EnsureCell(aCol, aRow).Text = value;
    InvalidateCell(aCol, aRow);
    if (!FUpdatingFromEditor && aCol == Col() && aRow == Row())
        InvalidateEditor();
}

void* TStringGrid::Objects(int32_t aCol, int32_t aRow) const
{
    const TCell* cell = FindCell(aCol, aRow);
    return cell ? cell->Object : nullptr;
}

void TStringGrid::SetObjects(int32_t aCol, int32_t aRow, void* object)
{
    CheckWritable(aCol, aRow);
    if (!object && !FindCell(aCol, aRow))
        return;
    EnsureCell(aCol, aRow).Object = object;
}

void TStringGrid::SizeChanged(int32_t oldColCount, int32_t oldRowCount)
{
    TDrawGrid::SizeChanged(oldColCount, oldRowCount);
    // Rows cut off go with their texts, so that growing the grid again
    // shows empty rows; columns past ColCount keep theirs.
    FData.resize(static_cast<size_t>(RowCount()));
}

void TStringGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex)
{
    const auto last = static_cast<size_t>(std::max(fromIndex, toIndex));
    for (std::unique_ptr<TCellRow>& row : FData) {
        if (!row || std::min(fromIndex, toIndex) >= static_cast<int32_t>(row->size()))
            continue;
        if (row->size() <= last)
            row->resize(last + 1);
        const auto first = row->begin();
        if (fromIndex < toIndex)
            std::rotate(first + fromIndex, first + fromIndex + 1, first + toIndex + 1);
        else
            std::rotate(first + toIndex, first + fromIndex, first + fromIndex + 1);
    }
    TDrawGrid::ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::RowMoved(int32_t fromIndex, int32_t toIndex)
{
    const auto first = FData.begin();
    if (fromIndex < toIndex)
        std::rotate(first + fromIndex, first + fromIndex + 1, first + toIndex + 1);
    else
        std::rotate(first + toIndex, first + fromIndex, first + fromIndex + 1);
    TDrawGrid::RowMoved(fromIndex, toIndex);
}

void TStringGrid::RowsPermuted(int32_t first, const std::vector<int32_t>& order)
{
    std::vector<std::unique_ptr<TCellRow>> rows(order.size());
    for (size_t index = 0; index < order.size(); ++index)
        rows[index] = std::move(FData[static_cast<size_t>(order[index])]);
    std::move(rows.begin(), rows.end(), FData.begin() + first);
    TDrawGrid::RowsPermuted(first, order);
}

// The deleted column's cells end up just past ColCount; taking them out of
// the store keeps the hidden columns kept there where they were.
void TStringGrid::DeleteColumn(int32_t aCol)
{
    TDrawGrid::DeleteColumn(aCol);
    const auto dropped = static_cast<size_t>(ColCount());
    for (std::unique_ptr<TCellRow>& row : FData) {
        if (row && row->size() > dropped)
            row->erase(row->begin() + static_cast<std::ptrdiff_t>(dropped));
    }
}

void TStringGrid::RemoveRowCells(int32_t aCol, int32_t count, int32_t end)
{
    if (aCol < 0 || count <= 0 || end <= aCol)
        return;
    for (std::unique_ptr<TCellRow>& row : FData) {
        if (!row || static_cast<int32_t>(row->size()) <= aCol)
            continue;
        const int32_t last = std::min(end, static_cast<int32_t>(row->size()));
        const auto first = row->begin() + aCol;
        const auto stop = row->begin() + last;
        const auto leaving = std::min(count, last - aCol);
        std::rotate(first, first + leaving, stop);
        std::fill(stop - leaving, stop, TCell {});
    }
}

void TStringGrid::DrawCell(int32_t aCol, int32_t aRow, const TRect& rect, TGridDrawState state)
{
    if (DefaultDrawing()) {
        if (const TCell* cell = FindCell(aCol, aRow); cell && !cell->Text.isEmpty())
            Canvas().TextRect(rect, rect.Left + 2, rect.Top + 2, cell->Text);
    }
    TDrawGrid::DrawCell(aCol, aRow, rect, state);
}

String TStringGrid::GetEditText(int32_t aCol, int32_t aRow)
{
    String value = Cells(aCol, aRow);
    if (OnGetEditText)
        OnGetEditText(this, aCol, aRow, value);
    return value;
}

void TStringGrid::SetEditText(int32_t aCol, int32_t aRow, const String& value)
{
    FUpdatingFromEditor = true;
    try {
        SetCells(aCol, aRow, value);
    } catch (...) {
        FUpdatingFromEditor = false;
        throw;
    }
    FUpdatingFromEditor = false;
    TDrawGrid::SetEditText(aCol, aRow, value);
}

// ---- rows and columns as string lists

int32_t TStringGridStrings::Count() const { return FIsRow ? FGrid->ColCount() : FGrid->RowCount(); }

String TStringGridStrings::Get(int32_t index) const
{
    return FIsRow ? FGrid->Cells(index, FIndex) : FGrid->Cells(FIndex, index);
}

void TStringGridStrings::Put(int32_t index, const String& text)
{
    if (index < 0 || (!FIsRow && index >= Count()))
        ListIndexError(index);
    if (FIsRow)
        FGrid->SetCells(index, FIndex, text);
    else
        FGrid->SetCells(FIndex, index, text);
}

void* TStringGridStrings::GetObject(int32_t index) const
{
    return FIsRow ? FGrid->Objects(index, FIndex) : FGrid->Objects(FIndex, index);
}

void TStringGridStrings::PutObject(int32_t index, void* object)
{
    if (index < 0 || (!FIsRow && index >= Count()))
        ListIndexError(index);
    if (FIsRow)
        FGrid->SetObjects(index, FIndex, object);
    else
        FGrid->SetObjects(FIndex, index, object);
}

int32_t TStringGridStrings::Add(const String& text)
{
    for (int32_t index = 0; index < Count(); ++index) {
        if (Get(index).isEmpty()) {
            Put(index, text);
            return index;
        }
    }
    throw EListError(QStringLiteral("No empty cell left in the grid row or column"));
}

void TStringGridStrings::Insert(int32_t index, const String& text)
{
    (void)index;
    (void)text;
    throw EListError(QStringLiteral("Cells cannot be inserted into a grid row or column"));
}

void TStringGridStrings::Delete(int32_t index)
{
    (void)index;
    throw EListError(QStringLiteral("Cells cannot be deleted from a grid row or column"));
}

void TStringGridStrings::Clear()
{
    for (int32_t index = 0; index < Count(); ++index) {
        Put(index, String());
        PutObject(index, nullptr);
    }
}

void TStringGridStrings::Assign(const TPersistent& source)
{
    const auto* strings = dynamic_cast<const TStrings*>(&source);
    if (!strings) {
        TStrings::Assign(source);
        return;
    }
    if (!FIsRow && strings->Count() > Count())
        ListIndexError(strings->Count() - 1);
    const int32_t count = std::max(Count(), strings->Count());
    for (int32_t index = 0; index < count; ++index) {
        const bool inSource = index < strings->Count();
        Put(index, inSource ? strings->Strings(index) : String());
        PutObject(index, inSource ? strings->Objects(index) : nullptr);
    }
}
