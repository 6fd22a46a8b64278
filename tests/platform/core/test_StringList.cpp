#include "platform/core/StringList.h"

#include "platform/core/FileUtils.h"
#include "platform/core/Streams.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace std::string_view_literals;

namespace {

void Fill(TStringList& list, std::initializer_list<const char*> texts)
{
    for (const char* text : texts) list.Add(String::fromUtf8(text));
}

String Joined(const TStrings& list)
{
    String result;
    for (int32_t index = 0; index < list.Count(); ++index) {
        if (index > 0) result += u'|';
        result += list[index];
    }
    return result;
}

} // namespace

TEST(StringList, SortAndLookupIgnoreCase)
{
    TStringList list;
    Fill(list, { "beta", "Alpha", "gamma", "alpha", "Beta2" });
    EXPECT_EQ(list.IndexOf("ALPHA"), 1);
    list.Sort();
    EXPECT_EQ(Joined(list), "Alpha|alpha|beta|Beta2|gamma");
    EXPECT_EQ(list.IndexOf("GAMMA"), 4);
    EXPECT_EQ(list.IndexOf("delta"), -1);
}

TEST(StringList, SwitchingCaseSensitivityResortsASortedList)
{
    TStringList list;
    list.SetSorted(true);
    Fill(list, { "c", "B", "a" });
    EXPECT_EQ(Joined(list), "a|B|c");
    list.SetCaseSensitive(true);
    EXPECT_EQ(Joined(list), "B|a|c");
    EXPECT_EQ(list.IndexOf("B"), 0);
    EXPECT_EQ(list.IndexOf("c"), 2);
    EXPECT_EQ(list.IndexOf("b"), -1);
}

TEST(StringList, SortedListFollowsDuplicatesRule)
{
    struct Case {
        TDuplicates duplicates;
        const char* expected;
        bool throws;
    };
    const Case cases[] = {
        { dupIgnore, "a|B|c", false },
        { dupAccept, "a|b|B|c", false },
        { dupError, "a|B|c", true },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.expected);
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(testCase.duplicates);
        Fill(list, { "c", "B", "a" });
        if (testCase.throws)
            EXPECT_THROW(list.Add("b"), EStringListError);
        else
            EXPECT_EQ(list.Add("b"), 1);
        EXPECT_EQ(Joined(list), testCase.expected);
    }
}

TEST(StringList, SortedListRefusesPositionalChanges)
{
    TStringList list;
    list.SetSorted(true);
    Fill(list, { "b", "a" });
    EXPECT_THROW(list.Insert(0, "z"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "z"), EStringListError);
    EXPECT_EQ(Joined(list), "a|b");
    int32_t index = -1;
    EXPECT_FALSE(list.Find("aa", index));
    EXPECT_EQ(index, 1);
}

TEST(StringList, ObjectsTravelWithTheirStrings)
{
    int first = 1;
    int second = 2;
    TStringList list;
    list.AddObject("zulu", &first);
    list.AddObject("alpha", &second);
    list.Sort();
    EXPECT_EQ(list.Objects(0), &second);
    EXPECT_EQ(list.Objects(1), &first);
    EXPECT_EQ(list.IndexOfObject(&first), 1);
    list.Delete(0);
    EXPECT_EQ(list.Objects(0), &first);
    EXPECT_THROW(list.Objects(1), EStringListError);
}

TEST(StringList, CapacityKeepsTheStringsAndNeverCutsBelowTheCount)
{
    TStringList list;
    Fill(list, { "one", "two", "three" });
    list.SetCapacity(100);
    EXPECT_GE(list.Capacity(), 100);
    list.SetCapacity(1);
    EXPECT_GE(list.Capacity(), 3);
    Fill(list, { "four" });
    EXPECT_EQ(Joined(list), "one|two|three|four");
}

TEST(StringList, CommaTextQuotesWhatNeedsIt)
{
    struct Case {
        std::vector<const char*> strings;
        const char* commaText;
    };
    const std::vector<Case> cases = {
        { { "a", "b", "c" }, "a,b,c" },
        { { "a b", "c" }, "\"a b\",c" },
        { { "x,y", "q\"t" }, "\"x,y\",\"q\"\"t\"" },
        { { "a", "", "b" }, "a,,b" },
        { { "" }, "\"\"" },
        { {}, "" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.commaText);
        TStringList list;
        for (const char* text : testCase.strings) list.Add(text);
        EXPECT_EQ(list.CommaText(), testCase.commaText);
        TStringList parsed;
        parsed.SetCommaText(testCase.commaText);
        EXPECT_TRUE(parsed.Equals(list)) << Joined(parsed).toStdString();
    }
}

TEST(StringList, DelimitedTextSplitsAtBlanksUnlessQuotedOrStrict)
{
    struct Case {
        const char* text;
        bool strict;
        const char* expected;
    };
    const Case cases[] = {
        { "a;b c; d", false, "a|b|c|d" },
        { "'a b';'x''y'", false, "a b|x'y" },
        { "a;", false, "a|" },
        { "  ", false, "" },
        { "a;b c; d", true, "a|b c| d" },
        { "a;;b", true, "a||b" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        TStringList list;
        list.SetDelimiter(u';');
        list.SetQuoteChar(u'\'');
        list.SetStrictDelimiter(testCase.strict);
        list.SetDelimitedText(testCase.text);
        EXPECT_EQ(Joined(list), testCase.expected);
    }
}

TEST(StringList, TextSplitsAtEveryLineBreakKind)
{
    TStringList list;
    list.SetText("one\r\ntwo\nthree\rfour\r\n");
    EXPECT_EQ(Joined(list), "one|two|three|four");
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    list.SetText("\n\nx");
    EXPECT_EQ(Joined(list), "||x");
}

TEST(StringList, NamesAndValues)
{
    TStringList list;
    Fill(list, { "Key=1", "plain", "Other=a=b" });
    EXPECT_EQ(list.Values("KEY"), "1");
    EXPECT_EQ(list.Values("other"), "a=b");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.Values("missing"), "");
    list.SetValues("key", "2");
    list.SetValues("New", "3");
    list.SetValues("Other", "");
    EXPECT_EQ(Joined(list), "Key=2|plain|New=3");

    // A name is matched whole, never as the start of a longer one.
    TStringList longer;
    Fill(longer, { "KeyX=1" });
    EXPECT_EQ(longer.Values("Key"), "");
    longer.SetValues("Key", "2");
    EXPECT_EQ(Joined(longer), "KeyX=1|Key=2");
}

TEST(StringList, ChangeEventsAreHeldBackDuringAnUpdate)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&changes](TStringList*) { ++changes; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    list.SetCommaText("x,y,z");
    EXPECT_EQ(changes, 2);
}

TEST(StringList, FilesAreWrittenInTheirEncodingWithTheLineBreakAndReadBack)
{
    struct Case {
        const char* name;
        TTextEncoding encoding;
        const char* lineBreak; // nullptr: the default
        std::initializer_list<const char*> strings;
        std::string_view bytes;
    };
    const Case cases[] = {
        { "ansi", TTextEncoding::Ansi, nullptr, { "K\u00e4se", "\u20ac 5" }, "K\xE4se\r\n\x80 5\r\n"sv },
        { "utf-8 with mark and line feeds", TTextEncoding::Utf8Bom, "\n", { "a", "\u00e9" }, "\xEF\xBB\xBF" "a\n\xC3\xA9\n"sv },
        { "utf-8 without mark", TTextEncoding::Utf8, nullptr, { "\u00e9" }, "\xC3\xA9\r\n"sv },
        { "utf-16", TTextEncoding::Utf16Le, nullptr, { "a" }, "\xFF\xFE" "a\0\r\0\n\0"sv },
        { "oem 850", TTextEncoding::Oem850, nullptr, { "\u00f8", "" }, "\x9B\r\n\r\n"sv },
        { "oem 437", TTextEncoding::Oem437, nullptr, { "\u2554\u00e4" }, "\xC9\x84\r\n"sv },
        { "empty list", TTextEncoding::Ansi, nullptr, {}, ""sv },
    };
    QTemporaryDir temp;
    const String fileName = temp.path() + "/lines.txt";
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TStringList list;
        Fill(list, testCase.strings);
        if (testCase.lineBreak) list.SetLineBreak(testCase.lineBreak);
        list.SaveToFile(fileName, testCase.encoding);
        const TBytes written = ReadFileBytes(fileName);
        EXPECT_EQ(std::string(written.begin(), written.end()), std::string(testCase.bytes));

        TStringList reread;
        Fill(reread, { "old" });
        reread.LoadFromFile(fileName, testCase.encoding);
        EXPECT_EQ(Joined(reread), Joined(list));
    }
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "lines.txt" });
}

TEST(StringList, WhatAnEncodingCannotHoldIsWrittenAsAQuestionMark)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/lines.txt";
    TStringList list;
    Fill(list, { "K\u00e4se \u20ac", "\xf0\x9f\x98\x80" });
    list.SaveToFile(fileName, TTextEncoding::Ascii);
    const TBytes written = ReadFileBytes(fileName);
    EXPECT_EQ(std::string(written.begin(), written.end()), "K?se ?\r\n?\r\n");
}

TEST(StringList, LoadingFindsTheEncodingAndRefusesBrokenText)
{
    QTemporaryDir temp;
    struct Case {
        const char* name;
        std::string_view bytes;
        const char* expected; // nullptr: refused, the list is kept
    };
    const Case cases[] = {
        { "utf-8 mark", "\xEF\xBB\xBF" "a\r\n\xC3\xA9"sv, "a|\u00e9" },
        { "utf-16 mark", "\xFF\xFE" "a\0\n\0b\0"sv, "a|b" },
        { "utf-8 without mark", "\xC3\xA9\rx"sv, "\u00e9|x" },
        { "windows-1252 otherwise", "K\xE4se\n"sv, "K\u00e4se" },
        { "broken after a utf-8 mark", "\xEF\xBB\xBF" "\xE4"sv, nullptr },
        { "broken after a utf-16 mark", "\xFF\xFE" "a"sv, nullptr },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const String fileName = temp.path() + "/" + testCase.name;
        WriteFileAtomic(fileName, TBytes(testCase.bytes.begin(), testCase.bytes.end()));
        TStringList list;
        Fill(list, { "kept" });
        if (testCase.expected) {
            list.LoadFromFile(fileName);
            EXPECT_EQ(Joined(list), String::fromUtf8(testCase.expected));
        } else {
            try {
                list.LoadFromFile(fileName);
                ADD_FAILURE() << "no exception";
            } catch (const EConvertError& error) {
                EXPECT_TRUE(error.Message().contains(testCase.name)) << error.what();
            }
            EXPECT_EQ(Joined(list), "kept");
        }
    }
    TStringList list;
    Fill(list, { "kept" });
    EXPECT_THROW(list.LoadFromFile(temp.path() + "/absent"), EInOutError);
    EXPECT_EQ(Joined(list), "kept");
}

TEST(StringList, StreamsAreReadFromTheirPositionAndWrittenAtIt)
{
    TMemoryStream stream;
    stream.WriteBuffer("head", 4);
    TStringList list;
    Fill(list, { "a", "\u00e9" });
    list.SaveToStream(stream, TTextEncoding::Utf8);
    EXPECT_EQ(stream.Size(), 4 + 7);
    stream.SetPosition(4);
    TStringList reread;
    reread.LoadFromStream(stream);
    EXPECT_EQ(Joined(reread), "a|\u00e9");
    stream.SetPosition(4);
    reread.LoadFromStream(stream, TTextEncoding::Ansi);
    EXPECT_EQ(Joined(reread), "a|\u00c3\u00a9");
}
