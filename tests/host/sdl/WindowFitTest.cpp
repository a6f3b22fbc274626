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
        { { 1920, 1080 }, { 1920, 1048 }, 1280, 720, 2 },  // 16:9 with a panel; x3 would fill it
        { { 2560, 1440 }, { 2560, 1440 }, 1920, 1080, 3 }, // x4 would fill it
        { { 3840, 2160 }, { 3840, 2120 }, 3200, 1800, 5 }, // 90% of 2120 is 1908
        { { 1280, 1024 }, { 1280, 1024 }, 640, 480, 1 },   // 5:4; x2 = 960 > 921.6
        { { 1920, 1200 }, { 1920, 1200 }, 1280, 800, 2 },  // 16:10
        // Portrait: the largest phone size that fits at x1 with room for borders.
        { { 1080, 1920 }, { 1080, 1920 }, 960, 1280, 2 },  // 480x640
        { { 700, 500 }, { 700, 500 }, 320, 320, 1 },       // 640 > 630: a phone size
    };
    for (const Desktop& desktop : desktops) {
        const WindowFit::Choice choice = WindowFit::firstStart(desktop.screen, desktop.usable);
        const std::string name = std::to_string(desktop.screen.width) + "x" + std::to_string(desktop.screen.height);
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
    EXPECT_EQ(WindowFit::windowScale({ 100, 100 }, { 1000, 2000 }), 9);   // exactly 90%
    EXPECT_EQ(WindowFit::windowScale({ 100, 100 }, { 999, 2000 }), 8);
    EXPECT_EQ(WindowFit::windowScale({ 640, 480 }, { 320, 240 }), 1);     // too small: still 1
    EXPECT_EQ(WindowFit::windowScale({ 0, 480 }, { 1920, 1080 }), 1);
    EXPECT_EQ(WindowFit::windowScale({ 1, 1 }, { 1000000, 2000000000 }), 900000);

    EXPECT_EQ(WindowFit::fillScale({ 640, 360 }, { 1920, 1080 }), 3);     // fills it exactly
    EXPECT_EQ(WindowFit::fillScale({ 640, 480 }, { 1920, 1080 }), 2);
    EXPECT_EQ(WindowFit::fillScale({ 640, 480 }, { 600, 400 }), 1);
    EXPECT_EQ(WindowFit::fillScale({ 0, 0 }, { 600, 400 }), 1);
}
