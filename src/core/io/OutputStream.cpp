#include "core/io/OutputStream.h"

void OutputStream::flush() { }

void OutputStream::write(const ByteArray& array, int32_t offset, int32_t length)
{
    if (!array.data || offset < 0 || length < 0 || int64_t(offset) + length > array.length)
        return;
    for (int32_t i = 0; i < length; ++i)
        write(int32_t(array[offset + i]));
}

void OutputStream::write(const ByteArray& array)
{
    write(array, 0, array.length);
}
