#pragma once

#include "platform/core/Persistent.h"
#include "platform/core/Exception.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

#include <cstdint>

class TBaseGrid;

enum TSortBlankPosition { blFirst, blLast };
enum TSortDirection { sdAscending, sdDescending };
enum TIndexSortKey { ikShift, ikCtrl };

// Which column is sorted, how, and how the header shows and takes sorting clicks.
class TSortSettings : public TPersistent {
public:
    explicit TSortSettings(TBaseGrid* owner) : FGrid(owner) { }

    // Copies the fields without the setters' repaints; IgnoreCase and
    // SortOnVirtualCells stay with the target.
    void Assign(const TPersistent& source) override;

    void ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }
    // No sorted column any more; the grid's index sort is forgotten too.
    void Remove();
    // "u3"/"d3" for one sorted column, "i;" and the index list in index
    // mode; reading it back sorts the grid again.
    String SaveToString() const;
    void LoadFromString(const String& value);

    bool Show() const { return FShow; }
    void SetShow(bool value);
    bool IndexShow() const { return FIndexShow; }
    void SetIndexShow(bool value) { FIndexShow = value; }
    bool Full() const { return FFull; }
    void SetFull(bool value) { FFull = value; }
    bool SingleColumn() const { return FSingleColumn; }
    void SetSingleColumn(bool value) { FSingleColumn = value; }
    bool IgnoreBlanks() const { return FIgnoreBlanks; }
    void SetIgnoreBlanks(bool value) { FIgnoreBlanks = value; }
    TSortBlankPosition BlankPos() const { return FBlankPos; }
    void SetBlankPos(TSortBlankPosition value) { FBlankPos = value; }
    bool AutoFormat() const { return FAutoFormat; }
    void SetAutoFormat(bool value) { FAutoFormat = value; }
    TSortDirection Direction() const { return FDirection; }
    void SetDirection(TSortDirection value) { FDirection = value; }
    const TBitmap& UpGlyph() const { return FUpGlyph; }
    void SetUpGlyph(const TBitmap& value) { FUpGlyph.Assign(value); }
    const TBitmap& DownGlyph() const { return FDownGlyph; }
    void SetDownGlyph(const TBitmap& value) { FDownGlyph.Assign(value); }
    const TBitmap& IndexUpGlyph() const { return FIndexUpGlyph; }
    void SetIndexUpGlyph(const TBitmap& value) { FIndexUpGlyph.Assign(value); }
    const TBitmap& IndexDownGlyph() const { return FIndexDownGlyph; }
    void SetIndexDownGlyph(const TBitmap& value) { FIndexDownGlyph.Assign(value); }
    bool NormalCellsOnly() const { return FNormalCellsOnly; }
    void SetNormalCellsOnly(bool value) { FNormalCellsOnly = value; }
    bool FixedCols() const { return FFixedCols; }
    void SetFixedCols(bool value) { FFixedCols = value; }
    int32_t Column() const { return FColumn; }
    void SetColumn(int32_t value) { FColumn = value; }
    int32_t Row() const { return FRow; }
    // Above the grid's FixedRows the value is refused with an exception.
    void SetRow(int32_t value);
    bool AutoColumnMerge() const { return FAutoColumnMerge; }
    void SetAutoColumnMerge(bool value) { FAutoColumnMerge = value; }
    TColor IndexColor() const { return FIndexColor; }
    void SetIndexColor(TColor value) { FIndexColor = value; }
    TSortDirection InitSortDirection() const { return FInitSortDirection; }
    void SetInitSortDirection(TSortDirection value) { FInitSortDirection = value; }
    bool UndoSort() const { return FUndoSort; }
    void SetUndoSort(bool value) { FUndoSort = value; }
    bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
    void SetAutoSortForGrouping(bool value) { FAutoSortForGrouping = value; }
    bool SortOnVirtualCells() const { return FSortOnVirtualCells; }
    void SetSortOnVirtualCells(bool value) { FSortOnVirtualCells = value; }
    bool IgnoreCase() const { return FIgnoreCase; }
    void SetIgnoreCase(bool value) { FIgnoreCase = value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor value) { SetHeaderLook(FHeaderColor, value); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor value) { SetHeaderLook(FHeaderColorTo, value); }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor value) { SetHeaderLook(FHeaderMirrorColor, value); }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor value) { SetHeaderLook(FHeaderMirrorColorTo, value); }
    TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
    void SetIndexSortKey(TIndexSortKey value) { FIndexSortKey = value; }

private:
    void SetHeaderLook(TColor& field, TColor value);

    TBaseGrid* FGrid;
    bool FShow = false;
    bool FIndexShow = false;
    bool FFull = true;
    bool FSingleColumn = false;
    bool FIgnoreBlanks = false;
    TSortBlankPosition FBlankPos = blFirst;
    bool FAutoFormat = true;
    TSortDirection FDirection = sdAscending;
    TBitmap FUpGlyph;
    TBitmap FDownGlyph;
    TBitmap FIndexUpGlyph;
    TBitmap FIndexDownGlyph;
    bool FNormalCellsOnly = false;
    bool FFixedCols = false;
    int32_t FColumn = -1;
    int32_t FRow = 0;
    bool FAutoColumnMerge = false;
    TColor FIndexColor = clYellow;
    TSortDirection FInitSortDirection = sdAscending;
    bool FUndoSort = false;
    bool FAutoSortForGrouping = true;
    bool FSortOnVirtualCells = true;
    bool FIgnoreCase = false;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
    TIndexSortKey FIndexSortKey = ikShift;
};
