#include "platform/core/ByteBuffer.h"

#include <algorithm>
#include <cstring>

uint8_t* TByteBuffer::Reserve(size_t offset, size_t size)
{
    if (offset > SIZE_MAX - size) throw ERangeError(QStringLiteral("Offset %1 is out of range").arg(offset));
    const size_t end = offset + size;
    if (end > FBytes.size()) {
        if (!FGrowing)
            throw ERangeError(QStringLiteral("Writing %1 bytes at offset %2 exceeds the capacity of %3 bytes")
                                  .arg(size)
                                  .arg(offset)
                                  .arg(FBytes.size()));
        FBytes.resize(std::max(end, FBytes.size() * 2), FFill);
    }
    FLength = std::max(FLength, end);
    return FBytes.data() + offset;
}

TBytes TByteBuffer::TakeBytes()
{
    FBytes.resize(FLength);
    FLength = 0;
    return std::move(FBytes);
}

void TByteBuffer::CheckRead(size_t offset, size_t size) const
{
    if (offset > FBytes.size() || size > FBytes.size() - offset)
        throw ERangeError(QStringLiteral("Reading %1 bytes at offset %2 is past the end").arg(size).arg(offset));
}

void TByteBuffer::WriteU8(size_t offset, uint8_t value) { *Reserve(offset, 1) = value; }

void TByteBuffer::WriteU16(size_t offset, uint16_t value)
{
    uint8_t* target = Reserve(offset, 2);
    target[0] = static_cast<uint8_t>(value);
    target[1] = static_cast<uint8_t>(value >> 8);
}

void TByteBuffer::WriteU32(size_t offset, uint32_t value)
{
    uint8_t* target = Reserve(offset, 4);
    for (int shift = 0; shift < 32; shift += 8) *target++ = static_cast<uint8_t>(value >> shift);
}

void TByteBuffer::WriteBytes(size_t offset, const uint8_t* data, size_t size)
{
    if (size == 0) return;
    std::memcpy(Reserve(offset, size), data, size);
}

uint8_t TByteBuffer::ReadU8(size_t offset) const
{
    CheckRead(offset, 1);
    return FBytes[offset];
}

uint16_t TByteBuffer::ReadU16(size_t offset) const
{
    CheckRead(offset, 2);
    return static_cast<uint16_t>(FBytes[offset] | (FBytes[offset + 1] << 8));
}

uint32_t TByteBuffer::ReadU32(size_t offset) const
{
    CheckRead(offset, 4);
    uint32_t value = 0;
    for (int index = 3; index >= 0; --index) value = (value << 8) | FBytes[offset + static_cast<size_t>(index)];
    return value;
}
