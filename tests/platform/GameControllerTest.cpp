#include "platform/GameController.h"

#include "core/io/GameSetup.h"
#include "core/io/RecordStore.h"
#include "core/io/Settings.h"
#include "core/io/TempDirectory.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"
#include "host/posix/PosixFileSystem.h"
#include "platform/ControllerHost.h"
#include "platform/DeviceServices.h"
#include "screens/Events.h"
#include "screens/MenuScreen.h"
#include "screens/OptionsScreen.h"
#include "screens/ProfileScreen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FakeHost : ControllerHost {
    void setFrameTimer(bool on) override { timerOn = on; }
    void postClose() override { closed = true; }
    void setTextInput(bool on) override { textInput = on; }
    bool timerOn = false;
    bool closed = false;
    bool textInput = false;
};

// One run of the game on a virtual clock, with the stores in a temporary folder.
struct GameRun {
    explicit GameRun(const std::string& folder)
        : files(folder)
        , controller(host, nullptr, device, &files)
    {
        processClock().setUp(clock);
        controller.getDisplay()->setMetrics(DisplayMetrics(240, 320));
    }

    void tick()
    {
        clock.advance(GameController::FRAME_PERIOD_MS);
        controller.handleEvent(EVENT_TICK, 0, 0);
    }
    // Ticks until the screen is id; the ticks it took, or -1 after a minute of them.
    int32_t tickUntil(int32_t id)
    {
        for (int32_t ticks = 0; ticks < 600; ++ticks) {
            if (controller.getCurrentScreenId() == id)
                return ticks;
            tick();
        }
        return -1;
    }
    void key(int32_t code) { controller.handleEvent(EVENT_KEY, code, 0); }
    void choose(int32_t entry)
    {
        static_cast<MenuScreen*>(controller.getCurrentScreen())->setFocus(entry, /*scroll=*/true);
        key(KEY_SELECT);
    }
    std::vector<int32_t> stack() const
    {
        std::vector<int32_t> ids;
        for (int32_t i = 0; i < controller.stackSize(); ++i)
            ids.push_back(controller.stackIdAt(i));
        return ids;
    }
    int32_t id() const { return controller.getCurrentScreenId(); }

    FakeTimeSource clock { FakeTimeSource::NEW_YEAR_2026, 1000 };
    FakeHost host;
    PosixFileSystem files;
    DeviceServices device { "", 1, nullptr, nullptr };
    GameController controller;
};

class GameControllerTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string pack = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
        ASSERT_TRUE(currentResourcePack() || openResourcePack(pack.c_str()));
        processSettings() = Settings();
    }
    void TearDown() override { processSettings() = Settings(); }

    TempDirectory dir;
};

TEST_F(GameControllerTest, FirstStartRunsSplashesLoadingAndTheSoundQuestion)
{
    GameRun run(dir.path);
    run.controller.start();
    EXPECT_TRUE(run.host.timerOn);
    EXPECT_EQ(run.id(), GameController::SCREEN_LOGOS);
    ASSERT_GE(run.tickUntil(GameController::SCREEN_TITLE), 0);
    ASSERT_GE(run.tickUntil(GameController::SCREEN_LOADING), 0);

    // Loading: steps 0..3 on four ticks, then it waits out the screen's 5 s.
    const int64_t firstStep = currentTimeMillis() + GameController::FRAME_PERIOD_MS;
    const int32_t ticks = run.tickUntil(GameController::SCREEN_SOUND_QUESTION);
    ASSERT_GE(ticks, 4);
    EXPECT_GE(currentTimeMillis() - firstStep, 5000);
    EXPECT_LT(currentTimeMillis() - firstStep, 5000 + GameController::FRAME_PERIOD_MS);
    EXPECT_EQ(run.controller.getSplashStep(), -1);
    EXPECT_TRUE(run.stack().empty());

    // Pausing keeps the screen; starting again resumes it instead of the splashes.
    run.controller.pause();
    EXPECT_FALSE(run.host.timerOn);
    run.controller.start();
    EXPECT_EQ(run.id(), GameController::SCREEN_SOUND_QUESTION);

    // Escape is the right soft key: No. Sound goes off, is saved, the main menu follows.
    run.key(KEY_BACK);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    EXPECT_FALSE(processSettings().soundOn);
    Settings stored;
    ASSERT_TRUE(stored.loadSettings(&run.files));
    EXPECT_FALSE(stored.soundOn);
    EXPECT_TRUE(stored.askSoundAtStart);

    // Escape on the main menu is Exit.
    run.key(KEY_BACK);
    EXPECT_TRUE(run.host.closed);
    EXPECT_FALSE(run.host.timerOn);
}

TEST_F(GameControllerTest, NavigationTableRows)
{
    processSettings().askSoundAtStart = false;
    GameRun run(dir.path);
    run.controller.start();
    ASSERT_GE(run.tickUntil(GameController::SCREEN_MAIN_MENU), 0);
    EXPECT_TRUE(run.stack().empty());

    // Play with 999 chips: the bankroll question; Yes restores 1000 and saves it.
    run.controller.setCashBankroll(999);
    run.choose(0);
    EXPECT_EQ(run.id(), GameController::SCREEN_BANKROLL_LOW);
    EXPECT_EQ(run.stack(), std::vector<int32_t>({5}));
    run.key(KEY_SOFT_LEFT);
    EXPECT_EQ(run.id(), GameController::SCREEN_GAME_TYPE);
    EXPECT_EQ(run.stack(), std::vector<int32_t>({5}));
    EXPECT_EQ(run.controller.getProfile().bankroll, 1000);
    Profile saved;
    ASSERT_TRUE(saved.loadProfile(&run.files));
    EXPECT_EQ(saved.bankroll, 1000);
    auto* gameType = static_cast<MenuScreen*>(run.controller.getCurrentScreen());
    EXPECT_TRUE(gameType->getHeader().equals(String("Player $1,000")));

    // Cash game: only the 1000 buy-in is open, and down cannot reach the others.
    run.choose(0);
    ASSERT_EQ(run.id(), GameController::SCREEN_STAKES);
    EXPECT_EQ(run.stack(), std::vector<int32_t>({5, 27}));
    auto* stakes = static_cast<MenuScreen*>(run.controller.getCurrentScreen());
    ASSERT_EQ(stakes->entryCount(), 6);
    for (int32_t i = 0; i < 6; ++i)
        EXPECT_EQ(stakes->isEntryDisabled(i), i > 0) << i;
    run.key(KEY_DOWN);
    EXPECT_EQ(stakes->getFocus(), 0);

    // Back twice: the game type menu, then the main menu with an empty stack.
    run.key(KEY_SOFT_RIGHT);
    EXPECT_EQ(run.id(), GameController::SCREEN_GAME_TYPE);
    run.key(KEY_BACK);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    EXPECT_TRUE(run.stack().empty());

    // A tournament at the smallest stake asks for the field size; picking one starts
    // the table without the buy-in from the cash bankroll.
    run.choose(0);
    run.choose(2);
    run.choose(0);
    ASSERT_EQ(run.id(), GameController::SCREEN_TOURNAMENT_SIZE);
    EXPECT_EQ(static_cast<MenuScreen*>(run.controller.getCurrentScreen())->entryCount(), 5);
    run.choose(3);
    EXPECT_EQ(run.id(), GameController::SCREEN_TABLE);
    EXPECT_EQ(run.controller.getSetup().gameType, GameSetup::GAME_TOURNAMENT);
    EXPECT_EQ(run.controller.getSetup().tournamentSize, 3);
    EXPECT_EQ(run.controller.getProfile().bankroll, 1000);
    GameSetup setup;
    ASSERT_TRUE(setup.loadSetup(&run.files));
    EXPECT_EQ(setup.gameType, GameSetup::GAME_TOURNAMENT);

    // Leaving the (placeholder) table goes home; Play then offers the saved game,
    // and "new game" -> Yes drops the saved start record.
    run.key(KEY_SOFT_RIGHT);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    EXPECT_TRUE(run.stack().empty());
    run.choose(0);
    ASSERT_EQ(run.id(), GameController::SCREEN_SAVED_GAME);
    run.choose(1);
    ASSERT_EQ(run.id(), GameController::SCREEN_NEW_GAME_QUESTION);
    run.key(KEY_SOFT_LEFT);
    EXPECT_EQ(run.id(), GameController::SCREEN_GAME_TYPE);
    EXPECT_EQ(run.stack(), std::vector<int32_t>({5}));
    EXPECT_FALSE(setup.loadSetup(&run.files));
    run.key(KEY_BACK);

    // A cash game takes its buy-in.
    run.choose(0);
    run.choose(0);
    run.choose(0);
    EXPECT_EQ(run.id(), GameController::SCREEN_TABLE);
    EXPECT_EQ(run.controller.getProfile().bankroll, 0);
    run.key(KEY_SOFT_RIGHT);

    // Help: topic 2 on the stack above the topics menu.
    run.choose(3);
    run.choose(2);
    EXPECT_EQ(run.id(), GameController::SCREEN_HELP_TOPIC);
    EXPECT_EQ(run.stack(), std::vector<int32_t>({5, 6}));
    EXPECT_GT(run.controller.getCurrentScreen()->itemCount(), 0);
    run.key(KEY_BACK);
    run.key(KEY_BACK);
    run.choose(4);
    EXPECT_EQ(run.id(), GameController::SCREEN_ABOUT);
    run.key(KEY_BACK);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    EXPECT_EQ(run.controller.getCurrentScreen()->getFocus(), 4);
}

TEST_F(GameControllerTest, OptionsAndProfileAreSavedAndReadBack)
{
    processSettings().askSoundAtStart = false;
    {
        GameRun run(dir.path);
        run.controller.start();
        ASSERT_GE(run.tickUntil(GameController::SCREEN_MAIN_MENU), 0);

        // Back from the options saves them, changed or not.
        run.choose(2);
        ASSERT_EQ(run.id(), GameController::SCREEN_OPTIONS);
        auto* options = static_cast<OptionsScreen*>(run.controller.getCurrentScreen());
        options->volumeItem().setValue(40);
        options->vibrationItem().setSelectedIndex(1);
        run.key(KEY_SOFT_RIGHT);
        EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
        EXPECT_EQ(processSettings().volume, 40);
        EXPECT_FALSE(processSettings().vibrationOn);

        // The name entry screen: shown without push, text input on; Escape saves.
        run.choose(1);
        ASSERT_EQ(run.id(), GameController::SCREEN_PROFILE);
        EXPECT_TRUE(run.stack().empty());
        EXPECT_TRUE(run.host.textInput);
        run.key(KEY_SELECT);
        for (int32_t i = 0; i < 6; ++i) // "Player"
            run.key(KEY_CLEAR);
        for (char16_t c : u"Ada Lovel")
            if (c)
                run.controller.handleEvent(EVENT_KEY, KEY_CHAR, c);
        run.key(KEY_SELECT);
        run.key(KEY_DOWN);
        run.key(KEY_SELECT);
        run.key(KEY_BACK);
        EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
        EXPECT_FALSE(run.host.textInput);
    }
    processSettings() = Settings();
    GameRun second(dir.path);
    second.controller.start();
    // The question stays off: it was off when the options were saved.
    ASSERT_GE(second.tickUntil(GameController::SCREEN_MAIN_MENU), 0);
    EXPECT_EQ(processSettings().volume, 40);
    EXPECT_FALSE(processSettings().vibrationOn);
    EXPECT_TRUE(second.controller.getProfile().playerName.equals(String("Ada Lovel")));
    EXPECT_EQ(second.controller.getProfile().avatar, 0);
}

TEST_F(GameControllerTest, UnreadableStoresBehaveAsAbsentAndAreNeverWritten)
{
    // A profile store whose record 1 is cut short (three bytes), and a
    // settings file that is no store.
    const std::vector<uint8_t> shortProfile = {1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 6, 0, 0};
    const std::vector<uint8_t> junk = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3};
    dir.write("KMRB2Options_DATA.dat", shortProfile);
    dir.write("GAME_STORE_DATA.dat", junk);
    processSettings().askSoundAtStart = false;
    GameRun run(dir.path);
    run.controller.start();
    ASSERT_GE(run.tickUntil(GameController::SCREEN_MAIN_MENU), 0);
    EXPECT_TRUE(run.controller.getProfile().playerName.equals(String("Player")));
    EXPECT_EQ(run.controller.getProfile().bankroll, 1000);
    EXPECT_TRUE(run.controller.getStoreGuard().isProtected(String("KMRB2Options")));

    EXPECT_FALSE(run.controller.saveProfile());
    run.choose(2);
    run.key(KEY_BACK);
    EXPECT_EQ(dir.read("KMRB2Options_DATA.dat"), shortProfile);
    EXPECT_EQ(dir.read("GAME_STORE_DATA.dat"), junk);
    // Stores that were fine are written as usual.
    EXPECT_TRUE(RecordStore::saveObject(String(GameSetup::STORE_NAME), run.controller, run.controller.fileSystem()));
}

TEST_F(GameControllerTest, RecordClientRoundTrips)
{
    GameRun run(dir.path);
    run.controller.getProfile().playerName = String("Grace");
    run.controller.getProfile().bankroll = 123456;
    run.controller.getProfile().avatar = 3;
    ASSERT_TRUE(RecordStore::saveObject(String(Profile::STORE_NAME), run.controller, run.controller.fileSystem()));
    // Names the client does not know are refused.
    EXPECT_FALSE(RecordStore::saveObject(String("KMRB2Other"), run.controller, run.controller.fileSystem()));

    GameRun other(dir.path);
    ASSERT_TRUE(RecordStore::loadObject(String(Profile::STORE_NAME), other.controller, other.controller.fileSystem()));
    EXPECT_TRUE(other.controller.getProfile().playerName.equals(String("Grace")));
    EXPECT_EQ(other.controller.getProfile().bankroll, 123456);
    EXPECT_EQ(other.controller.getProfile().avatar, 3);
    // The saved game needs a table: without one nothing is written.
    EXPECT_FALSE(RecordStore::saveObject(String("KMRB2Game"), other.controller, other.controller.fileSystem()));
}

} // namespace
