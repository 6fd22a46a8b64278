#include "grid/DudCGrid.h"
#include "grid/DudOder_GridData.h"
#include "platform/core/DateUtils.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScriptedUiServices.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The column grid with its per-cell questions open to the test.
class TProbeColumnGrid : public TDudColumnGrid {
public:
    using TDudColumnGrid::TDudColumnGrid;
    using TDudColumnGrid::CanEditCell;
    using TDudColumnGrid::GetCellType;
    using TDudColumnGrid::GetCheckTrue;
    using TDudColumnGrid::HasComboBox;
    using TDudColumnGrid::GetCellEditorType;
    using TDudColumnGrid::GetFloatFormat;
    using TDudColumnGrid::GetFormattedCell;
    using TDudColumnGrid::GetCellAlignment;
    using TDudColumnGrid::GetColumnFilter;
    using TDudColumnGrid::DoFilterSelect;
    using TDudColumnGrid::MouseDown;
    using TDudColumnGrid::GetEditMask;

    void SetFilterColumn(int32_t column) { FFilterCol = column; }
    int32_t FilterColumn() const { return FFilterCol; }
};

// The names of the items in collection order.
std::vector<String> ItemNames(const TDudColumnGrid& grid)
{
    std::vector<String> names;
    for (int32_t i = 0; i < grid.Columns().Count(); ++i)
        names.push_back(grid.Columns().Items(i)->Name());
    return names;
}

std::vector<String> Names(std::initializer_list<const char*> names)
{
    std::vector<String> result;
    for (const char* name : names)
        result.push_back(QString::fromLatin1(name));
    return result;
}

// A grid as the table editors have them: a title row and a row-number column.
std::unique_ptr<TProbeColumnGrid> MakeGrid(int32_t cols = 4, int32_t rows = 5)
{
    auto grid = std::make_unique<TProbeColumnGrid>(nullptr);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    return grid;
}

TEST(GridColumnItemTest, ItemsOfANewGridFollowTheGridsLook)
{
    auto grid = std::make_unique<TDudColumnGrid>(nullptr);
    TFont font;
    font.SetName("Tahoma");
    font.SetSize(8);
    grid->Font().Assign(font);
    grid->SetColor(clWindow);
    grid->SetColCount(grid->ColCount() + 1);
    TGridColumnItem* item = grid->Columns().Items(grid->ColCount() - 1);
    EXPECT_EQ(grid->Columns().Count(), grid->ColCount());
    EXPECT_EQ(item->CheckTrue(), "Y");
    EXPECT_EQ(item->CheckFalse(), "N");
    EXPECT_EQ(item->DropDownCount(), 8);
    EXPECT_EQ(item->SpinStep(), 1);
    EXPECT_EQ(item->PrintBorders(), (TCellBorders { cbTop, cbLeft, cbRight, cbBottom }));
    EXPECT_EQ(item->BorderPen().Color(), clSilver);
    EXPECT_EQ(item->ColumnPopupType(), cpFixedCellsRClick);
    EXPECT_TRUE(item->PrintFontCustom());
}

TEST(GridColumnItemTest, ADetachedItemHasNoWidthAndNoColour)
{
    TGridColumnItem item(nullptr);
    item.SetWidth(80);
    EXPECT_EQ(item.Width(), 0);
    EXPECT_EQ(item.Color(), 0u);
}

TEST(GridColumnItemTest, DisplayNameUsesTheNameWhenThereIsOne)
{
    auto grid = MakeGrid(5);
    grid->Columns().Items(3)->SetName("Price");
    EXPECT_EQ(grid->Columns().Items(3)->DisplayName(), "Col 3: Price");
    EXPECT_EQ(grid->Columns().Items(2)->DisplayName(), "Column 2");
}

TEST(GridColumnItemTest, HeaderWritesTheTitleCellAndRebuildsTheHeaderList)
{
    auto grid = MakeGrid(4);
    grid->Columns().Items(1)->SetHeader("Name");
    grid->Columns().Items(2)->SetHeader("Value");
    EXPECT_EQ(grid->Cells(2, 0), "Value");
    EXPECT_EQ(grid->ColumnHeaders().Count(), 4);
    EXPECT_EQ(grid->ColumnHeaders().Strings(1), "Name");
    EXPECT_EQ(grid->ColumnHeaders().Strings(2), "Value");

    auto untitled = MakeGrid(4);
    untitled->SetFixedRows(0);
    untitled->Columns().Items(2)->SetHeader("Value");
    EXPECT_EQ(untitled->Cells(2, 0), "");
    EXPECT_EQ(untitled->ColumnHeaders().Strings(2), "Value");
}

TEST(GridColumnItemTest, WidthGoesToTheGridAndAHiddenColumnKeepsIt)
{
    auto grid = MakeGrid(5);
    grid->Columns().Items(2)->SetWidth(80);
    EXPECT_EQ(grid->ColWidths(2), 80);
    EXPECT_EQ(grid->Columns().Items(2)->Width(), 80);
    grid->HideColumn(2);
    EXPECT_EQ(grid->Columns().Items(2)->Width(), 80);
    grid->Columns().Items(2)->SetWidth(90);
    EXPECT_TRUE(grid->IsHiddenColumn(2));
    EXPECT_EQ(grid->Columns().Items(2)->Width(), 90);
}

TEST(GridColumnItemTest, AssignCopiesSettingsButNotTheGridsWidthOrPopupType)
{
    auto first = MakeGrid(4);
    auto second = MakeGrid(4);
    TGridColumnItem* source = first->Columns().Items(1);
    source->SetWidth(120);
    source->SetHeader("Head");
    source->SetEditor(edComboList);
    source->ComboItems().Add("a");
    source->SetDefIdx(3);
    source->SetColumnPopupType(cpAllCellsLClick);
    source->SetCheckTrue("1");
    TGridColumnItem* target = second->Columns().Items(1);
    const int32_t width = second->ColWidths(1);
    target->Assign(*source);
    EXPECT_EQ(second->ColWidths(1), width);
    EXPECT_EQ(target->Header(), "Head");
    EXPECT_EQ(second->Cells(1, 0), "");
    EXPECT_EQ(target->Editor(), edComboList);
    EXPECT_EQ(target->ComboItems().Count(), 1);
    EXPECT_EQ(target->DefIdx(), 3);
    EXPECT_EQ(target->CheckTrue(), "1");
    EXPECT_EQ(target->ColumnPopupType(), cpFixedCellsRClick);
}

TEST(GridColumnCollectionTest, AddedColumnLooksLikeTheLastButHasNoTitleOrChoices)
{
    auto grid = MakeGrid(3);
    TGridColumnItem* last = grid->Columns().Items(2);
    last->SetEditor(edDataCheckBox);
    last->SetAlignment(taCenter);
    last->SetHeader("Fast Packet");
    last->ComboItems().Add("x");
    TGridColumnItem* added = grid->Columns().Add();
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(added->Editor(), edDataCheckBox);
    EXPECT_EQ(added->Alignment(), taCenter);
    EXPECT_EQ(added->Header(), "");
    EXPECT_EQ(added->ComboItems().Count(), 0);
}

TEST(GridColumnCollectionTest, CountFollowsColCountBothWays)
{
    auto grid = MakeGrid(9);
    grid->Columns().Items(8)->SetEditor(edDataCheckBox);
    grid->Columns().Items(8)->SetCheckTrue("T");
    grid->SetColCount(11);
    ASSERT_EQ(grid->Columns().Count(), 11);
    EXPECT_EQ(grid->Columns().Items(10)->Editor(), edDataCheckBox);
    EXPECT_EQ(grid->Columns().Items(10)->CheckTrue(), "T");
    grid->SetColCount(9);
    EXPECT_EQ(grid->Columns().Count(), 9);

    grid->Columns().Delete(8);
    EXPECT_EQ(grid->ColCount(), 8);
    // A collection left with no more items than fixed columns keeps the grid.
    while (grid->Columns().Count() > 1)
        grid->Columns().Delete(grid->Columns().Count() - 1);
    EXPECT_EQ(grid->ColCount(), 2);
}

TEST(GridColumnCollectionTest, HiddenColumnsKeepTheirItems)
{
    auto grid = MakeGrid(5);
    grid->Columns().Items(3)->SetName("third");
    grid->HideColumn(2);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->Columns().Count(), 5);
    EXPECT_EQ(grid->Columns().Items(grid->RealColIndex(2))->Name(), "third");
}

TEST(ColumnGridTest, PerCellAnswersComeFromTheColumn)
{
    auto grid = MakeGrid(5);
    TGridColumnItem* readOnly = grid->Columns().Items(1);
    readOnly->SetReadOnly(true);
    TGridColumnItem* fixed = grid->Columns().Items(2);
    fixed->SetFixed(true);
    TGridColumnItem* combo = grid->Columns().Items(3);
    combo->SetEditor(edComboEdit);
    TGridColumnItem* check = grid->Columns().Items(4);
    check->SetEditor(edDataCheckBox);
    check->SetCheckTrue("Y");
    grid->OnGetCheckTrue = [](TDudStringGrid*, int32_t, int32_t, String& value) { value = "1"; };

    struct Case {
        int32_t col;
        int32_t row;
        bool canEdit;
        bool hasCombo;
        const char* checkTrue;
        TCellType type;
    };
    const Case cases[] = {
        { 1, 1, false, false, "Y", ctEmpty },
        { 2, 1, false, false, "Y", ctEmpty },
        { 3, 1, true, true, "Y", ctEmpty },
        { 4, 1, true, false, "Y", ctDataCheckBox },
        { 4, 0, false, false, "1", ctEmpty },
        { 0, 2, false, false, "1", ctEmpty },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.col << "," << entry.row);
        bool canEdit = true;
        grid->CanEditCell(entry.col, entry.row, canEdit);
        EXPECT_EQ(canEdit, entry.canEdit);
        EXPECT_EQ(grid->HasComboBox(entry.col, entry.row), entry.hasCombo);
        String value;
        grid->GetCheckTrue(entry.col, entry.row, value);
        EXPECT_EQ(value, entry.checkTrue);
        EXPECT_EQ(grid->GetCellType(entry.col, entry.row), entry.type);
    }
}

TEST(ColumnGridTest, VersionIsTheColumnGrids)
{
    TDudColumnGrid grid(nullptr);
    EXPECT_EQ(grid.GetVersionNr(), 0x03010301);
    EXPECT_EQ(grid.GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST(ColumnGridTest, AColumnsFloatFormatStaysWithTheColumn)
{
    auto grid = MakeGrid(4);
    grid->SetFloatFormat("%.1f");
    grid->Columns().Items(2)->SetFloatFormat("%.2f");
    TEditorType editor = edNormal;
    grid->GetCellEditorType(2, 1, editor);
    EXPECT_EQ(grid->GetFloatFormat(2, 1), "%.2f");
    EXPECT_EQ(grid->GetFloatFormat(1, 1), "%.1f");
    EXPECT_EQ(grid->FloatFormat(), "%.1f");
}

TEST(ColumnGridTest, UpdateLockSurvivesHidingTheGridInBetween)
{
    auto grid = MakeGrid(4);
    grid->SetVisible(true);
    grid->BeginUpdate();
    grid->SetVisible(false);
    grid->EndUpdate();
    grid->SetVisible(true);
    EXPECT_EQ(grid->UpdateCount(), 0);
    grid->SetVisible(false);
    grid->BeginUpdate();
    EXPECT_EQ(grid->UpdateCount(), 1);
    grid->EndUpdate();
    EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST(ColumnGridTest, AMovedColumnTakesItsSettingsAndCellsAlong)
{
    struct Case {
        const char* what;
        int32_t hidden;
        int32_t from;
        int32_t to;
        std::vector<String> names;
        int32_t realFrom;
        int32_t realTo;
    };
    const Case cases[] = {
        { "right", -1, 1, 3, Names({ "c0", "c2", "c3", "c1", "c4" }), 1, 3 },
        { "left", -1, 4, 1, Names({ "c0", "c4", "c1", "c2", "c3" }), 4, 1 },
        { "past a hidden column", 2, 1, 3, Names({ "c0", "c2", "c3", "c4", "c1" }), 1, 4 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.what);
        auto grid = MakeGrid(5, 30);
        for (int32_t i = 0; i < 5; ++i) {
            grid->Columns().Items(i)->SetName(QStringLiteral("c%1").arg(i));
            grid->SetCells(i, 1, QStringLiteral("v%1").arg(i));
        }
        grid->Columns().Items(entry.realFrom)->SetEditor(edComboList);
        grid->Columns().Items(entry.realFrom)->ComboItems().Add("choice");
        grid->SetTopRow(10);
        if (entry.hidden >= 0)
            grid->HideColumn(entry.hidden);
        std::vector<std::pair<int32_t, int32_t>> moves;
        grid->OnAfterColumnMoved = [&](TDudColumnGrid*, int32_t from, int32_t to) { moves.emplace_back(from, to); };

        grid->MoveColumn(entry.from, entry.to);

        EXPECT_EQ(ItemNames(*grid), entry.names);
        ASSERT_EQ(moves.size(), 1u);
        EXPECT_EQ(moves[0], std::make_pair(entry.realFrom, entry.realTo));
        const TGridColumnItem* moved = grid->Columns().Items(entry.realTo);
        EXPECT_EQ(moved->Editor(), edComboList);
        EXPECT_EQ(moved->ComboItems().Count(), 1);
        EXPECT_EQ(grid->Cells(entry.realTo, 1), QStringLiteral("v%1").arg(entry.realFrom));
        EXPECT_EQ(grid->TopRow(), 10);
        EXPECT_EQ(grid->Columns().Count(), grid->ColCount() + grid->NumHiddenColumns());
    }
}

TEST(ColumnGridTest, FloatFormatOfTheColumnShowsNumbersOnly)
{
    auto grid = MakeGrid(3);
    grid->Columns().Items(1)->SetFloatFormat("%.2f");
    const struct {
        const char* text;
        const char* shown;
    } cases[] = { { "3", "3.00" }, { "2.5", "2.50" }, { "abc", "abc" }, { "1e5", "1e5" }, { "", "" } };
    for (const auto& entry : cases) {
        grid->SetCells(1, 1, entry.text);
        EXPECT_EQ(grid->GetFormattedCell(1, 1), entry.shown) << entry.text;
    }
    grid->SetCells(2, 1, "3");
    EXPECT_EQ(grid->GetFormattedCell(2, 1), "3");
}

TEST(ColumnGridTest, AlignmentComesFromTheColumnUnlessTheCellHasItsOwn)
{
    auto grid = MakeGrid(3);
    grid->Columns().Items(1)->SetAlignment(taRightJustify);
    grid->Columns().Items(1)->SetHeaderAlignment(taCenter);
    grid->CellProperties(1, 2)->SetAlignment(taLeftJustify);
    const struct {
        int32_t row;
        TAlignment expected;
    } cases[] = { { 0, taCenter }, { 1, taRightJustify }, { 2, taLeftJustify } };
    for (const auto& entry : cases) {
        TAlignment hAlign = taLeftJustify;
        TVAlignment vAlign = vtaTop;
        grid->GetCellAlignment(1, entry.row, hAlign, vAlign);
        EXPECT_EQ(hAlign, entry.expected) << entry.row;
    }
}

TEST(ColumnGridTest, EditMaskAndLengthComeFromTheRealColumn)
{
    auto grid = MakeGrid(5);
    grid->Columns().Items(3)->SetEditMask("000");
    grid->HideColumn(2);
    EXPECT_EQ(grid->GetEditMask(2, 1), "000");
    EXPECT_EQ(grid->GetEditMask(1, 1), "");
}

TEST(ColumnGridTest, OnlyTheColumnsOwnFilterLinesMakeAFilterList)
{
    auto grid = MakeGrid(3);
    grid->SetFilterDropDownAuto(true);
    grid->SetCells(2, 1, "auto");
    grid->Columns().Items(1)->Filter().Add("Big=>100");
    grid->Columns().Items(1)->Filter().Add("Small");
    EXPECT_TRUE(grid->GetColumnFilter(1));
    ASSERT_EQ(grid->FilterList().Count(), 2);
    EXPECT_EQ(grid->FilterList().Strings(0), "Big");
    EXPECT_EQ(grid->FilterList().Strings(1), "Small");
    EXPECT_FALSE(grid->GetColumnFilter(2));
    EXPECT_FALSE(grid->GetColumnFilter(7));
}

TEST(ColumnGridTest, APickedFilterLineSetsNameAndCondition)
{
    struct Case {
        int32_t column;
        int32_t line;
        const char* header;
        const char* condition;
        int32_t events;
    };
    const Case cases[] = {
        { 1, 0, "Big", ">100", 1 },
        { 1, 1, "Small", "Small", 1 },
        { 1, 2, "", "", 0 },
        { 9, 0, "", "", 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.column << "/" << entry.line);
        auto grid = MakeGrid(3);
        grid->SetAutoFilterDisplay(true);
        grid->Columns().Items(1)->Filter().Add("Big=>100");
        grid->Columns().Items(1)->Filter().Add("Small");
        grid->Columns().Items(1)->SetFilterCaseSensitive(true);
        int32_t events = 0;
        grid->OnFilterSelect = [&](TDudStringGrid*, int32_t, int32_t, const String&, String&) { ++events; };
        grid->SetFilterColumn(entry.column);
        grid->DoFilterSelect(entry.line);
        EXPECT_EQ(grid->FilterColumn(), -1);
        EXPECT_EQ(events, entry.events);
        EXPECT_EQ(grid->Columns().Items(1)->Header(), entry.header);
        EXPECT_EQ(grid->Cells(1, 0), entry.header);
        if (entry.events == 0) {
            EXPECT_EQ(grid->Filter().Count(), 0);
            continue;
        }
        EXPECT_TRUE(grid->FilterActive());
        const TFilterData* filter = grid->Filter().GetColFilter(1);
        EXPECT_EQ(filter->Condition(), entry.condition);
        EXPECT_TRUE(filter->CaseSensitive());
    }
}

TEST(ColumnGridTest, ColumnPopupFiresForItsButtonAndOpensInItsRows)
{
    struct Case {
        TColumnPopupType type;
        TMouseButton button;
        int32_t row;
        bool fires;
        bool opens;
    };
    const Case cases[] = {
        { cpFixedCellsRClick, TMouseButton::mbRight, 0, true, true },
        { cpFixedCellsRClick, TMouseButton::mbRight, 1, true, false },
        { cpFixedCellsRClick, TMouseButton::mbLeft, 0, false, false },
        { cpNormalCellsLClick, TMouseButton::mbLeft, 1, true, true },
        { cpNormalCellsLClick, TMouseButton::mbLeft, 0, true, false },
        { cpAllCellsLClick, TMouseButton::mbLeft, 0, true, true },
        { cpAllCellsRClick, TMouseButton::mbRight, 2, true, true },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.type << " row " << entry.row);
        TScriptedUiServices services;
        const TScopedUiServices scope(services);
        auto grid = MakeGrid(4);
        grid->SetBounds(0, 0, 400, 200);
        grid->HideColumn(1);
        TPopupMenu menu(nullptr);
        TGridColumnItem* item = grid->Columns().Items(2);
        item->SetColumnPopup(&menu);
        item->SetColumnPopupType(entry.type);
        std::vector<std::pair<int32_t, int32_t>> fired;
        grid->OnColumnPopup = [&](TDudColumnGrid*, int32_t aCol, int32_t aRow, TPopupMenu* popup) {
            EXPECT_EQ(popup, &menu);
            fired.emplace_back(aCol, aRow);
        };
        const TRect cell = grid->CellRect(1, entry.row);
        grid->MouseDown(entry.button, {}, cell.Left + 2, cell.Top + 2);
        EXPECT_EQ(fired.size(), entry.fires ? 1u : 0u);
        if (entry.fires) {
            EXPECT_EQ(fired[0], std::make_pair(1, entry.row));
        }
        EXPECT_EQ(services.Requests().size(), entry.opens ? 1u : 0u);
    }
}

TEST(ColumnGridTest, ChangeScaleScalesEveryColumnsFonts)
{
    struct Case {
        int32_t m;
        int32_t d;
        int32_t fontSize;
        int32_t headerSize;
    };
    // Column fonts of 10 and header fonts of 12 points, one column hidden.
    const Case cases[] = {
        { 3, 2, 15, 18 },
        { 1, 2, 5, 6 },
        { 96, 96, 10, 12 },
        { 120, 96, 13, 15 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.m << "/" << c.d);
        auto grid = MakeGrid(5);
        for (int32_t i = 0; i < grid->Columns().Count(); ++i) {
            grid->Columns().Items(i)->Font().SetSize(10);
            grid->Columns().Items(i)->HeaderFont().SetSize(12);
        }
        grid->HideColumn(2);
        grid->ChangeScale(c.m, c.d);
        ASSERT_EQ(grid->Columns().Count(), 5);
        for (int32_t i = 0; i < grid->Columns().Count(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(grid->Columns().Items(i)->Font().Size(), c.fontSize);
            EXPECT_EQ(grid->Columns().Items(i)->HeaderFont().Size(), c.headerSize);
        }
    }
}

TEST(ColumnGridTest, ACheckColumnsCellIsADataCheckBoxDrawnByTheSharedVirtualOne)
{
    auto grid = MakeGrid(5);
    grid->Columns().Items(4)->SetEditor(edDataCheckBox);
    grid->AddCheckBox(4, 2, true, false);
    struct Case {
        int32_t row;
        TCellType type;
        TCellType graphicType;
    };
    const Case cases[] = {
        { 1, ctDataCheckBox, ctVirtCheckBox },
        { 2, ctCheckBox, ctCheckBox },
        { 0, ctEmpty, ctEmpty },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.row);
        EXPECT_EQ(grid->GetCellType(4, entry.row), entry.type);
        const TCellGraphic* graphic = grid->GetCellGraphic(4, entry.row);
        EXPECT_EQ(graphic ? graphic->CellType() : ctEmpty, entry.graphicType);
    }
}

TEST(GridColumnItemTest, TypedAccessReadsAndWritesTheItemsColumn)
{
    auto grid = MakeGrid(5);
    TGridColumnItem* dates = grid->Columns().Items(2);
    TGridColumnItem* times = grid->Columns().Items(3);
    const double day = 46367.0;
    const double noon = 0.5;
    dates->SetDates(1, day);
    times->SetTimes(1, noon);
    EXPECT_EQ(grid->GetDates(2, 1), day);
    EXPECT_EQ(grid->GetTimes(3, 1), noon);
    EXPECT_EQ(dates->GetDates(1), day);
    EXPECT_NEAR(times->GetTimes(1), noon, 1e-9);
    EXPECT_EQ(grid->GridCells(3, 1), TimeToStr(noon));
    TGridColumnItem detached(nullptr);
    EXPECT_EQ(detached.GetDates(1), 0.0);
    EXPECT_EQ(detached.GetTimes(1), 0.0);
    detached.SetDates(1, day);
}

} // namespace
