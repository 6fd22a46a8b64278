#include "controls/SlantTabs.h"

#include "controls/SlantTabsUtils.h"
#include "platform/core/Math.h"
#include "platform/ui/Forms.h"

namespace {

// The band around the tab is painted in this colour and then made clear,
// so only the tab's own shape shows.
constexpr TColor DragImageKeyColor = 0xFFFEFF;

int32_t Scaled(double factor, int32_t value) { return static_cast<int32_t>(Round(factor * value)); }

} // namespace

void TCustomSlantTabs::MoveDragForm(int32_t x, int32_t y, bool visible)
{
    if (!FDragTabObject)
        return;
    const std::shared_ptr<TDragTabObject> drag = FDragTabObject;
    if (!drag->DragForm && visible)
        drag->DragForm = CreateDragForm(drag->DragTab);
    if (!drag->DragForm)
        return;
    TForm& form = *drag->DragForm;
    const TPoint screen = ClientToScreen({ x, y });
    // Placed before it shows, so it never flashes where it was.
    form.SetBounds(screen.X - drag->DragFormOffset.X, screen.Y - drag->DragFormOffset.Y, form.Width(), form.Height());
    if (visible != form.Visible()) {
        if (visible)
            form.ShowNoActivate();
        else
            form.Hide();
    }
}

std::unique_ptr<TForm> TCustomSlantTabs::CreateDragForm(TSlantTab* tab)
{
    const TSlantTabsDragOptions& options = FOptions->DragDrop();
    TSlantTabDragDisplay display = options.DragDisplay();
    if (display == ddCursor || !FDragTabObject || !tab || !tab->TabControl())
        return nullptr;
    std::unique_ptr<TForm> form;
    DoCreateDragForm(tab, form);
    if (!form) {
        TWinControl* control = nullptr;
        if (display != ddTab) {
            DoNeedDragImageControl(tab, control);
            if (!control)
                display = ddTab;
        }
        TDragTabObject& drag = *FDragTabObject;
        TSlantTabControl& tabControl = *tab->TabControl();
        const double factor = display == ddTab ? 1.0 : options.DragControlImageResizeFactor();
        const bool bottom = FOptions->Display().Tabs().Orientation() == toBottom;
        const int32_t tabHeight = RectangleHeight(tabControl.ControlRect());
        int32_t tabWidth = RectangleWidth(tabControl.ControlRect());
        int32_t controlTop = 0;
        int32_t tabTop = 0;
        TBitmap picture;
        switch (display) {
        case ddTab:
            picture.SetSize(tabWidth, tabHeight);
            break;
        case ddControl:
            picture.SetSize(control->Width(), control->Height());
            break;
        default:
            picture.SetSize(control->Width(), tabHeight + control->Height());
            controlTop = bottom ? 0 : tabHeight;
            tabTop = bottom ? control->Height() - 1 : 0;
            // A tab wider than the control's picture would hang over its edge.
            tabWidth = std::min(tabWidth, std::max(1, control->Width() - 10));
            break;
        }
        // Right to left, the grip is measured from the tab's right edge.
        const int32_t gripX = drag.DragCursorOffset.X + (IsRightToLeft(FBiDiMode) && display != ddControl ? tabWidth : 0);
        drag.DragFormOffset = { Scaled(factor, gripX), Scaled(factor, drag.DragCursorOffset.Y) };
        if (display == ddTabAndControl && bottom)
            drag.DragFormOffset.Y += Scaled(factor, control->Height());
        if (control)
            CopyControlToBitmap(*control, picture, 0, controlTop);
        if (display != ddControl) {
            picture.Canvas().Brush().SetColor(DragImageKeyColor);
            picture.Canvas().FillRect(bottom ? TRect { 0, picture.Height() - tabHeight, picture.Width(), picture.Height() }
                                             : TRect { 0, 0, picture.Width(), tabHeight - 1 });
        }
        {
            TGPGraphics graphics(picture);
            graphics.SetSmoothingMode(FOptions->Display().Tabs().CanvasSmoothingMode());
            if (display != ddControl)
                DrawDragTab(tabControl, graphics, tabTop, tabWidth);
            if (display != ddTab)
                DrawDragFrame(graphics, picture, controlTop, control->Height(), display == ddControl ? 0 : tabWidth);
        }
        TBitmap scaled;
        ScaleBitmap(picture, scaled, factor);
        ConvertBitmapToARGB(scaled);
        SetColorAlpha(scaled, DragImageKeyColor, 0);
        form = CreateAlphaBlendForm(*this, scaled, display == ddTab ? 255 : options.DragOutsideImageAlpha());
    }
    DoAfterDragImageCreated();
    return form;
}

void TCustomSlantTabs::DrawDragTab(TSlantTabControl& control, TGPGraphics& graphics, int32_t top, int32_t width)
{
    const TRect saved = control.ControlRect();
    const bool scrollable = control.ScrollableControl();
    const auto restore = [&] {
        control.SetScrollableControl(scrollable);
        control.SetPosition(saved, 0, ttNone);
    };
    control.SetScrollableControl(false);
    // Right to left the strip mirrors the tab; placed at its right end, it
    // lands at the picture's left.
    const int32_t left = IsRightToLeft(FBiDiMode) ? ClientWidth() - width : 0;
    try {
        control.SetPosition({ left, top, left + width, top + RectangleHeight(saved) }, 0, ttNone);
        control.DrawTo(graphics, FLastMouseX, FLastMouseY, nullptr);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

// A frame round the control's picture, open where the tab joins it.
void TCustomSlantTabs::DrawDragFrame(TGPGraphics& graphics, const TBitmap& picture, int32_t controlTop, int32_t controlHeight, int32_t gap)
{
    const TSlantTabsDragOptions& options = FOptions->DragDrop();
    const TGPPen pen(MakeGDIPColor(options.DragFormBorderColor(), 255), float(options.DragFormBorderWidth()));
    const float half = float(options.DragFormBorderWidth() / 2);
    const float right = float(picture.Width()) - half;
    // The open edge faces the tab: the top for tabs on top, else the bottom.
    const bool bottom = FOptions->Display().Tabs().Orientation() == toBottom;
    const float open = bottom ? float(controlTop + controlHeight) - half : float(controlTop);
    const float closed = bottom ? float(controlTop) + half : float(picture.Height()) - half;
    graphics.DrawLine(pen, float(gap), open, right, open);
    graphics.DrawLine(pen, right, open, right, closed);
    graphics.DrawLine(pen, right, closed, 0, closed);
    graphics.DrawLine(pen, 0, closed, 0, open);
}

void TCustomSlantTabs::DoNeedDragImageControl(TSlantTab* tab, TWinControl*& dragControl)
{
    if (OnNeedDragImageControl)
        OnNeedDragImageControl(this, tab, dragControl);
}

void TCustomSlantTabs::DoCreateDragForm(TSlantTab* tab, std::unique_ptr<TForm>& dragForm)
{
    if (OnCreateDragForm)
        OnCreateDragForm(this, tab, dragForm);
}

void TCustomSlantTabs::DoAfterDragImageCreated()
{
    if (OnAfterDragImageCreated)
        OnAfterDragImageCreated(this);
}
