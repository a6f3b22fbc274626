#pragma once

#include "Object.h"
#include "RefCount.h"
#include "String.h"

#include <cstdint>

// Builds text in place. toString() hands out a view on the same buffer without
// copying; the next change then copies first, so the handed-out String keeps its
// text. The buffer is written in place only while it is exclusively owned.
class StringBuffer : public Object {
public:
    StringBuffer() = default;
    explicit StringBuffer(int32_t capacity);
    explicit StringBuffer(String text); // takes over the string's storage
    StringBuffer(const StringBuffer& other);
    StringBuffer& operator=(const StringBuffer& other);
    ~StringBuffer() override;

    StringBuffer& append(char16_t unit);
    StringBuffer& append(const char* text);
    StringBuffer& append(const String& text);
    StringBuffer& append(char) = delete; // say u'x'

    void insert(int32_t index, char16_t unit);
    void deleteCharAt(int32_t index);
    void setCharAt(int32_t index, char16_t unit);

    String toString() const;

    int32_t length() const { return used; }
    int32_t capacity() const { return allocated; }
    char16_t charAt(int32_t index) const { return chars[index]; }
    bool isExclusive() const { return count && count->useCount < 2; }

private:
    // Makes room for n more units: grows to the needed length + 24, or copies a
    // shared buffer keeping its capacity. Returns false when memory ran out.
    bool reserveFor(int32_t n);
    bool unshare();
    bool replaceBuffer(int32_t newCapacity);
    void releaseStorage();

    char16_t* buffer = nullptr;
    char16_t* chars = nullptr;
    int32_t used = 0;
    int32_t allocated = 0;
    RefCount* count = nullptr;
};
