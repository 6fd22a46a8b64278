#include "grid/base/VidEri.h"

#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"

#include <algorithm>

namespace {

constexpr uint32_t DescendingBit = 0x8000'0000u;
constexpr uint32_t ColumnBits = 0x7FFF'FFFFu;

// The platform's lenient reading of a stored number: what the longest
// leading part of the text that reads as an integer says (leading blanks, a
// sign, "$", "x" or "0x" for hexadecimal), 0 when no part does. StrToInt
// rejects the whole text instead; a hand-edited sort order like "u12abc"
// keeps column 12.
int64_t LeadingInteger(const String& text)
{
    // After the blanks only a sign, a hexadecimal mark and 20 digits can
    // belong to a 64-bit number, which bounds the tries.
    qsizetype numberStart = 0;
    while (numberStart < text.size() && text[numberStart] == u' ') ++numberStart;
    int64_t value = 0;
    for (qsizetype length = std::min(text.size(), numberStart + 23); length > numberStart; --length)
        if (TryStrToInt64(text.left(length), value)) return value;
    return 0;
}

} // namespace

// ---- TIntList ------------------------------------------------------------

void TIntList::CheckIndex(int32_t index, int32_t count) const
{
    if (index < 0 || index >= count) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

void TIntList::Changed()
{
    if (OnChange) OnChange(this, FCol, FRow);
}

int32_t TIntList::GetInteger(int32_t index) const
{
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)];
}

void TIntList::SetInteger(int32_t index, int32_t value)
{
    CheckIndex(index, Count());
    FItems[static_cast<size_t>(index)] = value;
    Changed();
}

void TIntList::Add(int32_t value)
{
    FItems.push_back(value);
    Changed();
}

void TIntList::Insert(int32_t index, int32_t value)
{
    CheckIndex(index, Count() + 1);
    FItems.insert(FItems.begin() + index, value);
}

void TIntList::Delete(int32_t index)
{
    CheckIndex(index, Count());
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TIntList::DeleteValue(int32_t value)
{
    const int32_t index = IndexOf(value);
    if (index >= 0) Delete(index);
}

int32_t TIntList::IndexOf(int32_t value) const
{
    const auto found = std::find(FItems.begin(), FItems.end(), value);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

String TIntList::StrValue() const
{
    String text;
    for (size_t index = 0; index < FItems.size(); ++index) {
        if (index > 0) text += u',';
        text += String::number(FItems[index]);
    }
    return text;
}

void TIntList::SetStrValue(const String& value)
{
    TStringList parts;
    parts.SetCommaText(value);
    Clear();
    for (int32_t index = 0; index < parts.Count(); ++index) Add(StrToInt(parts[index]));
}

// ---- TSortIndexList ------------------------------------------------------

void TSortIndexList::AddIndex(int32_t columnIndex, bool ascending)
{
    const uint32_t column = static_cast<uint32_t>(columnIndex);
    Add(static_cast<int32_t>(ascending ? column : column | DescendingBit));
}

int32_t TSortIndexList::FindIndex(int32_t columnIndex) const
{
    for (int32_t index = 0; index < Count(); ++index)
        if (GetSortColumns(index) == columnIndex) return index;
    return -1;
}

void TSortIndexList::ToggleIndex(int32_t columnIndex)
{
    const int32_t index = FindIndex(columnIndex);
    if (index >= 0) SetInteger(index, static_cast<int32_t>(static_cast<uint32_t>(GetInteger(index)) ^ DescendingBit));
}

int32_t TSortIndexList::GetSortColumns(int32_t index) const
{
    return static_cast<int32_t>(static_cast<uint32_t>(GetInteger(index)) & ColumnBits);
}

void TSortIndexList::SetSortColumns(int32_t index, int32_t value)
{
    const uint32_t item = static_cast<uint32_t>(GetInteger(index));
    SetInteger(index, static_cast<int32_t>((item & DescendingBit) | (static_cast<uint32_t>(value) & ColumnBits)));
}

bool TSortIndexList::GetSortDirections(int32_t index) const
{
    return (static_cast<uint32_t>(GetInteger(index)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int32_t index, bool ascending)
{
    const uint32_t item = static_cast<uint32_t>(GetInteger(index));
    SetInteger(index, static_cast<int32_t>(ascending ? item & ColumnBits : item | DescendingBit));
}

String TSortIndexList::SaveToString() const
{
    String text;
    for (int32_t index = 0; index < Count(); ++index) {
        if (index > 0) text += u';';
        // The whole column number: cutting it to 16 bits would reload a
        // different column.
        text += (GetSortDirections(index) ? u'u' : u'd') + String::number(GetSortColumns(index));
    }
    return text;
}

void TSortIndexList::LoadFromString(const String& text)
{
    Clear();
    String rest = text;
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf(u';');
        const String item = end < 0 ? rest : rest.left(end);
        rest = end < 0 ? String() : rest.mid(end + 1);
        if (item.size() < 2) continue;
        // A stored order comes from a settings file anyone may edit; a column
        // that no sort key can hold is dropped rather than turned into one.
        const int64_t column = LeadingInteger(item.mid(1));
        if (column < 0 || column > ColumnBits) continue;
        AddIndex(static_cast<int32_t>(column), item[0] == u'u');
    }
}
