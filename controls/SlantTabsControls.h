#pragma once

// What the strip's drawing objects share: a rectangle that moves to new
// places with eased animation, a draw state, the polygons of their shape and
// the eased change from one look to another.

#include "controls/SlantTabsInterfaces.h"
#include "controls/SlantTabsUtils.h"
#include "platform/graphics/GPGraphics.h"

#include <vector>

class TSlantTabsLookAndFeelBaseFont;
class TSlantTabsLookAndFeelStyle;

struct TSlantTabPolygon {
    TPolygon Polygon;
    // Borrowed from the looks and controls that made them.
    const TGPBrush* Brush = nullptr;
    const TGPPen* Pen = nullptr;
};

class TSlantTabPolygons {
public:
    int32_t PolygonCount() const { return int32_t(FPolygons.size()); }
    TSlantTabPolygon& GetPolygons(int32_t index) { return FPolygons.at(size_t(index)); }
    TSlantTabPolygons& AddPolygon(const TPolygon& polygon, const TGPBrush* brush = nullptr, const TGPPen* pen = nullptr);
    // Each polygon in turn: filled, then outlined, as the mode allows.
    void DrawTo(TGPGraphics& canvas, TDrawToFunctions functions) const;

private:
    std::vector<TSlantTabPolygon> FPolygons;
};

inline ISlantTabPolygons NewSlantTabPolygons() { return std::make_shared<TSlantTabPolygons>(); }

// One look at one moment.
struct TSlantTabControlProperties {
    TColor FontColor = 0;
    int32_t FontAlpha = 0;
    String FontName;
    int32_t FontSize = 0;
    TGPTextRenderingHint TextRendoringMode = TGPTextRenderingHint::SystemDefault;
    TColor StartColor = 0;
    TColor StopColor = 0;
    TColor OutlineColor = 0;
    float OutlineSize = 0;
    int32_t OutlineAlpha = 0;
    int32_t StartAlpha = 0;
    int32_t StopAlpha = 0;
};

// The eased change of colours, alphas, outline width and font size from the
// current look to a new one.
class TSlantTabControlPropertyItems {
public:
    void SetProperties(TSlantTabsLookAndFeelStyle* style, TSlantTabsLookAndFeelBaseFont* styleFont, TSlantTabsEaseType easeType,
        uint32_t animationTimeMS, TSlantTabsLookAndFeelBaseFont* defaultFont);
    // One step; true when the current look changed.
    bool TransformColors(bool forceUpdate);
    void EndAnimation() { FCurrentTickCount = FEndTickCount; }

    const TSlantTabControlProperties& StartTabProperties() const { return FStartTabProperties; }
    const TSlantTabControlProperties& StopTabProperties() const { return FStopTabProperties; }
    const TSlantTabControlProperties& CurrentTabProperties() const { return FCurrentTabProperties; }
    uint32_t EndTickCount() const { return FEndTickCount; }
    uint32_t CurrentTickCount() const { return FCurrentTickCount; }

private:
    bool FStarted = false;
    uint32_t FStartTickCount = 0;
    uint32_t FEndTickCount = 0;
    uint32_t FCurrentTickCount = 0;
    TSlantTabControlProperties FStartTabProperties;
    TSlantTabControlProperties FStopTabProperties;
    TSlantTabControlProperties FCurrentTabProperties;
    TSlantTabsEaseType FEaseType = ttNone;
};

class TBaseSlantTabsControl {
public:
    explicit TBaseSlantTabsControl(ISlantTabs& slantTabs) : FSlantTabs(slantTabs) { }
    TBaseSlantTabsControl(const TBaseSlantTabsControl&) = delete;
    TBaseSlantTabsControl& operator=(const TBaseSlantTabsControl&) = delete;
    virtual ~TBaseSlantTabsControl() = default;

    const TRect& ControlRect() const { return FControlRect; }
    TRect BiDiControlRect() const;
    const TRect& StartRect() const { return FStartRect; }
    const TRect& EndRect() const { return FEndRect; }
    TDrawState DrawState() const { return FDrawState; }
    TSlantTabItemType ControlType() const { return FControlType; }
    bool ScrollableControl() const { return FScrollableControl; }
    void SetScrollableControl(bool value) { FScrollableControl = value; }
    bool OverrideBidi() const { return FOverrideBidi; }
    void SetOverrideBidi(bool value) { FOverrideBidi = value; }

    virtual void NotifyStateChange();
    // Called when the control is placed without animation.
    virtual void StopStyleAnimation() { }
    // Drops the cached brushes and pens of the control.
    virtual void Invalidate() { }
    virtual void DrawTo(TGPGraphics& canvas, int32_t mouseX, int32_t mouseY, const ISlantTabPolygons& clipPolygons) = 0;
    virtual ISlantTabPolygons GetPolygons() = 0;
    // One step of the movement; true on every step taken, the last included.
    virtual bool AnimateMovement();
    virtual bool AnimateStyle() { return false; }
    TRect ControlRectScrolled() const { return FSlantTabs.ScrolledRect(FControlRect); }
    bool ContainsPoint(TPoint point);
    virtual void SetDrawState(TDrawState value, uint32_t animationTimeMS, TSlantTabsEaseType easeType, bool forceUpdate);
    void SetPosition(const TRect& rect, uint32_t animationTime, TSlantTabsEaseType easeType);
    void SetLeft(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType);
    void SetTop(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType);
    void SetWidth(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType);
    void SetHeight(int32_t value, uint32_t animationTime, TSlantTabsEaseType easeType);

protected:
    ISlantTabPolygons InternalGetPolygons(TSlantTabItemType controlType, const TGPBrush* defaultBrush, const TGPPen* defaultPen);
    TPolygon NewPolygon(const TRect& rect, std::span<const TPoint> points, TTabOrientation orientation) const;
    TPolygon BidiPolygon(const TPolygon& polygon) const;
    TRect ScrolledRect(const TRect& rect) const { return FScrollableControl ? FSlantTabs.ScrolledRect(rect) : rect; }
    TRect BidiRect(const TRect& rect) const { return IsRightToLeft(FSlantTabs.GetBiDiMode()) ? FSlantTabs.RightToLeftRect(rect) : rect; }
    TTabOrientation Orientation() const;

    ISlantTabs& FSlantTabs;
    TDrawState FDrawState = dsUnknown;
    TSlantTabItemType FControlType = itTab;

private:
    TRect FControlRect;
    TRect FStartRect;
    TRect FEndRect;
    uint32_t FStartTicks = 0;
    uint32_t FCurrentTickCount = 0;
    uint32_t FAnimationTime = 0;
    TSlantTabsEaseType FEaseType = ttNone;
    bool FMoving = false;
    bool FPositionInitialised = false;
    bool FScrollableControl = false;
    bool FOverrideBidi = false;
};
