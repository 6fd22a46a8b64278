#include "platform/xml/XMLWriter.h"

#include "platform/xml/XMLNode.h"
#include "platform/xml/XMLRules.h"

void TXMLWriter::Open(const char* name)
{
    CheckName(name);
    EndStartTag();
    FText += '<';
    FText += name;
    FOpen.push_back(name);
    FInStartTag = true;
}

void TXMLWriter::Attribute(const char* name, const String& value)
{
    if (!FInStartTag)
        throw EXMLError(QStringLiteral("The attribute \"%1\" has no start tag to go into").arg(String::fromUtf8(name)));
    CheckName(name);
    CheckValue(value, "attribute value");
    FText += ' ';
    FText += name;
    FText += "=\"";
    AppendEscaped(value);
    FText += '"';
}

void TXMLWriter::Close()
{
    if (FOpen.empty())
        throw EXMLError(QStringLiteral("No element is open to close"));
    if (FInStartTag) {
        FText += "/>";
        FInStartTag = false;
    } else {
        FText += "</";
        FText += FOpen.back();
        FText += '>';
    }
    FOpen.pop_back();
}

void TXMLWriter::Comment(const String& text)
{
    CheckComment(text);
    EndStartTag();
    const QByteArray bytes = text.toUtf8();
    FText += "<!--";
    FText.append(bytes.constData(), static_cast<size_t>(bytes.size()));
    FText += "-->";
}

void TXMLWriter::EndStartTag()
{
    if (FInStartTag)
        FText += '>';
    FInStartTag = false;
}

// ASCII is written in place; a run of other characters goes through the
// string's own UTF-8 conversion, so unpaired surrogates come out as the
// document writes them. Control characters become two-digit references.
void TXMLWriter::AppendEscaped(const String& value)
{
    const qsizetype size = value.size();
    const QChar* units = value.constData();
    for (qsizetype index = 0; index < size;) {
        const char16_t unit = units[index].unicode();
        if (unit >= 0x80) {
            qsizetype end = index + 1;
            while (end < size && units[end].unicode() >= 0x80)
                ++end;
            const QByteArray bytes = QStringView(units + index, end - index).toUtf8();
            FText.append(bytes.constData(), static_cast<size_t>(bytes.size()));
            index = end;
            continue;
        }
        ++index;
        const char character = static_cast<char>(unit);
        switch (character) {
        case '"':
            FText += "&quot;";
            break;
        case '&':
            FText += "&amp;";
            break;
        case '<':
            FText += "&lt;";
            break;
        default:
            if (unit < 32) {
                const char reference[] = { '&', '#', static_cast<char>('0' + unit / 10), static_cast<char>('0' + unit % 10), ';' };
                FText.append(reference, sizeof reference);
            } else {
                FText += character;
            }
        }
    }
}
