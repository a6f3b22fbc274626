#pragma once

#include "host/HostWindow.h"
#include "host/headless/HeadlessFrameSink.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

class FakeTimeSource;

// The window of tests and the scripted player. Nothing happens by itself: events
// are posted and time is added by a runner, and the virtual clock moves only while
// the game waits. The game pulls, so a modal loop nested in the game's handling of
// one event simply pulls the next ones.
//
// waitEvent takes, in this order: a pending repaint (one Paint however many
// requests came); the next posted event; a deadline that has passed (timeout);
// the pending time, up to the deadline when the deadline falls within it (then a
// timeout) and all of it otherwise. With nothing left it calls the refill callback
// for more; when there is none or it returns false, the run is over and every
// later wait returns Close.
//
// The clock must be the process clock's source (it goes in as HostServices::time), as
// deadlines are in currentTimeMillis.
class HeadlessWindow : public HostWindow {
public:
    HeadlessWindow(FakeTimeSource& clock, int32_t width, int32_t height);

    bool waitEvent(int64_t deadline, HostEvent& event) override;
    int32_t frameWidth() const override { return width; }
    int32_t frameHeight() const override { return height; }
    void setFrameSize(int32_t newWidth, int32_t newHeight) override;
    void setTextInput(bool on) override { textInputOn = on; }
    void vibrate(int32_t duration) override;
    void raise() override { ++raises; }
    void requestRepaint(int32_t, int32_t) override { paintPending = true; }
    void showFrame(const uint8_t* pixels, int32_t frameWidth, int32_t frameHeight) override;

    // The runner's side.
    void post(const HostEvent& event) { queue.push_back(event); }
    void addTime(int64_t milliseconds);
    void setRefill(std::function<bool()> refill) { refillCallback = std::move(refill); }

    // The last presented frame: blue, green, red, rows top first.
    const std::vector<uint8_t>& frame() const { return frames.frame(); }
    int32_t presentedWidth() const { return frames.width(); }
    int32_t presentedHeight() const { return frames.height(); }
    int32_t presentCount() const { return frames.presentCount(); }
    // The last presented frame as an 8-bit RGB PNG of its size; false when nothing
    // was presented yet or the file cannot be written.
    bool writePng(const std::string& path) const { return frames.writePng(path); }

    bool textInput() const { return textInputOn; }
    int32_t vibrations() const { return vibrationCount; }
    int32_t raiseCount() const { return raises; }
    bool repaintPending() const { return paintPending; }
    int64_t pendingTime() const { return pending; }
    bool finished() const { return ended; }

private:
    void advance(int64_t milliseconds);

    FakeTimeSource& clock;
    HeadlessFrameSink frames;
    std::deque<HostEvent> queue;
    std::function<bool()> refillCallback;
    int64_t pending = 0;
    int32_t width;
    int32_t height;
    bool paintPending = false;
    bool textInputOn = false;
    bool ended = false;
    int32_t vibrationCount = 0;
    int32_t raises = 0;
};
