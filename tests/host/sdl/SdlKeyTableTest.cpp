#include "host/sdl/SdlKeyTable.h"

#include <gtest/gtest.h>

namespace {

// SDL's key codes are its ABI: printable keys are their character, the others
// their scan code with bit 30 set. Written out here so that the test does not
// depend on the SDL headers the table itself was written against.
constexpr int32_t scanKey(int32_t scancode) { return scancode | (1 << 30); }

struct Case {
    int32_t sdlKey;
    int32_t scancode;
    int32_t virtualKey;
};

} // namespace

TEST(SdlKeyTableTest, KeysAsAWindowsKeyboardReportsThem)
{
    const Case cases[] = {
        {'a', 4, 'A'}, {'z', 29, 'Z'}, {'5', 34, '5'}, {'0', 39, '0'},
        {'&', 30, '1'},                                  // AZERTY digit row
        {scanKey(58), 58, 0x70}, {scanKey(59), 59, 0x71}, // F1, F2: soft keys
        {scanKey(66), 66, 0x78}, {scanKey(104), 104, 0x7C}, // F9, F13
        {scanKey(80), 80, 0x25}, {scanKey(82), 82, 0x26}, {scanKey(79), 79, 0x27}, {scanKey(81), 81, 0x28},
        {'\r', 40, 0x0D}, {scanKey(88), 88, 0x0D},        // Return, keypad Enter
        {27, 41, 0x1B}, {8, 42, 0x08}, {127, 76, 0x2E}, {' ', 44, 0x20},
        {scanKey(225), 225, 0x10}, {scanKey(229), 229, 0x10}, // both Shifts
        {scanKey(224), 224, 0x11}, {scanKey(228), 228, 0x11}, // both Ctrls
        {scanKey(226), 226, 0},                                // Alt: a system key
        {scanKey(227), 227, 0x5B}, {scanKey(231), 231, 0x5C}, // Windows keys
        {scanKey(98), 98, 0x60}, {scanKey(89), 89, 0x61}, {scanKey(95), 95, 0x67},
        {scanKey(85), 85, 0x6A}, {scanKey(87), 87, 0x6B}, {scanKey(86), 86, 0x6D},
        {scanKey(99), 99, 0x6E}, {scanKey(84), 84, 0x6F}, {scanKey(83), 83, 0x90},
        {',', 54, 0xBC}, {'/', 56, 0xBF}, {'\'', 52, 0xDE},
        {scanKey(127), 127, 0}, // Mute: no virtual key here
    };
    for (const Case& c : cases)
        EXPECT_EQ(SdlKeyTable::virtualKey(c.sdlKey, c.scancode), c.virtualKey) << std::hex << c.sdlKey;
}

// SDL's key modifier bits (SDL_Keymod), written out for the same reason.
TEST(SdlKeyTableTest, KeysTypeTheirCharacterOutsideTextInput)
{
    constexpr uint32_t LEFT_SHIFT = 0x0001, LEFT_CTRL = 0x0040, CAPS = 0x2000;
    EXPECT_EQ(SdlKeyTable::typedCharacter('a', 0), uint32_t('a'));
    EXPECT_EQ(SdlKeyTable::typedCharacter('a', LEFT_SHIFT), uint32_t('A'));
    EXPECT_EQ(SdlKeyTable::typedCharacter('a', CAPS), uint32_t('A'));
    EXPECT_EQ(SdlKeyTable::typedCharacter('a', CAPS | LEFT_SHIFT), uint32_t('a'));
    EXPECT_EQ(SdlKeyTable::typedCharacter('3', 0), uint32_t('3'));
    EXPECT_EQ(SdlKeyTable::typedCharacter('3', LEFT_SHIFT), 0u); // layout-dependent: left to text input
    EXPECT_EQ(SdlKeyTable::typedCharacter('d', LEFT_CTRL), 0u);  // a shortcut, not typing
    EXPECT_EQ(SdlKeyTable::typedCharacter(scanKey(85), 0), uint32_t('*')); // keypad *
    EXPECT_EQ(SdlKeyTable::typedCharacter(scanKey(89), 0), uint32_t('1')); // keypad 1
    EXPECT_EQ(SdlKeyTable::typedCharacter(scanKey(98), 0), uint32_t('0')); // keypad 0
    EXPECT_EQ(SdlKeyTable::typedCharacter(' ', 0), uint32_t(' '));
    EXPECT_EQ(SdlKeyTable::typedCharacter(27, 0), 0u);           // Escape types nothing
    EXPECT_EQ(SdlKeyTable::typedCharacter(scanKey(58), 0), 0u);  // F1 neither
}
