#include "device/UEnOcean_Area.h"
#include "device/USaveBincc.h"

#include "enocean/UEnOcean_Catalog.h"
#include "platform/xml/XMLDocument.h"
#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TByte_List = std::vector<uint8_t>;

constexpr size_t Area_Offset = 0x8000;
constexpr uint32_t Base = 0x88000;

// F6-02-01 with two status cases, A5-04-01 with one case (no identification)
// and D2-01-12 with data-field conditions, one of them negative.
const char* const Catalog_Xml = R"(<profile>
<rorg><number>0xF6</number><title>RPS</title><func><number>0x02</number><title>Rocker</title><type><number>0x01</number><title>Style 1</title>
<case><title>Pressed</title><datafield><data>R1</data><bitoffs>0</bitoffs><bitsize>3</bitsize></datafield><datafield><data>EB</data><bitoffs>3</bitoffs><bitsize>1</bitsize></datafield>
<condition><statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield><statusfield><value>1</value><bitoffs>3</bitoffs><bitsize>1</bitsize></statusfield></condition></case>
<case><title>Count</title><datafield><data>R1</data><bitoffs>0</bitoffs><bitsize>3</bitsize></datafield>
<condition><statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield><statusfield><value>0</value><bitoffs>3</bitoffs><bitsize>1</bitsize></statusfield></condition></case>
</type></func></rorg>
<rorg><number>0xA5</number><title>4BS</title><func><number>0x04</number><title>Temp and Hum</title><type><number>0x01</number><title>0 to 40</title>
<case><title>TH</title><datafield><data>HUM</data><bitoffs>8</bitoffs><bitsize>8</bitsize></datafield><datafield><data>TMP</data><bitoffs>16</bitoffs><bitsize>8</bitsize></datafield></case>
</type></func></rorg>
<rorg><number>0xD2</number><title>VLD</title><func><number>0x01</number><title>Switch</title><type><number>0x12</number><title>2 channels</title>
<case><title>Set</title><datafield><data>OV</data><bitoffs>17</bitoffs><bitsize>7</bitsize></datafield><condition><datafield><value>1</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition></case>
<case><title>Status</title><datafield><data>OV</data><bitoffs>17</bitoffs><bitsize>7</bitsize></datafield><condition><datafield><value>4</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition></case>
<case><title>Odd</title><datafield><data>X</data><bitoffs>0</bitoffs><bitsize>1</bitsize></datafield><condition><datafield><value>-1</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition></case>
</type></func></rorg>
</profile>)";

// ---- the expected area, laid out here from the record layouts alone

struct TX_Var {
    uint32_t BitSize, BitOffset, Position, Size;
};
struct TX_Case {
    uint32_t IdSize, IdOffset, Id;
    std::vector<TX_Var> In;
};
struct TX_Profile {
    uint32_t Rorg;
    std::vector<TX_Case> Cases;
};
struct TX_Security {
    std::string PreSharedKey, PrivateKey;
    uint32_t RollingCode = 0;
    uint8_t Alg = 0, Tx = 0, Mac = 0, Encryption = 0, Ptm = 0;
};
struct TX_Device {
    uint32_t Id, Option;
    TX_Security Security;
    std::vector<TX_Profile> Profiles;
};

void Put32(TByte_List& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(value >> shift));
}

void Put_Key(TByte_List& bytes, const std::string& key)
{
    for (size_t index = 0; index < 16; ++index)
        bytes.push_back(index < key.size() ? static_cast<uint8_t>(key[index]) : 0);
}

TByte_List Expected_Area(const std::vector<TX_Device>& devices)
{
    const auto count = static_cast<uint32_t>(devices.size());
    uint32_t profiles = 0, cases = 0;
    for (const TX_Device& device : devices) {
        profiles += static_cast<uint32_t>(device.Profiles.size());
        for (const TX_Profile& profile : device.Profiles)
            cases += static_cast<uint32_t>(profile.Cases.size());
    }
    const uint32_t profileStart = Base + 8 + 72 * count;
    const uint32_t caseStart = profileStart + 12 * profiles;
    const uint32_t varStart = caseStart + 40 * cases;

    TByte_List area;
    Put32(area, count);
    Put32(area, Base + 8);
    uint32_t profileAddress = profileStart;
    for (uint32_t index = 0; index < count; ++index) {
        const TX_Device& device = devices[index];
        for (uint32_t value : { device.Id, device.Option, Base + 8 + 28 * count + 44 * index, static_cast<uint32_t>(device.Profiles.size()), profileAddress })
            Put32(area, value);
        profileAddress += 12 * static_cast<uint32_t>(device.Profiles.size());
        Put32(area, 0);
        Put32(area, profileAddress);
    }
    for (const TX_Device& device : devices) {
        Put_Key(area, device.Security.PreSharedKey);
        Put_Key(area, device.Security.PrivateKey);
        Put32(area, device.Security.RollingCode);
        for (uint8_t value : { device.Security.Alg, device.Security.Tx, device.Security.Mac, device.Security.Encryption, device.Security.Ptm, uint8_t(0), uint8_t(0), uint8_t(0) })
            area.push_back(value);
    }
    uint32_t caseAddress = caseStart;
    for (const TX_Device& device : devices) {
        for (const TX_Profile& profile : device.Profiles) {
            Put32(area, profile.Rorg);
            Put32(area, static_cast<uint32_t>(profile.Cases.size()));
            Put32(area, caseAddress);
            caseAddress += 40 * static_cast<uint32_t>(profile.Cases.size());
        }
    }
    uint32_t varAddress = varStart;
    for (const TX_Device& device : devices) {
        for (const TX_Profile& profile : device.Profiles) {
            for (const TX_Case& item : profile.Cases) {
                const auto in = static_cast<uint32_t>(item.In.size());
                for (uint32_t value : { item.IdSize, item.IdOffset, item.Id, in, varAddress, 0U, 0U, 0U, 0U, varAddress + 16 * in })
                    Put32(area, value);
                varAddress += 16 * in;
            }
        }
    }
    for (const TX_Device& device : devices)
        for (const TX_Profile& profile : device.Profiles)
            for (const TX_Case& item : profile.Cases)
                for (const TX_Var& variable : item.In)
                    for (uint32_t value : { variable.BitSize, variable.BitOffset, variable.Position, variable.Size })
                        Put32(area, value);
    return area;
}

// ---- EnOcean.xml fixtures

std::string Var(int caseIndex, const char* data, int offs, int size, int position, int start)
{
    return "<Variable CaseInd=\"" + std::to_string(caseIndex) + "\" Data=\"" + data + "\" BitOffs=\"" + std::to_string(offs) + "\" BitSize=\""
        + std::to_string(size) + "\" Position=\"" + std::to_string(position) + "\" BitStart=\"" + std::to_string(start) + "\"/>";
}
std::string Eep(const std::string& rorg, int func, int type, const std::string& variables)
{
    return "<RorgFuncType RorgNum=\"" + rorg + "\" FuncNum=\"" + std::to_string(func) + "\" TypeNum=\"" + std::to_string(type) + "\"><VariablesList>"
        + variables + "</VariablesList></RorgFuncType>";
}
std::string Dev(const std::string& id, const std::string& security, const std::string& profiles, const std::string& smartAck = "")
{
    return "<Device Id=\"" + id + "\" " + security + "><UnidirectionalList>" + profiles + "</UnidirectionalList><SmartACKList>" + smartAck
        + "</SmartACKList><Remote/></Device>";
}
std::string Security(int type, const std::string& key = "", const std::string& roll = "", int alg = 0, int tx = 0, int mac = 0, int crypt = 0, int ptm = 0)
{
    return "Secure_Type=\"" + std::to_string(type) + "\" Key=\"" + key + "\" RollCode=\"" + roll + "\" RollCodeAlg=\"" + std::to_string(alg)
        + "\" RollCodeTx=\"" + std::to_string(tx) + "\" CMACAlg=\"" + std::to_string(mac) + "\" DataCript=\"" + std::to_string(crypt)
        + "\" PTM=\"" + std::to_string(ptm) + "\"";
}
std::string EnOcean(const std::string& devices) { return "<EnOcean><DevicesList>" + devices + "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->"; }

class EnOceanAreaTest : public testing::Test {
protected:
    void SetUp() override
    {
        FProject.Write("eep.xml", Catalog_Xml);
        ASSERT_TRUE(FCatalog.Read_Cat_EnOcean_XML(FProject.File("eep.xml")));
    }
    TBin_Sources Sources() const
    {
        return { FProject.File("ParGen.xml"), FProject.File("NMEA_Rec_Frames.xml"), FProject.File("NMEA_Send_Frames.xml"), FProject.File("EnOcean.xml") };
    }
    void Build(const std::string& enOcean)
    {
        FProject.Write("EnOcean.xml", enOcean);
        FBuilder.Compile_Bin_Files(FDocument, Sources(), FCatalog);
    }
    TByte_List Area() const { return TByte_List(FBuilder.Bank2().begin() + Area_Offset, FBuilder.Bank2().end()); }
    // The build is refused with a message holding every one of the words.
    void Expect_Refused(const std::string& enOcean, std::initializer_list<const char*> words)
    {
        FProject.Write("EnOcean.xml", enOcean);
        TBin_Builder builder;
        try {
            builder.Compile_Bin_Files(FDocument, Sources(), FCatalog);
            ADD_FAILURE() << "the build was not refused";
        } catch (const Exception& error) {
            for (const char* word : words)
                EXPECT_TRUE(error.Message().contains(String::fromUtf8(word))) << word << " not in: " << error.Message().toStdString();
        }
        EXPECT_TRUE(builder.Bank2().empty());
    }

    TTestFolder FProject;
    TXMLDocument FDocument;
    TCatalog_EnOcean FCatalog;
    TBin_Builder FBuilder;
};

} // namespace

TEST_F(EnOceanAreaTest, OneDeviceWithTwoVariablesOfOneCase)
{
    Build(EnOcean(Dev("4278190080", Security(0), Eep("165", 4, 1, Var(0, "HUM", 8, 8, 10, 0) + Var(0, "TMP", 16, 8, 11, 0)))));
    const TByte_List expected {
        1, 0, 0, 0, 0x08, 0x80, 0x08, 0x00,
        // device: Id, option, SecAdd 0x88024, one profile at 0x88050, no Smart ACK at 0x8805C
        0x00, 0x00, 0x00, 0xFF, 0, 0, 0, 0, 0x24, 0x80, 0x08, 0x00, 1, 0, 0, 0, 0x50, 0x80, 0x08, 0x00, 0, 0, 0, 0, 0x5C, 0x80, 0x08, 0x00,
        // security: all zero
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        // profile A5, one case at 0x8805C
        0xA5, 0, 0, 0, 1, 0, 0, 0, 0x5C, 0x80, 0x08, 0x00,
        // case: no identification, two In variables at 0x88084, Out at 0x880A4
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x84, 0x80, 0x08, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xA4, 0x80, 0x08, 0x00,
        // variables: size, offset, position, bit start
        8, 0, 0, 0, 8, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 16, 0, 0, 0, 11, 0, 0, 0, 0, 0, 0, 0,
    };
    EXPECT_EQ(Area(), expected);
    EXPECT_EQ(FBuilder.Bank2().size(), 0x8008U + 72 + 12 + 40 + 32);
}

TEST_F(EnOceanAreaTest, EverySecurityKind)
{
    struct {
        const char* Name;
        std::string Attributes;
        uint32_t Option;
        TX_Security Expected;
    } const cases[] = {
        { "unsecure ignores the key", Security(0, "abc", "12", 1, 1, 1, 1, 1), 0, {} },
        { "pre-shared key ignores the rest", Security(1, "0123456789ABCDEF", "not a number", 1, 1, 1, 1, 1), 1, { "0123456789ABCDEF", "", 0, 0, 0, 0, 0, 0 } },
        { "manual setting, VAES", Security(2, "abc", "0x1FFFFFFFF", 2, 1, 1, 1, 1), 2, { "", "abc", 0xFFFFFFFF, 2, 1, 1, 3, 1 } },
        { "manual setting, AES CBC", Security(2, "", "305419896", 1, 0, 2, 2, 0), 2, { "", "", 0x12345678, 1, 0, 2, 4, 0 } },
        { "other encryption index", Security(2, "k", "1", 0, 0, 0, 5, 0), 2, { "", "k", 1, 0, 0, 0, 0, 0 } },
        { "long key keeps 16 characters", Security(2, "0123456789ABCDEFGHIJ", "0", 0, 0, 0, 0, 0), 2, { "", "0123456789ABCDEF", 0, 0, 0, 0, 0, 0 } },
        { "low bytes of numbers and characters", Security(3, "\xC3\xA9" "A", "-1", 257, 258, 259, 1, 511), 3, { "", "\xE9" "A", 0xFFFFFFFF, 1, 2, 3, 3, 0xFF } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Build(EnOcean(Dev("0x0180ABCD", entry.Attributes, "")));
        EXPECT_EQ(Area(), Expected_Area({ { 0x0180ABCD, entry.Option, entry.Expected, {} } }));
    }
}

TEST_F(EnOceanAreaTest, SeveralDevicesProfilesAndCasesGroupedAcrossVariables)
{
    Build(EnOcean(
        Dev("1", Security(1, "psk"),
            Eep("246", 2, 1, Var(0, "R1", 0, 3, 0, 0) + Var(1, "R1", 0, 3, 1, 0) + Var(0, "EB", 3, 1, 0, 3))
                + Eep("0xA5", 4, 1, Var(0, "TMP", 16, 8, 2, 0))
                + Eep("210", 1, 18, Var(1, "OV", 17, 7, 3, 0) + Var(2, "X", 0, 1, 4, 1) + Var(2, "X", 0, 1, 4, 2) + Var(0, "OV", 17, 7, 5, 0) + Var(1, "OV", 17, 7, 6, 0))
                + Eep("246", 2, 1, ""),
            Eep("165", 4, 1, Var(0, "HUM", 8, 8, 9, 0)))
        + Dev("0002", Security(0), "")
        + Dev("3", Security(0), Eep("165", 4, 1, Var(0, "HUM", 8, 8, 7, 0) + Var(0, "TMP", 16, 8, 8, 0)))));
    const std::vector<TX_Device> devices {
        { 1, 1, { "psk", "", 0, 0, 0, 0, 0, 0 },
            {
                // cases X, Y, X: X holds the first and third variable
                { 0xF6, { { 0, 0, 48, { { 3, 0, 0, 0 }, { 1, 3, 0, 3 } } }, { 0, 0, 32, { { 3, 0, 1, 0 } } } } },
                { 0xA5, { { 0, 0, 0, { { 8, 16, 2, 0 } } } } },
                // a negative identification matches no case, not even its own
                { 0xD2, { { 4, 4, 4, { { 7, 17, 3, 0 }, { 7, 17, 6, 0 } } }, { 4, 4, 0xFFFFFFFF, { { 1, 0, 4, 1 } } }, { 4, 4, 0xFFFFFFFF, { { 1, 0, 4, 2 } } },
                           { 4, 4, 1, { { 7, 17, 5, 0 } } } } },
                { 0xF6, {} },
            } },
        { 2, 0, {}, {} },
        { 3, 0, {}, { { 0xA5, { { 0, 0, 0, { { 8, 8, 7, 0 }, { 8, 16, 8, 0 } } } } } } },
    };
    EXPECT_EQ(Area(), Expected_Area(devices));
    // The Smart ACK profiles stay out of the image.
    EXPECT_EQ(FBuilder.EnOcean_Tables().Devices()[0].SAEepNum, 0U);
}

TEST_F(EnOceanAreaTest, ProjectsWithoutDevices)
{
    struct {
        const char* Name;
        const char* Xml;
    } const cases[] = { { "no file", nullptr }, { "empty device list", "<EnOcean><DevicesList/></EnOcean>" } };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        std::filesystem::remove(FProject.Native("EnOcean.xml"));
        if (entry.Xml)
            FProject.Write("EnOcean.xml", entry.Xml);
        FBuilder.Compile_Bin_Files(FDocument, Sources(), FCatalog);
        EXPECT_EQ(Area(), (TByte_List { 0, 0, 0, 0, 0x08, 0x80, 0x08, 0x00 }));
    }
}

// A device or variable that cannot go into the image stops the build: a
// device is never flashed without what its project holds.
TEST_F(EnOceanAreaTest, WhatCannotBePlacedEndsTheBuildWithAMessage)
{
    struct {
        const char* Name;
        std::string Xml;
        std::initializer_list<const char*> Words;
    } const cases[] = {
        { "case index past the catalog", EnOcean(Dev("5", Security(0), Eep("165", 4, 1, Var(1, "TMP", 16, 8, 0, 0)))), { "device 1", "\"5\"", "A5-04-01", "\"TMP\"", "case 2" } },
        { "profile not in the catalog", EnOcean(Dev("5", Security(0), "") + Dev("6", Security(0), Eep("165", 2, 5, Var(0, "TMP", 16, 8, 0, 0)))),
            { "device 2", "\"6\"", "A5-02-05", "\"TMP\"" } },
        { "missing security type", EnOcean("<Device Id=\"7\"><UnidirectionalList/></Device>"), { "device 1", "Secure_Type" } },
        { "identifier not a number", EnOcean(Dev("seven", Security(0), "")), { "device 1", "Id" } },
        { "rolling code not a number", EnOcean(Dev("7", Security(2, "k", "abc"), "")), { "device 1", "RollCode" } },
        { "variable without position", EnOcean(Dev("7", Security(0), "<RorgFuncType RorgNum=\"165\" FuncNum=\"4\" TypeNum=\"1\"><VariablesList><Variable CaseInd=\"0\" BitOffs=\"1\" BitSize=\"1\" BitStart=\"0\"/></VariablesList></RorgFuncType>")),
            { "device 1", "Position" } },
        { "profile without variable list", EnOcean(Dev("7", Security(0), "<RorgFuncType RorgNum=\"165\" FuncNum=\"4\" TypeNum=\"1\"/>")), { "device 1", "A5-04-01", "variables" } },
        { "no device list", "<EnOcean/>", { "EnOcean.xml", "device list" } },
        { "other root", "<Enocean><DevicesList/></Enocean>", { "device list" } },
        { "not well-formed", "<EnOcean><DevicesList>", { "EnOcean.xml" } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        Expect_Refused(entry.Xml, entry.Words);
    }
}

TEST_F(EnOceanAreaTest, WithoutACatalogDevicesWithVariablesAreRefusedAndTheReasonShown)
{
    TCatalog_EnOcean missing;
    EXPECT_FALSE(missing.Read_Cat_EnOcean_XML(FProject.File("CAT_EnOcean/eep.xml")));
    FProject.Write("EnOcean.xml", EnOcean(Dev("5", Security(0), Eep("246", 2, 1, Var(0, "R1", 0, 3, 0, 0)))));
    TBin_Builder builder;
    try {
        builder.Compile_Bin_Files(FDocument, Sources(), missing);
        ADD_FAILURE() << "the build was not refused";
    } catch (const EBin_Build_Error& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("F6-02-01"))) << error.Message().toStdString();
        EXPECT_TRUE(error.Message().contains(QStringLiteral("does not exist"))) << error.Message().toStdString();
    }
    // Devices without variables need no catalog.
    FProject.Write("EnOcean.xml", EnOcean(Dev("5", Security(0), Eep("246", 2, 1, ""))));
    builder.Compile_Bin_Files(FDocument, Sources(), missing);
    EXPECT_EQ(builder.EnOcean_Tables().Devices().size(), 1U);
}

// 702 devices of one variable each and one more variable fill the 98304
// bytes after the frame tables exactly; one variable more does not fit.
TEST_F(EnOceanAreaTest, TheLargestProjectThatFitsAndOneThatDoesNot)
{
    std::string devices;
    std::vector<TX_Device> expected;
    for (uint32_t index = 0; index < 702; ++index) {
        std::string variables = Var(0, "TMP", 16, 8, static_cast<int>(index), 0);
        std::vector<TX_Var> records { { 8, 16, index, 0 } };
        if (index == 701) {
            variables += Var(0, "HUM", 8, 8, 1, 0);
            records.push_back({ 8, 8, 1, 0 });
        }
        devices += Dev(std::to_string(index), Security(0), Eep("165", 4, 1, variables));
        expected.push_back({ index, 0, {}, { { 0xA5, { { 0, 0, 0, records } } } } });
    }
    Build(EnOcean(devices));
    EXPECT_EQ(FBuilder.Bank2().size(), Bank_Capacity);
    EXPECT_EQ(Area(), Expected_Area(expected));

    const size_t last = devices.rfind("</VariablesList>");
    devices.insert(last, Var(0, "TMP", 16, 8, 2, 0));
    Expect_Refused(EnOcean(devices), { "98320", "98304" });
}

// A project file is read in one pass when it has the program's own plain
// form, and through the document otherwise: both give the same images, and
// the same message for the same fault. A processing instruction after the
// root leaves a file to the document without changing what it holds.
TEST_F(EnOceanAreaTest, PlainAndOtherFormsOfAFileBuildTheSameImagesAndMessages)
{
    const auto outcome = [this](const std::string& xml) -> std::string {
        FProject.Write("EnOcean.xml", xml);
        TBin_Builder builder;
        try {
            builder.Compile_Bin_Files(FDocument, Sources(), FCatalog);
        } catch (const EXMLError& error) {
            return "not read: " + error.Message().section(QStringLiteral(" (line"), 0, 0).toStdString();
        } catch (const EBin_Build_Error& error) {
            return "refused: " + error.Message().toStdString();
        }
        return std::string(builder.Bank2().begin(), builder.Bank2().end());
    };
    const std::string profiles = Eep("246", 2, 1, Var(0, "R1", 0, 3, 0, 0) + Var(1, "R1", 0, 3, 1, 0)) + Eep("0xA5", 4, 1, Var(0, "TMP", 16, 8, 2, 0));
    struct {
        const char* Name;
        std::string Xml;
        const char* Starts;
    } const cases[] = {
        { "devices with keys and profiles", EnOcean(Dev("1", Security(2, "k&amp;&lt;", "0x10", 1, 1, 1, 2, 1), profiles) + Dev("2", Security(1, "psk"), "")), "" },
        { "comments, text and other elements among the lists",
            "<EnOcean><Other><DevicesList><Device/></DevicesList></Other>\n<DevicesList><!-- c -->x" + Dev("3", Security(0), profiles)
                + "<Device Id=\"4\" Secure_Type=\"0\"><Note/><UnidirectionalList>" + profiles + "</UnidirectionalList><UnidirectionalList>"
                + Eep("165", 9, 9, Var(0, "X", 0, 1, 0, 0)) + "</UnidirectionalList></Device></DevicesList><DevicesList>" + Dev("bad", "", "")
                + "</DevicesList></EnOcean>",
            "" },
        { "a second variable list is not read",
            EnOcean(Dev("5", Security(0), "<RorgFuncType RorgNum=\"165\" FuncNum=\"4\" TypeNum=\"1\"><VariablesList>" + Var(0, "TMP", 16, 8, 0, 0)
                + "</VariablesList><VariablesList>" + Var(7, "X", 0, 1, 0, 0) + "</VariablesList></RorgFuncType>")),
            "" },
        { "a device that cannot be read", EnOcean(Dev("1", Security(0), profiles) + Dev("seven", Security(0), "")), "refused: " },
        { "a case the catalog lacks", EnOcean(Dev("1", Security(0), Eep("165", 4, 1, Var(3, "TMP", 16, 8, 0, 0)))), "refused: " },
        { "a profile without variables", EnOcean(Dev("1", Security(0), "<RorgFuncType RorgNum=\"165\" FuncNum=\"4\" TypeNum=\"1\"><Variables/></RorgFuncType>")), "refused: " },
        { "no device list", "<EnOcean><Devices/></EnOcean>", "refused: " },
        { "a fault of the file after a fault of a device", "<EnOcean><DevicesList>" + Dev("seven", Security(0), "") + "</DevicesList>", "not read: " },
        { "a device cut short", EnOcean(Dev("1", Security(0), profiles)).substr(0, 200), "not read: " },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        const std::string plain = outcome(entry.Xml);
        EXPECT_TRUE(plain.starts_with(entry.Starts)) << plain;
        EXPECT_EQ(plain, outcome(entry.Xml + "<?end?>"));
    }
}
