#pragma once

// Writes an XML document straight into its bytes, element by element, in the
// form TXMLDocument saves (UTF-8, no declaration, nothing between the nodes),
// for writers of large tables that need no tree to hold them first. Names,
// values and comments are refused as the document refuses them (EXMLError);
// the bytes written before a refusal are no document.

#include "platform/core/Exception.h"

#include <string>
#include <vector>

class TXMLWriter {
public:
    // Opens an element inside the innermost open one, or at the top.
    void Open(const char* name);
    // An attribute of the element opened last, before its first child.
    void Attribute(const char* name, const String& value);
    // Closes the innermost open element.
    void Close();
    void Comment(const String& text);
    // The document written so far.
    const std::string& Bytes() const { return FText; }

private:
    // Ends the start tag of the element opened last, which gets a child.
    void EndStartTag();
    void AppendEscaped(const String& value);

    std::string FText;
    std::vector<const char*> FOpen;
    bool FInStartTag = false;
};
