#include "platform/ui/ExtCtrls.h"

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner)
{
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

TSplitter::~TSplitter() = default;

void TSplitter::SetBeveled(bool beveled)
{
    FBeveled = beveled;
    Invalidate();
}

// The sibling aligned to the same side whose edge touches the splitter.
TControl* TSplitter::ResizeControl() const
{
    const TWinControl* parent = Parent();
    if (!parent)
        return nullptr;
    for (int32_t index = 0; index < parent->ControlCount(); ++index) {
        TControl* control = parent->Controls(index);
        if (control == this || !control->Visible() || control->Align() != Align())
            continue;
        bool touches = false;
        switch (Align()) {
        case alLeft:
            touches = control->Left() + control->Width() == Left();
            break;
        case alRight:
            touches = control->Left() == Left() + Width();
            break;
        case alTop:
            touches = control->Top() + control->Height() == Top();
            break;
        case alBottom:
            touches = control->Top() == Top() + Height();
            break;
        default:
            break;
        }
        if (touches)
            return control;
    }
    return nullptr;
}

int32_t TSplitter::MaxSize() const
{
    const TWinControl* parent = Parent();
    int32_t room = Vertical() ? parent->ClientWidth() : parent->ClientHeight();
    for (int32_t index = 0; index < parent->ControlCount(); ++index) {
        const TControl* control = parent->Controls(index);
        if (control != FControl && control->Visible() && control->Align() != alClient && control->Align() != alNone
            && ((control->Align() == alLeft || control->Align() == alRight) == Vertical()))
            room -= SizeOf(control);
    }
    return std::max(room - FMinSize, FMinSize);
}

void TSplitter::ApplySize(int32_t size)
{
    size = std::clamp(size, FMinSize, MaxSize());
    bool accept = true;
    if (OnCanResize)
        OnCanResize(this, size, accept);
    if (!accept || size == SizeOf(FControl))
        return;
    if (Vertical())
        FControl->SetWidth(size);
    else
        FControl->SetHeight(size);
    FMoved = true;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FControl = ResizeControl();
    if (!FControl)
        return;
    const TPoint screen = ClientToScreen({ x, y });
    FDownPos = Vertical() ? screen.X : screen.Y;
    FStartSize = SizeOf(FControl);
    FMoved = false;
}

// Positions are taken on the screen: the splitter itself moves while dragged.
void TSplitter::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!FControl)
        return;
    const TPoint screen = ClientToScreen({ x, y });
    const int32_t delta = (Vertical() ? screen.X : screen.Y) - FDownPos;
    const bool grows = Align() == alLeft || Align() == alTop;
    ApplySize(FStartSize + (grows ? delta : -delta));
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!FControl)
        return;
    FControl = nullptr;
    if (FMoved && OnMoved)
        OnMoved(this);
}

void TSplitter::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    if (!FBeveled)
        return;
    TRect rect = ClientRect();
    DrawEdge(canvas, rect, EDGE_RAISED, BF_RECT);
}
