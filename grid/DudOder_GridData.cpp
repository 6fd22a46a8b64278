#include "grid/DudOder_GridData.h"

#include "grid/base/BaseGrid.h"

void TFilterData::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TFilterData*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FColumn = other->FColumn;
    FCondition = other->FCondition;
    FCaseSensitive = other->FCaseSensitive;
    FData = other->FData;
    FPrefix = other->FPrefix;
    FSuffix = other->FSuffix;
    FOperation = other->FOperation;
}

TFilter::TFilter(TBaseGrid* owner)
    : TCollection(TCollection::ItemClass<TFilterData>()), FOwner(owner)
{
}

TFilterData* TFilter::Add()
{
    auto* item = static_cast<TFilterData*>(TCollection::Add());
    item->SetOperation(Count() == 1 ? foNONE : foAND);
    return item;
}

TFilterData* TFilter::Insert(int32_t index)
{
    (void)index;
    return static_cast<TFilterData*>(TCollection::Add());
}

TFilterData* TFilter::GetColFilter(int32_t col)
{
    for (int32_t i = 0; i < Count(); ++i)
        if (Items(i)->Column() == col)
            return Items(i);
    TFilterData* item = Add();
    item->SetColumn(static_cast<int16_t>(col));
    return item;
}

bool TFilter::HasFilter(int32_t col) const
{
    for (int32_t i = 0; i < Count(); ++i)
        if (Items(i)->Column() == col)
            return true;
    return false;
}

void TFilter::RemoveColumnFilter(int32_t col)
{
    for (int32_t i = Count() - 1; i >= 0; --i)
        if (Items(i)->Column() == col)
            Delete(i);
    if (FOwner)
        FOwner->RepaintCell(col, 0);
}

void TBackGround::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TBackGround*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FTop = other->FTop;
    FLeft = other->FLeft;
    FDisplay = other->FDisplay;
    FCells = other->FCells;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FBitmap.Assign(other->FBitmap);
    RepaintGrid();
}

void TBackGround::SetBitmap(const TBitmap& value)
{
    FBitmap.Assign(value);
    RepaintGrid();
}

void TBackGround::RepaintGrid() const
{
    if (FGrid)
        FGrid->Invalidate();
}
