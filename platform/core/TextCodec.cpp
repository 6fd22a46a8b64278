#include "platform/core/TextCodec.h"

#include "platform/core/CodePages.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";
constexpr char Unmappable = '?';

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

std::string_view WithoutMark(std::string_view bytes, std::string_view mark)
{
    return StartsWith(bytes, mark) ? bytes.substr(mark.size()) : bytes;
}

bool DecodeUtf8(std::string_view bytes, String& text)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    String decoded = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) return false;
    text = std::move(decoded);
    return true;
}

// Qt's UTF-16 decoder lets an odd last byte and unpaired surrogates pass, so
// the units are checked here.
bool DecodeUtf16(std::string_view bytes, bool bigEndian, String& text)
{
    if (bytes.size() % 2 != 0) return false;
    String decoded;
    decoded.resize(static_cast<qsizetype>(bytes.size() / 2));
    for (size_t unitIndex = 0; unitIndex < bytes.size() / 2; ++unitIndex) {
        const auto first = static_cast<unsigned char>(bytes[unitIndex * 2]);
        const auto second = static_cast<unsigned char>(bytes[unitIndex * 2 + 1]);
        decoded[static_cast<qsizetype>(unitIndex)] = QChar(bigEndian ? char16_t((first << 8) | second) : char16_t((second << 8) | first));
    }
    for (qsizetype position = 0; position < decoded.size(); ++position) {
        if (decoded[position].isHighSurrogate()) {
            if (position + 1 >= decoded.size() || !decoded[position + 1].isLowSurrogate()) return false;
            ++position;
        } else if (decoded[position].isLowSurrogate()) {
            return false;
        }
    }
    text = std::move(decoded);
    return true;
}

// One character per byte, as charOf maps it.
template <typename TCharOf>
String DecodeEightBit(std::string_view bytes, TCharOf charOf)
{
    String text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    QChar* out = text.data();
    for (const char byte : bytes) *out++ = QChar(charOf(static_cast<unsigned char>(byte)));
    return text;
}

String DecodeUpperHalf(std::string_view bytes, const std::array<char16_t, 128>& upper)
{
    return DecodeEightBit(bytes, [&upper](unsigned char code) { return code < 0x80 ? char16_t { code } : upper[code - 0x80]; });
}

String DecodeAscii(std::string_view bytes)
{
    return DecodeEightBit(bytes, [](unsigned char code) { return code < 0x80 ? char16_t { code } : char16_t(Unmappable); });
}

// The byte of an 8-bit encoding for a code point, or Unmappable.
char EightBitByte(char32_t code, TTextEncoding encoding)
{
    if (code < 0x80) return static_cast<char>(code);
    const auto byteOf = [code](const auto& table, unsigned first) {
        const auto found = std::find(table.begin(), table.end(), code);
        return found == table.end() ? Unmappable : static_cast<char>(first + static_cast<unsigned>(found - table.begin()));
    };
    switch (encoding) {
    case TTextEncoding::Ansi:
        if (code >= 0xA0 && code <= 0xFF) return static_cast<char>(code);
        return byteOf(Windows1252Controls, 0x80);
    case TTextEncoding::Oem437: return byteOf(Oem437Upper, 0x80);
    case TTextEncoding::Oem850: return byteOf(Oem850Upper, 0x80);
    default: return Unmappable;
    }
}

void AppendUtf8(char32_t code, std::string& bytes)
{
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16Le(char32_t code, std::string& bytes)
{
    const auto appendUnit = [&bytes](char32_t unit) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    };
    if (code < 0x10000) {
        appendUnit(code);
    } else {
        appendUnit(0xD800 + ((code - 0x10000) >> 10));
        appendUnit(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

} // namespace

std::string EncodeText(const String& text, TTextEncoding encoding)
{
    std::string bytes;
    if (encoding == TTextEncoding::Utf8Bom) bytes = Utf8Mark;
    if (encoding == TTextEncoding::Utf16Le) bytes = Utf16LeMark;
    const bool utf8 = encoding == TTextEncoding::Utf8 || encoding == TTextEncoding::Utf8Bom;
    bytes.reserve(bytes.size() + static_cast<size_t>(text.size()) * (utf8 || encoding == TTextEncoding::Utf16Le ? 2 : 1));
    for (qsizetype position = 0; position < text.size(); ++position) {
        char32_t code = text[position].unicode();
        if (text[position].isHighSurrogate() && position + 1 < text.size() && text[position + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[position], text[position + 1]);
            ++position;
        } else if (text[position].isSurrogate())
            code = static_cast<char32_t>(Unmappable);
        if (utf8) AppendUtf8(code, bytes);
        else if (encoding == TTextEncoding::Utf16Le) AppendUtf16Le(code, bytes);
        else bytes += EightBitByte(code, encoding);
    }
    return bytes;
}

ptrdiff_t InvalidUtf8Offset(std::string_view bytes)
{
    const auto byteAt = [&bytes](size_t index) { return static_cast<unsigned char>(bytes[index]); };
    size_t index = 0;
    while (index < bytes.size()) {
        // Files are mostly ASCII: eight such bytes are passed at a time.
        constexpr uint64_t highBits = 0x8080808080808080u;
        while (index + sizeof(uint64_t) <= bytes.size()) {
            uint64_t eight = 0;
            std::memcpy(&eight, bytes.data() + index, sizeof eight);
            if (eight & highBits)
                break;
            index += sizeof eight;
        }
        if (index == bytes.size())
            break;
        const unsigned char lead = byteAt(index);
        if (lead < 0x80) {
            ++index;
            continue;
        }
        size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return static_cast<ptrdiff_t>(index);
        }
        // The first continuation byte's range excludes overlong forms, surrogates and values past U+10FFFF.
        if (index + length > bytes.size() || byteAt(index + 1) < low || byteAt(index + 1) > high)
            return static_cast<ptrdiff_t>(index);
        for (size_t next = 2; next < length; ++next)
            if ((byteAt(index + next) & 0xC0) != 0x80) return static_cast<ptrdiff_t>(index);
        index += length;
    }
    return -1;
}

String DecodeWindows1252(std::string_view bytes)
{
    return DecodeEightBit(bytes, [](unsigned char code) {
        return code >= 0x80 && code <= 0x9F ? Windows1252Controls[code - 0x80] : char16_t { code };
    });
}

bool DecodeText(std::string_view bytes, String& text)
{
    if (StartsWith(bytes, Utf8Mark)) return DecodeUtf8(bytes.substr(Utf8Mark.size()), text);
    if (StartsWith(bytes, Utf16LeMark)) return DecodeUtf16(bytes.substr(Utf16LeMark.size()), false, text);
    if (StartsWith(bytes, Utf16BeMark)) return DecodeUtf16(bytes.substr(Utf16BeMark.size()), true, text);
    if (!DecodeUtf8(bytes, text)) text = DecodeWindows1252(bytes);
    return true;
}

bool DecodeText(std::string_view bytes, TTextEncoding encoding, String& text)
{
    switch (encoding) {
    case TTextEncoding::Ansi: text = DecodeWindows1252(bytes); return true;
    case TTextEncoding::Ascii: text = DecodeAscii(bytes); return true;
    case TTextEncoding::Utf8:
    case TTextEncoding::Utf8Bom: return DecodeUtf8(WithoutMark(bytes, Utf8Mark), text);
    case TTextEncoding::Utf16Le: return DecodeUtf16(WithoutMark(bytes, Utf16LeMark), false, text);
    case TTextEncoding::Oem437: text = DecodeUpperHalf(bytes, Oem437Upper); return true;
    case TTextEncoding::Oem850: text = DecodeUpperHalf(bytes, Oem850Upper); return true;
    }
    return false;
}
