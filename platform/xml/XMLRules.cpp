#include "platform/xml/XMLRules.h"

#include "platform/xml/XMLNode.h"

namespace {

bool IsNameStart(char16_t unit)
{
    return (unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z') || unit == '_' || unit == ':' || unit >= 0x80;
}

bool IsNameChar(char16_t unit) { return IsNameStart(unit) || (unit >= '0' && unit <= '9') || unit == '-' || unit == '.'; }

} // namespace

// A name that would make the written file unreadable is refused here, not
// discovered at the next load.
void CheckName(const String& name)
{
    bool valid = !name.isEmpty() && IsNameStart(name[0].unicode());
    for (qsizetype index = 1; valid && index < name.size(); ++index) valid = IsNameChar(name[index].unicode());
    if (!valid) throw EXMLError(QStringLiteral("\"%1\" is not a valid XML name").arg(name));
}

// Every byte of a UTF-8 character beyond ASCII is 0x80 or more, as the name
// characters beyond ASCII are.
void CheckName(const char* name)
{
    const auto unit = [&](size_t index) { return static_cast<char16_t>(static_cast<unsigned char>(name[index])); };
    bool valid = name[0] != 0 && IsNameStart(unit(0));
    for (size_t index = 1; valid && name[index] != 0; ++index) valid = IsNameChar(unit(index));
    if (!valid) throw EXMLError(QStringLiteral("\"%1\" is not a valid XML name").arg(String::fromUtf8(name)));
}

void CheckValue(const String& value, const char* what)
{
    if (value.contains(QChar(u'\0')))
        throw EXMLError(QStringLiteral("The %1 holds a NUL character, which an XML file cannot carry").arg(QLatin1StringView(what)));
}

void CheckComment(const String& text)
{
    if (text.contains(QStringLiteral("--")) || text.endsWith(u'-') || text.contains(QChar(u'\0')))
        throw EXMLError(QStringLiteral("\"%1\" cannot be written as an XML comment").arg(text));
}
