#pragma once

#include "grid/base/DudXPVS.h"
#include "platform/core/List.h"
#include "platform/core/Registry.h"
#include "platform/graphics/Color.h"
#include "platform/os/Thread.h"
#include "platform/ui/Controls.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

// The looks the grid, its editors and the dropdown controls can take.
enum TVUVStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// Implemented by components that pass a look on to their parts.
class IVUVStyle {
public:
    virtual void SetComponentStyle(TVUVStyle style) = 0;

protected:
    ~IVUVStyle() = default;
};

class IVUVTones {
public:
    virtual void SetColorTones(const TColorTones& tones) = 0;

protected:
    ~IVUVTones() = default;
};

// Sent to the windows registered with the theme notifier when the Office
// colour scheme changes: WParam the registry root, LParam a pointer to a
// String holding the watched key, valid during the call.
constexpr uint32_t WM_OFFICETHEMECHANGED = WM_USER + 1969;

// Operating-system checks. This platform stands in for a current system
// with the newer common controls, so all three hold.
bool IsVistaOrLater();
bool IsWinXPOrLater();
bool IsComCtl6();
// "Segoe UI" on a Vista-or-later system, else "Tahoma".
String GetDefaultFontName();

// 2 when the Office 14.0 settings exist, 1 for Office 12.0, else 0.
int32_t GetInstalledOfficeVersion();
// The visual style's colour scheme: 1 "NormalColor", 2 "HomeStead",
// 3 "Metallic", 0 for any other or when no visual style is active.
int32_t GetXPColorScheme(TThemeModuleLoader& loader = PlatformThemeModule());
// The integer value "Theme" of key; -1 when the key or the value is
// missing, or when the value is not an integer.
int32_t ReadOfficeThemeValue(TRegistry& registry, const String& key);
// The Office colour scheme the user has chosen, from the newest Office found
// in the registry, else from the visual style's colour scheme. Never otUnknown.
TOfficeTheme GetOfficeTheme(TThemeModuleLoader& loader = PlatformThemeModule());

// Window handles; a window's handle is the control itself on this platform.
class THandleList : public TList {
public:
    void Add(TWinControl* value) { TList::Add(value); }
    void Insert(int32_t index, TWinControl* value) { TList::Insert(index, value); }
    // Removes the first occurrence; nothing when absent.
    void DeleteValue(TWinControl* value) { TList::Remove(value); }
    bool HasValue(TWinControl* value) const { return IndexOf(value) >= 0; }
    TWinControl* GetInteger(int32_t index) const { return static_cast<TWinControl*>(Items(index)); }
    void SetInteger(int32_t index, TWinControl* value) { SetItems(index, value); }
};

// Watches a registry key and its subtree and, on each change, sends
// WM_OFFICETHEMECHANGED to Wnd and then to every window of WinList. The
// sending runs on the user-interface thread and the thread waits for it;
// the window list belongs to that thread, which changes it and walks it.
class TRegMonitorThread : public TThread {
public:
    TRegMonitorThread();
    ~TRegMonitorThread() override;

    const String& Key() const { return FKey; }
    void SetKey(const String& value) { FKey = value; }
    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY value) { FRootKey = value; }
    // Kept for reading; the watch always covers the subtree.
    bool WatchSub() const { return FWatchSub; }
    void SetWatchSub(bool value) { FWatchSub = value; }
    // 0 reads as every kind of change.
    uint32_t Filter() const { return FFilter == 0 ? 15u : FFilter; }
    void SetFilter(uint32_t value) { FFilter = value; }
    TWinControl* Wnd() const { return FWnd; }
    void SetWnd(TWinControl* value) { FWnd = value; }
    THandleList& WinList() { return FWinList; }

    // Ends the wait; the thread then leaves.
    void Stop();

protected:
    void Execute() override;

private:
    void InitThread();
    void Signal();
    void NotifyWindows();

    std::unique_ptr<TRegistry> FReg;
    std::mutex FEventMutex;
    std::condition_variable FEvent;
    bool FSignalled = false;
    TRegChangeWatch FWatch = 0;
    String FKey;
    HKEY FRootKey = HKEY_CURRENT_USER;
    bool FWatchSub = false;
    uint32_t FFilter = 0;
    TWinControl* FWnd = nullptr;
    THandleList FWinList;
};

// An invisible child window that raises OnOfficeThemeChange when
// WM_OFFICETHEMECHANGED arrives.
class TThemeNotifierWindow : public TWinControl {
public:
    using TWinControl::TWinControl;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnOfficeThemeChange;
};

// The process-wide watch of the Office colour scheme (see GetThemeNotifier).
// Without an Office 12.0 or 14.0 it has neither thread nor window, and
// registering windows does nothing.
class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* owner);
    ~TThemeNotifier() override;

    // A registered window is forgotten by itself when it is destroyed.
    void RegisterWindow(TWinControl* hwnd);
    void UnRegisterWindow(TWinControl* hwnd);

    TRegMonitorThread* RegMonitorThread() const { return FRegMonitorThread.get(); }
    TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }

    TNotifyEvent OnOfficeThemeChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TRegMonitorThread> FRegMonitorThread;
    TThemeNotifierWindow* FNotifier = nullptr;
};

// The process's notifier, made on the first call. Its owner is the main form
// when there is one, else owner; the owner frees it.
TThemeNotifier* GetThemeNotifier(TComponent* owner);
