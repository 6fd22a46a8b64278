#include "platform/core/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

String SystemReason(int error) { return String::fromLocal8Bit(std::strerror(error)); }

// A new name beside path that no other writer uses: the process, a count and
// the clock, tried again while the name is taken.
int CreateBeside(const QByteArray& path, QByteArray& temporary)
{
    static std::atomic<uint32_t> count { 0 };
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto clock = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        temporary = path + '.' + QByteArray::number(static_cast<qulonglong>(::getpid()), 36) + '.'
            + QByteArray::number(count++, 36) + QByteArray::number(static_cast<qulonglong>(clock & 0xFFFFF), 36);
        const int handle = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle >= 0 || errno != EEXIST)
            return handle;
    }
    return -1;
}

bool WriteAll(int handle, const uint8_t* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(handle, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// The new content goes whole into a file of its own beside the old one and
// reaches the disk (fdatasync) before the rename puts it in the old one's
// place: after a crash the name holds the old content or the new, never a
// part. The folder is not synced: a rename lost in a crash leaves the old
// file, which is one of the two allowed outcomes.
TWrite_Failure TryWriteFileAtomic(const String& fileName, const uint8_t* data, size_t size)
{
    QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    bool existed = ::lstat(path.constData(), &status) == 0;
    // A link stays a link: the file it points to gets the new content.
    if (existed && S_ISLNK(status.st_mode)) {
        const String target = QFileInfo(fileName).canonicalFilePath();
        if (!target.isEmpty())
            path = QFile::encodeName(target);
        existed = ::stat(path.constData(), &status) == 0;
    }
    if (existed && ::access(path.constData(), W_OK) != 0)
        return { true, false, SystemReason(errno) };
    QByteArray temporary;
    const int handle = CreateBeside(path, temporary);
    if (handle < 0)
        return { true, false, SystemReason(errno) };
    const auto fail = [&](int error) {
        ::close(handle);
        ::unlink(temporary.constData());
        return TWrite_Failure { true, true, SystemReason(error) };
    };
    if (existed && ::fchmod(handle, status.st_mode & 07777) != 0)
        return fail(errno);
    if (!WriteAll(handle, data, size))
        return fail(errno);
    if (::fdatasync(handle) != 0)
        return fail(errno);
    if (::close(handle) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return { true, true, SystemReason(error) };
    }
    if (::rename(temporary.constData(), path.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return { true, true, SystemReason(error) };
    }
    return {};
}

// The system's reason of a failed rename, or an empty text.
String Rename(const String& from, const String& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return SystemReason(errno);
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
