#include "grid/base/VidEri.h"

#include <gtest/gtest.h>

namespace {

// Counts change notifications and remembers the cell they named.
struct TChangeLog {
    int Count = 0;
    int32_t Col = -1;
    int32_t Row = -1;

    void Attach(TIntList& list)
    {
        list.OnChange = [this](TIntList*, int32_t col, int32_t row) {
            ++Count;
            Col = col;
            Row = row;
        };
    }
};

} // namespace

TEST(IntList, ReportsAddReplaceAndDeleteButNotInsertOrClear)
{
    TIntList list(3, 7);
    TChangeLog log;
    log.Attach(list);
    list.Add(10);
    list.Add(20);
    EXPECT_EQ(log.Count, 2);
    EXPECT_EQ(log.Col, 3);
    EXPECT_EQ(log.Row, 7);
    list.Insert(0, 5);
    EXPECT_EQ(log.Count, 2);
    list.SetItems(1, 11);
    EXPECT_EQ(log.Count, 3);
    list.DeleteValue(99);
    EXPECT_EQ(log.Count, 3);
    list.DeleteValue(11);
    EXPECT_EQ(log.Count, 4);
    EXPECT_EQ(list.StrValue(), "5,20");
    EXPECT_TRUE(list.HasValue(20));
    EXPECT_FALSE(list.HasValue(11));
    list.Delete(0);
    EXPECT_EQ(log.Count, 5);
    list.Clear();
    EXPECT_EQ(log.Count, 5);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.StrValue(), "");
}

TEST(IntList, RejectsIndexesOutsideTheList)
{
    TIntList list(0, 0);
    list.Add(1);
    EXPECT_THROW(list.Items(1), EListError);
    EXPECT_THROW(list.SetItems(-1, 0), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, 0), EListError);
    list.Insert(1, 2);
    EXPECT_EQ(list.StrValue(), "1,2");
}

TEST(IntList, ReadsItsValueAsCommaText)
{
    struct Case {
        const char* text;
        const char* stored;
        int changes;
    };
    const Case cases[] = {
        { "1,2,3", "1,2,3", 3 },
        { " 4 5,6 ", "4,5,6", 3 },
        { "\"7\",-8", "7,-8", 2 },
        { "$10", "16", 1 },
        { "", "", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TIntList list(0, 0);
        list.Add(42);
        TChangeLog log;
        log.Attach(list);
        list.SetStrValue(String::fromUtf8(c.text));
        EXPECT_EQ(list.StrValue(), String::fromUtf8(c.stored));
        EXPECT_EQ(log.Count, c.changes);
    }
}

TEST(IntList, BadCommaTextIsRefusedAndKeepsTheItems)
{
    // A trailing comma adds an empty part.
    for (const char* text : { "1,x,3", "1,", "x" }) {
        SCOPED_TRACE(text);
        TIntList list(0, 0);
        list.Add(42);
        list.Add(7);
        TChangeLog log;
        log.Attach(list);
        EXPECT_THROW(list.SetStrValue(String::fromUtf8(text)), EConvertError);
        EXPECT_EQ(list.StrValue(), "42,7");
        EXPECT_EQ(log.Count, 0);
    }
}

TEST(SortIndexList, KeepsColumnAndDirectionInOneItem)
{
    TSortIndexList list(0, 0);
    list.AddIndex(2, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.Items(0), 2);
    EXPECT_EQ(static_cast<uint32_t>(list.Items(1)), 0x80000005u);
    EXPECT_EQ(list.FindIndex(5), 1);
    EXPECT_EQ(list.FindIndex(7), -1);
    EXPECT_EQ(list.SortColumns(1), 5);
    EXPECT_FALSE(list.SortDirections(1));
    EXPECT_TRUE(list.SortDirections(0));

    list.SetSortColumns(1, 9);
    EXPECT_EQ(list.SortColumns(1), 9);
    EXPECT_FALSE(list.SortDirections(1));
    list.SetSortDirections(1, true);
    EXPECT_EQ(list.Items(1), 9);
    list.SetSortDirections(0, false);
    EXPECT_EQ(list.SaveToString(), "d2;u9");

    TChangeLog log;
    log.Attach(list);
    list.ToggleIndex(9);
    EXPECT_FALSE(list.SortDirections(1));
    EXPECT_EQ(log.Count, 1);
    list.ToggleIndex(4);
    EXPECT_EQ(log.Count, 1);
    EXPECT_EQ(list.SaveToString(), "d2;d9");
}

TEST(SortIndexList, WritesTheSortOrderString)
{
    TSortIndexList list(0, 0);
    EXPECT_EQ(list.SaveToString(), "");
    list.AddIndex(2, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.SaveToString(), "u2;d5");
    TSortIndexList wide(0, 0);
    wide.AddIndex(70000, false);
    EXPECT_EQ(wide.SaveToString(), "d70000"); // the whole column, not its low 16 bits
}

TEST(SortIndexList, ReadsTheSortOrderString)
{
    struct Case {
        const char* text;
        const char* stored;
    };
    const Case cases[] = {
        { "", "" },
        { "u2;d5", "u2;d5" },
        { "u;d5", "d5" },
        { "x3", "d3" },
        { "u2;;d1;", "u2;d1" },
        { "u 7", "u7" },
        { "u$1F", "u31" },
        { "u12abc", "u12" },
        { "u-1;d2", "d2" },
        { "u99999999999;d2", "d2" },
        { "d2147483647", "d2147483647" },
        { "u2147483648", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TSortIndexList list(0, 0);
        list.AddIndex(8, true);
        list.LoadFromString(String::fromUtf8(c.text));
        EXPECT_EQ(list.SaveToString(), String::fromUtf8(c.stored));
    }
}
