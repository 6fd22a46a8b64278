#pragma once

#include "platform/core/SysUtils.h"

#include <cstdint>

class TXMLDocument;

// The EnOcean area of bank2.bin as it lies at device address base: the
// header, then the device, security, profile, case and variable tables.
TBytes Compile_EnOcean_Area(TXMLDocument& XML1, const String& enOceanFile, uint32_t base);
