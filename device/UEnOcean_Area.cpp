#include "device/UEnOcean_Area.h"

#include "platform/core/ByteBuffer.h"

// The device tables need the EnOcean model and its catalog; until the
// project can hold devices, every project has the area of one without any:
// no devices, and the device table's address right after the header.
TBytes Compile_EnOcean_Area(TXMLDocument&, const String&, uint32_t base)
{
    TByteBuffer area = TByteBuffer::Growing();
    area.WriteU32(0, 0);
    area.WriteU32(4, base + 8);
    return area.Bytes();
}
