#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_SearchPanel.h"
#include "grid/DudOder_Settings.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/RovIvir.h"
#include "platform/core/DateUtils.h"
#include "platform/core/FormatSettings.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <string_view>
#include <vector>

// Sorting the normal rows on one column or on an index of columns, inside
// outline groups, and back to the order they had. Rows are ordered as
// indexes first and moved once, so equal rows keep their order and a row
// whose place does not change is not touched.

// What a sort reads of each column, read once: the format the column asks
// for, and each row's text and number.
struct TSortColumnKeys {
    TSortStyle Style = ssAlphabetic;
    String Prefix;
    String Suffix;
    std::vector<String> Texts;
    std::vector<uint8_t> TextRead;
    // Per row: 0 not yet converted, 1 a number, 2 no number; plain and
    // financial numbers apart.
    std::vector<uint8_t> NumberState[2];
    std::vector<double> Numbers[2];
    std::vector<int8_t> Automatic;
};

class TSortKeys {
public:
    using TColumnKeys = TSortColumnKeys;

    explicit TSortKeys(int32_t rowCount) : FRowCount(rowCount) { }

    TColumnKeys* Find(int32_t aCol)
    {
        return aCol >= 0 && static_cast<size_t>(aCol) < FColumns.size() ? FColumns[static_cast<size_t>(aCol)].get()
                                                                      : nullptr;
    }
    TColumnKeys& Add(int32_t aCol)
    {
        if (FColumns.size() <= static_cast<size_t>(aCol))
            FColumns.resize(static_cast<size_t>(aCol) + 1);
        auto& keys = FColumns[static_cast<size_t>(aCol)];
        keys = std::make_unique<TColumnKeys>();
        const auto rows = static_cast<size_t>(FRowCount);
        keys->Texts.resize(rows);
        keys->TextRead.assign(rows, 0);
        keys->Automatic.assign(rows, -1);
        return *keys;
    }
    // Numbers are converted only for the columns that compare as numbers.
    void NeedNumbers(TColumnKeys& keys, int kind) const
    {
        if (keys.NumberState[kind].empty()) {
            keys.NumberState[kind].assign(static_cast<size_t>(FRowCount), 0);
            keys.Numbers[kind].assign(static_cast<size_t>(FRowCount), 0.0);
        }
    }
    bool Covers(int32_t aRow) const { return aRow >= 0 && aRow < FRowCount; }

private:
    int32_t FRowCount;
    std::vector<std::unique_ptr<TColumnKeys>> FColumns;
};

namespace {

int32_t Sign(int64_t value)
{
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

int32_t CompareValues(double first, double second)
{
    return first > second ? 1 : first < second ? -1 : 0;
}

std::u16string_view UnitsOf(QStringView text)
{
    return { text.utf16(), static_cast<size_t>(text.size()) };
}

// Ordinal comparison with the letters a..z taken as upper case.
int32_t CompareAsciiUpper(std::u16string_view first, std::u16string_view second)
{
    const auto upper = [](char16_t unit) -> char16_t { return unit >= u'a' && unit <= u'z' ? unit - 32 : unit; };
    const size_t length = std::min(first.size(), second.size());
    for (size_t index = 0; index < length; ++index) {
        const char16_t a = upper(first[index]);
        const char16_t b = upper(second[index]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return Sign(static_cast<int64_t>(first.size()) - static_cast<int64_t>(second.size()));
}

// A sign and up to 15 digits, nothing else: the number is exact as a double,
// so reading it here gives what the C library would, without a copy.
bool ReadPlainInteger(QStringView text, double& value)
{
    const bool hasSign = !text.isEmpty() && (text.front() == u'-' || text.front() == u'+');
    const QStringView digits = hasSign ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > 15)
        return false;
    int64_t number = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return false;
        number = number * 10 + (digit.unicode() - u'0');
    }
    value = static_cast<double>(number);
    if (text.front() == u'-')
        value = -value;
    return true;
}

// Prefix and suffix off, thousands separators off for money, the decimal
// separator as ".".
String PreparedSortNumber(String text, const String& prefix, const String& suffix, bool financial)
{
    const TFormatSettings& settings = FormatSettings();
    if (!suffix.isEmpty()) {
        const qsizetype at = text.indexOf(suffix);
        if (at >= 0)
            text.remove(at, suffix.size());
    }
    if (!prefix.isEmpty()) {
        const qsizetype at = text.indexOf(prefix);
        if (at >= 0)
            text.remove(at, prefix.size());
    }
    if (financial)
        text.remove(settings.ThousandSeparator);
    if (settings.DecimalSeparator != u'.') {
        const qsizetype at = text.indexOf(settings.DecimalSeparator);
        if (at >= 0)
            text[at] = u'.';
    }
    return text;
}

// A text that is not a number whole reads as far as it is one.
bool ConvertSortNumber(const String& text, const String& prefix, const String& suffix, bool financial, double& value)
{
    const String prepared = PreparedSortNumber(text, prefix, suffix, financial);
    if (ReadPlainInteger(prepared, value))
        return true;
    const QByteArray bytes = prepared.trimmed().toLatin1();
    if (bytes.isEmpty())
        return false;
    char* end = nullptr;
    value = std::strtod(bytes.constData(), &end);
    return end != bytes.constData() && *end == '\0';
}

double PartialSortNumber(const String& text, const String& prefix, const String& suffix, bool financial)
{
    String cut = text;
    double value = 0;
    while (!cut.isEmpty() && !ConvertSortNumber(cut, prefix, suffix, financial, value))
        cut.chop(1);
    return cut.isEmpty() ? 0 : value;
}

bool IsNumberText(const String& text)
{
    const int32_t kind = ClassifyNumberText(text);
    return kind == ntInteger || kind == ntDecimal || kind == ntScientific;
}

bool IsDigitAt(const String& text, qsizetype index)
{
    return index >= 0 && index < text.size() && text[index].isDigit();
}

// Classes of a first text for the automatic style.
enum TAutoClass : int8_t { acCheckBox, acNumber, acDateTime, acDate, acTime, acText };

TDateTime DateOrZero(const String& text, bool timeOnly)
{
    if (text.isEmpty())
        return 0;
    TDateTime value = 0;
    const bool converted = timeOnly ? TryStrToTime(text, value) : TryStrToDateTime(text, value);
    return converted ? value : 0;
}

// Entry left + k takes the value entry order[k] had.
template <class Get, class Set>
void PermuteValues(int32_t left, const std::vector<int32_t>& order, Get get, Set set)
{
    std::vector<decltype(get(0))> values;
    values.reserve(order.size());
    for (const int32_t from : order)
        values.push_back(get(from));
    for (size_t index = 0; index < values.size(); ++index)
        set(static_cast<int32_t>(index) + left, values[index]);
}

// A stable merge sort: runs of 16 by insertion, then merged in pairs. The
// comparison may come from an event handler, so the sort never relies on it
// being consistent.
template <class T, class Before>
void StableMergeSort(std::vector<T>& items, Before before)
{
    const size_t count = items.size();
    constexpr size_t run = 16;
    for (size_t start = 0; start < count; start += run) {
        const size_t end = std::min(start + run, count);
        for (size_t index = start + 1; index < end; ++index) {
            T item = std::move(items[index]);
            size_t at = index;
            while (at > start && before(item, items[at - 1])) {
                items[at] = std::move(items[at - 1]);
                --at;
            }
            items[at] = std::move(item);
        }
    }
    std::vector<T> buffer(count);
    for (size_t width = run; width < count; width *= 2) {
        for (size_t start = 0; start < count; start += 2 * width) {
            const size_t middle = std::min(start + width, count);
            const size_t end = std::min(start + 2 * width, count);
            const auto first = items.begin() + static_cast<ptrdiff_t>(start);
            // Already in order: the halves stay as they are.
            if (middle >= end || !before(items[middle], items[middle - 1])) {
                std::move(first, items.begin() + static_cast<ptrdiff_t>(end), buffer.begin() + static_cast<ptrdiff_t>(start));
                continue;
            }
            size_t a = start;
            size_t b = middle;
            size_t out = start;
            while (a < middle && b < end)
                buffer[out++] = before(items[b], items[a]) ? std::move(items[b++]) : std::move(items[a++]);
            while (a < middle)
                buffer[out++] = std::move(items[a++]);
            while (b < end)
                buffer[out++] = std::move(items[b++]);
        }
        items.swap(buffer);
    }
}

// The rows' indexes in sorted order; nothing moves yet.
template <class Before>
std::vector<int32_t> StableRowOrder(int32_t left, int32_t right, Before before)
{
    std::vector<int32_t> order(static_cast<size_t>(std::max(0, right - left + 1)));
    std::iota(order.begin(), order.end(), left);
    StableMergeSort(order, before);
    return order;
}

// A row's text as the plain-text sort compares it: in place, no copy. Its
// first four code units, packed highest first with 0 past the end, order two
// texts whenever they differ, so most comparisons never read the texts.
struct TTextKey {
    uint64_t Prefix = 0;
    QStringView Text;
    int32_t Row = 0;
};

uint64_t PrefixKey(QStringView text, bool noCase)
{
    uint64_t key = 0;
    for (qsizetype index = 0; index < 4; ++index) {
        char16_t unit = index < text.size() ? text.utf16()[index] : u'\0';
        if (noCase && unit >= u'a' && unit <= u'z')
            unit -= 32;
        key = key << 16 | unit;
    }
    return key;
}

TDateTime ParsedOrZero(const String& text, bool dayFirst)
{
    try {
        return dayFirst ? ParseDateDMY(text) : ParseDateMDY(text);
    } catch (const EConvertError&) {
        return 0;
    }
}

} // namespace

String TDudStringGrid::SortText(int32_t aCol, int32_t aRow)
{
    return FSortSettings->SortOnVirtualCells() ? GetCellEx(aCol, aRow) : GetGridCell(aCol, aRow);
}

TSortColumnKeys* TDudStringGrid::SortKeysOf(int32_t aCol)
{
    if (!FSortKeys)
        return nullptr;
    if (TSortKeys::TColumnKeys* keys = FSortKeys->Find(aCol))
        return keys;
    TSortKeys::TColumnKeys& keys = FSortKeys->Add(aCol);
    keys.Style = DefaultSortStyle();
    GetSortFormat(aCol, keys.Style, keys.Prefix, keys.Suffix);
    return &keys;
}

TSortStyle TDudStringGrid::DefaultSortStyle() const
{
    if (FSortSettings->AutoFormat())
        return ssAutomatic;
    return FSortSettings->IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
}

int32_t TDudStringGrid::CompareCells(int32_t aCol, int32_t aRow1, int32_t aRow2, TSortDirection dir)
{
    ++Compares;
    TSortColumnKeys* keys = SortKeysOf(aCol);
    const bool cached = keys && FSortKeys->Covers(aRow1) && FSortKeys->Covers(aRow2);
    TSortStyle style = DefaultSortStyle();
    String ownPrefix;
    String ownSuffix;
    if (keys)
        style = keys->Style;
    else
        GetSortFormat(aCol, style, ownPrefix, ownSuffix);
    const String& prefix = keys ? keys->Prefix : ownPrefix;
    const String& suffix = keys ? keys->Suffix : ownSuffix;
    String live1;
    String live2;
    const auto textOf = [&](int32_t aRow, String& live) -> const String& {
        if (!cached) {
            live = SortText(aCol, aRow);
            return live;
        }
        const auto row = static_cast<size_t>(aRow);
        if (!keys->TextRead[row]) {
            keys->Texts[row] = SortText(aCol, aRow);
            keys->TextRead[row] = 1;
        }
        return keys->Texts[row];
    };
    const String& s1 = textOf(aRow1, live1);
    const String& s2 = textOf(aRow2, live2);

    if (style == ssAutomatic) {
        int8_t autoClass = cached ? keys->Automatic[static_cast<size_t>(aRow1)] : int8_t { -1 };
        if (autoClass < 0) {
            autoClass = AutomaticSortClass(aCol, aRow1, s1);
            if (cached)
                keys->Automatic[static_cast<size_t>(aRow1)] = autoClass;
        }
        const TFormatSettings& settings = FormatSettings();
        const TSortStyle plain = FSortSettings->IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
        switch (autoClass) {
        case acCheckBox:
            style = ssCheckBox;
            break;
        case acNumber:
            style = ssNumeric;
            break;
        case acDateTime:
        case acDate:
            style = s2.contains(settings.DateSeparator) ? (autoClass == acDateTime ? ssDateTime : ssDate) : plain;
            break;
        case acTime:
            style = s2.contains(settings.TimeSeparator) ? ssTime : plain;
            break;
        default:
            style = plain;
            break;
        }
    }
    if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        if (IsNumberText(s1) && IsNumberText(s2))
            style = ssNumeric;
        else
            style = style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }

    int32_t result = 0;
    bool blank1 = s1.isEmpty();
    bool blank2 = s2.isEmpty();
    switch (style) {
    case ssAlphaNoCase:
        result = CompareAsciiUpper(UnitsOf(s1), UnitsOf(s2));
        break;
    case ssAnsiAlphaCase:
        result = Sign(String::localeAwareCompare(s1, s2));
        break;
    case ssAnsiAlphaNoCase:
        result = Sign(String::localeAwareCompare(s1.toLower(), s2.toLower()));
        break;
    case ssHTML: {
        const String stripped1 = GetStrippedCell(aCol, aRow1);
        const String stripped2 = GetStrippedCell(aCol, aRow2);
        blank1 = stripped1.isEmpty();
        blank2 = stripped2.isEmpty();
        result = Sign(String::compare(stripped1, stripped2, Qt::CaseSensitive));
        break;
    }
    case ssNumeric:
    case ssFinancial: {
        const int kind = style == ssFinancial ? 1 : 0;
        const auto numberOf = [&](int32_t aRow, const String& text, double& value) -> bool {
            if (cached) {
                FSortKeys->NeedNumbers(*keys, kind);
                const auto row = static_cast<size_t>(aRow);
                if (keys->NumberState[kind][row] == 0) {
                    double converted = 0;
                    const bool ok = SortNumber(aCol, aRow, text, prefix, suffix, kind == 1, converted);
                    keys->Numbers[kind][row] = converted;
                    keys->NumberState[kind][row] = ok ? 1 : 2;
                }
                value = keys->Numbers[kind][row];
                return keys->NumberState[kind][row] == 1;
            }
            return SortNumber(aCol, aRow, text, prefix, suffix, kind == 1, value);
        };
        double value1 = 0;
        double value2 = 0;
        if (FSortSettings->IgnoreBlanks()) {
            // "$" under the prefix "$" is as blank as an empty cell.
            blank1 = PreparedSortNumber(s1, prefix, suffix, kind == 1).isEmpty();
            blank2 = PreparedSortNumber(s2, prefix, suffix, kind == 1).isEmpty();
        }
        const bool ok1 = numberOf(aRow1, s1, value1);
        const bool ok2 = numberOf(aRow2, s2, value2);
        if (ok1 || ok2) {
            if (!ok1)
                value1 = PartialSortNumber(s1, prefix, suffix, kind == 1);
            if (!ok2)
                value2 = PartialSortNumber(s2, prefix, suffix, kind == 1);
            result = CompareValues(value1, value2);
        }
        break;
    }
    case ssDate:
    case ssDateTime:
        result = CompareValues(DateOrZero(s1, false), DateOrZero(s2, false));
        break;
    case ssTime:
        result = CompareValues(DateOrZero(s1, true), DateOrZero(s2, true));
        break;
    case ssShortDateEU:
    case ssShortDateUS:
        result = CompareValues(ParsedOrZero(s1, style == ssShortDateEU), ParsedOrZero(s2, style == ssShortDateEU));
        break;
    case ssCustom:
        if (OnCustomCompare)
            OnCustomCompare(this, s1, s2, result);
        break;
    case ssRaw:
        if (OnRawCompare)
            OnRawCompare(this, aCol, aRow1, aRow2, result);
        break;
    case ssImages:
        result = Sign(static_cast<int64_t>(CellGraphicSortKey(aCol, aRow1)) - CellGraphicSortKey(aCol, aRow2));
        break;
    case ssCheckBox: {
        bool checked1 = false;
        bool checked2 = false;
        GetCheckBoxState(aCol, aRow1, checked1);
        GetCheckBoxState(aCol, aRow2, checked2);
        result = checked1 == checked2 ? 0 : checked1 ? 1 : -1;
        break;
    }
    default:
        result = Sign(String::compare(s1, s2, Qt::CaseSensitive));
        break;
    }

    if (FSortSettings->IgnoreBlanks() && blank1 != blank2) {
        const bool first = FSortSettings->BlankPos() == blFirst;
        result = blank1 == first ? -1 : 1;
        if (dir == sdDescending)
            result = -result;
    }
    return result;
}

// Texts that fail as numbers count as 0 when their cell is empty.
bool TDudStringGrid::SortNumber(int32_t aCol, int32_t aRow, const String& text, const String& prefix,
    const String& suffix, bool financial, double& value)
{
    if (ConvertSortNumber(text, prefix, suffix, financial, value))
        return true;
    value = 0;
    return GetCellEx(aCol, aRow).isEmpty();
}

int8_t TDudStringGrid::AutomaticSortClass(int32_t aCol, int32_t aRow, const String& text)
{
    const TCellType type = GetCellType(aCol, aRow);
    if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox)
        return acCheckBox;
    if (IsNumberText(text))
        return acNumber;
    const TFormatSettings& settings = FormatSettings();
    const qsizetype dateAt = text.indexOf(settings.DateSeparator);
    if (dateAt > 0 && dateAt < 3) {
        if (dateAt + 1 < text.size() && IsDigitAt(text, dateAt - 1) && IsDigitAt(text, dateAt + 1))
            return text.contains(settings.TimeSeparator) ? acDateTime : acDate;
        return acText;
    }
    const qsizetype timeAt = text.indexOf(settings.TimeSeparator);
    if (timeAt > 0 && timeAt < 3 && timeAt + 1 < text.size() && IsDigitAt(text, timeAt - 1)
        && IsDigitAt(text, timeAt + 1))
        return acTime;
    return acText;
}

int32_t TDudStringGrid::CompareRows(int32_t aCol, int32_t aRow1, int32_t aRow2)
{
    const int32_t lastCol = AllColCount() - 1;
    for (int32_t col = aCol; col <= lastCol; ++col) {
        const int32_t result = IsIgnoredColumn(col) ? 0 : CompareCells(col, aRow1, aRow2, FSortSettings->Direction());
        if (result != 0 || !FSortSettings->Full() || col > lastCol - 1)
            return result;
    }
    return 0;
}

int32_t TDudStringGrid::CompareRowsIndexed(int32_t index, int32_t aRow1, int32_t aRow2)
{
    for (int32_t entry = index; entry < FSortIndexes->Count(); ++entry) {
        const auto item = static_cast<uint32_t>(FSortIndexes->Items(entry));
        const auto col = static_cast<int32_t>(item & 0x7FFFFFFFu);
        const bool descending = (item & 0x80000000u) != 0;
        int32_t result = IsIgnoredColumn(col) ? 0 : CompareCells(col, aRow1, aRow2, descending ? sdDescending : sdAscending);
        if (result == 0 && FSortSettings->Full() && entry < FSortIndexes->Count() - 1)
            continue;
        return descending ? -result : result;
    }
    return 0;
}

void TDudStringGrid::InitSortXRef()
{
    FSortRowXRef->Clear();
    for (int32_t row = 0; row < RowCount(); ++row)
        FSortRowXRef->Add(row);
}

std::vector<int32_t> TDudStringGrid::SortedRowOrder(int32_t left, int32_t right,
    const std::function<bool(int32_t, int32_t)>& before)
{
    return StableRowOrder(left, right, before);
}

// Puts the rows into the order given. A whole-row sort moves the rows at
// once, with what goes along with a row in an exchange (its place in the
// cross-reference, its height, its modified and selected marks); a
// single-column sort exchanges that column's cells row by row.
void TDudStringGrid::ApplyRowOrder(int32_t left, const std::vector<int32_t>& order)
{
    const size_t count = order.size();
    if (FSortSettings->SingleColumn()) {
        std::vector<int32_t> at(count);
        std::vector<int32_t> position(count);
        std::iota(at.begin(), at.end(), left);
        std::iota(position.begin(), position.end(), left);
        for (size_t index = 0; index < count; ++index) {
            const int32_t wanted = order[index];
            const int32_t from = position[static_cast<size_t>(wanted - left)];
            const auto to = static_cast<int32_t>(index) + left;
            if (from == to)
                continue;
            SortSwapRows(to, from);
            const int32_t displaced = at[index];
            at[static_cast<size_t>(from - left)] = displaced;
            position[static_cast<size_t>(displaced - left)] = from;
            at[index] = wanted;
            position[static_cast<size_t>(wanted - left)] = to;
        }
        return;
    }
    int32_t moved = 0;
    int32_t sortRow = SortRow;
    for (size_t index = 0; index < count; ++index) {
        const auto to = static_cast<int32_t>(index) + left;
        if (order[index] == to)
            continue;
        ++moved;
        if (order[index] == SortRow)
            sortRow = to;
    }
    if (moved == 0)
        return;
    Swaps += moved;
    SortRow = sortRow;
    const auto end = left + static_cast<int32_t>(count);
    if (FSortRowXRef->Count() >= end)
        PermuteValues(left, order, [&](int32_t row) { return FSortRowXRef->Items(row); },
            [&](int32_t row, int32_t value) { FSortRowXRef->SetItems(row, value); });
    // The modified and selected marks are kept by real row; the hidden rows
    // between keep theirs.
    std::vector<int32_t> real(count);
    for (size_t index = 0; index < count; ++index)
        real[index] = RealRowIndex(left + static_cast<int32_t>(index));
    const auto realOf = [&](int32_t row) { return real[static_cast<size_t>(row - left)]; };
    if (FShowModified->Enabled() && FModifiedRows->Count() > real.front()) {
        while (FModifiedRows->Count() <= real.back())
            FModifiedRows->Add(0);
        PermuteValues(left, order, [&](int32_t row) { return FModifiedRows->Items(realOf(row)); },
            [&](int32_t row, int32_t value) { FModifiedRows->SetItems(realOf(row), value); });
    }
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()
        && FRowSelect.size() > static_cast<size_t>(real.front())) {
        FRowSelect.resize(std::max(FRowSelect.size(), static_cast<size_t>(real.back()) + 1), 0);
        PermuteValues(left, order, [&](int32_t row) { return FRowSelect[static_cast<size_t>(realOf(row))]; },
            [&](int32_t row, uint8_t value) { FRowSelect[static_cast<size_t>(realOf(row))] = value; });
    }
    TBaseGrid::PermuteRows(left, order);
}

void TDudStringGrid::QuickSort(int32_t aCol, int32_t left, int32_t right)
{
    if (right <= left)
        return;
    SortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
    // A column whose every cell compares as text in code-unit order (its style,
    // or the automatic style finding only text) is ordered on its texts read
    // once; the other columns only break its ties.
    const auto plainTextOrder = [&](std::vector<int32_t>& order) -> bool {
        TSortColumnKeys* keys = SortKeysOf(aCol);
        if (!keys || !FSortKeys->Covers(right) || FSortSettings->IgnoreBlanks() || IsIgnoredColumn(aCol))
            return false;
        TSortStyle style = keys->Style;
        if (style != ssAutomatic && style != ssAlphabetic && style != ssAlphaCase && style != ssAlphaNoCase)
            return false;
        for (int32_t row = left; row <= right; ++row) {
            const auto at = static_cast<size_t>(row);
            keys->Texts[at] = SortText(aCol, row);
            keys->TextRead[at] = 1;
            if (style == ssAutomatic) {
                keys->Automatic[at] = AutomaticSortClass(aCol, row, keys->Texts[at]);
                if (keys->Automatic[at] != acText)
                    return false;
            }
        }
        if (style == ssAutomatic)
            style = FSortSettings->IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
        const bool noCase = style == ssAlphaNoCase;
        const bool full = FSortSettings->Full() && aCol < AllColCount() - 1;
        const int32_t dir = SortDir;
        std::vector<TTextKey> items;
        items.reserve(static_cast<size_t>(right - left + 1));
        for (int32_t row = left; row <= right; ++row) {
            const QStringView text(keys->Texts[static_cast<size_t>(row)]);
            items.push_back({ PrefixKey(text, noCase), text, row });
        }
        StableMergeSort(items, [&](const TTextKey& a, const TTextKey& b) {
            ++Compares;
            if (a.Prefix != b.Prefix)
                return (a.Prefix < b.Prefix ? -1 : 1) == -dir;
            int32_t result = noCase ? CompareAsciiUpper(UnitsOf(a.Text), UnitsOf(b.Text)) : Sign(a.Text.compare(b.Text));
            if (result == 0 && full)
                result = CompareRows(aCol + 1, a.Row, b.Row);
            return result == -dir;
        });
        order.resize(items.size());
        for (size_t index = 0; index < items.size(); ++index)
            order[index] = items[index].Row;
        return true;
    };
    TSortKeys keys(RowCount());
    TSortKeys* const outer = FSortKeys;
    FSortKeys = &keys;
    std::vector<int32_t> order;
    try {
        if (!plainTextOrder(order))
            order = SortedRowOrder(left, right, [&](int32_t a, int32_t b) { return CompareRows(aCol, a, b) == -SortDir; });
    } catch (...) {
        FSortKeys = outer;
        throw;
    }
    FSortKeys = outer;
    ApplyRowOrder(left, order);
}

void TDudStringGrid::QuickSortIndexed(int32_t left, int32_t right)
{
    if (right <= left)
        return;
    TSortKeys keys(RowCount());
    TSortKeys* const outer = FSortKeys;
    FSortKeys = &keys;
    std::vector<int32_t> order;
    try {
        order = SortedRowOrder(left, right, [&](int32_t a, int32_t b) { return CompareRowsIndexed(0, a, b) < 0; });
    } catch (...) {
        FSortKeys = outer;
        throw;
    }
    FSortKeys = outer;
    ApplyRowOrder(left, order);
}

// What every sort does around the moving of rows: column 0 kept aside for
// NormalCellsOnly, the update lock, the footer left where it is, the
// current row and the top row put back.
class TDudStringGrid::TSortScope {
public:
    TSortScope(TDudStringGrid& grid, bool touchFooter) : FGrid(grid), FTouchFooter(touchFooter)
    {
        if (FGrid.FSortRowXRef->Count() != FGrid.RowCount())
            FGrid.InitSortXRef();
        if (FGrid.FSortSettings->NormalCellsOnly() && FGrid.FixedCols() > 0) {
            FKeepColumn0 = true;
            for (int32_t row = 0; row < FGrid.RowCount(); ++row) {
                FColumn0Texts.push_back(FGrid.GetGridCell(0, row));
                FColumn0Objects.push_back(FGrid.ExtractGridObject(0, row));
            }
        }
        FTopRow = FGrid.TopRow();
        FRow = FGrid.Row();
        FGrid.BeginUpdate();
        FFixedFooters = FGrid.FFixedFooters;
        FGrid.SortRow = FGrid.Row();
    }
    ~TSortScope()
    {
        if (FKeepColumn0) {
            for (int32_t row = 0; row < FGrid.RowCount() && row < static_cast<int32_t>(FColumn0Texts.size()); ++row) {
                FGrid.SetGridCell(0, row, FColumn0Texts[static_cast<size_t>(row)]);
                if (FColumn0Objects[static_cast<size_t>(row)])
                    FGrid.SetGridObject(0, row, std::move(FColumn0Objects[static_cast<size_t>(row)]));
                else
                    FGrid.TObjStringGrid::SetObjects(0, row, nullptr);
            }
        }
        if (FGrid.FNavigation->KeepScrollOnSort())
            FGrid.SetTopRow(FTopRow);
        FGrid.FFixedFooters = FFixedFooters;
        FGrid.EndUpdate();
        if (FTouchFooter && FGrid.FloatingFooterVisible() && FGrid.FFooterPanel)
            FGrid.FFooterPanel->Invalidate();
    }
    TSortScope(const TSortScope&) = delete;
    TSortScope& operator=(const TSortScope&) = delete;

    int32_t Row() const { return FRow; }
    int32_t LastNormalRow() const { return FGrid.RowCount() - 1 - FFixedFooters; }

    // The current row follows its data with MoveRowOnSort, else keeps its
    // place; no cell-entry work runs for it.
    void RestoreRow(bool followData)
    {
        const bool entered = FGrid.FEntered;
        FGrid.FEntered = false;
        const int32_t target = followData ? FGrid.SortRow : FRow;
        if (target >= FGrid.FixedRows() && target < FGrid.RowCount() && target != FGrid.Row())
            FGrid.SetRow(target);
        // The row remembered for the row-changed event no longer holds the
        // data it held.
        if (followData)
            FGrid.FOldRowSel = -1;
        FGrid.FEntered = entered;
    }

private:
    TDudStringGrid& FGrid;
    bool FTouchFooter;
    bool FKeepColumn0 = false;
    std::vector<String> FColumn0Texts;
    std::vector<std::unique_ptr<TCellProperties>> FColumn0Objects;
    int32_t FTopRow = 0;
    int32_t FRow = 0;
    int32_t FFixedFooters = 0;
};

void TDudStringGrid::QSort()
{
    if (FSortSettings->Column() < 0)
        return;
    FSortIndexes->Clear();
    const bool moveRow = FNavigation->MoveRowOnSort();
    int32_t oldRow = 0;
    {
        TSortScope scope(*this, true);
        oldRow = scope.Row();
        QuickSort(FSortSettings->Column(), FixedRows(), scope.LastNormalRow());
        if (!FMouseActions->DisjunctRowSelect())
            scope.RestoreRow(moveRow);
    }
    if (OnRowChanged && !moveRow)
        OnRowChanged(this, oldRow, Row());
    if (FSearchFooter->Visible() && FSearchPanel)
        FSearchPanel->Invalidate();
}

void TDudStringGrid::QSortIndexed()
{
    if (FSortRowXRef->Count() != RowCount())
        InitSortXRef();
    if (FSortIndexes->Count() == 0)
        throw EDudOderError(QStringLiteral("No indexes specified for indexed sort"));
    TSortScope scope(*this, true);
    QuickSortIndexed(FixedRows(), scope.LastNormalRow());
    scope.RestoreRow(FNavigation->MoveRowOnSort());
}

// An outline node is the node graphic in column 0 of its row: its index
// is the span in rows, its flag the contracted state; the level is that of
// column 0's cell properties.
bool TDudStringGrid::IsNodeRow(int32_t aRow)
{
    return IsNode(aRow);
}

int32_t TDudStringGrid::NodeLevelOf(int32_t aRow) const
{
    const TCellProperties* props = GetGridObject(0, aRow);
    return props ? props->NodeLevel() : 0;
}

void TDudStringGrid::SortGroups(bool indexed)
{
    TSortScope scope(*this, false);
    const int32_t last = RowCount() - FFixedFooters - 1;
    int32_t deepest = -1;
    for (int32_t row = FixedRows(); row <= last; ++row)
        if (IsNodeRow(row))
            deepest = std::max(deepest, NodeLevelOf(row));
    for (int32_t row = FixedRows(); row <= last && deepest >= 0; ++row) {
        const TCellGraphic* node = IsNodeRow(row) ? GetCellGraphic(0, row) : nullptr;
        if (!node || node->CellBoolean() || NodeLevelOf(row) != deepest)
            continue;
        const int32_t span = node->CellIndex();
        if (span < 3)
            continue;
        if (indexed)
            QuickSortIndexed(row + 1, row + span - 1);
        else
            QuickSort(FSortSettings->Column(), row + 1, row + span - 1);
    }
    scope.RestoreRow(FNavigation->MoveRowOnSort());
}

void TDudStringGrid::QSortGroup()
{
    SortGroups(false);
}

void TDudStringGrid::QSortGroupIndexed()
{
    SortGroups(true);
}

void TDudStringGrid::QUnSort()
{
    if (FSortRowXRef->Count() == 0)
        return;
    const bool keepColumn0 = FSortSettings->NormalCellsOnly() && FixedCols() > 0;
    std::vector<String> column0;
    std::vector<std::unique_ptr<TCellProperties>> objects0;
    if (keepColumn0) {
        for (int32_t row = 0; row < RowCount(); ++row) {
            column0.push_back(GetGridCell(0, row));
            objects0.push_back(ExtractGridObject(0, row));
        }
    }
    BeginUpdate();
    try {
        // Row i goes back to the position its entry names.
        const int32_t count = std::min(FSortRowXRef->Count(), RowCount());
        std::vector<int32_t> order(static_cast<size_t>(count));
        std::vector<int32_t> keys(static_cast<size_t>(count));
        for (int32_t row = 0; row < count; ++row)
            keys[static_cast<size_t>(row)] = FSortRowXRef->Items(row);
        order = SortedRowOrder(0, count - 1, [&](int32_t a, int32_t b) {
            return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)];
        });
        ApplyRowOrder(0, order);
    } catch (...) {
        EndUpdate();
        throw;
    }
    if (keepColumn0) {
        for (int32_t row = 0; row < RowCount() && row < static_cast<int32_t>(column0.size()); ++row) {
            SetGridCell(0, row, column0[static_cast<size_t>(row)]);
            if (objects0[static_cast<size_t>(row)])
                SetGridObject(0, row, std::move(objects0[static_cast<size_t>(row)]));
        }
    }
    EndUpdate();
}

void TDudStringGrid::SortSwapRows(int32_t row1, int32_t row2)
{
    ++Swaps;
    if (row1 < FSortRowXRef->Count() && row2 < FSortRowXRef->Count()) {
        const int32_t entry = FSortRowXRef->Items(row1);
        FSortRowXRef->SetItems(row1, FSortRowXRef->Items(row2));
        FSortRowXRef->SetItems(row2, entry);
    }
    const auto swapCell = [&](int32_t column) {
        const String text = GetGridCell(column, row1);
        SetGridCell(column, row1, GetGridCell(column, row2));
        SetGridCell(column, row2, text);
        void* const object = TObjStringGrid::Objects(column, row1);
        TObjStringGrid::SetObjects(column, row1, TObjStringGrid::Objects(column, row2));
        TObjStringGrid::SetObjects(column, row2, object);
    };
    if (FSortSettings->SingleColumn()) {
        swapCell(FSortSettings->Column());
        return;
    }
    for (int32_t column = 0; column < AllColCount(); ++column)
        swapCell(column);
    const int32_t height1 = RowHeights(row1);
    const int32_t height2 = RowHeights(row2);
    if (height1 != height2) {
        SetRowHeights(row1, height2);
        SetRowHeights(row2, height1);
    }
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
        const auto flagOf = [&](int32_t row) {
            const auto real = static_cast<size_t>(RealRowIndex(row));
            return real < FRowSelect.size() ? FRowSelect[real] : uint8_t { 0 };
        };
        const uint8_t flag1 = flagOf(row1);
        const uint8_t flag2 = flagOf(row2);
        const auto needed = static_cast<size_t>(std::max(RealRowIndex(row1), RealRowIndex(row2))) + 1;
        if (FRowSelect.size() < needed)
            FRowSelect.resize(needed, 0);
        FRowSelect[static_cast<size_t>(RealRowIndex(row1))] = flag2;
        FRowSelect[static_cast<size_t>(RealRowIndex(row2))] = flag1;
    }
    if (FShowModified->Enabled()) {
        const bool modified1 = GetRowModified(row1);
        const bool modified2 = GetRowModified(row2);
        if (modified1 != modified2) {
            SetRowModified(row1, modified2);
            SetRowModified(row2, modified1);
        }
    }
    if (SortRow == row1)
        SortRow = row2;
    else if (SortRow == row2)
        SortRow = row1;
}

void TDudStringGrid::SortLine(int32_t aCol, int32_t aRow1, int32_t aRow2, bool& swapped)
{
    swapped = CompareRows(aCol, aRow1, aRow2) == SortDir;
    if (swapped)
        SortSwapRows(aRow1, aRow2);
}

void TDudStringGrid::Sort(int32_t aCol, TSortDirection direction)
{
    FSortSettings->SetColumn(aCol);
    FSortSettings->SetDirection(direction);
    QSort();
}

void TDudStringGrid::SortByColumn(int32_t aCol)
{
    if (RowCount() <= 1)
        return;
    FSortSettings->SetColumn(aCol);
    QSort();
}
