#include "device/UParGen_File.h"

#include "platform/xml/XMLDocument.h"
#include "DefaultParGenFile.h"
#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

namespace {


} // namespace

TEST(ParGenFile, TheDefaultsAreWrittenAsTheTwentyEightKeysAndTheComment)
{
    TTestFolder folder;
    TXMLDocument document;
    Save_ParGen(document, folder.File("ParGen.xml"), Default_ParGen_Values());
    EXPECT_EQ(folder.Read("ParGen.xml"), Default_ParGen_File);
}

TEST(ParGenFile, ReadingKeepsTextsAsTypedAndNormalisesBoxesAndTheBitRate)
{
    struct TCase {
        const char* Keys;
        int32_t Key;
        const char* Value;
    };
    const TCase cases[] = {
        { "<Ethernet_IP1>007</Ethernet_IP1>", pkIP1, "007" },
        { "<Ethernet_IP1></Ethernet_IP1>", pkIP1, "" },
        { "", pkIP1 + 3, "10" },
        { "<Ethernet_EN_GAT>true</Ethernet_EN_GAT>", pkEN_GAT, "0" },
        { "<Ethernet_EN_GAT> 1</Ethernet_EN_GAT>", pkEN_GAT, "0" },
        { "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>", pkEN_GAT, "1" },
        { "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", pkDHCP_WiFi, "0" },
        { "<NMEA2000_BAUDRATE>abc</NMEA2000_BAUDRATE>", pkBaudrate, "6" },
        { "<NMEA2000_BAUDRATE>12</NMEA2000_BAUDRATE>", pkBaudrate, "12" },
        { "<NMEA2000_TIMEOUT> 5 </NMEA2000_TIMEOUT>", pkTimeout, " 5 " },
    };
    TTestFolder folder;
    TXMLDocument document;
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Keys);
        folder.Write("ParGen.xml", std::string("<Par_Gen>") + entry.Keys + "</Par_Gen>");
        TParGen_Values values;
        Load_ParGen(document, folder.File("ParGen.xml"), values);
        EXPECT_EQ(values[entry.Key], QString::fromLatin1(entry.Value));
    }
}

TEST(ParGenFile, AFileThatDoesNotParseLeavesTheValues)
{
    TTestFolder folder;
    TXMLDocument document;
    folder.Write("ParGen.xml", "<Par_Gen><Ethernet_IP1>1");
    TParGen_Values values = Default_ParGen_Values();
    values[pkIP1] = QStringLiteral("77");
    EXPECT_THROW(Load_ParGen(document, folder.File("ParGen.xml"), values), EXMLError);
    EXPECT_EQ(values[pkIP1], QStringLiteral("77"));
}

TEST(ParGenFile, AFirstNodeThatIsNoRootGivesEveryDefault)
{
    TTestFolder folder;
    TXMLDocument document;
    for (const char* lead : { "<?xml version=\"1.0\"?>", "<!--x-->" }) {
        SCOPED_TRACE(lead);
        folder.Write("ParGen.xml", std::string(lead) + "<Par_Gen><Ethernet_IP1>1</Ethernet_IP1></Par_Gen>");
        TParGen_Values values;
        Load_ParGen(document, folder.File("ParGen.xml"), values);
        EXPECT_EQ(values, Default_ParGen_Values());
    }
}
