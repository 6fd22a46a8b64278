#include "platform/xml/XMLNode.h"

#include "platform/core/SysUtils.h"
#include "platform/xml/XMLReader.h"
#include "platform/xml/XMLRules.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

pugi::xml_node Wrap(pugi::xml_node_struct* node) { return pugi::xml_node(node); }

std::string Utf8(const String& text) { return text.toStdString(); }

String FromUtf8(const char* text) { return String::fromUtf8(text); }

bool TryStrToIntWide(const String& text, int64_t& value)
{
    int32_t narrow = 0;
    if (!TryStrToInt(text, narrow)) return false;
    value = narrow;
    return true;
}

// Project files hold thousands of numeric attributes: a plain decimal is
// read in place, and any other short one through a string over a buffer on
// the stack, without a heap copy.
bool RawInteger(const char* raw, int64_t& value, bool wide)
{
    const size_t plainDigits = wide ? 18 : 9;
    size_t length = 0;
    int64_t plain = 0;
    for (; raw[length] >= '0' && raw[length] <= '9' && length < plainDigits; ++length)
        plain = plain * 10 + (raw[length] - '0');
    if (length > 0 && raw[length] == 0) {
        value = plain;
        return true;
    }
    char16_t units[32];
    for (length = 0; raw[length] != 0 && length < std::size(units) && static_cast<unsigned char>(raw[length]) < 0x80; ++length)
        units[length] = static_cast<char16_t>(raw[length]);
    const String text = raw[length] == 0 ? String::fromRawData(reinterpret_cast<const QChar*>(units), static_cast<qsizetype>(length)) : FromUtf8(raw);
    return wide ? TryStrToInt64(text, value) : TryStrToIntWide(text, value);
}

// Names are short and mostly differ in their first letter: compared in place,
// without a call per comparison.
bool SameName(const char* wanted, const char* name)
{
    while (*wanted != 0 && *wanted == *name) {
        ++wanted;
        ++name;
    }
    return *wanted == *name;
}

String MissingAttribute(const char* name) { return QStringLiteral("The attribute \"%1\" is missing").arg(FromUtf8(name)); }

String NotAnIntegerAttribute(const char* name, const char* value)
{
    return QStringLiteral("The attribute \"%1\" is not a valid integer: '%2'").arg(FromUtf8(name), FromUtf8(value));
}

// Settings and project files come from anywhere, so a walk over a subtree
// must not use one stack frame per level: it follows the parent links back up.
std::string SubtreeText(pugi::xml_node top)
{
    std::string text;
    for (pugi::xml_node current = top.first_child(); current;) {
        if (current.type() == pugi::node_pcdata || current.type() == pugi::node_cdata) text += current.value();
        if (current.type() == pugi::node_element && current.first_child()) {
            current = current.first_child();
            continue;
        }
        while (current != top && !current.next_sibling()) current = current.parent();
        current = current == top ? pugi::xml_node() : current.next_sibling();
    }
    return text;
}

// pugixml frees a removed node's children recursively, so a deep subtree is
// taken apart from its leaves upwards first.
void RemoveChildren(pugi::xml_node top)
{
    for (pugi::xml_node current = top; current.first_child() || current != top;) {
        while (current.first_child()) current = current.first_child();
        pugi::xml_node parent = current.parent();
        parent.remove_child(current);
        current = parent;
    }
}

} // namespace

TXMLNodeKind TXMLNode::Kind() const
{
    switch (Wrap(FNode).type()) {
    case pugi::node_document: return TXMLNodeKind::Document;
    case pugi::node_element: return TXMLNodeKind::Element;
    case pugi::node_pcdata: return TXMLNodeKind::Text;
    case pugi::node_cdata: return TXMLNodeKind::CData;
    case pugi::node_comment: return TXMLNodeKind::Comment;
    case pugi::node_pi: return TXMLNodeKind::ProcessingInstruction;
    case pugi::node_declaration: return TXMLNodeKind::Declaration;
    case pugi::node_doctype: return TXMLNodeKind::Doctype;
    case pugi::node_null: break;
    }
    return TXMLNodeKind::Null;
}

String TXMLNode::NodeName() const { return FromUtf8(Wrap(FNode).name()); }

int32_t TXMLNode::ChildCount() const
{
    int32_t count = 0;
    for (pugi::xml_node child = Wrap(FNode).first_child(); child; child = child.next_sibling()) ++count;
    return count;
}

TXMLNode TXMLNode::Child(int32_t index) const
{
    if (index < 0) return {};
    pugi::xml_node child = Wrap(FNode).first_child();
    for (; child && index > 0; --index) child = child.next_sibling();
    return TXMLNode(child.internal_object());
}

TXMLNode TXMLNode::ChildNode(const String& name) const { return ChildNode(Utf8(name).c_str()); }

TXMLNode TXMLNode::ChildNode(const char* name) const
{
    if (!FNode) return {};
    return TXMLNode(Wrap(FNode).child(name).internal_object());
}

bool TXMLNode::IsElementNamed(const char* name) const
{
    const pugi::xml_node node = Wrap(FNode);
    return node.type() == pugi::node_element && std::strcmp(node.name(), name) == 0;
}

TXMLNode TXMLNode::Parent() const { return TXMLNode(Wrap(FNode).parent().internal_object()); }

TXMLNode TXMLNode::NextSibling() const { return TXMLNode(Wrap(FNode).next_sibling().internal_object()); }

TXMLNode TXMLNode::AddChild(const String& name)
{
    if (!FNode) throw EXMLError(QStringLiteral("Cannot add the element \"%1\" to a missing node").arg(name));
    CheckName(name);
    pugi::xml_node child = Wrap(FNode).append_child(pugi::node_element);
    if (!child) throw EXMLError(QStringLiteral("Cannot add the element \"%1\" here").arg(name));
    child.set_name(Utf8(name).c_str());
    return TXMLNode(child.internal_object());
}

String TXMLNode::Text() const
{
    const pugi::xml_node node = Wrap(FNode);
    if (node.type() != pugi::node_element && node.type() != pugi::node_document) return FromUtf8(node.value());
    return FromUtf8(SubtreeText(node).c_str());
}

namespace {

const char* OwnValue(pugi::xml_node_struct* node)
{
    const pugi::xml_node wrapped = Wrap(node);
    const pugi::xml_node_type type = wrapped.type();
    return type == pugi::node_pcdata || type == pugi::node_cdata || type == pugi::node_comment ? wrapped.value() : "";
}

} // namespace

int32_t XMLTextInt(std::string_view text, int32_t defaultValue)
{
    char units[64];
    std::string longer;
    const char* raw = units;
    if (text.size() < sizeof units) {
        std::memcpy(units, text.data(), text.size());
        units[text.size()] = 0;
    } else {
        longer.assign(text);
        raw = longer.c_str();
    }
    int64_t value = 0;
    return RawInteger(raw, value, false) ? static_cast<int32_t>(value) : defaultValue;
}

std::string TXMLNode::ValueUtf8() const { return OwnValue(FNode); }

int32_t TXMLNode::ValueInt(int32_t defaultValue) const
{
    int64_t value = 0;
    return RawInteger(OwnValue(FNode), value, false) ? static_cast<int32_t>(value) : defaultValue;
}

void TXMLNode::SetText(const String& text)
{
    CheckValue(text, "text");
    pugi::xml_node node = Wrap(FNode);
    if (node.type() != pugi::node_element) {
        if (!node.set_value(Utf8(text).c_str())) throw EXMLError(QStringLiteral("Cannot set the text of this node"));
        return;
    }
    RemoveChildren(node);
    if (text.isEmpty()) return;
    // Text of blanks alone is dropped by the reader as layout between
    // elements; as CDATA it reads back as written.
    const bool blanksOnly = std::all_of(text.begin(), text.end(), [](QChar character) {
        return character == u' ' || character == u'\t' || character == u'\r' || character == u'\n';
    });
    node.append_child(blanksOnly ? pugi::node_cdata : pugi::node_pcdata).set_value(Utf8(text).c_str());
}

std::optional<String> TXMLNode::Attribute(const String& name) const { return Attribute(Utf8(name).c_str()); }

std::optional<String> TXMLNode::Attribute(const char* name) const
{
    if (!FNode) return std::nullopt;
    const pugi::xml_attribute attribute = Wrap(FNode).attribute(name);
    if (!attribute) return std::nullopt;
    return FromUtf8(attribute.value());
}

int32_t TXMLNode::AttributeInt(const String& name, int32_t defaultValue) const
{
    return AttributeInt(Utf8(name).c_str(), defaultValue);
}

int32_t TXMLNode::AttributeInt(const char* name, int32_t defaultValue) const
{
    const std::optional<String> text = Attribute(name);
    return text ? StrToIntDef(*text, defaultValue) : defaultValue;
}

int64_t TXMLNode::AttributeInt64(const String& name, int64_t defaultValue) const
{
    const std::optional<String> text = Attribute(name);
    return text ? StrToInt64Def(*text, defaultValue) : defaultValue;
}

int32_t TXMLNode::AttributeIntStrict(const String& name) const { return AttributeIntStrict(Utf8(name).c_str()); }

int32_t TXMLNode::AttributeIntStrict(const char* name) const
{
    int64_t value = 0;
    if (!StrictInteger(name, value, false)) throw EConvertError(NotAnInteger(name));
    return static_cast<int32_t>(value);
}

int64_t TXMLNode::AttributeInt64Strict(const String& name) const { return AttributeInt64Strict(Utf8(name).c_str()); }

int64_t TXMLNode::AttributeInt64Strict(const char* name) const
{
    int64_t value = 0;
    if (!StrictInteger(name, value, true)) throw EConvertError(NotAnInteger(name));
    return value;
}

bool TXMLNode::StrictInteger(const char* name, int64_t& value, bool wide) const
{
    const pugi::xml_attribute attribute = Wrap(FNode).attribute(name);
    if (!attribute) throw EConvertError(MissingAttribute(name));
    return RawInteger(attribute.value(), value, wide);
}

String TXMLNode::NotAnInteger(const char* name) const { return NotAnIntegerAttribute(name, Wrap(FNode).attribute(name).value()); }

void TXMLNode::SetAttribute(const String& name, const String& value)
{
    pugi::xml_node node = Wrap(FNode);
    if (node.type() != pugi::node_element)
        throw EXMLError(QStringLiteral("Cannot set the attribute \"%1\" on a missing node or one that is no element").arg(name));
    CheckName(name);
    CheckValue(value, "attribute value");
    const std::string key = Utf8(name);
    pugi::xml_attribute attribute = node.attribute(key.c_str());
    if (!attribute) attribute = node.append_attribute(key.c_str());
    attribute.set_value(Utf8(value).c_str());
}

TXMLAttributes::TXMLAttributes(const TXMLNode& element, std::initializer_list<const char*> names)
{
    Names(names);
    size_t next = 0;
    for (pugi::xml_attribute attribute = Wrap(element.FNode).first_attribute(); attribute && FCount > 0; attribute = attribute.next_attribute())
        Match(attribute.name(), attribute.value(), next);
}

TXMLAttributes::TXMLAttributes(const TXMLReader& reader, std::initializer_list<const char*> names)
{
    Names(names);
    size_t next = 0;
    for (size_t index = 0; index < reader.AttributeCount() && FCount > 0; ++index)
        Match(reader.AttributeName(index), reader.AttributeValue(index), next);
}

void TXMLAttributes::Names(std::initializer_list<const char*> names)
{
    FCount = std::min(names.size(), Max_Names);
    std::copy_n(names.begin(), FCount, FNames.begin());
}

void TXMLAttributes::Match(const char* name, const char* value, size_t& next)
{
    size_t index = next;
    for (size_t step = 0; step < FCount; ++step, index = index + 1 == FCount ? 0 : index + 1) {
        // The first attribute of a name counts, as a search by name finds it.
        if (!Has(index) && SameName(FNames[index], name)) {
            FValues[index] = value;
            FFound |= 1U << index;
            next = index + 1 == FCount ? 0 : index + 1;
            return;
        }
    }
}

String TXMLAttributes::Text(size_t index) const { return Has(index) ? FromUtf8(FValues[index]) : String(); }

int64_t TXMLAttributes::Strict(size_t index, bool wide) const
{
    if (!Has(index)) throw EConvertError(MissingAttribute(FNames[index]));
    int64_t value = 0;
    if (!RawInteger(FValues[index], value, wide)) throw EConvertError(NotAnIntegerAttribute(FNames[index], FValues[index]));
    return value;
}

int32_t TXMLAttributes::IntStrict(size_t index) const { return static_cast<int32_t>(Strict(index, false)); }

int64_t TXMLAttributes::Int64Strict(size_t index) const { return Strict(index, true); }

int32_t TXMLAttributes::Int(size_t index, int32_t defaultValue) const
{
    int64_t value = 0;
    return Has(index) && RawInteger(FValues[index], value, false) ? static_cast<int32_t>(value) : defaultValue;
}

TXMLChildValues::TXMLChildValues(const TXMLNode& element, std::initializer_list<const char*> names)
{
    const size_t count = std::min(names.size(), Max_Names);
    const char* const* wanted = names.begin();
    size_t next = 0;
    for (pugi::xml_node child = Wrap(element.FNode).first_child(); child && count > 0; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const char* name = child.name();
        size_t index = next;
        for (size_t step = 0; step < count; ++step, index = index + 1 == count ? 0 : index + 1) {
            if (FFound[index] || !SameName(wanted[index], name)) continue;
            FFound[index] = true;
            next = index + 1 == count ? 0 : index + 1;
            const pugi::xml_node value = child.first_child();
            if (!value) break;
            const pugi::xml_node_type type = value.type();
            if ((type == pugi::node_pcdata || type == pugi::node_cdata) && !value.next_sibling())
                FValues[index] = std::string_view(value.value());
            else
                FUnreadable[index] = true;
            break;
        }
    }
}

TXMLChildValues::TXMLChildValues(TXMLReader& reader, std::initializer_list<const char*> names)
{
    const size_t count = std::min(names.size(), Max_Names);
    const char* const* wanted = names.begin();
    size_t next = 0;
    reader.Children([&] {
        size_t index = next;
        for (size_t step = 0; step < count; ++step, index = index + 1 == count ? 0 : index + 1) {
            if (FFound[index] || !SameName(wanted[index], reader.Name())) continue;
            FFound[index] = true;
            next = index + 1 == count ? 0 : index + 1;
            bool readable = true;
            if (!reader.Value(FValues[index], readable)) return false;
            FUnreadable[index] = !readable;
            return true;
        }
        return reader.Skip();
    });
}

String TXMLChildValues::Text(size_t index) const
{
    const std::string_view value = FValues[index];
    return value.data() ? String::fromUtf8(value.data(), static_cast<qsizetype>(value.size())) : String();
}

int32_t TXMLChildValues::Int(size_t index, int32_t defaultValue) const
{
    return FValues[index].data() ? XMLTextInt(FValues[index], defaultValue) : defaultValue;
}
