#include "host/headless/HeadlessWindow.h"

#include "core/io/TempDirectory.h"
#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t NEW_YEAR_2026_MS = 1767225600000LL;

HostEvent key(int32_t code)
{
    HostEvent event;
    event.type = HostEvent::Type::KeyDown;
    event.key = code;
    return event;
}

class HeadlessWindowTest : public ::testing::Test {
protected:
    HeadlessWindowTest() { processClock().setUp(clock); }

    // The type of the next event, or None on a timeout.
    HostEvent::Type next(int64_t deadline)
    {
        HostEvent event;
        return window.waitEvent(deadline, event) ? event.type : HostEvent::Type::None;
    }
    int64_t elapsed() { return currentTimeMillis() - NEW_YEAR_2026_MS; }

    FakeTimeSource clock{FakeTimeSource::NEW_YEAR_2026, 0};
    HeadlessWindow window{clock, 240, 320};
};

} // namespace

TEST_F(HeadlessWindowTest, PaintFirstThenEventsThenTimeUpToEachDeadline)
{
    using Type = HostEvent::Type;
    ASSERT_EQ(elapsed(), 0);
    int refills = 0;
    window.setRefill([&] {
        ++refills;
        if (refills == 1)
            window.post(key(0x25));
        return refills == 1;
    });

    window.post(key(0x1B));
    window.requestRepaint(240, 320);
    window.requestRepaint(240, 320);
    EXPECT_EQ(next(-1), Type::Paint); // two requests, one Paint, ahead of the queue
    HostEvent event;
    ASSERT_TRUE(window.waitEvent(-1, event));
    EXPECT_EQ(event.type, Type::KeyDown);
    EXPECT_EQ(event.key, 0x1B);

    // A deadline inside the pending time stops the clock there.
    window.addTime(250);
    EXPECT_EQ(next(NEW_YEAR_2026_MS + 100), Type::None);
    EXPECT_EQ(elapsed(), 100);
    EXPECT_EQ(window.pendingTime(), 150);
    // A deadline already passed times out at once, even with time pending.
    EXPECT_EQ(next(NEW_YEAR_2026_MS + 50), Type::None);
    EXPECT_EQ(elapsed(), 100);
    // A deadline at the very end of the pending time is a timeout, not a refill.
    window.addTime(50);
    EXPECT_EQ(next(NEW_YEAR_2026_MS + 300), Type::None);
    EXPECT_EQ(elapsed(), 300);
    EXPECT_EQ(refills, 0);

    // Past the pending time the refill is asked; what it posts comes at once.
    window.addTime(30);
    ASSERT_TRUE(window.waitEvent(NEW_YEAR_2026_MS + 400, event));
    EXPECT_EQ(event.key, 0x25);
    EXPECT_EQ(elapsed(), 330);
    EXPECT_EQ(refills, 1);
    // Queued events come before a passed deadline.
    window.post(key(0x26));
    EXPECT_EQ(next(NEW_YEAR_2026_MS), Type::KeyDown);

    // The refill ends the run: Close from now on, without asking it again, and
    // without moving the clock.
    EXPECT_EQ(next(NEW_YEAR_2026_MS + 400), Type::Close);
    EXPECT_EQ(next(-1), Type::Close);
    EXPECT_EQ(refills, 2);
    EXPECT_EQ(elapsed(), 330);
    EXPECT_TRUE(window.finished());
}

TEST_F(HeadlessWindowTest, KeepsWhatTheGameAskedOf)
{
    EXPECT_FALSE(window.writePng("/nonexistent"));
    const uint8_t bgr[] = {255, 0, 0, 0, 0, 255}; // blue, red
    window.showFrame(bgr, 2, 1);
    EXPECT_EQ(window.frame(), std::vector<uint8_t>(bgr, bgr + 6));
    TempDirectory dir;
    ASSERT_TRUE(window.writePng(dir.file("shot.png")));
    std::vector<uint8_t> png = dir.read("shot.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png[19], 2);  // IHDR width
    EXPECT_EQ(png[23], 1);  // IHDR height
    window.vibrate(500);
    window.vibrate(0); // a stop, not a vibration
    EXPECT_EQ(window.vibrations(), 1);
}
