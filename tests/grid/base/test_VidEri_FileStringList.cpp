#include "grid/base/VidEri_FileStringList.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(FileStringList, WritesCollectOnePendingLineThatWriteLnEnds)
{
    TFileStringList list;
    list.Write(QStringLiteral("a"));
    list.Write(QStringLiteral("b"));
    EXPECT_EQ(list.Count(), 0);
    list.WriteLn(QStringLiteral("c"));
    list.WriteLn(QStringLiteral("second"));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(0), "abc");
    EXPECT_EQ(list.Strings(1), "second");

    // Reset drops text not yet ended by a line.
    list.Write(QStringLiteral("lost"));
    list.Reset();
    list.WriteLn(QStringLiteral("kept"));
    EXPECT_EQ(list.Strings(2), "kept");
}

TEST(FileStringList, SavedLinesReadBackInOrderUntilEof)
{
    QTemporaryDir folder;
    const String fileName = folder.filePath(QStringLiteral("cells.txt"));
    TFileStringList writer;
    const String lines[] = { QStringLiteral("1;2;3"), QString(), QStringLiteral("Grüße \"quoted\"") };
    for (const String& line : lines)
        writer.WriteLn(line);
    writer.SaveToFile(fileName, TTextEncoding::Utf8);

    TFileStringList reader;
    reader.LoadFromFile(fileName);
    reader.Reset();
    for (const String& line : lines) {
        SCOPED_TRACE(line.toStdString());
        ASSERT_FALSE(reader.Eof());
        String read;
        reader.ReadLn(read);
        EXPECT_EQ(read, line);
    }
    EXPECT_TRUE(reader.Eof());

    // Reading past the end is the list's index error, and the position stays.
    String past = QStringLiteral("untouched");
    EXPECT_THROW(reader.ReadLn(past), EStringListError);
    EXPECT_EQ(past, "untouched");
    EXPECT_TRUE(reader.Eof());
    reader.Reset();
    EXPECT_FALSE(reader.Eof());
}

TEST(FileStringList, AMissingOrBrokenFileRaisesAndKeepsTheLines)
{
    QTemporaryDir folder;
    TFileStringList list;
    list.WriteLn(QStringLiteral("before"));
    EXPECT_THROW(list.LoadFromFile(folder.filePath(QStringLiteral("missing.txt"))), Exception);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Strings(0), "before");

    const String broken = folder.filePath(QStringLiteral("broken.txt"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF" "ok\n\xC3(\n");
    file.close();
    EXPECT_THROW(list.LoadFromFile(broken), EConvertError);
    EXPECT_EQ(list.Count(), 1);
}
