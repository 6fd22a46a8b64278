#include "grid/DudOder_HTMLHintWindow.h"

#include "grid/DudOder.h"
#include "grid/base/MarkupRender.h"
#include "grid/base/RovIvir.h"

#include <optional>

namespace {

// The widest box a hint is laid out in.
constexpr int32_t HintBoxWidth = 1008;
constexpr int32_t WideMargin = 8;
constexpr int32_t MarkupMargin = 16;

bool IsWideText(const String& text)
{
    return ClassifyCellText(text, true) == ckWide;
}

} // namespace

String& WideHintFontName()
{
    static String name;
    return name;
}

THTMLHintWindow::THTMLHintWindow(TComponent* owner)
    : THintWindow(owner)
{
}

TSize THTMLHintWindow::MeasureHint(const String& hint, int32_t width, String* wideText)
{
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    if (IsWideText(hint)) {
        if (!WideHintFontName().isEmpty())
            canvas.Font().SetName(WideHintFontName());
        const String text = DecodeWideCellText(hint);
        TRect box = Rect(0, 0, width, 0);
        canvas.DrawText(text, box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        if (wideText)
            *wideText = text;
        return { box.Width(), box.Height() };
    }
    return DrawStaticMarkup(canvas, hint, Rect(0, 0, width, 0), FImages, FPictureContainer, clBlue, true, true);
}

TRect THTMLHintWindow::CalcHintRect(int32_t maxWidth, const String& hint, void*)
{
    const TSize size = MeasureHint(hint, maxWidth, nullptr);
    return Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHintData(TRect rect, const String& hint, void* data)
{
    if (auto* grid = dynamic_cast<TDudStringGrid*>(static_cast<TComponent*>(data))) {
        FImages = grid->GridImages();
        FPictureContainer = grid->PictureContainer();
    }
    THintWindow::ActivateHintData(rect, hint, data);
}

void THTMLHintWindow::ActivateHint(TRect rect, const String& hint)
{
    SetCaption(hint);
    const bool wide = IsWideText(hint);
    FWideCaption.clear();
    const TSize size = MeasureHint(hint, HintBoxWidth, &FWideCaption);
    const int32_t margin = wide ? WideMargin : MarkupMargin;
    FTextWidth = size.cx;
    FTextHeight = size.cy;
    TRect bounds = Rect(rect.Left, rect.Top, rect.Left + FTextWidth + margin, rect.Top + FTextHeight + 4);
    if (const std::optional<TMonitor> monitor = Screen->MonitorFromPoint(bounds.TopLeft())) {
        const TRect& area = monitor->BoundsRect;
        if (bounds.Right > area.Right) {
            bounds.Left = area.Right - bounds.Width() - 2;
            bounds.Right = bounds.Left + margin + FTextWidth;
        }
        if (bounds.Bottom > area.Bottom) {
            bounds.Bottom = area.Bottom - 2;
            bounds.Top = bounds.Bottom - FTextHeight - 4;
        }
    }
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    ShowNoActivate();
    Invalidate();
}

void THTMLHintWindow::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(cl3DLight);
    canvas.MoveTo(client.Left, client.Bottom - 2);
    canvas.LineTo(client.Left, client.Top);
    canvas.LineTo(client.Right - 1, client.Top);
    canvas.Pen().SetColor(cl3DDkShadow);
    canvas.MoveTo(client.Left, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, client.Top - 1);

    const int32_t top = client.Top + (client.Height() - FTextHeight) / 2;
    TRect box = Rect(client.Left + 4, top, client.Right - 4, top + FTextHeight + 8);
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(bsClear);
    if (IsWideText(Caption())) {
        if (!WideHintFontName().isEmpty())
            canvas.Font().SetName(WideHintFontName());
        canvas.DrawText(FWideCaption, box, DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    DrawStaticMarkup(canvas, Caption(), box, FImages, FPictureContainer, clBlue, true);
}

void TDudStringGrid::SetUseHTMLHints(bool value)
{
    FUseHTMLHints = value;
    Application->SetHintWindowClass(value ? HintWindowClassOf<THTMLHintWindow> : nullptr);
}
