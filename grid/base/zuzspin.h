#pragma once

#include "platform/core/DateUtils.h"
#include "platform/ui/Mask.h"
#include "platform/ui/Timer.h"

enum TSpinDirection { spVertical, spHorizontal };
enum TZuzSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum class TTimeBtnStateFlag { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSetOf<TTimeBtnStateFlag>;
using enum TTimeBtnStateFlag;

// Key data bit 22: scan-code bit 6, set for the numeric keypad's keys.
constexpr intptr_t KeypadScanCodeFlag = intptr_t { 1 } << 22;

class TZuzSpinButton;

// An arrow button that repeats its click while held: first after 400 ms,
// then every 100 ms.
class TDudTimerSpeedButton : public TSpeedButton {
public:
    explicit TDudTimerSpeedButton(TComponent* owner);
    ~TDudTimerSpeedButton() override;

    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState state) { FTimeBtnState = state; }
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection direction) { FButtonDirection = direction; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool isWinXP) { FIsWinXP = isWinXP; }
    bool HasMouse() const { return FHasMouse; }
    // Null until the button was first pressed.
    TTimer* RepeatTimer() const { return FRepeatTimer; }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void Paint() override;

private:
    void TimerExpired();
    TZuzSpinButton* Owner() const;

    TTimer* FRepeatTimer = nullptr;
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
};

// A pair of arrow buttons, up and down (or right and left).
class TZuzSpinButton : public TWinControl {
public:
    explicit TZuzSpinButton(TComponent* owner);
    ~TZuzSpinButton() override;

    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    TDudTimerSpeedButton* UpButton() const { return FUpButton; }
    TDudTimerSpeedButton* DownButton() const { return FDownButton; }
    TDudTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection direction);
    // Null restores the built-in arrow.
    void SetUpGlyph(const TBitmap* glyph);
    void SetDownGlyph(const TBitmap* glyph);
    void SetUpNumGlyphs(int32_t count) { FUpButton->SetNumGlyphs(count); }
    void SetDownNumGlyphs(int32_t count) { FDownButton->SetNumGlyphs(count); }
    bool IsWinXP() const { return FIsWinXP; }
    void SetWinXPLook(bool isWinXP);

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor color) { FButtonColor = color; Invalidate(); }
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

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

private:
    TDudTimerSpeedButton* CreateButton(TButtonDirection direction);
    void BtnClick(TComponent* sender);
    void BtnMouseDown(TComponent* sender, TMouseButton button);
    void FocusBtn(TDudTimerSpeedButton* button);
    void AdjustSize(int32_t& width, int32_t& height);

    TDudTimerSpeedButton* FUpButton = nullptr;
    TDudTimerSpeedButton* FDownButton = nullptr;
    TDudTimerSpeedButton* FFocusedButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

// An edit that steps an integer, a number, a date or a time with its arrow
// buttons and keys, keeps it within bounds and refuses characters that
// cannot belong to it.
class TZuzSpinEdit : public TCustomMaskEdit {
public:
    explicit TZuzSpinEdit(TComponent* owner);
    ~TZuzSpinEdit() override;

    TZuzSpinButton* Button() const { return FButton; }

    int32_t Value() const;
    void SetValue(int32_t value);
    double FloatValue() const;
    void SetFloatValue(double value);
    TDateTime DateValue() const;
    void SetDateValue(TDateTime value);
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime value);

    int32_t MinValue() const { return FMinValue; }
    void SetMinValue(int32_t value) { FMinValue = value; }
    int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int32_t value) { FMaxValue = value; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double value) { FMinFloatValue = value; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double value) { FMaxFloatValue = value; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime value) { FMinDateValue = value; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime value) { FMaxDateValue = value; }
    int32_t Increment() const { return FIncrement; }
    void SetIncrement(int32_t increment) { FIncrement = increment; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double increment) { FIncrementFloat = increment; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double increment) { FIncrementFloatPage = increment; }
    int32_t IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int32_t increment) { FIncrementSeconds = increment; }
    int32_t IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int32_t increment) { FIncrementMinutes = increment; }
    int32_t IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int32_t increment) { FIncrementHours = increment; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool enabled) { FEditorEnabled = enabled; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection direction);
    TZuzSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TZuzSpinType spinType);
    int32_t Precision() const { return FPrecision; }
    void SetPrecision(int32_t precision);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool returnIsTab) { FReturnIsTab = returnIsTab; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool excelStyle) { FExcelStyleDecimalSeparator = excelStyle; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool showSeconds) { FShowSeconds = showSeconds; }
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign align);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool flat);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool transparent);
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool allow) { FAllowEmptyValue = allow; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetWinXPLook(bool isWinXP);

    virtual void StepUp(bool page);
    virtual void StepDown(bool page);
    virtual bool CharAllowed(TChar& key);
    virtual void UpButtonClick(TComponent* sender);
    virtual void DownButtonClick(TComponent* sender);

protected:
    void Loaded() override;
    void Resize() override;
    void WndProc(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(TChar& key) override;

private:
    void Step(int32_t sign, bool page);
    void StepDate(int32_t sign);
    void StepTime(int32_t sign);
    void SetEditRect();
    int32_t GetMinHeight() const;
    void SetTextKeepingCaret(const String& text);
    bool Loading() const { return (ComponentState() & csLoading) != 0; }

    int32_t FMinValue = 0;
    int32_t FMaxValue = 100;
    double FMinFloatValue = 0.0;
    double FMaxFloatValue = 100.0;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int32_t FIncrement = 1;
    double FIncrementFloat = 0.1;
    TZuzSpinButton* FButton = nullptr;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TZuzSpinType FSpinType = sptNormal;
    int32_t FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int32_t FIncrementSeconds = 1;
    int32_t FIncrementMinutes = 1;
    int32_t FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
};
