#include "app/input/KeyboardProfile.h"

#include "app/input/KeyMapTable.h"

#include <cstddef>

namespace {

// Every profile entry sets and clears no modifier and yields code 1: a character.
#define GROUP(mask) KeyMapTable::GROUP_START, mask
#define ENTRY(key, value) key, 0, 0, 1, value
#define END KeyMapTable::LIST_END

// Groups run mask 2 (modifier B), mask 1 (modifier A), then mask 0 (always), so a
// modifier's meaning wins over the plain one. Keys of key tables are virtual-key
// codes: 0x77 is VK_F8, 0x78 is VK_F9.

// clang-format off
const int32_t DASH_KEYS[] = {
    GROUP(2),
    ENTRY(0x77, 'Z'), ENTRY(0x78, 'A'),
    GROUP(1),
    ENTRY(0x77, '*'), ENTRY(0x78, '#'),
    GROUP(0),
    ENTRY(0x77, 'z'), ENTRY(0x78, 'a'),
    END,
};

const int32_t DASH_CHARS[] = {
    GROUP(2),
    ENTRY('q', 'Q'), ENTRY('t', 'T'), ENTRY('y', 'Y'), ENTRY('u', 'U'), ENTRY('i', 'I'), ENTRY('o', 'O'),
    ENTRY('p', 'P'), ENTRY('g', 'G'), ENTRY('h', 'H'), ENTRY('j', 'J'), ENTRY('k', 'K'), ENTRY('l', 'L'),
    ENTRY('b', 'B'), ENTRY('n', 'N'), ENTRY('m', 'M'), ENTRY('1', 'W'), ENTRY('2', 'E'), ENTRY('3', 'R'),
    ENTRY('4', 'S'), ENTRY('5', 'D'), ENTRY('6', 'F'), ENTRY('7', 'X'), ENTRY('8', 'C'), ENTRY('9', 'V'),
    GROUP(1),
    ENTRY('q', '%'), ENTRY('t', '+'), ENTRY('y', '('), ENTRY('u', ')'), ENTRY('i', '-'), ENTRY('o', '_'),
    ENTRY('p', '"'), ENTRY('g', '/'), ENTRY('h', '?'), ENTRY('j', '@'), ENTRY('k', '$'), ENTRY('l', '='),
    ENTRY('b', '\''), ENTRY('n', '&'), ENTRY('m', '!'), ENTRY('1', '1'), ENTRY('2', '2'), ENTRY('3', '3'),
    ENTRY('4', '4'), ENTRY('5', '5'), ENTRY('6', '6'), ENTRY('7', '7'), ENTRY('8', '8'), ENTRY('9', '9'),
    ENTRY(',', ';'), ENTRY('.', ':'),
    GROUP(0),
    ENTRY('1', 'w'), ENTRY('2', 'e'), ENTRY('3', 'r'), ENTRY('4', 's'), ENTRY('5', 'd'), ENTRY('6', 'f'),
    ENTRY('7', 'x'), ENTRY('8', 'c'), ENTRY('9', 'v'),
    END,
};

const int32_t TREO_KEYPAD_CHARS[] = {
    GROUP(2),
    ENTRY('Z', '*'), ENTRY('B', '#'), ENTRY('E', '1'), ENTRY('R', '2'), ENTRY('T', '3'), ENTRY('D', '4'),
    ENTRY('F', '5'), ENTRY('G', '6'), ENTRY('X', '7'), ENTRY('C', '8'), ENTRY('V', '9'), ENTRY('0', '0'),
    GROUP(1),
    ENTRY('#', '#'), ENTRY('*', '*'), ENTRY('1', '1'), ENTRY('2', '2'), ENTRY('3', '3'), ENTRY('4', '4'),
    ENTRY('5', '5'), ENTRY('6', '6'), ENTRY('7', '7'), ENTRY('8', '8'), ENTRY('9', '9'), ENTRY('0', '0'),
    GROUP(0),
    ENTRY('b', '#'), ENTRY('z', '*'), ENTRY('e', '1'), ENTRY('r', '2'), ENTRY('t', '3'), ENTRY('d', '4'),
    ENTRY('f', '5'), ENTRY('g', '6'), ENTRY('x', '7'), ENTRY('c', '8'), ENTRY('v', '9'), ENTRY('0', '0'),
    END,
};

const int32_t TWENTY_KEY_CHARS[] = {
    GROUP(2),
    ENTRY('q', 'Q'), ENTRY('o', 'O'), ENTRY('l', 'L'), ENTRY('a', 'A'), ENTRY('z', 'Z'), ENTRY('0', ' '),
    ENTRY('1', 'E'), ENTRY('2', 'T'), ENTRY('3', 'U'), ENTRY('4', 'D'), ENTRY('5', 'G'), ENTRY('6', 'J'),
    ENTRY('7', 'C'), ENTRY('8', 'B'), ENTRY('9', 'M'),
    GROUP(1),
    ENTRY('q', '!'), ENTRY('o', '.'), ENTRY('l', ','), ENTRY('a', '?'), ENTRY('z', '@'), ENTRY('0', '0'),
    ENTRY('1', '1'), ENTRY('2', '2'), ENTRY('3', '3'), ENTRY('4', '4'), ENTRY('5', '5'), ENTRY('6', '6'),
    ENTRY('7', '7'), ENTRY('8', '8'), ENTRY('9', '9'),
    GROUP(0),
    ENTRY('0', ' '), ENTRY('1', 'e'), ENTRY('2', 't'), ENTRY('3', 'u'), ENTRY('4', 'd'), ENTRY('5', 'g'),
    ENTRY('6', 'j'), ENTRY('7', 'c'), ENTRY('8', 'b'), ENTRY('9', 'm'),
    END,
};

const int32_t SAMSUNG_KEYS[] = {
    GROUP(2),
    ENTRY(0x77, 'S'), ENTRY(0x78, 'B'),
    GROUP(1),
    ENTRY(0x77, '*'), ENTRY(0x78, '#'),
    GROUP(0),
    ENTRY(0x77, 's'), ENTRY(0x78, 'b'),
    END,
};

const int32_t SAMSUNG_KEYPAD_KEYS[] = {
    GROUP(2),
    ENTRY(0x77, '*'), ENTRY(0x78, '#'),
    GROUP(1),
    ENTRY(0x77, '*'), ENTRY(0x78, '#'),
    GROUP(0),
    ENTRY(0x77, '*'), ENTRY(0x78, '#'),
    END,
};

const int32_t SAMSUNG_KEYPAD_CHARS[] = {
    GROUP(2),
    ENTRY('b', '#'), ENTRY('c', '8'), ENTRY('d', '4'), ENTRY('e', '1'), ENTRY('f', '5'), ENTRY('g', '6'),
    ENTRY('r', '2'), ENTRY('s', '*'), ENTRY('t', '3'), ENTRY('v', '9'), ENTRY('x', '7'), ENTRY('C', '8'),
    ENTRY('D', '4'), ENTRY('E', '1'), ENTRY('F', '5'), ENTRY('G', '6'), ENTRY('R', '2'), ENTRY('S', '*'),
    ENTRY('T', '3'), ENTRY('V', '9'), ENTRY('X', '7'), ENTRY('1', '1'), ENTRY('2', '2'), ENTRY('3', '3'),
    ENTRY('4', '4'), ENTRY('5', '5'), ENTRY('6', '6'), ENTRY('7', '7'), ENTRY('8', '8'), ENTRY('9', '9'),
    GROUP(1),
    ENTRY('b', '#'), ENTRY('c', '8'), ENTRY('d', '4'), ENTRY('e', '1'), ENTRY('f', '5'), ENTRY('g', '6'),
    ENTRY('r', '2'), ENTRY('s', '*'), ENTRY('t', '3'), ENTRY('v', '9'), ENTRY('x', '7'), ENTRY('C', '8'),
    ENTRY('D', '4'), ENTRY('E', '1'), ENTRY('F', '5'), ENTRY('G', '6'), ENTRY('R', '2'), ENTRY('S', '*'),
    ENTRY('T', '3'), ENTRY('V', '9'), ENTRY('X', '7'), ENTRY('1', '1'), ENTRY('2', '2'), ENTRY('3', '3'),
    ENTRY('4', '4'), ENTRY('5', '5'), ENTRY('6', '6'), ENTRY('7', '7'), ENTRY('8', '8'), ENTRY('9', '9'),
    GROUP(0),
    ENTRY('b', '#'), ENTRY('c', '8'), ENTRY('d', '4'), ENTRY('e', '1'), ENTRY('f', '5'), ENTRY('g', '6'),
    ENTRY('r', '2'), ENTRY('s', '*'), ENTRY('t', '3'), ENTRY('v', '9'), ENTRY('x', '7'), ENTRY('C', '8'),
    ENTRY('D', '4'), ENTRY('E', '1'), ENTRY('F', '5'), ENTRY('G', '6'), ENTRY('R', '2'), ENTRY('S', '*'),
    ENTRY('T', '3'), ENTRY('V', '9'), ENTRY('X', '7'), ENTRY('1', '1'), ENTRY('2', '2'), ENTRY('3', '3'),
    ENTRY('4', '4'), ENTRY('5', '5'), ENTRY('6', '6'), ENTRY('7', '7'), ENTRY('8', '8'), ENTRY('9', '9'),
    END,
};

const int32_t SAMSUNG_CHARS[] = {
    GROUP(2),
    ENTRY('A', 'A'), ENTRY('B', 'B'), ENTRY('C', 'C'), ENTRY('D', 'D'), ENTRY('E', 'E'), ENTRY('F', 'F'),
    ENTRY('G', 'G'), ENTRY('H', 'H'), ENTRY('I', 'I'), ENTRY('J', 'J'), ENTRY('K', 'K'), ENTRY('L', 'L'),
    ENTRY('M', 'M'), ENTRY('N', 'N'), ENTRY('O', 'O'), ENTRY('P', 'P'), ENTRY('Q', 'Q'), ENTRY('R', 'R'),
    ENTRY('S', 'S'), ENTRY('T', 'T'), ENTRY('U', 'U'), ENTRY('V', 'V'), ENTRY('W', 'W'), ENTRY('X', 'X'),
    ENTRY('Y', 'Y'), ENTRY('Z', 'Z'), ENTRY('a', 'A'), ENTRY('b', 'B'), ENTRY('c', 'C'), ENTRY('d', 'D'),
    ENTRY('e', 'E'), ENTRY('f', 'F'), ENTRY('g', 'G'), ENTRY('h', 'H'), ENTRY('i', 'I'), ENTRY('j', 'J'),
    ENTRY('k', 'K'), ENTRY('l', 'L'), ENTRY('m', 'M'), ENTRY('n', 'N'), ENTRY('o', 'O'), ENTRY('p', 'P'),
    ENTRY('q', 'Q'), ENTRY('r', 'R'), ENTRY('s', 'S'), ENTRY('t', 'T'), ENTRY('u', 'U'), ENTRY('v', 'V'),
    ENTRY('w', 'W'), ENTRY('x', 'X'), ENTRY('y', 'Y'), ENTRY('z', 'Z'),
    GROUP(1),
    ENTRY('a', '/'), ENTRY('b', '#'), ENTRY('c', '8'), ENTRY('d', '4'), ENTRY('e', '1'), ENTRY('f', '5'),
    ENTRY('g', '6'), ENTRY('h', '$'), ENTRY('i', '~'), ENTRY('j', '&'), ENTRY('k', ':'), ENTRY('l', ';'),
    ENTRY('m', '\''), ENTRY('n', '%'), ENTRY('o', '('), ENTRY('p', ')'), ENTRY('q', '+'), ENTRY('r', '2'),
    ENTRY('s', '*'), ENTRY('t', '3'), ENTRY('u', '_'), ENTRY('v', '9'), ENTRY('w', '-'), ENTRY('x', '7'),
    ENTRY('y', '@'), ENTRY('z', '='), ENTRY('A', '/'), ENTRY('B', '#'), ENTRY('C', '8'), ENTRY('D', '4'),
    ENTRY('E', '1'), ENTRY('F', '5'), ENTRY('G', '6'), ENTRY('H', '$'), ENTRY('I', '~'), ENTRY('J', '&'),
    ENTRY('K', ':'), ENTRY('L', ';'), ENTRY('M', '\''), ENTRY('N', '%'), ENTRY('O', '('), ENTRY('P', ')'),
    ENTRY('Q', '+'), ENTRY('R', '2'), ENTRY('S', '*'), ENTRY('T', '3'), ENTRY('U', '_'), ENTRY('V', '9'),
    ENTRY('W', '-'), ENTRY('X', '7'), ENTRY('Y', '@'), ENTRY('Z', '='), ENTRY('1', '1'), ENTRY('2', '2'),
    ENTRY('3', '3'), ENTRY('4', '4'), ENTRY('5', '5'), ENTRY('6', '6'), ENTRY('7', '7'), ENTRY('8', '8'),
    ENTRY('9', '9'),
    GROUP(0),
    ENTRY('1', 'e'), ENTRY('2', 'r'), ENTRY('3', 't'), ENTRY('4', 'd'), ENTRY('5', 'f'), ENTRY('6', 'g'),
    ENTRY('7', 'x'), ENTRY('8', 'c'), ENTRY('9', 'v'), ENTRY('Q', 'q'), ENTRY('W', 'w'), ENTRY('Y', 'y'),
    ENTRY('U', 'u'), ENTRY('I', 'i'), ENTRY('O', 'o'), ENTRY('P', 'p'), ENTRY('A', 'a'), ENTRY('H', 'h'),
    ENTRY('J', 'j'), ENTRY('K', 'k'), ENTRY('L', 'l'), ENTRY('Z', 'z'), ENTRY('N', 'n'), ENTRY('M', 'm'),
    END,
};
// clang-format on

#undef GROUP
#undef ENTRY
#undef END

template <size_t N> constexpr KeyboardProfile::Script script(const int32_t (&values)[N])
{
    return KeyboardProfile::Script { values, int32_t(N) };
}

constexpr KeyboardProfile::Script NONE { nullptr, 0 };

constexpr int32_t VK_SHIFT = 0x10;
constexpr int32_t VK_F9 = 0x78;
constexpr int32_t VK_NUMLOCK = 0x90;
// Sent by the Dash and HTC keyboards for their own modifier keys.
constexpr int32_t VK_OEM_EC = 0xEC;
constexpr int32_t VK_OEM_EE = 0xEE;

using K = KeyboardProfile;
using Lists = KeyboardProfile::Lists;

const KeyboardProfile PROFILES[] = {
    { "T-Mobile Dash", K::DETECTED, K::KEYBOARD_FULL, Lists::Keypad, VK_OEM_EC, VK_OEM_EE, script(DASH_KEYS),
        NONE, script(DASH_CHARS), NONE, NONE },
    { "SGH-i607", K::DETECTED, K::KEYBOARD_FULL, Lists::Keypad, VK_NUMLOCK, VK_SHIFT, script(SAMSUNG_KEYS),
        NONE, script(SAMSUNG_CHARS), script(SAMSUNG_KEYPAD_CHARS), script(SAMSUNG_KEYPAD_KEYS) },
    { "SGH-i617", K::DETECTED, K::KEYBOARD_FULL, Lists::Keypad, VK_NUMLOCK, VK_SHIFT, script(SAMSUNG_KEYS),
        NONE, script(SAMSUNG_CHARS), script(SAMSUNG_KEYPAD_CHARS), script(SAMSUNG_KEYPAD_KEYS) },
    { "Palm Treo 700w", K::DETECTED, K::KEYBOARD_FULL, Lists::Keypad, VK_NUMLOCK, VK_SHIFT, NONE, NONE, NONE,
        script(TREO_KEYPAD_CHARS), NONE },
    { "HTC", K::KEYBOARD_SMARTPHONE_KEYPAD, K::KEYBOARD_SMARTPHONE_KEYPAD, Lists::TwentyKey, VK_OEM_EC, VK_F9,
        NONE, NONE, script(TWENTY_KEY_CHARS), NONE, NONE },
};

const KeyboardProfile GENERIC = {
    nullptr,
    K::DETECTED,
    K::DETECTED,
    Lists::Keypad,
    0,
    0,
    NONE,
    NONE,
    NONE,
    NONE,
    NONE,
};

} // namespace

const KeyboardProfile& KeyboardProfile::select(const std::string& oemName, int32_t detectedKeyboardType)
{
    for (const KeyboardProfile& profile : PROFILES) {
        const bool applies
            = profile.neededKeyboard == DETECTED || profile.neededKeyboard == detectedKeyboardType;
        if (applies && oemName == profile.oemName)
            return profile;
    }
    return GENERIC;
}
