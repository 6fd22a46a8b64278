#include "grid/DudOder_SortSettings.h"

#include "grid/DudOder.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/VidEri.h"
#include "platform/core/SysUtils.h"

void TSortSettings::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TSortSettings*>(&source);
    if (!other)
        return;
    FAutoSortForGrouping = other->FAutoSortForGrouping;
    FAutoColumnMerge = other->FAutoColumnMerge;
    FColumn = other->FColumn;
    FShow = other->FShow;
    FIndexShow = other->FIndexShow;
    FIndexColor = other->FIndexColor;
    FFull = other->FFull;
    FSingleColumn = other->FSingleColumn;
    FIgnoreBlanks = other->FIgnoreBlanks;
    FBlankPos = other->FBlankPos;
    FAutoFormat = other->FAutoFormat;
    FDirection = other->FDirection;
    FUpGlyph.Assign(other->FUpGlyph);
    FDownGlyph.Assign(other->FDownGlyph);
    FIndexUpGlyph.Assign(other->FIndexUpGlyph);
    FIndexDownGlyph.Assign(other->FIndexDownGlyph);
    FIndexSortKey = other->FIndexSortKey;
    FInitSortDirection = other->FInitSortDirection;
    FFixedCols = other->FFixedCols;
    FNormalCellsOnly = other->FNormalCellsOnly;
    FRow = other->FRow;
    FUndoSort = other->FUndoSort;
    FHeaderColor = other->FHeaderColor;
    FHeaderColorTo = other->FHeaderColorTo;
    FHeaderMirrorColor = other->FHeaderMirrorColor;
    FHeaderMirrorColorTo = other->FHeaderMirrorColorTo;
}

void TSortSettings::SetShow(bool value)
{
    if (FShow == value)
        return;
    FShow = value;
    if (FGrid)
        FGrid->Invalidate();
}

void TSortSettings::SetRow(int32_t value)
{
    if (FGrid && value > FGrid->FixedRows())
        throw Exception("Sort row should be smaller than number of fixed rows");
    FRow = value;
}

void TSortSettings::SetHeaderLook(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = value;
    if (FGrid && FGrid->FixedRows() > 0)
        FGrid->InvalidateRow(FGrid->FixedRows() - 1);
}

void TSortSettings::Remove()
{
    FColumn = -1;
    auto* grid = dynamic_cast<TDudStringGrid*>(FGrid);
    if (!grid)
        return;
    grid->SortIndexes().Clear();
    grid->InvalidateRow(grid->FixedRows() - 1);
}

String TSortSettings::SaveToString() const
{
    if (FIndexShow) {
        const auto* grid = dynamic_cast<const TDudStringGrid*>(FGrid);
        return QStringLiteral("i;") + (grid ? grid->SortIndexes().SaveToString() : String());
    }
    return (FDirection == sdAscending ? QStringLiteral("u") : QStringLiteral("d")) + String::number(FColumn);
}

void TSortSettings::LoadFromString(const String& value)
{
    if (value.isEmpty())
        return;
    SetShow(true);
    if (value.size() < 2)
        throw Exception("Invalid sort settings specifier");
    auto* grid = dynamic_cast<TDudStringGrid*>(FGrid);
    if (value.contains(QStringLiteral("i;"))) {
        FIndexShow = true;
        const String indexes = value.mid(2);
        if (!indexes.isEmpty() && grid) {
            grid->SortIndexes().LoadFromString(indexes);
            grid->QSortIndexed();
        }
        return;
    }
    FIndexShow = false;
    FDirection = value.contains(u'u') ? sdAscending : sdDescending;
    int32_t column = 0;
    if (!TryStrToInt(value.mid(1), column))
        return;
    FColumn = column;
    if (grid)
        grid->QSort();
}
