#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/UiServices.h"

// ---- TCustomComboBox

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetBounds(0, 0, 145, 21);
    FItems.OnChange = [this](TStringList*) { ItemsChanged(); };
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    FStyle = style;
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int32_t itemIndex)
{
    FItemIndex = itemIndex >= 0 && itemIndex < FItems.Count() ? itemIndex : -1;
    SetText(FItemIndex >= 0 ? FItems[FItemIndex] : String());
    Invalidate();
}

void TCustomComboBox::Clear()
{
    FItems.Clear();
    SetText(String());
}

void TCustomComboBox::ItemsChanged()
{
    if (FItemIndex >= FItems.Count())
        SetItemIndex(-1);
    Invalidate();
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

// Without an OnSelect handler a choice is reported as a change.
void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::ChooseItem(int32_t itemIndex)
{
    if (itemIndex < 0 || itemIndex >= FItems.Count() || itemIndex == FItemIndex)
        return;
    SetItemIndex(itemIndex);
    Click();
    Select();
}

// The list is offered through the popup service, so a test can choose.
void TCustomComboBox::DropDown()
{
    if (FItems.Count() == 0)
        return;
    FDroppedDown = true;
    Perform(CN_COMMAND, MakeLParam(0, CBN_DROPDOWN));
    TPopupMenu menu(nullptr);
    for (int32_t index = 0; index < FItems.Count(); ++index) {
        TMenuItem* item = menu.Items().Add(FItems[index]);
        item->SetTag(index);
        item->SetChecked(index == FItemIndex);
    }
    const TMenuItem* chosen = UiServices().PopupMenu(menu, ClientToScreen({ 0, Height() }));
    FDroppedDown = false;
    Perform(CN_COMMAND, MakeLParam(0, CBN_CLOSEUP));
    if (chosen)
        ChooseItem(static_cast<int32_t>(chosen->Tag()));
}

void TCustomComboBox::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | (FStyle == csDropDown ? DLGC_WANTCHARS : 0);
        return;
    case CN_COMMAND:
        if (CommandCode(message.WParam) == CBN_DROPDOWN && OnDropDown)
            OnDropDown(this);
        else if (CommandCode(message.WParam) == CBN_CLOSEUP && OnCloseUp)
            OnCloseUp(this);
        return;
    case CB_SETDROPPEDWIDTH:
        FDroppedWidth = static_cast<int32_t>(message.WParam);
        message.Result = DroppedWidth();
        return;
    case CB_GETDROPPEDWIDTH:
        message.Result = DroppedWidth();
        return;
    case WM_KEYDOWN:
        switch (message.WParam) {
        case VK_UP:
            ChooseItem(std::max(FItemIndex - 1, 0));
            return;
        case VK_DOWN:
            ChooseItem(FItemIndex + 1);
            return;
        case VK_HOME:
            ChooseItem(0);
            return;
        case VK_END:
            ChooseItem(FItems.Count() - 1);
            return;
        case VK_F4:
            DropDown();
            return;
        default:
            break;
        }
        break;
    case WM_CHAR:
        // A drop-down box edits its text; a list box selects by first letter.
        if (FStyle == csDropDown) {
            const auto character = static_cast<TChar>(message.WParam);
            if (character == 8)
                SetText(Text().chopped(Text().isEmpty() ? 0 : 1));
            else if (character >= 0x20)
                SetText(Text() + QChar(character));
            else
                return;
            FItemIndex = FItems.IndexOf(Text());
            Change();
            return;
        }
        for (int32_t index = 0; index < FItems.Count(); ++index)
            if (FItems[index].startsWith(QChar(static_cast<TChar>(message.WParam)), Qt::CaseInsensitive)) {
                ChooseItem(index);
                return;
            }
        return;
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    DropDown();
}

void TCustomComboBox::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetColor(Enabled() ? Color() : clBtnFace);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(client);
    const int32_t buttonWidth = 17;
    const TRect button = Rect(client.Right - buttonWidth - 1, 1, client.Right - 1, client.Bottom - 1);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(button);
    canvas.Brush().SetColor(clBtnText);
    canvas.Pen().SetColor(clBtnText);
    const int32_t middleX = (button.Left + button.Right) / 2;
    const int32_t middleY = (button.Top + button.Bottom) / 2;
    const TPoint arrow[] = { { middleX - 3, middleY - 1 }, { middleX + 3, middleY - 1 }, { middleX, middleY + 2 } };
    canvas.Polygon(arrow);
    const bool focused = Focused() && FStyle == csDropDownList;
    TRect textRect = Rect(3, 2, button.Left - 1, client.Bottom - 2);
    if (focused) {
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(textRect);
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.SetFont(Font());
    canvas.Font().SetColor(!Enabled() ? clGrayText : focused ? clHighlightText : Font().Color());
    canvas.DrawText(Text(), textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// ---- TCustomListBox

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetBounds(0, 0, 121, 97);
    FItems.OnChange = [this](TStringList*) { ItemsChanged(); };
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::ItemsChanged()
{
    FSelected.assign(static_cast<size_t>(FItems.Count()), false);
    if (FItemIndex >= FItems.Count())
        FItemIndex = -1;
    if (FItemIndex >= 0)
        FSelected[static_cast<size_t>(FItemIndex)] = true;
    FTopIndex = std::clamp(FTopIndex, 0, std::max(FItems.Count() - 1, 0));
    Invalidate();
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
    Invalidate();
}

void TCustomListBox::SetTopIndex(int32_t topIndex)
{
    FTopIndex = std::clamp(topIndex, 0, std::max(FItems.Count() - 1, 0));
    Invalidate();
}

void TCustomListBox::ScrollIntoView()
{
    if (FItemIndex < 0)
        return;
    const int32_t visible = std::max((Height() - 4) / FItemHeight, 1);
    if (FItemIndex < FTopIndex)
        FTopIndex = FItemIndex;
    else if (FItemIndex >= FTopIndex + visible)
        FTopIndex = FItemIndex - visible + 1;
}

int32_t TCustomListBox::ItemAtPos(TPoint point, bool existing) const
{
    const int32_t index = FTopIndex + (point.Y - 2) / FItemHeight;
    if (point.Y >= 2 && index < FItems.Count())
        return index;
    return existing ? -1 : FItems.Count();
}

void TCustomListBox::UserSelect(int32_t itemIndex, bool toggle)
{
    if (itemIndex < 0 || itemIndex >= FItems.Count())
        return;
    if (FMultiSelect && toggle) {
        FItemIndex = itemIndex;
        FSelected[static_cast<size_t>(itemIndex)] = !FSelected[static_cast<size_t>(itemIndex)];
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

void TCustomListBox::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_KEYDOWN: {
        const int32_t page = std::max((Height() - 4) / FItemHeight, 1);
        int32_t target = -1;
        switch (message.WParam) {
        case VK_UP:
            target = std::max(FItemIndex - 1, 0);
            break;
        case VK_DOWN:
            target = std::min(FItemIndex + 1, FItems.Count() - 1);
            break;
        case VK_PRIOR:
            target = std::max(FItemIndex - page, 0);
            break;
        case VK_NEXT:
            target = std::min(FItemIndex + page, FItems.Count() - 1);
            break;
        case VK_HOME:
            target = 0;
            break;
        case VK_END:
            target = FItems.Count() - 1;
            break;
        default:
            break;
        }
        if (target >= 0)
            UserSelect(target, false);
        return;
    }
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
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

void TCustomListBox::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(ClientRect());
    canvas.SetFont(Font());
    for (int32_t index = FTopIndex; index < FItems.Count(); ++index) {
        TRect itemRect = Rect(2, 2 + (index - FTopIndex) * FItemHeight, Width() - 2, 2 + (index - FTopIndex + 1) * FItemHeight);
        if (itemRect.Top >= Height() - 2)
            break;
        const bool selected = FSelected[static_cast<size_t>(index)];
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(selected ? clHighlight : Color());
        canvas.FillRect(itemRect);
        canvas.Font().SetColor(selected ? clHighlightText : Font().Color());
        canvas.Brush().SetStyle(bsClear);
        TRect textRect = Rect(itemRect.Left + 2, itemRect.Top, itemRect.Right, itemRect.Bottom);
        canvas.DrawText(FItems[index], textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (index == FItemIndex && Focused())
            canvas.DrawFocusRect(itemRect);
    }
}
