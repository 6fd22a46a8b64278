#include "platform/ui/ComCtrls.h"

#include "platform/ui/Forms.h"

#include <algorithm>

namespace {

// Pixels of the classic tab row: the active tab stands TabRise above the
// others and TabSpread wider on each side; captions keep TabPadding.
constexpr int32_t TabRise = 2;
constexpr int32_t TabSpread = 2;
constexpr int32_t TabPadding = 6;
constexpr int32_t FirstTabLeft = 2;
constexpr int32_t FrameInset = 4;

constexpr uint32_t CaptionFlags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

} // namespace

// ---- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::SetParent(TWinControl* parent)
{
    if (FPageControl && FPageControl != parent)
        FPageControl->RemovePage(this);
    TWinControl::SetParent(parent);
    if (auto* pageControl = dynamic_cast<TPageControl*>(parent); pageControl && FPageControl != pageControl)
        pageControl->InsertPage(this);
}

int32_t TTabSheet::PageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int32_t>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int32_t index)
{
    if (FPageControl)
        FPageControl->MovePage(this, index);
}

int32_t TTabSheet::TabIndex() const
{
    if (!FPageControl || !FTabVisible)
        return -1;
    int32_t tabIndex = 0;
    for (const TTabSheet* page : FPageControl->FPages) {
        if (page == this)
            return tabIndex;
        if (page->FTabVisible)
            ++tabIndex;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool tabVisible)
{
    if (tabVisible == FTabVisible)
        return;
    FTabVisible = tabVisible;
    if (FPageControl)
        FPageControl->TabVisibleChanged(this);
}

void TTabSheet::CMTextChanged(TMessage& message)
{
    TWinControl::CMTextChanged(message);
    if (FPageControl)
        FPageControl->Invalidate();
}

// ---- TPageControl

TPageControl::TPageControl(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

std::vector<TTabSheet*> TPageControl::TabbedPages() const
{
    std::vector<TTabSheet*> tabbed;
    for (TTabSheet* page : FPages)
        if (page->TabVisible())
            tabbed.push_back(page);
    return tabbed;
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->FPageControl != this)
        return;
    FActivePage = page;
    ShowActivePage();
}

void TPageControl::SetActivePageIndex(int32_t index)
{
    SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

void TPageControl::SetTabIndex(int32_t tabIndex)
{
    const std::vector<TTabSheet*> tabbed = TabbedPages();
    if (tabIndex >= 0 && tabIndex < static_cast<int32_t>(tabbed.size()))
        SetActivePage(tabbed[static_cast<size_t>(tabIndex)]);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const
{
    if (FPages.empty())
        return nullptr;
    const auto count = static_cast<int32_t>(FPages.size());
    const auto found = std::find(FPages.begin(), FPages.end(), current);
    int32_t start = found == FPages.end() ? (goForward ? count - 1 : 0) : static_cast<int32_t>(found - FPages.begin());
    int32_t index = start;
    do {
        index = (index + (goForward ? 1 : count - 1)) % count;
        TTabSheet* page = FPages[static_cast<size_t>(index)];
        if (!checkTabVisible || page->TabVisible())
            return page;
    } while (index != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible)
{
    TTabSheet* page = FindNextPage(FActivePage, goForward, checkTabVisible);
    if (page && page != FActivePage)
        ChangeActivePage(page);
}

bool TPageControl::ChangeActivePage(TTabSheet* page)
{
    bool allowChange = true;
    if (OnChanging)
        OnChanging(this, allowChange);
    if (!allowChange)
        return false;
    // The focus must not stay on a control that is about to be hidden.
    if (TForm* form = ParentForm(); form && FActivePage && FActivePage->ContainsControl(form->ActiveControl()) && CanFocus())
        SetFocus();
    SetActivePage(page);
    if (OnChange)
        OnChange(this);
    return true;
}

void TPageControl::ShowActivePage()
{
    if (FActivePage) {
        PlacePage(FActivePage);
        FActivePage->SetVisible(true);
        FActivePage->BringToFront();
    }
    for (TTabSheet* page : FPages)
        if (page != FActivePage)
            page->SetVisible(false);
    Invalidate();
}

void TPageControl::InsertPage(TTabSheet* page)
{
    FPages.push_back(page);
    page->FPageControl = this;
    PlacePage(page);
    if (!FActivePage && page->TabVisible())
        SetActivePage(page);
    else
        page->SetVisible(page == FActivePage);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    const auto found = std::find(FPages.begin(), FPages.end(), page);
    if (found == FPages.end())
        return;
    TTabSheet* next = page == FActivePage ? FindNextPage(page, true, true) : FActivePage;
    FPages.erase(found);
    page->FPageControl = nullptr;
    if (next == page)
        next = nullptr;
    if (page == FActivePage)
        SetActivePage(next);
    else
        Invalidate();
}

void TPageControl::MovePage(TTabSheet* page, int32_t index)
{
    const auto found = std::find(FPages.begin(), FPages.end(), page);
    if (found == FPages.end())
        return;
    FPages.erase(found);
    index = std::clamp(index, 0, static_cast<int32_t>(FPages.size()));
    FPages.insert(FPages.begin() + index, page);
    Invalidate();
}

void TPageControl::TabVisibleChanged(TTabSheet* page)
{
    if (page->TabVisible()) {
        if (!FActivePage)
            SetActivePage(page);
    } else if (page == FActivePage) {
        // The active page gives way to the tab that takes its place, or to
        // the last one when it was the last; with no tab left it stays.
        int32_t tabIndex = 0;
        for (const TTabSheet* before : FPages) {
            if (before == page)
                break;
            if (before->TabVisible())
                ++tabIndex;
        }
        const std::vector<TTabSheet*> tabbed = TabbedPages();
        if (!tabbed.empty())
            SetActivePage(tabbed[static_cast<size_t>(std::min(tabIndex, static_cast<int32_t>(tabbed.size()) - 1))]);
    }
    Invalidate();
}

int32_t TPageControl::TabHeight() const
{
    TCanvas measure;
    measure.SetFont(Font());
    return measure.TextHeight(QStringLiteral("Xy")) + 6;
}

TRect TPageControl::TabRect(int32_t tabIndex)
{
    const std::vector<TTabSheet*> tabbed = TabbedPages();
    if (tabIndex < 0 || tabIndex >= static_cast<int32_t>(tabbed.size()))
        return {};
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    const int32_t height = TabHeight();
    int32_t left = FirstTabLeft;
    for (int32_t index = 0;; ++index) {
        TRect caption = Rect(0, 0, 0, 0);
        canvas.DrawText(tabbed[static_cast<size_t>(index)]->Caption(), caption, CaptionFlags | DT_CALCRECT);
        const int32_t width = caption.Width() + 2 * TabPadding;
        if (index == tabIndex)
            return Rect(left, TabRise, left + width, TabRise + height);
        left += width;
    }
}

int32_t TPageControl::IndexOfTabAt(int32_t x, int32_t y)
{
    const auto count = static_cast<int32_t>(TabbedPages().size());
    for (int32_t tabIndex = 0; tabIndex < count; ++tabIndex) {
        TRect rect = TabRect(tabIndex);
        if (tabIndex == TabIndex())
            rect = Rect(rect.Left - TabSpread, 0, rect.Right + TabSpread, rect.Bottom);
        if (rect.Contains({ x, y }))
            return tabIndex;
    }
    return -1;
}

TRect TPageControl::DisplayRect() const
{
    const int32_t frameTop = TabRise + TabHeight();
    return Rect(FrameInset, frameTop + FrameInset, std::max(Width() - FrameInset, FrameInset),
        std::max(Height() - FrameInset, frameTop + FrameInset));
}

void TPageControl::PlacePage(TTabSheet* page) const
{
    const TRect area = DisplayRect();
    page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
}

void TPageControl::Resize()
{
    TCustomControl::Resize();
    for (TTabSheet* page : FPages)
        PlacePage(page);
}

void TPageControl::CMFontChanged(TMessage& message)
{
    TCustomControl::CMFontChanged(message);
    Resize();
    Invalidate();
}

void TPageControl::WMSetFocus(TMessage& message)
{
    TCustomControl::WMSetFocus(message);
    Invalidate();
}

void TPageControl::WMKillFocus(TMessage& message)
{
    TCustomControl::WMKillFocus(message);
    Invalidate();
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (button == mbLeft) {
        const int32_t tabIndex = IndexOfTabAt(x, y);
        if (tabIndex >= 0) {
            if (CanFocus())
                SetFocus();
            TTabSheet* page = TabbedPages()[static_cast<size_t>(tabIndex)];
            if (page != FActivePage)
                ChangeActivePage(page);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TPageControl::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key != VK_LEFT && key != VK_RIGHT)
        return;
    // The arrows stop at the first and the last tab; Ctrl+Tab goes round.
    const std::vector<TTabSheet*> tabbed = TabbedPages();
    const int32_t target = TabIndex() + (key == VK_RIGHT ? 1 : -1);
    key = 0;
    if (TabIndex() >= 0 && target >= 0 && target < static_cast<int32_t>(tabbed.size()))
        ChangeActivePage(tabbed[static_cast<size_t>(target)]);
}

void TPageControl::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_GETDLGCODE) {
        message.Result = DLGC_WANTARROWS;
        return;
    }
    TCustomControl::DefaultHandler(message);
}

void TPageControl::CMDialogKey(TMessage& message)
{
    const TForm* form = ParentForm();
    if (message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && form && ContainsControl(form->ActiveControl())) {
        SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(message);
}

void TPageControl::DrawTab(TTabSheet* page, TRect rect, bool active)
{
    TCanvas& canvas = Canvas();
    const int32_t bottom = active ? rect.Bottom + 2 : rect.Bottom;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 2, bottom));
    canvas.Brush().SetColor(clBtnHighlight);
    canvas.FillRect(Rect(rect.Left, rect.Top + 2, rect.Left + 1, bottom));
    canvas.FillRect(Rect(rect.Left + 2, rect.Top, rect.Right - 2, rect.Top + 1));
    canvas.SetPixels(rect.Left + 1, rect.Top + 1, clBtnHighlight);
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FillRect(Rect(rect.Right - 2, rect.Top + 1, rect.Right - 1, bottom));
    canvas.Brush().SetColor(cl3DDkShadow);
    canvas.FillRect(Rect(rect.Right - 1, rect.Top + 2, rect.Right, bottom));
    canvas.SetPixels(rect.Right - 2, rect.Top + 1, cl3DDkShadow);

    canvas.SetFont(Font());
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    TRect caption = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 2, rect.Bottom);
    canvas.DrawText(page->Caption(), caption, CaptionFlags);
    if (active && Focused()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.DrawFocusRect(Rect(rect.Left + 3, rect.Top + 3, rect.Right - 3, rect.Bottom - 1));
    }
}

void TPageControl::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    const int32_t frameTop = TabRise + TabHeight();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(Rect(0, 0, client.Right, frameTop));
    canvas.Brush().SetColor(clBtnFace);
    TRect frame = Rect(0, frameTop, client.Right, client.Bottom);
    canvas.FillRect(frame);
    DrawEdge(canvas, frame, EDGE_RAISED, BF_RECT);

    const std::vector<TTabSheet*> tabbed = TabbedPages();
    const int32_t activeTab = TabIndex();
    for (int32_t tabIndex = 0; tabIndex < static_cast<int32_t>(tabbed.size()); ++tabIndex)
        if (tabIndex != activeTab)
            DrawTab(tabbed[static_cast<size_t>(tabIndex)], TabRect(tabIndex), false);
    if (activeTab >= 0) {
        const TRect rect = TabRect(activeTab);
        DrawTab(FActivePage, Rect(rect.Left - TabSpread, 0, rect.Right + TabSpread, rect.Bottom), true);
    }
}
