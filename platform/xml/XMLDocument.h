#pragma once

#include "platform/xml/XMLNode.h"

#include <memory>

namespace pugi {
class xml_document;
}

// The DOM document. Reading keeps declarations, comments, processing
// instructions and the doctype as nodes, so FirstNode is whatever the file
// starts with. Writing is raw: UTF-8 without byte-order mark, no XML
// declaration, no indentation or line breaks added.
class TXMLDocument {
public:
    TXMLDocument();
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;
    ~TXMLDocument();

    // Replaces the content with the file's. A file that cannot be read, is
    // empty, is not well-formed or holds no element raises EXMLError naming
    // the file and the fault; the document keeps its content then.
    void LoadFromFile(const String& fileName);
    void LoadFromXML(const String& xml);
    // Writes the whole document into a temporary file beside fileName and
    // renames it over fileName (EInOutError when that fails).
    void SaveToFile(const String& fileName) const;
    String XML() const;

    // Removes every node.
    void Clear();
    int32_t ChildCount() const { return Node().ChildCount(); }
    TXMLNode Child(int32_t index) const { return Node().Child(index); }
    // The document's first node, whatever its kind; null when empty.
    TXMLNode FirstNode() const { return Node().Child(0); }
    // The first top-level element of that name, or null.
    TXMLNode TopElement(const String& name) const { return Node().ChildNode(name); }
    // Appends the root element; EXMLError when the document has one already.
    TXMLNode AddRoot(const String& name);
    // Appends a comment at the top level, after the root. EXMLError when the
    // text holds "--" or ends with "-", which a comment cannot carry.
    TXMLNode AddComment(const String& text);
    // The document node itself.
    TXMLNode Node() const;

private:
    void Load(const void* data, size_t size, const String& source);

    std::unique_ptr<pugi::xml_document> FDocument;
};
