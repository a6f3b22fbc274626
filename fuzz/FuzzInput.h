#pragma once

#include "core/runtime/Array.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// The fuzzer's input as the ByteArray the game's readers take. Callers cap the size
// first, so it always fits an int32_t length.
inline ByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    ByteArray bytes { int32_t(size) };
    if (size > 0)
        std::memcpy(bytes.data, data, size);
    return bytes;
}
