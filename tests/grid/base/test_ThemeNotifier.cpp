#include "grid/base/DudStyleIF.h"

#include "platform/ui/Forms.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

const String Office12 = "Software\\Microsoft\\Office\\12.0\\Common";
const String Office14 = "Software\\Microsoft\\Office\\14.0\\Common";

// A window that records the colour-scheme notifications it gets.
class TRecordingWindow : public TWinControl {
public:
    using TWinControl::TWinControl;

    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_OFFICETHEMECHANGED)
            FReceived.push_back({ message.WParam, *reinterpret_cast<const String*>(message.LParam) });
        TWinControl::WndProc(message);
    }

    struct TNotice {
        intptr_t Root;
        String Key;
    };
    std::vector<TNotice> FReceived;
};

class ThemeNotifierTest : public testing::Test {
protected:
    void SetUp() override { TRegistry::SetStoreFile(FTemp.path() + "/registry.json"); }
    void TearDown() override { TRegistry::SetStoreFile(FTemp.path() + "/unused.json"); }

    static void Write(const String& key, int32_t theme)
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(key, true));
        registry.WriteInteger("Theme", theme);
    }

    // Serves the monitor's synchronised sends until done() or a generous limit.
    template <typename TDone>
    static bool WaitUntil(TDone done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 5000) {
            CheckSynchronize();
            QCoreApplication::processEvents();
        }
        return done();
    }

    QTemporaryDir FTemp;
};

} // namespace

TEST_F(ThemeNotifierTest, WithoutNewerOfficeThereIsNoWatchAndRegisteringDoesNothing)
{
    TRegistry().OpenKey("Software\\Microsoft\\Office\\11.0\\Common\\General", true);
    TForm owner(nullptr);
    auto* notifier = new TThemeNotifier(&owner);
    EXPECT_EQ(notifier->RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier->NotifierWindow(), nullptr);
    TRecordingWindow window(nullptr);
    notifier->RegisterWindow(&window);
    notifier->UnRegisterWindow(&window);
}

TEST_F(ThemeNotifierTest, RegistersEachWindowOnceAndForgetsDestroyedOnes)
{
    TRegistry().OpenKey(Office12 + "\\General", true);
    TForm owner(nullptr);
    auto* notifier = new TThemeNotifier(&owner);
    ASSERT_NE(notifier->RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier->RegMonitorThread()->Key(), Office12);
    EXPECT_EQ(notifier->RegMonitorThread()->Filter(), REG_NOTIFY_CHANGE_LAST_SET);
    EXPECT_EQ(notifier->RegMonitorThread()->Wnd(), notifier->NotifierWindow());
    THandleList& windows = notifier->RegMonitorThread()->WinList();

    TRecordingWindow kept(nullptr);
    auto gone = std::make_unique<TRecordingWindow>(nullptr);
    notifier->RegisterWindow(&kept);
    notifier->RegisterWindow(&kept);
    notifier->RegisterWindow(gone.get());
    EXPECT_EQ(windows.Count(), 2);
    gone.reset();
    ASSERT_EQ(windows.Count(), 1);
    EXPECT_EQ(windows.GetInteger(0), &kept);
    TRecordingWindow unknown(nullptr);
    notifier->UnRegisterWindow(&unknown);
    EXPECT_EQ(windows.Count(), 1);
    notifier->UnRegisterWindow(&kept);
    EXPECT_EQ(windows.Count(), 0);
}

TEST_F(ThemeNotifierTest, ChangeOfTheWatchedKeyReachesTheRegisteredWindows)
{
    TRegistry().OpenKey(Office14 + "\\General", true);
    TForm owner(nullptr);
    auto* notifier = new TThemeNotifier(&owner);
    ASSERT_NE(notifier->RegMonitorThread(), nullptr);
    int notifierEvents = 0;
    notifier->OnOfficeThemeChange = [&](TComponent* sender) {
        EXPECT_EQ(sender, notifier);
        ++notifierEvents;
    };
    TRecordingWindow first(nullptr);
    TRecordingWindow second(nullptr);
    notifier->RegisterWindow(&first);
    notifier->RegisterWindow(&second);

    // The thread arms its watch on its own time: write until a change is seen.
    int32_t theme = 0;
    ASSERT_TRUE(WaitUntil([&] {
        Write(Office14, ++theme % 4);
        return !second.FReceived.empty();
    }));
    EXPECT_EQ(first.FReceived.size(), second.FReceived.size());
    EXPECT_EQ(notifierEvents, static_cast<int>(first.FReceived.size()));
    for (const auto* window : { &first, &second })
        for (const auto& notice : window->FReceived) {
            EXPECT_EQ(notice.Root, static_cast<intptr_t>(HKEY_CURRENT_USER));
            EXPECT_EQ(notice.Key, Office14);
        }
}

TEST_F(ThemeNotifierTest, ProcessNotifierIsMadeOnceAndForgottenWithItsOwner)
{
    TRegistry().OpenKey(Office14 + "\\General", true);
    auto owner = std::make_unique<TForm>(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(owner.get());
    EXPECT_EQ(GetThemeNotifier(nullptr), notifier);
    EXPECT_EQ(notifier->Owner(), owner.get());
    owner.reset();
    TForm nextOwner(nullptr);
    TThemeNotifier* next = GetThemeNotifier(&nextOwner);
    EXPECT_EQ(next->Owner(), &nextOwner);
}
