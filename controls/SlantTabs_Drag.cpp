#include "controls/SlantTabs.h"

#include "platform/ui/Forms.h"
#include "platform/ui/Timer.h"

#include <exception>

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

namespace {

// Runs one step of ending a drag; an error is kept for later (the first one
// wins) so that the steps after it still run.
template <typename TStep> void Guarded(std::exception_ptr& error, TStep&& step)
{
    try {
        step();
    } catch (...) {
        if (!error)
            error = std::current_exception();
    }
}

} // namespace

void TCustomSlantTabs::EndDrag(int32_t mouseX, int32_t mouseY, bool cancelled)
{
    const std::shared_ptr<TDragTabObject> drag = FDragTabObject;
    TTabDropOptions options;
    std::exception_ptr error;
    if (drag) {
        Guarded(error, [&] { DropDraggedTab(drag, mouseX, mouseY, cancelled, options); });
        // Both strips hear of the end, also after a handler's error.
        if (ISlantTabDockControl* dock = drag->DockControl)
            Guarded(error, [&] { dock->TabDragEnd(mouseX, mouseY, cancelled); });
        Guarded(error, [&] { TabDragEnd(mouseX, mouseY, cancelled); });
        // The picture goes with the drag, whoever still holds the payload.
        drag->DragForm.reset();
    }
    FDragTabObject.reset();
    FActiveDragTabObject.reset();
    FDragTabControl = nullptr;
    FOwnDragTabControl.reset();
    FDragCancelled = false;
    // The options act on the dragged tab, wherever it is and whichever tab is
    // active; after an error nothing is deleted, as the copy may be missing.
    if (drag && !error && options.Contains(tdDeleteDraggedTab)) {
        const int32_t index = FTabs->IndexOf(drag->DragTab);
        if (index >= 0)
            Guarded(error, [&] { DeleteTabByIndex(index); });
    }
    RemoveState(stsDragging);
    if (error)
        std::rethrow_exception(error);
}

void TCustomSlantTabs::DropDraggedTab(const std::shared_ptr<TDragTabObject>& drag, int32_t mouseX, int32_t mouseY, bool cancelled,
    TTabDropOptions& options)
{
    SetCursor(drag->OriginalCursor);
    ISlantTabDockControl* dock = drag->DockControl;
    if (!dock) {
        options = cancelled ? TTabDropOptions {} : TTabDropOptions { tdDeleteDraggedTab };
        TabDragDrop(*this, mouseX, mouseY, drag, cancelled, options);
        if (cancelled)
            options = {};
        return;
    }
    options = dock == this ? TTabDropOptions { tdMoveTab } : TTabDropOptions { tdDeleteDraggedTab, tdCreateDroppedTab };
    TSlantTab* newTab = nullptr;
    std::exception_ptr error;
    Guarded(error, [&] {
        dock->TabDragDrop(*this, mouseX, mouseY, drag, cancelled, options);
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
    });
    // The strip under the pointer lets go of the drag all the same.
    Guarded(error, [&] {
        bool accept = true;
        dock->TabDragOver(*this, mouseX, mouseY, dsDragLeave, drag, accept);
    });
    if (newTab)
        Guarded(error, [&] { dock->GetControl().DoTabDragDropped(drag, newTab); });
    if (error)
        std::rethrow_exception(error);
}

bool TCustomSlantTabs::InsideDropArea(int32_t x, int32_t y)
{
    // The source strip takes its own tab back only over the tab area.
    return !HasState(stsDragging) || FOptions->DragDrop().DragType() == dtNone || RightToLeftRect(FTabContainerRect).Contains({ x, y });
}

void TCustomSlantTabs::TabDragOver(TCustomSlantTabs&, int32_t x, int32_t y, TDragState state, const std::shared_ptr<TDragTabObject>& dragTabObject, bool& accept)
{
    accept = InsideDropArea(x, y);
    DoTabDragOver(x, y, state, dragTabObject, accept);
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
    DoTabDragDrop(x, y, dragTabObject, cancelled, tabDropOptions);
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
        // Pinning moves a tab to the end of the pinned run, so it comes before the move to the drop index.
        if (source.Pinned() != tab->Pinned())
            tab->SetPinned(source.Pinned());
        // A handler may have changed the index: the tab stays in the run it belongs to, pinned tabs leading.
        const int32_t pinnedRun = LastPinnedIndex() + 1;
        const int32_t target = tab->Pinned() ? std::clamp(drag->DropTabIndex, 0, pinnedRun - 1)
                                             : std::clamp(drag->DropTabIndex, pinnedRun, FTabs->Count() - 1);
        FTabs->Move(FTabs->IndexOf(tab), target);
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
    std::exception_ptr error;
    Guarded(error, [&] { DoTabDragEnd(mouseX, mouseY, cancelled); });
    AddState(stsControlPositionsInvalidated);
    Redraw();
    if (error)
        std::rethrow_exception(error);
}

void TCustomSlantTabs::DoTabDragOver(int32_t x, int32_t y, TDragState state, const std::shared_ptr<TDragTabObject>& dragTabObject, bool& accept)
{
    if (OnTabDragOver)
        OnTabDragOver(this, x, y, state, dragTabObject, accept);
}

void TCustomSlantTabs::DoTabDragDrop(int32_t x, int32_t y, const std::shared_ptr<TDragTabObject>& dragTabObject, bool cancelled,
    TTabDropOptions& tabDropOptions)
{
    if (OnTabDragDrop)
        OnTabDragDrop(this, x, y, dragTabObject, cancelled, tabDropOptions);
}

void TCustomSlantTabs::DoTabDragEnd(int32_t mouseX, int32_t mouseY, bool cancelled)
{
    if (OnTabDragEnd)
        OnTabDragEnd(this, mouseX, mouseY, cancelled);
}

void TCustomSlantTabs::DoBeginTabDrag(TSlantTab* tab, bool& allow)
{
    if (FOnBeginTabDrag)
        FOnBeginTabDrag(this, tab, allow);
}

void TCustomSlantTabs::DoTabDragDropped(const std::shared_ptr<TDragTabObject>& dragTabObject, TSlantTab* newTab)
{
    if (OnTabDragDropped)
        OnTabDragDropped(this, dragTabObject, newTab);
}
