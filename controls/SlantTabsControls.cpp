#include "controls/SlantTabsControls.h"

#include "controls/SlantTabsLookAndFeel.h"
#include "controls/SlantTabsOptions.h"
#include "platform/os/Clock.h"

#include <cmath>

// ---- polygons

TSlantTabPolygons& TSlantTabPolygons::AddPolygon(const TPolygon& polygon, const TGPBrush* brush, const TGPPen* pen)
{
    FPolygons.push_back({ polygon, brush, pen });
    return *this;
}

void TSlantTabPolygons::DrawTo(TGPGraphics& canvas, TDrawToFunctions functions) const
{
    for (const TSlantTabPolygon& polygon : FPolygons) {
        if (!polygon.Polygon)
            continue;
        if (polygon.Brush && functions != dfPen)
            canvas.FillPolygon(*polygon.Brush, *polygon.Polygon);
        if (polygon.Pen && functions != dfBrush)
            canvas.DrawPolygon(*polygon.Pen, *polygon.Polygon);
    }
}

// ---- look transition

void TSlantTabControlPropertyItems::SetProperties(TSlantTabsLookAndFeelStyle* style, TSlantTabsLookAndFeelBaseFont* styleFont,
    TSlantTabsEaseType easeType, uint32_t animationTimeMS, TSlantTabsLookAndFeelBaseFont* defaultFont)
{
    FEaseType = easeType;
    TSlantTabsLookAndFeelBaseFont* font = defaultFont ? defaultFont : styleFont;
    TSlantTabsLookAndFeelBaseFont fallback(static_cast<TSlantTabsPersistent*>(nullptr));
    if (!font)
        font = &fallback;
    FStopTabProperties.FontColor = font->Color();
    FStopTabProperties.FontAlpha = font->Alpha();
    FStopTabProperties.FontName = font->Name();
    FStopTabProperties.FontSize = font->Size();
    FStopTabProperties.TextRendoringMode = font->TextRendoringMode();
    if (style) {
        FStopTabProperties.StartColor = style->StartColor();
        FStopTabProperties.StopColor = style->StopColor();
        FStopTabProperties.OutlineColor = style->OutlineColor();
        FStopTabProperties.OutlineSize = style->OutlineSize();
        FStopTabProperties.OutlineAlpha = style->OutlineAlpha();
        FStopTabProperties.StartAlpha = style->StartAlpha();
        FStopTabProperties.StopAlpha = style->StopAlpha();
    }
    FStartTabProperties = FCurrentTabProperties;
    FStarted = true;
    FStartTickCount = GetTickCount();
    FCurrentTickCount = 0;
    if (easeType != ttNone) {
        FEndTickCount = animationTimeMS;
    } else {
        FEndTickCount = 0;
        TransformColors(true);
    }
}

bool TSlantTabControlPropertyItems::TransformColors(bool forceUpdate)
{
    if (!forceUpdate && (!FStarted || FCurrentTickCount >= FEndTickCount))
        return false;
    int32_t percent = 100;
    if (!forceUpdate) {
        FCurrentTickCount = std::min(GetTickCount() - FStartTickCount, FEndTickCount);
        percent = int32_t(std::nearbyint(CalculateEase(FCurrentTickCount, 0, 100, FEndTickCount, FEaseType)));
    }
    const TSlantTabControlProperties& from = FStartTabProperties;
    const TSlantTabControlProperties& to = FStopTabProperties;
    TSlantTabControlProperties& now = FCurrentTabProperties;
    now.FontColor = ColorBetween(from.FontColor, to.FontColor, percent);
    now.StartColor = ColorBetween(from.StartColor, to.StartColor, percent);
    now.StopColor = ColorBetween(from.StopColor, to.StopColor, percent);
    now.OutlineColor = ColorBetween(from.OutlineColor, to.OutlineColor, percent);
    now.FontAlpha = IntegerBetween(from.FontAlpha, to.FontAlpha, percent);
    now.FontSize = IntegerBetween(from.FontSize, to.FontSize, percent);
    now.StartAlpha = IntegerBetween(from.StartAlpha, to.StartAlpha, percent);
    now.StopAlpha = IntegerBetween(from.StopAlpha, to.StopAlpha, percent);
    now.OutlineAlpha = IntegerBetween(from.OutlineAlpha, to.OutlineAlpha, percent);
    now.OutlineSize = SingleBetween(from.OutlineSize, to.OutlineSize, percent);
    return true;
}

// ---- base control

TRect TBaseSlantTabsControl::BiDiControlRect() const { return FOverrideBidi ? FControlRect : FSlantTabs.RightToLeftRect(FControlRect); }

TTabOrientation TBaseSlantTabsControl::Orientation() const { return FSlantTabs.GetOptions().Display().Tabs().Orientation(); }

void TBaseSlantTabsControl::NotifyStateChange() { FSlantTabs.DoChange(nullptr, tcControlState); }

void TBaseSlantTabsControl::SetDrawState(TDrawState value, uint32_t, TSlantTabsEaseType, bool forceUpdate)
{
    if (!forceUpdate && value == FDrawState)
        return;
    FDrawState = value;
    NotifyStateChange();
}

void TBaseSlantTabsControl::SetPosition(const TRect& rect, uint32_t animationTime, TSlantTabsEaseType easeType)
{
    FEaseType = easeType;
    FAnimationTime = animationTime;
    // A zero duration has nothing to animate: it places at once like no ease.
    if (FPositionInitialised && easeType != ttNone && animationTime > 0) {
        if (rect == FEndRect)
            return;
        FEndRect = rect;
        FStartRect = FControlRect;
        FStartTicks = GetTickCount();
        FCurrentTickCount = 0;
        FMoving = true;
        return;
    }
    FPositionInitialised = true;
    StopStyleAnimation();
    FControlRect = FStartRect = FEndRect = rect;
    FMoving = false;
    FCurrentTickCount = animationTime;
}

bool TBaseSlantTabsControl::AnimateMovement()
{
    if (!FMoving || FCurrentTickCount >= FAnimationTime)
        return false;
    FCurrentTickCount = std::min(GetTickCount() - FStartTicks, FAnimationTime);
    FControlRect = CalculateRectEase(FStartRect, FEndRect, FCurrentTickCount, FAnimationTime, FEaseType);
    return true;
}

void TBaseSlantTabsControl::SetLeft(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType)
{
    SetPosition({ value, FControlRect.Top, value + FControlRect.Width(), FControlRect.Bottom }, animationTime, easeType);
}

void TBaseSlantTabsControl::SetTop(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType)
{
    SetPosition({ FControlRect.Left, value, FControlRect.Right, value + FControlRect.Height() }, animationTime, easeType);
}

void TBaseSlantTabsControl::SetWidth(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType)
{
    SetPosition({ FControlRect.Left, FControlRect.Top, FControlRect.Left + value, FControlRect.Bottom }, animationTime, easeType);
}

void TBaseSlantTabsControl::SetHeight(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType)
{
    SetPosition({ FControlRect.Left, FControlRect.Top, FControlRect.Right, FControlRect.Top + value }, animationTime, easeType);
}

bool TBaseSlantTabsControl::ContainsPoint(TPoint point)
{
    const ISlantTabPolygons polygons = GetPolygons();
    if (!polygons)
        return false;
    for (int32_t index = 0; index < polygons->PolygonCount(); ++index)
        if (PointInPolygon(polygons->GetPolygons(index).Polygon, point.X, point.Y))
            return true;
    return false;
}

ISlantTabPolygons TBaseSlantTabsControl::InternalGetPolygons(TSlantTabItemType controlType, const TGPBrush* defaultBrush, const TGPPen* defaultPen)
{
    ISlantTabPolygons polygons = FSlantTabs.DoGetControlPolygons(*this, FControlRect, controlType, Orientation());
    if (polygons)
        for (int32_t index = 0; index < polygons->PolygonCount(); ++index) {
            TSlantTabPolygon& polygon = polygons->GetPolygons(index);
            if (!polygon.Brush)
                polygon.Brush = defaultBrush;
            if (!polygon.Pen)
                polygon.Pen = defaultPen;
        }
    return polygons;
}

TPolygon TBaseSlantTabsControl::NewPolygon(const TRect& rect, std::span<const TPoint> points, TTabOrientation orientation) const
{
    return PlacePolygon(ScrolledRect(rect), points, orientation);
}

TPolygon TBaseSlantTabsControl::BidiPolygon(const TPolygon& polygon) const
{
    return IsRightToLeft(FSlantTabs.GetBiDiMode()) ? BidiFlipPolygon(BiDiControlRect(), polygon) : polygon;
}
