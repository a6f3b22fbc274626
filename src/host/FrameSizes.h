#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

// The nine frame sizes the game has layouts for, in the order Ctrl+1 .. Ctrl+9
// pick them in the window: one per display class 1..6, made for phones, then the
// three landscape sizes of class 7, made for desktops of 16:9, 16:10 and 4:3.
class FrameSizes {
public:
    struct Size {
        int32_t width;
        int32_t height;
    };

    static constexpr int32_t COUNT = 9;
    // ALL[0 .. PHONE_COUNT - 1] are the phone sizes, the rest the desktop ones.
    static constexpr int32_t PHONE_COUNT = 6;
    static constexpr Size ALL[COUNT] = {
        {176, 220}, {240, 240}, {240, 320}, {320, 240}, {320, 320}, {480, 640},
        {640, 360}, {640, 400}, {640, 480},
    };

    static constexpr bool isSupported(int32_t width, int32_t height)
    {
        for (const Size& size : ALL) {
            if (size.width == width && size.height == height)
                return true;
        }
        return false;
    }

    // Reads "WxH" (decimal, nothing else) naming one of the nine sizes.
    static bool parse(const char* text, int32_t& width, int32_t& height)
    {
        if (!text || text[0] < '0' || text[0] > '9')
            return false;
        char* end = nullptr;
        long w = std::strtol(text, &end, 10);
        if (end == text || *end != 'x' || end[1] < '0' || end[1] > '9')
            return false;
        const char* heightText = end + 1;
        long h = std::strtol(heightText, &end, 10);
        if (*end != 0 || w > 10000 || h > 10000 || !isSupported(int32_t(w), int32_t(h)))
            return false;
        width = int32_t(w);
        height = int32_t(h);
        return true;
    }

    // "176x220, 240x240, ... or 640x480", for messages that refuse a size.
    static std::string names()
    {
        std::string text;
        for (int32_t i = 0; i < COUNT; ++i) {
            if (i > 0)
                text += i + 1 == COUNT ? " or " : ", ";
            text += std::to_string(ALL[i].width) + "x" + std::to_string(ALL[i].height);
        }
        return text;
    }
};
