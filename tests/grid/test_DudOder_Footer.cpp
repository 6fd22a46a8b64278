#include "grid/DudOder_Footer.h"

#include "grid/DudOder.h"
#include "grid/DudOder_GridData.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TEST(FooterTemplateTest, ExpandsColumnPlaceholders)
{
    struct Case {
        const char* templateText;
        const char* expected;
    };
    const Case cases[] = {
        { "plain text", "plain text" },
        { "<#1>", "B" },
        { "a <#0> b <#0> c", "a A b A c" },
        { "x<#2>y", "xy" },
        { "[<#abc>]", "[]" },
        { "<b><#1></b>", "<b>B</b>" },
        // A placeholder that never closes stays as text instead of looping.
        { "<#1> and <#2", "B and <#2" },
        { "<#", "<#" },
    };
    const auto cellText = [](int32_t col) -> String { return col == 0 ? "A" : col == 1 ? "B" : ""; };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.templateText);
        EXPECT_EQ(ExpandFooterTemplate(entry.templateText, cellText), String(entry.expected));
    }
}

TEST(FloatingFooterTest, DefaultsAndAssignUsesTheVisibleSetter)
{
    TFloatingFooter footer(nullptr);
    EXPECT_FALSE(footer.Visible());
    EXPECT_EQ(footer.Color(), clBtnFace);
    EXPECT_EQ(footer.FooterStyle(), fsFixedLastRow);
    EXPECT_TRUE(footer.CalculateHiddenRows());
    EXPECT_TRUE(footer.EnableCalculation());
    EXPECT_EQ(footer.BorderColor(), clNone);
    EXPECT_EQ(footer.Height(), 0);

    TFloatingFooter source(nullptr);
    source.SetVisible(true);
    source.SetColor(clRed);
    source.SetColumn(2);
    source.SetCustomTemplate("<#2>");
    source.SetFooterStyle(fsCustomPreview);
    source.SetShowHint(true);
    source.SetCalculateHiddenRows(false);
    source.SetHeight(40);
    source.SetBorderColor(clBlue);
    source.SetEnableCalculation(false);
    footer.Assign(source);
    EXPECT_TRUE(footer.Visible());
    EXPECT_EQ(footer.Color(), clRed);
    EXPECT_EQ(footer.Column(), 2);
    EXPECT_EQ(footer.CustomTemplate(), "<#2>");
    EXPECT_EQ(footer.FooterStyle(), fsCustomPreview);
    EXPECT_TRUE(footer.ShowHint());
    EXPECT_FALSE(footer.CalculateHiddenRows());
    EXPECT_EQ(footer.Height(), 0);
    EXPECT_EQ(footer.BorderColor(), clNone);
    EXPECT_TRUE(footer.EnableCalculation());
}

TEST(FloatingFooterTest, PanelHeightFollowsVisibleAndHeight)
{
    TBaseGrid grid(nullptr);
    TFooterPanel panel(&grid);
    TFloatingFooter footer(&grid);
    footer.SetFooterPanel(&panel);
    EXPECT_EQ(panel.LastHintX(), -1);
    footer.SetHeight(40);
    footer.SetVisible(true);
    EXPECT_EQ(panel.Height(), 39);
    footer.SetVisible(false);
    EXPECT_EQ(panel.Height(), 0);
}

TEST(FloatingFooterTest, ColumnCalcLivesInTheLastRowAndReadingCreatesNothing)
{
    TBaseGrid grid(nullptr);
    grid.SetRowCount(5);
    TFloatingFooter footer(&grid);
    EXPECT_EQ(footer.GetColumnCalc(1), acNONE);
    EXPECT_FALSE(grid.HasCellProps(1, 4));
    footer.SetColumnCalc(1, acSUM);
    EXPECT_EQ(grid.GetCellProperties(1, 4)->CalcType(), acSUM);
    EXPECT_EQ(footer.GetColumnCalc(1), acSUM);
}

TEST(FloatingFooterTest, TheGridsFooterTakesTheRowHeightAndTheLastRowAsFixedCells)
{
    TDudStringGrid grid(nullptr);
    EXPECT_EQ(grid.FloatingFooter().Height(), 22);
    grid.SetDefaultRowHeight(30);
    EXPECT_EQ(grid.FloatingFooter().Height(), 30);

    const struct {
        bool Visible;
        TFooterStyle Style;
        int32_t FixedFooters;
        bool HideLastRow;
    } cases[] = {
        { true, fsFixedLastRow, 1, true },
        { true, fsColumnPreview, 0, false },
        { false, fsFixedLastRow, 0, false },
        { true, fsCustomPaint, 0, false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(testing::Message() << entry.Visible << " " << entry.Style);
        grid.FloatingFooter().SetFooterStyle(entry.Style);
        grid.FloatingFooter().SetVisible(entry.Visible);
        EXPECT_EQ(grid.FixedFooters(), entry.FixedFooters);
        EXPECT_EQ(grid.HideLastRow(), entry.HideLastRow);
    }
    // The style alone moves the last row in and out of the footer as well.
    grid.FloatingFooter().SetFooterStyle(fsFixedLastRow);
    EXPECT_TRUE(grid.HideLastRow());
}

// A grid whose last row is the footer: column 1 holds the values, column 2
// texts for counting distinct values.
std::unique_ptr<TDudStringGrid> FooterGrid(const std::vector<const char*>& values)
{
    auto grid = std::make_unique<TDudStringGrid>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(static_cast<int32_t>(values.size()) + 2);
    for (size_t index = 0; index < values.size(); ++index)
        grid->SetCells(1, static_cast<int32_t>(index) + 1, QString::fromUtf8(values[index]));
    grid->FloatingFooter().SetVisible(true);
    return grid;
}

TEST(FooterCalculationTest, EachCalculationFillsItsFooterCellFromTheRowsAbove)
{
    const struct {
        const char* name;
        std::vector<const char*> values;
        TColumnCalcType type;
        const char* expected;
    } cases[] = {
        { "sum skips a text", { "1", "2", "x", "4" }, acSUM, "7.00" },
        { "average counts every row", { "1", "2", "x", "4" }, acAVG, "1.75" },
        { "minimum", { "3", "-2", "x", "4" }, acMIN, "-2.00" },
        { "maximum", { "3", "-2", "x", "4" }, acMAX, "4.00" },
        { "count of rows", { "1", "2", "x", "4" }, acCOUNT, "4" },
        { "distinct without case", { "A", "a", "B" }, acDISTINCT, "2.00" },
        { "standard deviation", { "2", "4", "4", "4", "5", "5", "7", "9" }, acSTDDEV, "2.00" },
        { "nothing to sum", {}, acSUM, "0.00" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        auto grid = FooterGrid(entry.values);
        grid->FloatingFooter().SetColumnCalc(1, entry.type);
        EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1).toStdString(), entry.expected);
    }
}

TEST(FooterCalculationTest, CustomTextsComeFromTheGridThenTheFooterAndNoneAndSpreadLeaveTheCell)
{
    auto grid = FooterGrid({ "1", "2" });
    const int32_t footer = grid->RowCount() - 1;
    grid->SetCells(1, footer, "kept");
    grid->FloatingFooter().SetColumnCalc(1, acSPREAD);
    EXPECT_EQ(grid->Cells(1, footer), "kept");
    grid->FloatingFooter().OnCalcFooter = [](TComponent*, int32_t col, int32_t row, String& value) {
        value = QString("footer %1 %2").arg(col).arg(row);
    };
    grid->FloatingFooter().SetColumnCalc(1, acCUSTOM);
    EXPECT_EQ(grid->Cells(1, footer), "footer 1 3");
    grid->OnFooterCalc = [](TDudStringGrid*, int32_t col, int32_t, String& value) { value = QString("grid %1").arg(col); };
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer), "grid 1");

    // Switched off, or in another style, nothing is written.
    grid->FloatingFooter().SetColumnCalc(1, acSUM);
    grid->FloatingFooter().SetEnableCalculation(false);
    grid->SetCells(1, 1, "10");
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer), "3.00");
    grid->FloatingFooter().SetEnableCalculation(true);
    grid->FloatingFooter().SetFooterStyle(fsColumnPreview);
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer), "3.00");
    grid->FloatingFooter().SetFooterStyle(fsFixedLastRow);
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer), "12.00");
}

TEST(FooterCalculationTest, HiddenRowsCountOnlyWithCalculateHiddenRows)
{
    auto grid = FooterGrid({ "1", "2", "4" });
    grid->FloatingFooter().SetColumnCalc(1, acSUM);
    grid->HideRow(2);
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1), "7.00");
    grid->FloatingFooter().SetCalculateHiddenRows(false);
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1), "5.00");
}

// Tells which ranges changed, and can leave while it is told.
class TRecordingNotifier : public TGridChangeNotifier {
public:
    TRecordingNotifier(std::vector<std::string>& log, const char* name) : TGridChangeNotifier(nullptr), Log(log), Name(name) { }
    void CellsChanged(const TRect& range) override
    {
        Log.push_back(std::string(Name) + " " + std::to_string(range.Top) + "-" + std::to_string(range.Bottom));
        if (Leave)
            Leave();
    }
    std::vector<std::string>& Log;
    const char* Name;
    std::function<void()> Leave;
};

TEST(FooterCalculationTest, ChangedCellsReachTheEventThenEachNotifierOnceInOrderThenTheFooter)
{
    auto grid = FooterGrid({ "1", "2" });
    grid->FloatingFooter().SetColumnCalc(1, acSUM);
    std::vector<std::string> log;
    grid->OnCellsChanged = [&](TDudStringGrid*, const TRect& range) {
        log.push_back("event " + std::to_string(range.Top) + "-" + std::to_string(range.Bottom));
    };
    TRecordingNotifier first(log, "first");
    TRecordingNotifier second(log, "second");
    grid->RegisterNotifier(&first);
    grid->RegisterNotifier(&second);
    grid->RegisterNotifier(&first);
    first.Leave = [&] { grid->UnRegisterNotifier(&first); };
    grid->InsertRows(1, 1);
    grid->SetCells(1, 1, "5");
    grid->RemoveRows(2, 1);
    EXPECT_EQ(log, (std::vector<std::string> { "event 1-2", "first 1-2", "second 1-2", "event 2-3", "second 2-3" }));
    EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1), "7.00");
}

// The footer panel shown under a grid on a form.
class FooterPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TDudStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(8);
        Grid->SetRowCount(6);
        Grid->SetDefaultColWidth(60);
        Grid->SetBounds(0, 0, 304, 200);
        Grid->SetColor(clWhite);
        Grid->SetLook(glClassic);
        for (int32_t row = 1; row < 5; ++row)
            Grid->SetCells(1, row, QString::number(row));
        Grid->FloatingFooter().SetColor(clYellow);
        Grid->FloatingFooter().SetVisible(true);
        Grid->FloatingFooter().SetColumnCalc(1, acSUM);
        Form->Show();
        QApplication::processEvents();
    }
    TFooterPanel& Panel() const { return *Grid->FloatingFooter().FooterPanel(); }

    std::unique_ptr<TForm> Form;
    TDudStringGrid* Grid = nullptr;
};

TEST_F(FooterPanelTest, TheFooterShowsUnderTheCellsWithTheLastRowInItsColour)
{
    ASSERT_EQ(Panel().Parent(), Grid);
    EXPECT_TRUE(Panel().Visible());
    EXPECT_EQ(Panel().Height(), Grid->FloatingFooter().Height());
    EXPECT_EQ(Grid->Cells(1, 5), "10.00");
    TBitmap image;
    GrabControl(Panel(), image);
    // The columns in the footer colour, the rest in the grid's.
    EXPECT_EQ(image.Canvas().Pixels(150, 5), ColorToRGB(clYellow));
    Grid->SetColCount(4);
    GrabControl(Panel(), image);
    EXPECT_EQ(image.Canvas().Pixels(260, 5), ColorToRGB(clWhite));
    // The sum is drawn: dark pixels in the cell of column 1.
    int32_t dark = 0;
    for (int32_t x = 61; x < 119; ++x)
        for (int32_t y = 2; y < image.Height() - 2; ++y)
            if (image.Canvas().Pixels(x, y) == ColorToRGB(clBlack))
                ++dark;
    EXPECT_GT(dark, 5);
}

TEST_F(FooterPanelTest, TheColumnUnderTheMouseClicksAndHintsWithTheLastRow)
{
    const struct {
        int32_t x;
        int32_t col;
    } cases[] = { { 0, -1 }, { 1, 0 }, { 60, 0 }, { 61, 1 }, { 480, 7 }, { 481, -1 } };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.x);
        EXPECT_EQ(Panel().ColumnAt(entry.x), entry.col);
    }
    // Scrolled, the fixed column stays first.
    Grid->SetFixedCols(1);
    Grid->SetLeftCol(2);
    EXPECT_EQ(Panel().ColumnAt(30), 0);
    EXPECT_EQ(Panel().ColumnAt(90), 2);
}

} // namespace
