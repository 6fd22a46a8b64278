#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/CursorResources.h"
#include "platform/ui/Monitors.h"

#include <functional>
#include <memory>
#include <optional>

class TBitmap;

using TModalResult = int32_t;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrTryAgain = 10;
constexpr TModalResult mrContinue = 11;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSetOf<TBorderIcon>;
using enum TBorderIcon;
enum class TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
using enum TPosition;
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using enum TCloseAction;
enum class TFormStyle { fsNormal, fsStayOnTop };
using enum TFormStyle;
// How a top-level window behaves towards activation and input (README).
enum class TWindowKind { wkNormal, wkPopup, wkNoActivatePopup, wkHint, wkOverlay };
using enum TWindowKind;
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
using enum TWindowState;

// Limits of a form's size; 0 leaves a limit open.
struct TSizeConstraints {
    int32_t MinWidth = 0;
    int32_t MinHeight = 0;
    int32_t MaxWidth = 0;
    int32_t MaxHeight = 0;
    bool operator==(const TSizeConstraints&) const = default;
};
using TFormCanResizeEvent = std::function<void(TComponent* sender, int32_t& newWidth, int32_t& newHeight, bool& resize)>;

// WM_SYSCOMMAND commands (the low four bits are the system's own).
constexpr intptr_t SC_SIZE = 0xF000;
constexpr intptr_t SC_MOVE = 0xF010;
constexpr intptr_t SC_MINIMIZE = 0xF020;
constexpr intptr_t SC_MAXIMIZE = 0xF030;
constexpr intptr_t SC_CLOSE = 0xF060;
constexpr intptr_t SC_RESTORE = 0xF120;

// WM_ACTIVATE: WParam says how the window's activation changes, LParam
// carries the form on the other side of the change (null when the other
// window is not one of ours).
constexpr intptr_t WA_INACTIVE = 0;
constexpr intptr_t WA_ACTIVE = 1;
constexpr intptr_t WA_CLICKACTIVE = 2;

class THintWindow;
// A hint-window class (Hints.h): makes a window of that class, owned by owner.
using THintWindowClass = THintWindow* (*)(TComponent* owner);

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

// A top-level window. Its keys follow the platform's dialog rules (see the
// README beside this file): the focused control sees each key first; Tab,
// arrows, Enter and Esc it does not want go to CM_DIALOGKEY of the form,
// which moves the focus or offers the key to every control.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool keyPreview) { FKeyPreview = keyPreview; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    TWindowKind WindowKind() const { return FWindowKind; }
    void SetWindowKind(TWindowKind kind);

    // The window this one is owned by: it stays above it, takes input while
    // it is modal and is hidden with it. Without one, a form shown while a
    // form is modal is owned by that modal form.
    TForm* PopupParent() const { return FPopupParent; }
    void SetPopupParent(TForm* parent);
    // The owner of the shown window (null for an unowned one).
    TForm* OwnerWindow() const;
    // True when window is this one or owned by it, directly or further down.
    bool OwnsWindow(const TForm* window) const;
    // A popup closes when the activation moves to a window it does not own;
    // forms that decide on deactivation themselves turn this off.
    bool CloseOnDeactivate() const { return FCloseOnDeactivate; }
    void SetCloseOnDeactivate(bool close) { FCloseOnDeactivate = close; }
    // Shows the form, leaving the activation and the focus where they are.
    void ShowNoActivate();
    // Moves the form into the work area of the monitor it mostly lies on.
    void MakeFullyVisible();

    // Width and Height within these; OnCanResize sees every new size first
    // (from the program or the user) and may change or refuse it.
    const TSizeConstraints& Constraints() const { return FConstraints; }
    void SetConstraints(const TSizeConstraints& constraints);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    // Lets the window system move the window with the mouse while the button
    // pressed now is held; false where it cannot.
    bool StartSystemMove();

    // Per-window translucency: AlphaBlendValue 0 (clear) .. 255 (opaque)
    // while AlphaBlend is on.
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool alphaBlend);
    uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(uint8_t value);
    // True when the window system blends the form's window with what lies
    // below; where it cannot, the form is drawn opaque and this is false.
    bool AlphaBlended() const;
    // Shapes the window: only the region's pixels show and take the mouse.
    // Null gives the whole rectangle back.
    void SetWindowRegion(const TRegion* region);

    // A layered window shows a picture with an alpha channel of its own in
    // place of its painting. Set it before the window is first shown: the
    // window system chooses the window's kind of pixels then.
    bool Layered() const { return FLayered; }
    void SetLayered(bool layered);
    // Shows picture (32 bits a pixel: blue, green, red and alpha, the colours
    // multiplied by alpha) at the window's size, every pixel's alpha scaled
    // once more by constantAlpha. True when the window system blends it with
    // what lies below. Where it cannot (an X display without a compositing
    // manager) the picture is drawn opaque, each pixel in its own colour and
    // a clear one in Color, and the answer is false. A window that is not
    // layered takes no picture and answers false.
    bool UpdateLayeredWindow(const TBitmap& picture, uint8_t constantAlpha);

    TWinControl* ActiveControl() const { return FActiveControl; }
    // Throws EInvalidOperation for a control that cannot take the focus.
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    void SelectFirst();
    bool Active() const;

    TModalResult ModalResult() const { return FModalResult; }
    // Non-zero ends ShowModal once the current message is handled.
    void SetModalResult(TModalResult result) { FModalResult = result; }
    bool Modal() const { return FModal; }
    // Shows the form and runs messages until ModalResult is set (and the
    // close is allowed); returns it. A visible form cannot be made modal.
    TModalResult ShowModal();
    // Modal: ModalResult := mrCancel. Otherwise CloseQuery, OnClose, then
    // hide (free with caFree); closing the main form ends the program.
    void Close();
    // Frees the form once the current message is handled.
    void Release();
    virtual bool CloseQuery();

    void SetVisible(bool visible) override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    bool CanFocus() const override;
    void SetFocus() override;
    void WndProc(TMessage& message) override;

    // Called by the application once the form is built.
    void DoCreate();
    // Called by a control that takes the focus.
    void SetFocusedControl(TWinControl* control);
    // Called by a control that leaves the form or is destroyed.
    void ControlRemoving(TControl* control);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TFormCanResizeEvent OnCanResize;

protected:
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    // Fires OnDeactivate; a popup then closes unless the window becoming
    // active (null when none of ours) belongs to it.
    virtual void Deactivate();
    virtual void WMActivate(TMessage& message);
    virtual void WMSysCommand(TMessage& message);
    virtual bool CanResize(int32_t& newWidth, int32_t& newHeight);
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CMDialogKey(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    bool ErasesBackground() const override { return !FLayered; }
    void PaintWindow(QPainter& painter) override;

private:
    friend class TPopupCloser;
    void CloseModal();
    void ShowWindow(bool activate);
    bool ActivatesOnShow() const;
    void AttachToOwner();
    void HideOwnedWindows();
    void DetachOwnedWindows();
    void ApplyWindowFlags();
    void ApplyWindowState();
    void ApplyAlpha();
    void ConstrainSize(int32_t& width, int32_t& height) const;
    bool AdjustSize(int32_t& width, int32_t& height);
    void ApplySizeConstraints();
    void PlaceOnScreen();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons { biSystemMenu, biMinimize, biMaximize };
    TPosition FPosition = poDesigned;
    bool FKeyPreview = false;
    TFormStyle FFormStyle = fsNormal;
    TWindowKind FWindowKind = wkNormal;
    TForm* FPopupParent = nullptr;
    bool FCloseOnDeactivate = true;
    TSizeConstraints FConstraints;
    TWindowState FWindowState = wsNormal;
    TSize FAcceptedSize;
    bool FAdjusting = false;
    bool FAlphaBlend = false;
    uint8_t FAlphaBlendValue = 255;
    bool FLayered = false;
    // The layered picture with the constant alpha applied.
    std::unique_ptr<TBitmap> FLayeredPicture;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FReleaseAfterModal = false;
};

class QApplication;
class QEventLoop;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Creates the Qt application unless one exists (tests make their own).
    void Initialize(int& argc, char** argv);
    // Builds a form owned by the application and fires its OnCreate; the
    // first form made becomes the main form.
    template <typename T>
    void CreateForm(T*& reference)
    {
        reference = new T(this);
        if (!FMainForm)
            FMainForm = reference;
        reference->DoCreate();
    }
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* form) { FMainForm = form; }

    // Shows the main form and runs messages until Terminate; frees the forms.
    void Run();
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // Reports the exception being handled (call it inside a catch block):
    // OnException when set, else an error box through the message service.
    void HandleException(TComponent* sender);
    std::function<void(TComponent* sender, const String& message)> OnException;

    const String& Title() const { return FTitle; }
    void SetTitle(const String& title) { FTitle = title; }
    // The full path of the running executable.
    String ExeName() const;
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool showHint) { FShowHint = showHint; }
    // The class every hint is shown in unless the control picks another
    // in CM_HINTSHOW; null for THintWindow.
    THintWindowClass HintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(THintWindowClass hintClass) { FHintWindowClass = hintClass; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor color) { FHintColor = color; }
    // Milliseconds a hint stays up.
    int32_t HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int32_t pause) { FHintHidePause = pause; }
    // Hides the hint shown now; the next rest of the pointer asks again.
    void CancelHint();

private:
    void ShutDown();

    std::unique_ptr<QApplication> FQtApplication;
    QEventLoop* FRunLoop = nullptr;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    String FTitle;
    bool FShowHint = true;
    THintWindowClass FHintWindowClass = nullptr;
    TColor FHintColor = clInfoBk;
    int32_t FHintHidePause = 2500;
};

extern TApplication* const Application;

// Runs an event handler; an exception it throws is reported by
// Application->HandleException and goes no further.
template <typename Handler>
void Guarded(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (...) {
        Application->HandleException(nullptr);
    }
}

class TScreen {
public:
    int32_t Width() const;
    int32_t Height() const;
    int32_t PixelsPerInch() const { return ScreenPixelsPerInch; }
    TForm* ActiveForm() const;

    // The monitors of the desktop, the primary one among them.
    int32_t MonitorCount() const;
    TMonitor Monitors(int32_t index) const;
    TMonitor PrimaryMonitor() const;
    // The monitor holding the point or the largest part of the rectangle;
    // off every monitor, defaultTo decides (none for mdNull).
    std::optional<TMonitor> MonitorFromPoint(TPoint point, TMonitorDefaultTo defaultTo = mdNearest) const;
    std::optional<TMonitor> MonitorFromRect(const TRect& rect, TMonitorDefaultTo defaultTo = mdNearest) const;
    // The primary monitor's work area.
    TRect WorkAreaRect() const;
    TWinControl* ActiveControl() const;
    // crDefault lets each control show its own cursor.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    // The program's own cursors in positive slots (null when a slot is empty).
    HCURSOR Cursors(TCursor index) const;
    void SetCursors(TCursor index, HCURSOR cursor);

    int32_t FormCount() const { return static_cast<int32_t>(FForms.size()); }
    TForm* Forms(int32_t index) const { return FForms.at(static_cast<size_t>(index)); }

private:
    friend class TForm;
    std::vector<TForm*> FForms;
    TCursor FCursor = crDefault;
};

extern TScreen* const Screen;
