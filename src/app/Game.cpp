#include "app/Game.h"

#include "core/io/FileSystem.h"
#include "core/io/StoreTransaction.h"
#include "core/lcdui/2d/Display.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/SoundIds.h"
#include "core/resources/SoundOutput.h"
#include "core/runtime/Clock.h"
#include "host/FrameSizeStore.h"
#include "host/HostWindow.h"
#include "app/ControllerTableHost.h"
#include "app/GameController.h"
#include "poker/RandomSource.h"

#include <sys/stat.h>

namespace {

bool isFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

Game::Game(HostServices& host, const GameOptions& gameOptions)
    : hostServices(host)
    , options(gameOptions)
    , gameWindow(*host.window)
    , deviceServices(options.deviceName, options.keyboardType, host.sound, host.window)
{
    // Clips play through the installed output; the device services set its volume.
    SoundOutput::install(host.sound);
    deviceServices.setSoundStartedListener([this](int32_t resourceId) { startedSounds.push_back(resourceId); });
    StoreTransaction::recoverAtStart(host.files);
    gameController = std::make_unique<GameController>(gameWindow, host.window, deviceServices, host.files);
    ControllerTableHost::install(*gameController, host.handHistories);

    GameWindow::Hooks hooks;
    GameController* controller = gameController.get();
    hooks.currentScreen = [controller] { return controller->getCurrentScreen(); };
    hooks.start = [controller] { controller->start(); };
    hooks.pause = [controller] { controller->pause(); };
    hooks.activated = [this] { deviceServices.applyVolume(); };
    hooks.deactivated = [this] { deviceServices.playSound(STOP_SOUND, 1); };
    hooks.frameSizeChosen = [this](int32_t width, int32_t height) {
        if (hostServices.frameSizes)
            hostServices.frameSizes->remember(width, height);
    };
    gameWindow.attach(&display(), &deviceServices.getKeyMapper(), std::move(hooks));
    // The entry opened the window at the frame size it chose.
    display().setMetrics(DisplayMetrics(host.window->frameWidth(), host.window->frameHeight()));
}

int Game::play(HostServices& host, const GameOptions& options, const std::function<void(Game&)>& ready)
{
    processClock().setUp(*host.time);
    setProcessFileSystem(host.files);
    int status;
    {
        Game game(host, options);
        RandomSource::shared().setSeed(options.seed ? *options.seed : currentTimeMillis());
        if (ready)
            ready(game);
        status = game.run();
    }
    setProcessFileSystem(nullptr);
    return status;
}

Game::~Game()
{
    gameController.reset();
    SoundOutput::install(nullptr);
}

Display& Game::display()
{
    return *gameController->getDisplay();
}

std::vector<int32_t> Game::takeStartedSounds()
{
    std::vector<int32_t> taken;
    taken.swap(startedSounds);
    return taken;
}

int Game::run()
{
    return gameWindow.run();
}

std::string Game::findPack(const std::string& shareFromProgram)
{
    std::string folder = programFolder();
    if (folder.empty())
        return std::string();
    for (const std::string& candidate : { folder + "/" + PACK_FILE, folder + "/" + shareFromProgram + "/" + PACK_FILE }) {
        if (isFile(candidate))
            return candidate;
    }
    return std::string();
}
