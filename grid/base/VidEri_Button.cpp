#include "grid/base/VidEri_Button.h"

#include "grid/base/DudStyleIF.h"
#include "grid/base/DudXPVS.h"
#include "grid/base/VidEri_ButtonLooks.h"
#include "platform/core/Math.h"
#include "platform/graphics/CanvasExtras.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/Menus.h"

#include <array>

namespace {

// The drop-down part is the last 12 pixels of the button.
constexpr int32_t DropDownWidth = 12;
constexpr int32_t GradientBands = 16;

// A pen of clNone draws nothing.
void SetPen(TCanvas& canvas, TColor color)
{
    canvas.Pen().SetWidth(1);
    if (color == clNone) {
        canvas.Pen().SetStyle(psClear);
        return;
    }
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(color);
}

uint8_t BandChannel(uint8_t from, uint8_t to, int32_t band)
{
    return static_cast<uint8_t>(from + Round(band * (to - from) / static_cast<double>(GradientBands)));
}

// Bands from the top (from) to the bottom (to), framed when frame is a colour.
void DrawButtonGradient(TCanvas& canvas, TColor from, TColor to, const TRect& rect, TColor frame)
{
    from = ColorToRGB(from);
    to = ColorToRGB(to);
    const int32_t extent = rect.Height();
    const auto bandHeight = static_cast<int32_t>(Round(extent / static_cast<double>(GradientBands))) + 1;
    for (int32_t band = 0; band < GradientBands; ++band) {
        const TColor color = RGB(BandChannel(GetRValue(from), GetRValue(to), band),
            BandChannel(GetGValue(from), GetGValue(to), band), BandChannel(GetBValue(from), GetBValue(to), band));
        const int32_t top = rect.Top + static_cast<int32_t>(Round(band * extent / static_cast<double>(GradientBands)));
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetColor(color);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(color);
        canvas.FillRect(Rect(rect.Left, top, rect.Right, std::min(rect.Bottom, top + bandHeight)));
    }
    if (frame != clNone) {
        SetPen(canvas, frame);
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(rect);
        canvas.Brush().SetStyle(bsSolid);
    }
}

// The face in a plain colour (pen and brush) or as a gradient.
void FillFace(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor pen)
{
    if (colorTo != clNone) {
        DrawButtonGradient(canvas, color, colorTo, rect, pen);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    SetPen(canvas, pen == clNone ? color : pen);
    canvas.Rectangle(rect);
}

void DrawRoundFrame(TCanvas& canvas, const TRect& rect, TColor color)
{
    SetPen(canvas, color);
    canvas.Brush().SetStyle(bsClear);
    canvas.RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, 8, 8);
    canvas.Brush().SetStyle(bsSolid);
}

// Every pixel grey at half its brightness lifted by 96, so a disabled glyph
// keeps its shape in levels 96 .. 223.
void MakeGreyGlyph(const TBitmap& glyph, TBitmap& grey)
{
    grey.Assign(glyph);
    for (int32_t row = 0; row < grey.Height(); ++row) {
        uint8_t* pixel = grey.ScanLine(row);
        for (int32_t column = 0; column < grey.Width(); ++column, pixel += 4) {
            const auto level = static_cast<uint8_t>(Round((pixel[0] + pixel[1] + pixel[2]) / 3.0) / 2 + 96);
            pixel[0] = pixel[1] = pixel[2] = level;
        }
    }
}

// Along one axis: where the glyph and the caption start.
struct TAxisPlace {
    int32_t Glyph;
    int32_t Caption;
};

TAxisPlace PlaceOnAxis(int32_t client, int32_t glyph, int32_t caption, bool glyphFirst, int32_t margin, int32_t spacing)
{
    if (caption == 0 || glyph == 0)
        spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = (client - (glyph + caption)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (client - (glyph + spacing + caption) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (client - margin - glyph - caption) / 2;
    }
    if (glyphFirst)
        return { margin, margin + glyph + spacing };
    const int32_t glyphPos = client - margin - glyph;
    return { glyphPos, glyphPos - spacing - caption };
}

} // namespace

TButtonContentLayout CalcButtonLayout(TSize client, TPoint offset, TSize glyph, TSize caption, TButtonLayout layout,
    int32_t margin, int32_t spacing, bool rightToLeft)
{
    if (rightToLeft && layout == blGlyphLeft)
        layout = blGlyphRight;
    else if (rightToLeft && layout == blGlyphRight)
        layout = blGlyphLeft;
    TPoint glyphPos;
    TPoint captionPos;
    if (layout == blGlyphLeft || layout == blGlyphRight) {
        glyphPos.Y = (client.cy - glyph.cy + 1) / 2;
        captionPos.Y = (client.cy - caption.cy + 1) / 2;
        const TAxisPlace place
            = PlaceOnAxis(client.cx, glyph.cx, caption.cx, layout == blGlyphLeft, margin, spacing);
        glyphPos.X = place.Glyph;
        captionPos.X = place.Caption;
    } else {
        glyphPos.X = (client.cx - glyph.cx + 1) / 2;
        captionPos.X = (client.cx - caption.cx + 1) / 2;
        const TAxisPlace place
            = PlaceOnAxis(client.cy, glyph.cy, caption.cy, layout == blGlyphTop, margin, spacing);
        glyphPos.Y = place.Glyph;
        captionPos.Y = place.Caption;
    }
    glyphPos.X += offset.X;
    glyphPos.Y += offset.Y;
    captionPos.X += offset.X;
    captionPos.Y += offset.Y;
    return { glyphPos, Bounds(captionPos.X, captionPos.Y, caption.cx, caption.cy) };
}

TDudOderButton::TDudOderButton(TComponent* owner) : TGraphicControl(owner), FIsComCtl6(IsComCtl6())
{
    SetBounds(0, 0, 22, 23);
    SetControlStyle({ csCaptureMouse, csDoubleClicks });
    SetParentFont(true);
    SetColor(clBtnFace);
}

TDudOderButton::~TDudOderButton() = default;

// ---- properties

void TDudOderButton::SetGroupIndex(int32_t value)
{
    FGroupIndex = value;
    UpdateExclusive();
}

void TDudOderButton::SetAllowAllUp(bool value)
{
    FAllowAllUp = value;
    UpdateExclusive();
}

void TDudOderButton::SetDown(bool value)
{
    if (FStyle == tasCheck) {
        FDown = value;
        Repaint();
        return;
    }
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = value;
    if (value) {
        if (FState == bsUp)
            Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Repaint();
    }
}

void TDudOderButton::SetLayout(TButtonLayout value)
{
    if (value == FLayout)
        return;
    FLayout = value;
    Invalidate();
}

void TDudOderButton::SetSpacing(int32_t value)
{
    if (value == FSpacing)
        return;
    FSpacing = value;
    Invalidate();
}

void TDudOderButton::SetMargin(int32_t value)
{
    if (value == FMargin || value < -1)
        return;
    FMargin = value;
    Invalidate();
}

void TDudOderButton::SetFlat(bool value)
{
    if (value == FFlat)
        return;
    FFlat = value;
    Invalidate();
}

void TDudOderButton::SetShowCaption(bool value)
{
    if (value == FShowCaption)
        return;
    FShowCaption = value;
    Invalidate();
}

void TDudOderButton::SetColorTo(TColor value)
{
    FColorTo = value;
    Invalidate();
}

void TDudOderButton::SetColorChecked(TColor value)
{
    FColorChecked = value;
    Invalidate();
}

void TDudOderButton::SetColorCheckedTo(TColor value)
{
    FColorCheckedTo = value;
    Invalidate();
}

void TDudOderButton::SetBorderColor(TColor value)
{
    FBorderColor = value;
    Invalidate();
}

void TDudOderButton::SetStyle(TDudOderButtonStyle value)
{
    FStyle = value;
    Invalidate();
}

void TDudOderButton::SetRounded(bool value)
{
    FRounded = value;
    Invalidate();
}

void TDudOderButton::SetDropDownButton(bool value)
{
    FDropDownButton = value;
    Invalidate();
}

void TDudOderButton::SetDropDownMenu(TPopupMenu* value)
{
    if (FDropDownMenu)
        FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = value;
    if (FDropDownMenu)
        FDropDownMenu->FreeNotification(this);
}

void TDudOderButton::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == FDropDownMenu)
        FDropDownMenu = nullptr;
}

void TDudOderButton::SetGlyph(const TBitmap& value)
{
    FGlyph.Assign(value);
    if (FGlyphDisabled.Empty() && !FGlyph.Empty())
        MakeGreyGlyph(FGlyph, FGlyphDisabled);
    Invalidate();
}

void TDudOderButton::SetShaded(bool value)
{
    FShaded = value;
    if (value && !(ComponentState() & csLoading))
        BuildShade();
}

// The glyph's outline in mid grey on its transparent colour.
void TDudOderButton::BuildShade()
{
    FGlyphShade.SetSize(0, 0);
    if (FGlyph.Empty())
        return;
    const TColor transparent = ColorToRGB(FGlyph.TransparentColor());
    FGlyphShade.SetPixelFormat(FGlyph.PixelFormat());
    FGlyphShade.SetSize(FGlyph.Width(), FGlyph.Height());
    for (int32_t row = 0; row < FGlyph.Height(); ++row) {
        const uint8_t* source = std::as_const(FGlyph).ScanLine(row);
        uint8_t* shade = FGlyphShade.ScanLine(row);
        for (int32_t column = 0; column < FGlyph.Width(); ++column, source += 4, shade += 4) {
            const bool glyphPixel = RGB(source[2], source[1], source[0]) != transparent;
            const TColor color = glyphPixel ? TColor(0x808080) : transparent;
            shade[0] = GetBValue(color);
            shade[1] = GetGValue(color);
            shade[2] = GetRValue(color);
            shade[3] = 255;
        }
    }
    FGlyphShade.SetTransparentColor(transparent);
}

void TDudOderButton::SetLook(int32_t value)
{
    if (value < 0 || value >= static_cast<int32_t>(DudOderButtonLooks.size()))
        return;
    const TDudOderButtonLook& look = DudOderButtonLooks[static_cast<size_t>(value)];
    SetColor(look.Color);
    FColorTo = look.ColorTo;
    FColorHot = look.ColorHot;
    FColorHotTo = look.ColorHotTo;
    FColorDown = look.ColorDown;
    FColorDownTo = look.ColorDownTo;
    FColorChecked = look.ColorChecked;
    FColorCheckedTo = look.ColorCheckedTo;
    FBorderColor = clNone;
    FBorderDownColor = look.BorderDownColor;
    FBorderHotColor = look.BorderHotColor;
    FRounded = look.Rounded;
    FFlat = true;
    Invalidate();
}

void TDudOderButton::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    if (value)
        ThemeAdapt();
}

// The Windows XP colour schemes 1 .. 3 take presets 2 .. 4; no scheme (no
// visual style) takes the classic preset 1.
void TDudOderButton::ThemeAdapt()
{
    const int32_t scheme = IsWinXPOrLater() ? GetXPColorScheme() : 0;
    SetLook(scheme >= 1 && scheme <= 3 ? scheme + 1 : 1);
}

void TDudOderButton::Loaded()
{
    TGraphicControl::Loaded();
    if (FShaded)
        BuildShade();
    if (FAutoThemeAdapt)
        ThemeAdapt();
}

// ---- the group

void TDudOderButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage message { CM_BUTTONPRESSED, FGroupIndex, reinterpret_cast<intptr_t>(this) };
    Parent()->Broadcast(message);
}

void TDudOderButton::CMButtonPressed(TMessage& message)
{
    auto* sender = reinterpret_cast<TDudOderButton*>(message.LParam);
    if (message.WParam != FGroupIndex || sender == this)
        return;
    if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        if (auto* action = dynamic_cast<TCustomAction*>(Action()))
            action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TDudOderButton::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    TGraphicControl::ActionChange(sender, checkDefaults);
    const auto* action = dynamic_cast<const TCustomAction*>(sender);
    if (action && TDudOderButtonActionLink::IsCheckedLinked(FGroupIndex, FAllowAllUp))
        SetDown(action->Checked());
}

// ---- messages

void TDudOderButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_BUTTONPRESSED:
        CMButtonPressed(message);
        return;
    case WM_THEMECHANGED:
    case CM_THEMECHANGED:
        if (FAutoThemeAdapt)
            ThemeAdapt();
        return;
    case WM_LBUTTONDBLCLK:
        TGraphicControl::WndProc(message);
        if (FDown)
            DblClick();
        return;
    default:
        TGraphicControl::WndProc(message);
    }
}

void TDudOderButton::CMMouseEnter(TMessage&)
{
    if (FMouseInControl || !Enabled() || MouseCapture())
        return;
    FMouseInControl = true;
    Repaint();
    MouseEnter();
}

void TDudOderButton::CMMouseLeave(TMessage&)
{
    if (!FMouseInControl || FDragging)
        return;
    FMouseInControl = false;
    Invalidate();
    MouseLeave();
}

void TDudOderButton::CMEnabledChanged(TMessage& message)
{
    TGraphicControl::CMEnabledChanged(message);
    Invalidate();
}

void TDudOderButton::CMFontChanged(TMessage& message)
{
    TGraphicControl::CMFontChanged(message);
    Invalidate();
}

void TDudOderButton::CMTextChanged(TMessage& message)
{
    TGraphicControl::CMTextChanged(message);
    Invalidate();
}

void TDudOderButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(static_cast<uint32_t>(message.WParam), Caption()) && Enabled() && Visible() && Parent()
        && Parent()->Showing()) {
        Click();
        message.Result = 1;
        return;
    }
    TGraphicControl::CMDialogChar(message);
}

// ---- mouse

void TDudOderButton::DoDropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TDudOderButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (FDropDownButton && x > ClientWidth() - DropDownWidth) {
        FState = bsUp;
        DoDropDown();
        if (FDropDownMenu) {
            const TPoint point = ClientToScreen({ 0, Height() });
            FDropDownMenu->Popup(point.X, point.Y);
        }
        return;
    }
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TDudOderButton::MouseMove(TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!FDragging)
        return;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    TButtonState state = FDown ? bsExclusive : (inside ? bsDown : bsUp);
    if (FStyle == tasCheck && FDown)
        state = bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TDudOderButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck)
            SetDown(!FDown);
        if (inside)
            Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown)
            Repaint();
    } else {
        if (FDown)
            FState = bsExclusive;
        Repaint();
    }
    if (inside)
        Click();
}

// ---- painting

void TDudOderButton::Paint()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (FStyle == tasCheck && FDown)
        FState = bsDown;
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    TRect rect = ClientRect();
    PaintFace(rect);

    TPoint offset;
    if (FState == bsDown || FState == bsExclusive) {
        if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
            TRect checked = rect;
            checked.Inflate(1, 1);
            FillFace(canvas, checked, FColorChecked, FColorCheckedTo, clNone);
        }
        if (!FFlat)
            offset = { 1, 1 };
    } else if (FFlat && FMouseInControl && Enabled() && FShaded) {
        offset = { -1, -1 };
    }

    if (FDropDownButton) {
        const int32_t middle = (rect.Top + rect.Bottom) / 2;
        const std::array<TPoint, 3> arrow { TPoint { rect.Right - 8, middle - 1 },
            TPoint { rect.Right - 4, middle - 1 }, TPoint { rect.Right - 6, middle + 1 } };
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetColor(Font().Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Font().Color());
        canvas.Polygon(arrow);
    }
    PaintContent(offset);
}

void TDudOderButton::PaintFace(TRect& rect)
{
    TCanvas& canvas = Canvas();
    if (!FFlat) {
        const bool pressed = FState == bsDown || FState == bsExclusive;
        const int32_t themeState = pressed ? 3 : (FMouseInControl ? 2 : 1);
        const bool themed = FAutoXPStyle && FIsComCtl6 && IsWinXPOrLater()
            && DrawThemePart(canvas, Parent(), u"button", 1, themeState, rect);
        if (!themed)
            DrawFrameControl(canvas, rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        // The frame's edges, as the frame control leaves the rectangle.
        rect.Inflate(-2, -2);
        return;
    }
    if (FBorderDownColor == clNone || FRounded)
        rect.Inflate(-1, -1);
    if (!FMouseInControl || !Enabled()) {
        if (FStyle == tasCheck && FDown) {
            FillFace(canvas, rect, FColorChecked, FColorCheckedTo, FBorderDownColor);
        } else if (FColorTo == clNone) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(Color());
            canvas.FillRect(rect);
        } else {
            const TColor frame = FDown ? FBorderDownColor : (FRounded ? clNone : FBorderColor);
            DrawButtonGradient(canvas, Color(), FColorTo, rect, frame);
        }
        if (FBorderColor != clNone) {
            if (FRounded) {
                rect.Inflate(1, 1);
                DrawRoundFrame(canvas, rect, FBorderColor);
            } else {
                SetPen(canvas, FBorderColor);
                canvas.Brush().SetStyle(bsClear);
                canvas.Rectangle(rect);
                canvas.Brush().SetStyle(bsSolid);
            }
        }
    } else {
        TColor color = FColorHot;
        TColor colorTo = FColorHotTo;
        TColor border = FBorderHotColor;
        if (FState == bsDown) {
            color = FColorDown;
            colorTo = FColorDownTo;
            border = FBorderDownColor;
        } else if (FStyle == tasCheck && FDown) {
            color = FColorChecked;
            colorTo = FColorCheckedTo;
            border = FBorderDownColor;
        }
        FillFace(canvas, rect, color, colorTo, FRounded ? clNone : border);
        if (FRounded) {
            rect.Inflate(1, 1);
            DrawRoundFrame(canvas, rect, border);
        }
        if (FDropDownButton) {
            SetPen(canvas, border);
            canvas.MoveTo(rect.Right - DropDownWidth, rect.Top);
            canvas.LineTo(rect.Right - DropDownWidth, rect.Bottom);
        }
    }
    rect.Inflate(-1, -1);
}

const TBitmap& TDudOderButton::CurrentGlyph() const
{
    const auto orGlyph = [this](const TBitmap& glyph) -> const TBitmap& { return glyph.Empty() ? FGlyph : glyph; };
    const bool down = FState == bsDown || FState == bsExclusive;
    if (FState == bsDisabled)
        return orGlyph(FGlyphDisabled);
    if (FMouseInControl && down)
        return orGlyph(FGlyphDown);
    if (FMouseInControl)
        return orGlyph(FGlyphHot);
    if (down)
        return orGlyph(FGlyphDown);
    return FGlyph;
}

void TDudOderButton::PaintContent(TPoint offset)
{
    TCanvas& canvas = Canvas();
    const String caption = FShowCaption ? Caption() : String();
    const int32_t contentWidth = ClientWidth() - (FDropDownButton ? DropDownWidth : 0);
    TSize captionSize {};
    if (!caption.isEmpty()) {
        TRect measure = Rect(0, 0, contentWidth, 0);
        canvas.DrawText(caption, measure, DT_CALCRECT | DT_SINGLELINE);
        captionSize = { measure.Width(), measure.Height() };
    }
    const TBitmap& glyph = CurrentGlyph();
    const TSize glyphSize { glyph.Width(), glyph.Height() };
    const TButtonContentLayout layout = CalcButtonLayout({ contentWidth, ClientHeight() }, offset, glyphSize,
        captionSize, FLayout, FMargin, FSpacing, false);

    if (!glyph.Empty()) {
        const TPoint glyphPos = caption.isEmpty() ? TPoint {} : layout.GlyphPos;
        if (FMouseInControl && FShaded && Enabled() && FState != bsDown && !FGlyphShade.Empty()) {
            TBitmap shade(FGlyphShade);
            shade.SetTransparent(true);
            canvas.Draw(glyphPos.X + 2, glyphPos.Y + 2, shade);
        }
        TBitmap picture(glyph);
        picture.SetTransparent(FTransparent);
        canvas.Draw(glyphPos.X, glyphPos.Y, picture);
    }
    if (caption.isEmpty())
        return;
    canvas.Brush().SetStyle(bsClear);
    TRect textRect = layout.TextBounds;
    const uint32_t flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (FState == bsDisabled) {
        TRect echo = textRect;
        echo.Offset(1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        canvas.DrawText(caption, echo, flags);
        canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(caption, textRect, flags);
    canvas.Brush().SetStyle(bsSolid);
}
