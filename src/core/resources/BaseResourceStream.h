#pragma once

#include "core/runtime/Object.h"

#include <cstdint>

// The byte stream that image loading reads from: a raw-data entry of the resource
// pack (ResourceStream) or bytes already in memory (MemoryResourceStream). Every
// read copies out of memory the stream does not own.
class BaseResourceStream : public Object {
public:
    // Seek codes; any other value is refused.
    static constexpr int32_t SEEK_FROM_START = 1;
    static constexpr int32_t SEEK_FROM_CURRENT = 2;
    static constexpr int32_t SEEK_FROM_END = 4;

    virtual bool open(int32_t id) = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    virtual int32_t getSize() const = 0;
    // Moves the position without a range check against the data: reads outside
    // 0 .. size copy nothing. Only a position that would leave the 32-bit range is
    // refused.
    virtual bool seek(int32_t offset, int32_t whence) = 0;
    // Copies up to count bytes; -1 when not open, 0 at or beyond the end.
    virtual int32_t read(void* destination, int32_t count) = 0;
    // Stored byte order, no conversion; true unless the stream is closed, so a short
    // read at the end still reports true.
    virtual bool readUInt8(uint8_t* destination) = 0;
    virtual bool readUInt16(uint16_t* destination) = 0;
    virtual bool readUInt32(uint32_t* destination) = 0;
};
