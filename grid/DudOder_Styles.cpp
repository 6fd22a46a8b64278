#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_Glyphs.h"
#include "grid/DudOder_StyleTable.h"
#include "grid/base/DudStyleIF.h"
#include "platform/graphics/Resources.h"

// Whole colour schemes in one call: the component styles, the flat colour
// tones, the older XP schemes and the user's Office scheme.

namespace {

struct TThemeColors {
    TColor FixedFrom, FixedTo, MirrorFrom, MirrorTo, FooterFrom, FooterTo;
};

// By TXPColorScheme value from xpBlue on.
constexpr TThemeColors ThemeColors[] = {
    { 0xFCE1CB, 0xE0A57D, clNone, clNone, 0xFCE1CB, 0xE0A57D },
    { 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xCFF0EA, 0x8CC0B1 },
    { 0xECE2E1, 0xB39698, clNone, clNone, 0xECE2E1, 0xB39698 },
    { 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698 },
};

struct TOfficeStyle {
    TOfficeTheme Theme;
    TVUVStyle Style;
};

constexpr TOfficeStyle OfficeStyles[] = {
    { ot2003Blue, tsOffice2003Blue },
    { ot2003Silver, tsOffice2003Silver },
    { ot2003Olive, tsOffice2003Olive },
    { ot2003Classic, tsOffice2003Classic },
    { ot2007Blue, tsOffice2007Luna },
    { ot2007Silver, tsOffice2007Silver },
    { ot2007Black, tsOffice2007Obsidian },
    { ot2010Blue, tsOffice2010Blue },
    { ot2010Silver, tsOffice2010Silver },
    { ot2010Black, tsOffice2010Black },
};

constexpr TColor ToneGridLineColor = 0xE6E6E6;

TBitmap ResourceGlyph(const char* name)
{
    RegisterGridGlyphs();
    TBitmap glyph;
    LoadResourceBitmap(QString::fromLatin1(name), glyph);
    return glyph;
}

} // namespace

void TDudStringGrid::SetComponentStyle(TVUVStyle style)
{
    FStyle = style;
    SetStyle(style);
    if (style != tsCustom && FScrollType == ssMetro)
        SetScrollType(ssNormal);
}

// The look goes first: a look that changes sets selection colours of its own,
// which the style then replaces.
void TDudStringGrid::SetStyle(TVUVStyle style)
{
    const TComponentStyleColors& colors = ComponentStyleColors(style);
    if (colors.SetsLook)
        SetLook(colors.Look);
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clNone);
    SetSelectionTextColor(clHighlightText);
    SetSelectionStyle(ssDefault);
    FSortSettings->SetHeaderColor(clNone);
    FSortSettings->SetHeaderColorTo(clNone);
    FSortSettings->SetHeaderMirrorColor(clNone);
    FSortSettings->SetHeaderMirrorColorTo(clNone);
    TControlLook& look = *FControlLook;
    look.Init();

    if (colors.SetsFixed) {
        FVUVGradFrom = colors.FixedFrom;
        FVUVGradTo = colors.FixedTo;
        if (colors.Mirror != TStyleMirror::Unchanged) {
            FVUVGradMirrorFrom = colors.MirrorFrom;
            FVUVGradMirrorTo = colors.MirrorTo;
        }
    }
    if (colors.SetsActiveHeader) {
        FActiveCellColor = colors.ActiveFrom;
        FActiveCellColorTo = colors.ActiveTo;
    }
    if (colors.SetsLines) {
        SetGridLineColor(colors.GridLine);
        SetGridFixedLineColor(colors.FixedLine);
    }
    if (colors.SetsSelection) {
        SetSelectionColor(colors.Selection);
        SetSelectionColorTo(colors.SelectionTo);
        SetSelectionTextColor(clBlack);
    }
    if (colors.SetsStates) {
        look.SetFixedGradientHoverFrom(colors.Hover.From);
        look.SetFixedGradientHoverTo(colors.Hover.To);
        look.SetFixedGradientHoverMirrorFrom(colors.Hover.MirrorFrom);
        look.SetFixedGradientHoverMirrorTo(colors.Hover.MirrorTo);
        look.SetFixedGradientHoverBorder(colors.Hover.Border);
        look.SetFixedGradientDownFrom(colors.Down.From);
        look.SetFixedGradientDownTo(colors.Down.To);
        look.SetFixedGradientDownMirrorFrom(colors.Down.MirrorFrom);
        look.SetFixedGradientDownMirrorTo(colors.Down.MirrorTo);
        look.SetFixedGradientDownBorder(colors.Down.Border);
    }
    if (colors.SetsSortHeader) {
        FSortSettings->SetHeaderColor(colors.SortHeader);
        FSortSettings->SetHeaderColorTo(colors.SortHeaderTo);
        FSortSettings->SetHeaderMirrorColor(colors.SortMirror);
        FSortSettings->SetHeaderMirrorColorTo(colors.SortMirrorTo);
    }
    SetSelectionStyle(colors.SelectionStyle);
    if (colors.LookKeepsFixed) {
        look.SetFixedGradientFrom(colors.FixedFrom);
        look.SetFixedGradientTo(colors.FixedTo);
    }
    if (colors.SetsSearchFooter) {
        FSearchFooter->SetColor(FVUVGradFrom);
        FSearchFooter->SetColorTo(FVUVGradMirrorTo);
    }
    Invalidate();
}

void TDudStringGrid::SetColorTones(const TColorTones& tones)
{
    FTones = tones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);

    const String fontName = GetDefaultFontName();
    SetFixedColor(tones.Foreground.BrushColor);
    FFixedFont->SetColor(tones.Foreground.TextColor);
    FFixedFont->SetName(fontName);
    SetColor(tones.Background.BrushColor);
    Font().SetName(fontName);
    Font().SetColor(tones.Background.TextColor);

    SetSelectionColor(tones.Selected.BrushColor);
    SetSelectionTextColor(tones.Selected.TextColor);
    SetSelectionColorTo(clNone);

    SetGridLineColor(ToneGridLineColor);
    SetGridFixedLineColor(AdjustColorPercent(tones.Foreground.BrushColor, -20));
    SetBorderStyle(TBorderStyle::bsNone);

    TControlLook& look = *FControlLook;
    look.SetControlStyle(TControlLook::csGlyph);
    look.SetCheckedGlyph(ResourceGlyph("metrocheckon"));
    look.SetUnCheckedGlyph(ResourceGlyph("metrocheckoff"));
    look.SetRadioOffGlyph(ResourceGlyph("metroradiooff"));
    look.SetRadioOnGlyph(ResourceGlyph("metroradioon"));

    look.SetFlatButton(true);
    FFloatingFooter->SetColor(tones.Foreground.BrushColor);
    FSearchFooter->SetColor(tones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(tones.Foreground.BrushColor);
    FCellNode->SetNodeType(cnFlat);
}

void TDudStringGrid::SetTheme(TXPColorScheme scheme)
{
    TControlLook& look = *FControlLook;
    if (scheme == xpNone) {
        FActiveCellColor = 0xFFFFFF;
        FActiveCellColorTo = 0xFFD9B3;
        FVUVGradFrom = 0xFFFFFF;
        FVUVGradTo = clBtnFace;
        FVUVGradMirrorFrom = clNone;
        FVUVGradMirrorTo = clNone;
        look.SetFixedGradientFrom(clNone);
        look.SetFixedGradientTo(clNone);
        FSearchFooter->SetColor(0xFFFFFF);
        FSearchFooter->SetColorTo(0xFFD9B3);
        return;
    }
    const TThemeColors& colors = ThemeColors[scheme - xpBlue];
    FVUVGradFrom = colors.FixedFrom;
    FVUVGradTo = colors.FixedTo;
    FVUVGradMirrorFrom = colors.MirrorFrom;
    FVUVGradMirrorTo = colors.MirrorTo;
    FActiveCellColor = 0x94E6FB;
    FActiveCellColorTo = 0x1595EE;
    look.SetFixedGradientFrom(colors.FixedFrom);
    look.SetFixedGradientTo(colors.FixedTo);
    FSearchFooter->SetColor(colors.FooterFrom);
    FSearchFooter->SetColorTo(colors.FooterTo);
}

void TDudStringGrid::SetAutoThemeAdapt(bool value)
{
    if (value == FAutoThemeAdapt)
        return;
    FAutoThemeAdapt = value;
    FSearchFooter->SetAutoThemeAdapt(value);
    if (value) {
        AdaptToOfficeTheme();
        Invalidate();
    }
    if (IsDesigning() || IsLoading() || !HandleAllocated())
        return;
    if (value)
        GetThemeNotifier(this)->RegisterWindow(this);
    else
        GetThemeNotifier(this)->UnRegisterWindow(this);
}

void TDudStringGrid::AdaptToOfficeTheme()
{
    if (IsDesigning())
        return;
    const TOfficeTheme theme = GetOfficeTheme();
    if (theme == FOldOfficeTheme)
        return;
    for (const TOfficeStyle& entry : OfficeStyles)
        if (entry.Theme == theme)
            SetComponentStyle(entry.Style);
    FOldOfficeTheme = theme;
}
