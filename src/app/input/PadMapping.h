#pragma once

#include "app/input/KeyMapper.h"

#include <cstdint>

class KeyEventTarget;

// The game controller as a keyboard: every button stands for one key and goes
// through the key mapper as that key would, so the input guard, the alert and
// every screen treat the pad and the keyboard alike. Buttons are numbered as the
// host reports them (SDL's game controller numbering, LEFT_TRIGGER for the left
// trigger pulled).
class PadMapping {
public:
    static constexpr int32_t BUTTON_A = 0;
    static constexpr int32_t BUTTON_B = 1;
    static constexpr int32_t BUTTON_X = 2;
    static constexpr int32_t BUTTON_Y = 3;
    static constexpr int32_t BUTTON_BACK = 4;
    static constexpr int32_t BUTTON_GUIDE = 5;
    static constexpr int32_t BUTTON_START = 6;
    static constexpr int32_t BUTTON_LEFT_STICK = 7;
    static constexpr int32_t BUTTON_RIGHT_STICK = 8;
    static constexpr int32_t BUTTON_LEFT_SHOULDER = 9;
    static constexpr int32_t BUTTON_RIGHT_SHOULDER = 10;
    static constexpr int32_t DPAD_UP = 11;
    static constexpr int32_t DPAD_DOWN = 12;
    static constexpr int32_t DPAD_LEFT = 13;
    static constexpr int32_t DPAD_RIGHT = 14;
    static constexpr int32_t LEFT_TRIGGER = 32;

    // The key a button stands for: its virtual-key code (0: the button does
    // nothing) and the character the key types (0: none).
    struct Key {
        int32_t virtualKey;
        char16_t character;
    };
    static Key keyFor(int32_t button);

    // A press (or a held direction's repeat) is the key's press and, if the press
    // reached the screen, its character; a release is the key's release.
    static KeyMapper::Outcome press(int32_t button, KeyMapper& keys, KeyEventTarget& target);
    static KeyMapper::Outcome release(int32_t button, KeyMapper& keys, KeyEventTarget& target);
};
