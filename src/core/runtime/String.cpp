#include "String.h"

#include <cstdio>
#include <cstring>

namespace {

// Decimal text of an integer, as "%d" prints it.
int formatDecimal(int32_t value, char (&scratch)[128])
{
    return std::snprintf(scratch, sizeof scratch, "%d", value);
}

char16_t upperCaseUnit(char16_t unit)
{
    if (unit >= u'a' && unit <= u'z')
        return static_cast<char16_t>(unit - 0x20);
    // Latin-1 lower-case letters, except the division sign and y with diaeresis.
    if (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7)
        return static_cast<char16_t>(unit - 0x20);
    return unit;
}

} // namespace

char16_t* String::allocateCounted(int64_t n, RefCount*& blockCount)
{
    blockCount = nullptr;
    char16_t* block = allocateElements<char16_t>(n);
    if (!block)
        return nullptr;
    blockCount = new (std::nothrow) RefCount;
    if (!blockCount) {
        delete[] block;
        return nullptr;
    }
    return block;
}

String String::fromUnits(const char16_t* units, int32_t n)
{
    return concat(units, n, nullptr, 0);
}

String::String(const char* text)
{
    if (!text)
        return;
    auto n = static_cast<int32_t>(std::strlen(text));
    char16_t* block = allocateCounted(int64_t(n) + 1, count);
    if (!block)
        return;
    for (int32_t i = 0; i < n; ++i)
        block[i] = static_cast<unsigned char>(text[i]);
    block[n] = 0;
    buffer = block;
    chars = block;
    unitCount = n;
}

String::String(const char16_t* text)
{
    if (!text)
        return;
    int32_t n = 0;
    while (text[n])
        ++n;
    *this = fromUnits(text, n);
}

String::String(char16_t* buffer, const char16_t* chars, int32_t length, RefCount* count)
    : buffer(buffer)
    , chars(chars)
    , unitCount(length)
    , count(count)
{
    if (count)
        count->addRef();
}

String::String(const String& other)
    : Object()
    , buffer(other.buffer)
    , chars(other.chars)
    , unitCount(other.unitCount)
    , count(other.count)
{
    if (count)
        count->addRef();
}

String& String::operator=(const String& other)
{
    if (this == &other)
        return *this;
    if (other.count)
        other.count->addRef();
    releaseStorage();
    buffer = other.buffer;
    chars = other.chars;
    unitCount = other.unitCount;
    count = other.count;
    return *this;
}

String::~String()
{
    releaseStorage();
}

void String::releaseStorage()
{
    if (count && count->release() < 1)
        delete[] buffer;
    count = nullptr;
    buffer = nullptr;
    chars = nullptr;
    unitCount = 0;
}

int32_t String::indexOf(char16_t unit, int32_t start) const
{
    if (start < 0)
        start = 0;
    for (int32_t i = start; i < unitCount; ++i) {
        if (chars[i] == unit)
            return i;
    }
    return -1;
}

String String::substring(int32_t begin) const
{
    if (begin < 0 || begin >= unitCount)
        return String();
    return String(buffer, chars + begin, unitCount - begin, count);
}

String String::substring(int32_t begin, int32_t end) const
{
    if (begin < 0 || begin >= unitCount || end > unitCount || begin >= end)
        return String();
    return String(buffer, chars + begin, end - begin, count);
}

String String::trim() const
{
    int32_t first = 0;
    while (first < unitCount && chars[first] <= 0x20)
        ++first;
    int32_t last = unitCount;
    while (last > first && chars[last - 1] <= 0x20)
        --last;
    if (first == 0 && last == unitCount)
        return *this;
    if (first >= last)
        return String();
    return String(buffer, chars + first, last - first, count);
}

String String::toUpperCase() const
{
    String result = fromUnits(chars, unitCount);
    for (int32_t i = 0; i < result.unitCount; ++i)
        result.buffer[i] = upperCaseUnit(result.buffer[i]);
    return result;
}

bool String::equals(const String& other) const
{
    for (int32_t i = 0;; ++i) {
        uint8_t a = i < unitCount ? static_cast<uint8_t>(chars[i]) : 0;
        uint8_t b = i < other.unitCount ? static_cast<uint8_t>(other.chars[i]) : 0;
        if (a != b)
            return false;
        if (a == 0)
            return true;
    }
}

String String::concat(const char16_t* left, int32_t leftLength, const char16_t* right, int32_t rightLength)
{
    String result;
    if (leftLength < 0 || rightLength < 0)
        return result;
    int64_t total = int64_t(leftLength) + rightLength;
    if (total > INT32_MAX)
        return result;
    char16_t* block = allocateCounted(total + 1, result.count);
    if (!block)
        return result;
    if (leftLength > 0)
        std::memcpy(block, left, size_t(leftLength) * sizeof(char16_t));
    if (rightLength > 0)
        std::memcpy(block + leftLength, right, size_t(rightLength) * sizeof(char16_t));
    block[total] = 0;
    result.buffer = block;
    result.chars = block;
    result.unitCount = static_cast<int32_t>(total);
    return result;
}

String String::operator+(const String& right) const
{
    if (right.chars == nullptr)
        return *this;
    return concat(chars, unitCount, right.chars, right.unitCount);
}

String String::operator+(const char* right) const
{
    if (!right)
        return *this;
    return *this + String(right);
}

String String::operator+(char16_t unit) const
{
    return concat(chars, unitCount, &unit, 1);
}

String String::operator+(int32_t value) const
{
    char scratch[128];
    formatDecimal(value, scratch);
    return *this + String(scratch);
}

String& String::operator+=(const String& right)
{
    return *this = *this + right;
}

String& String::operator+=(const char* right)
{
    return *this = *this + right;
}

String& String::operator+=(char16_t unit)
{
    return *this = *this + unit;
}

String& String::operator+=(int32_t value)
{
    return *this = *this + value;
}

String operator+(const char* left, const String& right)
{
    if (!left)
        return right;
    return String(left) + right;
}

String operator+(char16_t unit, const String& right)
{
    return String::fromUnits(&unit, 1) + right;
}

String operator+(int32_t value, const String& right)
{
    char scratch[128];
    formatDecimal(value, scratch);
    return String(scratch) + right;
}

CharArray String::toCharArray() const
{
    CharArray result;
    if (!result.allocate(unitCount + 1))
        return result;
    for (int32_t i = 0; i < unitCount; ++i)
        result.data[i] = static_cast<char>(chars[i] & 0xFF);
    result.data[unitCount] = 0;
    return result;
}

WideCharArray String::toWideCharArray() const
{
    WideCharArray result;
    if (!result.allocate(unitCount + 1))
        return result;
    for (int32_t i = 0; i < unitCount; ++i)
        result.data[i] = chars[i];
    result.data[unitCount] = 0;
    return result;
}

std::string String::toUtf8(const char16_t* units, int32_t n, uint32_t (*map)(uint32_t))
{
    std::string out;
    out.reserve(size_t(n > 0 ? n : 0));
    for (int32_t i = 0; i < n; ++i) {
        uint32_t code = units[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < n && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
            ++i;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        if (map)
            code = map(code);
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | code >> 6);
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | code >> 12);
            out += char(0x80 | (code >> 6 & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | code >> 18);
            out += char(0x80 | (code >> 12 & 0x3F));
            out += char(0x80 | (code >> 6 & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}
