#include "grid/DudOder.h"

#include "grid/DudOder_FilterDropDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include <algorithm>

namespace {

constexpr uint8_t PictureAlpha = 192;

} // namespace

TForm* TDudStringGrid::SelectionToForm(const TGridRect& rect)
{
    TBitmap whole;
    GrabControl(*this, whole);
    const TRect first = CalcCellRect(rect.Left, rect.Top);
    const TRect last = CalcCellRect(rect.Right, rect.Bottom);
    const int32_t left = std::min(first.Left, last.Left);
    const int32_t top = std::min(first.Top, last.Top);
    const int32_t right = std::max(first.Right, last.Right);
    const int32_t bottom = std::max(first.Bottom, last.Bottom);

    TBitmap picture;
    picture.SetSize(right - left + 1, bottom - top + 1);
    picture.Canvas().CopyRect(Rect(0, 0, picture.Width(), picture.Height()), whole.Canvas(),
        Rect(left + 1, top + 1, right + 2, bottom + 2));
    TCanvas& canvas = picture.Canvas();
    canvas.Pen().SetColor(GridFixedLineColor());
    if (rect.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedVertLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(0, picture.Height());
    }
    if (rect.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedHorzLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(picture.Width(), 0);
    }

    auto* form = new TNoActiveForm(this);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetFormStyle(fsStayOnTop);
    form->SetAlphaBlend(true);
    form->SetAlphaBlendValue(PictureAlpha);
    form->SetClientWidth(picture.Width());
    form->SetClientHeight(picture.Height());
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetAlign(alClient);
    image->Picture().SetGraphic(&picture);
    return form;
}
