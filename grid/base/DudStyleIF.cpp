#include "grid/base/DudStyleIF.h"

#include "platform/ui/Forms.h"

#include <array>

namespace {

const String Office12Common = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
const String Office14Common = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");

// The colour-scheme names of the visual style, in the order of their numbers.
constexpr std::array<const char16_t*, 3> ColorSchemeNames = { u"NormalColor", u"HomeStead", u"Metallic" };

// Office "Theme" values 1, 2, 3 by Office version; any other value means blue 2003.
TOfficeTheme ThemeOfValue(int32_t value, TOfficeTheme blue)
{
    return value >= 1 && value <= 3 ? static_cast<TOfficeTheme>(blue + value - 1) : ot2003Blue;
}

TThemeNotifier* ProcessNotifier = nullptr;

} // namespace

bool IsVistaOrLater() { return true; }

bool IsWinXPOrLater() { return true; }

bool IsComCtl6() { return true; }

String GetDefaultFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

int32_t GetInstalledOfficeVersion()
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (registry.KeyExists(Office14Common + QStringLiteral("\\General"))) return 2;
    if (registry.KeyExists(Office12Common + QStringLiteral("\\General"))) return 1;
    return 0;
}

int32_t GetXPColorScheme(TThemeModuleLoader& loader)
{
    if (!IsWinXPOrLater() || !loader.Load()) return 0;
    int32_t scheme = 0;
    const auto isThemeActive = reinterpret_cast<TIsThemeActiveProc>(loader.Find("IsThemeActive"));
    const auto getCurrentThemeName = reinterpret_cast<TGetCurrentThemeNameProc>(loader.Find("GetCurrentThemeName"));
    if (isThemeActive && getCurrentThemeName && isThemeActive() != 0 && IsComCtl6()) {
        constexpr int32_t BufferSize = 255;
        std::array<char16_t, BufferSize + 1> fileName {};
        std::array<char16_t, BufferSize + 1> colorName {};
        std::array<char16_t, BufferSize + 1> sizeName {};
        getCurrentThemeName(fileName.data(), BufferSize, colorName.data(), BufferSize, sizeName.data(), BufferSize);
        const String color = String::fromUtf16(colorName.data());
        for (size_t index = 0; index < ColorSchemeNames.size() && scheme == 0; ++index)
            if (color.contains(String::fromUtf16(ColorSchemeNames[index]))) scheme = static_cast<int32_t>(index) + 1;
    }
    loader.Unload();
    return scheme;
}

int32_t ReadOfficeThemeValue(TRegistry& registry, const String& key)
{
    if (!registry.KeyExists(key) || !registry.OpenKeyReadOnly(key)) return -1;
    int32_t value = -1;
    // A "Theme" of another type is foreign data, not a scheme: read as missing.
    if (registry.ValueExists(QStringLiteral("Theme"))) {
        try {
            value = registry.ReadInteger(QStringLiteral("Theme"));
        } catch (const ERegistryException&) {
            value = -1;
        }
    }
    registry.CloseKey();
    return value;
}

TOfficeTheme GetOfficeTheme(TThemeModuleLoader& loader)
{
    TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (const int32_t value = ReadOfficeThemeValue(registry, Office14Common); value != -1)
        return ThemeOfValue(value, ot2010Blue);
    if (const int32_t value = ReadOfficeThemeValue(registry, Office12Common); value != -1)
        return ThemeOfValue(value, ot2007Blue);
    constexpr std::array<TOfficeTheme, 4> SchemeThemes = { ot2003Classic, ot2003Blue, ot2003Olive, ot2003Silver };
    return SchemeThemes[static_cast<size_t>(GetXPColorScheme(loader))];
}

// ---- TRegMonitorThread -------------------------------------------------------

TRegMonitorThread::TRegMonitorThread() : TThread(true), FReg(std::make_unique<TRegistry>()) { }

TRegMonitorThread::~TRegMonitorThread()
{
    Stop();
    WaitFor();
}

void TRegMonitorThread::Stop()
{
    Terminate();
    Signal();
}

void TRegMonitorThread::Signal()
{
    {
        const std::lock_guard lock(FEventMutex);
        FSignalled = true;
    }
    FEvent.notify_all();
}

void TRegMonitorThread::InitThread()
{
    FReg->SetRootKey(FRootKey);
    if (!FReg->OpenKeyReadOnly(FKey)) throw ERegistryException(QStringLiteral("Unable to open registry key ") + FKey);
    FWatch = FReg->NotifyChangeKeyValue(true, Filter(), [this] { Signal(); });
}

void TRegMonitorThread::Execute()
{
    InitThread();
    while (true) {
        {
            std::unique_lock lock(FEventMutex);
            FEvent.wait(lock, [this] { return FSignalled; });
            // Reset before sending: a change made while the windows are being
            // told wakes the thread again instead of being lost.
            FSignalled = false;
        }
        if (Terminated()) break;
        Synchronize([this] { NotifyWindows(); });
    }
    TRegistry::RemoveChangeWatch(FWatch);
}

void TRegMonitorThread::NotifyWindows()
{
    const intptr_t keyText = reinterpret_cast<intptr_t>(&FKey);
    if (FWnd) SendMessage(FWnd, WM_OFFICETHEMECHANGED, static_cast<intptr_t>(FRootKey), keyText);
    // A window may unregister another (or itself) while it is told.
    THandleList windows;
    for (int32_t index = 0; index < FWinList.Count(); ++index) windows.Add(FWinList.GetInteger(index));
    for (int32_t index = 0; index < windows.Count(); ++index)
        if (FWinList.HasValue(windows.GetInteger(index)))
            SendMessage(windows.GetInteger(index), WM_OFFICETHEMECHANGED, static_cast<intptr_t>(FRootKey), keyText);
}

// ---- TThemeNotifierWindow ----------------------------------------------------

void TThemeNotifierWindow::WndProc(TMessage& message)
{
    if (message.Msg == WM_OFFICETHEMECHANGED && OnOfficeThemeChange) OnOfficeThemeChange(this);
    TWinControl::WndProc(message);
}

// ---- TThemeNotifier ----------------------------------------------------------

TThemeNotifier::TThemeNotifier(TComponent* owner) : TComponent(owner)
{
    const int32_t officeVersion = GetInstalledOfficeVersion();
    if (officeVersion != 1 && officeVersion != 2) return;
    FNotifier = new TThemeNotifierWindow(this);
    FNotifier->SetVisible(false);
    FNotifier->SetParent(dynamic_cast<TWinControl*>(owner));
    FNotifier->OnOfficeThemeChange = [this](TComponent*) {
        if (OnOfficeThemeChange) OnOfficeThemeChange(this);
    };
    FRegMonitorThread = std::make_unique<TRegMonitorThread>();
    FRegMonitorThread->SetWnd(FNotifier);
    FRegMonitorThread->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
    FRegMonitorThread->SetKey(officeVersion == 2 ? Office14Common : Office12Common);
    FRegMonitorThread->SetRootKey(HKEY_CURRENT_USER);
    FRegMonitorThread->SetWatchSub(true);
    FRegMonitorThread->Start();
}

TThemeNotifier::~TThemeNotifier()
{
    Destroying();
    // The thread is stopped and joined before the window it sends to goes.
    FRegMonitorThread.reset();
    if (ProcessNotifier == this) ProcessNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(TWinControl* hwnd)
{
    if (!FRegMonitorThread || !hwnd || FRegMonitorThread->WinList().HasValue(hwnd)) return;
    FRegMonitorThread->WinList().Add(hwnd);
    hwnd->FreeNotification(this);
}

void TThemeNotifier::UnRegisterWindow(TWinControl* hwnd)
{
    if (!FRegMonitorThread) return;
    FRegMonitorThread->WinList().DeleteValue(hwnd);
}

void TThemeNotifier::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove || !FRegMonitorThread) return;
    // The parent may destroy the notification window before this notifier;
    // the thread reads Wnd only on this thread, so clearing it here is safe.
    if (component == FNotifier) {
        FNotifier = nullptr;
        FRegMonitorThread->SetWnd(nullptr);
        return;
    }
    // The window is already being destroyed: compare addresses only.
    THandleList& windows = FRegMonitorThread->WinList();
    for (int32_t index = windows.Count() - 1; index >= 0; --index)
        if (static_cast<TComponent*>(windows.GetInteger(index)) == component) windows.Delete(index);
}

TThemeNotifier* GetThemeNotifier(TComponent* owner)
{
    if (!ProcessNotifier) {
        TForm* mainForm = Application->MainForm();
        ProcessNotifier = new TThemeNotifier(mainForm ? mainForm : owner);
    }
    return ProcessNotifier;
}
