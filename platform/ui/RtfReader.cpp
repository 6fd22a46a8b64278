#include "platform/ui/Rtf.h"

#include "platform/core/CodePages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace {

// Deeper groups than this share the state of the deepest one kept, so a
// document of nothing but braces costs no more memory than its size.
constexpr size_t MaxDepth = 256;

enum class TDestination { Text, FontTable, ColorTable, Skip };
enum class TCodePage { Windows1252, Oem437, Oem850 };

struct TGroupState {
    TDestination Destination = TDestination::Text;
    // -1: the document's default font.
    int32_t Font = -1;
    int32_t HalfPoints = 20;
    int32_t ColorIndex = 0;
    TFontStyles Style;
    int32_t Offset = 0;
    TAlignment Alignment = taLeftJustify;
    int32_t UnicodeSkip = 1;
};

// Groups of words the reader has no use for; their text is not the
// document's.
constexpr std::string_view SkippedDestinations[] { "annotation", "atnauthor", "atnid", "author",
    "bkmkend", "bkmkstart", "buptim", "colorschememapping", "comment", "company", "creatim", "datastore", "doccomm",
    "fldinst", "filetbl", "footer", "footerf", "footerl", "footerr", "footnote", "generator", "header", "headerf",
    "headerl", "headerr", "info", "keywords", "latentstyles", "listoverridetable", "listtable", "mmathPr",
    "nonshppict", "object", "operator", "pgdsctbl", "pict", "printim", "revtbl", "revtim", "rsidtbl", "shp", "shpinst",
    "stylesheet", "subject", "tc", "template", "themedata", "title", "txe", "userprops", "xe", "xmlnstbl" };

// Control words that stand for one character.
struct TSpecialCharacter {
    std::string_view Word;
    char16_t Character;
};
constexpr std::array<TSpecialCharacter, 10> SpecialCharacters { {
    { "bullet", u'\u2022' },
    { "emdash", u'\u2014' },
    { "emspace", u' ' },
    { "endash", u'\u2013' },
    { "enspace", u' ' },
    { "ldblquote", u'\u201C' },
    { "lquote", u'\u2018' },
    { "rdblquote", u'\u201D' },
    { "rquote", u'\u2019' },
    { "tab", u'\t' },
} };

class TRtfReader {
public:
    TRtfReader(std::string_view bytes, const TRichTextFormat& defaults) : FBytes(bytes), FDefaults(defaults)
    {
        FState.HalfPoints = std::max(defaults.Size, 1) * 2;
    }

    TRichText Read();

private:
    void OpenGroup();
    void CloseGroup();
    void Escape();
    void ControlWord(std::string_view word, bool hasParameter, int32_t parameter);
    void DocumentWord(std::string_view word, int32_t parameter);
    bool CharacterWord(std::string_view word, bool hasParameter, int32_t parameter);
    void Character(char16_t character);
    void Paragraph();
    char16_t Decoded(unsigned char byte) const;
    TRichTextFormat Format() const;
    void ResetCharacterFormat();

    std::string_view FBytes;
    size_t FPosition = 0;
    TRichTextFormat FDefaults;
    TGroupState FState;
    std::vector<TGroupState> FStack;
    size_t FOverflow = 0;
    bool FClosed = false;
    TCodePage FCodePage = TCodePage::Windows1252;
    int32_t FDefaultFont = 0;
    std::map<int32_t, String> FFonts;
    int32_t FTableFont = 0;
    String FFontName;
    std::vector<TColor> FColors;
    std::array<int32_t, 3> FComponents { 0, 0, 0 };
    bool FHasComponent = false;
    // Fallback characters still to skip after \u.
    int32_t FFallback = 0;
    bool FLastWasParagraph = false;
    TRichText FText;
};

TRichText TRtfReader::Read()
{
    FPosition = std::min(FBytes.find('{'), FBytes.size());
    if (FPosition < FBytes.size())
        ++FPosition;
    while (FPosition < FBytes.size() && !FClosed) {
        const auto byte = static_cast<unsigned char>(FBytes[FPosition++]);
        switch (byte) {
        case '{':
            OpenGroup();
            break;
        case '}':
            CloseGroup();
            break;
        case '\\':
            Escape();
            break;
        case '\r':
        case '\n':
            break;
        default:
            if (byte >= 0x20 || byte == '\t')
                Character(Decoded(byte));
            break;
        }
    }
    FText.Alignments.push_back(FState.Alignment);
    // The mark that ends the last paragraph is no empty paragraph after it.
    if (FLastWasParagraph) {
        FText.Text.chop(2);
        FText.Formats.resize(FText.Formats.size() - 2);
        FText.Alignments.pop_back();
    }
    return FText;
}

void TRtfReader::OpenGroup()
{
    FFallback = 0;
    if (FStack.size() < MaxDepth)
        FStack.push_back(FState);
    else
        ++FOverflow;
}

void TRtfReader::CloseGroup()
{
    FFallback = 0;
    if (FOverflow > 0) {
        --FOverflow;
        return;
    }
    if (FStack.empty()) {
        FClosed = true;
        return;
    }
    if (FState.Destination == TDestination::FontTable && !FFontName.isEmpty()) {
        FFonts[FTableFont] = FFontName.trimmed();
        FFontName.clear();
    }
    FState = FStack.back();
    FStack.pop_back();
}

void TRtfReader::Escape()
{
    if (FPosition >= FBytes.size())
        return;
    const char first = FBytes[FPosition];
    if (!std::isalpha(static_cast<unsigned char>(first))) {
        ++FPosition;
        switch (first) {
        case '\\':
        case '{':
        case '}':
            Character(static_cast<char16_t>(first));
            break;
        case '~':
            Character(u'\u00A0');
            break;
        case '_':
            Character(u'\u2011');
            break;
        case '*':
            FState.Destination = TDestination::Skip;
            break;
        case '\r':
        case '\n':
            Paragraph();
            break;
        case '\'': {
            const auto hex = [this](size_t at) {
                return at < FBytes.size() && std::isxdigit(static_cast<unsigned char>(FBytes[at]));
            };
            if (hex(FPosition) && hex(FPosition + 1)) {
                const std::string digits(FBytes.substr(FPosition, 2));
                FPosition += 2;
                Character(Decoded(static_cast<unsigned char>(std::stoi(digits, nullptr, 16))));
            } else if (hex(FPosition)) {
                // A cut escape is no character.
                ++FPosition;
            }
            break;
        }
        default:
            break;
        }
        return;
    }
    const size_t start = FPosition;
    while (FPosition < FBytes.size() && std::isalpha(static_cast<unsigned char>(FBytes[FPosition])))
        ++FPosition;
    const std::string_view word = FBytes.substr(start, std::min<size_t>(FPosition - start, 32));
    bool negative = false;
    if (FPosition < FBytes.size() && FBytes[FPosition] == '-') {
        negative = true;
        ++FPosition;
    }
    bool hasParameter = false;
    int64_t value = 0;
    while (FPosition < FBytes.size() && std::isdigit(static_cast<unsigned char>(FBytes[FPosition]))) {
        hasParameter = true;
        value = std::min<int64_t>(value * 10 + (FBytes[FPosition] - '0'), INT32_MAX);
        ++FPosition;
    }
    if (FPosition < FBytes.size() && FBytes[FPosition] == ' ')
        ++FPosition;
    ControlWord(word, hasParameter, static_cast<int32_t>(negative ? -value : value));
}

void TRtfReader::ControlWord(std::string_view word, bool hasParameter, int32_t parameter)
{
    if (word == "bin") {
        // Binary data of the given length, whatever the group.
        FPosition += std::min<size_t>(static_cast<size_t>(std::max(parameter, 0)), FBytes.size() - FPosition);
        return;
    }
    if (word == "u") {
        FFallback = 0;
        Character(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter));
        FFallback = FState.UnicodeSkip;
        return;
    }
    FFallback = 0;
    if (word == "uc") {
        FState.UnicodeSkip = std::clamp(parameter, 0, 8);
        return;
    }
    if (word == "fonttbl" || word == "colortbl") {
        FState.Destination = word == "fonttbl" ? TDestination::FontTable : TDestination::ColorTable;
        return;
    }
    if (std::ranges::find(SkippedDestinations, word) != std::end(SkippedDestinations)) {
        FState.Destination = TDestination::Skip;
        return;
    }
    switch (FState.Destination) {
    case TDestination::Skip:
        return;
    case TDestination::FontTable:
        if (word == "f") {
            FTableFont = parameter;
            FFontName.clear();
        }
        return;
    case TDestination::ColorTable:
        if (word == "red" || word == "green" || word == "blue") {
            FComponents[word == "red" ? 0 : word == "green" ? 1 : 2] = std::clamp(parameter, 0, 255);
            FHasComponent = true;
        }
        return;
    case TDestination::Text:
        break;
    }
    if (word == "par" || word == "line") {
        Paragraph();
        return;
    }
    for (const TSpecialCharacter& special : SpecialCharacters) {
        if (word == special.Word) {
            Character(special.Character);
            return;
        }
    }
    if (!CharacterWord(word, hasParameter, parameter))
        DocumentWord(word, parameter);
}

void TRtfReader::DocumentWord(std::string_view word, int32_t parameter)
{
    if (word == "pard")
        FState.Alignment = taLeftJustify;
    else if (word == "ql" || word == "qj")
        FState.Alignment = taLeftJustify;
    else if (word == "qc")
        FState.Alignment = taCenter;
    else if (word == "qr")
        FState.Alignment = taRightJustify;
    else if (word == "ansi" || word == "mac")
        FCodePage = TCodePage::Windows1252;
    else if (word == "pc")
        FCodePage = TCodePage::Oem437;
    else if (word == "pca")
        FCodePage = TCodePage::Oem850;
    else if (word == "ansicpg")
        FCodePage = parameter == 437 ? TCodePage::Oem437 : parameter == 850 ? TCodePage::Oem850 : TCodePage::Windows1252;
    else if (word == "deff")
        FDefaultFont = parameter;
}

bool TRtfReader::CharacterWord(std::string_view word, bool hasParameter, int32_t parameter)
{
    const bool on = !hasParameter || parameter != 0;
    const auto style = [&](TFontStyle fontStyle, bool set) {
        if (set)
            FState.Style << fontStyle;
        else
            FState.Style >> fontStyle;
    };
    // Offsets are half-points; the format keeps twips.
    const auto offset = [&](int32_t halfPoints) { FState.Offset = std::clamp(halfPoints, -1000, 1000) * 10; };
    if (word == "plain")
        ResetCharacterFormat();
    else if (word == "b")
        style(fsBold, on);
    else if (word == "i")
        style(fsItalic, on);
    else if (word == "ul")
        style(fsUnderline, on);
    else if (word == "ulnone")
        style(fsUnderline, false);
    else if (word == "strike")
        style(fsStrikeOut, on);
    else if (word == "f")
        FState.Font = parameter;
    else if (word == "fs")
        FState.HalfPoints = parameter > 0 ? std::min(parameter, 3276) : FState.HalfPoints;
    else if (word == "cf")
        FState.ColorIndex = parameter;
    else if (word == "up")
        offset(hasParameter ? parameter : 6);
    else if (word == "dn")
        offset(hasParameter ? -parameter : -6);
    else if (word == "super")
        offset(4);
    else if (word == "sub")
        offset(-4);
    else if (word == "nosupersub")
        offset(0);
    else
        return false;
    return true;
}

void TRtfReader::ResetCharacterFormat()
{
    FState.Font = -1;
    FState.HalfPoints = std::max(FDefaults.Size, 1) * 2;
    FState.ColorIndex = 0;
    FState.Style = {};
    FState.Offset = 0;
}

void TRtfReader::Character(char16_t character)
{
    // The fallback of a \\u character stands in for it wherever it is, in a
    // font name as in the text.
    if (FFallback > 0 && FState.Destination != TDestination::Skip) {
        --FFallback;
        return;
    }
    // An escaped line break is a character of its paragraph, not the end of
    // it: only \\par ends a paragraph and takes an alignment.
    if (character == u'\r' || character == u'\n')
        character = u'\u2028';
    switch (FState.Destination) {
    case TDestination::Skip:
        return;
    case TDestination::FontTable:
        if (character == u';') {
            FFonts[FTableFont] = FFontName.trimmed();
            FFontName.clear();
        } else {
            FFontName += QChar(character);
        }
        return;
    case TDestination::ColorTable:
        if (character == u';') {
            FColors.push_back(FHasComponent ? static_cast<TColor>(FComponents[0] | (FComponents[1] << 8) | (FComponents[2] << 16))
                                            : clWindowText);
            FComponents = { 0, 0, 0 };
            FHasComponent = false;
        }
        return;
    case TDestination::Text:
        break;
    }
    FText.Text += QChar(character);
    FText.Formats.push_back(Format());
    FLastWasParagraph = false;
}

void TRtfReader::Paragraph()
{
    FFallback = 0;
    if (FState.Destination != TDestination::Text)
        return;
    const TRichTextFormat format = Format();
    FText.Text += QStringLiteral("\r\n");
    FText.Formats.insert(FText.Formats.end(), 2, format);
    FText.Alignments.push_back(FState.Alignment);
    FLastWasParagraph = true;
}

char16_t TRtfReader::Decoded(unsigned char byte) const
{
    if (byte < 0x80)
        return byte;
    switch (FCodePage) {
    case TCodePage::Oem437:
        return Oem437Upper[byte - 0x80];
    case TCodePage::Oem850:
        return Oem850Upper[byte - 0x80];
    case TCodePage::Windows1252:
        break;
    }
    return byte < 0xA0 ? Windows1252Controls[byte - 0x80] : char16_t { byte };
}

TRichTextFormat TRtfReader::Format() const
{
    TRichTextFormat format;
    const auto font = FFonts.find(FState.Font >= 0 ? FState.Font : FDefaultFont);
    format.Name = font != FFonts.end() && !font->second.isEmpty() ? font->second : FDefaults.Name;
    format.Size = (FState.HalfPoints + 1) / 2;
    const size_t color = static_cast<size_t>(std::max(FState.ColorIndex, 0));
    format.Color = color < FColors.size() ? FColors[color] : clWindowText;
    format.Style = FState.Style;
    format.Offset = FState.Offset;
    return format;
}

} // namespace

bool IsRtf(std::string_view bytes)
{
    const size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

TRichText ReadRtf(std::string_view bytes, const TRichTextFormat& defaults)
{
    return TRtfReader(bytes, defaults).Read();
}
