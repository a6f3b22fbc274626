#include "ByteSpanStream.h"

#include <cstring>
#include <limits>

void ByteSpanStream::attach(const uint8_t* data, int32_t length)
{
    bytes = data;
    size = length;
    position = 0;
}

bool ByteSpanStream::seek(int32_t offset, int32_t whence)
{
    int64_t target;
    switch (whence) {
    case SEEK_FROM_START:
        target = offset;
        break;
    case SEEK_FROM_CURRENT:
        target = int64_t(position) + offset;
        break;
    case SEEK_FROM_END:
        target = int64_t(size) + offset;
        break;
    default:
        return false;
    }
    // Chunk lengths of a broken file can push the sum past 32 bits.
    if (target < std::numeric_limits<int32_t>::min() || target > std::numeric_limits<int32_t>::max())
        return false;
    position = int32_t(target);
    return true;
}

int32_t ByteSpanStream::read(void* destination, int32_t count)
{
    if (!bytes)
        return -1;
    // A position before the start (a backward seek past 0) reads nothing, like one
    // past the end.
    if (count <= 0 || position < 0 || position >= size)
        return 0;
    int32_t available = size - position;
    int32_t n = count < available ? count : available;
    std::memcpy(destination, bytes + position, size_t(n));
    position += n;
    return n;
}

bool ByteSpanStream::readUInt8(uint8_t* destination) { return read(destination, 1) != -1; }
bool ByteSpanStream::readUInt16(uint16_t* destination) { return read(destination, 2) != -1; }
bool ByteSpanStream::readUInt32(uint32_t* destination) { return read(destination, 4) != -1; }
