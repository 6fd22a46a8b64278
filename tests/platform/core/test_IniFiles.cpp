#include "platform/core/IniFiles.h"

#include "platform/core/FileUtils.h"
#include "platform/core/StringList.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

String FileText(const String& fileName)
{
    const TBytes bytes = ReadFileBytes(fileName);
    return String::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void WriteText(const String& fileName, const char* text)
{
    const std::string content(text);
    WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(content.data()), content.size());
}

} // namespace

TEST(IniFiles, RoundTripKeepsOrderCommentsAndValuesAsWritten)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/grid.ini";
    WriteText(fileName, "; layout\r\n[Zeta]\r\nCol1 = 120\r\nCol0=64\r\n\r\n[Alpha]\nName=a \"quoted\" \\n text\n");
    {
        TMemIniFile ini(fileName);
        EXPECT_EQ(ini.ReadInteger("zeta", "COL1", -1), 120);
        EXPECT_EQ(ini.ReadString("Alpha", "Name", ""), "a \"quoted\" \\n text");
        ini.WriteInteger("Zeta", "Col2", 7);
        ini.WriteString("New", "Key", "v");
        ini.WriteBool("Alpha", "On", true);
        ini.UpdateFile();
    }
    EXPECT_EQ(FileText(fileName), "; layout\r\n[Zeta]\r\nCol1=120\r\nCol0=64\r\nCol2=7\r\n\r\n[Alpha]\r\n"
                                  "Name=a \"quoted\" \\n text\r\nOn=1\r\n[New]\r\nKey=v\r\n");
    TMemIniFile again(fileName);
    TStringList sections;
    again.ReadSections(sections);
    EXPECT_EQ(sections.CommaText(), "Zeta,Alpha,New");
    TStringList idents;
    again.ReadSection("Zeta", idents);
    EXPECT_EQ(idents.CommaText(), "Col1,Col0,Col2");
    EXPECT_TRUE(again.ReadBool("Alpha", "On", false));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "grid.ini" });
}

TEST(IniFiles, ReadsTheFileInTheEncodingItIsWrittenIn)
{
    struct TCase {
        const char* Name;
        std::string Bytes;
    };
    // "[Name]" then "Unit=Crême" in each encoding.
    const TCase cases[] = {
        { "UTF-8", "[Name]\r\nUnit=Cr\xC3\xAAme\r\n" },
        { "UTF-8 with mark", "\xEF\xBB\xBF[Name]\r\nUnit=Cr\xC3\xAAme\r\n" },
        { "Windows-1252", "[Name]\r\nUnit=Cr\xEAme\r\n" },
        { "UTF-16LE", std::string("\xFF\xFE[\0N\0a\0m\0e\0]\0\r\0\n\0U\0n\0i\0t\0=\0C\0r\0\xEA\0m\0e\0", 38) },
    };
    QTemporaryDir temp;
    const String fileName = temp.path() + "/encoded.ini";
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(testCase.Bytes.data()), testCase.Bytes.size());
        TMemIniFile ini(fileName);
        EXPECT_EQ(ini.ReadString("Name", "Unit", ""), QStringLiteral("Cr\u00EAme"));
        TStringList sections;
        ini.ReadSections(sections);
        EXPECT_EQ(sections.CommaText(), "Name");
    }

    // A mark the bytes then break is refused, and the file stays as it was.
    const std::string broken = "\xEF\xBB\xBF[Name]\r\nUnit=Cr\xEAme\r\n";
    WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(broken.data()), broken.size());
    EXPECT_THROW(TMemIniFile { fileName }, EConvertError);
    const TBytes kept = ReadFileBytes(fileName);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), broken);
}

TEST(IniFiles, MissingEntriesGiveTheDefault)
{
    QTemporaryDir temp;
    TMemIniFile ini(temp.path() + "/absent.ini");
    ini.WriteString("S", "Text", "abc");
    ini.WriteString("S", "Empty", "");
    EXPECT_EQ(ini.ReadInteger("S", "Text", -1), -1);
    EXPECT_EQ(ini.ReadString("S", "Empty", "default"), "");
    EXPECT_EQ(ini.ReadString("S", "Missing", "default"), "default");
    EXPECT_TRUE(ini.ValueExists("s", "empty"));
    ini.DeleteKey("S", "Empty");
    EXPECT_FALSE(ini.ValueExists("S", "Empty"));
    ini.EraseSection("s");
    EXPECT_FALSE(ini.SectionExists("S"));
    EXPECT_FALSE(FileExists(temp.path() + "/absent.ini"));
}

TEST(IniFiles, RefusesWhatCouldNotBeReadBack)
{
    TMemIniFile ini(String {});
    EXPECT_THROW(ini.WriteString("S", "a=b", "v"), EConvertError);
    EXPECT_THROW(ini.WriteString("S", "", "v"), EConvertError);
    EXPECT_THROW(ini.WriteString("S", "k", "line\nbreak"), EConvertError);
    EXPECT_THROW(ini.WriteString("S]", "k", "v"), EConvertError);
    EXPECT_FALSE(ini.SectionExists("S"));
}

TEST(IniFiles, RepeatedSectionContinuesTheFirst)
{
    TMemIniFile ini(String {});
    TStringList lines;
    lines.SetText("[A]\nx=1\n[B]\nz=0\n[a]\ny=2\n");
    ini.SetStrings(lines);
    EXPECT_EQ(ini.ReadString("A", "x", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "y", ""), "2");
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.CommaText(), "A,B");
    ini.WriteString("A", "y", "3");
    TStringList values;
    ini.ReadSectionValues("A", values);
    EXPECT_EQ(values.CommaText(), "x=1,y=3");
    ini.EraseSection("A");
    EXPECT_FALSE(ini.SectionExists("a"));
    EXPECT_EQ(ini.ReadString("B", "z", ""), "0");
}

TEST(IniFiles, IniFileWritesThroughAtOnce)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/direct.ini";
    TIniFile ini(fileName);
    ini.WriteInteger("Layout", "Col0", 64);
    EXPECT_EQ(FileText(fileName), "[Layout]\r\nCol0=64\r\n");
}
