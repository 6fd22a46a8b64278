#include "platform/core/Collection.h"
#include "platform/core/List.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    ~TNamedItem() override { ++Destroyed; }
    void Assign(const TPersistent& source) override
    {
        const auto* other = dynamic_cast<const TNamedItem*>(&source);
        if (!other) return TCollectionItem::Assign(source);
        Label = other->Label;
    }
    String Label;
    static int Destroyed;
};

int TNamedItem::Destroyed = 0;

String Labels(const TCollection& collection)
{
    String result;
    for (int32_t index = 0; index < collection.Count(); ++index)
        result += static_cast<TNamedItem*>(collection[index])->Label;
    return result;
}

TNamedItem* AddNamed(TCollection& collection, const char* label)
{
    auto* item = static_cast<TNamedItem*>(collection.Add());
    item->Label = label;
    return item;
}

} // namespace

TEST(Collection, ItemsAreOwnedOrderedAndMovable)
{
    TNamedItem::Destroyed = 0;
    {
        TCollection collection(TCollection::ItemClass<TNamedItem>());
        AddNamed(collection, "a");
        TNamedItem* second = AddNamed(collection, "b");
        AddNamed(collection, "c");
        static_cast<TNamedItem*>(collection.Insert(0))->Label = "z";
        EXPECT_EQ(Labels(collection), "zabc");
        second->SetIndex(0);
        EXPECT_EQ(Labels(collection), "bzac");
        EXPECT_EQ(second->Index(), 0);
        EXPECT_THROW(second->SetIndex(4), EListError);
        collection.Delete(1);
        EXPECT_EQ(Labels(collection), "bac");
        EXPECT_EQ(TNamedItem::Destroyed, 1);
        EXPECT_EQ(collection.FindItemID(second->ID()), second);

        TCollection copy(TCollection::ItemClass<TNamedItem>());
        copy.Assign(collection);
        EXPECT_EQ(Labels(copy), "bac");
    }
    EXPECT_EQ(TNamedItem::Destroyed, 7);
}

namespace {

// Takes an item out of the collection while it is being extracted.
class TExtractingCollection : public TCollection {
public:
    TExtractingCollection() : TCollection(TCollection::ItemClass<TNamedItem>()) { }

protected:
    void Notify(TCollectionItem* item, TCollectionNotification action) override
    {
        if (action != cnExtracting || FTakingOut)
            return;
        FTakingOut = true;
        item->SetCollection(nullptr);
        FTakingOut = false;
    }

private:
    bool FTakingOut = false;
};

} // namespace

TEST(Collection, AnItemTakenOutWhileBeingExtractedLeavesTheOthers)
{
    TExtractingCollection collection;
    AddNamed(collection, "a");
    TNamedItem* second = AddNamed(collection, "b");
    AddNamed(collection, "c");
    second->SetCollection(nullptr);
    const std::unique_ptr<TNamedItem> owned(second);
    EXPECT_EQ(Labels(collection), "ac");
    EXPECT_EQ(second->Collection(), nullptr);
}

TEST(List, KeepsPointersInOrder)
{
    int values[3] = { 3, 1, 2 };
    TList list;
    for (int& value : values) list.Add(&value);
    list.Sort([](void* left, void* right) { return *static_cast<int*>(left) - *static_cast<int*>(right); });
    EXPECT_EQ(list.First(), &values[1]);
    EXPECT_EQ(list.Last(), &values[0]);
    list.Move(0, 2);
    EXPECT_EQ(list.IndexOf(&values[1]), 2);
    EXPECT_EQ(list.Remove(&values[2]), 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_THROW(list.Items(2), EListError);
}
