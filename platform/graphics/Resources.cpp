#include "platform/graphics/Resources.h"

#include "platform/graphics/Bitmap.h"

#include <map>
#include <mutex>

namespace {

struct TRegistry {
    std::mutex Lock;
    std::map<String, TBitmapMaker> Named;
    std::map<int32_t, TBitmapMaker> Numbered;
    std::map<String, TBytes> NamedData;
    std::map<int32_t, TBytes> NumberedData;
};

TRegistry& Registry()
{
    static TRegistry registry;
    return registry;
}

String Key(const String& name) { return name.toUpper(); }

// The maker runs outside the lock: it may itself load other resources.
template <typename Key>
void Make(TRegistry& registry, const std::map<Key, TBitmapMaker>& makers, const Key& key, const String& shown,
    TBitmap& bitmap)
{
    TBitmapMaker maker;
    {
        const std::lock_guard guard(registry.Lock);
        const auto found = makers.find(key);
        if (found == makers.end())
            throw EResNotFound(QStringLiteral("Resource %1 not found").arg(shown));
        maker = found->second;
    }
    TBitmap made;
    maker(made);
    bitmap.Assign(made);
}

template <typename Key>
TBytes Data(TRegistry& registry, const std::map<Key, TBytes>& data, const Key& key, const String& shown)
{
    const std::lock_guard guard(registry.Lock);
    const auto found = data.find(key);
    if (found == data.end())
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(shown));
    return found->second;
}

} // namespace

void RegisterResourceBitmap(const String& name, TBitmapMaker maker)
{
    TRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    registry.Named[Key(name)] = std::move(maker);
}

void RegisterResourceBitmap(int32_t id, TBitmapMaker maker)
{
    TRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    registry.Numbered[id] = std::move(maker);
}

bool ResourceBitmapExists(const String& name)
{
    TRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    return registry.Named.contains(Key(name));
}

void LoadResourceBitmap(const String& name, TBitmap& bitmap)
{
    TRegistry& registry = Registry();
    Make(registry, registry.Named, Key(name), name, bitmap);
}

void LoadResourceBitmap(int32_t id, TBitmap& bitmap)
{
    TRegistry& registry = Registry();
    Make(registry, registry.Numbered, id, QString::number(id), bitmap);
}

void RegisterResourceData(const String& name, TBytes bytes)
{
    TRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    registry.NamedData[Key(name)] = std::move(bytes);
}

void RegisterResourceData(int32_t id, TBytes bytes)
{
    TRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    registry.NumberedData[id] = std::move(bytes);
}

bool ResourceDataExists(const String& name)
{
    TRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    return registry.NamedData.contains(Key(name));
}

TBytes LoadResourceData(const String& name)
{
    TRegistry& registry = Registry();
    return Data(registry, registry.NamedData, Key(name), name);
}

TBytes LoadResourceData(int32_t id)
{
    TRegistry& registry = Registry();
    return Data(registry, registry.NumberedData, id, QString::number(id));
}
