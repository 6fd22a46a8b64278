#include "platform/core/Registry.h"

#include "platform/core/FileUtils.h"
#include "platform/core/StringList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

namespace {

struct TRegValue {
    String Name;
    std::optional<int32_t> Integer;
    String Text;
};

struct TRegKey {
    String Path;
    std::vector<TRegValue> Values;
};

// The process-wide store: loaded on first use, written after every change.
class TRegistryStore {
public:
    static TRegistryStore& Instance()
    {
        static TRegistryStore store;
        return store;
    }

    std::mutex FMutex;

    void SetFile(const String& fileName)
    {
        FFileName = fileName;
        FLoaded = false;
        FKeys.clear();
    }

    String File()
    {
        if (FFileName.isEmpty())
            FFileName = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Trelvador/registry.json");
        return FFileName;
    }

    std::vector<TRegKey>& Keys()
    {
        if (!FLoaded) Load();
        return FKeys;
    }

    TRegKey* Find(const String& path)
    {
        for (TRegKey& key : Keys())
            if (SameText(key.Path, path)) return &key;
        return nullptr;
    }

    void Save()
    {
        // The change stays in memory only until the next load; the damaged
        // file is the user's to repair or remove, so it is not replaced.
        if (!FDamage.isEmpty()) {
            FLoaded = false;
            throw ERegistryException(FDamage);
        }
        QJsonArray keys;
        for (const TRegKey& key : FKeys) {
            QJsonArray values;
            for (const TRegValue& value : key.Values) {
                QJsonObject entry { { "name", value.Name } };
                if (value.Integer)
                    entry.insert("integer", *value.Integer);
                else
                    entry.insert("string", value.Text);
                values.append(entry);
            }
            keys.append(QJsonObject { { "path", key.Path }, { "values", values } });
        }
        const QByteArray bytes = QJsonDocument(QJsonObject { { "keys", keys } }).toJson();
        ForceDirectories(ExtractFilePath(File()));
        WriteFileAtomic(File(), reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    }

private:
    // A store that cannot be read reads as empty, so that no reader fails
    // because of it; writes are refused until it is repaired.
    void Load()
    {
        FKeys.clear();
        FDamage.clear();
        FLoaded = true;
        const String fileName = File();
        if (!FileExists(fileName)) return;
        TBytes bytes;
        try {
            bytes = ReadFileBytes(fileName);
        } catch (const EInOutError& error) {
            FDamage = error.Message();
            return;
        }
        QJsonParseError error {};
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            FDamage = QStringLiteral("The registry file \"%1\" is damaged: %2").arg(fileName, error.errorString());
            return;
        }
        for (const QJsonValue& keyValue : document.object().value("keys").toArray()) {
            const QJsonObject keyObject = keyValue.toObject();
            TRegKey key { keyObject.value("path").toString(), {} };
            for (const QJsonValue& entryValue : keyObject.value("values").toArray()) {
                const QJsonObject entry = entryValue.toObject();
                TRegValue value { entry.value("name").toString(), std::nullopt, entry.value("string").toString() };
                if (entry.contains("integer")) value.Integer = entry.value("integer").toInt();
                key.Values.push_back(value);
            }
            FKeys.push_back(std::move(key));
        }
    }

    String FFileName;
    String FDamage;
    bool FLoaded = false;
    std::vector<TRegKey> FKeys;
};

String RootName(HKEY rootKey)
{
    switch (rootKey) {
    case HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case HKEY_USERS: return QStringLiteral("HKEY_USERS");
    case HKEY_CURRENT_CONFIG: return QStringLiteral("HKEY_CURRENT_CONFIG");
    default: break;
    }
    throw ERegistryException(QStringLiteral("Unknown registry root %1").arg(rootKey, 0, 16));
}

String Normalized(const String& key)
{
    QStringList parts = key.split(u'\\', Qt::SkipEmptyParts);
    return parts.join(u'\\');
}

bool IsBelow(const String& path, const String& parent)
{
    return path.size() > parent.size() && path[parent.size()] == u'\\' && SameText(path.left(parent.size()), parent);
}

const TRegValue* FindValue(const TRegKey* key, const String& name)
{
    if (key)
        for (const TRegValue& value : key->Values)
            if (SameText(value.Name, name)) return &value;
    return nullptr;
}

bool KeyStored(const std::vector<TRegKey>& keys, const String& path)
{
    return std::any_of(keys.begin(), keys.end(), [&path](const TRegKey& stored) {
        return SameText(stored.Path, path) || IsBelow(stored.Path, path);
    });
}

String ParentPath(const String& path) { return path.section(u'\\', 0, -2); }

// The top-most key that storing path creates; path itself when its parent
// exists. A root (a path without '\') always exists.
String CreatedKey(const std::vector<TRegKey>& keys, const String& path)
{
    String created = path;
    for (String parent = ParentPath(created); parent.contains(u'\\') && !KeyStored(keys, parent); parent = ParentPath(parent))
        created = parent;
    return created;
}

enum TRegChangeKind { rcValue, rcKeyCreated, rcKeyDeleted };

struct TRegWatch {
    TRegChangeWatch Id;
    String Path;
    bool Subtree;
    uint32_t Filter;
    TRegChangeHandler Handler;
};

bool Concerns(const TRegWatch& watch, TRegChangeKind kind, const String& path)
{
    const bool nameChangeBelow = (watch.Filter & REG_NOTIFY_CHANGE_NAME) != 0 && IsBelow(path, watch.Path)
        && (watch.Subtree || SameText(ParentPath(path), watch.Path));
    switch (kind) {
    case rcValue:
        return (watch.Filter & REG_NOTIFY_CHANGE_LAST_SET) != 0
            && (SameText(path, watch.Path) || (watch.Subtree && IsBelow(path, watch.Path)));
    case rcKeyCreated: return nameChangeBelow;
    case rcKeyDeleted: return SameText(path, watch.Path) || IsBelow(watch.Path, path) || nameChangeBelow;
    }
    return false;
}

// The change watches of the process. Handlers are called with the list
// locked, so that removing a watch waits for a running handler; the lock is
// recursive because a handler may change the registry again.
class TRegWatchList {
public:
    static TRegWatchList& Instance()
    {
        static TRegWatchList list;
        return list;
    }

    TRegChangeWatch Add(const String& path, bool subtree, uint32_t filter, TRegChangeHandler handler)
    {
        const std::lock_guard lock(FMutex);
        FWatches.push_back(TRegWatch { FNextId, path, subtree, filter, std::move(handler) });
        return FNextId++;
    }

    void Remove(TRegChangeWatch id)
    {
        const std::lock_guard lock(FMutex);
        std::erase_if(FWatches, [id](const TRegWatch& watch) { return watch.Id == id; });
    }

    void Changed(TRegChangeKind kind, const String& path)
    {
        const std::lock_guard lock(FMutex);
        std::vector<TRegChangeWatch> concerned;
        for (const TRegWatch& watch : FWatches)
            if (Concerns(watch, kind, path)) concerned.push_back(watch.Id);
        for (const TRegChangeWatch id : concerned) {
            // An earlier handler may have removed this watch, or even itself.
            const auto found = std::find_if(FWatches.begin(), FWatches.end(), [id](const TRegWatch& watch) { return watch.Id == id; });
            if (found == FWatches.end()) continue;
            const TRegChangeHandler handler = found->Handler;
            handler();
        }
    }

private:
    std::recursive_mutex FMutex;
    std::vector<TRegWatch> FWatches;
    TRegChangeWatch FNextId = 1;
};

} // namespace

void TRegistry::SetStoreFile(const String& fileName)
{
    TRegistryStore& store = TRegistryStore::Instance();
    const std::lock_guard lock(store.FMutex);
    store.SetFile(fileName);
}

String TRegistry::StoreFile()
{
    TRegistryStore& store = TRegistryStore::Instance();
    const std::lock_guard lock(store.FMutex);
    return store.File();
}

void TRegistry::SetRootKey(HKEY rootKey)
{
    RootName(rootKey);
    FRootKey = rootKey;
    CloseKey();
}

String TRegistry::FullPath(const String& key) const
{
    const String relative = Normalized(key);
    String path = RootName(FRootKey);
    if (!key.startsWith(u'\\') && !FCurrentPath.isEmpty()) path += u'\\' + FCurrentPath;
    if (!relative.isEmpty()) path += u'\\' + relative;
    return path;
}

void TRegistry::CheckWritable() const
{
    if (FReadOnly) throw ERegistryException(QStringLiteral("The key \"%1\" is open for reading only").arg(FCurrentPath));
}

bool TRegistry::OpenKey(const String& key, bool canCreate)
{
    const String path = FullPath(key);
    if (!KeyExists(key)) {
        if (!canCreate) return false;
        String created;
        {
            TRegistryStore& store = TRegistryStore::Instance();
            const std::lock_guard lock(store.FMutex);
            created = CreatedKey(store.Keys(), path);
            store.Keys().push_back(TRegKey { path, {} });
            store.Save();
        }
        TRegWatchList::Instance().Changed(rcKeyCreated, created);
    }
    FCurrentPath = path.mid(RootName(FRootKey).size() + 1);
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const String& key)
{
    if (!OpenKey(key, false)) return false;
    FReadOnly = true;
    return true;
}

bool TRegistry::KeyExists(const String& key) const
{
    const String path = FullPath(key);
    TRegistryStore& store = TRegistryStore::Instance();
    const std::lock_guard lock(store.FMutex);
    return KeyStored(store.Keys(), path);
}

bool TRegistry::DeleteKey(const String& key)
{
    const String path = FullPath(key);
    size_t removed = 0;
    {
        TRegistryStore& store = TRegistryStore::Instance();
        const std::lock_guard lock(store.FMutex);
        removed = std::erase_if(store.Keys(), [&path](const TRegKey& stored) {
            return SameText(stored.Path, path) || IsBelow(stored.Path, path);
        });
        if (removed > 0) store.Save();
    }
    if (removed > 0) TRegWatchList::Instance().Changed(rcKeyDeleted, path);
    return removed > 0;
}

bool TRegistry::HasSubKeys() const
{
    TStringList names;
    GetKeyNames(names);
    return names.Count() > 0;
}

void TRegistry::GetKeyNames(TStrings& names) const
{
    const String path = FullPath(String());
    names.BeginUpdate();
    names.Clear();
    {
        TRegistryStore& store = TRegistryStore::Instance();
        const std::lock_guard lock(store.FMutex);
        for (const TRegKey& stored : store.Keys()) {
            if (!IsBelow(stored.Path, path)) continue;
            const String child = stored.Path.mid(path.size() + 1).section(u'\\', 0, 0);
            if (names.IndexOf(child) < 0) names.Add(child);
        }
    }
    names.EndUpdate();
}

bool TRegistry::ValueExists(const String& name) const
{
    TRegistryStore& store = TRegistryStore::Instance();
    const std::lock_guard lock(store.FMutex);
    return FindValue(store.Find(FullPath(String())), name) != nullptr;
}

bool TRegistry::DeleteValue(const String& name)
{
    CheckWritable();
    const String path = FullPath(String());
    size_t removed = 0;
    {
        TRegistryStore& store = TRegistryStore::Instance();
        const std::lock_guard lock(store.FMutex);
        TRegKey* key = store.Find(path);
        if (!key) return false;
        removed = std::erase_if(key->Values, [&name](const TRegValue& value) { return SameText(value.Name, name); });
        if (removed > 0) store.Save();
    }
    if (removed > 0) TRegWatchList::Instance().Changed(rcValue, path);
    return removed > 0;
}

void TRegistry::GetValueNames(TStrings& names) const
{
    names.BeginUpdate();
    names.Clear();
    {
        TRegistryStore& store = TRegistryStore::Instance();
        const std::lock_guard lock(store.FMutex);
        if (const TRegKey* key = store.Find(FullPath(String())))
            for (const TRegValue& value : key->Values) names.Add(value.Name);
    }
    names.EndUpdate();
}

String TRegistry::ReadString(const String& name) const
{
    TRegistryStore& store = TRegistryStore::Instance();
    const std::lock_guard lock(store.FMutex);
    const TRegValue* value = FindValue(store.Find(FullPath(String())), name);
    if (!value) return {};
    if (value->Integer) throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return value->Text;
}

int32_t TRegistry::ReadInteger(const String& name) const
{
    TRegistryStore& store = TRegistryStore::Instance();
    const std::lock_guard lock(store.FMutex);
    const TRegValue* value = FindValue(store.Find(FullPath(String())), name);
    if (!value || !value->Integer) throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return *value->Integer;
}

void TRegistry::StoreValue(const String& name, std::optional<int32_t> integer, const String& text)
{
    CheckWritable();
    const String path = FullPath(String());
    String created;
    {
        TRegistryStore& store = TRegistryStore::Instance();
        const std::lock_guard lock(store.FMutex);
        TRegKey* key = store.Find(path);
        if (!key) {
            // The open key may have been deleted meanwhile: writing creates it again.
            if (!KeyStored(store.Keys(), path)) created = CreatedKey(store.Keys(), path);
            store.Keys().push_back(TRegKey { path, {} });
            key = &store.Keys().back();
        }
        auto found = std::find_if(key->Values.begin(), key->Values.end(), [&name](const TRegValue& stored) { return SameText(stored.Name, name); });
        if (found == key->Values.end())
            key->Values.push_back(TRegValue { name, integer, text });
        else
            *found = TRegValue { found->Name, integer, text };
        store.Save();
    }
    TRegWatchList& watches = TRegWatchList::Instance();
    if (!created.isEmpty()) watches.Changed(rcKeyCreated, created);
    watches.Changed(rcValue, path);
}

TRegChangeWatch TRegistry::NotifyChangeKeyValue(bool watchSubtree, uint32_t filter, TRegChangeHandler handler) const
{
    return TRegWatchList::Instance().Add(FullPath(String()), watchSubtree, filter, std::move(handler));
}

void TRegistry::RemoveChangeWatch(TRegChangeWatch watch) { TRegWatchList::Instance().Remove(watch); }

void TRegistry::WriteString(const String& name, const String& value) { StoreValue(name, std::nullopt, value); }

void TRegistry::WriteInteger(const String& name, int32_t value) { StoreValue(name, value, String()); }

String TRegistryIniFile::ReadString(const String& section, const String& ident, const String& defaultValue) const
{
    TRegistry registry;
    if (!registry.OpenKeyReadOnly(SectionKey(section)) || !registry.ValueExists(ident)) return defaultValue;
    try {
        return registry.ReadString(ident);
    } catch (const ERegistryException&) {
        return IntToStr(registry.ReadInteger(ident));
    }
}

void TRegistryIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    TRegistry registry;
    registry.OpenKey(SectionKey(section), true);
    registry.WriteString(ident, value);
}

int32_t TRegistryIniFile::ReadInteger(const String& section, const String& ident, int32_t defaultValue) const
{
    TRegistry registry;
    if (!registry.OpenKeyReadOnly(SectionKey(section)) || !registry.ValueExists(ident)) return defaultValue;
    try {
        return registry.ReadInteger(ident);
    } catch (const ERegistryException&) {
        return StrToIntDef(registry.ReadString(ident), defaultValue);
    }
}

void TRegistryIniFile::WriteInteger(const String& section, const String& ident, int32_t value)
{
    TRegistry registry;
    registry.OpenKey(SectionKey(section), true);
    registry.WriteInteger(ident, value);
}

void TRegistryIniFile::ReadSection(const String& section, TStrings& idents) const
{
    TRegistry registry;
    if (registry.OpenKeyReadOnly(SectionKey(section)))
        registry.GetValueNames(idents);
    else
        idents.Clear();
}

void TRegistryIniFile::ReadSections(TStrings& sections) const
{
    TRegistry registry;
    if (registry.OpenKeyReadOnly(u'\\' + FileName()))
        registry.GetKeyNames(sections);
    else
        sections.Clear();
}

void TRegistryIniFile::ReadSectionValues(const String& section, TStrings& values) const
{
    TStringList idents;
    ReadSection(section, idents);
    values.BeginUpdate();
    values.Clear();
    for (int32_t index = 0; index < idents.Count(); ++index)
        values.Add(idents[index] + u'=' + ReadString(section, idents[index], String()));
    values.EndUpdate();
}

void TRegistryIniFile::EraseSection(const String& section) { TRegistry().DeleteKey(SectionKey(section)); }

void TRegistryIniFile::DeleteKey(const String& section, const String& ident)
{
    TRegistry registry;
    if (registry.OpenKey(SectionKey(section), false)) registry.DeleteValue(ident);
}
