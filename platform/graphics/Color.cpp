#include "platform/graphics/Color.h"

#include "platform/core/SysUtils.h"

#include <array>
#include <iterator>

namespace {

// The platform's default colour scheme, indexed by system colour number.
constexpr std::array<TColor, 31> SystemColors = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0), // desktop
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0), // menu text
    RGB(0, 0, 0), // window text
    RGB(0, 0, 0), // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application work space
    RGB(51, 153, 255), // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // grey text
    RGB(0, 0, 0), // button text
    RGB(0, 0, 0), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3-D dark shadow
    RGB(227, 227, 227), // 3-D light
    RGB(0, 0, 0), // tooltip text
    RGB(255, 255, 225), // tooltip background
    RGB(0, 0, 0), // unused slot
    RGB(0, 102, 204), // hot-tracked item
    RGB(185, 209, 234), // active caption gradient
    RGB(215, 228, 242), // inactive caption gradient
    RGB(51, 153, 255), // menu highlight
    RGB(240, 240, 240), // menu bar
};

struct TColorIdent {
    TColor Color;
    const char* Name;
};

constexpr TColorIdent ColorIdents[] = {
    { clBlack, "clBlack" }, { clMaroon, "clMaroon" }, { clGreen, "clGreen" }, { clOlive, "clOlive" },
    { clNavy, "clNavy" }, { clPurple, "clPurple" }, { clTeal, "clTeal" }, { clGray, "clGray" },
    { clSilver, "clSilver" }, { clRed, "clRed" }, { clLime, "clLime" }, { clYellow, "clYellow" },
    { clBlue, "clBlue" }, { clFuchsia, "clFuchsia" }, { clAqua, "clAqua" }, { clWhite, "clWhite" },
    { clMoneyGreen, "clMoneyGreen" }, { clSkyBlue, "clSkyBlue" }, { clCream, "clCream" },
    { clMedGray, "clMedGray" }, { clNone, "clNone" }, { clDefault, "clDefault" },
    { clScrollBar, "clScrollBar" }, { clBackground, "clBackground" }, { clActiveCaption, "clActiveCaption" },
    { clInactiveCaption, "clInactiveCaption" }, { clMenu, "clMenu" }, { clWindow, "clWindow" },
    { clWindowFrame, "clWindowFrame" }, { clMenuText, "clMenuText" }, { clWindowText, "clWindowText" },
    { clCaptionText, "clCaptionText" }, { clActiveBorder, "clActiveBorder" },
    { clInactiveBorder, "clInactiveBorder" }, { clAppWorkSpace, "clAppWorkSpace" },
    { clHighlight, "clHighlight" }, { clHighlightText, "clHighlightText" }, { clBtnFace, "clBtnFace" },
    { clBtnShadow, "clBtnShadow" }, { clGrayText, "clGrayText" }, { clBtnText, "clBtnText" },
    { clInactiveCaptionText, "clInactiveCaptionText" }, { clBtnHighlight, "clBtnHighlight" },
    { cl3DDkShadow, "cl3DDkShadow" }, { cl3DLight, "cl3DLight" }, { clInfoText, "clInfoText" },
    { clInfoBk, "clInfoBk" }, { clHotLight, "clHotLight" }, { clGradientActiveCaption, "clGradientActiveCaption" },
    { clGradientInactiveCaption, "clGradientInactiveCaption" }, { clMenuHighlight, "clMenuHighlight" },
    { clMenuBar, "clMenuBar" },
};

} // namespace

TColor ColorToRGB(TColor color)
{
    if ((color & 0xFF000000) != clSystemColor)
        return color;
    const uint32_t index = color & 0xFF;
    return index < SystemColors.size() ? SystemColors[index] : clBlack;
}

bool IdentToColor(const String& ident, TColor& color)
{
    for (const TColorIdent& entry : ColorIdents) {
        if (SameText(ident, QLatin1String(entry.Name))) {
            color = entry.Color;
            return true;
        }
    }
    return false;
}

bool ColorToIdent(TColor color, String& ident)
{
    for (const TColorIdent& entry : ColorIdents) {
        if (entry.Color == color) {
            ident = QLatin1String(entry.Name);
            return true;
        }
    }
    return false;
}

String ColorToString(TColor color)
{
    String ident;
    if (ColorToIdent(color, ident))
        return ident;
    return QStringLiteral("$") + IntToHex(color, 8);
}

TColor StringToColor(const String& text)
{
    TColor color = 0;
    if (IdentToColor(text, color))
        return color;
    int64_t value = 0;
    if (!TryStrToInt64(text, value) || value < INT32_MIN || value > UINT32_MAX)
        throw EConvertError(QStringLiteral("'%1' is not a valid colour").arg(text));
    return static_cast<TColor>(value);
}
