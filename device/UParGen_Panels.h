#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The category panels of the communication-parameter dialog, one per
// protocol of the model family, and which of them each model shows.

enum class TRow_Kind {
    Edit,       // label, edit
    Combo,      // label, pick list
    Box,        // check box
    Octets,     // label, four address octets
    Box_Octets, // check box, four address octets
    Box_Edit,   // check box, edit
};

// Rows that the panel rules show, hide or enable together.
enum class TRow_Group {
    Always,
    Hidden,       // laid out but never shown by this family
    Address,      // disabled while DHCP gives the address
    Will,         // shown with the MQTT will
    Server_Cert,  // shown with TLS server authentication
    Client_Cert,  // shown with TLS client authentication
    TLS,          // shown while TLS is on
    BACnet_IP,    // shown for BACnet/IP (with the DHCP rule)
    BACnet_MSTP,  // shown for BACnet MS/TP
};

struct TRow_Info {
    TRow_Kind Kind;
    const char* Label; // label, or the check box
    const char* Input; // edit or pick list, or the octets' name without their number
    int32_t Caption;   // text of the label or box
    int32_t Hint;      // hint of the input (of the first octet), or of the box
    int32_t Input_Hint; // hint of the input beside a box (of its first octet)
    TRow_Group Group;
};

enum class TPanel_Rule { Height_Only, Ethernet_Connection, Ethernet, Address, MQTT, TLS, BACnet_Slave };

struct TPanel_Info {
    const char* Name;
    int32_t Heading; // 0: no model shows it
    TPanel_Rule Rule;
    std::span<const TRow_Info> Rows;
};

enum TPanel_Id : int32_t {
    cpEthernet_Connection, cpEthernet, cpSerial, cpModbus_Slave, cpModbus_TCP_Master, cpModbus_TCP_Slave,
    cpBACnet_Slave, cpEtherNetIP, cpKNX, cpMQTT, cpTLS, cpNTP, cpNMEA2000, cpPROFIBUS, cpPROFINET,
    cpModbus_Master, cpBACnet_Master, cpCAN, cpCANopen, cpDeviceNet_Master, cpDeviceNet_Slave,
    Panel_Count
};

const TPanel_Info& Panel_Info(int32_t panel);

enum TModel : int32_t { TX201, TX202, TX203, TX204, TX205, TX206, TX207, TX208, TX209, TX210, TX211, Model_Count };

// The panels of a model from the top.
std::span<const TPanel_Id> Model_Panels(int32_t model);

// The entries of the pick list named input on the panels of the other
// models, the first of them chosen when the dialog is made; empty for any
// other name (the NMEA 2000 bit rates come with their file key).
std::span<const char* const> Pick_List_Entries(std::string_view input);

// The model this build configures.
inline constexpr TModel Built_Model = TX209;

// Where the rows stand inside a panel: labels and boxes at the left, inputs
// beside them, one row every 28 pixels, an input 3 pixels above its label.
inline constexpr int32_t Row_Label_Left = 14;
inline constexpr int32_t Row_Input_Left = 191;
inline constexpr int32_t Row_Input_Width = 238;
inline constexpr int32_t Octet_Width = 55;
inline constexpr int32_t Octet_Step = 61;
inline constexpr int32_t Row_First_Top = 10;
inline constexpr int32_t Row_Step = 28;
inline constexpr int32_t Row_Input_Height = 21;
inline constexpr int32_t Panel_Bottom_Margin = 12;
