#include "grid/base/VidEri_FileStringList.h"

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(String& s)
{
    s = Strings(fp);
    ++fp;
}

void TFileStringList::WriteLn(const String& s)
{
    Add(cache + s);
    cache.clear();
}
