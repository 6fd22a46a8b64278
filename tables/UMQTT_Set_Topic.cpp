#include "tables/UMQTT_Set_Topic.h"

#include "app/UComon.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/UiServices.h"
#include "tables/UTopicTemplate.h"

#include <initializer_list>

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {

enum { pubDataType = 4, pubDimension, pubPosition, pubIPAddress, pubInputTemplate, pubTemplate, pubOnChange, pubOnCMD,
    pubOnTimer, pubTime, pubChannel, pubSwap, pubSwapWord, pubMnemonic };
enum { subRetained = 2, subDataType = 4, subDimension, subPosition, subIPAddress, subPort, subEthType, subInputTemplate,
    subTemplate, subSwap, subSwapWord, subMnemonic };

constexpr const char* QoS_Items[] = { "0", "1", "2" };
constexpr const char* Data_Types[] = { "Int", "Float", "String", "Base64" };
constexpr const char* Templates[] = { "$VALUE$" };
constexpr const char* Eth_Types[] = { "TCP", "UDP" };
constexpr const char* Channels[] = { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
    "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33",
    "34", "35", "36", "37", "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52",
    "53", "54", "55", "56", "57", "58", "59", "60", "61", "62", "63", "All" };

// Channel, Swap and Swap Word are never stored: a load gives them their default.
constexpr TTable_Column Pub_Columns[] = {
    { 1414, edNormal, 40 },
    { 1415, edNormal, 300, "Topic", Required, 1419 },
    { 1416, edDataCheckBox, 60, "Retained", Required, 1420 },
    { 1417, edComboList, 80, "QoS", Required, 1421, QoS_Items },
    { 1437, edComboList, 80, "DataType", "", 1440, Data_Types },
    { 1438, edNormal, 80, "Dimension", "", 1441 },
    { 1439, edNormal, 80, "Position", "", 1442 },
    { 1462, edNormal, 100, "IPAddress", "", 1464 },
    { 1463, edNormal, 120, "InputTemplate", "", 1465 },
    { 1435, edComboEdit, 130, "Template", "", 1436, Templates },
    { 1481, edDataCheckBox, 75, "OnChange", "N", 1482 },
    { 1483, edDataCheckBox, 55, "OnCMD", "N", 1486 },
    { 1484, edDataCheckBox, 64, "OnTimer", "N", 1487 },
    { 1485, edNormal, 70, "Time", "", 1488 },
    { 1490, edComboList, 60, nullptr, "", 1491, Channels },
    { 1493, edDataCheckBox, 40, nullptr, "N", 1495 },
    { 1494, edDataCheckBox, 80, nullptr, "N", 1496 },
    { 1418, edNormal, 170, "Mnemonic", Required, 1422 },
};

constexpr TTable_Column Sub_Columns[] = {
    { 1424, edNormal, 40 },
    { 1425, edNormal, 300, "Topic", Required, 1429 },
    { 1426, edDataCheckBox, 60, "Retained", Required, 1430 },
    { 1427, edComboList, 80, "QoS", Required, 1431, QoS_Items },
    { 1443, edComboList, 80, "DataType", "", 1447, Data_Types },
    { 1444, edNormal, 80, "Dimension", "", 1448 },
    { 1445, edNormal, 80, "Position", "", 1449 },
    { 1466, edNormal, 100, "IPAddress", "", 1470 },
    { 1467, edNormal, 50, "Port", "", 1471 },
    { 1468, edComboList, 64, "EthType", "", 1472, Eth_Types },
    { 1469, edNormal, 130, "InputTemplate", "", 1473 },
    { 1446, edComboEdit, 130, "Template", "", 1450, Templates },
    { 1493, edDataCheckBox, 40, nullptr, "N", 1497 },
    { 1494, edDataCheckBox, 80, nullptr, "N", 1498 },
    { 1428, edNormal, 220, "Mnemonic", Required, 1432 },
};

// No click handler; the hints leave the grid's own text outside the titles.
constexpr TTable_Grid Grids[] = {
    { "ACG_Pub", "MQTT_Publish", 1024, Pub_Columns, 1, true, false, true, true, hrKeepOutside },
    { "ACG_Sub", "MQTT_Subscribe", 1024, Sub_Columns, 1, true, false, true, true, hrKeepOutside },
};

constexpr TTable_Layout Editor_Layout = {
    "FMQTT_Set_Topic", 1100, 337, &File_MQTT_Set_Topic, "MQTT_Set_Topic", "1.001", Grids, false, false,
    { 1400, 1401, { 1402, 1403, 1404, 1405, 1406, 1407 }, { 1408, 1409, 1410, 1411, 1412, 1413 }, { 1433, 1434 }, 1451, 1423 },
};

constexpr int32_t Data_Area = 1440;
constexpr int32_t Max_Time = 1000000000;

// The columns and texts of one table's checks, in their order.
struct TDirection {
    int32_t Data_Type, Dimension, Position, IP_Address, Port, Input_Template, Template;
    int32_t No_Type, Int_Dimension, Float_Dimension, Any_Dimension, Bad_Position, Bad_IP, Bad_Port, Bad_Input, Bad_Template;
};
constexpr TDirection Directions[] = {
    { pubDataType, pubDimension, pubPosition, pubIPAddress, 0, pubInputTemplate, pubTemplate,
        1452, 1453, 1454, 1455, 1456, 1474, 0, 1477, 1478 },
    { subDataType, subDimension, subPosition, subIPAddress, subPort, subInputTemplate, subTemplate,
        1457, 1458, 1459, 1460, 1461, 1475, 1476, 1479, 1480 },
};

bool Valid_IP_Address(const String& text)
{
    String p1, p2, p3, p4;
    return Split_IP_Address(text, p1, p2, p3, p4);
}

bool Check_Dimension(TEntry_Check& entry, const TDirection& direction)
{
    const String type = UpperCase(Trim(entry.Cell(direction.Data_Type)));
    const int32_t dimension = entry.Number(direction.Dimension);
    if (type == QStringLiteral("INT"))
        return dimension == 1 || dimension == 2 || dimension == 4 || dimension == 8 || entry.Fail(direction.Int_Dimension);
    if (type == QStringLiteral("FLOAT"))
        return dimension == 4 || dimension == 8 || entry.Fail(direction.Float_Dimension);
    return dimension > 0 || entry.Fail(direction.Any_Dimension);
}

} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* owner) : TTable_Editor(owner, Editor_Layout)
{
    ACG_Pub = &Grid(0);
    ACG_Sub = &Grid(1);
    TS_MQTT_Publish = Sheet(0);
    TS_MQTT_Subscribe = Sheet(1);
}

TFMQTT_Set_Topic::~TFMQTT_Set_Topic()
{
    if (FMQTT_Set_Topic == this)
        FMQTT_Set_Topic = nullptr;
}

void TFMQTT_Set_Topic::Show_Limits()
{
    Working_Mode = 1;
    Byte_IN = Byte_OUT = Data_Area;
    const auto show = [](TDudColumnGrid& grid, std::initializer_list<int32_t> columns, bool shown) {
        for (const int32_t col : columns) {
            if (grid.IsHiddenColumn(col) == shown)
                shown ? grid.UnHideColumn(col) : grid.HideColumn(col);
        }
    };
    show(*ACG_Pub, { pubDataType, pubDimension, pubPosition, pubIPAddress, pubInputTemplate, pubTemplate, pubChannel,
        pubSwap, pubSwapWord }, false);
    show(*ACG_Pub, { pubOnChange, pubOnCMD, pubOnTimer, pubTime }, true);
    show(*ACG_Sub, { subRetained, subDataType, subDimension, subPosition, subIPAddress, subPort, subEthType,
        subInputTemplate, subTemplate, subSwap, subSwapWord }, false);
    TS_MQTT_Subscribe->SetTabVisible(true);
    if (Working_Mode == 1) {
        ACG_Pub->SetRowCount(Grids[0].Data_Rows + 1);
        ACG_Sub->SetRowCount(Grids[1].Data_Rows + 1);
        show(*ACG_Pub, { pubDataType, pubDimension, pubPosition, pubTemplate }, true);
        show(*ACG_Sub, { subDataType, subDimension, subPosition, subTemplate }, true);
    }
    PageControl1->SetActivePage(TS_MQTT_Publish);
}

bool TFMQTT_Set_Topic::Error_In_Topic_Template(const String& Text)
{
    return Text.count(u'$') % 2 != 0;
}

bool TFMQTT_Set_Topic::Check_Direction(int32_t grid, TEntry_Check& entry) const
{
    const TDirection& direction = Directions[static_cast<size_t>(grid)];
    const TDudColumnGrid& cells = Grid(grid);
    const auto shown = [&cells](int32_t col) { return !cells.IsHiddenColumn(col); };
    const int32_t area = grid == 0 ? Byte_IN : Byte_OUT;
    if (shown(direction.Data_Type)) {
        if (Trim(entry.Cell(direction.Data_Type)).isEmpty())
            return entry.Fail(direction.No_Type);
        if (!Check_Dimension(entry, direction))
            return false;
    }
    if (shown(direction.Position)
        && !entry.Range_With_Limit(direction.Position, 0, area - 1, direction.Bad_Position, area - 1))
        return false;
    if (shown(direction.IP_Address) && !Valid_IP_Address(Trim(entry.Cell(direction.IP_Address))))
        return entry.Fail(direction.Bad_IP);
    if (direction.Port && shown(direction.Port) && !entry.Range(direction.Port, 0, 65535, direction.Bad_Port))
        return false;
    if (shown(direction.Input_Template) && Error_In_Topic_Template(Trim(entry.Cell(direction.Input_Template))))
        return entry.Fail(direction.Bad_Input);
    if (shown(direction.Template) && Error_In_Topic_Template(Trim(entry.Cell(direction.Template))))
        return entry.Fail(direction.Bad_Template);
    return true;
}

bool TFMQTT_Set_Topic::Check_Entry(int32_t grid, TEntry_Check& entry)
{
    if (!Check_Direction(grid, entry))
        return false;
    // The timer is checked whatever columns show.
    if (grid == 0 && UpperCase(Trim(entry.Cell(pubOnTimer))) == QStringLiteral("Y"))
        return entry.Range(pubTime, 1, Max_Time, 1489);
    return true;
}

void TFMQTT_Set_Topic::DblClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol)
{
    TTable_Editor::DblClickCell(Sender, ARow, ACol);
    TDudColumnGrid& grid = Grid(Index_Of(Sender));
    const int32_t row = grid.Row();
    const int32_t col = grid.GetRealCol();
    if ((&grid == ACG_Pub && col == pubTemplate) || (&grid == ACG_Sub && col == subTemplate))
        Show_Form_Topic(grid, row, col);
}

void TFMQTT_Set_Topic::GridHint(TDudStringGrid* Sender, int32_t ARow, int32_t ACol, String& HintStr)
{
    TTable_Editor::GridHint(Sender, ARow, Sender->RealColIndex(ACol), HintStr);
}

void TFMQTT_Set_Topic::Show_Form_Topic(TDudColumnGrid& Grid, int32_t Row, int32_t Col)
{
    const bool publish = &Grid == ACG_Pub;
    FTopicTemplate->TopicTemplate = Col == Directions[publish ? 0 : 1].Template ? 1 : 0;
    FTopicTemplate->Working_Mode = Working_Mode;
    FTopicTemplate->Pub_Sub = publish ? 0 : 1;
    FTopicTemplate->RE_TopicTemplate->Clear();
    FTopicTemplate->RE_TopicTemplate->SetText(Grid.GetCellEx(Col, Row));
    if (UiServices().ShowModal(*FTopicTemplate) == mrOk)
        Grid.SetCellEx(Col, Row, FTopicTemplate->RE_TopicTemplate->Text());
}
