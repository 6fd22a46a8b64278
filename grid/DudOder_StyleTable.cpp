#include "grid/DudOder_StyleTable.h"

#include <array>

namespace {

constexpr TStyleGradient NoStates { clNone, clNone, clNone, clNone, clNone };

constexpr TComponentStyleColors Office2003(TColor from, TColor to)
{
    return { true, glXP, true, from, to, TStyleMirror::None, clNone, clNone, true, 0x94E6FB, 0x1595EE, true, 0xC0C0C0,
        0x808080, true, 0x94E6FB, 0x1595EE, false, NoStates, NoStates, false, clNone, clNone, clNone, clNone, ssDefault,
        true, true };
}

constexpr TComponentStyleColors Office2010(TColor tone, TColor fixedLine, TColor sortHeader)
{
    return { true, glOffice2007, true, tone, tone, TStyleMirror::Given, tone, tone, true, 0x5BD5FF, 0x71EFFF, true,
        0xC0C0C0, fixedLine, true, 0xFFDBB7, clNone, true, { 0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8 },
        { 0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2 }, true, sortHeader, sortHeader, sortHeader, sortHeader,
        ssDefault, false, true };
}

constexpr TComponentStyleColors Unstyled(bool setsLook, TGridLook look)
{
    return { setsLook, look, false, clNone, clNone, TStyleMirror::Unchanged, clNone, clNone, false, clNone, clNone,
        false, clNone, clNone, false, clNone, clNone, false, NoStates, NoStates, false, clNone, clNone, clNone, clNone,
        ssDefault, false, false };
}

constexpr std::array<TComponentStyleColors, tsOffice2010Black + 1> StyleColors { {
    // tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive
    Office2003(0xFCE1CB, 0xE0A57D),
    Office2003(0xECE2E1, 0xB39698),
    Office2003(0xCFF0EA, 0x8CC0B1),
    // tsOffice2003Classic
    { true, glXP, true, 0xFFFFFF, 0xCCD4D8, TStyleMirror::None, clNone, clNone, true, 0xD8D5D4, 0xD8D5D4, true, 0xC0C0C0,
        0x808080, false, clNone, clNone, false, NoStates, NoStates, false, clNone, clNone, clNone, clNone, ssDefault,
        false, true },
    // tsOffice2007Luna
    { true, glOffice2007, true, 0xFBF9F6, 0xE8DBD2, TStyleMirror::None, clNone, clNone, true, 0x9DD8F9, 0x5EC1F1, true,
        0xF1EDEB, 0xD1BBA4, true, 0x5EC1F1, clNone, true, { 0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87 },
        { 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D }, false, clNone, clNone, clNone, clNone, ssOffice2007, true,
        true },
    // tsOffice2007Obsidian
    { true, glOffice2007, true, 0xF7F7F7, 0xDEDEDE, TStyleMirror::None, clNone, clNone, true, 0x9DD8F9, 0x5EC1F1, true,
        0xE5D7D0, 0x808080, true, 0x5EC1F1, clNone, false, NoStates, NoStates, false, clNone, clNone, clNone, clNone,
        ssDefault, true, true },
    // tsWindowsXP
    { true, glXP, true, clBtnFace, clBtnFace, TStyleMirror::None, clNone, clNone, true, clBtnFace, clBtnFace, true,
        0xC0C0C0, 0x808080, false, clNone, clNone, false, NoStates, NoStates, false, clNone, clNone, clNone, clNone,
        ssDefault, false, true },
    // tsWhidbey
    { false, glXP, true, 0xFFFFFF, clBtnFace, TStyleMirror::None, clNone, clNone, true, 0x94E6FB, 0x1595EE, true,
        0xC0C0C0, 0x808080, false, clNone, clNone, false, NoStates, NoStates, false, clNone, clNone, clNone, clNone,
        ssDefault, false, true },
    // tsCustom
    Unstyled(false, glCustom),
    // tsOffice2007Silver
    { true, glOffice2007, true, 0xF3F3F1, 0xCAC9C8, TStyleMirror::Unchanged, clNone, clNone, true, 0x99CCFF, 0x699CFF,
        true, 0xE5D7D0, 0x808080, true, 0x95C7F5, clNone, false, NoStates, NoStates, false, clNone, clNone, clNone,
        clNone, ssDefault, true, true },
    // tsWindowsVista
    { true, glVista, true, 0xFFFFFF, 0xFFFFFF, TStyleMirror::Given, 0xFAF8F7, 0xF4F2F1, true, 0xFDF8F1, 0xFCEFD5, true,
        0xECECF0, 0xD4D2D1, true, 0xEACAB6, clNone, true, { 0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993 },
        { 0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F }, true, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, ssVista,
        false, true },
    // tsWindows7
    { true, glWin7, true, 0xFDFCFA, 0xFAF0E6, TStyleMirror::Given, 0xF4E6DC, 0xF7E9DD, true, 0xFCEBDC, 0xFCDBC1, true,
        0xECECF0, 0xD4D2D1, true, 0xEACAB6, clNone, true, { 0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3 },
        { 0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA }, true, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, ssWin7,
        false, true },
    // tsTerminal
    Unstyled(true, glStandard),
    // tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
    Office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7),
    Office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA),
    Office2010(0x6A6A6A, 0x444444, 0xBABABA),
} };

} // namespace

const TComponentStyleColors& ComponentStyleColors(TVUVStyle style)
{
    return StyleColors.at(static_cast<size_t>(style));
}
