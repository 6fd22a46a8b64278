#include "grid/DudOder.h"

namespace {

// The looks whose frame carries the grid's border colour.
bool OutlinedLook(TGridLook look)
{
    return look != glStandard && look != glClassic && look != glCustom;
}

void Outline(TCanvas& canvas, const TPoint (&points)[5])
{
    canvas.MoveTo(points[0].X, points[0].Y);
    for (const TPoint& point : points)
        canvas.LineTo(point.X, point.Y);
}

} // namespace

// The frame is drawn in the platform's frame pass, which hands its canvas to
// WM_NCPAINT; asking for the border asks for that pass.
void TDudStringGrid::DrawNonClientBorder()
{
    Perform(WM_NCPAINT, 0);
}

void TDudStringGrid::WMNCPaint(TMessage& message)
{
    TBaseGrid::WMNCPaint(message);
    if (FUpdateCount > 0 || message.WParam == 0)
        return;
    message.Result = 0;
    if (!OutlinedLook(FLook) || BorderStyle() == bsNone || FBorderColor == clNone || FFlat)
        return;
    TCanvas& canvas = *reinterpret_cast<TCanvas*>(message.WParam);
    const int32_t width = Width();
    const int32_t height = Height();
    canvas.Pen().SetColor(FBorderColor);
    if (!FFitCellsInGrid) {
        Outline(canvas, { { 0, height - 1 }, { 0, 0 }, { width - 1, 0 }, { width - 1, height - 1 }, { 0, height - 1 } });
        return;
    }
    Outline(canvas, { { 1, height }, { 1, 1 }, { width - 2, 1 }, { width - 2, height - 2 }, { 1, height - 2 } });
    if (!Parent())
        return;
    canvas.Pen().SetColor(Parent()->Color());
    Outline(canvas, { { 0, height }, { 0, 0 }, { width - 1, 0 }, { width - 1, height - 1 }, { 0, height - 1 } });
}
