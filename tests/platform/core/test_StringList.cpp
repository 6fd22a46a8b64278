#include "platform/core/StringList.h"

#include <gtest/gtest.h>

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
