#include "grid/base/ZUZEdit.h"

#include "grid/base/DudXPVS.h"
#include "grid/base/EditButtonLayout.h"
#include "grid/base/FocusControlLink.h"

#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/Menus.h"
#include "platform/ui/UiServices.h"

// ---- TDudSpeedButton

void TDudSpeedButton::CMMouseEnter(TMessage& message)
{
    TSpeedButton::CMMouseEnter(message);
    FHot = true;
    Invalidate();
}

void TDudSpeedButton::CMMouseLeave(TMessage& message)
{
    TSpeedButton::CMMouseLeave(message);
    FHot = false;
    Invalidate();
}

// The face in the first look that applies; rect becomes the area inside its
// edges.
void TDudSpeedButton::DrawFace(TCanvas& canvas, TRect& rect, bool pressed)
{
    const auto* owner = dynamic_cast<const TZuzEditButton*>(Parent());
    if (owner && owner->ButtonColor() != clNone) {
        if (!Flat())
            SetFlat(true);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(pressed ? owner->ButtonColorDown() : FHot ? owner->ButtonColorHot() : owner->ButtonColor());
        canvas.FillRect(rect);
        return;
    }
    if (IsWinXP() && DrawThemePart(canvas, Parent(), u"button", 1, pressed ? 3 : FHot ? 2 : 1, rect))
        return;
    if (Flat()) {
        DrawEdge(canvas, rect, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        rect.Inflate(-1, -1);
        return;
    }
    DrawFrameControl(canvas, rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    // The face inside the two-pixel edges.
    rect.Inflate(-2, -2);
}

void TDudSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    DrawFace(canvas, rect, State() == bsDown || State() == bsExclusive);
    const int32_t downShift = State() == bsDown ? 1 : 0;
    if (Glyph().Width() > 0 && Glyph().Height() > 0) {
        TBitmap glyph(Glyph());
        glyph.SetTransparent(true);
        const int32_t left = glyph.Width() < Width() ? (Width() - glyph.Width()) / 2 : 0;
        const int32_t top = glyph.Height() < Height() ? (Height() - glyph.Height()) / 2 : 0;
        canvas.Draw(left + downShift, top + downShift, glyph);
    }
    canvas.SetFont(Font());
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(bsClear);
    rect.Offset(downShift, downShift);
    canvas.DrawText(Caption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---- TZuzEditButton

TZuzEditButton::TZuzEditButton(TComponent* owner) : TWinControl(owner)
{
    TControlStyle style = ControlStyle();
    style >> csAcceptsControls >> csSetCaption;
    style << csOpaque;
    SetControlStyle(style);
    FButton = new TDudSpeedButton(this);
    FButton->SetParent(this);
    FButton->OnMouseUp = [this](TComponent* sender, TMouseButton button, TShiftState, int32_t x, int32_t y) {
        ButtonReleased(sender, button, x, y);
    };
    SetBounds(0, 0, 20, 25);
}

TZuzEditButton::~TZuzEditButton() { Destroying(); }

void TZuzEditButton::SetFlat(bool flat)
{
    FFlat = flat;
    FButton->SetFlat(flat);
}

void TZuzEditButton::SetFocusControl(TWinControl* control)
{
    SetLinkedFocusControl(this, FFocusControl, control);
}

void TZuzEditButton::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TZuzEditButton::AdjustSize()
{
    if (FButton && (ComponentState() & csLoading) == 0)
        FButton->SetBounds(0, 0, Width(), Height());
}

void TZuzEditButton::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    TWinControl::SetBounds(left, top, width, height);
    AdjustSize();
}

void TZuzEditButton::Resize()
{
    TWinControl::Resize();
    AdjustSize();
}

void TZuzEditButton::Loaded()
{
    TWinControl::Loaded();
    AdjustSize();
}

void TZuzEditButton::ButtonReleased(TComponent* sender, TMouseButton button, int32_t x, int32_t y)
{
    if (button != mbLeft)
        return;
    if (OnClick && sender == FButton && FButton->ClientRect().Contains({ x, y }))
        OnClick(this);
    auto takesFocus = [](TWinControl* control) { return control->TabStop() && control->CanFocus() && !control->Focused(); };
    if (FFocusControl) {
        if (takesFocus(FFocusControl))
            FFocusControl->SetFocus();
    } else if (takesFocus(this))
        SetFocus();
}

// ---- TZuzEditBtn

TZuzEditBtn::TZuzEditBtn(TComponent* owner) : TCustomMaskEdit(owner)
{
    FButton = new TZuzEditButton(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TComponent* sender) { ButtonClicked(sender); };
    SetText(QStringLiteral("0"));
    TControlStyle style = ControlStyle();
    SetControlStyle(style >> csSetCaption);
    Resize();
}

TZuzEditBtn::~TZuzEditBtn()
{
    Destroying();
    FButton = nullptr;
}

void TZuzEditBtn::SetButtonWidth(int32_t width)
{
    FButtonWidth = width;
    FButton->SetWidth(width);
    Resize();
}

void TZuzEditBtn::SetIsWinXP(bool isWinXP)
{
    FIsWinXP = isWinXP;
    FButton->Button()->SetIsWinXP(isWinXP);
}

void TZuzEditBtn::SetRightAlign(bool rightAlign)
{
    if (rightAlign == FRightAlign)
        return;
    FRightAlign = rightAlign;
    SetAlignment(rightAlign ? taRightJustify : taLeftJustify);
}

void TZuzEditBtn::ButtonClicked(TComponent* sender)
{
    if (OnClickBtn)
        OnClickBtn(sender);
}

void TZuzEditBtn::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomMaskEdit::KeyDown(key, shift);
    if (key == VK_F4 && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt))
        ButtonClicked(this);
}

void TZuzEditBtn::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_CHAR:
        if (!FEditorEnabled)
            return;
        break;
    case WM_PASTE:
    case WM_CUT:
        if (!FEditorEnabled || ReadOnly())
            return;
        break;
    case CM_ENTER:
        if (AutoSelect() && !IsMouseButtonDown(mbLeft))
            SelectAll();
        break;
    default:
        break;
    }
    TCustomMaskEdit::WndProc(message);
}

int32_t TZuzEditBtn::GetMinHeight() const
{
    TCanvas canvas;
    const int32_t systemHeight = canvas.TextHeight(QStringLiteral("W"));
    canvas.SetFont(Font());
    const int32_t fontHeight = canvas.TextHeight(QStringLiteral("W"));
    return fontHeight + std::min(fontHeight, systemHeight) / 4;
}

// Positions are those of the platform's client area, which begins inside the
// sunken border.
void TZuzEditBtn::Resize()
{
    TCustomMaskEdit::Resize();
    if (!FButton)
        return;
    if (PlaceEditButton(*this, BorderStyle(), BorderInset(), *FButton, GetMinHeight()))
        SetEditRect();
}

void TZuzEditBtn::SetEditRect()
{
    const int32_t margin = BorderStyle() == bsNone ? 3 : 1;
    const TRect client = InsideBorder(*this, BorderInset());
    int32_t right = client.Width() - FButton->Width() - 5 - FUnitSize;
    if (FUnitSize > 0)
        right -= 3;
    TRect rect = Rect(margin, margin, right, client.Height() + 1);
    rect.Offset(client.Left, client.Top);
    TCustomMaskEdit::SetEditRect(rect);
}

// ---- TZuzUnitEditBtn

TZuzUnitEditBtn::TZuzUnitEditBtn(TComponent* owner) : TZuzEditBtn(owner)
{
    SetUnitSize(20);
    SetRightAlign(true);
    SetEditRect();
}

TZuzUnitEditBtn::~TZuzUnitEditBtn() = default;

void TZuzUnitEditBtn::SetUnitID(const String& unitId)
{
    FUnitID = unitId;
    Invalidate();
}

void TZuzUnitEditBtn::SetUnits(const TStrings* units)
{
    if (units)
        FUnits.Assign(*units);
}

void TZuzUnitEditBtn::SetUnitSpace(int32_t space)
{
    SetUnitSize(space);
    SetEditRect();
    Invalidate();
}

void TZuzUnitEditBtn::SetTextAndUnit(const String& value)
{
    for (int32_t index = 0; index < FUnits.Count(); ++index) {
        const String& unit = FUnits[index];
        const auto position = static_cast<int32_t>(value.indexOf(unit)) + 1;
        if (position > 0 && position == value.size() - unit.size() + 1) {
            SetText(value.left(position - 1));
            SetUnitID(value.mid(position - 1));
            return;
        }
    }
}

void TZuzUnitEditBtn::ButtonClicked(TComponent*)
{
    if (OnClickBtn)
        OnClickBtn(this);
    TPopupMenu menu(nullptr);
    for (int32_t index = 0; index < FUnits.Count(); ++index)
        menu.Items().Add(FUnits[index])->SetTag(index + 1);
    const TRect client = InsideBorder(*this, BorderInset());
    const TMenuItem* chosen = UiServices().PopupMenu(menu, ClientToScreen({ client.Right - 15, client.Bottom }));
    if (chosen)
        Perform(WM_COMMAND, chosen->Tag());
}

void TZuzUnitEditBtn::WndProc(TMessage& message)
{
    if (message.Msg != WM_COMMAND) {
        TZuzEditBtn::WndProc(message);
        return;
    }
    const int32_t identifier = CommandId(message.WParam);
    if (CommandCode(message.WParam) == EN_CHANGE || identifier < 1 || identifier > FUnits.Count())
        return;
    const String previous = FUnitID;
    SetUnitID(FUnits[identifier - 1]);
    if (FUnitID != previous && OnUnitChanged)
        OnUnitChanged(this, FUnitID);
}

void TZuzUnitEditBtn::PaintWindow(QPainter& painter)
{
    TZuzEditBtn::PaintWindow(painter);
    TCanvas canvas;
    canvas.BeginPaint(&painter);
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    const int32_t buttonWidth = Button()->Width();
    const TRect client = InsideBorder(*this, BorderInset());
    TRect rect = Rect(client.Width() - buttonWidth - 3 - UnitSize(), 2, client.Width() - buttonWidth - 3, client.Height());
    rect.Offset(client.Left, client.Top);
    canvas.DrawText(FUnitID, rect, DT_EDITCONTROL);
    canvas.EndPaint();
}
