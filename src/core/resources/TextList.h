#pragma once

#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

// The lists stored as single texts of the pack (names, name endings, the star's
// remarks): entries separated by one line feed (unit 10). Entries are taken as they
// stand, no trimming; empty entries (two line feeds in a row, a final line feed) are
// dropped. The entries are views sharing the list text's storage, so two picks of
// the same entry compare equal with ==.
class TextList {
public:
    static constexpr char16_t SEPARATOR = u'\n';

    static Vector<String> split(const String& list);
};
