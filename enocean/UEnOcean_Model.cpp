#include "enocean/UEnOcean_Model.h"

#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/xml/XMLDocument.h"

namespace {

const String Version_Comment = QStringLiteral("SW_VERSION = 1.000");

// What ends a load early, with the words the caller shows.
class EEnOcean_Load_Stop : public Exception {
public:
    using Exception::Exception;
};

void Write_Profiles(TXMLNode parent, const TRorFunTyp_List& profiles)
{
    for (const auto& profile : profiles) {
        TXMLNode entry = parent.AddChild(QStringLiteral("RorgFuncType"));
        entry.SetAttribute(QStringLiteral("RorgNum"), IntToStr(profile->RorgNum()));
        entry.SetAttribute(QStringLiteral("FuncNum"), IntToStr(profile->FuncNum()));
        entry.SetAttribute(QStringLiteral("TypeNum"), IntToStr(profile->TypeNum()));
        TXMLNode variables = entry.AddChild(QStringLiteral("VariablesList"));
        for (const auto& variable : profile->VariableList) {
            TXMLNode item = variables.AddChild(QStringLiteral("Variable"));
            item.SetAttribute(QStringLiteral("CaseInd"), IntToStr(variable->CaseIndex()));
            item.SetAttribute(QStringLiteral("Data"), variable->Data());
            item.SetAttribute(QStringLiteral("BitOffs"), IntToStr(variable->BitOffs()));
            item.SetAttribute(QStringLiteral("BitSize"), IntToStr(variable->BitSize()));
            item.SetAttribute(QStringLiteral("Position"), IntToStr(variable->Position()));
            item.SetAttribute(QStringLiteral("BitStart"), IntToStr(variable->BitStart()));
        }
    }
}

void Write_Device(TXMLNode list, const TDevice_EnOcean& device, TSmart_ACK_Use smartAck)
{
    TXMLNode entry = list.AddChild(QStringLiteral("Device"));
    entry.SetAttribute(QStringLiteral("Id"), device.Id());
    entry.SetAttribute(QStringLiteral("Secure_Type"), IntToStr(device.Secure_Type()));
    entry.SetAttribute(QStringLiteral("Key"), device.Key());
    entry.SetAttribute(QStringLiteral("RollCode"), device.RollCode());
    entry.SetAttribute(QStringLiteral("RollCodeAlg"), IntToStr(device.RollCodeAlg()));
    entry.SetAttribute(QStringLiteral("RollCodeTx"), IntToStr(device.RollCodeTx()));
    entry.SetAttribute(QStringLiteral("CMACAlg"), IntToStr(device.CMACAlg()));
    entry.SetAttribute(QStringLiteral("DataCript"), IntToStr(device.DataCript()));
    entry.SetAttribute(QStringLiteral("PTM"), IntToStr(device.PTM()));
    Write_Profiles(entry.AddChild(QStringLiteral("UnidirectionalList")), device.UnidirectionalList);
    TXMLNode smartAckList = entry.AddChild(QStringLiteral("SmartACKList"));
    if (smartAck == TSmart_ACK_Use::Keep)
        Write_Profiles(smartAckList, device.SmartACKList);
    entry.AddChild(QStringLiteral("Remote"));
}

bool Is_Element(const TXMLNode& node) { return node.Kind() == TXMLNodeKind::Element; }

void Read_Profiles(const TXMLNode& list, TRorFunTyp_List& profiles)
{
    for (TXMLNode entry = list.Child(0); entry; entry = entry.NextSibling()) {
        if (!Is_Element(entry))
            continue;
        auto profile = std::make_unique<TRorFunTyp>();
        profile->SetRorgNum(entry.AttributeIntStrict("RorgNum"));
        profile->SetFuncNum(entry.AttributeIntStrict("FuncNum"));
        profile->SetTypeNum(entry.AttributeIntStrict("TypeNum"));
        const TXMLNode variables = entry.ChildNode("VariablesList");
        if (!variables)
            throw EEnOcean_Load_Stop(QStringLiteral("its profile %1 has no list of variables").arg(profiles.size() + 1));
        for (TXMLNode item = variables.Child(0); item; item = item.NextSibling()) {
            if (!Is_Element(item))
                continue;
            auto variable = std::make_unique<TVarEnOcean>();
            variable->SetCaseIndex(item.AttributeIntStrict("CaseInd"));
            variable->SetData(item.AttributeText("Data"));
            variable->SetBitOffs(item.AttributeIntStrict("BitOffs"));
            variable->SetBitSize(item.AttributeIntStrict("BitSize"));
            variable->SetPosition(item.AttributeIntStrict("Position"));
            variable->SetBitStart(item.AttributeIntStrict("BitStart"));
            profile->VariableList.push_back(std::move(variable));
        }
        profiles.push_back(std::move(profile));
    }
}

int32_t Count_Elements(const TXMLNode& list)
{
    int32_t count = 0;
    for (TXMLNode entry = list.Child(0); entry; entry = entry.NextSibling())
        if (Is_Element(entry))
            ++count;
    return count;
}

std::unique_ptr<TDevice_EnOcean> Read_Device(const TXMLNode& entry, TSmart_ACK_Use smartAck, int32_t& dropped)
{
    auto device = std::make_unique<TDevice_EnOcean>();
    device->SetId(entry.AttributeText("Id"));
    device->SetSecure_Type(entry.AttributeIntStrict("Secure_Type"));
    device->SetKey(entry.AttributeText("Key"));
    device->SetRollCode(entry.AttributeText("RollCode"));
    device->SetRollCodeAlg(entry.AttributeIntStrict("RollCodeAlg"));
    device->SetRollCodeTx(entry.AttributeIntStrict("RollCodeTx"));
    device->SetCMACAlg(entry.AttributeIntStrict("CMACAlg"));
    device->SetDataCript(entry.AttributeIntStrict("DataCript"));
    device->SetPTM(entry.AttributeIntStrict("PTM"));
    if (const TXMLNode list = entry.ChildNode("UnidirectionalList"))
        Read_Profiles(list, device->UnidirectionalList);
    if (const TXMLNode list = entry.ChildNode("SmartACKList")) {
        if (smartAck == TSmart_ACK_Use::Keep)
            Read_Profiles(list, device->SmartACKList);
        else
            dropped += Count_Elements(list);
    }
    return device;
}

TEnOcean_Load_Result Stopped(const String& message)
{
    TEnOcean_Load_Result result;
    result.Complete = false;
    result.Message = message;
    return result;
}

void Add_Smart_ACK_Variables(TRorFunTyp& eep, int32_t caseIndex, const std::vector<std::unique_ptr<TVarEnOcean_SAck>>& variables)
{
    for (const auto& source : variables) {
        auto variable = std::make_unique<TVarEnOcean>();
        variable->SetCaseIndex(caseIndex);
        variable->SetData(source->Data());
        variable->SetBitOffs(source->BitOffs());
        variable->SetBitSize(source->BitSize());
        variable->SetPosition(source->Position());
        variable->SetBitStart(source->BitStart());
        eep.VariableList.push_back(std::move(variable));
    }
}

} // namespace

void Store_Smart_ACK(const TRorFunTyp_SAck& profile, TRorFunTyp_List& list, int32_t& index)
{
    if (index < 0 || index >= static_cast<int32_t>(list.size())) {
        auto eep = std::make_unique<TRorFunTyp>();
        eep->SetRorgNum(profile.RorgNum());
        eep->SetFuncNum(profile.FuncNum());
        eep->SetTypeNum(profile.TypeNum());
        list.push_back(std::move(eep));
        index = static_cast<int32_t>(list.size()) - 1;
    }
    TRorFunTyp& eep = *list[static_cast<size_t>(index)];
    for (const auto& group : profile.GroupList) {
        Add_Smart_ACK_Variables(eep, group->CaseInIndex(), group->VarsInList);
        Add_Smart_ACK_Variables(eep, group->CaseOutIndex(), group->VarsOutList);
    }
}

bool Save_Configuration(TXMLDocument& document, const TDevice_List& devices, const String& fileName, String* errorMessage,
    TSmart_ACK_Use smartAck)
{
    try {
        document.Clear();
        TXMLNode root = document.AddRoot(QStringLiteral("EnOcean"));
        document.AddComment(Version_Comment);
        TXMLNode list = root.AddChild(QStringLiteral("DevicesList"));
        for (const auto& device : devices)
            Write_Device(list, *device, smartAck);
        document.SaveToFile(fileName);
    } catch (const Exception& error) {
        if (errorMessage)
            *errorMessage = error.Message();
        return false;
    }
    return true;
}

TEnOcean_Load_Result Load_Configuration(TXMLDocument& document, TDevice_List& devices, const String& fileName, TSmart_ACK_Use smartAck)
{
    if (!FileExists(fileName))
        return {};
    try {
        document.LoadFromFile(fileName);
    } catch (const EXMLError& error) {
        return Stopped(error.Message());
    }
    const TXMLNode list = document.TopElement(QStringLiteral("EnOcean")).ChildNode("DevicesList");
    if (!list)
        return Stopped(QStringLiteral("The file \"%1\" holds no EnOcean device list.").arg(fileName));
    int32_t number = 0;
    int32_t dropped = 0;
    for (TXMLNode entry = list.Child(0); entry; entry = entry.NextSibling()) {
        if (!Is_Element(entry))
            continue;
        ++number;
        try {
            int32_t droppedHere = 0;
            devices.push_back(Read_Device(entry, smartAck, droppedHere));
            dropped += droppedHere;
        } catch (const Exception& error) {
            const std::optional<String> id = entry.Attribute("Id");
            const String named = id ? QStringLiteral(" (Id \"%1\")").arg(*id) : String();
            TEnOcean_Load_Result result = Stopped(QStringLiteral("The file \"%1\" could be read only up to device %2%3: %4")
                    .arg(fileName, IntToStr(number), named, error.Message()));
            result.Failed_Device = number;
            result.Failed_Device_Id = id.value_or(String());
            result.Dropped_Smart_ACK = dropped;
            return result;
        }
    }
    TEnOcean_Load_Result result;
    result.Dropped_Smart_ACK = dropped;
    return result;
}
