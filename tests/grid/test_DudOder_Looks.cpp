#include "AssignCases.h"

#include "grid/DudDropDown_Appearance.h"
#include "grid/DudOder.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_FilterDropDown.h"
#include "grid/DudOder_SortSettings.h"
#include "grid/base/BaseGrid.h"

#include <memory>

namespace {

#define PROP(T, Name, value, copied) \
    TAssignCase<T> { #Name, [](T& s) { s.Set##Name(value); }, [](const T& s) { return s.Name() == (value); }, copied }
#define GLYPH(T, Name, copied) \
    TAssignCase<T> { #Name, [](T& s) { s.Set##Name(TBitmap(3, 4)); }, [](const T& s) { return s.Name().Width() == 3; }, copied }

TEST(SortSettingsTest, DefaultsAndAssignSkipsCaseAndVirtualCells)
{
    TSortSettings sort(nullptr);
    EXPECT_EQ(sort.Column(), -1);
    EXPECT_EQ(sort.Row(), 0);
    EXPECT_TRUE(sort.Full());
    EXPECT_TRUE(sort.AutoFormat());
    EXPECT_TRUE(sort.AutoSortForGrouping());
    EXPECT_TRUE(sort.SortOnVirtualCells());
    EXPECT_EQ(sort.IndexColor(), clYellow);
    EXPECT_EQ(sort.HeaderColor(), clNone);
    using T = TSortSettings;
    ExpectAssignCopies<T>({
        PROP(T, AutoSortForGrouping, false, true),
        PROP(T, AutoColumnMerge, true, true),
        PROP(T, Column, 3, true),
        PROP(T, Show, true, true),
        PROP(T, IndexShow, true, true),
        PROP(T, IndexColor, clRed, true),
        PROP(T, Full, false, true),
        PROP(T, SingleColumn, true, true),
        PROP(T, IgnoreBlanks, true, true),
        PROP(T, BlankPos, blLast, true),
        PROP(T, AutoFormat, false, true),
        PROP(T, Direction, sdDescending, true),
        GLYPH(T, UpGlyph, true),
        GLYPH(T, DownGlyph, true),
        GLYPH(T, IndexUpGlyph, true),
        GLYPH(T, IndexDownGlyph, true),
        PROP(T, IndexSortKey, ikCtrl, true),
        PROP(T, InitSortDirection, sdDescending, true),
        PROP(T, FixedCols, true, true),
        PROP(T, NormalCellsOnly, true, true),
        PROP(T, Row, 1, true),
        PROP(T, UndoSort, true, true),
        PROP(T, HeaderColor, clRed, true),
        PROP(T, HeaderColorTo, clRed, true),
        PROP(T, HeaderMirrorColor, clRed, true),
        PROP(T, HeaderMirrorColorTo, clRed, true),
        PROP(T, IgnoreCase, true, false),
        PROP(T, SortOnVirtualCells, false, false),
    }, [] { return std::make_unique<T>(nullptr); });
}

TEST(SortSettingsTest, RowAboveFixedRowsIsRefused)
{
    TBaseGrid grid(nullptr);
    grid.SetFixedRows(1);
    TSortSettings sort(&grid);
    sort.SetRow(1);
    EXPECT_EQ(sort.Row(), 1);
    try {
        sort.SetRow(2);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Sort row should be smaller than number of fixed rows");
    }
    EXPECT_EQ(sort.Row(), 1);
    sort.ToggleDirection();
    EXPECT_EQ(sort.Direction(), sdDescending);
}

TEST(ControlLookTest, DefaultsOfANewLook)
{
    TControlLook look(nullptr);
    EXPECT_EQ(look.CheckSize(), 15);
    EXPECT_EQ(look.RadioSize(), 10);
    EXPECT_EQ(look.DropDownCount(), 8);
    EXPECT_EQ(look.ControlStyle(), TControlLook::csTheme);
    EXPECT_EQ(look.Color(), clBlack);
    EXPECT_EQ(look.CommentColor(), clRed);
    EXPECT_EQ(look.ProgressBorderColor(), clGray);
    EXPECT_EQ(look.ProgressMarginX(), 2);
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(look.FixedGradientHoverTo(), clWhite);
    EXPECT_EQ(look.FixedGradientHoverFrom(), clGray);
    EXPECT_EQ(look.FixedGradientHoverBorder(), clSilver);
    EXPECT_EQ(look.FixedGradientDownTo(), clSilver);
    EXPECT_EQ(look.FixedGradientDownBorder(), clGray);
    EXPECT_EQ(look.DropDownHeader().Font().Name(), "Tahoma");
    EXPECT_EQ(look.DropDownHeader().Height(), 22);
    EXPECT_TRUE(look.DropDownFooter().SizeGrip());
}

TEST(ControlLookTest, AssignCopiesTheLookButNotTheSwitches)
{
    using T = TControlLook;
    ExpectAssignCopies<T>({
        PROP(T, CheckSize, 20, true),
        PROP(T, RadioSize, 12, true),
        PROP(T, ControlStyle, TControlLook::csFlat, true),
        GLYPH(T, CheckedGlyph, true),
        GLYPH(T, UnCheckedGlyph, true),
        GLYPH(T, RadioOnGlyph, true),
        GLYPH(T, RadioOffGlyph, true),
        PROP(T, ProgressMarginX, 5, true),
        PROP(T, ProgressMarginY, 5, true),
        PROP(T, CommentColor, clBlue, true),
        PROP(T, Color, clBlue, true),
        PROP(T, ProgressBorderColor, clBlue, true),
        PROP(T, CheckAlwaysActive, true, true),
        PROP(T, RadioAlwaysActive, true, true),
        PROP(T, FixedGradientFrom, clBlue, true),
        PROP(T, FixedGradientMirrorTo, clBlue, true),
        PROP(T, FixedGradientHoverMirrorFrom, clBlue, true),
        PROP(T, FixedGradientDownBorder, clBlue, true),
        PROP(T, DropDownAlwaysVisible, true, true),
        PROP(T, SpinButtonsAlwaysVisible, true, true),
        PROP(T, DropDownCount, 20, true),
        PROP(T, HintMaxWidth, 300, true),
        PROP(T, FlatButton, true, false),
        PROP(T, ProgressXP, true, false),
        PROP(T, NoDisabledCheckRadioLook, true, false),
        PROP(T, NoDisabledButtonLook, true, false),
        PROP(T, FixedDropDownButton, true, false),
        TAssignCase<T> { "DropDownHeader", [](T& s) { s.DropDownHeader().SetCaption("head"); },
            [](const T& s) { return s.DropDownHeader().Caption() == "head"; }, true },
        TAssignCase<T> { "DropDownFooter", [](T& s) { s.DropDownFooter().SetSizeGrip(false); },
            [](const T& s) { return !s.DropDownFooter().SizeGrip(); }, true },
    }, [] { return std::make_unique<T>(nullptr); });
}

TEST(ControlLookTest, GradientColoursReachTheGridsOwnCopies)
{
    TDudStringGrid grid(nullptr);
    TControlLook& look = grid.ControlLook();
    look.SetFixedGradientHoverFrom(clRed);
    look.SetFixedGradientDownBorder(clBlue);
    look.SetFixedGradientFrom(clGreen);
    EXPECT_EQ(grid.VUVGradientHoverFrom(), clRed);
    EXPECT_EQ(grid.VUVGradientDownBorder(), clBlue);
    EXPECT_EQ(grid.VUVGradientFrom(), clGreen);
    // No colour leaves the grid's From, To and Border as they were; a
    // mirror colour goes on whatever it is.
    look.SetFixedGradientHoverFrom(clNone);
    look.SetFixedGradientFrom(clNone);
    look.SetFixedGradientHoverMirrorTo(clRed);
    look.SetFixedGradientHoverMirrorTo(clNone);
    look.SetFixedGradientMirrorFrom(clRed);
    look.SetFixedGradientMirrorFrom(clNone);
    EXPECT_EQ(look.FixedGradientHoverFrom(), clNone);
    EXPECT_EQ(grid.VUVGradientHoverFrom(), clRed);
    EXPECT_EQ(grid.VUVGradientFrom(), clGreen);
    EXPECT_EQ(grid.VUVGradientHoverMirrorTo(), clNone);
    EXPECT_EQ(grid.VUVGradientMirrorFrom(), clNone);

    // Assigning a look copies the colours but leaves the grid alone.
    TControlLook other(nullptr);
    other.SetFixedGradientDownTo(clYellow);
    look.Assign(other);
    EXPECT_EQ(look.FixedGradientDownTo(), clYellow);
    EXPECT_EQ(grid.VUVGradientDownTo(), clNone);
}

TEST(FilterDropDownTest, DefaultsAssignAndPictureChanges)
{
    TFilterDropDown dropDown;
    EXPECT_EQ(dropDown.Width(), 150);
    EXPECT_EQ(dropDown.Height(), 150);
    EXPECT_EQ(dropDown.Color(), clWindow);
    EXPECT_FALSE(dropDown.AutoSize());
    int fired = 0;
    dropDown.OnChange = [&](TFilterDropDown*) { ++fired; };
    dropDown.SetGlyph(TBitmap(2, 2));
    dropDown.SetGlyphActive(TBitmap(2, 2));
    dropDown.SetWidth(10);
    EXPECT_EQ(fired, 2);
    using T = TFilterDropDown;
    ExpectAssignCopies<T>({
        PROP(T, Color, clRed, true),
        PROP(T, ColumnWidth, true, true),
        PROP(T, Height, 10, true),
        PROP(T, Width, 10, true),
        GLYPH(T, Glyph, true),
        GLYPH(T, GlyphActive, true),
        TAssignCase<T> { "Font", [](T& s) { s.Font().SetName("Arial"); },
            [](const T& s) { return s.Font().Name() == "Arial"; }, true },
        PROP(T, AutoSize, true, false),
    }, [] { return std::make_unique<T>(); });
}

TEST(HeaderAppearanceTest, OnlyVisibleAndButtonChangesNotify)
{
    THeaderAppearance header(nullptr);
    EXPECT_TRUE(header.Visible());
    EXPECT_EQ(header.BorderWidth(), 1);
    EXPECT_EQ(header.BorderColor(), 0x000000u);
    EXPECT_EQ(header.Color(), 0xC0C0C0u);
    EXPECT_EQ(header.ColorTo(), 0xFFFFFFu);
    EXPECT_EQ(header.GradientDirection(), gdVertical);
    EXPECT_EQ(header.ButtonAlignment(), baRight);
    EXPECT_EQ(header.Buttons().Count(), 0);
    int changes = 0;
    int buttonChanges = 0;
    header.OnChange = [&](TPersistent*) { ++changes; };
    header.OnButtonsChanged = [&](TPersistent*) { ++buttonChanges; };
    header.SetColor(clRed);
    header.SetVisible(true);
    EXPECT_EQ(changes, 0);
    header.SetVisible(false);
    EXPECT_EQ(changes, 1);

    THeaderButton* button = header.Buttons().Add();
    EXPECT_EQ(buttonChanges, 0);
    button->SetHeight(30);
    EXPECT_EQ(buttonChanges, 0);
    button->SetWidth(30);
    button->SetCaption("x");
    button->SetEnabled(false);
    EXPECT_EQ(buttonChanges, 3);
}

TEST(HeaderAppearanceTest, AssignTakesOnlyTheSameClass)
{
    TFooterAppearance footer(nullptr);
    footer.SetCaption("foot");
    footer.SetHeight(40);
    footer.Buttons().Add()->SetModalResult(mrOk);
    THeaderAppearance header(nullptr);
    header.Assign(footer);
    EXPECT_EQ(header.Caption(), "");
    EXPECT_EQ(header.Height(), 22);

    TFooterAppearance copy(nullptr);
    copy.Assign(footer);
    EXPECT_EQ(copy.Caption(), "foot");
    EXPECT_EQ(copy.Height(), 40);
    ASSERT_EQ(copy.Buttons().Count(), 1);
    EXPECT_EQ(copy.Buttons().Items(0)->ModalResult(), mrOk);
}

} // namespace
