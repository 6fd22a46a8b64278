#include "controls/SlantTabs.h"

#include "platform/ui/Timer.h"

void TCustomSlantTabs::SetMovementAnimation(TSlantTabsMovementAnimationTypes* types)
{
    if (!types) {
        FMovementEaseType = ttNone;
        FMovementAnimationTime = 0;
        return;
    }
    FMovementEaseType = FOptions->Animation().GetMovementAnimationEaseType(*types);
    FMovementAnimationTime = FOptions->Animation().GetMovementAnimationTime(*types);
}

void TCustomSlantTabs::SetControlPosition(TBaseSlantTabsControl& control, const TRect& rect, bool animate)
{
    uint32_t time = 0;
    TSlantTabsEaseType easeType = ttNone;
    if (animate && !Designing()) {
        time = FMovementAnimationTime;
        easeType = FMovementEaseType;
    }
    if (!Designing())
        DoAnimateMovement(control, time, easeType);
    control.SetPosition(rect, time, easeType);
}

bool TCustomSlantTabs::TabsExceedWidth() const { return Width() < FScrollWidth - FTabEndSpace; }

bool TCustomSlantTabs::ScrollButtonVisible() const
{
    return FOptions->Scrolling().Enabled() && (TabsExceedWidth() || !FOptions->Scrolling().AutoHideButtons());
}

TTabDisplayState TCustomSlantTabs::GetTabDisplayState() const
{
    if (TabsExceedWidth())
        return tdScrolling;
    if (VisibleTabCount(false) == 0)
        return tdNormal;
    const int32_t last = LastVisibleTabIndexUpTo(FTabs->Count() - 1);
    const TSlantTabControl* control = last >= 0 ? FTabs->Items(last)->TabControl() : nullptr;
    return control && control->EndRect().Right >= FTabContainerRect.Right ? tdCompressed : tdNormal;
}

int32_t TCustomSlantTabs::MaxScrollOffset() const
{
    int32_t result = FScrollWidth - FTabContainerRect.Width();
    if (FTabs->Count() > 1 && FScrollWidth > 0)
        result += FOptions->Display().Tabs().TabOverlap();
    return std::max(result, 0);
}

void TCustomSlantTabs::CalculateButtonRects()
{
    TSlantTabsDisplayOptions& display = FOptions->Display();
    const TSlantTabsScrollOptions& scrolling = FOptions->Scrolling();
    TSlantTabsAddButtonProperties& add = display.AddButton();
    int32_t left = display.TabContainer().PaddingLeft();
    int32_t right = Width();
    for (TBaseSlantTabsControl* button : { static_cast<TBaseSlantTabsControl*>(FScrollButtonLeftControl.get()),
             static_cast<TBaseSlantTabsControl*>(FScrollButtonRightControl.get()), static_cast<TBaseSlantTabsControl*>(FAddButtonControl.get()) })
        SetControlPosition(*button, {}, false);

    const auto placeLeft = [&](TBaseSlantTabsControl& button, TSlantTabsControlPosition& position) {
        const int32_t x = left + position.Offsets().Horizontal();
        SetControlPosition(button, { x, position.Offsets().Vertical(), x + position.Width(), position.Offsets().Vertical() + position.Height() }, false);
        left += position.Width() + position.Offsets().Horizontal() + 1;
    };
    const auto placeRight = [&](TBaseSlantTabsControl& button, TSlantTabsControlPosition& position) {
        const int32_t x = right - position.Width() - position.Offsets().Horizontal();
        SetControlPosition(button, { x, position.Offsets().Vertical(), right - position.Offsets().Horizontal(),
                                       position.Offsets().Vertical() + position.Height() },
            false);
        right -= position.Width() + position.Offsets().Horizontal() + 1;
    };
    const TSlantTabScrollButtons buttons = scrolling.ScrollButtons();
    if (ScrollButtonLeftVisible() && (buttons == csbLeft || buttons == csbLeftAndRight))
        placeLeft(*FScrollButtonLeftControl, display.ScrollButtonLeft());
    if (ScrollButtonRightVisible() && buttons == csbLeft)
        placeLeft(*FScrollButtonRightControl, display.ScrollButtonRight());
    if (add.Visibility() == avLeft)
        placeLeft(*FAddButtonControl, add);

    right -= display.TabContainer().PaddingRight();
    if (ScrollButtonRightVisible() && (buttons == csbRight || buttons == csbLeftAndRight))
        placeRight(*FScrollButtonRightControl, display.ScrollButtonRight());
    if (ScrollButtonLeftVisible() && buttons == csbRight)
        placeRight(*FScrollButtonLeftControl, display.ScrollButtonLeft());
    if (add.Visibility() == avRightFixed || add.Visibility() == avRightFloating) {
        FMaxAddButtonRight = right - add.Width() - add.Offsets().Horizontal();
        if (add.Visibility() == avRightFixed)
            SetControlPosition(*FAddButtonControl, { FMaxAddButtonRight, add.Offsets().Vertical(), right - add.Offsets().Horizontal(),
                                                       add.Offsets().Vertical() + add.Height() },
                false);
        right -= add.Width() + add.Offsets().Horizontal() + 1;
    }

    const TSlantTabsOptions& tabs = display.Tabs();
    const int32_t bottom = ClientHeight() - tabs.OffsetBottom();
    if (FOptions->Behaviour().TabSmartDeleteResizing() && HasState(stsDeletingUnPinnedTabs) && HasState(stsEndTabDeleted)) {
        const int32_t old = FScrollOffset;
        FScrollOffset = std::max(0, FScrollOffset - FClosedTabRect.Width() + tabs.TabOverlap());
        const int32_t shift = old - FScrollOffset;
        FTabContainerRect = { left + tabs.OffsetLeft(), tabs.OffsetTop(), FClosedTabRect.Right - shift, bottom };
        if (shift > 0)
            RemoveState(stsEndTabDeleted);
    } else {
        FTabContainerRect = { left + tabs.OffsetLeft(), tabs.OffsetTop(), right - tabs.OffsetRight(), bottom };
    }
}

void TCustomSlantTabs::CalculateAdjustedTabWidth()
{
    const TSlantTabsOptions& tabs = FOptions->Display().Tabs();
    FTabEndSpace = 0;
    int32_t pinned = 0;
    int32_t unpinned = 0;
    const int32_t pinnedCount = LastPinnedIndex() + 1;
    for (int32_t index = 0; index < FTabs->Count(); ++index) {
        const TSlantTab* tab = FTabs->Items(index);
        if (tab->Visible() && !tab->MarkedForDeletion())
            ++(index < pinnedCount ? pinned : unpinned);
    }
    const int32_t pinnedVisible = pinned;
    if (FDragTabControl && FActiveDragTabObject && FActiveDragTabObject->SourceControl != this) {
        if (FActiveDragTabObject->DragTab && FActiveDragTabObject->DragTab->Pinned())
            ++pinned;
        else
            ++unpinned;
    }
    int32_t space = tabs.ShowPinnedTabText() ? FTabContainerRect.Width() - tabs.TabOverlap()
                                             : FTabContainerRect.Width() - pinned * tabs.PinnedWidth() - tabs.TabOverlap();
    if (FDragTabControl)
        space += tabs.TabOverlap();
    int32_t width = 0;
    if (tabs.ShowPinnedTabText() && pinnedVisible + unpinned > 0) {
        width = space / (pinnedVisible + unpinned);
        FTabEndSpace = space % (pinnedVisible + unpinned);
    } else if (!tabs.ShowPinnedTabText() && unpinned > 0) {
        width = space / unpinned;
        FTabEndSpace = space % unpinned;
    }
    if (width < tabs.MinWidth()) {
        width = tabs.MinWidth();
        FTabEndSpace = 0;
    }
    if (width > tabs.MaxWidth()) {
        width = tabs.MaxWidth();
        FTabEndSpace = 0;
    }
    FAdjustedTabWidth = width;
}

int32_t TCustomSlantTabs::ClampedContentTabWidth(TSlantTabControl& tabControl)
{
    const TSlantTabsOptions& tabs = FOptions->Display().Tabs();
    int32_t width = tabControl.GetTabWidthByContent();
    if (width > tabs.MaxWidth())
        width = tabs.MaxWidth();
    else if (width < tabs.MinWidth())
        width = tabs.MinWidth();
    DoSetTabWidth(tabControl, width);
    return width;
}

void TCustomSlantTabs::CalculateTabPositions()
{
    const TSlantTabsOptions& tabs = FOptions->Display().Tabs();
    TSlantTabsAddButtonProperties& add = FOptions->Display().AddButton();
    FScrollWidth = 0;
    int32_t x = FTabContainerRect.Left;
    if (HasState(stsDeletingUnPinnedTabs) && HasState(stsTabDeleted)) {
        PositionTabsAfterDelete(x);
    } else {
        const bool ownDragHere = FDragTabObject && FActiveDragTabObject == FDragTabObject;
        if (!ownDragHere || tabs.TabWidthFromContent())
            CalculateAdjustedTabWidth();
        PositionTabs(x, tabs.ShowPinnedTabText() ? FAdjustedTabWidth : tabs.PinnedWidth(), 0, true);
        PositionTabs(x, FAdjustedTabWidth, FTabEndSpace, false);
    }
    if (add.Visibility() == avRightFloating) {
        int32_t a = FOptions->Display().TabContainer().PaddingLeft();
        const int32_t last = LastVisibleTabIndexUpTo(FTabs->Count() - 1);
        if (last >= 0 && FTabs->Items(last)->TabControl()) {
            const TSlantTabControl& control = *FTabs->Items(last)->TabControl();
            a = (HasState(stsEndTabDeleted) ? control.EndRect().Right : control.ControlRect().Right) + add.HorizontalOffsetFloating();
        }
        a = GetTabDisplayState() == tdNormal ? std::min(a, FMaxAddButtonRight) : FMaxAddButtonRight;
        SetControlPosition(*FAddButtonControl, { a, add.Offsets().Vertical(), a + add.Width(), add.Offsets().Vertical() + add.Height() }, false);
    }
    if (FScrollWidth != FPreviousScrollWidth)
        DoScrollWidthChanged();
    FPreviousScrollWidth = FScrollWidth;
    ClampScrollOffset();
    RemoveState(stsCancellingDrag);
    RemoveState(stsCompletingDrag);
    RemoveState(stsResizing);
}

void TCustomSlantTabs::PositionTabs(int32_t& x, int32_t tabWidth, int32_t endSpace, bool pinned)
{
    const TSlantTabsOptions& tabs = FOptions->Display().Tabs();
    const int32_t overlap = tabs.TabOverlap();
    const int32_t top = tabs.OffsetTop();
    const int32_t bottom = ClientHeight() - tabs.OffsetBottom();
    const int32_t pinnedCount = LastPinnedIndex() + 1;
    const int32_t first = pinned ? 0 : pinnedCount;
    const int32_t last = pinned ? pinnedCount - 1 : FTabs->Count() - 1;
    const bool floatingAdd = FOptions->Display().AddButton().Visibility() == avRightFloating;
    TDragTabObject* drag = FActiveDragTabObject.get();
    const bool ownDrag = FDragTabObject != nullptr;
    const bool ownDragHere = ownDrag && drag == FDragTabObject.get();
    TSlantTabControl* dragControl = FDragTabControl;
    bool slotOpen = drag && drag->DragTab && drag->DragTab->Pinned() == pinned;
    int32_t slotWidth = 0;
    if (slotOpen) {
        slotWidth = tabs.TabWidthFromContent() ? (dragControl ? ClampedContentTabWidth(*dragControl) + overlap : 0)
                                               : std::max(tabs.MinWidth(), tabWidth + overlap);
        if (dragControl) {
            int32_t offset = std::min(drag->DragCursorOffset.X, slotWidth - overlap);
            if (drag->SourceControl && IsRightToLeft(drag->SourceControl->GetBiDiMode()) != IsRightToLeft(FBiDiMode))
                offset = -offset;
            int32_t left = BidiXPos(FLastMouseX - offset);
            if (FOptions->DragDrop().ContrainDraggedTabWithinContainer()) {
                int32_t limit = FTabContainerRect.Right;
                if (floatingAdd)
                    limit += FOptions->Display().AddButton().Width() + FOptions->Display().AddButton().Offsets().Horizontal();
                const int32_t lowest = tabs.OffsetLeft() + FOptions->Display().TabContainer().PaddingLeft();
                if (left + dragControl->ControlRect().Width() > limit)
                    left = limit - dragControl->ControlRect().Width();
                else if (left < lowest)
                    left = lowest;
            }
            dragControl->SetPosition({ left, top, left + slotWidth, bottom }, 0, ttNone);
        }
    }
    const int32_t dragIndex = drag && drag->DragTab ? FTabs->IndexOf(drag->DragTab) : -1;
    for (int32_t index = first; index <= last; ++index) {
        TSlantTab* tab = FTabs->Items(index);
        TSlantTabControl* control = tab->TabControl();
        if (!tab->Visible() || !control)
            continue;
        if (ownDrag && !ownDragHere && FDragTabObject->DragTab == tab)
            continue;
        if (slotOpen && dragControl) {
            const TRect& d = dragControl->ControlRect();
            const int32_t centre = d.Left + d.Width() / 2 + FScrollOffset + overlap / 2;
            if (centre < d.Width() + x) {
                x += d.Width() - overlap;
                FScrollWidth += d.Width() - overlap;
                if (!pinned && index == FTabs->Count() - 1)
                    drag->HideAddButton = floatingAdd;
                drag->DropTabIndex = ownDragHere && index > dragIndex ? index - 1 : index;
                slotOpen = false;
            }
        }
        if (HasState(stsDragging) && FDragTabObject && FDragTabObject->DragTab == tab)
            continue;
        if (tab->MarkedForDeletion()) {
            x += control->ControlRect().Width();
            FScrollWidth += control->ControlRect().Width();
            continue;
        }
        const int32_t extra = endSpace > 0 && (!pinned || tabs.ShowPinnedTabText()) && !tabs.TabWidthFromContent() ? 1 : 0;
        --endSpace;
        if (HasState(stsResizing))
            SetMovementAnimation(nullptr);
        int32_t width = tabWidth;
        if (tabs.TabWidthFromContent() && (!pinned || tabs.ShowPinnedTabText()))
            width = ClampedContentTabWidth(*control);
        SetControlPosition(*control, { x, top, x + width + overlap, bottom }, true);
        x += width + extra;
        FScrollWidth += width + extra;
    }
    if (slotOpen && drag) {
        const int32_t lastIndex = last + (ownDragHere ? 0 : 1);
        if (pinned && dragControl) {
            x += dragControl->ControlRect().Width() - overlap;
            if (pinnedCount == FTabs->Count())
                drag->HideAddButton = floatingAdd;
        } else {
            drag->HideAddButton = floatingAdd;
        }
        if (FTabs->Count() > 0) {
            const TSlantTabControl* lastControl = FTabs->Items(FTabs->Count() - 1)->TabControl();
            if (lastControl)
                FScrollWidth += lastControl->ControlRect().Width();
        }
        drag->DropTabIndex = lastIndex;
    }
    if (drag && drag->DropTabIndex < 0)
        drag->DropTabIndex = 0;
}

void TCustomSlantTabs::PositionTabsAfterDelete(int32_t& x)
{
    const TSlantTabsOptions& tabs = FOptions->Display().Tabs();
    const int32_t top = tabs.OffsetTop();
    const int32_t bottom = ClientHeight() - tabs.OffsetBottom();
    TSlantTabsAnimationOptions& animation = FOptions->Animation();
    const bool closingStillListed = animation.GetMovementAnimationEaseType(animation.MovementAnimations().TabDelete()) != ttNone
        && HasState(stsAnimatingCloseTab);
    const int32_t standIn = FClosedTabIndex + (closingStillListed ? 1 : 0);
    for (int32_t index = std::max(0, FClosedTabIndex); index < FTabs->Count(); ++index) {
        TSlantTab* tab = FTabs->Items(index);
        TSlantTabControl* control = tab->TabControl();
        if (!tab->Visible() || !control)
            continue;
        int32_t slot = control->ControlRect().Width();
        if (index == standIn) {
            slot = FClosedTabRect.Width();
            x = FClosedTabRect.Left;
        }
        if (!tab->MarkedForDeletion())
            SetControlPosition(*control, { x, top, x + slot, bottom }, true);
        x += slot - tabs.TabOverlap();
        FScrollWidth = x;
    }
}

void TCustomSlantTabs::SetScrollOffset(int32_t value)
{
    if (!FOptions->Scrolling().Enabled() || value == FScrollOffset)
        return;
    if (FTabs->Count() > 0 && value > MaxScrollOffset())
        value = MaxScrollOffset();
    FScrollOffset = std::max(0, value);
    AddState(stsControlPositionsInvalidated);
    UpdateControlDrawStates(true);
    Redraw();
    DoScroll();
}

// Tabs hidden or removed while the strip is scrolled would leave blank space
// after the last tab. A smart delete keeps it until the mouse leaves, so that
// the next close button stays under the mouse, and a drag until it ends.
void TCustomSlantTabs::ClampScrollOffset()
{
    const int32_t maximum = MaxScrollOffset();
    const bool keep = HasState(stsDeletingUnPinnedTabs) || HasState(stsDragging) || FActiveDragTabObject;
    if (!keep && FScrollOffset > maximum)
        SetScrollOffset(maximum);
    else if (maximum != FDrawStatesMaxScrollOffset)
        // The scroll buttons look disabled at the ends, wherever the end now is.
        UpdateControlDrawStates(true);
}

void TCustomSlantTabs::ScrollIntoView(TSlantTab* tab)
{
    if (!tab || !tab->TabControl())
        return;
    const TRect& end = tab->TabControl()->EndRect();
    if (end.Left < FScrollOffset)
        SetScrollOffset(end.Left);
    else if (end.Right > FTabContainerRect.Right + FScrollOffset)
        SetScrollOffset(end.Right - FTabContainerRect.Width() + FOptions->Display().Tabs().TabOverlap());
}

void TCustomSlantTabs::AdjustScrollOffsetToWidth(bool force)
{
    if (FOptions->Scrolling().Enabled() && FScrollOffset > 0 && (force || Width() > FLastClientWidth)) {
        const int32_t last = LastVisibleTabIndexUpTo(FTabs->Count() - 1);
        const TSlantTabControl* control = last >= 0 ? FTabs->Items(last)->TabControl() : nullptr;
        if (control && control->ControlRect().Right < ClientWidth() + FScrollOffset)
            SetScrollOffset(MaxScrollOffset());
    }
    FLastClientWidth = Width();
}

void TCustomSlantTabs::Resize()
{
    TCustomControl::Resize();
    if (!FOptions)
        return;
    AdjustScrollOffsetToWidth(false);
    AddState(stsResizing);
    UpdateControlDrawStates(true);
    InvalidateAllControls();
    Redraw();
}

void TCustomSlantTabs::ScrollTabs(TScrollDirection direction, bool startTimer)
{
    if (GetTabDisplayState() != tdScrolling)
        return;
    FScrollDirection = direction;
    const int32_t step = IsRightToLeft(FBiDiMode) ? -FOptions->Scrolling().ScrollStep() : FOptions->Scrolling().ScrollStep();
    if (direction == mdsLeft)
        SetScrollOffset(FScrollOffset - step);
    else if (direction == mdsRight)
        SetScrollOffset(FScrollOffset + step);
    if (startTimer)
        FScrollTimer->SetEnabled(true);
}

void TCustomSlantTabs::ScrollTimerTick()
{
    if (GetTabDisplayState() == tdScrolling)
        ScrollTabs(FScrollDirection, true);
}

void TCustomSlantTabs::FireScrollTimer() { ScrollTimerTick(); }

void TCustomSlantTabs::SmartResizeTimerTick()
{
    FCancelTabSmartResizeTimer->SetEnabled(false);
    ClearTabDeletionStates();
    AddState(stsControlPositionsInvalidated);
    FLastClientWidth = -1;
    AdjustScrollOffsetToWidth(false);
    Redraw();
}

bool TCustomSlantTabs::DoMouseWheel(TShiftState, int32_t wheelDelta, TPoint)
{
    const TSlantTabsScrollOptions& scrolling = FOptions->Scrolling();
    if (scrolling.Enabled() && scrolling.MouseWheelScroll() && Visible() && wheelDelta != 0)
        SetScrollOffset(FScrollOffset + wheelDelta);
    // The strip keeps the wheel, also when it has nothing to scroll.
    return true;
}
