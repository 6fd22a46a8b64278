#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <string>

// The PROFINET device description (GSDML, schema version 2.31): one device
// access point with its interface and two ports, and one module whose input
// and output lengths come from the project's ParGen.xml.

// Asks for the folder (the file always gets File_Name), asks before an
// existing file is replaced (text 1811) and writes it. A ParGen.xml that
// cannot be read, or a file that cannot be written, is reported by name and
// nothing is written.
void Save_GSDML_File(const String& File_Name);
// The three export parameters from ParGen.xml, or their defaults; EXMLError
// when the file exists but cannot be read.
void Read_Profinet_Parameters();
// Read_Profinet_Parameters, then the file written whole (atomically);
// EInOutError naming the file when it cannot be written.
void Write_GSDML_File(const String& Path);

// The file's bytes: UTF-8 with a byte-order mark, every line closed by CR LF.
// NB_IN are the bytes the controller sends to the gateway (the module's
// Output), NB_OUT those it receives (its Input). The station name is escaped
// as an attribute value.
std::string GSDML_File_Bytes(int32_t NB_IN, int32_t NB_OUT, const String& Station_Name);
