#include "platform/core/Component.h"

#include "platform/core/SysUtils.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

TComponent::TComponent(TComponent* owner)
{
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->DropFreeNotifier(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

String TComponent::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    const String name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    const qsizetype scope = name.lastIndexOf(QStringLiteral("::"));
    return scope >= 0 ? name.mid(scope + 2) : name;
}

TComponent* TComponent::Components(int32_t index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FComponents[static_cast<size_t>(index)];
}

int32_t TComponent::ComponentIndex() const
{
    if (!FOwner) return -1;
    const auto& siblings = FOwner->FComponents;
    return static_cast<int32_t>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TComponent::SetName(const String& name)
{
    if (name == FName) return;
    if (!name.isEmpty() && FOwner) {
        const TComponent* existing = FOwner->FindComponent(name);
        if (existing && existing != this)
            throw EComponentError(QStringLiteral("A component named %1 already exists").arg(name));
    }
    FName = name;
}

TComponent* TComponent::FindComponent(const String& name) const
{
    if (name.isEmpty()) return nullptr;
    for (TComponent* component : FComponents)
        if (SameText(component->FName, name)) return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component->FName.isEmpty() && FindComponent(component->FName))
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(component->FName));
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    InsertOwned(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (component->FOwner != this) return;
    Notification(component, opRemove);
    RemoveOwned(component);
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* component = FComponents.back();
        RemoveOwned(component);
        component->Destroying();
        // The owner is the one place that frees what it owns.
        delete component;
    }
}

void TComponent::Destroying()
{
    if (FComponentState & csDestroying) return;
    FComponentState |= csDestroying;
    for (TComponent* component : FComponents) component->Destroying();
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this)
        == component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component) return;
    DropFreeNotifier(component);
    component->DropFreeNotifier(this);
}

void TComponent::EndLoading()
{
    if (!(FComponentState & csLoading)) return;
    FComponentState &= ~static_cast<TComponentState>(csLoading);
    Loaded();
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component) RemoveFreeNotification(component);
    // Walk by index from the end: a handler may remove components meanwhile.
    for (size_t index = FComponents.size(); index-- > 0;) {
        if (index >= FComponents.size()) continue;
        FComponents[index]->Notification(component, operation);
    }
}

void TComponent::InsertOwned(TComponent* component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::RemoveOwned(TComponent* component)
{
    const auto found = std::find(FComponents.begin(), FComponents.end(), component);
    if (found != FComponents.end()) FComponents.erase(found);
    component->FOwner = nullptr;
}

void TComponent::DropFreeNotifier(TComponent* component)
{
    const auto found = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component);
    if (found != FFreeNotifies.end()) FFreeNotifies.erase(found);
}
