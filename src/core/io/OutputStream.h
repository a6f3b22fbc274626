#pragma once

#include "core/runtime/Array.h"
#include "core/runtime/Object.h"

#include <cstdint>

// A sink of bytes. Out-of-range arguments are ignored; nothing here throws.
class OutputStream : public Object {
public:
    ~OutputStream() override = default;

    virtual void flush();
    // Stores the low 8 bits.
    virtual void write(int32_t byte) = 0;
    // Writes array[offset .. offset + length); ignored when the range is outside the array.
    virtual void write(const ByteArray& array, int32_t offset, int32_t length);
    virtual void write(const ByteArray& array);
};
