#include "platform/ui/Forms.h"

#include "platform/graphics/Bitmap.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/FormWindows.h"
#include "platform/ui/UiServices.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

// The screen outlives the application: forms left at exit leave its list.
TScreen ScreenInstance;
TApplication ApplicationInstance;

// Forms still alive when Qt shuts down go first, while their widgets exist.
void DestroyLeftoverForms() { Application->DestroyComponents(); }

// Ends the modal state of a form however ShowModal is left.
class TModalScope {
public:
    TModalScope(QWidget& widget, bool& modal) : FWidget(&widget), FModal(modal)
    {
        FModal = true;
        FWidget->setWindowModality(Qt::ApplicationModal);
    }
    ~TModalScope()
    {
        FModal = false;
        if (FWidget)
            FWidget->setWindowModality(Qt::NonModal);
    }
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;

private:
    QPointer<QWidget> FWidget;
    bool& FModal;
};

} // namespace

TApplication* const Application = &ApplicationInstance;
TScreen* const Screen = &ScreenInstance;

// ---- TForm

TForm::TForm(TComponent* owner) : TWinControl(owner, true)
{
    static const bool leftoversHandled = (qAddPostRoutine(&DestroyLeftoverForms), true);
    (void)leftoversHandled;
    SetControlStyle({ csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks });
    SetColor(clBtnFace);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    TControlWidget::DeferChildren(*this);
    Screen->FForms.push_back(this);
    WatchOutsideClicks();
    UseScreenColormaps();
}

TForm::~TForm()
{
    Destroying();
    DetachOwnedWindows();
    std::erase(Screen->FForms, this);
    if (Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    FActiveControl = nullptr;
    FFocusedControl = nullptr;
}

void TForm::DoCreate()
{
    Guarded([&] {
        if (OnCreate)
            OnCreate(this);
    });
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    FBorderStyle = style;
    if (Showing())
        ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    FBorderIcons = icons;
    if (Showing())
        ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    switch (FBorderStyle) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break;
    default:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break;
    }
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
            if (FBorderIcons.Contains(biMinimize))
                flags |= Qt::WindowMinimizeButtonHint;
            if (FBorderIcons.Contains(biMaximize))
                flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    flags = WindowFlagsOfKind(*this, flags);
    QWidget* widget = Widget();
    if (widget->windowFlags() != flags) {
        const bool shown = widget->isVisible();
        // The new native window does not take the old one's shape by itself.
        const QRegion region = widget->mask();
        widget->clearMask();
        widget->setWindowFlags(flags);
        if (!region.isEmpty())
            widget->setMask(region);
        if (shown)
            widget->show();
    }
    ApplySizeConstraints();
}

void TForm::ApplySizeConstraints()
{
    const bool fixed = FBorderStyle == bsSingle || FBorderStyle == bsDialog || FBorderStyle == bsToolWindow;
    if (fixed) {
        Widget()->setFixedSize(Width(), Height());
    } else {
        Widget()->setMinimumSize(FConstraints.MinWidth, FConstraints.MinHeight);
        Widget()->setMaximumSize(FConstraints.MaxWidth > 0 ? FConstraints.MaxWidth : QWIDGETSIZE_MAX,
            FConstraints.MaxHeight > 0 ? FConstraints.MaxHeight : QWIDGETSIZE_MAX);
    }
}

void TForm::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    if (!FAdjusting && (width != Width() || height != Height()))
        AdjustSize(width, height);
    Widget()->setMinimumSize(0, 0);
    Widget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const bool adjusting = std::exchange(FAdjusting, true);
    TWinControl::SetBounds(left, top, width, height);
    FAdjusting = adjusting;
    FAcceptedSize = { Width(), Height() };
    if (Showing())
        ApplySizeConstraints();
}

void TForm::PlaceOnScreen()
{
    if (FPosition != poScreenCenter && FPosition != poMainFormCenter && FPosition != poOwnerFormCenter)
        return;
    TRect area = Rect(0, 0, Screen->Width(), Screen->Height());
    const TForm* centre = nullptr;
    if (FPosition == poMainFormCenter)
        centre = Application->MainForm();
    else if (FPosition == poOwnerFormCenter)
        centre = dynamic_cast<const TForm*>(Owner());
    if (centre && centre != this && centre->Visible())
        area = centre->BoundsRect();
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool visible)
{
    if (visible == Visible())
        return;
    if (visible) {
        ShowWindow(ActivatesOnShow());
        return;
    }
    const bool wasActive = Active();
    HideOwnedWindows();
    DoHide();
    TWinControl::SetVisible(false);
    Widget()->hide();
    // The window system may leave no window active; the owner takes over,
    // with the focus on its active control.
    if (TForm* owner = OwnerWindow(); wasActive && owner && owner->Showing())
        owner->Widget()->activateWindow();
}

void TForm::ShowWindow(bool activate)
{
    if (Visible())
        return;
    TControlWidget::Realize(*this);
    QWidget* widget = Widget();
    PlaceOnScreen();
    AttachToOwner();
    ApplyWindowFlags();
    DoShow();
    TWinControl::SetVisible(true);
    widget->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    ApplyAlpha();
    widget->show();
    if (FWindowState != wsNormal)
        ApplyWindowState();
    // The headless platform used by tests cannot raise windows.
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        widget->raise();
    if (!activate)
        return;
    widget->activateWindow();
    if (FActiveControl && FActiveControl->CanFocus())
        FActiveControl->Widget()->setFocus(Qt::ActiveWindowFocusReason);
    else
        SelectFirst();
}

bool TForm::CanFocus() const { return Visible() && Enabled(); }

void TForm::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    Widget()->activateWindow();
    if (FActiveControl)
        FActiveControl->Widget()->setFocus(Qt::OtherFocusReason);
    else
        Widget()->setFocus(Qt::OtherFocusReason);
}

bool TForm::Active() const { return Widget()->isActiveWindow(); }

void TForm::SetActiveControl(TWinControl* control)
{
    if (control == FActiveControl)
        return;
    if (control && (control == this || control->ParentForm() != this || !control->CanFocus()))
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    FActiveControl = control;
    if (control && Showing()) {
        Widget()->activateWindow();
        control->Widget()->setFocus(Qt::OtherFocusReason);
    }
}

void TForm::FocusControl(TWinControl* control)
{
    SetActiveControl(control);
    if (control && Showing() && !control->Focused()) {
        Widget()->activateWindow();
        control->Widget()->setFocus(Qt::OtherFocusReason);
    }
}

void TForm::SelectFirst()
{
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (!first)
        first = FindNextControl(nullptr, true, false, false);
    if (first)
        first->SetFocus();
}

void TForm::SetFocusedControl(TWinControl* control)
{
    if (control == FFocusedControl)
        return;
    TWinControl* previous = FFocusedControl;
    FFocusedControl = control;
    if (control != this)
        FActiveControl = control;
    if (previous)
        previous->Perform(CM_EXIT);
    if (control && control == FFocusedControl)
        control->Perform(CM_ENTER);
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(control));
}

void TForm::ControlRemoving(TControl* control)
{
    const auto* windowed = dynamic_cast<const TWinControl*>(control);
    auto inside = [&](const TWinControl* candidate) {
        return candidate && (candidate == control || (windowed && windowed->ContainsControl(candidate)));
    };
    if (inside(FActiveControl))
        FActiveControl = nullptr;
    if (inside(FFocusedControl))
        FFocusedControl = nullptr;
}

TModalResult TForm::ShowModal()
{
    if (Visible() || FModal)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    FModalResult = mrNone;
    {
        const TModalScope scope(*Widget(), FModal);
        Show();
        while (true) {
            if (Application->Terminated()) {
                FModalResult = mrCancel;
                break;
            }
            if (FModalResult != mrNone) {
                CloseModal();
                if (FModalResult != mrNone)
                    break;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        Hide();
    }
    if (FReleaseAfterModal) {
        FReleaseAfterModal = false;
        Release();
    }
    return FModalResult;
}

void TForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        FReleaseAfterModal = true;
}

void TForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        Widget()->showMinimized();
        break;
    default:
        Release();
        break;
    }
}

void TForm::Release()
{
    if (FModal) {
        FReleaseAfterModal = true;
        return;
    }
    // Freed from the event loop, never inside one of its own handlers.
    QTimer::singleShot(0, QCoreApplication::instance(), [widget = QPointer<QWidget>(Widget())] {
        if (auto* form = dynamic_cast<TForm*>(TControl::FromWidget(widget)))
            std::unique_ptr<TForm> released(form);
    });
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoShow()
{
    Guarded([&] {
        if (OnShow)
            OnShow(this);
    });
}

void TForm::DoHide()
{
    Guarded([&] {
        if (OnHide)
            OnHide(this);
    });
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TForm::Activate()
{
    if (OnActivate)
        OnActivate(this);
}

void TForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        break;
    case WM_ACTIVATE:
        WMActivate(message);
        break;
    case WM_SYSCOMMAND:
        WMSysCommand(message);
        break;
    case CM_ACTIVATE:
        Activate();
        break;
    case CM_DEACTIVATE:
        Deactivate();
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

// Tab and Shift+Tab move through the tab order, arrows among the focused
// control's siblings; every other dialog key is offered to the controls.
void TForm::CMDialogKey(TMessage& message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (message.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl) {
                if (TWinControl* parent = FActiveControl->Parent())
                    parent->SelectNext(FActiveControl, message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
                message.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TWinControl::CMDialogKey(message);
}

void TForm::CMTextChanged(TMessage& message)
{
    TWinControl::CMTextChanged(message);
    Widget()->setWindowTitle(Caption());
}

// ---- TApplication

TApplication::TApplication() : TComponent(nullptr) { }

TApplication::~TApplication()
{
    if (!FQtApplication) {
        DestroyComponents();
        return;
    }
    // main returned without Run: Qt's globals went before this object, so
    // neither the forms nor the Qt application can be taken down safely;
    // they stay reachable and go with the process.
    static std::vector<TComponent*> kept;
    while (ComponentCount() > 0) {
        TComponent* component = Components(ComponentCount() - 1);
        RemoveComponent(component);
        kept.push_back(component);
    }
    static QApplication* const keptApplication = FQtApplication.release();
    (void)keptApplication;
}

void TApplication::Initialize(int& argc, char** argv)
{
    if (!QApplication::instance())
        FQtApplication = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

void TApplication::Run()
{
    if (FMainForm && !FTerminated)
        FMainForm->Show();
    QEventLoop loop;
    FRunLoop = &loop;
    if (!FTerminated)
        loop.exec();
    FRunLoop = nullptr;
    // The forms and the Qt application go now, while Qt's own globals still
    // exist; left to static destruction they would outlive them.
    ShutDown();
}

void TApplication::ShutDown()
{
    DestroyComponents();
    FQtApplication.reset();
}

String TApplication::ExeName() const { return QCoreApplication::applicationFilePath(); }

void TApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TApplication::Terminate()
{
    FTerminated = true;
    if (FRunLoop)
        FRunLoop->quit();
}

void TApplication::HandleException(TComponent* sender)
{
    String message;
    try {
        throw;
    } catch (const Exception& error) {
        message = error.Message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    try {
        if (OnException)
            OnException(sender, message);
        else
            UiServices().ShowException(message);
    } catch (...) {
        // Reporting must not fail the event loop it protects.
    }
}

// ---- TScreen

int32_t TScreen::Width() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int32_t TScreen::Height() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

TForm* TScreen::ActiveForm() const { return dynamic_cast<TForm*>(TControl::FromWidget(QApplication::activeWindow())); }

TWinControl* TScreen::ActiveControl() const
{
    return dynamic_cast<TWinControl*>(TControl::FromWidget(QApplication::focusWidget()));
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == FCursor)
        return;
    if (FCursor != crDefault)
        QGuiApplication::restoreOverrideCursor();
    FCursor = cursor;
    if (FCursor != crDefault)
        QGuiApplication::setOverrideCursor(QCursorOf(FCursor));
}
