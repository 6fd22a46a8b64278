#include "controls/SlantTabs.h"

#include "controls/SlantTabsWindowSearch.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Timer.h"

namespace {

// Tags of the built-in menu's items; a tab's item carries its index plus TabItemTag.
constexpr intptr_t PinTag = 0;
constexpr intptr_t UnpinTag = 1;
constexpr intptr_t DeleteTag = 2;
constexpr intptr_t NewTabTag = 3;
constexpr intptr_t TabItemTag = 10;
constexpr intptr_t LineTag = -1;

// Moving by the caption: the window system takes the window along while the
// pressed button is held.
constexpr intptr_t SC_DRAGMOVE = SC_MOVE + 2;

constexpr int32_t TabHintTimeout = 5000;

} // namespace

THitTestResult TCustomSlantTabs::HitTest(TPoint point, bool ignoreDisabledControls)
{
    THitTestResult result { -1, htBackground };
    if (!ClientRect().Contains(point))
        return { -1, htNowhere };
    if (FOptions->Display().AddButton().Visibility() != avNone && FAddButtonControl->ContainsPoint(point))
        return { -1, htAddButton };
    if (ScrollButtonLeftVisible() && (!ignoreDisabledControls || FScrollButtonLeftControl->DrawState() != dsDisabled)
        && FScrollButtonLeftControl->ContainsPoint(point))
        return { -1, htScrollButtonLeft };
    if (ScrollButtonRightVisible() && (!ignoreDisabledControls || FScrollButtonRightControl->DrawState() != dsDisabled)
        && FScrollButtonRightControl->ContainsPoint(point))
        return { -1, htScrollButtonRight };
    if (!FOptions->Display().TabContainer().OverlayButtons() && !FTabContainerRect.Contains(point))
        return result;
    // The active tab lies over its neighbours, and lower indices over higher ones.
    TSlantTab* active = FTabs->ActiveTab();
    if (active && active->Visible() && active->TabControl()) {
        const THitTestArea area = active->TabControl()->GetHitTestArea(point.X, point.Y);
        if (area != htBackground)
            return { FTabs->IndexOf(active), area };
    }
    for (int32_t index = 0; index < FTabs->Count(); ++index) {
        TSlantTab* tab = FTabs->Items(index);
        if (tab == active || !tab->Visible() || !tab->TabControl())
            continue;
        const THitTestArea area = tab->TabControl()->GetHitTestArea(point.X, point.Y);
        if (area != htBackground)
            return { index, area };
    }
    return result;
}

TSlantTab* TCustomSlantTabs::GetTabUnderMouse()
{
    const THitTestResult hit = HitTest({ FLastMouseX, FLastMouseY });
    return hit.TabIndex >= 0 ? FTabs->Items(hit.TabIndex) : nullptr;
}

void TCustomSlantTabs::UpdateControlDrawStates(bool force)
{
    if (FActiveDragTabObject || !FTabs)
        return;
    BeginUpdate();
    const THitTestResult hit = HitTest({ FLastMouseX, FLastMouseY });
    if (force || (!HasState(stsPendingUpdates) && !(hit == FLastHitTestResult))) {
        FLastHitTestResult = hit;
        const bool rightToLeft = IsRightToLeft(FBiDiMode);
        const int32_t maximum = MaxScrollOffset();
        FDrawStatesMaxScrollOffset = maximum;
        const bool leftDisabled = rightToLeft ? FScrollOffset == maximum : FScrollOffset == 0;
        const bool rightDisabled = rightToLeft ? FScrollOffset == 0 : FScrollOffset == maximum;
        SetControlDrawState(*FScrollButtonLeftControl, leftDisabled ? dsDisabled : dsActive, true);
        SetControlDrawState(*FScrollButtonRightControl, rightDisabled ? dsDisabled : dsActive, true);
        SetControlDrawState(*FAddButtonControl, dsNotActive, true);
        const TDrawState pressedOrHot = HasState(stsMouseDown) ? dsDown : dsHot;
        switch (hit.HitTestArea) {
        case htAddButton:
            SetControlDrawState(*FAddButtonControl, pressedOrHot, false);
            break;
        case htScrollButtonLeft:
            if (FScrollOffset > 0)
                SetControlDrawState(*FScrollButtonLeftControl, pressedOrHot, false);
            break;
        case htScrollButtonRight:
            if (FScrollOffset < maximum)
                SetControlDrawState(*FScrollButtonRightControl, pressedOrHot, false);
            break;
        default:
            for (int32_t index = 0; index < FTabs->Count(); ++index) {
                TSlantTab* tab = FTabs->Items(index);
                TSlantTabControl* control = tab->TabControl();
                if (!control)
                    continue;
                if (index == hit.TabIndex && !HasState(stsDragging)) {
                    if (!tab->Active())
                        SetControlDrawState(*control, dsHot, false);
                    control->SetCloseButtonState(hit.HitTestArea == htCloseButton ? pressedOrHot : tab->Active() ? dsActive : dsNotActive);
                } else {
                    if (!tab->Active())
                        SetControlDrawState(*control, dsNotActive, false);
                    control->SetCloseButtonState(dsNotActive);
                }
            }
            break;
        }
    }
    EndUpdate();
}

void TCustomSlantTabs::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (HasState(stsMouseDown))
        return;
    FMouseDownHitTest = HitTest({ x, y });
    FMouseButton = button;
    FMouseDownPoint = { x, y };
    FLastMouseX = x;
    FLastMouseY = y;
    TForm* form = ParentForm();
    // The second press of a double click belongs to maximising and restoring.
    if (FOptions->Behaviour().BackgroundDragMovesForm() && FMouseDownHitTest.HitTestArea == htBackground && form && !shift.Contains(ssDouble)) {
        // The window system owns the button from here on; the strip sees no release.
        SetMouseCapture(false);
        form->Perform(WM_SYSCOMMAND, SC_DRAGMOVE);
        return;
    }
    AddState(stsMouseDown);
    UpdateControlDrawStates(true);
    if (FMouseDownHitTest.HitTestArea == htScrollButtonLeft) {
        ScrollTabs(mdsLeft, true);
        return;
    }
    if (FMouseDownHitTest.HitTestArea == htScrollButtonRight) {
        ScrollTabs(mdsRight, true);
        return;
    }
    BeginUpdate();
    try {
        // Focused, the strip hears Escape during a drag.
        if (CanFocus())
            SetFocus();
        const bool selects = button == mbLeft || (button == mbRight && FOptions->Behaviour().TabRightClickSelect());
        const THitTestArea area = FMouseDownHitTest.HitTestArea;
        if (selects && FMouseDownHitTest.TabIndex >= 0 && (area == htTab || (area == htCloseButton && button == mbRight))) {
            TSlantTab* tab = FTabs->Items(FMouseDownHitTest.TabIndex);
            if (!tab->Active())
                tab->SetActive(true);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomSlantTabs::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (x == FLastMouseX && y == FLastMouseY)
        return;
    FLastMouseX = x;
    FLastMouseY = y;
    BeginUpdate();
    const THitTestResult hit = HitTest({ x, y });
    const TSlantTabsDragOptions& drag = FOptions->DragDrop();
    const int32_t threshold = drag.DragStartPixels();
    if (!HasState(stsDragging) && drag.DragType() != dtNone && HasState(stsMouseDown) && FMouseDownHitTest.HitTestArea == htTab
        && FMouseButton == mbLeft && hit.HitTestArea == htTab
        && (std::abs(x - FMouseDownPoint.X) >= threshold || std::abs(y - FMouseDownPoint.Y) >= threshold)) {
        bool allow = true;
        DoBeginTabDrag(hit.TabIndex >= 0 ? FTabs->Items(hit.TabIndex) : nullptr, allow);
        if (allow)
            BeginDrag(FMouseDownPoint.X, FMouseDownPoint.Y);
    }
    if (!FDragTabObject) {
        UpdateControlDrawStates(false);
        if (FOptions->Display().TabMouseGlow().Visible() && (hit.HitTestArea == htTab || hit.HitTestArea == htCloseButton))
            Redraw();
    } else if (FDragTabObject->SourceControl == this) {
        FDragTabObject->DragOverType = dotNone;
        if (drag.DragType() == dtWithinContainer) {
            bool accept = true;
            FDragTabObject->DragOverType = dotHomeContainer;
            TabDragOver(*this, x, y, dsDragMove, FDragTabObject, accept);
        } else if (drag.DragType() == dtBetweenContainers) {
            DragBetweenStrips(x, y);
        }
        RemoveState(stsDragStarted);
    }
    EndUpdate();
}

void TCustomSlantTabs::DragBetweenStrips(int32_t x, int32_t y)
{
    const TPoint screenPoint = ClientToScreen({ x, y });
    const std::shared_ptr<TDragTabObject> drag = FDragTabObject;
    TCustomSlantTabs* found = SlantTabsControlFromPoint(screenPoint, FOptions->DragDrop().DragOutsideDistancePixels(), 5, SlantTabsAtScreenPoint);
    DoDebugLog(found ? QStringLiteral("SlantTabs (%1) found at X: %2, Y: %3").arg(found->Name()).arg(screenPoint.X).arg(screenPoint.Y)
                     : QStringLiteral("No SlantTabs found at X: %1, Y: %2").arg(screenPoint.X).arg(screenPoint.Y));
    bool accepted = false;
    if (found) {
        accepted = true;
        const TPoint point = found->ScreenToClient(screenPoint);
        if (drag->DockControl != found)
            found->TabDragOver(*this, point.X, point.Y, dsDragEnter, drag, accepted);
        if (accepted) {
            if (drag->DockControl && drag->DockControl != found) {
                TCustomSlantTabs& previous = drag->DockControl->GetControl();
                const TPoint there = previous.ScreenToClient(screenPoint);
                bool ignored = true;
                previous.TabDragOver(*this, there.X, there.Y, dsDragLeave, drag, ignored);
            }
            drag->DockControl = found;
            drag->DragOverType = found == this ? dotHomeContainer : dotRemoteContainer;
            found->TabDragOver(*this, point.X, point.Y, dsDragMove, drag, accepted);
            if (found == this)
                Redraw();
        }
    }
    if (!accepted && drag->DockControl) {
        TCustomSlantTabs& previous = drag->DockControl->GetControl();
        const TPoint there = previous.ScreenToClient(screenPoint);
        bool ignored = true;
        previous.TabDragOver(*this, there.X, there.Y, dsDragLeave, drag, ignored);
        drag->DockControl = nullptr;
    }
    // The picture stands in for the tab only where no strip shows it.
    MoveDragForm(x, y, !accepted);
}

void TCustomSlantTabs::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (!(button == mbRight && FDragTabObject))
        TCustomControl::MouseUp(button, shift, x, y);
    BeginUpdate();
    try {
        FScrollTimer->SetEnabled(false);
        RemoveState(stsMouseDown);
        const THitTestResult hit = HitTest({ x, y });
        if (HasState(stsDragging)) {
            EndDrag(x, y, FDragCancelled);
        } else if (hit.HitTestArea == htAddButton && FMouseDownHitTest.HitTestArea == htAddButton) {
            DoButtonAddClick();
            AddState(stsControlPositionsInvalidated);
        } else if (FMouseButton == mbLeft && hit.HitTestArea == htCloseButton && FMouseDownHitTest.HitTestArea == htCloseButton
            && hit.TabIndex == FMouseDownHitTest.TabIndex && hit.TabIndex >= 0) {
            TSlantTab* tab = FTabs->Items(hit.TabIndex);
            bool close = true;
            DoButtonCloseTabClick(tab, close);
            if (close) {
                if (!tab->Pinned()) {
                    ClearTabDeletionStates();
                    AddState(stsDeletingUnPinnedTabs);
                    FClosedTabRect = tab->TabControl()->EndRect();
                    FClosedTabIndex = hit.TabIndex;
                }
                DeleteTabByIndex(hit.TabIndex);
                AddState(stsControlPositionsInvalidated);
            }
        }
        UpdateControlDrawStates(true);
        Redraw();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomSlantTabs::MouseEnter()
{
    FCancelTabSmartResizeTimer->SetEnabled(false);
    TCustomControl::MouseEnter();
}

void TCustomSlantTabs::MouseLeave()
{
    FLastMouseX = -1;
    FLastMouseY = -1;
    UpdateControlDrawStates(false);
    FCancelTabSmartResizeTimer->SetEnabled(true);
    Redraw();
    DoMouseLeave();
}

void TCustomSlantTabs::DoMouseLeave() { TCustomControl::MouseLeave(); }

void TCustomSlantTabs::WndProc(TMessage& message)
{
    if (message.Msg == WM_LBUTTONDBLCLK && !(FOptions->Behaviour().IgnoreDoubleClicksWhileAnimatingMovement() && HasState(stsAnimatingMovement))) {
        const TPoint point = LParamToPoint(message.LParam);
        const THitTestResult hit = HitTest(point);
        if (hit.HitTestArea == htTab)
            DoTabDblClick(FTabs->Items(hit.TabIndex));
        TForm* form = ParentForm();
        if (FOptions->Behaviour().BackgroundDblClickMaximiseRestoreForm() && hit.HitTestArea == htBackground && form)
            form->Perform(WM_SYSCOMMAND, form->WindowState() == wsNormal ? SC_MAXIMIZE : SC_RESTORE);
    }
    // A press whose release never comes (a box shown while the button was
    // down takes the mouse away) must not leave the strip deaf to the next one.
    if (message.Msg == WM_CANCELMODE) {
        FScrollTimer->SetEnabled(false);
        if (FDragTabObject)
            EndDrag(FLastMouseX, FLastMouseY, true);
        RemoveState(stsMouseDown);
    }
    if ((message.Msg == CN_KEYDOWN || message.Msg == WM_KEYDOWN) && message.WParam == VK_ESCAPE && FDragTabObject) {
        FDragCancelled = true;
        TCustomControl::WndProc(message);
        MouseUp(mbLeft, {}, 0, 0);
        return;
    }
    TCustomControl::WndProc(message);
}

void TCustomSlantTabs::CMHintShow(TMessage& message)
{
    // No hint while a tab is being dragged.
    message.Result = 1;
    if (HasState(stsDragging)) {
        TCustomControl::CMHintShow(message);
        return;
    }
    THintInfo& info = *reinterpret_cast<THintInfo*>(message.LParam);
    const THitTestResult hit = HitTest(info.CursorPos);
    String text = GetTabDescription(hit.TabIndex);
    int32_t timeout = TabHintTimeout;
    DoShowHint(hit, text, timeout);
    if (text.isEmpty()) {
        // Off the tabs the strip's own hint shows, as the platform filled it in.
        message.Result = 0;
        TCustomControl::CMHintShow(message);
        return;
    }
    info.HintStr = text;
    // Where the tab shows, so that moving onto the next tab asks again.
    info.CursorRect = hit.TabIndex < 0 ? ClientRect() : ScrolledRect(RightToLeftRect(FTabs->Items(hit.TabIndex)->TabControl()->ControlRect()));
    info.HideTimeout = timeout;
    message.Result = 0;
}

void TCustomSlantTabs::WMContextMenu(TMessage& message)
{
    const TPoint point = ClientToScreen({ FLastMouseX, FLastMouseY });
    message.Result = 1;
    if (PopupMenu()) {
        PopupMenu()->SetPopupComponent(this);
        PopupMenu()->Popup(point.X, point.Y);
    } else if (FOptions->Behaviour().UseBuiltInPopupMenu() && !FDragTabObject) {
        ShowTabMenu(this, point);
    }
}

void TCustomSlantTabs::ShowTabMenu(TComponent*, TPoint mousePos)
{
    // Held here, not by the strip: an item's click may open the menu again.
    const std::unique_ptr<TPopupMenu> menu = BuildTabMenu();
    menu->Popup(mousePos.X, mousePos.Y);
}

std::unique_ptr<TPopupMenu> TCustomSlantTabs::BuildTabMenu()
{
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    const auto add = [&](const String& caption, intptr_t tag) {
        TMenuItem* item = menu->Items().Add(caption);
        item->SetTag(tag);
        item->SetRadioItem(tag != LineTag && tag < 95);
        item->SetChecked(tag == ActiveTabIndex() + TabItemTag);
        item->OnClick = [this](TMenuItem* sender) { TabMenuItemClick(sender); };
    };
    add(QStringLiteral("New tab"), NewTabTag);
    add(QStringLiteral("-"), LineTag);
    const int32_t pressed = FMouseDownHitTest.TabIndex;
    if (pressed >= 0 && pressed < FTabs->Count()) {
        add(QStringLiteral("Delete Tab"), DeleteTag);
        add(QStringLiteral("-"), LineTag);
        if (FTabs->Items(pressed)->Pinned())
            add(QStringLiteral("Unpin this tab"), UnpinTag);
        else
            add(QStringLiteral("Pin this tab"), PinTag);
        add(QStringLiteral("-"), LineTag);
    }
    for (int32_t index = 0; index < FTabs->Count(); ++index)
        add(GetTabDescription(index), index + TabItemTag);
    return menu;
}

void TCustomSlantTabs::TabMenuItemClick(TMenuItem* sender)
{
    const intptr_t tag = sender->Tag();
    const int32_t pressed = FMouseDownHitTest.TabIndex;
    if (pressed >= 0 && pressed < FTabs->Count()) {
        if (tag == PinTag)
            FTabs->Items(pressed)->SetPinned(true);
        else if (tag == UnpinTag)
            FTabs->Items(pressed)->SetPinned(false);
        else if (tag == DeleteTag)
            DeleteTabByIndex(pressed);
    }
    if (tag == NewTabTag)
        DoButtonAddClick();
    else if (tag >= TabItemTag && tag - TabItemTag < FTabs->Count())
        FTabs->SetActiveTab(FTabs->Items(int32_t(tag - TabItemTag)));
    Redraw();
}
