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
    String quoted = value;
    quoted.replace(u'\'', QStringLiteral("''"));
    FEntries.push_back({ name, nullptr, u'\'' + quoted + u'\'', value.isEmpty(), [set](const String& text) {
                            if (text.size() < 2 || !text.startsWith(u'\'') || !text.endsWith(u'\''))
                                throw BadValue(text);
                            String inner = text.mid(1, text.size() - 2);
                            set(inner.replace(QStringLiteral("''"), QStringLiteral("'")));
                        } });
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
