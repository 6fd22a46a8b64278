#include "platform/graphics/Resources.h"

#include "platform/graphics/Bitmap.h"

#include <map>
#include <mutex>

namespace {

struct TRegistry {
    std::mutex Lock;
    std::map<String, TBitmapMaker> Named;
    std::map<int32_t, TBitmapMaker> Numbered;
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
