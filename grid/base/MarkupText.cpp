#include "grid/base/MarkupText.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

struct TEntity {
    char16_t Character;
    const char16_t* Name;
};

// The conversions read the first 51 entries; the last four are kept for
// code that looks names up itself.
constexpr std::array<TEntity, 55> Entities { {
    { u'\u00E9', u"&eacute;" }, { u'\u00E8', u"&egrave;" }, { u'\u00EB', u"&euml;" }, { u'\u00EA', u"&ecirc;" },
    { u'\u00F3', u"&oacute;" }, { u'\u00F2', u"&ograve;" }, { u'\u00F6', u"&ouml;" }, { u'\u00F4', u"&ocirc;" },
    { u'\u00ED', u"&iacute;" }, { u'\u00EC', u"&igrave;" }, { u'\u00EF', u"&iuml;" }, { u'\u00EE', u"&icirc;" },
    { u'\u00FA', u"&uacute;" }, { u'\u00F9', u"&ugrave;" }, { u'\u00FC', u"&uuml;" }, { u'\u00FB', u"&ucirc;" },
    { u'\u00E1', u"&aacute;" }, { u'\u00E0', u"&agrave;" }, { u'\u00E4', u"&auml;" }, { u'\u00E2', u"&acirc;" },
    { u'\u00C9', u"&Eacute;" }, { u'\u00C8', u"&Egrave;" }, { u'\u00CB', u"&Euml;" }, { u'\u00CA', u"&Ecirc;" },
    { u'\u00D3', u"&Oacute;" }, { u'\u00D2', u"&Ograve;" }, { u'\u00D6', u"&Ouml;" }, { u'\u00D4', u"&Ocirc;" },
    { u'\u00CD', u"&Iacute;" }, { u'\u00CC', u"&Igrave;" }, { u'\u00CF', u"&Iuml;" }, { u'\u00CE', u"&Icirc;" },
    { u'\u00DA', u"&Uacute;" }, { u'\u00D9', u"&Ugrave;" }, { u'\u00DC', u"&Uuml;" }, { u'\u00DB', u"&Ucirc;" },
    { u'\u00C1', u"&Aacute;" }, { u'\u00C0', u"&Agrave;" }, { u'\u00C4', u"&Auml;" }, { u'\u00C2', u"&Acirc;" },
    { u'\u00E7', u"&ccedil;" }, { u'\u00C7', u"&Ccedil;" }, { u'\u00F8', u"&oslash;" }, { u'\u00D8', u"&Oslash;" },
    { u'\u00E5', u"&aring;" }, { u'\u00C5', u"&Aring;" }, { u'\u00A9', u"&copy;" }, { u'\u00AE', u"&reg;" },
    { u'\u20AC', u"&euro;" }, { u'\u00AB', u"&laquo;" }, { u'\u00BB', u"&raquo;" },
    { u'\u00E3', u"&atilde;" }, { u'\u00C3', u"&Atilde;" }, { u'\u00F5', u"&otilde;" }, { u'\u00D5', u"&Otilde" },
} };
constexpr size_t ConvertedEntities = 51;

struct TNamedColor {
    const char* Name;
    TColor Color;
};

constexpr std::array<TNamedColor, 40> NamedColors { {
    { "clred", 0x0000FF }, { "clblack", 0x000000 }, { "clblue", 0xFF0000 }, { "clgreen", 0x008000 },
    { "claqua", 0xFFFF00 }, { "clyellow", 0x00FFFF }, { "clfuchsia", 0xFF00FF }, { "clwhite", 0xFFFFFF },
    { "cllime", 0x00FF00 }, { "clsilver", 0xC0C0C0 }, { "clgray", 0x808080 }, { "clolive", 0x008080 },
    { "clnavy", 0x800000 }, { "clpurple", 0x800080 }, { "clteal", 0x808000 }, { "clmaroon", 0x000080 },
    { "clbackground", TColor(0xFF000001) }, { "clactivecaption", TColor(0xFF000002) },
    { "clinactivecaption", TColor(0xFF000003) }, { "clmenu", TColor(0xFF000004) },
    { "clwindow", TColor(0xFF000005) }, { "clwindowframe", TColor(0xFF000006) },
    { "clmenutext", TColor(0xFF000007) }, { "clwindowtext", TColor(0xFF000008) },
    { "clcaptiontext", TColor(0xFF000009) }, { "clactiveborder", TColor(0xFF00000A) },
    { "clinactiveborder", TColor(0xFF00000B) }, { "clappworkspace", TColor(0xFF00000C) },
    { "clhighlight", TColor(0xFF00000D) }, { "clhighlighttext", TColor(0xFF00000E) },
    { "clbtnface", TColor(0xFF00000F) }, { "clbtnshadow", TColor(0xFF000010) },
    { "clgraytext", TColor(0xFF000011) }, { "clbtntext", TColor(0xFF000012) },
    { "clinactivecaptiontext", TColor(0xFF000013) }, { "clbtnhighlight", TColor(0xFF000014) },
    { "cl3ddkshadow", TColor(0xFF000015) }, { "cl3dlight", TColor(0xFF000016) },
    { "clinfotext", TColor(0xFF000017) }, { "clinfobk", TColor(0xFF000018) },
} };

const QLatin1String ControlOpen("<CONTROL");

// Calls visit(tagStart, tagEnd) for every "<CONTROL" tag of text, in order;
// tagEnd is the position after its ">", or the text's end when it has none.
// visit returns false to stop.
template <typename Visit>
void ForEachControlTag(const String& text, const String& opening, Visit&& visit)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype start = text.indexOf(opening, from, Qt::CaseInsensitive);
        if (start < 0)
            return;
        const qsizetype close = text.indexOf(u'>', start);
        const qsizetype end = close < 0 ? text.size() : close + 1;
        if (!visit(start, end))
            return;
        from = end;
    }
}

TControlTag ControlTagAt(const String& text, qsizetype start, qsizetype end)
{
    if (end > text.size() || text[end - 1] != u'>')
        return {};
    return ParseControlTag(text.mid(start, end - start));
}

String Quoted(const String& value)
{
    return u'"' + value + u'"';
}

// The tags of text removed: "<" up to the next ">" after it; a "<" without
// one stays, with everything after it.
String RemoveTags(const String& text)
{
    String plain;
    plain.reserve(text.size());
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype open = text.indexOf(u'<', position);
        if (open < 0) {
            plain += QStringView(text).mid(position);
            break;
        }
        const qsizetype close = text.indexOf(u'>', open);
        if (close < 0) {
            plain += QStringView(text).mid(position);
            break;
        }
        plain += QStringView(text).mid(position, open - position);
        position = close + 1;
    }
    return plain;
}

} // namespace

String DecodeHtmlEntities(const String& text, bool named)
{
    String result = text;
    result.replace(QLatin1String("&lt;"), QLatin1String("<"), Qt::CaseInsensitive);
    result.replace(QLatin1String("&gt;"), QLatin1String(">"), Qt::CaseInsensitive);
    result.replace(QLatin1String("&amp;"), QLatin1String("&"), Qt::CaseInsensitive);
    result.replace(QLatin1String("&quot;"), QLatin1String("\""), Qt::CaseInsensitive);
    if (named && result.contains(u'&')) {
        // Case matters here: "&Eacute;" and "&eacute;" are different letters.
        for (size_t index = 0; index < ConvertedEntities; ++index)
            result.replace(QString::fromUtf16(Entities[index].Name), QString(QChar(Entities[index].Character)));
    }
    return result;
}

String EncodeHtmlEntities(const String& text, bool named)
{
    String result;
    result.reserve(text.size() + text.size() / 4);
    for (const QChar character : text) {
        switch (character.unicode()) {
        case u'&': result += QLatin1String("&amp;"); continue;
        case u'"': result += QLatin1String("&quot;"); continue;
        case u'<': result += QLatin1String("&lt;"); continue;
        case u'>': result += QLatin1String("&gt;"); continue;
        default: break;
        }
        if (named) {
            const auto* end = Entities.begin() + ConvertedEntities;
            const auto* found = std::find_if(Entities.begin(), end,
                [&](const TEntity& entity) { return entity.Character == character.unicode(); });
            if (found != end) {
                result += QStringView(found->Name);
                continue;
            }
        }
        result += character;
    }
    return result;
}

String SpacesToNbsp(const String& text)
{
    String result = text;
    return result.replace(u' ', QLatin1String("&nbsp;"));
}

TColor ColorFromName(const String& name)
{
    for (const TNamedColor& entry : NamedColors)
        if (name == QLatin1String(entry.Name))
            return entry.Color;
    return clBlack;
}

TColor ColorFromHex(const String& text)
{
    auto pair = [&](qsizetype index) -> int32_t {
        if (index + 1 >= text.size())
            return 0;
        int32_t value = 0;
        for (qsizetype at = index; at < index + 2; ++at) {
            const char16_t digit = text[at].unicode();
            value = value * 16 + (digit < u'A' ? digit - u'0' : digit - u'A' + 10);
        }
        return value & 0xFF;
    };
    return TColor(pair(1) + pair(3) * 256 + pair(5) * 65536);
}

String TagAttribute(const String& tag, const String& name, bool upper)
{
    // A name inside a quoted value is part of that value: a control whose
    // VALUE reads "WIDTH=wide" keeps its own width.
    qsizetype at = -1;
    bool quoted = false;
    qsizetype counted = 0;
    for (qsizetype from = 0;;) {
        const qsizetype candidate = tag.indexOf(name, from, Qt::CaseInsensitive);
        if (candidate < 0)
            return {};
        for (; counted < candidate; ++counted)
            if (tag[counted] == u'"')
                quoted = !quoted;
        if (!quoted) {
            at = candidate;
            break;
        }
        from = candidate + 1;
    }
    const qsizetype first = tag.indexOf(u'"', at + name.size());
    if (first < 0)
        return {};
    const qsizetype second = tag.indexOf(u'"', first + 1);
    if (second < 0)
        return {};
    const String value = tag.mid(first + 1, second - first - 1);
    return upper ? value.toUpper() : value;
}

int32_t LeadingNumber(const String& text, bool* isNumber)
{
    qsizetype position = 0;
    while (position < text.size() && text[position] == u' ')
        ++position;
    int64_t value = 0;
    const qsizetype start = position;
    while (position < text.size() && text[position] >= u'0' && text[position] <= u'9' && value < 100'000'000) {
        value = value * 10 + (text[position].unicode() - u'0');
        ++position;
    }
    if (isNumber)
        *isNumber = position > start;
    return static_cast<int32_t>(value);
}

TControlTag ParseControlTag(const String& tagText)
{
    TControlTag tag;
    tag.Type = TagAttribute(tagText, QStringLiteral("TYPE="), true);
    tag.ID = TagAttribute(tagText, QStringLiteral("ID="), false);
    tag.MaxLen = TagAttribute(tagText, QStringLiteral("MAXLEN="), false);
    tag.Prop = DecodeHtmlEntities(TagAttribute(tagText, QStringLiteral("PROP="), false), true);
    tag.Height = TagAttribute(tagText, QStringLiteral("HEIGHT="), false);
    tag.Width = TagAttribute(tagText, QStringLiteral("WIDTH="), false);
    tag.Value = DecodeHtmlEntities(TagAttribute(tagText, QStringLiteral("VALUE="), false), true);
    return tag;
}

bool HasControlTag(const String& text)
{
    return text.contains(ControlOpen, Qt::CaseInsensitive);
}

String NextEditControlID(const String& text, const String& afterID)
{
    bool passed = afterID.isEmpty();
    String next;
    ForEachControlTag(text, QStringLiteral("<CONTROL "), [&](qsizetype start, qsizetype end) {
        const TControlTag tag = ControlTagAt(text, start, end);
        if (passed && tag.Type != QLatin1String("BUTTON") && tag.Type != QLatin1String("CHECK")
            && tag.Type != QLatin1String("RADIO")) {
            next = tag.ID;
            return false;
        }
        if (tag.ID == afterID)
            passed = true;
        return true;
    });
    return next;
}

namespace {

// The control tag as SetControlValue writes it, holding value.
String WrittenControl(const TControlTag& tag, const String& id, const String& value)
{
    String written = QStringLiteral("<CONTROL ID=") + Quoted(id) + QStringLiteral(" VALUE=")
        + Quoted(EncodeHtmlEntities(value, true)) + QStringLiteral(" WIDTH=") + Quoted(tag.Width)
        + QStringLiteral(" TYPE=") + Quoted(tag.Type);
    // The control keeps its height when its value changes.
    if (!tag.Height.isEmpty())
        written += QStringLiteral(" HEIGHT=") + Quoted(tag.Height);
    if (!tag.Prop.isEmpty())
        written += QStringLiteral(" PROP=") + Quoted(EncodeHtmlEntities(tag.Prop, true));
    if (!tag.MaxLen.isEmpty())
        written += QStringLiteral(" MAXLEN=") + Quoted(tag.MaxLen);
    written += u'>';
    return written;
}

} // namespace

String ClearRadioControls(const String& text)
{
    // One pass, each radio rewritten where it stands.
    String result;
    result.reserve(text.size());
    qsizetype copied = 0;
    ForEachControlTag(text, ControlOpen, [&](qsizetype start, qsizetype end) {
        const TControlTag tag = ControlTagAt(text, start, end);
        if (tag.Type != QLatin1String("RADIO"))
            return true;
        result += QStringView(text).mid(copied, start - copied);
        result += WrittenControl(tag, tag.ID, QStringLiteral("FALSE"));
        copied = end;
        return true;
    });
    result += QStringView(text).mid(copied);
    return result;
}

namespace {

// The span of the first control tag with that ID; start < 0 when none.
std::pair<qsizetype, qsizetype> FindControl(const String& text, const String& id, TControlTag& found)
{
    std::pair<qsizetype, qsizetype> span { -1, -1 };
    ForEachControlTag(text, ControlOpen, [&](qsizetype start, qsizetype end) {
        TControlTag tag = ControlTagAt(text, start, end);
        if (tag.ID != id)
            return true;
        found = std::move(tag);
        span = { start, end };
        return false;
    });
    return span;
}

} // namespace

bool GetControlValue(const String& text, const String& id, String& value)
{
    TControlTag tag;
    if (FindControl(text, id, tag).first < 0)
        return false;
    value = tag.Value;
    return true;
}

String GetControlProp(const String& text, const String& id)
{
    TControlTag tag;
    FindControl(text, id, tag);
    return tag.Prop;
}

int32_t GetControlMaxLen(const String& text, const String& id)
{
    TControlTag tag;
    if (FindControl(text, id, tag).first < 0)
        return 0;
    return LeadingNumber(tag.MaxLen);
}

bool SetControlValue(String& text, const String& id, const String& value)
{
    TControlTag tag;
    const auto [start, end] = FindControl(text, id, tag);
    if (start < 0)
        return false;
    text.replace(start, end - start, WrittenControl(tag, id, value));
    return true;
}

String MarkupToText(const String& text)
{
    if (!text.contains(u'<'))
        return text;
    String broken = text;
    broken.replace(QLatin1String("<BR>"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    broken.replace(QLatin1String("<HR>"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    return RemoveTags(broken);
}

String StripMarkupTags(const String& text)
{
    return RemoveTags(text);
}

int32_t MarkupPosOfPlainChar(const String& text, int32_t n)
{
    int32_t count = 0;
    bool inTag = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (count == n - 1)
            return static_cast<int32_t>(index + 1);
        if (inTag) {
            inTag = text[index] != u'>';
        } else if (text[index] == u'<') {
            inTag = true;
        } else {
            ++count;
        }
    }
    return count == n - 1 ? static_cast<int32_t>(text.size() + 1) : 0;
}

void HighlightInMarkup(const String& text, const String& search, const String& tag, String& result,
    bool caseSensitive)
{
    result = text;
    if (search.isEmpty())
        return;
    const Qt::CaseSensitivity sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    String plain = StripMarkupTags(text);
    String wanted = search;
    if (text.contains(search, sensitivity) && (plain.contains(u'<') || plain.contains(u'>'))) {
        auto escape = [](String& value) {
            value.replace(u'<', QLatin1String("&lt;")).replace(u'>', QLatin1String("&gt;"));
        };
        escape(plain);
        escape(wanted);
        result = plain;
    }
    // Where each tag goes: before the plain character counted from 0. An
    // end tag meeting the next start tag at the same place comes first, so
    // adjacent finds stay two separate pairs.
    struct TInsertion {
        qsizetype PlainIndex;
        String Markup;
    };
    std::vector<TInsertion> insertions;
    const String open = u'<' + tag + u'>';
    const String close = QStringLiteral("</") + tag + u'>';
    for (qsizetype at = plain.indexOf(wanted, 0, sensitivity); at >= 0;
         at = plain.indexOf(wanted, at + wanted.size(), sensitivity)) {
        insertions.push_back({ at, open });
        insertions.push_back({ at + wanted.size(), close });
    }
    if (insertions.empty())
        return;
    const String source = result;
    result.clear();
    result.reserve(source.size() + static_cast<qsizetype>(insertions.size()) * (tag.size() + 3));
    size_t next = 0;
    qsizetype count = 0;
    bool inTag = false;
    for (qsizetype index = 0; index <= source.size(); ++index) {
        while (next < insertions.size() && insertions[next].PlainIndex == count)
            result += insertions[next++].Markup;
        if (index == source.size())
            break;
        const QChar character = source[index];
        result += character;
        if (inTag)
            inTag = character != u'>';
        else if (character == u'<')
            inTag = true;
        else
            ++count;
    }
}

String RemoveMarkupTag(const String& text, const String& tag)
{
    String result = text;
    result.remove(u'<' + tag + u'>', Qt::CaseInsensitive);
    result.remove(QStringLiteral("</") + tag + u'>', Qt::CaseInsensitive);
    result.replace(QLatin1String("&lt;"), QLatin1String("<"));
    result.replace(QLatin1String("&gt;"), QLatin1String(">"));
    return result;
}

String LineBreaksToMarkup(const String& text, bool withBreaks)
{
    String result;
    result.reserve(text.size());
    for (const QChar character : text) {
        if (character == u'\r') {
            if (withBreaks)
                result += QLatin1String("<BR>");
        } else if (character != u'\n') {
            result += character;
        }
    }
    return result;
}

String UnwrapPlaceholders(const String& text)
{
    String result;
    result.reserve(text.size());
    bool dropNextClose = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text[index];
        if (character == u'<' && index + 1 < text.size() && text[index + 1] == u'#') {
            dropNextClose = true;
            continue;
        }
        if (character == u'>' && dropNextClose) {
            dropNextClose = false;
            continue;
        }
        result += character;
    }
    return result;
}

bool ReplaceFirstNoCase(const String& pattern, const String& replacement, String& text)
{
    const qsizetype at = text.indexOf(pattern, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    text.replace(at, pattern.size(), replacement);
    return true;
}
