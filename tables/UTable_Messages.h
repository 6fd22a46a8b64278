#pragma once

#include "platform/core/Strings.h"

#include <cstdint>

// What the table editors say where a project file or a row button would
// otherwise lose rows without a word.

// Insert Row on a table whose last row holds an entry.
String Insert_Refused_Message(int32_t lastRow);
// After a load that left something of the file out of the grid: the file and
// each thing left out, one per line.
String Load_Problems_Message(const String& fileName, const String& problems);
// Before OK writes a table that holds less than the file it replaces.
String Shortened_Table_Question(const String& shortfall);
// A project file that could not be written.
String Save_Failed_Message(const String& fileName, const String& reason);

// The problems a load reports, each a line of Load_Problems_Message.
String Unreadable_File_Problem(const String& reason);
String Too_Many_Rows_Problem(const String& section, int32_t rows, int32_t capacity);
String Missing_Section_Problem(const String& section);
String Missing_Attributes_Problem(int32_t count, const String& firstAttribute, int32_t firstRow);
