#pragma once

#include "platform/core/StringList.h"

#include <cstdint>

// The language choice of the options dialog: the language files found, shown
// six to a page, each with its flag picture.

inline constexpr int32_t Lang_Slots_Per_Page = 6;

// The names, with extension, of the language files in the folder, sorted
// without regard to case.
void Create_Lang_List(const String& folder, TStringList& SL_Languages);

// (N + 5) div 6: 0 pages with no language at all.
inline int32_t Lang_Page_Count(int32_t languageCount) { return (languageCount + Lang_Slots_Per_Page - 1) / Lang_Slots_Per_Page; }
// The number of slots shown on page (from 1), 0 to 6.
int32_t Lang_Slots_On_Page(int32_t languageCount, int32_t page);
// The language of slot (from 0) on page (from 1): its file name without ".lng".
String Lang_Name_At(const TStrings& SL_Languages, int32_t page, int32_t slot);

// "Page <page> / <count>" in the texts of the table.
String Lang_Page_Caption(int32_t page, int32_t pageCount);
// The question before switching the language from one to another.
String Change_Language_Question(const String& from, const String& to);

// The flag picture of the language: "<name>.bmp", else "DefaultFlag.bmp", in
// the folder, found without regard to case; empty when neither exists.
String Lang_Flag_File(const String& folder, const String& name);

// Loads the text table in the language called name while Language_Name keeps
// its value: the workspace language changes only when the options are confirmed.
void Load_Language_Texts(const String& name);
