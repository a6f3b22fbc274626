#include "core/io/ByteArrayOutputStream.h"

#include <cstring>

ByteArrayOutputStream::ByteArrayOutputStream()
    : ByteArrayOutputStream(DEFAULT_CAPACITY)
{
}

ByteArrayOutputStream::ByteArrayOutputStream(int32_t capacity)
{
    buf.allocate(capacity < 0 ? 0 : capacity);
}

bool ByteArrayOutputStream::ensureCapacity(int64_t needed)
{
    if (needed <= buf.length)
        return true;
    if (needed > INT32_MAX) {
        lost = true;
        return false;
    }
    int64_t grown = int64_t(buf.length) * 2;
    if (grown < needed)
        grown = needed;
    if (grown > INT32_MAX)
        grown = INT32_MAX;
    ByteArray bigger;
    if (!bigger.allocate(int32_t(grown))) {
        lost = true;
        return false;
    }
    if (count > 0)
        std::memcpy(bigger.data, buf.data, size_t(count));
    buf = bigger;
    return true;
}

void ByteArrayOutputStream::write(int32_t byte)
{
    if (!ensureCapacity(int64_t(count) + 1))
        return;
    buf[count++] = static_cast<uint8_t>(byte);
}

void ByteArrayOutputStream::write(const ByteArray& array, int32_t offset, int32_t length)
{
    if (!array.data || offset < 0 || offset > array.length || length <= 0
        || int64_t(offset) + length > array.length)
        return;
    if (!ensureCapacity(int64_t(count) + length))
        return;
    std::memcpy(buf.data + count, array.data + offset, size_t(length));
    count += length;
}

ByteArray ByteArrayOutputStream::toByteArray() const
{
    ByteArray copy;
    if (!copy.allocate(count))
        return copy;
    if (count > 0)
        std::memcpy(copy.data, buf.data, size_t(count));
    return copy;
}
