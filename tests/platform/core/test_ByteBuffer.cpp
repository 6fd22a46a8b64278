#include "platform/core/ByteBuffer.h"

#include <gtest/gtest.h>

TEST(ByteBuffer, WritesLittleEndianAtOffsets)
{
    TByteBuffer buffer = TByteBuffer::Fixed(8, 0xFF);
    buffer.WriteU32(0, 0x12345678);
    buffer.WriteU16(4, 0xABCD);
    buffer.WriteU8(6, 0x01);
    EXPECT_EQ(buffer.All(), (TBytes { 0x78, 0x56, 0x34, 0x12, 0xCD, 0xAB, 0x01, 0xFF }));
    EXPECT_EQ(buffer.Length(), 7u);
    EXPECT_EQ(buffer.ReadU32(0), 0x12345678u);
    EXPECT_EQ(buffer.ReadU16(4), 0xABCDu);
}

TEST(ByteBuffer, FixedCapacityRefusesOverrunAndKeepsContent)
{
    TByteBuffer buffer = TByteBuffer::Fixed(4);
    buffer.WriteU16(2, 0xBEEF);
    EXPECT_THROW(buffer.WriteU32(1, 0), ERangeError);
    EXPECT_THROW(buffer.WriteU8(4, 0), ERangeError);
    EXPECT_THROW(buffer.WriteU8(SIZE_MAX, 0), ERangeError);
    EXPECT_EQ(buffer.All(), (TBytes { 0, 0, 0xEF, 0xBE }));
    EXPECT_THROW(buffer.ReadU32(2), ERangeError);
}

TEST(ByteBuffer, GrowingBufferFillsGaps)
{
    TByteBuffer buffer = TByteBuffer::Growing(0xAA);
    buffer.WriteU16(3, 0x0102);
    EXPECT_EQ(buffer.Bytes(), (TBytes { 0xAA, 0xAA, 0xAA, 0x02, 0x01 }));
    const uint8_t tail[] = { 9, 8 };
    buffer.WriteBytes(1000, tail, sizeof tail);
    EXPECT_EQ(buffer.Length(), 1002u);
    EXPECT_EQ(buffer.ReadU8(999), 0xAA);
    EXPECT_EQ(buffer.ReadU16(1000), 0x0809);
}

TEST(ByteBuffer, TakeBytesHandsOverUpToLengthAndEmpties)
{
    TByteBuffer buffer = TByteBuffer::Growing(0xAA);
    buffer.WriteU8(4, 0x01);
    buffer.WriteU8(5, 0x02); // doubles the capacity past the length
    EXPECT_EQ(buffer.TakeBytes(), (TBytes { 0xAA, 0xAA, 0xAA, 0xAA, 0x01, 0x02 }));
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_TRUE(buffer.Bytes().empty());
}
