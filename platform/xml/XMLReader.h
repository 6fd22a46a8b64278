#pragma once

#include "platform/core/SysUtils.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

class QByteArray;

enum class TXMLToken { Start, End, Text, Comment, Done, Refused };

// The integer conversion a text node of the document gives its value;
// defaultValue when the text is not a number.
int32_t XMLTextInt(std::string_view text, int32_t defaultValue);

// Reads an XML file in one pass, without building a tree, for readers of
// large files. It takes only the plain form the program's own files have:
// UTF-8 (a byte-order mark and a UTF-8 declaration allowed), one root
// element, elements, attributes, text, comments and the five named
// entities. Anything else - a file that is not well-formed, and also a
// doctype, CDATA, a processing instruction after the declaration, a
// character reference, a control character, a raw line break or tab inside
// an attribute value or a CR inside text, a name beyond ASCII - answers
// Refused: such a file is read through TXMLDocument, which reads every form
// and names every fault. What the reader does take reads exactly as the
// document reads it, so a caller that builds its result aside and keeps it
// only at Done gets the result the document would give.
class TXMLReader {
public:
    // Reads the file; one that cannot be read is refused, for the document
    // to name the fault.
    explicit TXMLReader(const String& fileName);
    explicit TXMLReader(const TBytes& bytes);
    TXMLReader(const TXMLReader&) = delete;
    TXMLReader& operator=(const TXMLReader&) = delete;
    ~TXMLReader();

    // Start and End for each element (a closed element gives both), Text
    // for a text the document keeps (not one of blanks alone between
    // tags), Comment, then Done after the root element and what follows it;
    // Refused from the first fault on.
    TXMLToken Next();

    // After a Start: calls child() at the start of each child element until
    // the element's end; child reads its element up to its end. False when
    // child answers false or the reader refuses.
    template <typename TChild>
    bool Children(TChild child)
    {
        while (true) {
            switch (Next()) {
            case TXMLToken::Start:
                if (!child())
                    return false;
                break;
            case TXMLToken::End: return true;
            case TXMLToken::Text:
            case TXMLToken::Comment: break;
            case TXMLToken::Done:
            case TXMLToken::Refused: return false;
            }
        }
    }
    // After a Start: passes over the element's content up to its end, at
    // any depth. False when the reader refuses.
    bool Skip();

    // After a Start: reads the element as a value up to its end. text is
    // its one text, none when it is empty; readable is false when it holds
    // anything else (an element, a comment, text beside other nodes). False
    // when the reader refuses.
    bool Value(std::string_view& text, bool& readable);
    bool Refused() const { return FRefused; }

    // Of the last Start or End: the element's name.
    const char* Name() const { return FName; }
    // Of the last Start: its attributes in document order.
    size_t AttributeCount() const { return FAttributes.size(); }
    const char* AttributeName(size_t index) const { return FAttributes[index].Name; }
    const char* AttributeValue(size_t index) const { return FAttributes[index].Value; }
    bool IsNamed(const char* name) const { return std::strcmp(FName, name) == 0; }
    // Of the last Text: its characters as the document holds them, valid as
    // long as the reader.
    std::string_view Text() const { return FText; }

private:
    struct TAttribute {
        const char* Name;
        const char* Value;
    };

    TXMLToken Refuse();
    TXMLToken Misc();
    TXMLToken Tag();
    TXMLToken EndTag();
    TXMLToken Content();
    bool Declaration();
    bool Comment();
    char* ReadName();
    bool Attributes();
    char* Decode(char* from, char* to) const;

    void Start();

    // Values are decoded in place; the NUL the array keeps after its last
    // byte stops every scan.
    std::unique_ptr<QByteArray> FBytes;
    char* FAt = nullptr;
    char* FEnd = nullptr;
    std::vector<std::string_view> FOpen;
    std::vector<TAttribute> FAttributes;
    const char* FName = "";
    std::string_view FText;
    bool FClosePending = false;
    bool FRootSeen = false;
    bool FRefused = false;
};
