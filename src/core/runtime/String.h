#pragma once

#include "Array.h"
#include "Object.h"
#include "RefCount.h"

#include <cstdint>
#include <string>

class StringBuffer;

// Immutable UTF-16 text. Copies, substrings and views share one buffer through a
// count block; a string with a null count refers to text it does not own (texts
// of the resource pack). Fresh strings carry one 0 unit after the last character,
// views do not.
class String : public Object {
public:
    String() = default;
    String(const char* text);     // ASCII, widened unit by unit; null gives the empty string
    String(const char16_t* text); // zero-terminated; null gives the empty string
    // A view on existing storage; raises the counts of count when it is not null.
    String(char16_t* buffer, const char16_t* chars, int32_t length, RefCount* count);
    String(const String& other);
    String& operator=(const String& other);
    ~String() override;

    // Builds a fresh string from n units of memory.
    static String fromUnits(const char16_t* units, int32_t n);

    // n units as UTF-8; a surrogate without its partner becomes U+FFFD. With map,
    // every code point passes through it first (for formats that cannot hold some).
    static std::string toUtf8(const char16_t* units, int32_t n, uint32_t (*map)(uint32_t) = nullptr);
    std::string toUtf8(uint32_t (*map)(uint32_t) = nullptr) const { return toUtf8(chars, unitCount, map); }

    int32_t length() const { return unitCount; }
    char16_t charAt(int32_t index) const { return chars[index]; }
    const char16_t* getChars() const { return chars; }

    int32_t indexOf(char16_t unit, int32_t start = 0) const;
    String substring(int32_t begin) const;
    String substring(int32_t begin, int32_t end) const;
    String trim() const;
    String toUpperCase() const;

    // Identity: same characters in memory and same length. Use equals() for content.
    bool operator==(const String& other) const { return chars == other.chars && unitCount == other.unitCount; }
    bool operator!=(const String& other) const { return !(*this == other); }
    bool operator==(std::nullptr_t) const { return chars == nullptr; }
    bool operator!=(std::nullptr_t) const { return chars != nullptr; }

    // Content comparison of the texts narrowed to 8 bits, up to the first 0.
    bool equals(const String& other) const;

    String operator+(const String& right) const;
    String operator+(const char* right) const;
    String operator+(char16_t unit) const;
    String operator+(int32_t value) const;
    // A plain char would silently promote to int and print its code; say u'x'.
    String operator+(char) const = delete;

    String& operator+=(const String& right);
    String& operator+=(const char* right);
    String& operator+=(char16_t unit);
    String& operator+=(int32_t value);
    String& operator+=(char) = delete;

    CharArray toCharArray() const;
    WideCharArray toWideCharArray() const;

    // How many owners share the storage; 0 for empty strings and unowned views.
    int32_t useCount() const { return count ? count->useCount : 0; }

private:
    friend class StringBuffer;
    // A block of n units with a fresh count block; null (and no count) when either
    // cannot be had.
    static char16_t* allocateCounted(int64_t n, RefCount*& blockCount);
    static String concat(const char16_t* left, int32_t leftLength, const char16_t* right, int32_t rightLength);
    void releaseStorage();

    char16_t* buffer = nullptr;
    const char16_t* chars = nullptr;
    int32_t unitCount = 0;
    RefCount* count = nullptr;
};

String operator+(const char* left, const String& right);
String operator+(char16_t unit, const String& right);
String operator+(int32_t value, const String& right);
