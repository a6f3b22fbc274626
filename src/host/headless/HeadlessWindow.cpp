#include "host/headless/HeadlessWindow.h"

#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"

HeadlessWindow::HeadlessWindow(FakeTimeSource& clock, int32_t width, int32_t height)
    : clock(clock)
    , width(width)
    , height(height)
{
}

bool HeadlessWindow::waitEvent(int64_t deadline, HostEvent& event)
{
    for (;;) {
        if (ended) {
            event = HostEvent();
            event.type = HostEvent::Type::Close;
            return true;
        }
        if (paintPending) {
            paintPending = false;
            event = HostEvent();
            event.type = HostEvent::Type::Paint;
            return true;
        }
        if (!queue.empty()) {
            event = queue.front();
            queue.pop_front();
            return true;
        }
        const int64_t now = currentTimeMillis();
        if (deadline >= 0 && deadline <= now)
            return false;
        if (pending > 0) {
            if (deadline >= 0 && deadline - now <= pending) {
                pending -= deadline - now;
                advance(deadline - now);
                return false;
            }
            advance(pending);
            pending = 0;
            continue;
        }
        // A refill that adds nothing (a dump, a shot) is simply asked again.
        if (!refillCallback || !refillCallback())
            ended = true;
    }
}

void HeadlessWindow::setFrameSize(int32_t newWidth, int32_t newHeight)
{
    width = newWidth;
    height = newHeight;
}

void HeadlessWindow::vibrate(int32_t duration)
{
    if (duration > 0)
        ++vibrationCount;
}

void HeadlessWindow::showFrame(const uint8_t* pixels, int32_t frameWidth, int32_t frameHeight)
{
    frames.showFrame(pixels, frameWidth, frameHeight);
}

void HeadlessWindow::addTime(int64_t milliseconds)
{
    if (milliseconds > 0)
        pending += milliseconds;
}

void HeadlessWindow::advance(int64_t milliseconds)
{
    // The process clock sees a wrap of the 32-bit tick counter only when it reads
    // the counter at least once per 2^32 ms, so long waits go in steps of 2^31.
    constexpr int64_t LONGEST_STEP = int64_t(1) << 31;
    while (milliseconds > 0) {
        const int64_t step = milliseconds < LONGEST_STEP ? milliseconds : LONGEST_STEP;
        clock.advance(uint32_t(step));
        currentTimeMillis();
        milliseconds -= step;
    }
}
