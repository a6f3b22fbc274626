#pragma once

#include "host/HostServices.h"
#include "app/DeviceServices.h"
#include "app/GameOptions.h"
#include "app/GameWindow.h"

#include <memory>
#include <string>
#include <vector>

class Display;
class GameController;

// One run of the game on whatever host the entry built: the device services, the
// controller with its display, and the window's message loop. The resource pack
// must be open before it is built.
class Game {
public:
    static constexpr const char* PACK_FILE = "Kestrelmoore_res.dat";
    // Where the chosen frame size is remembered, in the data directory.
    static constexpr const char* FRAME_SIZE_FILE = "frame-size";

    Game(HostServices& host, const GameOptions& options);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Runs until the window closes; the exit status of the run.
    int run();

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

    // The frame size remembered in the data directory; false when none is.
    static bool rememberedFrameSize(const std::string& dataDirectory, int32_t& width, int32_t& height);
    static void rememberFrameSize(const std::string& dataDirectory, int32_t width, int32_t height);

private:
    HostServices& hostServices;
    GameOptions options;
    GameWindow gameWindow;
    DeviceServices deviceServices;
    std::unique_ptr<GameController> gameController;
    std::vector<int32_t> startedSounds;
};
