#pragma once

#include "platform/core/StringList.h"
#include "platform/ui/Mask.h"

// The painted push button inside an edit's button container.
class TDudSpeedButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;

    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool isWinXP) { FIsWinXP = isWinXP; }
    bool Hot() const { return FHot; }
    void SetHot(bool hot) { FHot = hot; }

protected:
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void Paint() override;

private:
    void DrawFace(TCanvas& canvas, TRect& rect, bool pressed);

    bool FIsWinXP = false;
    bool FHot = false;
};

// Holds one push button filling it; a click on the button fires OnClick
// with the container as sender and gives the focus to FocusControl.
class TZuzEditButton : public TWinControl {
public:
    explicit TZuzEditButton(TComponent* owner);
    ~TZuzEditButton() override;

    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    TDudSpeedButton* Button() const { return FButton; }
    TBitmap& Glyph() { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& glyph) { FButton->SetGlyph(glyph); }
    int32_t NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int32_t count) { FButton->SetNumGlyphs(count); }
    const String& ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const String& caption) { FButton->SetCaption(caption); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool flat);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor color) { FButtonColor = color; FButton->Invalidate(); }
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

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;

private:
    void AdjustSize();
    void ButtonReleased(TComponent* sender, TMouseButton button, int32_t x, int32_t y);

    TDudSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

// A masked edit with a push button at its right end; F4 works the button.
class TZuzEditBtn : public TCustomMaskEdit {
public:
    explicit TZuzEditBtn(TComponent* owner);
    ~TZuzEditBtn() override;

    TZuzEditButton* Button() const { return FButton; }
    TBitmap& Glyph() { return FButton->Glyph(); }
    void SetGlyph(const TBitmap& glyph) { FButton->SetGlyph(glyph); }
    const String& ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const String& caption) { FButton->SetButtonCaption(caption); }
    int32_t ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int32_t width);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool isWinXP);
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool rightAlign);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool enabled) { FEditorEnabled = enabled; }

    // The button was clicked (sender: the container) or F4 was pressed
    // (sender: the editor).
    virtual void ButtonClicked(TComponent* sender);

    TNotifyEvent OnClickBtn;

protected:
    void Resize() override;
    void WndProc(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void SetEditRect();
    int32_t UnitSize() const { return FUnitSize; }
    void SetUnitSize(int32_t unitSize) { FUnitSize = unitSize; }

private:
    int32_t GetMinHeight() const;

    int32_t FUnitSize = 0;
    bool FRightAlign = false;
    TZuzEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    int32_t FButtonWidth = 0;
    bool FIsWinXP = false;
};

using TUnitChangeEvent = std::function<void(TComponent* sender, const String& newUnit)>;

// An edit with a button whose menu chooses the unit of measure shown
// beside the value.
class TZuzUnitEditBtn : public TZuzEditBtn {
public:
    explicit TZuzUnitEditBtn(TComponent* owner);
    ~TZuzUnitEditBtn() override;

    const String& UnitID() const { return FUnitID; }
    void SetUnitID(const String& unitId);
    TStringList& Units() { return FUnits; }
    // Null leaves the list as it is.
    void SetUnits(const TStrings* units);
    int32_t UnitSpace() const { return UnitSize(); }
    void SetUnitSpace(int32_t space);
    String TextAndUnit() const { return Text() + FUnitID; }
    // Splits value where a listed unit ends it; nothing changes when none does.
    void SetTextAndUnit(const String& value);

    void ButtonClicked(TComponent* sender) override;

    TUnitChangeEvent OnUnitChanged;

protected:
    void WndProc(TMessage& message) override;
    void PaintWindow(QPainter& painter) override;

private:
    String FUnitID;
    TStringList FUnits;
};
