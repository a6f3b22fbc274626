#pragma once

#include <cstdint>

// SDL key codes (SDL_Keycode values) to the Windows virtual-key codes the key
// mapper's tables are written in. Header and table compile without linking SDL,
// so that tests can check the table.
class SdlKeyTable {
public:
    // Windows virtual-key codes (WinUser.h) that have no ASCII look-alike.
    static constexpr int32_t VK_BACK = 0x08;
    static constexpr int32_t VK_TAB = 0x09;
    static constexpr int32_t VK_CLEAR = 0x0C;
    static constexpr int32_t VK_RETURN = 0x0D;
    static constexpr int32_t VK_SHIFT = 0x10;
    static constexpr int32_t VK_CONTROL = 0x11;
    static constexpr int32_t VK_PAUSE = 0x13;
    static constexpr int32_t VK_CAPITAL = 0x14;
    static constexpr int32_t VK_ESCAPE = 0x1B;
    static constexpr int32_t VK_SPACE = 0x20;
    static constexpr int32_t VK_PRIOR = 0x21;
    static constexpr int32_t VK_NEXT = 0x22;
    static constexpr int32_t VK_END = 0x23;
    static constexpr int32_t VK_HOME = 0x24;
    static constexpr int32_t VK_LEFT = 0x25;
    static constexpr int32_t VK_UP = 0x26;
    static constexpr int32_t VK_RIGHT = 0x27;
    static constexpr int32_t VK_DOWN = 0x28;
    static constexpr int32_t VK_SELECT = 0x29;
    static constexpr int32_t VK_SNAPSHOT = 0x2C;
    static constexpr int32_t VK_INSERT = 0x2D;
    static constexpr int32_t VK_DELETE = 0x2E;
    static constexpr int32_t VK_LWIN = 0x5B;
    static constexpr int32_t VK_RWIN = 0x5C;
    static constexpr int32_t VK_APPS = 0x5D;
    static constexpr int32_t VK_NUMPAD0 = 0x60; // .. VK_NUMPAD9 0x69
    static constexpr int32_t VK_MULTIPLY = 0x6A;
    static constexpr int32_t VK_ADD = 0x6B;
    static constexpr int32_t VK_SEPARATOR = 0x6C;
    static constexpr int32_t VK_SUBTRACT = 0x6D;
    static constexpr int32_t VK_DECIMAL = 0x6E;
    static constexpr int32_t VK_DIVIDE = 0x6F;
    static constexpr int32_t VK_F1 = 0x70; // .. VK_F24 0x87
    static constexpr int32_t VK_NUMLOCK = 0x90;
    static constexpr int32_t VK_SCROLL = 0x91;
    static constexpr int32_t VK_OEM_1 = 0xBA;      // ;:
    static constexpr int32_t VK_OEM_PLUS = 0xBB;   // =+
    static constexpr int32_t VK_OEM_COMMA = 0xBC;
    static constexpr int32_t VK_OEM_MINUS = 0xBD;
    static constexpr int32_t VK_OEM_PERIOD = 0xBE;
    static constexpr int32_t VK_OEM_2 = 0xBF;      // /?
    static constexpr int32_t VK_OEM_3 = 0xC0;      // `~
    static constexpr int32_t VK_OEM_4 = 0xDB;      // [{
    static constexpr int32_t VK_OEM_5 = 0xDC;      // \|
    static constexpr int32_t VK_OEM_6 = 0xDD;      // ]}
    static constexpr int32_t VK_OEM_7 = 0xDE;      // '"

    // The virtual key of an SDL key (key code and scan code, SDL_Keysym), as a
    // Windows keyboard driver reports the same key: letters as their capitals, both
    // Shift keys as VK_SHIFT, both Ctrl keys as VK_CONTROL, the keypad's Enter as
    // VK_RETURN, and the digit row as '0'..'9' on every layout (on AZERTY its key
    // codes are the unshifted punctuation). 0 for keys the game never sees (Alt,
    // which Windows reports as a system key, and keys with no virtual key).
    static int32_t virtualKey(int32_t sdlKey, int32_t scancode);

    // The character a key types while no text input is running, as Windows turns
    // every key press into a character message: letters (capitals with Shift or Caps
    // Lock), digits, the space, the keypad's digits and operators, and punctuation
    // typed without Shift. 0 for anything else; modifiers are SDL's key mod bits.
    static uint32_t typedCharacter(int32_t sdlKey, uint32_t modifiers);
};
