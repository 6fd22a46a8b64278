#include "controls/SlantTabsClasses.h"

#include "controls/SlantTabControl.h"
#include "controls/SlantTabsOptions.h"
#include "platform/ui/Forms.h"

TSlantTab::TSlantTab(TCollection* collection) : TCollectionItem(collection) { }

TSlantTab::~TSlantTab() = default;

void TSlantTab::Assign(const TPersistent& source)
{
    const auto* tab = dynamic_cast<const TSlantTab*>(&source);
    if (!tab) {
        TCollectionItem::Assign(source);
        return;
    }
    SetCaption(tab->FCaption);
    FTag = tab->FTag;
    SetImageIndex(tab->FImageIndex);
    SetImageIndexOverlay(tab->FImageIndexOverlay);
    FPinned = tab->FPinned;
    SetVisible(tab->FVisible);
    SetModified(tab->FModified);
    SetSpinnerState(tab->FSpinnerState);
    FHideCloseButton = tab->FHideCloseButton;
    FData = tab->FData;
}

String TSlantTab::DisplayName() const { return FCaption.isEmpty() ? TCollectionItem::DisplayName() : FCaption; }

TSlantTabsList* TSlantTab::List() const { return static_cast<TSlantTabsList*>(Collection()); }

ISlantTabs* TSlantTab::GetSlantTabs() const { return List() ? List()->GetSlantTabs() : nullptr; }

void TSlantTab::DoChanged(TTabChangeType changeType)
{
    if (ISlantTabs* strip = GetSlantTabs())
        strip->DoChange(this, changeType);
}

void TSlantTab::SetTabControl(std::unique_ptr<TSlantTabControl> control) { FTabControl = std::move(control); }

void TSlantTab::SetCaption(const String& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    DoChanged(tcPropertyUpdated);
}

void TSlantTab::SetImageIndex(int32_t value)
{
    if (value == FImageIndex)
        return;
    FImageIndex = value;
    DoChanged(tcPropertyUpdated);
}

void TSlantTab::SetImageIndexOverlay(int32_t value)
{
    if (value == FImageIndexOverlay)
        return;
    FImageIndexOverlay = value;
    DoChanged(tcPropertyUpdated);
}

void TSlantTab::SetModified(bool value)
{
    if (value == FModified)
        return;
    FModified = value;
    DoChanged(tcPropertyUpdated);
}

void TSlantTab::SetSpinnerState(TSlantTabSpinnerState value)
{
    if (value == FSpinnerState)
        return;
    FSpinnerState = value;
    DoChanged(tcPropertyUpdated);
}

void TSlantTab::SetVisible(bool value)
{
    FVisible = value;
    if (!value && FActive)
        SetActive(false);
    DoChanged(tcVisibility);
}

void TSlantTab::SetActive(bool value)
{
    if (value == FActive)
        return;
    if (value) {
        bool allow = true;
        if (ISlantTabs* strip = GetSlantTabs())
            strip->DoActiveTabChanging(List()->ActiveTab(), this, allow);
        if (!allow)
            return;
        FModified = false;
    }
    FActive = value;
    if (value) {
        if (TSlantTabsList* list = List())
            for (int32_t index = 0; index < list->Count(); ++index) {
                TSlantTab* other = list->Items(index);
                if (other != this && other->FActive)
                    other->SetActive(false);
            }
        DoChanged(tcActivated);
    } else {
        DoChanged(tcDeactivated);
    }
    DoChanged(tcPropertyUpdated);
}

void TSlantTab::SetPinned(bool value)
{
    if (value == FPinned)
        return;
    if (TSlantTabsList* list = List()) {
        ISlantTabs* strip = GetSlantTabs();
        const int32_t lastPinned = strip ? strip->LastPinnedIndex() : -1;
        const int32_t target = value ? lastPinned + 1 : lastPinned;
        if (target >= 0 && target < list->Count())
            SetIndex(target);
    }
    FPinned = value;
    DoChanged(tcPinned);
    SetActive(true);
}

// ---- list

TSlantTabsList::TSlantTabsList(ISlantTabs* strip) : TCollection(TCollection::ItemClass<TSlantTab>()), FStrip(strip) { }

void TSlantTabsList::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TSlantTabsList*>(&source);
    // Only another tab list can be copied; anything else fails before a tab is lost.
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    while (Count() > 0)
        TCollection::Delete(Count() - 1);
    TSlantTab* active = nullptr;
    for (int32_t index = 0; index < other->Count(); ++index) {
        TSlantTab* tab = Add();
        tab->Assign(*other->Items(index));
        if (other->Items(index)->Active())
            active = tab;
    }
    if (active)
        active->SetActive(true);
    if (FStrip)
        FStrip->DoChange(nullptr, tcPropertyUpdated);
}

TSlantTab* TSlantTabsList::Add()
{
    // The report goes out once the tab is whole, not from inside its construction.
    auto* tab = static_cast<TSlantTab*>(TCollection::Add());
    tab->DoChanged(tcAdded);
    return tab;
}

TSlantTab* TSlantTabsList::Insert(int32_t index)
{
    if (index < 0 || index > Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    auto* tab = static_cast<TSlantTab*>(TCollection::Add());
    tab->SetIndex(index);
    tab->DoChanged(tcAdded);
    return tab;
}

void TSlantTabsList::SetItem(int32_t index, const TSlantTab& value)
{
    TSlantTab* tab = Items(index);
    tab->Assign(value);
    // The tab of this list reports, not value, which may belong to another strip.
    tab->DoChanged(tcAdded);
}

int32_t TSlantTabsList::IndexOf(const TSlantTab* tab) const
{
    for (int32_t index = 0; index < Count(); ++index)
        if (Items(index) == tab)
            return index;
    return -1;
}

void TSlantTabsList::Move(int32_t oldIndex, int32_t newIndex)
{
    TSlantTab* tab = Items(oldIndex);
    Items(newIndex);
    tab->SetIndex(newIndex);
    tab->DoChanged(tcMoved);
}

TSlantTab* TSlantTabsList::ActiveTab() const
{
    for (int32_t index = 0; index < Count(); ++index)
        if (Items(index)->Active())
            return Items(index);
    return nullptr;
}

void TSlantTabsList::SetActiveTab(TSlantTab* tab)
{
    if (tab && IndexOf(tab) >= 0)
        tab->SetActive(true);
}

void TSlantTabsList::DeleteTab(int32_t index, bool deleteNow)
{
    TSlantTab* tab = Items(index);
    if (tab->FMarkedForDeletion) {
        TCollection::Delete(index);
        return;
    }
    // The next active tab is the nearest one a user can see that is not
    // itself on its way out: after the deleted one, else before it.
    TSlantTab* nextActive = nullptr;
    if (tab->Active()) {
        const auto eligible = [&](int32_t at) { return Items(at)->Visible() && !Items(at)->FMarkedForDeletion; };
        for (int32_t at = index + 1; at < Count() && !nextActive; ++at)
            if (eligible(at))
                nextActive = Items(at);
        for (int32_t at = index - 1; at >= 0 && !nextActive; --at)
            if (eligible(at))
                nextActive = Items(at);
    }
    TSlantTabsEaseType easeType = ttNone;
    if (FStrip) {
        TSlantTabsAnimationOptions& animation = FStrip->GetOptions().Animation();
        easeType = animation.GetMovementAnimationEaseType(animation.MovementAnimations().TabDelete());
    }
    tab->DoChanged(tcDeleting);
    if (!deleteNow && easeType != ttNone) {
        tab->FMarkedForDeletion = true;
        tab->DoChanged(tcDeleted);
    } else {
        TCollection::Delete(index);
        if (FStrip)
            FStrip->DoChange(nullptr, tcDeleted);
    }
    if (nextActive)
        nextActive->SetActive(true);
}

TDragTabObject::TDragTabObject() = default;
TDragTabObject::~TDragTabObject() = default;
