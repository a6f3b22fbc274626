#pragma once

#include "GoldenPng.h"
#include "ui/ScreenFixture.h"

#include "core/io/FileSystem.h"
#include "core/io/GameSetup.h"
#include "core/io/Profile.h"
#include "host/headless/TrueColourPng.h"
#include "poker/GameRecordClient.h"
#include "poker/PokerTable.h"
#include "poker/TournamentField.h"
#include "table/TableHost.h"

#include <algorithm>
#include <cstdlib>
#include <map>

// Files kept in memory, so that a test can play, "quit" and start again on the
// same stores. A replacement lands in the map only when it is put in place.
class MemoryFileSystem : public FileSystem {
public:
    struct Handle : FileHandle {
        Handle(MemoryFileSystem& owner, std::string fileName, std::vector<uint8_t> bytes)
            : fs(owner)
            , name(std::move(fileName))
            , data(std::move(bytes))
        {
        }
        int64_t size() override { return int64_t(data.size()); }
        int32_t read(uint8_t* into, int32_t n) override
        {
            const int32_t count = int32_t(std::min(data.size() - at, size_t(n)));
            std::copy_n(data.begin() + long(at), count, into);
            at += size_t(count);
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

        MemoryFileSystem& fs;
        std::string name;
        std::vector<uint8_t> data;
        size_t at = 0;
    };

    SharedPointer<FileHandle> openForRead(const char* name) override
    {
        return exists(name) ? SharedPointer<FileHandle>(new Handle(*this, name, files[name])) : SharedPointer<FileHandle>();
    }
    SharedPointer<FileHandle> openForReplace(const char* name) override
    {
        return SharedPointer<FileHandle>(new Handle(*this, name, {}));
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
    PlayOptions playOptions() override { return options; }

    MemoryFileSystem& files;
    SharedPointer<PokerTable> table; // made first: it reseeds the shared generator
    SharedPointer<TournamentField> field;
    Profile playerProfile;
    GameSetup setup;
    GameRecordClient client;
    std::vector<int32_t> sounds;
    std::vector<int32_t> vibrations;
    PlayOptions options;
};

// Paints the screen and compares the frame at 176x220, 240x320 and 480x640 with its
// golden frame in tests/data/screens/table; regenerate them on purpose with
//   KM_UPDATE_GOLDENS=1 build/tests/table/view/table_view_tests --gtest_filter='TableScreen*'
// KM_TABLE_SHOTS=DIR writes every frame of every size there, for looking at them.
inline void shot(Display& display, Screen& screen, const std::string& name)
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
