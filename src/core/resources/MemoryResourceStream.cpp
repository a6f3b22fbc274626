#include "MemoryResourceStream.h"

MemoryResourceStream::MemoryResourceStream(const uint8_t* data, int32_t length)
    : block(data)
    , blockSize(length < 0 ? 0 : length)
{
}

bool MemoryResourceStream::open(int32_t)
{
    if (!block)
        return false;
    attach(block, blockSize);
    return true;
}
