#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

// Keys go to the focused widget, pressed and released, as a keyboard sends
// them.
inline void Press(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(focus, &event);
    }
}

// Each character as a key that carries only its text.
inline void Type(const QString& text)
{
    for (const QChar character : text)
        Press(Qt::Key_unknown, QString(character));
}
