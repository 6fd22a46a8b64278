#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <vector>

// The program's numbered texts: English defaults, replaced by number from a
// language file. Dialogs read an entry by its fixed index.
class TLang_Texts {
public:
    static constexpr int32_t Default_Count = 3400;

    // Number of entries: Default_Count once the defaults are loaded, 0 before.
    int32_t Num_Lang_Texts() const { return static_cast<int32_t>(FTexts.size()); }
    // An index outside the table reads as a blank, like an unused entry.
    const String& Text(int32_t index) const;
    const String& operator[](int32_t index) const { return Text(index); }

    void Load_Default_Texts();
    // Applies one language file over the entries present; false, with the
    // entries unchanged, when the file cannot be read or is not valid text
    // in the encoding its byte-order mark announces.
    bool Read_Lang_File(const String& File_Name);
    // Applies the lines of an already decoded language file.
    void Read_Lang_Text(const String& content);

private:
    void Apply_Line(const String& line);

    std::vector<String> FTexts;
};

// The one table of the run, read by every dialog.
TLang_Texts& Lang_Texts();

// The path of the file called name in folder (a language file or its flag),
// found without regard to case; empty when there is no such file.
String Find_Language_File(const String& folder, const String& name);

// Rebuilds the table: defaults, then Language_Name's file from Language_Path.
// Without that file Language_Name becomes "English" and the English file, when
// present, is read instead.
void Load_Language(TLang_Texts& texts, const String& Language_Path, String& Language_Name);
void Load_Language(const String& Language_Path, String& Language_Name);
