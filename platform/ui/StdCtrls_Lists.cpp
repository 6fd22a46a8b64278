#include "platform/ui/ScrollBarHost.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/SystemMetrics.h"

// ---- TListBoxStrings

// The list changes first and reports it; the states follow right after,
// before anything reads them.
int32_t TListBoxStrings::Add(const String& text)
{
    const auto before = static_cast<size_t>(Count());
    const int32_t index = TStringList::Add(text);
    if (static_cast<size_t>(Count()) > before)
        FStates.insert(FStates.begin() + index, 0);
    return index;
}

void TListBoxStrings::Insert(int32_t index, const String& text)
{
    TStringList::Insert(index, text);
    FStates.insert(FStates.begin() + index, 0);
}

void TListBoxStrings::Delete(int32_t index)
{
    TStringList::Delete(index);
    FStates.erase(FStates.begin() + index);
}

void TListBoxStrings::Clear()
{
    TStringList::Clear();
    FStates.clear();
}

void TListBoxStrings::Exchange(int32_t index1, int32_t index2)
{
    TStringList::Exchange(index1, index2);
    std::swap(FStates[static_cast<size_t>(index1)], FStates[static_cast<size_t>(index2)]);
}

void TListBoxStrings::Move(int32_t currentIndex, int32_t newIndex)
{
    if (currentIndex == newIndex)
        return;
    const uint8_t state = State(currentIndex);
    TStringList::Move(currentIndex, newIndex);
    SetState(newIndex, state);
}

// Each item carries its state through the sort in its object slot.
void TListBoxStrings::Sort()
{
    struct TCarried {
        void* Object;
        uint8_t State;
    };
    std::vector<TCarried> carried(static_cast<size_t>(Count()));
    for (int32_t index = 0; index < Count(); ++index) {
        carried[static_cast<size_t>(index)] = { Objects(index), FStates[static_cast<size_t>(index)] };
        PutObject(index, &carried[static_cast<size_t>(index)]);
    }
    TStringList::Sort();
    for (int32_t index = 0; index < Count(); ++index) {
        const auto* item = static_cast<const TCarried*>(Objects(index));
        FStates[static_cast<size_t>(index)] = item->State;
        PutObject(index, item->Object);
    }
}

uint8_t TListBoxStrings::State(int32_t index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FStates[static_cast<size_t>(index)];
}

void TListBoxStrings::SetState(int32_t index, uint8_t state)
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    FStates[static_cast<size_t>(index)] = state;
}

// ---- TCustomListBox

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomControl(owner)
{
    FScrollBar = std::make_unique<TScrollBarHost>(Widget(), false, [this](intptr_t code, int32_t thumb) {
        Perform(WM_VSCROLL, MakeScrollWParam(code, thumb));
    });
    SetTabStop(true);
    SetParentColor(false);
    SetBounds(0, 0, 121, 97);
    FItems.OnChange = [this](TStringList*) { ItemsChanged(); };
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::ItemsChanged()
{
    FSelected.assign(static_cast<size_t>(FItems.Count()), false);
    FHeights.clear();
    if (FItemIndex >= FItems.Count())
        FItemIndex = -1;
    if (FItemIndex >= 0)
        FSelected[static_cast<size_t>(FItemIndex)] = true;
    FTopIndex = std::clamp(FTopIndex, 0, LastTopIndex());
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle style)
{
    FStyle = style;
    FHeights.clear();
    ItemsChanged();
}

void TCustomListBox::SetItemIndex(int32_t itemIndex)
{
    FItemIndex = itemIndex >= 0 && itemIndex < FItems.Count() ? itemIndex : -1;
    if (!FMultiSelect)
        FSelected.assign(static_cast<size_t>(FItems.Count()), false);
    if (FItemIndex >= 0)
        FSelected[static_cast<size_t>(FItemIndex)] = true;
    ScrollIntoView();
    Invalidate();
}

void TCustomListBox::SelectQuietly(int32_t itemIndex)
{
    if (itemIndex != FItemIndex)
        SetItemIndex(itemIndex);
}

void TCustomListBox::SetMultiSelect(bool multiSelect)
{
    FMultiSelect = multiSelect;
    SetItemIndex(FItemIndex);
}

bool TCustomListBox::Selected(int32_t index) const
{
    if (index < 0 || index >= FItems.Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FSelected[static_cast<size_t>(index)];
}

void TCustomListBox::SetSelected(int32_t index, bool selected)
{
    if (index < 0 || index >= FItems.Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    if (!FMultiSelect) {
        SetItemIndex(selected ? index : (index == FItemIndex ? -1 : FItemIndex));
        return;
    }
    FSelected[static_cast<size_t>(index)] = selected;
    Invalidate();
}

int32_t TCustomListBox::SelCount() const
{
    if (!FMultiSelect)
        return -1;
    return static_cast<int32_t>(std::count(FSelected.begin(), FSelected.end(), true));
}

void TCustomListBox::SetItemHeight(int32_t itemHeight)
{
    FItemHeight = std::max(itemHeight, 1);
    ItemsChanged();
}

// Variable heights are asked once per item and kept until the items change.
int32_t TCustomListBox::HeightOf(int32_t index) const
{
    if (FStyle != lbOwnerDrawVariable || !OnMeasureItem)
        return FItemHeight;
    auto& heights = FHeights;
    if (heights.size() != static_cast<size_t>(FItems.Count())) {
        heights.assign(static_cast<size_t>(FItems.Count()), 0);
        for (int32_t item = 0; item < FItems.Count(); ++item) {
            int32_t height = FItemHeight;
            OnMeasureItem(const_cast<TCustomListBox*>(this), item, height);
            heights[static_cast<size_t>(item)] = std::max(height, 1);
        }
    }
    return heights[static_cast<size_t>(index)];
}

int32_t TCustomListBox::VisibleCountFrom(int32_t top) const
{
    if (FStyle != lbOwnerDrawVariable)
        return std::clamp(InnerHeight() / FItemHeight, 1, std::max(FItems.Count() - top, 1));
    int32_t used = 0;
    int32_t count = 0;
    for (int32_t index = top; index < FItems.Count(); ++index) {
        used += HeightOf(index);
        if (used > InnerHeight() && count > 0)
            break;
        ++count;
    }
    return std::max(count, 1);
}

int32_t TCustomListBox::LastTopIndex() const
{
    if (FItems.Count() == 0)
        return 0;
    if (FStyle != lbOwnerDrawVariable)
        return std::max(FItems.Count() - std::max(InnerHeight() / FItemHeight, 1), 0);
    int32_t used = 0;
    int32_t top = FItems.Count();
    while (top > 0 && used + HeightOf(top - 1) <= InnerHeight())
        used += HeightOf(--top);
    return std::min(top, FItems.Count() - 1);
}

void TCustomListBox::SetTopIndex(int32_t topIndex)
{
    const int32_t top = std::clamp(topIndex, 0, LastTopIndex());
    if (top == FTopIndex)
        return;
    FTopIndex = top;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::ScrollIntoView()
{
    if (FItemIndex < 0)
        return;
    if (FItemIndex < FTopIndex)
        SetTopIndex(FItemIndex);
    else
        while (FItemIndex >= FTopIndex + VisibleCountFrom(FTopIndex) && FTopIndex < LastTopIndex())
            SetTopIndex(FStyle == lbOwnerDrawVariable ? FTopIndex + 1 : FItemIndex - VisibleCountFrom(FTopIndex) + 1);
}

bool TCustomListBox::ScrollBarShown() const { return FScrollBar->Visible(); }

int32_t TCustomListBox::ClientWidth() const
{
    return std::max(Width() - (ScrollBarShown() ? GetSystemMetrics(SM_CXVSCROLL) : 0), 0);
}

void TCustomListBox::UpdateScrollBar()
{
    const int32_t visible = VisibleCountFrom(FTopIndex);
    const bool shown = LastTopIndex() > 0;
    const int32_t extent = GetSystemMetrics(SM_CXVSCROLL);
    FScrollBar->SetParams(0, std::max(FItems.Count() - 1, 0), visible, FTopIndex);
    FScrollBar->SetGeometry(Rect(Width() - Border - extent, Border, Width() - Border, Height() - Border));
    if (shown != FScrollBar->Visible()) {
        FScrollBar->SetVisible(shown);
        Invalidate();
    }
}

void TCustomListBox::Resize()
{
    TCustomControl::Resize();
    FTopIndex = std::clamp(FTopIndex, 0, LastTopIndex());
    UpdateScrollBar();
}

TRect TCustomListBox::ItemRect(int32_t index) const
{
    if (index < FTopIndex || index >= FItems.Count())
        return TRect {};
    int32_t top = Border + (index - FTopIndex) * FItemHeight;
    if (FStyle == lbOwnerDrawVariable) {
        top = Border;
        for (int32_t item = FTopIndex; item < index && top < Height(); ++item)
            top += HeightOf(item);
    }
    if (top >= Height() - Border)
        return TRect {};
    const int32_t right = ScrollBarShown() ? Width() - Border - GetSystemMetrics(SM_CXVSCROLL) : Width() - Border;
    return Rect(Border, top, right, top + HeightOf(index));
}

int32_t TCustomListBox::ItemAtPos(TPoint point, bool existing) const
{
    if (point.Y >= Border) {
        if (FStyle != lbOwnerDrawVariable) {
            const int32_t index = FTopIndex + (point.Y - Border) / FItemHeight;
            if (index < FItems.Count())
                return index;
        } else {
            int32_t top = Border;
            for (int32_t index = FTopIndex; index < FItems.Count(); ++index) {
                top += HeightOf(index);
                if (point.Y < top)
                    return index;
            }
        }
    }
    return existing ? -1 : FItems.Count();
}

void TCustomListBox::UserSelect(int32_t itemIndex, bool toggle)
{
    if (itemIndex < 0 || itemIndex >= FItems.Count())
        return;
    if (FMultiSelect && toggle) {
        FItemIndex = itemIndex;
        FSelected[static_cast<size_t>(itemIndex)] = !FSelected[static_cast<size_t>(itemIndex)];
        ScrollIntoView();
        Invalidate();
    } else {
        if (itemIndex == FItemIndex && !FMultiSelect)
            return;
        if (FMultiSelect)
            FSelected.assign(static_cast<size_t>(FItems.Count()), false);
        SetItemIndex(itemIndex);
    }
    Click();
}

int32_t TCustomListBox::KeyTarget(uint16_t key) const
{
    const int32_t page = VisibleCountFrom(FTopIndex);
    const int32_t last = FItems.Count() - 1;
    if (last < 0)
        return -1;
    switch (key) {
    case VK_UP:
        return std::max(FItemIndex - 1, 0);
    case VK_DOWN:
        return std::min(FItemIndex + 1, last);
    case VK_PRIOR:
        return std::max(FItemIndex - page + 1, 0);
    case VK_NEXT:
        return std::min(std::max(FItemIndex, 0) + page - 1, last);
    case VK_HOME:
        return 0;
    case VK_END:
        return last;
    default:
        return -1;
    }
}

void TCustomListBox::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_KEYDOWN:
        UserSelect(KeyTarget(static_cast<uint16_t>(message.WParam)), false);
        return;
    case WM_CHAR:
        if (message.WParam > 0x20)
            UserSelect(FindTyped(static_cast<TChar>(message.WParam)), false);
        return;
    case WM_VSCROLL:
        SetTopIndex(ScrollTarget(message.WParam, FTopIndex, 1, VisibleCountFrom(FTopIndex), LastTopIndex()));
        return;
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

bool TCustomListBox::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetTopIndex(FTopIndex - WheelScrollRows(wheelDelta, VisibleCountFrom(FTopIndex)));
    return true;
}

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (button == mbLeft) {
        if (CanFocus())
            SetFocus();
        UserSelect(ItemAtPos({ x, y }, true), shift.Contains(ssCtrl));
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListBox::DrawItem(int32_t index, TRect rect, TOwnerDrawState state)
{
    TCanvas& canvas = Canvas();
    if (FStyle != lbStandard && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    const bool selected = state.Contains(odSelected);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(selected ? clHighlight : Color());
    canvas.FillRect(rect);
    canvas.Font().SetColor(state.Contains(odDisabled) ? clGrayText : selected ? clHighlightText : Font().Color());
    canvas.Brush().SetStyle(bsClear);
    TRect textRect = Rect(rect.Left + ItemTextIndent(), rect.Top, rect.Right, rect.Bottom);
    canvas.DrawText(FItems[index], textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomListBox::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(Rect(0, 0, Width(), Height()));
    for (int32_t index = FTopIndex; index < FItems.Count(); ++index) {
        const TRect itemRect = ItemRect(index);
        if (itemRect.Height() <= 0)
            break;
        TOwnerDrawState state;
        if (FSelected[static_cast<size_t>(index)])
            state << odSelected;
        if (index == FItemIndex && Focused())
            state << odFocused;
        if (!Enabled())
            state << odDisabled;
        canvas.SetFont(Font());
        canvas.Brush().SetColor(Color());
        DrawItem(index, itemRect, state);
        if (state.Contains(odFocused))
            canvas.DrawFocusRect(itemRect);
    }
}
