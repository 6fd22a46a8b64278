#pragma once

#include "platform/core/Persistent.h"

#include <cstdint>
#include <vector>

enum TOperation { opInsert, opRemove };

// Component state flags, combined in a TComponentState bit set.
enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
};
using TComponentState = uint32_t;

// A component with an owner. The owner frees every component it owns when it
// is destroyed; removing a component from its owner (or destroying it) sends
// Notification(component, opRemove) to the owner, which passes it on to every
// component it owns, and to every component that asked for a free notification.
// Components are not copyable: their identity is their address.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    const String& Name() const { return FName; }
    virtual void SetName(const String& name);
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t tag) { FTag = tag; }
    TComponentState ComponentState() const { return FComponentState; }
    // The class name without namespace, e.g. "TForm".
    String ClassName() const;

    int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
    TComponent* Components(int32_t index) const;
    int32_t ComponentIndex() const;
    // Case-insensitive lookup among the owned components; null when none has the name.
    TComponent* FindComponent(const String& name) const;

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last first.
    void DestroyComponents();

    // Asks for Notification(this, opRemove) to reach component when this one
    // goes away; the request works both ways and ends with either component.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    void BeginLoading() { FComponentState |= csLoading; }
    void EndLoading();

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void Loaded() { }
    // Marks this component and all it owns as being destroyed; owned
    // components are marked before their destructors run.
    void Destroying();

private:
    void InsertOwned(TComponent* component);
    void RemoveOwned(TComponent* component);
    void DropFreeNotifier(TComponent* component);

    TComponent* FOwner = nullptr;
    String FName;
    intptr_t FTag = 0;
    TComponentState FComponentState = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};
