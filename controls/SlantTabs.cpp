#include "controls/SlantTabs.h"

#include "platform/graphics/ImageList.h"
#include "platform/ui/Timer.h"

#include <algorithm>

namespace {

std::vector<TCustomSlantTabs*>& Strips()
{
    static std::vector<TCustomSlantTabs*> strips;
    return strips;
}

} // namespace

const std::vector<TCustomSlantTabs*>& TCustomSlantTabs::LiveStrips() { return Strips(); }

TCustomSlantTabs::TCustomSlantTabs(TComponent* owner) : TCustomControl(owner)
{
    FCanvasBmp.SetPixelFormat(pf32bit);
    FBackgroundBmp.SetPixelFormat(pf32bit);
    FLookAndFeel = std::make_unique<TSlantTabsLookAndFeel>(static_cast<ISlantTabs*>(this));
    FOptions = std::make_unique<TOptions>(static_cast<ISlantTabs*>(this));
    FTabs = std::make_unique<TSlantTabsList>(this);
    FAddButtonControl = std::make_unique<TAddButtonControl>(*this);
    FScrollButtonLeftControl = std::make_unique<TScrollButtonLeftControl>(*this);
    FScrollButtonRightControl = std::make_unique<TScrollButtonRightControl>(*this);
    FAnimateTimer = std::make_unique<TThreadTimer>(nullptr);
    FAnimateTimer->SetInterval(FOptions->Animation().AnimationTimerInterval());
    FAnimateTimer->OnTimer = [this](TComponent* sender) { AnimateTimerTick(sender); };
    FAnimateTimer->SetEnabled(true);
    FCancelTabSmartResizeTimer = std::make_unique<TTimer>(nullptr);
    FCancelTabSmartResizeTimer->SetEnabled(false);
    FCancelTabSmartResizeTimer->SetInterval(uint32_t(FOptions->Behaviour().TabSmartDeleteResizeCancelDelay()));
    FCancelTabSmartResizeTimer->OnTimer = [this](TComponent*) { SmartResizeTimerTick(); };
    FScrollTimer = std::make_unique<TTimer>(nullptr);
    FScrollTimer->SetEnabled(false);
    FScrollTimer->SetInterval(uint32_t(FOptions->Scrolling().ScrollRepeatDelay()));
    FScrollTimer->OnTimer = [this](TComponent*) { ScrollTimerTick(); };
    SetBounds(0, 0, 300, 30);

    BeginUpdate();
    SetDefaultOptions(*FOptions);
    SetDefaultLookAndFeel(*FLookAndFeel);
    EndUpdate();
    RefreshTabDrawStates();

    // The window exists from the start here: the offset starts at 0 whatever
    // the scrolling option, so no coordinate is shifted by a stray pixel.
    FScrollOffset = 0;
    for (TBaseSlantTabsControl* button :
        { static_cast<TBaseSlantTabsControl*>(FAddButtonControl.get()), static_cast<TBaseSlantTabsControl*>(FScrollButtonLeftControl.get()),
            static_cast<TBaseSlantTabsControl*>(FScrollButtonRightControl.get()) })
        button->SetDrawState(dsNotActive, 0, ttNone, true);
    FControlConstructed = true;
    ApplyTimerIntervals();
    UpdateControlDrawStates(true);
    AddState(stsControlPositionsInvalidated);
    AddState(stsFirstPaint);
    Redraw();
    Strips().push_back(this);
}

TCustomSlantTabs::~TCustomSlantTabs()
{
    std::erase(Strips(), this);
    // Timers first: no tick may reach a strip that is half gone.
    FAnimateTimer.reset();
    FScrollTimer.reset();
    FCancelTabSmartResizeTimer.reset();
    FActiveDragTabObject.reset();
    FDragTabObject.reset();
    FOwnDragTabControl.reset();
    FControlConstructed = false;
    FTabs.reset();
    FScrollButtonLeftControl.reset();
    FScrollButtonRightControl.reset();
    FAddButtonControl.reset();
}

void TCustomSlantTabs::Loaded()
{
    TCustomControl::Loaded();
    ApplyTimerIntervals();
    AddState(stsControlPositionsInvalidated);
    Redraw();
}

bool TCustomSlantTabs::ControlReady() const
{
    return FControlConstructed && (ComponentState() & (csLoading | csDestroying)) == 0;
}

// ---- model

void TCustomSlantTabs::SetActiveTab(TSlantTab* tab)
{
    if (tab)
        FTabs->SetActiveTab(tab);
}

int32_t TCustomSlantTabs::ActiveTabIndex() const { return FTabs->IndexOf(FTabs->ActiveTab()); }

void TCustomSlantTabs::SetActiveTabIndex(int32_t index)
{
    if (index >= 0 && index < FTabs->Count())
        FTabs->SetActiveTab(FTabs->Items(index));
}

void TCustomSlantTabs::Follow(TImageList*& field, TImageList* images)
{
    if (field == images)
        return;
    TImageList* previous = field;
    field = images;
    if (images)
        images->FreeNotification(this);
    // One list may serve several roles; it is let go when it serves none.
    if (previous && previous != FImages && previous != FImagesOverlay && previous != FImagesSpinnerUpload && previous != FImagesSpinnerDownload)
        previous->RemoveFreeNotification(this);
}

void TCustomSlantTabs::SetImages(TImageList* images)
{
    Follow(FImages, images);
    Redraw();
}

void TCustomSlantTabs::SetImagesOverlay(TImageList* images)
{
    Follow(FImagesOverlay, images);
    Redraw();
}

void TCustomSlantTabs::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    // Every role the freed list had is cleared, so no reference to it is left.
    if (component == FImages)
        SetImages(nullptr);
    if (component == FImagesOverlay)
        SetImagesOverlay(nullptr);
    if (component == FImagesSpinnerUpload)
        FImagesSpinnerUpload = nullptr;
    if (component == FImagesSpinnerDownload)
        FImagesSpinnerDownload = nullptr;
}

void TCustomSlantTabs::SetBiDiMode(TBiDiMode mode)
{
    FBiDiMode = mode;
    AddState(stsControlPositionsInvalidated);
    Redraw();
}

TSlantTabControl* TCustomSlantTabs::GetTabControl(int32_t index) const { return index < 0 ? nullptr : FTabs->Items(index)->TabControl(); }

String TCustomSlantTabs::GetTabDescription(int32_t index) const
{
    if (index < 0 || index >= FTabs->Count())
        return {};
    const String& caption = FTabs->Items(index)->Caption();
    return caption.isEmpty() ? QStringLiteral("<No Caption>") : caption;
}

void TCustomSlantTabs::DeleteTabByIndex(int32_t index) { FTabs->DeleteTab(index, Designing()); }

int32_t TCustomSlantTabs::LastPinnedIndex() const
{
    int32_t last = -1;
    while (last + 1 < FTabs->Count() && FTabs->Items(last + 1)->Pinned())
        ++last;
    return last;
}

int32_t TCustomSlantTabs::LastVisibleTabIndexUpTo(int32_t index) const
{
    for (int32_t at = std::min(index, FTabs->Count() - 1); at >= 0; --at)
        if (FTabs->Items(at)->Visible())
            return at;
    return -1;
}

int32_t TCustomSlantTabs::VisibleTabCount(bool includeMarked) const
{
    int32_t count = 0;
    for (int32_t index = 0; index < FTabs->Count(); ++index) {
        const TSlantTab* tab = FTabs->Items(index);
        if (tab->Visible() && (includeMarked || !tab->MarkedForDeletion()))
            ++count;
    }
    return count;
}

// ---- update bracket and states

void TCustomSlantTabs::BeginUpdate()
{
    if (FUpdateCount == 0)
        FPausedUpdateCount = 0;
    ++FUpdateCount;
}

void TCustomSlantTabs::EndUpdate()
{
    if (FUpdateCount <= 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0 && FPausedUpdateCount > 0) {
        FPausedUpdateCount = 0;
        Redraw();
    }
}

void TCustomSlantTabs::Redraw()
{
    if (FUpdateCount != 0) {
        ++FPausedUpdateCount;
        AddState(stsPendingUpdates);
        return;
    }
    RemoveState(stsPendingUpdates);
    Repaint();
}

bool TCustomSlantTabs::AddState(TSlantTabState state)
{
    if (FState.Contains(state))
        return false;
    const TSlantTabStates previous = FState;
    FState << state;
    DoStateChange(previous, FState);
    return true;
}

bool TCustomSlantTabs::RemoveState(TSlantTabState state)
{
    if (!FState.Contains(state))
        return false;
    const TSlantTabStates previous = FState;
    FState >> state;
    DoStateChange(previous, FState);
    return true;
}

void TCustomSlantTabs::ApplyTimerIntervals()
{
    if (!ControlReady())
        return;
    FAnimateTimer->SetInterval(FOptions->Animation().AnimationTimerInterval());
    FCancelTabSmartResizeTimer->SetInterval(uint32_t(std::max(1, FOptions->Behaviour().TabSmartDeleteResizeCancelDelay())));
    FScrollTimer->SetInterval(uint32_t(std::max(1, FOptions->Scrolling().ScrollRepeatDelay())));
}

void TCustomSlantTabs::RefreshTabDrawStates()
{
    for (int32_t index = 0; index < FTabs->Count(); ++index)
        if (TSlantTabControl* control = FTabs->Items(index)->TabControl())
            SetControlDrawState(*control, control->DrawState(), true);
}

void TCustomSlantTabs::InvalidateAllControls()
{
    if (!ControlReady() || FInvalidatingControls)
        return;
    FInvalidatingControls = true;
    RefreshTabDrawStates();
    FLookAndFeel->Invalidate();
    FAddButtonControl->Invalidate();
    FScrollButtonLeftControl->Invalidate();
    FScrollButtonRightControl->Invalidate();
    if (!HasState(stsDeletingUnPinnedTabs))
        AddState(stsControlPositionsInvalidated);
    FInvalidatingControls = false;
    Redraw();
}

void TCustomSlantTabs::ClearTabDeletionStates()
{
    RemoveState(stsDeletingUnPinnedTabs);
    RemoveState(stsTabDeleted);
    RemoveState(stsEndTabDeleted);
    Redraw();
}

void TCustomSlantTabs::SetControlDrawState(TBaseSlantTabsControl& control, TDrawState newState, bool forceUpdate)
{
    const TDrawState current = control.DrawState();
    if (current == newState && !forceUpdate)
        return;
    TSlantTabsEaseType easeType = FOptions->Animation().DefaultStyleEaseType();
    // A tab fades in and out of hover; activation changes its look at once.
    if (Designing())
        easeType = ttNone;
    else if (control.ControlType() == itTab
        && !((current == dsHot && newState != dsActive) || (newState == dsHot && current != dsActive)))
        easeType = ttNone;
    uint32_t animationTime = FOptions->Animation().DefaultStyleAnimationTimeMS();
    if (current != newState && !Designing())
        DoAnimateStyle(control, newState, animationTime, easeType);
    control.SetDrawState(newState, animationTime, easeType, forceUpdate);
}

// ---- the central reaction to every change

void TCustomSlantTabs::DoChange(TSlantTab* tab, TTabChangeType changeType)
{
    if (ControlReady() && changeType == tcPropertyUpdated) {
        ApplyTimerIntervals();
        UpdateControlDrawStates(true);
        InvalidateAllControls();
    }
    if (tab && FTabs) {
        if (!tab->TabControl()) {
            tab->SetTabControl(std::make_unique<TSlantTabControl>(*this, *tab));
            TSlantTabControl& control = *tab->TabControl();
            TSlantTabsAnimationOptions& animation = FOptions->Animation();
            TSlantTabsMovementAnimationTypes& adding = animation.MovementAnimations().TabAdd();
            if (animation.GetMovementAnimationEaseType(adding) != ttNone) {
                TSlantTabsDisplayOptions& display = FOptions->Display();
                const int32_t previous = LastVisibleTabIndexUpTo(FTabs->Count() - 2);
                const TSlantTabControl* previousControl = previous >= 0 ? FTabs->Items(previous)->TabControl() : nullptr;
                const int32_t left = previousControl ? previousControl->ControlRect().Right - FOptions->Display().Tabs().TabOverlap()
                                                     : FOptions->Display().Tabs().OffsetLeft() + FOptions->Display().TabContainer().PaddingLeft();
                SetMovementAnimation(&adding);
                control.SetPosition({ left, display.Tabs().OffsetTop(), left + animation.MinimumTabAnimationWidth(),
                                        ClientHeight() - FOptions->Display().Tabs().OffsetBottom() },
                    0, ttNone);
            }
            if (OnChange)
                OnChange(this, tab, changeType);
            if (FOptions->Behaviour().ActivateNewTab() && (!FTabs->ActiveTab() || (ControlReady() && !HasState(stsAddingDroppedTab)))) {
                tab->SetActive(true);
                AddState(stsAnimatingNewTab);
            } else {
                SetControlDrawState(control, dsNotActive, false);
            }
        }
        switch (changeType) {
        case tcAdded:
            ClearTabDeletionStates();
            break;
        case tcMoved:
        case tcPropertyUpdated:
            break;
        case tcDeleting:
            RemoveState(stsEndTabDeleted);
            if (FOptions->Behaviour().TabSmartDeleteResizing())
                AddState(FTabs->IndexOf(tab) == FTabs->Count() - 1 ? stsEndTabDeleted : stsTabDeleted);
            break;
        case tcDeleted: {
            TSlantTabsAnimationOptions& animation = FOptions->Animation();
            TSlantTabsMovementAnimationTypes& deleting = animation.MovementAnimations().TabDelete();
            SetMovementAnimation(&deleting);
            if (animation.GetMovementAnimationEaseType(deleting) != ttNone) {
                if (GetTabDisplayState() == tdCompressed && FTabs->IndexOf(tab) == FTabs->Count() - 1) {
                    FTabs->DeleteTab(FTabs->IndexOf(tab), true);
                    tab = nullptr;
                } else {
                    AddState(stsAnimatingCloseTab);
                    tab->TabControl()->SetWidth(animation.MinimumTabAnimationWidth(), FMovementAnimationTime, FMovementEaseType);
                }
            }
            break;
        }
        case tcActivated:
            SetControlDrawState(*tab->TabControl(), dsActive, false);
            if (FOptions->Scrolling().Enabled())
                ScrollIntoView(tab);
            DoActiveTabChanged(tab);
            break;
        case tcDeactivated: {
            SetControlDrawState(*tab->TabControl(), dsNotActive, false);
            // One offer each way: a tab whose activation is refused is not passed over for the next one.
            const int32_t index = FTabs->IndexOf(tab);
            for (int32_t at = index + 1; at < FTabs->Count() && !FTabs->ActiveTab(); ++at)
                if (FTabs->Items(at)->Visible()) {
                    FTabs->Items(at)->SetActive(true);
                    break;
                }
            for (int32_t at = index - 1; at >= 0 && !FTabs->ActiveTab(); --at)
                if (FTabs->Items(at)->Visible()) {
                    FTabs->Items(at)->SetActive(true);
                    break;
                }
            break;
        }
        case tcPinned:
        case tcVisibility:
            AddState(stsControlPositionsInvalidated);
            break;
        case tcControlState:
            if (TSlantTabControl* control = tab->TabControl())
                control->Invalidate();
            break;
        }
        if (FTabs && !FTabs->ActiveTab() && FOptions->Behaviour().ActivateNewTab() && VisibleTabCount(false) > 0)
            SetActiveTabIndex(LastVisibleTabIndexUpTo(FTabs->Count() - 1));
        Redraw();
    }
    if (OnChange)
        OnChange(this, tab, changeType);
}

// ---- strip interface

ISlantTabPolygons TCustomSlantTabs::GetPreviousTabPolygons(int32_t index)
{
    const int32_t previous = LastVisibleTabIndexUpTo(index - 1);
    if (previous < 0)
        return nullptr;
    TSlantTabControl* control = FTabs->Items(previous)->TabControl();
    return control ? control->GetPolygons() : nullptr;
}

bool TCustomSlantTabs::DoBeforeDrawItem(TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex)
{
    bool handled = false;
    if (OnBeforeDrawItem)
        OnBeforeDrawItem(this, canvas, itemRect, itemType, tabIndex, handled);
    return handled;
}

void TCustomSlantTabs::DoAfterDrawItem(TGPGraphics& canvas, const TRect& itemRect, TSlantTabItemType itemType, int32_t tabIndex)
{
    if (OnAfterDrawItem)
        OnAfterDrawItem(this, canvas, itemRect, itemType, tabIndex);
}

ISlantTabPolygons TCustomSlantTabs::DoGetControlPolygons(TBaseSlantTabsControl& control, const TRect& itemRect, TSlantTabItemType itemType,
    TTabOrientation orientation)
{
    ISlantTabPolygons polygons;
    if (OnGetControlPolygons)
        OnGetControlPolygons(this, control, itemRect, itemType, orientation, polygons);
    return polygons;
}

void TCustomSlantTabs::DoDebugLog(const String& text)
{
    if (FOptions->Behaviour().DebugMode() && OnDebugLog)
        OnDebugLog(this, text);
}

void TCustomSlantTabs::DoActiveTabChanging(TSlantTab* oldTab, TSlantTab* newTab, bool& allow)
{
    if (OnActiveTabChanging)
        OnActiveTabChanging(this, oldTab, newTab, allow);
}

TRect TCustomSlantTabs::ScrolledRect(const TRect& rect) const
{
    TRect result = rect;
    result.Offset(-BidiScrollOffset(), 0);
    return result;
}

TRect TCustomSlantTabs::RightToLeftRect(const TRect& rect) const
{
    return IsRightToLeft(FBiDiMode) ? BidiFlipRect(ClientRect(), rect) : rect;
}

// ---- events

void TCustomSlantTabs::DoActiveTabChanged(TSlantTab* tab)
{
    if (OnActiveTabChanged)
        OnActiveTabChanged(this, tab);
}

void TCustomSlantTabs::DoButtonCloseTabClick(TSlantTab* tab, bool& close)
{
    if (OnButtonCloseTabClick)
        OnButtonCloseTabClick(this, tab, close);
}

void TCustomSlantTabs::DoButtonAddClick()
{
    bool handled = false;
    if (OnButtonAddClick)
        OnButtonAddClick(this, handled);
    if (!handled)
        FTabs->Add();
}

void TCustomSlantTabs::DoStateChange(TSlantTabStates previous, TSlantTabStates current)
{
    if (OnStateChange)
        OnStateChange(this, previous, current);
}

void TCustomSlantTabs::DoShowHint(const THitTestResult& hit, String& hintText, int32_t& hintTimeout)
{
    if (OnShowHint)
        OnShowHint(this, hit, hintText, hintTimeout);
}

void TCustomSlantTabs::DoTabDblClick(TSlantTab* tab)
{
    if (OnTabDblClick)
        OnTabDblClick(this, tab);
}

void TCustomSlantTabs::DoTabDragStart(TSlantTab* tab, bool& allow)
{
    if (OnTabDragStart)
        OnTabDragStart(this, tab, allow);
}

void TCustomSlantTabs::DoScroll()
{
    if (OnScroll)
        OnScroll(this);
}

void TCustomSlantTabs::DoScrollWidthChanged()
{
    if (OnScrollWidthChanged)
        OnScrollWidthChanged(this);
}

void TCustomSlantTabs::DoAnimateStyle(TBaseSlantTabsControl& control, TDrawState newDrawState, uint32_t& animationTimeMS, TSlantTabsEaseType& easeType)
{
    if (OnAnimateStyle)
        OnAnimateStyle(this, control, newDrawState, animationTimeMS, easeType);
}

void TCustomSlantTabs::DoAnimateMovement(TBaseSlantTabsControl& control, uint32_t& animationTimeMS, TSlantTabsEaseType& easeType)
{
    if (OnAnimateMovement)
        OnAnimateMovement(this, control, animationTimeMS, easeType);
}

void TCustomSlantTabs::DoSetTabWidth(TSlantTabControl& tabControl, int32_t& tabWidth)
{
    if (OnSetTabWidth)
        OnSetTabWidth(this, tabControl, tabWidth);
}
