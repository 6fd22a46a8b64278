#include "controls/SlantTabsButtonControls.h"

#include "controls/SlantTabsLookAndFeel.h"
#include "controls/SlantTabsOptions.h"

#include <array>

namespace {

std::unique_ptr<TGPBrush> LookBrush(const TSlantTabControlPropertyItems& items, const TRect& rect)
{
    const TSlantTabControlProperties& look = items.CurrentTabProperties();
    return std::make_unique<TGPLinearGradientBrush>(TGPPointF { 0, float(rect.Top) }, TGPPointF { 0, float(rect.Bottom) },
        MakeGDIPColor(look.StartColor, uint8_t(look.StartAlpha)), MakeGDIPColor(look.StopColor, uint8_t(look.StopAlpha)));
}

std::unique_ptr<TGPPen> LookPen(const TSlantTabControlPropertyItems& items)
{
    const TSlantTabControlProperties& look = items.CurrentTabProperties();
    return std::make_unique<TGPPen>(MakeGDIPColor(look.OutlineColor, uint8_t(look.OutlineAlpha)), look.OutlineSize);
}

} // namespace

void TBaseSlantButtonControl::SetDrawState(TDrawState value, uint32_t animationTimeMS, TSlantTabsEaseType easeType, bool forceUpdate)
{
    if (forceUpdate || value != FDrawState) {
        FDrawState = value;
        SetStylesForState();
        FButtonControlPropertyItems.SetProperties(FButtonStyle, nullptr, easeType, animationTimeMS, nullptr);
        FSymbolControlPropertyItems.SetProperties(FSymbolStyle, nullptr, easeType, animationTimeMS, nullptr);
        Invalidate();
    }
    TBaseSlantTabsControl::SetDrawState(value, animationTimeMS, easeType, forceUpdate);
}

bool TBaseSlantButtonControl::AnimateStyle()
{
    bool changed = false;
    if (FButtonControlPropertyItems.TransformColors(false)) {
        changed = true;
        FButtonBrush.reset();
        FButtonPen.reset();
        if (FSymbolControlPropertyItems.TransformColors(false)) {
            FSymbolBrush.reset();
            FSymbolPen.reset();
        }
    }
    if (changed)
        Invalidate();
    return changed;
}

void TBaseSlantButtonControl::Invalidate()
{
    FButtonBrush.reset();
    FButtonPen.reset();
    FSymbolBrush.reset();
    FSymbolPen.reset();
}

const TGPBrush& TBaseSlantButtonControl::GetButtonBrush()
{
    if (!FButtonBrush)
        FButtonBrush = LookBrush(FButtonControlPropertyItems, ControlRect());
    return *FButtonBrush;
}

const TGPPen& TBaseSlantButtonControl::GetButtonPen()
{
    if (!FButtonPen)
        FButtonPen = LookPen(FButtonControlPropertyItems);
    return *FButtonPen;
}

const TGPBrush& TBaseSlantButtonControl::GetSymbolBrush()
{
    if (!FSymbolBrush)
        FSymbolBrush = LookBrush(FSymbolControlPropertyItems, ControlRect());
    return *FSymbolBrush;
}

const TGPPen& TBaseSlantButtonControl::GetSymbolPen()
{
    if (!FSymbolPen)
        FSymbolPen = LookPen(FSymbolControlPropertyItems);
    return *FSymbolPen;
}

// ---- add button

TAddButtonControl::TAddButtonControl(ISlantTabs& slantTabs) : TBaseSlantButtonControl(slantTabs)
{
    FControlType = itAddButton;
    SetStylesForState();
}

void TAddButtonControl::SetStylesForState()
{
    TSlantTabsLookAndFeelAddButton& look = FSlantTabs.GetLookAndFeel().AddButton();
    switch (FDrawState) {
    case dsDown:
        FButtonStyle = &look.Button().Down();
        FSymbolStyle = &look.PlusSign().Down();
        break;
    case dsHot:
        FButtonStyle = &look.Button().Hot();
        FSymbolStyle = &look.PlusSign().Hot();
        break;
    default:
        FButtonStyle = &look.Button().Normal();
        FSymbolStyle = &look.PlusSign().Normal();
        break;
    }
}

ISlantTabPolygons TAddButtonControl::GetPolygons()
{
    if (ISlantTabPolygons hooked = InternalGetPolygons(itAddButton, &GetButtonBrush(), &GetButtonPen()))
        return hooked;
    ISlantTabPolygons polygons = NewSlantTabPolygons();
    const TRect rect = BiDiControlRect();
    const int32_t w = rect.Width();
    const int32_t h = rect.Height();
    // The top edge leans left of the bottom edge.
    const std::array<TPoint, 8> body { { { 7, h }, { 4, h - 2 }, { 0, 2 }, { 1, 0 }, { w - 7, 0 }, { w - 4, 2 }, { w, h - 2 }, { w, h } } };
    polygons->AddPolygon(BidiPolygon(NewPolygon(rect, body, Orientation())), &GetButtonBrush(), &GetButtonPen());
    TSlantTabsAddButtonProperties& options = FSlantTabs.GetOptions().Display().AddButton();
    if (options.ShowPlusSign()) {
        const int32_t dx = options.Width() / 2 - 4;
        const int32_t dy = options.Height() / 2 - 4;
        const TRect area { rect.Left + dx, rect.Top + dy, rect.Right - dx, rect.Bottom - dy };
        const std::array<TPoint, 13> plus { { { 0, 3 }, { 3, 3 }, { 3, 0 }, { 6, 0 }, { 6, 3 }, { 9, 3 }, { 9, 6 }, { 6, 6 }, { 6, 9 }, { 3, 9 },
            { 3, 6 }, { 0, 6 }, { 0, 3 } } };
        polygons->AddPolygon(BidiPolygon(NewPolygon(area, plus, Orientation())), &GetSymbolBrush(), &GetSymbolPen());
    }
    return polygons;
}

void TAddButtonControl::DrawTo(TGPGraphics& canvas, int32_t, int32_t, const ISlantTabPolygons&)
{
    if (!FSlantTabs.DoBeforeDrawItem(canvas, ControlRect(), itAddButton, -1))
        GetPolygons()->DrawTo(canvas, dfBrushAndPen);
    FSlantTabs.DoAfterDrawItem(canvas, ControlRect(), itAddButton, -1);
}

// ---- scroll buttons

TScrollButtonControl::TScrollButtonControl(ISlantTabs& slantTabs, TSlantTabItemType controlType) : TBaseSlantButtonControl(slantTabs)
{
    FControlType = controlType;
}

void TScrollButtonControl::SetStylesForState()
{
    TSlantTabsLookAndFeelScrollButton& look = FSlantTabs.GetLookAndFeel().ScrollButtons();
    switch (FDrawState) {
    case dsDown:
        FButtonStyle = &look.Button().Down();
        FSymbolStyle = &look.Arrow().Down();
        break;
    case dsHot:
        FButtonStyle = &look.Button().Hot();
        FSymbolStyle = &look.Arrow().Hot();
        break;
    case dsDisabled:
        FButtonStyle = &look.Button().Disabled();
        FSymbolStyle = &look.Arrow().Disabled();
        break;
    default:
        FButtonStyle = &look.Button().Normal();
        FSymbolStyle = &look.Arrow().Normal();
        break;
    }
}

ISlantTabPolygons TScrollButtonControl::GetPolygons()
{
    if (ISlantTabPolygons hooked = InternalGetPolygons(FControlType, &GetButtonBrush(), &GetButtonPen()))
        return hooked;
    ISlantTabPolygons polygons = NewSlantTabPolygons();
    const TRect rect = BiDiControlRect();
    const int32_t w = ControlRect().Width();
    const int32_t h = ControlRect().Height();
    const std::array<TPoint, 4> body { { { 0, h }, { 0, 0 }, { w, 0 }, { w, h } } };
    polygons->AddPolygon(BidiPolygon(NewPolygon(rect, body, Orientation())), &GetButtonBrush(), &GetButtonPen());
    const std::array<TPoint, 4> left { { { 3, h / 2 }, { w - 3, 2 }, { w - 3, h - 2 }, { 3, h / 2 } } };
    const std::array<TPoint, 4> right { { { w - 3, h / 2 }, { 3, 2 }, { 3, h - 2 }, { w - 3, h / 2 } } };
    polygons->AddPolygon(BidiPolygon(NewPolygon(rect, FControlType == itScrollLeftButton ? left : right, Orientation())), &GetSymbolBrush(),
        &GetSymbolPen());
    return polygons;
}

void TScrollButtonControl::DrawTo(TGPGraphics& canvas, int32_t, int32_t, const ISlantTabPolygons&)
{
    if (!FSlantTabs.DoBeforeDrawItem(canvas, ControlRect(), FControlType, -1))
        GetPolygons()->DrawTo(canvas, dfBrushAndPen);
    FSlantTabs.DoAfterDrawItem(canvas, ControlRect(), FControlType, -1);
}
