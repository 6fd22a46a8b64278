#pragma once

// The drawing object of one tab: its slanted shape, the layout of image,
// spinner, caption and close button inside it, the glows and the hit test.

#include "controls/SlantTabsControls.h"

#include <memory>

class TSlantTab;
class TSlantTabsLookAndFeelStyleProperties;

struct TSlantTabContentLayout {
    TRect ImageRect;
    TRect TextRect;
    TRect CloseButtonRect;
    TRect CrossRect;
    bool CloseButtonVisible = false;
    bool ImageVisible = false;
    bool OverlayVisible = false;
    bool SpinnerVisible = false;
    bool TextVisible = false;
};

class TSlantTabControl final : public TBaseSlantTabsControl {
public:
    TSlantTabControl(ISlantTabs& slantTabs, TSlantTab& tab);
    ~TSlantTabControl() override;

    TSlantTab& SlantTab() const { return FSlantTab; }
    TDrawState CloseButtonState() const { return FCloseButtonState; }
    void SetCloseButtonState(TDrawState value);

    void SetDrawState(TDrawState value, uint32_t animationTimeMS, TSlantTabsEaseType easeType, bool forceUpdate) override;
    bool AnimateStyle() override;
    void Invalidate() override;
    void StopStyleAnimation() override;
    ISlantTabPolygons GetPolygons() override;
    void DrawTo(TGPGraphics& canvas, int32_t mouseX, int32_t mouseY, const ISlantTabPolygons& clipPolygons) override;

    TRect GetCloseButonRect() const;
    TRect GetCloseButtonCrossRect() const;
    bool CloseButtonVisible() const;
    TSlantTabContentLayout CalculateRects() const;
    THitTestArea GetHitTestArea(int32_t mouseX, int32_t mouseY);
    int32_t GetTabWidthByContent();
    bool AnimateModified();
    bool AnimateSpinner();

    const TSlantTabControlPropertyItems& Look() const { return FSlantTabControlPropertyItems; }
    int32_t ModifiedPosition() const { return FModifiedPosition; }
    int32_t SpinnerRenderedDegrees() const { return FSpinnerRenderedDegrees; }
    void SetSpinnerRenderedDegrees(int32_t value) { FSpinnerRenderedDegrees = value; }
    int32_t SpinnerImageIndex() const { return FSpinnerImageIndex; }
    void SetSpinnerImageIndex(int32_t value) { FSpinnerImageIndex = value; }

private:
    const TGPBrush& GetTabBrush();
    const TGPPen& GetTabPen();
    int32_t TabIndex() const;
    void DrawGDIText(TGPGraphics& canvas, const TRect& textRect);
    void DrawGlow(TGPGraphics& canvas, const TRect& rect, TColor centreColor, uint8_t centreAlpha, TColor outsideColor, uint8_t outsideAlpha);
    void DrawTabImage(TGPGraphics& canvas, TImageList* images, int32_t index, const TRect& rect, TSlantTabItemType itemType);
    void DrawSpinner(TGPGraphics& canvas, const TRect& rect);

    TSlantTab& FSlantTab;
    TSlantTabControlPropertyItems FSlantTabControlPropertyItems;
    TSlantTabsLookAndFeelStyleProperties* FTabProperties = nullptr;
    TDrawState FCloseButtonState = dsUnknown;
    std::unique_ptr<TGPLinearGradientBrush> FTabBrush;
    std::unique_ptr<TGPPen> FTabPen;
    bool FBrushInvalidated = false;
    bool FPenInvalidated = false;
    int32_t FModifiedPosition = 0;
    bool FModifiedMovingLeft = false;
    bool FModifiedRunning = false;
    uint32_t FModifiedStartTicks = 0;
    String FLastCaption;
    int32_t FLastCaptionLength = 0;
    int32_t FSpinnerImageIndex = 0;
    int32_t FSpinnerRenderedDegrees = 0;
};
