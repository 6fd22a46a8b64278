#include "grid/DudCGrid.h"

#include "platform/core/IniFiles.h"

#include <vector>

// The arrangement of moved columns in an INI file: key CPi holds the
// initial position of the column now at i.

namespace {

String PositionKey(int32_t index)
{
    return QStringLiteral("CP%1").arg(index);
}

} // namespace

void TDudColumnGrid::SaveColumnPositions(const String& key, const String& section) const
{
    TIniFile ini(key);
    for (int32_t index = 0; index < FColumnCollection->Count(); ++index)
        ini.WriteInteger(section, PositionKey(index), FColumnCollection->Items(index)->DefIdx());
}

void TDudColumnGrid::LoadColumnPositions(const String& key, const String& section)
{
    const int32_t count = FColumnCollection->Count();
    std::vector<int32_t> positions;
    std::vector<bool> seen(static_cast<size_t>(count), false);
    {
        const TIniFile ini(key);
        for (int32_t index = 0; index < count; ++index) {
            const int32_t position = ini.ReadInteger(section, PositionKey(index), -1);
            // Every column once, or the saved arrangement is not this grid's.
            if (position < 0 || position >= count || seen[static_cast<size_t>(position)])
                return;
            seen[static_cast<size_t>(position)] = true;
            positions.push_back(position);
        }
    }
    ResetColumnOrder();
    for (int32_t index = 0; index < count; ++index)
        FColumnCollection->Items(positions[static_cast<size_t>(index)])->SetDefIdx(index);
    FColumnCollection->ResetOrganization();
    for (int32_t index = 0; index < count; ++index)
        FColumnCollection->Items(index)->SetDefIdx(positions[static_cast<size_t>(index)]);
}

void TDudColumnGrid::SaveColPositions()
{
    if (ColumnSize().Location() == clIniFile)
        SaveColumnPositions(ColumnSize().Key(), ColumnSize().Section());
    else
        TDudStringGrid::SaveColPositions();
}

void TDudColumnGrid::LoadColPositions()
{
    if (ColumnSize().Location() == clIniFile)
        LoadColumnPositions(ColumnSize().Key(), ColumnSize().Section());
    else
        TDudStringGrid::LoadColPositions();
}
