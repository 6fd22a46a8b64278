#pragma once

#include "platform/core/Exception.h"

class TXMLDocument;

inline const String Settings_File_Name = QStringLiteral("Trelvador.xml");

// The settings file beside the executable, found without regard to case.
String Settings_File();

// Sets Project_Name, Device_IP, Language_Name and the four options from the
// file through document. A missing file, one that cannot be read or is not
// well-formed XML gives every entry its default; a missing element gives its
// own entry the default. Project_Path is left to the caller.
void Read_Setting(TXMLDocument& document, const String& fileName);

// Rebuilds document as the settings file and writes it whole in place of the
// old one; EInOutError when it cannot be written.
void Save_Setting(TXMLDocument& document, const String& fileName);
