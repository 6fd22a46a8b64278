#include "device/UParGen_Panels.h"

namespace {

using enum TRow_Kind;
using enum TRow_Group;

constexpr TRow_Info Ethernet_Connection_Rows[] = {
    { Edit, "L_EthConn_Device_Name", "E_EthConn_Device_Name", 771, 772, 0, Always },
    { Box, "CB_EthConn_En_DHCP_Cable", nullptr, 773, 774, 0, Always },
    { Box, "CB_EthConn_En_DHCP_WiFi", nullptr, 775, 776, 0, Always },
    { Box, "CB_EthConn_Enable_DNS", nullptr, 777, 778, 0, Always },
    { Octets, "L_EthConn_Primary_DNS", "E_EthConn_Pri_DNS_IP", 779, 780, 0, Always },
    { Octets, "L_EthConn_Secondary_DNS", "E_EthConn_Sec_DNS_IP", 784, 785, 0, Always },
};

constexpr TRow_Info Ethernet_Rows[] = {
    { Octets, "L_Ethernet_IP", "E_Ethernet_IP", 466, 467, 0, Address },
    { Octets, "L_Ethernet_SM", "E_Ethernet_SM", 471, 472, 0, Address },
    { Box_Octets, "CB_Ethernet_En_GAT", "E_Ethernet_GAT", 476, 477, 478, Address },
    { Edit, "L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", 488, 489, 0, Hidden },
    { Edit, "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port", 490, 491, 0, Hidden },
};

constexpr TRow_Info Serial_Rows[] = {
    { Combo, "L_Serial_Serial", "CB_Serial_Serial", 575, 576, 0, Always },
    { Combo, "L_Serial_Baudrate", "CB_Serial_Baudrate", 577, 578, 0, Always },
    { Combo, "L_Serial_Parity", "CB_Serial_Parity", 579, 580, 0, Always },
    { Combo, "L_Serial_StopBits", "CB_Serial_StopBits", 581, 582, 0, Always },
};

constexpr TRow_Info Modbus_Slave_Rows[] = {
    { Combo, "L_ModbusSlave_Serial", "CB_ModbusSlave_Serial", 426, 427, 0, Always },
    { Combo, "L_ModbusSlave_Baudrate", "CB_ModbusSlave_Baudrate", 428, 429, 0, Always },
    { Combo, "L_ModbusSlave_Parity", "CB_ModbusSlave_Parity", 430, 431, 0, Always },
    { Combo, "L_ModbusSlave_StopBits", "CB_ModbusSlave_StopBits", 432, 433, 0, Always },
    { Edit, "L_ModbusSlave_IDDevice", "E_ModbusSlave_IDDevice", 434, 435, 0, Always },
    { Box, "CB_ModbusSlave_ReadInput", nullptr, 436, 437, 0, Always },
};

constexpr TRow_Info Modbus_TCP_Master_Rows[] = {
    { Octets, "L_ModbusTCPMaster_IP", "E_ModbusTCPMaster_IP", 597, 598, 0, Address },
    { Octets, "L_ModbusTCPMaster_SM", "E_ModbusTCPMaster_SM", 602, 603, 0, Address },
    { Box_Octets, "CB_ModbusTCPMaster_En_GAT", "E_ModbusTCPMaster_GAT", 607, 608, 609, Address },
    { Edit, "L_ModbusTCPMaster_TimeOut", "E_ModbusTCPMaster_TimeOut", 613, 614, 0, Always },
    { Edit, "L_ModbusTCPMaster_CyclicDelay", "E_ModbusTCPMaster_CyclicDelay", 615, 616, 0, Always },
};

constexpr TRow_Info Modbus_TCP_Slave_Rows[] = {
    { Octets, "L_ModbusTCPSlave_IP", "E_ModbusTCPSlave_IP", 407, 408, 0, Address },
    { Octets, "L_ModbusTCPSlave_SM", "E_ModbusTCPSlave_SM", 412, 413, 0, Address },
    { Box_Octets, "CB_ModbusTCPSlave_En_GAT", "E_ModbusTCPSlave_GAT", 417, 418, 419, Address },
    { Edit, "L_ModbusTCPSlave_Port", "E_ModbusTCPSlave_Port", 423, 424, 0, Always },
};

constexpr TRow_Info BACnet_Slave_Rows[] = {
    { Combo, "L_BACnet_Slave_Type", "CB_BACnet_Slave_Type", 659, 660, 0, Always },
    { Octets, "L_BACnet_Slave_IP", "E_BACnet_Slave_IP", 661, 662, 0, BACnet_IP },
    { Octets, "L_BACnet_Slave_SM", "E_BACnet_Slave_SM", 666, 667, 0, BACnet_IP },
    { Box_Octets, "CB_BACnet_Slave_En_GAT", "E_BACnet_Slave_GAT", 671, 672, 673, BACnet_IP },
    { Edit, "L_BACnet_Slave_Port", "E_BACnet_Slave_Port", 677, 678, 0, BACnet_IP },
    { Edit, "L_BACnet_Slave_Device_Name", "E_BACnet_Slave_Device_Name", 679, 680, 0, BACnet_IP },
    { Edit, "L_BACnet_Slave_Device_ID", "E_BACnet_Slave_Device_ID", 681, 682, 0, BACnet_IP },
    { Combo, "L_BACnet_Slave_Baudrate", "CB_BACnet_Slave_Baudrate", 683, 684, 0, BACnet_MSTP },
    { Combo, "L_BACnet_Slave_Parity", "CB_BACnet_Slave_Parity", 685, 686, 0, BACnet_MSTP },
    { Edit, "L_BACnet_Slave_MSTP_Device_Name", "E_BACnet_Slave_MSTP_Device_Name", 687, 688, 0, BACnet_MSTP },
    { Edit, "L_BACnet_Slave_MAC", "E_BACnet_Slave_MAC", 689, 690, 0, BACnet_MSTP },
    { Edit, "L_BACnet_Slave_Max_Master", "E_BACnet_Slave_Max_Master", 691, 692, 0, BACnet_MSTP },
    { Edit, "L_BACnet_Slave_Max_Info", "E_BACnet_Slave_Max_Info", 693, 694, 0, BACnet_MSTP },
    { Edit, "L_BACnet_Slave_Device_Instance", "E_BACnet_Slave_Device_Instance", 695, 696, 0, BACnet_MSTP },
    { Edit, "L_BACnet_Slave_Network", "E_BACnet_Slave_Network", 697, 698, 0, BACnet_MSTP },
    { Box, "CB_BACnet_Slave_Desc_32_Chars", nullptr, 699, 700, 0, Always },
};

constexpr TRow_Info EtherNetIP_Rows[] = {
    { Octets, "L_EtherNetIP_IP", "E_EtherNetIP_IP", 2201, 2202, 0, Address },
    { Octets, "L_EtherNetIP_SM", "E_EtherNetIP_SM", 2206, 2207, 0, Address },
    { Box_Octets, "CB_EtherNetIP_En_GAT", "E_EtherNetIP_GAT", 2211, 2212, 2213, Address },
    { Edit, "L_EtherNetIP_Port", "E_EtherNetIP_Port", 2217, 2218, 0, Always },
    { Edit, "L_EtherNetIP_NByte_In", "E_EtherNetIP_NByte_In", 2219, 2220, 0, Always },
    { Edit, "L_EtherNetIP_NByte_Out", "E_EtherNetIP_NByte_Out", 2221, 2222, 0, Always },
};

constexpr TRow_Info KNX_Rows[] = {
    { Combo, "L_KNX_Type", "CB_KNX_Type", 765, 766, 0, Always },
    { Edit, "L_KNX_IDDevice", "E_KNX_IDDevice", 767, 768, 0, Always },
};

constexpr TRow_Info MQTT_Rows[] = {
    { Edit, "L_MQTT_Server_URL", "E_MQTT_Server_URL", 439, 440, 0, Always },
    { Edit, "L_MQTT_Server_Port", "E_MQTT_Server_Port", 441, 442, 0, Always },
    { Edit, "L_MQTT_ClientID", "E_MQTT_ClientID", 443, 444, 0, Always },
    { Edit, "L_MQTT_KeepAlive", "E_MQTT_KeepAlive", 445, 446, 0, Always },
    { Box, "CB_MQTT_CleanSession", nullptr, 447, 448, 0, Always },
    { Box, "CB_MQTT_WillFlag", nullptr, 449, 450, 0, Always },
    { Edit, "L_MQTT_Will_Topic", "E_MQTT_Will_Topic", 451, 452, 0, Will },
    { Edit, "L_MQTT_Will_Message", "E_MQTT_Will_Message", 453, 454, 0, Will },
    { Box, "CB_MQTT_Will_Retained", nullptr, 455, 456, 0, Will },
    { Combo, "L_MQTT_Will_QoS", "CB_MQTT_Will_QoS", 457, 458, 0, Will },
    { Edit, "L_MQTT_Username", "E_MQTT_Username", 459, 460, 0, Always },
    { Edit, "L_MQTT_Password", "E_MQTT_Password", 461, 462, 0, Always },
    { Edit, "L_MQTT_Send_Time", "E_MQTT_Send_Time", 463, 464, 0, Hidden },
};

constexpr TRow_Info TLS_Rows[] = {
    { Box, "CB_TLS_Enable", nullptr, 493, 494, 0, Always },
    { Box, "CB_TLS_En_Server_Auth", nullptr, 495, 496, 0, TLS },
    { Edit, "L_TLS_Server_Cert", "E_TLS_Server_Cert", 497, 498, 0, Server_Cert },
    { Box, "CB_TLS_En_Client_Auth", nullptr, 499, 500, 0, TLS },
    { Edit, "L_TLS_Client_Cert", "E_TLS_Client_Cert", 501, 502, 0, Client_Cert },
    { Edit, "L_TLS_Client_Key", "E_TLS_Client_Key", 503, 504, 0, Client_Cert },
    { Edit, "L_TLS_Client_Key_Password", "E_TLS_Client_Key_Password", 505, 506, 0, Client_Cert },
};

constexpr TRow_Info NTP_Rows[] = {
    { Edit, "L_NTP_Server_URL", "E_NTP_Server_URL", 508, 509, 0, Always },
    { Edit, "L_NTP_Poll_Time", "E_NTP_Poll_Time", 510, 511, 0, Always },
};

constexpr TRow_Info NMEA2000_Rows[] = {
    { Combo, "L_NMEA2000_Baudrate", "CB_NMEA2000_Baudrate", 2265, 2266, 0, Always },
    { Edit, "L_NMEA2000_TimeOut", "E_NMEA2000_TimeOut", 2267, 2268, 0, Always },
    { Box, "CB_NMEA2000_Peer_To_Peer", nullptr, 2269, 2270, 0, Always },
};

constexpr TRow_Info PROFIBUS_Rows[] = {
    { Edit, "L_PROFIBUS_IDDevice", "E_PROFIBUS_IDDevice", 752, 753, 0, Always },
    { Combo, "L_PROFIBUS_Baudrate", "CB_PROFIBUS_Baudrate", 754, 755, 0, Always },
    { Edit, "L_PROFIBUS_NByte_In", "E_PROFIBUS_NByte_In", 756, 757, 0, Always },
    { Edit, "L_PROFIBUS_NByte_Out", "E_PROFIBUS_NByte_Out", 758, 759, 0, Always },
};

constexpr TRow_Info PROFINET_Rows[] = {
    { Octets, "L_PROFINET_IP", "E_PROFINET_IP", 547, 548, 0, Address },
    { Octets, "L_PROFINET_SM", "E_PROFINET_SM", 552, 553, 0, Address },
    { Box_Octets, "CB_PROFINET_En_GAT", "E_PROFINET_GAT", 557, 558, 559, Address },
    { Edit, "L_PROFINET_Tunneling_Port", "E_PROFINET_Tunneling_Port", 563, 564, 0, Always },
    { Edit, "L_PROFINET_Name_Station", "E_PROFINET_Name_Station", 565, 566, 0, Always },
    { Edit, "L_PROFINET_NByte_In", "E_PROFINET_NByte_In", 567, 568, 0, Always },
    { Edit, "L_PROFINET_NByte_Out", "E_PROFINET_NByte_Out", 569, 570, 0, Always },
    { Box_Edit, "CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic", 571, 572, 573, Always },
};

constexpr TRow_Info Modbus_Master_Rows[] = {
    { Combo, "L_ModbusMaster_Serial", "CB_ModbusMaster_Serial", 584, 585, 0, Always },
    { Combo, "L_ModbusMaster_Baudrate", "CB_ModbusMaster_Baudrate", 586, 587, 0, Always },
    { Combo, "L_ModbusMaster_Parity", "CB_ModbusMaster_Parity", 588, 589, 0, Always },
    { Combo, "L_ModbusMaster_StopBits", "CB_ModbusMaster_StopBits", 590, 591, 0, Always },
    { Edit, "L_ModbusMaster_TimeOut", "E_ModbusMaster_TimeOut", 592, 593, 0, Always },
    { Edit, "L_ModbusMaster_CyclicDelay", "E_ModbusMaster_CyclicDelay", 594, 595, 0, Always },
};

constexpr TRow_Info BACnet_Master_Rows[] = {
    { Combo, "L_BACnet_Master_Type", "CB_BACnet_Master_Type", 618, 619, 0, Always },
    { Octets, "L_BACnet_Master_IP", "E_BACnet_Master_IP", 620, 621, 0, Always },
    { Octets, "L_BACnet_Master_SM", "E_BACnet_Master_SM", 625, 626, 0, Always },
    { Box_Octets, "CB_BACnet_Master_En_GAT", "E_BACnet_Master_GAT", 630, 631, 632, Always },
    { Edit, "L_BACnet_Master_Port", "E_BACnet_Master_Port", 636, 637, 0, Always },
    { Edit, "L_BACnet_Master_Device_Name", "E_BACnet_Master_Device_Name", 638, 639, 0, Always },
    { Edit, "L_BACnet_Master_Device_ID", "E_BACnet_Master_Device_ID", 640, 641, 0, Always },
    { Edit, "L_BACnet_Master_TimeOut", "E_BACnet_Master_TimeOut", 642, 643, 0, Always },
    { Combo, "L_BACnet_Master_Baudrate", "CB_BACnet_Master_Baudrate", 644, 645, 0, Always },
    { Combo, "L_BACnet_Master_Parity", "CB_BACnet_Master_Parity", 646, 647, 0, Always },
    { Edit, "L_BACnet_Master_MSTP_Device_Name", "E_BACnet_Master_MSTP_Device_Name", 648, 649, 0, Always },
    { Edit, "L_BACnet_Master_MAC", "E_BACnet_Master_MAC", 650, 651, 0, Always },
    { Edit, "L_BACnet_Master_Max_Master", "E_BACnet_Master_Max_Master", 652, 653, 0, Always },
    { Edit, "L_BACnet_Master_Max_Info", "E_BACnet_Master_Max_Info", 654, 655, 0, Always },
    { Edit, "L_BACnet_Master_Device_Instance", "E_BACnet_Master_Device_Instance", 656, 657, 0, Always },
};

constexpr TRow_Info CAN_Rows[] = {
    { Combo, "L_CAN_Baudrate", "CB_CAN_Baudrate", 702, 703, 0, Always },
};

constexpr TRow_Info CANopen_Rows[] = {
    { Edit, "L_CANopen_IDDevice", "E_CANopen_IDDevice", 705, 706, 0, Always },
    { Combo, "L_CANopen_Baudrate", "CB_CANopen_Baudrate", 707, 708, 0, Always },
    { Box, "CB_CANopen_Operational", nullptr, 709, 710, 0, Always },
    { Box_Edit, "CB_CANopen_Network_Start", "E_CANopen_Network_Start_Delay", 711, 712, 713, Always },
    { Edit, "L_CANopen_SDO_TimeOut", "E_CANopen_SDO_TimeOut", 714, 715, 0, Always },
};

constexpr TRow_Info DeviceNet_Master_Rows[] = {
    { Edit, "L_DeviceNet_Master_IDDevice", "E_DeviceNet_Master_IDDevice", 717, 718, 0, Always },
    { Combo, "L_DeviceNet_Master_Baudrate", "CB_DeviceNet_Master_Baudrate", 719, 720, 0, Always },
};

constexpr TRow_Info DeviceNet_Slave_Rows[] = {
    { Edit, "L_DeviceNet_Slave_IDDevice", "E_DeviceNet_Slave_IDDevice", 722, 723, 0, Always },
    { Combo, "L_DeviceNet_Slave_Baudrate", "CB_DeviceNet_Slave_Baudrate", 724, 725, 0, Always },
    { Edit, "L_DeviceNet_Slave_NByte_In", "E_DeviceNet_Slave_NByte_In", 726, 727, 0, Always },
    { Edit, "L_DeviceNet_Slave_NByte_Out", "E_DeviceNet_Slave_NByte_Out", 728, 729, 0, Always },
};


constexpr const char* Serial_Kinds[] = { "RS232", "RS485" };
constexpr const char* Serial_Baudrates[] = { "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200" };
constexpr const char* Parities[] = { "None", "Even", "Odd" };
constexpr const char* Stop_Bits[] = { "1", "2" };
// Entry 0 is BACnet/IP; any other is MS/TP.
constexpr const char* BACnet_Types[] = { "BACnet/IP", "BACnet MS/TP" };
constexpr const char* MSTP_Baudrates[] = { "9600", "19200", "38400", "76800" };
constexpr const char* KNX_Types[] = { "TP", "IP" };
constexpr const char* QoS_Levels[] = { "0", "1", "2" };
constexpr const char* PROFIBUS_Baudrates[] = { "AutoBaudrate" };
constexpr const char* CAN_Baudrates[] = { "10K", "20K", "50K", "62.5K", "100K", "125K", "250K", "500K", "800K", "1000K" };
constexpr const char* DeviceNet_Baudrates[] = { "125K", "250K", "500K" };

struct TPick_List {
    std::string_view Input;
    std::span<const char* const> Entries;
};

constexpr TPick_List Pick_Lists[] = {
    { "CB_Serial_Serial", Serial_Kinds },
    { "CB_Serial_Baudrate", Serial_Baudrates },
    { "CB_Serial_Parity", Parities },
    { "CB_Serial_StopBits", Stop_Bits },
    { "CB_ModbusSlave_Serial", Serial_Kinds },
    { "CB_ModbusSlave_Baudrate", Serial_Baudrates },
    { "CB_ModbusSlave_Parity", Parities },
    { "CB_ModbusSlave_StopBits", Stop_Bits },
    { "CB_ModbusMaster_Serial", Serial_Kinds },
    { "CB_ModbusMaster_Baudrate", Serial_Baudrates },
    { "CB_ModbusMaster_Parity", Parities },
    { "CB_ModbusMaster_StopBits", Stop_Bits },
    { "CB_BACnet_Slave_Type", BACnet_Types },
    { "CB_BACnet_Slave_Baudrate", MSTP_Baudrates },
    { "CB_BACnet_Slave_Parity", Parities },
    { "CB_BACnet_Master_Type", BACnet_Types },
    { "CB_BACnet_Master_Baudrate", MSTP_Baudrates },
    { "CB_BACnet_Master_Parity", Parities },
    { "CB_KNX_Type", KNX_Types },
    { "CB_MQTT_Will_QoS", QoS_Levels },
    { "CB_PROFIBUS_Baudrate", PROFIBUS_Baudrates },
    { "CB_CAN_Baudrate", CAN_Baudrates },
    { "CB_CANopen_Baudrate", CAN_Baudrates },
    { "CB_DeviceNet_Master_Baudrate", DeviceNet_Baudrates },
    { "CB_DeviceNet_Slave_Baudrate", DeviceNet_Baudrates },
};

const TPanel_Info Panels[Panel_Count] = {
    { "CP_Ethernet_Connection", 770, TPanel_Rule::Ethernet_Connection, Ethernet_Connection_Rows },
    { "CP_Ethernet", 465, TPanel_Rule::Ethernet, Ethernet_Rows },
    { "CP_Serial", 574, TPanel_Rule::Height_Only, Serial_Rows },
    { "CP_Modbus_Slave", 425, TPanel_Rule::Height_Only, Modbus_Slave_Rows },
    { "CP_Modbus_TCP_Master", 596, TPanel_Rule::Address, Modbus_TCP_Master_Rows },
    { "CP_Modbus_TCP_Slave", 406, TPanel_Rule::Address, Modbus_TCP_Slave_Rows },
    { "CP_BACnet_Slave", 658, TPanel_Rule::BACnet_Slave, BACnet_Slave_Rows },
    { "CP_EtherNetIP", 2200, TPanel_Rule::Address, EtherNetIP_Rows },
    { "CP_KNX", 764, TPanel_Rule::Height_Only, KNX_Rows },
    { "CP_MQTT", 438, TPanel_Rule::MQTT, MQTT_Rows },
    { "CP_TLS", 492, TPanel_Rule::TLS, TLS_Rows },
    { "CP_NTP", 507, TPanel_Rule::Height_Only, NTP_Rows },
    { "CP_NMEA2000", 2264, TPanel_Rule::Height_Only, NMEA2000_Rows },
    { "CP_PROFIBUS", 751, TPanel_Rule::Height_Only, PROFIBUS_Rows },
    { "CP_PROFINET", 546, TPanel_Rule::Address, PROFINET_Rows },
    { "CP_Modbus_Master", 0, TPanel_Rule::Height_Only, Modbus_Master_Rows },
    { "CP_BACnet_Master", 0, TPanel_Rule::Height_Only, BACnet_Master_Rows },
    { "CP_CAN", 0, TPanel_Rule::Height_Only, CAN_Rows },
    { "CP_CANopen", 0, TPanel_Rule::Height_Only, CANopen_Rows },
    { "CP_DeviceNet_Master", 0, TPanel_Rule::Height_Only, DeviceNet_Master_Rows },
    { "CP_DeviceNet_Slave", 0, TPanel_Rule::Height_Only, DeviceNet_Slave_Rows },
};

constexpr TPanel_Id TX201_Panels[] = { cpEthernet_Connection, cpSerial, cpEthernet };
constexpr TPanel_Id TX202_Panels[] = { cpEthernet_Connection, cpModbus_Slave, cpEthernet };
constexpr TPanel_Id TX203_Panels[] = { cpEthernet_Connection, cpModbus_TCP_Master };
constexpr TPanel_Id TX204_Panels[] = { cpEthernet_Connection, cpModbus_TCP_Slave };
constexpr TPanel_Id TX205_Panels[] = { cpEthernet_Connection, cpBACnet_Slave, cpEthernet };
constexpr TPanel_Id TX206_Panels[] = { cpEthernet_Connection, cpEtherNetIP };
constexpr TPanel_Id TX207_Panels[] = { cpEthernet_Connection, cpKNX, cpEthernet };
constexpr TPanel_Id TX208_Panels[] = { cpEthernet_Connection, cpMQTT, cpEthernet, cpTLS, cpNTP };
constexpr TPanel_Id TX209_Panels[] = { cpEthernet_Connection, cpNMEA2000, cpEthernet };
constexpr TPanel_Id TX210_Panels[] = { cpEthernet_Connection, cpPROFIBUS, cpEthernet };
constexpr TPanel_Id TX211_Panels[] = { cpEthernet_Connection, cpPROFINET };

constexpr std::span<const TPanel_Id> Models[Model_Count] = {
    TX201_Panels, TX202_Panels, TX203_Panels, TX204_Panels, TX205_Panels, TX206_Panels,
    TX207_Panels, TX208_Panels, TX209_Panels, TX210_Panels, TX211_Panels,
};

} // namespace

const TPanel_Info& Panel_Info(int32_t panel) { return Panels[panel]; }

std::span<const TPanel_Id> Model_Panels(int32_t model) { return Models[model]; }

std::span<const char* const> Pick_List_Entries(std::string_view input)
{
    for (const TPick_List& list : Pick_Lists)
        if (list.Input == input)
            return list.Entries;
    return {};
}
