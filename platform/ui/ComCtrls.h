#pragma once

#include "platform/ui/Controls.h"

#include <vector>

class TPageControl;

// One page of a page control: a container whose children show only while it
// is the active page.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    // Makes the sheet the last page of pageControl (its parent too).
    void SetPageControl(TPageControl* pageControl);
    // The place among the pages, from 0; -1 without a page control.
    int32_t PageIndex() const;
    void SetPageIndex(int32_t index);
    // The place of the sheet's tab among the shown tabs; -1 when it has none.
    int32_t TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool tabVisible);

    void SetParent(TWinControl* parent) override;

protected:
    void CMTextChanged(TMessage& message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

using TTabChangingEvent = std::function<void(TComponent* sender, bool& AllowChange)>;

// Pages behind a row of tabs, drawn in the classic look: the tabs on top, the
// active one raised and joined to the sheet's frame. A click on a tab, the
// arrow keys while the control has the focus, and Ctrl+Tab / Ctrl+Shift+Tab
// anywhere inside it turn the pages, asking OnChanging first and telling
// OnChange after; setting the active page from the program asks nothing.
// The tabs stand in one row; those past the right edge are cut off.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int32_t PageCount() const { return static_cast<int32_t>(FPages.size()); }
    TTabSheet* Pages(int32_t index) const { return FPages.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    int32_t ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
    void SetActivePageIndex(int32_t index);
    // The active page's place among the shown tabs.
    int32_t TabIndex() const { return FActivePage ? FActivePage->TabIndex() : -1; }
    void SetTabIndex(int32_t tabIndex);
    // The pages whose tabs are shown, in order.
    std::vector<TTabSheet*> TabbedPages() const;

    // The page after (or before) current whose tab is shown, wrapping round;
    // null when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // Turns to the next page as the user does, with OnChanging and OnChange.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

    int32_t TabHeight() const;
    // The tab of the shown tab tabIndex, in client coordinates (the active
    // tab is drawn larger than this).
    TRect TabRect(int32_t tabIndex);
    // The shown tab at a client point, or -1.
    int32_t IndexOfTabAt(int32_t x, int32_t y);
    // The area the pages fill.
    TRect DisplayRect() const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DefaultHandler(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int32_t index);
    void TabVisibleChanged(TTabSheet* page);
    // The user's change: asks OnChanging, then tells OnChange; false when vetoed.
    bool ChangeActivePage(TTabSheet* page);
    void ShowActivePage();
    void PlacePage(TTabSheet* page) const;
    void DrawTab(TTabSheet* page, TRect rect, bool active);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};
