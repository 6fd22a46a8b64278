#include "controls/SlantTabControl.h"

#include "controls/SlantTabsClasses.h"
#include "controls/SlantTabsLookAndFeel.h"
#include "controls/SlantTabsOptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/os/Clock.h"

#include <array>
#include <cmath>

TSlantTabControl::TSlantTabControl(ISlantTabs& slantTabs, TSlantTab& tab) : TBaseSlantTabsControl(slantTabs), FSlantTab(tab)
{
    FControlType = itTab;
    SetScrollableControl(true);
}

TSlantTabControl::~TSlantTabControl() = default;

int32_t TSlantTabControl::TabIndex() const { return FSlantTab.Index(); }

void TSlantTabControl::SetCloseButtonState(TDrawState value)
{
    if (value == FCloseButtonState)
        return;
    FCloseButtonState = value;
    FSlantTabs.DoChange(&FSlantTab, tcControlState);
}

void TSlantTabControl::SetDrawState(TDrawState value, uint32_t animationTimeMS, TSlantTabsEaseType easeType, bool forceUpdate)
{
    if (forceUpdate || value != FDrawState) {
        TSlantTabsLookAndFeelTab& look = FSlantTabs.GetLookAndFeel().Tabs();
        FTabProperties = value == dsActive ? &look.Active() : value == dsHot ? &look.Hot() : &look.NotActive();
        TSlantTabsLookAndFeelBaseFont* defaultFont = FTabProperties->Font().UseDefaultFont() ? &look.DefaultFont() : nullptr;
        FSlantTabControlPropertyItems.SetProperties(&FTabProperties->Style(), &FTabProperties->Font(), easeType, animationTimeMS, defaultFont);
        Invalidate();
    }
    TBaseSlantTabsControl::SetDrawState(value, animationTimeMS, easeType, forceUpdate);
}

bool TSlantTabControl::AnimateStyle()
{
    const bool changed = FSlantTabControlPropertyItems.TransformColors(false);
    if (changed)
        Invalidate();
    return changed;
}

void TSlantTabControl::Invalidate()
{
    FBrushInvalidated = true;
    FPenInvalidated = true;
}

void TSlantTabControl::StopStyleAnimation()
{
    FSlantTabControlPropertyItems.EndAnimation();
    AnimateStyle();
}

const TGPBrush& TSlantTabControl::GetTabBrush()
{
    if (FBrushInvalidated) {
        FTabBrush.reset();
        FBrushInvalidated = false;
    }
    if (!FTabBrush) {
        const TSlantTabControlProperties& look = FSlantTabControlPropertyItems.CurrentTabProperties();
        FTabBrush = std::make_unique<TGPLinearGradientBrush>(TGPPointF { 0, float(ControlRect().Top) }, TGPPointF { 0, float(ControlRect().Bottom) },
            MakeGDIPColor(look.StartColor, uint8_t(look.StartAlpha)), MakeGDIPColor(look.StopColor, uint8_t(look.StopAlpha)));
    }
    return *FTabBrush;
}

const TGPPen& TSlantTabControl::GetTabPen()
{
    if (FPenInvalidated) {
        FTabPen.reset();
        FPenInvalidated = false;
    }
    if (!FTabPen) {
        const TSlantTabControlProperties& look = FSlantTabControlPropertyItems.CurrentTabProperties();
        FTabPen = std::make_unique<TGPPen>(MakeGDIPColor(look.OutlineColor, uint8_t(look.OutlineAlpha)), look.OutlineSize);
    }
    return *FTabPen;
}

ISlantTabPolygons TSlantTabControl::GetPolygons()
{
    if (ISlantTabPolygons hooked = InternalGetPolygons(itTab, &GetTabBrush(), &GetTabPen()))
        return hooked;
    const int32_t w = ControlRect().Width();
    const int32_t h = ControlRect().Height();
    // Symmetric, so right-to-left strips need no mirrored shape; the steps
    // near the top round off the corners.
    const std::array<TPoint, 12> shape { { { 0, h }, { 4, h - 3 }, { 12, 3 }, { 13, 2 }, { 14, 1 }, { 16, 0 }, { w - 16, 0 }, { w - 14, 1 },
        { w - 13, 2 }, { w - 12, 3 }, { w - 4, h - 3 }, { w, h } } };
    ISlantTabPolygons polygons = NewSlantTabPolygons();
    polygons->AddPolygon(NewPolygon(BiDiControlRect(), shape, Orientation()), &GetTabBrush(), &GetTabPen());
    return polygons;
}

// ---- close button and content

bool TSlantTabControl::CloseButtonVisible() const
{
    TSlantTabsDisplayOptions& display = FSlantTabs.GetOptions().Display();
    const TSlantTabsOptions& tabs = display.Tabs();
    if (!FSlantTab.Active() && ControlRect().Width() - tabs.ContentOffsetRight() - tabs.ContentOffsetLeft() <= display.CloseButton().AutoHideWidth())
        return false;
    if (FSlantTab.HideCloseButton())
        return false;
    switch (display.CloseButton().Visibility()) {
    case bvNever:
        return false;
    case bvAll:
        return !FSlantTab.Pinned();
    case bvActive:
        return !FSlantTab.Pinned() && FDrawState == dsActive;
    }
    return false;
}

TRect TSlantTabControl::GetCloseButonRect() const
{
    TSlantTabsDisplayOptions& display = FSlantTabs.GetOptions().Display();
    const TSlantTabsCloseButtonProperties& close = display.CloseButton();
    const int32_t left = ControlRect().Right - display.Tabs().ContentOffsetRight() - close.Width() - close.Offsets().Horizontal();
    const int32_t top = ControlRect().Top + close.Offsets().Vertical();
    return { left, top, left + close.Width(), top + close.Height() };
}

TRect TSlantTabControl::GetCloseButtonCrossRect() const
{
    return ContractRect(GetCloseButonRect(), FSlantTabs.GetOptions().Display().CloseButton().CrossRadialOffset());
}

TSlantTabContentLayout TSlantTabControl::CalculateRects() const
{
    TSlantTabContentLayout layout;
    TSlantTabsDisplayOptions& display = FSlantTabs.GetOptions().Display();
    const TSlantTabsOptions& tabs = display.Tabs();
    const TRect cr = ControlRect();
    layout.CloseButtonRect = GetCloseButonRect();
    layout.CrossRect = GetCloseButtonCrossRect();
    layout.CloseButtonVisible = CloseButtonVisible();
    const int32_t contentRight = layout.CloseButtonVisible ? layout.CloseButtonRect.Left - 1 : cr.Right - tabs.ContentOffsetRight();
    int32_t contentLeft = cr.Left + tabs.ContentOffsetLeft();

    TImageList* images = FSlantTabs.GetImages();
    TImageList* overlays = FSlantTabs.GetImagesOverlay();
    layout.ImageVisible = tabs.ShowImages() && images && FSlantTab.ImageIndex() >= 0 && FSlantTab.ImageIndex() < images->Count();
    layout.OverlayVisible = tabs.ShowImages() && overlays && FSlantTab.ImageIndexOverlay() >= 0 && FSlantTab.ImageIndexOverlay() < overlays->Count();
    layout.SpinnerVisible = FSlantTab.SpinnerState() != tssNone && !FSlantTabs.Designing();

    int32_t w = 0;
    int32_t h = 0;
    if (layout.SpinnerVisible) {
        TSlantTabsControlPosition& position = FSlantTab.SpinnerState() == tssRenderedUpload ? display.TabSpinners().Upload().Position()
                                                                                              : display.TabSpinners().Download().Position();
        w = position.Width();
        h = position.Height();
    }
    const bool hideImages = layout.SpinnerVisible && display.TabSpinners().HideImagesWhenSpinnerVisible();
    if (((layout.ImageVisible && !hideImages) || layout.OverlayVisible) && images) {
        w = std::max(w, images->Width());
        h = std::max(h, images->Height());
    }
    if (layout.OverlayVisible) {
        w = std::max(w, overlays->Width());
        h = std::max(h, overlays->Height());
    }
    const bool pinnedWithoutText = FSlantTab.Pinned() && !tabs.ShowPinnedTabText();
    if (contentLeft + w > contentRight) {
        layout.ImageVisible = layout.OverlayVisible = layout.SpinnerVisible = false;
    } else if (pinnedWithoutText) {
        const int32_t left = cr.Left + cr.Width() / 2 - w / 2;
        const int32_t top = cr.Top + cr.Height() / 2 - h / 2;
        layout.ImageRect = { left, top, left + w, top + h };
    } else {
        const int32_t top = cr.Top + cr.Height() / 2 - h / 2;
        layout.ImageRect = { contentLeft, top, contentLeft + w, top + h };
        contentLeft += w + 1;
    }
    layout.TextVisible = !pinnedWithoutText && contentRight - contentLeft >= 5;
    layout.TextRect = { contentLeft, cr.Top, contentRight, cr.Bottom };
    if (layout.CloseButtonVisible && !layout.TextVisible && !layout.ImageVisible && !layout.OverlayVisible && !layout.SpinnerVisible) {
        for (TRect* rect : { &layout.CloseButtonRect, &layout.CrossRect }) {
            const int32_t width = rect->Width();
            rect->Left = cr.Left + cr.Width() / 2 - width / 2;
            rect->Right = rect->Left + width;
        }
    }
    for (TRect* rect : { &layout.ImageRect, &layout.TextRect, &layout.CloseButtonRect, &layout.CrossRect })
        *rect = ScrolledRect(BidiRect(*rect));
    return layout;
}

THitTestArea TSlantTabControl::GetHitTestArea(int32_t mouseX, int32_t mouseY)
{
    const ISlantTabPolygons polygons = GetPolygons();
    // Where the button is drawn: a button left alone on a narrow tab is centred.
    const TSlantTabContentLayout layout = CalculateRects();
    if (layout.CloseButtonVisible && layout.CloseButtonRect.Contains({ mouseX, mouseY }))
        return htCloseButton;
    for (int32_t index = 0; index < polygons->PolygonCount(); ++index)
        if (PointInPolygon(polygons->GetPolygons(index).Polygon, mouseX, mouseY))
            return htTab;
    return htBackground;
}

int32_t TSlantTabControl::GetTabWidthByContent()
{
    if (FSlantTab.Caption() == FLastCaption && FLastCaptionLength > 0)
        return FLastCaptionLength;
    const TSlantTabsOptions& tabs = FSlantTabs.GetOptions().Display().Tabs();
    const int32_t height = std::max(1, ControlRect().Height());
    TBitmap scratch(std::max(1, tabs.MaxWidth()), height);
    TGPGraphics graphics(scratch);
    const TSlantTabControlProperties& stop = FSlantTabControlPropertyItems.StopTabProperties();
    graphics.SetTextRenderingHint(stop.TextRendoringMode);
    TGPStringFormat format;
    format.Trimming = TGPStringTrimming::None;
    const TGPFont font(stop.FontName, float(FSlantTabControlPropertyItems.CurrentTabProperties().FontSize));
    const float measured = graphics.MeasureString(FSlantTab.Caption(), font, { 0, 0, 1000, float(height) }, format).Width;
    const TSlantTabContentLayout layout = CalculateRects();
    const TRect sr = ScrolledRect(ControlRect());
    const int32_t leftPart = layout.ImageVisible || layout.OverlayVisible || layout.SpinnerVisible ? layout.ImageRect.Right - sr.Left
                                                                                                    : tabs.ContentOffsetLeft();
    const int32_t rightPart = sr.Right - layout.CloseButtonRect.Left;
    FLastCaption = FSlantTab.Caption();
    FLastCaptionLength = int32_t(std::nearbyint(measured)) + leftPart + rightPart - tabs.TabOverlap();
    return FLastCaptionLength;
}

// ---- animations

bool TSlantTabControl::AnimateModified()
{
    TSlantTabModifiedDisplayOptions& glow = FSlantTabs.GetOptions().Display().TabModifiedGlow();
    if (!FSlantTab.Modified() || glow.Style() == msNone) {
        FModifiedRunning = false;
        return false;
    }
    const uint32_t now = GetTickCount();
    if (!FModifiedRunning || now - FModifiedStartTicks > glow.AnimationPeriodMS()) {
        FModifiedMovingLeft = !FModifiedMovingLeft;
        FModifiedStartTicks = now;
        FModifiedRunning = true;
    }
    const TRect sr = ScrolledRect(ControlRect());
    const int32_t x = int32_t(std::nearbyint(CalculateEase(now - FModifiedStartTicks, 0, sr.Width() + glow.Width(), glow.AnimationPeriodMS(), glow.EaseType())));
    if (glow.Style() == msRightToLeft || (glow.Style() == msKnightRider && FModifiedMovingLeft))
        FModifiedPosition = sr.Right - x;
    else
        FModifiedPosition = sr.Left - glow.Width() + x;
    return true;
}

bool TSlantTabControl::AnimateSpinner()
{
    TSlantTabsSpinnersOptions& spinners = FSlantTabs.GetOptions().Display().TabSpinners();
    switch (FSlantTab.SpinnerState()) {
    case tssNone:
        return false;
    case tssRenderedUpload:
    case tssRenderedDownload: {
        TSlantTabsSpinnerOptions& spinner = FSlantTab.SpinnerState() == tssRenderedUpload ? spinners.Upload() : spinners.Download();
        if (spinner.ReverseDirection()) {
            FSpinnerRenderedDegrees -= spinner.RenderedAnimationStep();
            if (FSpinnerRenderedDegrees < 0)
                FSpinnerRenderedDegrees += 360;
        } else {
            FSpinnerRenderedDegrees += spinner.RenderedAnimationStep();
            if (FSpinnerRenderedDegrees > 360)
                FSpinnerRenderedDegrees -= 360;
        }
        return true;
    }
    case tssImageUpload:
    case tssImageDownload: {
        const bool upload = FSlantTab.SpinnerState() == tssImageUpload;
        TImageList* images = upload ? FSlantTabs.GetImagesSpinnerUpload() : FSlantTabs.GetImagesSpinnerDownload();
        if (!images)
            return false;
        const int32_t count = images->Count();
        // A list emptied or shrunk since the last step keeps the index in range.
        if (count <= 0) {
            FSpinnerImageIndex = 0;
            return true;
        }
        FSpinnerImageIndex = upload ? FSpinnerImageIndex - 1 : FSpinnerImageIndex + 1;
        if (FSpinnerImageIndex < 0 || FSpinnerImageIndex >= count)
            FSpinnerImageIndex = upload ? count - 1 : 0;
        return true;
    }
    }
    return false;
}

// ---- drawing

void TSlantTabControl::DrawTo(TGPGraphics& canvas, int32_t mouseX, int32_t mouseY, const ISlantTabPolygons& clipPolygons)
{
    if (!FTabProperties)
        return;
    TSlantTabsDisplayOptions& display = FSlantTabs.GetOptions().Display();
    TSlantTabsLookAndFeel& look = FSlantTabs.GetLookAndFeel();
    const int32_t index = TabIndex();
    if (clipPolygons)
        for (int32_t at = 0; at < clipPolygons->PolygonCount(); ++at)
            SetClipByPolygon(canvas, clipPolygons->GetPolygons(at).Polygon, TGPCombineMode::Exclude);
    const TGPRegion savedClip = canvas.Clip();

    const ISlantTabPolygons polygons = GetPolygons();
    const TSlantTabContentLayout layout = CalculateRects();
    if (!FSlantTabs.DoBeforeDrawItem(canvas, ControlRect(), itTab, index))
        polygons->DrawTo(canvas, dfBrush);

    const TPolygon shape = polygons->PolygonCount() > 0 ? polygons->GetPolygons(0).Polygon : nullptr;
    SetClipByPolygon(canvas, shape, TGPCombineMode::Intersect);
    TSlantTabModifiedDisplayOptions& modified = display.TabModifiedGlow();
    if (FSlantTab.Modified() && modified.Style() != msNone && !FSlantTabs.DoBeforeDrawItem(canvas, ControlRect(), itTabModifiedGlow, index)) {
        // Bottom tabs get the glow mirrored at their bottom edge.
        TRect rect { FModifiedPosition, modified.VerticalOffset(), FModifiedPosition + modified.Width(), modified.VerticalOffset() + modified.Height() };
        if (Orientation() == toBottom)
            rect = { rect.Left, ControlRect().Bottom - modified.VerticalOffset() - modified.Height(), rect.Right, ControlRect().Bottom - modified.VerticalOffset() };
        const TSlantTabsLookAndFeelGlow& glow = look.Tabs().Modified();
        DrawGlow(canvas, BidiRect(rect), glow.CentreColor(), glow.CentreAlpha(), glow.OutsideColor(), glow.OutsideAlpha());
    }
    TSlantTabsControlPropertiesEx& mouseGlow = display.TabMouseGlow();
    if (mouseGlow.Visible() && !FSlantTabs.Dragging() && PointInPolygon(shape, mouseX, mouseY)
        && !FSlantTabs.DoBeforeDrawItem(canvas, ControlRect(), itTabMouseGlow, index)) {
        const TRect rect { mouseX - mouseGlow.Width() / 2, mouseY - mouseGlow.Height() / 2, mouseX + mouseGlow.Width() / 2,
            mouseY + mouseGlow.Height() / 2 };
        const TSlantTabsLookAndFeelGlow& glow = look.Tabs().MouseGlow();
        DrawGlow(canvas, rect, glow.CentreColor(), glow.CentreAlpha(), glow.OutsideColor(), glow.OutsideAlpha());
    }
    canvas.SetClip(savedClip, TGPCombineMode::Replace);

    if (layout.TextVisible) {
        if (!FSlantTabs.DoBeforeDrawItem(canvas, layout.TextRect, itTabText, index))
            DrawGDIText(canvas, layout.TextRect);
        FSlantTabs.DoAfterDrawItem(canvas, layout.TextRect, itTabText, index);
    }
    if (!FSlantTabs.DoBeforeDrawItem(canvas, ControlRect(), itTabOutline, index))
        polygons->DrawTo(canvas, dfPen);
    if (layout.CloseButtonVisible) {
        if (!FSlantTabs.DoBeforeDrawItem(canvas, layout.CloseButtonRect, itTabCloseButton, index)) {
            TSlantTabsLookAndFeelCloseButton& close = look.CloseButton();
            TSlantTabsLookAndFeelStyle& circle = FCloseButtonState == dsDown ? close.Circle().Down()
                : FCloseButtonState == dsHot                                 ? close.Circle().Hot()
                                                                             : close.Circle().Normal();
            TSlantTabsLookAndFeelPen& cross = FCloseButtonState == dsDown ? close.Cross().Down()
                : FCloseButtonState == dsHot                              ? close.Cross().Hot()
                                                                          : close.Cross().Normal();
            const TGPRectF button = ToGPRectF(layout.CloseButtonRect);
            canvas.FillEllipse(circle.GetBrush(layout.CloseButtonRect), button);
            canvas.DrawEllipse(circle.GetPen(), button);
            const TRect& x = layout.CrossRect;
            canvas.DrawLine(cross.GetPen(), float(x.Left), float(x.Top), float(x.Right), float(x.Bottom));
            canvas.DrawLine(cross.GetPen(), float(x.Left), float(x.Bottom), float(x.Right), float(x.Top));
        }
        FSlantTabs.DoAfterDrawItem(canvas, layout.CloseButtonRect, itTabCloseButton, index);
    }
    if (!(layout.SpinnerVisible && display.TabSpinners().HideImagesWhenSpinnerVisible())) {
        if (layout.ImageVisible)
            DrawTabImage(canvas, FSlantTabs.GetImages(), FSlantTab.ImageIndex(), layout.ImageRect, itTabImage);
        if (layout.OverlayVisible)
            DrawTabImage(canvas, FSlantTabs.GetImagesOverlay(), FSlantTab.ImageIndexOverlay(), layout.ImageRect, itTabImageOverlay);
    }
    if (layout.SpinnerVisible)
        DrawSpinner(canvas, layout.ImageRect);
    FSlantTabs.DoAfterDrawItem(canvas, ControlRect(), itTab, index);
}

void TSlantTabControl::DrawGDIText(TGPGraphics& canvas, const TRect& textRect)
{
    const TSlantTabsOptions& tabs = FSlantTabs.GetOptions().Display().Tabs();
    const bool debug = FSlantTabs.GetOptions().Behaviour().DebugMode();
    const TBiDiMode bidi = FSlantTabs.GetBiDiMode();
    const TSlantTabControlProperties& now = FSlantTabControlPropertyItems.CurrentTabProperties();
    const TSlantTabControlProperties& stop = FSlantTabControlPropertyItems.StopTabProperties();
    const TGPFont font(stop.FontName, debug ? 7.0f : float(now.FontSize));
    const TGPRectF layout = ToGPRectF(textRect);
    TGPLinearGradientBrush brush(layout, MakeGDIPColor(now.FontColor, uint8_t(now.FontAlpha)), MakeGDIPColor(now.FontColor, 0),
        TGPLinearGradientMode::Horizontal);
    canvas.SetTextRenderingHint(stop.TextRendoringMode);
    const int32_t width = textRect.Width();
    // Below 12 pixels the fade would start before the text; it starts at the text instead.
    float fadeStart = std::max(0.0f, width > 80 ? 0.85f : 0.85f - float(80 - width) / 80);
    std::array<float, 3> factors { 0, 0, 0 };
    TGPStringFormat format;
    format.Trimming = TGPStringTrimming::None;
    if (tabs.TabWidthFromContent() && tabs.MaxWidth() + tabs.TabOverlap() > ControlRect().Width()) {
        factors = { 0, 0, 0 };
    } else if (tabs.TextTrimType() == tttFade) {
        if (bidi == bdRightToLeft) {
            factors = { 1, 0, 0 };
            fadeStart = 1 - fadeStart;
        } else {
            factors = { 0, 0, 1 };
        }
    } else {
        format.Trimming = static_cast<TGPStringTrimming>(int(tabs.TextTrimType()));
    }
    const std::array<float, 3> positions { 0, fadeStart, 1 };
    brush.SetBlend(factors, positions);
    switch (tabs.TextAlignmentVertical()) {
    case taAlignTop:
        format.LineAlignment = TGPStringAlignment::Near;
        break;
    case taAlignBottom:
        format.LineAlignment = TGPStringAlignment::Far;
        break;
    case taVerticalCenter:
        format.LineAlignment = TGPStringAlignment::Center;
        break;
    }
    const bool nearIsLeft = bidi == bdLeftToRight || bidi == bdRightToLeft;
    switch (tabs.TextAlignmentHorizontal()) {
    case taLeftJustify:
        format.Alignment = nearIsLeft ? TGPStringAlignment::Near : TGPStringAlignment::Far;
        break;
    case taRightJustify:
        format.Alignment = nearIsLeft ? TGPStringAlignment::Far : TGPStringAlignment::Near;
        break;
    case taCenter:
        format.Alignment = TGPStringAlignment::Center;
        break;
    }
    if (!debug) {
        if (!tabs.WordWrap())
            format.FormatFlags |= StringFormatFlagsNoWrap;
        if (bidi != bdLeftToRight)
            format.FormatFlags |= StringFormatFlagsDirectionRightToLeft;
    }
    const TRect& r = ControlRect();
    const String text = debug ? QStringLiteral("L: %1, T: %2, R: %3: B: %4 W: %5 H: %6")
                                    .arg(r.Left)
                                    .arg(r.Top)
                                    .arg(r.Right)
                                    .arg(r.Bottom)
                                    .arg(r.Width())
                                    .arg(r.Height())
                              : FSlantTab.Caption();
    canvas.DrawString(text, font, layout, format, brush);
}

void TSlantTabControl::DrawGlow(TGPGraphics& canvas, const TRect& rect, TColor centreColor, uint8_t centreAlpha, TColor outsideColor, uint8_t outsideAlpha)
{
    const TGPRectF ellipse = ToGPRectF(rect);
    TGPGraphicsPath path;
    path.AddEllipse(ellipse);
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterPoint({ float(rect.Left + rect.Width() / 2), float(rect.Top + rect.Height() / 2) });
    brush.SetCenterColor(MakeGDIPColor(centreColor, centreAlpha));
    brush.SetSurroundColor(MakeGDIPColor(outsideColor, outsideAlpha));
    canvas.FillPath(brush, path);
}

void TSlantTabControl::DrawTabImage(TGPGraphics& canvas, TImageList* images, int32_t index, const TRect& rect, TSlantTabItemType itemType)
{
    if (!FSlantTabs.DoBeforeDrawItem(canvas, rect, itemType, TabIndex()) && images && index >= 0 && index < images->Count()) {
        TBitmap picture;
        images->GetBitmap(index, picture);
        canvas.DrawImage(picture, rect.Left, rect.Top);
    }
    FSlantTabs.DoAfterDrawItem(canvas, rect, itemType, TabIndex());
}

void TSlantTabControl::DrawSpinner(TGPGraphics& canvas, const TRect& rect)
{
    if (FSlantTabs.DoBeforeDrawItem(canvas, rect, itTabImageSpinner, TabIndex()))
        return;
    TSlantTabsSpinnersOptions& spinners = FSlantTabs.GetOptions().Display().TabSpinners();
    switch (FSlantTab.SpinnerState()) {
    case tssRenderedUpload:
    case tssRenderedDownload: {
        const bool upload = FSlantTab.SpinnerState() == tssRenderedUpload;
        TSlantTabsSpinnerOptions& spinner = upload ? spinners.Upload() : spinners.Download();
        TSlantTabsLookAndFeelPen& look = upload ? FSlantTabs.GetLookAndFeel().Tabs().Spinners().Upload() : FSlantTabs.GetLookAndFeel().Tabs().Spinners().Download();
        const float half = look.Thickness() / 2;
        TSlantTabsControlPosition& position = spinner.Position();
        const TGPRectF box { rect.Left + position.Offsets().Horizontal() + half, rect.Top + position.Offsets().Vertical() + half,
            position.Width() - 2 * half, position.Height() - 2 * half };
        canvas.DrawArc(TGPPen(MakeGDIPColor(look.Color(), uint8_t(look.Alpha() & 0xFF)), look.Thickness()), box, float(FSpinnerRenderedDegrees),
            float(spinner.SweepAngle()));
        break;
    }
    case tssImageUpload:
        DrawTabImage(canvas, FSlantTabs.GetImagesSpinnerUpload(), FSpinnerImageIndex, rect, itTabImageSpinner);
        break;
    case tssImageDownload:
        DrawTabImage(canvas, FSlantTabs.GetImagesSpinnerDownload(), FSpinnerImageIndex, rect, itTabImageSpinner);
        break;
    case tssNone:
        break;
    }
}
