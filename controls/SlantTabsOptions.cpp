#include "controls/SlantTabsOptions.h"

namespace {

const char* const CloseButtonVisibilityNames[] = { "bvNever", "bvAll", "bvActive" };
const char* const AddButtonVisibilityNames[] = { "avNone", "avLeft", "avRightFloating", "avRightFixed" };
const char* const TextTrimTypeNames[] = { "tttNone", "tttCharacter", "tttWord", "tttEllipsisCharacter", "tttEllipsisWord", "tttEllipsisPath",
    "tttFade" };
const char* const OrientationNames[] = { "toTop", "toBottom" };
const char* const AlignmentNames[] = { "taLeftJustify", "taRightJustify", "taCenter" };
const char* const VerticalAlignmentNames[] = { "taAlignTop", "taAlignBottom", "taVerticalCenter" };
const char* const ModifiedStyleNames[] = { "msNone", "msLeftToRight", "msRightToLeft", "msKnightRider" };
const char* const DragTypeNames[] = { "dtNone", "dtWithinContainer", "dtBetweenContainers" };
const char* const DragDisplayNames[] = { "ddCursor", "ddTab", "ddControl", "ddTabAndControl" };
const char* const ScrollButtonsNames[] = { "csbNone", "csbLeft", "csbRight", "csbLeftAndRight" };

} // namespace

void TSlantTabsOffsets::GetProperties(TSlantTabsProperties& p)
{
    p.Integer("Vertical", FVertical, [this](int64_t v) { SetVertical(int32_t(v)); });
    p.Integer("Horizontal", FHorizontal, [this](int64_t v) { SetHorizontal(int32_t(v)); });
}

void TSlantTabsControlPosition::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Offsets", FOffsets);
    p.Integer("Height", FHeight, [this](int64_t v) { SetHeight(int32_t(v)); });
    p.Integer("Width", FWidth, [this](int64_t v) { SetWidth(int32_t(v)); });
}

void TSlantTabsControlPropertiesEx::GetProperties(TSlantTabsProperties& p)
{
    TSlantTabsControlPosition::GetProperties(p);
    p.Boolean("Visible", FVisible, [this](bool v) { SetVisible(v); });
}

TSlantTabsCloseButtonProperties::TSlantTabsCloseButtonProperties(TSlantTabsPersistent* owner) : TSlantTabsControlPosition(owner)
{
    Offsets().SetVertical(6);
    SetHeight(13);
    SetWidth(13);
}

void TSlantTabsCloseButtonProperties::GetProperties(TSlantTabsProperties& p)
{
    TSlantTabsControlPosition::GetProperties(p);
    p.Boolean("AutoHide", FAutoHide, [this](bool v) { SetAutoHide(v); });
    p.Enum("Visibility", FVisibility, CloseButtonVisibilityNames, [this](TCloseButtonVisiblity v) { SetVisibility(v); });
    p.Integer("AutoHideWidth", FAutoHideWidth, [this](int64_t v) { SetAutoHideWidth(int32_t(v)); });
    p.Integer("CrossRadialOffset", FCrossRadialOffset, [this](int64_t v) { SetCrossRadialOffset(int32_t(v)); });
}

TSlantTabsAddButtonProperties::TSlantTabsAddButtonProperties(TSlantTabsPersistent* owner) : TSlantTabsControlPosition(owner)
{
    Offsets().SetVertical(9);
    SetHeight(14);
    SetWidth(25);
}

void TSlantTabsAddButtonProperties::GetProperties(TSlantTabsProperties& p)
{
    TSlantTabsControlPosition::GetProperties(p);
    p.Boolean("ShowPlusSign", FShowPlusSign, [this](bool v) { SetShowPlusSign(v); });
    p.Enum("Visibility", FVisibility, AddButtonVisibilityNames, [this](TAddButtonVisibility v) { SetVisibility(v); });
    p.Integer("HorizontalOffsetFloating", FHorizontalOffsetFloating, [this](int64_t v) { SetHorizontalOffsetFloating(int32_t(v)); });
}

void TSlantTabModifiedDisplayOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Enum("Style", FStyle, ModifiedStyleNames, [this](TSlantTabModifiedStyle v) { SetStyle(v); });
    p.Integer("VerticalOffset", FVerticalOffset, [this](int64_t v) { SetVerticalOffset(int32_t(v)); });
    p.Integer("Height", FHeight, [this](int64_t v) { SetHeight(int32_t(v)); });
    p.Integer("Width", FWidth, [this](int64_t v) { SetWidth(int32_t(v)); });
    p.Integer("AnimationPeriodMS", FAnimationPeriodMS, [this](int64_t v) { SetAnimationPeriodMS(uint32_t(v)); });
    p.Enum("EaseType", FEaseType, EaseTypeNames, [this](TSlantTabsEaseType v) { SetEaseType(v); });
    p.Integer("AnimationUpdateMS", FAnimationUpdateMS, [this](int64_t v) { SetAnimationUpdateMS(uint32_t(v)); });
}

void TSlantTabsOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Boolean("SeeThroughTabs", FSeeThroughTabs, [this](bool v) { SetSeeThroughTabs(v); });
    p.Integer("TabOverlap", FTabOverlap, [this](int64_t v) { SetTabOverlap(int32_t(v)); });
    p.Integer("ContentOffsetLeft", FContentOffsetLeft, [this](int64_t v) { SetContentOffsetLeft(int32_t(v)); });
    p.Integer("ContentOffsetRight", FContentOffsetRight, [this](int64_t v) { SetContentOffsetRight(int32_t(v)); });
    p.Integer("OffsetLeft", FOffsetLeft, [this](int64_t v) { SetOffsetLeft(int32_t(v)); });
    p.Integer("OffsetTop", FOffsetTop, [this](int64_t v) { SetOffsetTop(int32_t(v)); });
    p.Integer("OffsetRight", FOffsetRight, [this](int64_t v) { SetOffsetRight(int32_t(v)); });
    p.Integer("OffsetBottom", FOffsetBottom, [this](int64_t v) { SetOffsetBottom(int32_t(v)); });
    p.Integer("MinWidth", FMinWidth, [this](int64_t v) { SetMinWidth(int32_t(v)); });
    p.Integer("MaxWidth", FMaxWidth, [this](int64_t v) { SetMaxWidth(int32_t(v)); });
    p.Boolean("TabWidthFromContent", FTabWidthFromContent, [this](bool v) { SetTabWidthFromContent(v); });
    p.Integer("PinnedWidth", FPinnedWidth, [this](int64_t v) { SetPinnedWidth(int32_t(v)); });
    p.Integer("ImageOffsetLeft", FImageOffsetLeft, [this](int64_t v) { SetImageOffsetLeft(int32_t(v)); });
    p.Enum("TextTrimType", FTextTrimType, TextTrimTypeNames, [this](TTextTrimType v) { SetTextTrimType(v); });
    p.Enum("Orientation", FOrientation, OrientationNames, [this](TTabOrientation v) { SetOrientation(v); });
    p.Boolean("BaseLineTabRegionOnly", FBaseLineTabRegionOnly, [this](bool v) { SetBaseLineTabRegionOnly(v); });
    p.Boolean("WordWrap", FWordWrap, [this](bool v) { SetWordWrap(v); });
    p.Enum("TextAlignmentHorizontal", FTextAlignmentHorizontal, AlignmentNames,
        [this](TAlignment v) { SetTextAlignmentHorizontal(v); });
    p.Enum("TextAlignmentVertical", FTextAlignmentVertical, VerticalAlignmentNames,
        [this](TVerticalAlignment v) { SetTextAlignmentVertical(v); });
    p.Boolean("ShowImages", FShowImages, [this](bool v) { SetShowImages(v); });
    p.Boolean("ShowPinnedTabText", FShowPinnedTabText, [this](bool v) { SetShowPinnedTabText(v); });
}

void TSlantTabsContainerOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Boolean("TransparentBackground", FTransparentBackground, [this](bool v) { SetTransparentBackground(v); });
    p.Boolean("OverlayButtons", FOverlayButtons, [this](bool v) { SetOverlayButtons(v); });
    p.Integer("PaddingLeft", FPaddingLeft, [this](int64_t v) { SetPaddingLeft(int32_t(v)); });
    p.Integer("PaddingRight", FPaddingRight, [this](int64_t v) { SetPaddingRight(int32_t(v)); });
}

void TSlantTabsSpinnerOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Boolean("ReverseDirection", FReverseDirection, [this](bool v) { SetReverseDirection(v); });
    p.Integer("RenderedAnimationStep", FRenderedAnimationStep, [this](int64_t v) { SetRenderedAnimationStep(int32_t(v)); });
    p.Object("Position", FPosition);
    p.Integer("SweepAngle", FSweepAngle, [this](int64_t v) { SetSweepAngle(uint16_t(v)); });
}

TSlantTabsSpinnersOptions::TSlantTabsSpinnersOptions(TSlantTabsPersistent* owner) : TSlantTabsPersistent(owner), FUpload(this), FDownload(this)
{
    struct TSpinnerDefaults {
        TSlantTabsSpinnerOptions& Spinner;
        bool Reverse;
        int32_t Step;
    };
    for (const TSpinnerDefaults& d : { TSpinnerDefaults { FUpload, true, 2 }, TSpinnerDefaults { FDownload, false, 5 } }) {
        d.Spinner.SetReverseDirection(d.Reverse);
        d.Spinner.SetRenderedAnimationStep(d.Step);
        d.Spinner.Position().SetWidth(16);
        d.Spinner.Position().SetHeight(16);
        d.Spinner.SetSweepAngle(135);
    }
}

void TSlantTabsSpinnersOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Upload", FUpload);
    p.Object("Download", FDownload);
    p.Integer("AnimationUpdateMS", FAnimationUpdateMS, [this](int64_t v) { SetAnimationUpdateMS(uint32_t(v)); });
    p.Boolean("HideImagesWhenSpinnerVisible", FHideImagesWhenSpinnerVisible, [this](bool v) { SetHideImagesWhenSpinnerVisible(v); });
}

TSlantTabsDisplayOptions::TSlantTabsDisplayOptions(TSlantTabsPersistent* owner)
    : TSlantTabsPersistent(owner), FCloseButton(this), FAddButton(this), FScrollButtonLeft(this), FScrollButtonRight(this),
      FTabModifiedGlow(this), FTabs(this), FTabContainer(this), FTabMouseGlow(this), FTabSpinners(this)
{
    for (TSlantTabsControlPosition* button : { &FScrollButtonLeft, &FScrollButtonRight }) {
        button->SetHeight(15);
        button->SetWidth(15);
        button->Offsets().SetVertical(10);
    }
    FTabMouseGlow.SetHeight(70);
    FTabMouseGlow.SetWidth(70);
}

void TSlantTabsDisplayOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Object("CloseButton", FCloseButton);
    p.Object("AddButton", FAddButton);
    p.Object("ScrollButtonLeft", FScrollButtonLeft);
    p.Object("ScrollButtonRight", FScrollButtonRight);
    p.Object("TabModifiedGlow", FTabModifiedGlow);
    p.Object("Tabs", FTabs);
    p.Object("TabContainer", FTabContainer);
    p.Object("TabMouseGlow", FTabMouseGlow);
    p.Object("TabSpinners", FTabSpinners);
}

void TSlantTabsDragOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Enum("DragType", FDragType, DragTypeNames, [this](TSlantTabDragType v) { SetDragType(v); });
    p.Integer("DragOutsideImageAlpha", FDragOutsideImageAlpha, [this](int64_t v) { SetDragOutsideImageAlpha(uint8_t(v)); });
    p.Integer("DragOutsideDistancePixels", FDragOutsideDistancePixels, [this](int64_t v) { SetDragOutsideDistancePixels(int32_t(v)); });
    p.Integer("DragStartPixels", FDragStartPixels, [this](int64_t v) { SetDragStartPixels(int32_t(v)); });
    p.Float("DragControlImageResizeFactor", FDragControlImageResizeFactor, [this](double v) { SetDragControlImageResizeFactor(v); });
    p.Integer("DragCursor", FDragCursor, [this](int64_t v) { SetDragCursor(TCursor(v)); });
    p.Enum("DragDisplay", FDragDisplay, DragDisplayNames, [this](TSlantTabDragDisplay v) { SetDragDisplay(v); });
    p.Integer("DragFormBorderWidth", FDragFormBorderWidth, [this](int64_t v) { SetDragFormBorderWidth(int32_t(v)); });
    p.Color("DragFormBorderColor", FDragFormBorderColor, [this](TColor v) { SetDragFormBorderColor(v); });
    p.Boolean("ContrainDraggedTabWithinContainer", FContrainDraggedTabWithinContainer,
        [this](bool v) { SetContrainDraggedTabWithinContainer(v); });
}

void TSlantTabsMovementAnimationTypes::GetProperties(TSlantTabsProperties& p)
{
    p.Boolean("UseDefaultEaseType", FUseDefaultEaseType, [this](bool v) { SetUseDefaultEaseType(v); });
    p.Boolean("UseDefaultAnimationTime", FUseDefaultAnimationTime, [this](bool v) { SetUseDefaultAnimationTime(v); });
    p.Enum("EaseType", FEaseType, EaseTypeNames, [this](TSlantTabsEaseType v) { SetEaseType(v); });
    p.Integer("AnimationTimeMS", FAnimationTimeMS, [this](int64_t v) { SetAnimationTimeMS(int32_t(v)); });
}

TSlantTabsMovementAnimations::TSlantTabsMovementAnimations(TSlantTabsPersistent* owner)
    : TSlantTabsPersistent(owner), FTabAdd(this), FTabDelete(this), FTabMove(this)
{
    FTabMove.SetUseDefaultEaseType(false);
    FTabMove.SetUseDefaultAnimationTime(false);
    FTabMove.SetEaseType(ttEaseOutExpo);
    FTabMove.SetAnimationTimeMS(500);
}

void TSlantTabsMovementAnimations::GetProperties(TSlantTabsProperties& p)
{
    p.Object("TabAdd", FTabAdd);
    p.Object("TabDelete", FTabDelete);
    p.Object("TabMove", FTabMove);
}

void TSlantTabsAnimationOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Integer("DefaultMovementAnimationTimeMS", FDefaultMovementAnimationTimeMS, [this](int64_t v) { SetDefaultMovementAnimationTimeMS(uint32_t(v)); });
    p.Integer("DefaultStyleAnimationTimeMS", FDefaultStyleAnimationTimeMS, [this](int64_t v) { SetDefaultStyleAnimationTimeMS(uint32_t(v)); });
    p.Integer("AnimationTimerInterval", FAnimationTimerInterval, [this](int64_t v) { SetAnimationTimerInterval(int32_t(v)); });
    p.Integer("MinimumTabAnimationWidth", FMinimumTabAnimationWidth, [this](int64_t v) { SetMinimumTabAnimationWidth(int32_t(v)); });
    p.Enum("DefaultMovementEaseType", FDefaultMovementEaseType, EaseTypeNames,
        [this](TSlantTabsEaseType v) { SetDefaultMovementEaseType(v); });
    p.Enum("DefaultStyleEaseType", FDefaultStyleEaseType, EaseTypeNames,
        [this](TSlantTabsEaseType v) { SetDefaultStyleEaseType(v); });
    p.Object("MovementAnimations", FMovementEasing);
}

void TSlantTabsBehaviourOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Boolean("BackgroundDblClickMaximiseRestoreForm", FBackgroundDblClickMaximiseRestoreForm,
        [this](bool v) { SetBackgroundDblClickMaximiseRestoreForm(v); });
    p.Boolean("BackgroundDragMovesForm", FBackgroundDragMovesForm, [this](bool v) { SetBackgroundDragMovesForm(v); });
    p.Boolean("TabSmartDeleteResizing", FTabSmartDeleteResizing, [this](bool v) { SetTabSmartDeleteResizing(v); });
    p.Integer("TabSmartDeleteResizeCancelDelay", FTabSmartDeleteResizeCancelDelay, [this](int64_t v) { SetTabSmartDeleteResizeCancelDelay(int32_t(v)); });
    p.Boolean("UseBuiltInPopupMenu", FUseBuiltInPopupMenu, [this](bool v) { SetUseBuiltInPopupMenu(v); });
    p.Boolean("TabRightClickSelect", FTabRightClickSelect, [this](bool v) { SetTabRightClickSelect(v); });
    p.Boolean("ActivateNewTab", FActivateNewTab, [this](bool v) { SetActivateNewTab(v); });
    p.Boolean("DebugMode", FDebugMode, [this](bool v) { SetDebugMode(v); });
    p.Boolean("IgnoreDoubleClicksWhileAnimatingMovement", FIgnoreDoubleClicksWhileAnimatingMovement,
        [this](bool v) { SetIgnoreDoubleClicksWhileAnimatingMovement(v); });
}

void TSlantTabsScrollOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Boolean("Enabled", FEnabled, [this](bool v) { SetEnabled(v); });
    p.Enum("ScrollButtons", FScrollButtons, ScrollButtonsNames,
        [this](TSlantTabScrollButtons v) { SetScrollButtons(v); });
    p.Integer("ScrollStep", FScrollStep, [this](int64_t v) { SetScrollStep(int32_t(v)); });
    p.Integer("ScrollRepeatDelay", FScrollRepeatDelay, [this](int64_t v) { SetScrollRepeatDelay(int32_t(v)); });
    p.Boolean("AutoHideButtons", FAutoHideButtons, [this](bool v) { SetAutoHideButtons(v); });
    p.Boolean("DragScroll", FDragScroll, [this](bool v) { SetDragScroll(v); });
    p.Integer("DragScrollOffset", FDragScrollOffset, [this](int64_t v) { SetDragScrollOffset(int32_t(v)); });
    p.Boolean("MouseWheelScroll", FMouseWheelScroll, [this](bool v) { SetMouseWheelScroll(v); });
}

TOptions::TOptions(ISlantTabs* strip)
    : TSlantTabsPersistent(strip), FDisplay(this), FDragDrop(this), FAnimation(this), FBehaviour(this), FScrolling(this)
{
}

void TOptions::GetProperties(TSlantTabsProperties& p)
{
    p.Object("Display", FDisplay);
    p.Object("DragDrop", FDragDrop);
    p.Object("Animation", FAnimation);
    p.Object("Behaviour", FBehaviour);
    p.Object("Scrolling", FScrolling);
}

void SetDefaultOptions(TOptions& options)
{
    TSlantTabsDisplayOptions& display = options.Display();
    TSlantTabsCloseButtonProperties& close = display.CloseButton();
    close.Offsets().SetVertical(6);
    close.Offsets().SetHorizontal(2);
    close.SetHeight(14);
    close.SetWidth(14);
    close.SetAutoHide(true);
    close.SetVisibility(bvAll);
    close.SetAutoHideWidth(20);
    close.SetCrossRadialOffset(4);

    TSlantTabsAddButtonProperties& add = display.AddButton();
    add.Offsets().SetVertical(10);
    add.Offsets().SetHorizontal(2);
    add.SetHorizontalOffsetFloating(-3);
    add.SetHeight(14);
    add.SetWidth(31);
    add.SetShowPlusSign(false);
    add.SetVisibility(avRightFloating);

    for (TSlantTabsControlPosition* scroll : { &display.ScrollButtonLeft(), &display.ScrollButtonRight() }) {
        scroll->Offsets().SetVertical(10);
        scroll->Offsets().SetHorizontal(1);
        scroll->SetHeight(15);
        scroll->SetWidth(15);
    }

    TSlantTabModifiedDisplayOptions& glow = display.TabModifiedGlow();
    glow.SetStyle(msRightToLeft);
    glow.SetVerticalOffset(-6);
    glow.SetHeight(30);
    glow.SetWidth(100);
    glow.SetAnimationPeriodMS(4000);
    glow.SetEaseType(ttEaseInOutQuad);
    glow.SetAnimationUpdateMS(50);

    TSlantTabsOptions& tabs = display.Tabs();
    tabs.SetSeeThroughTabs(false);
    tabs.SetTabOverlap(15);
    tabs.SetContentOffsetLeft(18);
    tabs.SetContentOffsetRight(16);
    tabs.SetOffsetLeft(0);
    tabs.SetOffsetTop(4);
    tabs.SetOffsetRight(0);
    tabs.SetOffsetBottom(0);
    tabs.SetMinWidth(25);
    tabs.SetMaxWidth(200);
    tabs.SetPinnedWidth(39);
    tabs.SetImageOffsetLeft(13);
    tabs.SetTextTrimType(tttFade);
    tabs.SetOrientation(toTop);
    tabs.SetBaseLineTabRegionOnly(false);
    tabs.SetWordWrap(false);
    tabs.SetTextAlignmentHorizontal(taLeftJustify);
    tabs.SetTextAlignmentVertical(taVerticalCenter);
    tabs.SetShowImages(true);

    TSlantTabsContainerOptions& container = display.TabContainer();
    container.SetTransparentBackground(true);
    container.SetOverlayButtons(true);
    container.SetPaddingLeft(0);
    container.SetPaddingRight(0);

    TSlantTabsControlPropertiesEx& mouseGlow = display.TabMouseGlow();
    mouseGlow.Offsets().SetVertical(0);
    mouseGlow.Offsets().SetHorizontal(0);
    mouseGlow.SetHeight(200);
    mouseGlow.SetWidth(200);
    mouseGlow.SetVisible(true);

    TSlantTabsDragOptions& drag = options.DragDrop();
    drag.SetDragType(dtBetweenContainers);
    drag.SetDragOutsideImageAlpha(220);
    drag.SetDragOutsideDistancePixels(30);
    drag.SetDragStartPixels(2);
    drag.SetDragControlImageResizeFactor(0.5);
    drag.SetDragCursor(crDefault);
    drag.SetDragDisplay(ddTabAndControl);
    drag.SetDragFormBorderWidth(2);
    drag.SetDragFormBorderColor(clGray);

    TSlantTabsAnimationOptions& animation = options.Animation();
    animation.SetDefaultMovementAnimationTimeMS(100);
    animation.SetDefaultStyleAnimationTimeMS(300);
    animation.SetAnimationTimerInterval(15);
    animation.SetMinimumTabAnimationWidth(40);
    animation.SetDefaultMovementEaseType(ttLinearTween);
    animation.SetDefaultStyleEaseType(ttLinearTween);
    TSlantTabsMovementAnimations& movements = animation.MovementAnimations();
    struct TMovementDefaults {
        TSlantTabsMovementAnimationTypes& Types;
        bool UseDefaults;
    };
    for (const TMovementDefaults& m : { TMovementDefaults { movements.TabAdd(), true }, TMovementDefaults { movements.TabDelete(), true },
             TMovementDefaults { movements.TabMove(), false } }) {
        m.Types.SetUseDefaultEaseType(m.UseDefaults);
        m.Types.SetUseDefaultAnimationTime(m.UseDefaults);
        m.Types.SetEaseType(ttEaseOutExpo);
        m.Types.SetAnimationTimeMS(500);
    }

    TSlantTabsBehaviourOptions& behaviour = options.Behaviour();
    behaviour.SetBackgroundDblClickMaximiseRestoreForm(true);
    behaviour.SetBackgroundDragMovesForm(true);
    behaviour.SetTabSmartDeleteResizing(true);
    behaviour.SetTabSmartDeleteResizeCancelDelay(700);
    behaviour.SetUseBuiltInPopupMenu(true);
    behaviour.SetTabRightClickSelect(true);
    behaviour.SetActivateNewTab(true);
    behaviour.SetDebugMode(false);
    behaviour.SetIgnoreDoubleClicksWhileAnimatingMovement(true);

    TSlantTabsScrollOptions& scrolling = options.Scrolling();
    scrolling.SetEnabled(true);
    scrolling.SetScrollButtons(csbRight);
    scrolling.SetScrollStep(20);
    scrolling.SetScrollRepeatDelay(20);
    scrolling.SetAutoHideButtons(false);
    scrolling.SetDragScroll(true);
    scrolling.SetDragScrollOffset(50);
    scrolling.SetMouseWheelScroll(true);
}
