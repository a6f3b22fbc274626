#include "host/sdl/WindowFit.h"

#include <gtest/gtest.h>

namespace {

struct Desktop {
    WindowFit::Area screen;
    WindowFit::Area usable;
    int32_t windowWidth; // the window a first start opens: frame x scale
    int32_t windowHeight;
    int32_t scale;
};

} // namespace

// A first start on common desktops: the landscape ones get the 640-wide size of
// their shape at the largest scale within 90% of the usable area; portrait and
// small ones a phone size as before.
TEST(WindowFitTest, FirstStartOnCommonDesktops)
{
    const Desktop desktops[] = {
        { { 1920, 1080 }, { 1920, 1080 }, 1280, 720, 2 },  // 16:9; x3 would fill it
        { { 1920, 1080 }, { 1920, 1048 }, 1280, 720, 2 },  // a panel at the bottom
        { { 2560, 1440 }, { 2560, 1440 }, 1920, 1080, 3 }, // x4 would fill it
        { { 3840, 2160 }, { 3840, 2120 }, 3200, 1800, 5 }, // 90% of 2120 is 1908
        { { 1920, 1200 }, { 1920, 1200 }, 1280, 800, 2 },  // 16:10
        { { 1440, 900 }, { 1440, 870 }, 640, 400, 1 },     // 16:10; x2 = 800 > 783
        { { 1280, 1024 }, { 1280, 1024 }, 640, 480, 1 },   // 5:4; x2 = 960 > 921.6
        { { 1024, 768 }, { 1024, 740 }, 640, 480, 1 },     // 4:3
        { { 1600, 1200 }, { 1600, 1200 }, 1280, 960, 2 },  // 4:3; 960 <= 1080
        { { 1366, 768 }, { 1366, 740 }, 640, 360, 1 },     // 16:9; x2 = 720 > 666
        { { 2560, 1080 }, { 2560, 1080 }, 1280, 720, 2 },  // 21:9 is nearest 16:9
        // Small: 640x480 needs 533 rows for 90% of them; 800x600 has them.
        { { 800, 600 }, { 800, 600 }, 640, 480, 1 },
        { { 700, 500 }, { 700, 500 }, 320, 320, 1 },       // 640 > 630: a phone size
        // Portrait: the phone sizes as before, the largest that fits at x1 with
        // room for borders, shown at the largest scale within 90%.
        { { 1080, 1920 }, { 1080, 1920 }, 960, 1280, 2 },   // 480x640
        { { 768, 1024 }, { 768, 1024 }, 480, 640, 1 },
        { { 600, 600 }, { 600, 600 }, 320, 320, 1 },        // square is not landscape
        { { 310, 310 }, { 310, 310 }, 240, 240, 1 },       // 240 + 64 <= 310
        { { 100, 100 }, { 100, 100 }, 176, 220, 1 },        // nothing fits: the smallest
    };
    for (const Desktop& desktop : desktops) {
        const WindowFit::Choice choice = WindowFit::firstStart(desktop.screen, desktop.usable);
        const std::string name = std::to_string(desktop.screen.width) + "x" + std::to_string(desktop.screen.height)
            + " usable " + std::to_string(desktop.usable.width) + "x" + std::to_string(desktop.usable.height);
        EXPECT_EQ(choice.frame.width * choice.scale, desktop.windowWidth) << name;
        EXPECT_EQ(choice.frame.height * choice.scale, desktop.windowHeight) << name;
        EXPECT_EQ(choice.scale, desktop.scale) << name;
        EXPECT_TRUE(FrameSizes::isSupported(choice.frame.width, choice.frame.height)) << name;
    }
}

// The scale a size picked later opens at, and the full-screen scale: whole numbers
// only, never 0, the edge of 90% included.
TEST(WindowFitTest, WindowAndFullScreenScales)
{
    EXPECT_EQ(WindowFit::windowScale({ 240, 320 }, { 1920, 1080 }), 3);   // 960 <= 972
    EXPECT_EQ(WindowFit::windowScale({ 640, 360 }, { 1920, 1080 }), 2);
    EXPECT_EQ(WindowFit::windowScale({ 640, 360 }, { 1600, 1200 }), 2);   // 1920 > 1440 wide
    EXPECT_EQ(WindowFit::windowScale({ 100, 100 }, { 1000, 2000 }), 9);   // exactly 90%
    EXPECT_EQ(WindowFit::windowScale({ 100, 100 }, { 999, 2000 }), 8);
    EXPECT_EQ(WindowFit::windowScale({ 640, 480 }, { 320, 240 }), 1);     // too small: still 1
    EXPECT_EQ(WindowFit::windowScale({ 640, 480 }, { 0, 0 }), 1);
    EXPECT_EQ(WindowFit::windowScale({ 0, 480 }, { 1920, 1080 }), 1);
    EXPECT_EQ(WindowFit::windowScale({ 1, 1 }, { 1000000, 2000000000 }), 900000);

    EXPECT_EQ(WindowFit::fillScale({ 640, 360 }, { 1920, 1080 }), 3);     // fills it exactly
    EXPECT_EQ(WindowFit::fillScale({ 240, 320 }, { 1920, 1080 }), 3);     // 720x960, black around
    EXPECT_EQ(WindowFit::fillScale({ 640, 480 }, { 1920, 1080 }), 2);
    EXPECT_EQ(WindowFit::fillScale({ 640, 400 }, { 2560, 1440 }), 3);
    EXPECT_EQ(WindowFit::fillScale({ 640, 480 }, { 600, 400 }), 1);
    EXPECT_EQ(WindowFit::fillScale({ 0, 0 }, { 600, 400 }), 1);
}
