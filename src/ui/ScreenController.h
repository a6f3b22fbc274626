#pragma once

#include <cstdint>

class Command;
class Screen;

// What every screen needs from the one controller that is its listener: it
// switches screens, screens never do it themselves.
class ScreenController {
public:
    virtual ~ScreenController() = default;

    // A screen fired a command (soft key, menu choice); the navigation table decides.
    virtual void commandAction(Command* command, Screen* screen) = 0;

    // Creates the screen with this id and switches to it; with push the current
    // screen goes on the back stack first. The splash screens use it to chain on.
    virtual void showScreen(int32_t id, bool push) = 0;

    // The player pressed a key or clicked on a start-up screen: from then on the
    // splash screens move on at once and loading ends as soon as its steps are done.
    virtual void skipSplashes() { }
    virtual bool splashesSkipped() const { return false; }

    // A hidden key sequence (Screen::HiddenSequence) typed on a screen that gives
    // it no meaning of its own; what it does is the game's business.
    virtual void hiddenSequence(int32_t sequence, Screen* screen)
    {
        (void)sequence;
        (void)screen;
    }
};
