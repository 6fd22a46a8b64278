#include "grid/DudOder.h"

#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(DudOderCellText, FormattedCellsFollowTheFloatFormatEvent)
{
    TFormatSettings settings;
    settings.DecimalSeparator = u'.';
    const TFormatSettingsScope scope(settings);
    TDudStringGrid grid(nullptr);
    const struct {
        const char* Text;
        const char* Format;
        const char* Shown;
    } cases[] = {
        { "3.14159", "%.2f", "3.14" },
        { "42", "%.1f", "42.0" },
        { "7", "%d items", "7 items" },
        { "letters", "%.2f", "letters" },
        { "2.5", "%s", "2.5" },
        { "2.5", "", "2.5" },
    };
    String format;
    grid.OnGetFloatFormat = [&format](TDudStringGrid*, int32_t, int32_t, bool&, String& floatFormat) {
        floatFormat = format;
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Text);
        format = QString::fromUtf8(testCase.Format);
        grid.SetCells(1, 1, QString::fromUtf8(testCase.Text));
        EXPECT_EQ(grid.GetFormattedCell(1, 1), QString::fromUtf8(testCase.Shown));
    }
}

TEST(DudOderCellText, WithoutTheEventTheCellShowsItsText)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral("3.14159"));
    EXPECT_EQ(grid.GetFormattedCell(1, 1), QStringLiteral("3.14159"));
}

TEST(DudOderCellText, SavedCellsLoseTheirMarkupUnlessKept)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral("<b>bold</b><br>next"));
    String saved;
    grid.DoSaveCell(1, 1, saved);
    EXPECT_EQ(saved, QStringLiteral("<b>bold</b><br>next"));
    grid.SetSaveWithHTML(false);
    grid.DoSaveCell(1, 1, saved);
    EXPECT_EQ(saved, QStringLiteral("bold\r\nnext"));
    grid.OnSaveCell = [](TDudStringGrid*, int32_t, int32_t, String& value) { value += QStringLiteral("!"); };
    grid.DoSaveCell(1, 1, saved);
    EXPECT_EQ(saved, QStringLiteral("bold\r\nnext!"));
}

TEST(DudOderCellText, LoadedCellsPassTheEvent)
{
    TDudStringGrid grid(nullptr);
    grid.OnLoadCell = [](TDudStringGrid*, int32_t, int32_t, String& value) { value = value.toUpper(); };
    grid.DoLoadCell(2, 2, QStringLiteral("abc"));
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("ABC"));
}

TEST(DudOderCellText, DeletingTheOnlyDataRowClearsIt)
{
    TDudStringGrid grid(nullptr);
    grid.SetRowCount(2);
    grid.SetCells(1, 1, QStringLiteral("only"));
    int32_t deleted = -1;
    grid.OnAutoDeleteRow = [&deleted](TDudStringGrid*, int32_t aRow) { deleted = aRow; };
    grid.KeyDeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
    EXPECT_EQ(deleted, 1);

    grid.SetRowCount(4);
    grid.SetCells(1, 2, QStringLiteral("second"));
    grid.SetColors(1, 2, clRed);
    grid.KeyDeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("second"));
    EXPECT_EQ(grid.GetColors(1, 1), clRed);
    EXPECT_EQ(grid.GetColors(1, 2), clNone);
}

TEST(DudOderCellText, KeyInsertRowOpensAnEmptyRow)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 2, QStringLiteral("was two"));
    grid.KeyInsertRow(2);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_TRUE(grid.Cells(1, 2).isEmpty());
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("was two"));
}

TEST(DudOderCellText, RichCellsAreSavedOnOneLineOrAsTheirText)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}\r\n\\f0\\fs20 {\\b bold} text}"));
    struct Case {
        bool withRtf;
        const char* saved;
    };
    const Case cases[] = {
        { true, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 {\\b bold} text}" },
        { false, "bold text" },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.withRtf);
        grid.SetSaveWithRTF(entry.withRtf);
        String saved;
        grid.DoSaveCell(1, 1, saved);
        EXPECT_EQ(saved, QString::fromLatin1(entry.saved));
        EXPECT_FALSE(saved.contains(QLatin1Char('\n')));
    }
}

// A node on row 2 over rows 2..4; rows 5.. are plain rows of no node.
TEST(DudOderCellText, InsertAndDeleteKeysKeepTheOutline)
{
    struct Case {
        const char* name;
        void (*keys)(TDudStringGrid&);
        int32_t rowCount;
        int32_t span;
    };
    const Case cases[] = {
        { "a row inserted inside the node joins it", [](TDudStringGrid& g) { g.KeyInsertRow(3); }, 11, 4 },
        { "a row inserted after the node stays outside",
            [](TDudStringGrid& g) { g.KeyInsertRow(6); }, 11, 3 },
        { "a child deleted leaves the node smaller", [](TDudStringGrid& g) { g.KeyDeleteRow(4); }, 9, 2 },
        { "a plain row deleted leaves the node alone", [](TDudStringGrid& g) { g.KeyDeleteRow(7); }, 9, 3 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TDudStringGrid grid(nullptr);
        grid.AddNode(2, 3);
        entry.keys(grid);
        EXPECT_EQ(grid.RowCount(), entry.rowCount);
        EXPECT_TRUE(grid.IsNode(2));
        EXPECT_EQ(grid.GetNodeSpan(2), entry.span);
    }
}

} // namespace
