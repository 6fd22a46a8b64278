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

template <typename TKey, typename TValue>
void Store(std::map<TKey, TValue>& table, const TKey& key, TValue value)
{
    const std::lock_guard guard(Registry().Lock);
    table[key] = std::move(value);
}

template <typename TValue>
bool Holds(const std::map<String, TValue>& table, const String& name)
{
    const std::lock_guard guard(Registry().Lock);
    return table.contains(Key(name));
}

// A copy, so that the lock is not held while the value is used.
template <typename TKey, typename TValue>
TValue Find(const std::map<TKey, TValue>& table, const TKey& key, const String& shown)
{
    const std::lock_guard guard(Registry().Lock);
    const auto found = table.find(key);
    if (found == table.end())
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(shown));
    return found->second;
}

// The maker runs outside the lock: it may itself load other resources.
void Make(const TBitmapMaker& maker, TBitmap& bitmap)
{
    TBitmap made;
    maker(made);
    bitmap.Assign(made);
}

} // namespace

void RegisterResourceBitmap(const String& name, TBitmapMaker maker)
{
    Store(Registry().Named, Key(name), std::move(maker));
}

void RegisterResourceBitmap(int32_t id, TBitmapMaker maker) { Store(Registry().Numbered, id, std::move(maker)); }

bool ResourceBitmapExists(const String& name) { return Holds(Registry().Named, name); }

void LoadResourceBitmap(const String& name, TBitmap& bitmap) { Make(Find(Registry().Named, Key(name), name), bitmap); }

void LoadResourceBitmap(int32_t id, TBitmap& bitmap)
{
    Make(Find(Registry().Numbered, id, QString::number(id)), bitmap);
}

void RegisterResourceData(const String& name, TBytes bytes)
{
    Store(Registry().NamedData, Key(name), std::move(bytes));
}

void RegisterResourceData(int32_t id, TBytes bytes) { Store(Registry().NumberedData, id, std::move(bytes)); }

bool ResourceDataExists(const String& name) { return Holds(Registry().NamedData, name); }

TBytes LoadResourceData(const String& name) { return Find(Registry().NamedData, Key(name), name); }

TBytes LoadResourceData(int32_t id) { return Find(Registry().NumberedData, id, QString::number(id)); }
