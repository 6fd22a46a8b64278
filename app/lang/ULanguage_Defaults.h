#pragma once

#include <cstdint>
#include <span>

struct TLang_Default {
    int16_t Index;
    const char* Text;
};

// The English texts that carry words, in ascending index order.
std::span<const TLang_Default> Lang_Defaults();
