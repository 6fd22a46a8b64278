#pragma once

#include "platform/core/IniFiles.h"

#include <cstdint>
#include <functional>
#include <optional>

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;
constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;

// Kinds of change a watch asks for, combined in its filter. This store has
// no attributes or security, so only names and values ever change.
constexpr uint32_t REG_NOTIFY_CHANGE_NAME = 0x1; // sub-keys created or deleted
constexpr uint32_t REG_NOTIFY_CHANGE_ATTRIBUTES = 0x2;
constexpr uint32_t REG_NOTIFY_CHANGE_LAST_SET = 0x4; // values written or deleted
constexpr uint32_t REG_NOTIFY_CHANGE_SECURITY = 0x8;

using TRegChangeWatch = uint64_t;
using TRegChangeHandler = std::function<void()>;

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// The registry, kept by this program in one JSON file (all roots together)
// and shared by every TRegistry of the process. Keys are paths of names
// separated by '\' and compare without case; a key starting with '\' is taken
// from the root, any other from the open key. Values are strings or 32-bit
// integers. Every change rewrites the file whole and atomically.
class TRegistry {
public:
    TRegistry() = default;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // The store's file; by default "registry.json" in the user's
    // configuration folder for this program. Tests point it elsewhere.
    static void SetStoreFile(const String& fileName);
    static String StoreFile();

    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY rootKey);
    // The open key below the root, "" when none is open.
    const String& CurrentPath() const { return FCurrentPath; }

    bool OpenKey(const String& key, bool canCreate);
    bool OpenKeyReadOnly(const String& key);
    void CloseKey() { FCurrentPath.clear(); }
    bool KeyExists(const String& key) const;
    bool DeleteKey(const String& key);
    bool HasSubKeys() const;
    void GetKeyNames(TStrings& names) const;

    bool ValueExists(const String& name) const;
    bool DeleteValue(const String& name);
    void GetValueNames(TStrings& names) const;
    // "" when the value is missing; ERegistryException when it is an integer.
    String ReadString(const String& name) const;
    void WriteString(const String& name, const String& value);
    // ERegistryException when the value is missing or not an integer.
    int32_t ReadInteger(const String& name) const;
    void WriteInteger(const String& name, int32_t value);
    bool ReadBool(const String& name) const { return ReadInteger(name) != 0; }
    void WriteBool(const String& name, bool value) { WriteInteger(name, value ? 1 : 0); }

    // Watches the open key (the root when none is open) for changes made
    // through any TRegistry of the process: handler is called after each
    // change of a kind in filter to the key or, with watchSubtree, to a key
    // below it; deleting the watched key or a key above it always counts.
    // The watch stays until removed. The handler runs on the thread that made
    // the change, after the store is unlocked; it must be short and must not
    // wait for another thread (it may use the registry itself).
    TRegChangeWatch NotifyChangeKeyValue(bool watchSubtree, uint32_t filter, TRegChangeHandler handler) const;
    // Once it returns, the watch's handler is not running on another thread
    // and is never called again.
    static void RemoveChangeWatch(TRegChangeWatch watch);

private:
    String FullPath(const String& key) const;
    void CheckWritable() const;
    void StoreValue(const String& name, std::optional<int32_t> integer, const String& text);

    HKEY FRootKey = HKEY_CURRENT_USER;
    String FCurrentPath;
    bool FReadOnly = false;
};

// Section/value access to the registry: FileName is a key below
// HKEY_CURRENT_USER, sections are its sub-keys. Writes take effect at once.
class TRegistryIniFile : public TCustomIniFile {
public:
    using TCustomIniFile::TCustomIniFile;

    String ReadString(const String& section, const String& ident, const String& defaultValue) const override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    int32_t ReadInteger(const String& section, const String& ident, int32_t defaultValue) const override;
    void WriteInteger(const String& section, const String& ident, int32_t value) override;
    void ReadSection(const String& section, TStrings& idents) const override;
    void ReadSections(TStrings& sections) const override;
    void ReadSectionValues(const String& section, TStrings& values) const override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    void UpdateFile() override { }

private:
    String SectionKey(const String& section) const { return u'\\' + FileName() + u'\\' + section; }
};
