#pragma once

#include "app/UComon.h"
#include "tables/UTable_Editor.h"

#include <cstdint>

// What both NMEA 2000 frame tables share: one grid of 62 frames whose rows
// hang under the root, the same form, checks and a byte total counted over
// one check pass.
inline constexpr int32_t Max_PGN = 0x1FFFF;
inline constexpr int32_t Max_Source_Address = 239;
inline constexpr int32_t Single_Frame_Payload = 8;
// A ticked box; the frame tables compare with it exactly.
inline const String Yes_Text = QStringLiteral("Y");

inline constexpr TTable_Grid NMEA_Frames_Grid(std::span<const TTable_Column> columns, int32_t key_column)
{
    return { "sga", nullptr, 62, columns, key_column, false };
}

// The texts of a frame table are numbered from First_Text on: caption,
// description, the six button captions, then their six hints. Both files carry
// the receive file's root name, as the device's tools have always read them.
inline constexpr TTable_Layout NMEA_Frames_Layout(const char* form_name, const String* file,
    std::span<const TTable_Grid> grids, int32_t first_text, int32_t row_prefix, int32_t delete_question)
{
    const int32_t t = first_text;
    return { form_name, 810, 337, file, "Receive_NMEA_2000", "1.000", grids, false, false,
        { t, t + 1, { t + 2, t + 3, t + 4, t + 5, t + 6, t + 7 }, { t + 8, t + 9, t + 10, t + 11, t + 12, t + 13 }, {},
            row_prefix, delete_question } };
}

class TNMEA_Frames_Editor : public TTable_Editor {
public:
    TNMEA_Frames_Editor(TComponent* owner, const TTable_Layout& layout) : TTable_Editor(owner, layout), sga(&Grid(0)) { }

    bool Controllo_Dati() { return Controllo_dati(); }
    bool Do_Copy() const { return Copy_Flag(0); }

    TDudColumnGrid* sga;

protected:
    void Begin_Check() override { FTotal = 0; }

    // The bytes of the entries checked so far.
    int64_t FTotal = 0;
};
