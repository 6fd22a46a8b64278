#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"

#include <gtest/gtest.h>

namespace {

TEST(DudOderGridLooks, NamesFollowTheLookOrder)
{
    struct TCase {
        TGridLook Look;
        const char* Identifier;
        const char* Display;
    };
    const TCase cases[] = {
        { glStandard, "glStandard", "Standard" },
        { glSoft, "glSoft", "Soft" },
        { glClassic, "glClassic", "Classic" },
        { glVUV, "glVUV", "VUV" },
        { glXP, "glXP", "Windows XP" },
        { glListView, "glListView", "ListView" },
        { glVista, "glVista", "Windows Vista" },
        { glWin7, "glWin7", "Windows 7" },
        { glOffice2007, "glOffice2007", "Office2007" },
        { glCustom, "", "" },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Identifier);
        EXPECT_EQ(TDudStringGrid::LookName(test.Look), QString::fromLatin1(test.Identifier));
        EXPECT_EQ(TDudStringGrid::LookDisplayName(test.Look), QString::fromLatin1(test.Display));
    }
    EXPECT_EQ(static_cast<int>(glCustom), 9);
}

TEST(DudOderGridLooks, EachPlainLookSetsItsColours)
{
    struct TCase {
        TGridLook Look;
        TColor Selection;
        TColor SelectionText;
        TColor ActiveCell;
        TColor SearchFooter;
        TColor FixedTo;
    };
    const TCase cases[] = {
        { glXP, 0xEACAB6, clBlack, 0xEACAB6, clWhite, clBtnFace },
        { glVUV, 0xEACAB6, clBlack, 0xEACAB6, clWhite, clSilver },
        { glStandard, clHighlight, clHighlightText, clGray, clBtnFace, clNone },
        { glSoft, clHighlight, clHighlightText, clGray, clBtnFace, clNone },
        { glClassic, clHighlight, clHighlightText, clGray, clBtnFace, clNone },
        { glListView, clHighlight, clHighlightText, clGray, clBtnFace, clBtnFace },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(TDudStringGrid::LookName(test.Look).toStdString());
        TDudStringGrid grid(nullptr);
        grid.SetLook(glCustom);
        grid.SetGridLineColor(clRed);
        grid.SetLook(test.Look);
        EXPECT_EQ(grid.Look(), test.Look);
        EXPECT_EQ(grid.SelectionColor(), test.Selection);
        EXPECT_EQ(grid.SelectionTextColor(), test.SelectionText);
        EXPECT_EQ(grid.ActiveCellColor(), test.ActiveCell);
        EXPECT_EQ(grid.ActiveCellColorTo(), clNone);
        EXPECT_EQ(grid.SearchFooter().Color(), test.SearchFooter);
        EXPECT_EQ(grid.ControlLook().FixedGradientTo(), test.FixedTo);
        EXPECT_EQ(grid.GridLineColor(), clSilver);
        EXPECT_EQ(grid.GridFixedLineColor(), clGray);
        EXPECT_EQ(grid.SelectionStyle(), ssDefault);
        EXPECT_EQ(grid.BorderColor(), TColor(0xB99D7F));
    }
}

TEST(DudOderGridLooks, XPLookSetsTheHeaderHoverAndPressedGradients)
{
    TDudStringGrid grid(nullptr);
    grid.SetLook(glStandard);
    grid.SetLook(glXP);
    const TControlLook& look = grid.ControlLook();
    EXPECT_EQ(look.FixedGradientHoverFrom(), TColor(0xCFD0D1));
    EXPECT_EQ(look.FixedGradientHoverMirrorTo(), TColor(0xABBCBF));
    EXPECT_EQ(look.FixedGradientDownFrom(), TColor(0x868788));
    EXPECT_EQ(look.FixedGradientDownMirrorTo(), TColor(0x627376));
    EXPECT_EQ(grid.VUVGradientHoverFrom(), TColor(0xCFD0D1));
    EXPECT_EQ(grid.VUVGradientDownMirrorTo(), TColor(0x627376));
}

TEST(DudOderGridLooks, AnUnchangedLookChangesNothingAndCustomKeepsColours)
{
    TDudStringGrid grid(nullptr);
    grid.SetBorderColor(clRed);
    grid.SetLook(glXP);
    EXPECT_EQ(grid.BorderColor(), clRed);

    grid.SetSelectionColor(clLime);
    grid.SetScrollType(ssFlat);
    grid.SetLook(glCustom);
    EXPECT_EQ(grid.SelectionColor(), clLime);
    EXPECT_EQ(grid.ScrollType(), ssNormal);
    EXPECT_EQ(grid.BorderColor(), TColor(0xB99D7F));
}

TEST(DudOderGridLooks, StyledLooksTakeTheirComponentStyleAndSelectionStyle)
{
    struct TCase {
        TGridLook Look;
        TGridSelectionStyle Selection;
        TColor FixedFrom;
    };
    const TCase cases[] = {
        { glVista, ssVista, 0xFFFFFF },
        { glWin7, ssWin7, 0xFDFCFA },
        { glOffice2007, ssOffice2007, 0xFBF9F6 },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(TDudStringGrid::LookName(test.Look).toStdString());
        TDudStringGrid grid(nullptr);
        grid.SetLook(test.Look);
        EXPECT_EQ(grid.SelectionStyle(), test.Selection);
        EXPECT_EQ(grid.VUVGradientFrom(), test.FixedFrom);
        EXPECT_EQ(grid.Look(), test.Look);
    }
}

TEST(DudOderGridStyles, EachStyleGivesItsColours)
{
    struct TCase {
        TVUVStyle Style;
        TGridLook Look;
        TColor FixedFrom, FixedTo, MirrorTo;
        TColor Active, GridLine, FixedLine;
        TColor Selection, SelectionText;
        TGridSelectionStyle SelectionStyle;
        TColor SortHeader;
        TColor FooterFrom, FooterTo;
    };
    const TCase cases[] = {
        { tsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, clNone, 0x94E6FB, 0xC0C0C0, 0x808080, 0x94E6FB, clBlack, ssDefault,
            clNone, 0xFCE1CB, clNone },
        { tsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, clNone, 0xD8D5D4, 0xC0C0C0, 0x808080, clHighlight,
            clHighlightText, ssDefault, clNone, 0xFFFFFF, clNone },
        { tsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, 0x9DD8F9, 0xF1EDEB, 0xD1BBA4, 0x5EC1F1, clBlack,
            ssOffice2007, clNone, 0xFBF9F6, clNone },
        { tsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, 0x9DD8F9, 0xE5D7D0, 0x808080, 0x5EC1F1,
            clBlack, ssDefault, clNone, 0xF7F7F7, clNone },
        { tsWindowsXP, glXP, clBtnFace, clBtnFace, clNone, clBtnFace, 0xC0C0C0, 0x808080, clHighlight, clHighlightText,
            ssDefault, clNone, clBtnFace, clNone },
        { tsWindowsVista, glVista, 0xFFFFFF, 0xFFFFFF, 0xF4F2F1, 0xFDF8F1, 0xECECF0, 0xD4D2D1, 0xEACAB6, clBlack,
            ssVista, 0xFCF9F2, 0xFFFFFF, 0xF4F2F1 },
        { tsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF7E9DD, 0xFCEBDC, 0xECECF0, 0xD4D2D1, 0xEACAB6, clBlack, ssWin7,
            0xFCF9F2, 0xFDFCFA, 0xF7E9DD },
        { tsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0xC0C0C0, 0x444444, 0xFFDBB7, clBlack,
            ssDefault, 0xBABABA, 0x6A6A6A, 0x6A6A6A },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.Style));
        TDudStringGrid grid(nullptr);
        grid.SetComponentStyle(test.Style);
        EXPECT_EQ(grid.Look(), test.Look);
        EXPECT_EQ(grid.VUVGradientFrom(), test.FixedFrom);
        EXPECT_EQ(grid.VUVGradientTo(), test.FixedTo);
        EXPECT_EQ(grid.VUVGradientMirrorTo(), test.MirrorTo);
        EXPECT_EQ(grid.ActiveCellColor(), test.Active);
        EXPECT_EQ(grid.GridLineColor(), test.GridLine);
        EXPECT_EQ(grid.GridFixedLineColor(), test.FixedLine);
        EXPECT_EQ(grid.SelectionColor(), test.Selection);
        EXPECT_EQ(grid.SelectionTextColor(), test.SelectionText);
        EXPECT_EQ(grid.SelectionStyle(), test.SelectionStyle);
        EXPECT_EQ(grid.SortSettings().HeaderColor(), test.SortHeader);
        EXPECT_EQ(grid.SearchFooter().Color(), test.FooterFrom);
        EXPECT_EQ(grid.SearchFooter().ColorTo(), test.FooterTo);
    }
}

TEST(DudOderGridStyles, Windows7HoverAndPressedColoursEndInTheGrid)
{
    TDudStringGrid grid(nullptr);
    grid.SetComponentStyle(tsWindows7);
    EXPECT_EQ(grid.VUVGradientHoverFrom(), TColor(0xFEFBF8));
    EXPECT_EQ(grid.VUVGradientHoverMirrorTo(), TColor(0xE8D2C1));
    EXPECT_EQ(grid.VUVGradientHoverBorder(), TColor(0xEEE8E3));
    EXPECT_EQ(grid.VUVGradientDownFrom(), TColor(0xF1E8DD));
    EXPECT_EQ(grid.VUVGradientDownBorder(), TColor(0xD5BCAA));
    // The control look keeps no fixed gradient of its own in this style.
    EXPECT_EQ(grid.ControlLook().FixedGradientFrom(), clNone);
}

TEST(DudOderGridStyles, CustomResetsOnlySelectionSortHeaderAndControlLook)
{
    TDudStringGrid grid(nullptr);
    grid.SetComponentStyle(tsWindowsVista);
    grid.SetGridLineColor(clRed);
    grid.ControlLook().SetColor(clLime);
    grid.SetComponentStyle(tsCustom);
    EXPECT_EQ(grid.Look(), glVista);
    EXPECT_EQ(grid.GridLineColor(), clRed);
    EXPECT_EQ(grid.VUVGradientMirrorTo(), TColor(0xF4F2F1));
    EXPECT_EQ(grid.SelectionColor(), clHighlight);
    EXPECT_EQ(grid.SelectionStyle(), ssDefault);
    EXPECT_EQ(grid.SortSettings().HeaderColor(), clNone);
    EXPECT_EQ(grid.ControlLook().Color(), clBlack);
}

TEST(DudOderGridStyles, ColourTonesGiveAFlatLookAndAStyleEndsTheMetroBars)
{
    TColorTones tones;
    tones.Background = { 0x202020, 0x303030, 0xF0F0F0 };
    tones.Foreground = { 0x646464, 0x505050, 0xFFFFFF };
    tones.Selected = { 0xCC7A00, 0xCC7A00, 0xFFFFFF };
    TDudStringGrid grid(nullptr);
    grid.SetColorTones(tones);
    EXPECT_EQ(grid.Look(), glClassic);
    EXPECT_TRUE(grid.Flat());
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    EXPECT_EQ(grid.FixedColor(), TColor(0x646464));
    EXPECT_EQ(grid.FixedFont().Color(), TColor(0xFFFFFF));
    EXPECT_EQ(grid.Color(), TColor(0x202020));
    EXPECT_EQ(grid.Font().Color(), TColor(0xF0F0F0));
    EXPECT_EQ(grid.SelectionColor(), TColor(0xCC7A00));
    EXPECT_EQ(grid.SelectionColorTo(), clNone);
    EXPECT_EQ(grid.GridLineColor(), TColor(0xE6E6E6));
    EXPECT_EQ(grid.GridFixedLineColor(), AdjustColorPercent(0x646464, -20));
    EXPECT_EQ(grid.ControlLook().ControlStyle(), TControlLook::csGlyph);
    EXPECT_FALSE(grid.ControlLook().CheckedGlyph().Empty());
    EXPECT_FALSE(grid.ControlLook().RadioOnGlyph().Empty());
    EXPECT_TRUE(grid.ControlLook().FlatButton());
    EXPECT_EQ(grid.SearchFooter().ColorTo(), TColor(0x646464));
    EXPECT_EQ(grid.CellNode().NodeType(), cnFlat);

    grid.SetComponentStyle(tsCustom);
    EXPECT_EQ(grid.ScrollType(), ssMetro);
    grid.SetComponentStyle(tsWhidbey);
    EXPECT_EQ(grid.ScrollType(), ssNormal);
}

TEST(DudOderGridStyles, ThemesSetTheFixedCellsAndSearchFooter)
{
    struct TCase {
        TXPColorScheme Scheme;
        TColor FixedFrom, FixedTo, MirrorFrom, Active, FooterTo;
    };
    const TCase cases[] = {
        { xpBlue, 0xFCE1CB, 0xE0A57D, clNone, 0x94E6FB, 0xE0A57D },
        { xpGreen, 0xCFF0EA, 0x8CC0B1, clNone, 0x94E6FB, 0x8CC0B1 },
        { xpGray, 0xECE2E1, 0xB39698, clNone, 0x94E6FB, 0xB39698 },
        { vistaAero, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0x94E6FB, 0xB39698 },
        { xpNone, 0xFFFFFF, clBtnFace, clNone, 0xFFFFFF, 0xFFD9B3 },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.Scheme));
        TDudStringGrid grid(nullptr);
        grid.SetTheme(test.Scheme);
        EXPECT_EQ(grid.VUVGradientFrom(), test.FixedFrom);
        EXPECT_EQ(grid.VUVGradientTo(), test.FixedTo);
        EXPECT_EQ(grid.VUVGradientMirrorFrom(), test.MirrorFrom);
        EXPECT_EQ(grid.ActiveCellColor(), test.Active);
        EXPECT_EQ(grid.SearchFooter().ColorTo(), test.FooterTo);
    }
}

} // namespace
