#include "platform/ui/DeadKeys.h"

#include <QKeyEvent>

#include <iterator>

namespace {

struct TDeadKey {
    int QtKey;
    char16_t Combining;
    // What the dead key makes alone (followed by space, or by a key it does
    // not combine with).
    char16_t Spacing;
};

constexpr TDeadKey DeadKeys[] = {
    { Qt::Key_Dead_Grave, u'\u0300', u'`' },
    { Qt::Key_Dead_Acute, u'\u0301', u'\u00B4' },
    { Qt::Key_Dead_Circumflex, u'\u0302', u'^' },
    { Qt::Key_Dead_Tilde, u'\u0303', u'~' },
    { Qt::Key_Dead_Macron, u'\u0304', u'\u00AF' },
    { Qt::Key_Dead_Breve, u'\u0306', u'\u02D8' },
    { Qt::Key_Dead_Abovedot, u'\u0307', u'\u02D9' },
    { Qt::Key_Dead_Diaeresis, u'\u0308', u'\u00A8' },
    { Qt::Key_Dead_Abovering, u'\u030A', u'\u00B0' },
    { Qt::Key_Dead_Doubleacute, u'\u030B', u'\u02DD' },
    { Qt::Key_Dead_Caron, u'\u030C', u'\u02C7' },
    { Qt::Key_Dead_Cedilla, u'\u0327', u'\u00B8' },
    { Qt::Key_Dead_Ogonek, u'\u0328', u'\u02DB' },
};

// The dead key typed last, until the next key that makes a character.
const TDeadKey* PendingDeadKey = nullptr;

} // namespace

TDeadKeyResult ComposeDeadKey(const QKeyEvent& event)
{
    TDeadKeyResult result;
    result.Text = event.text();
    const auto* dead = std::find_if(std::begin(DeadKeys), std::end(DeadKeys),
        [&](const TDeadKey& entry) { return entry.QtKey == event.key(); });
    if (dead != std::end(DeadKeys)) {
        PendingDeadKey = dead;
        result.Swallow = true;
        return result;
    }
    // Modifier keys come between a dead key and its letter (Shift for a capital).
    if (!PendingDeadKey || result.Text.isEmpty())
        return result;
    const TDeadKey& pending = *PendingDeadKey;
    PendingDeadKey = nullptr;
    if (result.Text == QStringLiteral(" ")) {
        result.Text = QString(QChar(pending.Spacing));
        return result;
    }
    if (result.Text.size() != 1 || result.Text[0].unicode() < 0x20)
        return result;
    const QString composed = (result.Text + QChar(pending.Combining)).normalized(QString::NormalizationForm_C);
    if (composed.size() == 1)
        result.Text = composed;
    else
        result.Spacing = pending.Spacing;
    return result;
}
