#include "platform/ui/TrackBar.h"

#include "platform/ui/SystemMetrics.h"

#include <algorithm>

namespace {

constexpr int32_t ThumbLength = 11;
constexpr int32_t ThumbBreadth = 21;
constexpr int32_t ChannelMargin = 8 + ThumbLength / 2;
constexpr int32_t TickLength = 3;

} // namespace

TTrackBar::TTrackBar(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

TTrackBar::~TTrackBar() = default;

void TTrackBar::SetMin(int32_t min)
{
    FMin = min;
    FMax = std::max(FMax, FMin);
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetMax(int32_t max)
{
    FMax = max;
    FMin = std::min(FMin, FMax);
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetPosition(int32_t position)
{
    const int32_t clamped = std::clamp(position, FMin, FMax);
    if (clamped == FPosition)
        return;
    FPosition = clamped;
    Invalidate();
    Changed();
}

void TTrackBar::SetFrequency(int32_t frequency)
{
    FFrequency = std::max(frequency, 1);
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation)
{
    if (orientation == FOrientation)
        return;
    FOrientation = orientation;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTrackBar::Changed()
{
    if (OnChange)
        OnChange(this);
}

int32_t TTrackBar::ChannelStart() const { return ChannelMargin; }
int32_t TTrackBar::ChannelEnd() const { return std::max((Horizontal() ? Width() : Height()) - ChannelMargin, ChannelMargin + 1); }

int32_t TTrackBar::PixelOf(int32_t position) const
{
    if (FMax == FMin)
        return ChannelStart();
    const int64_t span = ChannelEnd() - ChannelStart();
    return ChannelStart() + static_cast<int32_t>(span * (position - FMin) / (static_cast<int64_t>(FMax) - FMin));
}

int32_t TTrackBar::PositionAt(int32_t pixel) const
{
    const int64_t span = ChannelEnd() - ChannelStart();
    const int64_t range = static_cast<int64_t>(FMax) - FMin;
    const int64_t offset = std::clamp<int64_t>(pixel - ChannelStart(), 0, span);
    return FMin + static_cast<int32_t>((offset * range + span / 2) / span);
}

TRect TTrackBar::ThumbRect() const
{
    const int32_t centre = PixelOf(FPosition);
    if (Horizontal())
        return Bounds(centre - ThumbLength / 2, 4, ThumbLength, ThumbBreadth);
    return Bounds(4, centre - ThumbLength / 2, ThumbBreadth, ThumbLength);
}

void TTrackBar::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_KEYDOWN:
        switch (message.WParam) {
        case VK_LEFT:
        case VK_UP:
            SetPosition(FPosition - FLineSize);
            return;
        case VK_RIGHT:
        case VK_DOWN:
            SetPosition(FPosition + FLineSize);
            return;
        case VK_PRIOR:
            SetPosition(FPosition - FPageSize);
            return;
        case VK_NEXT:
            SetPosition(FPosition + FPageSize);
            return;
        case VK_HOME:
            SetPosition(FMin);
            return;
        case VK_END:
            SetPosition(FMax);
            return;
        default:
            break;
        }
        break;
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    const int32_t along = Horizontal() ? x : y;
    const TRect thumb = ThumbRect();
    const int32_t thumbStart = Horizontal() ? thumb.Left : thumb.Top;
    if (along >= thumbStart && along < thumbStart + ThumbLength) {
        FDragging = true;
        FDragOffset = along - PixelOf(FPosition);
        return;
    }
    // A click beside the thumb moves it a page towards the click.
    SetPosition(FPosition + (along < thumbStart ? -FPageSize : FPageSize));
}

void TTrackBar::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (FDragging)
        SetPosition(PositionAt((Horizontal() ? x : y) - FDragOffset));
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    FDragging = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TTrackBar::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetPosition(FPosition - WheelScrollRows(wheelDelta, FPageSize));
    return true;
}

void TTrackBar::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    const int32_t middle = 4 + ThumbBreadth / 2;
    TRect channel = Horizontal() ? Rect(ChannelStart() - ThumbLength / 2, middle - 2, ChannelEnd() + ThumbLength / 2, middle + 2)
                                 : Rect(middle - 2, ChannelStart() - ThumbLength / 2, middle + 2, ChannelEnd() + ThumbLength / 2);
    DrawEdge(canvas, channel, EDGE_SUNKEN, BF_RECT);
    canvas.Pen().SetColor(clWindowText);
    const int32_t tickBase = 4 + ThumbBreadth + 2;
    for (int64_t tick = FMin; tick <= FMax; tick += FFrequency) {
        const int32_t at = PixelOf(static_cast<int32_t>(tick));
        if (Horizontal()) {
            canvas.MoveTo(at, tickBase);
            canvas.LineTo(at, tickBase + TickLength);
        } else {
            canvas.MoveTo(tickBase, at);
            canvas.LineTo(tickBase + TickLength, at);
        }
    }
    TRect thumb = ThumbRect();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(thumb);
    DrawEdge(canvas, thumb, EDGE_RAISED, BF_RECT);
    if (Focused()) {
        TRect focus = ClientRect();
        canvas.DrawFocusRect(focus);
    }
}
