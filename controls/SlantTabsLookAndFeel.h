#pragma once

// The look tree of the tab strip: gradient styles with outlines, pens,
// glows and fonts. Styles and pens cache the brush and pen they paint with
// and rebuild them after a change.

#include "controls/SlantTabsPersistent.h"
#include "platform/graphics/GPGraphics.h"
#include "platform/graphics/Types.h"

#include <memory>

class TSlantTabsLookAndFeelStyle final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelStyle(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner) { }
    explicit TSlantTabsLookAndFeelStyle(ISlantTabs* strip) : TSlantTabsPersistent(strip) { }
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value) { StoreStyle(FStartColor, value); }
    TColor StopColor() const { return FStopColor; }
    void SetStopColor(TColor value) { StoreStyle(FStopColor, value); }
    uint8_t StartAlpha() const { return FStartAlpha; }
    void SetStartAlpha(uint8_t value) { StoreStyle(FStartAlpha, value); }
    uint8_t StopAlpha() const { return FStopAlpha; }
    void SetStopAlpha(uint8_t value) { StoreStyle(FStopAlpha, value); }
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value) { StoreStyle(FOutlineColor, value); }
    float OutlineSize() const { return FOutlineSize; }
    void SetOutlineSize(float value) { StoreStyle(FOutlineSize, value); }
    uint8_t OutlineAlpha() const { return FOutlineAlpha; }
    void SetOutlineAlpha(uint8_t value) { StoreStyle(FOutlineAlpha, value); }

    // Top to bottom over the first rectangle asked for; later rectangles get
    // the same brush until the style changes.
    const TGPLinearGradientBrush& GetBrush(const TRect& clientRect);
    const TGPPen& GetPen();
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    template <class T> void StoreStyle(T& field, T value)
    {
        field = value;
        Invalidate();
        NotifyChange();
    }

    TColor FStartColor = clWhite;
    TColor FStopColor = clWhite;
    uint8_t FStartAlpha = 255;
    uint8_t FStopAlpha = 255;
    TColor FOutlineColor = clGray;
    float FOutlineSize = 1;
    uint8_t FOutlineAlpha = 255;
    std::unique_ptr<TGPLinearGradientBrush> FBrush;
    std::unique_ptr<TGPPen> FPen;
    bool FPenInvalidated = false;
};

class TSlantTabsLookAndFeelPen final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelPen(TSlantTabsPersistent* owner, TColor color = clBlack, float thickness = 1, int32_t alpha = 255)
        : TSlantTabsPersistent(owner), FColor(color), FThickness(thickness), FAlpha(alpha)
    {
    }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { StorePen(FColor, value); }
    float Thickness() const { return FThickness; }
    void SetThickness(float value) { StorePen(FThickness, value); }
    // Only the low byte reaches the colour.
    int32_t Alpha() const { return FAlpha; }
    void SetAlpha(int32_t value) { StorePen(FAlpha, value); }
    const TGPPen& GetPen();
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    template <class T> void StorePen(T& field, T value)
    {
        field = value;
        Invalidate();
        NotifyChange();
    }

    TColor FColor;
    float FThickness;
    int32_t FAlpha;
    std::unique_ptr<TGPPen> FPen;
};

class TSlantTabsLookAndFeelBaseFont : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    const String& Name() const { return FName; }
    void SetName(const String& value) { Store(FName, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    int32_t Size() const { return FSize; }
    void SetSize(int32_t value) { Store(FSize, value); }
    uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(uint8_t value) { Store(FAlpha, value); }
    TGPTextRenderingHint TextRendoringMode() const { return FTextRendoringMode; }
    void SetTextRendoringMode(TGPTextRenderingHint value) { Store(FTextRendoringMode, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    String FName = QStringLiteral("Segoe UI");
    TColor FColor = clBlack;
    int32_t FSize = 9;
    uint8_t FAlpha = 255;
    TGPTextRenderingHint FTextRendoringMode = TGPTextRenderingHint::ClearTypeGridFit;
};

class TSlantTabsLookAndFeelFont final : public TSlantTabsLookAndFeelBaseFont {
public:
    using TSlantTabsLookAndFeelBaseFont::TSlantTabsLookAndFeelBaseFont;
    bool UseDefaultFont() const { return FUseDefaultFont; }
    void SetUseDefaultFont(bool value) { Store(FUseDefaultFont, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FUseDefaultFont = true;
};

class TSlantTabsLookAndFeelStyleProperties final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelStyleProperties(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FFont(this), FStyle(this) { }
    TSlantTabsLookAndFeelFont& Font() { return FFont; }
    TSlantTabsLookAndFeelStyle& Style() { return FStyle; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelFont FFont;
    TSlantTabsLookAndFeelStyle FStyle;
};

class TSlantTabsLookAndFeelGlow final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    TColor CentreColor() const { return FCentreColor; }
    void SetCentreColor(TColor value) { Store(FCentreColor, value); }
    TColor OutsideColor() const { return FOutsideColor; }
    void SetOutsideColor(TColor value) { Store(FOutsideColor, value); }
    uint8_t CentreAlpha() const { return FCentreAlpha; }
    void SetCentreAlpha(uint8_t value) { Store(FCentreAlpha, value); }
    uint8_t OutsideAlpha() const { return FOutsideAlpha; }
    void SetOutsideAlpha(uint8_t value) { Store(FOutsideAlpha, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TColor FCentreColor = clWhite;
    TColor FOutsideColor = clWhite;
    uint8_t FCentreAlpha = 180;
    uint8_t FOutsideAlpha = 0;
};

class TSlantTabsLookAndFeelSpinners final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelSpinners(TSlantTabsPersistent* owner)
        : TSlantTabsPersistent(owner), FUpload(this, RGB(167, 179, 194), 2.5f), FDownload(this, RGB(72, 139, 219), 2.5f)
    {
    }
    TSlantTabsLookAndFeelPen& Upload() { return FUpload; }
    TSlantTabsLookAndFeelPen& Download() { return FDownload; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelPen FUpload;
    TSlantTabsLookAndFeelPen FDownload;
};

class TSlantTabsLookAndFeelTab final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelTab(TSlantTabsPersistent* owner);
    TSlantTabsLookAndFeelPen& BaseLine() { return FBaseLine; }
    TSlantTabsLookAndFeelGlow& Modified() { return FModified; }
    TSlantTabsLookAndFeelBaseFont& DefaultFont() { return FDefaultFont; }
    TSlantTabsLookAndFeelGlow& MouseGlow() { return FMouseGlow; }
    TSlantTabsLookAndFeelSpinners& Spinners() { return FSpinners; }
    TSlantTabsLookAndFeelStyleProperties& Active() { return FActive; }
    TSlantTabsLookAndFeelStyleProperties& NotActive() { return FNotActive; }
    TSlantTabsLookAndFeelStyleProperties& Hot() { return FHot; }
    // The tab states' caches follow their draw states; only the base line is dropped here.
    void Invalidate() override { FBaseLine.Invalidate(); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelStyleProperties FActive;
    TSlantTabsLookAndFeelStyleProperties FNotActive;
    TSlantTabsLookAndFeelStyleProperties FHot;
    TSlantTabsLookAndFeelPen FBaseLine;
    TSlantTabsLookAndFeelGlow FModified;
    TSlantTabsLookAndFeelBaseFont FDefaultFont;
    TSlantTabsLookAndFeelGlow FMouseGlow;
    TSlantTabsLookAndFeelSpinners FSpinners;
};

// Normal, Down and Hot looks of a button, with Disabled for the scroll buttons.
class TSlantTabsLookAndFeelButtonItems : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelButtonItems(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FNormal(this), FDown(this), FHot(this) { }
    TSlantTabsLookAndFeelStyle& Normal() { return FNormal; }
    TSlantTabsLookAndFeelStyle& Down() { return FDown; }
    TSlantTabsLookAndFeelStyle& Hot() { return FHot; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelStyle FNormal;
    TSlantTabsLookAndFeelStyle FDown;
    TSlantTabsLookAndFeelStyle FHot;
};

class TSlantTabsLookAndFeelDisabledButton final : public TSlantTabsLookAndFeelButtonItems {
public:
    explicit TSlantTabsLookAndFeelDisabledButton(TSlantTabsPersistent* owner) : TSlantTabsLookAndFeelButtonItems(owner), FDisabled(this) { }
    TSlantTabsLookAndFeelStyle& Disabled() { return FDisabled; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelStyle FDisabled;
};

class TSlantTabsLookAndFeelPenItem final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelPenItem(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FNormal(this), FDown(this), FHot(this) { }
    TSlantTabsLookAndFeelPen& Normal() { return FNormal; }
    TSlantTabsLookAndFeelPen& Down() { return FDown; }
    TSlantTabsLookAndFeelPen& Hot() { return FHot; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelPen FNormal;
    TSlantTabsLookAndFeelPen FDown;
    TSlantTabsLookAndFeelPen FHot;
};

class TSlantTabsLookAndFeelCloseButton final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelCloseButton(TSlantTabsPersistent* owner);
    TSlantTabsLookAndFeelPenItem& Cross() { return FCross; }
    TSlantTabsLookAndFeelButtonItems& Circle() { return FCircle; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelPenItem FCross;
    TSlantTabsLookAndFeelButtonItems FCircle;
};

class TSlantTabsLookAndFeelAddButton final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelAddButton(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FButton(this), FPlusSign(this) { }
    TSlantTabsLookAndFeelButtonItems& Button() { return FButton; }
    TSlantTabsLookAndFeelButtonItems& PlusSign() { return FPlusSign; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelButtonItems FButton;
    TSlantTabsLookAndFeelButtonItems FPlusSign;
};

class TSlantTabsLookAndFeelScrollButton final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeelScrollButton(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FButton(this), FArrow(this) { }
    TSlantTabsLookAndFeelDisabledButton& Button() { return FButton; }
    TSlantTabsLookAndFeelDisabledButton& Arrow() { return FArrow; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelDisabledButton FButton;
    TSlantTabsLookAndFeelDisabledButton FArrow;
};

class TSlantTabsLookAndFeel final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsLookAndFeel(ISlantTabs* strip);
    TSlantTabsLookAndFeelStyle& TabsContainer() { return FTabsContainer; }
    TSlantTabsLookAndFeelTab& Tabs() { return FTabs; }
    TSlantTabsLookAndFeelCloseButton& CloseButton() { return FCloseButton; }
    TSlantTabsLookAndFeelAddButton& AddButton() { return FAddButton; }
    TSlantTabsLookAndFeelScrollButton& ScrollButtons() { return FScrollButtons; }
    void Invalidate() override;
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsLookAndFeelStyle FTabsContainer;
    TSlantTabsLookAndFeelTab FTabs;
    TSlantTabsLookAndFeelCloseButton FCloseButton;
    TSlantTabsLookAndFeelAddButton FAddButton;
    TSlantTabsLookAndFeelScrollButton FScrollButtons;
};

// The default look, set leaf by leaf.
void SetDefaultLookAndFeel(TSlantTabsLookAndFeel& look);
