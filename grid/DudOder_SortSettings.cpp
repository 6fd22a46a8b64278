#include "grid/DudOder_SortSettings.h"

#include "grid/base/BaseGrid.h"

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
