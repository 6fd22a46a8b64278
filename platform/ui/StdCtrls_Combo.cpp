#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <QTimer>
#include <QWidget>

// The open list of a combo box: it never takes the focus, so the box keeps
// the keys (and sends no focus loss); the mouse highlights and chooses.
class TComboDropList : public TCustomListBox {
public:
    TComboDropList(TComponent* owner, TCustomComboBox& combo) : TCustomListBox(owner), FCombo(combo) { }

    using TCustomListBox::FindTyped;
    using TCustomListBox::KeyTarget;
    using TCustomListBox::SelectQuietly;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override
    {
        const int32_t index = ItemAtPos({ x, y }, true);
        if (button == mbLeft && index >= 0)
            SelectQuietly(index);
        TCustomControl::MouseDown(button, shift, x, y);
    }

    void MouseMove(TShiftState shift, int32_t x, int32_t y) override
    {
        const int32_t index = ItemAtPos({ x, y }, true);
        if (index >= 0 && x >= 0 && x < ClientWidth())
            SelectQuietly(index);
        TCustomControl::MouseMove(shift, x, y);
    }

    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override
    {
        TCustomControl::MouseUp(button, shift, x, y);
        if (button == mbLeft && ItemAtPos({ x, y }, true) >= 0)
            FCombo.CloseUp(true);
    }

    // Owner drawing happens on the box's canvas, as the box's handler expects.
    void DrawItem(int32_t index, TRect rect, TOwnerDrawState state) override
    {
        if (!FCombo.OwnerDraw() || !FCombo.OnDrawItem) {
            TCustomListBox::DrawItem(index, rect, state);
            return;
        }
        TCanvas& canvas = FCombo.Canvas();
        canvas.BeginPaint(Canvas().Painter());
        try {
            canvas.SetFont(FCombo.Font());
            FCombo.OnDrawItem(&FCombo, index, rect, state);
        } catch (...) {
            canvas.EndPaint();
            throw;
        }
        canvas.EndPaint();
    }

private:
    TCustomComboBox& FCombo;
};

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

bool TCustomComboBox::OwnerDraw() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }

TCustomListBox* TCustomComboBox::DropList() const { return FDroppedDown ? FDropList : nullptr; }

void TCustomComboBox::SetItemHeight(int32_t itemHeight)
{
    FItemHeight = std::max(itemHeight, 1);
    Invalidate();
}

void TCustomComboBox::DropDown() { SetDroppedDown(true); }

void TCustomComboBox::SetDroppedDown(bool droppedDown)
{
    if (droppedDown == FDroppedDown)
        return;
    if (droppedDown)
        OpenList();
    else
        CloseUp(false);
}

// The list window is made once and kept; it belongs to the box's form, so it
// takes the mouse while that form is modal.
void TCustomComboBox::CreateDropForm()
{
    FDropForm = std::make_unique<TForm>(nullptr);
    FDropForm->SetBorderStyle(bsNone);
    FDropForm->SetWindowKind(wkNoActivatePopup);
    FDropList = new TComboDropList(FDropForm.get(), *this);
    FDropList->SetParent(FDropForm.get());
    FDropList->SetAlign(alClient);
    FDropList->SetTabStop(false);
    // A press outside closes the window through Close: the list closes
    // without a choice, and a press on the box itself does not reopen it.
    FDropForm->OnClose = [this](TComponent*, TCloseAction& action) {
        action = caHide;
        if (!FDroppedDown || FClosing)
            return;
        FPressClosed = true;
        QTimer::singleShot(0, Widget(), [this] { FPressClosed = false; });
        CloseUp(false);
    };
}

void TCustomComboBox::OpenList()
{
    if (FItems.Count() == 0)
        return;
    FDroppedDown = true;
    Perform(CN_COMMAND, MakeLParam(0, CBN_DROPDOWN));
    if (!FDroppedDown || FItems.Count() == 0) {
        FDroppedDown = false;
        return;
    }
    if (!FDropForm)
        CreateDropForm();
    FDropForm->SetPopupParent(ParentForm());
    FDropList->SetStyle(FStyle == csOwnerDrawVariable ? lbOwnerDrawVariable : OwnerDraw() ? lbOwnerDrawFixed : lbStandard);
    FDropList->SetItemHeight(FItemHeight);
    FDropList->OnMeasureItem = OnMeasureItem ? [this](TWinControl*, int32_t index, int32_t& height) { OnMeasureItem(this, index, height); }
                                             : TMeasureItemEvent();
    FDropList->SetFont(Font());
    FDropList->Items().Assign(FItems);
    FDropList->SetItemIndex(FItemIndex);
    const int32_t rows = std::min(FDropDownCount, FItems.Count());
    int32_t height = 4;
    for (int32_t index = 0; index < rows; ++index) {
        int32_t itemHeight = FItemHeight;
        if (FStyle == csOwnerDrawVariable && OnMeasureItem)
            OnMeasureItem(this, index, itemHeight);
        height += std::max(itemHeight, 1);
    }
    // Below the box, or above it when the screen ends first; never off its sides.
    const TPoint below = ClientToScreen({ 0, Height() });
    const int32_t top = below.Y + height > Screen->Height() ? ClientToScreen({ 0, 0 }).Y - height : below.Y;
    const int32_t left = std::max(std::min(below.X, Screen->Width() - DroppedWidth()), 0);
    FDropForm->SetBounds(left, top, DroppedWidth(), height);
    FDropList->SetItemIndex(FItemIndex);
    FDropForm->Show();
    Invalidate();
}

void TCustomComboBox::CloseUp(bool accept)
{
    if (!FDroppedDown)
        return;
    FDroppedDown = false;
    const int32_t chosen = FDropList ? FDropList->ItemIndex() : -1;
    if (FDropForm) {
        FClosing = true;
        FDropForm->Hide();
        FClosing = false;
    }
    Invalidate();
    Perform(CN_COMMAND, MakeLParam(0, CBN_CLOSEUP));
    if (accept)
        ChooseItem(chosen);
}

void TCustomComboBox::WMKillFocus(TMessage& message)
{
    CloseUp(false);
    TCustomControl::WMKillFocus(message);
}

void TCustomComboBox::CMVisibleChanged(TMessage& message)
{
    if (!Visible())
        CloseUp(false);
    TCustomControl::CMVisibleChanged(message);
}

// The keys of the open list: moves highlight only; Enter, F4 and Alt+arrow
// take the highlighted item, Esc leaves the choice as it was.
bool TCustomComboBox::ListKey(uint16_t key)
{
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (!FDroppedDown) {
        if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
            DropDown();
            return true;
        }
        return false;
    }
    switch (key) {
    case VK_RETURN:
    case VK_F4:
        CloseUp(true);
        return true;
    case VK_ESCAPE:
        CloseUp(false);
        return true;
    default:
        break;
    }
    if (alt && (key == VK_DOWN || key == VK_UP)) {
        CloseUp(true);
        return true;
    }
    const int32_t target = FDropList->KeyTarget(key);
    if (target >= 0)
        FDropList->SelectQuietly(target);
    return true;
}

void TCustomComboBox::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        // The open list keeps Enter and Esc from the form's buttons.
        message.Result = DLGC_WANTARROWS | (FStyle == csDropDown ? DLGC_WANTCHARS : 0) | (FDroppedDown ? DLGC_WANTALLKEYS : 0);
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
    case CB_GETEDITSEL:
        message.Result = MakeLParam(SelStart(), SelStart() + SelLength());
        return;
    case CB_SETEDITSEL: {
        const int32_t start = LParamX(message.LParam);
        const int32_t end = LParamY(message.LParam);
        const auto length = static_cast<int32_t>(Text().size());
        if (start < 0)
            SetEditSel(FSelCaret, FSelCaret);
        else
            SetEditSel(start, end < 0 ? length : end);
        message.Result = 1;
        return;
    }
    case CB_LIMITTEXT:
        SetMaxLength(static_cast<int32_t>(message.WParam));
        message.Result = 1;
        return;
    case CB_SETITEMHEIGHT:
        // The edit part's height sets the box's; the frame takes the rest.
        if (message.WParam == -1)
            SetHeight(static_cast<int32_t>(message.LParam) + 6);
        else
            SetItemHeight(static_cast<int32_t>(message.LParam));
        message.Result = 0;
        return;
    case CB_GETITEMHEIGHT:
        message.Result = message.WParam == -1 ? Height() - 6 : FItemHeight;
        return;
    case WM_KEYDOWN: {
        const auto key = static_cast<uint16_t>(message.WParam);
        if (ListKey(key))
            return;
        if (FStyle == csDropDown && EditKey(key))
            return;
        const int32_t page = std::max(FDropDownCount - 1, 1);
        const int32_t last = FItems.Count() - 1;
        struct TKeyStep {
            uint16_t Key;
            int32_t Target;
        };
        const TKeyStep steps[] = {
            { VK_UP, std::max(FItemIndex - 1, 0) },
            { VK_DOWN, std::min(FItemIndex + 1, last) },
            { VK_PRIOR, std::max(FItemIndex - page, 0) },
            { VK_NEXT, std::min(FItemIndex + page, last) },
            { VK_HOME, 0 },
            { VK_END, last },
        };
        for (const TKeyStep& step : steps)
            if (step.Key == key) {
                ChooseItem(step.Target);
                return;
            }
        break;
    }
    case WM_CHAR: {
        const auto character = static_cast<TChar>(message.WParam);
        if (FDroppedDown) {
            if (character > 0x20)
                FDropList->SelectQuietly(FDropList->FindTyped(character));
            return;
        }
        // A drop-down box edits its text; a list box selects by typed prefix.
        if (FStyle == csDropDown) {
            TypeCharacter(character);
            return;
        }
        if (character > 0x20)
            ChooseItem(FSearch.Find(FItems.Count(), [this](int32_t index) { return FItems[index]; }, FItemIndex, character));
        return;
    }
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomComboBox::SetEditSel(int32_t anchor, int32_t caret)
{
    const auto length = static_cast<int32_t>(Text().size());
    FSelAnchor = std::clamp(anchor, 0, length);
    FSelCaret = std::clamp(caret, 0, length);
    Invalidate();
}

void TCustomComboBox::EditText(const String& text, int32_t anchor, int32_t caret)
{
    FUserEdit = true;
    SetText(text);
    FUserEdit = false;
    SetEditSel(anchor, caret);
}

void TCustomComboBox::CMTextChanged(TMessage& message)
{
    if (!FUserEdit) {
        FSelAnchor = static_cast<int32_t>(Text().size());
        FSelCaret = FSelAnchor;
    }
    TCustomControl::CMTextChanged(message);
}

// Left, Right, Home and End move the caret (Shift selects on the way),
// Delete removes the selection or the character after the caret.
bool TCustomComboBox::EditKey(uint16_t key)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const auto length = static_cast<int32_t>(Text().size());
    const int32_t start = SelStart();
    const int32_t end = start + SelLength();
    int32_t caret = 0;
    switch (key) {
    case VK_LEFT:
        caret = !shift && start != end ? start : FSelCaret - 1;
        break;
    case VK_RIGHT:
        caret = !shift && start != end ? end : FSelCaret + 1;
        break;
    case VK_HOME:
        caret = 0;
        break;
    case VK_END:
        caret = length;
        break;
    case VK_DELETE:
        if (start == end && end == length)
            return true;
        EditText(Text().left(start) + Text().mid(start == end ? end + 1 : end), start, start);
        FItemIndex = FItems.IndexOf(Text());
        Change();
        return true;
    default:
        return false;
    }
    SetEditSel(shift ? FSelAnchor : caret, caret);
    return true;
}

int32_t TCustomComboBox::CharFromPos(TPoint point) const
{
    TCanvas& canvas = const_cast<TCustomComboBox*>(this)->Canvas();
    canvas.SetFont(Font());
    const int32_t x = point.X - EditTextRect().Left + FEditScroll;
    const String text = Text();
    int32_t position = 0;
    for (int32_t index = 1; index <= text.size(); ++index) {
        const int32_t before = canvas.TextWidth(text.left(index - 1));
        const int32_t after = canvas.TextWidth(text.left(index));
        if (x < (before + after) / 2)
            break;
        position = index;
    }
    return position;
}

// Typing replaces the selection at the caret. At the end of the text a
// drop-down box completes it with the first item it begins (case ignored),
// the completed part selected, so the next character replaces it and
// Backspace removes it.
void TCustomComboBox::TypeCharacter(TChar character)
{
    const String text = Text();
    const int32_t start = SelStart();
    const int32_t end = start + SelLength();
    if (character == 8) {
        if (start == end && start == 0)
            return;
        const int32_t from = start == end ? start - 1 : start;
        EditText(text.left(from) + text.mid(end), from, from);
        FItemIndex = FItems.IndexOf(Text());
    } else if (character >= 0x20) {
        if (FMaxLength > 0 && text.size() - (end - start) >= FMaxLength)
            return;
        const String typed = text.left(start) + QChar(character) + text.mid(end);
        const int32_t caret = start + 1;
        int32_t match = -1;
        if (FAutoComplete && caret == typed.size())
            for (int32_t index = 0; index < FItems.Count() && match < 0; ++index)
                if (FItems[index].startsWith(typed, Qt::CaseInsensitive))
                    match = index;
        if (match >= 0) {
            EditText(FItems[match], caret, static_cast<int32_t>(FItems[match].size()));
            FItemIndex = match;
        } else {
            EditText(typed, caret, caret);
            FItemIndex = FItems.IndexOf(Text());
        }
    } else
        return;
    Invalidate();
    Change();
}

void TCustomComboBox::SetCtl3D(bool ctl3D)
{
    FCtl3D = ctl3D;
    Invalidate();
}

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    // The press that closed the open list by landing on the box only closes it.
    if (FPressClosed) {
        FPressClosed = false;
        return;
    }
    if (FDroppedDown) {
        CloseUp(false);
        return;
    }
    if (CanFocus())
        SetFocus();
    DropDown();
}

void TCustomComboBox::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetColor(Enabled() ? Color() : clBtnFace);
    if (FCtl3D) {
        canvas.FillRect(client);
        TRect edge = client;
        DrawEdge(canvas, edge, EDGE_SUNKEN, BF_RECT);
    } else {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Rectangle(client);
    }
    const int32_t frame = FCtl3D ? 2 : 1;
    const int32_t buttonWidth = 17;
    const TRect button = Rect(client.Right - buttonWidth - frame, frame, client.Right - frame, client.Bottom - frame);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(button);
    canvas.Brush().SetColor(clBtnText);
    canvas.Pen().SetColor(clBtnText);
    const int32_t middleX = (button.Left + button.Right) / 2;
    const int32_t middleY = (button.Top + button.Bottom) / 2;
    const TPoint arrow[] = { { middleX - 3, middleY - 1 }, { middleX + 3, middleY - 1 }, { middleX, middleY + 2 } };
    canvas.Polygon(arrow);
    const bool focused = Focused() && FStyle != csDropDown && FStyle != csSimple;
    TRect textRect = EditTextRect();
    if (OwnerDraw() && OnDrawItem && FItemIndex >= 0) {
        TOwnerDrawState state { odComboBoxEdit };
        if (focused)
            state << odSelected << odFocused;
        canvas.SetFont(Font());
        OnDrawItem(this, FItemIndex, textRect, state);
        return;
    }
    if (FStyle == csDropDown) {
        PaintEditText(canvas, textRect);
        return;
    }
    if (focused) {
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(textRect);
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.SetFont(Font());
    canvas.Font().SetColor(!Enabled() ? clGrayText : focused ? clHighlightText : Font().Color());
    canvas.DrawText(Text(), textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

TRect TCustomComboBox::EditTextRect() const
{
    const TRect client = ClientRect();
    const int32_t frame = FCtl3D ? 2 : 1;
    const int32_t buttonWidth = 17;
    return Rect(3, 2, client.Right - buttonWidth - frame - 1, client.Bottom - 2);
}

// The edit part scrolls its text to keep the caret in view; with the focus
// it shows the selection and the caret.
void TCustomComboBox::PaintEditText(TCanvas& canvas, const TRect& textRect)
{
    canvas.SetFont(Font());
    const String text = Text();
    const int32_t caretX = canvas.TextWidth(text.left(FSelCaret));
    const int32_t visible = std::max(textRect.Width() - 2, 1);
    FEditScroll = std::clamp(FEditScroll, std::max(caretX - visible, 0), caretX);
    const int32_t left = textRect.Left - FEditScroll;
    const int32_t top = textRect.Top + (textRect.Height() - canvas.TextHeight(QStringLiteral("Wg"))) / 2;
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
    canvas.TextRect(textRect, left, top, text);
    if (!Focused())
        return;
    const int32_t start = SelStart();
    const int32_t length = SelLength();
    if (length > 0) {
        TRect selected = textRect;
        selected.Left = std::max(left + canvas.TextWidth(text.left(start)), textRect.Left);
        selected.Right = std::min(left + canvas.TextWidth(text.left(start + length)), textRect.Right);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(selected);
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetColor(clHighlightText);
        canvas.TextRect(selected, left, top, text);
    }
    const int32_t x = left + caretX;
    if (x >= textRect.Left && x <= textRect.Right) {
        canvas.Pen().SetColor(Font().Color());
        canvas.MoveTo(x, textRect.Top + 1);
        canvas.LineTo(x, textRect.Bottom - 1);
    }
}
