#include "grid/DudOder.h"

#include "platform/core/Exception.h"
#include "platform/core/FileUtils.h"
#include "platform/core/IniFiles.h"
#include "platform/core/Registry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Row 0 names every column, so that moves and hides can be read back.
void NameColumns(TDudStringGrid& grid)
{
    for (int32_t column = 0; column < grid.ColCount(); ++column)
        grid.SetCells(column, 0, QString(QChar(u'A' + column)));
}

std::vector<int32_t> Widths(const TDudStringGrid& grid)
{
    std::vector<int32_t> widths;
    for (int32_t column = 0; column < grid.ColCount(); ++column)
        widths.push_back(grid.ColWidths(column));
    return widths;
}

String Titles(const TDudStringGrid& grid)
{
    String titles;
    for (int32_t column = 0; column < grid.ColCount(); ++column)
        titles += grid.Cells(grid.RealColIndex(column), 0);
    return titles;
}

// A five-column grid with its second column moved to the end, the third
// hidden and distinct widths.
void Rearrange(TDudStringGrid& grid)
{
    NameColumns(grid);
    grid.SetColumnOrder();
    for (int32_t column = 0; column < grid.ColCount(); ++column)
        grid.SetColWidths(column, 40 + 7 * column);
    grid.MoveColumn(1, 4);
    grid.HideColumn(2);
}

TEST(DudOderColumnStates, TheStringListsCountWidthsOrderAndFlags)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetColWidths(0, 64);
    grid.SetColWidths(1, 80);
    grid.SetColWidths(2, 50);
    EXPECT_EQ(grid.ColumnStatesToString(), QStringLiteral("3#64,80,50#0,1,2#1,1,1"));

    grid.HideColumn(1);
    EXPECT_EQ(grid.ColumnStatesToString(), QStringLiteral("3#64,50,64#0,1,2#1,0,1"));
}

TEST(DudOderColumnStates, AppliedStringsGiveTheirLayout)
{
    struct TCase {
        const char* Value;
        int32_t ColCount;
        std::vector<int32_t> Widths;
        const char* Titles;
        int32_t Hidden;
    };
    const TCase cases[] = {
        { "3#64,80,50#0,1,2#1,1,1", 3, { 64, 80, 50 }, "ABC", 0 },
        { "4#64,80,50,64#0,1,2,3#1,0,1,1", 3, { 64, 80, 50 }, "ACD", 1 },
        { "4#30,31,32,33#0,3,1,2#1,1,1,1", 4, { 30, 31, 32, 33 }, "ADBC", 0 },
        { "4#30,31,32,33##1,1,1,1", 4, { 30, 31, 32, 33 }, "ABCD", 0 },
        { "5#10,11,12,13#0,2,4,1,3#1,1,1,1,0", 4, { 10, 11, 12, 13 }, "ACEB", 1 },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Value);
        TDudStringGrid grid(nullptr);
        NameColumns(grid);
        grid.StringToColumnStates(QString::fromLatin1(test.Value));
        EXPECT_EQ(grid.ColCount(), test.ColCount);
        EXPECT_EQ(Widths(grid), test.Widths);
        EXPECT_EQ(Titles(grid), QString::fromLatin1(test.Titles));
        EXPECT_EQ(grid.NumHiddenColumns(), test.Hidden);
    }
}

TEST(DudOderColumnStates, ARearrangedLayoutComesBackInAFreshGrid)
{
    TDudStringGrid source(nullptr);
    Rearrange(source);
    const String states = source.ColumnStatesToString();

    TDudStringGrid target(nullptr);
    NameColumns(target);
    target.StringToColumnStates(states);
    EXPECT_EQ(Titles(target), Titles(source));
    EXPECT_EQ(Titles(target), QStringLiteral("ACEB"));
    EXPECT_EQ(Widths(target), Widths(source));
    EXPECT_EQ(target.NumHiddenColumns(), 1);
    EXPECT_EQ(target.ColumnStatesToString(), states);
}

TEST(DudOderColumnStates, ADamagedStringRaisesAndChangesNothing)
{
    const char* const damaged[] = {
        "#",
        "3#64,80,50#0,1,2",
        "3#64,80,50#0,1,2#1,1,1#7",
        "x#64,80,50#0,1,2#1,1,1",
        "3#64,x,50#0,1,2#1,1,1",
        "3#64,80#0,1,2#1,1,1",
        "3#64,-5,50#0,1,2#1,1,1",
        "3#64,80,50#0,1#1,1,1",
        "3#64,80,50#0,1,5#1,1,1",
        "3#64,80,50#0,0,2#1,1,1",
        "3#64,80,50#0,1,2#1,1",
        "3#64,80,50#0,1,2#1,y,1",
        "0####",
        "1#64#0#1",
        "-4#64,80,50#0,1,2#1,1,1",
        "99999999999#64#0#1",
    };
    for (const char* value : damaged) {
        SCOPED_TRACE(value);
        TDudStringGrid grid(nullptr);
        Rearrange(grid);
        const String before = grid.ColumnStatesToString();
        const String titles = Titles(grid);
        EXPECT_THROW(grid.StringToColumnStates(QString::fromLatin1(value)), EConvertError);
        EXPECT_EQ(grid.ColumnStatesToString(), before);
        EXPECT_EQ(Titles(grid), titles);
    }
}

TEST(DudOderColumnStates, AStringWithoutSeparatorsIsIgnored)
{
    TDudStringGrid grid(nullptr);
    Rearrange(grid);
    const String before = grid.ColumnStatesToString();
    grid.StringToColumnStates(QStringLiteral("3,64,80"));
    grid.StringToColumnStates(String());
    EXPECT_EQ(grid.ColumnStatesToString(), before);
}

class DudOderColumnStore : public testing::Test {
protected:
    void SetUp() override
    {
        TRegistry::SetStoreFile(FTemp.path() + "/registry.json");
        FIniName = FTemp.path() + "/layout.ini";
    }
    void TearDown() override { TRegistry::SetStoreFile(FTemp.path() + "/unused.json"); }

    void UseStore(TDudStringGrid& grid, TColumnSizeLocation location) const
    {
        grid.ColumnSize().SetLocation(location);
        grid.ColumnSize().SetKey(location == clIniFile ? FIniName : QStringLiteral("Software\\Trelvador\\Tests"));
        grid.ColumnSize().SetSection(QStringLiteral("Layout"));
    }

    void WriteIni(const char* text) const
    {
        QFile file(FIniName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir FTemp;
    String FIniName;
};

TEST_F(DudOderColumnStore, WidthsWrittenAsNumberedValues)
{
    TDudStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetColWidths(0, 64);
    grid.SetColWidths(1, 120);
    UseStore(grid, clIniFile);
    grid.SaveColSizes();
    QFile file(FIniName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Layout]\r\nCol0=64\r\nCol1=120\r\n"));
}

TEST_F(DudOderColumnStore, WidthsComeBackIntoAFreshGridFromEitherStore)
{
    for (const TColumnSizeLocation location : { clIniFile, clRegistry }) {
        SCOPED_TRACE(location);
        TDudStringGrid source(nullptr);
        for (int32_t column = 0; column < source.ColCount(); ++column)
            source.SetColWidths(column, 20 + 9 * column);
        UseStore(source, location);
        source.SaveColSizes();
        // Saving an unchanged grid and loading it again changes nothing.
        source.LoadColSizes();
        EXPECT_EQ(Widths(source), (std::vector<int32_t> { 20, 29, 38, 47, 56 }));

        TDudStringGrid target(nullptr);
        UseStore(target, location);
        target.LoadColSizes();
        EXPECT_EQ(Widths(target), Widths(source));
    }
}

TEST_F(DudOderColumnStore, EachStoredWidthIsTakenAloneAndDamagedOnesAreSkipped)
{
    struct Case {
        const char* text;
        std::vector<int32_t> widths;
    };
    // The grid has five columns of 64 but for column 2 at 77.
    const std::vector<int32_t> before { 64, 64, 77, 64, 64 };
    const Case cases[] = {
        { "[Layout]\r\nCol0=30\r\nCol1=31\r\nCol2=32\r\nCol3=33\r\n", { 30, 31, 32, 33, 64 } },
        { "[Layout]\r\nCol0=30\r\nCol1=31\r\nCol2=32\r\nCol3=33\r\nCol4=34\r\nCol5=35\r\n", { 30, 31, 32, 33, 34 } },
        { "[Layout]\r\nCol0=30\r\nCol1=31\r\nCol2=wide\r\nCol3=33\r\nCol4=34\r\n", { 30, 31, 77, 33, 34 } },
        { "[Layout]\r\nCol0=30\r\nCol1=-31\r\nCol2=32\r\nCol3=33\r\nCol4=34\r\n", { 30, 64, 32, 33, 34 } },
        { "[Other]\r\nCol0=30\r\nCol1=31\r\nCol2=32\r\nCol3=33\r\nCol4=34\r\n", before },
        { "", before },
        { "\x01\x02garbage", before },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.text);
        WriteIni(entry.text);
        TDudStringGrid grid(nullptr);
        grid.SetColWidths(2, 77);
        ASSERT_EQ(Widths(grid), before);
        UseStore(grid, clIniFile);
        grid.LoadColSizes();
        EXPECT_EQ(Widths(grid), entry.widths);
    }
}

TEST_F(DudOderColumnStore, LoadingFromAMissingFileNeitherChangesNorCreatesIt)
{
    TDudStringGrid grid(nullptr);
    const std::vector<int32_t> before = Widths(grid);
    UseStore(grid, clIniFile);
    grid.LoadColSizes();
    grid.LoadColPositions();
    EXPECT_EQ(Widths(grid), before);
    EXPECT_FALSE(FileExists(FIniName));
}

TEST_F(DudOderColumnStore, WithoutKeyOrSectionNothingIsStored)
{
    TDudStringGrid grid(nullptr);
    UseStore(grid, clIniFile);
    grid.ColumnSize().SetSection(String());
    grid.SaveColSizes();
    grid.SaveColPositions();
    EXPECT_FALSE(FileExists(FIniName));
}

TEST_F(DudOderColumnStore, PositionsComeBackIntoAFreshGridFromEitherStore)
{
    for (const TColumnSizeLocation location : { clIniFile, clRegistry }) {
        SCOPED_TRACE(location);
        TDudStringGrid source(nullptr);
        NameColumns(source);
        source.SetColumnOrder();
        source.MoveColumn(1, 4);
        source.MoveColumn(0, 2);
        UseStore(source, location);
        source.SaveColPositions();

        TDudStringGrid target(nullptr);
        NameColumns(target);
        target.HideColumn(3);
        UseStore(target, location);
        target.LoadColPositions();
        EXPECT_EQ(target.NumHiddenColumns(), 1);
        target.UnHideColumnsAll();
        EXPECT_EQ(Titles(target), Titles(source));
        EXPECT_EQ(Titles(target), QStringLiteral("CDAEB"));
    }
}

TEST_F(DudOderColumnStore, DamagedOrForeignPositionsChangeNothing)
{
    const char* const files[] = {
        "[Layout]\r\nPos0=1\r\nPos1=0\r\nPos2=2\r\n",
        "[Layout]\r\nPos0=1\r\nPos1=0\r\nPos2=2\r\nPos3=3\r\nPos4=4\r\nPos5=5\r\n",
        "[Layout]\r\nPos0=1\r\nPos1=1\r\nPos2=2\r\nPos3=3\r\nPos4=4\r\n",
        "[Layout]\r\nPos0=1\r\nPos1=0\r\nPos2=9\r\nPos3=3\r\nPos4=4\r\n",
        "[Layout]\r\nPos0=1\r\nPos1=zero\r\nPos2=2\r\nPos3=3\r\nPos4=4\r\n",
        "[Layout]\r\nPos1=0\r\nPos2=2\r\nPos3=3\r\nPos4=4\r\n",
    };
    for (const char* text : files) {
        SCOPED_TRACE(text);
        WriteIni(text);
        TDudStringGrid grid(nullptr);
        NameColumns(grid);
        grid.SetColumnOrder();
        grid.MoveColumn(4, 0);
        UseStore(grid, clIniFile);
        grid.LoadColPositions();
        EXPECT_EQ(Titles(grid), QStringLiteral("EABCD"));
        EXPECT_EQ(grid.ColumnPosition(4), 0);
    }
}

TEST_F(DudOderColumnStore, AGridThatSavesSizesWritesThemWhenDestroyedAndReadsThemWhenLoaded)
{
    {
        TDudStringGrid grid(nullptr);
        grid.SetColWidths(1, 99);
        UseStore(grid, clIniFile);
        grid.ColumnSize().SetSave(true);
    }
    const TMemIniFile ini(FIniName);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Layout"), QStringLiteral("Col1"), 0), 99);

    TDudStringGrid grid(nullptr);
    UseStore(grid, clIniFile);
    grid.ColumnSize().SetSave(true);
    grid.Loaded();
    EXPECT_EQ(grid.ColWidths(1), 99);
}

} // namespace
