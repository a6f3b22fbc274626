#include "app/input/KeyMapTable.h"

#include <cstdio>

namespace {

[[noreturn]] void refuseScript()
{
    static const char message[] = "ERROR: unknown entry in mappings.";
    std::printf("%s\n", message);
    std::fflush(stdout);
    throw static_cast<const char*>(message);
}

bool isMarker(int32_t value)
{
    return value == KeyMapTable::GROUP_START || value == KeyMapTable::LIST_END;
}

} // namespace

KeyMapTable KeyMapTable::parse(const int32_t* script, int32_t count)
{
    KeyMapTable table;
    if (!script)
        return table;

    // First pass: how many groups. A script without groups is empty, whatever else
    // it holds.
    int32_t groupCount = 0;
    for (int32_t at = 0; at < count && script[at] != LIST_END;) {
        if (script[at] == GROUP_START) {
            ++groupCount;
            at += 2;
        } else {
            at += VALUES_PER_ENTRY;
        }
    }
    if (groupCount == 0)
        return table;

    table.groups.reserve(size_t(groupCount));
    int32_t at = 0;
    for (int32_t g = 0; g < groupCount; ++g) {
        // The built-in scripts always end in LIST_END; running off the end is refused
        // rather than read past.
        if (at >= count || !isMarker(script[at]))
            refuseScript();
        if (script[at] == LIST_END)
            break;
        if (at + 1 >= count)
            refuseScript();
        KeyMapGroup group;
        group.mask = script[at + 1];
        at += 2;
        while (at < count && !isMarker(script[at])) {
            if (count - at < VALUES_PER_ENTRY)
                refuseScript();
            const int32_t* e = script + at;
            group.entries.push_back(KeyMapEntry { e[0], e[1], e[2], e[3], e[4] });
            at += VALUES_PER_ENTRY;
        }
        table.groups.push_back(std::move(group));
    }
    return table;
}

const KeyMapEntry* KeyMapTable::lookup(int32_t input, int32_t heldModifiers, int32_t& latchedModifiers) const
{
    for (const KeyMapGroup& group : groups) {
        if (group.mask != 0 && (group.mask & (heldModifiers | latchedModifiers)) == 0)
            continue;
        for (const KeyMapEntry& entry : group.entries) {
            if (entry.key != input)
                continue;
            latchedModifiers |= entry.setModifiers;
            latchedModifiers &= ~entry.clearModifiers;
            if (entry.code != 0)
                return &entry;
        }
    }
    return nullptr;
}
