#include "grid/DudCGrid.h"
#include "platform/core/IniFiles.h"
#include "platform/core/Streams.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<TDudColumnGrid> MakeGrid(int32_t cols = 3)
{
    auto grid = std::make_unique<TDudColumnGrid>(nullptr);
    grid->SetColCount(cols);
    grid->SetRowCount(4);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    return grid;
}

// A grid whose columns carry settings of every kind the stream keeps.
std::unique_ptr<TDudColumnGrid> SettingsGrid()
{
    auto grid = MakeGrid();
    TGridColumnItem* item = grid->Columns().Items(1);
    item->SetHeader("Packet");
    item->SetWidth(80);
    item->SetEditor(edComboList);
    item->ComboItems().Add("alpha");
    item->ComboItems().Add("beta gamma");
    item->SetCheckTrue("1");
    item->SetAlignment(taCenter);
    item->SetBorders(TCellBorders { cbTop, cbBottom });
    item->BorderPen().SetWidth(3);
    item->Font().SetName("DejaVu Sans");
    item->Font().SetStyle(TFontStyles { fsBold });
    item->SetColor(0x123456);
    item->SetReadOnly(true);
    item->SetPrintFontCustom(false);
    item->SetColumnPopupType(cpAllCellsLClick);
    item->SetSpinMin(-5);
    item->SetName("packet");
    grid->Columns().Items(2)->SetHeader("Ünïcode €");
    return grid;
}

TBytes Saved(const TDudColumnGrid& grid)
{
    TMemoryStream stream;
    grid.SaveColumnsToStream(stream);
    return stream.Bytes();
}

void Load(TDudColumnGrid& grid, const TBytes& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes);
    stream.SetPosition(0);
    grid.LoadColumnsFromStream(stream);
}

bool Contains(const TBytes& bytes, const char* text)
{
    const std::string needle(text);
    return std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end()) != bytes.end();
}

TEST(ColumnStreamTest, ARoundTripRestoresEverySettingAndActsOnTheGrid)
{
    auto source = SettingsGrid();
    auto target = MakeGrid();

    Load(*target, Saved(*source));

    EXPECT_EQ(target->ColCount(), 3);
    EXPECT_EQ(target->Cells(1, 0), "Packet");
    EXPECT_EQ(target->Cells(2, 0), "Ünïcode €");
    EXPECT_EQ(target->ColWidths(1), 80);
    EXPECT_EQ(target->ColumnHeaders().Strings(1), "Packet");
    const TGridColumnItem& loaded = *target->Columns().Items(1);
    const TGridColumnItem& saved = *source->Columns().Items(1);
    EXPECT_EQ(loaded.Header(), "Packet");
    EXPECT_EQ(loaded.Width(), 80);
    EXPECT_EQ(loaded.Editor(), edComboList);
    ASSERT_EQ(loaded.ComboItems().Count(), 2);
    EXPECT_EQ(loaded.ComboItems().Strings(1), "beta gamma");
    EXPECT_EQ(loaded.CheckTrue(), "1");
    EXPECT_EQ(loaded.CheckFalse(), "N");
    EXPECT_EQ(loaded.Alignment(), taCenter);
    EXPECT_EQ(loaded.Borders(), saved.Borders());
    EXPECT_EQ(loaded.BorderPen().Width(), 3);
    EXPECT_TRUE(loaded.Font() == saved.Font());
    EXPECT_EQ(loaded.Color(), 0x123456u);
    EXPECT_TRUE(loaded.ReadOnly());
    EXPECT_FALSE(loaded.PrintFontCustom());
    EXPECT_TRUE(loaded.PrintBorderCustom());
    EXPECT_EQ(loaded.ColumnPopupType(), cpAllCellsLClick);
    EXPECT_EQ(loaded.SpinMin(), -5);
    EXPECT_EQ(loaded.Name(), "packet");
    EXPECT_EQ(target->Columns().Items(0)->Header(), "");
}

TEST(ColumnStreamTest, PrintSwitchesAreWrittenOnlyWhenOff)
{
    auto grid = MakeGrid();
    EXPECT_FALSE(Contains(Saved(*grid), "PrintFontCustom"));
    grid->Columns().Items(2)->SetPrintFontCustom(false);
    EXPECT_TRUE(Contains(Saved(*grid), "PrintFontCustom"));
    EXPECT_FALSE(Contains(Saved(*grid), "PrintBorderCustom"));
}

TEST(ColumnStreamTest, TheColumnCountStaysWhateverTheStreamHolds)
{
    struct Case {
        int32_t sourceCols;
        int32_t targetCols;
    };
    for (const Case entry : { Case { 5, 3 }, Case { 2, 4 } }) {
        SCOPED_TRACE(testing::Message() << entry.sourceCols << " into " << entry.targetCols);
        auto source = MakeGrid(entry.sourceCols);
        for (int32_t i = 0; i < entry.sourceCols; ++i)
            source->Columns().Items(i)->SetHeader(QStringLiteral("S%1").arg(i));
        auto target = MakeGrid(entry.targetCols);
        for (int32_t i = 0; i < entry.targetCols; ++i)
            target->Columns().Items(i)->SetHeader(QStringLiteral("T%1").arg(i));

        Load(*target, Saved(*source));

        EXPECT_EQ(target->ColCount(), entry.targetCols);
        EXPECT_EQ(target->Columns().Count(), entry.targetCols);
        for (int32_t i = 0; i < entry.targetCols; ++i) {
            const String expected = QString::fromLatin1(i < entry.sourceCols ? "S%1" : "T%1").arg(i);
            EXPECT_EQ(target->Columns().Items(i)->Header(), expected);
            EXPECT_EQ(target->Cells(i, 0), expected);
        }
        // The collection still keeps the grid in step afterwards.
        target->Columns().Add();
        EXPECT_EQ(target->ColCount(), entry.targetCols + 1);
    }
}

TEST(ColumnStreamTest, AMalformedStreamIsRefusedWithNothingChanged)
{
    const TBytes good = Saved(*SettingsGrid());
    const auto replaced = [&good](const char* from, const char* to) {
        TBytes bytes = good;
        const std::string needle(from);
        const auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
        std::copy(to, to + needle.size(), at);
        return bytes;
    };
    const auto cut = [&good](size_t size) { return TBytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)); };
    const auto editorOutOfRange = [&good]() {
        TBytes bytes = good;
        const std::string needle("Editor");
        auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end()) + 6;
        at[1] = 0x7F;
        return bytes;
    };
    struct Case {
        const char* what;
        TBytes bytes;
    };
    const Case cases[] = {
        { "empty", TBytes {} },
        { "wrong signature", replaced("TPF0", "XPF0") },
        { "other class", replaced("TDudColumnGridIO", "TDudColumnGridIX") },
        { "unknown setting", replaced("CheckTrue", "CheckTrux") },
        { "editor kind out of range", editorOutOfRange() },
        { "cut after the header", cut(good.size() / 2) },
        { "cut before the last marker", cut(good.size() - 1) },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.what);
        auto target = MakeGrid();
        target->Columns().Items(1)->SetHeader("Kept");
        target->Columns().Items(1)->SetWidth(33);

        EXPECT_THROW(Load(*target, entry.bytes), EReadError);

        EXPECT_EQ(target->Cells(1, 0), "Kept");
        EXPECT_EQ(target->ColWidths(1), 33);
        EXPECT_EQ(target->Columns().Items(1)->Editor(), edNormal);
        EXPECT_EQ(target->Columns().Items(2)->Header(), "");
        EXPECT_FALSE(target->Columns().NoRecursiveUpdate());
    }
}

std::vector<String> Titles(const TDudColumnGrid& grid)
{
    std::vector<String> titles;
    for (int32_t i = 0; i < grid.Columns().Count(); ++i)
        titles.push_back(grid.Columns().Items(i)->Header());
    return titles;
}

std::unique_ptr<TDudColumnGrid> OrganizedGrid()
{
    auto grid = MakeGrid(4);
    for (int32_t i = 0; i < 4; ++i)
        grid->Columns().Items(i)->SetHeader(QStringLiteral("T%1").arg(i));
    grid->Columns().SetOrganization();
    return grid;
}

TEST(ColumnPositionsTest, SavedArrangementIsRebuiltOnAGridInTheInitialOrder)
{
    QTemporaryDir dir;
    const String file = dir.filePath("columns.ini");
    auto source = OrganizedGrid();
    source->MoveColumn(0, 3);
    source->SaveColumnPositions(file, "Grid");
    const TMemIniFile ini(file);
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(ini.ReadInteger("Grid", QStringLiteral("CP%1").arg(i), -1), (i + 1) % 4);

    auto target = OrganizedGrid();
    target->LoadColumnPositions(file, "Grid");

    EXPECT_EQ(Titles(*target), (std::vector<String> { "T1", "T2", "T3", "T0" }));
    EXPECT_EQ(target->Cells(3, 0), "T0");
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(target->Columns().Items(i)->DefIdx(), (i + 1) % 4);
}

TEST(ColumnPositionsTest, ResetOrganizationBringsMovedColumnsBackInOrder)
{
    auto grid = OrganizedGrid();
    // From 0 1 2 3 to 2 0 3 1.
    grid->MoveColumn(2, 0);
    grid->MoveColumn(3, 2);
    ASSERT_EQ(Titles(*grid), (std::vector<String> { "T2", "T0", "T3", "T1" }));
    grid->Columns().ResetOrganization();
    EXPECT_EQ(Titles(*grid), (std::vector<String> { "T0", "T1", "T2", "T3" }));
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(grid->Cells(i, 0), QStringLiteral("T%1").arg(i));
}

TEST(ColumnPositionsTest, AnIncompleteOrForeignArrangementChangesNothing)
{
    struct Case {
        const char* what;
        std::vector<int32_t> positions;
    };
    const Case cases[] = {
        { "a key missing", { 1, 2, 3 } },
        { "a position twice", { 1, 1, 3, 0 } },
        { "a position beyond the columns", { 1, 2, 3, 4 } },
        { "a negative position", { 1, 2, -3, 0 } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.what);
        QTemporaryDir dir;
        const String file = dir.filePath("columns.ini");
        {
            TMemIniFile ini(file);
            for (size_t i = 0; i < entry.positions.size(); ++i)
                ini.WriteInteger("Grid", QStringLiteral("CP%1").arg(i), entry.positions[i]);
            ini.UpdateFile();
        }
        auto grid = OrganizedGrid();
        grid->MoveColumn(2, 0);
        const std::vector<String> before = Titles(*grid);

        grid->LoadColumnPositions(file, "Grid");

        EXPECT_EQ(Titles(*grid), before);
        EXPECT_EQ(grid->Cells(0, 0), "T2");
    }
}

TEST(ColumnPositionsTest, TheIniLocationGoesThroughTheColumnSizeSettings)
{
    QTemporaryDir dir;
    auto grid = OrganizedGrid();
    grid->ColumnSize().SetLocation(clIniFile);
    grid->ColumnSize().SetKey(dir.filePath("layout.ini"));
    grid->ColumnSize().SetSection("Columns");
    grid->MoveColumn(3, 1);
    grid->SaveColPositions();

    auto other = OrganizedGrid();
    other->ColumnSize().Assign(grid->ColumnSize());
    other->LoadColPositions();
    EXPECT_EQ(Titles(*other), Titles(*grid));
}

} // namespace
