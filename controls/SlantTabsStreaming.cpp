#include "controls/SlantTabsStreaming.h"

#include "platform/core/Exception.h"

#include <QStringList>

namespace {

const String LineBreak = QStringLiteral("\r\n");

void WriteLeaves(TSlantTabsPersistent& node, const String& path, String& text)
{
    TSlantTabsProperties properties;
    node.GetProperties(properties);
    for (const TSlantTabsProperties::TEntry& entry : properties.Entries()) {
        const String name = path + u'.' + String::fromLatin1(entry.Name);
        if (entry.Object)
            WriteLeaves(*entry.Object, name, text);
        else if (!entry.Omitted)
            text += QStringLiteral("  ") + name + QStringLiteral(" = ") + entry.Value + LineBreak;
    }
}

Exception ReadError(const String& carrier, const String& message)
{
    return Exception(QStringLiteral("Error reading %1: %2").arg(carrier, message));
}

void SetLeaf(TSlantTabsPersistent& root, const TSlantTabsCarrier& carrier, const String& path, const String& value)
{
    const QStringList names = path.split(u'.');
    const String unknown = QStringLiteral("Property %1 does not exist").arg(path);
    if (names.size() < 2 || names.front() != String::fromLatin1(carrier.PropertyName))
        throw ReadError(String::fromLatin1(carrier.ClassName), unknown);
    TSlantTabsPersistent* node = &root;
    for (qsizetype index = 1; index < names.size(); ++index) {
        TSlantTabsProperties properties;
        node->GetProperties(properties);
        const TSlantTabsProperties::TEntry* found = nullptr;
        for (const TSlantTabsProperties::TEntry& entry : properties.Entries())
            if (names[index].compare(String::fromLatin1(entry.Name), Qt::CaseInsensitive) == 0)
                found = &entry;
        const bool last = index == names.size() - 1;
        if (!found || (last == (found->Object != nullptr)))
            throw ReadError(String::fromLatin1(carrier.ClassName), unknown);
        if (last) {
            found->Parse(value);
            return;
        }
        node = found->Object;
    }
}

} // namespace

String ComponentToText(const TSlantTabsCarrier& carrier, TSlantTabsPersistent& tree)
{
    String text = QStringLiteral("object ") + String::fromLatin1(carrier.ClassName) + LineBreak;
    WriteLeaves(tree, String::fromLatin1(carrier.PropertyName), text);
    return text + QStringLiteral("end") + LineBreak;
}

void TextToComponent(const String& text, const TSlantTabsCarrier& carrier, TSlantTabsPersistent& tree)
{
    const String className = String::fromLatin1(carrier.ClassName);
    QStringList lines = text.split(u'\n');
    bool started = false;
    bool ended = false;
    for (String line : lines) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (ended)
            throw ReadError(className, QStringLiteral("Text after the end"));
        if (!started) {
            if (!line.startsWith(QStringLiteral("object "), Qt::CaseInsensitive))
                throw ReadError(className, QStringLiteral("Object header expected"));
            started = true;
            continue;
        }
        if (line.compare(QStringLiteral("end"), Qt::CaseInsensitive) == 0) {
            ended = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            throw ReadError(className, QStringLiteral("Property line expected: %1").arg(line));
        SetLeaf(tree, carrier, line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    if (!started || !ended)
        throw ReadError(className, QStringLiteral("Incomplete text"));
}

String ComponentToCode(const TSlantTabsCarrier& carrier, TSlantTabsPersistent& tree, const String& prefix)
{
    QStringList lines = ComponentToText(carrier, tree).split(LineBreak, Qt::SkipEmptyParts);
    if (lines.size() <= 2)
        return {};
    String code;
    for (qsizetype index = 1; index < lines.size() - 1; ++index) {
        String line = lines[index].trimmed();
        line.replace(QStringLiteral(" = "), QStringLiteral(" := "), Qt::CaseInsensitive);
        code += prefix + u'.' + line + u';' + LineBreak;
    }
    return code;
}
