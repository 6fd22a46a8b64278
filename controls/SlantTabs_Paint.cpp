#include "controls/SlantTabs.h"

#include "platform/os/Clock.h"
#include "platform/ui/Grab.h"

bool TCustomSlantTabs::DrawActiveTabInPlace() const { return !FDragTabObject || FActiveDragTabObject == FDragTabObject; }

void TCustomSlantTabs::SetTabClipRegion(TGPGraphics& canvas)
{
    canvas.ResetClip();
    const TSlantTabsOptions& tabs = FOptions->Display().Tabs();
    TRect area = FOptions->Display().TabContainer().OverlayButtons()
        ? TRect { tabs.OffsetLeft(), tabs.OffsetTop(), Width() - tabs.OffsetRight(), ClientHeight() - tabs.OffsetBottom() }
        : FTabContainerRect;
    canvas.SetClip(ToGPRectF(RightToLeftRect(area)), TGPCombineMode::Replace);
}

const TBitmap& TCustomSlantTabs::DrawCanvas()
{
    if (!ControlReady())
        return FCanvasBmp;
    const uint32_t start = GetTickCount();
    if (HasState(stsControlPositionsInvalidated) || (HasState(stsAnimatingMovement) && GetTabDisplayState() == tdNormal)) {
        RemoveState(stsControlPositionsInvalidated);
        CalculateButtonRects();
        CalculateTabPositions();
    }
    if (RemoveState(stsFirstPaint))
        UpdateControlDrawStates(true);
    const int32_t width = std::max(1, ClientWidth());
    const int32_t height = std::max(1, ClientHeight());
    FCanvasBmp.SetSize(width, height);
    FBackgroundBmp.SetSize(width, height);
    {
        // The parent's pixels go into both pictures before any graphics draws on them.
        for (TBitmap* bitmap : { &FCanvasBmp, &FBackgroundBmp }) {
            TGPGraphics clear(*bitmap);
            clear.Clear(MakeGPColor(0, 0, 0, 0));
        }
        PaintParentBackground(*this, FCanvasBmp);
        PaintParentBackground(*this, FBackgroundBmp);
    }
    TGPGraphics g(FCanvasBmp);
    TGPGraphics g2(FBackgroundBmp);
    const TGPSmoothingMode smoothing = FOptions->Display().Tabs().CanvasSmoothingMode();
    g.SetSmoothingMode(smoothing);
    g2.SetSmoothingMode(smoothing);

    TGPGraphics* collected[2] = { nullptr, nullptr };
    int32_t count = 0;
    if (!DoBeforeDrawItem(g, ClientRect(), itTabContainer, -1))
        collected[count++] = &g;
    if (!DoBeforeDrawItem(g2, ClientRect(), itBackground, -1))
        collected[count++] = &g2;
    if (!FOptions->Display().TabContainer().TransparentBackground()) {
        TSlantTabsLookAndFeelStyle& container = FLookAndFeel->TabsContainer();
        for (int32_t index = 0; index < count; ++index) {
            collected[index]->FillRectangle(container.GetBrush(ClientRect()), ToGPRectF(ClientRect()));
            collected[index]->DrawRectangle(container.GetPen(), ToGPRectF(ClientRect()));
        }
    }
    DoAfterDrawItem(g2, ClientRect(), itBackground, -1);

    TSlantTab* active = FTabs->ActiveTab();
    const int32_t activeIndex = FTabs->IndexOf(active);
    const bool dragFromHere = DragFromHere();
    const auto inView = [&](const TSlantTabControl& control) {
        return control.ControlRect().Right >= FScrollOffset && control.ControlRect().Left <= Width() + FScrollOffset;
    };
    for (int32_t index = FTabs->Count() - 1; index >= 0; --index) {
        TSlantTab* tab = FTabs->Items(index);
        TSlantTabControl* control = tab->TabControl();
        if (!tab->Visible() || tab == active || !control || !inView(*control))
            continue;
        SetTabClipRegion(g);
        ISlantTabPolygons clip;
        if (!FOptions->Display().Tabs().SeeThroughTabs()) {
            clip = NewSlantTabPolygons();
            const int32_t previous = LastVisibleTabIndexUpTo(index - 1);
            if (previous >= 0 && !(dragFromHere && previous == activeIndex))
                if (TSlantTabControl* over = FTabs->Items(previous)->TabControl())
                    clip->AddPolygon(over->GetPolygons()->GetPolygons(0).Polygon);
            if (activeIndex == index + 1 && !dragFromHere && active->TabControl())
                clip->AddPolygon(active->TabControl()->GetPolygons()->GetPolygons(0).Polygon);
        }
        control->DrawTo(g, FLastMouseX, FLastMouseY, clip);
    }
    if (FOptions->Display().Tabs().BaseLineTabRegionOnly())
        SetTabClipRegion(g);
    else
        g.ResetClip();
    const TGPPen& baseLine = FLookAndFeel->Tabs().BaseLine().GetPen();
    const float lineY = FOptions->Display().Tabs().Orientation() == toTop ? float(FTabContainerRect.Bottom - 1) : float(FTabContainerRect.Top);
    g.DrawLine(baseLine, 0, lineY, float(Width()), lineY);
    SetTabClipRegion(g);
    if (active && active->Visible() && active->TabControl() && DrawActiveTabInPlace() && inView(*active->TabControl()))
        active->TabControl()->DrawTo(g, FLastMouseX, FLastMouseY, nullptr);
    g.ResetClip();
    if (FDragTabControl)
        FDragTabControl->DrawTo(g, FLastMouseX, FLastMouseY, nullptr);
    const bool hideAdd = (FActiveDragTabObject && FActiveDragTabObject->HideAddButton) || (FDragTabObject && FDragTabObject->HideAddButton);
    if (FOptions->Display().AddButton().Visibility() != avNone && !hideAdd && FAddButtonControl->ControlRect().Width() <= ClientWidth())
        FAddButtonControl->DrawTo(g, FLastMouseX, FLastMouseY, nullptr);
    if (FOptions->Scrolling().Enabled()) {
        if (ScrollButtonLeftVisible())
            FScrollButtonLeftControl->DrawTo(g, FLastMouseX, FLastMouseY, nullptr);
        if (ScrollButtonRightVisible())
            FScrollButtonRightControl->DrawTo(g, FLastMouseX, FLastMouseY, nullptr);
    }
    DoAfterDrawItem(g, ClientRect(), itTabContainer, -1);
    g.Flush();
    g2.Flush();
    DoDebugLog(QStringLiteral("Canvas Draw: %1 ms").arg(GetTickCount() - start));
    return FCanvasBmp;
}

void TCustomSlantTabs::Paint()
{
    DrawCanvas();
    Canvas().Draw(0, 0, FCanvasBmp);
}

void TCustomSlantTabs::AnimateTimerTick(TComponent*)
{
    if ((ComponentState() & csDestroying) != 0 || !FTabs)
        return;
    RemoveState(stsAnimatingMovement);
    RemoveState(stsAnimatingStyle);
    const uint32_t now = GetTickCount();
    // Due times are compared as wrapping differences; 0 means never set.
    const bool glowDue = FNextModifiedGlowAnimateTickCount == 0 || int32_t(now - FNextModifiedGlowAnimateTickCount) > 0;
    if (glowDue)
        FNextModifiedGlowAnimateTickCount = now + FOptions->Display().TabModifiedGlow().AnimationUpdateMS();
    const bool spinnerDue = FNextSpinnerAnimateTickCount == 0 || int32_t(now - FNextSpinnerAnimateTickCount) > 0;
    if (spinnerDue)
        FNextSpinnerAnimateTickCount = now + FOptions->Display().TabSpinners().AnimationUpdateMS();
    for (int32_t index = FTabs->Count() - 1; index >= 0; --index) {
        if (index >= FTabs->Count())
            continue;
        TSlantTab* tab = FTabs->Items(index);
        TSlantTabControl* control = tab->TabControl();
        if (!control)
            continue;
        if (glowDue && control->AnimateModified())
            AddState(stsAnimatingStyle);
        if (spinnerDue && control->AnimateSpinner())
            AddState(stsAnimatingStyle);
        if (control->AnimateStyle())
            AddState(stsAnimatingStyle);
        if (control->AnimateMovement()) {
            AddState(stsAnimatingMovement);
            if (tab->Active() && HasState(stsAnimatingNewTab))
                ScrollIntoView(tab);
        } else if (tab->Active() && HasState(stsAnimatingNewTab)) {
            RemoveState(stsAnimatingNewTab);
            AdjustScrollOffsetToWidth(true);
            ScrollIntoView(tab);
        }
        if (tab->MarkedForDeletion()) {
            AddState(stsControlPositionsInvalidated);
            AddState(stsAnimatingMovement);
            if (control->ControlRect().Width() <= FOptions->Animation().MinimumTabAnimationWidth()) {
                DeleteTabByIndex(index);
                RemoveState(stsAnimatingCloseTab);
            }
        }
    }
    for (TBaseSlantTabsControl* button : { static_cast<TBaseSlantTabsControl*>(FAddButtonControl.get()),
             static_cast<TBaseSlantTabsControl*>(FScrollButtonLeftControl.get()), static_cast<TBaseSlantTabsControl*>(FScrollButtonRightControl.get()) }) {
        if (button->AnimateMovement())
            AddState(stsAnimatingMovement);
        if (button->AnimateStyle())
            AddState(stsAnimatingStyle);
    }
    if (HasState(stsAnimatingMovement) || HasState(stsAnimatingStyle)) {
        if (HasState(stsDeletingUnPinnedTabs) && !HasState(stsDragging))
            UpdateControlDrawStates(false);
        Redraw();
    }
    if (FDragTabObject && FDragTabObject->DockControl && FDragTabObject->DockControl != FDragTabObject->SourceControl)
        FDragTabObject->DockControl->FireScrollTimer();
}
