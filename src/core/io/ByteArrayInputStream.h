#pragma once

#include "core/io/InputStream.h"

// Reads a ByteArray it shares with the caller; the bytes are never copied.
class ByteArrayInputStream : public InputStream {
public:
    explicit ByteArrayInputStream(const ByteArray& buffer);
    // Reads buffer[offset .. min(offset + length, buffer length)).
    ByteArrayInputStream(const ByteArray& buffer, int32_t offset, int32_t length);

    int32_t available() override;
    void close() override;
    void mark(int32_t readLimit) override;
    bool markSupported() override;
    using InputStream::read;
    int32_t read(const ByteArray& array, int32_t offset, int32_t length) override;
    int32_t read() override;
    void reset() override;
    int64_t skip(int64_t n) override;

    int32_t position() const { return pos; }

private:
    ByteArray buf;
    int32_t count = 0;
    int32_t markPosition = 0;
    int32_t pos = 0;
};
