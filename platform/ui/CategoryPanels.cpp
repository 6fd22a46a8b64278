#include "platform/ui/CategoryPanels.h"

#include <algorithm>

// ---- TCategoryPanel

TCategoryPanel::TCategoryPanel(TComponent* owner) : TCustomPanel(owner)
{
    SetBevelOuter(bvNone);
    TCustomPanel::SetBounds(0, 0, 185, FExpandedHeight);
}

TCategoryPanel::~TCategoryPanel() = default;

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const { return dynamic_cast<TCategoryPanelGroup*>(Parent()); }

void TCategoryPanel::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    TCategoryPanelGroup* group = PanelGroup();
    if (!FCollapsed)
        FExpandedHeight = height;
    else if (group)
        height = group->HeaderHeight();
    TCustomPanel::SetBounds(left, top, width, height);
    if (group)
        group->Restack();
}

void TCategoryPanel::SetVisible(bool visible)
{
    TCustomPanel::SetVisible(visible);
    if (TCategoryPanelGroup* group = PanelGroup())
        group->Restack();
}

void TCategoryPanel::SetCollapsed(bool collapsed)
{
    if (collapsed == FCollapsed)
        return;
    FCollapsed = collapsed;
    const TCategoryPanelGroup* group = PanelGroup();
    const int32_t height = collapsed ? (group ? group->HeaderHeight() : 24) : FExpandedHeight;
    TCustomPanel::SetBounds(Left(), Top(), Width(), height);
    if (TCategoryPanelGroup* owningGroup = PanelGroup())
        owningGroup->Restack();
    const TNotifyEvent& handler = collapsed ? OnCollapse : OnExpand;
    if (handler)
        handler(this);
}

void TCategoryPanel::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomPanel::MouseDown(button, shift, x, y);
    const TCategoryPanelGroup* group = PanelGroup();
    if (button == mbLeft && group && y < group->HeaderHeight())
        SetCollapsed(!FCollapsed);
}

void TCategoryPanel::Paint()
{
    TCanvas& canvas = Canvas();
    const TCategoryPanelGroup* group = PanelGroup();
    const int32_t header = group ? group->HeaderHeight() : 24;
    canvas.Brush().SetColor(clBtnFace);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(0, 0, Width(), header);
    canvas.SetFont(Font());
    canvas.Font().SetStyle(TFontStyles { fsBold });
    canvas.Brush().SetStyle(bsClear);
    TRect captionRect = Rect(6, 0, Width() - 20, header);
    canvas.DrawText(Caption(), captionRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    TRect markRect = Rect(Width() - 18, 0, Width() - 4, header);
    canvas.DrawText(FCollapsed ? QStringLiteral("+") : QStringLiteral("-"), markRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

// ---- TCategoryPanelGroup

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* owner) : TScrollBox(owner) { }
TCategoryPanelGroup::~TCategoryPanelGroup() = default;

void TCategoryPanelGroup::SetHeaderHeight(int32_t headerHeight)
{
    FHeaderHeight = std::max(headerHeight, 1);
    for (TCategoryPanel* panel : Panels())
        if (panel->Collapsed())
            panel->TCustomPanel::SetBounds(panel->Left(), panel->Top(), panel->Width(), FHeaderHeight);
    Restack();
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Panels() const
{
    std::vector<TCategoryPanel*> panels;
    for (int32_t index = 0; index < ControlCount(); ++index)
        if (auto* panel = dynamic_cast<TCategoryPanel*>(Controls(index)))
            panels.push_back(panel);
    std::stable_sort(panels.begin(), panels.end(),
        [](const TCategoryPanel* left, const TCategoryPanel* right) { return left->Top() < right->Top(); });
    return panels;
}

void TCategoryPanelGroup::Restack()
{
    if (FRestacking)
        return;
    FRestacking = true;
    int32_t top = -VertScrollPosition();
    for (TCategoryPanel* panel : Panels()) {
        if (!panel->Visible())
            continue;
        panel->TCustomPanel::SetBounds(0, top, ClientWidth(), panel->Height());
        top += panel->Height();
    }
    FRestacking = false;
    // A bar that comes or goes changes the width the panels take.
    const bool shown = ScrollBarShown();
    UpdateScrollBar();
    if (shown != ScrollBarShown())
        Restack();
}
