#include "host/FrameSizes.h"

#include <gtest/gtest.h>

TEST(FrameSizesTest, ParsesOnlyTheNineSizes)
{
    int32_t width = 0;
    int32_t height = 0;
    for (const FrameSizes::Size& size : FrameSizes::ALL) {
        std::string text = std::to_string(size.width) + "x" + std::to_string(size.height);
        EXPECT_TRUE(FrameSizes::parse(text.c_str(), width, height)) << text;
        EXPECT_EQ(width, size.width);
        EXPECT_EQ(height, size.height);
    }
    for (const char* bad : {"240x321", "480x640x", "640x640", "360x640", "240X320", "240x320 ", " 240x320", "+240x320",
                            "240x+320", "240x", "x320", "", "99999999999999999999x320"}) {
        EXPECT_FALSE(FrameSizes::parse(bad, width, height)) << bad;
    }
    EXPECT_FALSE(FrameSizes::parse(nullptr, width, height));
    EXPECT_EQ(FrameSizes::names(),
        "176x220, 240x240, 240x320, 320x240, 320x320, 480x640, 640x360, 640x400 or 640x480");
}
