#include "platform/ui/FormWindows.h"

#include "platform/ui/Forms.h"

#include <QApplication>
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

// Closes the non-activating popups a press lands outside of, and activates
// an inactive window of ours that is pressed (the window manager may not),
// which closes activating popups through their deactivation.
class TPopupCloser : public QObject {
public:
    using QObject::QObject;

    static void Pressed(QWindow* window)
    {
        std::vector<QPointer<QWidget>> windows;
        TForm* pressed = nullptr;
        for (int32_t index = 0; index < Screen->FormCount(); ++index) {
            TForm* form = Screen->Forms(index);
            windows.emplace_back(form->Widget());
            if (form->Widget()->windowHandle() == window)
                pressed = form;
        }
        // A popup's OnClose may free forms, the pressed one included.
        const QPointer<QWidget> pressedWindow = pressed ? pressed->Widget() : nullptr;
        for (const QPointer<QWidget>& widget : windows) {
            auto* form = dynamic_cast<TForm*>(TControl::FromWidget(widget));
            if (form && form->Visible() && form->WindowKind() == wkNoActivatePopup && !form->OwnsWindow(pressed))
                form->Close();
        }
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
        return false;
    }
};

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
