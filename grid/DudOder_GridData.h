#pragma once

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Types.h"

#include <cstdint>

class TBaseGrid;

// One row taken out of the grid by hiding or filtering, kept until it is shown again.
class TGridItem : public TCollectionItem {
public:
    explicit TGridItem(TCollection* collection) : TCollectionItem(collection) { }

    int32_t Idx() const { return FIdx; }
    void SetIdx(int32_t value) { FIdx = value; }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value) { FHeight = value; }
    int32_t Level() const { return FLevel; }
    void SetLevel(int32_t value) { FLevel = value; }
    TStringList& Items() { return FItems; }
    const TStringList& Items() const { return FItems; }
    void SetItems(const TStrings& value) { FItems.Assign(value); }

private:
    int32_t FIdx = 0;
    int32_t FHeight = 0;
    int32_t FLevel = 0;
    TStringList FItems;
};

enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod { fmExpression, fmLiteral };

// One filter condition on one column.
class TFilterData : public TCollectionItem {
public:
    explicit TFilterData(TCollection* collection) : TCollectionItem(collection) { }

    // Copies everything but Method, which stays with the target.
    void Assign(const TPersistent& source) override;

    int16_t Column() const { return FColumn; }
    void SetColumn(int16_t value) { FColumn = value; }
    const String& Condition() const { return FCondition; }
    void SetCondition(const String& value) { FCondition = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    const String& Suffix() const { return FSuffix; }
    void SetSuffix(const String& value) { FSuffix = value; }
    const String& Prefix() const { return FPrefix; }
    void SetPrefix(const String& value) { FPrefix = value; }
    TFilterOperation Operation() const { return FOperation; }
    void SetOperation(TFilterOperation value) { FOperation = value; }
    TFilterCells Data() const { return FData; }
    void SetData(TFilterCells value) { FData = value; }
    TFilterMethod Method() const { return FMethod; }
    void SetMethod(TFilterMethod value) { FMethod = value; }

private:
    int16_t FColumn = 0;
    String FCondition;
    bool FCaseSensitive = true;
    String FSuffix;
    String FPrefix;
    TFilterOperation FOperation = foSHORT;
    TFilterCells FData = fcVirtual;
    TFilterMethod FMethod = fmExpression;
};

// The filter conditions of a grid's columns.
class TFilter : public TCollection {
public:
    explicit TFilter(TBaseGrid* owner);

    TBaseGrid* Grid() const { return FOwner; }

    // The first condition gets foNONE, every further one foAND.
    TFilterData* Add();
    // Appends whatever the index; the operation stays foSHORT.
    TFilterData* Insert(int32_t index);
    TFilterData* Items(int32_t index) const { return static_cast<TFilterData*>(TCollection::Items(index)); }
    void SetItems(int32_t index, const TFilterData& value) { Items(index)->Assign(value); }

    // The column's first condition; a new one (by the Add rule) when it has none.
    TFilterData* GetColFilter(int32_t col);
    bool HasFilter(int32_t col) const;
    // Drops every condition of the column and repaints its header cell.
    void RemoveColumnFilter(int32_t col);

private:
    TBaseGrid* FOwner;
};

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// The picture or gradient drawn behind the cells; every change repaints the grid.
class TBackGround : public TPersistent {
public:
    explicit TBackGround(TBaseGrid* grid) : FGrid(grid) { }

    void Assign(const TPersistent& source) override;

    int32_t Top() const { return FTop; }
    void SetTop(int32_t value) { Store(FTop, value); }
    int32_t Left() const { return FLeft; }
    void SetLeft(int32_t value) { Store(FLeft, value); }
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay value) { Store(FDisplay, value); }
    const TBitmap& Bitmap() const { return FBitmap; }
    void SetBitmap(const TBitmap& value);
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells value) { Store(FCells, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { Store(FColorTo, value); }

private:
    template <class T>
    void Store(T& field, T value)
    {
        field = value;
        RepaintGrid();
    }
    void RepaintGrid() const;

    TBaseGrid* FGrid;
    int32_t FTop = 0;
    int32_t FLeft = 0;
    TBackGroundDisplay FDisplay = bdTile;
    TBitmap FBitmap;
    TBackGroundCells FCells = bcNormal;
    TColor FColor = clWindow;
    TColor FColorTo = clBtnFace;
};

// Derive from this to be told, once registered with a grid, which cells changed.
class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;

    virtual void CellsChanged(const TRect& range) { (void)range; }
};
