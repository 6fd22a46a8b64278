#pragma once

#include <array>

// The upper halves of the 8-bit code pages the program reads and writes; the
// lower halves are ASCII.

// 0x80-0x9F of Windows-1252 (0xA0-0xFF equal their code points). The five
// unassigned bytes keep their C1 code points, as the Windows conversion does.
extern const std::array<char16_t, 32> Windows1252Controls;
// 0x80-0xFF of the OEM code pages 437 (United States) and 850 (Western Europe).
extern const std::array<char16_t, 128> Oem437Upper;
extern const std::array<char16_t, 128> Oem850Upper;
