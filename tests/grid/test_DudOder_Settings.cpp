#include "AssignCases.h"

#include "grid/DudOder_Settings.h"

#include <memory>

namespace {

#define PROP(T, Name, value, copied) \
    TAssignCase<T> { #Name, [](T& s) { s.Set##Name(value); }, [](const T& s) { return s.Name() == (value); }, copied }

TEST(GroupingTest, DefaultsAndAssignLeavesLineLooksAndSummary)
{
    TGrouping grouping;
    EXPECT_EQ(grouping.SummaryLineWidth(), 2);
    EXPECT_EQ(grouping.HeaderLineWidth(), 2);
    EXPECT_EQ(grouping.SummaryLineColor(), clBlue);
    EXPECT_EQ(grouping.HeaderLineColor(), clBlue);
    EXPECT_EQ(grouping.HeaderColor(), clNone);
    using T = TGrouping;
    ExpectAssignCopies<T>({
        PROP(T, GroupCountFormat, String("(%d)"), true),
        PROP(T, HeaderColor, clRed, true),
        PROP(T, HeaderColorTo, clRed, true),
        PROP(T, HeaderTextColor, clRed, true),
        PROP(T, HeaderUnderline, true, true),
        PROP(T, MergeHeader, true, true),
        PROP(T, MergeSummary, true, true),
        PROP(T, ShowGroupCount, true, true),
        PROP(T, SummaryColor, clRed, true),
        PROP(T, SummaryColorTo, clRed, true),
        PROP(T, SummaryTextColor, clRed, true),
        PROP(T, SummaryLine, true, true),
        PROP(T, AutoCheckGroup, true, true),
        PROP(T, AutoSelectGroup, true, true),
        PROP(T, Summary, true, false),
        PROP(T, HeaderLineColor, clRed, false),
        PROP(T, HeaderLineWidth, 5, false),
        PROP(T, SummaryLineColor, clRed, false),
        PROP(T, SummaryLineWidth, 5, false),
    }, [] { return std::make_unique<T>(); });
}

TEST(DragDropSettingsTest, DefaultsAndAssignCopiesEveryFlag)
{
    TDragDropSettings settings(nullptr);
    EXPECT_TRUE(settings.OleAcceptText());
    EXPECT_TRUE(settings.OleAcceptFiles());
    EXPECT_TRUE(settings.OleAcceptURLs());
    EXPECT_TRUE(settings.ShowCells());
    EXPECT_FALSE(settings.OleDropTarget());
    using T = TDragDropSettings;
    ExpectAssignCopies<T>({
        PROP(T, OleDropRTF, true, true),
        PROP(T, OleAcceptText, false, true),
        PROP(T, OleEntireRows, true, true),
        PROP(T, OleDropSource, true, true),
        PROP(T, OleRemoveRows, true, true),
        PROP(T, OleAcceptFiles, false, true),
        PROP(T, OleAcceptURLs, false, true),
        PROP(T, OleDropTarget, true, true),
        PROP(T, OleInsertRows, true, true),
        PROP(T, OleAppendRows, true, true),
        PROP(T, OleCopyAlways, true, true),
        PROP(T, OleColumnDragDrop, true, true),
        PROP(T, OleColumnReorder, true, true),
        PROP(T, OleColumnsOnly, true, true),
        PROP(T, ShowCells, false, true),
    }, [] { return std::make_unique<T>(nullptr); });
}

TEST(BalloonSettingsTest, DefaultsAndAssignSkipsTransparencyAndDoesNotFire)
{
    TBalloonSettings balloon;
    EXPECT_EQ(balloon.InitialDelay(), -1);
    EXPECT_EQ(balloon.ReshowDelay(), -1);
    EXPECT_EQ(balloon.AutoHideDelay(), -1);
    EXPECT_EQ(balloon.BackgroundColor(), clNone);
    EXPECT_FALSE(balloon.Enable());
    using T = TBalloonSettings;
    ExpectAssignCopies<T>({
        PROP(T, TextColor, clRed, true),
        PROP(T, BackgroundColor, clRed, true),
        PROP(T, InitialDelay, 10, true),
        PROP(T, AutoHideDelay, 10, true),
        PROP(T, ReshowDelay, 10, true),
        PROP(T, Enable, true, true),
        PROP(T, Transparency, uint8_t(55), false),
    }, [] { return std::make_unique<T>(); });

    int fired = 0;
    balloon.OnEnableChange = [&](TBalloonSettings*) { ++fired; };
    TBalloonSettings enabled;
    enabled.SetEnable(true);
    balloon.Assign(enabled);
    EXPECT_EQ(fired, 0);
    balloon.SetEnable(true);
    EXPECT_EQ(fired, 1);
}

TEST(ShowModifiedTest, ColorFiresOnChangeAndAssignCopiesBoth)
{
    TShowModified modified;
    EXPECT_EQ(modified.Color(), clYellow);
    EXPECT_FALSE(modified.Enabled());
    int fired = 0;
    modified.OnChange = [&](TShowModified*) { ++fired; };
    modified.SetColor(clRed);
    modified.SetEnabled(true);
    EXPECT_EQ(fired, 1);
    using T = TShowModified;
    ExpectAssignCopies<T>({ PROP(T, Color, clRed, true), PROP(T, Enabled, true, true) },
        [] { return std::make_unique<T>(); });
}

TEST(DragScrollOptionsTest, DefaultsAndAssignCopiesTheParts)
{
    TDragScrollOptions source;
    EXPECT_FALSE(source.Active());
    EXPECT_EQ(source.Delays().InitialDelay(), 1000);
    EXPECT_EQ(source.Delays().RepeatDelay(), 250);
    EXPECT_EQ(source.Margins().TopMargin(), 50);
    EXPECT_EQ(source.Margins().RightMargin(), 50);
    source.SetActive(true);
    source.Delays().SetRepeatDelay(100);
    source.Margins().SetLeftMargin(7);
    source.Margins().SetBottomMargin(8);
    TDragScrollOptions target;
    target.Assign(source);
    EXPECT_TRUE(target.Active());
    EXPECT_EQ(target.Delays().RepeatDelay(), 100);
    EXPECT_EQ(target.Margins().LeftMargin(), 7);
    EXPECT_EQ(target.Margins().BottomMargin(), 8);
}

TEST(GridProgressAppearanceTest, DefaultsAndChangesFireOnlyOnRealChange)
{
    TGridProgressAppearance look;
    EXPECT_EQ(look.Level0ColorTo(), 0xE1FFE1u);
    EXPECT_EQ(look.Level2Color(), 0x53A9FFu);
    EXPECT_EQ(look.Level1Perc(), 70);
    EXPECT_EQ(look.Level2Perc(), 90);
    EXPECT_EQ(look.Steps(), 11);
    EXPECT_EQ(look.Style(), psXP);
    EXPECT_EQ(look.UnCompleteFontColor(), clWindowText);
    int fired = 0;
    look.OnChange = [&](TGridProgressAppearance*) { ++fired; };
    look.SetSteps(11);
    EXPECT_EQ(fired, 0);
    look.SetSteps(12);
    EXPECT_EQ(fired, 1);

    TGridProgressAppearance source;
    source.SetStyle(psClassic);
    source.SetLevel3ColorTo(clBlack);
    look.Assign(source);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(look.Style(), psClassic);
    EXPECT_EQ(look.Level3ColorTo(), clBlack);
    EXPECT_EQ(look.Steps(), 11);
}

} // namespace
