#pragma once

#include "core/lcdui/2d/FrameSink.h"
#include "host/HostEvent.h"

#include <cstdint>

// The one game window as the game's message loop sees it. The SDL backend shows
// a real window; the headless backend plays a script on a virtual clock.
//
// As a FrameSink it receives the composed frame (showFrame) and repaint requests;
// a repaint request makes a later waitEvent return a Paint event, the way a
// Windows window receives WM_PAINT once its queue is empty.
class HostWindow : public FrameSink {
public:
    ~HostWindow() override = default;

    // The next event, waiting at most until deadline (milliseconds of the process
    // clock, currentTimeMillis); a deadline below 0 waits without limit. False when
    // the deadline passed first. Never busy-waits.
    virtual bool waitEvent(int64_t deadline, HostEvent& event) = 0;

    // Frame size in pixels as the window shows it now.
    virtual int32_t frameWidth() const = 0;
    virtual int32_t frameHeight() const = 0;

    // The game changed the frame size (only after a FrameSize event asked for it,
    // or at start-up): the window keeps the new size and scales it to fit.
    virtual void setFrameSize(int32_t width, int32_t height) = 0;

    // Character events are delivered only while text input is on.
    virtual void setTextInput(bool on) = 0;

    // Rumbles a game controller when one is connected, else shakes the presented
    // frame by two pixels; for duration milliseconds. 0 stops at once.
    virtual void vibrate(int32_t duration) = 0;

    // Raises the window in front of the others (where the window manager allows).
    virtual void raise() = 0;
};
