#pragma once

#include "platform/core/Strings.h"

#include <cstdint>

// What both NMEA 2000 frame tables check alike.
inline constexpr int32_t Max_PGN = 0x1FFFF;
inline constexpr int32_t Max_Source_Address = 239;
inline constexpr int32_t Single_Frame_Payload = 8;
// A ticked box; the frame tables compare with it exactly.
inline const String Yes_Text = QStringLiteral("Y");
