#include "app/Game.h"

#include "core/io/StoreTransaction.h"
#include "core/lcdui/2d/Display.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/SoundOutput.h"
#include "host/FrameSizes.h"
#include "host/HostWindow.h"
#include "app/ControllerTableHost.h"
#include "app/GameController.h"

#include <fstream>
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
    gameController = std::make_unique<GameController>(gameWindow, host.window, deviceServices);
    ControllerTableHost::install(*gameController, host.handHistories);

    GameWindow::Hooks hooks;
    GameController* controller = gameController.get();
    hooks.currentScreen = [controller] { return controller->getCurrentScreen(); };
    hooks.start = [controller] { controller->start(); };
    hooks.pause = [controller] { controller->pause(); };
    hooks.activated = [this] { deviceServices.applyVolume(); };
    hooks.deactivated = [this] { deviceServices.playSound(DeviceServices::STOP_SOUND, 1); };
    hooks.frameSizeChosen = [this](int32_t width, int32_t height) {
        rememberFrameSize(hostServices.dataDirectory, width, height);
    };
    gameWindow.attach(&display(), &deviceServices.getKeyMapper(), std::move(hooks));
    // The entry opened the window at the frame size it chose.
    display().setMetrics(DisplayMetrics(host.window->frameWidth(), host.window->frameHeight()));
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

bool Game::rememberedFrameSize(const std::string& dataDirectory, int32_t& width, int32_t& height)
{
    std::ifstream in(dataDirectory + "/" + FRAME_SIZE_FILE);
    std::string text;
    if (!(in >> text))
        return false;
    return FrameSizes::parse(text.c_str(), width, height);
}

void Game::rememberFrameSize(const std::string& dataDirectory, int32_t width, int32_t height)
{
    // Written whole to a new file then renamed, so a crash leaves the old choice.
    std::string path = dataDirectory + "/" + FRAME_SIZE_FILE;
    std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << width << 'x' << height << '\n';
        if (!out)
            return;
    }
    std::rename(temporary.c_str(), path.c_str());
}
