#include "StringBuffer.h"

#include <cstring>

namespace {
// Slack added beyond the needed length whenever the buffer has to grow.
constexpr int32_t GROWTH_SLACK = 24;
// Capacity given to a shared buffer that had none when it is unshared.
constexpr int32_t MIN_UNSHARED_CAPACITY = 16;
} // namespace

StringBuffer::StringBuffer(int32_t capacity)
    : allocated(capacity < 0 ? 0 : capacity)
{
}

StringBuffer::StringBuffer(String text)
{
    if (text.count) {
        buffer = text.buffer;
        chars = const_cast<char16_t*>(text.chars);
        used = text.unitCount;
        allocated = text.unitCount;
        count = text.count;
        count->addRef();
        return;
    }
    // Unowned text (or the empty string): take an own copy at once.
    String copy = String::fromUnits(text.chars, text.unitCount);
    if (!copy.count)
        return;
    buffer = copy.buffer;
    chars = copy.buffer;
    used = copy.unitCount;
    allocated = copy.unitCount;
    count = copy.count;
    count->addRef();
}

StringBuffer::StringBuffer(const StringBuffer& other)
    : Object()
    , buffer(other.buffer)
    , chars(other.chars)
    , used(other.used)
    , allocated(other.allocated)
    , count(other.count)
{
    if (count)
        count->addRef();
}

StringBuffer& StringBuffer::operator=(const StringBuffer& other)
{
    if (this == &other)
        return *this;
    if (other.count)
        other.count->addRef();
    releaseStorage();
    buffer = other.buffer;
    chars = other.chars;
    used = other.used;
    allocated = other.allocated;
    count = other.count;
    return *this;
}

StringBuffer::~StringBuffer()
{
    releaseStorage();
}

void StringBuffer::releaseStorage()
{
    if (count && count->release() < 1)
        delete[] buffer;
    count = nullptr;
    buffer = nullptr;
    chars = nullptr;
}

bool StringBuffer::replaceBuffer(int32_t newCapacity)
{
    RefCount* blockCount = nullptr;
    char16_t* block = String::allocateCounted(newCapacity, blockCount);
    if (!block)
        return false;
    if (used > 0)
        std::memcpy(block, chars, size_t(used) * sizeof(char16_t));
    int32_t keptLength = used;
    releaseStorage();
    buffer = block;
    chars = block;
    used = keptLength;
    allocated = newCapacity;
    count = blockCount;
    return true;
}

bool StringBuffer::unshare()
{
    if (isExclusive())
        return true;
    if (allocated == 0)
        allocated = MIN_UNSHARED_CAPACITY;
    return replaceBuffer(allocated);
}

bool StringBuffer::reserveFor(int32_t n)
{
    int64_t needed = int64_t(used) + n;
    if (needed > int64_t(INT32_MAX) - GROWTH_SLACK)
        return false;
    if (needed > allocated)
        return replaceBuffer(static_cast<int32_t>(needed) + GROWTH_SLACK);
    return unshare();
}

StringBuffer& StringBuffer::append(char16_t unit)
{
    if (reserveFor(1))
        chars[used++] = unit;
    return *this;
}

StringBuffer& StringBuffer::append(const char* text)
{
    if (!text)
        return *this;
    auto n = static_cast<int32_t>(std::strlen(text));
    if (n == 0 || !reserveFor(n))
        return *this;
    for (int32_t i = 0; i < n; ++i)
        chars[used + i] = static_cast<unsigned char>(text[i]);
    used += n;
    return *this;
}

StringBuffer& StringBuffer::append(const String& text)
{
    int32_t n = text.length();
    if (n == 0)
        return *this;
    // A view on our own buffer must be copied first: growing frees that buffer.
    if (text.count && text.count == count) {
        String copy = String::fromUnits(text.getChars(), n);
        return copy.length() == n ? append(copy) : *this;
    }
    if (!reserveFor(n))
        return *this;
    std::memcpy(chars + used, text.getChars(), size_t(n) * sizeof(char16_t));
    used += n;
    return *this;
}

void StringBuffer::insert(int32_t index, char16_t unit)
{
    if (!reserveFor(1))
        return;
    if (index < used)
        std::memmove(chars + index + 1, chars + index, size_t(used - index) * sizeof(char16_t));
    chars[index] = unit;
    ++used;
}

void StringBuffer::deleteCharAt(int32_t index)
{
    if (!unshare())
        return;
    std::memmove(chars + index, chars + index + 1, size_t(used - index - 1) * sizeof(char16_t));
    --used;
}

void StringBuffer::setCharAt(int32_t index, char16_t unit)
{
    if (unshare())
        chars[index] = unit;
}

String StringBuffer::toString() const
{
    return String(buffer, chars, used, count);
}
