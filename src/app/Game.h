#pragma once

#include "host/HostServices.h"
#include "app/DeviceServices.h"
#include "app/GameOptions.h"
#include "app/GameWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Display;
class GameController;

// One run of the game on whatever host the entry built: the device services, the
// controller with its display, and the window's message loop.
class Game {
public:
    static constexpr const char* PACK_FILE = "Kestrelmoore_res.dat";

    // The one way the game starts: the host's clock and files serve the process
    // while it runs; the game is built, the shared random generator seeded (after
    // the build, which seeds it from the clock when it makes the table), ready is
    // called, then the game runs until its window closes. The exit status of the run.
    // The resource pack must be open, host.time and host.files set.
    static int play(HostServices& host, const GameOptions& options,
                    const std::function<void(Game&)>& ready = nullptr);

    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameController& controller() { return *gameController; }
    Display& display();
    DeviceServices& device() { return deviceServices; }
    GameWindow& window() { return gameWindow; }
    HostServices& host() { return hostServices; }

    // Resource ids of the sounds started since the last call.
    std::vector<int32_t> takeStartedSounds();

    // The pack beside the program, else in the installed share folder, given
    // relative to the program's folder; empty when neither exists.
    static std::string findPack(const std::string& shareFromProgram = "../share/kestrelmoore");

private:
    Game(HostServices& host, const GameOptions& options);
    int run();

    HostServices& hostServices;
    GameOptions options;
    GameWindow gameWindow;
    DeviceServices deviceServices;
    std::unique_ptr<GameController> gameController;
    std::vector<int32_t> startedSounds;
};
