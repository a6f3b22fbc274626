#pragma once

#include <cstdint>
#include <string>

// How one run of the game is set up: chosen on the command line of the window
// program or of `kmtool play`, then handed to Game.
struct GameOptions {
    // The six frame sizes the artwork exists for, in the order Ctrl+1..Ctrl+6 pick them.
    static constexpr int32_t FRAME_SIZE_COUNT = 6;
    static constexpr int32_t FRAME_SIZES[FRAME_SIZE_COUNT][2] = {
        { 176, 220 }, { 240, 240 }, { 240, 320 }, { 320, 240 }, { 320, 320 }, { 480, 640 },
    };

    int32_t width = 240;
    int32_t height = 320;
    std::string packPath;   // the resource pack to open
    std::string deviceName; // the OEM name the keyboard profile is chosen by
    int32_t keyboardType = 1; // 0 none, 1 full keyboard, 2 phone keypad

    // "WxH" naming one of the six sizes; false for anything else.
    static bool parseFrameSize(const std::string& text, int32_t& width, int32_t& height);
    static bool isFrameSize(int32_t width, int32_t height);
    // "full", "keypad" or "none" -> 1, 2, 0; -1 for anything else.
    static int32_t parseKeyboard(const std::string& text);
};
