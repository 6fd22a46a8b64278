#pragma once

#include "grid/DudDropDown_Appearance.h"
#include "platform/core/Persistent.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

#include <cstdint>

class TBaseGrid;

// The look of the controls the grid draws in cells, of its fixed-cell
// gradients and of its dropdown editors' header and footer.
class TControlLook : public TPersistent {
public:
    // Named as the grid names it; nested because the platform's control
    // style flags already take the plain name.
    enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csVUV, csGlyph, csTheme };

    explicit TControlLook(TBaseGrid* owner);

    // Copies without repainting; FlatButton, ProgressXP, the two
    // NoDisabled looks and FixedDropDownButton stay with the target.
    void Assign(const TPersistent& source) override;
    void Init();

    int32_t CheckSize() const { return FCheckSize; }
    void SetCheckSize(int32_t value) { Repaint(FCheckSize, value); }
    const TBitmap& UnCheckedGlyph() const { return FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const TBitmap& value) { RepaintGlyph(FUnCheckedGlyph, value); }
    const TBitmap& CheckedGlyph() const { return FCheckedGlyph; }
    void SetCheckedGlyph(const TBitmap& value) { RepaintGlyph(FCheckedGlyph, value); }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { Repaint(FControlStyle, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Repaint(FColor, value); }
    int32_t RadioSize() const { return FRadioSize; }
    void SetRadioSize(int32_t value) { Repaint(FRadioSize, value); }
    const TBitmap& RadioOffGlyph() const { return FRadioOffGlyph; }
    void SetRadioOffGlyph(const TBitmap& value) { RepaintGlyph(FRadioOffGlyph, value); }
    const TBitmap& RadioOnGlyph() const { return FRadioOnGlyph; }
    void SetRadioOnGlyph(const TBitmap& value) { RepaintGlyph(FRadioOnGlyph, value); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool value) { Repaint(FFlatButton, value); }
    int32_t ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int32_t value) { Repaint(FProgressMarginY, value); }
    int32_t ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int32_t value) { Repaint(FProgressMarginX, value); }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool value) { Repaint(FProgressXP, value); }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool value) { Repaint(FDropDownAlwaysVisible, value); }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool value) { Repaint(FSpinButtonsAlwaysVisible, value); }
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool value) { Repaint(FNoDisabledCheckRadioLook, value); }
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool value) { Repaint(FNoDisabledButtonLook, value); }
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor value) { Repaint(FCommentColor, value); }
    TColor ProgressBorderColor() const { return FProgressBorderColor; }
    void SetProgressBorderColor(TColor value) { FProgressBorderColor = value; }

    // Each gradient colour goes on to the grid's own copy; a From, To or
    // Border colour only when it is a colour.
    TColor FixedGradientTo() const { return FGradient.To; }
    void SetFixedGradientTo(TColor value);
    TColor FixedGradientFrom() const { return FGradient.From; }
    void SetFixedGradientFrom(TColor value);
    TColor FixedGradientMirrorTo() const { return FGradient.MirrorTo; }
    void SetFixedGradientMirrorTo(TColor value);
    TColor FixedGradientMirrorFrom() const { return FGradient.MirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor value);
    TColor FixedGradientHoverTo() const { return FGradient.HoverTo; }
    void SetFixedGradientHoverTo(TColor value);
    TColor FixedGradientHoverFrom() const { return FGradient.HoverFrom; }
    void SetFixedGradientHoverFrom(TColor value);
    TColor FixedGradientHoverMirrorTo() const { return FGradient.HoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor value);
    TColor FixedGradientHoverMirrorFrom() const { return FGradient.HoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor value);
    TColor FixedGradientHoverBorder() const { return FGradient.HoverBorder; }
    void SetFixedGradientHoverBorder(TColor value);
    TColor FixedGradientDownTo() const { return FGradient.DownTo; }
    void SetFixedGradientDownTo(TColor value);
    TColor FixedGradientDownFrom() const { return FGradient.DownFrom; }
    void SetFixedGradientDownFrom(TColor value);
    TColor FixedGradientDownMirrorTo() const { return FGradient.DownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor value);
    TColor FixedGradientDownMirrorFrom() const { return FGradient.DownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor value);
    TColor FixedGradientDownBorder() const { return FGradient.DownBorder; }
    void SetFixedGradientDownBorder(TColor value);

    bool FixedDropDownButton() const { return FFixedDropDownButton; }
    void SetFixedDropDownButton(bool value) { FFixedDropDownButton = value; }
    bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool value) { FCheckAlwaysActive = value; }
    bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool value) { FRadioAlwaysActive = value; }
    int32_t DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int32_t value) { FDropDownCount = value; }
    THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
    const THeaderAppearance& DropDownHeader() const { return FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& value) { FDropDownHeader.Assign(value); }
    TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
    const TFooterAppearance& DropDownFooter() const { return FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& value) { FDropDownFooter.Assign(value); }
    int32_t HintMaxWidth() const { return FHintMaxWidth; }
    void SetHintMaxWidth(int32_t value) { FHintMaxWidth = value; }

private:
    template <class T>
    void Repaint(T& field, T value)
    {
        field = value;
        InvalidateGrid();
    }
    void RepaintGlyph(TBitmap& glyph, const TBitmap& value)
    {
        glyph.Assign(value);
        InvalidateGrid();
    }
    void InvalidateGrid() const;

    struct TFixedGradient {
        TColor To = clNone;
        TColor From = clNone;
        TColor MirrorTo = clNone;
        TColor MirrorFrom = clNone;
        TColor HoverTo = clWhite;
        TColor HoverFrom = clGray;
        TColor HoverMirrorTo = clNone;
        TColor HoverMirrorFrom = clNone;
        TColor HoverBorder = clSilver;
        TColor DownTo = clSilver;
        TColor DownFrom = clGray;
        TColor DownMirrorTo = clNone;
        TColor DownMirrorFrom = clNone;
        TColor DownBorder = clGray;
    };

    TBaseGrid* FGrid;
    int32_t FCheckSize = 15;
    TBitmap FUnCheckedGlyph;
    TBitmap FCheckedGlyph;
    TControlStyle FControlStyle = csTheme;
    TColor FColor = clBlack;
    int32_t FRadioSize = 10;
    TBitmap FRadioOffGlyph;
    TBitmap FRadioOnGlyph;
    bool FFlatButton = false;
    int32_t FProgressMarginY = 2;
    int32_t FProgressMarginX = 2;
    bool FProgressXP = false;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    TColor FCommentColor = clRed;
    TColor FProgressBorderColor = clGray;
    TFixedGradient FGradient;
    bool FFixedDropDownButton = false;
    bool FCheckAlwaysActive = false;
    bool FRadioAlwaysActive = false;
    int32_t FDropDownCount = 8;
    THeaderAppearance FDropDownHeader;
    TFooterAppearance FDropDownFooter;
    int32_t FHintMaxWidth = 0;
};
