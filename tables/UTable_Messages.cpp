#include "tables/UTable_Messages.h"

#include "app/lang/ULanguage.h"

String Insert_Refused_Message(int32_t lastRow) { return Lang_Texts()[3343] + QString::number(lastRow); }

String Load_Problems_Message(const String& fileName, const String& problems)
{
    return Lang_Texts()[3344] + fileName + u'\n' + problems;
}

String Shortened_Table_Question(const String& shortfall)
{
    return Lang_Texts()[3345] + u'\n' + shortfall + u'\n' + Lang_Texts()[3346];
}

String Save_Failed_Message(const String& fileName, const String& reason)
{
    return Lang_Texts()[3347] + fileName + u'\n' + reason;
}

String Unreadable_File_Problem(const String& reason) { return Lang_Texts()[3348] + reason; }

String Too_Many_Rows_Problem(const String& section, int32_t rows, int32_t capacity)
{
    const TLang_Texts& texts = Lang_Texts();
    return texts[3349] + section + texts[3350] + QString::number(rows) + texts[3351] + QString::number(capacity);
}

String Missing_Section_Problem(const String& section) { return Lang_Texts()[3352] + section; }

String Missing_Attributes_Problem(int32_t count, const String& firstAttribute, int32_t firstRow)
{
    const TLang_Texts& texts = Lang_Texts();
    return texts[3353] + QString::number(count) + texts[3354] + firstAttribute + texts[3355] + QString::number(firstRow);
}
