#include "controls/SlantTabs.h"

#include "platform/ui/Forms.h"
#include "platform/ui/Timer.h"

void TCustomSlantTabs::BeginDrag(int32_t mouseX, int32_t mouseY)
{
    ClearTabDeletionStates();
    const THitTestResult hit = HitTest({ mouseX, mouseY });
    if (hit.TabIndex < 0) {
        EndDrag(mouseX, mouseY, true);
        return;
    }
    TSlantTab* tab = FTabs->Items(hit.TabIndex);
    bool allow = FOptions->DragDrop().DragType() != dtNone;
    DoTabDragStart(tab, allow);
    // The dragged tab is the one the layout lifts out and follows with the
    // mouse; a tab whose activation was refused stays where it is.
    if (!allow || !tab->Active()) {
        EndDrag(mouseX, mouseY, true);
        return;
    }
    SetMovementAnimation(&FOptions->Animation().MovementAnimations().TabMove());
    FDragTabObject = std::make_shared<TDragTabObject>();
    AddState(stsDragging);
    AddState(stsDragStarted);
    TSlantTabControl& control = *tab->TabControl();
    TDragTabObject& drag = *FDragTabObject;
    drag.DragTab = tab;
    drag.DragCursorOffset = { mouseX - BidiXPos(control.ControlRect().Left) + BidiScrollOffset(), mouseY - control.ControlRect().Top };
    drag.HideAddButton = false;
    drag.DragPoint = FMouseDownPoint;
    drag.OriginalControlRect = control.ControlRect();
    drag.DropTabIndex = hit.TabIndex;
    drag.OriginalCursor = Cursor();
    drag.SourceControl = this;
    drag.DockControl = this;
    drag.DragOverType = dotHomeContainer;
    SetCursor(FOptions->DragDrop().DragCursor());
    bool accept = true;
    TabDragOver(*this, mouseX, mouseY, dsDragEnter, FDragTabObject, accept);
}

void TCustomSlantTabs::EndDrag(int32_t mouseX, int32_t mouseY, bool cancelled)
{
    const std::shared_ptr<TDragTabObject> drag = FDragTabObject;
    TTabDropOptions options;
    const auto clearDrag = [&] {
        // The picture goes with the drag, whoever still holds the payload.
        if (drag)
            drag->DragForm.reset();
        FDragTabObject.reset();
        FActiveDragTabObject.reset();
        FDragTabControl = nullptr;
        FOwnDragTabControl.reset();
        FDragCancelled = false;
    };
    // A handler's error ends the drag as well, without deleting anything.
    try {
        if (drag)
            DropDraggedTab(drag, mouseX, mouseY, cancelled, options);
    } catch (...) {
        clearDrag();
        RemoveState(stsDragging);
        throw;
    }
    clearDrag();
    // The options act on the dragged tab, wherever it is and whichever tab is active.
    if (drag && options.Contains(tdDeleteDraggedTab)) {
        const int32_t index = FTabs->IndexOf(drag->DragTab);
        if (index >= 0)
            DeleteTabByIndex(index);
    }
    RemoveState(stsDragging);
}

void TCustomSlantTabs::DropDraggedTab(const std::shared_ptr<TDragTabObject>& drag, int32_t mouseX, int32_t mouseY, bool cancelled,
    TTabDropOptions& options)
{
    SetCursor(drag->OriginalCursor);
    ISlantTabDockControl* dock = drag->DockControl;
    TSlantTab* newTab = nullptr;
    if (dock) {
        options = dock == this ? TTabDropOptions { tdMoveTab } : TTabDropOptions { tdDeleteDraggedTab, tdCreateDroppedTab };
        try {
            dock->TabDragDrop(*this, mouseX, mouseY, drag, cancelled, options);
        } catch (...) {
            // The strip under the pointer lets go of the drag all the same.
            bool accept = true;
            dock->TabDragOver(*this, mouseX, mouseY, dsDragLeave, drag, accept);
            throw;
        }
        // A cancelled drag never copies or deletes: the tab goes back.
        if (cancelled)
            options = {};
        const int32_t dragIndex = FTabs->IndexOf(drag->DragTab);
        if (!cancelled && dock != this) {
            if (options.Contains(tdCreateDroppedTab))
                newTab = dock->InsertDroppedTab();
        } else if (!cancelled && drag->DropTabIndex != -1 && dragIndex >= 0 && drag->DropTabIndex != dragIndex) {
            AddState(stsCompletingDrag);
            if (options.Contains(tdMoveTab))
                FTabs->Move(dragIndex, std::min(drag->DropTabIndex, FTabs->Count() - 1));
        } else {
            AddState(stsCancellingDrag);
            Redraw();
        }
        bool accept = true;
        dock->TabDragOver(*this, mouseX, mouseY, dsDragLeave, drag, accept);
        if (newTab)
            dock->GetControl().DoTabDragDropped(drag, newTab);
    } else {
        options = cancelled ? TTabDropOptions {} : TTabDropOptions { tdDeleteDraggedTab };
        TabDragDrop(*this, mouseX, mouseY, drag, cancelled, options);
        if (cancelled)
            options = {};
    }
    if (dock)
        dock->TabDragEnd(mouseX, mouseY, cancelled);
    TabDragEnd(mouseX, mouseY, cancelled);
}

void TCustomSlantTabs::TabDragOver(TCustomSlantTabs&, int32_t x, int32_t y, TDragState state, const std::shared_ptr<TDragTabObject>& dragTabObject, bool& accept)
{
    accept = !HasState(stsDragging) || FOptions->DragDrop().DragType() == dtNone
        || RightToLeftRect(FTabContainerRect).Contains({ x, y }) || FOptions->Display().TabContainer().OverlayButtons();
    if (OnTabDragOver)
        OnTabDragOver(this, x, y, state, dragTabObject, accept);
    AddState(stsControlPositionsInvalidated);
    if (!accept && state != dsDragLeave)
        return;
    FActiveDragTabObject = dragTabObject;
    // The cursor belongs to the source strip; this strip follows it by the calls.
    if (state != dsDragLeave) {
        FLastMouseX = x;
        FLastMouseY = y;
    }
    const TSlantTabsScrollOptions& scrolling = FOptions->Scrolling();
    if (state != dsDragLeave && scrolling.Enabled() && scrolling.DragScroll()) {
        const TRect container = RightToLeftRect(FTabContainerRect);
        if (x >= container.Right - scrolling.DragScrollOffset())
            ScrollTabs(mdsRight, true);
        else if (x <= container.Left + scrolling.DragScrollOffset())
            ScrollTabs(mdsLeft, true);
        else
            FScrollTimer->SetEnabled(false);
    }
    switch (state) {
    case dsDragEnter:
        if (dragTabObject->SourceControl == this) {
            TSlantTab* tab = dragTabObject->DragTab;
            FDragTabControl = tab ? tab->TabControl() : nullptr;
        } else if (!FDragTabControl && dragTabObject->DragTab) {
            FOwnDragTabControl = std::make_unique<TSlantTabControl>(*this, *dragTabObject->DragTab);
            FDragTabControl = FOwnDragTabControl.get();
            FDragTabControl->SetDrawState(dsActive, 0, ttNone, true);
            if (TSlantTab* active = FTabs->ActiveTab())
                SetControlDrawState(*active->TabControl(), dsNotActive, true);
        }
        if (FDragTabControl)
            FDragTabControl->SetScrollableControl(false);
        break;
    case dsDragLeave:
        if (FDragTabControl)
            FDragTabControl->SetScrollableControl(true);
        FScrollTimer->SetEnabled(false);
        if (dragTabObject->SourceControl != this) {
            if (TSlantTab* active = FTabs->ActiveTab())
                SetControlDrawState(*active->TabControl(), dsActive, true);
            FOwnDragTabControl.reset();
        }
        FDragTabControl = nullptr;
        if (dragTabObject->SourceControl == dragTabObject->DockControl)
            dragTabObject->HideAddButton = true;
        FActiveDragTabObject.reset();
        AddState(stsControlPositionsInvalidated);
        Redraw();
        break;
    case dsDragMove:
        Redraw();
        break;
    }
}

void TCustomSlantTabs::TabDragDrop(TCustomSlantTabs&, int32_t x, int32_t y, const std::shared_ptr<TDragTabObject>& dragTabObject, bool cancelled,
    TTabDropOptions& tabDropOptions)
{
    AddState(stsControlPositionsInvalidated);
    if (FDragTabControl) {
        const TRect& rect = FDragTabControl->ControlRect();
        FDragTabControl->SetPosition({ rect.Left + FScrollOffset, rect.Top, rect.Right + FScrollOffset, rect.Bottom }, 0, ttNone);
    }
    if (OnTabDragDrop)
        OnTabDragDrop(this, x, y, dragTabObject, cancelled, tabDropOptions);
}

TSlantTab* TCustomSlantTabs::InsertDroppedTab()
{
    if (!FActiveDragTabObject || !FActiveDragTabObject->DragTab)
        return nullptr;
    const std::shared_ptr<TDragTabObject> drag = FActiveDragTabObject;
    BeginUpdate();
    TSlantTab* tab = nullptr;
    try {
        AddState(stsAddingDroppedTab);
        tab = FTabs->Add();
        RemoveState(stsAddingDroppedTab);
        const TSlantTab& source = *drag->DragTab;
        tab->SetData(source.Data());
        tab->SetCaption(source.Caption());
        tab->SetImageIndex(source.ImageIndex());
        tab->SetImageIndexOverlay(source.ImageIndexOverlay());
        tab->SetSpinnerState(source.SpinnerState());
        tab->SetTag(source.Tag());
        tab->SetVisible(source.Visible());
        tab->SetModified(source.Modified());
        const int32_t target = std::clamp(drag->DropTabIndex, 0, FTabs->Count() - 1);
        FTabs->Move(FTabs->IndexOf(tab), target);
        if (source.Pinned() != tab->Pinned())
            tab->SetPinned(source.Pinned());
        if (FDragTabControl)
            tab->TabControl()->SetPosition(FDragTabControl->ControlRect(), 0, ttNone);
        tab->SetActive(true);
    } catch (...) {
        RemoveState(stsAddingDroppedTab);
        EndUpdate();
        throw;
    }
    EndUpdate();
    return tab;
}

void TCustomSlantTabs::TabDragEnd(int32_t mouseX, int32_t mouseY, bool cancelled)
{
    if (OnTabDragEnd)
        OnTabDragEnd(this, mouseX, mouseY, cancelled);
    AddState(stsControlPositionsInvalidated);
    Redraw();
}

void TCustomSlantTabs::DoTabDragDropped(const std::shared_ptr<TDragTabObject>& dragTabObject, TSlantTab* newTab)
{
    if (OnTabDragDropped)
        OnTabDragDropped(this, dragTabObject, newTab);
}
