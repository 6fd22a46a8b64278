#include "tables/UTransmitNMEA.h"


TFTransmitNMEA* FTransmitNMEA = nullptr;

namespace {

enum { colPriority = 1, colPGN, colSA, colFP, colNByte, colRequest, colDataChange, colOnTimer, colSendTimer, colMnemonic };

constexpr TTable_Column Columns[] = {
    { 3314, edNormal, 40 },
    { 3315, edNormal, 50, "Priority", "", 3325 },
    { 3316, edNormal, 75, "PGN", "", 3326 },
    { 3317, edNormal, 95, "SA", "", 3327 },
    { 3318, edDataCheckBox, 75, "FP", "N", 3328 },
    { 3319, edNormal, 60, "TP_NByte", "", 3329 },
    { 3320, edDataCheckBox, 55, "On_Request", "N", 3330 },
    { 3321, edDataCheckBox, 80, "On_Data_Change", "N", 3331 },
    { 3322, edDataCheckBox, 64, "On_Timer", "N", 3332 },
    { 3323, edNormal, 75, "SendTimer", "", 3333 },
    { 3324, edNormal, 116, "Mnemonic", "", 3334 },
};

constexpr TTable_Grid Grids[] = { NMEA_Frames_Grid(Columns, colPGN) };

constexpr TTable_Layout Editor_Layout = NMEA_Frames_Layout("FTransmitNMEA", &File_NMEA_Send_Frames, Grids, 3300, 3335, 3342);

constexpr int32_t Send_Data_Area = 512;

constexpr TRange_Check Key_Checks[] = {
    { colPriority, 0, 7, 3336 },
    { colPGN, 0, Max_PGN, 3337 },
    { colSA, 0, Max_Source_Address, 3338 },
};

} // namespace

TFTransmitNMEA::TFTransmitNMEA(TComponent* owner) : TNMEA_Frames_Editor(owner, Editor_Layout) { }

TFTransmitNMEA::~TFTransmitNMEA()
{
    if (FTransmitNMEA == this)
        FTransmitNMEA = nullptr;
}

void TFTransmitNMEA::Show_Limits() { NUM_BYTE_OUT = Send_Data_Area; }

bool TFTransmitNMEA::Check_Entry(int32_t, TEntry_Check& entry)
{
    if (!entry.Ranges(Key_Checks) || !entry.Range_With_Limit(colNByte, 0, NUM_BYTE_OUT, 3339, NUM_BYTE_OUT))
        return false;
    FTotal += entry.Number(colNByte);
    if (FTotal > NUM_BYTE_OUT)
        return entry.Fail_Total(3340, NUM_BYTE_OUT);
    if (entry.Cell(colOnTimer) == Yes_Text)
        return entry.Range(colSendTimer, 1, 65535, 3341);
    return true;
}
