#include "grid/DudOder_CharFilter.h"

#include "platform/core/FormatSettings.h"

TChar FilterTypedChar(TEditorType kind, TChar key, bool ctrl, const TCustomEdit& edit, const String& validChars)
{
    const String text = edit.Text();
    // Backspace, Tab, Enter, Esc, and the clipboard and undo commands, which
    // a paste then checks by the kind's rules.
    const bool control = key == 8 || key == 9 || key == 13 || key == 27 || key == 3 || key == 22 || key == 24
        || key == 26;
    const auto isDigit = [](TChar c) { return c >= '0' && c <= '9'; };
    const bool minusAllowed = !text.contains(QLatin1Char('-')) && edit.SelStart() == 0;
    switch (kind) {
    case edNormal:
    case edPassword:
        return key;
    case edNumeric:
        if (control || isDigit(key) || (key == '-' && minusAllowed))
            return key;
        MessageBeep(0);
        return 0;
    case edPositiveNumeric:
        if (control || isDigit(key))
            return key;
        MessageBeep(0);
        return 0;
    case edFloat:
    case edPositiveFloat: {
        const bool signedKind = kind == edFloat;
        const bool accepted = control || isDigit(key) || key == ',' || key == '.' || (key == '-' && signedKind);
        if (!accepted)
            return ctrl ? key : TChar(0);
        const QChar decimal = FormatSettings().DecimalSeparator;
        if (QChar(key) == decimal && text.contains(decimal) && !edit.SelText().contains(decimal))
            return 0;
        if (QChar(key) == FormatSettings().ThousandSeparator && QChar(key) != decimal)
            return 0;
        if (key == '-' && !minusAllowed && !edit.SelText().contains(QLatin1Char('-'))) {
            MessageBeep(0);
            return 0;
        }
        return key;
    }
    case edCapital:
    case edUpperCase:
        return QChar(key).toUpper().unicode();
    case edLowerCase:
        return QChar(key).toLower().unicode();
    case edMixedCase:
        return key;
    case edValidChars:
        if (key == 8 || key == 13 || validChars.contains(QChar(key)))
            return key;
        MessageBeep(0);
        return 0;
    default:
        return 0;
    }
}
