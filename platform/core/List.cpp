#include "platform/core/List.h"

#include <algorithm>

size_t TList::CheckedIndex(int32_t index) const
{
    if (index < 0 || index >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return static_cast<size_t>(index);
}

int32_t TList::Add(void* item)
{
    FItems.push_back(item);
    return Count() - 1;
}

void TList::Insert(int32_t index, void* item)
{
    if (index < 0 || index > Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    FItems.insert(FItems.begin() + index, item);
}

void TList::Delete(int32_t index) { FItems.erase(FItems.begin() + static_cast<ptrdiff_t>(CheckedIndex(index))); }

int32_t TList::Remove(void* item)
{
    const int32_t index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* item) { return Remove(item) >= 0 ? item : nullptr; }

int32_t TList::IndexOf(void* item) const
{
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TList::Exchange(int32_t index1, int32_t index2) { std::swap(FItems[CheckedIndex(index1)], FItems[CheckedIndex(index2)]); }

void TList::Move(int32_t currentIndex, int32_t newIndex)
{
    if (currentIndex == newIndex) return;
    void* item = FItems[CheckedIndex(currentIndex)];
    CheckedIndex(newIndex);
    FItems.erase(FItems.begin() + currentIndex);
    FItems.insert(FItems.begin() + newIndex, item);
}

void TList::Sort(const TListSortCompare& compare)
{
    std::stable_sort(FItems.begin(), FItems.end(), [&compare](void* left, void* right) { return compare(left, right) < 0; });
}
