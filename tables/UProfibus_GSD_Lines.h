#pragma once

#include <cstdint>

// The fixed parts of the GSD file, as tables of lines.

enum class TGSD_Line_Kind { Text, Empty, Heading };

// Text: one line. Empty: Count empty lines. Heading: three lines of width
// Count around the title Text.
struct TGSD_Line {
    TGSD_Line_Kind Kind;
    int32_t Count;
    const char* Text;
};

// The lines of the maker's box at the top of the file, each set in an
// 80-character field.
extern const char* const GSD_Box_Fields[18];
// From the lines after the box to "Modular_Station=1".
extern const TGSD_Line GSD_Keywords[];
extern const int32_t GSD_Keywords_Count;
// From "Max_Diag_Data_Len=15" to the empty line before the modules.
extern const TGSD_Line GSD_Module_Keywords[];
extern const int32_t GSD_Module_Keywords_Count;
