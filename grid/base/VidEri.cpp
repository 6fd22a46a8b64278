#include "grid/base/VidEri.h"

#include "platform/core/SysUtils.h"

#include <algorithm>

namespace {

constexpr uint32_t DescendingBit = 0x8000'0000u;
constexpr uint32_t ColumnBits = 0x7FFF'FFFFu;

// The platform's comma text: blanks and commas separate, a double-quoted
// item may hold both ("" inside it is one quote), a trailing comma adds an
// empty item.
std::vector<String> SplitCommaText(const String& text)
{
    std::vector<String> parts;
    const qsizetype length = text.size();
    auto isBlank = [](QChar character) { return character.unicode() >= 1 && character.unicode() <= u' '; };
    qsizetype index = 0;
    while (index < length && isBlank(text[index])) ++index;
    while (index < length) {
        String part;
        if (text[index] == u'"') {
            ++index;
            while (index < length) {
                if (text[index] == u'"') {
                    if (index + 1 < length && text[index + 1] == u'"') {
                        part += u'"';
                        index += 2;
                        continue;
                    }
                    ++index;
                    break;
                }
                part += text[index++];
            }
        } else {
            const qsizetype start = index;
            while (index < length && text[index].unicode() > u' ' && text[index] != u',') ++index;
            part = text.mid(start, index - start);
        }
        parts.push_back(part);
        while (index < length && isBlank(text[index])) ++index;
        if (index < length && text[index] == u',') {
            if (index + 1 == length) parts.emplace_back();
            do ++index;
            while (index < length && isBlank(text[index]));
        }
    }
    return parts;
}

int DigitValue(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit >= u'0' && unit <= u'9') return unit - u'0';
    if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
    return -1;
}

// The platform's lenient integer reading: leading blanks, a sign, "$", "x" or
// "0x" for hexadecimal; reading stops at the first other character and keeps
// what it had. False when the value leaves 64 bits' worth of room.
bool ReadLeadingInteger(const String& text, int64_t& value)
{
    qsizetype index = 0;
    const qsizetype length = text.size();
    while (index < length && text[index] == u' ') ++index;
    bool negative = false;
    if (index < length && (text[index] == u'-' || text[index] == u'+')) negative = text[index++] == u'-';
    int base = 10;
    if (index < length && (text[index] == u'$' || text[index] == u'x' || text[index] == u'X')) {
        base = 16;
        ++index;
    } else if (index + 1 < length && text[index] == u'0' && (text[index + 1] == u'x' || text[index + 1] == u'X')) {
        base = 16;
        index += 2;
    }
    int64_t magnitude = 0;
    for (; index < length; ++index) {
        const int digit = DigitValue(text[index]);
        if (digit < 0 || digit >= base) break;
        magnitude = magnitude * base + digit;
        if (magnitude > (int64_t { 1 } << 40)) return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
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
    Clear();
    for (const String& part : SplitCommaText(value)) Add(StrToInt(part));
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
        int64_t column = 0;
        // A stored order comes from a settings file anyone may edit; a column
        // that no sort key can hold is dropped rather than turned into one.
        if (!ReadLeadingInteger(item.mid(1), column) || column < 0 || column > ColumnBits) continue;
        AddIndex(static_cast<int32_t>(column), item[0] == u'u');
    }
}
