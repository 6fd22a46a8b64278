#pragma once

// The date picker of the grid's cell editors: the platform picker, with a
// "metro" look in which it paints its own flat frame and drop button (the
// combo editor's painting steps), and a one-pixel flat frame when Ctl3D is
// off. Values, keys and the calendar are the platform picker's.

#include "grid/base/ZuzCombo.h"
#include "platform/ui/DateTimePicker.h"

class TZuzDateTimePicker : public TDateTimePicker {
public:
    explicit TZuzDateTimePicker(TComponent* owner);
    ~TZuzDateTimePicker() override;

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle style);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor color);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool metroStyle);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor color) { FFocusBorderColor = color; }
    // A disabled control keeps its normal frame.
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool disabledBorder) { FDisabledBorder = disabledBorder; }
    // A sunken frame while hot or focused.
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool focusBorder) { FFocusBorder = focusBorder; }
    int32_t MetroButtonWidth() const { return FButtonWidth; }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor color) { FButtonColor = color; }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor color) { FButtonColorHot = color; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor color) { FButtonColorDown = color; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor color) { FButtonTextColor = color; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor color) { FButtonTextColorHot = color; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor color) { FButtonTextColorDown = color; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor color) { FButtonBorderColor = color; }

    // Read-only: assigning it changes nothing.
    String Version() const;
    void SetVersion(const String&) { }

protected:
    virtual uint32_t GetVersionNr() const;
    virtual bool IsMetroActive() const;
    // The flat one-pixel frame is drawn.
    virtual bool FlatFrameWanted() const;
    void Paint() override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;

    bool UseThemes() const;
    TComboLook Look() const;
    // The frame and flat button of the metro look.
    void DrawBorders(TCanvas& canvas) const;
    void DrawFlatFrame(TCanvas& canvas) const;
    // What the platform would paint in the non-client area: the flat frame
    // and the borders it asks for.
    void PaintNonClient(TCanvas& canvas) const;
    // The metro drop button over the platform's.
    void PaintMetroButton(TCanvas& canvas, const TRect& themedArea) const;

private:
    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clNone;
    bool FIsThemed;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    int32_t FButtonWidth;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;
};

// Four bytes, most significant first, joined by ".".
String VersionText(uint32_t version);
