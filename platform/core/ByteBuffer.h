#pragma once

#include "platform/core/SysUtils.h"

#include <cstddef>

// A byte image written at offsets, little-endian. A fixed buffer refuses any
// write past its capacity with ERangeError (the image would not fit); a
// growing one extends, filling the gap with the fill byte. Length is one past
// the highest byte written.
class TByteBuffer {
public:
    static TByteBuffer Fixed(size_t capacity, uint8_t fill = 0) { return TByteBuffer(capacity, false, fill); }
    static TByteBuffer Growing(uint8_t fill = 0) { return TByteBuffer(0, true, fill); }

    void WriteU8(size_t offset, uint8_t value);
    void WriteU16(size_t offset, uint16_t value);
    void WriteU32(size_t offset, uint32_t value);
    void WriteBytes(size_t offset, const uint8_t* data, size_t size);
    // Makes room for size bytes at offset and answers where they go, for a
    // writer that lays out a large record in place.
    uint8_t* WriteSpan(size_t offset, size_t size) { return Reserve(offset, size); }

    uint8_t ReadU8(size_t offset) const;
    uint16_t ReadU16(size_t offset) const;
    uint32_t ReadU32(size_t offset) const;

    bool IsGrowing() const { return FGrowing; }
    size_t Capacity() const { return FBytes.size(); }
    size_t Length() const { return FLength; }
    // The bytes up to Length, or the whole capacity.
    TBytes Bytes() const { return TBytes(FBytes.begin(), FBytes.begin() + static_cast<ptrdiff_t>(FLength)); }
    const TBytes& All() const { return FBytes; }
    // The bytes up to Length, moved out rather than copied; the buffer is
    // left empty.
    TBytes TakeBytes();

private:
    TByteBuffer(size_t capacity, bool growing, uint8_t fill) : FBytes(capacity, fill), FFill(fill), FGrowing(growing) { }

    uint8_t* Reserve(size_t offset, size_t size);
    void CheckRead(size_t offset, size_t size) const;

    TBytes FBytes;
    size_t FLength = 0;
    uint8_t FFill = 0;
    bool FGrowing = false;
};
