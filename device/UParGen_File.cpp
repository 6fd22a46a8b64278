#include "device/UParGen_File.h"

#include "platform/core/SysUtils.h"
#include "platform/xml/XMLDocument.h"

namespace {

constexpr TParGen_Key_Info Keys[ParGen_Key_Count] = {
    { "Eth_Conn_Device_Name", TParGen_Kind::Text, "" },
    { "Eth_Conn_DHCP_Cable", TParGen_Kind::Box, "0" },
    { "Eth_Conn_DHCP_WiFi", TParGen_Kind::Box, "0" },
    { "Eth_Conn_Enable_DNS", TParGen_Kind::Box, "0" },
    { "Eth_Conn_Primary_DNS1", TParGen_Kind::Text, "8" },
    { "Eth_Conn_Primary_DNS2", TParGen_Kind::Text, "8" },
    { "Eth_Conn_Primary_DNS3", TParGen_Kind::Text, "8" },
    { "Eth_Conn_Primary_DNS4", TParGen_Kind::Text, "8" },
    { "Eth_Conn_Secondary_DNS1", TParGen_Kind::Text, "8" },
    { "Eth_Conn_Secondary_DNS2", TParGen_Kind::Text, "8" },
    { "Eth_Conn_Secondary_DNS3", TParGen_Kind::Text, "4" },
    { "Eth_Conn_Secondary_DNS4", TParGen_Kind::Text, "4" },
    { "Ethernet_IP1", TParGen_Kind::Text, "192" },
    { "Ethernet_IP2", TParGen_Kind::Text, "168" },
    { "Ethernet_IP3", TParGen_Kind::Text, "0" },
    { "Ethernet_IP4", TParGen_Kind::Text, "10" },
    { "Ethernet_SM1", TParGen_Kind::Text, "255" },
    { "Ethernet_SM2", TParGen_Kind::Text, "255" },
    { "Ethernet_SM3", TParGen_Kind::Text, "255" },
    { "Ethernet_SM4", TParGen_Kind::Text, "0" },
    { "Ethernet_GAT1", TParGen_Kind::Text, "192" },
    { "Ethernet_GAT2", TParGen_Kind::Text, "168" },
    { "Ethernet_GAT3", TParGen_Kind::Text, "0" },
    { "Ethernet_GAT4", TParGen_Kind::Text, "1" },
    { "Ethernet_EN_GAT", TParGen_Kind::Box, "0" },
    { "NMEA2000_BAUDRATE", TParGen_Kind::Index, "6" },
    { "NMEA2000_TIMEOUT", TParGen_Kind::Text, "0" },
    { "NMEA2000_PEER_TO_PEER", TParGen_Kind::Box, "0" },
};

struct TBaudrate {
    const char* Name;
    uint32_t Bits;
};

constexpr TBaudrate Baudrates[Baudrate_Count] = {
    { "10K", 10000 }, { "20K", 20000 }, { "50K", 50000 }, { "62.5K", 62500 }, { "100K", 100000 },
    { "125K", 125000 }, { "250K", 250000 }, { "500K", 500000 }, { "800K", 800000 }, { "1000K", 1000000 },
};

const String Root_Name = QStringLiteral("Par_Gen");
const String Version_Comment = QStringLiteral("SW_VERSION = 1.000");

} // namespace

const TParGen_Key_Info& ParGen_Key(int32_t key) { return Keys[key]; }

const char* Baudrate_Name(int32_t index) { return Baudrates[index].Name; }

uint32_t Baudrate_Bits(int32_t index)
{
    return index >= 0 && index < Baudrate_Count ? Baudrates[index].Bits : Baudrates[Default_Baudrate_Index].Bits;
}

TParGen_Values Default_ParGen_Values()
{
    TParGen_Values values;
    for (int32_t key = 0; key < ParGen_Key_Count; ++key)
        values[key] = String::fromLatin1(Keys[key].Default);
    return values;
}

String ParGen_Text(const TXMLNode& root, int32_t key)
{
    const TXMLNode child = root.ChildNode(String::fromLatin1(Keys[key].Name));
    return child ? child.Text() : String::fromLatin1(Keys[key].Default);
}

void Load_ParGen(TXMLDocument& document, const String& fileName, TParGen_Values& values)
{
    document.LoadFromFile(fileName);
    const TXMLNode root = document.FirstNode();
    TParGen_Values loaded = Default_ParGen_Values();
    for (int32_t key = 0; key < ParGen_Key_Count; ++key) {
        if (key == pkDHCP_WiFi)
            continue;
        const String text = ParGen_Text(root, key);
        switch (Keys[key].Kind) {
        case TParGen_Kind::Text:
            loaded[key] = text;
            break;
        case TParGen_Kind::Box:
            loaded[key] = text == u"1" ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case TParGen_Kind::Index:
            loaded[key] = IntToStr(StrToIntDef(text, Default_Baudrate_Index));
            break;
        }
    }
    values = loaded;
}

void Save_ParGen(TXMLDocument& document, const String& fileName, const TParGen_Values& values)
{
    document.Clear();
    TXMLNode root = document.AddRoot(Root_Name);
    document.AddComment(Version_Comment);
    for (int32_t key = 0; key < ParGen_Key_Count; ++key)
        root.AddChild(String::fromLatin1(Keys[key].Name)).SetText(values[key]);
    document.SaveToFile(fileName);
}

namespace {

struct TRange_Check {
    int32_t First_Key;
    int32_t Count;
    int32_t Only_When; // the box that must be on, or -1
    int32_t Low, High;
    int32_t First_Text;
};

constexpr TRange_Check Range_Checks[] = {
    { pkPrimary_DNS1, 4, pkEnable_DNS, 0, 255, 2256 },
    { pkSecondary_DNS1, 4, pkEnable_DNS, 0, 255, 2260 },
    { pkIP1, 4, -1, 0, 255, 527 },
    { pkSM1, 4, -1, 0, 255, 531 },
    { pkGAT1, 4, pkEN_GAT, 0, 255, 535 },
    { pkTimeout, 1, -1, 0, 100000, 2271 },
};

} // namespace

int32_t ParGen_Check_Failure(const TParGen_Values& values)
{
    for (const TRange_Check& check : Range_Checks) {
        if (check.Only_When >= 0 && values[check.Only_When] != u"1")
            continue;
        for (int32_t index = 0; index < check.Count; ++index) {
            const int32_t value = StrToIntDef(values[check.First_Key + index], -1);
            if (value < check.Low || value > check.High)
                return check.First_Text + index;
        }
    }
    return 0;
}
