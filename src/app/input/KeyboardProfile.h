#pragma once

#include <cstdint>
#include <string>

// The keys of one known handset, or of every other device: its keyboard type, its
// multi-tap lists, its two modifier keys and the scripts of its translation tables.
// Scripts are flat integer lists for KeyMapTable::parse; null means no table.
struct KeyboardProfile {
    // Keyboard types: what the text field's multi-tap and the "HTC" test look at.
    static constexpr int32_t KEYBOARD_NONE = 0;
    static constexpr int32_t KEYBOARD_FULL = 1;
    static constexpr int32_t KEYBOARD_SMARTPHONE_KEYPAD = 2;
    static constexpr int32_t KEYBOARD_OTHER_KEYPAD = 3;
    // As keyboardType: the type the device reports. As neededKeyboard: any type.
    static constexpr int32_t DETECTED = -1;

    enum class Lists { Keypad, TwentyKey };

    struct Script {
        const int32_t* values;
        int32_t count;
    };

    const char* oemName; // exact, case-sensitive; null for the generic profile
    int32_t neededKeyboard; // the reported type the profile applies to, or DETECTED
    int32_t keyboardType;
    Lists lists;
    int32_t modifierKeyA; // virtual-key code, 0 for none
    int32_t modifierKeyB;
    Script keyDown;
    Script keyUp;
    Script character;
    Script keypadCharacter;
    Script keypadKeyDown;

    // The profile whose name equals oemName exactly, in table order; the 20-key
    // "HTC" profile only on a device that reports a Smartphone keypad. Anything else
    // gets the generic profile.
    static const KeyboardProfile& select(const std::string& oemName, int32_t detectedKeyboardType);
};
