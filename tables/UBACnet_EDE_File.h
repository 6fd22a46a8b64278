#pragma once

#include "platform/core/Exception.h"

#include <cstdint>

class TXMLDocument;

// The BACnet objects of the open project as an EDE file: the semicolon-
// separated engineering-data list BACnet integrators import, read from
// BACnet_Slave.xml with the device settings of ParGen.xml.

// One exported object; every field is text as the file writes it.
class TBACnet_EDE_Obj {
public:
    String Keyname;
    String DevObjInstance;
    String ObjectName;
    String ObjectType;
    String ObjectInstance;
    String Description;
    String UnitCode;
};

// Writes the EDE file through XML1. A project file that cannot be read, or a
// file that cannot be written, is reported by name and leaves an existing
// EDE file as it was; false then.
bool BACnet_EDE_Export(TXMLDocument& XML1, const String& File_Name);
// The export without its report: EXMLError for a project file that cannot
// be read or lacks a section or a row attribute, EInOutError for a write.
void Create_EDE_File(TXMLDocument& XML1, const String& File_Name);

// The BACnet object-type number of a Data Type text (trimmed, any case); 0
// for a text it does not know.
int32_t EDE_Object_Type_Code(const String& Text);
// The local time as the file's header writes it: hh:mm:ss dd/mm/yyyy.
String EDE_Timestamp();
