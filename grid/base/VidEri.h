#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <functional>
#include <vector>

class TIntList;

using TImageChangeEvent = std::function<void(TIntList* sender, int32_t acol, int32_t arow)>;

// A list of integers that knows the cell it belongs to and tells its owner
// when an item is added, replaced or deleted (not on Insert or Clear).
class TIntList {
public:
    TIntList(int32_t col, int32_t row) : FCol(col), FRow(row) { }
    virtual ~TIntList() = default;

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    int32_t Items(int32_t index) const { return GetInteger(index); }
    void SetItems(int32_t index, int32_t value) { SetInteger(index, value); }
    int32_t GetInteger(int32_t index) const;
    void SetInteger(int32_t index, int32_t value);

    void Add(int32_t value);
    void Insert(int32_t index, int32_t value);
    void Delete(int32_t index);
    void DeleteValue(int32_t value);
    int32_t IndexOf(int32_t value) const;
    bool HasValue(int32_t value) const { return IndexOf(value) >= 0; }
    void Clear() { FItems.clear(); }

    // The items as decimal numbers joined by ","; setting it reads a comma
    // text (commas and blanks separate, quoted items allowed) and raises
    // EConvertError at the first part that is not an integer, keeping the
    // parts before it.
    String StrValue() const;
    void SetStrValue(const String& value);

    TImageChangeEvent OnChange;

private:
    void CheckIndex(int32_t index, int32_t count) const;
    void Changed();

    int32_t FCol;
    int32_t FRow;
    std::vector<int32_t> FItems;
};

// The grid's multi-column sort order: each item is a column index in bits
// 0..30, bit 31 set for a descending key.
class TSortIndexList : public TIntList {
public:
    using TIntList::TIntList;

    void AddIndex(int32_t columnIndex, bool ascending);
    int32_t FindIndex(int32_t columnIndex) const;
    void ToggleIndex(int32_t columnIndex);

    int32_t SortColumns(int32_t index) const { return GetSortColumns(index); }
    void SetSortColumns(int32_t index, int32_t value);
    int32_t GetSortColumns(int32_t index) const;
    bool SortDirections(int32_t index) const { return GetSortDirections(index); }
    void SetSortDirections(int32_t index, bool ascending);
    bool GetSortDirections(int32_t index) const;

    // "u2;d5": ascending column 2, then descending column 5.
    String SaveToString() const;
    void LoadFromString(const String& text);
};
