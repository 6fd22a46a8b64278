#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <string>

// The PROFIBUS DP device description (GSD) of the EnOcean / PROFIBUS slave
// converter: fixed keywords and a module list sized by the bytes the gateway
// exchanges with the master, as the project's ParGen.xml sets them.

// The whole export: reads the byte counts (text 1704 without ParGen.xml),
// asks for the file name, asks before an existing file is replaced (text
// 1703) and writes it. A file that cannot be read or written is reported by
// name and nothing is written.
void Create_GSD_File();
// Writes the text for the counts the export read, replacing the file whole
// (atomically); EInOutError naming the file when it cannot.
void Write_GSD_File(const String& File_Name);

// The file's text for these counts: ASCII, every line closed by CR LF. NB_IN
// are the bytes the gateway receives from the master, NB_OUT those it sends.
std::string GSD_File_Text(int32_t NB_IN, int32_t NB_OUT);
