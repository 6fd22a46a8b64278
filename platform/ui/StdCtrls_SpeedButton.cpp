#include "platform/ui/StdCtrls.h"

#include <QImage>
#include <QRect>

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner)
{
    // The click comes from the release over a pressed button, not from the
    // control's own click handling.
    TControlStyle style = ControlStyle();
    style >> csClickEvents;
    SetControlStyle(style);
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap& glyph)
{
    FGlyph.Assign(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int32_t numGlyphs)
{
    FNumGlyphs = std::clamp(numGlyphs, 1, 4);
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat)
{
    FFlat = flat;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool transparent)
{
    FTransparent = transparent;
    Invalidate();
}

void TSpeedButton::SetState(TButtonState state)
{
    if (state == FState)
        return;
    FState = state;
    Invalidate();
}

void TSpeedButton::SetDown(bool down)
{
    if (FGroupIndex == 0)
        down = false;
    if (down == FDown)
        return;
    if (!down && !FAllowAllUp && FState == bsExclusive)
        return;
    FDown = down;
    if (down && Parent())
        for (int32_t index = 0; index < Parent()->ControlCount(); ++index) {
            auto* sibling = dynamic_cast<TSpeedButton*>(Parent()->Controls(index));
            if (sibling && sibling != this && sibling->FGroupIndex == FGroupIndex && sibling->FDown) {
                sibling->FDown = false;
                sibling->SetState(bsUp);
            }
        }
    SetState(down ? bsExclusive : bsUp);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!FDown)
        SetState(bsDown);
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!FDragging || FDown)
        return;
    SetState(ClientRect().Contains({ x, y }) ? bsDown : bsUp);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (button == mbLeft && FDragging) {
        FDragging = false;
        const bool inside = ClientRect().Contains({ x, y });
        if (FGroupIndex == 0)
            SetState(bsUp);
        else if (inside)
            SetDown(!FDown || !FAllowAllUp);
        if (inside)
            Click();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::CMEnabledChanged(TMessage& message)
{
    TGraphicControl::CMEnabledChanged(message);
    Invalidate();
}

void TSpeedButton::Paint()
{
    TRect rect = ClientRect();
    PaintFace(rect);
    PaintGlyphAndCaption(rect);
}

void TSpeedButton::PaintFace(TRect rect)
{
    TCanvas& canvas = Canvas();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (!FTransparent || pressed) {
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(rect);
    }
    if (FFlat && !pressed)
        return;
    if (pressed)
        Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
    else {
        Frame3D(canvas, rect, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(canvas, rect, clBtnFace, clBtnShadow, 1);
    }
}

void TSpeedButton::PaintGlyphAndCaption(TRect rect)
{
    TCanvas& canvas = Canvas();
    const int32_t offset = FState == bsDown || FState == bsExclusive ? 1 : 0;
    if (FGlyph.Width() > 0 && FGlyph.Height() > 0) {
        const int32_t partWidth = FGlyph.Width() / FNumGlyphs;
        int32_t part = 0;
        if (!Enabled() && FNumGlyphs > 1)
            part = 1;
        else if (FState == bsDown && FNumGlyphs > 2)
            part = 2;
        else if (FState == bsExclusive && FNumGlyphs > 3)
            part = 3;
        const int32_t left = (Width() - partWidth) / 2 + offset;
        const int32_t top = (Height() - FGlyph.Height()) / 2 + offset;
        // The glyph is always drawn transparently, keyed on its own
        // transparent colour (bottom-left pixel unless fixed).
        TBitmap piece;
        piece.SetImage(FGlyph.Image().copy(part * partWidth, 0, partWidth, FGlyph.Height()));
        piece.SetTransparent(true);
        piece.SetTransparentColor(FGlyph.TransparentColor());
        canvas.Draw(left, top, piece);
    }
    if (Caption().isEmpty())
        return;
    canvas.SetFont(Font());
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    rect.Offset(offset, offset);
    canvas.DrawText(Caption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
