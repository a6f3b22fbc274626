#include "core/io/InputStream.h"

namespace {

constexpr int32_t SKIP_BUFFER_BYTES = 2048;

// Shared by every stream: skipped bytes are never looked at.
ByteArray& skipBuffer()
{
    static ByteArray buffer;
    if (!buffer.data)
        buffer.allocate(SKIP_BUFFER_BYTES);
    return buffer;
}

} // namespace

int32_t InputStream::available()
{
    return 0;
}

void InputStream::close() { }

void InputStream::mark(int32_t) { }

bool InputStream::markSupported()
{
    return false;
}

void InputStream::reset() { }

bool InputStream::rangeIsValid(const ByteArray& array, int32_t offset, int32_t length)
{
    if (!array.data || offset < 0 || offset > array.length || length < 0)
        return false;
    return int64_t(offset) + length <= array.length;
}

int32_t InputStream::read(const ByteArray& array, int32_t offset, int32_t length)
{
    if (!rangeIsValid(array, offset, length))
        return -1;
    if (length == 0)
        return 0;
    int32_t first = read();
    if (first == -1)
        return -1;
    array[offset] = static_cast<uint8_t>(first);
    int32_t stored = 1;
    while (stored < length) {
        int32_t next = read();
        if (next == -1)
            break;
        array[offset + stored] = static_cast<uint8_t>(next);
        ++stored;
    }
    return stored;
}

int32_t InputStream::read(const ByteArray& array)
{
    return read(array, 0, array.length);
}

int64_t InputStream::skip(int64_t n)
{
    if (n <= 0)
        return 0;
    ByteArray& buffer = skipBuffer();
    if (!buffer.data)
        return 0;
    int64_t left = n;
    while (left > 0) {
        int32_t chunk = left < SKIP_BUFFER_BYTES ? int32_t(left) : SKIP_BUFFER_BYTES;
        int32_t got = read(buffer, 0, chunk);
        if (got < 0)
            break;
        left -= got;
    }
    return n - left;
}
