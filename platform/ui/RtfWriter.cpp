#include "platform/ui/Rtf.h"

#include "platform/core/TextCodec.h"

#include <algorithm>
#include <optional>

namespace {

// A character as RTF text: the three escapes, a tab word, ASCII as it is,
// a Windows-1252 byte, else its UTF-16 unit with a "?" fallback.
void AppendEscaped(std::string& out, char16_t character)
{
    switch (character) {
    case u'\\':
    case u'{':
    case u'}':
        out += '\\';
        out += static_cast<char>(character);
        return;
    case u'\t':
        out += "\\tab ";
        return;
    default:
        break;
    }
    if (character < 0x20)
        return;
    if (character < 0x80) {
        out += static_cast<char>(character);
        return;
    }
    const std::string ansi = EncodeText(String(QChar(character)), TTextEncoding::Ansi);
    if (ansi != "?") {
        static constexpr char Hex[] = "0123456789abcdef";
        const auto byte = static_cast<unsigned char>(ansi.front());
        out += "\\'";
        out += Hex[byte >> 4];
        out += Hex[byte & 0x0F];
        return;
    }
    out += "\\u" + std::to_string(static_cast<int16_t>(character)) + "?";
}

void AppendEscaped(std::string& out, const String& text)
{
    for (const QChar character : text)
        AppendEscaped(out, character.unicode());
}

template <typename T>
size_t IndexOf(std::vector<T>& list, const T& value)
{
    const auto found = std::ranges::find(list, value);
    if (found != list.end())
        return static_cast<size_t>(found - list.begin());
    list.push_back(value);
    return list.size() - 1;
}

std::string RunStart(const TRichTextFormat& format, size_t font, size_t color)
{
    std::string out = "\\plain\\f" + std::to_string(font) + "\\fs" + std::to_string(std::max(format.Size, 1) * 2);
    if (color > 0)
        out += "\\cf" + std::to_string(color);
    if (format.Style.Contains(fsBold))
        out += "\\b";
    if (format.Style.Contains(fsItalic))
        out += "\\i";
    if (format.Style.Contains(fsUnderline))
        out += "\\ul";
    if (format.Style.Contains(fsStrikeOut))
        out += "\\strike";
    if (format.Offset != 0) {
        const int32_t halfPoints = std::max((std::abs(format.Offset) + 5) / 10, 1);
        out += (format.Offset > 0 ? "\\up" : "\\dn") + std::to_string(halfPoints);
    }
    return out + ' ';
}

std::string ParagraphStart(TAlignment alignment)
{
    switch (alignment) {
    case taCenter:
        return "\\pard\\qc ";
    case taRightJustify:
        return "\\pard\\qr ";
    case taLeftJustify:
        break;
    }
    return "\\pard ";
}

} // namespace

std::string WriteRtf(const TRichText& source)
{
    TRichText text = source;
    text.Normalize(TRichTextFormat {});
    std::vector<String> fonts;
    std::vector<TColor> colors;
    std::vector<std::pair<size_t, size_t>> runs(text.Formats.size());
    for (size_t index = 0; index < text.Formats.size(); ++index) {
        const TRichTextFormat& format = text.Formats[index];
        String name = format.Name;
        name.remove(u';');
        const size_t font = IndexOf(fonts, name);
        const size_t color = format.Color == clWindowText ? 0 : IndexOf(colors, ColorToRGB(format.Color)) + 1;
        runs[index] = { font, color };
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    if (!fonts.empty()) {
        out += "{\\fonttbl";
        for (size_t font = 0; font < fonts.size(); ++font) {
            out += "{\\f" + std::to_string(font) + "\\fnil ";
            AppendEscaped(out, fonts[font]);
            out += ";}";
        }
        out += '}';
    }
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (const TColor color : colors)
            out += "\\red" + std::to_string(color & 0xFF) + "\\green" + std::to_string((color >> 8) & 0xFF) + "\\blue"
                + std::to_string((color >> 16) & 0xFF) + ";";
        out += '}';
    }
    size_t paragraph = 0;
    out += ParagraphStart(text.Alignments[paragraph]);
    std::optional<size_t> written;
    const auto length = static_cast<size_t>(text.Text.size());
    for (size_t index = 0; index < length; ++index) {
        const char16_t character = text.Text[static_cast<qsizetype>(index)].unicode();
        if (character == u'\r')
            continue;
        if (!written || text.Formats[*written] != text.Formats[index]) {
            out += RunStart(text.Formats[index], runs[index].first, runs[index].second);
            written = index;
        }
        if (character == u'\n') {
            out += "\\par";
            out += ParagraphStart(text.Alignments[++paragraph]);
            continue;
        }
        AppendEscaped(out, character);
    }
    return out + "\\par}";
}
