#pragma once

// What the controller asks of the window and its message loop.
class ControllerHost {
public:
    virtual ~ControllerHost() = default;

    // The 100 ms frame timer: on from start, off at pause and quit.
    virtual void setFrameTimer(bool on) = 0;
    // Closes the window as the player would; the run ends once the close is handled.
    virtual void postClose() = 0;
    // Character input is delivered exactly while the current screen wants text.
    virtual void setTextInput(bool on) = 0;
};
