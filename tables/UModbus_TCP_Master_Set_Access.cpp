#include "tables/UModbus_TCP_Master_Set_Access.h"

#include "app/UComon.h"
#include "platform/core/SysUtils.h"

#include <algorithm>

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

namespace {

enum { colEnable = 1, colIP, colPort, colSlaveID, colType, colAddress, colNPoint, colPollTime };
enum { readMaxError = 9, readPosition, readBit, readSwap, readSwapWord, readTopic, readMnemonic };
enum { writeOnChange = 9, writeOnCMD, writeMaxError, writePosition, writeBit, writeSwap, writeSwapWord, writeMnemonic };

constexpr const char* Read_Types[] = { "Coil Status", "Input Status", "Holding Register", "Input Register" };
constexpr const char* Write_Types[] = { "Coil Status", "Holding Register" };
constexpr const char* Bits[] = { "0", "1", "2", "3", "4", "5", "6", "7" };

constexpr TTable_Column Read_Columns[] = {
    { 3008, edNormal, 40 },
    { 3009, edDataCheckBox, 50, "Enable", "Y", 3069 },
    { 3010, edNormal, 101, "IP_Address", Required, 3070 },
    { 3011, edNormal, 45, "Port", Required, 3071 },
    { 3012, edNormal, 55, "Slave_ID", Required, 3072 },
    { 3013, edComboList, 100, "Type", Required, 3073, Read_Types },
    { 3014, edNormal, 55, "Address", Required, 3074 },
    { 3015, edNormal, 45, "NPoint", Required, 3075 },
    { 3016, edNormal, 60, "PollTime", Required, 3076 },
    { 3017, edNormal, 64, "MaxError", Required, 3077 },
    { 3018, edComboList, 60, "Position", Required, 3078 },
    { 3019, edComboList, 60, "Bit", Required, 3079, Bits },
    { 3020, edDataCheckBox, 40, "Swap", "N", 3080 },
    { 3100, edDataCheckBox, 80, "SwapWord", "N", 3102 },
    { 3062, edComboList, 120, "Index_Topic", "", 3081 },
    { 3021, edNormal, 140, "Mnemonic", Required, 3082 },
};

constexpr TTable_Column Write_Columns[] = {
    { 3022, edNormal, 40 },
    { 3023, edDataCheckBox, 50, "Enable", "Y", 3083 },
    { 3024, edNormal, 101, "IP_Address", Required, 3084 },
    { 3025, edNormal, 45, "Port", Required, 3085 },
    { 3026, edNormal, 55, "Slave_ID", Required, 3086 },
    { 3027, edComboList, 100, "Type", Required, 3087, Write_Types },
    { 3028, edNormal, 55, "Address", Required, 3088 },
    { 3029, edNormal, 45, "NPoint", Required, 3089 },
    { 3030, edNormal, 60, "PollTime", Required, 3090 },
    { 3031, edDataCheckBox, 66, "OnChange", Required, 3091 },
    { 3032, edDataCheckBox, 56, "OnCMD", "N", 3092 },
    { 3033, edNormal, 62, "MaxError", Required, 3093 },
    { 3034, edComboList, 55, "Position", Required, 3094 },
    { 3035, edComboList, 55, "Bit", Required, 3095, Bits },
    { 3036, edDataCheckBox, 40, "Swap", "N", 3096 },
    { 3101, edDataCheckBox, 80, "SwapWord", "N", 3103 },
    { 3037, edNormal, 150, "Mnemonic", Required, 3097 },
};

// Only the write grid has key and hint handlers; its hints leave the grid's
// own text outside the titles.
constexpr TTable_Grid Grids[] = {
    { "ACG_Modbus_Read", "Modbus_Read", 512, Read_Columns, colIP, true, true, true, false, hrNone },
    { "ACG_Modbus_Write", "Modbus_Write", 512, Write_Columns, colIP, true, true, true, true, hrKeepOutside },
};

constexpr TTable_Layout Editor_Layout = {
    "FModbus_TCP_Master_Set_Access", 1150, 337, &File_ModbusTCPM_SetAccess, "PROFINET_Master_to_Modbus_TCP_Master",
    "1.000", Grids, true, false,
    { 3000, 3001, { 3002, 3003, 3004, 3005, 0, 0 }, { 3063, 3064, 3065, 3066, 3067, 3068 }, { 3006, 3007 }, 3038, 3061 },
};

constexpr int32_t Data_Area = 1500;
constexpr int32_t Max_Time = 100000000;

// The texts of one direction's checks, in their order.
struct TDirection {
    int32_t Max_Error_Col, Position_Col, Bit_Col;
    const char* Bit_Type; // the type whose count is in bits
    int32_t Bit_Points, Register_Points;
    int32_t Min_Poll;
    int32_t IP, Port, Slave, Type, Address, NPoint, Poll, Max_Error, Position, Bit, Too_Many;
};
constexpr TDirection Read_Direction = { readMaxError, readPosition, readBit, nullptr, 2000, 125, 1,
    3039, 3040, 3041, 3042, 3043, 3044, 3099, 3046, 3047, 3048, 3049 };
constexpr TDirection Write_Direction = { writeMaxError, writePosition, writeBit, "COIL STATUS", 1968, 123, 0,
    3050, 3051, 3052, 3053, 3054, 3055, 3056, 3057, 3058, 3059, 3060 };

bool Is_Bit_Type(const TDirection& direction, const String& type)
{
    const String upper = UpperCase(Trim(type));
    if (direction.Bit_Type)
        return upper == QLatin1String(direction.Bit_Type);
    return upper == QStringLiteral("COIL STATUS") || upper == QStringLiteral("INPUT STATUS");
}

bool Check_Request(TEntry_Check& entry, const TDirection& direction, int32_t area)
{
    if (TFModbus_TCP_Master_Set_Access::Check_IP_Address(entry.Cell(colIP)))
        return entry.Fail(direction.IP);
    if (!entry.Range(colPort, 0, 65535, direction.Port) || !entry.Range(colSlaveID, 1, 247, direction.Slave))
        return false;
    if (entry.Cell(colType).isEmpty())
        return entry.Fail(direction.Type);
    const bool bits = Is_Bit_Type(direction, entry.Cell(colType));
    if (!entry.Range(colAddress, 0, 65535, direction.Address))
        return false;
    const int32_t points = bits ? direction.Bit_Points : direction.Register_Points;
    if (!entry.Range_With_Limit(colNPoint, 1, points, direction.NPoint, points)
        || !entry.Range(colPollTime, direction.Min_Poll, Max_Time, direction.Poll)
        || !entry.Range(direction.Max_Error_Col, 0, Max_Time, direction.Max_Error)
        || !entry.Range_With_Limit(direction.Position_Col, 0, area - 1, direction.Position, area - 1))
        return false;
    if (bits && entry.Cell(direction.Bit_Col).isEmpty())
        return entry.Fail(direction.Bit);
    const int32_t position = entry.Number(direction.Position_Col);
    const int32_t count = entry.Number(colNPoint);
    const int32_t startBit = std::max(entry.Number(direction.Bit_Col), 0);
    const int32_t lastByte = bits ? position + (count + startBit - 1) / 8 : position + 2 * count - 1;
    if (lastByte >= area)
        return entry.Fail(direction.Too_Many);
    return true;
}

void Fill_Positions(TDudColumnGrid& grid, int32_t col, int32_t count)
{
    TStringList& positions = grid.Columns().Items(col)->ComboItems();
    positions.Clear();
    for (int32_t position = 0; position < count; ++position)
        positions.Add(QString::number(position));
}

} // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* owner) : TTable_Editor(owner, Editor_Layout)
{
    ACG_Modbus_Read = &Grid(0);
    ACG_Modbus_Write = &Grid(1);
    TS_Modbus_Read = Sheet(0);
    TS_Modbus_Write = Sheet(1);
}

TFModbus_TCP_Master_Set_Access::~TFModbus_TCP_Master_Set_Access()
{
    if (FModbus_TCP_Master_Set_Access == this)
        FModbus_TCP_Master_Set_Access = nullptr;
}

void TFModbus_TCP_Master_Set_Access::Show_Limits()
{
    TS_Modbus_Write->SetTabVisible(true);
    if (!ACG_Modbus_Read->IsHiddenColumn(readTopic))
        ACG_Modbus_Read->HideColumn(readTopic);
    for (const int32_t col : { readPosition, readBit })
        if (ACG_Modbus_Read->IsHiddenColumn(col))
            ACG_Modbus_Read->UnHideColumn(col);
    PageControl1->SetActivePage(TS_Modbus_Read);
    NByte_IN = NByte_OUT = Data_Area;
    Fill_Positions(*ACG_Modbus_Read, readPosition, NByte_IN);
    Fill_Positions(*ACG_Modbus_Write, writePosition, NByte_OUT);
}

bool TFModbus_TCP_Master_Set_Access::Check_IP_Address(const String& Text)
{
    if (Text.isEmpty())
        return true;
    const auto bad_part = [](const String& part) {
        const int32_t value = StrToIntDef(part, -1);
        return value < 0 || value > 255;
    };
    // Cut at the first three dots; the fourth part is the rest, dots and all.
    String rest = Text;
    for (int32_t cut = 0; cut < 3; ++cut) {
        const auto dot = rest.indexOf(u'.');
        if (dot < 0 || bad_part(rest.left(dot)))
            return true;
        rest = rest.mid(dot + 1);
    }
    return bad_part(rest);
}

int32_t TFModbus_TCP_Master_Set_Access::Get_Index_From_Topic(const String& Text) const
{
    return List_Publish_Topic.IndexOf(Text);
}

String TFModbus_TCP_Master_Set_Access::Get_Topic_From_Index(int32_t Index) const
{
    return Index >= 0 && Index < List_Publish_Topic.Count() ? List_Publish_Topic.Strings(Index) : String();
}

String TFModbus_TCP_Master_Set_Access::Loaded_Cell(int32_t grid, int32_t col, const String& text)
{
    return grid == 0 && col == readTopic ? Get_Topic_From_Index(StrToIntDef(text, -1)) : text;
}

String TFModbus_TCP_Master_Set_Access::Saved_Cell(int32_t grid, int32_t col, int32_t row) const
{
    if (grid == 0 && col == readTopic)
        return QString::number(Get_Index_From_Topic(ACG_Modbus_Read->GetCellEx(col, row)));
    return TTable_Editor::Saved_Cell(grid, col, row);
}

bool TFModbus_TCP_Master_Set_Access::Check_Read(TEntry_Check& entry) const
{
    if (!Check_Request(entry, Read_Direction, NByte_IN))
        return false;
    // The Topic is asked for only while its column shows.
    if (!ACG_Modbus_Read->IsHiddenColumn(readTopic) && entry.Cell(readTopic).isEmpty())
        return entry.Fail(3098);
    return true;
}

bool TFModbus_TCP_Master_Set_Access::Check_Write(TEntry_Check& entry) const
{
    return Check_Request(entry, Write_Direction, NByte_OUT);
}

bool TFModbus_TCP_Master_Set_Access::Check_Entry(int32_t grid, TEntry_Check& entry)
{
    return grid == 0 ? Check_Read(entry) : Check_Write(entry);
}
