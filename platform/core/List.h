#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <functional>
#include <vector>

// A list of untyped pointers; it never owns what they point to.
class TList {
public:
    using TListSortCompare = std::function<int(void* left, void* right)>;

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    void* Items(int32_t index) const { return FItems[CheckedIndex(index)]; }
    void* operator[](int32_t index) const { return Items(index); }
    void SetItems(int32_t index, void* item) { FItems[CheckedIndex(index)] = item; }

    int32_t Add(void* item);
    void Insert(int32_t index, void* item);
    void Delete(int32_t index);
    // Removes the first occurrence; answers its former index or -1.
    int32_t Remove(void* item);
    void* Extract(void* item);
    int32_t IndexOf(void* item) const;
    void Exchange(int32_t index1, int32_t index2);
    void Move(int32_t currentIndex, int32_t newIndex);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    void Clear() { FItems.clear(); }
    // Stable, so equal items keep their order.
    void Sort(const TListSortCompare& compare);

private:
    size_t CheckedIndex(int32_t index) const;

    std::vector<void*> FItems;
};
