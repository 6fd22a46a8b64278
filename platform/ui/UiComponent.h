#pragma once

#include <QString>

#include <cstdint>
#include <vector>

using String = QString;

enum class TOperation { opInsert, opRemove };
using enum TOperation;

// The owner protocol the controls need: an owner frees what it owns, a
// component leaving tells those that asked (FreeNotification). It stands in
// until the controls move onto the shared component class of the core.
class TUiComponent {
public:
    explicit TUiComponent(TUiComponent* owner);
    TUiComponent(const TUiComponent&) = delete;
    TUiComponent& operator=(const TUiComponent&) = delete;
    virtual ~TUiComponent();

    TUiComponent* Owner() const { return FOwner; }
    const String& Name() const { return FName; }
    void SetName(const String& name) { FName = name; }
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t tag) { FTag = tag; }
    // The class name without namespace, e.g. "TLbButton".
    String ClassName() const;

    int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
    TUiComponent* Components(int32_t index) const { return FComponents.at(static_cast<size_t>(index)); }
    // Case-insensitive; null when no owned component has the name.
    TUiComponent* FindComponent(const String& name) const;
    void InsertComponent(TUiComponent* component);
    void RemoveComponent(TUiComponent* component);
    void DestroyComponents();

    void FreeNotification(TUiComponent* component);
    void RemoveFreeNotification(TUiComponent* component);

    bool IsDestroying() const { return FDestroying; }
    bool IsLoading() const { return FLoading; }
    void BeginLoading() { FLoading = true; }
    void EndLoading();

protected:
    virtual void Notification(TUiComponent* component, TOperation operation);
    virtual void Loaded() { }
    // Derived destructors call this first so that handlers see the state.
    void Destroying() { FDestroying = true; }

private:
    TUiComponent* FOwner = nullptr;
    String FName;
    intptr_t FTag = 0;
    std::vector<TUiComponent*> FComponents;
    std::vector<TUiComponent*> FFreeNotifies;
    bool FDestroying = false;
    bool FLoading = false;
};
