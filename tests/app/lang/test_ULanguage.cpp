#include "app/lang/ULanguage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

String Utf(const char* text) { return String::fromUtf8(text); }

class LanguageFolder {
public:
    explicit LanguageFolder(const char* name)
        : FPath(std::filesystem::path(testing::TempDir()) / name)
    {
        std::filesystem::remove_all(FPath);
        std::filesystem::create_directories(FPath);
    }
    ~LanguageFolder() { std::filesystem::remove_all(FPath); }

    void Write(const char* fileName, std::string_view bytes) const
    {
        std::ofstream(FPath / fileName, std::ios::binary) << bytes;
    }
    String Path() const { return String::fromStdString(FPath.string()); }
    String File(const char* fileName) const { return String::fromStdString((FPath / fileName).string()); }

private:
    std::filesystem::path FPath;
};

TLang_Texts Defaults()
{
    TLang_Texts texts;
    texts.Load_Default_Texts();
    return texts;
}

} // namespace

TEST(LangTexts, DefaultsFillTheWholeTableWithTheirBlankRanges)
{
    const TLang_Texts texts = Defaults();
    ASSERT_EQ(texts.Num_Lang_Texts(), 3400);
    int nonBlank = 0;
    for (int32_t index = 0; index < texts.Num_Lang_Texts(); ++index)
        if (texts[index] != QStringLiteral(" ")) ++nonBlank;
    EXPECT_EQ(nonBlank, 1293);

    const std::pair<int32_t, int32_t> blankRanges[] = {
        { 50, 99 }, { 111, 199 }, { 208, 299 }, { 322, 399 }, { 797, 799 }, { 874, 899 }, { 938, 999 },
        { 1027, 1099 }, { 1119, 1119 }, { 1121, 1121 }, { 1123, 1123 }, { 1125, 1125 }, { 1128, 1199 },
        { 1235, 1399 }, { 1499, 1599 }, { 1672, 1699 }, { 1706, 1799 }, { 1813, 1899 }, { 1961, 1999 },
        { 2009, 2099 }, { 2169, 2199 }, { 2272, 2999 }, { 3104, 3199 }, { 3244, 3299 }, { 3358, 3399 },
    };
    for (const auto& [first, last] : blankRanges)
        for (int32_t index = first; index <= last; ++index) {
            SCOPED_TRACE(index);
            EXPECT_EQ(texts[index], QStringLiteral(" "));
        }
}

TEST(LangTexts, DefaultsKeepTheirExactWording)
{
    const TLang_Texts texts = Defaults();
    const std::pair<int32_t, const char*> spots[] = {
        { 0, "Begin" },
        { 9, "None Configuration Opened " },
        { 10, "Use Step1 to open or create new configuration" },
        { 11, "Opened Configuration of the Converter : " },
        { 18, "Error! Project not Valid" },
        { 41, " Set the Modbus Master Rules" },
        { 105, "Error! Name project is not valid" },
        { 202, "List of Avaliable Configurations" },
        { 306, " / " },
        { 438, "MQTT " },
        { 618, "Type" },
        { 810, "Insert the ID of EnOcan Device" },
        { 1935, "!! [BACnet in Read] Length with variable \"Analog Input\" must be between 1 and 4" },
        { 2270, "Enable/Disable the Possibility to Forgot the Source Addres of the Receiving PGN Frames, Use this "
                "Function with only one Device in Network" },
        { 3342, "Are you sure to delete the Row number " },
    };
    for (const auto& [index, text] : spots) {
        SCOPED_TRACE(index);
        EXPECT_EQ(texts[index], Utf(text));
    }
}

TEST(LangTexts, IndexOutsideTheTableReadsAsBlank)
{
    const TLang_Texts empty;
    EXPECT_EQ(empty.Num_Lang_Texts(), 0);
    EXPECT_EQ(empty[0], QStringLiteral(" "));
    const TLang_Texts texts = Defaults();
    EXPECT_EQ(texts[-1], QStringLiteral(" "));
    EXPECT_EQ(texts[3400], QStringLiteral(" "));
}

TEST(LangTexts, LineGrammarSetsOnlyWellFormedEntries)
{
    struct Case {
        const char* line;
        int32_t index; // -1: no entry may change
        const char* text;
    };
    const Case cases[] = {
        { "STR12 = x", 12, "x" },
        { "STR12= x", 1, "x" },
        { "STR1= x", -1, "" },
        { "STR0 = zero", 0, "zero" },
        { "  \tSTR 0012  =  x  \t", 12, "x" },
        { "str12 = x", -1, "" },
        { "Str12 = x", -1, "" },
        { "[STR12 = x]", -1, "" },
        { "STR3399 = last", 3399, "last" },
        { "STR3400 = x", -1, "" },
        { "STR-1 = x", -1, "" },
        { "STR$C = hex", 12, "hex" },
        { "STRab = x", -1, "" },
        { "STR = x", -1, "" },
        { "STR12 x", -1, "" },
        { "STR12 = ", -1, "" },
        { "STR12 = /#/x", -1, "" },
        { "STR12 = a /#/ b", 12, "a" },
        { "STR12 = a /#/ b /#/ c", 12, "a" },
        { "STR12 = \xC2\xB6 a \xC2\xB6", 12, " a " },
        { "STR12 = \xC2\xB6\xC2\xB6", 12, "" },
        { "STR12 = a\xC2\xB6" "b", 12, "a" },
        { "STR12 = \xC2\xB6 a", 12, " a" },
        { "STR12 = \xC2\xB6 a /#/ \xC2\xB6", 12, " a" },
        { "STR12 = a = b", 12, "a = b" },
        { "STR12 = ;x", 12, ";x" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.line);
        TLang_Texts texts = Defaults();
        texts.Read_Lang_Text(Utf(testCase.line));
        const TLang_Texts defaults = Defaults();
        for (int32_t index = 0; index < defaults.Num_Lang_Texts(); ++index) {
            if (index == testCase.index)
                EXPECT_EQ(texts[index], Utf(testCase.text)) << index;
            else if (texts[index] != defaults[index])
                ADD_FAILURE() << "entry " << index << " changed";
        }
    }
}

TEST(LangTexts, SplitsLinesOnEveryBreakAndLaterLinesWin)
{
    TLang_Texts texts = Defaults();
    texts.Read_Lang_Text(Utf("STR1 = a\r\nSTR2 = b\nSTR3 = c\rSTR4 = d\n\nSTR2 = bb\r\n; STR5 = e"));
    EXPECT_EQ(texts[1], QStringLiteral("a"));
    EXPECT_EQ(texts[2], QStringLiteral("bb"));
    EXPECT_EQ(texts[3], QStringLiteral("c"));
    EXPECT_EQ(texts[4], QStringLiteral("d"));
    EXPECT_EQ(texts[5], QStringLiteral("Step 5"));
}

TEST(LangTexts, LanguageFilesAreDecodedByMarkOrContent)
{
    struct Case {
        const char* name;
        std::string_view bytes;
        const char16_t* expected;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        { "utf-8 mark", "\xEF\xBB\xBFSTR7 = \xC3\xA9t\xC3\xA9"sv, u"\u00E9t\u00E9" },
        { "utf-16le", "\xFF\xFES\0T\0R\0" "7\0 \0=\0 \0\xB6\0 \0x\0\xB6\0"sv, u" x" },
        { "utf-16be", "\xFE\xFF\0S\0T\0R\0" "7\0 \0=\0 \0\xE9"sv, u"\u00E9" },
        { "utf-8 without mark", "STR7 = \xE2\x82\xAC"sv, u"\u20AC" },
        { "windows-1252", "STR7 = \xB6 \x80 \xB6"sv, u" \u20AC " },
    };
    const LanguageFolder folder("lang_decode");
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        folder.Write("Test.lng", testCase.bytes);
        TLang_Texts texts = Defaults();
        ASSERT_TRUE(texts.Read_Lang_File(folder.File("Test.lng")));
        EXPECT_EQ(texts[7].toStdU16String(), std::u16string(testCase.expected));
    }
}

TEST(LangTexts, UnreadableOrBrokenFileKeepsTheDefaults)
{
    const LanguageFolder folder("lang_broken");
    folder.Write("Broken.lng", "\xEF\xBB\xBFSTR7 = a\nSTR8 = \xC3");
    TLang_Texts texts = Defaults();
    EXPECT_FALSE(texts.Read_Lang_File(folder.File("Broken.lng")));
    EXPECT_FALSE(texts.Read_Lang_File(folder.File("Missing.lng")));
    EXPECT_EQ(texts[7], QStringLiteral("Step 7"));

    String name = QStringLiteral("Broken");
    Load_Language(texts, folder.Path(), name);
    EXPECT_EQ(name, QStringLiteral("Broken"));
    EXPECT_EQ(texts[7], QStringLiteral("Step 7"));
}

TEST(LangTexts, LoadLanguageRebuildsFromDefaultsAndFallsBackToEnglish)
{
    const LanguageFolder folder("lang_load");
    folder.Write("Italiano.lng", "STR0 = Inizio\nSTR1 = Passo 1\n");
    folder.Write("Deutsch.lng", "STR0 = Anfang\n");
    TLang_Texts texts;

    String name = QStringLiteral("Italiano");
    Load_Language(texts, folder.Path(), name);
    EXPECT_EQ(name, QStringLiteral("Italiano"));
    EXPECT_EQ(texts.Num_Lang_Texts(), 3400);
    EXPECT_EQ(texts[0], QStringLiteral("Inizio"));
    EXPECT_EQ(texts[1], QStringLiteral("Passo 1"));

    name = QStringLiteral("deutsch");
    Load_Language(texts, folder.Path(), name);
    EXPECT_EQ(name, QStringLiteral("deutsch"));
    EXPECT_EQ(texts[0], QStringLiteral("Anfang"));
    EXPECT_EQ(texts[1], QStringLiteral("Step 1"));

    name = QStringLiteral("Klingon");
    Load_Language(texts, folder.Path(), name);
    EXPECT_EQ(name, QStringLiteral("English"));
    EXPECT_EQ(texts[0], QStringLiteral("Begin"));

    folder.Write("English.lng", "STR0 = Start\n");
    name = QStringLiteral("Klingon");
    Load_Language(texts, folder.Path(), name);
    EXPECT_EQ(name, QStringLiteral("English"));
    EXPECT_EQ(texts[0], QStringLiteral("Start"));
    EXPECT_EQ(texts[1], QStringLiteral("Step 1"));
}

TEST(LangTexts, ShippedEnglishFileReproducesTheDefaults)
{
    const std::filesystem::path shipped =
        std::filesystem::path(TRELVADOR_SOURCE_DIR) / "resources/LANGUAGE/English.lng";
    const TLang_Texts defaults = Defaults();

    // The file is the defaults written out: a mark, then one line per worded
    // entry, with pilcrows around texts that begin or end with a blank.
    String expected;
    for (int32_t index = 0; index < defaults.Num_Lang_Texts(); ++index) {
        const String& text = defaults[index];
        if (text == QStringLiteral(" ")) continue;
        const bool quoted = text.front() == u' ' || text.back() == u' ';
        const String pilcrow = quoted ? String(QChar(0x00B6)) : String();
        expected += QStringLiteral("STR") + String::number(index) + QStringLiteral(" = ") + pilcrow + text + pilcrow + QStringLiteral("\r\n");
    }
    std::ifstream file(shipped, std::ios::binary);
    ASSERT_TRUE(file.good()) << shipped;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "\xEF\xBB\xBF" + expected.toStdString());

    TLang_Texts texts;
    texts.Load_Default_Texts();
    for (int32_t index = 0; index < texts.Num_Lang_Texts(); ++index)
        if (texts[index] != QStringLiteral(" ")) texts.Read_Lang_Text(QStringLiteral("STR%1 = changed").arg(index));
    ASSERT_TRUE(texts.Read_Lang_File(String::fromStdString(shipped.string())));
    for (int32_t index = 0; index < texts.Num_Lang_Texts(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(texts[index], defaults[index]);
    }
}
