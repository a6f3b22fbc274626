#pragma once

#include "screens/Command.h"
#include "screens/ModalLoop.h"
#include "screens/Screen.h"
#include "screens/ScreenController.h"

#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/Clock.h"
#include "core/runtime/TimeSource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A controller that records what the screens ask of it.
struct RecordingController : ScreenController, DisplayListener {
    void commandAction(Command* command, Screen* screen) override { commands.push_back({command, screen}); }
    void showScreen(int32_t id, bool push) override { shown.push_back({id, push}); }
    void splashStep() override { ++splashSteps; }
    void setCashBankroll(int32_t chips) override { bankroll = chips; }
    void displayChanged() override
    {
        for (Screen* screen : screens)
            screen->invalidateLayout();
    }
    bool isCurrentScreen(const Object*) const override { return true; }

    std::vector<std::pair<Command*, Screen*>> commands;
    std::vector<std::pair<int32_t, bool>> shown;
    std::vector<Screen*> screens; // laid out again after a size change
    int32_t splashSteps = 0;
    int32_t bankroll = 0;
};

// A modal loop that plays a list of actions, one per turn, while the condition holds;
// it gives up (as a closing window would) when the list runs out.
struct ScriptedModalLoop : ModalLoop {
    void runWhile(const std::function<bool()>& condition) override
    {
        ++runs;
        while (condition()) {
            if (next >= steps.size())
                return;
            steps[next++]();
        }
    }
    std::vector<std::function<void()>> steps;
    size_t next = 0;
    int32_t runs = 0;
};

// A clock that stands at 2026-01-01 00:00 UTC until a test moves it.
struct SettableTime : TimeSource {
    int64_t fileTime() override { return (1767225600000LL + Clock::EPOCH_DIFFERENCE_MS) * 10000; }
    uint32_t tickCount() override { return ticks; }
    uint32_t ticks = 1000;
};

inline SettableTime& testTime()
{
    static SettableTime time;
    static bool anchored = false;
    if (!anchored) {
        processClock().setUp(time);
        anchored = true;
    }
    return time;
}

// The pack the build makes, a Display of a given size and the recording controller,
// published process-wide as the game does.
struct ScreenFixture : testing::Test {
    void SetUp() override
    {
        const std::string path = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
        ASSERT_TRUE(currentResourcePack() || openResourcePack(path.c_str()))
            << "the resource pack is built with the tests";
        testTime();
        setCurrentDisplay(&display);
        setCurrentScreenController(&controller);
        setCurrentModalLoop(&loop);
        display.setMetrics(DisplayMetrics(240, 320));
    }
    void TearDown() override
    {
        setCurrentModalLoop(nullptr);
        setCurrentScreenController(nullptr);
        setCurrentDisplay(nullptr);
    }
    void resize(int32_t width, int32_t height) { display.setMetrics(DisplayMetrics(width, height)); }
    void paint(Screen& screen) { screen.paint(*display.getSurface()); }

    RecordingController controller;
    ScriptedModalLoop loop;
    Display display { &controller, nullptr };
};
