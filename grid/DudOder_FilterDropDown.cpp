#include "grid/DudOder_FilterDropDown.h"

void TFilterDropDown::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TFilterDropDown*>(&source);
    if (!other)
        return;
    FColor = other->FColor;
    FColumnWidth = other->FColumnWidth;
    FFont.Assign(other->FFont);
    FHeight = other->FHeight;
    FWidth = other->FWidth;
    SetGlyph(other->FGlyph);
    SetGlyphActive(other->FGlyphActive);
}

void TFilterDropDown::SetPicture(TBitmap& picture, const TBitmap& value)
{
    picture.Assign(value);
    if (OnChange)
        OnChange(this);
}
