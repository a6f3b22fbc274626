#pragma once

#include <cstdint>

// Milliseconds between two EVENT_TICKs: the frame timer's period, by which the
// table's animations and timers move.
constexpr int32_t FRAME_INTERVAL_MS = 100;

// Event types handed to handleEvent(type, p1, p2).
constexpr int32_t EVENT_KEY = 1;               // p1 key code, p2 the character of KEY_CHAR
constexpr int32_t EVENT_TICK = 2;              // the frame timer; p1, p2 0
constexpr int32_t EVENT_POINTER_PRESSED = 3;   // p1 x, p2 y in frame pixels
constexpr int32_t EVENT_POINTER_RELEASED = 4;
constexpr int32_t EVENT_POINTER_DRAGGED = 5;
constexpr int32_t EVENT_KEYPAD = 6;            // a typed character for multi-tap: p1 1, p2 the character

// Key codes in p1 of an EVENT_KEY (the key mapper's actions).
constexpr int32_t KEY_CHAR = 1;
constexpr int32_t KEY_CLEAR = 3;
constexpr int32_t KEY_FIRE = 4;
constexpr int32_t KEY_BACK = 5;
constexpr int32_t KEY_LEFT = 6;
constexpr int32_t KEY_RIGHT = 7;
constexpr int32_t KEY_UP = 8;
constexpr int32_t KEY_DOWN = 9;
constexpr int32_t KEY_SOFT_LEFT = 10;
constexpr int32_t KEY_SOFT_RIGHT = 11;
constexpr int32_t KEY_SELECT = 12;
// The desktop's Delete: removes what follows the cursor where there is one, else
// acts as KEY_CLEAR. No keypad profile produces it.
constexpr int32_t KEY_DELETE = 13;
