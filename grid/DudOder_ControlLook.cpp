#include "grid/DudOder_ControlLook.h"

#include "grid/base/BaseGrid.h"

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
