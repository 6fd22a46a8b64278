#pragma once

#include "platform/core/Strings.h"

#include <functional>
#include <vector>

enum TDuplicates { dupIgnore, dupAccept, dupError };

// The string list. Comparison ignores case unless CaseSensitive is set, and
// orders by UTF-16 code units after case folding, so sorting does not depend
// on the user's locale. A sorted list keeps its order on Add and refuses
// Insert and overwriting; Duplicates rules only sorted lists.
class TStringList : public TStrings {
public:
    using TNotifyEvent = std::function<void(TStringList* sender)>;
    using TStringListSortCompare = std::function<int(const TStringList& list, int32_t index1, int32_t index2)>;

    TStringList() = default;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int32_t Count() const override { return static_cast<int32_t>(FItems.size()); }
    int32_t Add(const String& text) override;
    void Insert(int32_t index, const String& text) override;
    void Delete(int32_t index) override;
    void Clear() override;
    void Exchange(int32_t index1, int32_t index2) override;
    int32_t IndexOf(const String& text) const override;
    int32_t Capacity() const { return static_cast<int32_t>(FItems.capacity()); }
    // Room for this many strings, so a list filled to a known size grows once;
    // a list never shrinks below its count.
    void SetCapacity(int32_t capacity);

    // Binary search of a sorted list: true when found; index is then the first
    // match, else where text would go.
    bool Find(const String& text, int32_t& index) const;
    virtual void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    String Get(int32_t index) const override { return FItems[CheckedIndex(index)].Text; }
    void Put(int32_t index, const String& text) override;
    void* GetObject(int32_t index) const override { return FItems[CheckedIndex(index)].Object; }
    void PutObject(int32_t index, void* object) override;
    int CompareStrings(const String& left, const String& right) const override;
    void SetUpdateState(bool updating) override;
    virtual void Changed();
    virtual void Changing();

private:
    struct TStringItem {
        String Text;
        void* Object = nullptr;
    };

    size_t CheckedIndex(int32_t index) const;
    void InsertItem(int32_t index, const String& text);

    std::vector<TStringItem> FItems;
    TDuplicates FDuplicates = dupIgnore;
    bool FSorted = false;
    bool FCaseSensitive = false;
};
