#include "grid/base/MarkupText.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

struct TConversionCase {
    const char* Name;
    String (*Convert)(const String&);
    QString Input;
    QString Expected;
};

String DecodeNamed(const String& text) { return DecodeHtmlEntities(text, true); }
String DecodePlain(const String& text) { return DecodeHtmlEntities(text, false); }
String EncodeNamed(const String& text) { return EncodeHtmlEntities(text, true); }
String EncodePlain(const String& text) { return EncodeHtmlEntities(text, false); }
String Placeholders(const String& text) { return UnwrapPlaceholders(text); }
String Breaks(const String& text) { return LineBreaksToMarkup(text, true); }
String NoBreaks(const String& text) { return LineBreaksToMarkup(text, false); }
String RemoveHi(const String& text) { return RemoveMarkupTag(text, QStringLiteral("hi")); }

TEST(MarkupText, Conversions)
{
    const TConversionCase cases[] = {
        { "one level of decoding", DecodePlain, "&amp;lt;", "&lt;" },
        { "basic entities in any case", DecodePlain, "&LT;b&gt; &quot;x&quot;", "<b> \"x\"" },
        { "named entities keep their case", DecodeNamed, "&Eacute;t&eacute; &euro;", u8"\u00C9t\u00E9 \u20AC" },
        { "names are left alone without named", DecodePlain, "&eacute;", "&eacute;" },
        { "encoding escapes the four", EncodePlain, "a&b<c>\"d\"", "a&amp;b&lt;c&gt;&quot;d&quot;" },
        { "a literal *amp; survives encoding", EncodePlain, "x*amp;y", "x*amp;y" },
        { "named encoding", EncodeNamed, u8"\u00E9\u00E3", u8"&eacute;\u00E3" },
        { "markup to text", MarkupToText, "a<B>b</B><BR>c", "ab\r\nc" },
        { "rule and break in any case", MarkupToText, "a<hr>b<br>c", "a\r\nb\r\nc" },
        { "an unclosed tag stays", MarkupToText, "a<b", "a<b" },
        { "stray closers stay", MarkupToText, "1 > 0 <i>x</i>", "1 > 0 x" },
        { "entities are left as they are", MarkupToText, "<b>&amp;</b>", "&amp;" },
        { "stripping keeps breaks out", StripMarkupTags, "a<BR>b", "ab" },
        { "spaces to nbsp", SpacesToNbsp, "a b", "a&nbsp;b" },
        { "placeholders unwrapped", Placeholders, "x<#name>y>", "x#namey>" },
        { "CR to break, LF dropped", Breaks, "a\r\nb", "a<BR>b" },
        { "line breaks dropped", NoBreaks, "a\r\nb", "ab" },
        { "highlight tags removed", RemoveHi, "<HI>a</hi>&lt;b&gt;", "a<b>" },
    };
    for (const TConversionCase& entry : cases)
        EXPECT_EQ(entry.Convert(entry.Input), entry.Expected) << entry.Name;
}

TEST(MarkupText, EncodedTextDecodesToItself)
{
    const String samples[] = { "a & b", "&amp;", "*amp;", "<tag attr=\"v\">", u8"caf\u00E9 \u20AC" };
    for (const String& sample : samples)
        EXPECT_EQ(DecodeHtmlEntities(EncodeHtmlEntities(sample, true), true), sample) << sample.toStdString();
}

TEST(MarkupText, Colours)
{
    const std::pair<const char*, TColor> names[] = {
        { "clred", 0x0000FF }, { "clteal", 0x808000 }, { "clbtnface", TColor(0xFF00000F) },
        { "clinfobk", TColor(0xFF000018) }, { "cl3dlight", TColor(0xFF000016) }, { "unknown", 0 },
        { "ClRed", 0 },
    };
    for (const auto& [name, color] : names)
        EXPECT_EQ(ColorFromName(QString::fromLatin1(name)), color) << name;
    const std::pair<const char*, TColor> hex[] = {
        { "#FF0000", 0x0000FF }, { "#00FF00", 0x00FF00 }, { "#0000FF", 0xFF0000 }, { "#123456", 0x563412 },
        { "#FF", 0x0000FF }, { "#", 0 },
    };
    for (const auto& [text, color] : hex)
        EXPECT_EQ(ColorFromHex(QString::fromLatin1(text)), color) << text;
}

TEST(MarkupText, ControlTags)
{
    const String form = QStringLiteral(
        "<CONTROL TYPE=\"button\" ID=\"b1\" WIDTH=\"40\" VALUE=\"Go\">"
        "<CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"80\" VALUE=\"a &amp; b\" MAXLEN=\"12\" PROP=\"9&lt;\">"
        "<control type=\"radio\" id=\"r1\" width=\"16\" value=\"TRUE\">"
        "<CONTROL TYPE=\"COMBO\" ID=\"c1\" WIDTH=\"60\" HEIGHT=\"40\" VALUE=\"x\">");
    EXPECT_TRUE(HasControlTag(form));
    EXPECT_FALSE(HasControlTag(QStringLiteral("<B>x</B>")));
    const TControlTag edit = ParseControlTag(QStringLiteral(
        "<CONTROL TYPE=\"edit\" ID=\"e1\" WIDTH=\"80\" VALUE=\"a &amp; b\" MAXLEN=\"12\" PROP=\"9&lt;\">"));
    EXPECT_EQ(edit.Type, "EDIT");
    EXPECT_EQ(edit.Value, "a & b");
    EXPECT_EQ(edit.Prop, "9<");
    String value;
    EXPECT_TRUE(GetControlValue(form, QStringLiteral("e1"), value));
    EXPECT_EQ(value, "a & b");
    EXPECT_FALSE(GetControlValue(form, QStringLiteral("none"), value));
    EXPECT_EQ(GetControlProp(form, QStringLiteral("e1")), "9<");
    EXPECT_EQ(GetControlMaxLen(form, QStringLiteral("e1")), 12);
    EXPECT_EQ(GetControlMaxLen(form, QStringLiteral("none")), 0);

    const std::pair<const char*, const char*> next[] = { { "", "e1" }, { "b1", "e1" }, { "e1", "c1" }, { "c1", "" } };
    for (const auto& [after, expected] : next)
        EXPECT_EQ(NextEditControlID(form, QString::fromLatin1(after)), QString::fromLatin1(expected)) << after;

    String changed = form;
    ASSERT_TRUE(SetControlValue(changed, QStringLiteral("c1"), QStringLiteral("say \"hi\"")));
    EXPECT_TRUE(changed.endsWith(QStringLiteral(
        "<CONTROL ID=\"c1\" VALUE=\"say &quot;hi&quot;\" WIDTH=\"60\" TYPE=\"COMBO\" HEIGHT=\"40\">")))
        << changed.toStdString();
    EXPECT_TRUE(GetControlValue(changed, QStringLiteral("c1"), value));
    EXPECT_EQ(value, "say \"hi\"");
    String unchanged = form;
    EXPECT_FALSE(SetControlValue(unchanged, QStringLiteral("none"), QStringLiteral("v")));
    EXPECT_EQ(unchanged, form);

    const String cleared = ClearRadioControls(form);
    EXPECT_TRUE(GetControlValue(cleared, QStringLiteral("r1"), value));
    EXPECT_EQ(value, "FALSE");
    EXPECT_EQ(ParseControlTag(QStringLiteral("<CONTROL TYPE=\"EDIT")).Type, QString());
}

TEST(MarkupText, PlainCharacterPositions)
{
    const String text = QStringLiteral("<B>abc</B>");
    const std::pair<int32_t, int32_t> cases[] = { { 0, 0 }, { 1, 1 }, { 2, 5 }, { 3, 6 }, { 4, 7 }, { 5, 0 } };
    for (const auto& [n, position] : cases)
        EXPECT_EQ(MarkupPosOfPlainChar(text, n), position) << n;
    EXPECT_EQ(MarkupPosOfPlainChar(QStringLiteral("ab"), 3), 3);
}

TEST(MarkupText, Highlights)
{
    struct TCase {
        QString Text;
        QString Search;
        bool CaseSensitive;
        QString Expected;
    };
    const TCase cases[] = {
        { "<B>abc</B>", "b", true, "<B>a<hi>b</hi>c</B>" },
        { "aXa", "a", true, "<hi>a</hi>X<hi>a</hi>" },
        { "aa", "a", true, "<hi>a</hi><hi>a</hi>" },
        { "ABC", "b", false, "A<hi>B</hi>C" },
        { "ABC", "b", true, "ABC" },
        { "abc", "", true, "abc" },
        { "a&lt;b", "<", true, "a&lt;b" },
    };
    for (const TCase& entry : cases) {
        String result;
        HighlightInMarkup(entry.Text, entry.Search, QStringLiteral("hi"), result, entry.CaseSensitive);
        EXPECT_EQ(result, entry.Expected) << entry.Text.toStdString() << " / " << entry.Search.toStdString();
    }
}

TEST(MarkupText, HugeAndMalformedTextsStayLinear)
{
    const String nested = QStringLiteral("<B>").repeated(100'000) + QStringLiteral("x") + QStringLiteral("<").repeated(100'000);
    EXPECT_EQ(MarkupToText(nested), QStringLiteral("x") + QStringLiteral("<").repeated(100'000));
    String result;
    const String many = QStringLiteral("ab").repeated(100'000);
    HighlightInMarkup(many, QStringLiteral("a"), QStringLiteral("e"), result, true);
    EXPECT_EQ(result.size(), many.size() + 100'000 * 7);
    EXPECT_EQ(DecodeHtmlEntities(QStringLiteral("&amp;").repeated(100'000), true), QStringLiteral("&").repeated(100'000));
}

// A value typed into a control may read like an attribute: the control
// keeps its own width, type and the rest, and reads the value back as typed.
TEST(MarkupText, ValuesThatReadLikeAttributesStayValues)
{
    const String values[] = {
        QStringLiteral("WIDTH=wide"),
        QStringLiteral("x TYPE=y"),
        QStringLiteral(" ID=\"other\" MAXLEN=\"1\""),
        QStringLiteral("HEIGHT=\"99\" PROP=\"p\""),
        QStringLiteral("VALUE=\"v\""),
    };
    for (const String& typed : values) {
        SCOPED_TRACE(typed.toStdString());
        String text = QStringLiteral("<B>x</B><CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"\" WIDTH=\"60\" HEIGHT=\"30\" "
                                     "MAXLEN=\"8\" PROP=\"k\">");
        ASSERT_TRUE(SetControlValue(text, QStringLiteral("e1"), typed));
        String read;
        ASSERT_TRUE(GetControlValue(text, QStringLiteral("e1"), read));
        EXPECT_EQ(read, typed);
        const TControlTag tag = ParseControlTag(text.mid(text.indexOf(QLatin1String("<CONTROL"))));
        EXPECT_EQ(tag.Type, QStringLiteral("EDIT"));
        EXPECT_EQ(tag.Width, QStringLiteral("60"));
        EXPECT_EQ(tag.Height, QStringLiteral("30"));
        EXPECT_EQ(tag.MaxLen, QStringLiteral("8"));
        EXPECT_EQ(tag.Prop, QStringLiteral("k"));
        EXPECT_EQ(tag.ID, QStringLiteral("e1"));
        // Typed again over itself, nothing drifts.
        ASSERT_TRUE(SetControlValue(text, QStringLiteral("e1"), typed));
        ASSERT_TRUE(GetControlValue(text, QStringLiteral("e1"), read));
        EXPECT_EQ(read, typed);
    }
}

TEST(MarkupText, ClearsEveryRadioInOnePass)
{
    const String radio = QStringLiteral("<CONTROL TYPE=\"RADIO\" ID=\"r%1\" WIDTH=\"16\" VALUE=\"TRUE\"> x ");
    String text = QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\" VALUE=\"TRUE\">");
    for (int32_t index = 0; index < 20'000; ++index)
        text += radio.arg(index);
    // One pass takes about a second under the sanitizers; a pass per radio
    // takes many minutes, so a generous bound still tells the two apart on a
    // loaded machine.
    const auto started = std::chrono::steady_clock::now();
    const String cleared = ClearRadioControls(text);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    String value;
    for (const int32_t index : { 0, 1, 9'999, 19'999 }) {
        ASSERT_TRUE(GetControlValue(cleared, QStringLiteral("r%1").arg(index), value));
        EXPECT_EQ(value, QStringLiteral("FALSE"));
    }
    ASSERT_TRUE(GetControlValue(cleared, QStringLiteral("c"), value));
    EXPECT_EQ(value, QStringLiteral("TRUE"));
    EXPECT_EQ(cleared.count(QLatin1String("VALUE=\"FALSE\"")), 20'000);
    EXPECT_EQ(cleared.count(QLatin1String(" x ")), 20'000);
    EXPECT_EQ(ClearRadioControls(QStringLiteral("plain")), QStringLiteral("plain"));
}

} // namespace
