#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

#include <cstdint>

// A check box that draws itself: the box at the left or right, the caption
// beside it, and nothing behind them when Transparent, so it sits on a
// gradient panel. It fires its own clicks: a release over it after a press
// on it, or Space; a read-only box fires them without changing.
class ZEdeVuzavIza : public TCustomControl {
public:
    explicit ZEdeVuzavIza(TComponent* owner);
    ~ZEdeVuzavIza() override;

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    // Flips Checked unless read-only.
    void Toggle();

    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout value);
    // taLeftJustify puts the box at the left, taRightJustify at the right.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool Down() const { return FDown; }
    bool Hot() const { return FHot; }

    void Click() override;

protected:
    void Paint() override;
    bool ErasesBackground() const override { return !FTransparent && TCustomControl::ErasesBackground(); }
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;

private:
    TRect BoxRect(int32_t size, int32_t bottomInset) const;
    void SetDown(bool value);

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    bool FFocused = false;
    bool FReturnIsTab = false;
    TTextLayout FBtnVAlign = tlTop;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    bool FIsWinXP;
    bool FHot = false;
    bool FClicksDisabled = false;
    bool FReadOnly = false;
    bool FMouseDown = false;
    bool FTransparent = false;
};
