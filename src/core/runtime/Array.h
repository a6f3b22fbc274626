#pragma once

#include "Object.h"
#include "RefCount.h"

#include <cstdint>
#include <cstring>
#include <new>

// Largest block any single allocation of the game may ask for: sizes are 32-bit
// byte counts, and a request that would wrap must fail instead.
constexpr uint64_t MAX_ALLOCATION_BYTES = 0xFFFFFFFFu;

// Allocates n value-initialised elements, or returns null when n is negative, the
// byte count does not fit in 32 bits, or memory is exhausted.
template<typename T>
T* allocateElements(int64_t n)
{
    if (n < 0 || static_cast<uint64_t>(n) * sizeof(T) > MAX_ALLOCATION_BYTES)
        return nullptr;
    return new (std::nothrow) T[static_cast<size_t>(n)]();
}

// A counted fixed-length block. Copies share the elements; no bounds checks are
// made, callers keep indices below length.
template<typename T>
class Array : public Object {
public:
    Array() = default;
    explicit Array(int32_t n) { allocate(n); }

    Array(const Array& other)
        : data(other.data)
        , length(other.length)
        , count(other.count)
    {
        if (count)
            count->addRef();
    }

    Array& operator=(const Array& other)
    {
        if (this == &other)
            return *this;
        // Take the fields before releasing: other may live inside our own elements.
        T* newData = other.data;
        int32_t newLength = other.length;
        RefCount* newCount = other.count;
        if (newCount)
            newCount->addRef();
        release();
        data = newData;
        length = newLength;
        count = newCount;
        return *this;
    }

    ~Array() override { release(); }

    // Replaces the payload with n fresh elements. Returns false, leaving the array
    // empty, when the block cannot be had.
    bool allocate(int32_t n)
    {
        release();
        T* block = allocateElements<T>(n);
        if (!block)
            return false;
        RefCount* blockCount = new (std::nothrow) RefCount;
        if (!blockCount) {
            delete[] block;
            return false;
        }
        data = block;
        length = n;
        count = blockCount;
        return true;
    }

    bool allocateZeroed(int32_t n)
    {
        if (!allocate(n))
            return false;
        for (int32_t i = 0; i < n; ++i)
            data[i] = T();
        return true;
    }

    void release()
    {
        if (count) {
            if (count->release() < 1)
                delete[] data;
            count = nullptr;
        }
        data = nullptr;
        length = 0;
    }

    // Copies length elements from raw memory; a null source releases the array.
    void fill(const T* source)
    {
        if (!source) {
            release();
            return;
        }
        for (int32_t i = 0; i < length; ++i)
            data[i] = source[i];
    }

    T& operator[](int32_t i) const { return data[i]; }

    T* data = nullptr;
    int32_t length = 0;
    RefCount* count = nullptr;
};

using ByteArray = Array<uint8_t>;
using CharArray = Array<char>;
using IntArray = Array<int32_t>;
using WideCharArray = Array<char16_t>;
using IntArrayArray = Array<IntArray>;
