#include "platform/ui/UiComponent.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

TUiComponent::TUiComponent(TUiComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TUiComponent::~TUiComponent()
{
    FDestroying = true;
    while (!FFreeNotifies.empty()) {
        TUiComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(other->FFreeNotifies, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

String TUiComponent::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
        &std::free);
    String name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    const qsizetype scope = name.lastIndexOf(QStringLiteral("::"));
    return scope >= 0 ? name.mid(scope + 2) : name;
}

TUiComponent* TUiComponent::FindComponent(const String& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TUiComponent* component : FComponents)
        if (component->FName.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

void TUiComponent::InsertComponent(TUiComponent* component)
{
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, opInsert);
}

void TUiComponent::RemoveComponent(TUiComponent* component)
{
    Notification(component, opRemove);
    std::erase(FComponents, component);
    component->FOwner = nullptr;
}

void TUiComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        // The owned component's destructor takes itself out of the list.
        std::unique_ptr<TUiComponent> owned(FComponents.back());
        owned->FOwner = nullptr;
        FComponents.pop_back();
        Notification(owned.get(), opRemove);
    }
}

void TUiComponent::FreeNotification(TUiComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(component);
        component->FFreeNotifies.push_back(this);
    }
}

void TUiComponent::RemoveFreeNotification(TUiComponent* component)
{
    std::erase(FFreeNotifies, component);
    if (component)
        std::erase(component->FFreeNotifies, this);
}

void TUiComponent::EndLoading()
{
    FLoading = false;
    Loaded();
}

void TUiComponent::Notification(TUiComponent* component, TOperation operation)
{
    if (operation == opRemove)
        for (TUiComponent* owned : FComponents)
            if (owned != component)
                owned->Notification(component, opRemove);
}
