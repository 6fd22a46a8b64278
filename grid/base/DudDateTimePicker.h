#pragma once

// The date-time picker of the grid: TCustomDateTimePicker is the date
// picker with the metro look drawn only when asked and with automatic
// advance to the next field while digits are typed (AutoTab);
// TDudDateTimePicker shows a date, a time or both, the time part of both in
// a second picker laid into its right edge, and an optional caption label.

#include "grid/base/ZuzDateTimePicker.h"

class TLabel;

// The name of the message a picker posts to itself after a typed digit, to
// move to the next field once the digit has been taken.
uint32_t DTPShiftFocusMessage();

class TCustomDateTimePicker : public TZuzDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* owner);
    ~TCustomDateTimePicker() override;

    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool autoTab) { FAutoTab = autoTab; }
    void SetBorderStyle(TBorderStyle style) override;

protected:
    // Moves to the next field when the typed digit completed the current one.
    virtual void ShiftFocus();
    // The platform paints alone: no metro look.
    virtual bool NativePaint() const { return true; }
    bool IsMetroActive() const override;
    bool FlatFrameWanted() const override;
    void WndProc(TMessage& message) override;
    void KeyPress(TChar& key) override;
    void Paint() override;

    // The time of day when the last digit was typed.
    int Fh = 0;
    int Fm = 0;
    int Fs = 0;
    int Fms = 0;

private:
    bool FAutoTab = false;
};

enum class TDudDateTimeKind { dkDate, dkTime, dkDateTime };
using enum TDudDateTimeKind;

// What decides where the time part sits in the control's right edge.
struct TTimePartLook {
    bool VistaOrLater = true;
    bool ComCtl6 = true;
    bool ThemeApi = false;
    bool ThemeActive = false;
    bool Metro = false;
    // A bevel is set (inner or outer) with a bevel kind.
    bool Bevel = false;
};

// The time part's bounds, right-aligned in a control of that size, for a
// time part textWidth + 31 pixels wide.
TRect TimePartBounds(const TTimePartLook& look, int32_t width, int32_t height, int32_t textWidth);

class TDudDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TDudDateTimePicker(TComponent* owner);
    ~TDudDateTimePicker() override;

    TDudDateTimeKind DudKind() const { return FKind; }
    void SetDudKind(TDudDateTimeKind kind);
    // The time part's picker while both are shown; null otherwise.
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

    // Whole seconds: milliseconds are dropped. The time part's time is
    // taken into the value first.
    TDateTime DateTime();
    virtual void SetDateTime(TDateTime value);
    // The control's own time of day stays.
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    const String& TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const String& format);
    void SetAutoTab(bool autoTab) override;
    void SetBorderStyle(TBorderStyle style) override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void SetParent(TWinControl* parent) override;

    TLabel* PickerLabel() const { return FLabel; }
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
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool focusLabel) { FFocusLabel = focusLabel; }
    // The label's font while the control does not lend it its own
    // (ParentFont); changing it re-places the label.
    TFont& LabelFont() { return FLabelFont; }
    // Taken only while ParentFont is off.
    void SetLabelFont(const TFont& font);

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    uint32_t GetVersionNr() const override;
    void Loaded() override;
    virtual void DoChange();
    virtual void DoClick();
    virtual void TimePickerKeyPress(TChar& key);
    void ApplyDateTime(TDateTime value) override;
    void ShiftFocus() override;
    bool NativePaint() const override { return false; }
    void WndProc(TMessage& message) override;
    void KeyPress(TChar& key) override;
    void Notification(TComponent* component, TOperation operation) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMParentFontChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void Resize() override;
    void Paint() override;

private:
    void CreateTimePicker();
    void UpdateTimePicker();
    // The time part follows the check box.
    void SyncTimePickerEnabled();
    void CreateLabel();
    void UpdateLabel();
    void SetLabelBold(bool bold);

    TDudDateTimeKind FKind = dkDateTime;
    String FTimeFormat;
    int Fy = 0;
    int Fmo = 0;
    int Fd = 0;
    TLabel* FLabel = nullptr;
    TFont FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int32_t FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FFocusLabel = false;
    bool FLabelAlwaysEnabled = false;
    // ParentFont as it was when loading ended: the label takes the
    // control's font, else its own.
    bool FParentFnt = false;
    bool FIgnoreTimePickerCheck = false;
    bool FFirstRun = true;
    TCustomDateTimePicker* FTimePicker = nullptr;
};
