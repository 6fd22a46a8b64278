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
