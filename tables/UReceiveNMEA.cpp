#include "tables/UReceiveNMEA.h"


TFReceiveNMEA* FReceiveNMEA = nullptr;

namespace {

enum { colPGN = 1, colSA, colTP, colFP, colStart, colNByte, colDelete, colMnemonic };

constexpr TTable_Column Columns[] = {
    { 3214, edNormal, 40 },
    { 3215, edNormal, 80, "PGN", "", 3223 },
    { 3216, edNormal, 95, "SA", "", 3224 },
    { 3217, edDataCheckBox, 113, "TP", "N", 3225 },
    { 3218, edDataCheckBox, 73, "FP", "N", 3226 },
    { 3219, edNormal, 65, "TP_Start", "", 3227 },
    { 3220, edNormal, 50, "TP_NByte", "", 3228 },
    { 3221, edDataCheckBox, 74, "Delete", "N", 3229 },
    { 3222, edNormal, 195, "Mnemonic", "", 3230 },
};

constexpr TTable_Grid Grids[] = { NMEA_Frames_Grid(Columns, colPGN) };

constexpr TTable_Layout Editor_Layout = NMEA_Frames_Layout("FReceiveNMEA", &File_NMEA_Rec_Frames, Grids, 3200, 3231, 3243);

constexpr int32_t Receive_Data_Area = 512;

constexpr TRange_Check Key_Checks[] = {
    { colPGN, 0, Max_PGN, 3232 },
    { colSA, 0, Max_Source_Address, 3233 },
};

// The payload a frame kind carries, and the texts of its two window checks.
struct TFrame_Window {
    int32_t Payload;
    int32_t Start_Text, Sum_Text;
};
constexpr TFrame_Window Transport_Window = { 1785, 3234, 3235 };
constexpr TFrame_Window Fast_Packet_Window = { 223, 3236, 3237 };

bool Check_Multi_Frame(TEntry_Check& entry, const TFrame_Window& window, int32_t& bytes)
{
    if (!entry.Range(colStart, 0, window.Payload, window.Start_Text))
        return false;
    const int32_t start = entry.Number(colStart);
    const int32_t count = entry.Number(colNByte);
    if (count < 0 || start + count > window.Payload)
        return entry.Fail(window.Sum_Text);
    bytes = count;
    return true;
}

} // namespace

TFReceiveNMEA::TFReceiveNMEA(TComponent* owner) : TNMEA_Frames_Editor(owner, Editor_Layout) { }

TFReceiveNMEA::~TFReceiveNMEA()
{
    if (FReceiveNMEA == this)
        FReceiveNMEA = nullptr;
}

void TFReceiveNMEA::Show_Limits() { NUM_BYTE_IN = Receive_Data_Area; }

bool TFReceiveNMEA::Check_Window(TEntry_Check& entry, int32_t& bytes) const
{
    if (entry.Cell(colTP) == Yes_Text)
        return Check_Multi_Frame(entry, Transport_Window, bytes);
    if (entry.Cell(colFP) == Yes_Text)
        return Check_Multi_Frame(entry, Fast_Packet_Window, bytes);
    const bool noStart = entry.Is_Empty(colStart);
    const bool noCount = entry.Is_Empty(colNByte);
    if (noStart && noCount)
        return true;
    if (noStart != noCount)
        return entry.Fail(3238);
    // The window is counted from byte 0 of the payload, as the image builder
    // lays it out; text that is no number must not pass as a negative one.
    if (!entry.Range(colStart, 0, Single_Frame_Payload, 3356) || !entry.Range(colNByte, 0, Single_Frame_Payload, 3357))
        return false;
    if (entry.Number(colStart) + entry.Number(colNByte) > Single_Frame_Payload)
        return entry.Fail(3241);
    bytes = entry.Number(colNByte);
    return true;
}

bool TFReceiveNMEA::Check_Entry(int32_t, TEntry_Check& entry)
{
    if (!entry.Ranges(Key_Checks))
        return false;
    int32_t bytes = Single_Frame_Payload;
    if (!Check_Window(entry, bytes))
        return false;
    FTotal += bytes;
    if (FTotal > NUM_BYTE_IN)
        return entry.Fail_Total(3242, NUM_BYTE_IN);
    return true;
}
