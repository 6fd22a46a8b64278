#pragma once

#include "platform/graphics/Color.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class ISlantTabs;
class TSlantTabsPersistent;

// The published properties of one look or option object, in streaming
// order: each leaf with its value as text and a setter that parses text,
// each sub-object by reference.
class TSlantTabsProperties {
public:
    struct TEntry {
        const char* Name;
        TSlantTabsPersistent* Object; // null for a leaf
        String Value;
        // A floating-point zero or an empty string, which the text form leaves out.
        bool Omitted;
        std::function<void(const String&)> Parse;
    };

    void Object(const char* name, TSlantTabsPersistent& object);
    void Integer(const char* name, int64_t value, std::function<void(int64_t)> set);
    void Boolean(const char* name, bool value, std::function<void(bool)> set);
    void Float(const char* name, double value, std::function<void(double)> set);
    void Text(const char* name, const String& value, std::function<void(const String&)> set);
    void Color(const char* name, TColor value, std::function<void(TColor)> set);
    void Enum(const char* name, int32_t value, std::span<const char* const> names, std::function<void(int32_t)> set);
    template <class E, size_t N, class F>
    void Enum(const char* name, E value, const char* const (&names)[N], F set)
    {
        Enum(name, static_cast<int32_t>(value), std::span<const char* const>(names, N), std::function<void(int32_t)>([set](int32_t index) { set(static_cast<E>(index)); }));
    }

    const std::vector<TEntry>& Entries() const { return FEntries; }

private:
    std::vector<TEntry> FEntries;
};

// Base of every look and option object. Each is created by its parent with
// the parent as owner and lives as long as it; a leaf change reports itself
// up the owners to the strip at the root, if there is one.
class TSlantTabsPersistent {
public:
    explicit TSlantTabsPersistent(TSlantTabsPersistent* owner) : FOwner(owner) { }
    // The root of a tree, owned by a strip (or by nothing in a test).
    explicit TSlantTabsPersistent(ISlantTabs* strip) : FStrip(strip) { }
    TSlantTabsPersistent(const TSlantTabsPersistent&) = delete;
    TSlantTabsPersistent& operator=(const TSlantTabsPersistent&) = delete;
    virtual ~TSlantTabsPersistent() = default;

    TSlantTabsPersistent* Owner() const { return FOwner; }
    // Reports a property change to the strip above, when there is one.
    virtual void NotifyChange();
    // Marks cached brushes and pens below this node for rebuilding.
    virtual void Invalidate() { FInvalidated = true; }
    bool Invalidated() const { return FInvalidated; }
    virtual void GetProperties(TSlantTabsProperties& properties) = 0;

protected:
    // A notifying setter: store, then report.
    template <class T> void Store(T& field, T value)
    {
        field = value;
        NotifyChange();
    }

    bool FInvalidated = false;

private:
    TSlantTabsPersistent* FOwner = nullptr;
    ISlantTabs* FStrip = nullptr;
};

extern const char* const EaseTypeNames[23];
