#include "platform/xml/XMLDocument.h"

#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteText(const String& fileName, const std::string& content)
{
    WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(content.data()), content.size());
}

std::string FileContent(const String& fileName)
{
    const TBytes bytes = ReadFileBytes(fileName);
    return std::string(bytes.begin(), bytes.end());
}

// The settings reader's pattern: the first node is the root, children by name.
String SettingsValue(const TXMLDocument& document, const char* group, const char* entry)
{
    return document.FirstNode().ChildNode(group).ChildNode(entry).Text();
}

} // namespace

TEST(XMLDocument, FirstNodeIsTheRootWhateverItsKind)
{
    struct Case {
        const char* xml;
        TXMLNodeKind firstKind;
        const char* ipAddress;
    };
    const Case cases[] = {
        { "<Conf_Settings><lastipadd><ipaddress>10.0.0.1</ipaddress></lastipadd></Conf_Settings>", TXMLNodeKind::Element, "10.0.0.1" },
        { "<Other><lastipadd><ipaddress>10.0.0.2</ipaddress></lastipadd></Other>", TXMLNodeKind::Element, "10.0.0.2" },
        { "<?xml version=\"1.0\"?><Conf_Settings><lastipadd><ipaddress>1</ipaddress></lastipadd></Conf_Settings>",
          TXMLNodeKind::Declaration, "" },
        { "<!-- note --><Conf_Settings><lastipadd><ipaddress>1</ipaddress></lastipadd></Conf_Settings>",
          TXMLNodeKind::Comment, "" },
        { "<?pi x?><Conf_Settings/>", TXMLNodeKind::ProcessingInstruction, "" },
        { "<!DOCTYPE c><Conf_Settings/>", TXMLNodeKind::Doctype, "" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.xml);
        TXMLDocument document;
        document.LoadFromXML(testCase.xml);
        EXPECT_EQ(document.FirstNode().Kind(), testCase.firstKind);
        EXPECT_EQ(SettingsValue(document, "lastipadd", "ipaddress"), testCase.ipAddress);
        EXPECT_FALSE(document.TopElement("Conf_Settings").IsNull() && testCase.firstKind != TXMLNodeKind::Element);
    }
}

TEST(XMLDocument, SavesRawWithoutDeclarationAndWithTheCommentAfterTheRoot)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/EnOcean.xml";
    TXMLDocument document;
    TXMLNode root = document.AddRoot("EnOcean");
    TXMLNode device = root.AddChild("Device");
    device.SetAttribute("Name", String::fromUtf8("Fenster \u00e4"));
    device.SetAttribute("Empty", "");
    device.AddChild("Text").SetText(" 1");
    root.AddChild("Blank");
    document.AddComment("SW_VERSION = 1.000");
    document.SaveToFile(fileName);

    const std::string written = FileContent(fileName);
    EXPECT_EQ(written.find("<?xml"), std::string::npos);
    EXPECT_EQ(written.find('\n'), std::string::npos);
    EXPECT_EQ(written.rfind("\xEF\xBB\xBF", 0), std::string::npos);
    EXPECT_EQ(written.rfind("<EnOcean>", 0), 0u);
    EXPECT_NE(written.find("Fenster \xC3\xA4"), std::string::npos);
    EXPECT_TRUE(written.ends_with("</EnOcean><!--SW_VERSION = 1.000-->"));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "EnOcean.xml" });

    TXMLDocument reread;
    reread.LoadFromFile(fileName);
    ASSERT_EQ(reread.ChildCount(), 2);
    EXPECT_EQ(reread.Child(1).Kind(), TXMLNodeKind::Comment);
    EXPECT_EQ(reread.Child(1).Text(), "SW_VERSION = 1.000");
    const TXMLNode readDevice = reread.FirstNode().ChildNode("Device");
    EXPECT_EQ(readDevice.AttributeText("Name"), String::fromUtf8("Fenster \u00e4"));
    EXPECT_EQ(readDevice.ChildNode("Text").Text(), " 1");
    EXPECT_EQ(reread.FirstNode().ChildNode("Blank").Text(), "");
    EXPECT_EQ(reread.XML(), document.XML());
}

TEST(XMLDocument, AbsentAttributeIsDistinctFromEmpty)
{
    TXMLDocument document;
    document.LoadFromXML("<r a=\"\" n=\"$1F\" bad=\"12 \" big=\"$FFFFFFFFFF\"/>");
    const TXMLNode root = document.FirstNode();
    EXPECT_EQ(root.Attribute("a"), String(""));
    EXPECT_EQ(root.Attribute("missing"), std::nullopt);
    EXPECT_TRUE(root.HasAttribute("a"));
    EXPECT_FALSE(root.HasAttribute("missing"));
    EXPECT_EQ(root.AttributeText("missing"), "");

    struct Case {
        const char* name;
        int32_t withDefault;
        bool strictThrows;
    };
    const Case cases[] = {
        { "n", 31, false }, { "a", -1, true }, { "bad", -1, true }, { "missing", -1, true }, { "big", -1, true },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(root.AttributeInt(testCase.name), testCase.withDefault);
        EXPECT_EQ(root.AttributeInt(testCase.name, 7), testCase.strictThrows ? 7 : testCase.withDefault);
        if (testCase.strictThrows)
            EXPECT_THROW(root.AttributeIntStrict(testCase.name), EConvertError);
        else
            EXPECT_EQ(root.AttributeIntStrict(testCase.name), testCase.withDefault);
    }
    EXPECT_EQ(root.AttributeInt64Strict("big"), 0xFFFFFFFFFFLL);
    // Names given as String find the same.
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const String name = String::fromLatin1(testCase.name);
        EXPECT_EQ(root.Attribute(name), root.Attribute(testCase.name));
        EXPECT_EQ(root.AttributeInt(name), testCase.withDefault);
        if (testCase.strictThrows)
            EXPECT_THROW(root.AttributeIntStrict(name), EConvertError);
        else
            EXPECT_EQ(root.AttributeIntStrict(name), testCase.withDefault);
    }
    EXPECT_EQ(root.AttributeInt64Strict(QStringLiteral("big")), 0xFFFFFFFFFFLL);
}

TEST(XMLDocument, LookupsOnMissingNodesFailSoftly)
{
    TXMLDocument document;
    document.LoadFromXML("<r><a/>text<!--c--><b>x</b></r>");
    const TXMLNode root = document.FirstNode();
    ASSERT_EQ(root.ChildCount(), 4);
    EXPECT_EQ(root.Child(1).Kind(), TXMLNodeKind::Text);
    EXPECT_EQ(root.Child(2).Kind(), TXMLNodeKind::Comment);
    EXPECT_TRUE(root.Child(4).IsNull());
    EXPECT_TRUE(root.Child(-1).IsNull());
    EXPECT_EQ(root.Text(), "textx");
    EXPECT_TRUE(root.Child(0).IsElementNamed("a"));
    EXPECT_FALSE(root.Child(0).IsElementNamed("b"));
    EXPECT_FALSE(root.Child(1).IsElementNamed(""));
    EXPECT_EQ(root.ChildNode(QStringLiteral("b")), root.ChildNode("b"));

    const TXMLNode missing = root.ChildNode("none");
    EXPECT_TRUE(missing.IsNull());
    EXPECT_TRUE(missing.ChildNode("deeper").IsNull());
    EXPECT_FALSE(missing.IsElementNamed("none"));
    EXPECT_EQ(missing.Text(), "");
    EXPECT_EQ(missing.ChildCount(), 0);
    EXPECT_EQ(missing.AttributeInt("x"), -1);
    EXPECT_EQ(missing.Attribute("x"), std::nullopt);
    EXPECT_THROW(missing.AttributeIntStrict("x"), EConvertError);
    TXMLNode writable = missing;
    EXPECT_THROW(writable.AddChild("x"), EXMLError);
    EXPECT_THROW(writable.SetAttribute("x", "1"), EXMLError);
}

TEST(XMLDocument, BadFilesRaiseAClearErrorAndStayUntouched)
{
    QTemporaryDir temp;
    struct Case {
        const char* name;
        std::string content;
        const char* messagePart;
    };
    const Case cases[] = {
        { "malformed.xml", "<a><b></a>", "not well-formed" },
        { "truncated.xml", "<Conf_Settings><lastproj><projectname>P", "not well-formed" },
        { "empty.xml", "", "empty" },
        { "comment.xml", "<!-- only a comment -->", "no XML element" },
        { "windows1252.xml", "<C><p>Caf\xE9</p></C>", "not UTF-8 (line 1, column 10)" },
        { "overlong.xml", "<C>\n<p>\xC0\xAF</p></C>", "not UTF-8 (line 2, column 4)" },
        { "surrogate.xml", "<C a=\"\xED\xA0\x80\"/>", "not UTF-8" },
        { "cut.xml", "<C>\xE2\x82</C>", "not UTF-8" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const String fileName = temp.path() + "/" + testCase.name;
        WriteText(fileName, testCase.content);
        TXMLDocument document;
        document.AddRoot("Kept");
        try {
            document.LoadFromFile(fileName);
            ADD_FAILURE() << "no exception";
        } catch (const EXMLError& error) {
            EXPECT_TRUE(error.Message().contains(testCase.messagePart)) << error.what();
            EXPECT_TRUE(error.Message().contains(testCase.name)) << error.what();
        }
        EXPECT_EQ(document.FirstNode().NodeName(), "Kept");
        EXPECT_EQ(FileContent(fileName), testCase.content);
    }
    TXMLDocument document;
    EXPECT_THROW(document.LoadFromFile(temp.path() + "/absent.xml"), EXMLError);
    // A file that names its 8-bit encoding is read in it.
    WriteText(temp.path() + "/latin1.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><C>Caf\xE9</C>");
    document.LoadFromFile(temp.path() + "/latin1.xml");
    EXPECT_EQ(document.TopElement("C").Text(), QStringLiteral("Caf\u00e9"));
}

TEST(XMLDocument, ClearThenRebuildReplacesTheFileWhole)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/Trelvador.xml";
    WriteText(fileName, "<?xml version=\"1.0\"?>\n<Project><Old/></Project>\n<!--SW_VERSION = 1.000-->");
    TXMLDocument document;
    document.LoadFromFile(fileName);
    EXPECT_EQ(document.ChildCount(), 3);
    document.Clear();
    EXPECT_EQ(document.ChildCount(), 0);
    TXMLNode root = document.AddRoot("Conf_Settings");
    EXPECT_THROW(document.AddRoot("Second"), EXMLError);
    root.AddChild("lastipadd").AddChild("ipaddress").SetText("192.168.2.205");
    document.SaveToFile(fileName);
    EXPECT_EQ(FileContent(fileName), "<Conf_Settings><lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd></Conf_Settings>");
}

TEST(XMLDocument, RefusesNamesAndCommentsThatWouldNotReadBack)
{
    TXMLDocument document;
    TXMLNode root = document.AddRoot("r");
    for (const char* name : { "", "1abc", "a b", "a<b", "-a" }) {
        SCOPED_TRACE(name);
        EXPECT_THROW(root.AddChild(name), EXMLError);
        EXPECT_THROW(root.SetAttribute(name, "v"), EXMLError);
    }
    EXPECT_THROW(document.AddComment("a -- b"), EXMLError);
    EXPECT_THROW(document.AddComment("ends-"), EXMLError);
    EXPECT_EQ(root.ChildCount(), 0);
    EXPECT_EQ(document.ChildCount(), 1);

    // A NUL would end the value early in the file.
    const String withNul = QStringLiteral("x-") + QChar(u'\0') + QStringLiteral("y");
    TXMLNode entry = root.AddChild("e");
    entry.SetText("kept");
    entry.SetAttribute("a", "kept");
    EXPECT_THROW(entry.SetText(withNul), EXMLError);
    EXPECT_THROW(entry.SetAttribute("a", withNul), EXMLError);
    EXPECT_THROW(document.AddComment(withNul), EXMLError);
    EXPECT_EQ(entry.Text(), "kept");
    EXPECT_EQ(entry.AttributeText("a"), "kept");
    EXPECT_EQ(document.ChildCount(), 1);
}

TEST(XMLDocument, SettingAnAttributeAgainReplacesIt)
{
    TXMLDocument document;
    TXMLNode root = document.AddRoot("r");
    root.SetAttribute("x", "1");
    root.SetAttribute("y", "0");
    root.SetAttribute("x", "2");
    EXPECT_EQ(document.XML(), "<r x=\"2\" y=\"0\"/>");
    TXMLDocument reread;
    reread.LoadFromXML(document.XML());
    EXPECT_EQ(reread.FirstNode().AttributeText("x"), "2");
}

TEST(XMLDocument, BlanksAndLineBreaksReadBackByTheRules)
{
    struct Case {
        const char* name;
        const char16_t* written;
        const char16_t* textReadBack;
        const char16_t* attributeReadBack;
    };
    const Case cases[] = {
        { "blanks only", u" ", u" ", u" " },
        { "tab and blanks", u"\t  ", u"\t  ", u"\t  " },
        { "blanks around", u" a ", u" a ", u" a " },
        { "line feed", u"a\nb", u"a\nb", u"a\nb" },
        { "carriage return", u"a\rb", u"a\rb", u"a\rb" },
        { "both", u"a\r\nb", u"a\r\nb", u"a\r\nb" },
        { "line breaks only", u"\r\n", u"\r\n", u"\r\n" },
        { "a carriage return alone", u"\r", u"\r", u"\r" },
        { "returns at both ends", u"\ra ]]> b\r", u"\ra ]]> b\r", u"\ra ]]> b\r" },
        { "blanks and returns", u" \r \r", u" \r \r", u" \r \r" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TXMLDocument document;
        TXMLNode root = document.AddRoot("r");
        root.AddChild("t").SetText(String::fromUtf16(testCase.written));
        root.SetAttribute("a", String::fromUtf16(testCase.written));
        TXMLDocument reread;
        reread.LoadFromXML(document.XML());
        EXPECT_EQ(reread.FirstNode().ChildNode("t").Text(), String::fromUtf16(testCase.textReadBack));
        EXPECT_EQ(reread.FirstNode().AttributeText("a"), String::fromUtf16(testCase.attributeReadBack));
        EXPECT_EQ(reread.XML(), document.XML()) << "written again, the text stays as it is";
    }
    // A file's own line breaks in text follow XML's rule; a comment keeps
    // its text as the reader gives it.
    TXMLDocument foreign;
    foreign.LoadFromXML("<r><t>a\r\nb\rc</t><![CDATA[\r\n]]><!--x\ry--></r>");
    EXPECT_EQ(foreign.FirstNode().ChildNode("t").Text(), "a\nb\nc");
    EXPECT_EQ(foreign.FirstNode().Text(), "a\nb\nc\n");
    foreign.FirstNode().ChildNode("t").SetText("p\rq");
    EXPECT_EQ(foreign.XML(), "<r><t>p&#13;q</t><![CDATA[\n]]><!--x\ny--></r>");
}

TEST(XMLDocument, DeepNestingIsReadAndReplacedWithoutRunningOutOfStack)
{
    constexpr int Depth = 200000;
    std::string xml;
    for (int level = 0; level < Depth; ++level) xml += "<a>";
    xml += "x";
    for (int level = 0; level < Depth; ++level) xml += "</a>";
    QTemporaryDir temp;
    const String fileName = temp.path() + "/deep.xml";
    WriteText(fileName, xml);
    TXMLDocument document;
    document.LoadFromFile(fileName);
    TXMLNode root = document.FirstNode();
    EXPECT_EQ(root.Text(), "x");
    document.SaveToFile(fileName);
    EXPECT_EQ(FileContent(fileName), xml);
    root.SetText("y");
    EXPECT_EQ(document.XML(), "<a>y</a>");
}

TEST(XMLDocument, TextIsEscapedAndReadBackExactly)
{
    TXMLDocument document;
    TXMLNode root = document.AddRoot("r");
    const String text = QStringLiteral("a<b & \"c\" 'd' > \u20ac");
    root.AddChild("t").SetText(text);
    root.SetAttribute("v", text);
    TXMLDocument reread;
    reread.LoadFromXML(document.XML());
    EXPECT_EQ(reread.FirstNode().ChildNode("t").Text(), text);
    EXPECT_EQ(reread.FirstNode().AttributeText("v"), text);
    root.ChildNode("t").SetText("");
    EXPECT_EQ(root.ChildNode("t").ChildCount(), 0);
}

// The one-pass reader answers as the lookups by name do, whatever the order
// of the attributes, for every kind of value and for duplicates.
TEST(XMLDocument, OnePassAttributesAnswerAsLookupsByName)
{
    TXMLDocument document;
    document.LoadFromXML("<r z=\"9\" n=\"$1F\" a=\"\" bad=\"12 \" big=\"$FFFFFFFFFF\" d=\"0001234567890\" neg=\" -5\" n=\"2\" u=\"\xC3\xA9t\xC3\xA9\"/>");
    const TXMLNode root = document.FirstNode();
    const char* const names[] = { "n", "a", "bad", "missing", "big", "d", "neg", "u", "z" };
    const TXMLAttributes values(root, { "n", "a", "bad", "missing", "big", "d", "neg", "u", "z" });
    for (size_t index = 0; index < std::size(names); ++index) {
        const char* name = names[index];
        SCOPED_TRACE(name);
        EXPECT_EQ(values.Has(index), root.HasAttribute(name));
        EXPECT_EQ(values.Text(index), root.AttributeText(name));
        EXPECT_EQ(values.Int(index, 7), root.AttributeInt(name, 7));
        const auto message = [](auto read) {
            try {
                return IntToStr(read());
            } catch (const EConvertError& error) {
                return error.Message();
            }
        };
        EXPECT_EQ(message([&] { return values.IntStrict(index); }), message([&] { return root.AttributeIntStrict(name); }));
        EXPECT_EQ(message([&] { return values.Int64Strict(index); }), message([&] { return root.AttributeInt64Strict(name); }));
    }
    EXPECT_EQ(values.Int64Strict(5), 1234567890LL);
    EXPECT_EQ(values.IntStrict(0), 31);
}

TEST(XMLDocument, ATextNodesValueReadsWithoutAString)
{
    TXMLDocument document;
    document.LoadFromXML("<r><n>0x10</n><m> 12</m><t>caf\xC3\xA9</t><e/><!--7--></r>");
    const TXMLNode root = document.FirstNode();
    const struct {
        const char* element;
        int32_t number;
        const char* utf8;
    } cases[] = { { "n", 16, "0x10" }, { "m", 12, " 12" }, { "t", -1, "caf\xC3\xA9" } };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.element);
        const TXMLNode value = root.ChildNode(entry.element).Child(0);
        EXPECT_EQ(value.ValueInt(-1), entry.number);
        EXPECT_EQ(value.ValueUtf8(), entry.utf8);
    }
    // Elements and missing nodes have no value of their own.
    EXPECT_EQ(root.ChildNode("n").ValueUtf8(), "");
    EXPECT_EQ(root.ChildNode("e").Child(0).ValueInt(-1), -1);
    EXPECT_EQ(root.Child(4).ValueInt(-1), 7);
}

// The one-pass child reader takes the first element of each name, in any
// order, and only a lone text or CDATA node as its value.
TEST(XMLDocument, OnePassChildValuesTakeTheFirstElementAndOnlyPlainValues)
{
    TXMLDocument document;
    document.LoadFromXML("<r><?n 5?><z>9</z><n>0x1F</n><n>2</n><c><![CDATA[<c>]]></c><e/><m>a<b/></m><k>1<!--x--></k>"
                         "<i><i>3</i></i><u>\xC3\xA9t\xC3\xA9</u><w> 12</w></r>");
    const struct {
        const char* name;
        bool has;
        bool readable;
        const char* utf8;
        int32_t number;
    } cases[] = {
        { "n", true, true, "0x1F", 31 },
        { "missing", false, true, "", 7 },
        { "c", true, true, "<c>", 7 },
        { "e", true, true, "", 7 },
        { "m", true, false, "", 7 },
        { "k", true, false, "", 7 },
        { "i", true, false, "", 7 },
        { "u", true, true, "\xC3\xA9t\xC3\xA9", 7 },
        { "w", true, true, " 12", 12 },
        { "z", true, true, "9", 9 },
    };
    const TXMLChildValues values(document.FirstNode(), { "n", "missing", "c", "e", "m", "k", "i", "u" });
    const TXMLChildValues more(document.FirstNode(), { "w", "z" });
    for (size_t index = 0; index < std::size(cases); ++index) {
        const auto& entry = cases[index];
        SCOPED_TRACE(entry.name);
        const TXMLChildValues& reader = index < 8 ? values : more;
        const size_t at = index < 8 ? index : index - 8;
        EXPECT_EQ(reader.Has(at), entry.has);
        EXPECT_EQ(reader.Readable(at), entry.readable);
        EXPECT_EQ(reader.Utf8(at), entry.utf8);
        EXPECT_EQ(reader.Text(at), String::fromUtf8(entry.utf8));
        EXPECT_EQ(reader.Int(at, 7), entry.number);
    }
}
