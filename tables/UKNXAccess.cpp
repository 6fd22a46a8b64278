#include "tables/UKNXAccess.h"

#include "app/UComon.h"
#include "platform/core/SysUtils.h"

#include <algorithm>

TFKNXAccess* FKNXAccess = nullptr;

namespace {

enum {
    colEnable = 1, colSource, colDest, colAPCI, colPriority, colFormat, colAction, colFactor, colExtended, colReTest,
    colOnCMD, colOnChange, colOnTimer, colPollTime, colPosition, colBitMode, colLength, colTimeOut, colMnemonic
};

constexpr const char* APCI_Items[] = { "Read", "Write" };
constexpr const char* Priority_Items[] = { "System", "Urgent", "Normal", "Low" };
constexpr const char* Format_Items[] = { "None", "Swap16", "Swap32", "Swap All", "Int to Float", "Float to Int",
    "Float16 to Float32", "Float16 to Int" };
constexpr const char* Action_Items[] = { "None", "Send TRUE when equal", "Send FALSE when equal" };
constexpr const char* Bit_Mode_Items[] = { "No", "0", "1", "2", "3", "4", "5", "6", "7" };

constexpr TTable_Column Read_Columns[] = {
    { 2114, edNormal, 40 },
    { 2115, edDataCheckBox, 45, "Enable", "Y" },
    { 2116, edNormal, 70, "Source_Address", Required },
    { 2117, edNormal, 70, "Destination_Address", Required },
    { 2118, edComboList, 110, "Format", "None", 0, Format_Items },
    { 2119, edNormal, 65, "TimeOut", "0" },
    { 2120, edComboList, 55, "Position", Required },
    { 2121, edComboList, 55, "Bit_Mode", Required, 0, Bit_Mode_Items },
    { 2122, edNormal, 55, "Length", Required },
    { 2123, edNormal, 96, "Mnemonic", Required },
};

constexpr TTable_Column Write_Columns[] = {
    { 2124, edNormal, 40 },
    { 2125, edDataCheckBox, 45, "Enable", "Y" },
    { 2126, edNormal, 70, "Source_Address", Required },
    { 2127, edNormal, 70, "Destination_Address", Required },
    { 2128, edComboEdit, 60, "APCI", Required, 0, APCI_Items },
    { 2129, edComboList, 70, "Priority", "Normal", 0, Priority_Items },
    { 2130, edComboList, 110, "Format", "None", 0, Format_Items },
    { 2167, edComboList, 150, "Action", "", 0, Action_Items },
    { 2131, edNormal, 110, "MultiplicationFactor", "" },
    { 2132, edDataCheckBox, 60, "Extended", Required },
    { 2133, edDataCheckBox, 50, "ReTest", Required },
    { 2134, edDataCheckBox, 50, "On_Command", "N" },
    { 2135, edDataCheckBox, 65, "On_Change", Required },
    { 2136, edDataCheckBox, 60, "On_Timer", "N" },
    { 2137, edNormal, 60, "Poll_Time", Required },
    { 2138, edComboList, 55, "Position", Required },
    { 2139, edComboList, 55, "Bit_Mode", Required, 0, Bit_Mode_Items },
    { 2140, edNormal, 55, "Length", Required },
    { 2141, edNormal, 65, "TimeOut", "0" },
    { 2142, edNormal, 96, "Mnemonic", Required },
};

// The dialog clears more rows than its grids hold.
constexpr int32_t Rows_Reset = 2000;

constexpr TTable_Grid Grids[] = {
    { "ACG_KNX_in_Read", "KNX_in_Read", 512, Read_Columns, colSource, true, true, false, false, hrNone, false, Rows_Reset },
    { "ACG_KNX_in_Write", "KNX_in_Write", 1024, Write_Columns, colSource, true, true, false, false, hrNone, true, Rows_Reset },
};

constexpr TTable_Layout Editor_Layout = {
    "FKNXAccess", 1205, 337, &File_KNX_SetAccess, "BACnet_to_KNX", "1.002", Grids, true, true,
    { 2100, 2101, { 2102, 2103, 2104, 2105, 2106, 2107 }, { 2108, 2109, 2110, 2111, 2112, 2113 }, {}, 2143, 2166 },
};

constexpr int32_t Data_Area = 1439;
constexpr int32_t Max_Time = 100000000;

const String None_Text = QStringLiteral("None");

bool Is_Priority(const String& text)
{
    return std::any_of(std::begin(Priority_Items), std::end(Priority_Items),
        [&text](const char* item) { return text == QLatin1String(item); });
}

// An entry of the list other than its first, "None".
bool Is_Other_Choice(std::span<const char* const> items, const String& text)
{
    return std::any_of(items.begin() + 1, items.end(), [&text](const char* item) { return text == QLatin1String(item); });
}

} // namespace

TFKNXAccess::TFKNXAccess(TComponent* owner) : TTable_Editor(owner, Editor_Layout)
{
    ACG_KNX_in_Read = &Grid(0);
    ACG_KNX_in_Write = &Grid(1);
}

TFKNXAccess::~TFKNXAccess()
{
    if (FKNXAccess == this)
        FKNXAccess = nullptr;
}

void TFKNXAccess::Show_Limits()
{
    Max_Num_Byte = Data_Area;
    TStringList& positions = ACG_KNX_in_Write->Columns().Items(colPosition)->ComboItems();
    positions.Clear();
    for (int32_t position = 0; position < Max_Num_Byte; ++position)
        positions.Add(QString::number(position));
}

String TFKNXAccess::Loaded_Cell(int32_t, int32_t col, const String& text)
{
    return col == colPriority && !Is_Priority(text) ? QStringLiteral("Normal") : text;
}

void TFKNXAccess::Begin_Check() { FSeparator = Get_Decimal_Separator(); }

bool TFKNXAccess::Check_Addresses(TEntry_Check& entry) const
{
    if (Error_In_KNX_Address(Trim(entry.Cell(colSource)), false, true))
        return entry.Fail(2153);
    const String dest = Trim(entry.Cell(colDest));
    const bool group = Is_KNX_Group_Address(dest);
    if (Error_In_KNX_Address(dest, group, true))
        return entry.Fail(group ? 2155 : 2154);
    const String apci = UpperCase(entry.Cell(colAPCI));
    if (apci != QStringLiteral("READ") && apci != QStringLiteral("WRITE") && !entry.In_Range(colAPCI, 0, 1023))
        return entry.Fail(2156);
    if (!Is_Priority(entry.Cell(colPriority)))
        return entry.Fail(2157);
    return true;
}

bool TFKNXAccess::Check_Data_Window(TEntry_Check& entry) const
{
    if (!entry.Range_With_Limit(colPosition, 0, Max_Num_Byte - 1, 2161, Max_Num_Byte - 1))
        return false;
    const bool bitData = UpperCase(entry.Cell(colBitMode)) != QStringLiteral("NO");
    if (bitData && !entry.In_Range(colBitMode, 0, 7))
        return entry.Fail(2162);
    const bool extended = UpperCase(entry.Cell(colExtended)) == QStringLiteral("Y");
    const int32_t longest = bitData ? (extended ? 2040 : 112) : (extended ? 255 : 14);
    if (!entry.Range_With_Limit(colLength, 1, longest, 2163, longest))
        return false;
    const int32_t length = entry.Number(colLength);
    const int32_t size = bitData ? (length + entry.Number(colBitMode) + 7) / 8 : length;
    if (entry.Number(colPosition) + size > Max_Num_Byte)
        return entry.Fail(2164, Max_Num_Byte);
    return true;
}

bool TFKNXAccess::Check_Entry(int32_t, TEntry_Check& entry)
{
    if (!Check_Addresses(entry))
        return false;
    if (entry.Is_Empty(colFormat))
        return entry.Fail(2158);
    if (entry.Is_Empty(colAction))
        return entry.Fail(2168);
    float factor = 0;
    const bool factorNeeded = Trim(entry.Cell(colAction)) != None_Text;
    if ((factorNeeded || !entry.Is_Empty(colFactor))
        && (entry.Is_Empty(colFactor) || !Conv_Float(entry.Cell(colFactor), FSeparator, factor)))
        return entry.Fail(2159);
    if (UpperCase(entry.Cell(colOnTimer)) == QStringLiteral("Y") && !entry.Range(colPollTime, 1, Max_Time, 2160))
        return false;
    if (!Check_Data_Window(entry))
        return false;
    return entry.Range(colTimeOut, 0, Max_Time, 2165);
}

void TFKNXAccess::Delete_Row(int32_t row, TDudColumnGrid& grid)
{
    const int32_t last = grid.RowCount() - 1;
    for (int32_t target = row; target < last; ++target)
        for (int32_t col = 1; col < grid.ColCount(); ++col)
            grid.SetCellEx(col, target, grid.GetCellEx(col, target + 1));
    for (int32_t col = 1; col < grid.ColCount(); ++col)
        grid.SetCellEx(col, last, String());
}

void TFKNXAccess::Combo_Change(int32_t grid, int32_t col, int32_t row, const String& text)
{
    if (grid == 1)
        ACG_KNX_in_WriteComboChange(col, row, text);
}

void TFKNXAccess::ACG_KNX_in_WriteComboChange(int32_t ACol, int32_t ARow, const String& Text)
{
    TDudColumnGrid& grid = *ACG_KNX_in_Write;
    const auto exclude = [&grid, ARow](int32_t other, std::span<const char* const> items) {
        if (Is_Other_Choice(items, grid.GetCellEx(other, ARow)))
            grid.SetCellEx(other, ARow, None_Text);
    };
    if (ACol == colFormat && Text != None_Text)
        exclude(colAction, Action_Items);
    else if (ACol == colAction && Text != None_Text)
        exclude(colFormat, Format_Items);
}
