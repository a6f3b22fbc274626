#pragma once

#include <cstdint>
#include <vector>

// One line of a key table: when key matches, the modifier bits change and, unless
// code is 0, the lookup yields (code, value).
struct KeyMapEntry {
    int32_t key; // virtual-key code or character, by table
    int32_t setModifiers; // ORed into the latched set
    int32_t clearModifiers; // cleared from the latched set
    int32_t code; // 0: the entry only changes modifiers
    int32_t value;
};

// Entries that apply while mask shares a bit with the held or latched modifiers;
// mask 0 always applies.
struct KeyMapGroup {
    int32_t mask;
    std::vector<KeyMapEntry> entries;
};

// A translation table of a keyboard profile, built from a flat script of integers:
// GROUP_START, mask, then five integers per entry, ... , LIST_END.
class KeyMapTable {
public:
    static constexpr int32_t GROUP_START = -100;
    static constexpr int32_t LIST_END = -101;
    static constexpr int32_t VALUES_PER_ENTRY = 5;

    KeyMapTable() = default;

    // count integers of script; a null script gives the empty table. A script that
    // is not GROUP_START/LIST_END where a group must start, or that runs out before
    // an entry or the end marker is complete, prints and throws
    // "ERROR: unknown entry in mappings." as a const char*.
    static KeyMapTable parse(const int32_t* script, int32_t count);

    // The first entry with a non-zero code for input, trying groups in order with the
    // modifier sets as they stand at each group; every matching entry on the way
    // updates latchedModifiers. Null when nothing matches.
    const KeyMapEntry* lookup(int32_t input, int32_t heldModifiers, int32_t& latchedModifiers) const;

    const std::vector<KeyMapGroup>& getGroups() const { return groups; }
    bool isEmpty() const { return groups.empty(); }

private:
    std::vector<KeyMapGroup> groups;
};
