#pragma once

#include <cstdint>

// One thing that happened at the window, in the terms the game's window procedure
// understands. Keys are Windows virtual-key codes (VK_LEFT 0x25, VK_ESCAPE 0x1B,
// VK_F1 0x70, digits and letters as their upper-case ASCII codes), because the key
// mapper's device tables are written in them; characters are Unicode code points.
// Pointer positions are already in frame pixels.
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
    };

    Type type = Type::None;
    int32_t key = 0;
    uint32_t character = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
