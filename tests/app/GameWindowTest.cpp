// The window procedure on the headless window: the input guard, the modal overlay,
// the frame timer and activation, driven on a virtual clock.
#include "app/GameWindow.h"

#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/Overlay.h"
#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"
#include "host/headless/HeadlessWindow.h"
#include "app/input/KeyMapper.h"
#include "ui/Events.h"
#include "ui/ModalLoop.h"
#include "ui/Screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingScreen : public Screen {
public:
    RecordingScreen()
        : Screen(3)
    {
    }
    bool handleEvent(int32_t type, int32_t p1, int32_t) override
    {
        events.push_back({ type, p1 });
        return true;
    }
    int32_t count(int32_t type) const
    {
        int32_t n = 0;
        for (const auto& event : events)
            n += event.first == type;
        return n;
    }
    std::vector<std::pair<int32_t, int32_t>> events;
};

class PlainOverlay : public Overlay {
public:
    void paint(Base2DGraphics&) override { }
    void invalidateLayout() override { }
};

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest()
        : clock(FakeTimeSource::NEW_YEAR_2026, 5000)
        , host(clock, 240, 320)
        , display(nullptr, &host)
        , keys("", 1)
        , window(host)
    {
        processClock().setUp(clock);
        setLastModalEnd(0);
        display.setMetrics(DisplayMetrics(240, 320));
        GameWindow::Hooks hooks;
        hooks.currentScreen = [this] { return &screen; };
        hooks.start = [this] { ++starts; window.startTimer(); };
        hooks.pause = [this] { ++pauses; window.stopTimer(); };
        window.attach(&display, &keys, hooks);
    }

    HostEvent event(HostEvent::Type type, int32_t key = 0)
    {
        HostEvent e;
        e.type = type;
        e.key = key;
        e.x = 10;
        e.y = 20;
        return e;
    }

    FakeTimeSource clock;
    HeadlessWindow host;
    Display display;
    KeyMapper keys;
    GameWindow window;
    RecordingScreen screen;
    int starts = 0;
    int pauses = 0;
};

} // namespace

TEST_F(GameWindowTest, InputWithinTwoHundredMillisecondsOfAModalIsDropped)
{
    setLastModalEnd(currentTimeMillis() - 200);
    window.dispatch(event(HostEvent::Type::PointerPressed));
    window.dispatch(event(HostEvent::Type::KeyUp, 0x1B));
    EXPECT_TRUE(screen.events.empty());

    setLastModalEnd(currentTimeMillis() - 201);
    window.dispatch(event(HostEvent::Type::PointerPressed));
    window.dispatch(event(HostEvent::Type::KeyUp, 0x1B)); // Escape is "back"
    ASSERT_EQ(screen.events.size(), 2u);
    EXPECT_EQ(screen.events[0].first, EVENT_POINTER_PRESSED);
    EXPECT_EQ(screen.events[1], std::make_pair(EVENT_KEY, KEY_BACK));

    // A stamp in the future (the clock was set back) fails the guard as well.
    setLastModalEnd(currentTimeMillis() + 5000);
    window.dispatch(event(HostEvent::Type::PointerPressed));
    EXPECT_EQ(screen.events.size(), 2u);
}

TEST_F(GameWindowTest, APressDismissesTheOverlayAndNeverReachesTheScreen)
{
    display.setOverlay(SharedPointer<Overlay>(new PlainOverlay));
    window.dispatch(event(HostEvent::Type::PointerMoved));
    window.dispatch(event(HostEvent::Type::PointerReleased));
    EXPECT_TRUE(display.hasOverlay()); // only a press or a key dismisses
    window.dispatch(event(HostEvent::Type::PointerPressed));
    EXPECT_FALSE(display.hasOverlay());
    EXPECT_TRUE(screen.events.empty());

    display.setOverlay(SharedPointer<Overlay>(new PlainOverlay));
    window.dispatch(event(HostEvent::Type::KeyDown, 0x0D));
    EXPECT_FALSE(display.hasOverlay());
    EXPECT_TRUE(screen.events.empty());
}

TEST_F(GameWindowTest, TicksEveryHundredMillisecondsExceptUnderAnAlertOrWhilePaused)
{
    host.addTime(1000);
    int refills = 0;
    host.setRefill([&] {
        ++refills;
        if (refills == 1) {
            // Half a second under an alert: the clock moves, the screen hears nothing.
            display.setOverlay(SharedPointer<Overlay>(new PlainOverlay));
            host.addTime(500);
            return true;
        }
        if (refills == 2) {
            display.clearOverlay();
            host.post(event(HostEvent::Type::Deactivated));
            host.addTime(700); // paused: no ticks
            return true;
        }
        if (refills == 3) {
            host.post(event(HostEvent::Type::Activated));
            host.addTime(300);
            return true;
        }
        return false;
    });
    EXPECT_EQ(window.run(), 0);
    EXPECT_EQ(screen.count(EVENT_TICK), 10 + 3);
    EXPECT_EQ(starts, 2); // started by run, then again on activation, never twice in a row
    EXPECT_EQ(pauses, 2); // deactivation, and the close at the end of the script
}

TEST_F(GameWindowTest, TheModalLoopEndsWhenItsConditionDoesOrTheWindowCloses)
{
    ASSERT_EQ(currentModalLoop(), &window);
    int polls = 0;
    for (int i = 0; i < 3; ++i)
        host.post(event(HostEvent::Type::PointerMoved));
    window.runWhile([&] { return ++polls < 3; });
    EXPECT_EQ(polls, 3);
    EXPECT_FALSE(window.isClosing());

    host.post(event(HostEvent::Type::Close));
    window.runWhile([] { return true; }); // would never end but for the close
    EXPECT_TRUE(window.isClosing());
}
