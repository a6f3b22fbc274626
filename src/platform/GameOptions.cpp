#include "platform/GameOptions.h"

#include <cstdio>

bool GameOptions::isFrameSize(int32_t width, int32_t height)
{
    for (const auto& size : FRAME_SIZES) {
        if (size[0] == width && size[1] == height)
            return true;
    }
    return false;
}

bool GameOptions::parseFrameSize(const std::string& text, int32_t& width, int32_t& height)
{
    int w = 0;
    int h = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%dx%d%n", &w, &h, &consumed) != 2 || consumed != static_cast<int>(text.size()))
        return false;
    if (!isFrameSize(w, h))
        return false;
    width = w;
    height = h;
    return true;
}

int32_t GameOptions::parseKeyboard(const std::string& text)
{
    if (text == "none")
        return 0;
    if (text == "full")
        return 1;
    if (text == "keypad")
        return 2;
    return -1;
}
