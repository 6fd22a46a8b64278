#include "platform/ui/FormWindows.h"

#include "platform/ui/Forms.h"

#include <QApplication>
#include <QApplicationStateChangeEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// Qt blocks input to every window that is neither a popup nor a transient
// child of the modal window, so an owned form is a child window of its
// owner's widget while it is shown.

Qt::WindowFlags WindowFlagsOfKind(const TForm& form, Qt::WindowFlags borderFlags)
{
    Qt::WindowFlags flags = borderFlags;
    switch (form.WindowKind()) {
    case wkNormal:
        break;
    case wkPopup:
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Tool | Qt::WindowStaysOnTopHint;
        break;
    case wkNoActivatePopup:
    case wkHint:
        // Never managed, never focused: the focus stays in the owner.
        flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
        break;
    case wkOverlay:
        flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
            | Qt::WindowTransparentForInput;
        break;
    }
    if (form.FormStyle() == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

// Closes the non-activating popups a press lands outside of, and those
// open when the application loses the activation (they never have it, so
// no deactivation of their own tells them). Activates an inactive window of
// ours that is pressed (the window manager may not), which closes
// activating popups through their deactivation.
class TPopupCloser : public QObject {
public:
    using QObject::QObject;

    // Every open non-activating popup but those owning keep (all when null).
    static void CloseNoActivatePopups(const TForm* keep)
    {
        std::vector<QPointer<QWidget>> windows;
        for (int32_t index = 0; index < Screen->FormCount(); ++index)
            windows.emplace_back(Screen->Forms(index)->Widget());
        // A popup's OnClose may free forms.
        for (const QPointer<QWidget>& widget : windows) {
            auto* form = dynamic_cast<TForm*>(TControl::FromWidget(widget));
            if (form && form->Visible() && form->WindowKind() == wkNoActivatePopup && !form->OwnsWindow(keep))
                form->Close();
        }
    }

    static void Pressed(QWindow* window)
    {
        TForm* pressed = nullptr;
        for (int32_t index = 0; index < Screen->FormCount() && !pressed; ++index)
            if (Screen->Forms(index)->Widget()->windowHandle() == window)
                pressed = Screen->Forms(index);
        const QPointer<QWidget> pressedWindow = pressed ? pressed->Widget() : nullptr;
        CloseNoActivatePopups(pressed);
        if (!pressedWindow)
            return;
        if (pressed->Visible() && pressed->ActivatesOnShow() && !pressed->Active())
            pressed->Widget()->activateWindow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWindowType())
            Guarded([&] { Pressed(static_cast<QWindow*>(watched)); });
        else if (event->type() == QEvent::ApplicationStateChange
            && static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
            Guarded([] { CloseNoActivatePopups(nullptr); });
        return false;
    }
};

bool WindowSystemBlends()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QStringLiteral("wayland")))
        return true;
    return platform == QStringLiteral("xcb") && X11Composites();
}

void WatchOutsideClicks()
{
    static QPointer<TPopupCloser> closer;
    if (closer || !QCoreApplication::instance())
        return;
    closer = new TPopupCloser(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(closer);
}

// ---- TForm: owners and kinds

void TForm::SetFormStyle(TFormStyle style)
{
    FFormStyle = style;
    if (Showing())
        ApplyWindowFlags();
}

void TForm::SetWindowKind(TWindowKind kind)
{
    FWindowKind = kind;
    if (Showing())
        ApplyWindowFlags();
}

void TForm::SetPopupParent(TForm* parent)
{
    if (parent == FPopupParent)
        return;
    for (const TForm* above = parent; above; above = above->FPopupParent ? above->FPopupParent : above->OwnerWindow())
        if (above == this)
            throw EInvalidOperation(QStringLiteral("A window cannot be owned by itself or a window it owns"));
    if (FPopupParent)
        FPopupParent->RemoveFreeNotification(this);
    FPopupParent = parent;
    if (FPopupParent)
        FPopupParent->FreeNotification(this);
    if (Showing())
        AttachToOwner();
}

void TForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FPopupParent)
        FPopupParent = nullptr;
}

TForm* TForm::OwnerWindow() const
{
    return Widget()->isWindow() ? dynamic_cast<TForm*>(TControl::FromWidget(Widget()->parentWidget())) : nullptr;
}

bool TForm::OwnsWindow(const TForm* window) const
{
    for (; window; window = window->OwnerWindow())
        if (window == this)
            return true;
    return false;
}

bool TForm::ActivatesOnShow() const { return FWindowKind == wkNormal || FWindowKind == wkPopup; }

void TForm::ShowNoActivate() { ShowWindow(false); }

void TForm::AttachToOwner()
{
    TForm* owner = FPopupParent && FPopupParent->Showing() ? FPopupParent : nullptr;
    if (!owner) {
        // The innermost modal form: the one no other modal form is owned by.
        for (TForm* form : Screen->FForms)
            if (form != this && form->Modal() && form->Showing() && !OwnsWindow(form)
                && (!owner || !form->OwnsWindow(owner)))
                owner = form;
    }
    QWidget* target = owner ? owner->Widget() : nullptr;
    QWidget* widget = Widget();
    if (widget->parentWidget() != target)
        widget->setParent(target, widget->windowFlags() | Qt::Window);
}

void TForm::HideOwnedWindows()
{
    const std::vector<TForm*> forms = Screen->FForms;
    for (TForm* form : forms)
        if (form != this && form->Visible() && form->OwnerWindow() == this)
            form->Hide();
}

void TForm::DetachOwnedWindows()
{
    const std::vector<TForm*> forms = Screen->FForms;
    for (TForm* form : forms) {
        if (form == this || form->OwnerWindow() != this)
            continue;
        form->Hide();
        // The owner's widget would take the owned one with it.
        form->Widget()->setParent(nullptr, form->Widget()->windowFlags());
    }
}

void TForm::WMActivate(TMessage& message)
{
    if (message.WParam == WA_INACTIVE)
        Deactivate();
    else
        Activate();
}

void TForm::Deactivate()
{
    if (OnDeactivate)
        OnDeactivate(this);
    // The popups this one was opened from close with it when the activation
    // leaves all of them, as a chain of menus does.
    TForm* active = Screen->ActiveForm();
    for (TForm* popup = this; popup && popup->FWindowKind == wkPopup && !popup->OwnsWindow(active);) {
        TForm* owner = popup->OwnerWindow();
        if (popup->FCloseOnDeactivate && popup->Visible())
            popup->Close();
        popup = owner;
    }
}

void TForm::MakeFullyVisible()
{
    if (const std::optional<TMonitor> monitor = Screen->MonitorFromRect(BoundsRect())) {
        const TRect placed = KeepInside(BoundsRect(), monitor->WorkareaRect);
        SetBounds(placed.Left, placed.Top, Width(), Height());
    }
}

// ---- TForm: size, state and shape

void TForm::SetConstraints(const TSizeConstraints& constraints)
{
    if (constraints == FConstraints)
        return;
    FConstraints = constraints;
    ApplySizeConstraints();
    SetBounds(Left(), Top(), Width(), Height());
}

void TForm::ConstrainSize(int32_t& width, int32_t& height) const
{
    if (FConstraints.MaxWidth > 0)
        width = std::min(width, FConstraints.MaxWidth);
    if (FConstraints.MaxHeight > 0)
        height = std::min(height, FConstraints.MaxHeight);
    width = std::max(width, FConstraints.MinWidth);
    height = std::max(height, FConstraints.MinHeight);
}

bool TForm::CanResize(int32_t& newWidth, int32_t& newHeight)
{
    bool resize = true;
    if (OnCanResize)
        OnCanResize(this, newWidth, newHeight, resize);
    return resize;
}

// The size a form takes for the one asked: OnCanResize, then the limits.
// False when the form keeps the size it has.
bool TForm::AdjustSize(int32_t& width, int32_t& height)
{
    if (!CanResize(width, height)) {
        width = FAcceptedSize.cx;
        height = FAcceptedSize.cy;
        return false;
    }
    ConstrainSize(width, height);
    return true;
}

// Sizes the user gives the window reach the form after the fact; a size the
// form does not accept is put back.
void TForm::Resize()
{
    if (!FAdjusting) {
        int32_t width = Width();
        int32_t height = Height();
        AdjustSize(width, height);
        if (width != Width() || height != Height()) {
            FAdjusting = true;
            SetBounds(Left(), Top(), width, height);
            FAdjusting = false;
        }
    }
    FAcceptedSize = { Width(), Height() };
    TWinControl::Resize();
}

TWindowState TForm::WindowState() const
{
    if (!Widget()->isVisible())
        return FWindowState;
    const Qt::WindowStates state = Widget()->windowState();
    if (state & Qt::WindowMinimized)
        return wsMinimized;
    return state & Qt::WindowMaximized ? wsMaximized : wsNormal;
}

void TForm::SetWindowState(TWindowState state)
{
    FWindowState = state;
    if (Showing())
        ApplyWindowState();
}

void TForm::ApplyWindowState()
{
    static constexpr Qt::WindowState States[] = { Qt::WindowNoState, Qt::WindowMinimized, Qt::WindowMaximized };
    Widget()->setWindowState(States[static_cast<size_t>(FWindowState)]);
}

bool TForm::StartSystemMove()
{
    QWindow* window = Widget()->windowHandle();
    return window && Showing() && window->startSystemMove();
}

void TForm::WMSysCommand(TMessage& message)
{
    switch (message.WParam & 0xFFF0) {
    case SC_MOVE:
        message.Result = StartSystemMove() ? 0 : 1;
        break;
    case SC_MINIMIZE:
        SetWindowState(wsMinimized);
        break;
    case SC_MAXIMIZE:
        SetWindowState(wsMaximized);
        break;
    case SC_RESTORE:
        SetWindowState(wsNormal);
        break;
    case SC_CLOSE:
        Close();
        break;
    default:
        break;
    }
}

void TForm::SetAlphaBlend(bool alphaBlend)
{
    FAlphaBlend = alphaBlend;
    ApplyAlpha();
}

void TForm::SetAlphaBlendValue(uint8_t value)
{
    FAlphaBlendValue = value;
    ApplyAlpha();
}

void TForm::ApplyAlpha() { Widget()->setWindowOpacity(FAlphaBlend ? FAlphaBlendValue / 255.0 : 1.0); }

bool TForm::AlphaBlended() const { return FAlphaBlend && FAlphaBlendValue < 255 && WindowSystemBlends(); }

void TForm::SetWindowRegion(const TRegion* region)
{
    if (region)
        Widget()->setMask(region->Native());
    else
        Widget()->clearMask();
}
