#include "platform/core/Registry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace {

class RegistryWatchTest : public testing::Test {
protected:
    void SetUp() override { TRegistry::SetStoreFile(FTemp.path() + "/registry.json"); }
    void TearDown() override { TRegistry::SetStoreFile(FTemp.path() + "/unused.json"); }

    static void Write(const String& key, const String& name, int32_t value)
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(key, true));
        registry.WriteInteger(name, value);
    }

    // A watch on key that counts its calls until the end of the scope.
    class TCountingWatch {
    public:
        TCountingWatch(const String& key, bool subtree, uint32_t filter)
        {
            TRegistry registry;
            if (!key.isEmpty()) registry.OpenKey(key, true);
            FWatch = registry.NotifyChangeKeyValue(subtree, filter, [this] { ++FCalls; });
        }
        ~TCountingWatch() { TRegistry::RemoveChangeWatch(FWatch); }
        TCountingWatch(const TCountingWatch&) = delete;
        TCountingWatch& operator=(const TCountingWatch&) = delete;

        int Calls() const { return FCalls.load(); }

    private:
        TRegChangeWatch FWatch = 0;
        std::atomic<int> FCalls { 0 };
    };

    QTemporaryDir FTemp;
};

constexpr uint32_t AllChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET
    | REG_NOTIFY_CHANGE_SECURITY;

} // namespace

TEST_F(RegistryWatchTest, ChangesReachTheWatchesTheyConcern)
{
    using TChange = std::function<void()>;
    const TChange writeWatched = [] { Write("Office\\Common", "Theme", 2); };
    const TChange writeBelow = [] { Write("Office\\Common\\General", "Theme", 2); };
    const TChange writeAbove = [] { Write("Office", "Theme", 2); };
    const TChange writeSibling = [] { Write("Office\\Commons", "Theme", 2); };
    const TChange writeOtherCase = [] { Write("OFFICE\\common", "Theme", 2); };
    const TChange createChild = [] { TRegistry().OpenKey("Office\\Common\\New", true); };
    const TChange createGrandChildOfExistingChild = [] { TRegistry().OpenKey("Office\\Common\\Old\\New", true); };
    const TChange createGrandChildOfNewChild = [] { TRegistry().OpenKey("Office\\Common\\New\\New", true); };
    const TChange deleteWatched = [] { TRegistry().DeleteKey("Office\\Common"); };
    const TChange deleteAbove = [] { TRegistry().DeleteKey("Office"); };
    const TChange deleteValue = [] {
        TRegistry registry;
        registry.OpenKey("Office\\Common", false);
        registry.DeleteValue("Before");
    };
    const TChange deleteMissingValue = [] {
        TRegistry registry;
        registry.OpenKey("Office\\Common", false);
        registry.DeleteValue("Missing");
    };
    const TChange reopen = [] { TRegistry().OpenKey("Office\\Common", true); };

    struct TCase {
        const char* Name;
        const TChange* Change;
        bool Subtree;
        uint32_t Filter;
        int Expected;
    };
    const TCase cases[] = {
        { "value of the key", &writeWatched, false, REG_NOTIFY_CHANGE_LAST_SET, 1 },
        { "value, names only", &writeWatched, true, REG_NOTIFY_CHANGE_NAME, 0 },
        { "value below, key only", &writeBelow, false, REG_NOTIFY_CHANGE_LAST_SET, 0 },
        { "value below creates the child", &writeBelow, false, REG_NOTIFY_CHANGE_NAME, 1 },
        { "value below, subtree", &writeBelow, true, REG_NOTIFY_CHANGE_LAST_SET, 1 },
        { "value above", &writeAbove, true, AllChanges, 0 },
        { "value of a sibling with a longer name", &writeSibling, true, AllChanges, 0 },
        { "key names compare without case", &writeOtherCase, false, REG_NOTIFY_CHANGE_LAST_SET, 1 },
        { "child created", &createChild, false, REG_NOTIFY_CHANGE_NAME, 1 },
        { "child created, values only", &createChild, true, REG_NOTIFY_CHANGE_LAST_SET, 0 },
        { "grandchild of existing child, key only", &createGrandChildOfExistingChild, false, REG_NOTIFY_CHANGE_NAME, 0 },
        { "grandchild of existing child, subtree", &createGrandChildOfExistingChild, true, REG_NOTIFY_CHANGE_NAME, 1 },
        { "grandchild creating the child", &createGrandChildOfNewChild, false, REG_NOTIFY_CHANGE_NAME, 1 },
        { "watched key deleted", &deleteWatched, false, REG_NOTIFY_CHANGE_LAST_SET, 1 },
        { "key above deleted", &deleteAbove, false, REG_NOTIFY_CHANGE_LAST_SET, 1 },
        { "value deleted", &deleteValue, false, REG_NOTIFY_CHANGE_LAST_SET, 1 },
        { "missing value deleted", &deleteMissingValue, true, AllChanges, 0 },
        { "existing key opened", &reopen, true, AllChanges, 0 },
    };
    int storeNumber = 0;
    for (const TCase& item : cases) {
        SCOPED_TRACE(item.Name);
        TRegistry::SetStoreFile(FTemp.path() + QStringLiteral("/store%1.json").arg(++storeNumber));
        Write("Office\\Common", "Before", 1);
        TRegistry().OpenKey("Office\\Common\\Old", true);
        const TCountingWatch watch("Office\\Common", item.Subtree, item.Filter);
        (*item.Change)();
        EXPECT_EQ(watch.Calls(), item.Expected);
    }
}

TEST_F(RegistryWatchTest, WatchWithoutOpenKeyCoversTheRoot)
{
    const TCountingWatch watch(String(), true, REG_NOTIFY_CHANGE_LAST_SET);
    Write("Anything\\Deep", "Value", 1);
    EXPECT_EQ(watch.Calls(), 1);
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.OpenKey("Anything", true);
    registry.WriteInteger("Value", 1);
    EXPECT_EQ(watch.Calls(), 1);
}

TEST_F(RegistryWatchTest, RemovedWatchIsNeverCalledAgain)
{
    TRegistry registry;
    registry.OpenKey("Key", true);
    int calls = 0;
    const TRegChangeWatch watch = registry.NotifyChangeKeyValue(false, REG_NOTIFY_CHANGE_LAST_SET, [&calls] { ++calls; });
    registry.WriteInteger("Value", 1);
    TRegistry::RemoveChangeWatch(watch);
    registry.WriteInteger("Value", 2);
    EXPECT_EQ(calls, 1);
}

TEST_F(RegistryWatchTest, HandlerMayUseTheRegistryAndRemoveItsOwnWatch)
{
    TRegistry registry;
    registry.OpenKey("Key", true);
    int calls = 0;
    TRegChangeWatch watch = 0;
    watch = registry.NotifyChangeKeyValue(false, REG_NOTIFY_CHANGE_LAST_SET, [&] {
        ++calls;
        TRegistry::RemoveChangeWatch(watch);
        Write("Key", "Echo", calls);
    });
    registry.WriteInteger("Value", 1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(registry.ReadInteger("Echo"), 1);
}

TEST_F(RegistryWatchTest, ChangesFromAnotherThreadReachTheWatch)
{
    const TCountingWatch watch("Key", false, REG_NOTIFY_CHANGE_LAST_SET);
    std::thread writer([] {
        for (int32_t value = 0; value < 20; ++value) Write("Key", "Value", value);
    });
    writer.join();
    EXPECT_EQ(watch.Calls(), 20);
}
