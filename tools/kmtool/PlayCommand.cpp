#include "CommandLine.h"
#include "PlayDump.h"
#include "PlayScript.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "core/resources/ResourcePack.h"
#include "host/FrameSizes.h"
#include "host/HostServices.h"
#include "host/headless/FakeTimeSource.h"
#include "host/headless/HeadlessSoundOutput.h"
#include "host/headless/HeadlessWindow.h"
#include "host/posix/DataDirectory.h"
#include "host/posix/FrameSizeFile.h"
#include "host/posix/HandHistoryFile.h"
#include "host/posix/PosixFileSystem.h"
#include "app/Game.h"
#include "app/GameOptions.h"

#include <cstdlib>
#include <fstream>
#include <limits>
#include <memory>

namespace {

// Plays the script's steps into the headless window one refill at a time: steps
// that only look (dump, shot) run at once, and the refill returns as soon as a step
// gave the game something to do (events or time).
class ScriptRunner {
public:
    ScriptRunner(std::vector<PlayStep> steps, HeadlessWindow& window, Game& game, std::string shots)
        : steps(std::move(steps))
        , window(window)
        , game(game)
        , shotsFolder(std::move(shots))
    {
    }

    bool refill()
    {
        while (next < steps.size()) {
            const PlayStep& step = steps[next++];
            if (perform(step))
                return true;
        }
        return false;
    }

private:
    void post(HostEvent::Type type, int32_t key = 0, uint32_t character = 0, int32_t x = 0, int32_t y = 0)
    {
        HostEvent event;
        event.type = type;
        event.key = key;
        event.character = character;
        event.x = x;
        event.y = y;
        window.post(event);
    }

    // Printable keys also type their character, as a keyboard does: digits and
    // letters (lower case, no shift held) and the space.
    static uint32_t typedCharacter(int32_t key)
    {
        if ((key >= '0' && key <= '9') || key == ' ')
            return static_cast<uint32_t>(key);
        if (key >= 'A' && key <= 'Z')
            return static_cast<uint32_t>(key - 'A' + 'a');
        return 0;
    }

    // True when the step gave the game work.
    bool perform(const PlayStep& step)
    {
        using Kind = PlayStep::Kind;
        switch (step.kind) {
        case Kind::Wait:
            window.addTime(step.millis);
            return step.millis > 0;
        case Kind::Key:
            post(HostEvent::Type::KeyDown, step.key);
            if (uint32_t typed = typedCharacter(step.key))
                post(HostEvent::Type::Character, 0, typed);
            post(HostEvent::Type::KeyUp, step.key);
            return true;
        case Kind::KeyDown:
            post(HostEvent::Type::KeyDown, step.key);
            if (uint32_t typed = typedCharacter(step.key))
                post(HostEvent::Type::Character, 0, typed);
            return true;
        case Kind::KeyUp:
            post(HostEvent::Type::KeyUp, step.key);
            return true;
        case Kind::Pad:
            post(HostEvent::Type::PadDown, step.key);
            post(HostEvent::Type::PadUp, step.key);
            return true;
        case Kind::Type:
            for (char32_t c : step.text)
                post(HostEvent::Type::Character, 0, static_cast<uint32_t>(c));
            return !step.text.empty();
        case Kind::Tap:
            post(HostEvent::Type::PointerPressed, 0, 0, step.x, step.y);
            post(HostEvent::Type::PointerReleased, 0, 0, step.x, step.y);
            return true;
        case Kind::Press:
            post(HostEvent::Type::PointerPressed, 0, 0, step.x, step.y);
            return true;
        case Kind::Release:
            post(HostEvent::Type::PointerReleased, 0, 0, step.x, step.y);
            return true;
        case Kind::Drag:
            post(HostEvent::Type::PointerMoved, 0, 0, step.x, step.y);
            return true;
        case Kind::Size: {
            HostEvent size;
            size.type = HostEvent::Type::FrameSize;
            size.width = step.x;
            size.height = step.y;
            window.post(size);
            return true;
        }
        case Kind::Focus:
            post(step.on ? HostEvent::Type::Activated : HostEvent::Type::Deactivated);
            return true;
        case Kind::Shot:
            shot(step);
            return false;
        case Kind::Dump:
            PlayDump::write(game, window);
            return false;
        case Kind::Quit:
            post(HostEvent::Type::Close);
            return true;
        }
        return false;
    }

    void shot(const PlayStep& step)
    {
        std::string path = shotsFolder + "/" + step.name + ".png";
        if (!window.writePng(path))
            throw ToolError("line " + std::to_string(step.line) + ": cannot write " + path);
    }

    std::vector<PlayStep> steps;
    size_t next = 0;
    HeadlessWindow& window;
    Game& game;
    std::string shotsFolder;
};

} // namespace

// kmtool play --script FILE [--size WxH] [--seed S] [--data-dir DIR] [--shots DIR]
//             [--pack FILE] [--device NAME] [--keyboard K]
// The game itself on the headless window: a virtual clock from 2026-01-01 that
// moves only when the script waits.
void runPlay(const Arguments& arguments)
{
    CommandLine line(arguments,
        { "--script", "--size", "--seed", "--data-dir", "--shots", "--pack", "--device", "--keyboard" });
    line.expectPositionals(0, 0);
    if (!line.has("--script"))
        throw ToolError("--script FILE is required");
    std::ifstream scriptFile(line.text("--script", ""));
    if (!scriptFile)
        throw ToolError("--script: cannot read " + line.text("--script", ""));
    std::vector<PlayStep> steps = PlayScript::parse(scriptFile);

    GameOptions options;
    if (line.has("--size") && !FrameSizes::parse(line.text("--size", "").c_str(), options.width, options.height))
        throw ToolError("--size: not one of " + FrameSizes::names());
    options.keyboardType = GameOptions::parseKeyboard(line.text("--keyboard", "full"));
    if (options.keyboardType < 0)
        throw ToolError("--keyboard: full, keypad or none");
    options.deviceName = line.text("--device", "");
    std::string shots = line.text("--shots", "");
    for (const PlayStep& step : steps) {
        if (step.kind == PlayStep::Kind::Shot && shots.empty())
            throw ToolError("line " + std::to_string(step.line) + ": shot needs --shots DIR");
    }

    std::string dataDirectory = line.text("--data-dir", "");
    std::string error;
    if (dataDirectory.empty())
        dataDirectory = DataDirectory::fromEnvironment(error);
    if (dataDirectory.empty() || !DataDirectory::create(dataDirectory, error))
        throw ToolError("--data-dir: " + error);
    if (!shots.empty() && !DataDirectory::create(shots, error))
        throw ToolError("--shots: " + error);

    options.packPath = line.has("--pack") ? line.text("--pack", "") : Game::findPack();
    if (options.packPath.empty() || !openResourcePack(options.packPath.c_str()))
        throw ToolError("Can't find resource data file.");

    if (line.has("--seed")) {
        options.seed = line.requiredInteger("--seed", std::numeric_limits<int64_t>::min(),
                                            std::numeric_limits<int64_t>::max());
    }

    FakeTimeSource clock(FakeTimeSource::NEW_YEAR_2026, 0);
    HeadlessWindow window(clock, options.width, options.height);
    HeadlessSoundOutput sound;
    PosixFileSystem files(dataDirectory);
    HandHistoryFile histories(dataDirectory);
    FrameSizeFile frameSizes(dataDirectory);
    HostServices host;
    host.time = &clock;
    host.files = &files;
    host.sound = &sound;
    host.window = &window;
    host.handHistories = &histories;
    host.frameSizes = &frameSizes;

    std::unique_ptr<ScriptRunner> runner;
    Game::play(host, options, [&](Game& game) {
        runner = std::make_unique<ScriptRunner>(std::move(steps), window, game, shots);
        window.setRefill([&runner] { return runner->refill(); });
    });
    closeResourcePack();
}
