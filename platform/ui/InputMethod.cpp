#include "platform/ui/InputMethod.h"

#include "platform/graphics/QtGraphics.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DeadKeys.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>

void DispatchTypedKey(TWinControl& control, const QKeyEvent& event)
{
    const TDeadKeyResult dead = ComposeDeadKey(event);
    if (dead.Swallow)
        return;
    if (dead.Spacing != 0 && !DispatchCharacter(control, dead.Spacing, 1))
        return;
    if (dead.Text == event.text()) {
        DispatchKeyPress(control, event);
        return;
    }
    const QKeyEvent composed(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
        event.nativeVirtualKey(), event.nativeModifiers(), dead.Text, event.isAutoRepeat());
    DispatchKeyPress(control, composed);
}

// A commit has no key of its own, so its characters come without key-down,
// as the platform's input-method characters do.
void DispatchInputMethod(TWinControl& control, const QInputMethodEvent& event)
{
    auto* client = dynamic_cast<TInputMethodClient*>(&control);
    if (!client)
        return;
    const QPointer<QWidget> widget = control.Widget();
    auto alive = [&] { return widget && TControl::FromWidget(widget) == &control; };
    client->InputMethodComposition(String(), 0);
    if (event.replacementLength() > 0)
        client->InputMethodSelect(event.replacementStart(), event.replacementLength());
    for (const QChar character : event.commitString())
        if (!DispatchCharacter(control, character.unicode(), 1))
            return;
    if (!alive())
        return;
    int cursor = static_cast<int>(event.preeditString().size());
    for (const QInputMethodEvent::Attribute& attribute : event.attributes())
        if (attribute.type == QInputMethodEvent::Cursor)
            cursor = attribute.start;
    client->InputMethodComposition(event.preeditString(), cursor);
}

bool AnswerInputMethodQuery(TControl& control, QInputMethodQueryEvent& query)
{
    const auto* client = dynamic_cast<const TInputMethodClient*>(&control);
    if (!client)
        return false;
    const TInputMethodState state = client->InputMethodState();
    const Qt::InputMethodQueries queries = query.queries();
    auto answer = [&](Qt::InputMethodQuery item, const QVariant& value) {
        if (queries & item)
            query.setValue(item, value);
    };
    answer(Qt::ImEnabled, state.Enabled);
    answer(Qt::ImHints,
        static_cast<int>(state.Sensitive ? Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText : Qt::ImhNone));
    answer(Qt::ImCursorRectangle, QRectF(ToQRect(state.CaretRect)));
    answer(Qt::ImSurroundingText, state.SurroundingText);
    answer(Qt::ImCursorPosition, state.Cursor);
    answer(Qt::ImAnchorPosition, state.Anchor);
    answer(Qt::ImCurrentSelection, state.SurroundingText.mid(std::min(state.Cursor, state.Anchor), std::abs(state.Cursor - state.Anchor)));
    query.accept();
    return true;
}
