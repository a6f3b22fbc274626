#pragma once

#include "core/runtime/Array.h"
#include "core/runtime/String.h"

#include <cstdint>

// What a text field needs of the device's keyboard profile: whether keys cycle
// through letters (a Smartphone keypad), and for each multi-tap key the character
// that identifies it and the letters repeated presses cycle through. Copied from
// the key mapper by the controller, so that screens never reach the platform.
struct MultiTapKeys {
    static constexpr int32_t KEYBOARD_NONE = 0;
    static constexpr int32_t KEYBOARD_FULL = 1;
    static constexpr int32_t KEYBOARD_SMARTPHONE_KEYPAD = 2;

    int32_t keyboardType = KEYBOARD_FULL;
    String keyList;              // one character per key, in order
    Array<String> cycleStrings;  // the letters of each key of keyList
};
