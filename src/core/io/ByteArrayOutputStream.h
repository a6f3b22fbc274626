#pragma once

#include "core/io/OutputStream.h"

// Collects written bytes in a ByteArray that doubles when full.
class ByteArrayOutputStream : public OutputStream {
public:
    static constexpr int32_t DEFAULT_CAPACITY = 32;

    ByteArrayOutputStream();
    // A negative capacity becomes 0.
    explicit ByteArrayOutputStream(int32_t capacity);

    using OutputStream::write;
    void write(int32_t byte) override;
    void write(const ByteArray& array, int32_t offset, int32_t length) override;

    // A fresh copy of the bytes written so far.
    ByteArray toByteArray() const;
    int32_t size() const { return count; }
    int32_t capacity() const { return buf.length; }
    // True once a growth could not be had and bytes were dropped.
    bool overflowed() const { return lost; }

private:
    // Grows to max(2 x capacity, needed); false when that memory cannot be had.
    bool ensureCapacity(int64_t needed);

    ByteArray buf;
    int32_t count = 0;
    bool lost = false;
};
