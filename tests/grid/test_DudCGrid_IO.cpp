#include "grid/DudCGrid.h"
#include "grid/DudOder_EditLink.h"
#include "platform/core/IniFiles.h"
#include "platform/core/Streams.h"
#include "platform/ui/Menus.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <type_traits>
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

String Shown(const TFont& font)
{
    return QStringLiteral("%1/%2/%3/%4").arg(font.Name()).arg(font.Height()).arg(font.Style().Bits()).arg(font.Color());
}

String Shown(const TPen& pen)
{
    return QStringLiteral("%1/%2/%3").arg(pen.Color()).arg(static_cast<int>(pen.Style())).arg(pen.Width());
}

String Shown(const TStrings& lines) { return lines.Text(); }
String Shown(const TComponent* component) { return component ? component->Name() : QStringLiteral("-"); }
String Shown(const String& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }
template <class Number>
    requires std::is_arithmetic_v<Number> || std::is_enum_v<Number>
String Shown(Number value)
{
    return QString::number(static_cast<int64_t>(value));
}

TFont ChangedFont(const TFont& font, int32_t height)
{
    TFont changed(font);
    changed.SetName("DejaVu Serif");
    changed.SetHeight(height);
    changed.SetStyle(TFontStyles { fsItalic, fsUnderline });
    changed.SetColor(0x0A0B0C);
    return changed;
}

TPen ChangedPen(const TPen& pen, int32_t width)
{
    TPen changed;
    changed.Assign(pen);
    changed.SetColor(0x102030);
    changed.SetStyle(TPenStyle::psDash);
    changed.SetWidth(width);
    return changed;
}

TEST(ColumnStreamTest, EveryPublishedColumnSettingRoundTrips)
{
    TComponent form(nullptr);
    auto* menu = new TPopupMenu(&form);
    menu->SetName("columnMenu");
    auto* link = new TEditLink(&form);
    link->SetName("cellLink");
    auto* source = new TDudColumnGrid(&form);
    auto* target = new TDudColumnGrid(&form);
    for (TDudColumnGrid* grid : { source, target }) {
        grid->SetColCount(3);
        grid->SetFixedCols(0);
        grid->SetFixedRows(1);
    }
    struct Setting {
        const char* name;
        void (*change)(TGridColumnItem& item, TComponent& form);
        String (*shown)(const TGridColumnItem& item);
    };
#define SETTING(name, change, getter)                                                                              \
    Setting { name, [](TGridColumnItem& i, [[maybe_unused]] TComponent& form) { change; },                        \
        [](const TGridColumnItem& i) { return Shown(i.getter()); } }
    const Setting settings[] = {
        SETTING("Alignment", i.SetAlignment(taRightJustify), Alignment),
        SETTING("AutoMinSize", i.SetAutoMinSize(17), AutoMinSize),
        SETTING("AutoMaxSize", i.SetAutoMaxSize(170), AutoMaxSize),
        SETTING("Borders", i.SetBorders(TCellBorders { cbLeft, cbBottom }), Borders().Bits),
        SETTING("BorderPen", i.SetBorderPen(ChangedPen(i.BorderPen(), 2)), BorderPen),
        SETTING("CheckFalse", i.SetCheckFalse("off"), CheckFalse),
        SETTING("CheckTrue", i.SetCheckTrue("on"), CheckTrue),
        SETTING("Color", i.SetColor(0x445566), Color),
        SETTING("ColumnPopup", i.SetColumnPopup(static_cast<TPopupMenu*>(form.FindComponent("columnMenu"))), ColumnPopup),
        SETTING("ColumnPopupType", i.SetColumnPopupType(cpNormalCellsRClick), ColumnPopupType),
        SETTING("ComboItems", i.ComboItems().Add("one"); i.ComboItems().Add("two words"), ComboItems),
        SETTING("DropDownCount", i.SetDropDownCount(13), DropDownCount),
        SETTING("EditLength", i.SetEditLength(9), EditLength),
        SETTING("EditLink", i.SetEditLink(static_cast<TEditLink*>(form.FindComponent("cellLink"))), EditLink),
        SETTING("EditMask", i.SetEditMask("000;1;_"), EditMask),
        SETTING("Editor", i.SetEditor(edSpinEdit), Editor),
        SETTING("Filter", i.Filter().Add("a = x"); i.Filter().Add("b"), Filter),
        SETTING("FilterCaseSensitive", i.SetFilterCaseSensitive(true), FilterCaseSensitive),
        SETTING("Fixed", i.SetFixed(true), Fixed),
        SETTING("FloatFormat", i.SetFloatFormat("%.3f"), FloatFormat),
        SETTING("Font", i.SetFont(ChangedFont(i.Font(), -15)), Font),
        SETTING("Header", i.SetHeader("Title"), Header),
        SETTING("HeaderAlignment", i.SetHeaderAlignment(taCenter), HeaderAlignment),
        SETTING("HeaderFont", i.SetHeaderFont(ChangedFont(i.HeaderFont(), 18)), HeaderFont),
        SETTING("MaxSize", i.SetMaxSize(300), MaxSize),
        SETTING("MinSize", i.SetMinSize(12), MinSize),
        SETTING("Name", i.SetName("column"), Name),
        SETTING("Password", i.SetPassword(true), Password),
        SETTING("PrintBorderCustom", i.SetPrintBorderCustom(false), PrintBorderCustom),
        SETTING("PrintBorders", i.SetPrintBorders(TCellBorders { cbTop }), PrintBorders().Bits),
        SETTING("PrintBorderPen", i.SetPrintBorderPen(ChangedPen(i.PrintBorderPen(), 3)), PrintBorderPen),
        SETTING("PrintColor", i.SetPrintColor(0x778899), PrintColor),
        SETTING("PrintFont", i.SetPrintFont(ChangedFont(i.PrintFont(), -20)), PrintFont),
        SETTING("PrintFontCustom", i.SetPrintFontCustom(false), PrintFontCustom),
        SETTING("ReadOnly", i.SetReadOnly(true), ReadOnly),
        SETTING("ShowBands", i.SetShowBands(true), ShowBands),
        SETTING("SortPrefix", i.SetSortPrefix("$"), SortPrefix),
        SETTING("SortStyle", i.SetSortStyle(ssNumeric), SortStyle),
        SETTING("SortSuffix", i.SetSortSuffix(" kg"), SortSuffix),
        SETTING("SpinMax", i.SetSpinMax(99), SpinMax),
        SETTING("SpinMin", i.SetSpinMin(-7), SpinMin),
        SETTING("SpinStep", i.SetSpinStep(4), SpinStep),
        SETTING("Tag", i.SetTag(-42), Tag),
        SETTING("Width", i.SetWidth(91), Width),
    };
#undef SETTING
    ASSERT_EQ(std::size(settings), 44u);
    TGridColumnItem& changed = *source->Columns().Items(1);
    const TGridColumnItem& untouched = *source->Columns().Items(2);
    for (const Setting& setting : settings)
        setting.change(changed, form);

    TMemoryStream stream;
    source->SaveColumnsToStream(stream);
    stream.SetPosition(0);
    target->LoadColumnsFromStream(stream);

    for (const Setting& setting : settings) {
        SCOPED_TRACE(setting.name);
        EXPECT_NE(setting.shown(changed), setting.shown(untouched));
        EXPECT_EQ(setting.shown(*target->Columns().Items(1)), setting.shown(changed));
        EXPECT_EQ(setting.shown(*target->Columns().Items(2)), setting.shown(untouched));
    }
}

// The bytes of a stream with one integer setting of column 1 replaced.
TBytes WithInt(const char* setting, int32_t value)
{
    TBytes bytes = Saved(*SettingsGrid());
    std::string needle(1, static_cast<char>(std::strlen(setting)));
    needle += setting;
    auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
    at = std::search(at + 1, bytes.end(), needle.begin(), needle.end()) + static_cast<std::ptrdiff_t>(needle.size()) + 1;
    for (int shift = 0; shift < 32; shift += 8, ++at)
        *at = static_cast<uint8_t>(static_cast<uint32_t>(value) >> shift);
    return bytes;
}

TEST(ColumnStreamTest, OnlySizesTheGridCanPaintAreLoaded)
{
    constexpr int32_t Huge = std::numeric_limits<int32_t>::max();
    struct Case {
        const char* setting;
        int32_t value;
        bool loads;
        int32_t (*read)(const TGridColumnItem& item);
    };
    const auto width = [](const TGridColumnItem& i) { return i.Width(); };
    const auto fontHeight = [](const TGridColumnItem& i) { return i.Font().Height(); };
    const auto headerHeight = [](const TGridColumnItem& i) { return i.HeaderFont().Height(); };
    const auto printHeight = [](const TGridColumnItem& i) { return i.PrintFont().Height(); };
    const auto penWidth = [](const TGridColumnItem& i) { return i.BorderPen().Width(); };
    const auto printPenWidth = [](const TGridColumnItem& i) { return i.PrintBorderPen().Width(); };
    const auto minSize = [](const TGridColumnItem& i) { return i.MinSize(); };
    const Case cases[] = {
        { "Width", 32767, true, width },
        { "Width", 32768, false, width },
        { "Width", Huge, false, width },
        { "Width", -2, false, width },
        { "Font.Height", -2048, true, fontHeight },
        { "Font.Height", 2048, true, fontHeight },
        { "Font.Height", Huge, false, fontHeight },
        { "Font.Height", 46341, false, fontHeight },
        { "Font.Height", -Huge, false, fontHeight },
        { "HeaderFont.Height", 3000, false, headerHeight },
        { "PrintFont.Height", -3000, false, printHeight },
        { "BorderPen.Width", 255, true, penWidth },
        { "BorderPen.Width", Huge, false, penWidth },
        { "PrintBorderPen.Width", 256, false, printPenWidth },
        { "MinSize", Huge, false, minSize },
        { "AutoMinSize", Huge, false, [](const TGridColumnItem& i) { return i.AutoMinSize(); } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.setting << " = " << entry.value);
        auto target = MakeGrid();
        const int32_t before = entry.read(*target->Columns().Items(1));
        if (entry.loads) {
            Load(*target, WithInt(entry.setting, entry.value));
            EXPECT_EQ(entry.read(*target->Columns().Items(1)), entry.value);
        } else {
            EXPECT_THROW(Load(*target, WithInt(entry.setting, entry.value)), EReadError);
            EXPECT_EQ(entry.read(*target->Columns().Items(1)), before);
            EXPECT_EQ(target->Cells(1, 0), "");
        }
    }
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
