#include "grid/DudOder.h"
#include "grid/DudOder_GridSettings.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(DudOderGridSettings, NewPrintSettingsHaveTheDocumentedDefaults)
{
    TPrintSettings settings(nullptr);
    EXPECT_EQ(settings.DateFormat(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(settings.PageNumSep(), QStringLiteral("/"));
    EXPECT_EQ(settings.Borders(), pbSingle);
    EXPECT_TRUE(settings.Centered());
    EXPECT_TRUE(settings.UseDisplayFont());
    EXPECT_EQ(settings.Time(), ppNone);
    EXPECT_EQ(settings.FitToPage(), fpNever);
    EXPECT_EQ(settings.BorderColor(), clBlack);
    for (int32_t size : { settings.FooterSize(), settings.HeaderSize(), settings.LeftSize(), settings.RightSize(),
             settings.ColumnSpacing(), settings.RowSpacing(), settings.TitleSpacing(), settings.FixedHeight(),
             settings.FixedWidth() })
        EXPECT_EQ(size, 0);
}

TEST(DudOderGridSettings, PrintSettingsAssignCopiesAllButTheFixedCellsFlag)
{
    TPrintSettings source(nullptr);
    source.SetTitleText(QStringLiteral("Devices"));
    source.SetOrientation(poLandscape);
    source.SetFixedCellsAlways(true);
    source.Font().SetSize(14);
    source.TitleLines().Add(QStringLiteral("line"));
    TPrintSettings target(nullptr);
    target.Assign(source);
    EXPECT_EQ(target.TitleText(), QStringLiteral("Devices"));
    EXPECT_EQ(target.Orientation(), poLandscape);
    EXPECT_EQ(target.Font().Size(), 14);
    EXPECT_EQ(target.TitleLines().Count(), 1);
    EXPECT_FALSE(target.FixedCellsAlways());
}

TEST(DudOderGridSettings, PrintSettingsRefuseAnotherClass)
{
    TPrintSettings target(nullptr);
    THTMLSettings html;
    EXPECT_THROW(target.Assign(html), EInvalidCast);
}

TEST(DudOderGridSettings, HTMLSettingsAssignKeepsTheTargetsImageExportAndColumnWidths)
{
    THTMLSettings source;
    source.SetExportImages(false);
    source.SetBorderSize(3);
    source.SetTableStyle(QStringLiteral("compact"));
    source.ColWidths().Add(40);
    THTMLSettings target;
    target.Assign(source);
    EXPECT_EQ(target.BorderSize(), 3);
    EXPECT_EQ(target.TableStyle(), QStringLiteral("compact"));
    EXPECT_TRUE(target.ExportImages());
    EXPECT_EQ(target.ColWidths().Count(), 0);
}

TEST(DudOderGridSettings, ColumnSizeAssignCopiesTheStretchFlagWithoutStretching)
{
    TDudStringGrid grid(nullptr);
    TColumnSize source(nullptr);
    source.SetKey(QStringLiteral("cols.ini"));
    source.SetSection(QStringLiteral("Grid"));
    source.SetStretchColumn(2);
    source.SetLocation(clIniFile);
    grid.ColumnSize().Assign(source);
    EXPECT_EQ(grid.ColumnSize().Key(), QStringLiteral("cols.ini"));
    EXPECT_EQ(grid.ColumnSize().StretchColumn(), 2);
    EXPECT_EQ(grid.ColumnSize().Location(), clIniFile);
}

TEST(DudOderGridSettings, StretchNeedsAStringGridOwner)
{
    TColumnSize orphan(nullptr);
    EXPECT_THROW(orphan.SetStretch(true), EInvalidCast);
    TDudStringGrid grid(nullptr);
    grid.ColumnSize().SetStretch(true);
    EXPECT_TRUE(grid.ColumnSize().Stretch());
}

TEST(DudOderGridSettings, CellNodeDefaultsAndAssign)
{
    TCellNode source(nullptr);
    EXPECT_EQ(source.NodeType(), cnXP);
    EXPECT_EQ(source.NodeIndent(), 12);
    EXPECT_EQ(source.TreeColor(), clGray);
    EXPECT_EQ(source.Color(), clSilver);
    EXPECT_TRUE(source.ShowTree());
    source.SetNodeIndent(20);
    source.SetNodeType(cnFlat);
    TCellNode target(nullptr);
    target.Assign(source);
    EXPECT_EQ(target.NodeIndent(), 20);
    EXPECT_EQ(target.NodeType(), cnFlat);
}

} // namespace
