#include "platform/core/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

void WriteText(const String& fileName, const char* text)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

String Joined(const std::vector<String>& names) { return QStringList(names.begin(), names.end()).join(u'|'); }

} // namespace

TEST(FileUtils, PathPartsSplitAtTheLastSeparator)
{
    struct Case {
        const char* path;
        const char* filePath;
        const char* fileName;
        const char* extension;
        const char* changed;
    };
    const Case cases[] = {
        { "/a/b/c.xml", "/a/b/", "c.xml", ".xml", "/a/b/c.bin" },
        { "/a/b.d/c", "/a/b.d/", "c", "", "/a/b.d/c.bin" },
        { "c.tar.gz", "", "c.tar.gz", ".gz", "c.tar.bin" },
        { "/a/", "/a/", "", "", "/a/.bin" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.path);
        EXPECT_EQ(ExtractFilePath(testCase.path), testCase.filePath);
        EXPECT_EQ(ExtractFileName(testCase.path), testCase.fileName);
        EXPECT_EQ(ExtractFileExt(testCase.path), testCase.extension);
        EXPECT_EQ(ChangeFileExt(testCase.path, ".bin"), testCase.changed);
    }
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
}

TEST(FileUtils, FoldersAreCreatedOneOrAllLevels)
{
    QTemporaryDir temp;
    const String root = temp.path();
    EXPECT_FALSE(CreateDir(root + "/x/y"));
    EXPECT_TRUE(CreateDir(root + "/x"));
    EXPECT_FALSE(CreateDir(root + "/x"));
    EXPECT_TRUE(ForceDirectories(root + "/p/q/r"));
    EXPECT_TRUE(DirectoryExists(root + "/p/q/r"));
    EXPECT_FALSE(FileExists(root + "/p/q/r"));
    WriteText(root + "/file", "x");
    EXPECT_TRUE(FileExists(root + "/file"));
    EXPECT_FALSE(DirectoryExists(root + "/file"));
    EXPECT_FALSE(ForceDirectories(root + "/file/sub"));
}

TEST(FileUtils, NamesAreFoundWithoutCase)
{
    QTemporaryDir temp;
    const String root = temp.path();
    WriteText(root + "/English.LNG", "x");
    ASSERT_TRUE(CreateDir(root + "/Proj"));
    struct Case {
        const char* asked;
        const char* found;
    };
    const Case cases[] = {
        { "english.lng", "English.LNG" },
        { "English.LNG", "English.LNG" },
        { "PROJ", "Proj" },
        { "missing", "" },
        { "", "" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.asked);
        EXPECT_EQ(FindNameNoCase(root, testCase.asked), testCase.found);
    }
    EXPECT_EQ(ResolvePathNoCase(root, "proj"), root + "/Proj");
    EXPECT_EQ(ResolvePathNoCase(root + "/", "New"), root + "/New");
}

TEST(FileUtils, ListingsSkipHiddenEntriesAndSortWithoutCase)
{
    QTemporaryDir temp;
    const String root = temp.path();
    for (const char* folder : { "beta", "Alpha", ".hidden", "gamma" }) ASSERT_TRUE(CreateDir(root + "/" + folder));
    for (const char* file : { "b.lng", "A.LNG", ".x.lng", "c.txt" }) WriteText(root + "/" + file, "x");
    EXPECT_EQ(Joined(ListSubFolders(root)), "Alpha|beta|gamma");
    EXPECT_EQ(Joined(ListFiles(root, "*.lng")), "A.LNG|b.lng");
    EXPECT_EQ(Joined(ListFiles(root, "?.t*")), "c.txt");
    EXPECT_TRUE(ListSubFolders(root + "/absent").empty());
}

TEST(FileUtils, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/data.bin";
    WriteText(fileName, "old content");
    const TBytes bytes = { 0x00, 0xFF, 0x10, 0x0D, 0x0A };
    WriteFileAtomic(fileName, bytes);
    EXPECT_EQ(ReadFileBytes(fileName), bytes);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "data.bin" });
}

TEST(FileUtils, AtomicWriteReplacesTheFileInsteadOfRewritingIt)
{
    // A second name for the old file sees the old bytes only when the new
    // content went into a file of its own, which was then renamed over it.
    QTemporaryDir temp;
    const String fileName = temp.path() + "/data.bin";
    WriteText(fileName, "old content");
    std::filesystem::create_hard_link(fileName.toStdString(), (temp.path() + "/second.bin").toStdString());
    WriteFileAtomic(fileName, TBytes { 'n', 'e', 'w' });
    EXPECT_EQ(ReadFileBytes(fileName), (TBytes { 'n', 'e', 'w' }));
    const TBytes old = ReadFileBytes(temp.path() + "/second.bin");
    EXPECT_EQ(std::string(old.begin(), old.end()), "old content");
}

TEST(FileUtils, AtomicWriteKeepsTheFilesModeAndItsLink)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/data.bin";
    const String link = temp.path() + "/link.bin";
    WriteText(fileName, "old content");
    ASSERT_TRUE(QFile::setPermissions(fileName, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    std::filesystem::create_symlink("data.bin", link.toStdString());
    WriteFileAtomic(link, TBytes { 'n', 'e', 'w' });
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFileBytes(fileName), (TBytes { 'n', 'e', 'w' }));
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(fileName.toStdString()).permissions(), perms::owner_read | perms::owner_write | perms::group_read);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

TEST(FileUtils, FailuresNameTheFileAndKeepTheOldContent)
{
    QTemporaryDir temp;
    EXPECT_THROW(ReadFileBytes(temp.path() + "/absent"), EInOutError);
    EXPECT_THROW(ReadFileBytes(temp.path()), EInOutError);
    struct Case {
        const char* name;
        String fileName;
        bool exists;
    };
    // The temporary file beside a name of 250 characters would exceed the
    // longest name a folder can hold, so the write fails after the target exists.
    const Case cases[] = {
        { "missing folder", temp.path() + "/no/such/folder/f", false },
        { "no room for the temporary name", temp.path() + u'/' + String(250, u'n'), true },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        if (testCase.exists) WriteText(testCase.fileName, "old content");
        try {
            WriteFileAtomic(testCase.fileName, TBytes { 1 });
            ADD_FAILURE() << "no exception";
        } catch (const EInOutError& error) {
            EXPECT_TRUE(error.Message().contains(ExtractFileName(testCase.fileName))) << error.what();
        }
        if (testCase.exists) {
            const TBytes kept = ReadFileBytes(testCase.fileName);
            EXPECT_EQ(std::string(kept.begin(), kept.end()), "old content");
        }
    }
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(FileUtils, ReadsOnlyRegularFilesWithinTheLimit)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/data.bin";
    WriteText(fileName, "12345");
    EXPECT_EQ(ReadRegularFileBytes(fileName, 5), (TBytes { '1', '2', '3', '4', '5' }));
    const String refused[] = { temp.path(), "/dev/zero", temp.path() + "/absent" };
    for (const String& name : refused)
        EXPECT_THROW(ReadRegularFileBytes(name, 100), EInOutError) << name.toStdString();
    EXPECT_THROW(ReadRegularFileBytes(fileName, 4), EInOutError);
}
