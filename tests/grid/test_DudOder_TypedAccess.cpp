#include "grid/DudOder.h"

#include "platform/core/DateUtils.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(DudOderTypedAccess, IntegersReadFromStrippedTrimmedText)
{
    TDudStringGrid grid(nullptr);
    const struct {
        const char* Text;
        std::optional<int32_t> Value;
    } cases[] = {
        { "", 0 },
        { "   ", 0 },
        { "-", 0 },
        { " 42 ", 42 },
        { "-7", -7 },
        { "<b>12</b>", 12 },
        { "$1F", 31 },
        { "12a", std::nullopt },
        { "1.5", std::nullopt },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Text);
        grid.SetCells(1, 1, QString::fromUtf8(testCase.Text));
        if (testCase.Value)
            EXPECT_EQ(grid.Ints(1, 1), *testCase.Value);
        else
            EXPECT_THROW(grid.Ints(1, 1), EDudOderError);
    }
}

TEST(DudOderTypedAccess, AllIntsReadsTheRawText)
{
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral("<b>12</b>"));
    try {
        (void)grid.AllInts(1, 1);
        ADD_FAILURE() << "no error";
    } catch (const EDudOderError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Cell does not contain integer value"));
    }
}

TEST(DudOderTypedAccess, FloatsReadNormalisedNumbers)
{
    TFormatSettings settings;
    settings.DecimalSeparator = u'.';
    settings.ThousandSeparator = u',';
    const TFormatSettingsScope scope(settings);
    TDudStringGrid grid(nullptr);
    const struct {
        const char* Text;
        double Value;
    } cases[] = { { "", 0.0 }, { "-", 0.0 }, { "3.5", 3.5 }, { "1,234.5", 1234.5 }, { "(2.5)", -2.5 }, { "<i>7.25</i>", 7.25 } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Text);
        grid.SetCells(1, 1, QString::fromUtf8(testCase.Text));
        EXPECT_DOUBLE_EQ(grid.Floats(1, 1), testCase.Value);
    }
}

TEST(DudOderTypedAccess, FloatsAreWrittenWithTheFloatFormat)
{
    TFormatSettings settings;
    settings.DecimalSeparator = u'.';
    const TFormatSettingsScope scope(settings);
    TDudStringGrid grid(nullptr);
    grid.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("3.14"));
    grid.SetFloatFormat(QStringLiteral("%.3f"));
    grid.SetAllFloats(2, 1, 2.0);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("2.000"));
}

TEST(DudOderTypedAccess, NullDatesAreEmptyOnlyWhenAsked)
{
    TFormatSettings settings;
    settings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    settings.DateSeparator = u'/';
    const TFormatSettingsScope scope(settings);
    TDudStringGrid grid(nullptr);
    grid.SetDates(1, 1, 0.0);
    EXPECT_EQ(grid.Cells(1, 1), DateToStr(0.0));
    grid.SetShowNullDates(false);
    for (double date : { 0.0, -3.0 }) {
        SCOPED_TRACE(date);
        grid.SetDates(1, 1, date);
        EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
    }
    grid.SetDates(1, 1, 45000.0);
    EXPECT_DOUBLE_EQ(grid.Dates(1, 1), 45000.0);
}

TEST(DudOderTypedAccess, PrintColumnsOutsideTheTableRaise)
{
    TDudStringGrid grid(nullptr);
    EXPECT_EQ(grid.PrintColWidth(511), 0);
    EXPECT_THROW(grid.PrintColWidth(512), EDudOderError);
    EXPECT_THROW(grid.PrintColOffset(-1), EDudOderError);
}

TEST(DudOderTypedAccess, ColumnHeadersReplaceTheFixedRowRowHeadersOnlyOverwrite)
{
    TDudStringGrid grid(nullptr);
    for (int32_t column = 0; column < 5; ++column)
        grid.SetCells(column, 0, QStringLiteral("old"));
    for (int32_t row = 0; row < 5; ++row)
        grid.SetCells(0, row, QStringLiteral("old"));
    TStringList headers;
    headers.Add(QStringLiteral("A"));
    headers.Add(QStringLiteral("two\\nlines"));
    headers.Add(QStringLiteral("C"));
    grid.SetColumnHeaders(headers);
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("two\rlines"));
    EXPECT_TRUE(grid.Cells(3, 0).isEmpty());
    EXPECT_TRUE(grid.Cells(4, 0).isEmpty());
    grid.SetRowHeaders(headers);
    EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("C"));
    EXPECT_EQ(grid.Cells(0, 3), QStringLiteral("old"));
    grid.ColumnHeaders().SetStrings(2, QStringLiteral("changed"));
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("changed"));
}

TEST(DudOderTypedAccess, ControlValuesReadAndWriteTheMarkupControls)
{
    const struct {
        const char* Name;
        const char* Id;
        const char* Written;
        const char* Read;
        bool Changed;
    } cases[] = {
        { "the edit's value", "e1", "new", "new", true },
        { "the check box's value", "c1", "FALSE", "FALSE", true },
        { "an ID the cell does not hold", "none", "x", "", false },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        TDudStringGrid grid(nullptr);
        const String cell = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\"> and "
                                           "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\">");
        grid.SetCells(1, 1, cell);
        const String id = QString::fromLatin1(testCase.Id);
        grid.SetCtrlVal(1, 1, id, QString::fromLatin1(testCase.Written));
        EXPECT_EQ(grid.ControlValues(1, 1, id), QString::fromLatin1(testCase.Read));
        EXPECT_EQ(grid.Cells(1, 1) != cell, testCase.Changed);
    }
    TDudStringGrid grid(nullptr);
    grid.SetCells(1, 1, QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"a &amp; b\">"));
    EXPECT_EQ(grid.ControlValues(1, 1, QStringLiteral("e1")), QStringLiteral("a & b"));
}

} // namespace
