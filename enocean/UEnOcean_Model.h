#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <memory>
#include <vector>

class TXMLDocument;

// One mapped variable: a catalog data field of one case of its profile, placed
// at a position of the device's data.
class TVarEnOcean {
public:
    const String& Data() const { return FData; }
    void SetData(const String& value) { FData = value; }
    int32_t BitOffs() const { return FBitOffs; }
    void SetBitOffs(int32_t value) { FBitOffs = value; }
    int32_t BitSize() const { return FBitSize; }
    void SetBitSize(int32_t value) { FBitSize = value; }
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t value) { FPosition = value; }
    int32_t BitStart() const { return FBitStart; }
    void SetBitStart(int32_t value) { FBitStart = value; }
    int32_t CaseIndex() const { return FCaseIndex; }
    void SetCaseIndex(int32_t value) { FCaseIndex = value; }

private:
    String FData;
    int32_t FBitOffs = 0;
    int32_t FBitSize = 0;
    int32_t FPosition = 0;
    int32_t FBitStart = 0;
    int32_t FCaseIndex = 0;
};

// One EnOcean Equipment Profile of a device, by its catalog numbers.
class TRorFunTyp {
public:
    int32_t RorgNum() const { return FRorgNum; }
    void SetRorgNum(int32_t value) { FRorgNum = value; }
    int32_t FuncNum() const { return FFuncNum; }
    void SetFuncNum(int32_t value) { FFuncNum = value; }
    int32_t TypeNum() const { return FTypeNum; }
    void SetTypeNum(int32_t value) { FTypeNum = value; }

    std::vector<std::unique_ptr<TVarEnOcean>> VariableList;

private:
    int32_t FRorgNum = 0;
    int32_t FFuncNum = 0;
    int32_t FTypeNum = 0;
};

// A Smart ACK variable: its case is carried by its group.
class TVarEnOcean_SAck {
public:
    const String& Data() const { return FData; }
    void SetData(const String& value) { FData = value; }
    int32_t BitOffs() const { return FBitOffs; }
    void SetBitOffs(int32_t value) { FBitOffs = value; }
    int32_t BitSize() const { return FBitSize; }
    void SetBitSize(int32_t value) { FBitSize = value; }
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t value) { FPosition = value; }
    int32_t BitStart() const { return FBitStart; }
    void SetBitStart(int32_t value) { FBitStart = value; }

private:
    String FData;
    int32_t FBitOffs = 0;
    int32_t FBitSize = 0;
    int32_t FPosition = 0;
    int32_t FBitStart = 0;
};

// The cases chosen for IN and for OUT, with the variables of each.
class TGroup_SAck {
public:
    int32_t CaseInIndex() const { return FCaseInIndex; }
    void SetCaseInIndex(int32_t value) { FCaseInIndex = value; }
    int32_t CaseOutIndex() const { return FCaseOutIndex; }
    void SetCaseOutIndex(int32_t value) { FCaseOutIndex = value; }

    std::vector<std::unique_ptr<TVarEnOcean_SAck>> VarsInList;
    std::vector<std::unique_ptr<TVarEnOcean_SAck>> VarsOutList;

private:
    int32_t FCaseInIndex = 0;
    int32_t FCaseOutIndex = 0;
};

// A Smart ACK profile. It has no form in EnOcean.xml and is a type of its own:
// the device's lists hold TRorFunTyp only, so it can never be read as one.
class TRorFunTyp_SAck {
public:
    int32_t RorgNum() const { return FRorgNum; }
    void SetRorgNum(int32_t value) { FRorgNum = value; }
    int32_t FuncNum() const { return FFuncNum; }
    void SetFuncNum(int32_t value) { FFuncNum = value; }
    int32_t TypeNum() const { return FTypeNum; }
    void SetTypeNum(int32_t value) { FTypeNum = value; }

    std::vector<std::unique_ptr<TGroup_SAck>> GroupList;

private:
    int32_t FRorgNum = 0;
    int32_t FFuncNum = 0;
    int32_t FTypeNum = 0;
};

using TRorFunTyp_List = std::vector<std::unique_ptr<TRorFunTyp>>;

// One EnOcean device: its identifier as typed, its security settings (the
// positions in the device dialog's lists) and its profiles.
class TDevice_EnOcean {
public:
    const String& Id() const { return FId; }
    void SetId(const String& value) { FId = value; }
    int32_t Secure_Type() const { return FSecure_Type; }
    void SetSecure_Type(int32_t value) { FSecure_Type = value; }
    const String& Key() const { return FKey; }
    void SetKey(const String& value) { FKey = value; }
    const String& RollCode() const { return FRollCode; }
    void SetRollCode(const String& value) { FRollCode = value; }
    int32_t RollCodeAlg() const { return FRollCodeAlg; }
    void SetRollCodeAlg(int32_t value) { FRollCodeAlg = value; }
    int32_t RollCodeTx() const { return FRollCodeTx; }
    void SetRollCodeTx(int32_t value) { FRollCodeTx = value; }
    int32_t CMACAlg() const { return FCMACAlg; }
    void SetCMACAlg(int32_t value) { FCMACAlg = value; }
    int32_t DataCript() const { return FDataCript; }
    void SetDataCript(int32_t value) { FDataCript = value; }
    int32_t PTM() const { return FPTM; }
    void SetPTM(int32_t value) { FPTM = value; }

    TRorFunTyp_List UnidirectionalList;
    TRorFunTyp_List SmartACKList;
    // Never filled: the Remote kind has no editor.
    TRorFunTyp_List RemoteList;

private:
    String FId = QStringLiteral("0");
    int32_t FSecure_Type = 0;
    String FKey;
    String FRollCode;
    int32_t FRollCodeAlg = 0;
    int32_t FRollCodeTx = 0;
    int32_t FCMACAlg = 0;
    int32_t FDataCript = 0;
    int32_t FPTM = 0;
};

using TDevice_List = std::vector<std::unique_ptr<TDevice_EnOcean>>;

// Stores a Smart ACK profile chosen in its dialog in a device's Smart ACK
// list, whose entries are profiles with variables like the Unidirectional
// ones (that is how EnOcean.xml and the editor read them). A new profile
// (index < 0) is appended and index set to its position; every group adds its
// IN variables with its IN case and its OUT variables with its OUT case.
void Store_Smart_ACK(const TRorFunTyp_SAck& profile, TRorFunTyp_List& list, int32_t& index);

// Whether an editor keeps the devices' Smart ACK profiles through a load and
// a save of EnOcean.xml; the first-generation editor drops them.
enum class TSmart_ACK_Use { Keep, Drop };

// How far a load of EnOcean.xml got. A load that stopped early keeps the
// devices read before the fault; Message says where it stopped, so the editor
// can warn and ask before it overwrites the file with what it could read.
struct TEnOcean_Load_Result {
    bool Complete = true;
    // 1-based number of the device being read when the load stopped, 0 when
    // it stopped before any device (unreadable file, wrong root).
    int32_t Failed_Device = 0;
    // That device's Id attribute as written, when it has one.
    String Failed_Device_Id;
    String Message;
    // Smart ACK profiles of the file left out of the devices by a load that drops them.
    int32_t Dropped_Smart_ACK = 0;
};

// Writes the devices to fileName whole, through a temporary file beside it
// (the old file stays whole when that fails). False on failure, with the
// reason in errorMessage when given. Dropping Smart ACK profiles writes every
// device's SmartACKList empty.
bool Save_Configuration(TXMLDocument& document, const TDevice_List& devices, const String& fileName,
    String* errorMessage = nullptr, TSmart_ACK_Use smartAck = TSmart_ACK_Use::Keep);

// Appends the devices of fileName to devices (which the caller has emptied).
// A missing file is a complete load of no device. The load stops at a file
// that does not parse, a root that is not EnOcean/DevicesList, an integer
// attribute that is absent or not a number, or a profile without
// VariablesList: the device being read is dropped and the result says so.
// Dropping Smart ACK profiles reads nothing below SmartACKList and counts its
// entries in the result.
TEnOcean_Load_Result Load_Configuration(TXMLDocument& document, TDevice_List& devices, const String& fileName,
    TSmart_ACK_Use smartAck = TSmart_ACK_Use::Keep);
