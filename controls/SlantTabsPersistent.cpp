#include "controls/SlantTabsPersistent.h"

#include "controls/SlantTabsInterfaces.h"
#include "platform/core/Exception.h"

namespace {

EConvertError BadValue(const String& text) { return EConvertError(QStringLiteral("Invalid property value: %1").arg(text)); }

int64_t ParseInteger(const String& text)
{
    bool ok = false;
    const int64_t value = text.startsWith(u'$') ? text.mid(1).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    if (!ok)
        throw BadValue(text);
    return value;
}

// A string as the text form writes it: quoted runs, with '' for a quote,
// and #n for each control character, which a quoted run cannot hold.
String QuotedText(const String& value)
{
    String text;
    bool quoted = false;
    for (const QChar character : value) {
        const bool control = character.unicode() < 32;
        if (control == quoted) {
            text += u'\'';
            quoted = !quoted;
        }
        if (control)
            text += u'#' + String::number(character.unicode());
        else
            text += character == u'\'' ? QStringLiteral("''") : String(character);
    }
    if (quoted || text.isEmpty())
        text += text.isEmpty() ? QStringLiteral("''") : QStringLiteral("'");
    return text;
}

// The reverse of QuotedText; also takes #$hex, blanks between the parts and
// characters beyond the control range written as #n.
String UnquotedText(const String& text)
{
    String value;
    qsizetype at = 0;
    bool parts = false;
    while (at < text.size()) {
        const QChar character = text[at];
        if (character == u' ' || character == u'\t') {
            ++at;
        } else if (character == u'\'') {
            for (++at;; ++at) {
                if (at >= text.size())
                    throw BadValue(text);
                if (text[at] == u'\'') {
                    if (at + 1 < text.size() && text[at + 1] == u'\'') {
                        value += u'\'';
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                value += text[at];
            }
            parts = true;
        } else if (character == u'#') {
            qsizetype end = ++at;
            if (end < text.size() && text[end] == u'$')
                ++end;
            while (end < text.size() && (text[end].isDigit() || (text[at] == u'$' && QStringLiteral("abcdefABCDEF").contains(text[end]))))
                ++end;
            const int64_t code = ParseInteger(text.mid(at, end - at));
            if (code < 0 || code > 0xFFFF)
                throw BadValue(text);
            value += QChar(char16_t(code));
            at = end;
            parts = true;
        } else {
            throw BadValue(text);
        }
    }
    if (!parts)
        throw BadValue(text);
    return value;
}

} // namespace

const char* const EaseTypeNames[23] = { "ttNone", "ttLinearTween", "ttEaseInQuad", "ttEaseOutQuad", "ttEaseInOutQuad", "ttEaseInCubic",
    "ttEaseOutCubic", "ttEaseInOutCubic", "ttEaseInQuart", "ttEaseOutQuart", "ttEaseInOutQuart", "ttEaseInQuint", "ttEaseOutQuint",
    "ttEaseInOutQuint", "ttEaseInSine", "ttEaseOutSine", "ttEaseInOutSine", "ttEaseInExpo", "ttEaseOutExpo", "ttEaseInOutExpo",
    "ttEaseInCirc", "ttEaseOutCirc", "ttEaseInOutCirc" };

void TSlantTabsPersistent::NotifyChange()
{
    const TSlantTabsPersistent* node = this;
    while (node->FOwner)
        node = node->FOwner;
    if (node->FStrip)
        node->FStrip->DoChange(nullptr, tcPropertyUpdated);
}

void TSlantTabsProperties::Object(const char* name, TSlantTabsPersistent& object)
{
    FEntries.push_back({ name, &object, {}, false, {} });
}

void TSlantTabsProperties::Integer(const char* name, int64_t value, std::function<void(int64_t)> set)
{
    FEntries.push_back({ name, nullptr, String::number(value), false, [set](const String& text) { set(ParseInteger(text)); } });
}

void TSlantTabsProperties::Boolean(const char* name, bool value, std::function<void(bool)> set)
{
    FEntries.push_back({ name, nullptr, value ? QStringLiteral("True") : QStringLiteral("False"), false, [set](const String& text) {
                            if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
                                set(true);
                            else if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
                                set(false);
                            else
                                throw BadValue(text);
                        } });
}

void TSlantTabsProperties::Float(const char* name, double value, std::function<void(double)> set)
{
    // Shortest text that reads back to the same value, always with a point.
    FEntries.push_back({ name, nullptr, String::number(value, 'g', 15), value == 0, [set](const String& text) {
                            bool ok = false;
                            const double parsed = text.toDouble(&ok);
                            if (!ok)
                                throw BadValue(text);
                            set(parsed);
                        } });
}

void TSlantTabsProperties::Text(const char* name, const String& value, std::function<void(const String&)> set)
{
    FEntries.push_back({ name, nullptr, QuotedText(value), value.isEmpty(), [set](const String& text) { set(UnquotedText(text)); } });
}

void TSlantTabsProperties::Color(const char* name, TColor value, std::function<void(TColor)> set)
{
    String ident;
    const String written = ColorToIdent(value, ident) ? ident : String::number(int32_t(value));
    FEntries.push_back({ name, nullptr, written, false, [set](const String& text) {
                            TColor color = 0;
                            if (IdentToColor(text, color))
                                set(color);
                            else
                                set(TColor(ParseInteger(text)));
                        } });
}

void TSlantTabsProperties::Enum(const char* name, int32_t value, std::span<const char* const> names, std::function<void(int32_t)> set)
{
    const String written = value >= 0 && size_t(value) < names.size() ? String::fromLatin1(names[size_t(value)]) : String::number(value);
    FEntries.push_back({ name, nullptr, written, false, [set, names](const String& text) {
                            for (size_t index = 0; index < names.size(); ++index)
                                if (text.compare(String::fromLatin1(names[index]), Qt::CaseInsensitive) == 0) {
                                    set(int32_t(index));
                                    return;
                                }
                            throw BadValue(text);
                        } });
}
