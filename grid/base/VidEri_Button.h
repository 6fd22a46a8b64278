#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

#include <cstdint>

class TPopupMenu;

enum class TDudOderButtonStyle { tasButton, tasCheck };
using enum TDudOderButtonStyle;
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using enum TButtonLayout;

// Sent to controls when the window theme changes, and the class library's
// own notice of a changed system theme; both make an adapting button pick
// its colours again.
constexpr uint32_t WM_THEMECHANGED = 0x031A;
constexpr uint32_t CM_THEMECHANGED = 0xB035;

// Where a button puts its glyph and caption. Client is the content area,
// glyph and caption the sizes of both (an empty caption measures 0); the
// positions come out in client coordinates, moved by offset.
struct TButtonContentLayout {
    TPoint GlyphPos;
    TRect TextBounds;
};
TButtonContentLayout CalcButtonLayout(TSize client, TPoint offset, TSize glyph, TSize caption, TButtonLayout layout,
    int32_t margin, int32_t spacing, bool rightToLeft);

// What a button takes from its action besides the caption, enabled state,
// hint and visibility: the checked state becomes Down only for a grouped
// button that may be all up.
class TDudOderButtonActionLink {
public:
    static bool IsCheckedLinked(int32_t groupIndex, bool allowAllUp) { return groupIndex != 0 && allowAllUp; }
};

// A flat speed button painted in colours of its own (gradients from Color
// to ColorTo, hot and down colours, a checked colour for the check style),
// with glyphs per state, rounded corners and a drop-down part at its right
// end. Buttons of one parent with the same non-zero GroupIndex stay down one
// at a time.
class TDudOderButton : public TGraphicControl {
public:
    explicit TDudOderButton(TComponent* owner);
    ~TDudOderButton() override;

    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int32_t Spacing() const { return FSpacing; }
    void SetSpacing(int32_t value);
    // -1 centres; smaller values are refused.
    int32_t Margin() const { return FMargin; }
    void SetMargin(int32_t value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor value) { FColorHot = value; }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor value) { FColorHotTo = value; }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor value) { FColorDown = value; }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor value) { FColorDownTo = value; }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderDownColor() const { return FBorderDownColor; }
    void SetBorderDownColor(TColor value) { FBorderDownColor = value; }
    TColor BorderHotColor() const { return FBorderHotColor; }
    void SetBorderHotColor(TColor value) { FBorderHotColor = value; }

    // Setting the glyph also makes a grey disabled glyph when there is none.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    const TBitmap& GlyphDisabled() const { return FGlyphDisabled; }
    void SetGlyphDisabled(const TBitmap& value) { FGlyphDisabled.Assign(value); }
    const TBitmap& GlyphHot() const { return FGlyphHot; }
    void SetGlyphHot(const TBitmap& value) { FGlyphHot.Assign(value); }
    const TBitmap& GlyphDown() const { return FGlyphDown; }
    void SetGlyphDown(const TBitmap& value) { FGlyphDown.Assign(value); }
    // The grey silhouette drawn under the glyph while hot.
    const TBitmap& GlyphShade() const { return FGlyphShade; }
    bool Shaded() const { return FShaded; }
    void SetShaded(bool value);

    TDudOderButtonStyle Style() const { return FStyle; }
    void SetStyle(TDudOderButtonStyle value);
    // A colour preset 0 .. 6; other values change nothing.
    int32_t Look() const { return FLook; }
    void SetLook(int32_t value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    // Non-flat buttons draw the visual style's push button while one is active.
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool value) { FAutoXPStyle = value; }

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    void WndProc(TMessage& message) override;

    TNotifyEvent OnDropDown;

protected:
    void Loaded() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void ActionChange(TBasicAction* sender, bool checkDefaults) override;
    virtual void DoDropDown();

private:
    void UpdateExclusive();
    void CMButtonPressed(TMessage& message);
    void ThemeAdapt();
    void BuildShade();
    void PaintFace(TRect& rect);
    void PaintContent(TPoint offset);
    const TBitmap& CurrentGlyph() const;

    bool FIsComCtl6;
    int32_t FGroupIndex = 0;
    TBitmap FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int32_t FSpacing = 4;
    bool FTransparent = true;
    int32_t FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FColorHot = 0xCAC7C7;
    TColor FColorHotTo = clNone;
    TColor FColorDown = 0xD8D3D2;
    TColor FColorDownTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderDownColor = clNone;
    TColor FBorderHotColor = clNone;
    TBitmap FGlyphDisabled;
    TBitmap FGlyphHot;
    TBitmap FGlyphDown;
    TBitmap FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    TDudOderButtonStyle FStyle = tasButton;
    int32_t FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
};
