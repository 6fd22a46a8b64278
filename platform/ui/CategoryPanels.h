#pragma once

#include "platform/ui/ExtCtrls.h"

class TCategoryPanelGroup;

// A panel with a header that collapses it to the header's height.
class TCategoryPanel : public TCustomPanel {
public:
    explicit TCategoryPanel(TComponent* owner);
    ~TCategoryPanel() override;

    bool Collapsed() const { return FCollapsed; }
    void SetCollapsed(bool collapsed);
    void Expand() { SetCollapsed(false); }
    void Collapse() { SetCollapsed(true); }
    // The height the panel has when expanded.
    int32_t ExpandedHeight() const { return FExpandedHeight; }
    TCategoryPanelGroup* PanelGroup() const;

    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void SetVisible(bool visible) override;

    TNotifyEvent OnExpand;
    TNotifyEvent OnCollapse;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void Paint() override;

private:
    friend class TCategoryPanelGroup;
    bool FCollapsed = false;
    int32_t FExpandedHeight = 200;
};

// A vertically scrolled stack of category panels. The panels keep the order
// of their tops and stand without gaps, from the top of the scrolled area,
// whenever one changes height, visibility or collapse state.
class TCategoryPanelGroup : public TScrollBox {
public:
    explicit TCategoryPanelGroup(TComponent* owner);
    ~TCategoryPanelGroup() override;

    int32_t HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int32_t headerHeight);
    // The panels in stacking order.
    std::vector<TCategoryPanel*> Panels() const;
    void Restack();

private:
    int32_t FHeaderHeight = 24;
    bool FRestacking = false;
};
