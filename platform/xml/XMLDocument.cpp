#include "platform/xml/XMLDocument.h"

#include "platform/core/FileUtils.h"
#include "platform/core/TextCodec.h"
#include "platform/xml/XMLRules.h"

#include <pugixml.hpp>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// Declarations, comments, processing instructions and the doctype stay nodes,
// so the first node of a document is what the file starts with.
constexpr unsigned ParseOptions
    = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype;
constexpr unsigned SaveFormat = pugi::format_raw | pugi::format_no_declaration;

class TStringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { FText.append(static_cast<const char*>(data), size); }
    std::string FText;
};

struct TSection {
    std::string_view Opening;
    std::string_view Closing;
};
// The parts of an element's written form that are not text or tags.
constexpr TSection Sections[] = { { "<![CDATA[", "]]>" }, { "<!--", "-->" }, { "<?", "?>" } };
constexpr size_t CDataSection = 0;

// The reader turns every CR in element text into LF (XML's line-end rule),
// but not a CR written as a character reference; pugixml writes text's CR
// raw. So in an element's written form each raw CR of text becomes "&#13;",
// and one inside CDATA ends the section around the reference. A tag holds
// no raw CR (attribute values escape it); comments and processing
// instructions keep theirs.
std::string EscapeCarriageReturns(const std::string& element)
{
    if (element.find('\r') == std::string::npos) return element;
    std::string out;
    out.reserve(element.size() + 16);
    const std::string_view text(element);
    const TSection* section = nullptr;
    bool inTag = false;
    bool quoted = false;
    for (size_t index = 0; index < text.size(); ++index) {
        const char character = text[index];
        const std::string_view rest = text.substr(index);
        if (section) {
            if (rest.starts_with(section->Closing)) {
                // The closing is copied whole, so it ends the section once.
                out += section->Closing;
                index += section->Closing.size() - 1;
                section = nullptr;
            } else if (character == '\r' && section == &Sections[CDataSection]) {
                out += "]]>&#13;<![CDATA[";
            } else {
                out += character;
            }
            continue;
        }
        if (inTag) {
            if (character == '"') quoted = !quoted;
            else if (character == '>' && !quoted) inTag = false;
            out += character;
            continue;
        }
        if (character == '\r') {
            out += "&#13;";
            continue;
        }
        if (character == '<') {
            const auto found = std::find_if(std::begin(Sections), std::end(Sections),
                [&](const TSection& candidate) { return rest.starts_with(candidate.Opening); });
            if (found != std::end(Sections)) {
                section = found;
                out += found->Opening;
                index += found->Opening.size() - 1;
                continue;
            }
            inTag = true;
        }
        out += character;
    }
    return out;
}

// Top-level nodes one by one: only elements hold text (a doctype's internal
// subset is written as it was read).
std::string Serialize(const pugi::xml_document& document)
{
    std::string text;
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        TStringWriter writer;
        node.print(writer, "", SaveFormat, pugi::encoding_utf8);
        text += node.type() == pugi::node_element ? EscapeCarriageReturns(writer.FText) : writer.FText;
    }
    return text;
}

// Line and column (from 1) of a byte offset, for the message of a parse error.
std::pair<int, int> Position(const char* data, size_t size, ptrdiff_t offset)
{
    const size_t end = std::min(size, static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)));
    int line = 1;
    int column = 1;
    for (size_t index = 0; index < end; ++index) {
        if (data[index] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return { line, column };
}

} // namespace

TXMLDocument::TXMLDocument() : FDocument(std::make_unique<pugi::xml_document>()) { }

TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::LoadFromFile(const String& fileName)
{
    TBytes bytes;
    try {
        bytes = ReadFileBytes(fileName);
    } catch (const EInOutError& error) {
        throw EXMLError(error.Message());
    }
    Load(bytes.data(), bytes.size(), QStringLiteral("\"%1\"").arg(fileName));
}

void TXMLDocument::LoadFromXML(const String& xml)
{
    const QByteArray bytes = xml.toUtf8();
    Load(bytes.constData(), static_cast<size_t>(bytes.size()), QStringLiteral("The XML text"));
}

void TXMLDocument::Load(const void* data, size_t size, const String& source)
{
    if (size == 0) throw EXMLError(QStringLiteral("%1 is empty, not an XML document").arg(source));
    auto loaded = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = loaded->load_buffer(data, size, ParseOptions, pugi::encoding_auto);
    if (result.status == pugi::status_no_document_element || (result && !loaded->document_element()))
        throw EXMLError(QStringLiteral("%1 holds no XML element").arg(source));
    const auto fault = [&](const String& description, ptrdiff_t offset) {
        const auto [line, column] = Position(static_cast<const char*>(data), size, offset);
        return EXMLError(QStringLiteral("%1 is not well-formed XML: %2 (line %3, column %4)").arg(source, description).arg(line).arg(column));
    };
    if (!result) throw fault(String::fromUtf8(result.description()), result.offset);
    // pugixml passes bytes that are not UTF-8 through unchanged; read on, they
    // would turn into replacement characters and the next save would keep
    // the damage.
    if (result.encoding == pugi::encoding_utf8) {
        const ptrdiff_t invalid = InvalidUtf8Offset(std::string_view(static_cast<const char*>(data), size));
        if (invalid >= 0) throw fault(QStringLiteral("a byte that is not UTF-8"), invalid);
    }
    FDocument = std::move(loaded);
}

void TXMLDocument::SaveToFile(const String& fileName) const
{
    const std::string text = Serialize(*FDocument);
    WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

String TXMLDocument::XML() const { return String::fromStdString(Serialize(*FDocument)); }

void TXMLDocument::Clear() { FDocument->reset(); }

TXMLNode TXMLDocument::AddRoot(const String& name)
{
    if (FDocument->document_element())
        throw EXMLError(QStringLiteral("Cannot add the root \"%1\": the document has a root already").arg(name));
    return Node().AddChild(name);
}

TXMLNode TXMLDocument::AddComment(const String& text)
{
    CheckComment(text);
    pugi::xml_node comment = FDocument->append_child(pugi::node_comment);
    comment.set_value(text.toStdString().c_str());
    return TXMLNode(comment.internal_object());
}

TXMLNode TXMLDocument::Node() const { return TXMLNode(FDocument->internal_object()); }
