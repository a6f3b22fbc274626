#pragma once

#include <cstdint>

// One thing that happened at the window, in the terms the game's window procedure
// understands. Keys are Windows virtual-key codes (VK_LEFT 0x25, VK_ESCAPE 0x1B,
// VK_F1 0x70, digits and letters as their upper-case ASCII codes), because the key
// mapper's device tables are written in them; characters are Unicode code points.
// Pointer positions are already in frame pixels. Game controller buttons are
// numbered as SDL's game controller API numbers them (A 0, B 1, X 2, Y 3, BACK 4,
// GUIDE 5, START 6, LEFTSTICK 7, RIGHTSTICK 8, LEFTSHOULDER 9, RIGHTSHOULDER 10,
// DPAD_UP 11, DPAD_DOWN 12, DPAD_LEFT 13, DPAD_RIGHT 14), with PAD_LEFT_TRIGGER for
// the left trigger pulled; the backend reports the left stick as the D-pad and
// repeats a held direction as a keyboard repeats a held key.
struct HostEvent {
    enum class Type {
        None,
        KeyDown,         // key: virtual-key code
        KeyUp,           // key: virtual-key code
        Character,       // character: code point typed (text input only while enabled)
        PointerPressed,  // x, y
        PointerReleased, // x, y
        PointerMoved,    // x, y; only while the button is held
        Activated,       // the window gained keyboard focus (or was restored)
        Deactivated,     // lost keyboard focus or minimised
        Paint,           // a repaint was requested or the window needs one
        FrameSize,       // the player picked another frame size: width, height
        Close,           // the player closed the window (or the script ended)
        PadDown,         // key: controller button pressed (again, for a repeat)
        PadUp,           // key: controller button released
    };

    static constexpr int32_t PAD_LEFT_TRIGGER = 32;

    Type type = Type::None;
    int32_t key = 0;
    uint32_t character = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
