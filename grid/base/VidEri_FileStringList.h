#pragma once

#include "platform/core/StringList.h"

#include <cstdint>

// A string list read and written as a line file: Write collects text on a
// pending line that WriteLn ends, ReadLn walks the lines from the first.
// Loading and saving are the string list's own.
class TFileStringList : public TStringList {
public:
    void Reset();
    bool Eof() const { return fp >= Count(); }
    // The line at the read position, which then moves on; past the last line
    // it raises the list's index error and the position stays (test Eof first).
    void ReadLn(String& s);
    void Write(const String& s) { cache += s; }
    void WriteLn(const String& s);

private:
    int32_t fp = 0;
    String cache;
};
