#pragma once

#include "platform/core/Persistent.h"

#include <cstdint>
#include <functional>
#include <vector>

class TCollection;

// An item of a TCollection. Created with a collection, it adds itself to it
// and the collection owns it from then on; destroying it removes it.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* collection);
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (or out of any when null); the
    // caller owns an item it takes out.
    void SetCollection(TCollection* collection);
    int32_t Index() const;
    // Moves the item within its collection.
    virtual void SetIndex(int32_t index);
    int32_t ID() const { return FID; }
    virtual String DisplayName() const { return {}; }

protected:
    void Changed(bool allItems);

private:
    friend class TCollection;

    TCollection* FCollection = nullptr;
    int32_t FID = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// An ordered list of items of one class, which it owns.
class TCollection : public TPersistent {
public:
    // Creates one item of the collection's item class; the item adds itself.
    using TItemFactory = std::function<TCollectionItem*(TCollection* collection)>;

    template <class TItem>
    static TItemFactory ItemClass()
    {
        return [](TCollection* collection) -> TCollectionItem* { return new TItem(collection); };
    }

    explicit TCollection(TItemFactory itemFactory, TPersistent* owner = nullptr);
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;
    ~TCollection() override;

    void Assign(const TPersistent& source) override;

    TPersistent* Owner() const { return FOwner; }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TCollectionItem* Items(int32_t index) const;
    TCollectionItem* operator[](int32_t index) const { return Items(index); }

    TCollectionItem* Add();
    TCollectionItem* Insert(int32_t index);
    void Delete(int32_t index);
    void Clear();
    TCollectionItem* FindItemID(int32_t id) const;

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int32_t UpdateCount() const { return FUpdateCount; }

protected:
    // Called after a change of one item, or of the whole list when item is null,
    // unless an update is in progress.
    virtual void Update(TCollectionItem* item) { (void)item; }
    virtual void Notify(TCollectionItem* item, TCollectionNotification action)
    {
        (void)item;
        (void)action;
    }
    void Changed();

private:
    friend class TCollectionItem;

    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(TCollectionItem* item, int32_t index);
    void DestroyItem(TCollectionItem* item);

    TItemFactory FItemFactory;
    TPersistent* FOwner = nullptr;
    std::vector<TCollectionItem*> FItems;
    int32_t FNextID = 0;
    int32_t FUpdateCount = 0;
};
