#pragma once

#include "core/runtime/Array.h"
#include "core/runtime/Object.h"

#include <cstdint>

// A source of bytes. Reads past the end give -1; nothing here throws.
class InputStream : public Object {
public:
    ~InputStream() override = default;

    virtual int32_t available();
    virtual void close();
    virtual void mark(int32_t readLimit);
    virtual bool markSupported();

    // Reads up to length bytes into array[offset ..]: -1 when the range is outside
    // the array or the stream is already at its end, 0 for a zero length, else the
    // number of bytes stored.
    virtual int32_t read(const ByteArray& array, int32_t offset, int32_t length);
    virtual int32_t read(const ByteArray& array);
    // One byte 0..255, or -1 at the end.
    virtual int32_t read() = 0;

    virtual void reset();
    // Consumes up to n bytes through a shared 2048-byte scratch block.
    virtual int64_t skip(int64_t n);

protected:
    // True when [offset, offset + length) lies inside an array that has data.
    static bool rangeIsValid(const ByteArray& array, int32_t offset, int32_t length);
};
