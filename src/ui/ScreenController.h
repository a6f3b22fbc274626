#pragma once

#include <cstdint>

class Command;
class Profile;
class Screen;

// What screens need from the main controller. Every screen's listener is the
// controller; it switches screens, screens never do it themselves.
class ScreenController {
public:
    virtual ~ScreenController() = default;

    // A screen fired a command (soft key, menu choice); the navigation table decides.
    virtual void commandAction(Command* command, Screen* screen) = 0;

    // Creates the screen with this id and switches to it; with push the current
    // screen goes on the back stack first. The splash screens use it to chain on.
    virtual void showScreen(int32_t id, bool push) = 0;

    // One start-up loading step; the loading screen calls it on every tick.
    virtual void splashStep() = 0;

    // The player pressed a key or clicked on a start-up screen: from then on the
    // splash screens move on at once and loading ends as soon as its steps are done.
    virtual void skipSplashes() { }
    virtual bool splashesSkipped() const { return false; }

    // The player's cash bankroll in whole chips (the hidden "wwww" sequence sets it).
    virtual void setCashBankroll(int32_t chips) = 0;

    // The name entry screen's needs: the player's profile (null without one), its
    // saving, and the way back to the main menu with the back stack dropped.
    virtual Profile* playerProfile() { return nullptr; }
    // False when the profile could not be written (or is kept from being written).
    virtual bool saveProfile() { return false; }
    virtual void goHome() { }
};

// The process-wide controller, published by the controller itself; null before.
ScreenController* currentScreenController();
void setCurrentScreenController(ScreenController* controller);
