#pragma once

#include <cstdint>

// The BACnet engineering units the picker knows, codes 0 to 236.
inline constexpr int32_t Eng_Unit_Count = 237;
extern const char* const Eng_Unit_Names[Eng_Unit_Count];

// The categories the picker offers, each with its units' codes in list order;
// every code belongs to exactly one.
struct TEng_Unit_Category {
    const char* Name;
    const int32_t* Codes;
    int32_t Count;
};
inline constexpr int32_t Eng_Unit_Category_Count = 23;
extern const TEng_Unit_Category Eng_Unit_Categories[Eng_Unit_Category_Count];

// The name a category's list shows for the unit of that code (0 to 236).
const char* Eng_Unit_List_Name(int32_t code);
