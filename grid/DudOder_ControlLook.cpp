#include "grid/DudOder_ControlLook.h"

#include "grid/DudOder.h"
#include "grid/base/BaseGrid.h"

namespace {

using TGridGradientSetter = void (TDudStringGrid::*)(TColor);

void PassOn(TBaseGrid* grid, TGridGradientSetter setter, TColor value, bool evenNone)
{
    auto* stringGrid = dynamic_cast<TDudStringGrid*>(grid);
    if (stringGrid && (evenNone || value != clNone))
        (stringGrid->*setter)(value);
}

} // namespace

TControlLook::TControlLook(TBaseGrid* owner) : FGrid(owner), FDropDownHeader(owner), FDropDownFooter(owner)
{
    Init();
}

void TControlLook::Init()
{
    FColor = clBlack;
    FCommentColor = clRed;
    FProgressBorderColor = clGray;
    FGradient = TFixedGradient();
    SetFixedGradientHoverMirrorTo(clNone);
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
    SetFixedGradientDownMirrorFrom(clNone);
}

void TControlLook::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TControlLook*>(&source);
    if (!other)
        return;
    FCheckSize = other->FCheckSize;
    FRadioSize = other->FRadioSize;
    FControlStyle = other->FControlStyle;
    FUnCheckedGlyph.Assign(other->FUnCheckedGlyph);
    FCheckedGlyph.Assign(other->FCheckedGlyph);
    FRadioOffGlyph.Assign(other->FRadioOffGlyph);
    FRadioOnGlyph.Assign(other->FRadioOnGlyph);
    FProgressMarginX = other->FProgressMarginX;
    FProgressMarginY = other->FProgressMarginY;
    FCommentColor = other->FCommentColor;
    FColor = other->FColor;
    FProgressBorderColor = other->FProgressBorderColor;
    FCheckAlwaysActive = other->FCheckAlwaysActive;
    FRadioAlwaysActive = other->FRadioAlwaysActive;
    FGradient = other->FGradient;
    FDropDownAlwaysVisible = other->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = other->FSpinButtonsAlwaysVisible;
    FDropDownCount = other->FDropDownCount;
    FDropDownFooter.Assign(other->FDropDownFooter);
    FDropDownHeader.Assign(other->FDropDownHeader);
    FHintMaxWidth = other->FHintMaxWidth;
}

void TControlLook::InvalidateGrid() const
{
    if (FGrid)
        FGrid->Invalidate();
}

void TControlLook::SetFixedGradientTo(TColor value)
{
    FGradient.To = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientTo, value, false);
}

void TControlLook::SetFixedGradientFrom(TColor value)
{
    FGradient.From = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientFrom, value, false);
}

void TControlLook::SetFixedGradientMirrorTo(TColor value)
{
    FGradient.MirrorTo = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientMirrorTo, value, true);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor value)
{
    FGradient.MirrorFrom = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientMirrorFrom, value, true);
}

void TControlLook::SetFixedGradientHoverTo(TColor value)
{
    FGradient.HoverTo = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientHoverTo, value, false);
}

void TControlLook::SetFixedGradientHoverFrom(TColor value)
{
    FGradient.HoverFrom = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientHoverFrom, value, false);
}

void TControlLook::SetFixedGradientHoverMirrorTo(TColor value)
{
    FGradient.HoverMirrorTo = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientHoverMirrorTo, value, true);
}

void TControlLook::SetFixedGradientHoverMirrorFrom(TColor value)
{
    FGradient.HoverMirrorFrom = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientHoverMirrorFrom, value, true);
}

void TControlLook::SetFixedGradientHoverBorder(TColor value)
{
    FGradient.HoverBorder = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientHoverBorder, value, false);
}

void TControlLook::SetFixedGradientDownTo(TColor value)
{
    FGradient.DownTo = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientDownTo, value, false);
}

void TControlLook::SetFixedGradientDownFrom(TColor value)
{
    FGradient.DownFrom = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientDownFrom, value, false);
}

void TControlLook::SetFixedGradientDownMirrorTo(TColor value)
{
    FGradient.DownMirrorTo = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientDownMirrorTo, value, true);
}

void TControlLook::SetFixedGradientDownMirrorFrom(TColor value)
{
    FGradient.DownMirrorFrom = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientDownMirrorFrom, value, true);
}

void TControlLook::SetFixedGradientDownBorder(TColor value)
{
    FGradient.DownBorder = value;
    PassOn(FGrid, &TDudStringGrid::SetVUVGradientDownBorder, value, false);
}
