#include "platform/xml/XMLDocument.h"
#include "platform/xml/XMLWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Every character class an attribute value can hold: each ASCII character
// (the control characters, quotes, markup), letters beyond ASCII, a pair of
// surrogates and an unpaired one.
std::vector<String> Values()
{
    std::vector<String> values = { String(), QStringLiteral("plain"), String::fromUtf8("Fenster \u00e4\u20ac \U0001F600"),
        QString(QChar(0xD800)) + QStringLiteral("x") + QChar(0xDC00) };
    for (char16_t unit = 1; unit < 128; ++unit)
        values.push_back(QStringLiteral("a") + QChar(unit) + QStringLiteral("b"));
    return values;
}

TEST(XMLWriter, WritesWhatTheDocumentSaves)
{
    for (const String& value : Values()) {
        SCOPED_TRACE(value.toStdString());
        TXMLDocument document;
        TXMLNode root = document.AddRoot(QStringLiteral("table"));
        root.AddChild(QStringLiteral("empty"));
        TXMLNode section = root.AddChild(QStringLiteral("section"));
        section.AddChild(QStringLiteral("row")).SetAttribute(QStringLiteral("v"), value);
        section.AddChild(QStringLiteral("row")).SetAttribute(QStringLiteral("w"), QStringLiteral("2"));
        document.AddComment(QStringLiteral("SW_VERSION = 1.000"));

        TXMLWriter writer;
        writer.Open("table");
        writer.Open("empty");
        writer.Close();
        writer.Open("section");
        writer.Open("row");
        writer.Attribute("v", value);
        writer.Close();
        writer.Open("row");
        writer.Attribute("w", QStringLiteral("2"));
        writer.Close();
        writer.Close();
        writer.Close();
        writer.Comment(QStringLiteral("SW_VERSION = 1.000"));
        EXPECT_EQ(writer.Bytes(), document.XML().toStdString());
    }
}

TEST(XMLWriter, RefusesWhatCouldNotBeReadBack)
{
    const std::function<void(TXMLWriter&)> cases[] = {
        [](TXMLWriter& writer) { writer.Open("1row"); },
        [](TXMLWriter& writer) { writer.Open("a b"); },
        [](TXMLWriter& writer) { writer.Attribute("v", QStringLiteral("no element")); },
        [](TXMLWriter& writer) {
            writer.Open("row");
            writer.Attribute("a<b", QStringLiteral("1"));
        },
        [](TXMLWriter& writer) {
            writer.Open("row");
            writer.Attribute("v", QStringLiteral("x") + QChar(u'\0'));
        },
        [](TXMLWriter& writer) {
            writer.Open("row");
            writer.Open("child");
            writer.Close();
            writer.Attribute("late", QStringLiteral("1"));
        },
        [](TXMLWriter& writer) { writer.Close(); },
        [](TXMLWriter& writer) { writer.Comment(QStringLiteral("a -- b")); },
        [](TXMLWriter& writer) { writer.Comment(QStringLiteral("ends-")); },
    };
    for (size_t index = 0; index < std::size(cases); ++index) {
        SCOPED_TRACE(index);
        TXMLWriter writer;
        EXPECT_THROW(cases[index](writer), EXMLError);
    }
}

} // namespace
