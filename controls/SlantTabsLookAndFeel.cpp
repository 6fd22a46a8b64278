#include "controls/SlantTabsLookAndFeel.h"

#include "controls/SlantTabsUtils.h"

namespace {

const char* const TextRenderingHintNames[] = { "TextRenderingHintSystemDefault", "TextRenderingHintSingleBitPerPixelGridFit",
    "TextRenderingHintSingleBitPerPixel", "TextRenderingHintAntiAliasGridFit", "TextRenderingHintAntiAlias",
    "TextRenderingHintClearTypeGridFit" };

} // namespace

// ---- style

const TGPLinearGradientBrush& TSlantTabsLookAndFeelStyle::GetBrush(const TRect& clientRect)
{
    if (FInvalidated) {
        FBrush.reset();
        FInvalidated = false;
    }
    if (!FBrush)
        FBrush = std::make_unique<TGPLinearGradientBrush>(TGPPointF { 0, float(clientRect.Top) }, TGPPointF { 0, float(clientRect.Bottom) },
            MakeGDIPColor(FStartColor, FStartAlpha), MakeGDIPColor(FStopColor, FStopAlpha));
    return *FBrush;
}

const TGPPen& TSlantTabsLookAndFeelStyle::GetPen()
{
    if (FPenInvalidated) {
        FPen.reset();
        FPenInvalidated = false;
    }
    if (!FPen)
        FPen = std::make_unique<TGPPen>(MakeGDIPColor(FOutlineColor, FOutlineAlpha), FOutlineSize);
    return *FPen;
}

void TSlantTabsLookAndFeelStyle::Invalidate()
{
    FInvalidated = true;
    FPenInvalidated = true;
}

void TSlantTabsLookAndFeelStyle::GetProperties(TSlantTabsProperties& p)
{
    p.Color("StartColor", FStartColor, [this](TColor v) { SetStartColor(v); });
    p.Color("StopColor", FStopColor, [this](TColor v) { SetStopColor(v); });
    p.Integer("StartAlpha", FStartAlpha, [this](int64_t v) { SetStartAlpha(uint8_t(v)); });
    p.Integer("StopAlpha", FStopAlpha, [this](int64_t v) { SetStopAlpha(uint8_t(v)); });
    p.Color("OutlineColor", FOutlineColor, [this](TColor v) { SetOutlineColor(v); });
    p.Float("OutlineSize", FOutlineSize, [this](double v) { SetOutlineSize(float(v)); });
    p.Integer("OutlineAlpha", FOutlineAlpha, [this](int64_t v) { SetOutlineAlpha(uint8_t(v)); });
}

// ---- pen

const TGPPen& TSlantTabsLookAndFeelPen::GetPen()
{
    if (!FPen)
        FPen = std::make_unique<TGPPen>(MakeGDIPColor(FColor, uint8_t(FAlpha & 0xFF)), FThickness);
    return *FPen;
}

void TSlantTabsLookAndFeelPen::Invalidate()
{
    FInvalidated = true;
    FPen.reset();
}

void TSlantTabsLookAndFeelPen::GetProperties(TSlantTabsProperties& p)
{
    p.Color("Color", FColor, [this](TColor v) { SetColor(v); });
    p.Float("Thickness", FThickness, [this](double v) { SetThickness(float(v)); });
    p.Integer("Alpha", FAlpha, [this](int64_t v) { SetAlpha(int32_t(v)); });
}

// ---- fonts and glows

void TSlantTabsLookAndFeelBaseFont::GetProperties(TSlantTabsProperties& p)
{
    p.Text("Name", FName, [this](const String& v) { SetName(v); });
    p.Color("Color", FColor, [this](TColor v) { SetColor(v); });
    p.Integer("Size", FSize, [this](int64_t v) { SetSize(int32_t(v)); });
    p.Integer("Alpha", FAlpha, [this](int64_t v) { SetAlpha(uint8_t(v)); });
    p.Enum("TextRendoringMode", FTextRendoringMode, TextRenderingHintNames, [this](TGPTextRenderingHint v) { SetTextRendoringMode(v); });
}

void TSlantTabsLookAndFeelFont::GetProperties(TSlantTabsProperties& p)
{
    TSlantTabsLookAndFeelBaseFont::GetProperties(p);
    p.Boolean("UseDefaultFont", FUseDefaultFont, [this](bool v) { SetUseDefaultFont(v); });
}

void TSlantTabsLookAndFeelStyleProperties::Invalidate()
{
    FInvalidated = true;
    FStyle.Invalidate();
}

void TSlantTabsLookAndFeelStyleProperties::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Font", FFont);
    p.Object("Style", FStyle);
}

void TSlantTabsLookAndFeelGlow::GetProperties(TSlantTabsProperties& p)
{
    p.Color("CentreColor", FCentreColor, [this](TColor v) { SetCentreColor(v); });
    p.Color("OutsideColor", FOutsideColor, [this](TColor v) { SetOutsideColor(v); });
    p.Integer("CentreAlpha", FCentreAlpha, [this](int64_t v) { SetCentreAlpha(uint8_t(v)); });
    p.Integer("OutsideAlpha", FOutsideAlpha, [this](int64_t v) { SetOutsideAlpha(uint8_t(v)); });
}

void TSlantTabsLookAndFeelSpinners::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Upload", FUpload);
    p.Object("Download", FDownload);
}

// ---- tab look

TSlantTabsLookAndFeelTab::TSlantTabsLookAndFeelTab(TSlantTabsPersistent* owner)
    : TSlantTabsPersistent(owner), FActive(this), FNotActive(this), FHot(this), FBaseLine(this, clGray, 2), FModified(this), FDefaultFont(this),
      FMouseGlow(this), FSpinners(this)
{
}

void TSlantTabsLookAndFeelTab::GetProperties(TSlantTabsProperties& p)
{
    p.Object("BaseLine", FBaseLine);
    p.Object("Modified", FModified);
    p.Object("DefaultFont", FDefaultFont);
    p.Object("MouseGlow", FMouseGlow);
    p.Object("Spinners", FSpinners);
    p.Object("Active", FActive);
    p.Object("NotActive", FNotActive);
    p.Object("Hot", FHot);
}

// ---- buttons

void TSlantTabsLookAndFeelButtonItems::Invalidate()
{
    FNormal.Invalidate();
    FDown.Invalidate();
    FHot.Invalidate();
}

void TSlantTabsLookAndFeelButtonItems::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Normal", FNormal);
    p.Object("Down", FDown);
    p.Object("Hot", FHot);
}

void TSlantTabsLookAndFeelDisabledButton::Invalidate()
{
    TSlantTabsLookAndFeelButtonItems::Invalidate();
    FDisabled.Invalidate();
}

void TSlantTabsLookAndFeelDisabledButton::GetProperties(TSlantTabsProperties& p)
{
    TSlantTabsLookAndFeelButtonItems::GetProperties(p);
    p.Object("Disabled", FDisabled);
}

void TSlantTabsLookAndFeelPenItem::Invalidate()
{
    FNormal.Invalidate();
    FDown.Invalidate();
    FHot.Invalidate();
}

void TSlantTabsLookAndFeelPenItem::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Normal", FNormal);
    p.Object("Down", FDown);
    p.Object("Hot", FHot);
}

TSlantTabsLookAndFeelCloseButton::TSlantTabsLookAndFeelCloseButton(TSlantTabsPersistent* owner)
    : TSlantTabsPersistent(owner), FCross(this), FCircle(this)
{
    FCross.Normal().SetColor(RGB(169, 175, 184));
    FCross.Hot().SetColor(clWhite);
    FCross.Hot().SetAlpha(240);
    FCross.Down().SetColor(clRed);
    FCircle.Normal().SetOutlineAlpha(0);
    for (TSlantTabsLookAndFeelStyle* style : { &FCircle.Hot(), &FCircle.Down() }) {
        style->SetStartColor(RGB(193, 53, 53));
        style->SetStopColor(RGB(193, 53, 53));
        style->SetOutlineAlpha(0);
    }
}

void TSlantTabsLookAndFeelCloseButton::Invalidate()
{
    FCross.Invalidate();
    FCircle.Invalidate();
}

void TSlantTabsLookAndFeelCloseButton::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Cross", FCross);
    p.Object("Circle", FCircle);
}

void TSlantTabsLookAndFeelAddButton::Invalidate()
{
    FInvalidated = true;
    FButton.Invalidate();
    FPlusSign.Invalidate();
}

void TSlantTabsLookAndFeelAddButton::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Button", FButton);
    p.Object("PlusSign", FPlusSign);
}

void TSlantTabsLookAndFeelScrollButton::Invalidate()
{
    FInvalidated = true;
    FButton.Invalidate();
    FArrow.Invalidate();
}

void TSlantTabsLookAndFeelScrollButton::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Button", FButton);
    p.Object("Arrow", FArrow);
}

// ---- whole look

TSlantTabsLookAndFeel::TSlantTabsLookAndFeel(ISlantTabs* strip)
    : TSlantTabsPersistent(strip), FTabsContainer(this), FTabs(this), FCloseButton(this), FAddButton(this), FScrollButtons(this)
{
    FTabsContainer.SetOutlineSize(0);
}

void TSlantTabsLookAndFeel::Invalidate()
{
    FInvalidated = true;
    FScrollButtons.Invalidate();
    FTabs.Invalidate();
    FTabsContainer.Invalidate();
    FCloseButton.Invalidate();
    FAddButton.Invalidate();
}

void TSlantTabsLookAndFeel::GetProperties(TSlantTabsProperties& p)
{
    p.Object("TabsContainer", FTabsContainer);
    p.Object("Tabs", FTabs);
    p.Object("CloseButton", FCloseButton);
    p.Object("AddButton", FAddButton);
    p.Object("ScrollButtons", FScrollButtons);
}
