#include "platform/core/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace {

bool LessNoCase(const String& left, const String& right)
{
    const int result = String::compare(left, right, Qt::CaseInsensitive);
    return result != 0 ? result < 0 : left < right;
}

std::vector<String> ListEntries(const String& folder, QDir::Filters filters, const String& mask)
{
    std::vector<String> names;
    const QDir directory(folder);
    for (const QString& name : directory.entryList(filters | QDir::NoDotAndDotDot, QDir::NoSort)) {
        if (name.startsWith(u'.')) continue;
        if (!mask.isEmpty() && !MatchesMask(name, mask)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

bool MatchFrom(const String& name, qsizetype namePos, const String& mask, qsizetype maskPos)
{
    // Iterative wildcard match with one back-tracking point for the last '*'.
    qsizetype starMask = -1;
    qsizetype starName = 0;
    while (namePos < name.size()) {
        if (maskPos < mask.size() && mask[maskPos] == u'*') {
            starMask = maskPos++;
            starName = namePos;
        } else if (maskPos < mask.size()
                   && (mask[maskPos] == u'?' || name[namePos].toCaseFolded() == mask[maskPos].toCaseFolded())) {
            ++namePos;
            ++maskPos;
        } else if (starMask >= 0) {
            maskPos = starMask + 1;
            namePos = ++starName;
        } else {
            return false;
        }
    }
    while (maskPos < mask.size() && mask[maskPos] == u'*') ++maskPos;
    return maskPos == mask.size();
}

} // namespace

bool FileExists(const String& fileName)
{
    const QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}

bool DirectoryExists(const String& directory) { return !directory.isEmpty() && QFileInfo(directory).isDir(); }

bool CreateDir(const String& directory)
{
    if (directory.isEmpty() || QFileInfo::exists(directory)) return false;
    return QDir().mkdir(directory);
}

bool ForceDirectories(const String& directory)
{
    if (directory.isEmpty()) return false;
    return QDir().mkpath(directory) && DirectoryExists(directory);
}

bool DeleteFile(const String& fileName) { return FileExists(fileName) && QFile::remove(fileName); }

String ExtractFilePath(const String& fileName) { return fileName.left(fileName.lastIndexOf(u'/') + 1); }

String ExtractFileName(const String& fileName) { return fileName.mid(fileName.lastIndexOf(u'/') + 1); }

String ExtractFileExt(const String& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > fileName.lastIndexOf(u'/') ? fileName.mid(dot) : String();
}

String ChangeFileExt(const String& fileName, const String& extension)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const qsizetype stem = dot > fileName.lastIndexOf(u'/') ? dot : fileName.size();
    return fileName.left(stem) + extension;
}

String IncludeTrailingPathDelimiter(const String& path) { return path.endsWith(u'/') ? path : path + u'/'; }

String ExcludeTrailingPathDelimiter(const String& path)
{
    return path.endsWith(u'/') && path.size() > 1 ? path.left(path.size() - 1) : path;
}

String FindNameNoCase(const String& folder, const String& name)
{
    if (name.isEmpty() || name.contains(u'/')) return {};
    if (QFileInfo::exists(IncludeTrailingPathDelimiter(folder) + name)) return name;
    String best;
    const QDir directory(folder);
    for (const QString& entry : directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort)) {
        if (String::compare(entry, name, Qt::CaseInsensitive) != 0) continue;
        if (best.isEmpty() || LessNoCase(entry, best)) best = entry;
    }
    return best;
}

String ResolvePathNoCase(const String& folder, const String& name)
{
    const String found = FindNameNoCase(folder, name);
    return IncludeTrailingPathDelimiter(folder) + (found.isEmpty() ? name : found);
}

bool MatchesMask(const String& name, const String& mask) { return MatchFrom(name, 0, mask, 0); }

std::vector<String> ListSubFolders(const String& folder) { return ListEntries(folder, QDir::Dirs, String()); }

std::vector<String> ListFiles(const String& folder, const String& mask)
{
    return ListEntries(folder, QDir::Files, mask.isEmpty() ? QStringLiteral("*") : mask);
}

TBytes ReadFileBytes(const String& fileName)
{
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Cannot read file \"%1\": %2").arg(fileName, file.errorString()));
    return TBytes(content.begin(), content.end());
}

TBytes ReadRegularFileBytes(const String& fileName, size_t limit)
{
    struct stat status {};
    const QByteArray path = QFile::encodeName(fileName);
    if (::stat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\": not a regular file").arg(fileName));
    if (static_cast<uint64_t>(status.st_size) > limit)
        throw EInOutError(QStringLiteral("Cannot read file \"%1\": larger than %2 bytes").arg(fileName).arg(limit));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
    // The file may grow between the look and the read.
    const QByteArray content = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Cannot read file \"%1\": %2").arg(fileName, file.errorString()));
    if (static_cast<size_t>(content.size()) > limit)
        throw EInOutError(QStringLiteral("Cannot read file \"%1\": larger than %2 bytes").arg(fileName).arg(limit));
    return TBytes(content.begin(), content.end());
}

namespace {

// Writes the file through a temporary file beside it: whether it failed, at
// which step, and the system's reason.
struct TWrite_Failure {
    bool Failed = false;
    bool Created = true;
    String Reason;
};

TWrite_Failure TryWriteFileAtomic(const String& fileName, const uint8_t* data, size_t size)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return { true, false, file.errorString() };
    const auto length = static_cast<qint64>(size);
    if (file.write(reinterpret_cast<const char*>(data), length) != length) {
        const String reason = file.errorString();
        file.cancelWriting();
        return { true, true, reason };
    }
    if (!file.commit())
        return { true, true, file.errorString() };
    return {};
}

// The system's reason of a failed rename, or an empty text.
String Rename(const String& from, const String& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return String::fromLocal8Bit(std::strerror(errno));
}

} // namespace

void WriteFileAtomic(const String& fileName, const uint8_t* data, size_t size)
{
    const TWrite_Failure failure = TryWriteFileAtomic(fileName, data, size);
    if (!failure.Created)
        throw EInOutError(QStringLiteral("Cannot create file \"%1\": %2").arg(fileName, failure.Reason));
    if (failure.Failed)
        throw EInOutError(QStringLiteral("Cannot write file \"%1\": %2").arg(fileName, failure.Reason));
}

void WriteFilesAtomic(const std::vector<TFileContent>& files)
{
    const auto temporary = [](const TFileContent& file) { return file.FileName + QStringLiteral(".new"); };
    const auto previous = [](const TFileContent& file) { return file.FileName + QStringLiteral(".old"); };
    size_t written = 0;
    size_t setAside = 0;
    size_t placed = 0;
    std::vector<bool> existed(files.size(), false);
    // Puts every old file back and removes every new one.
    const auto rollBack = [&] {
        for (size_t index = 0; index < placed; ++index)
            QFile::remove(files[index].FileName);
        for (size_t index = 0; index < setAside; ++index)
            if (existed[index])
                Rename(previous(files[index]), files[index].FileName);
        for (size_t index = 0; index < written; ++index)
            QFile::remove(temporary(files[index]));
    };
    const auto fail = [&](const TFileContent& file, const String& reason) {
        rollBack();
        throw EInOutError(QStringLiteral("Cannot write file \"%1\": %2").arg(file.FileName, reason));
    };
    for (const TFileContent& file : files) {
        const TWrite_Failure failure = TryWriteFileAtomic(temporary(file), file.Bytes.data(), file.Bytes.size());
        if (failure.Failed)
            fail(file, failure.Reason);
        ++written;
    }
    for (const TFileContent& file : files) {
        existed[setAside] = QFileInfo::exists(file.FileName);
        if (existed[setAside])
            if (const String reason = Rename(file.FileName, previous(file)); !reason.isEmpty())
                fail(file, reason);
        ++setAside;
    }
    for (const TFileContent& file : files) {
        if (const String reason = Rename(temporary(file), file.FileName); !reason.isEmpty())
            fail(file, reason);
        ++placed;
    }
    for (size_t index = 0; index < files.size(); ++index)
        if (existed[index])
            QFile::remove(previous(files[index]));
}
