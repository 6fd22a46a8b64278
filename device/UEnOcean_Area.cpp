#include "device/UEnOcean_Area.h"

#include "device/USaveBincc.h"
#include "enocean/UEnOcean_Catalog.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/xml/XMLDocument.h"
#include "platform/xml/XMLReader.h"

#include <algorithm>
#include <cstring>

namespace {

bool Is_Element(const TXMLNode& node) { return node.Kind() == TXMLNodeKind::Element; }

String Profile_Name(uint32_t rorg, int32_t func, int32_t type)
{
    return IntToHex(rorg, 2) + u'-' + IntToHex(static_cast<uint32_t>(func), 2) + u'-' + IntToHex(static_cast<uint32_t>(type), 2);
}

// What the device is called in a message: its position and its identifier.
String Device_Name(int32_t number, const TXMLNode& entry)
{
    return QStringLiteral("device %1 (Id \"%2\")").arg(number).arg(entry.AttributeText("Id"));
}

// A catalog value below 0 matches no case of the image.
bool Same_Case(const TEnOcean_Case_Info& item, const TCase& found)
{
    return found.CaseIdSize() >= 0 && found.CaseIdOffset() >= 0 && found.CaseId() >= 0
        && item.InCaseIdSize == static_cast<uint32_t>(found.CaseIdSize()) && item.InCaseIdOffset == static_cast<uint32_t>(found.CaseIdOffset())
        && item.InCase == static_cast<uint32_t>(found.CaseId());
}

// Where a profile comes from; the names are made only for a message.
struct TProfile_Source {
    const String& File;
    const TCatalog_EnOcean& Catalog;
    int32_t Number;
    const TXMLNode& Entry;

    String Device() const { return Device_Name(Number, Entry); }
};

void Place_Variable(TEnOcean_Eep_Info& profile, const TCase& found, const TXMLAttributes& variable)
{
    TEnOcean_Var_Info record;
    record.BitOffset = static_cast<uint32_t>(variable.Int64Strict(2));
    record.BitSize = static_cast<uint32_t>(variable.Int64Strict(3));
    record.Position = static_cast<uint32_t>(variable.Int64Strict(4));
    record.Size = static_cast<uint32_t>(variable.Int64Strict(5));
    for (TEnOcean_Case_Info& item : profile.CaseTable) {
        if (Same_Case(item, found)) {
            item.InVarTable.push_back(record);
            ++item.InVarNum;
            return;
        }
    }
    TEnOcean_Case_Info item;
    item.InCaseIdSize = static_cast<uint32_t>(found.CaseIdSize());
    item.InCaseIdOffset = static_cast<uint32_t>(found.CaseIdOffset());
    item.InCase = static_cast<uint32_t>(found.CaseId());
    item.InVarNum = 1;
    item.InVarTable.push_back(record);
    profile.CaseTable.push_back(std::move(item));
    profile.CaseNum = static_cast<uint32_t>(profile.CaseTable.size());
}

TXMLAttributes Profile_Attributes(const auto& element) { return TXMLAttributes(element, { "RorgNum", "FuncNum", "TypeNum" }); }

TXMLAttributes Variable_Attributes(const auto& element)
{
    return TXMLAttributes(element, { "CaseInd", "Data", "BitOffs", "BitSize", "Position", "BitStart" });
}

TXMLAttributes Device_Attributes(const auto& element)
{
    return TXMLAttributes(element, { "Id", "Secure_Type", "Key", "RollCode", "RollCodeAlg", "RollCodeTx", "CMACAlg", "DataCript", "PTM" });
}

// A profile's numbers; its tables are filled from its variables.
struct TProfile_Numbers {
    TEnOcean_Eep_Info Profile;
    int32_t Func = 0;
    int32_t Type = 0;

    explicit TProfile_Numbers(const TXMLAttributes& attributes)
    {
        Profile.Rorg = static_cast<uint32_t>(attributes.Int64Strict(0));
        Func = attributes.IntStrict(1);
        Type = attributes.IntStrict(2);
    }

    const TCase* Case_Of(const TCatalog_EnOcean& catalog, const TXMLAttributes& variable) const
    {
        return catalog.Get_CaseObj(static_cast<int32_t>(Profile.Rorg), Func, Type, variable.Int(0, 0));
    }
};

TEnOcean_Eep_Info Read_Profile(const TXMLNode& entry, const TProfile_Source& source)
{
    TProfile_Numbers numbers(Profile_Attributes(entry));
    TEnOcean_Eep_Info& profile = numbers.Profile;
    const TXMLNode variables = entry.ChildNode("VariablesList");
    if (!variables)
        throw EBin_Build_Error(QStringLiteral("The file \"%1\", %2, profile %3: the profile has no list of variables.")
                                   .arg(source.File, source.Device(), Profile_Name(profile.Rorg, numbers.Func, numbers.Type)));
    for (TXMLNode variable = variables.Child(0); variable; variable = variable.NextSibling()) {
        if (!Is_Element(variable))
            continue;
        const TXMLAttributes values = Variable_Attributes(variable);
        const TCase* found = numbers.Case_Of(source.Catalog, values);
        if (!found) {
            String message = QStringLiteral("The file \"%1\", %2, profile %3, variable \"%4\": the EnOcean profile catalog has no case %5 "
                                            "of this profile, so the variable cannot be placed in the image.")
                                 .arg(source.File, source.Device(), Profile_Name(profile.Rorg, numbers.Func, numbers.Type), values.Text(1),
                                     IntToStr(values.Int(0, 0) + 1));
            if (!source.Catalog.Read_Error().isEmpty())
                message += u' ' + source.Catalog.Read_Error();
            throw EBin_Build_Error(message);
        }
        Place_Variable(profile, *found, values);
    }
    return std::move(profile);
}

// A device's own values; its profiles are added after.
TEnOcean_ID_Info Device_Of(const TXMLAttributes& attributes)
{
    TEnOcean_ID_Info device;
    device.Id = static_cast<uint32_t>(attributes.Int64Strict(0));
    device.SecurityOption = static_cast<uint32_t>(attributes.IntStrict(1));
    TEnOcean_Security_Info& security = device.Security_Info;
    if (device.SecurityOption != 0) {
        (device.SecurityOption == 1 ? security.PreSharedKey : security.PrivateKey) = attributes.Text(2);
    }
    if (device.SecurityOption > 1) {
        security.RollingCode = static_cast<uint32_t>(attributes.Int64Strict(3));
        security.RLCAlgorithm = static_cast<uint8_t>(attributes.IntStrict(4));
        security.RLCTx = static_cast<uint8_t>(attributes.IntStrict(5));
        security.MACAlgorithm = static_cast<uint8_t>(attributes.IntStrict(6));
        security.DataEncryption = Conv_Data_Encryption(attributes.IntStrict(7));
        security.SenderIsPTM = static_cast<uint8_t>(attributes.IntStrict(8));
    }
    return device;
}

TEnOcean_ID_Info Read_Device(const TXMLNode& entry, const TProfile_Source& source)
{
    TEnOcean_ID_Info device = Device_Of(Device_Attributes(entry));
    if (const TXMLNode list = entry.ChildNode("UnidirectionalList")) {
        for (TXMLNode profile = list.Child(0); profile; profile = profile.NextSibling()) {
            if (Is_Element(profile))
                device.UniEepTable.push_back(Read_Profile(profile, source));
        }
    }
    device.UniEepNum = static_cast<uint32_t>(device.UniEepTable.size());
    return device;
}

// The same reading in one pass over the file, without its tree. Any fault
// - of the file or of a device - ends it with false: the tree's reading then
// gives the message.
class TDevice_Stream {
public:
    TDevice_Stream(const String& fileName, const TCatalog_EnOcean& catalog, std::vector<TEnOcean_ID_Info>& devices)
        : FReader(fileName), FCatalog(catalog), FDevices(devices) { }

    bool Read()
    {
        TXMLToken token = FReader.Next();
        while (token == TXMLToken::Comment)
            token = FReader.Next();
        if (token != TXMLToken::Start || !FReader.IsNamed("EnOcean"))
            return false;
        bool listed = false;
        const bool read = FReader.Children([&] {
            if (listed || !FReader.IsNamed("DevicesList"))
                return FReader.Skip();
            listed = true;
            return FReader.Children([&] { return Device(); });
        });
        if (!read || !listed)
            return false;
        while ((token = FReader.Next()) == TXMLToken::Comment) { }
        return token == TXMLToken::Done;
    }

private:
    bool Device()
    {
        FDevices.push_back(Device_Of(Device_Attributes(FReader)));
        TEnOcean_ID_Info& device = FDevices.back();
        bool listed = false;
        const bool read = FReader.Children([&] {
            if (listed || !FReader.IsNamed("UnidirectionalList"))
                return FReader.Skip();
            listed = true;
            return FReader.Children([&] { return Profile(device); });
        });
        device.UniEepNum = static_cast<uint32_t>(device.UniEepTable.size());
        return read;
    }

    bool Profile(TEnOcean_ID_Info& device)
    {
        TProfile_Numbers numbers(Profile_Attributes(FReader));
        bool listed = false;
        const bool read = FReader.Children([&] {
            if (listed || !FReader.IsNamed("VariablesList"))
                return FReader.Skip();
            listed = true;
            return FReader.Children([&] {
                const TXMLAttributes values = Variable_Attributes(FReader);
                const TCase* found = numbers.Case_Of(FCatalog, values);
                if (!found)
                    return false;
                Place_Variable(numbers.Profile, *found, values);
                return FReader.Skip();
            });
        });
        if (!read || !listed)
            return false;
        device.UniEepTable.push_back(std::move(numbers.Profile));
        return true;
    }

    TXMLReader FReader;
    const TCatalog_EnOcean& FCatalog;
    std::vector<TEnOcean_ID_Info>& FDevices;
};

template <typename TVisit>
void For_Each_Profile(const std::vector<TEnOcean_ID_Info>& devices, TVisit visit)
{
    for (const TEnOcean_ID_Info& device : devices) {
        for (const auto* table : { &device.UniEepTable, &device.SAEepTable })
            for (const TEnOcean_Eep_Info& profile : *table)
                visit(profile);
    }
}

} // namespace

uint8_t Conv_Data_Encryption(int32_t DataCript)
{
    switch (DataCript) {
    case 1:
        return 3;
    case 2:
        return 4;
    default:
        return 0;
    }
}

void TEnOcean_Tables::Read_EnOcean_Devices(TXMLDocument& XML1, const String& fileName, const TCatalog_EnOcean& catalog, uint32_t base)
{
    FDevices.clear();
    FBase = base;
    if (FileExists(fileName) && !Stream_Devices(fileName, catalog)) {
        FDevices.clear();
        XML1.LoadFromFile(fileName);
        const TXMLNode list = XML1.TopElement(QStringLiteral("EnOcean")).ChildNode("DevicesList");
        // Whatever devices such a file holds would be missing from the image.
        if (!list)
            throw EBin_Build_Error(QStringLiteral("The file \"%1\" holds no EnOcean device list.").arg(fileName));
        int32_t number = 0;
        for (TXMLNode entry = list.Child(0); entry; entry = entry.NextSibling()) {
            if (!Is_Element(entry))
                continue;
            const TProfile_Source source { fileName, catalog, ++number, entry };
            try {
                FDevices.push_back(Read_Device(entry, source));
            } catch (const EConvertError& error) {
                throw EBin_Build_Error(QStringLiteral("The file \"%1\", %2: %3").arg(fileName, source.Device(), error.Message()));
            }
        }
    }
    Compute_Addresses();
}

bool TEnOcean_Tables::Stream_Devices(const String& fileName, const TCatalog_EnOcean& catalog)
{
    try {
        return TDevice_Stream(fileName, catalog, FDevices).Read();
    } catch (const Exception&) {
        return false;
    }
}

uint64_t TEnOcean_Tables::Area_Size() const
{
    uint64_t size = EnOcean_Header_Size + (EnOcean_Device_Size + EnOcean_Security_Size) * FDevices.size();
    For_Each_Profile(FDevices, [&size](const TEnOcean_Eep_Info& profile) {
        size += EnOcean_Eep_Size + EnOcean_Case_Size * profile.CaseTable.size();
        for (const TEnOcean_Case_Info& item : profile.CaseTable)
            size += EnOcean_Var_Size * (item.InVarTable.size() + item.OutVarTable.size());
    });
    return size;
}

// Addresses wrap at 32 bits like the device's; a project too large for the
// image is refused before they are used.
void TEnOcean_Tables::Compute_Addresses()
{
    const auto count = static_cast<uint32_t>(FDevices.size());
    uint32_t address = FBase + EnOcean_Header_Size + (EnOcean_Device_Size + EnOcean_Security_Size) * count;
    for (uint32_t index = 0; index < count; ++index) {
        TEnOcean_ID_Info& device = FDevices[index];
        device.SecAdd = FBase + EnOcean_Header_Size + EnOcean_Device_Size * count + EnOcean_Security_Size * index;
        device.UniEepAdd = address;
        device.SAEepAdd = address + EnOcean_Eep_Size * device.UniEepNum;
        address += EnOcean_Eep_Size * static_cast<uint32_t>(device.UniEepTable.size() + device.SAEepTable.size());
    }
    for (TEnOcean_ID_Info& device : FDevices) {
        for (auto* table : { &device.UniEepTable, &device.SAEepTable }) {
            for (TEnOcean_Eep_Info& profile : *table) {
                profile.CaseAdd = address;
                address += EnOcean_Case_Size * static_cast<uint32_t>(profile.CaseTable.size());
            }
        }
    }
    for (TEnOcean_ID_Info& device : FDevices) {
        for (auto* table : { &device.UniEepTable, &device.SAEepTable }) {
            for (TEnOcean_Eep_Info& profile : *table) {
                for (TEnOcean_Case_Info& item : profile.CaseTable) {
                    item.InVarAdd = address;
                    item.OutVarAdd = address + EnOcean_Var_Size * item.InVarNum;
                    address += EnOcean_Var_Size * (item.InVarNum + item.OutVarNum);
                }
            }
        }
    }
}

// The records are laid out straight into the image, each checked once for
// room.
size_t TEnOcean_Tables::Write_EnOcean_Tables(TByteBuffer& image, size_t position) const
{
    const size_t size = static_cast<size_t>(Area_Size());
    uint8_t* out = image.WriteSpan(position, size);
    const uint8_t* const end = out + size;
    const auto overflow = [size] {
        return EBin_Build_Error(QStringLiteral("The EnOcean records do not fill the %1 bytes counted for them exactly.").arg(size));
    };
    const auto room = [&](size_t bytes) {
        if (static_cast<size_t>(end - out) < bytes)
            throw overflow();
    };
    const auto put32 = [&out](uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            *out++ = static_cast<uint8_t>(value >> shift);
    };
    const auto u32 = [&](uint32_t value) {
        room(4);
        put32(value);
    };
    const auto key = [&out](const String& text) {
        const qsizetype length = std::min(text.size(), static_cast<qsizetype>(EnOcean_Key_Size));
        const QChar* units = text.constData();
        for (qsizetype index = 0; index < length; ++index)
            *out++ = static_cast<uint8_t>(units[index].unicode());
        std::memset(out, 0, EnOcean_Key_Size - static_cast<size_t>(length));
        out += EnOcean_Key_Size - static_cast<size_t>(length);
    };
    u32(static_cast<uint32_t>(FDevices.size()));
    u32(FBase + EnOcean_Header_Size);
    for (const TEnOcean_ID_Info& device : FDevices) {
        for (uint32_t value : { device.Id, device.SecurityOption, device.SecAdd, device.UniEepNum, device.UniEepAdd, device.SAEepNum, device.SAEepAdd })
            u32(value);
    }
    for (const TEnOcean_ID_Info& device : FDevices) {
        const TEnOcean_Security_Info& security = device.Security_Info;
        room(EnOcean_Security_Size);
        key(security.PreSharedKey);
        key(security.PrivateKey);
        put32(security.RollingCode);
        for (uint8_t value : { security.RLCAlgorithm, security.RLCTx, security.MACAlgorithm, security.DataEncryption, security.SenderIsPTM, security.UnusedChar })
            *out++ = value;
        *out++ = static_cast<uint8_t>(security.UnusedShort);
        *out++ = static_cast<uint8_t>(security.UnusedShort >> 8);
    }
    For_Each_Profile(FDevices, [&u32](const TEnOcean_Eep_Info& profile) {
        u32(profile.Rorg);
        u32(profile.CaseNum);
        u32(profile.CaseAdd);
    });
    For_Each_Profile(FDevices, [&u32](const TEnOcean_Eep_Info& profile) {
        for (const TEnOcean_Case_Info& item : profile.CaseTable) {
            for (uint32_t value : { item.InCaseIdSize, item.InCaseIdOffset, item.InCase, item.InVarNum, item.InVarAdd, item.OutCaseIdSize,
                     item.OutCaseIdOffset, item.OutCase, item.OutVarNum, item.OutVarAdd })
                u32(value);
        }
    });
    For_Each_Profile(FDevices, [&u32](const TEnOcean_Eep_Info& profile) {
        for (const TEnOcean_Case_Info& item : profile.CaseTable) {
            for (const auto* table : { &item.InVarTable, &item.OutVarTable }) {
                for (const TEnOcean_Var_Info& variable : *table) {
                    for (uint32_t value : { variable.BitSize, variable.BitOffset, variable.Position, variable.Size })
                        u32(value);
                }
            }
        }
    });
    if (out != end)
        throw overflow();
    return position + size;
}
