#include "device/UBoot_Job.h"

#include "platform/xml/XMLDocument.h"
#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

namespace {

std::string Operation(const char* file, const char* start, const char* bank, const char* readBack, const char* css,
    const char* goToApp)
{
    return std::string("<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
                       "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
                       "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory><Ope_FileName>")
        + file + "</Ope_FileName><Ope_Start_Address>" + start + "</Ope_Start_Address><Ope_Memory_Type>0</Ope_Memory_Type>"
        + "<Ope_Bank_Type>" + bank + "</Ope_Bank_Type><Ope_Read_Back>" + readBack + "</Ope_Read_Back><Ope_Write_CSS>" + css
        + "</Ope_Write_CSS><Ope_Address_CSS>0x07A00</Ope_Address_CSS><Ope_Command_CSS>0x02</Ope_Command_CSS>"
          "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x07810</Ope_WID_Address>"
          "<Ope_WID_Command>0x02</Ope_WID_Command><Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data><Ope_GoToApp_After>"
        + goToApp + "</Ope_GoToApp_After></Operation>";
}

} // namespace

TEST(UpdateJob, TheOperationsFollowTheOptionAndReadBack)
{
    const std::string head = "<Ethernet_Update><Version>1000</Version><Title>Morvane - SC-TX209 Ethernet Update</Title>"
                             "<IP_Address_Dev>192.168.0.010</IP_Address_Dev><Application_Port>10000</Application_Port>"
                             "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec><Address_Protection>0x07800</Address_Protection>"
                             "<Protections><Protection>0x281</Protection></Protections>";
    const auto firmware = [](const char* readBack, const char* goToApp) {
        return Operation("/m/SimTX209.sim", "0x8000", "1", readBack, "1", goToApp);
    };
    const auto bank1 = [](const char* readBack) { return Operation("/p/bin/bank1.bin", "0x07000", "2", readBack, "0", "0"); };
    const auto bank2 = [](const char* readBack) { return Operation("/p/bin/bank2.bin", "0x80000", "2", readBack, "0", "1"); };
    struct TCase {
        int32_t Option;
        bool Read_Back;
        std::string Operations;
    };
    const TCase cases[] = {
        { uoFirmware_Configuration, true, firmware("1", "0") + bank1("1") + bank2("1") },
        { uoFirmware_Configuration, false, firmware("0", "0") + bank1("0") + bank2("0") },
        { uoFirmware, false, firmware("0", "1") },
        { uoFirmware, true, firmware("1", "1") },
        { uoConfiguration, false, bank1("0") + bank2("0") },
        { -1, false, "" },
    };
    TTestFolder folder;
    TXMLDocument document;
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Option);
        SCOPED_TRACE(entry.Read_Back);
        const TUpdate_Job job { QStringLiteral("192.168.0.010"), entry.Option, entry.Read_Back, QStringLiteral("/m"), QStringLiteral("/p") };
        Compile_XML_Parameter_New_Boot(document, folder.File("Ethernet_Update.xml"), job);
        const std::string operations = entry.Operations.empty() ? "<Operations/>" : "<Operations>" + entry.Operations + "</Operations>";
        EXPECT_EQ(folder.Read("Ethernet_Update.xml"), head + operations + "</Ethernet_Update>");
    }
}
