#include "ScreenClass.h"

namespace {

int32_t storedWidth = 0;
int32_t storedHeight = 0;

} // namespace

int32_t screenClassFor(int32_t width, int32_t height)
{
    switch (width) {
    case 176:
        return 1;
    case 240:
        return height == 240 ? 2 : 3;
    case 320:
        return height == 240 ? 4 : 5;
    case 480:
        return 6;
    case 640:
        return 7;
    default:
        return 0;
    }
}

void setDisplaySize(int32_t width, int32_t height)
{
    storedWidth = width;
    storedHeight = height;
}

int32_t displayWidth() { return storedWidth; }
int32_t displayHeight() { return storedHeight; }

int32_t screenClass() { return screenClassFor(storedWidth, storedHeight); }
