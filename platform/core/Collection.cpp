#include "platform/core/Collection.h"

#include <algorithm>

namespace {

EListError IndexError(int32_t index) { return EListError(QStringLiteral("List index out of bounds (%1)").arg(index)); }

} // namespace

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem()
{
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* collection)
{
    if (collection == FCollection) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (collection) collection->InsertItem(this);
}

int32_t TCollectionItem::Index() const
{
    if (!FCollection) return -1;
    // Searched from the end, where lists that grow and shrink at their end
    // (stored grid rows) are touched.
    const auto& items = FCollection->FItems;
    const auto found = std::find(items.rbegin(), items.rend(), this);
    return found == items.rend() ? static_cast<int32_t>(items.size()) : static_cast<int32_t>(items.rend() - found - 1);
}

void TCollectionItem::SetIndex(int32_t index)
{
    if (FCollection) FCollection->MoveItem(this, index);
}

void TCollectionItem::Changed(bool allItems)
{
    if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TItemFactory itemFactory, TPersistent* owner)
    : FItemFactory(std::move(itemFactory)), FOwner(owner)
{
}

TCollection::~TCollection()
{
    // No change reports while the derived part is already gone.
    FUpdateCount = 1;
    while (!FItems.empty()) DestroyItem(FItems.back());
}

void TCollection::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TCollection*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (const TCollectionItem* item : other->FItems) Add()->Assign(*item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::Items(int32_t index) const
{
    if (index < 0 || index >= Count()) throw IndexError(index);
    return FItems[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::Add() { return FItemFactory(this); }

TCollectionItem* TCollection::Insert(int32_t index)
{
    if (index < 0 || index > Count()) throw IndexError(index);
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int32_t index)
{
    TCollectionItem* item = Items(index);
    Notify(item, cnDeleting);
    DestroyItem(item);
}

void TCollection::Clear()
{
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty()) Delete(Count() - 1);
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int32_t id) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == id) return item;
    return nullptr;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item)
{
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Notify(item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item)
{
    if (std::find(FItems.rbegin(), FItems.rend(), item) == FItems.rend()) return;
    Notify(item, cnExtracting);
    // The handler may have moved the item, or taken it out already.
    const auto found = std::find(FItems.rbegin(), FItems.rend(), item);
    if (found == FItems.rend()) return;
    FItems.erase(std::next(found).base());
    item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(TCollectionItem* item, int32_t index)
{
    const int32_t current = item->Index();
    if (current == index) return;
    if (index < 0 || index >= Count()) throw IndexError(index);
    FItems.erase(FItems.begin() + current);
    FItems.insert(FItems.begin() + index, item);
    Changed();
}

void TCollection::DestroyItem(TCollectionItem* item)
{
    RemoveItem(item);
    // The collection is the one owner of its items.
    delete item;
}
