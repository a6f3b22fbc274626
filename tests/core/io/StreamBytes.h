#pragma once

#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "core/runtime/Array.h"

#include <vector>

inline std::vector<uint8_t> bytesOf(const ByteArray& array)
{
    return std::vector<uint8_t>(array.data, array.data + array.length);
}

inline ByteArray arrayOf(const std::vector<uint8_t>& bytes)
{
    ByteArray array(int32_t(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i)
        array[int32_t(i)] = bytes[i];
    return array;
}
