#include "grid/DudOder.h"

#include "platform/core/Exception.h"
#include "platform/core/IniFiles.h"
#include "platform/core/Registry.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/Forms.h"

#include <QStringList>

#include <limits>
#include <memory>
#include <vector>

// The column layout as one text "count#widths#order#flags", and the widths
// and order as numbered values Col<i> / Pos<i> in an INI file or the
// registry. Every input is checked whole before the grid is touched, so that
// a damaged text, a damaged store or one written for another column count
// leaves the layout as it was.

namespace {

using TIntValues = std::vector<int32_t>;

constexpr int32_t MissingValue = std::numeric_limits<int32_t>::min();

String JoinValues(const TIntValues& values)
{
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(values.size()));
    for (const int32_t value : values)
        parts.append(IntToStr(value));
    return parts.join(u',');
}

// An empty field holds no values; any other entry must be a decimal integer.
TIntValues SplitValues(const String& field)
{
    TIntValues values;
    if (field.isEmpty())
        return values;
    const QStringList parts = field.split(u',');
    values.reserve(static_cast<size_t>(parts.size()));
    for (const String& part : parts)
        values.push_back(StrToInt(part));
    return values;
}

[[noreturn]] void DamagedStates(const String& value)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid column state string").arg(value));
}

struct TColumnStates {
    int32_t Count = 0;
    TIntValues Widths;
    TIntValues Order;
    TIntValues Flags;
};

TColumnStates ParseColumnStates(const String& value, int32_t fixedCols)
{
    const QStringList fields = value.split(u'#');
    if (fields.size() != 4)
        DamagedStates(value);
    TColumnStates states;
    states.Count = StrToInt(fields[0]);
    states.Widths = SplitValues(fields[1]);
    states.Order = SplitValues(fields[2]);
    states.Flags = SplitValues(fields[3]);
    const auto count = static_cast<size_t>(std::max(states.Count, 0));
    if (states.Count <= fixedCols || states.Flags.size() < count)
        DamagedStates(value);
    size_t shown = 0;
    for (size_t column = 0; column < count; ++column)
        if (states.Flags[column] != 0)
            ++shown;
    if (states.Widths.size() < shown)
        DamagedStates(value);
    for (const int32_t width : states.Widths)
        if (width < 0)
            DamagedStates(value);
    if (!states.Order.empty()) {
        if (states.Order.size() < count)
            DamagedStates(value);
        std::vector<bool> seen(count, false);
        for (size_t position = 0; position < count; ++position) {
            const int32_t column = states.Order[position];
            if (column == -1)
                continue;
            if (column < 0 || static_cast<size_t>(column) >= count || seen[static_cast<size_t>(column)])
                DamagedStates(value);
            seen[static_cast<size_t>(column)] = true;
        }
    }
    return states;
}

// Entry c of the result is the place in order that holds c.
TIntValues InverseOrder(const TIntValues& order, int32_t count)
{
    TIntValues inverse;
    for (int32_t column = 0; column < count; ++column)
        for (size_t position = 0; position < order.size(); ++position)
            if (order[position] == column)
                inverse.push_back(static_cast<int32_t>(position));
    return inverse;
}

std::unique_ptr<TCustomIniFile> OpenStore(const TColumnSize& settings)
{
    if (settings.Location() == clIniFile)
        return std::make_unique<TMemIniFile>(settings.Key());
    return std::make_unique<TRegistryIniFile>(settings.Key());
}

String SizeName(int32_t index) { return QStringLiteral("Col%1").arg(index); }

String PositionName(int32_t index) { return QStringLiteral("Pos%1").arg(index); }

// The values name0 .. name(count-1), when the store holds exactly these as
// integers in [0, limit); empty otherwise, so that a store written for
// another layout or edited by hand is not applied in part.
TIntValues ReadNumberedValues(const TCustomIniFile& store, const String& section, String (*name)(int32_t),
    int32_t count, int32_t limit)
{
    TIntValues values;
    if (store.ValueExists(section, name(count)))
        return { };
    for (int32_t index = 0; index < count; ++index) {
        const int32_t value = store.ReadInteger(section, name(index), MissingValue);
        if (value < 0 || value >= limit)
            return { };
        values.push_back(value);
    }
    return values;
}

} // namespace

String TDudStringGrid::ColumnStatesToString() const
{
    const int32_t count = ColCount() + FNumHidden;
    TIntValues widths;
    TIntValues order;
    TIntValues flags;
    for (int32_t index = 0; index < count; ++index) {
        widths.push_back(index < ColCount() ? ColWidths(index) : DefaultColWidth());
        flags.push_back(IsHiddenColumn(index) ? 0 : 1);
    }
    if (FColumnOrder->Count() > 0) {
        for (int32_t index = 0; index < FColumnOrder->Count(); ++index)
            order.push_back(FColumnOrder->Items(index));
    } else {
        for (int32_t index = 0; index < count; ++index)
            order.push_back(index);
    }
    return IntToStr(count) + u'#' + JoinValues(widths) + u'#' + JoinValues(order) + u'#' + JoinValues(flags);
}

void TDudStringGrid::StringToColumnStates(const String& value)
{
    if (!value.contains(u'#'))
        return;
    const TColumnStates states = ParseColumnStates(value, FixedCols());

    FColumnOrder->Clear();
    UnHideColumnsAll();
    SetColCount(states.Count);

    if (!states.Order.empty()) {
        TIntValues taken;
        for (int32_t index = 0; index < ColCount() && index < static_cast<int32_t>(states.Order.size()); ++index)
            if (states.Order[static_cast<size_t>(index)] != -1)
                taken.push_back(states.Order[static_cast<size_t>(index)]);
        for (const int32_t position : InverseOrder(taken, ColCount()))
            FColumnOrder->Add(position);
        if (FColumnOrder->Count() > 0)
            ResetColumnOrder();
        FColumnOrder->Clear();
        for (int32_t index = 0; index < ColCount(); ++index)
            if (states.Order[static_cast<size_t>(index)] != -1)
                FColumnOrder->Add(states.Order[static_cast<size_t>(index)]);
    }

    for (int32_t column = ColCount() - 1; column >= 0; --column)
        if (states.Flags[static_cast<size_t>(column)] == 0)
            HideColumn(column);

    const bool stretch = FColumnSize->Stretch();
    if (stretch) {
        const int32_t stretchColumn = FColumnSize->StretchColumn() == -1 ? ColCount() - 1 : FColumnSize->StretchColumn();
        if (stretchColumn >= 0 && stretchColumn < ColCount())
            SetDefaultColWidth(ColWidths(stretchColumn));
    }
    FColumnSize->SetStretch(false);
    for (int32_t column = 0; column < ColCount(); ++column)
        SetColWidths(column, states.Widths[static_cast<size_t>(column)]);
    FColumnSize->SetStretch(stretch);
}

void TDudStringGrid::SaveColSizes()
{
    if (FColumnSize->Key().isEmpty() || FColumnSize->Section().isEmpty() || IsDesigning())
        return;
    const auto store = OpenStore(*FColumnSize);
    for (int32_t column = 0; column < ColCount(); ++column)
        store->WriteInteger(FColumnSize->Section(), SizeName(column), ColWidths(column));
    store->UpdateFile();
}

// Reading leaves the store as it is: a missing INI file is not created.
void TDudStringGrid::LoadColSizes()
{
    if (FColumnSize->Key().isEmpty() || FColumnSize->Section().isEmpty() || IsDesigning())
        return;
    const auto store = OpenStore(*FColumnSize);
    // Each width stands alone: a column the store does not know, or one
    // whose value is no width, keeps its own.
    for (int32_t column = 0; column < ColCount(); ++column) {
        const int32_t width = store->ReadInteger(FColumnSize->Section(), SizeName(column), ColWidths(column));
        if (width >= 0 && width != ColWidths(column))
            SetColWidths(column, width);
    }
}

void TDudStringGrid::SaveColPositions()
{
    if (FColumnSize->Key().isEmpty() || FColumnSize->Section().isEmpty() || IsDesigning())
        return;
    const auto store = OpenStore(*FColumnSize);
    for (int32_t index = 0; index < FColumnOrder->Count(); ++index)
        store->WriteInteger(FColumnSize->Section(), PositionName(index), FColumnOrder->Items(index));
    store->UpdateFile();
}

void TDudStringGrid::LoadColPositions()
{
    if (FColumnSize->Key().isEmpty() || FColumnSize->Section().isEmpty() || IsDesigning())
        return;
    const auto store = OpenStore(*FColumnSize);
    const int32_t count = AllColCount();
    const TIntValues positions = ReadNumberedValues(*store, FColumnSize->Section(), PositionName, count, count);
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (const int32_t position : positions) {
        if (seen[static_cast<size_t>(position)])
            return;
        seen[static_cast<size_t>(position)] = true;
    }
    if (positions.empty())
        return;

    const TIntValues inverse = InverseOrder(positions, count);
    std::vector<int32_t> hidden;
    FColumnOrder->Clear();
    for (int32_t column = 0; column < count; ++column) {
        if (IsHiddenColumn(column))
            hidden.push_back(column);
        FColumnOrder->Add(inverse[static_cast<size_t>(column)]);
    }
    UnHideColumnsAll();
    ResetColumnOrder();
    for (auto column = hidden.rbegin(); column != hidden.rend(); ++column)
        HideColumn(*column);
    FColumnOrder->Clear();
    for (const int32_t position : positions)
        FColumnOrder->Add(position);
}
