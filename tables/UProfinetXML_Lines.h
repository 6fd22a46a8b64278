#pragma once

#include <cstdint>

// The lines of the GSDML file, each with its leading white space.
struct TGSDML_Line {
    const char* Indent;
    const char* Text;
};

extern const TGSDML_Line GSDML_Lines[];
extern const int32_t GSDML_Line_Count;
