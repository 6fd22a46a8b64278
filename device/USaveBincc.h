#pragma once

#include "device/UEnOcean_Area.h"
#include "platform/core/ByteBuffer.h"
#include "platform/core/Exception.h"

#include <array>
#include <cstdint>

class TCatalog_EnOcean;
class TXMLDocument;
class TXMLNode;

// A project that cannot be turned into images: the message names the file
// and the limit it passes. Nothing is written then.
class EBin_Build_Error : public Exception {
public:
    using Exception::Exception;
};

// The project files the images are built from.
struct TBin_Sources {
    String ParGen;
    String NMEA_Rec_Frames;
    String NMEA_Send_Frames;
    String EnOcean;
};

inline constexpr size_t Param_Block_Size = 2048;
inline constexpr size_t Bank_Capacity = 131072;
inline constexpr int32_t NMEA_Table_Rows = 512;
inline constexpr size_t NMEA_Row_Size = 32;
// Offsets and byte counts of a frame row are 16-bit.
inline constexpr int32_t NMEA_Data_Limit = 65535;

inline constexpr uint32_t Receive_Table_Address = 0x80000;
inline constexpr uint32_t Send_Table_Address = 0x84000;
inline constexpr uint32_t EnOcean_Area_Address = 0x88000;

// One row of a frame table as the device reads it.
struct TNMEA_Row {
    uint32_t Key = 0xFFFFFFFF;
    uint32_t Period = 0xFFFFFFFF;
    uint32_t Timeout = 0xFFFFFFFF;
    uint16_t Offset = 0;
    uint16_t Start = 0;
    uint16_t Count = 0;
    uint16_t Reserved12 = 0;
    uint32_t Reserved14 = 0xFFFFFFFF;
    uint32_t Reserved18 = 0;
    uint16_t Multi_Frame = 0;
    uint8_t Flags = 0;
    uint8_t Reserved1F = 0;
};

using TNMEA_Table = std::array<TNMEA_Row, NMEA_Table_Rows>;

// Builds the two configuration images of a project: bank1.bin, the 2048-byte
// parameter block closed by its byte sum, and bank2.bin, the frame tables and
// the EnOcean area. Every build starts from the defaults, so nothing of an
// earlier project reaches the new images.
class TBin_Builder {
public:
    TBin_Builder();

    // Builds both images in memory, placing the EnOcean variables through the
    // catalog. A file that does not parse, or a project the images cannot
    // hold whole (EBin_Build_Error), leaves the images of the previous build
    // in place.
    void Compile_Bin_Files(TXMLDocument& XML1, const TBin_Sources& files, const TCatalog_EnOcean& catalog);
    // Writes bin/bank1.bin and bin/bank2.bin into the project folder, creating
    // bin when missing. Both are written aside first and renamed together, so
    // the device never gets a new bank beside an old one. EInOutError naming
    // the file on failure.
    void Save_Bin_Files(const String& projectPath) const;

    const TBytes& Bank1() const { return FBank1; }
    const TBytes& Bank2() const { return FBank2; }
    const TEnOcean_Tables& EnOcean_Tables() const { return FEnOcean; }
    uint32_t NMEA_Timeout_Ms() const { return FNMEA_Timeout_Ms; }

private:
    void Init_Param_Block();
    void Clear_NMEA_Tables();
    void Read_ParGen_Params(TXMLDocument& XML1, const String& fileName);
    void Set_Param_Version();
    void Read_NMEA_Frames(TXMLDocument& XML1, const TBin_Sources& files);
    void Read_Receive_Row(const TXMLNode& row, TNMEA_Row& entry) const;
    static void Read_Send_Row(const TXMLNode& row, TNMEA_Row& entry);
    size_t Append_Param_Block(TByteBuffer& image, size_t position);
    size_t Write_NMEA_Tables(TByteBuffer& image, size_t position) const;

    TByteBuffer Param_Block = TByteBuffer::Fixed(Param_Block_Size);
    TNMEA_Table FReceive;
    TNMEA_Table FSend;
    TEnOcean_Tables FEnOcean;
    uint32_t FNMEA_Timeout_Ms = 0;
    TBytes FBank1;
    TBytes FBank2;
};

// The one builder of the run.
TBin_Builder& Bin_Builder();
