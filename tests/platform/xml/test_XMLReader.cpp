#include "platform/xml/XMLReader.h"

#include "platform/xml/XMLDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TEvent {
    TXMLToken Token;
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Attributes;
    std::string Text;
};

TBytes Bytes(const std::string& xml) { return TBytes(xml.begin(), xml.end()); }

// Every event up to Done or Refused, the last one included.
std::vector<TEvent> Events(const std::string& xml)
{
    TXMLReader reader(Bytes(xml));
    std::vector<TEvent> events;
    for (int guard = 0; guard < 100000; ++guard) {
        TEvent event { reader.Next(), {}, {}, {} };
        if (event.Token == TXMLToken::Start || event.Token == TXMLToken::End)
            event.Name = reader.Name();
        if (event.Token == TXMLToken::Start) {
            for (size_t index = 0; index < reader.AttributeCount(); ++index)
                event.Attributes.emplace_back(reader.AttributeName(index), reader.AttributeValue(index));
        }
        if (event.Token == TXMLToken::Text)
            event.Text = reader.Text();
        events.push_back(event);
        if (event.Token == TXMLToken::Done || event.Token == TXMLToken::Refused)
            break;
    }
    return events;
}

std::string Transcript(const std::vector<TEvent>& events)
{
    std::string text;
    for (const TEvent& event : events) {
        switch (event.Token) {
        case TXMLToken::Start:
            text += "<" + event.Name;
            for (const auto& [name, value] : event.Attributes)
                text += " " + name + "=" + value;
            text += ">";
            break;
        case TXMLToken::End: text += "</" + event.Name + ">"; break;
        case TXMLToken::Text: text += "[" + event.Text + "]"; break;
        case TXMLToken::Comment: text += "#"; break;
        case TXMLToken::Done: text += "."; break;
        case TXMLToken::Refused: text += "!"; break;
        }
    }
    return text;
}

// Walks the document in the reader's order; true when every event is the
// document's own: names, the first attribute of each name, texts, comments.
class TAgreement {
public:
    explicit TAgreement(const std::vector<TEvent>& events) : FEvents(events) { }

    bool With(const TXMLDocument& document)
    {
        for (TXMLNode node = document.FirstNode(); node; node = node.NextSibling()) {
            if (node.Kind() != TXMLNodeKind::Declaration && !Node(node))
                return false;
        }
        return FAt + 1 == FEvents.size() && FEvents[FAt].Token == TXMLToken::Done;
    }

private:
    bool Node(const TXMLNode& node)
    {
        if (FAt >= FEvents.size())
            return false;
        const TEvent& event = FEvents[FAt++];
        switch (node.Kind()) {
        case TXMLNodeKind::Text: return event.Token == TXMLToken::Text && event.Text == node.ValueUtf8();
        case TXMLNodeKind::Comment: return event.Token == TXMLToken::Comment;
        case TXMLNodeKind::Element: break;
        default: return false;
        }
        if (event.Token != TXMLToken::Start || event.Name != node.NodeName().toStdString())
            return false;
        std::vector<std::string> seen;
        for (const auto& [name, value] : event.Attributes) {
            if (std::find(seen.begin(), seen.end(), name) != seen.end())
                continue;
            seen.push_back(name);
            if (node.Attribute(name.c_str()) != String::fromStdString(value))
                return false;
        }
        for (TXMLNode child = node.Child(0); child; child = child.NextSibling()) {
            if (!Node(child))
                return false;
        }
        return FAt < FEvents.size() && FEvents[FAt].Token == TXMLToken::End && FEvents[FAt++].Name == event.Name;
    }

    const std::vector<TEvent>& FEvents;
    size_t FAt = 0;
};

// What the reader takes must read as the document reads it; what the
// document refuses the reader refuses too.
void Expect_Agreement(const std::string& xml)
{
    const std::vector<TEvent> events = Events(xml);
    TXMLDocument document;
    bool loaded = true;
    try {
        document.LoadFromXML(String::fromStdString(xml));
    } catch (const EXMLError&) {
        loaded = false;
    }
    if (events.back().Token == TXMLToken::Refused)
        return;
    ASSERT_TRUE(loaded) << "the reader took what the document refuses: " << xml;
    EXPECT_TRUE(TAgreement(events).With(document)) << xml << "\n" << Transcript(events);
}

const std::string Project_Like = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<EnOcean>\r\n <DevicesList>\r\n"
                                 "  <Device Id=\"25165824\" Key='a&quot;b&amp;c' Empty=\"\"><UnidirectionalList><RorgFuncType RorgNum = \"165\">"
                                 "<VariablesList><Variable CaseInd=\"0\" Data=\"T &lt; 5\"/></VariablesList></RorgFuncType></UnidirectionalList>"
                                 "<SmartACKList/><Remote /></Device>\r\n <!-- a note -->\r\n <Info>x &gt; y</Info>\r\n </DevicesList>\r\n"
                                 "</EnOcean><!--SW_VERSION = 1.000-->\r\n";

} // namespace

TEST(XMLReader, ReadsTheProgramsOwnFormsAsTheDocumentDoes)
{
    struct {
        const char* Name;
        std::string Xml;
        std::string Expected;
    } const cases[] = {
        { "a project file", Project_Like,
            "<EnOcean><DevicesList><Device Id=25165824 Key=a\"b&c Empty=><UnidirectionalList><RorgFuncType RorgNum=165><VariablesList>"
            "<Variable CaseInd=0 Data=T < 5></Variable></VariablesList></RorgFuncType></UnidirectionalList><SmartACKList></SmartACKList>"
            "<Remote></Remote></Device>#<Info>[x > y]</Info></DevicesList></EnOcean>#." },
        { "byte-order mark, text kept with its blanks", "\xEF\xBB\xBF<a> 1 <b/>\n\t<c>\xC3\xA9</c></a>", "<a>[ 1 ]<b></b><c>[\xC3\xA9]</c></a>." },
        { "duplicate attributes in document order", "<a x=\"1\" x=\"2\" y='\"'/>", "<a x=1 x=2 y=\"></a>." },
        { "blanks in an end tag and tags of a catalog", "<profile><rorg><number>0xA5</number ></rorg></profile >", "<profile><rorg><number>[0xA5]</number></rorg></profile>." },
        { "comment before the root", "<!-- c --><a/>", "#<a></a>." },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(Transcript(Events(entry.Xml)), entry.Expected);
        Expect_Agreement(entry.Xml);
    }
}

// Forms the document reads but the reader leaves to it, and faults.
TEST(XMLReader, LeavesOtherFormsAndFaultsToTheDocument)
{
    struct {
        const char* Name;
        std::string Xml;
    } const cases[] = {
        { "doctype", "<!DOCTYPE a><a/>" },
        { "CDATA", "<a><![CDATA[x]]></a>" },
        { "character reference in a value", "<a n=\"&#49;\"/>" },
        { "character reference in text", "<a>&#x31;</a>" },
        { "unknown entity", "<a>&nbsp;</a>" },
        { "processing instruction in content", "<a><?p x?></a>" },
        { "processing instruction after the root", "<a/><?p?>" },
        { "latin-1 declaration", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a t=\"\xE9\"/>" },
        { "tab in a value", "<a n=\"1\t2\"/>" },
        { "line break in a value", "<a n=\"1\n2\"/>" },
        { "CR in text", "<a>x\r\ny</a>" },
        { "name beyond ASCII", "<\xC3\xA9/>" },
        { "second root", "<a/><b/>" },
        { "text after the root", "<a/>x" },
        { "less-than in a value", "<a n=\"<\"/>" },
        { "control character", "<a>\x01</a>" },
        { "UTF-16", std::string("\xFF\xFE<\0a\0/\0>\0", 10) },
        { "empty", "" },
        { "blanks only", " \n" },
        { "no root, a comment", "<!-- c -->" },
        { "unclosed element", "<a><b></b>" },
        { "mismatched end", "<a></b>" },
        { "unclosed tag", "<a" },
        { "unquoted value", "<a n=1/>" },
        { "value without end", "<a n=\"1/>" },
        { "attributes run together", "<a n=\"1\"m=\"2\"/>" },
        { "unclosed comment", "<a><!-- x </a>" },
        { "NUL byte", std::string("<a>\0</a>", 8) },
        { "byte that is not UTF-8", "<a>\xFF</a>" },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(Events(entry.Xml).back().Token, TXMLToken::Refused) << Transcript(Events(entry.Xml));
    }
}

// Every prefix of a file, and the file with any one character replaced by
// one that matters to XML: what the reader takes, the document reads alike.
TEST(XMLReader, TruncatedAndDamagedFilesNeverReadOtherwiseThanTheDocument)
{
    for (size_t length = 0; length <= Project_Like.size(); ++length) {
        SCOPED_TRACE(length);
        Expect_Agreement(Project_Like.substr(0, length));
    }
    const char replacements[] = { '<', '>', '&', '"', '\'', '/', '=', ' ', '\r', '!', '?', '-', 'x', ';' };
    for (size_t position = 0; position < Project_Like.size(); ++position) {
        for (char replacement : replacements) {
            std::string damaged = Project_Like;
            damaged[position] = replacement;
            SCOPED_TRACE(damaged);
            Expect_Agreement(damaged);
        }
    }
}

TEST(XMLReader, DeepFilesAreReadWithoutRecursion)
{
    const int depth = 200000;
    std::string xml;
    for (int level = 0; level < depth; ++level)
        xml += "<e>";
    for (int level = 0; level < depth; ++level)
        xml += "</e>";
    TXMLReader reader(Bytes(xml));
    int starts = 0;
    TXMLToken token;
    while ((token = reader.Next()) == TXMLToken::Start || token == TXMLToken::End)
        starts += token == TXMLToken::Start;
    EXPECT_EQ(token, TXMLToken::Done);
    EXPECT_EQ(starts, depth);
}

TEST(XMLReader, AttributesAreFoundByNameAsOnTheDocument)
{
    TXMLReader reader(Bytes("<a n=\"12\" bad=\"1x\" n=\"3\" big=\"0x1FFFFFFFF\" neg=\"-5\"/>"));
    ASSERT_EQ(reader.Next(), TXMLToken::Start);
    const TXMLAttributes values(reader, { "n", "bad", "big", "neg", "missing" });
    EXPECT_EQ(values.IntStrict(0), 12);
    EXPECT_THROW(values.IntStrict(1), EConvertError);
    EXPECT_EQ(values.Int64Strict(2), 0x1FFFFFFFFLL);
    EXPECT_EQ(values.Int(3, 0), -5);
    EXPECT_FALSE(values.Has(4));
    EXPECT_THROW(values.IntStrict(4), EConvertError);
}
