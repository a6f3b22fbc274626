#pragma once

#include "host/HostEvent.h"

#include <cstdint>
#include <deque>
#include <vector>

union SDL_Event;
typedef struct _SDL_GameController SDL_GameController;

// The game controllers through SDL's game controller API, plugged in before the
// start or while the game runs. Buttons become PadDown/PadUp host events in SDL's
// numbering; the left stick pushed past its dead zone becomes the D-pad direction
// it points to most, and the left trigger pulled becomes PAD_LEFT_TRIGGER. A held
// direction or shoulder repeats as a held key does.
//
// While a controller is connected SDL would poll for its events about every
// millisecond; the window then polls every PAD_POLL_MS instead. With none, waiting
// costs nothing.
class SdlGamepad {
public:
    // Stick and trigger positions are SDL's: -32768..32767 and 0..32767.
    static constexpr int32_t STICK_PRESS = 16000;   // about half way out
    static constexpr int32_t STICK_RELEASE = 10000; // back inside: released
    static constexpr int32_t TRIGGER_PRESS = 16000;
    static constexpr int32_t TRIGGER_RELEASE = 8000;
    static constexpr int64_t REPEAT_DELAY_MS = 400;
    static constexpr int64_t REPEAT_INTERVAL_MS = 150;
    static constexpr int32_t NO_DIRECTION = -1;
    // The window's wait between polls while a controller is connected: one frame
    // of a 60 Hz display.
    static constexpr int PAD_POLL_MS = 16;

    // Starts SDL's game controller subsystem; without it the pad stays silent.
    SdlGamepad();
    ~SdlGamepad();
    SdlGamepad(const SdlGamepad&) = delete;
    SdlGamepad& operator=(const SdlGamepad&) = delete;

    // Turns a controller event into host events at the end of queue; false when
    // the event is none of the controllers'. now: currentTimeMillis.
    bool translate(const SDL_Event& event, std::deque<HostEvent>& queue, int64_t now);
    // Puts the repeats due by now at the end of queue.
    void repeat(int64_t now, std::deque<HostEvent>& queue);
    // When the next repeat is due; -1 with nothing held.
    int64_t nextRepeatTime() const;

    // Rumbles the first controller for duration ms; false without one that can.
    bool rumble(int32_t duration);
    void stopRumble();
    int32_t controllerCount() const { return int32_t(controllers.size()); }

    // The D-pad button the stick at (x, y) stands for, given the one it stood for
    // until now: it is kept until its own axis falls back inside STICK_RELEASE,
    // and a new one needs STICK_PRESS along the stronger axis.
    static int32_t stickDirection(int32_t x, int32_t y, int32_t current);

private:
    struct Held {
        int32_t button;
        int64_t nextRepeat;
    };

    void down(int32_t button, std::deque<HostEvent>& queue, int64_t now);
    void up(int32_t button, std::deque<HostEvent>& queue);
    void stickMoved(std::deque<HostEvent>& queue, int64_t now);
    void removed(int32_t instanceId, std::deque<HostEvent>& queue);

    bool initialised = false;
    std::vector<SDL_GameController*> controllers;
    std::vector<Held> held;
    int32_t stickX = 0;
    int32_t stickY = 0;
    int32_t stickButton = NO_DIRECTION;
    bool triggerDown = false;
};
