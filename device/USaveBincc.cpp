#include "device/USaveBincc.h"

#include "device/UParGen_File.h"
#include "platform/core/FileUtils.h"
#include "platform/xml/XMLDocument.h"

#include <optional>

namespace {

constexpr size_t Checksum_Offset = 0x7FC;
constexpr size_t Version_Offset = 0x66C;
constexpr size_t Version_Size = 8;
constexpr size_t Host_Name_Offset = 0x514;
constexpr int32_t Host_Name_Length = 31;
constexpr size_t DHCP_Flags_Offset = 0x4E8;
constexpr size_t Primary_DNS_Offset = 0x58C;
constexpr size_t Secondary_DNS_Offset = 0x53C;
constexpr size_t IP_Offset = 0x028;
constexpr size_t Mask_Offset = 0x02C;
constexpr size_t Gateway_Offset = 0x030;
constexpr size_t NMEA_Flags_Offset = 0x098;
constexpr size_t Receive_Total_Offset = 0x074;
constexpr size_t Send_Total_Offset = 0x078;
constexpr size_t Receive_Rows_Offset = 0x090;
constexpr size_t Send_Rows_Offset = 0x094;
constexpr size_t Receive_Address_Offset = 0x0CC;
constexpr size_t Send_Address_Offset = 0x0D0;
constexpr size_t EnOcean_Address_Offset = 0x604;
constexpr size_t EnOcean_Present_Offset = 0x608;
constexpr size_t Tables_Size = 2 * NMEA_Table_Rows * NMEA_Row_Size;

struct TFixed_Word {
    size_t Offset;
    uint32_t Value;
    int32_t Width;
};

// The values the device expects whatever the project holds.
constexpr TFixed_Word Block_Defaults[] = {
    { 0x000, 250000, 4 }, { 0x004, 250000, 4 }, { 0x00C, 9600, 4 },
    { 0x028, 192, 1 }, { 0x029, 168, 1 }, { 0x02A, 2, 1 }, { 0x02B, 205, 1 },
    { 0x02C, 255, 1 }, { 0x02D, 255, 1 }, { 0x02E, 255, 1 }, { 0x02F, 0, 1 },
    { 0x030, 255, 1 }, { 0x031, 255, 1 }, { 0x032, 255, 1 }, { 0x033, 255, 1 },
    { 0x034, 10000, 2 }, { 0x036, 10001, 2 }, { 0x038, 10001, 2 },
    { 0x1B4, 8, 1 }, { 0x1B5, 8, 1 }, { 0x1B6, 8, 1 }, { 0x1B7, 8, 1 },
    { 0x1B8, 8, 1 }, { 0x1B9, 8, 1 }, { 0x1BA, 8, 1 }, { 0x1BB, 8, 1 },
    { 0x1D4, 50000, 2 }, { 0x1D6, 50001, 2 }, { 0x1D8, 50002, 2 },
};

const String Yes = QStringLiteral("Y");

bool Is_On(const TXMLNode& root, int32_t key) { return ParGen_Text(root, key) == u"1"; }

int32_t Key_Int(const TXMLNode& root, int32_t key)
{
    return StrToIntDef(ParGen_Text(root, key), StrToIntDef(String::fromLatin1(ParGen_Key(key).Default), 0));
}

void Write_Octets(TByteBuffer& block, size_t offset, const TXMLNode& root, int32_t firstKey)
{
    for (int32_t octet = 0; octet < 4; ++octet)
        block.WriteU8(offset + octet, static_cast<uint8_t>(Key_Int(root, firstKey + octet)));
}

std::optional<int32_t> Strict_Int(const TXMLNode& row, const char* name)
{
    int32_t value = 0;
    const std::optional<String> text = row.Attribute(String::fromLatin1(name));
    if (text && TryStrToInt(*text, value))
        return value;
    return std::nullopt;
}

bool Upper_Yes(const TXMLNode& row, const char* name)
{
    return UpperCase(row.AttributeText(String::fromLatin1(name))) == Yes;
}

bool Is_Yes(const TXMLNode& row, const char* name) { return row.AttributeText(String::fromLatin1(name)) == Yes; }

uint16_t Checked_16(int32_t value, const String& fileName, int32_t rowNumber, const char* name)
{
    if (value < 0 || value > NMEA_Data_Limit)
        throw EBin_Build_Error(QStringLiteral("The file \"%1\", row %2: %3 %4 lies outside 0 to %5, the range the image can hold.")
                                   .arg(fileName).arg(rowNumber).arg(QString::fromLatin1(name)).arg(value).arg(NMEA_Data_Limit));
    return static_cast<uint16_t>(value);
}

// Every child of the file's first node is one row, whatever its name.
template <typename TRead_Row>
void Read_Frame_File(TXMLDocument& XML1, const String& fileName, TNMEA_Table& table, TByteBuffer& block,
    size_t totalOffset, size_t rowsOffset, TRead_Row readRow)
{
    uint32_t offset = 0;
    int32_t rows = 0;
    if (FileExists(fileName)) {
        XML1.LoadFromFile(fileName);
        const TXMLNode root = XML1.FirstNode();
        for (TXMLNode row = root.Child(0); row; row = row.NextSibling()) {
            if (rows == NMEA_Table_Rows)
                throw EBin_Build_Error(QStringLiteral("The file \"%1\" holds more than %2 rows, the most a frame table can take.")
                                           .arg(fileName).arg(NMEA_Table_Rows));
            TNMEA_Row& entry = table[rows++];
            readRow(row, entry, rows);
            entry.Offset = static_cast<uint16_t>(offset);
            offset += entry.Count;
            if (offset > static_cast<uint32_t>(NMEA_Data_Limit))
                throw EBin_Build_Error(QStringLiteral("The file \"%1\", row %2: the frames hold more than %3 bytes of data, the most a frame table can address.")
                                           .arg(fileName).arg(rows).arg(NMEA_Data_Limit));
        }
    }
    block.WriteU32(totalOffset, offset);
    block.WriteU32(rowsOffset, static_cast<uint32_t>(rows));
}

// A row is laid out whole and written at once: the tables are 1,024 rows.
void Write_Row(TByteBuffer& image, size_t position, const TNMEA_Row& row)
{
    uint8_t bytes[NMEA_Row_Size];
    uint8_t* out = bytes;
    const auto put = [&out](uint32_t value, int width) {
        for (int shift = 0; shift < 8 * width; shift += 8)
            *out++ = static_cast<uint8_t>(value >> shift);
    };
    put(row.Key, 4);
    put(row.Period, 4);
    put(row.Timeout, 4);
    put(row.Offset, 2);
    put(row.Start, 2);
    put(row.Count, 2);
    put(row.Reserved12, 2);
    put(row.Reserved14, 4);
    put(row.Reserved18, 4);
    put(row.Multi_Frame, 2);
    put(row.Flags, 1);
    put(row.Reserved1F, 1);
    image.WriteBytes(position, bytes, NMEA_Row_Size);
}

} // namespace

TBin_Builder::TBin_Builder() { Init_Param_Block(); }

TBin_Builder& Bin_Builder()
{
    static TBin_Builder builder;
    return builder;
}

void TBin_Builder::Init_Param_Block()
{
    Param_Block = TByteBuffer::Fixed(Param_Block_Size);
    for (const TFixed_Word& word : Block_Defaults) {
        if (word.Width == 4)
            Param_Block.WriteU32(word.Offset, word.Value);
        else if (word.Width == 2)
            Param_Block.WriteU16(word.Offset, static_cast<uint16_t>(word.Value));
        else
            Param_Block.WriteU8(word.Offset, static_cast<uint8_t>(word.Value));
    }
}

void TBin_Builder::Clear_NMEA_Tables()
{
    FReceive.fill(TNMEA_Row());
    FSend.fill(TNMEA_Row());
}

void TBin_Builder::Set_Param_Version()
{
    static constexpr char Version[] = "1.000";
    for (size_t index = 0; index < Version_Size; ++index)
        Param_Block.WriteU8(Version_Offset + index, index < sizeof(Version) - 1 ? static_cast<uint8_t>(Version[index]) : 0);
}

void TBin_Builder::Read_ParGen_Params(TXMLDocument& XML1, const String& fileName)
{
    XML1.LoadFromFile(fileName);
    const TXMLNode root = XML1.FirstNode();
    Set_Param_Version();

    const String name = ParGen_Text(root, pkDevice_Name);
    for (int32_t index = 0; index < Host_Name_Length && index < name.size(); ++index)
        Param_Block.WriteU8(Host_Name_Offset + index, static_cast<uint8_t>(name[index].unicode()));

    uint16_t dhcp = 0;
    if (Is_On(root, pkDHCP_Cable))
        dhcp |= 1;
    if (Is_On(root, pkDHCP_WiFi))
        dhcp |= 2;
    Param_Block.WriteU16(DHCP_Flags_Offset, dhcp);

    if (Is_On(root, pkEnable_DNS)) {
        Write_Octets(Param_Block, Primary_DNS_Offset, root, pkPrimary_DNS1);
        Write_Octets(Param_Block, Secondary_DNS_Offset, root, pkSecondary_DNS1);
    }
    Write_Octets(Param_Block, IP_Offset, root, pkIP1);
    Write_Octets(Param_Block, Mask_Offset, root, pkSM1);
    Write_Octets(Param_Block, Gateway_Offset, root, pkGAT1);
    if (!Is_On(root, pkEN_GAT))
        Param_Block.WriteU32(Gateway_Offset, 0xFFFFFFFF);

    const uint32_t bits = Baudrate_Bits(Key_Int(root, pkBaudrate));
    Param_Block.WriteU32(0x000, bits);
    Param_Block.WriteU32(0x004, bits);

    FNMEA_Timeout_Ms = static_cast<uint32_t>(static_cast<int64_t>(Key_Int(root, pkTimeout)) * 1000);

    if (Is_On(root, pkPeer_To_Peer))
        Param_Block.WriteU32(NMEA_Flags_Offset, Param_Block.ReadU32(NMEA_Flags_Offset) | 1);
}

void TBin_Builder::Read_Receive_Row(const TXMLNode& row, TNMEA_Row& entry) const
{
    const bool peerToPeer = (Param_Block.ReadU32(NMEA_Flags_Offset) & 1) != 0;
    uint32_t key = static_cast<uint32_t>(row.AttributeInt(QStringLiteral("PGN"), 0)) * 256;
    if (!peerToPeer)
        key += static_cast<uint32_t>(row.AttributeInt(QStringLiteral("SA"), 0));
    entry.Key = key;
    entry.Timeout = Is_Yes(row, "Delete") ? FNMEA_Timeout_Ms : 0;
    entry.Flags = 0;
    if (Is_Yes(row, "TP"))
        entry.Flags |= 2;
    if (Is_Yes(row, "FP"))
        entry.Flags |= 4;
}

void TBin_Builder::Read_Send_Row(const TXMLNode& row, TNMEA_Row& entry)
{
    uint32_t key = static_cast<uint32_t>(Strict_Int(row, "Priority").value_or(0));
    key = key * (1U << 18) + static_cast<uint32_t>(Strict_Int(row, "PGN").value_or(0));
    key = key * 256 + static_cast<uint32_t>(Strict_Int(row, "SA").value_or(0));
    entry.Key = key;
    entry.Period = 0;
    entry.Flags = 1;
    if (Upper_Yes(row, "On_Request"))
        entry.Flags |= 0x40;
    if (Upper_Yes(row, "On_Data_Change"))
        entry.Flags |= 0x20;
    if (Upper_Yes(row, "On_Timer")) {
        entry.Flags |= 0x10;
        entry.Period = static_cast<uint32_t>(Strict_Int(row, "SendTimer").value_or(0));
    }
}

void TBin_Builder::Read_NMEA_Frames(TXMLDocument& XML1, const TBin_Sources& files)
{
    Param_Block.WriteU32(Receive_Address_Offset, Receive_Table_Address);
    Param_Block.WriteU32(Send_Address_Offset, Send_Table_Address);

    Read_Frame_File(XML1, files.NMEA_Rec_Frames, FReceive, Param_Block, Receive_Total_Offset, Receive_Rows_Offset,
        [this, &files](const TXMLNode& row, TNMEA_Row& entry, int32_t number) {
            Read_Receive_Row(row, entry);
            entry.Start = Checked_16(row.AttributeInt(QStringLiteral("TP_Start"), 0), files.NMEA_Rec_Frames, number, "TP_Start");
            entry.Count = Checked_16(row.AttributeInt(QStringLiteral("TP_NByte"), 8), files.NMEA_Rec_Frames, number, "TP_NByte");
        });
    Read_Frame_File(XML1, files.NMEA_Send_Frames, FSend, Param_Block, Send_Total_Offset, Send_Rows_Offset,
        [&files](const TXMLNode& row, TNMEA_Row& entry, int32_t number) {
            Read_Send_Row(row, entry);
            const int32_t count = row.AttributeInt(QStringLiteral("TP_NByte"), 8);
            if (Is_Yes(row, "FP")) {
                entry.Flags |= 4;
                entry.Multi_Frame = 1;
                if (count > 233)
                    entry.Flags |= 2;
            } else {
                entry.Multi_Frame = 0;
                if (count > 8) {
                    entry.Multi_Frame = 1;
                    entry.Flags |= 2;
                }
            }
            entry.Start = 0;
            entry.Count = Checked_16(count, files.NMEA_Send_Frames, number, "TP_NByte");
        });
}

size_t TBin_Builder::Append_Param_Block(TByteBuffer& image, size_t position)
{
    uint32_t sum = 0;
    const TBytes& bytes = Param_Block.All();
    for (size_t index = 0; index < Checksum_Offset; ++index)
        sum += bytes[index];
    Param_Block.WriteU32(Checksum_Offset, sum);
    image.WriteBytes(position, Param_Block.All().data(), Param_Block_Size);
    return position + Param_Block_Size;
}

size_t TBin_Builder::Write_NMEA_Tables(TByteBuffer& image, size_t position) const
{
    for (const TNMEA_Table* table : { &FReceive, &FSend }) {
        for (const TNMEA_Row& row : *table) {
            Write_Row(image, position, row);
            position += NMEA_Row_Size;
        }
    }
    return position;
}

void TBin_Builder::Compile_Bin_Files(TXMLDocument& XML1, const TBin_Sources& files, const TCatalog_EnOcean& catalog)
{
    Init_Param_Block();
    Clear_NMEA_Tables();
    FNMEA_Timeout_Ms = 0;
    if (FileExists(files.ParGen))
        Read_ParGen_Params(XML1, files.ParGen);
    Param_Block.WriteU32(Receive_Address_Offset, Receive_Table_Address);
    Param_Block.WriteU32(Send_Address_Offset, Send_Table_Address);
    Param_Block.WriteU32(EnOcean_Address_Offset, EnOcean_Area_Address);
    Read_NMEA_Frames(XML1, files);
    Param_Block.WriteU32(EnOcean_Present_Offset, 1);
    FEnOcean.Read_EnOcean_Devices(XML1, files.EnOcean, catalog, EnOcean_Area_Address);
    const uint64_t areaSize = FEnOcean.Area_Size();
    if (Tables_Size + areaSize > Bank_Capacity)
        throw EBin_Build_Error(QStringLiteral("The EnOcean configuration \"%1\" needs %2 bytes, more than the %3 bytes the image holds after the frame tables.")
                                   .arg(files.EnOcean).arg(areaSize).arg(Bank_Capacity - Tables_Size));

    // Each bank is sized to what is written in it, and handed over whole.
    TByteBuffer bank1 = TByteBuffer::Fixed(Param_Block_Size);
    Append_Param_Block(bank1, 0);
    TByteBuffer bank2 = TByteBuffer::Fixed(Tables_Size + static_cast<size_t>(areaSize));
    const size_t position = Write_NMEA_Tables(bank2, 0);
    FEnOcean.Write_EnOcean_Tables(bank2, position);
    FBank1 = bank1.TakeBytes();
    FBank2 = bank2.TakeBytes();
}

void TBin_Builder::Save_Bin_Files(const String& projectPath) const
{
    const String folder = projectPath + QStringLiteral("/bin");
    if (!ForceDirectories(folder))
        throw EInOutError(QStringLiteral("Cannot create the folder \"%1\"").arg(folder));
    WriteFilesAtomic({ { folder + QStringLiteral("/bank1.bin"), FBank1 }, { folder + QStringLiteral("/bank2.bin"), FBank2 } });
}
