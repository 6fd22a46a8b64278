#pragma once

// The bridge between a control and its QWidget; used only inside the layer.

#include <QEvent>
#include <QWidget>

#include "platform/ui/Messages.h"

class QKeyEvent;
class TControl;
class TWinControl;

class TControlWidget : public QWidget {
public:
    explicit TControlWidget(TControl* control);
    ~TControlWidget() override;

    TControl* Control() const { return FControl; }
    void Detach() { FControl = nullptr; }

    // The event type that carries a posted message.
    static QEvent::Type PostedMessageType();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Dispatch(QEvent* event);

    TControl* FControl;
};

// The input adapter: turns a Qt key event for the focused control into the
// platform's steps (CN_KEYDOWN, WM_KEYDOWN, then the character through
// CN_CHAR / CM_DIALOGCHAR and WM_CHAR).
void DispatchKeyPress(TWinControl& control, const QKeyEvent& event);
void DispatchKeyRelease(TWinControl& control, const QKeyEvent& event);
// The virtual-key code of a Qt key event (0 when the key has none).
uint16_t VirtualKeyOf(const QKeyEvent& event);

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
