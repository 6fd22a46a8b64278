#pragma once

#include "platform/core/Exception.h"

#include <cstdint>

class TXMLDocument;

// What the updater is asked to load: both firmware and configuration, the
// firmware alone or the configuration alone.
enum TUpdate_Option : int32_t { uoFirmware_Configuration, uoFirmware, uoConfiguration };

struct TUpdate_Job {
    String IP_Address; // the octets joined with "." as typed
    int32_t Option = uoFirmware_Configuration;
    bool Read_Back = false;
    String Master_Path;
    String Project_Path;
};

// Rewrites the updater's job file whole: the ports, the protection word and
// one operation per file to load, the last of them sending the device back
// to its application.
void Compile_XML_Parameter_New_Boot(TXMLDocument& XML1, const String& fileName, const TUpdate_Job& job);
