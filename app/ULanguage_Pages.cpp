#include "app/ULanguage_Pages.h"

#include "app/UComon.h"
#include "app/lang/ULanguage.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"

#include <algorithm>

void Create_Lang_List(const String& folder, TStringList& SL_Languages)
{
    SL_Languages.Clear();
    for (const String& name : ListFiles(folder, QStringLiteral("*.lng")))
        SL_Languages.Add(name);
    SL_Languages.Sort();
}

int32_t Lang_Slots_On_Page(int32_t languageCount, int32_t page)
{
    return std::clamp(languageCount - Lang_Slots_Per_Page * (page - 1), 0, Lang_Slots_Per_Page);
}

String Lang_Name_At(const TStrings& SL_Languages, int32_t page, int32_t slot)
{
    const String fileName = SL_Languages[(page - 1) * Lang_Slots_Per_Page + slot];
    return fileName.first(fileName.size() - 4);
}

String Lang_Page_Caption(int32_t page, int32_t pageCount)
{
    return Lang_Texts()[305] + IntToStr(page) + Lang_Texts()[306] + IntToStr(pageCount);
}

String Change_Language_Question(const String& from, const String& to)
{
    return Lang_Texts()[316] + from + Lang_Texts()[317] + to + Lang_Texts()[318];
}

String Lang_Flag_File(const String& folder, const String& name)
{
    const String own = Find_Language_File(folder, name + QStringLiteral(".bmp"));
    return own.isEmpty() ? Find_Language_File(folder, QStringLiteral("DefaultFlag.bmp")) : own;
}

void Load_Language_Texts(const String& name)
{
    const String remembered = Language_Name;
    Language_Name = name;
    Load_Language(Language_Path, Language_Name);
    Language_Name = remembered;
}
