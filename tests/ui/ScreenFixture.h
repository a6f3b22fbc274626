#pragma once

#include "ui/Command.h"
#include "ui/ModalLoop.h"
#include "ui/Screen.h"
#include "ui/ScreenController.h"

#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/Clock.h"
#include "core/runtime/String.h"
#include "host/headless/FakeTimeSource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The pack the build makes, for the texts and the artwork.
inline bool openTestPack()
{
    const std::string path = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
    return currentResourcePack() || openResourcePack(path.c_str());
}

inline std::string narrow(const String& text)
{
    std::string out;
    for (int32_t i = 0; i < text.length(); ++i)
        out += char(text.charAt(i));
    return out;
}

// A controller that records what the screens ask of it.
struct RecordingController : ScreenController, DisplayListener {
    void commandAction(Command* command, Screen* screen) override { commands.push_back({command, screen}); }
    void showScreen(int32_t id, bool push) override { shown.push_back({id, push}); }
    void hiddenSequence(int32_t sequence, Screen* screen) override { hiddenSequences.push_back({sequence, screen}); }
    void displayChanged() override { }
    bool isCurrentScreen(const Object*) const override { return true; }

    std::vector<std::pair<Command*, Screen*>> commands;
    std::vector<std::pair<int32_t, bool>> shown;
    std::vector<std::pair<int32_t, Screen*>> hiddenSequences;
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
inline FakeTimeSource& testTime()
{
    static FakeTimeSource time(FakeTimeSource::NEW_YEAR_2026, 1000);
    static bool anchored = false;
    if (!anchored) {
        processClock().setUp(time);
        anchored = true;
    }
    return time;
}

// The pack, a Display of a given size, the recording controller and the scripted
// modal loop; the display and the loop published process-wide as the game does
// while this lives.
struct ScreenWorld {
    explicit ScreenWorld(int32_t width = 240, int32_t height = 320)
    {
        openTestPack();
        testTime();
        setCurrentDisplay(&display);
        setCurrentModalLoop(&loop);
        resize(width, height);
    }
    ~ScreenWorld()
    {
        setCurrentModalLoop(nullptr);
        setCurrentDisplay(nullptr);
    }
    void resize(int32_t width, int32_t height) { display.setMetrics(DisplayMetrics(width, height)); }
    void paint(Screen& screen) { screen.paint(*display.getSurface()); }

    RecordingController controller;
    ScriptedModalLoop loop;
    Display display { &controller, nullptr };
};

struct ScreenFixture : testing::Test, ScreenWorld {
    void SetUp() override { ASSERT_TRUE(openTestPack()) << "the resource pack is built with the tests"; }
};
