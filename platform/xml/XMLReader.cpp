#include "platform/xml/XMLReader.h"

#include "platform/core/TextCodec.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstring>

namespace {

enum TKind : uint8_t { kPlain, kBlank, kLess, kAmp, kQuote, kControl };

constexpr std::array<uint8_t, 256> Kinds = [] {
    std::array<uint8_t, 256> kinds {};
    for (int unit = 0; unit < 0x20; ++unit)
        kinds[unit] = kControl;
    kinds[' '] = kinds['\t'] = kinds['\n'] = kinds['\r'] = kBlank;
    kinds['<'] = kLess;
    kinds['&'] = kAmp;
    kinds['"'] = kinds['\''] = kQuote;
    return kinds;
}();

TKind KindOf(char unit) { return static_cast<TKind>(Kinds[static_cast<unsigned char>(unit)]); }

bool IsBlank(char unit) { return unit == ' ' || unit == '\t' || unit == '\n' || unit == '\r'; }

enum TName : uint8_t { nNone, nChar, nStart };

// Names are most of a project file's bytes: their characters are looked up.
constexpr std::array<uint8_t, 256> Names = [] {
    std::array<uint8_t, 256> names {};
    for (int unit = 0; unit < 256; ++unit) {
        if ((unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z') || unit == '_' || unit == ':')
            names[unit] = nStart;
        else if ((unit >= '0' && unit <= '9') || unit == '-' || unit == '.')
            names[unit] = nChar;
    }
    return names;
}();

bool IsNameStart(char unit) { return Names[static_cast<unsigned char>(unit)] == nStart; }

bool IsNameChar(char unit) { return Names[static_cast<unsigned char>(unit)] != nNone; }

char* SkipBlanks(char* at)
{
    while (IsBlank(*at))
        ++at;
    return at;
}

struct TEntity {
    std::string_view Name;
    char Character;
};
constexpr TEntity Entities[] = { { "lt;", '<' }, { "gt;", '>' }, { "amp;", '&' }, { "quot;", '"' }, { "apos;", '\'' } };

bool SameLetters(std::string_view text, std::string_view wanted)
{
    if (text.size() != wanted.size())
        return false;
    for (size_t index = 0; index < text.size(); ++index) {
        char unit = text[index];
        if (unit >= 'a' && unit <= 'z')
            unit = static_cast<char>(unit - 'a' + 'A');
        if (unit != wanted[index])
            return false;
    }
    return true;
}

} // namespace

TXMLReader::TXMLReader(const String& fileName) : FBytes(std::make_unique<QByteArray>())
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        FRefused = true;
        return;
    }
    *FBytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        FRefused = true;
        return;
    }
    Start();
}

TXMLReader::TXMLReader(const TBytes& bytes)
    : FBytes(std::make_unique<QByteArray>(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())))
{
    Start();
}

TXMLReader::~TXMLReader() = default;

void TXMLReader::Start()
{
    const std::string_view all(FBytes->constData(), static_cast<size_t>(FBytes->size()));
    // A NUL ends the document's own reading early, and any encoding but
    // UTF-8 is converted by it: both are left to it.
    if (all.empty() || all.find('\0') != std::string_view::npos || InvalidUtf8Offset(all) >= 0) {
        FRefused = true;
        return;
    }
    FAt = FBytes->data();
    FEnd = FAt + FBytes->size();
    if (all.starts_with("\xEF\xBB\xBF"))
        FAt += 3;
    if (std::string_view(FAt, static_cast<size_t>(FEnd - FAt)).starts_with("<?xml") && IsBlank(FAt[5]) && !Declaration())
        FRefused = true;
}

TXMLToken TXMLReader::Refuse()
{
    FRefused = true;
    return TXMLToken::Refused;
}

TXMLToken TXMLReader::Next()
{
    if (FRefused)
        return TXMLToken::Refused;
    if (FClosePending) {
        FClosePending = false;
        FOpen.pop_back();
        return TXMLToken::End;
    }
    return FOpen.empty() ? Misc() : Content();
}

// Only the version, encoding and standalone pseudo-attributes, the encoding
// UTF-8.
bool TXMLReader::Declaration()
{
    char* at = FAt + 5;
    while (true) {
        char* const name = SkipBlanks(at);
        if (name[0] == '?' && name[1] == '>') {
            FAt = name + 2;
            return true;
        }
        if (name == at || !IsNameStart(*name))
            return false;
        char* after = name;
        while (IsNameChar(*after))
            ++after;
        const std::string_view key(name, static_cast<size_t>(after - name));
        after = SkipBlanks(after);
        if (*after != '=')
            return false;
        after = SkipBlanks(after + 1);
        const char quote = *after;
        if (quote != '"' && quote != '\'')
            return false;
        char* const value = after + 1;
        char* close = value;
        while (KindOf(*close) == kPlain || (KindOf(*close) == kQuote && *close != quote))
            ++close;
        if (*close != quote)
            return false;
        const std::string_view text(value, static_cast<size_t>(close - value));
        if (key == "encoding" ? !SameLetters(text, "UTF-8") : key != "version" && key != "standalone")
            return false;
        at = close + 1;
    }
}

TXMLToken TXMLReader::Misc()
{
    FAt = SkipBlanks(FAt);
    if (FAt == FEnd)
        return FRootSeen ? TXMLToken::Done : Refuse();
    if (*FAt != '<')
        return Refuse();
    if (std::strncmp(FAt, "<!--", 4) == 0)
        return Comment() ? TXMLToken::Comment : Refuse();
    if (FRootSeen || !IsNameStart(FAt[1]))
        return Refuse();
    FRootSeen = true;
    return Tag();
}

bool TXMLReader::Comment()
{
    const std::string_view rest(FAt + 4, static_cast<size_t>(FEnd - FAt - 4));
    const size_t close = rest.find("-->");
    if (close == std::string_view::npos)
        return false;
    FAt += 4 + close + 3;
    return true;
}

TXMLToken TXMLReader::Content()
{
    while (true) {
        if (*FAt == '<') {
            if (FAt[1] == '/')
                return EndTag();
            if (IsNameStart(FAt[1]))
                return Tag();
            if (std::strncmp(FAt, "<!--", 4) == 0)
                return Comment() ? TXMLToken::Comment : Refuse();
            return Refuse();
        }
        char* const start = FAt;
        char* const at = static_cast<char*>(std::memchr(start, '<', static_cast<size_t>(FEnd - start)));
        if (!at)
            return Refuse();
        const std::string_view text(start, static_cast<size_t>(at - start));
        // Long texts are passed with whole-block searches; only a text with
        // a line break, a tab or a control character is looked at byte by byte.
        bool control = false;
        for (const char unit : text)
            control |= static_cast<unsigned char>(unit) < 0x20;
        bool blanksOnly = true;
        bool carriageReturn = false;
        if (control) {
            for (const char unit : text) {
                if (static_cast<unsigned char>(unit) < 0x20 && !IsBlank(unit))
                    return Refuse();
                carriageReturn |= unit == '\r';
                blanksOnly = blanksOnly && IsBlank(unit);
            }
        } else {
            blanksOnly = text.find_first_not_of(' ') == std::string_view::npos;
        }
        const bool entities = text.find('&') != std::string_view::npos;
        FAt = at;
        // Blanks alone between tags are layout, which the document drops.
        if (blanksOnly)
            continue;
        // The document turns a raw CR of text into LF.
        if (carriageReturn)
            return Refuse();
        char* const end = entities ? Decode(start, at) : at;
        if (!end)
            return Refuse();
        FText = std::string_view(start, static_cast<size_t>(end - start));
        return TXMLToken::Text;
    }
}

// Reads the name at FAt, leaves FAt after it and answers its start; null when
// there is no name there.
char* TXMLReader::ReadName()
{
    char* const name = FAt;
    if (!IsNameStart(*name))
        return nullptr;
    char* end = name + 1;
    while (IsNameChar(*end))
        ++end;
    FAt = end;
    return name;
}

TXMLToken TXMLReader::Tag()
{
    ++FAt;
    char* const name = ReadName();
    FAttributes.clear();
    const char after = *FAt;
    if (after != '>' && after != '/' && !IsBlank(after))
        return Refuse();
    FOpen.emplace_back(name, static_cast<size_t>(FAt - name));
    // The character after a name is read: it becomes the name's end.
    *FAt = 0;
    FName = name;
    if (after == '>') {
        ++FAt;
        return TXMLToken::Start;
    }
    if (after == '/') {
        if (FAt[1] != '>')
            return Refuse();
        FAt += 2;
        FClosePending = true;
        return TXMLToken::Start;
    }
    ++FAt;
    return Attributes() ? TXMLToken::Start : Refuse();
}

// From after a blank to the end of the tag.
bool TXMLReader::Attributes()
{
    while (true) {
        FAt = SkipBlanks(FAt);
        if (*FAt == '>') {
            ++FAt;
            return true;
        }
        if (*FAt == '/') {
            if (FAt[1] != '>')
                return false;
            FAt += 2;
            FClosePending = true;
            return true;
        }
        char* const name = ReadName();
        if (!name)
            return false;
        const char after = *FAt;
        if (after != '=' && !IsBlank(after))
            return false;
        *FAt = 0;
        char* at = SkipBlanks(FAt + 1);
        if (after != '=') {
            if (*at != '=')
                return false;
            at = SkipBlanks(at + 1);
        }
        const char quote = *at;
        if (quote != '"' && quote != '\'')
            return false;
        char* const value = ++at;
        bool entities = false;
        for (;; ++at) {
            const TKind kind = KindOf(*at);
            if (kind == kPlain || *at == ' ')
                continue;
            if (kind == kQuote) {
                if (*at == quote)
                    break;
                continue;
            }
            // Line breaks and tabs of a value read as blanks: left to the document.
            if (kind != kAmp)
                return false;
            entities = true;
        }
        char* const end = entities ? Decode(value, at) : at;
        if (!end)
            return false;
        *end = 0;
        FAttributes.push_back({ name, value });
        FAt = at + 1;
        if (*FAt != '>' && *FAt != '/' && !IsBlank(*FAt))
            return false;
    }
}

TXMLToken TXMLReader::EndTag()
{
    FAt += 2;
    // The end tag must repeat the open name whole.
    const std::string_view open = FOpen.back();
    if (static_cast<size_t>(FEnd - FAt) < open.size() || std::memcmp(FAt, open.data(), open.size()) != 0 || IsNameChar(FAt[open.size()]))
        return Refuse();
    FAt = SkipBlanks(FAt + open.size());
    if (*FAt != '>')
        return Refuse();
    ++FAt;
    FName = open.data();
    FOpen.pop_back();
    return TXMLToken::End;
}

// The five named entities, decoded in place; null for any other reference.
char* TXMLReader::Decode(char* from, char* to) const
{
    char* out = from;
    for (char* at = from; at < to;) {
        if (*at != '&') {
            *out++ = *at++;
            continue;
        }
        const std::string_view rest(at + 1, static_cast<size_t>(to - at - 1));
        const TEntity* found = nullptr;
        for (const TEntity& entity : Entities) {
            if (rest.starts_with(entity.Name))
                found = &entity;
        }
        if (!found)
            return nullptr;
        *out++ = found->Character;
        at += 1 + found->Name.size();
    }
    return out;
}

bool TXMLReader::Skip()
{
    for (size_t depth = 1; depth > 0;) {
        switch (Next()) {
        case TXMLToken::Start: ++depth; break;
        case TXMLToken::End: --depth; break;
        case TXMLToken::Text:
        case TXMLToken::Comment: break;
        case TXMLToken::Done:
        case TXMLToken::Refused: return false;
        }
    }
    return true;
}

bool TXMLReader::Value(std::string_view& text, bool& readable)
{
    text = {};
    readable = true;
    for (int nodes = 0;;) {
        switch (Next()) {
        case TXMLToken::Text:
            text = FText;
            readable = readable && ++nodes == 1;
            break;
        case TXMLToken::Start:
            readable = false;
            if (!Skip())
                return false;
            break;
        case TXMLToken::Comment: readable = false; break;
        case TXMLToken::End:
            if (!readable)
                text = {};
            return true;
        case TXMLToken::Done:
        case TXMLToken::Refused: return false;
        }
    }
}
