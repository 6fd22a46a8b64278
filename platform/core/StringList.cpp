#include "platform/core/StringList.h"

#include <algorithm>

size_t TStringList::CheckedIndex(int32_t index) const
{
    if (index < 0 || index >= Count()) ListIndexError(index);
    return static_cast<size_t>(index);
}

int32_t TStringList::Add(const String& text)
{
    if (!FSorted) {
        InsertItem(Count(), text);
        return Count() - 1;
    }
    int32_t index = 0;
    if (Find(text, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError) throw EStringListError(QStringLiteral("String list does not allow duplicates"));
    }
    InsertItem(index, text);
    return index;
}

void TStringList::Insert(int32_t index, const String& text)
{
    if (FSorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    if (index < 0 || index > Count()) ListIndexError(index);
    InsertItem(index, text);
}

void TStringList::InsertItem(int32_t index, const String& text)
{
    Changing();
    FItems.insert(FItems.begin() + index, TStringItem { text, nullptr });
    Changed();
}

void TStringList::SetCapacity(int32_t capacity)
{
    if (capacity > Count())
        FItems.reserve(static_cast<size_t>(capacity));
}

void TStringList::Delete(int32_t index)
{
    const size_t position = CheckedIndex(index);
    Changing();
    FItems.erase(FItems.begin() + static_cast<ptrdiff_t>(position));
    Changed();
}

void TStringList::Clear()
{
    if (FItems.empty()) return;
    Changing();
    FItems.clear();
    Changed();
}

void TStringList::Exchange(int32_t index1, int32_t index2)
{
    const size_t position1 = CheckedIndex(index1);
    const size_t position2 = CheckedIndex(index2);
    Changing();
    std::swap(FItems[position1], FItems[position2]);
    Changed();
}

int32_t TStringList::IndexOf(const String& text) const
{
    if (!FSorted) return TStrings::IndexOf(text);
    int32_t index = 0;
    return Find(text, index) ? index : -1;
}

bool TStringList::Find(const String& text, int32_t& index) const
{
    const auto found = std::lower_bound(FItems.begin(), FItems.end(), text, [this](const TStringItem& item, const String& key) {
        return CompareStrings(item.Text, key) < 0;
    });
    index = static_cast<int32_t>(found - FItems.begin());
    return found != FItems.end() && CompareStrings(found->Text, text) == 0;
}

void TStringList::Sort()
{
    if (FSorted || FItems.size() < 2) return;
    Changing();
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const TStringItem& left, const TStringItem& right) { return CompareStrings(left.Text, right.Text) < 0; });
    Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (FSorted || FItems.size() < 2) return;
    Changing();
    // The comparison sees indexes into this list, so sort an index permutation first.
    std::vector<int32_t> order(FItems.size());
    for (size_t position = 0; position < order.size(); ++position) order[position] = static_cast<int32_t>(position);
    std::stable_sort(order.begin(), order.end(), [this, &compare](int32_t left, int32_t right) { return compare(*this, left, right) < 0; });
    std::vector<TStringItem> sorted;
    sorted.reserve(FItems.size());
    for (int32_t index : order) sorted.push_back(FItems[static_cast<size_t>(index)]);
    FItems = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == FSorted) return;
    if (sorted) Sort();
    FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    if (caseSensitive == FCaseSensitive) return;
    FCaseSensitive = caseSensitive;
    if (FSorted) {
        FSorted = false;
        Sort();
        FSorted = true;
    }
}

void TStringList::Put(int32_t index, const String& text)
{
    if (FSorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    const size_t position = CheckedIndex(index);
    Changing();
    FItems[position].Text = text;
    Changed();
}

void TStringList::PutObject(int32_t index, void* object)
{
    const size_t position = CheckedIndex(index);
    Changing();
    FItems[position].Object = object;
    Changed();
}

int TStringList::CompareStrings(const String& left, const String& right) const
{
    return String::compare(left, right, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}
