#include "platform/core/Streams.h"

#include "platform/core/FileUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count > 0 && Read(buffer, count) != count) throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count > 0 && Write(buffer, count) != count) throw EWriteError(QStringLiteral("Stream write error"));
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr int64_t ChunkSize = 64 * 1024;
    TBytes chunk(static_cast<size_t>(std::min(count, ChunkSize)));
    for (int64_t left = count; left > 0;) {
        const int64_t part = std::min(left, ChunkSize);
        source.ReadBuffer(chunk.data(), part);
        WriteBuffer(chunk.data(), part);
        left -= part;
    }
    return count;
}

int64_t TStream::SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size)
{
    const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position : size;
    const int64_t target = base + offset;
    if (target < 0) throw EStreamError(QStringLiteral("Cannot seek to %1, before the start of the stream").arg(target));
    return target;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    const int64_t available = std::max<int64_t>(0, Size() - FPosition);
    const int64_t length = std::clamp<int64_t>(count, 0, available);
    if (length > 0) std::memcpy(buffer, FBytes.data() + FPosition, static_cast<size_t>(length));
    FPosition += length;
    return length;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0) return 0;
    if (FPosition + count > Size()) FBytes.resize(static_cast<size_t>(FPosition + count));
    std::memcpy(FBytes.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    FPosition = SeekTarget(offset, origin, FPosition, Size());
    return FPosition;
}

void TMemoryStream::SetSize(int64_t size)
{
    if (size < 0) throw EStreamError(QStringLiteral("A stream cannot have a negative size"));
    FBytes.resize(static_cast<size_t>(size));
    FPosition = std::min(FPosition, size);
}

void TMemoryStream::Clear()
{
    FBytes.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source)
{
    source.SetPosition(0);
    TBytes bytes(static_cast<size_t>(source.Size()));
    source.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    FBytes = std::move(bytes);
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& fileName)
{
    FBytes = ReadFileBytes(fileName);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& target) const { target.WriteBuffer(FBytes); }

void TMemoryStream::SaveToFile(const String& fileName) const { WriteFileAtomic(fileName, FBytes); }

TFileStream::TFileStream(const String& fileName, uint16_t mode)
    : FFileName(fileName), FFile(std::make_unique<QFile>(fileName)), FWriteOnly((mode & 0x3) == fmOpenWrite)
{
    if (mode == fmCreate) {
        if (QFileInfo(fileName).isDir() || !FFile->open(QIODevice::ReadWrite | QIODevice::Truncate))
            throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, FFile->errorString()));
        return;
    }
    QIODevice::OpenMode openMode = QIODevice::ReadOnly;
    // Qt empties a file opened write-only, so such a stream opens it for
    // both and refuses reads itself.
    if ((mode & 0x3) == fmOpenWrite) openMode = QIODevice::ReadWrite | QIODevice::ExistingOnly;
    if ((mode & 0x3) == fmOpenReadWrite) openMode = QIODevice::ReadWrite | QIODevice::ExistingOnly;
    if (QFileInfo(fileName).isDir() || !FFile->open(openMode))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, FFile->errorString()));
}

TFileStream::~TFileStream() = default;

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    if (count <= 0 || FWriteOnly) return 0;
    return std::max<int64_t>(0, FFile->read(static_cast<char*>(buffer), count));
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0) return 0;
    return std::max<int64_t>(0, FFile->write(static_cast<const char*>(buffer), count));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int64_t target = SeekTarget(offset, origin, Position(), Size());
    if (!FFile->seek(target)) throw EStreamError(QStringLiteral("Cannot seek in file \"%1\". %2").arg(FFileName, FFile->errorString()));
    return target;
}

int64_t TFileStream::Size() const { return FFile->size(); }

void TFileStream::SetSize(int64_t size)
{
    if (size < 0 || !FFile->resize(size))
        throw EStreamError(QStringLiteral("Cannot set the size of file \"%1\". %2").arg(FFileName, FFile->errorString()));
}

int64_t TFileStream::Position() const { return FFile->pos(); }
