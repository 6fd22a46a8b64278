#include "controls/SlantTabsLookAndFeel.h"

namespace {

using TStyleOf = TSlantTabsLookAndFeelStyle& (*)(TSlantTabsLookAndFeel&);
using TPenOf = TSlantTabsLookAndFeelPen& (*)(TSlantTabsLookAndFeel&);
using TGlowOf = TSlantTabsLookAndFeelGlow& (*)(TSlantTabsLookAndFeel&);
using TFontOf = TSlantTabsLookAndFeelBaseFont& (*)(TSlantTabsLookAndFeel&);

struct TStyleDefault {
    TStyleOf Style;
    TColor StartColor, StopColor;
    uint8_t StartAlpha, StopAlpha;
    TColor OutlineColor;
    float OutlineSize; // below 0: left as it is
    uint8_t OutlineAlpha;
};

struct TFontDefault {
    TFontOf Font;
    TColor Color;
    uint8_t Alpha;
    int8_t UseDefaultFont; // -1 for the base font, which has none
};

struct TPenDefault {
    TPenOf Pen;
    TColor Color;
    float Thickness;
    int32_t Alpha;
};

struct TGlowDefault {
    TGlowOf Glow;
    uint8_t CentreAlpha;
};

TSlantTabsLookAndFeelStyle& Container(TSlantTabsLookAndFeel& l) { return l.TabsContainer(); }
TSlantTabsLookAndFeelStyle& TabActive(TSlantTabsLookAndFeel& l) { return l.Tabs().Active().Style(); }
TSlantTabsLookAndFeelStyle& TabNotActive(TSlantTabsLookAndFeel& l) { return l.Tabs().NotActive().Style(); }
TSlantTabsLookAndFeelStyle& TabHot(TSlantTabsLookAndFeel& l) { return l.Tabs().Hot().Style(); }
TSlantTabsLookAndFeelStyle& CircleNormal(TSlantTabsLookAndFeel& l) { return l.CloseButton().Circle().Normal(); }
TSlantTabsLookAndFeelStyle& CircleDown(TSlantTabsLookAndFeel& l) { return l.CloseButton().Circle().Down(); }
TSlantTabsLookAndFeelStyle& CircleHot(TSlantTabsLookAndFeel& l) { return l.CloseButton().Circle().Hot(); }
TSlantTabsLookAndFeelStyle& AddNormal(TSlantTabsLookAndFeel& l) { return l.AddButton().Button().Normal(); }
TSlantTabsLookAndFeelStyle& AddDown(TSlantTabsLookAndFeel& l) { return l.AddButton().Button().Down(); }
TSlantTabsLookAndFeelStyle& AddHot(TSlantTabsLookAndFeel& l) { return l.AddButton().Button().Hot(); }
TSlantTabsLookAndFeelStyle& PlusNormal(TSlantTabsLookAndFeel& l) { return l.AddButton().PlusSign().Normal(); }
TSlantTabsLookAndFeelStyle& PlusDown(TSlantTabsLookAndFeel& l) { return l.AddButton().PlusSign().Down(); }
TSlantTabsLookAndFeelStyle& PlusHot(TSlantTabsLookAndFeel& l) { return l.AddButton().PlusSign().Hot(); }
TSlantTabsLookAndFeelStyle& ScrollNormal(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Button().Normal(); }
TSlantTabsLookAndFeelStyle& ScrollDown(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Button().Down(); }
TSlantTabsLookAndFeelStyle& ScrollHot(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Button().Hot(); }
TSlantTabsLookAndFeelStyle& ScrollDisabled(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Button().Disabled(); }
TSlantTabsLookAndFeelStyle& ArrowNormal(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Arrow().Normal(); }
TSlantTabsLookAndFeelStyle& ArrowDown(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Arrow().Down(); }
TSlantTabsLookAndFeelStyle& ArrowHot(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Arrow().Hot(); }
TSlantTabsLookAndFeelStyle& ArrowDisabled(TSlantTabsLookAndFeel& l) { return l.ScrollButtons().Arrow().Disabled(); }

TSlantTabsLookAndFeelBaseFont& DefaultFont(TSlantTabsLookAndFeel& l) { return l.Tabs().DefaultFont(); }
TSlantTabsLookAndFeelBaseFont& ActiveFont(TSlantTabsLookAndFeel& l) { return l.Tabs().Active().Font(); }
TSlantTabsLookAndFeelBaseFont& NotActiveFont(TSlantTabsLookAndFeel& l) { return l.Tabs().NotActive().Font(); }
TSlantTabsLookAndFeelBaseFont& HotFont(TSlantTabsLookAndFeel& l) { return l.Tabs().Hot().Font(); }

TSlantTabsLookAndFeelPen& BaseLine(TSlantTabsLookAndFeel& l) { return l.Tabs().BaseLine(); }
TSlantTabsLookAndFeelPen& CrossNormal(TSlantTabsLookAndFeel& l) { return l.CloseButton().Cross().Normal(); }
TSlantTabsLookAndFeelPen& CrossDown(TSlantTabsLookAndFeel& l) { return l.CloseButton().Cross().Down(); }
TSlantTabsLookAndFeelPen& CrossHot(TSlantTabsLookAndFeel& l) { return l.CloseButton().Cross().Hot(); }

TSlantTabsLookAndFeelGlow& ModifiedGlow(TSlantTabsLookAndFeel& l) { return l.Tabs().Modified(); }
TSlantTabsLookAndFeelGlow& MouseGlow(TSlantTabsLookAndFeel& l) { return l.Tabs().MouseGlow(); }

const TColor White = RGB(255, 255, 255);
const TColor Grey = RGB(128, 128, 128);

const TStyleDefault StyleDefaults[] = {
    { Container, RGB(98, 146, 222), RGB(66, 113, 201), 255, 255, RGB(98, 146, 221), -1, 0 },
    { TabActive, White, RGB(248, 249, 248), 255, 255, RGB(94, 124, 155), 1, 255 },
    { TabNotActive, RGB(205, 217, 231), RGB(205, 217, 231), 210, 210, RGB(150, 179, 206), 1, 215 },
    { TabHot, RGB(216, 226, 239), RGB(215, 225, 237), 255, 255, RGB(119, 146, 189), 1, 235 },
    { CircleNormal, clGradientActiveCaption, clNone, 0, 0, Grey, 1, 0 },
    { CircleDown, RGB(193, 53, 53), RGB(193, 53, 53), 255, 255, Grey, 1, 255 },
    { CircleHot, RGB(219, 143, 143), RGB(228, 151, 149), 255, 255, RGB(195, 98, 92), 1, 255 },
    { AddNormal, RGB(196, 208, 218), RGB(195, 207, 218), 255, 255, RGB(165, 182, 199), 1, 255 },
    { AddDown, RGB(173, 188, 204), RGB(172, 188, 204), 255, 255, RGB(140, 153, 165), 1, 255 },
    { AddHot, RGB(218, 225, 236), RGB(218, 225, 236), 255, 255, RGB(171, 199, 227), 1, 255 },
    { PlusNormal, White, White, 255, 255, Grey, 1, 255 },
    { PlusDown, White, White, 255, 255, Grey, 1, 255 },
    { PlusHot, White, White, 255, 255, Grey, 1, 255 },
    { ScrollNormal, RGB(206, 215, 224), RGB(195, 207, 217), 255, 255, RGB(130, 152, 175), 1, 255 },
    { ScrollDown, RGB(173, 188, 204), RGB(172, 188, 204), 255, 255, RGB(140, 153, 165), 1, 255 },
    { ScrollHot, RGB(218, 225, 236), RGB(217, 225, 236), 255, 255, RGB(172, 199, 227), 1, 255 },
    { ScrollDisabled, RGB(196, 207, 218), RGB(195, 207, 217), 150, 150, RGB(125, 147, 169), 1, 100 },
    { ArrowNormal, White, White, 255, 255, Grey, 1, 200 },
    { ArrowDown, White, White, 255, 255, Grey, 1, 200 },
    { ArrowHot, White, White, 255, 255, Grey, 1, 200 },
    { ArrowDisabled, RGB(192, 192, 192), RGB(192, 192, 192), 150, 150, Grey, 1, 200 },
};

const TFontDefault FontDefaults[] = {
    { DefaultFont, RGB(0, 0, 0), 255, -1 },
    { ActiveFont, RGB(128, 128, 0), 100, 1 },
    { NotActiveFont, RGB(85, 62, 70), 215, 0 },
    { HotFont, RGB(64, 64, 64), 215, 0 },
};

const TPenDefault PenDefaults[] = {
    { BaseLine, RGB(109, 136, 169), 1, 255 },
    { CrossNormal, RGB(87, 93, 101), 1.5f, 255 },
    { CrossDown, RGB(249, 235, 235), 2, 220 },
    { CrossHot, RGB(255, 255, 255), 2, 220 },
};

const TGlowDefault GlowDefaults[] = { { ModifiedGlow, 130 }, { MouseGlow, 120 } };

void ApplyStyle(TSlantTabsLookAndFeel& look, const TStyleDefault& d)
{
    TSlantTabsLookAndFeelStyle& style = d.Style(look);
    style.SetStartColor(d.StartColor);
    style.SetStopColor(d.StopColor);
    style.SetStartAlpha(d.StartAlpha);
    style.SetStopAlpha(d.StopAlpha);
    style.SetOutlineColor(d.OutlineColor);
    if (d.OutlineSize >= 0)
        style.SetOutlineSize(d.OutlineSize);
    style.SetOutlineAlpha(d.OutlineAlpha);
}

void ApplyFont(TSlantTabsLookAndFeel& look, const TFontDefault& d)
{
    TSlantTabsLookAndFeelBaseFont& font = d.Font(look);
    font.SetName(QStringLiteral("Segoe UI"));
    font.SetSize(9);
    font.SetTextRendoringMode(TGPTextRenderingHint::ClearTypeGridFit);
    font.SetColor(d.Color);
    font.SetAlpha(d.Alpha);
    if (d.UseDefaultFont >= 0)
        static_cast<TSlantTabsLookAndFeelFont&>(font).SetUseDefaultFont(d.UseDefaultFont == 1);
}

void ApplyPen(TSlantTabsLookAndFeel& look, const TPenDefault& d)
{
    TSlantTabsLookAndFeelPen& pen = d.Pen(look);
    pen.SetColor(d.Color);
    pen.SetThickness(d.Thickness);
    pen.SetAlpha(d.Alpha);
}

void ApplyGlow(TSlantTabsLookAndFeel& look, const TGlowDefault& d)
{
    TSlantTabsLookAndFeelGlow& glow = d.Glow(look);
    glow.SetCentreColor(White);
    glow.SetOutsideColor(White);
    glow.SetCentreAlpha(d.CentreAlpha);
    glow.SetOutsideAlpha(0);
}

enum class TDefaultKind { Style, Font, Pen, Glow };

struct TDefaultStep {
    TDefaultKind Kind;
    size_t Index;
};

// Container, base line, modified glow, default font, mouse glow, each tab
// state's font then style, close cross then circle, add button body then plus
// sign, scroll button body then arrow: every step reports to the strip in this order.
const TDefaultStep DefaultOrder[] = {
    { TDefaultKind::Style, 0 },
    { TDefaultKind::Pen, 0 },
    { TDefaultKind::Glow, 0 },
    { TDefaultKind::Font, 0 },
    { TDefaultKind::Glow, 1 },
    { TDefaultKind::Font, 1 },
    { TDefaultKind::Style, 1 },
    { TDefaultKind::Font, 2 },
    { TDefaultKind::Style, 2 },
    { TDefaultKind::Font, 3 },
    { TDefaultKind::Style, 3 },
    { TDefaultKind::Pen, 1 },
    { TDefaultKind::Pen, 2 },
    { TDefaultKind::Pen, 3 },
    { TDefaultKind::Style, 4 },
    { TDefaultKind::Style, 5 },
    { TDefaultKind::Style, 6 },
    { TDefaultKind::Style, 7 },
    { TDefaultKind::Style, 8 },
    { TDefaultKind::Style, 9 },
    { TDefaultKind::Style, 10 },
    { TDefaultKind::Style, 11 },
    { TDefaultKind::Style, 12 },
    { TDefaultKind::Style, 13 },
    { TDefaultKind::Style, 14 },
    { TDefaultKind::Style, 15 },
    { TDefaultKind::Style, 16 },
    { TDefaultKind::Style, 17 },
    { TDefaultKind::Style, 18 },
    { TDefaultKind::Style, 19 },
    { TDefaultKind::Style, 20 },
};

} // namespace

void SetDefaultLookAndFeel(TSlantTabsLookAndFeel& look)
{
    for (const TDefaultStep& step : DefaultOrder)
        switch (step.Kind) {
        case TDefaultKind::Style:
            ApplyStyle(look, StyleDefaults[step.Index]);
            break;
        case TDefaultKind::Font:
            ApplyFont(look, FontDefaults[step.Index]);
            break;
        case TDefaultKind::Pen:
            ApplyPen(look, PenDefaults[step.Index]);
            break;
        case TDefaultKind::Glow:
            ApplyGlow(look, GlowDefaults[step.Index]);
            break;
        }
}
