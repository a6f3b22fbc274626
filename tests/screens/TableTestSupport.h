#pragma once

#include "GoldenPng.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/io/FileSystem.h"
#include "core/io/GameSetup.h"
#include "core/io/Profile.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/String.h"
#include "poker/GameRecordClient.h"
#include "poker/PokerTable.h"
#include "poker/TournamentField.h"
#include "screens/Events.h"
#include "screens/ModalLoop.h"
#include "screens/PopupMenu.h"
#include "screens/Screen.h"
#include "screens/ScreenController.h"
#include "screens/TableHost.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "host/headless/TrueColourPng.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The pack the build makes, for the texts.
inline bool openTestPack()
{
    if (currentResourcePack())
        return true;
    const std::string path = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
    return openResourcePack(path.c_str());
}

inline std::string narrow(const String& text)
{
    std::string out;
    for (int32_t i = 0; i < text.length(); ++i)
        out += char(text.charAt(i));
    return out;
}

// Files kept in memory, so that a test can play, "quit" and start again on the
// same stores.
class MemoryFileSystem : public FileSystem {
public:
    class Handle : public FileHandle {
    public:
        Handle(MemoryFileSystem& owner, std::string fileName, bool forReplace)
            : fs(owner)
            , name(std::move(fileName))
        {
            if (!forReplace)
                data = fs.files[name];
        }
        int64_t size() override { return int64_t(data.size()); }
        int32_t read(uint8_t* into, int32_t n) override
        {
            int32_t count = 0;
            while (count < n && at < data.size())
                into[count++] = data[at++];
            return count;
        }
        bool write(const uint8_t* from, int32_t n) override
        {
            data.insert(data.end(), from, from + n);
            return true;
        }
        bool sync() override { return true; }
        bool replace() override
        {
            fs.files[name] = data;
            return true;
        }
        void close() override { }

    private:
        MemoryFileSystem& fs;
        std::string name;
        std::vector<uint8_t> data;
        size_t at = 0;
    };

    SharedPointer<FileHandle> openForRead(const char* name) override
    {
        if (!files.count(name))
            return SharedPointer<FileHandle>();
        return SharedPointer<FileHandle>(new Handle(*this, name, false));
    }
    SharedPointer<FileHandle> openForReplace(const char* name) override
    {
        return SharedPointer<FileHandle>(new Handle(*this, name, true));
    }
    bool exists(const char* name) override { return files.count(name) > 0; }
    bool remove(const char* name) override { return files.erase(name) > 0; }

    std::map<std::string, std::vector<uint8_t>> files;
};

// A controller stand-in: the profile, setup and record client on memory files,
// with the sounds and vibrations it was asked for.
class TestTableHost : public TableHost {
public:
    explicit TestTableHost(MemoryFileSystem& fileSystem)
        : files(fileSystem)
        , table(new PokerTable)
        , field(new TournamentField)
        , client(playerProfile, setup)
    {
        client.table = table.raw();
        client.field = field.raw();
    }
    Profile& profile() override { return playerProfile; }
    SharedPointer<PokerTable> engineTable() override { return table; }
    SharedPointer<TournamentField> engineField() override { return field; }
    GameRecordClient& records() override { return client; }
    FileSystem* fileSystem() override { return &files; }
    void playSound(int32_t id) override { sounds.push_back(id); }
    void vibrate(int32_t milliseconds) override { vibrations.push_back(milliseconds); }

    MemoryFileSystem& files;
    SharedPointer<PokerTable> table; // made first: it reseeds the shared generator
    SharedPointer<TournamentField> field;
    Profile playerProfile;
    GameSetup setup;
    GameRecordClient client;
    std::vector<int32_t> sounds;
    std::vector<int32_t> vibrations;
};

// A controller that only counts the trips to the main menu.
class TableTestController : public ScreenController, public DisplayListener {
public:
    void commandAction(Command*, Screen*) override { ++commands; }
    void showScreen(int32_t, bool) override { }
    void splashStep() override { }
    void setCashBankroll(int32_t) override { }
    void goHome() override { ++homes; }
    void displayChanged() override
    {
        if (screen)
            screen->invalidateLayout();
    }
    bool isCurrentScreen(const Object*) const override { return true; }

    Screen* screen = nullptr;
    int32_t homes = 0;
    int32_t commands = 0;
};

// Picks popup entries from a list, one per modal run; an empty list dismisses.
class TableTestModalLoop : public ModalLoop {
public:
    void runWhile(const std::function<bool()>& condition) override
    {
        ++runs;
        PopupMenu* popup = PopupMenu::current();
        if (!popup || picks.empty() || !condition())
            return;
        const int32_t pick = picks.front();
        picks.erase(picks.begin());
        while (popup->getFocus() < pick && condition())
            popup->handleEvent(EVENT_KEY, KEY_DOWN, 0);
        lastLabels.clear();
        for (int32_t i = 0; i < popup->itemCount(); ++i)
            lastLabels.push_back(narrow(popup->labelAt(i)));
        popup->handleEvent(EVENT_KEY, KEY_FIRE, 0);
    }
    std::vector<int32_t> picks;
    std::vector<std::string> lastLabels;
    int32_t runs = 0;
};

// The display at a frame size, the pack, a controller and a modal loop, published
// process-wide as the game does. Frames at 176x220, 240x320 and 480x640 are compared
// with the golden frames in tests/data/screens/table; regenerate them on purpose with
//   KM_UPDATE_GOLDENS=1 build/tests/screens/screens_tests --gtest_filter='TableScreen*'
// KM_TABLE_SHOTS=DIR writes every frame of every size there, for looking at them.
class TableScreenFixture {
public:
    TableScreenFixture(int32_t width, int32_t height)
        : display(&controller, nullptr)
    {
        openTestPack();
        setCurrentDisplay(&display);
        setCurrentScreenController(&controller);
        setCurrentModalLoop(&loop);
        display.setMetrics(DisplayMetrics(width, height));
    }
    ~TableScreenFixture()
    {
        setCurrentModalLoop(nullptr);
        setCurrentScreenController(nullptr);
        setCurrentDisplay(nullptr);
    }

    // Paints the screen into the frame and checks it against its golden frame.
    void shot(Screen& screen, const std::string& name)
    {
        ScreenSurface* surface = display.getSurface();
        screen.paint(*surface);
        const DisplayMetrics& size = surface->getDisplay();
        const std::string file = name + "-" + std::to_string(size.width) + "x" + std::to_string(size.height) + ".png";
        if (const char* dir = std::getenv("KM_TABLE_SHOTS"))
            TrueColourPng::writeBgr(std::string(dir) + "/" + file, surface->getBits(), size.width, size.height);
        const bool goldenSize = (size.width == 176 && size.height == 220) || (size.width == 240 && size.height == 320) ||
                                (size.width == 480 && size.height == 640);
        if (!goldenSize)
            return;
        const char* data = std::getenv("KM_TEST_DATA");
        const std::string golden = std::string(data ? data : "tests/data") + "/screens/table/" + file;
        if (std::getenv("KM_UPDATE_GOLDENS")) {
            TrueColourPng::writeBgr(golden, surface->getBits(), size.width, size.height);
            return;
        }
        int32_t width = 0, height = 0;
        std::vector<uint8_t> expected = decodeGolden(golden, width, height);
        ASSERT_EQ(width, size.width) << golden;
        ASSERT_EQ(height, size.height) << golden;
        if (!std::equal(expected.begin(), expected.end(), surface->getBits())) {
            TrueColourPng::writeBgr(golden + ".actual.png", surface->getBits(), size.width, size.height);
            ADD_FAILURE() << golden << " differs; the frame is in " << golden << ".actual.png";
        }
    }

    TableTestController controller;
    TableTestModalLoop loop;
    Display display;
};
