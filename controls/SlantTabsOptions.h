#pragma once

// The option tree of the tab strip: every behaviour and dimension that is
// not a colour, a font or a pen. Sub-objects are made by their parent and
// never replaced, so they have getters only.

#include "controls/SlantTabsPersistent.h"
#include "controls/SlantTabsTypes.h"
#include "platform/graphics/GPGraphics.h"
#include "platform/ui/Controls.h"

class TSlantTabsOffsets final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    int32_t Vertical() const { return FVertical; }
    void SetVertical(int32_t value) { Store(FVertical, value); }
    int32_t Horizontal() const { return FHorizontal; }
    void SetHorizontal(int32_t value) { Store(FHorizontal, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    int32_t FVertical = 0;
    int32_t FHorizontal = 0;
};

class TSlantTabsControlPosition : public TSlantTabsPersistent {
public:
    explicit TSlantTabsControlPosition(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FOffsets(this) { }
    TSlantTabsOffsets& Offsets() { return FOffsets; }
    const TSlantTabsOffsets& Offsets() const { return FOffsets; }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value) { Store(FHeight, value); }
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t value) { Store(FWidth, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsOffsets FOffsets;
    int32_t FHeight = 0;
    int32_t FWidth = 0;
};

class TSlantTabsControlPropertiesEx final : public TSlantTabsControlPosition {
public:
    using TSlantTabsControlPosition::TSlantTabsControlPosition;
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FVisible = true;
};

class TSlantTabsCloseButtonProperties final : public TSlantTabsControlPosition {
public:
    explicit TSlantTabsCloseButtonProperties(TSlantTabsPersistent* owner);
    // Kept for the stored forms only: the close button's hiding rule does not read it.
    bool AutoHide() const { return FAutoHide; }
    void SetAutoHide(bool value) { Store(FAutoHide, value); }
    TCloseButtonVisiblity Visibility() const { return FVisibility; }
    void SetVisibility(TCloseButtonVisiblity value) { Store(FVisibility, value); }
    int32_t AutoHideWidth() const { return FAutoHideWidth; }
    void SetAutoHideWidth(int32_t value) { Store(FAutoHideWidth, value); }
    int32_t CrossRadialOffset() const { return FCrossRadialOffset; }
    void SetCrossRadialOffset(int32_t value) { Store(FCrossRadialOffset, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FAutoHide = true;
    TCloseButtonVisiblity FVisibility = bvAll;
    int32_t FAutoHideWidth = 20;
    int32_t FCrossRadialOffset = 4;
};

class TSlantTabsAddButtonProperties final : public TSlantTabsControlPosition {
public:
    explicit TSlantTabsAddButtonProperties(TSlantTabsPersistent* owner);
    bool ShowPlusSign() const { return FShowPlusSign; }
    void SetShowPlusSign(bool value) { Store(FShowPlusSign, value); }
    TAddButtonVisibility Visibility() const { return FVisibility; }
    void SetVisibility(TAddButtonVisibility value) { Store(FVisibility, value); }
    int32_t HorizontalOffsetFloating() const { return FHorizontalOffsetFloating; }
    void SetHorizontalOffsetFloating(int32_t value) { Store(FHorizontalOffsetFloating, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FShowPlusSign = true;
    TAddButtonVisibility FVisibility = avRightFloating;
    int32_t FHorizontalOffsetFloating = 0;
};

class TSlantTabModifiedDisplayOptions final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    TSlantTabModifiedStyle Style() const { return FStyle; }
    void SetStyle(TSlantTabModifiedStyle value) { Store(FStyle, value); }
    int32_t VerticalOffset() const { return FVerticalOffset; }
    void SetVerticalOffset(int32_t value) { Store(FVerticalOffset, value); }
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value) { Store(FHeight, value); }
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t value) { Store(FWidth, value); }
    uint32_t AnimationPeriodMS() const { return FAnimationPeriodMS; }
    void SetAnimationPeriodMS(uint32_t value) { Store(FAnimationPeriodMS, value); }
    TSlantTabsEaseType EaseType() const { return FEaseType; }
    void SetEaseType(TSlantTabsEaseType value) { Store(FEaseType, value); }
    uint32_t AnimationUpdateMS() const { return FAnimationUpdateMS; }
    void SetAnimationUpdateMS(uint32_t value) { Store(FAnimationUpdateMS, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabModifiedStyle FStyle = msRightToLeft;
    int32_t FVerticalOffset = -6;
    int32_t FHeight = 30;
    int32_t FWidth = 100;
    uint32_t FAnimationPeriodMS = 4000;
    TSlantTabsEaseType FEaseType = ttEaseInOutQuad;
    uint32_t FAnimationUpdateMS = 50;
};

class TSlantTabsOptions final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    bool SeeThroughTabs() const { return FSeeThroughTabs; }
    void SetSeeThroughTabs(bool value) { Store(FSeeThroughTabs, value); }
    int32_t TabOverlap() const { return FTabOverlap; }
    void SetTabOverlap(int32_t value) { Store(FTabOverlap, value); }
    int32_t ContentOffsetLeft() const { return FContentOffsetLeft; }
    void SetContentOffsetLeft(int32_t value) { Store(FContentOffsetLeft, value); }
    int32_t ContentOffsetRight() const { return FContentOffsetRight; }
    void SetContentOffsetRight(int32_t value) { Store(FContentOffsetRight, value); }
    int32_t OffsetLeft() const { return FOffsetLeft; }
    void SetOffsetLeft(int32_t value) { Store(FOffsetLeft, value); }
    int32_t OffsetTop() const { return FOffsetTop; }
    void SetOffsetTop(int32_t value) { Store(FOffsetTop, value); }
    int32_t OffsetRight() const { return FOffsetRight; }
    void SetOffsetRight(int32_t value) { Store(FOffsetRight, value); }
    int32_t OffsetBottom() const { return FOffsetBottom; }
    void SetOffsetBottom(int32_t value) { Store(FOffsetBottom, value); }
    int32_t MinWidth() const { return FMinWidth; }
    void SetMinWidth(int32_t value) { Store(FMinWidth, value); }
    int32_t MaxWidth() const { return FMaxWidth; }
    // Never below the minimum width of the moment.
    void SetMaxWidth(int32_t value) { Store(FMaxWidth, std::max(value, FMinWidth)); }
    bool TabWidthFromContent() const { return FTabWidthFromContent; }
    void SetTabWidthFromContent(bool value) { Store(FTabWidthFromContent, value); }
    int32_t PinnedWidth() const { return FPinnedWidth; }
    void SetPinnedWidth(int32_t value) { Store(FPinnedWidth, value); }
    int32_t ImageOffsetLeft() const { return FImageOffsetLeft; }
    void SetImageOffsetLeft(int32_t value) { Store(FImageOffsetLeft, value); }
    TTextTrimType TextTrimType() const { return FTextTrimType; }
    void SetTextTrimType(TTextTrimType value) { Store(FTextTrimType, value); }
    TTabOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTabOrientation value) { Store(FOrientation, value); }
    bool BaseLineTabRegionOnly() const { return FBaseLineTabRegionOnly; }
    void SetBaseLineTabRegionOnly(bool value) { Store(FBaseLineTabRegionOnly, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { Store(FWordWrap, value); }
    TAlignment TextAlignmentHorizontal() const { return FTextAlignmentHorizontal; }
    void SetTextAlignmentHorizontal(TAlignment value) { Store(FTextAlignmentHorizontal, value); }
    TVerticalAlignment TextAlignmentVertical() const { return FTextAlignmentVertical; }
    void SetTextAlignmentVertical(TVerticalAlignment value) { Store(FTextAlignmentVertical, value); }
    bool ShowImages() const { return FShowImages; }
    void SetShowImages(bool value) { Store(FShowImages, value); }
    bool ShowPinnedTabText() const { return FShowPinnedTabText; }
    void SetShowPinnedTabText(bool value) { Store(FShowPinnedTabText, value); }
    TGPSmoothingMode CanvasSmoothingMode() const { return TGPSmoothingMode::HighQuality; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FSeeThroughTabs = false;
    int32_t FTabOverlap = 15;
    int32_t FContentOffsetLeft = 18;
    int32_t FContentOffsetRight = 16;
    int32_t FOffsetLeft = 0;
    int32_t FOffsetTop = 0;
    int32_t FOffsetRight = 0;
    int32_t FOffsetBottom = 0;
    int32_t FMinWidth = 20;
    int32_t FMaxWidth = 200;
    bool FTabWidthFromContent = false;
    int32_t FPinnedWidth = 39;
    int32_t FImageOffsetLeft = 13;
    TTextTrimType FTextTrimType = tttFade;
    TTabOrientation FOrientation = toTop;
    bool FBaseLineTabRegionOnly = false;
    bool FWordWrap = false;
    TAlignment FTextAlignmentHorizontal = taLeftJustify;
    TVerticalAlignment FTextAlignmentVertical = taVerticalCenter;
    bool FShowImages = true;
    bool FShowPinnedTabText = false;
};

class TSlantTabsContainerOptions final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    bool TransparentBackground() const { return FTransparentBackground; }
    void SetTransparentBackground(bool value) { Store(FTransparentBackground, value); }
    bool OverlayButtons() const { return FOverlayButtons; }
    void SetOverlayButtons(bool value) { Store(FOverlayButtons, value); }
    int32_t PaddingLeft() const { return FPaddingLeft; }
    void SetPaddingLeft(int32_t value) { Store(FPaddingLeft, value); }
    int32_t PaddingRight() const { return FPaddingRight; }
    void SetPaddingRight(int32_t value) { Store(FPaddingRight, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FTransparentBackground = false;
    bool FOverlayButtons = false;
    int32_t FPaddingLeft = 0;
    int32_t FPaddingRight = 0;
};

class TSlantTabsSpinnerOptions final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsSpinnerOptions(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FPosition(this) { }
    bool ReverseDirection() const { return FReverseDirection; }
    void SetReverseDirection(bool value) { Store(FReverseDirection, value); }
    int32_t RenderedAnimationStep() const { return FRenderedAnimationStep; }
    void SetRenderedAnimationStep(int32_t value) { Store(FRenderedAnimationStep, value); }
    TSlantTabsControlPosition& Position() { return FPosition; }
    uint16_t SweepAngle() const { return FSweepAngle; }
    void SetSweepAngle(uint16_t value) { Store(FSweepAngle, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FReverseDirection = false;
    int32_t FRenderedAnimationStep = 0;
    TSlantTabsControlPosition FPosition;
    uint16_t FSweepAngle = 0;
};

class TSlantTabsSpinnersOptions final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsSpinnersOptions(TSlantTabsPersistent* owner);
    TSlantTabsSpinnerOptions& Upload() { return FUpload; }
    TSlantTabsSpinnerOptions& Download() { return FDownload; }
    uint32_t AnimationUpdateMS() const { return FAnimationUpdateMS; }
    void SetAnimationUpdateMS(uint32_t value) { FAnimationUpdateMS = value; }
    bool HideImagesWhenSpinnerVisible() const { return FHideImagesWhenSpinnerVisible; }
    void SetHideImagesWhenSpinnerVisible(bool value) { Store(FHideImagesWhenSpinnerVisible, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsSpinnerOptions FUpload;
    TSlantTabsSpinnerOptions FDownload;
    uint32_t FAnimationUpdateMS = 50;
    bool FHideImagesWhenSpinnerVisible = true;
};

class TSlantTabsDisplayOptions final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsDisplayOptions(TSlantTabsPersistent* owner);
    TSlantTabsCloseButtonProperties& CloseButton() { return FCloseButton; }
    TSlantTabsAddButtonProperties& AddButton() { return FAddButton; }
    TSlantTabsControlPosition& ScrollButtonLeft() { return FScrollButtonLeft; }
    TSlantTabsControlPosition& ScrollButtonRight() { return FScrollButtonRight; }
    TSlantTabModifiedDisplayOptions& TabModifiedGlow() { return FTabModifiedGlow; }
    TSlantTabsOptions& Tabs() { return FTabs; }
    TSlantTabsContainerOptions& TabContainer() { return FTabContainer; }
    TSlantTabsControlPropertiesEx& TabMouseGlow() { return FTabMouseGlow; }
    TSlantTabsSpinnersOptions& TabSpinners() { return FTabSpinners; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsCloseButtonProperties FCloseButton;
    TSlantTabsAddButtonProperties FAddButton;
    TSlantTabsControlPosition FScrollButtonLeft;
    TSlantTabsControlPosition FScrollButtonRight;
    TSlantTabModifiedDisplayOptions FTabModifiedGlow;
    TSlantTabsOptions FTabs;
    TSlantTabsContainerOptions FTabContainer;
    TSlantTabsControlPropertiesEx FTabMouseGlow;
    TSlantTabsSpinnersOptions FTabSpinners;
};

// Drag, animation and behaviour options are read when needed and report nothing.
class TSlantTabsDragOptions final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    TSlantTabDragType DragType() const { return FDragType; }
    void SetDragType(TSlantTabDragType value) { FDragType = value; }
    uint8_t DragOutsideImageAlpha() const { return FDragOutsideImageAlpha; }
    void SetDragOutsideImageAlpha(uint8_t value) { FDragOutsideImageAlpha = value; }
    int32_t DragOutsideDistancePixels() const { return FDragOutsideDistancePixels; }
    void SetDragOutsideDistancePixels(int32_t value) { FDragOutsideDistancePixels = value; }
    int32_t DragStartPixels() const { return FDragStartPixels; }
    void SetDragStartPixels(int32_t value) { FDragStartPixels = value; }
    double DragControlImageResizeFactor() const { return FDragControlImageResizeFactor; }
    void SetDragControlImageResizeFactor(double value) { FDragControlImageResizeFactor = value; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }
    TSlantTabDragDisplay DragDisplay() const { return FDragDisplay; }
    void SetDragDisplay(TSlantTabDragDisplay value) { FDragDisplay = value; }
    int32_t DragFormBorderWidth() const { return FDragFormBorderWidth; }
    void SetDragFormBorderWidth(int32_t value) { FDragFormBorderWidth = value; }
    TColor DragFormBorderColor() const { return FDragFormBorderColor; }
    void SetDragFormBorderColor(TColor value) { FDragFormBorderColor = value; }
    bool ContrainDraggedTabWithinContainer() const { return FContrainDraggedTabWithinContainer; }
    void SetContrainDraggedTabWithinContainer(bool value) { FContrainDraggedTabWithinContainer = value; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabDragType FDragType = dtBetweenContainers;
    uint8_t FDragOutsideImageAlpha = 120;
    int32_t FDragOutsideDistancePixels = 30;
    int32_t FDragStartPixels = 2;
    double FDragControlImageResizeFactor = 0.5;
    TCursor FDragCursor = crDefault;
    TSlantTabDragDisplay FDragDisplay = ddTabAndControl;
    int32_t FDragFormBorderWidth = 2;
    TColor FDragFormBorderColor = clGray;
    bool FContrainDraggedTabWithinContainer = true;
};

class TSlantTabsMovementAnimationTypes final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    bool UseDefaultEaseType() const { return FUseDefaultEaseType; }
    void SetUseDefaultEaseType(bool value) { FUseDefaultEaseType = value; }
    bool UseDefaultAnimationTime() const { return FUseDefaultAnimationTime; }
    void SetUseDefaultAnimationTime(bool value) { FUseDefaultAnimationTime = value; }
    TSlantTabsEaseType EaseType() const { return FEaseType; }
    void SetEaseType(TSlantTabsEaseType value) { FEaseType = value; }
    int32_t AnimationTimeMS() const { return FAnimationTimeMS; }
    void SetAnimationTimeMS(int32_t value) { FAnimationTimeMS = value; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FUseDefaultEaseType = true;
    bool FUseDefaultAnimationTime = true;
    TSlantTabsEaseType FEaseType = ttLinearTween;
    int32_t FAnimationTimeMS = 200;
};

class TSlantTabsMovementAnimations final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsMovementAnimations(TSlantTabsPersistent* owner);
    TSlantTabsMovementAnimationTypes& TabAdd() { return FTabAdd; }
    TSlantTabsMovementAnimationTypes& TabDelete() { return FTabDelete; }
    TSlantTabsMovementAnimationTypes& TabMove() { return FTabMove; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsMovementAnimationTypes FTabAdd;
    TSlantTabsMovementAnimationTypes FTabDelete;
    TSlantTabsMovementAnimationTypes FTabMove;
};

class TSlantTabsAnimationOptions final : public TSlantTabsPersistent {
public:
    explicit TSlantTabsAnimationOptions(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FMovementEasing(this) { }
    uint32_t DefaultMovementAnimationTimeMS() const { return FDefaultMovementAnimationTimeMS; }
    void SetDefaultMovementAnimationTimeMS(uint32_t value) { FDefaultMovementAnimationTimeMS = value; }
    uint32_t DefaultStyleAnimationTimeMS() const { return FDefaultStyleAnimationTimeMS; }
    void SetDefaultStyleAnimationTimeMS(uint32_t value) { FDefaultStyleAnimationTimeMS = value; }
    int32_t AnimationTimerInterval() const { return FAnimationTimerInterval; }
    void SetAnimationTimerInterval(int32_t value) { FAnimationTimerInterval = value; }
    int32_t MinimumTabAnimationWidth() const { return FMinimumTabAnimationWidth; }
    void SetMinimumTabAnimationWidth(int32_t value) { FMinimumTabAnimationWidth = value; }
    TSlantTabsEaseType DefaultMovementEaseType() const { return FDefaultMovementEaseType; }
    void SetDefaultMovementEaseType(TSlantTabsEaseType value) { FDefaultMovementEaseType = value; }
    TSlantTabsEaseType DefaultStyleEaseType() const { return FDefaultStyleEaseType; }
    void SetDefaultStyleEaseType(TSlantTabsEaseType value) { FDefaultStyleEaseType = value; }
    TSlantTabsMovementAnimations& MovementAnimations() { return FMovementEasing; }
    TSlantTabsEaseType GetMovementAnimationEaseType(const TSlantTabsMovementAnimationTypes& types) const
    {
        return types.UseDefaultEaseType() ? FDefaultMovementEaseType : types.EaseType();
    }
    uint32_t GetMovementAnimationTime(const TSlantTabsMovementAnimationTypes& types) const
    {
        return types.UseDefaultAnimationTime() ? FDefaultMovementAnimationTimeMS : uint32_t(types.AnimationTimeMS());
    }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    uint32_t FDefaultMovementAnimationTimeMS = 100;
    uint32_t FDefaultStyleAnimationTimeMS = 300;
    int32_t FAnimationTimerInterval = 25;
    int32_t FMinimumTabAnimationWidth = 40;
    TSlantTabsEaseType FDefaultMovementEaseType = ttLinearTween;
    TSlantTabsEaseType FDefaultStyleEaseType = ttLinearTween;
    TSlantTabsMovementAnimations FMovementEasing;
};

class TSlantTabsBehaviourOptions final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    bool BackgroundDblClickMaximiseRestoreForm() const { return FBackgroundDblClickMaximiseRestoreForm; }
    void SetBackgroundDblClickMaximiseRestoreForm(bool value) { FBackgroundDblClickMaximiseRestoreForm = value; }
    bool BackgroundDragMovesForm() const { return FBackgroundDragMovesForm; }
    void SetBackgroundDragMovesForm(bool value) { FBackgroundDragMovesForm = value; }
    bool TabSmartDeleteResizing() const { return FTabSmartDeleteResizing; }
    void SetTabSmartDeleteResizing(bool value) { FTabSmartDeleteResizing = value; }
    int32_t TabSmartDeleteResizeCancelDelay() const { return FTabSmartDeleteResizeCancelDelay; }
    void SetTabSmartDeleteResizeCancelDelay(int32_t value) { FTabSmartDeleteResizeCancelDelay = value; }
    bool UseBuiltInPopupMenu() const { return FUseBuiltInPopupMenu; }
    void SetUseBuiltInPopupMenu(bool value) { FUseBuiltInPopupMenu = value; }
    bool TabRightClickSelect() const { return FTabRightClickSelect; }
    void SetTabRightClickSelect(bool value) { FTabRightClickSelect = value; }
    bool ActivateNewTab() const { return FActivateNewTab; }
    void SetActivateNewTab(bool value) { FActivateNewTab = value; }
    bool DebugMode() const { return FDebugMode; }
    void SetDebugMode(bool value) { FDebugMode = value; }
    bool IgnoreDoubleClicksWhileAnimatingMovement() const { return FIgnoreDoubleClicksWhileAnimatingMovement; }
    void SetIgnoreDoubleClicksWhileAnimatingMovement(bool value) { FIgnoreDoubleClicksWhileAnimatingMovement = value; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FBackgroundDblClickMaximiseRestoreForm = false;
    bool FBackgroundDragMovesForm = false;
    bool FTabSmartDeleteResizing = true;
    int32_t FTabSmartDeleteResizeCancelDelay = 700;
    bool FUseBuiltInPopupMenu = true;
    bool FTabRightClickSelect = true;
    bool FActivateNewTab = true;
    bool FDebugMode = false;
    bool FIgnoreDoubleClicksWhileAnimatingMovement = true;
};

class TSlantTabsScrollOptions final : public TSlantTabsPersistent {
public:
    using TSlantTabsPersistent::TSlantTabsPersistent;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { Store(FEnabled, value); }
    TSlantTabScrollButtons ScrollButtons() const { return FScrollButtons; }
    void SetScrollButtons(TSlantTabScrollButtons value) { Store(FScrollButtons, value); }
    int32_t ScrollStep() const { return FScrollStep; }
    void SetScrollStep(int32_t value) { Store(FScrollStep, value); }
    int32_t ScrollRepeatDelay() const { return FScrollRepeatDelay; }
    void SetScrollRepeatDelay(int32_t value) { Store(FScrollRepeatDelay, value); }
    bool AutoHideButtons() const { return FAutoHideButtons; }
    void SetAutoHideButtons(bool value) { Store(FAutoHideButtons, value); }
    bool DragScroll() const { return FDragScroll; }
    void SetDragScroll(bool value) { Store(FDragScroll, value); }
    int32_t DragScrollOffset() const { return FDragScrollOffset; }
    void SetDragScrollOffset(int32_t value) { Store(FDragScrollOffset, value); }
    bool MouseWheelScroll() const { return FMouseWheelScroll; }
    void SetMouseWheelScroll(bool value) { Store(FMouseWheelScroll, value); }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    bool FEnabled = false;
    TSlantTabScrollButtons FScrollButtons = csbRight;
    int32_t FScrollStep = 20;
    int32_t FScrollRepeatDelay = 20;
    bool FAutoHideButtons = true;
    bool FDragScroll = true;
    int32_t FDragScrollOffset = 50;
    bool FMouseWheelScroll = true;
};

class TOptions final : public TSlantTabsPersistent {
public:
    explicit TOptions(ISlantTabs* strip);
    TSlantTabsDisplayOptions& Display() { return FDisplay; }
    TSlantTabsDragOptions& DragDrop() { return FDragDrop; }
    TSlantTabsAnimationOptions& Animation() { return FAnimation; }
    TSlantTabsBehaviourOptions& Behaviour() { return FBehaviour; }
    TSlantTabsScrollOptions& Scrolling() { return FScrolling; }
    void GetProperties(TSlantTabsProperties& properties) override;

private:
    TSlantTabsDisplayOptions FDisplay;
    TSlantTabsDragOptions FDragDrop;
    TSlantTabsAnimationOptions FAnimation;
    TSlantTabsBehaviourOptions FBehaviour;
    TSlantTabsScrollOptions FScrolling;
};

// The strip's own defaults over the class values, set leaf by leaf.
void SetDefaultOptions(TOptions& options);
