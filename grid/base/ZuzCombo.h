#pragma once

#include "platform/ui/StdCtrls.h"

#include <array>
#include <memory>

enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

// Where a caption label of labelSize goes beside a control at control
// (parent coordinates): its top-left. captionWidth is the width the label's
// text is measured at, which the positions left of the control step back by.
TPoint LabelPlacement(TLabelPosition position, const TRect& control, int32_t captionWidth, TSize labelSize,
    int32_t margin);

// What a combo-like control paints its frame and drop button from. The combo
// editor fills it from its own state; the date pickers fill it from theirs.
struct TComboLook {
    // The window's size and its client size.
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t ClientWidth = 0;
    int32_t ClientHeight = 0;
    int32_t ButtonWidth = 0;
    bool Enabled = true;
    bool Flat = false;
    // csSimple: no drop button.
    bool Simple = false;
    // The common controls draw styles; UseThemes: and a style is active.
    bool IsThemed = false;
    bool UseThemes = false;
    bool IsWinXP = false;
    bool IsVista = false;
    bool HasFocus = false;
    // The mouse is over the control or it is the active control.
    bool Active = false;
    bool FocusBorderShown = false;
    bool ButtonHover = false;
    bool MouseButtonDown = false;
    bool DroppedDown = false;
    bool DisabledBorder = true;
    TColor Color = clWindow;
    // The parent's brush colour (button face without a parent).
    TColor ParentColor = clBtnFace;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    TColor FlatLineColor = clNone;
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorDown = clNone;
    // The window a visual style is drawn for.
    const TWinControl* Window = nullptr;
};

// The few points in which the date pickers paint otherwise than the combo.
struct TComboLookVariant {
    // Left edge of a custom-coloured button face, from the button rectangle.
    int32_t ButtonFaceLeft;
    // The drop arrow of a custom-coloured button, from its rectangle's top-left.
    std::array<TPoint, 3> Arrow;
    // The classic drop button is drawn 4 pixels wider and 1 lower at both ends.
    bool ClassicButtonMoved;
    // A flat control with FlatLineColor gets its underline.
    bool FlatUnderline;
    // While active the flat button gets a raised edge (flat while dropped
    // down) instead of losing its edges.
    bool RaisedWhenActive;
};

extern const TComboLookVariant ComboEditorLook;
extern const TComboLookVariant DatePickerLook;

// The painting steps of the combo editor, one routine each, for every
// control that looks like it.
class TComboPainter {
public:
    TComboPainter(const TComboLook& look, const TComboLookVariant& variant) : FLook(look), FVariant(variant) { }

    // The frame and drop button are painted at all: any of the flat look,
    // custom colours, a focus frame while focused, or a themed disabled frame.
    bool CustomPainted() const;
    // The drop button, then its area is cut from the canvas's clip region.
    void DrawButton(TCanvas& canvas) const;
    void DrawBorders(TCanvas& canvas) const;
    void DrawBorder(TCanvas& canvas) const;
    void DrawFlatButton(TCanvas& canvas) const;

private:
    int32_t ThemedButtonState() const;

    const TComboLook& FLook;
    const TComboLookVariant& FVariant;
};

// A combo box that paints its own frame and drop button: a flat look,
// frame, focus and button colours, a caption label placed beside it, a
// width of its own for the dropped list and an event when the list closes.
class TZuzCustomCombo : public TCustomComboBox {
public:
    explicit TZuzCustomCombo(TComponent* owner);
    ~TZuzCustomCombo() override;

    // Takes the current colour as the one restored when the focus leaves.
    void Init() { FNormalColor = Color(); FNormalColorSet = true; }
    // Selects the first item equal to text; nothing when there is none.
    void SelectItem(const String& text);

    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;
    // While loading the colour is also kept as the one applied at load end.
    void SetColor(TColor color);

    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool autoFocus) { FAutoFocus = autoFocus; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool flat);
    bool Etched() const { return FEtched; }
    void SetEtched(bool etched);
    // 14 to 32; other values are ignored.
    int32_t ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int32_t buttonWidth);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool focusBorder) { FFocusBorder = focusBorder; }
    // 0 keeps the platform's width of the dropped list.
    int32_t DropWidth() const { return FDropWidth; }
    void SetDropWidth(int32_t dropWidth);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool isWinXP) { FIsWinXP = isWinXP; }
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool isVista) { FIsVista = isVista; }
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor color);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool flatParentColor);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor color) { FFocusColor = color; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor color) { FFocusBorderColor = color; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor color);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool disabledBorder) { FDisabledBorder = disabledBorder; }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool focusLabel) { FFocusLabel = focusLabel; }

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

    TLabel* ComboLabel() const { return FLabel; }
    String LabelCaption() const;
    void SetLabelCaption(const String& caption);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition position);
    int32_t LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int32_t margin);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool transparent);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool alwaysEnabled);
    TFont& LabelFont() { return FLabelFont; }
    // Taken only when the control does not use its parent's font.
    void SetLabelFont(const TFont& font);

    TNotifyEvent OnDropUp;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMParentFontChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;

    bool UseThemes() const;
    // The state the painting steps work from.
    TComboLook Look() const;
    bool IsActive() const;
    bool IsFocusBorderShown() const;
    bool ButtonHover() const { return FButtonHover; }
    bool MouseInControl() const { return FMouseInControl; }
    bool HasFocus() const { return FHasFocus; }

private:
    void CreateLabel();
    void UpdateLabel();
    void LabelFontChanged();
    void SetLabelBold(bool bold);
    bool Loading() const { return (ComponentState() & csLoading) != 0; }

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = 0;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int32_t FButtonWidth;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int32_t FDropWidth = 0;
    bool FIsWinXP = false;
    bool FIsThemed;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int32_t FLabelMargin = 4;
    TFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    TLabel* FLabel = nullptr;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FFocusBorderColor = clNone;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FNormalColor = 0;
    // Init has run: only then is FNormalColor a colour to restore.
    bool FNormalColorSet = false;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    bool FIsVista = false;
};

class TZuzComboBox : public TZuzCustomCombo {
public:
    using TZuzCustomCombo::TZuzCustomCombo;
};
