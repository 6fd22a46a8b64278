#include "platform/ui/ControlWidget.h"

#include "platform/graphics/QtGraphics.h"
#include "platform/ui/Forms.h"
#include "platform/ui/WindowPosHook.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimerEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift << ssShift;
    if (modifiers & Qt::ControlModifier)
        shift << ssCtrl;
    if (modifiers & Qt::AltModifier)
        shift << ssAlt;
    return shift;
}

intptr_t MouseKeysOf(const QMouseEvent& event)
{
    intptr_t keys = 0;
    if (event.buttons() & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (event.buttons() & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (event.buttons() & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (event.modifiers() & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

uint32_t MouseMessageOf(const QMouseEvent& event, bool doubleClicks)
{
    struct TButtonMessages {
        Qt::MouseButton Button;
        uint32_t Down;
        uint32_t Up;
        uint32_t Double;
    };
    static constexpr TButtonMessages Messages[] = {
        { Qt::LeftButton, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK },
        { Qt::RightButton, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK },
        { Qt::MiddleButton, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK },
    };
    if (event.type() == QEvent::MouseMove)
        return WM_MOUSEMOVE;
    for (const TButtonMessages& entry : Messages) {
        if (entry.Button != event.button())
            continue;
        switch (event.type()) {
        case QEvent::MouseButtonPress:
            return entry.Down;
        case QEvent::MouseButtonRelease:
            return entry.Up;
        case QEvent::MouseButtonDblClick:
            // Without double clicks in its style a control sees a second press.
            return doubleClicks ? entry.Double : entry.Down;
        default:
            return 0;
        }
    }
    return 0;
}

struct TKeyMapping {
    int QtKey;
    uint16_t VirtualKey;
};

// Keys whose virtual-key code is not their Latin letter, digit or function
// number; shifted symbols map to their key on the US layout, umlauts to
// their key on the German layout.
constexpr TKeyMapping KeyMappings[] = {
    { Qt::Key_Backspace, VK_BACK },
    { Qt::Key_Tab, VK_TAB },
    { Qt::Key_Backtab, VK_TAB },
    { Qt::Key_Clear, VK_CLEAR },
    { Qt::Key_Return, VK_RETURN },
    { Qt::Key_Enter, VK_RETURN },
    { Qt::Key_Shift, VK_SHIFT },
    { Qt::Key_Control, VK_CONTROL },
    { Qt::Key_Alt, VK_MENU },
    { Qt::Key_AltGr, VK_MENU },
    { Qt::Key_Pause, VK_PAUSE },
    { Qt::Key_CapsLock, VK_CAPITAL },
    { Qt::Key_Escape, VK_ESCAPE },
    { Qt::Key_Space, VK_SPACE },
    { Qt::Key_PageUp, VK_PRIOR },
    { Qt::Key_PageDown, VK_NEXT },
    { Qt::Key_End, VK_END },
    { Qt::Key_Home, VK_HOME },
    { Qt::Key_Left, VK_LEFT },
    { Qt::Key_Up, VK_UP },
    { Qt::Key_Right, VK_RIGHT },
    { Qt::Key_Down, VK_DOWN },
    { Qt::Key_Print, VK_SNAPSHOT },
    { Qt::Key_Insert, VK_INSERT },
    { Qt::Key_Delete, VK_DELETE },
    { Qt::Key_Help, VK_HELP },
    { Qt::Key_Meta, VK_LWIN },
    { Qt::Key_Menu, VK_APPS },
    { Qt::Key_NumLock, VK_NUMLOCK },
    { Qt::Key_ScrollLock, VK_SCROLL },
    { Qt::Key_Exclam, '1' },
    { Qt::Key_At, '2' },
    { Qt::Key_NumberSign, '3' },
    { Qt::Key_Dollar, '4' },
    { Qt::Key_Percent, '5' },
    { Qt::Key_AsciiCircum, '6' },
    { Qt::Key_Ampersand, '7' },
    { Qt::Key_Asterisk, '8' },
    { Qt::Key_ParenLeft, '9' },
    { Qt::Key_ParenRight, '0' },
    { Qt::Key_Semicolon, VK_OEM_1 },
    { Qt::Key_Colon, VK_OEM_1 },
    { Qt::Key_Equal, VK_OEM_PLUS },
    { Qt::Key_Plus, VK_OEM_PLUS },
    { Qt::Key_Comma, VK_OEM_COMMA },
    { Qt::Key_Less, VK_OEM_COMMA },
    { Qt::Key_Minus, VK_OEM_MINUS },
    { Qt::Key_Underscore, VK_OEM_MINUS },
    { Qt::Key_Period, VK_OEM_PERIOD },
    { Qt::Key_Greater, VK_OEM_PERIOD },
    { Qt::Key_Slash, VK_OEM_2 },
    { Qt::Key_Question, VK_OEM_2 },
    { Qt::Key_QuoteLeft, VK_OEM_3 },
    { Qt::Key_AsciiTilde, VK_OEM_3 },
    { Qt::Key_BracketLeft, VK_OEM_4 },
    { Qt::Key_BraceLeft, VK_OEM_4 },
    { Qt::Key_Backslash, VK_OEM_5 },
    { Qt::Key_Bar, VK_OEM_5 },
    { Qt::Key_BracketRight, VK_OEM_6 },
    { Qt::Key_BraceRight, VK_OEM_6 },
    { Qt::Key_Apostrophe, VK_OEM_7 },
    { Qt::Key_QuoteDbl, VK_OEM_7 },
    { Qt::Key_Adiaeresis, VK_OEM_7 },
    { Qt::Key_Odiaeresis, VK_OEM_3 },
    { Qt::Key_Udiaeresis, VK_OEM_1 },
    { Qt::Key_ssharp, VK_OEM_4 },
};

constexpr TKeyMapping KeypadMappings[] = {
    { Qt::Key_Asterisk, VK_MULTIPLY },
    { Qt::Key_Plus, VK_ADD },
    { Qt::Key_Minus, VK_SUBTRACT },
    { Qt::Key_Period, VK_DECIMAL },
    { Qt::Key_Comma, VK_DECIMAL },
    { Qt::Key_Slash, VK_DIVIDE },
};

// The character step of a key, as the platform's translation makes it.
TChar CharacterOf(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    if (control) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return static_cast<TChar>(key - Qt::Key_A + 1);
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return 10;
        if (key == Qt::Key_Backspace)
            return 127;
        return 0;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F)
        return 0;
    return text[0].unicode();
}

// Handlers may free the control (a key that closes its form); each step
// checks that the control still lives before the next.
class TLiveControl {
public:
    explicit TLiveControl(TControl& control) : FControl(&control), FWidget(control.Widget()) { }
    bool Alive() const { return FWidget && TControl::FromWidget(FWidget) == FControl; }

private:
    TControl* FControl;
    QPointer<QWidget> FWidget;
};

intptr_t KeyDataOf(const QKeyEvent& event, bool release)
{
    intptr_t data = 1;
    if (event.modifiers() & Qt::AltModifier)
        data |= KF_ALTDOWN;
    // The scan code sits in bits 16..23; the numeric keypad's scan codes
    // (0x47..0x53) all have bit 6 set, which is how controls tell its keys.
    if (event.modifiers() & Qt::KeypadModifier)
        data |= intptr_t { 0x40 } << 16;
    if (event.isAutoRepeat() || release)
        data |= KF_REPEAT;
    if (release)
        data |= KF_UP;
    return data;
}

// Qt activates the new window before it deactivates the old one, so the
// window losing the activation is the one recorded at the last activation.
void ActivationChanged(TControl& window, bool active)
{
    static QPointer<QWidget> lastActive;
    QWidget* other = active ? lastActive.data() : QApplication::activeWindow();
    if (active)
        lastActive = window.Widget();
    if (other == window.Widget())
        other = nullptr;
    window.Perform(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE,
        reinterpret_cast<intptr_t>(dynamic_cast<TForm*>(TControl::FromWidget(other))));
}

intptr_t ControlParam(const QWidget* widget)
{
    return reinterpret_cast<intptr_t>(dynamic_cast<TWinControl*>(TControl::FromWidget(widget)));
}

// Focus messages tell a real move between windows: a menu or a popup list
// opening leaves the focus where it is, and each message names the other
// control. Qt moves the focus before it tells the old widget, so the new one
// is known on focus-out; the one that lost it is recorded for the focus-in.
void FocusChanged(TControl& control, const QFocusEvent& event)
{
    static QPointer<QWidget> lost;
    static QPointer<QWidget> lostTo;
    if (event.reason() == Qt::PopupFocusReason)
        return;
    QWidget* widget = control.Widget();
    if (event.type() == QEvent::FocusOut) {
        lost = widget;
        lostTo = QApplication::focusWidget();
        control.Perform(WM_KILLFOCUS, ControlParam(lostTo));
        return;
    }
    // A focus that left the application comes back from no control of ours.
    const bool fromLost = lost && lost != widget && (lostTo == widget || !lostTo);
    const intptr_t other = fromLost ? ControlParam(lost) : 0;
    lost = nullptr;
    lostTo = nullptr;
    control.Perform(WM_SETFOCUS, other);
}

} // namespace

uint16_t VirtualKeyOf(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<uint16_t>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<uint16_t>(keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + (key - Qt::Key_F1));
    if (keypad)
        for (const TKeyMapping& mapping : KeypadMappings)
            if (mapping.QtKey == key)
                return mapping.VirtualKey;
    for (const TKeyMapping& mapping : KeyMappings)
        if (mapping.QtKey == key)
            return mapping.VirtualKey;
    return 0;
}

// Alt without Ctrl makes the character an accelerator.
bool DispatchCharacter(TWinControl& control, TChar character, intptr_t keyData)
{
    const TLiveControl live(control);
    if (character == 0)
        return true;
    if ((keyData & KF_ALTDOWN) && GetKeyState(VK_CONTROL) >= 0) {
        if (TForm* form = control.ParentForm())
            form->Perform(CM_DIALOGCHAR, character, keyData);
        return live.Alive();
    }
    if (control.Perform(CN_CHAR, character, keyData) == 0 && live.Alive())
        control.Perform(WM_CHAR, character, keyData);
    return live.Alive();
}

namespace {

void DispatchKeyDown(TWinControl& control, uint16_t virtualKey, intptr_t keyData, TChar character)
{
    const TLiveControl live(control);
    if (virtualKey != 0) {
        // A key the dialog handling used up makes no character either.
        if (control.Perform(CN_KEYDOWN, virtualKey, keyData) != 0 || !live.Alive())
            return;
        control.Perform(WM_KEYDOWN, virtualKey, keyData);
        if (!live.Alive())
            return;
    }
    DispatchCharacter(control, character, keyData);
}

void DispatchKeyUp(TWinControl& control, uint16_t virtualKey, intptr_t keyData)
{
    if (virtualKey == 0)
        return;
    const TLiveControl live(control);
    if (control.Perform(CN_KEYUP, virtualKey, keyData) != 0 || !live.Alive())
        return;
    control.Perform(WM_KEYUP, virtualKey, keyData);
}

// The character the platform's translation makes of a posted key-down, by
// the current state of Shift and Ctrl; keys whose character depends on the
// keyboard layout make none.
TChar TranslatedCharacter(uint16_t virtualKey)
{
    const bool isLetter = virtualKey >= 'A' && virtualKey <= 'Z';
    if (GetKeyState(VK_CONTROL) < 0) {
        if (isLetter)
            return static_cast<TChar>(virtualKey - 'A' + 1);
        if (virtualKey == VK_RETURN)
            return 10;
        return virtualKey == VK_BACK ? 127 : 0;
    }
    switch (virtualKey) {
    case VK_RETURN:
        return 13;
    case VK_ESCAPE:
        return 27;
    case VK_BACK:
        return 8;
    case VK_TAB:
        return 9;
    case VK_SPACE:
        return u' ';
    default:
        break;
    }
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (isLetter)
        return shift ? virtualKey : static_cast<TChar>(virtualKey + (u'a' - u'A'));
    if (virtualKey >= '0' && virtualKey <= '9' && !shift)
        return virtualKey;
    return 0;
}

} // namespace

void DispatchKeyPress(TWinControl& control, const QKeyEvent& event)
{
    SetKeyboardShiftState(ShiftStateOf(event.modifiers()));
    DispatchKeyDown(control, VirtualKeyOf(event), KeyDataOf(event, false), CharacterOf(event));
}

void DispatchKeyRelease(TWinControl& control, const QKeyEvent& event)
{
    SetKeyboardShiftState(ShiftStateOf(event.modifiers()));
    DispatchKeyUp(control, VirtualKeyOf(event), KeyDataOf(event, true));
}

bool DispatchPostedKey(TWinControl& control, const TMessage& message)
{
    const auto virtualKey = static_cast<uint16_t>(message.WParam);
    switch (message.Msg) {
    case WM_KEYDOWN:
        DispatchKeyDown(control, virtualKey, message.LParam, TranslatedCharacter(virtualKey));
        return true;
    case WM_SYSKEYDOWN:
        DispatchKeyDown(control, virtualKey, message.LParam | KF_ALTDOWN, TranslatedCharacter(virtualKey));
        return true;
    case WM_KEYUP:
        DispatchKeyUp(control, virtualKey, message.LParam);
        return true;
    case WM_SYSKEYUP:
        DispatchKeyUp(control, virtualKey, message.LParam | KF_ALTDOWN);
        return true;
    case WM_CHAR:
        DispatchCharacter(control, static_cast<TChar>(message.WParam), message.LParam);
        return true;
    case WM_SYSCHAR:
        DispatchCharacter(control, static_cast<TChar>(message.WParam), message.LParam | KF_ALTDOWN);
        return true;
    default:
        return false;
    }
}

TControlWidget::TControlWidget(TControl* control) : FControl(control)
{
    // Focus is given by the controls themselves (SetFocus), never by Qt's
    // click or tab handling.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_MouseTracking);
}

TControlWidget::~TControlWidget()
{
    // Qt may free a window before its control (a shutdown with forms left):
    // the control then must not free the widget again.
    if (FControl)
        (void)FControl->FWidget.release();
}

QEvent::Type TControlWidget::PostedMessageType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool TControlWidget::event(QEvent* event)
{
    if (!FControl)
        return QWidget::event(event);
    // Every new widget asks to be polished on the next turn of the event
    // loop; a widget that is not on the screen then is polished as it is
    // shown, so the dialogs made at start cost nothing until they open.
    if (event->type() == QEvent::PolishRequest && !isVisible())
        return true;
    bool handled = false;
    Guarded([&] { handled = Dispatch(event); });
    return handled || QWidget::event(event);
}

bool TControlWidget::Dispatch(QEvent* event)
{
    TControl& control = *FControl;
    // Asked only by the events that need it: a widget hears many events
    // (creation, polish, parenting) that are no message of the control.
    const auto windowed = [&control] { return dynamic_cast<TWinControl*>(&control); };
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key comes to the focused control first, before any shortcut.
        event->accept();
        return true;
    case QEvent::KeyPress:
        Application->CancelHint();
        if (TWinControl* target = windowed())
            DispatchTypedKey(*target, static_cast<QKeyEvent&>(*event));
        event->accept();
        return true;
    case QEvent::InputMethod:
        if (TWinControl* target = windowed())
            DispatchInputMethod(*target, static_cast<QInputMethodEvent&>(*event));
        event->accept();
        return true;
    case QEvent::InputMethodQuery:
        return AnswerInputMethodQuery(control, static_cast<QInputMethodQueryEvent&>(*event));
    case QEvent::KeyRelease:
        // A held key repeats its key-down alone; the key-up comes once, when
        // the key is let go.
        if (TWinControl* target = windowed(); target && !static_cast<QKeyEvent&>(*event).isAutoRepeat())
            DispatchKeyRelease(*target, static_cast<QKeyEvent&>(*event));
        event->accept();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return DispatchMouse(static_cast<QMouseEvent&>(*event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return DispatchDragEvent(control, *event);
    case QEvent::Wheel: {
        auto& wheel = static_cast<QWheelEvent&>(*event);
        SetKeyboardShiftState(ShiftStateOf(wheel.modifiers()));
        const QPoint global = wheel.globalPosition().toPoint();
        const intptr_t delta = wheel.angleDelta().y();
        const intptr_t position = PointToLParam({ global.x(), global.y() });
        TForm* form = control.ParentForm();
        if (!form || form == &control || form->Perform(CM_MOUSEWHEEL, delta, position) == 0)
            for (TControl* target = &control; target && target != form; target = target->Parent())
                if (target->Perform(CM_MOUSEWHEEL, delta, position) != 0)
                    break;
        event->accept();
        return true;
    }
    case QEvent::Enter:
        FPointerInside = true;
        control.Perform(CM_MOUSEENTER);
        return false;
    case QEvent::Leave:
        FPointerInside = false;
        HintPointerLeft(control);
        control.Perform(CM_MOUSELEAVE);
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        FocusChanged(control, static_cast<QFocusEvent&>(*event));
        return false;
    case QEvent::Move:
    case QEvent::Resize:
        if (isWindow()) {
            control.UpdateBoundsFromWidget();
            CallWindowPosHook(&control);
        }
        return false;
    case QEvent::Show:
        // A window shown by another road than its form's finds its controls
        // here before it reaches the screen.
        if (isWindow())
            Realize(control);
        if (TWinControl* target = windowed())
            target->HandleNeeded();
        return false;
    case QEvent::Hide:
        if (control.MouseCapture())
            control.SetMouseCapture(false);
        // A window hiding under the pointer tells its controls nothing of
        // the pointer; the control would still be hot when shown again.
        if (FPointerInside) {
            FPointerInside = false;
            HintPointerLeft(control);
            control.Perform(CM_MOUSELEAVE);
        }
        return false;
    case QEvent::Timer: {
        const int timer = static_cast<QTimerEvent&>(*event).timerId();
        for (const auto& [id, qtTimer] : FTimers)
            if (qtTimer == timer) {
                control.Perform(WM_TIMER, static_cast<intptr_t>(id));
                return true;
            }
        return false;
    }
    case QEvent::Close:
        control.Perform(WM_CLOSE);
        event->ignore();
        return true;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        // Qt tells every widget of the window; the platform tells the window.
        if (!isWindow())
            return false;
        // Whatever the window's controls were in the middle of (a drag, a
        // held capture) ends with its activation.
        if (auto* form = dynamic_cast<TForm*>(&control); form && event->type() == QEvent::WindowDeactivate) {
            if (TControl* capture = TControl::FromWidget(QWidget::mouseGrabber());
                capture && capture->ParentForm() == form)
                capture->Perform(WM_CANCELMODE);
            if (TWinControl* active = form->ActiveControl())
                active->Perform(WM_CANCELMODE);
        }
        ActivationChanged(control, event->type() == QEvent::WindowActivate);
        return false;
    case QEvent::ContextMenu: {
        const QPoint global = static_cast<QContextMenuEvent&>(*event).globalPos();
        control.Perform(WM_CONTEXTMENU, 0, PointToLParam({ global.x(), global.y() }));
        return true;
    }
    case QEvent::ToolTip: {
        const QPoint point = static_cast<QHelpEvent&>(*event).pos();
        HintRequested(control, { point.x() - control.FNonClient.Left, point.y() - control.FNonClient.Top });
        return true;
    }
    default:
        if (event->type() == PostedMessageType()) {
            TMessage message = static_cast<TPostedMessageEvent&>(*event).Message;
            if (TWinControl* target = windowed(); !target || !DispatchPostedKey(*target, message))
                control.WindowProc()(message);
            return true;
        }
        return false;
    }
}

bool TControlWidget::DispatchMouse(QMouseEvent& mouse)
{
    TControl& control = *FControl;
    SetKeyboardShiftState(ShiftStateOf(mouse.modifiers()));
    const uint32_t msg = MouseMessageOf(mouse, control.ControlStyle().Contains(csDoubleClicks));
    mouse.accept();
    if (msg == 0)
        return true;
    const TLiveControl live(control);
    const QPoint position = mouse.position().toPoint();
    const TPoint point { position.x() - control.FNonClient.Left, position.y() - control.FNonClient.Top };
    if (mouse.type() == QEvent::MouseButtonPress)
        Application->CancelHint();
    // The frame of a control takes no client mouse messages, unless the
    // pointer left the client area with a button held or the capture.
    const bool inFrame = control.FNonClient != TRect {} && !control.ClientRect().Contains(point);
    const bool pressed = mouse.type() == QEvent::MouseButtonPress || mouse.type() == QEvent::MouseButtonDblClick;
    if (inFrame && pressed && !control.MouseCapture())
        FFramePress = true;
    if (FFramePress) {
        if (mouse.type() == QEvent::MouseButtonRelease && mouse.buttons() == Qt::NoButton)
            FFramePress = false;
        return true;
    }
    if (inFrame && mouse.type() == QEvent::MouseMove && mouse.buttons() == Qt::NoButton && !control.MouseCapture())
        return true;
    if (mouse.type() == QEvent::MouseMove)
        HintPointerMoved(control, point);
    if (!live.Alive())
        return true;
    if (mouse.type() == QEvent::MouseButtonPress) {
        // A click elsewhere ends what the focused control was in the middle of.
        TWinControl* focused = Screen->ActiveControl();
        if (focused && !focused->ContainsControl(&control)) {
            focused->Perform(CM_CANCELMODE, 0, reinterpret_cast<intptr_t>(&control));
            if (!live.Alive())
                return true;
        }
    }
    // The capture keeps its cursor; WM_SETCURSOR asks only a free pointer.
    if (mouse.buttons() == Qt::NoButton && !QWidget::mouseGrabber()) {
        control.Perform(WM_SETCURSOR, reinterpret_cast<intptr_t>(&control), MakeLParam(HTCLIENT, static_cast<int32_t>(msg)));
        if (!live.Alive())
            return true;
    }
    control.Perform(msg, MouseKeysOf(mouse), PointToLParam(point));
    return true;
}

void TControlWidget::StartTimer(uintptr_t id, uint32_t elapse)
{
    StopTimer(id);
    // The platform raises periods below 10 ms to 10 ms.
    FTimers[id] = startTimer(static_cast<int>(std::clamp<uint32_t>(elapse, 10, INT32_MAX)));
}

bool TControlWidget::StopTimer(uintptr_t id)
{
    const auto found = FTimers.find(id);
    if (found == FTimers.end())
        return false;
    killTimer(found->second);
    FTimers.erase(found);
    return true;
}

void TControlWidget::StopTimers()
{
    for (const auto& [id, qtTimer] : FTimers)
        killTimer(qtTimer);
    FTimers.clear();
}

void TControlWidget::paintEvent(QPaintEvent*)
{
    if (!FControl)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const TRect frame = FControl->FNonClient;
    painter.save();
    painter.translate(frame.Left, frame.Top);
    if (FControl->ErasesBackground())
        painter.fillRect(QRect(0, 0, FControl->ClientWidth(), FControl->ClientHeight()), ToQColor(FControl->Color()));
    Guarded([&] { FControl->PaintWindow(painter); });
    painter.restore();
    if (dynamic_cast<TWinControl*>(FControl))
        PaintNonClient(painter);
}

// The frame comes after the client area, so a border drawn over a control
// without a non-client area stays visible.
void TControlWidget::PaintNonClient(QPainter& painter)
{
    if (!FWindowCanvas)
        FWindowCanvas = std::make_unique<TCanvas>();
    FWindowCanvas->BeginPaint(&painter);
    Guarded([&] { FControl->Perform(WM_NCPAINT, reinterpret_cast<intptr_t>(FWindowCanvas.get())); });
    FWindowCanvas->EndPaint();
}

TPaintScope::TPaintScope(TCanvas& canvas, QPainter& painter) : FCanvas(canvas) { FCanvas.BeginPaint(&painter); }

TPaintScope::~TPaintScope() { FCanvas.EndPaint(); }
