#include "core/io/ByteArrayInputStream.h"

#include <cstring>

ByteArrayInputStream::ByteArrayInputStream(const ByteArray& buffer)
    : buf(buffer)
    , count(buffer.length)
{
}

ByteArrayInputStream::ByteArrayInputStream(const ByteArray& buffer, int32_t offset, int32_t length)
    : buf(buffer)
{
    // Clamped so that a bad window reads nothing rather than outside the array.
    if (offset < 0)
        offset = 0;
    if (offset > buffer.length)
        offset = buffer.length;
    if (length < 0)
        length = 0;
    int64_t end = int64_t(offset) + length;
    count = end < buffer.length ? int32_t(end) : buffer.length;
    pos = markPosition = offset;
}

int32_t ByteArrayInputStream::available()
{
    return count - pos;
}

void ByteArrayInputStream::close() { }

void ByteArrayInputStream::mark(int32_t)
{
    markPosition = pos;
}

bool ByteArrayInputStream::markSupported()
{
    return true;
}

void ByteArrayInputStream::reset()
{
    pos = markPosition;
}

int32_t ByteArrayInputStream::read()
{
    if (pos >= count)
        return -1;
    return buf[pos++];
}

int32_t ByteArrayInputStream::read(const ByteArray& array, int32_t offset, int32_t length)
{
    if (!rangeIsValid(array, offset, length))
        return -1;
    if (pos >= count)
        return -1;
    int32_t n = length < count - pos ? length : count - pos;
    if (n > 0)
        std::memcpy(array.data + offset, buf.data + pos, size_t(n));
    pos += n;
    return n;
}

int64_t ByteArrayInputStream::skip(int64_t n)
{
    int64_t left = count - pos;
    if (n > left)
        n = left;
    if (n < 0)
        return 0;
    pos += int32_t(n);
    return n;
}
