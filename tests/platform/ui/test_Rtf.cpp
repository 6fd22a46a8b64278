#include "platform/core/Streams.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/Rtf.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TRichTextFormat Base()
{
    TRichTextFormat format;
    format.Name = QStringLiteral("Tahoma");
    format.Size = 10;
    return format;
}

// Text built from pieces, each in its own format; "\r\n" in a piece ends a
// paragraph.
struct TPiece {
    QString Text;
    TRichTextFormat Format;
};

TRichText Build(const std::vector<TPiece>& pieces, std::vector<TAlignment> alignments = {})
{
    TRichText rich;
    for (const TPiece& piece : pieces) {
        rich.Text += piece.Text;
        rich.Formats.insert(rich.Formats.end(), static_cast<size_t>(piece.Text.size()), piece.Format);
    }
    rich.Alignments = std::move(alignments);
    rich.Normalize(Base());
    return rich;
}

TRichTextFormat With(const std::function<void(TRichTextFormat&)>& change)
{
    TRichTextFormat format = Base();
    change(format);
    return format;
}

void ExpectSame(const TRichText& actual, const TRichText& expected)
{
    EXPECT_EQ(actual.Text, expected.Text);
    ASSERT_EQ(actual.Formats.size(), expected.Formats.size());
    for (size_t index = 0; index < expected.Formats.size(); ++index) {
        SCOPED_TRACE(index);
        const TRichTextFormat& a = actual.Formats[index];
        const TRichTextFormat& e = expected.Formats[index];
        EXPECT_EQ(a.Name, e.Name);
        EXPECT_EQ(a.Size, e.Size);
        EXPECT_EQ(a.Color, e.Color);
        EXPECT_EQ(a.Style.Bits(), e.Style.Bits());
        EXPECT_EQ(a.Offset, e.Offset);
    }
    EXPECT_EQ(actual.Alignments, expected.Alignments);
}

void ExpectWellFormed(const TRichText& rich)
{
    EXPECT_EQ(rich.Formats.size(), static_cast<size_t>(rich.Text.size()));
    EXPECT_EQ(rich.Alignments.size(), static_cast<size_t>(rich.Text.count(QChar(u'\n')) + 1));
}

TEST(Rtf, FormattedTextRoundTrips)
{
    const auto bold = With([](TRichTextFormat& f) { f.Style = { fsBold }; });
    struct Case {
        const char* name;
        TRichText text;
    };
    const Case cases[] = {
        { "plain", Build({ { QStringLiteral("plain text"), Base() } }) },
        { "bold", Build({ { QStringLiteral("a "), Base() }, { QStringLiteral("bold"), bold } }) },
        { "italic", Build({ { QStringLiteral("it"), With([](TRichTextFormat& f) { f.Style = { fsItalic }; }) } }) },
        { "underline", Build({ { QStringLiteral("u"), With([](TRichTextFormat& f) { f.Style = { fsUnderline }; }) } }) },
        { "strike-out", Build({ { QStringLiteral("s"), With([](TRichTextFormat& f) { f.Style = { fsStrikeOut }; }) } }) },
        { "all styles",
            Build({ { QStringLiteral("x"),
                With([](TRichTextFormat& f) { f.Style = { fsBold, fsItalic, fsUnderline, fsStrikeOut }; }) } }) },
        { "font names",
            Build({ { QStringLiteral("a"), Base() },
                { QStringLiteral("b"), With([](TRichTextFormat& f) { f.Name = QStringLiteral("Courier New"); }) },
                { QStringLiteral("c"), Base() } }) },
        { "sizes", Build({ { QStringLiteral("big"), With([](TRichTextFormat& f) { f.Size = 24; }) } }) },
        { "colours",
            Build({ { QStringLiteral("red"), With([](TRichTextFormat& f) { f.Color = 0x0000FF; }) },
                { QStringLiteral("blue"), With([](TRichTextFormat& f) { f.Color = 0xFF0000; }) },
                { QStringLiteral("red"), With([](TRichTextFormat& f) { f.Color = 0x0000FF; }) } }) },
        { "raised and lowered",
            Build({ { QStringLiteral("x"), Base() }, { QStringLiteral("2"), With([](TRichTextFormat& f) { f.Offset = 40; }) },
                { QStringLiteral("i"), With([](TRichTextFormat& f) { f.Offset = -40; }) } }) },
        { "paragraph alignments",
            Build({ { QStringLiteral("left\r\ncentre\r\nright"), Base() } }, { taLeftJustify, taCenter, taRightJustify }) },
        { "empty paragraphs, one at the end", Build({ { QStringLiteral("\r\na\r\n\r\n"), Base() } }) },
        { "a break in its own format", Build({ { QStringLiteral("a"), Base() }, { QStringLiteral("\r\n"), bold } }) },
        { "escapes", Build({ { QStringLiteral("\\ {braces} \\par"), Base() } }) },
        { "tabs", Build({ { QStringLiteral("a\tb"), Base() } }) },
        { "code page text", Build({ { QString::fromUtf16(u"Grüße, café, 5 €"), Base() } }) },
        { "Unicode beyond the code page", Build({ { QString::fromUtf16(u"αβγ 中文 😀"), Base() } }) },
        { "Unicode font name",
            Build({ { QStringLiteral("x"), With([](TRichTextFormat& f) { f.Name = QString::fromUtf16(u"Schrift ü"); }) } }) },
        { "font name beyond the code page",
            Build({ { QStringLiteral("x"), With([](TRichTextFormat& f) { f.Name = QString::fromUtf16(u"═微软雅黑 X"); }) } }) },
        { "a line break inside a paragraph",
            Build({ { QString::fromUtf16(u"a\u2028b\r\nc"), Base() } }, { taCenter, taRightJustify }) },
        { "empty", Build({}) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string rtf = WriteRtf(c.text);
        ASSERT_TRUE(IsRtf(rtf));
        for (const char byte : rtf) {
            EXPECT_LT(static_cast<unsigned char>(byte), 0x80u);
            EXPECT_NE(byte, '\r');
            EXPECT_NE(byte, '\n');
        }
        ExpectSame(ReadRtf(rtf, Base()), c.text);
    }
}

TEST(Rtf, ReadsDocumentsOfOtherWriters)
{
    const auto plain = Base();
    const auto bold = With([](TRichTextFormat& f) { f.Style = { fsBold }; });
    const auto boldItalic = With([](TRichTextFormat& f) { f.Style = { fsBold, fsItalic }; });
    const auto arialRed = With([](TRichTextFormat& f) {
        f.Name = QStringLiteral("Arial");
        f.Size = 11;
        f.Color = 0x0000FF;
    });
    struct Case {
        const char* name;
        std::string rtf;
        TRichText expected;
    };
    const Case cases[] = {
        { "font and colour tables",
            R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial{\*\panose 020b0604020202020204};}{\f1 Courier;}})"
            R"({\colortbl ;\red255\green0\blue0;}\f0\fs22\cf1 red\par})",
            Build({ { QStringLiteral("red"), arialRed } }) },
        { "nested groups restore their formats", R"({\rtf1 a{\b b{\i c}d}e})",
            Build({ { QStringLiteral("a"), plain }, { QStringLiteral("b"), bold }, { QStringLiteral("c"), boldItalic },
                { QStringLiteral("d"), bold }, { QStringLiteral("e"), plain } }) },
        { "\\b0 and \\plain end bold", R"({\rtf1 \b a\b0 b\b c\plain d})",
            Build({ { QStringLiteral("a"), bold }, { QStringLiteral("b"), plain }, { QStringLiteral("c"), bold },
                { QStringLiteral("d"), plain } }) },
        { "Unicode with its fallback skipped", R"({\rtf1\uc2 x\u945\'3f\'3fy\u-10179?\u-8704?})",
            Build({ { QString::fromUtf16(u"xαy😀"), plain } }) },
        { "\\uc0 has no fallback", R"({\rtf1\uc0 \u8364 x})", Build({ { QString::fromUtf16(u"€x"), plain } }) },
        { "Windows-1252 bytes, escaped and raw", "{\\rtf1\\ansi \\'e9\\'80 \xe9}",
            Build({ { QString::fromUtf16(u"é€ é"), plain } }) },
        { "OEM 850 bytes", R"({\rtf1\ansi\ansicpg850 \'81\'e1})", Build({ { QString::fromUtf16(u"üß"), plain } }) },
        { "OEM 437 bytes", R"({\rtf1\pc \'9b})", Build({ { QString::fromUtf16(u"¢"), plain } }) },
        { "escapes", R"({\rtf1 \\ \{ \}})", Build({ { QStringLiteral("\\ { }"), plain } }) },
        { "unknown words and groups are skipped",
            R"({\rtf1{\*\generatorx junk}{\stylesheet{\s0 Normal;}}{\info{\title T}}te\unknownword xt{\pict 0102}})",
            Build({ { QStringLiteral("text"), plain } }) },
        { "binary data is skipped", "{\\rtf1 a\\bin3 {}}b}", Build({ { QStringLiteral("ab"), plain } }) },
        { "line breaks in the source are not text", "{\\rtf1 a\r\nb\\\r\nc}",
            Build({ { QStringLiteral("ab\r\nc"), plain } }) },
        { "nothing after the closing brace", R"({\rtf1 a}b)", Build({ { QStringLiteral("a"), plain } }) },
        { "special characters", R"({\rtf1 \emdash\~\lquote})", Build({ { QString::fromUtf16(u"—\u00A0‘"), plain } }) },
        { "escaped line breaks stay in their paragraph", R"({\rtf1 a\'0ab\'0d\'0a\par\qc c\u13?\u10?\par\qr d})",
            Build({ { QString::fromUtf16(u"a\u2028b\u2028\u2028\r\nc\u2028\u2028\r\nd"), plain } },
                { taLeftJustify, taCenter, taRightJustify }) },
        { "the Unicode fallback is no part of a font name",
            R"({\rtf1{\fonttbl{\f0\fnil \u9552?X;}{\f1\uc2 \u27492\'3f\'3fY;}}\f0 a\f1 b})",
            Build({ { QStringLiteral("a"), With([](TRichTextFormat& f) { f.Name = QString::fromUtf16(u"═X"); }) },
                { QStringLiteral("b"), With([](TRichTextFormat& f) { f.Name = QString::fromUtf16(u"\u6B64Y"); }) } }) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSame(ReadRtf(c.rtf, Base()), c.expected);
    }
}

TEST(Rtf, MalformedInputGivesWhatWasReadWithoutFailing)
{
    const std::string deep = "{\\rtf1 " + std::string(100000, '{') + "\\b x" + std::string(100000, '}') + "y}";
    struct Case {
        const char* name;
        std::string rtf;
        const char16_t* text;
    };
    const Case cases[] = {
        { "truncated inside a group", "{\\rtf1 {\\b abc", u"abc" },
        { "truncated in a control word", "{\\rtf1 ab\\fs", u"ab" },
        { "truncated after a backslash", "{\\rtf1 ab\\", u"ab" },
        { "truncated hex escape", "{\\rtf1 ab\\'4", u"ab" },
        { "bad hex escape", "{\\rtf1 a\\'zzb}", u"azzb" },
        { "closing braces too many", "{\\rtf1 a}}}b", u"a" },
        { "huge numbers", "{\\rtf1 \\fs99999999999999 \\u99999999999 \\uc99999999 a\\up-999999999 b}", u"\uFFFFab" },
        { "binary longer than the input", "{\\rtf1 a\\bin999999999 bc}", u"a" },
        { "a NUL byte", std::string("{\\rtf1 a\0b}", 11), u"ab" },
        { "deep nesting", deep, u"xy" },
        { "only opening braces", std::string(1000000, '{'), u"" },
        { "no braces at all", "just text", u"" },
        { "empty", "", u"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TRichText rich = ReadRtf(c.rtf, Base());
        ExpectWellFormed(rich);
        EXPECT_EQ(rich.Text, QString::fromUtf16(c.text));
    }
}

// Random RTF-like input, reproducible: every result keeps a format per
// character and an alignment per paragraph.
TEST(Rtf, RandomInputKeepsTheDocumentWellFormed)
{
    const std::vector<std::string> tokens { "{", "}", "\\", "\\b", "\\par", "\\qc", "\\u", "-", "1234", "\\'", "e9",
        "\\fonttbl", "\\colortbl", ";", "\\red9", "\\f1", "\\*", "\\bin", "2", " ", "x", "\xff", "\\uc3", "\\pard",
        "\r\n" };
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::string rtf = "{\\rtf1 ";
        const int length = static_cast<int>(random() % 60);
        for (int index = 0; index < length; ++index)
            rtf += tokens[random() % tokens.size()];
        SCOPED_TRACE(rtf);
        ExpectWellFormed(ReadRtf(rtf, Base()));
    }
}

// ---- the rich edit

TRichText Loaded(TRichEdit& edit, const std::string& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    edit.Lines().LoadFromStream(stream);
    return edit.Document();
}

std::string Saved(const TRichEdit& edit, TTextEncoding encoding = TTextEncoding::Utf16Le)
{
    TMemoryStream stream;
    edit.Lines().SaveToStream(stream, encoding);
    std::string bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

TEST(RichEditDocument, LinesLoadAndSaveRtfUnlessPlainText)
{
    TRichEdit edit(nullptr);
    const std::string rtf = R"({\rtf1{\fonttbl{\f0 Arial;}}\f0\fs20 one \b two\b0\par\qc three\par})";
    const TRichText loaded = Loaded(edit, rtf);
    EXPECT_EQ(edit.Text(), "one two\r\nthree");
    EXPECT_EQ(edit.Lines().Count(), 2);
    EXPECT_TRUE(loaded.Formats[5].Style.Contains(fsBold));
    EXPECT_FALSE(loaded.Formats[2].Style.Contains(fsBold));
    EXPECT_EQ(loaded.Alignments, (std::vector<TAlignment> { taLeftJustify, taCenter }));
    // Saved whatever the text encoding asked for: RTF names its own.
    const std::string saved = Saved(edit);
    ASSERT_TRUE(IsRtf(saved));
    ExpectSame(ReadRtf(saved, edit.DefaultFormat()), loaded);

    // Bytes that are no RTF come in as text.
    Loaded(edit, "just text");
    EXPECT_EQ(edit.Text(), "just text");

    edit.SetPlainText(true);
    Loaded(edit, rtf);
    EXPECT_EQ(edit.Text().toStdString(), rtf);
    EXPECT_EQ(Saved(edit, TTextEncoding::Utf8), rtf + "\r\n");
}

TEST(RichEditDocument, EditingKeepsTheFormatsOfTheTextAround)
{
    TRichEdit edit(nullptr);
    Loaded(edit, R"({\rtf1 {\b ab}{\i cd}\par\qr ef\par})");
    struct Case {
        const char* name;
        int32_t start;
        int32_t length;
        const char16_t* typed;
        const char16_t* text;
        std::vector<TFontStyles> styles;
        std::vector<TAlignment> alignments;
    };
    const TFontStyles b { fsBold };
    const TFontStyles i { fsItalic };
    const Case cases[] = {
        { "typed text takes the format before it", 1, 0, u"x", u"axbcd\r\nef", { b, b, b, i, i, {}, {}, {}, {} },
            { taLeftJustify, taRightJustify } },
        { "a replaced stretch", 1, 4, u"Z", u"aZ\r\nef", { b, b, {}, {}, {}, {} }, { taLeftJustify, taRightJustify } },
        { "joined paragraphs keep the first alignment", 2, 2, u"", u"aZef", { b, b, {}, {} }, { taLeftJustify } },
        { "a new paragraph takes the alignment of its own", 4, 0, u"\r\ng",
            u"aZef\r\ng", { b, b, {}, {}, {}, {}, {} }, { taLeftJustify, taLeftJustify } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit.SetSelStart(c.start);
        edit.SetSelLength(c.length);
        edit.SetSelText(QString::fromUtf16(c.typed));
        const TRichText document = edit.Document();
        EXPECT_EQ(document.Text, QString::fromUtf16(c.text));
        ASSERT_EQ(document.Formats.size(), c.styles.size());
        for (size_t index = 0; index < c.styles.size(); ++index)
            EXPECT_EQ(document.Formats[index].Style.Bits(), c.styles[index].Bits()) << index;
        EXPECT_EQ(document.Alignments, c.alignments);
    }
    EXPECT_TRUE(edit.Modified());

    // Text the program sets starts afresh in the edit's font.
    edit.SetText(QStringLiteral("new"));
    ExpectSame(edit.Document(), TRichText::Plain(QStringLiteral("new"), edit.DefaultFormat()));
}

TEST(RichEditDocument, SelectionFormatsAndAlignments)
{
    TRichEdit edit(nullptr);
    edit.SetText(QStringLiteral("H2O\r\nline"));
    edit.SetSelStart(1);
    edit.SetSelLength(1);
    edit.FormatSelection([](TRichTextFormat& format) { format.Offset = -40; });
    EXPECT_EQ(edit.SelFormat().Offset, -40);
    edit.SetSelStart(3);
    edit.SetSelLength(0);
    EXPECT_EQ(edit.SelFormat().Offset, 0);
    edit.SetSelStart(2);
    edit.SetSelLength(4);
    edit.SetParagraphAlignment(taCenter);
    EXPECT_EQ(edit.Document().Alignments, (std::vector<TAlignment> { taCenter, taCenter }));
    const TRichText reread = ReadRtf(Saved(edit), edit.DefaultFormat());
    EXPECT_EQ(reread.Formats[1].Offset, -40);
    EXPECT_EQ(reread.Alignments, (std::vector<TAlignment> { taCenter, taCenter }));
}

} // namespace
