#include "TextList.h"

Vector<String> TextList::split(const String& list)
{
    Vector<String> entries;
    int32_t start = 0;
    int32_t length = list.length();
    while (start < length) {
        int32_t end = list.indexOf(SEPARATOR, start);
        if (end < 0)
            end = length;
        if (end > start)
            entries.add(list.substring(start, end));
        start = end + 1;
    }
    return entries;
}
