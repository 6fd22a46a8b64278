#include "device/USaveBincc.h"

#include "enocean/UEnOcean_Catalog.h"

#include "platform/xml/XMLDocument.h"
#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

using TByte_List = std::vector<uint8_t>;

// A project folder with whichever of its files the test writes.
class BinBuilderTest : public testing::Test {
protected:
    TBin_Sources Sources() const
    {
        return { FProject.File("ParGen.xml"), FProject.File("NMEA_Rec_Frames.xml"), FProject.File("NMEA_Send_Frames.xml"),
            FProject.File("EnOcean.xml") };
    }
    void Build() { FBuilder.Compile_Bin_Files(FDocument, Sources(), FCatalog); }
    static TByte_List At(const TBytes& image, size_t offset, size_t size)
    {
        return TByte_List(image.begin() + static_cast<ptrdiff_t>(offset), image.begin() + static_cast<ptrdiff_t>(offset + size));
    }
    static uint32_t U32(const TBytes& image, size_t offset)
    {
        return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 | static_cast<uint32_t>(image[offset + 3]) << 24;
    }
    static uint16_t U16(const TBytes& image, size_t offset) { return static_cast<uint16_t>(image[offset] | image[offset + 1] << 8); }
    void Write_ParGen(const std::string& keys) { FProject.Write("ParGen.xml", "<Par_Gen>" + keys + "</Par_Gen><!--SW_VERSION = 1.000-->"); }
    void Write_Frames(const char* file, const std::string& rows)
    {
        FProject.Write(file, "<Receive_NMEA_2000>" + rows + "</Receive_NMEA_2000><!--SW_VERSION = 1.000-->");
    }
    static std::string Rows(int32_t count, const std::string& row)
    {
        std::string rows;
        for (int32_t index = 0; index < count; ++index)
            rows += row;
        return rows;
    }

    TTestFolder FProject;
    TXMLDocument FDocument;
    TBin_Builder FBuilder;
    TCatalog_EnOcean FCatalog;
};

struct TBlock_Case {
    const char* Name;
    size_t Offset;
    TByte_List Bytes;
};

void Expect_Block(const TBytes& bank1, const std::vector<TBlock_Case>& cases)
{
    for (const TBlock_Case& entry : cases) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(TByte_List(bank1.begin() + static_cast<ptrdiff_t>(entry.Offset),
                      bank1.begin() + static_cast<ptrdiff_t>(entry.Offset + entry.Bytes.size())),
            entry.Bytes);
    }
}

uint32_t Byte_Sum(const TBytes& bank1) { return std::accumulate(bank1.begin(), bank1.begin() + 0x7FC, 0U); }

} // namespace

TEST_F(BinBuilderTest, WithoutParGenTheBlockHoldsItsDefaultsAndNoVersion)
{
    Build();
    const TBytes& bank1 = FBuilder.Bank1();
    ASSERT_EQ(bank1.size(), 2048U);
    Expect_Block(bank1, {
        { "bit rate", 0x000, { 0x90, 0xD0, 0x03, 0x00, 0x90, 0xD0, 0x03, 0x00 } },
        { "9600", 0x00C, { 0x80, 0x25, 0x00, 0x00 } },
        { "address, mask, no gateway", 0x028, { 192, 168, 2, 205, 255, 255, 255, 0, 255, 255, 255, 255 } },
        { "ports", 0x034, { 0x10, 0x27, 0x11, 0x27, 0x11, 0x27 } },
        { "table addresses", 0x0CC, { 0x00, 0x00, 0x08, 0x00, 0x00, 0x40, 0x08, 0x00 } },
        { "eights", 0x1B4, { 8, 8, 8, 8, 8, 8, 8, 8 } },
        { "fixed words", 0x1D4, { 0x50, 0xC3, 0x51, 0xC3, 0x52, 0xC3 } },
        { "EnOcean address and flag", 0x604, { 0x00, 0x80, 0x08, 0x00, 0x01, 0x00, 0x00, 0x00 } },
        { "no version", 0x66C, TByte_List(8, 0) },
        { "counters", 0x074, TByte_List(8, 0) },
    });
    EXPECT_EQ(U32(bank1, 0x7FC), Byte_Sum(bank1));
    EXPECT_EQ(FBuilder.NMEA_Timeout_Ms(), 0U);
}

TEST_F(BinBuilderTest, ParGenOverlaysTheBlock)
{
    const std::string defaults = "<Eth_Conn_Device_Name></Eth_Conn_Device_Name><Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable>"
                                 "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2>"
                                 "<Ethernet_IP3>0</Ethernet_IP3><Ethernet_IP4>10</Ethernet_IP4><Ethernet_EN_GAT>0</Ethernet_EN_GAT>"
                                 "<NMEA2000_BAUDRATE>6</NMEA2000_BAUDRATE><NMEA2000_TIMEOUT>0</NMEA2000_TIMEOUT>";
    const std::string name40(40, 'h');
    struct TCase {
        const char* Name;
        std::string Keys;
        size_t Offset;
        TByte_List Bytes;
    };
    const TCase cases[] = {
        { "defaults of the editor", defaults, 0x028, { 192, 168, 0, 10, 255, 255, 255, 0, 255, 255, 255, 255 } },
        { "version text", defaults, 0x66C, { '1', '.', '0', '0', '0', 0, 0, 0 } },
        { "no key: the address the device relies on", "", 0x028, { 192, 168, 0, 10 } },
        { "bit rate 3", "<NMEA2000_BAUDRATE>3</NMEA2000_BAUDRATE>", 0x000, { 0x24, 0xF4, 0, 0, 0x24, 0xF4, 0, 0 } },
        { "bit rate 10", "<NMEA2000_BAUDRATE>10</NMEA2000_BAUDRATE>", 0x000, { 0x90, 0xD0, 0x03, 0x00 } },
        { "bit rate -1", "<NMEA2000_BAUDRATE>-1</NMEA2000_BAUDRATE>", 0x000, { 0x90, 0xD0, 0x03, 0x00 } },
        { "bit rate x", "<NMEA2000_BAUDRATE>x</NMEA2000_BAUDRATE>", 0x000, { 0x90, 0xD0, 0x03, 0x00 } },
        { "gateway on", "<Ethernet_EN_GAT>1</Ethernet_EN_GAT><Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_GAT2>0</Ethernet_GAT2>"
                         "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>254</Ethernet_GAT4>", 0x030, { 10, 0, 0, 254 } },
        { "gateway on, keys missing", "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>", 0x030, { 192, 168, 0, 1 } },
        { "gateway yes", "<Ethernet_EN_GAT>yes</Ethernet_EN_GAT><Ethernet_GAT1>10</Ethernet_GAT1>", 0x030, { 255, 255, 255, 255 } },
        { "DNS off keeps zeros", "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>", 0x58C, { 0, 0, 0, 0 } },
        { "DNS on, primary defaults", "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", 0x58C, { 8, 8, 8, 8 } },
        { "DNS on, secondary defaults", "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", 0x53C, { 8, 8, 4, 4 } },
        { "octet 300 keeps its low 8 bits", "<Ethernet_IP1>300</Ethernet_IP1><Ethernet_IP2>-1</Ethernet_IP2>", 0x028, { 0x2C, 0xFF, 0, 10 } },
        { "host name of 40 keeps 31", "<Eth_Conn_Device_Name>" + name40 + "</Eth_Conn_Device_Name>", 0x514,
            [] { TByte_List bytes(31, 'h'); bytes.push_back(0); return bytes; }() },
        { "host name above U+00FF", "<Eth_Conn_Device_Name>a\xC4\x80</Eth_Conn_Device_Name>", 0x514, { 'a', 0x00, 0 } },
        { "DHCP cable and Wi-Fi", "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", 0x4E8, { 3, 0 } },
        { "DHCP text ' 1' is off", "<Eth_Conn_DHCP_Cable> 1</Eth_Conn_DHCP_Cable>", 0x4E8, { 0, 0 } },
        { "peer to peer", "<NMEA2000_PEER_TO_PEER>1</NMEA2000_PEER_TO_PEER>", 0x098, { 1, 0, 0, 0 } },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Write_ParGen(entry.Keys);
        Build();
        EXPECT_EQ(At(FBuilder.Bank1(), entry.Offset, entry.Bytes.size()), entry.Bytes);
        EXPECT_EQ(U32(FBuilder.Bank1(), 0x7FC), Byte_Sum(FBuilder.Bank1()));
    }
}

TEST_F(BinBuilderTest, AFirstNodeThatIsNoRootGivesEveryDefault)
{
    for (const char* file : { "<?xml version=\"1.0\"?><Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>",
             "<!--x--><Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>" }) {
        SCOPED_TRACE(file);
        FProject.Write("ParGen.xml", file);
        Build();
        EXPECT_EQ(At(FBuilder.Bank1(), 0x028, 4), (TByte_List { 192, 168, 0, 10 }));
        EXPECT_EQ(At(FBuilder.Bank1(), 0x66C, 5), (TByte_List { '1', '.', '0', '0', '0' }));
    }
}

TEST_F(BinBuilderTest, TheTimeOutOfOneBuildDoesNotReachTheNext)
{
    Write_ParGen("<NMEA2000_TIMEOUT>5</NMEA2000_TIMEOUT>");
    Build();
    EXPECT_EQ(FBuilder.NMEA_Timeout_Ms(), 5000U);
    std::filesystem::remove(FProject.Native("ParGen.xml"));
    Build();
    EXPECT_EQ(FBuilder.NMEA_Timeout_Ms(), 0U);
    EXPECT_EQ(At(FBuilder.Bank1(), 0x028, 4), (TByte_List { 192, 168, 2, 205 }));
}

TEST_F(BinBuilderTest, WithoutFramesOrDevicesBank2HoldsClearedTablesAndAnEmptyArea)
{
    Build();
    const TBytes& bank2 = FBuilder.Bank2();
    ASSERT_EQ(bank2.size(), 32776U);
    const TByte_List cleared = { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0,
        0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0 };
    for (size_t row = 0; row < 1024; ++row)
        ASSERT_EQ(At(bank2, row * 32, 32), cleared) << "row " << row;
    EXPECT_EQ(At(bank2, 0x8000, 8), (TByte_List { 0, 0, 0, 0, 0x08, 0x80, 0x08, 0x00 }));
}

TEST_F(BinBuilderTest, ReceiveRows)
{
    const std::string row = R"(<row PGN="127250" SA="3" TP="N" FP="Y" TP_Start="2" TP_NByte="4" Delete="Y"/>)";
    struct TCase {
        const char* Name;
        std::string ParGen;
        std::string Row;
        uint32_t Key, Timeout;
        uint16_t Start, Count;
        uint8_t Flags;
    };
    const TCase cases[] = {
        { "fast packet, deleted on time-out", "<NMEA2000_TIMEOUT>5</NMEA2000_TIMEOUT>", row, 0x01F11203, 5000, 2, 4, 0x04 },
        { "peer to peer drops the source", "<NMEA2000_TIMEOUT>5</NMEA2000_TIMEOUT><NMEA2000_PEER_TO_PEER>1</NMEA2000_PEER_TO_PEER>", row,
            0x01F11200, 5000, 2, 4, 0x04 },
        { "Delete y is not Y", "<NMEA2000_TIMEOUT>5</NMEA2000_TIMEOUT>", R"(<row PGN="1" SA="2" Delete="y" TP="Y"/>)", 0x102, 0, 0, 8, 0x02 },
        { "nothing given", "", "<row/>", 0, 0, 0, 8, 0 },
        { "not numbers", "", R"(<row PGN="x" SA="y" TP_Start="z" TP_NByte="w"/>)", 0, 0, 0, 8, 0 },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Write_ParGen(entry.ParGen);
        Write_Frames("NMEA_Rec_Frames.xml", entry.Row);
        Build();
        const TBytes& bank2 = FBuilder.Bank2();
        EXPECT_EQ(U32(bank2, 0x00), entry.Key);
        EXPECT_EQ(U32(bank2, 0x04), 0xFFFFFFFFU);
        EXPECT_EQ(U32(bank2, 0x08), entry.Timeout);
        EXPECT_EQ(U16(bank2, 0x0C), 0);
        EXPECT_EQ(U16(bank2, 0x0E), entry.Start);
        EXPECT_EQ(U16(bank2, 0x10), entry.Count);
        EXPECT_EQ(bank2[0x1E], entry.Flags);
        EXPECT_EQ(U32(FBuilder.Bank1(), 0x074), entry.Count);
        EXPECT_EQ(U32(FBuilder.Bank1(), 0x090), 1U);
    }
}

TEST_F(BinBuilderTest, SendRows)
{
    struct TCase {
        const char* Name;
        std::string Row;
        uint32_t Key, Period;
        uint16_t Count, Multi;
        uint8_t Flags;
    };
    const TCase cases[] = {
        { "on timer, more than one frame", R"(<row Priority="2" PGN="130306" SA="10" FP="N" TP_NByte="20" On_Timer="y" SendTimer="1000"/>)",
            0x09FD020A, 1000, 20, 1, 0x13 },
        { "fast packet of 233", R"(<row Priority="2" PGN="1" SA="1" FP="Y" TP_NByte="233"/>)", 0x08000101, 0, 233, 1, 0x05 },
        { "fast packet of 234", R"(<row Priority="2" PGN="1" SA="1" FP="Y" TP_NByte="234"/>)", 0x08000101, 0, 234, 1, 0x07 },
        { "single frame of 8", R"(<row Priority="0" PGN="1" SA="1" TP_NByte="8" On_Request="Y" On_Data_Change="y"/>)", 0x101, 0, 8, 0, 0x61 },
        { "on request only", R"(<row Priority="0" PGN="1" SA="1" On_Request="Y"/>)", 0x101, 0, 8, 0, 0x41 },
        { "on data change only", R"(<row Priority="0" PGN="1" SA="1" On_Data_Change="y"/>)", 0x101, 0, 8, 0, 0x21 },
        { "bad PGN keeps the shift", R"(<row Priority="2" PGN="x" SA="10"/>)", 0x0800000A, 0, 8, 0, 0x01 },
        { "bad timer leaves 0", R"(<row Priority="1" PGN="2" SA="3" On_Timer="Y" SendTimer=""/>)", 0x04000203, 0, 8, 0, 0x11 },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Write_Frames("NMEA_Send_Frames.xml", entry.Row);
        Build();
        const size_t row = 0x4000;
        const TBytes& bank2 = FBuilder.Bank2();
        EXPECT_EQ(U32(bank2, row + 0x00), entry.Key);
        EXPECT_EQ(U32(bank2, row + 0x04), entry.Period);
        EXPECT_EQ(U32(bank2, row + 0x08), 0xFFFFFFFFU);
        EXPECT_EQ(U16(bank2, row + 0x0E), 0);
        EXPECT_EQ(U16(bank2, row + 0x10), entry.Count);
        EXPECT_EQ(U16(bank2, row + 0x1C), entry.Multi);
        EXPECT_EQ(bank2[row + 0x1E], entry.Flags);
        EXPECT_EQ(U32(FBuilder.Bank1(), 0x078), entry.Count);
        EXPECT_EQ(U32(FBuilder.Bank1(), 0x094), 1U);
    }
}

TEST_F(BinBuilderTest, RowOffsetsRunThroughTheTable)
{
    Write_Frames("NMEA_Rec_Frames.xml", R"(<row TP_NByte="4"/><row/><row TP_NByte="0"/><row TP_NByte="3"/>)");
    Build();
    const TBytes& bank2 = FBuilder.Bank2();
    const uint16_t offsets[] = { 0, 4, 12, 12 };
    for (size_t row = 0; row < 4; ++row)
        EXPECT_EQ(U16(bank2, row * 32 + 0x0C), offsets[row]) << "row " << row;
    EXPECT_EQ(U32(FBuilder.Bank1(), 0x074), 15U);
    EXPECT_EQ(U32(FBuilder.Bank1(), 0x090), 4U);
}

TEST_F(BinBuilderTest, FullTablesAreTakenAndLargerOnesRefusedNamingFileAndLimit)
{
    Write_Frames("NMEA_Rec_Frames.xml", Rows(512, R"(<row PGN="1" TP_NByte="1"/>)"));
    Write_Frames("NMEA_Send_Frames.xml", Rows(512, R"(<row Priority="1" PGN="1" SA="1" TP_NByte="1"/>)"));
    Build();
    EXPECT_EQ(U32(FBuilder.Bank1(), 0x090), 512U);
    EXPECT_EQ(U32(FBuilder.Bank1(), 0x094), 512U);
    EXPECT_EQ(U16(FBuilder.Bank2(), 0x4000 + 511 * 32 + 0x0C), 511);
    const TBytes kept = FBuilder.Bank2();

    for (const char* file : { "NMEA_Rec_Frames.xml", "NMEA_Send_Frames.xml" }) {
        SCOPED_TRACE(file);
        Write_Frames(file, Rows(513, "<row/>"));
        try {
            Build();
            ADD_FAILURE() << "built";
        } catch (const EBin_Build_Error& error) {
            EXPECT_TRUE(error.Message().contains(QString::fromLatin1(file))) << error.Message().toStdString();
            EXPECT_TRUE(error.Message().contains(QStringLiteral("512"))) << error.Message().toStdString();
        }
        EXPECT_EQ(FBuilder.Bank2(), kept);
        Write_Frames(file, Rows(512, "<row/>"));
    }
}

TEST_F(BinBuilderTest, CountsBeyondSixteenBitsAreRefused)
{
    const struct {
        const char* File;
        std::string Rows;
    } cases[] = {
        { "NMEA_Rec_Frames.xml", R"(<row TP_NByte="-1"/>)" },
        { "NMEA_Rec_Frames.xml", R"(<row TP_NByte="65536"/>)" },
        { "NMEA_Rec_Frames.xml", R"(<row TP_Start="70000"/>)" },
        { "NMEA_Rec_Frames.xml", R"(<row TP_NByte="65535"/><row TP_NByte="1"/>)" },
        { "NMEA_Send_Frames.xml", R"(<row TP_NByte="-5"/>)" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Rows);
        std::filesystem::remove(FProject.Native("NMEA_Rec_Frames.xml"));
        std::filesystem::remove(FProject.Native("NMEA_Send_Frames.xml"));
        Write_Frames(entry.File, entry.Rows);
        try {
            Build();
            ADD_FAILURE() << "built";
        } catch (const EBin_Build_Error& error) {
            EXPECT_TRUE(error.Message().contains(QString::fromLatin1(entry.File))) << error.Message().toStdString();
            EXPECT_TRUE(error.Message().contains(QStringLiteral("65535"))) << error.Message().toStdString();
        }
    }

    // The largest total that fits is taken.
    std::filesystem::remove(FProject.Native("NMEA_Send_Frames.xml"));
    Write_Frames("NMEA_Rec_Frames.xml", R"(<row TP_NByte="65534"/><row TP_NByte="1"/>)");
    Build();
    EXPECT_EQ(U16(FBuilder.Bank2(), 32 + 0x0C), 65534);
    EXPECT_EQ(U32(FBuilder.Bank1(), 0x074), 65535U);
}

TEST_F(BinBuilderTest, ATruncatedFileEndsTheBuildNamingIt)
{
    for (const char* file : { "ParGen.xml", "NMEA_Rec_Frames.xml", "NMEA_Send_Frames.xml" }) {
        SCOPED_TRACE(file);
        FProject.Write(file, "<Receive_NMEA_2000><row PGN=\"1\"");
        try {
            Build();
            ADD_FAILURE() << "built";
        } catch (const EXMLError& error) {
            EXPECT_TRUE(error.Message().contains(QString::fromLatin1(file)));
        }
        std::filesystem::remove(FProject.Native(file));
    }
}

TEST_F(BinBuilderTest, SavingCreatesBinAndWritesBothImages)
{
    Build();
    FBuilder.Save_Bin_Files(FProject.Path());
    EXPECT_EQ(FProject.Read("bin/bank1.bin"), std::string(FBuilder.Bank1().begin(), FBuilder.Bank1().end()));
    EXPECT_EQ(FProject.Read("bin/bank2.bin"), std::string(FBuilder.Bank2().begin(), FBuilder.Bank2().end()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(FProject.Native("bin")), {}), 2);
}

TEST_F(BinBuilderTest, AFailedSaveNamesTheFileAndLeavesBothOldImages)
{
    FProject.Write("bin/bank1.bin", "old1");
    FProject.Write("bin/bank2.bin", "old2");
    std::filesystem::create_directories(FProject.Native("bin/bank2.bin.new/locked"));
    Build();
    try {
        FBuilder.Save_Bin_Files(FProject.Path());
        ADD_FAILURE() << "saved";
    } catch (const EInOutError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("bank2.bin"))) << error.Message().toStdString();
    }
    EXPECT_EQ(FProject.Read("bin/bank1.bin"), "old1");
    EXPECT_EQ(FProject.Read("bin/bank2.bin"), "old2");
    EXPECT_FALSE(std::filesystem::exists(FProject.Native("bin/bank1.bin.new")));
}

TEST_F(BinBuilderTest, AFrameFileWhoseFirstNodeIsNoRootHasNoRows)
{
    for (const char* lead : { "<!--rows-->", "<?xml version=\"1.0\"?>" }) {
        SCOPED_TRACE(lead);
        FProject.Write("NMEA_Rec_Frames.xml", std::string(lead) + "<Receive_NMEA_2000><row PGN=\"1\"/></Receive_NMEA_2000>");
        FProject.Write("NMEA_Send_Frames.xml", "<Receive_NMEA_2000/>");
        Build();
        EXPECT_EQ(U32(FBuilder.Bank1(), 0x090), 0U);
        EXPECT_EQ(U32(FBuilder.Bank1(), 0x094), 0U);
        EXPECT_EQ(U32(FBuilder.Bank2(), 0), 0xFFFFFFFFU);
    }
}
