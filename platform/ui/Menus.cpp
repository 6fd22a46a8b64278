#include "platform/ui/Menus.h"

#include "platform/ui/UiServices.h"

void TMenuItem::SetChecked(bool checked)
{
    FChecked = checked;
    if (checked && FRadioItem && FParent)
        for (const std::unique_ptr<TMenuItem>& sibling : FParent->FItems)
            if (sibling.get() != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
                sibling->FChecked = false;
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> item)
{
    item->FParent = this;
    FItems.push_back(std::move(item));
    return FItems.back().get();
}

void TMenuItem::Click()
{
    if (FEnabled && OnClick)
        OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) { }

TPopupMenu::~TPopupMenu() { Destroying(); }

void TPopupMenu::Popup(int32_t x, int32_t y)
{
    FPopupPoint = { x, y };
    if (OnPopup)
        OnPopup(this);
    if (TMenuItem* chosen = UiServices().PopupMenu(*this, FPopupPoint))
        chosen->Click();
}

void TPopupMenu::SetPopupComponent(TComponent* component)
{
    if (component == FPopupComponent)
        return;
    // A control that still has this menu as its popup menu keeps the link,
    // so that it learns when the menu goes.
    const auto* control = dynamic_cast<const TControl*>(FPopupComponent);
    if (FPopupComponent && !(control && control->PopupMenu() == this))
        RemoveFreeNotification(FPopupComponent);
    FPopupComponent = component;
    if (FPopupComponent)
        FreeNotification(FPopupComponent);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FPopupComponent)
        FPopupComponent = nullptr;
}
