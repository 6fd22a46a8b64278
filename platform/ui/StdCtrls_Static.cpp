#include "platform/ui/StdCtrls.h"

// ---- TCustomLabel

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

TCustomLabel::~TCustomLabel() = default;

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    FAlignment = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout)
{
    FLayout = layout;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool wordWrap)
{
    FWordWrap = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool transparent)
{
    FTransparent = transparent;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool showAccelChar)
{
    FShowAccelChar = showAccelChar;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = control;
    if (FFocusControl)
        FFocusControl->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLabel::CMDialogChar(TMessage& message)
{
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(static_cast<uint32_t>(message.WParam), Caption())
        && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        message.Result = 1;
        return;
    }
    TGraphicControl::CMDialogChar(message);
}

String TCustomLabel::DisplayText() const { return Caption(); }

uint32_t TCustomLabel::DrawTextFlags() const
{
    uint32_t flags = DT_EXPANDTABS;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

// The platform sizes an empty caption like a blank one, so an empty label
// keeps its line height.
void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    TRect rect = Rect(0, 0, FWordWrap ? Width() : 0, 0);
    String text = DisplayText();
    if (text.isEmpty())
        text = QStringLiteral(" ");
    Canvas().SetFont(Font());
    Canvas().DrawText(text, rect, DrawTextFlags() | DT_CALCRECT);
    int32_t left = Left();
    // A right-aligned label grows to the left, a centred one both ways.
    if (!FWordWrap && FAlignment == taRightJustify)
        left += Width() - rect.Width();
    else if (!FWordWrap && FAlignment == taCenter)
        left += (Width() - rect.Width()) / 2;
    SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TCustomLabel::CMTextChanged(TMessage& message)
{
    TGraphicControl::CMTextChanged(message);
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::CMFontChanged(TMessage& message)
{
    TGraphicControl::CMFontChanged(message);
    AdjustBounds();
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = Canvas();
    if (!FTransparent) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.SetFont(Font());
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    static constexpr uint32_t AlignmentFlags[] = { DT_LEFT, DT_RIGHT, DT_CENTER };
    const uint32_t flags = DrawTextFlags() | AlignmentFlags[static_cast<int>(FAlignment)];
    TRect rect = ClientRect();
    if (FLayout != tlTop) {
        TRect measured = rect;
        canvas.DrawText(DisplayText(), measured, flags | DT_CALCRECT);
        const int32_t free = rect.Height() - measured.Height();
        rect.Top += FLayout == tlCenter ? free / 2 : free;
    }
    canvas.DrawText(DisplayText(), rect, flags);
}

// ---- TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner)
{
    TControlStyle style = ControlStyle();
    SetControlStyle(style << csAcceptsControls);
    SetBounds(0, 0, 185, 105);
}

TGroupBox::~TGroupBox() = default;

void TGroupBox::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TGroupBox::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    const int32_t textHeight = canvas.TextHeight(QStringLiteral("0"));
    const TRect frame = Rect(0, textHeight / 2, Width(), Height());
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1);
    canvas.Pen().SetColor(clBtnHighlight);
    canvas.Rectangle(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom);
    if (Caption().isEmpty())
        return;
    TRect textRect = Rect(8, 0, 0, textHeight);
    canvas.DrawText(Caption(), textRect, DT_SINGLELINE | DT_CALCRECT);
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.DrawText(Caption(), textRect, DT_SINGLELINE);
}
