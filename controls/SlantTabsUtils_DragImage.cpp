#include "controls/SlantTabsUtils.h"

#include "platform/core/Math.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

void CopyControlToBitmap(TWinControl& control, TBitmap& bitmap, int32_t x, int32_t y)
{
    TBitmap picture;
    GrabControl(control, picture);
    const TRect client = control.ClientRect();
    bitmap.Canvas().CopyRect(Bounds(x, y, client.Width(), client.Height()), picture.Canvas(), client);
}

void ScaleBitmap(TBitmap& source, TBitmap& target, double factor)
{
    source.SetPixelFormat(pf24bit);
    target.SetPixelFormat(pf24bit);
    const TRect area { 0, 0, static_cast<int32_t>(Round(source.Width() * factor)), static_cast<int32_t>(Round(source.Height() * factor)) };
    target.SetSize(area.Right, area.Bottom);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(area);
    target.Canvas().StretchDraw(area, source);
}

void ConvertBitmapToARGB(TBitmap& bitmap) { bitmap.SetPixelFormat(pf32bit); }

void SetColorAlpha(TBitmap& bitmap, TColor color, uint8_t alpha) { SetBitmapColorAlpha(bitmap, color, alpha); }

std::unique_ptr<TForm> CreateAlphaBlendForm(TControl& owner, const TBitmap& bitmap, uint8_t alpha)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetWindowKind(wkOverlay);
    form->SetBorderStyle(bsNone);
    form->SetPopupParent(owner.ParentForm());
    form->SetClientWidth(bitmap.Width());
    form->SetClientHeight(bitmap.Height());
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBounds(0, 0, bitmap.Width(), bitmap.Height());
    image->Picture().SetGraphic(&bitmap);
    // Without windows of per-pixel opacity, the shape leaves out the clear pixels.
    const TRegion shape = BitmapOpaqueRegion(bitmap);
    form->SetWindowRegion(&shape);
    form->SetAlphaBlendValue(alpha);
    form->SetAlphaBlend(true);
    return form;
}
