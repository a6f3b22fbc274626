// The window program: parses the command line, makes sure the data directory has
// one running game, finds the resource pack, opens the SDL window and sound, and
// runs the game until the window closes.
#include "core/resources/ResourcePack.h"
#include "host/FrameSizes.h"
#include "host/HostServices.h"
#include "host/posix/DataDirectory.h"
#include "host/posix/FrameSizeFile.h"
#include "host/posix/HandHistoryFile.h"
#include "host/posix/InstanceLock.h"
#include "host/posix/PosixFileSystem.h"
#include "host/posix/SystemTimeSource.h"
#include "host/sdl/SdlMessageBox.h"
#include "host/sdl/SdlSoundOutput.h"
#include "host/sdl/SdlWindow.h"
#include "app/Game.h"
#include "app/GameOptions.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* VERSION = "1.0.1";

// Where the installed pack lies relative to the installed program: as `cmake
// --install` lays it out, then as the Debian package does (the program in games/,
// its data in share/games/). Both are relative, so the package also plays when
// unpacked anywhere else.
#ifdef KM_PACK_FROM_BIN
constexpr const char* SHARE_FROM_PROGRAM = KM_PACK_FROM_BIN;
#else
constexpr const char* SHARE_FROM_PROGRAM = "../share/kestrelmoore";
#endif
#ifdef KM_PACKAGE_PACK_FROM_BIN
constexpr const char* PACKAGE_SHARE_FROM_PROGRAM = KM_PACKAGE_PACK_FROM_BIN;
#else
constexpr const char* PACKAGE_SHARE_FROM_PROGRAM = "../share/games/kestrelmoore";
#endif

// Exit statuses: a second start or a missing pack give -1 as the game always has.
constexpr int EXIT_REFUSED = 255;
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_FAILURE_TO_START = 1;

void printHelp()
{
    std::printf(
        "Kestrelmoore %s - no-limit Texas hold'em against computer opponents\n"
        "\n"
        "usage: kestrelmoore [OPTION]...\n"
        "\n"
        "Options:\n"
        "  --size WxH         frame size: 176x220, 240x240, 240x320, 320x240, 320x320, 480x640,\n"
        "                     640x360, 640x400 or 640x480 (default: the last one picked; else on a\n"
        "                     landscape desktop the 640-wide size of its shape, else the largest\n"
        "                     that fits the desktop)\n"
        "  --pack FILE        the resource pack (default: Kestrelmoore_res.dat beside the program,\n"
        "                     else PREFIX/share/kestrelmoore/ or PREFIX/share/games/kestrelmoore/)\n"
        "  --data-dir DIR     where saves live (default: $XDG_DATA_HOME/kestrelmoore,\n"
        "                     else ~/.local/share/kestrelmoore)\n"
        "  --device NAME      the phone model whose key layout to use (exact name)\n"
        "  --keyboard KIND    full, keypad or none (default: full)\n"
        "  --help             show this help and exit\n"
        "  --version          show the version and exit\n"
        "\n"
        "Keys:\n"
        "  F1, F2             left and right soft key (the labels at the bottom)\n"
        "  Escape             back\n"
        "  Return             choose / confirm\n"
        "  Arrow keys         move; left and right change a choice or an amount\n"
        "  Backspace          clear\n"
        "  Delete             delete after the cursor; clears the bet amount like Backspace\n"
        "  1-4                the table's actions\n"
        "  Ctrl+1 .. Ctrl+6   frame size 176x220, 240x240, 240x320, 320x240, 320x320, 480x640\n"
        "  Ctrl+7 .. Ctrl+9   frame size 640x360, 640x400, 640x480\n"
        "  F11                full screen on and off\n"
        "The mouse works everywhere a finger would: soft keys, menus, actions, the keypad.\n"
        "A key or a click skips the start-up screens.\n"
        "\n"
        "Game controller (plug it in at any time; names as SDL gives them):\n"
        "  D-pad, left stick  the arrow keys (the stick repeats while held)\n"
        "  A, B               Return (choose / confirm), Escape (back)\n"
        "  X, Y               left and right soft key (F1, F2)\n"
        "  START              key 4: the standings in a tournament\n"
        "  LEFTSHOULDER, RIGHTSHOULDER  bet amount down, up by the minimum raise\n"
        "  LEFTTRIGGER        all in, in the bet amount\n"
        "Names are typed with the keyboard.\n"
        "\n"
        "Exit status: 0 when closed; 255 when another game runs with the same data directory\n"
        "or the resource pack is missing; 2 for bad options; 1 when the window cannot open.\n",
        VERSION);
}

int usageError(const std::string& message)
{
    std::fprintf(stderr, "kestrelmoore: %s\nTry 'kestrelmoore --help'.\n", message.c_str());
    return EXIT_USAGE;
}

struct CommandLine {
    GameOptions options;
    bool sizeGiven = false;
    bool help = false;
    bool version = false;
};

// Options take their value as the next argument or after '='. False, with the
// message, for anything unknown or malformed.
bool parse(int argc, char** argv, CommandLine& line, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        std::string value;
        bool hasValue = false;
        size_t equals = argument.find('=');
        if (argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
            hasValue = true;
        }
        auto takeValue = [&]() {
            if (hasValue)
                return true;
            if (i + 1 >= argc) {
                error = argument + " needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };
        if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--size") {
            if (!takeValue())
                return false;
            if (!FrameSizes::parse(value.c_str(), line.options.width, line.options.height)) {
                error = "--size " + value + ": not one of " + FrameSizes::names();
                return false;
            }
            line.sizeGiven = true;
        } else if (argument == "--pack") {
            if (!takeValue())
                return false;
            line.options.packPath = value;
        } else if (argument == DataDirectory::FLAG) {
            if (!takeValue()) // read again by DataDirectory::resolve
                return false;
        } else if (argument == "--device") {
            if (!takeValue())
                return false;
            line.options.deviceName = value;
        } else if (argument == "--keyboard") {
            if (!takeValue())
                return false;
            line.options.keyboardType = GameOptions::parseKeyboard(value);
            if (line.options.keyboardType < 0) {
                error = "--keyboard " + value + ": full, keypad or none";
                return false;
            }
        } else {
            error = "unknown option '" + std::string(argv[i]) + "'";
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    CommandLine line;
    std::string error;
    if (!parse(argc, argv, line, error))
        return usageError(error);
    if (line.help) {
        printHelp();
        return 0;
    }
    if (line.version) {
        std::printf("%s\n", VERSION);
        return 0;
    }

    std::string dataDirectory = DataDirectory::resolve(argc, argv, error);
    if (dataDirectory.empty() || !DataDirectory::create(dataDirectory, error)) {
        std::fprintf(stderr, "kestrelmoore: %s\n", error.c_str());
        return EXIT_FAILURE_TO_START;
    }

    // One game per data directory: a second start brings the first one forward.
    InstanceLock lock(dataDirectory);
    switch (lock.acquire(error)) {
    case InstanceLock::Result::Taken:
        return EXIT_REFUSED;
    case InstanceLock::Result::Unavailable:
        std::fprintf(stderr, "kestrelmoore: %s; not guarding against a second start\n", error.c_str());
        break;
    case InstanceLock::Result::Acquired:
        break;
    }

    GameOptions& options = line.options;
    if (options.packPath.empty()) {
        options.packPath = Game::findPack(SHARE_FROM_PROGRAM);
        if (options.packPath.empty())
            options.packPath = Game::findPack(PACKAGE_SHARE_FROM_PROGRAM);
    } else if (options.packPath.find('/') == std::string::npos)
        options.packPath = "./" + options.packPath; // a bare name means the working folder
    if (options.packPath.empty() || !openResourcePack(options.packPath.c_str())) {
        const char* message = "Can't find resource data file.";
        std::fprintf(stderr, "kestrelmoore: %s\n", message);
        SdlMessageBox::showError("Error", message);
        return EXIT_REFUSED;
    }

    FrameSizeFile frameSizes(dataDirectory);
    if (!line.sizeGiven && !frameSizes.recall(options.width, options.height))
        SdlWindow::defaultFrameSize(options.width, options.height);

    std::unique_ptr<SdlWindow> window = SdlWindow::open(options.width, options.height, error);
    if (!window) {
        std::fprintf(stderr, "kestrelmoore: cannot open the window: %s\n", error.c_str());
        closeResourcePack();
        return EXIT_FAILURE_TO_START;
    }
    SdlWindow* raiseTarget = window.get();
    lock.listen([raiseTarget] { raiseTarget->requestRaise(); });
    std::unique_ptr<SdlSoundOutput> sound = SdlSoundOutput::open(); // null: silent

    SystemTimeSource systemTime;
    PosixFileSystem files(dataDirectory);
    HandHistoryFile histories(dataDirectory);
    HostServices host;
    host.time = &systemTime;
    host.files = &files;
    host.sound = sound.get();
    host.window = window.get();
    host.handHistories = &histories;
    host.frameSizes = &frameSizes;
    const int status = Game::play(host, options);
    lock.stopListening();
    closeResourcePack();
    return status;
}
