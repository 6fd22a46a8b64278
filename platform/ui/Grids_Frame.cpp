#include "platform/ui/Grids.h"

#include "platform/ui/SystemMetrics.h"

#include <algorithm>

void TCustomGrid::SetBorderStyle(TBorderStyle borderStyle)
{
    if (borderStyle == FBorderStyle)
        return;
    FBorderStyle = borderStyle;
    RecreateWnd();
}

void TCustomGrid::SetCtl3D(bool ctl3D)
{
    if (ctl3D == FCtl3D)
        return;
    FCtl3D = ctl3D;
    RecreateWnd();
}

int32_t TCustomGrid::FrameWidth() const
{
    if (FBorderStyle == bsNone)
        return 0;
    return GetSystemMetrics(FCtl3D ? SM_CXEDGE : SM_CXBORDER);
}

void TCustomGrid::WMNCCalcSize(TMessage& message)
{
    TCustomControl::WMNCCalcSize(message);
    const int32_t frame = FrameWidth();
    TRect& rect = *reinterpret_cast<TRect*>(message.LParam);
    rect = Rect(rect.Left + frame, rect.Top + frame, std::max(rect.Left + frame, rect.Right - frame),
        std::max(rect.Top + frame, rect.Bottom - frame));
}

void TCustomGrid::WMNCPaint(TMessage& message)
{
    TCustomControl::WMNCPaint(message);
    if (message.WParam == 0 || FBorderStyle == bsNone)
        return;
    TCanvas& canvas = *reinterpret_cast<TCanvas*>(message.WParam);
    TRect frame = Rect(0, 0, Width(), Height());
    if (FCtl3D) {
        DrawEdge(canvas, frame, EDGE_SUNKEN, BF_RECT);
    } else {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(frame);
    }
}
