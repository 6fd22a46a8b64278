#pragma once

#include "platform/core/SysUtils.h"

#include <cstdint>
#include <memory>

class QFile;

class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFileStreamError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EFileStreamError {
public:
    using EFileStreamError::EFileStreamError;
};
class EFCreateError : public EFileStreamError {
public:
    using EFileStreamError::EFileStreamError;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position. Read and Write move as far as they
// can and say how far; ReadBuffer and WriteBuffer move the whole count or
// raise. A position past the end is allowed: writing there fills the gap
// with zero bytes. A position before the start raises EStreamError.
class TStream {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // The new position from the origin.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t Size() const = 0;
    // Cuts or extends (with zero bytes); the position stays unless it was past the new end.
    virtual void SetSize(int64_t size) = 0;
    virtual int64_t Position() const = 0;
    void SetPosition(int64_t position) { Seek(position, soBeginning); }

    // EReadError when fewer than count bytes are left.
    void ReadBuffer(void* buffer, int64_t count);
    // EWriteError when not all bytes could be written.
    void WriteBuffer(const void* buffer, int64_t count);
    void WriteBuffer(const TBytes& bytes) { WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size())); }
    // Copies count bytes from source's position; count 0 copies the whole
    // source from its start. EReadError when the source holds fewer.
    int64_t CopyFrom(TStream& source, int64_t count);

protected:
    // The position a seek lands on; EStreamError before the start.
    static int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size);
};

// Bytes in memory.
class TMemoryStream : public TStream {
public:
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override { return static_cast<int64_t>(FBytes.size()); }
    void SetSize(int64_t size) override;
    int64_t Position() const override { return FPosition; }

    const TBytes& Bytes() const { return FBytes; }
    const uint8_t* Memory() const { return FBytes.data(); }
    void Clear();
    // Replaces the content by the source's, from its start; the position is 0 after.
    void LoadFromStream(TStream& source);
    void LoadFromFile(const String& fileName);
    // Writes the whole content, whatever the position.
    void SaveToStream(TStream& target) const;
    // Written whole and atomically (EInOutError naming the file when it fails).
    void SaveToFile(const String& fileName) const;

private:
    TBytes FBytes;
    int64_t FPosition = 0;
};

// The open modes; fmCreate makes the file or empties an existing one. The
// share modes are accepted and have no effect: files are not locked here.
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyNone = 0x0040;

// A file opened for the stream's lifetime. Writes go straight into the file
// (use TMemoryStream::SaveToFile to replace a file atomically). EFOpenError
// or EFCreateError naming the file when it cannot be opened.
class TFileStream : public TStream {
public:
    TFileStream(const String& fileName, uint16_t mode);
    ~TFileStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override;
    void SetSize(int64_t size) override;
    int64_t Position() const override;

    const String& FileName() const { return FFileName; }

private:
    String FFileName;
    std::unique_ptr<QFile> FFile;
    bool FWriteOnly = false;
};
