#include "tables/UTable_Messages.h"

String Insert_Refused_Message(int32_t lastRow)
{
    return QStringLiteral("Row %1, the last of the table, holds an entry: a row inserted now would push it out. "
                          "Delete a row first.").arg(lastRow);
}

String Load_Problems_Message(const String& fileName, const String& problems)
{
    return QStringLiteral("The file \"%1\" was not read completely:\n%2").arg(fileName, problems);
}

String Shortened_Table_Question(const String& shortfall)
{
    return QStringLiteral("The table shows less than its file held:\n%1\nSave the table as it is shown and lose the rest?")
        .arg(shortfall);
}

String Save_Failed_Message(const String& fileName, const String& reason)
{
    return QStringLiteral("The file \"%1\" could not be written: %2").arg(fileName, reason);
}

String Unreadable_File_Problem(const String& reason) { return QStringLiteral("it cannot be read (%1)").arg(reason); }

String Too_Many_Rows_Problem(const String& section, int32_t rows, int32_t capacity)
{
    return QStringLiteral("%1 holds %2 rows; the first %3 are shown, the others left out").arg(section).arg(rows).arg(capacity);
}

String Missing_Section_Problem(const String& section) { return QStringLiteral("%1 is missing").arg(section); }

String Missing_Attributes_Problem(int32_t count, const String& firstAttribute, int32_t firstRow)
{
    return QStringLiteral("%1 required values are missing (the first: %2 of row %3); they are shown empty")
        .arg(count).arg(firstAttribute).arg(firstRow);
}
