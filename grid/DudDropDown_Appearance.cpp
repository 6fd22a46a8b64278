#include "grid/DudDropDown_Appearance.h"

void TAppearanceButton::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TAppearanceButton*>(&source);
    if (!other || typeid(*other) != typeid(*this)) {
        TCollectionItem::Assign(source);
        return;
    }
    SetCaption(other->FCaption);
    SetImageIndex(other->FImageIndex);
    SetEnabled(other->FEnabled);
    SetWidth(other->FWidth);
    SetHeight(other->FHeight);
}

void TFooterButton::Assign(const TPersistent& source)
{
    TAppearanceButton::Assign(source);
    if (const auto* other = dynamic_cast<const TFooterButton*>(&source))
        FModalResult = other->FModalResult;
}

template <class TButtons>
void TBarAppearance<TButtons>::AssignColors(const TPersistent& source)
{
    if (typeid(source) != typeid(*this))
        return;
    const auto& other = static_cast<const TBarAppearance&>(source);
    FColorTo = other.FColorTo;
    FColor = other.FColor;
    FBorderColor = other.FBorderColor;
    FFont.Assign(other.FFont);
    FGradientDirection = other.FGradientDirection;
}

template class TBarAppearance<THeaderButtons>;
template class TBarAppearance<TFooterButtons>;

THeaderAppearance::THeaderAppearance(TPersistent* owner) : TBarAppearance(owner)
{
    Font().SetName("Tahoma");
}

void THeaderAppearance::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const THeaderAppearance*>(&source))
        AssignBar(*other);
}

void TFooterAppearance::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TFooterAppearance*>(&source);
    if (!other)
        return;
    AssignBar(*other);
    FSizeGrip = other->FSizeGrip;
}
