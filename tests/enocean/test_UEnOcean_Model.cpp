#include "enocean/UEnOcean_Model.h"

#include "platform/xml/XMLDocument.h"
#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TVariable_Values {
    const char* Data;
    int32_t CaseIndex, BitOffs, BitSize, Position, BitStart;
};

TDevice_EnOcean& Add_Device(TDevice_List& devices, const char* id, int32_t secureType, const char* key = "", const char* rollCode = "")
{
    devices.push_back(std::make_unique<TDevice_EnOcean>());
    TDevice_EnOcean& device = *devices.back();
    device.SetId(String::fromUtf8(id));
    device.SetSecure_Type(secureType);
    device.SetKey(String::fromUtf8(key));
    device.SetRollCode(String::fromUtf8(rollCode));
    return device;
}

TRorFunTyp& Add_Profile(TRorFunTyp_List& list, int32_t rorg, int32_t func, int32_t type, std::initializer_list<TVariable_Values> variables)
{
    list.push_back(std::make_unique<TRorFunTyp>());
    TRorFunTyp& profile = *list.back();
    profile.SetRorgNum(rorg);
    profile.SetFuncNum(func);
    profile.SetTypeNum(type);
    for (const TVariable_Values& values : variables) {
        auto variable = std::make_unique<TVarEnOcean>();
        variable->SetData(String::fromUtf8(values.Data));
        variable->SetCaseIndex(values.CaseIndex);
        variable->SetBitOffs(values.BitOffs);
        variable->SetBitSize(values.BitSize);
        variable->SetPosition(values.Position);
        variable->SetBitStart(values.BitStart);
        profile.VariableList.push_back(std::move(variable));
    }
    return profile;
}

// The whole model as one text, to compare a list with what came back.
std::string Describe(const TDevice_List& devices)
{
    std::string text;
    const auto profiles = [&text](const char* kind, const TRorFunTyp_List& list) {
        for (const auto& profile : list) {
            text += std::string(" ") + kind + "(" + std::to_string(profile->RorgNum()) + "," + std::to_string(profile->FuncNum()) + ","
                + std::to_string(profile->TypeNum()) + ")";
            for (const auto& variable : profile->VariableList)
                text += " [" + variable->Data().toStdString() + " " + std::to_string(variable->CaseIndex()) + " "
                    + std::to_string(variable->BitOffs()) + " " + std::to_string(variable->BitSize()) + " "
                    + std::to_string(variable->Position()) + " " + std::to_string(variable->BitStart()) + "]";
        }
    };
    for (const auto& device : devices) {
        text += "{" + device->Id().toStdString() + " " + std::to_string(device->Secure_Type()) + " " + device->Key().toStdString() + " "
            + device->RollCode().toStdString() + " " + std::to_string(device->RollCodeAlg()) + std::to_string(device->RollCodeTx())
            + std::to_string(device->CMACAlg()) + std::to_string(device->DataCript()) + std::to_string(device->PTM());
        profiles("U", device->UnidirectionalList);
        profiles("S", device->SmartACKList);
        text += "}";
    }
    return text;
}

class EnOceanFileTest : public testing::Test {
protected:
    String File() const { return FFolder.File("EnOcean.xml"); }
    TEnOcean_Load_Result Load(const std::string& xml)
    {
        FFolder.Write("EnOcean.xml", xml);
        FLoaded.clear();
        return Load_Configuration(FDocument, FLoaded, File());
    }

    TTestFolder FFolder;
    TXMLDocument FDocument;
    TDevice_List FLoaded;
};

const char* const Device_Attributes = R"(Secure_Type="0" Key="" RollCode="" RollCodeAlg="0" RollCodeTx="0" CMACAlg="0" DataCript="0" PTM="0")";

std::string Device(const std::string& id, const std::string& body = "", const std::string& attributes = Device_Attributes)
{
    return "<Device Id=\"" + id + "\" " + attributes + ">" + body + "</Device>";
}

std::string Project(const std::string& devices) { return "<EnOcean><DevicesList>" + devices + "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->"; }

} // namespace

TEST_F(EnOceanFileTest, SavingAndLoadingGivesTheSameDevicesWithIdentifiersAsTyped)
{
    TDevice_List devices;
    TDevice_EnOcean& rocker = Add_Device(devices, "0x1A", 1, "key<&>\"1234567890", "");
    Add_Profile(rocker.UnidirectionalList, 0xF6, 2, 1, { { "Rocker 1st action", 0, 0, 3, 10, 0 }, { "Energy Bow", 0, 3, 1, 10, 3 } });
    Add_Profile(rocker.SmartACKList, 0xA5, 4, 1, {});
    TDevice_EnOcean& sensor = Add_Device(devices, "000123", 2, "0011223344556677", "00FF");
    sensor.SetRollCodeAlg(2);
    sensor.SetRollCodeTx(1);
    sensor.SetCMACAlg(1);
    sensor.SetDataCript(2);
    sensor.SetPTM(1);
    Add_Profile(sensor.UnidirectionalList, 0xA5, 4, 1, { { "Humidity", 0, 8, 8, -5, 7 }, { "Temperature", 0, 16, 8, 1999, 0 } });
    Add_Profile(sensor.UnidirectionalList, 0xD2, 1, 0x12, { { "Output value", 3, 17, 7, 0, 0 } });
    Add_Device(devices, "4294967296", 0);

    String error;
    ASSERT_TRUE(Save_Configuration(FDocument, devices, File(), &error)) << error.toStdString();
    TDevice_List loaded;
    const TEnOcean_Load_Result result = Load_Configuration(FDocument, loaded, File());
    EXPECT_TRUE(result.Complete);
    EXPECT_EQ(Describe(loaded), Describe(devices));
    EXPECT_EQ(loaded[0]->Id(), QStringLiteral("0x1A"));
    EXPECT_EQ(loaded[1]->Id(), QStringLiteral("000123"));
}

TEST_F(EnOceanFileTest, FileLayoutOfAnEmptyProjectAndOfADeviceWithoutProfiles)
{
    TDevice_List devices;
    ASSERT_TRUE(Save_Configuration(FDocument, devices, File()));
    EXPECT_EQ(FFolder.Read("EnOcean.xml"), "<EnOcean><DevicesList/></EnOcean><!--SW_VERSION = 1.000-->");
    Add_Device(devices, "7", 0);
    ASSERT_TRUE(Save_Configuration(FDocument, devices, File()));
    EXPECT_EQ(FFolder.Read("EnOcean.xml"),
        "<EnOcean><DevicesList><Device Id=\"7\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" "
        "DataCript=\"0\" PTM=\"0\"><UnidirectionalList/><SmartACKList/><Remote/></Device></DevicesList></EnOcean>"
        "<!--SW_VERSION = 1.000-->");
}

TEST_F(EnOceanFileTest, AFailedSaveReportsIt)
{
    TDevice_List devices;
    Add_Device(devices, "7", 0);
    String error;
    EXPECT_FALSE(Save_Configuration(FDocument, devices, FFolder.File("missing/EnOcean.xml"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("EnOcean.xml"))) << error.toStdString();
    // A folder in the file's place cannot be replaced: it stays as it was.
    FFolder.Write("EnOcean.xml/kept", "old");
    EXPECT_FALSE(Save_Configuration(FDocument, devices, File()));
    EXPECT_EQ(FFolder.Read("EnOcean.xml/kept"), "old");
}

TEST_F(EnOceanFileTest, LoadsThatComeThroughWhole)
{
    struct {
        const char* Name;
        std::string Xml;
        std::string Expected;
    } const cases[] = {
        { "no device", Project(""), "" },
        { "missing key and rolling code are empty", Project("<Device Id=\"5\" Secure_Type=\"1\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"/>"),
            "{5 1   00000}" },
        { "missing lists give no profiles", Project(Device("5")), "{5 0   00000}" },
        { "empty variable list", Project(Device("5", "<UnidirectionalList><RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\"><VariablesList/></RorgFuncType></UnidirectionalList>")),
            "{5 0   00000 U(246,2,1)}" },
        { "hexadecimal numbers", Project(Device("5", "<SmartACKList><RorgFuncType RorgNum=\"0xA5\" FuncNum=\"$02\" TypeNum=\"x05\"><VariablesList>"
                                                     "<Variable CaseInd=\"0\" Data=\"T\" BitOffs=\"16\" BitSize=\"8\" Position=\"-1\" BitStart=\"0\"/>"
                                                     "</VariablesList></RorgFuncType></SmartACKList>")),
            "{5 0   00000 S(165,2,5) [T 0 16 8 -1 0]}" },
        { "comments between entries are no devices", Project("<!-- a -->" + Device("5") + "<!-- b -->"), "{5 0   00000}" },
        { "remote is not read", Project(Device("5", "<Remote><RorgFuncType/></Remote>")), "{5 0   00000}" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        const TEnOcean_Load_Result result = Load(entry.Xml);
        EXPECT_TRUE(result.Complete) << result.Message.toStdString();
        EXPECT_EQ(Describe(FLoaded), entry.Expected);
    }
}

// The load stops where the file cannot be read, keeps the devices before and
// says where it stopped, so the editor can warn before it overwrites the file.
TEST_F(EnOceanFileTest, LoadsThatStopEarlySayWhere)
{
    const std::string good = Device("1", "<UnidirectionalList><RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\"><VariablesList/></RorgFuncType></UnidirectionalList>");
    struct {
        const char* Name;
        std::string Xml;
        std::string Kept;
        int32_t Failed;
        const char* Failed_Id;
        const char* Named;
    } const cases[] = {
        { "missing PTM", Project(good + "<Device Id=\"0x2\" Secure_Type=\"0\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\"/>" + Device("3")),
            "{1 0   00000 U(246,2,1)}", 2, "0x2", "PTM" },
        { "security type not a number", Project(Device("9", "", R"(Secure_Type="one" RollCodeAlg="0" RollCodeTx="0" CMACAlg="0" DataCript="0" PTM="0")")), "", 1, "9", "Secure_Type" },
        { "profile without variable list", Project(good + Device("2", "<UnidirectionalList><RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\"/></UnidirectionalList>")),
            "{1 0   00000 U(246,2,1)}", 2, "2", "variables" },
        { "variable position not a number", Project(Device("4", "<SmartACKList><RorgFuncType RorgNum=\"1\" FuncNum=\"2\" TypeNum=\"3\"><VariablesList>"
                                                               "<Variable CaseInd=\"0\" Data=\"T\" BitOffs=\"0\" BitSize=\"1\" Position=\"x\" BitStart=\"0\"/></VariablesList></RorgFuncType></SmartACKList>")),
            "", 1, "4", "Position" },
        { "truncated file", Project(good + Device("2")).substr(0, 150), "", 0, "", "EnOcean.xml" },
        { "other root", "<Enocean><DevicesList>" + good + "</DevicesList></Enocean>", "", 0, "", "EnOcean.xml" },
        { "no device list", "<EnOcean>" + good + "</EnOcean>", "", 0, "", "device list" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        const TEnOcean_Load_Result result = Load(entry.Xml);
        EXPECT_FALSE(result.Complete);
        EXPECT_EQ(Describe(FLoaded), entry.Kept);
        EXPECT_EQ(result.Failed_Device, entry.Failed);
        EXPECT_EQ(result.Failed_Device_Id.toStdString(), entry.Failed_Id);
        EXPECT_TRUE(result.Message.contains(String::fromUtf8(entry.Named))) << result.Message.toStdString();
    }
}

TEST_F(EnOceanFileTest, AMissingFileIsAnEmptyProject)
{
    TDevice_List devices;
    const TEnOcean_Load_Result result = Load_Configuration(FDocument, devices, File());
    EXPECT_TRUE(result.Complete);
    EXPECT_TRUE(devices.empty());
}
