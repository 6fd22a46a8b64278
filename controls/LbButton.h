#pragma once

#include "controls/LbButtons.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Controls.h"

#include <memory>

enum class TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken,
};
using enum TLbColorStyle;

// bsModern, bsShape and bsQuicken are the transparent styles: the parent
// shows around their face.
enum class TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
using enum TLbButtonStyle;

enum class TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
using enum TLbButtonKind;

enum class TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using enum TLbButtonLayout;

// Everything one face of a flat button is drawn from.
struct TLbButtonFace {
    TAlignment Alignment = taCenter;
    String Caption;
    TLbButtonLayout Layout = blGlyphLeft;
    const TFont* Font = nullptr;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor Color = clBtnFace;
    TLbButtonStyle Style = bsNormal;
    bool HasPopupMenu = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    bool Hot = false;
    bool Down = false;
    const TBitmap* Glyph = nullptr;
    int32_t NumGlyphs = 0;
    // 0 (no hot colour) to 8 (the full hot colour).
    int32_t HotTrackStep = 0;
};

// Draws a button face of width by height pixels at (0, 0) of canvas.
void DrawLbButtonFace(TCanvas& canvas, int32_t width, int32_t height, const TLbButtonFace& face);
// The face colour at a fade level: each channel truncate(face·(1−L/8) + hot·L/8).
TColor LbBlendHotTrack(TColor face, TColor hot, int32_t step);
bool IsLbTransparentStyle(TLbButtonStyle style);
// The button's own pictures by resource name ("LBOK" … "LBALL", "LBARROW");
// an unknown name throws.
void LoadLbButtonPicture(const String& name, TBitmap& bitmap);

// The flat push button of the dialogs: self-drawn in six styles, with a
// picture strip (normal, disabled, pressed, hot), stock kinds, a hot colour
// that can fade out after the mouse leaves, and the dialog keys of a button.
class TLbButton : public TCustomControl {
public:
    explicit TLbButton(TComponent* owner);
    ~TLbButton() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool cancel) { FCancel = cancel; }
    bool Default() const { return FDefault; }
    void SetDefault(bool isDefault) { FDefault = isDefault; }
    // Always lcsCustom: a preset only sets the colours and the style.
    TLbColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TLbColorStyle colorStyle);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor color) { FColorWhenDown = color; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool flat);
    const TBitmap& Glyph() const { return *FGlyph; }
    // Null empties the strip; either way the kind becomes bkCustom.
    void SetGlyph(const TBitmap* glyph);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor color) { FHotTrackColor = color; }
    const TFont& HotTrackFont() const { return *FHTFont; }
    void SetHotTrackFont(const TFont& font) { FHTFont->Assign(font); }
    TLbButtonKind Kind() const { return FKind; }
    void SetKind(TLbButtonKind kind);
    TLbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TLbButtonLayout layout);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor color);
    int32_t ModalResult() const { return FModalResult; }
    void SetModalResult(int32_t modalResult);
    int32_t NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int32_t numGlyphs);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor color);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool slowDecease);
    TLbButtonStyle Style() const { return FStyle; }
    void SetStyle(TLbButtonStyle style);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool use) { FUseHTFont = use; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);

    void SetEnabled(bool enabled) override;
    void Click() override;

    // The button's own events; they stand in for the control's of the same name.
    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void CNKeyDown(TMessage& message) override;
    void CNKeyUp(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    // An empty glyph takes the action's picture from its list's images.
    void ActionChange(TBasicAction* sender, bool checkDefaults) override;

    int32_t HotTrackStep() const { return FHotTrackStep; }
    bool IsDown() const { return bDown; }
    bool CursorOnButton() const { return bCursorOnButton; }
    TLbButtonThread* FadeThread() const { return FThread.get(); }

private:
    void CreateFadeThread();
    void StopFadeThread();
    void FadeStep();
    // Clicks; false when a handler freed the button meanwhile.
    bool ClickSurvived();
    bool AcceptsPointer() const;
    TForm* OwningForm() const;

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = clGray;
    TColor FColorWhenDown = clNone;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<TBitmap> FGlyph;
    TColor FHotTrackColor = clNone;
    std::unique_ptr<TFont> FHTFont;
    TLbButtonKind FKind = bkCustom;
    TLbButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = clWhite;
    int32_t FModalResult = 0;
    int32_t FNumGlyphs = 0;
    bool FUseHTFont = false;
    TLbColorStyle FDummyStyle = lcsCustom;
    TLbButtonStyle FStyle = bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    // Enter or Space while its key-down went to this button: only the
    // release of that key clicks, never one whose press went elsewhere (a
    // press that closed a dialog over this button).
    uint16_t FPressedKey = 0;
    std::unique_ptr<TLbButtonThread> FThread;
    int32_t FHotTrackStep = 0;
    // Expires with the button: a click handler may free it (closing its form).
    std::shared_ptr<const bool> FAlive = std::make_shared<const bool>(true);
};
