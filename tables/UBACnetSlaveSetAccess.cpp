#include "tables/UBACnetSlaveSetAccess.h"

#include "app/UComon.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"
#include "tables/UBACnet_Eng_Unit.h"

#include <algorithm>

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {

enum { colDataType = 1, colEngUnit, colPosition, colBit, colLength, colSwap, colMnemonic };

constexpr const char* Read_Types[] = { "Analog Input", "Analog Value", "Binary Input", "Binary Value",
    "Positive Integer Value", "Large Analog Value", "Integer Value", "Multi State Input", "Multi State Value",
    "Life Safety Point", "Life Safety Zone", "Access Door", "Accumulator" };
constexpr const char* Write_Types[] = { "Analog Out", "Analog Value", "Binary Out", "Binary Value",
    "Positive Integer Value", "Large Analog Value", "Integer Value", "Multi State Output", "Multi State Value",
    "Access Door" };
constexpr const char* Bits[] = { "0", "1", "2", "3", "4", "5", "6", "7" };

constexpr TTable_Column Read_Columns[] = {
    { 1916, edNormal, 40 },
    { 1917, edComboList, 150, "Data_Type", Required, 0, Read_Types },
    { 1918, edNormal, 100, "Eng_Unit", Required },
    { 1919, edComboList, 64, "Position", Required },
    { 1920, edComboList, 64, "Bit", Required, 0, Bits },
    { 1921, edNormal, 64, "Length", Required },
    { 1922, edDataCheckBox, 40, "Swap", "N" },
    { 1923, edNormal, 250, "Mnemonic", Required },
};

constexpr TTable_Column Write_Columns[] = {
    { 1924, edNormal, 40 },
    { 1925, edComboList, 150, "Data_Type", Required, 0, Write_Types },
    { 1926, edNormal, 100, "Eng_Unit", Required },
    { 1927, edComboList, 64, "Position", Required },
    { 1928, edComboList, 64, "Bit", Required, 0, Bits },
    { 1929, edNormal, 64, "Length", Required },
    { 1930, edDataCheckBox, 40, "Swap", "N" },
    { 1931, edNormal, 250, "Mnemonic", Required },
};

constexpr int32_t Max_Objects = 2000;

constexpr TTable_Grid Grids[] = {
    { "ACG_BACnet_in_Read", "BACnet_in_Read", Max_Objects, Read_Columns, colDataType, true, true, true, true, hrNone,
        true, Max_Objects },
    { "ACG_BACnet_in_Write", "BACnet_in_Write", Max_Objects, Write_Columns, colDataType, true, true, true, true, hrNone,
        true, Max_Objects },
};

constexpr TTable_Layout Editor_Layout = {
    "FBACnetSlaveSetAccess", 804, 337, &File_BACnet_Slave, "BACnet_to_Modbus", "1.001", Grids, false, true,
    { 1900, 1901, { 1902, 1903, 1904, 1905, 1906, 1907 }, { 1910, 1911, 1912, 1913, 1914, 1915 }, { 1908, 1909 },
        1932, 1960 },
};

constexpr int32_t Data_Area = 1500;

// The length rule of an object type and its message on each sheet; no
// message: the type is not offered there and its length is not checked. A
// binary type takes one byte at Position and needs a Start Bit instead.
struct TType_Rule {
    const char* Type;
    bool Binary;
    int32_t Min_Length, Max_Length;
    int32_t Read_Text, Write_Text;
};

constexpr TType_Rule Type_Rules[] = {
    { "Analog Input", false, 1, 4, 1935, 0 },
    { "Analog Out", false, 1, 4, 0, 1949 },
    { "Analog Value", false, 1, 4, 1938, 1950 },
    { "Binary Input", true, 0, 0, 1945, 0 },
    { "Binary Out", true, 0, 0, 0, 1957 },
    { "Binary Value", true, 0, 0, 1945, 1957 },
    { "Positive Integer Value", false, 1, 4, 1936, 1951 },
    { "Large Analog Value", false, 1, 8, 1937, 1952 },
    { "Integer Value", false, 1, 4, 0, 1953 },
    { "Multi State Input", false, 1, 4, 1939, 0 },
    { "Multi State Output", false, 1, 4, 0, 1954 },
    { "Multi State Value", false, 1, 4, 1940, 1955 },
    { "Life Safety Point", false, 1, 2, 1941, 0 },
    { "Life Safety Zone", false, 1, 2, 1942, 0 },
    { "Access Door", false, 1, 1, 1943, 1956 },
    { "Accumulator", false, 1, 4, 1944, 0 },
};

// The Length a Data Type chosen in the write grid gives, by upper-cased name.
struct TType_Length {
    const char* Type;
    const char* Length;
};

constexpr TType_Length Chosen_Lengths[] = {
    { "ANALOG OUT", "4" }, { "ANALOG VALUE", "4" }, { "POSITIVE INTEGER VALUE", "4" }, { "INTEGER VALUE", "4" },
    { "MULTI STATE OUTPUT", "4" }, { "MULTI STATE VALUE", "4" }, { "LARGE ANALOG VALUE", "8" },
    { "BINARY OUT", "1" }, { "BINARY VALUE", "1" }, { "ACCESS DOOR", "1" }, { "OCTET STRING", "1" },
};

// The texts of one sheet's checks.
struct TDirection {
    int32_t Eng_Unit, Position, Too_Many;
    int32_t TType_Rule::*Rule_Text;
};
constexpr TDirection Read_Direction = { 1933, 1934, 1946, &TType_Rule::Read_Text };
constexpr TDirection Write_Direction = { 1947, 1948, 1958, &TType_Rule::Write_Text };

const TType_Rule* Find_Rule(const TDirection& direction, const String& type)
{
    const auto rule = std::find_if(std::begin(Type_Rules), std::end(Type_Rules), [&](const TType_Rule& candidate) {
        return type == QLatin1String(candidate.Type) && candidate.*direction.Rule_Text != 0;
    });
    return rule == std::end(Type_Rules) ? nullptr : rule;
}

bool Check_Object(TEntry_Check& entry, const TDirection& direction, int32_t area)
{
    if (!entry.Range(colEngUnit, 0, 65535, direction.Eng_Unit)
        || !entry.Range_With_Limit(colPosition, 0, area - 1, direction.Position, area - 1))
        return false;
    const int32_t position = entry.Number(colPosition);
    const int32_t length = StrToIntDef(entry.Cell(colLength), 0);
    int32_t lastByte = position + length - 1;
    if (const TType_Rule* rule = Find_Rule(direction, entry.Cell(colDataType))) {
        if (rule->Binary) {
            if (entry.Cell(colBit).isEmpty())
                return entry.Fail(rule->*direction.Rule_Text);
            lastByte = position;
        } else if (length < rule->Min_Length || length > rule->Max_Length) {
            return entry.Fail(rule->*direction.Rule_Text);
        }
    }
    if (lastByte >= area)
        return entry.Fail(direction.Too_Many);
    return true;
}

void Fill_Positions(TDudColumnGrid& grid, int32_t count)
{
    TStringList& positions = grid.Columns().Items(colPosition)->ComboItems();
    positions.Clear();
    for (int32_t position = 0; position < count; ++position)
        positions.Add(QString::number(position));
}

} // namespace

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* owner) : TTable_Editor(owner, Editor_Layout)
{
    ACG_BACnet_in_Read = &Grid(0);
    ACG_BACnet_in_Write = &Grid(1);
    TS_BACnet_in_Read = Sheet(0);
    TS_BACnet_in_Write = Sheet(1);
    Btn_OK->OnClick = [this](TComponent* sender) { bitbtn1Click(sender); };
}

TFBACnetSlaveSetAccess::~TFBACnetSlaveSetAccess()
{
    if (FBACnetSlaveSetAccess == this)
        FBACnetSlaveSetAccess = nullptr;
}

bool TFBACnetSlaveSetAccess::Read_Desc_Chars_Limit()
{
    if (!FileExists(File_ParGen))
        return false;
    try {
        XML1.LoadFromFile(File_ParGen);
    } catch (const EXMLError&) {
        return false;
    }
    return XML1.FirstNode().ChildNode(QStringLiteral("BACnet_Desc_Chars_Limit")).Text() == QStringLiteral("1");
}

void TFBACnetSlaveSetAccess::Show_Limits()
{
    TS_BACnet_in_Read->SetTabVisible(true);
    TS_BACnet_in_Write->SetTabVisible(true);
    PageControl1->SetActivePage(TS_BACnet_in_Write);
    PageControl1->SetActivePage(TS_BACnet_in_Read);
    NByte_IN = NByte_OUT = Data_Area;
    Fill_Positions(*ACG_BACnet_in_Read, NByte_IN);
    Fill_Positions(*ACG_BACnet_in_Write, NByte_OUT);
    Desc_Lenght = Read_Desc_Chars_Limit();
    ACG_BACnet_in_Read->SetRowCount(Object_Limit() + 1);
    ACG_BACnet_in_Write->SetRowCount(Object_Limit() + 1);
}

void TFBACnetSlaveSetAccess::Begin_Check()
{
    FObjects = Table_Rows(0) + Table_Rows(1);
    FLast_Grid = Table_Rows(1) > 0 ? 1 : 0;
    FLast_Row = Table_Rows(FLast_Grid);
}

bool TFBACnetSlaveSetAccess::Check_Entry(int32_t grid, TEntry_Check& entry)
{
    if (!Check_Object(entry, grid == 0 ? Read_Direction : Write_Direction, grid == 0 ? NByte_IN : NByte_OUT))
        return false;
    // The count of both tables is judged once every object passed.
    if (grid == FLast_Grid && entry.Row() == FLast_Row && FObjects > Object_Limit())
        return entry.Fail_Total(1959, Object_Limit());
    return true;
}

void TFBACnetSlaveSetAccess::Combo_Change(int32_t grid, int32_t col, int32_t row, const String& text)
{
    if (grid == 1)
        ACG_BACnet_in_WriteComboChange(col, row, text);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteComboChange(int32_t ACol, int32_t ARow, const String& Text)
{
    if (ACol != colDataType)
        return;
    const String chosen = UpperCase(Text);
    for (const TType_Length& entry : Chosen_Lengths)
        if (chosen == QLatin1String(entry.Type))
            ACG_BACnet_in_Write->SetCellEx(colLength, ARow, QString::fromLatin1(entry.Length));
}

void TFBACnetSlaveSetAccess::DblClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol)
{
    // The title row holds the column's caption, not a unit.
    if (ACol == colEngUnit && ARow > 0 && FBACnet_Eng_Unit) {
        TDudColumnGrid& grid = Grid(Index_Of(Sender));
        FBACnet_Eng_Unit->E_Selected_EU->SetText(grid.GetCellEx(ACol, ARow));
        FBACnet_Eng_Unit->Label5->SetCaption(
            QStringLiteral("-> ") + Desc_Unit(StrToIntDef(FBACnet_Eng_Unit->E_Selected_EU->Text(), -1)));
        if (UiServices().ShowModal(*FBACnet_Eng_Unit) == mrOk)
            grid.SetCellEx(ACol, ARow, FBACnet_Eng_Unit->E_Selected_EU->Text());
    }
    TTable_Editor::DblClickCell(Sender, ARow, ACol);
}
