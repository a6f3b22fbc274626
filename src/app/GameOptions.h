#pragma once

#include <cstdint>
#include <optional>
#include <string>

// How one run of the game is set up: chosen on the command line of the window
// program or of `kmtool play`, then handed to Game.
struct GameOptions {
    int32_t width = 240; // one of FrameSizes::ALL
    int32_t height = 320;
    std::string packPath;   // the resource pack to open
    std::string deviceName; // the OEM name the keyboard profile is chosen by
    int32_t keyboardType = 1; // 0 none, 1 full keyboard, 2 phone keypad
    std::optional<int64_t> seed; // the shared random generator's; none: from the clock

    // "full", "keypad" or "none" -> 1, 2, 0; -1 for anything else.
    static int32_t parseKeyboard(const std::string& text);
};
