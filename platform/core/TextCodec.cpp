#include "platform/core/TextCodec.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80-0x9F of Windows-1252; the five unassigned bytes keep their C1 code
// points, as the Windows conversion does.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

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

} // namespace

ptrdiff_t InvalidUtf8Offset(std::string_view bytes)
{
    const auto byteAt = [&bytes](size_t index) { return static_cast<unsigned char>(bytes[index]); };
    size_t index = 0;
    while (index < bytes.size()) {
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
    String text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = QChar(code >= 0x80 && code <= 0x9F ? Windows1252High[code - 0x80] : char16_t { code });
    }
    return text;
}

bool DecodeText(std::string_view bytes, String& text)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return DecodeUtf8(bytes.substr(3), text);
    if (StartsWith(bytes, "\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false, text);
    if (StartsWith(bytes, "\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true, text);
    if (!DecodeUtf8(bytes, text)) text = DecodeWindows1252(bytes);
    return true;
}
