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

