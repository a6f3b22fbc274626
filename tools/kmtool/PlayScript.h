#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// One line of a `kmtool play` script, checked when the script is read so that a
// bad line is refused before the game starts.
struct PlayStep {
    enum class Kind { Wait, Key, KeyDown, KeyUp, Pad, Type, Tap, Press, Release, Drag, Size, Focus, Shot, Dump, Quit };

    Kind kind = Kind::Dump;
    int32_t line = 0;      // 1-based, for messages
    int64_t millis = 0;    // Wait
    int32_t key = 0;       // Key/KeyDown/KeyUp: virtual-key code; Pad: controller button
    std::u32string text;   // Type
    int32_t x = 0, y = 0;  // pointer steps; Size: width, height
    bool on = false;       // Focus
    std::string name;      // Shot
};

class PlayScript {
public:
    // Reads every line; throws ToolError "line N: ..." for an unknown command or a
    // bad argument.
    static std::vector<PlayStep> parse(std::istream& in);

    // The virtual-key code of a key name (UP, RETURN, F1, ... or 0xNN); -1 if unknown.
    static int32_t keyCode(const std::string& name);

    // The controller button of an SDL button name (A, START, DPAD_UP, ...) or
    // LEFTTRIGGER, numbered as the host reports them; -1 if unknown.
    static int32_t padButton(const std::string& name);
};
