#pragma once

#include <cstdint>

// Display size classes. Tables exist for classes 1..7; 0 (unknown size) gets none
// and keeps whatever an earlier fill left. Class 7 is the landscape desktop frame:
// 640 wide, laid out for any height from 360 to 480.
constexpr int32_t SCREEN_CLASS_NONE = 0;
constexpr int32_t SCREEN_CLASS_FIRST = 1;
constexpr int32_t SCREEN_CLASS_LAST = 7;
constexpr int32_t SCREEN_CLASS_LANDSCAPE = 7;

// The class of a display of the given size: 176 wide -> 1; 240x240 -> 2, other
// 240-wide -> 3; 320x240 -> 4, other 320-wide -> 5; 480 wide -> 6; 640 wide -> 7;
// anything else 0.
int32_t screenClassFor(int32_t width, int32_t height);

// The display size last handed to the Display, kept process-wide for the layout code.
void setDisplaySize(int32_t width, int32_t height);
int32_t displayWidth();
int32_t displayHeight();

// The class of the stored display size.
int32_t screenClass();

// True for the classes that have tables.
inline bool hasDisplayTables(int32_t screenClass)
{
    return screenClass >= SCREEN_CLASS_FIRST && screenClass <= SCREEN_CLASS_LAST;
}
