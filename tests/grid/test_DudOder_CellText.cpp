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

} // namespace
