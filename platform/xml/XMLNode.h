#pragma once

#include "platform/core/Exception.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace pugi {
struct xml_node_struct;
}

class TXMLReader;

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
    // Lookups by a UTF-8 name are the same without converting the name, for
    // readers walking large files.
    TXMLNode ChildNode(const char* name) const;
    // True for an element of that name.
    bool IsElementNamed(const char* name) const;
    TXMLNode Parent() const;
    TXMLNode NextSibling() const;
    // Appends a child element; EXMLError on a null node or a name XML cannot hold.
    TXMLNode AddChild(const String& name);

    // An element's text: its text and CDATA content in document order, not
    // trimmed; "" when it has none. A text or comment node's own value.
    String Text() const;
    // Replaces an element's content by the text.
    void SetText(const String& text);
    // For readers of large files, a text, CDATA or comment node's own value
    // without a String made of it: its UTF-8 bytes, and its integer
    // conversion (defaultValue when it is not a number). "" and the default
    // for other kinds.
    std::string ValueUtf8() const;
    int32_t ValueInt(int32_t defaultValue) const;

    // Absent and empty are distinct: nullopt when the attribute is missing.
    std::optional<String> Attribute(const String& name) const;
    std::optional<String> Attribute(const char* name) const;
    bool HasAttribute(const String& name) const { return Attribute(name).has_value(); }
    String AttributeText(const String& name) const { return Attribute(name).value_or(String()); }
    String AttributeText(const char* name) const { return Attribute(name).value_or(String()); }
    // The integer conversion of typed text; defaultValue when absent or not a number.
    int32_t AttributeInt(const String& name, int32_t defaultValue = -1) const;
    int32_t AttributeInt(const char* name, int32_t defaultValue = -1) const;
    int64_t AttributeInt64(const String& name, int64_t defaultValue = -1) const;
    // EConvertError naming the attribute when absent or not a number.
    int32_t AttributeIntStrict(const String& name) const;
    int32_t AttributeIntStrict(const char* name) const;
    int64_t AttributeInt64Strict(const String& name) const;
    int64_t AttributeInt64Strict(const char* name) const;
    void SetAttribute(const String& name, const String& value);

private:
    friend class TXMLDocument;
    friend class TXMLAttributes;
    friend class TXMLChildValues;

    explicit TXMLNode(pugi::xml_node_struct* node) : FNode(node) { }
    bool StrictInteger(const char* name, int64_t& value, bool wide) const;
    String NotAnInteger(const char* name) const;

    pugi::xml_node_struct* FNode = nullptr;
};

// The attributes of one element that a reader of a large file wants, found in
// one pass over the element's attributes instead of one search per name.
// Names are matched from the one after the last match, so attributes in the
// order asked (the order the program writes them) cost one comparison each.
class TXMLAttributes {
public:
    static constexpr size_t Max_Names = 12;

    // At most Max_Names names, which must outlive the reader.
    TXMLAttributes(const TXMLNode& element, std::initializer_list<const char*> names);
    // The same over the element a reader has just started.
    TXMLAttributes(const TXMLReader& reader, std::initializer_list<const char*> names);

    bool Has(size_t index) const { return (FFound >> index & 1U) != 0; }
    // "" when absent.
    String Text(size_t index) const;
    // As TXMLNode's AttributeIntStrict and AttributeInt64Strict: EConvertError
    // naming the attribute when absent or not a number.
    int32_t IntStrict(size_t index) const;
    int64_t Int64Strict(size_t index) const;
    // defaultValue when absent or not a number.
    int32_t Int(size_t index, int32_t defaultValue) const;

private:
    void Names(std::initializer_list<const char*> names);
    void Match(const char* name, const char* value, size_t& next);
    int64_t Strict(size_t index, bool wide) const;

    // A value is set only when found (FFound has its bit): one reader is made
    // per element of a large file, and clearing the arrays would cost more
    // than the search.
    std::array<const char*, Max_Names> FNames;
    std::array<const char*, Max_Names> FValues;
    uint32_t FFound = 0;
    size_t FCount = 0;
};

// The values of the child elements of one element that a reader of a large
// file wants, found in one pass over the children instead of one search per
// name: for each name the first child element so called and its value, the
// one text or CDATA node inside it. Names are matched as TXMLAttributes
// matches them.
class TXMLChildValues {
public:
    static constexpr size_t Max_Names = 8;

    // At most Max_Names names, which must outlive the reader.
    TXMLChildValues(const TXMLNode& element, std::initializer_list<const char*> names);
    // The same over the element a reader has just started, read up to its
    // end; the reader tells whether it refused on the way.
    TXMLChildValues(TXMLReader& reader, std::initializer_list<const char*> names);

    bool Has(size_t index) const { return FFound[index]; }
    // False when the child holds anything but one text or CDATA node (an
    // element, a comment, text beside other nodes); absent and empty are readable.
    bool Readable(size_t index) const { return !FUnreadable[index]; }
    // The value's UTF-8 bytes, valid while the document holds the node; ""
    // when absent, empty or unreadable.
    std::string_view Utf8(size_t index) const { return FValues[index]; }
    String Text(size_t index) const;
    // defaultValue when absent, empty, unreadable or not a number.
    int32_t Int(size_t index, int32_t defaultValue) const;

private:
    // A value read has its bytes, a missing one none.
    std::array<std::string_view, Max_Names> FValues {};
    std::array<bool, Max_Names> FFound {};
    std::array<bool, Max_Names> FUnreadable {};
};
