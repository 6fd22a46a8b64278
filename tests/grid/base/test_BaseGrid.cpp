#include "grid/base/BaseGrid.h"
#include "grid/base/RovIvir.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// Counts what the grid base reports to its descendants.
class TProbeGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    using TBaseGrid::ExtractGridObject;
    using TBaseGrid::GetGridObject;
    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FNormalRowCount;

    int32_t LastRowChanges = 0;
    std::vector<TPoint> TextChanges;
    // Columns kept past ColCount, as a descendant that hides columns has.
    int32_t HiddenCols = 0;

protected:
    int32_t TotalColCount() const override { return ColCount() + HiddenCols; }
    void LastRowChanged() override { ++LastRowChanges; }
    void CellTextChanged(int32_t aCol, int32_t aRow) override { TextChanges.push_back({ aCol, aRow }); }
    void GetDefaultCellProps(int32_t aCol, int32_t aRow, TFont& font, TBrush& brush, TColor& colorTo,
        TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
        TCellGradientDirection& gradientDirection) override
    {
        TBaseGrid::GetDefaultCellProps(aCol, aRow, font, brush, colorTo, mirrorColor, mirrorColorTo, alignment,
            vAlignment, wordWrap, gradientDirection);
        brush.SetColor(0x123456);
        alignment = taCenter;
    }
};

// A graphic object that counts the live instances of its class.
class TCountedGraphic : public TPersistent {
public:
    TCountedGraphic() { ++Live; }
    ~TCountedGraphic() override { --Live; }
    static inline int32_t Live = 0;
};

// Properties that count their live instances, so that the tests see what the
// grid frees.
class TCountedProps : public TCellProperties {
public:
    TCountedProps(TBaseGrid* grid, int32_t aCol, int32_t aRow) : TCellProperties(grid, aCol, aRow) { ++Live; }
    ~TCountedProps() override { --Live; }
    static inline int32_t Live = 0;
};

class BaseGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        Grid = std::make_unique<TProbeGrid>(nullptr);
        Grid->SetColCount(6);
        Grid->SetRowCount(6);
    }

    void Put(int32_t aCol, int32_t aRow)
    {
        Grid->SetCellProperties(aCol, aRow, std::make_unique<TCountedProps>(Grid.get(), aCol, aRow));
    }

    std::unique_ptr<TProbeGrid> Grid;
};

std::string Text(const String& text) { return text.toStdString(); }

} // namespace

// ---- the store --------------------------------------------------------------

TEST_F(BaseGridTest, MergeEncodesSpansInBaseAndOffsetsInTheOtherCells)
{
    Grid->MergeCells(1, 1, 3, 2);
    struct Case {
        int32_t col;
        int32_t row;
        bool isBase;
        int32_t spanX;
        int32_t spanY;
    };
    const Case cases[] = {
        { 1, 1, true, 2, 1 },
        { 2, 1, false, 1, 0 },
        { 3, 1, false, 2, 0 },
        { 1, 2, false, 0, 1 },
        { 3, 2, false, 2, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
        const TCellProperties* props = Grid->GetCellProperties(c.col, c.row);
        EXPECT_EQ(props->IsBaseCell(), c.isBase);
        EXPECT_EQ(props->CellSpanX(), c.spanX);
        EXPECT_EQ(props->CellSpanY(), c.spanY);
        EXPECT_EQ(Grid->BaseCell(c.col, c.row), (TPoint { 1, 1 }));
        EXPECT_EQ(Grid->CellSpan(c.col, c.row), (TPoint { 2, 1 }));
        EXPECT_TRUE(Grid->IsMergedCell(c.col, c.row));
        EXPECT_EQ(Grid->IsMergedNonBaseCell(c.col, c.row), !c.isBase);
    }
    EXPECT_EQ(Grid->CellExt(2, 1), (TPoint { 1, 1 }));
    EXPECT_EQ(Grid->FullCell(3, 2), Rect(1, 1, 3, 2));
    EXPECT_TRUE(Grid->IsXMergedCell(2, 2));
    EXPECT_TRUE(Grid->IsYMergedCell(2, 2));
    EXPECT_EQ(Grid->MergeCount(), 1);
    // Outside the merge and never touched: an ordinary cell, nothing created.
    EXPECT_EQ(Grid->BaseCell(4, 4), (TPoint { 4, 4 }));
    EXPECT_EQ(Grid->CellSpan(4, 4), (TPoint { 0, 0 }));
    EXPECT_TRUE(Grid->IsBaseCell(4, 4));
    EXPECT_FALSE(Grid->HasCellProps(4, 4));
}

TEST_F(BaseGridTest, TextsOfAMergeLiveInItsBaseCell)
{
    Grid->SetGridCells(3, 2, "old");
    Grid->MergeCells(1, 1, 3, 2);
    Grid->SetCells(3, 2, "x");
    EXPECT_EQ(Text(Grid->GridCells(1, 1)), "x");
    EXPECT_EQ(Text(Grid->Cells(2, 1)), "x");
    EXPECT_EQ(Text(Grid->GridCells(3, 2)), "old");
    ASSERT_EQ(Grid->TextChanges.size(), 1u);
    EXPECT_EQ(Grid->TextChanges[0], (TPoint { 1, 1 }));

    Grid->SplitCells(2, 2);
    EXPECT_EQ(Text(Grid->Cells(3, 2)), "old");
    EXPECT_EQ(Grid->GetCellProperties(1, 1)->CellSpanX(), -1);
    EXPECT_TRUE(Grid->GetCellProperties(3, 2)->IsBaseCell());
    EXPECT_EQ(Grid->MergeCount(), 0);
    // Splitting a cell that was never merged still counts, and creates its
    // properties.
    Grid->SplitCells(5, 5);
    EXPECT_TRUE(Grid->HasCellProps(5, 5));
    EXPECT_EQ(Grid->MergeCount(), -1);
}

TEST_F(BaseGridTest, EveryCellOfAMergeReadsItsBaseText)
{
    Grid->MergeCells(1, 2, 3, 2);
    Grid->SetCells(2, 3, "merged");
    for (int32_t row = 2; row <= 3; ++row)
        for (int32_t col = 1; col <= 3; ++col) {
            SCOPED_TRACE(testing::Message() << col << "," << row);
            EXPECT_EQ(Text(Grid->Cells(col, row)), "merged");
            EXPECT_EQ(Grid->BaseCell(col, row), (TPoint { 1, 2 }));
        }
    EXPECT_EQ(Text(Grid->Cells(4, 2)), "");
    EXPECT_EQ(Text(Grid->Cells(1, 4)), "");
}

TEST_F(BaseGridTest, OneByOneMergeIsNotMergedForTheQueries)
{
    Grid->MergeCells(2, 2, 1, 1);
    EXPECT_EQ(Grid->GetCellProperties(2, 2)->CellSpanX(), 0);
    EXPECT_FALSE(Grid->IsMergedCell(2, 2));
}

TEST_F(BaseGridTest, MergeOutsideTheGridIsRefusedBeforeAnythingChanges)
{
    constexpr int32_t Huge = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t Col, Row, SpanX, SpanY;
    } cases[] = {
        { 4, 4, 2, 3 },
        { -1, 0, 2, 1 },
        // Spans that would wrap the end column or row round to a small number.
        { 4, 0, Huge, 1 },
        { 0, 4, 1, Huge },
        { Huge, Huge, Huge, Huge },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Col << "," << c.Row << " span " << c.SpanX << "x" << c.SpanY);
        EXPECT_THROW(Grid->MergeCells(c.Col, c.Row, c.SpanX, c.SpanY), EInvalidGridOperation);
    }
    EXPECT_FALSE(Grid->HasCellProps(4, 4));
    EXPECT_EQ(Grid->MergeCount(), 0);
    EXPECT_THROW(Grid->GetCellProperties(1, 6), EInvalidGridOperation);
}

TEST_F(BaseGridTest, DisplayHooksApplyToNormalRowsOnly)
{
    Grid->FNormalRowCount = 3;
    Grid->SetCells(1, 1, "a");
    Grid->SetCells(1, 4, "b");
    Grid->OnGetDisplText = [](TComponent*, int32_t, int32_t, String& value) { value += "!"; };
    EXPECT_EQ(Text(Grid->Cells(1, 1)), "a!");
    EXPECT_EQ(Text(Grid->Cells(1, 4)), "b");
    EXPECT_EQ(Text(Grid->GridCells(1, 1)), "a");

    Grid->OnGetDisplText = nullptr;
    Grid->OnGetDisplWideText = [](TComponent*, int32_t, int32_t, String&) { };
    EXPECT_EQ(Text(Grid->Cells(2, 2)), "|\\");
    EXPECT_EQ(DecodeWideCellText(Grid->Cells(1, 1)), QStringLiteral("a"));
    EXPECT_EQ(Text(Grid->Cells(2, 4)), "");
}

TEST_F(BaseGridTest, WritingTheHiddenLastRowTellsTheGrid)
{
    Grid->FHideLastRow = true;
    Grid->SetCells(2, 4, "x");
    EXPECT_EQ(Grid->LastRowChanges, 0);
    Grid->SetCells(2, 5, "y");
    EXPECT_EQ(Grid->LastRowChanges, 1);
}

TEST_F(BaseGridTest, RowsBeyondRowCountKeepTheirTextsOutOfView)
{
    Grid->SetCells(1, 9, "beyond");
    Grid->SetCells(2, 20, String());
    EXPECT_EQ(Text(Grid->Cells(1, 9)), "beyond");
    EXPECT_EQ(Text(Grid->Cells(2, 20)), "");
    EXPECT_EQ(Grid->RowCount(), 6);

    // Growing over the row shows the text; a decrease empties every row cut
    // off, so a later growth shows empty rows.
    Grid->SetRowCount(10);
    EXPECT_EQ(Text(Grid->Cells(1, 9)), "beyond");
    Grid->SetCells(1, 30, "far");
    Grid->SetRowCount(4);
    EXPECT_EQ(Text(Grid->Cells(1, 9)), "");
    EXPECT_EQ(Text(Grid->Cells(1, 30)), "");
    Grid->SetRowCount(40);
    EXPECT_EQ(Text(Grid->Cells(1, 9)), "");
    EXPECT_EQ(Text(Grid->Cells(1, 30)), "");
}

TEST_F(BaseGridTest, CellsBeyondColCountSurviveAndRowsCutOffLoseTheirProperties)
{
    Grid->SetCells(5, 5, "kept?");
    Grid->GetCellProperties(5, 5)->SetBrushColor(clRed);
    Grid->SetCells(5, 1, "col");
    Grid->GetCellProperties(5, 1)->SetBrushColor(clBlue);
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetColCount(6);
    Grid->SetRowCount(6);
    EXPECT_EQ(Text(Grid->Cells(5, 1)), "col");
    ASSERT_NE(Grid->GetGridObject(5, 1), nullptr);
    EXPECT_EQ(Grid->GetGridObject(5, 1)->BrushColor(), clBlue);
    EXPECT_EQ(Text(Grid->Cells(5, 5)), "");
    EXPECT_EQ(Grid->GetGridObject(5, 5), nullptr);
}

TEST_F(BaseGridTest, PropertiesAreCreatedOnFirstUseWithTheGridDefaults)
{
    EXPECT_EQ(Grid->GetObjectEx(2, 2), nullptr);
    EXPECT_EQ(Grid->GetGraphicObjectEx(2, 2), nullptr);
    EXPECT_FALSE(Grid->HasCellProps(2, 2));

    const TCellProperties* props = Grid->GetCellProperties(2, 2);
    EXPECT_EQ(Grid->GetCellProperties(2, 2), props);
    EXPECT_TRUE(props->IsBaseCell());
    EXPECT_EQ(props->CellSpanX(), -1);
    EXPECT_EQ(props->CellSpanY(), -1);
    EXPECT_EQ(props->BrushColor(), TColor(0x123456));
    EXPECT_EQ(props->BrushColorTo(), clNone);
    EXPECT_EQ(props->Alignment(), taCenter);
    EXPECT_EQ(props->FontColor(), Grid->Font().Color());
    EXPECT_EQ(props->FontName(), Grid->Font().Name());
    EXPECT_TRUE(props->WordWrap());
    EXPECT_EQ(props->Editor(), edNormal);
    EXPECT_FALSE(props->ReadOnly());

    int value = 7;
    Grid->SetObjectEx(3, 3, &value);
    EXPECT_EQ(Grid->GetObjectEx(3, 3), &value);
    EXPECT_EQ(Text(Grid->Cells(3, 3)), "");
}

TEST_F(BaseGridTest, NewPropertiesStartWithTheirDefaultsAndTellTheGrid)
{
    TBaseGrid grid(nullptr);
    grid.SetWordWrap(false);
    TCellProperties props(&grid, 1, 2);
    EXPECT_TRUE(props.IsBaseCell());
    EXPECT_EQ(props.BrushColor(), clNone);
    EXPECT_EQ(props.FontColor(), clNone);
    EXPECT_FALSE(props.WordWrap());
    EXPECT_EQ(props.OwnerCol(), 1);
    EXPECT_EQ(props.OwnerRow(), 2);
    EXPECT_EQ(props.GradientDirection(), GradientVertical);
}

TEST(CellPropertiesTest, BaseCellOfANonBaseCellIsItsPositionLessItsOffsets)
{
    struct Case {
        const char* name;
        bool isBase;
        int32_t spanX;
        int32_t spanY;
        TPoint expected;
    };
    const Case cases[] = {
        { "non-base", false, 2, 1, { 3, 6 } },
        { "base", true, 2, 1, { 5, 7 } },
        { "never merged", false, -1, 1, { 5, 7 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCellProperties props(nullptr, 5, 7);
        props.SetIsBaseCell(c.isBase);
        props.SetCellSpanX(c.spanX);
        props.SetCellSpanY(c.spanY);
        EXPECT_EQ(props.GetBaseCell(5, 7), c.expected);
    }
}

namespace {

template <auto Get>
bool Same(const TCellProperties& a, const TCellProperties& b)
{
    return (a.*Get)() == (b.*Get)();
}

// One field each: how the source gets a value other than the default, how
// to compare it, and whether Assign carries it over.
struct TFieldCase {
    const char* Name;
    void (*Change)(TCellProperties&);
    bool (*Equal)(const TCellProperties&, const TCellProperties&);
    bool Copied;
};

int CellObject = 0;
TPersistent Graphic;

using TCP = TCellProperties;
const TFieldCase PropertyFields[] = {
    { "IsBaseCell", [](TCP& p) { p.SetIsBaseCell(false); }, &Same<&TCP::IsBaseCell>, true },
    { "CellSpanX", [](TCP& p) { p.SetCellSpanX(2); }, &Same<&TCP::CellSpanX>, true },
    { "CellSpanY", [](TCP& p) { p.SetCellSpanY(3); }, &Same<&TCP::CellSpanY>, true },
    { "OwnerCol", [](TCP& p) { p.SetOwnerCol(5); }, &Same<&TCP::OwnerCol>, true },
    { "OwnerRow", [](TCP& p) { p.SetOwnerRow(6); }, &Same<&TCP::OwnerRow>, true },
    { "CellObject", [](TCP& p) { p.SetCellObject(&CellObject); }, &Same<&TCP::CellObject>, true },
    { "Alignment", [](TCP& p) { p.SetAlignment(taRightJustify); }, &Same<&TCP::Alignment>, true },
    { "BorderColor", [](TCP& p) { p.SetBorderColor(clRed); }, &Same<&TCP::BorderColor>, true },
    { "BorderWidth", [](TCP& p) { p.SetBorderWidth(3); }, &Same<&TCP::BorderWidth>, true },
    { "BrushColor", [](TCP& p) { p.SetBrushColor(clRed); }, &Same<&TCP::BrushColor>, true },
    { "BrushStyle", [](TCP& p) { p.SetBrushStyle(bsClear); }, &Same<&TCP::BrushStyle>, true },
    { "FontColor", [](TCP& p) { p.SetFontColor(clBlue); }, &Same<&TCP::FontColor>, true },
    { "FontStyle", [](TCP& p) { p.SetFontStyle({ fsBold }); }, &Same<&TCP::FontStyle>, true },
    { "FontName", [](TCP& p) { p.SetFontName("Courier"); }, &Same<&TCP::FontName>, true },
    { "FontSize", [](TCP& p) { p.SetFontSize(17); }, &Same<&TCP::FontSize>, true },
    { "ReadOnly", [](TCP& p) { p.SetReadOnly(true); }, &Same<&TCP::ReadOnly>, true },
    { "Editor", [](TCP& p) { p.SetEditor(edComboList); }, &Same<&TCP::Editor>, true },
    { "VAlignment", [](TCP& p) { p.SetVAlignment(vtaBottom); }, &Same<&TCP::VAlignment>, true },
    { "WordWrap", [](TCP& p) { p.SetWordWrap(!p.WordWrap()); }, &Same<&TCP::WordWrap>, true },
    { "NodeLevel", [](TCP& p) { p.SetNodeLevel(2); }, &Same<&TCP::NodeLevel>, true },
    { "Control", [](TCP& p) { p.SetControl(reinterpret_cast<TControl*>(&CellObject)); }, &Same<&TCP::Control>, true },
    { "BrushColorTo", [](TCP& p) { p.SetBrushColorTo(clBlue); }, &Same<&TCP::BrushColorTo>, false },
    { "GradientDirection", [](TCP& p) { p.SetGradientDirection(GradientHorizontal); },
        &Same<&TCP::GradientDirection>, false },
    { "CalcType", [](TCP& p) { p.SetCalcType(acSUM); }, &Same<&TCP::CalcType>, false },
    { "CalcObject", [](TCP& p) { p.SetCalcObject(&Graphic); }, &Same<&TCP::CalcObject>, false },
    { "GraphicObject", [](TCP& p) { p.SetGraphicObject(&Graphic); }, &Same<&TCP::GraphicObject>, false },
    { "PaintID", [](TCP& p) { p.SetPaintID(9); }, &Same<&TCP::PaintID>, false },
};

} // namespace

TEST(CellPropertiesTest, AssignCopiesAllButGradientCalculationGraphicAndPaintCounter)
{
    const TCellProperties fresh(nullptr, 1, 1);
    TCellProperties source(nullptr, 1, 1);
    for (const auto& field : PropertyFields)
        field.Change(source);
    TCellProperties target(nullptr, 1, 1);
    target.Assign(source);
    for (const auto& field : PropertyFields) {
        SCOPED_TRACE(field.Name);
        ASSERT_FALSE(field.Equal(source, fresh)) << "the case does not change the field";
        EXPECT_TRUE(field.Equal(target, field.Copied ? source : fresh));
    }
}

TEST(CellPropertiesTest, AssignCopiesAllButGradientAndGraphic)
{
    TCellProperties source(nullptr, 1, 1);
    source.SetIsBaseCell(false);
    source.SetCellSpanX(2);
    source.SetCellSpanY(3);
    source.SetBrushColor(clRed);
    source.SetBrushColorTo(clBlue);
    source.SetGradientDirection(GradientHorizontal);
    source.SetReadOnly(true);
    source.SetEditor(edComboList);
    source.SetCalcType(acSUM);
    TCountedGraphic graphic;
    source.SetGraphicObject(&graphic);

    TCellProperties target(nullptr, 4, 4);
    target.Assign(source);
    EXPECT_FALSE(target.IsBaseCell());
    EXPECT_EQ(target.CellSpanX(), 2);
    EXPECT_EQ(target.CellSpanY(), 3);
    EXPECT_EQ(target.OwnerCol(), 1);
    EXPECT_EQ(target.BrushColor(), clRed);
    EXPECT_TRUE(target.ReadOnly());
    EXPECT_EQ(target.Editor(), edComboList);
    EXPECT_EQ(target.BrushColorTo(), clNone);
    EXPECT_EQ(target.GradientDirection(), GradientVertical);
    EXPECT_EQ(target.CalcType(), acNONE);
    EXPECT_EQ(target.GraphicObject(), nullptr);
}

TEST_F(BaseGridTest, TheGridOwnsEveryPropertiesObjectItHolds)
{
    {
        TProbeGrid grid(nullptr);
        grid.SetColCount(4);
        grid.SetRowCount(4);
        for (int32_t col = 0; col < 4; ++col)
            grid.SetCellProperties(col, col, std::make_unique<TCountedProps>(&grid, col, col));
        grid.SetCellProperties(2, 1, std::make_unique<TCountedProps>(&grid, 2, 1));
        // A cell beyond ColCount (a hidden column of a descendant) too.
        grid.SetCellProperties(7, 1, std::make_unique<TCountedProps>(&grid, 7, 1));
        EXPECT_EQ(TCountedProps::Live, 6);
        // Replacing frees the old object.
        grid.SetCellProperties(2, 1, std::make_unique<TCountedProps>(&grid, 2, 1));
        EXPECT_EQ(TCountedProps::Live, 6);
        grid.FreeCellProps(0, 0);
        grid.ClearCell(1, 1);
        EXPECT_EQ(TCountedProps::Live, 4);
        // Extracted properties belong to the caller.
        std::unique_ptr<TCellProperties> moved = grid.ExtractGridObject(2, 2);
        EXPECT_EQ(grid.GetGridObject(2, 2), nullptr);
        grid.SetCellProperties(3, 2, std::move(moved));
        EXPECT_EQ(TCountedProps::Live, 4);
    }
    EXPECT_EQ(TCountedProps::Live, 0);
}

TEST_F(BaseGridTest, ClearingARowOrColumnFreesItsProperties)
{
    Put(1, 2);
    Put(3, 2);
    Put(3, 4);
    Grid->SetCells(3, 2, "t");
    // A column kept past ColCount, as hidden columns are.
    Grid->HiddenCols = 2;
    Put(7, 2);
    Grid->SetCells(7, 2, "hidden");
    Grid->ClearRowCells(2);
    EXPECT_EQ(TCountedProps::Live, 2);
    EXPECT_EQ(Text(Grid->Cells(3, 2)), "");
    EXPECT_EQ(Text(Grid->Cells(7, 2)), "hidden") << "a row is cleared in the columns shown only";
    EXPECT_NE(Grid->GetGridObject(7, 2), nullptr);
    Grid->ClearColumnCells(3);
    EXPECT_EQ(TCountedProps::Live, 1);
}

TEST_F(BaseGridTest, RowAndColumnViewsCopyTheCellsObjectsNotTheirProperties)
{
    int userA = 0;
    int userB = 0;
    Put(1, 1);
    Put(2, 1);
    Grid->SetObjects(1, 1, &userA);
    Grid->SetCells(1, 1, "a");

    Grid->Rows(2).Assign(Grid->Rows(1));
    EXPECT_EQ(Grid->Objects(1, 2), &userA);
    EXPECT_EQ(Text(Grid->Cells(1, 2)), "a");
    ASSERT_NE(Grid->GetGridObject(1, 2), nullptr);
    EXPECT_NE(Grid->GetGridObject(1, 2), Grid->GetGridObject(1, 1));
    // A cell with nothing to copy gets no properties.
    EXPECT_EQ(Grid->GetGridObject(3, 2), nullptr);

    Grid->Cols(4).Assign(Grid->Cols(1));
    EXPECT_EQ(Grid->Objects(4, 2), &userA);
    EXPECT_NE(Grid->GetGridObject(4, 2), Grid->GetGridObject(1, 2));

    // Clearing a view empties the cells' objects and keeps their properties.
    Grid->Rows(1).Clear();
    EXPECT_EQ(Grid->Objects(1, 1), nullptr);
    EXPECT_EQ(TCountedProps::Live, 2);

    // The platform grid's own setter reaches the cell's object too.
    static_cast<TStringGrid&>(*Grid).SetObjects(3, 3, &userB);
    EXPECT_EQ(Grid->Objects(3, 3), &userB);
    EXPECT_EQ(static_cast<TStringGrid&>(*Grid).Objects(3, 3), &userB);

    // Cutting off the copied rows frees each slot's properties once.
    Grid->SetRowCount(2);
    EXPECT_EQ(TCountedProps::Live, 2);
    Grid.reset();
    EXPECT_EQ(TCountedProps::Live, 0);
}

TEST_F(BaseGridTest, GridFreesOwnedGraphicsButNotThoseItOnlyRefersTo)
{
    TCountedGraphic foreign;
    {
        TBaseGrid grid(nullptr);
        grid.SetGraphicObjectEx(1, 1, std::make_unique<TCountedGraphic>());
        grid.SetGraphicObjectEx(2, 2, &foreign);
        EXPECT_EQ(TCountedGraphic::Live, 2);
        EXPECT_EQ(grid.GraphicObjects(2, 2), &foreign);
        EXPECT_EQ(Text(grid.Cells(1, 1)), "");
    }
    EXPECT_EQ(TCountedGraphic::Live, 1);
}

TEST_F(BaseGridTest, SpanIdentityAcrossRowsAndColumns)
{
    EXPECT_FALSE(Grid->RowSpanIdentical(1, 2));
    EXPECT_FALSE(Grid->ColSpanIdentical(1, 2));
    Grid->MergeCells(1, 1, 2, 3);
    EXPECT_TRUE(Grid->RowSpanIdentical(1, 3));
    EXPECT_FALSE(Grid->RowSpanIdentical(1, 4));
    EXPECT_TRUE(Grid->ColSpanIdentical(1, 2));
    EXPECT_FALSE(Grid->ColSpanIdentical(2, 3));
    Grid->MergeCells(3, 4, 1, 2);
    EXPECT_FALSE(Grid->RowSpanIdentical(3, 4));
    EXPECT_EQ(Grid->MinRowSpan(4), 1);
    EXPECT_EQ(Grid->MaxRowSpan(1), 2);
    EXPECT_EQ(Grid->MinRowSpan(0), Grid->RowCount());
}

TEST_F(BaseGridTest, CellRectCoversTheWholeMerge)
{
    Grid->SetBounds(0, 0, 600, 300);
    Grid->SetDefaultColWidth(50);
    Grid->SetDefaultRowHeight(20);
    Grid->SetColWidths(2, 0);
    EXPECT_EQ(Grid->CellRect(3, 3), Rect(100, 60, 150, 80));
    Grid->MergeCells(1, 1, 3, 2);
    EXPECT_EQ(Grid->CellRect(2, 2), Rect(50, 20, 150, 60));
    EXPECT_EQ(Grid->CellSize(1, 1), (TPoint { 100, 40 }));
    // A merge in a zero-width column keeps a pixel on each side of it.
    Grid->MergeCells(2, 4, 1, 1);
    EXPECT_EQ(Grid->CellRect(2, 4), Rect(99, 80, 101, 100));
}

// ---- undo and redo ------------------------------------------------------------

namespace {

class UndoRedoTest : public testing::Test {
public:
    void SetUp() override
    {
        Grid = std::make_unique<TBaseGrid>(nullptr);
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        Undo = std::make_unique<TDudOderUndoRedo>(nullptr);
        Grid->SetUndoRedo(Undo.get());
    }

    // Writes the cell and records the change, as an edit does.
    void Change(int32_t aCol, int32_t aRow, const char* text)
    {
        const String old = Grid->Cells(aCol, aRow);
        Grid->SetCells(aCol, aRow, QString::fromLatin1(text));
        Undo->RegisterChange(aCol, aRow, old, QString::fromLatin1(text));
    }

    std::string Texts() const
    {
        std::string result;
        for (int32_t col = 1; col <= 4; ++col)
            result += Grid->Cells(col, 1).isEmpty() ? std::string("-") : Text(Grid->Cells(col, 1));
        return result;
    }

    std::unique_ptr<TBaseGrid> Grid;
    std::unique_ptr<TDudOderUndoRedo> Undo;
};

} // namespace

TEST_F(UndoRedoTest, LinksBothWaysAndForgetsAComponentThatGoes)
{
    EXPECT_EQ(Undo->Grid(), Grid.get());
    Undo.reset();
    EXPECT_EQ(Grid->UndoRedo(), nullptr);
    auto other = std::make_unique<TDudOderUndoRedo>(nullptr);
    Grid->SetUndoRedo(other.get());
    Grid.reset();
    EXPECT_EQ(other->Grid(), nullptr);
}

// One component moved between grids: each grid that still names it must learn
// when it goes, and a grid that goes must not take the component from another.
TEST_F(UndoRedoTest, ComponentMovedToAnotherGridStaysTrackedByBoth)
{
    auto other = std::make_unique<TBaseGrid>(nullptr);
    other->SetUndoRedo(Undo.get());
    EXPECT_EQ(Undo->Grid(), other.get());
    EXPECT_EQ(Grid->UndoRedo(), Undo.get());
    Grid.reset();
    EXPECT_EQ(Undo->Grid(), other.get());
    Grid = std::make_unique<TBaseGrid>(nullptr);
    Grid->SetUndoRedo(Undo.get());
    Undo->SetGrid(other.get());
    Undo.reset();
    EXPECT_EQ(Grid->UndoRedo(), nullptr);
    EXPECT_EQ(other->UndoRedo(), nullptr);
}

TEST_F(UndoRedoTest, MaxLevelKeepsTheNewestChanges)
{
    Undo->SetMaxLevel(3);
    Change(1, 1, "a");
    Change(2, 1, "b");
    Change(3, 1, "c");
    Change(4, 1, "d");
    ASSERT_EQ(Undo->Items().Count(), 3);
    EXPECT_EQ(Undo->Items().Items(0)->Col(), 2);
    EXPECT_EQ(Undo->Level(), 3);
    Undo->Undo();
    Undo->Undo();
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Texts(), "a---");
    EXPECT_EQ(Undo->Level(), 0);
}

// A sequence is one step: the level limit drops it whole, never half of it.
TEST_F(UndoRedoTest, MaxLevelDropsWholeSequences)
{
    Undo->SetMaxLevel(4);
    Undo->StartSequence();
    Change(1, 1, "a");
    Change(2, 1, "b");
    Undo->StopSequence();
    Change(3, 1, "c");
    Undo->Undo();
    EXPECT_EQ(Texts(), "ab--");
    EXPECT_FALSE(Undo->CanUndo());
    Undo->Undo();
    EXPECT_EQ(Texts(), "ab--");
}

TEST_F(UndoRedoTest, RegisteringAfterUndoAppendsAndUndoesNewestFirst)
{
    Change(1, 1, "a");
    Change(2, 1, "b");
    Undo->Undo();
    EXPECT_EQ(Undo->Level(), 1);
    EXPECT_EQ(Texts(), "a---");
    Change(3, 1, "c");
    ASSERT_EQ(Undo->Items().Count(), 3);
    EXPECT_EQ(Undo->Level(), 3);
    Undo->Undo();
    EXPECT_EQ(Texts(), "a---");
    Grid->SetCells(2, 1, "z");
    Undo->Undo();
    EXPECT_EQ(Texts(), "a---");
    EXPECT_EQ(Undo->Level(), 1);
}

TEST_F(UndoRedoTest, SequenceIsUndoneAndRedoneAsOneStep)
{
    std::vector<std::string> events;
    Undo->OnUndo = [&](TComponent*, TBaseGrid*, int32_t aCol, int32_t, const String& orig, const String& text) {
        events.push_back("undo " + std::to_string(aCol) + " " + Text(orig) + ">" + Text(text));
    };
    Undo->OnRedo = [&](TComponent*, TBaseGrid*, int32_t aCol, int32_t, const String& orig, const String& text) {
        events.push_back("redo " + std::to_string(aCol) + " " + Text(orig) + ">" + Text(text));
    };
    Undo->StartSequence();
    Change(1, 1, "a");
    Change(2, 1, "b");
    Undo->StopSequence();
    Undo->Undo();
    EXPECT_EQ(Texts(), "----");
    EXPECT_EQ(Undo->Level(), 0);
    EXPECT_FALSE(Undo->CanUndo());
    Undo->Redo();
    EXPECT_EQ(Texts(), "ab--");
    EXPECT_EQ(Undo->Level(), 4);
    EXPECT_FALSE(Undo->CanRedo());
    const std::vector<std::string> expected { "undo 2 b>", "undo 1 a>", "redo 1 >a", "redo 2 >b" };
    EXPECT_EQ(events, expected);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(UndoRedoTest, ApplyingAChangeMovesToItsCell)
{
    struct {
        const char* Name;
        bool Redo;
    } const cases[] = { { "undo", false }, { "redo", true } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        Undo->Reset();
        Grid->SetCol(1);
        Grid->SetRow(1);
        Change(3, 4, "x");
        if (testCase.Redo)
            Undo->Undo();
        Grid->SetCol(2);
        Grid->SetRow(2);
        if (testCase.Redo)
            Undo->Redo();
        else
            Undo->Undo();
        EXPECT_EQ(Grid->Col(), 3);
        EXPECT_EQ(Grid->Row(), 4);
    }
}

TEST_F(UndoRedoTest, LevelStaysWithinTheListWhateverTheSteps)
{
    struct Case {
        const char* name;
        std::function<void(UndoRedoTest&)> build;
        std::string afterUndos;
        std::string afterRedos;
    };
    const Case cases[] = {
        // MaxLevel reached inside a sequence: the whole oldest sequence goes.
        { "max level drops whole sequences",
            [](UndoRedoTest& t) {
                t.Undo->SetMaxLevel(3);
                t.Undo->StartSequence();
                t.Change(1, 1, "a");
                t.Undo->StopSequence();
                t.Change(2, 1, "b");
                t.Change(3, 1, "c");
            },
            "a---", "abc-" },
        { "sequence never closed",
            [](UndoRedoTest& t) {
                t.Undo->StartSequence();
                t.Change(1, 1, "a");
                t.Change(2, 1, "b");
            },
            "----", "ab--" },
        { "sequence opened last", [](UndoRedoTest& t) {
             t.Change(1, 1, "a");
             t.Undo->StartSequence();
         },
            "----", "a---" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.build(*this);
        for (int32_t step = 0; step < 6; ++step) {
            Undo->Undo();
            ASSERT_GE(Undo->Level(), 0);
        }
        EXPECT_EQ(Texts(), c.afterUndos);
        for (int32_t step = 0; step < 6; ++step) {
            Undo->Redo();
            ASSERT_LE(Undo->Level(), Undo->Items().Count());
        }
        EXPECT_EQ(Texts(), c.afterRedos);
    }
}

TEST_F(UndoRedoTest, ResetLeavesNothingToUndoOrRedo)
{
    Change(1, 1, "a");
    Change(2, 1, "b");
    Undo->Undo();
    Undo->Reset();
    EXPECT_FALSE(Undo->CanUndo());
    EXPECT_FALSE(Undo->CanRedo());
    Undo->Undo();
    EXPECT_EQ(Texts(), "a---");
}

TEST(UndoRedoAloneTest, DoesNothingWithoutAGrid)
{
    TDudOderUndoRedo undo(nullptr);
    undo.RegisterChange(1, 1, "x", "y");
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
    undo.Redo();
    EXPECT_EQ(undo.Level(), 1);
}
