#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <optional>

namespace pugi {
struct xml_node_struct;
}

class EXMLError : public Exception {
public:
    using Exception::Exception;
};

enum class TXMLNodeKind { Null, Document, Element, Text, CData, Comment, ProcessingInstruction, Declaration, Doctype };

// A handle to a node of a TXMLDocument, valid while the node is in the
// document. A null handle stands for "missing": every lookup on it answers
// null, "" or the default, so a reader checks for missing entries itself.
class TXMLNode {
public:
    TXMLNode() = default;

    bool IsNull() const { return FNode == nullptr; }
    explicit operator bool() const { return FNode != nullptr; }
    bool operator==(const TXMLNode& other) const = default;

    TXMLNodeKind Kind() const;
    // The element's or processing instruction's name; "" for other kinds.
    String NodeName() const;

    // Every child of every kind, in document order.
    int32_t ChildCount() const;
    TXMLNode Child(int32_t index) const;      // null when out of range
    TXMLNode ChildNode(const String& name) const; // first child element of that name, or null
    TXMLNode Parent() const;
    TXMLNode NextSibling() const;
    // Appends a child element; EXMLError on a null node or a name XML cannot hold.
    TXMLNode AddChild(const String& name);

    // An element's text: its text and CDATA content in document order, not
    // trimmed; "" when it has none. A text or comment node's own value.
    String Text() const;
    // Replaces an element's content by the text.
    void SetText(const String& text);

    // Absent and empty are distinct: nullopt when the attribute is missing.
    std::optional<String> Attribute(const String& name) const;
    bool HasAttribute(const String& name) const { return Attribute(name).has_value(); }
    String AttributeText(const String& name) const { return Attribute(name).value_or(String()); }
    // The integer conversion of typed text; defaultValue when absent or not a number.
    int32_t AttributeInt(const String& name, int32_t defaultValue = -1) const;
    int64_t AttributeInt64(const String& name, int64_t defaultValue = -1) const;
    // EConvertError naming the attribute when absent or not a number.
    int32_t AttributeIntStrict(const String& name) const;
    int64_t AttributeInt64Strict(const String& name) const;
    void SetAttribute(const String& name, const String& value);

private:
    friend class TXMLDocument;

    explicit TXMLNode(pugi::xml_node_struct* node) : FNode(node) { }
    String StrictAttribute(const String& name) const;

    pugi::xml_node_struct* FNode = nullptr;
};
