#pragma once

// The bridge between a control and its QWidget; used only inside the layer.

#include <QEvent>
#include <QWidget>

#include "platform/ui/Messages.h"

#include <map>
#include <memory>

class QInputMethodEvent;
class QInputMethodQueryEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class TCanvas;
class TControl;
class TWinControl;

class TControlWidget : public QWidget {
public:
    explicit TControlWidget(TControl* control);
    ~TControlWidget() override;

    TControl* Control() const { return FControl; }
    void Detach() { FControl = nullptr; }

    // A control gets its widget when the widget is first needed. The
    // controls put in a form before it is first shown get theirs, in their
    // order, when it is shown, painted or grabbed, or when the widget of one
    // of them is asked for (Realize): made at start, a dialog builds no
    // widgets until it opens.
    static void DeferChildren(TControl& window);
    // The control's own widget, made if it has none yet; not yet put in its
    // parent's when the window defers it. Null only where no widget can be
    // made (another thread, the application going down).
    static TControlWidget* Own(const TControl& control);
    // Gives every control of the control's window the widget it waits for.
    static void Realize(TControl& control);
    // Whether the control's widget lies in its parent's.
    static bool Attached(const TControl& control);
    // Whether controls put in parent wait for their widgets.
    static bool DefersChildren(const TWinControl& parent);
    // Puts the control's widget in its parent's, then the widgets of the
    // controls under it that wait for theirs.
    static void AttachTree(TControl& control);
    // For a control that watches the widgets of its controls come and go:
    // they are put in its widget at once, shown or not.
    void TakeChildrenAtOnce() { FTakesChildren = true; }

    // The event type that carries a posted message.
    static QEvent::Type PostedMessageType();

    // Window timers by the program's id.
    void StartTimer(uintptr_t id, uint32_t elapse);
    bool StopTimer(uintptr_t id);
    void StopTimers();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Whether the control's widget lies in a window that has its widgets.
    static bool Realized(const TControl& control);
    static void AttachChildren(TWinControl& parent);
    static void AttachWidget(TControl& control);

    bool Dispatch(QEvent* event);
    bool DispatchMouse(QMouseEvent& event);
    void PaintNonClient(QPainter& painter);

    TControl* FControl;
    bool FTakesChildren = false;
    // A press that landed on the non-client frame: it and the moves and
    // release that follow it are no client mouse messages.
    bool FFramePress = false;
    // Between the pointer's enter and leave messages.
    bool FPointerInside = false;
    std::map<uintptr_t, int> FTimers;
    std::unique_ptr<TCanvas> FWindowCanvas;
};

// The input adapter: turns a Qt key event for the focused control into the
// platform's steps (CN_KEYDOWN, WM_KEYDOWN, then the character through
// CN_CHAR / CM_DIALOGCHAR and WM_CHAR).
void DispatchKeyPress(TWinControl& control, const QKeyEvent& event);
void DispatchKeyRelease(TWinControl& control, const QKeyEvent& event);
// The character step alone (CN_CHAR, then WM_CHAR unless the accelerator
// offer took it); false when a handler freed the control.
bool DispatchCharacter(TWinControl& control, char16_t character, intptr_t keyData);
// A typed key with dead keys composed when the input method left them.
void DispatchTypedKey(TWinControl& control, const QKeyEvent& event);
// An input method's commit (each character through the character step) and
// its text being composed; the control answers the input method's questions.
void DispatchInputMethod(TWinControl& control, const QInputMethodEvent& event);
bool AnswerInputMethodQuery(TControl& control, QInputMethodQueryEvent& query);
// A posted key message (WM_KEYDOWN, WM_KEYUP, WM_CHAR and their system
// forms) on the same road; false for any other message.
bool DispatchPostedKey(TWinControl& control, const TMessage& message);
// The virtual-key code of a Qt key event (0 when the key has none).
uint16_t VirtualKeyOf(const QKeyEvent& event);
// A drag entering, moving over, leaving or dropping on the control, for the
// drop target registered for it or the window it lies in (DragDrop.cpp);
// false when none is.
bool DispatchDragEvent(TControl& control, QEvent& event);

class TPostedMessageEvent : public QEvent {
public:
    explicit TPostedMessageEvent(const TMessage& message)
        : QEvent(TControlWidget::PostedMessageType()), Message(message)
    {
    }
    TMessage Message;
};

// Records the modifier keys of the input being handled, for GetKeyState.
void SetKeyboardShiftState(TShiftState state);

// The hint machinery: the pointer rested at point (client coordinates of
// control), moved there, or left control.
void HintRequested(TControl& control, TPoint point);
void HintPointerMoved(TControl& control, TPoint point);
void HintPointerLeft(const TControl& control);

// Binds a canvas to the paint event's painter for the length of a paint.
class TPaintScope {
public:
    TPaintScope(TCanvas& canvas, QPainter& painter);
    ~TPaintScope();
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

private:
    TCanvas& FCanvas;
};
