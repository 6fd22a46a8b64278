#pragma once

// ParGen.xml as the dialog writes the defaults: the 28 keys and the version comment.
inline constexpr const char* Default_ParGen_File =
    "<Par_Gen><Eth_Conn_Device_Name/><Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
    "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1>"
    "<Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2><Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3>"
    "<Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4><Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1>"
    "<Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2><Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3>"
    "<Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4><Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2>"
    "<Ethernet_IP3>0</Ethernet_IP3><Ethernet_IP4>10</Ethernet_IP4><Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
    "<Ethernet_SM3>255</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4><Ethernet_GAT1>192</Ethernet_GAT1><Ethernet_GAT2>168</Ethernet_GAT2>"
    "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4><Ethernet_EN_GAT>0</Ethernet_EN_GAT>"
    "<NMEA2000_BAUDRATE>6</NMEA2000_BAUDRATE><NMEA2000_TIMEOUT>0</NMEA2000_TIMEOUT><NMEA2000_PEER_TO_PEER>0</NMEA2000_PEER_TO_PEER>"
    "</Par_Gen><!--SW_VERSION = 1.000-->";
