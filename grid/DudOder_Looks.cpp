#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"

#include <array>

namespace {

struct TLookNames {
    const char16_t* Identifier;
    const char16_t* DisplayName;
};

// By TGridLook value, glCustom excluded.
constexpr std::array<TLookNames, glCustom> LookNames { {
    { u"glStandard", u"Standard" },
    { u"glSoft", u"Soft" },
    { u"glClassic", u"Classic" },
    { u"glVUV", u"VUV" },
    { u"glXP", u"Windows XP" },
    { u"glListView", u"ListView" },
    { u"glVista", u"Windows Vista" },
    { u"glWin7", u"Windows 7" },
    { u"glOffice2007", u"Office2007" },
} };

constexpr TColor LookSelectionColor = 0xEACAB6;
constexpr TColor LookBorderColor = 0xB99D7F;

struct TFixedStateColors {
    TColor HoverFrom, HoverTo, HoverMirrorFrom, HoverMirrorTo;
    TColor DownFrom, DownTo, DownMirrorFrom, DownMirrorTo;
};

constexpr TFixedStateColors XPFixedStates { 0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, 0x868788, 0x737C7E, 0x737C7E, 0x627376 };

} // namespace

String TDudStringGrid::LookName(TGridLook value)
{
    return value < glCustom ? String::fromUtf16(LookNames[value].Identifier) : String();
}

String TDudStringGrid::LookDisplayName(TGridLook value)
{
    return value < glCustom ? String::fromUtf16(LookNames[value].DisplayName) : String();
}

void TDudStringGrid::SetLook(TGridLook value)
{
    if (FLook == value)
        return;
    FLook = value;
    TControlLook& look = *FControlLook;
    if (value != glCustom) {
        look.SetFixedGradientMirrorFrom(clNone);
        look.SetFixedGradientMirrorTo(clNone);
        look.SetFixedGradientFrom(clNone);
        look.SetFixedGradientTo(clNone);
        FVUVGradFrom = clNone;
        FVUVGradTo = clNone;
        FVUVGradMirrorFrom = clNone;
        FVUVGradMirrorTo = clNone;
        FSortSettings->SetHeaderColor(clNone);
    }
    switch (value) {
    case glVista:
        SetStyle(tsWindowsVista);
        FStyle = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(tsWindows7);
        FStyle = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(tsOffice2007Luna);
        FStyle = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default:
        SetSelectionStyle(ssDefault);
        if (!IsLoading())
            ApplyPlainLookColors(value);
        break;
    }
    SetScrollType(ssNormal);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetBorderColor(LookBorderColor);
    Repaint();
    if (!IsLoading())
        FFloatingFooter->Invalidate();
}

void TDudStringGrid::ApplyPlainLookColors(TGridLook value)
{
    TControlLook& look = *FControlLook;
    const bool gradient = value == glVUV || value == glXP || value == glListView;
    if (gradient) {
        look.SetFixedGradientFrom(clWhite);
        look.SetFixedGradientTo(clBtnFace);
    } else {
        SetFixedColor(clBtnFace);
        look.SetFixedGradientFrom(clBtnFace);
        look.SetFixedGradientTo(clNone);
    }
    SetGridFixedLineColor(clGray);
    look.SetFixedGradientMirrorFrom(clNone);
    look.SetFixedGradientMirrorTo(clNone);
    FVUVGradMirrorFrom = clNone;
    FVUVGradMirrorTo = clNone;
    SetGridLineColor(clSilver);
    if (value == glVUV || value == glXP) {
        SetActiveCellColor(LookSelectionColor);
        SetActiveCellColorTo(clNone);
        SetSelectionColor(LookSelectionColor);
        SetSelectionColorTo(clNone);
        SetSelectionTextColor(clBlack);
        FSearchFooter->SetColor(FVUVGradFrom);
        FSearchFooter->SetColorTo(FVUVGradTo);
        look.SetFixedGradientFrom(clWhite);
        look.SetFixedGradientTo(value == glXP ? clBtnFace : clSilver);
        look.SetFixedGradientHoverFrom(XPFixedStates.HoverFrom);
        look.SetFixedGradientHoverTo(XPFixedStates.HoverTo);
        look.SetFixedGradientHoverMirrorFrom(XPFixedStates.HoverMirrorFrom);
        look.SetFixedGradientHoverMirrorTo(XPFixedStates.HoverMirrorTo);
        look.SetFixedGradientDownFrom(XPFixedStates.DownFrom);
        look.SetFixedGradientDownTo(XPFixedStates.DownTo);
        look.SetFixedGradientDownMirrorFrom(XPFixedStates.DownMirrorFrom);
        look.SetFixedGradientDownMirrorTo(XPFixedStates.DownMirrorTo);
    } else {
        SetActiveCellColor(clGray);
        SetActiveCellColorTo(clNone);
        SetSelectionColor(clHighlight);
        SetSelectionTextColor(clHighlightText);
        FSearchFooter->SetColor(clBtnFace);
        FSearchFooter->SetColorTo(clBtnFace);
    }
}

void TDudStringGrid::SetURLColor(TColor value)
{
    if (FURLColor == value)
        return;
    FURLColor = value;
    if (FURLShow)
        Invalidate();
}

void TDudStringGrid::SetURLFull(bool value)
{
    FURLFull = value;
    if (FURLShow)
        Invalidate();
}
