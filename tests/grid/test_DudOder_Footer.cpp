#include "grid/DudOder_Footer.h"

#include "grid/DudOder.h"

#include <gtest/gtest.h>

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

} // namespace
