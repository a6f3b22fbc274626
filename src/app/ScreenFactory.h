#pragma once

#include "app/ScreenIds.h"

#include "core/runtime/SharedPointer.h"
#include "ui/Command.h"
#include "ui/MultiTapKeys.h"
#include "ui/Screen.h"

#include <cstdint>
#include <functional>

class DeviceServices;
class MenuScreen;
class Profile;

// The game's screens by navigation id, each new when it is asked for: the splash
// and loading screens, the menus with their entries and headers, the text and
// question screens, the options and the name entry. The soft-key commands are the
// controller's, which tells them apart in its navigation table.
class ScreenFactory : public ScreenIds {
public:
    struct SoftKeys {
        SharedPointer<Command> exit;
        SharedPointer<Command> back;
        SharedPointer<Command> yes;
        SharedPointer<Command> no;
        SharedPointer<Command> select;
    };

    // loadingStep runs on every tick of the loading screen. The profile and the
    // device must outlive the factory.
    ScreenFactory(Profile& profile, DeviceServices& device, SoftKeys keys, std::function<void()> loadingStep);

    // The screen for id, empty for an id that has none (the main menu and the table
    // have their own). gameType: the game being chosen, for the stakes' header line.
    SharedPointer<Screen> create(int32_t id, int32_t gameType) const;
    // The main menu, made once and kept by the controller so that it comes back
    // with its focus where it was.
    SharedPointer<MenuScreen> mainMenu() const;
    // An empty screen named after the game, whose Back goes home, while no table is
    // installed.
    SharedPointer<Screen> tablePlaceholder(int32_t gameType) const;

    // Fills a screen each time before it is shown: the main menu's and the help
    // menu's entries, the about and help topic screens' items.
    void populate(int32_t id, Screen& screen, int32_t helpTopic) const;

private:
    SharedPointer<MenuScreen> makeMenu(int32_t titleId, int32_t variant) const;
    MultiTapKeys multiTapKeys() const;
    bool touchScreen() const;

    Profile& profile;
    DeviceServices& device;
    SoftKeys keys;
    std::function<void()> loadingStep;
};
