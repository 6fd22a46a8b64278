#pragma once

#include "platform/core/ByteBuffer.h"

#include <cstdint>
#include <vector>

class TCatalog_EnOcean;
class TXMLDocument;

// The records of the EnOcean area of bank2.bin, as the device reads them.
// Every address is a device address.

struct TEnOcean_Var_Info {
    uint32_t BitSize = 0;
    uint32_t BitOffset = 0;
    uint32_t Position = 0;
    // Carries the variable's bit start.
    uint32_t Size = 0;
};

struct TEnOcean_Case_Info {
    uint32_t InCaseIdSize = 0;
    uint32_t InCaseIdOffset = 0;
    uint32_t InCase = 0;
    uint32_t InVarNum = 0;
    uint32_t InVarAdd = 0;
    uint32_t OutCaseIdSize = 0;
    uint32_t OutCaseIdOffset = 0;
    uint32_t OutCase = 0;
    uint32_t OutVarNum = 0;
    uint32_t OutVarAdd = 0;
    std::vector<TEnOcean_Var_Info> InVarTable;
    std::vector<TEnOcean_Var_Info> OutVarTable;
};

struct TEnOcean_Eep_Info {
    uint32_t Rorg = 0;
    uint32_t CaseNum = 0;
    std::vector<TEnOcean_Case_Info> CaseTable;
    uint32_t CaseAdd = 0;
};

// The two keys are kept as texts; the image holds the low byte of each of
// their first 16 characters.
struct TEnOcean_Security_Info {
    String PreSharedKey;
    String PrivateKey;
    uint32_t RollingCode = 0;
    uint8_t RLCAlgorithm = 0;
    uint8_t RLCTx = 0;
    uint8_t MACAlgorithm = 0;
    uint8_t DataEncryption = 0;
    uint8_t SenderIsPTM = 0;
    uint8_t UnusedChar = 0;
    uint16_t UnusedShort = 0;
};

struct TEnOcean_ID_Info {
    uint32_t Id = 0;
    uint32_t SecurityOption = 0;
    TEnOcean_Security_Info Security_Info;
    uint32_t SecAdd = 0;
    uint32_t UniEepNum = 0;
    std::vector<TEnOcean_Eep_Info> UniEepTable;
    uint32_t UniEepAdd = 0;
    uint32_t SAEepNum = 0;
    std::vector<TEnOcean_Eep_Info> SAEepTable;
    uint32_t SAEepAdd = 0;
};

inline constexpr size_t EnOcean_Header_Size = 8;
inline constexpr size_t EnOcean_Device_Size = 28;
inline constexpr size_t EnOcean_Security_Size = 44;
inline constexpr size_t EnOcean_Eep_Size = 12;
inline constexpr size_t EnOcean_Case_Size = 40;
inline constexpr size_t EnOcean_Var_Size = 16;
inline constexpr size_t EnOcean_Key_Size = 16;

// The image code of a data-encryption choice: 1 gives 3, 2 gives 4, any other 0.
uint8_t Conv_Data_Encryption(int32_t DataCript);

// The devices of EnOcean.xml with their profiles, cases and variables, laid
// out from a base address.
class TEnOcean_Tables {
public:
    // Builds the device array from fileName and computes every address. A
    // missing file gives no device. EXMLError for a file that does not parse;
    // EBin_Build_Error naming the file and the device for an attribute that is
    // missing or not a number, a profile without variable list, a file without
    // the EnOcean device list, and a variable the catalog cannot place (it
    // names the profile and the variable too): a project never loses a device
    // or a variable on its way into the image.
    void Read_EnOcean_Devices(TXMLDocument& XML1, const String& fileName, const TCatalog_EnOcean& catalog, uint32_t base);
    // Writes the area at position; returns the position after it.
    size_t Write_EnOcean_Tables(TByteBuffer& image, size_t position) const;
    // Bytes of the area, header included.
    uint64_t Area_Size() const;

    const std::vector<TEnOcean_ID_Info>& Devices() const { return FDevices; }

private:
    // The devices read in one pass without the file's tree; false, with the
    // devices cleared or not, when the file is left to the tree's reading.
    bool Stream_Devices(const String& fileName, const TCatalog_EnOcean& catalog);
    void Compute_Addresses();

    std::vector<TEnOcean_ID_Info> FDevices;
    uint32_t FBase = 0;
};
