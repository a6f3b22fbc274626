// The controller on a virtual clock with its stores in a temporary folder: start-up,
// the navigation table, unreadable stores, the record client, and the table
// installed over it as the game does.
#include "app/GameController.h"

#include "core/io/GameSetup.h"
#include "core/io/RecordStore.h"
#include "core/io/Settings.h"
#include "core/io/TempDirectory.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"
#include "host/headless/HeadlessWindow.h"
#include "host/posix/PosixFileSystem.h"
#include "app/ControllerTableHost.h"
#include "app/DeviceServices.h"
#include "app/GameWindow.h"
#include "poker/ActionCode.h"
#include "poker/RandomSource.h"
#include "ui/Events.h"
#include "ui/MenuScreen.h"
#include "table/view/TableScreen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One run of the game on a virtual clock, with the stores in a temporary folder.
// Ticks and keys reach the screens as the game's do: through the window's
// sendEvent, which the frame timer and the key mapper call.
struct GameRun {
    explicit GameRun(const std::string& folder)
        : files(folder)
        , controller(window, nullptr, device, &files)
    {
        processClock().setUp(clock);
        controller.getDisplay()->setMetrics(DisplayMetrics(240, 320));
        GameWindow::Hooks hooks;
        hooks.currentScreen = [this] { return controller.getCurrentScreen(); };
        window.attach(controller.getDisplay(), &device.getKeyMapper(), std::move(hooks));
    }

    void tick()
    {
        clock.advance(FRAME_INTERVAL_MS);
        window.sendEvent(EVENT_TICK, 0, 0);
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
    bool startToMainMenu()
    {
        controller.start();
        return tickUntil(GameController::SCREEN_MAIN_MENU) >= 0;
    }
    void key(int32_t code, int32_t c = 0) { window.sendEvent(EVENT_KEY, code, c); }
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
    int32_t bankroll() { return controller.getProfile().bankroll; }

    FakeTimeSource clock { FakeTimeSource::NEW_YEAR_2026, 1000 };
    HeadlessWindow host { clock, 240, 320 };
    GameWindow window { host };
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
    EXPECT_TRUE(run.window.timerRunning());
    EXPECT_EQ(run.id(), GameController::SCREEN_LOGOS);
    ASSERT_GE(run.tickUntil(GameController::SCREEN_TITLE), 0);
    ASSERT_GE(run.tickUntil(GameController::SCREEN_LOADING), 0);

    // Loading: steps 0..3 on four ticks, then it waits out the screen's 5 s.
    const int64_t firstStep = currentTimeMillis() + FRAME_INTERVAL_MS;
    ASSERT_GE(run.tickUntil(GameController::SCREEN_SOUND_QUESTION), 4);
    EXPECT_GE(currentTimeMillis() - firstStep, 5000);
    EXPECT_LT(currentTimeMillis() - firstStep, 5000 + FRAME_INTERVAL_MS);
    EXPECT_EQ(run.controller.getSplashStep(), -1);
    EXPECT_TRUE(run.stack().empty());

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
    EXPECT_TRUE(run.window.isClosing());
    EXPECT_FALSE(run.window.timerRunning());
}

TEST_F(GameControllerTest, NavigationTableRows)
{
    processSettings().askSoundAtStart = false;
    GameRun run(dir.path);
    ASSERT_TRUE(run.startToMainMenu());
    EXPECT_TRUE(run.stack().empty());

    // Play with 999 chips: the bankroll question; Yes restores 1000 and saves it.
    run.controller.setCashBankroll(999);
    run.choose(0);
    EXPECT_EQ(run.id(), GameController::SCREEN_BANKROLL_LOW);
    EXPECT_EQ(run.stack(), std::vector<int32_t>({5}));
    run.key(KEY_SOFT_LEFT);
    EXPECT_EQ(run.id(), GameController::SCREEN_GAME_TYPE);
    EXPECT_EQ(run.stack(), std::vector<int32_t>({5}));
    EXPECT_EQ(run.bankroll(), 1000);
    Profile saved;
    ASSERT_TRUE(saved.loadProfile(&run.files));
    EXPECT_EQ(saved.bankroll, 1000);
    auto* gameType = static_cast<MenuScreen*>(run.controller.getCurrentScreen());
    EXPECT_TRUE(gameType->getHeader().equals(String("Player $1,000")));

    // Cash game: only the 1000 buy-in is open, and down cannot reach the others.
    run.choose(0);
    ASSERT_EQ(run.id(), GameController::SCREEN_STAKES);
    auto* stakes = static_cast<MenuScreen*>(run.controller.getCurrentScreen());
    ASSERT_EQ(stakes->entryCount(), 6);
    for (int32_t i = 0; i < 6; ++i)
        EXPECT_EQ(stakes->isEntryDisabled(i), i > 0) << i;
    run.key(KEY_DOWN);
    EXPECT_EQ(stakes->getFocus(), 0);

    run.key(KEY_SOFT_RIGHT);
    run.key(KEY_BACK);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);

    // The name entry is shown without push; text input is on exactly while it is up.
    run.choose(1);
    ASSERT_EQ(run.id(), GameController::SCREEN_PROFILE);
    EXPECT_TRUE(run.stack().empty());
    EXPECT_TRUE(run.host.textInput());
    run.key(KEY_BACK);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    EXPECT_FALSE(run.host.textInput());
    // Back from About finds the main menu's focus where it was.
    run.choose(4);
    EXPECT_EQ(run.id(), GameController::SCREEN_ABOUT);
    run.key(KEY_BACK);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    EXPECT_EQ(run.controller.getCurrentScreen()->getFocus(), 4);
}

// The table as the game installs it: the buy-in taken, left for the main menu and
// resumed as it was, then replaced by a new game that first pays back exactly the
// chips the player had when the hand began.
TEST_F(GameControllerTest, TableLeftResumedAndReplacedWithTheChipsCounted)
{
    processSettings().askSoundAtStart = false;
    GameRun run(dir.path);
    ControllerTableHost::install(run.controller);
    RandomSource::shared().setSeed(31);
    ASSERT_TRUE(run.startToMainMenu());
    run.choose(0); // Play, cash game, the lowest stake
    run.choose(0);
    run.choose(0);
    auto* table = dynamic_cast<TableScreen*>(run.controller.getCurrentScreen());
    ASSERT_TRUE(table);
    EXPECT_EQ(run.bankroll(), 0) << "the buy-in left the bankroll";
    TableGame& game = table->game();
    EXPECT_EQ(game.pokerTable().player(0).chips, 1000);
    // Checks or calls by the action's number key; Enter acknowledges the results.
    auto play = [&](int hands) {
        const int until = game.pokerTable().handsPlayed + hands;
        for (int i = 0; i < 500000 && !game.isOver() && game.pokerTable().handsPlayed < until; ++i) {
            int32_t codes[3];
            const int n = game.humanActions(codes);
            int pick = 0;
            while (pick < n && codes[pick] != ACTION_CHECK && codes[pick] != ACTION_CALL)
                ++pick;
            if (game.isModalMessage() || (game.view().handOver && game.animation() == TableGame::ANIMATION_NONE))
                run.key(KEY_FIRE);
            else if (n > 0)
                run.key(KEY_CHAR, u'1' + (pick < n ? pick : 0));
            else
                run.tick();
        }
    };
    play(12);
    ASSERT_FALSE(game.isOver());
    const int hands = game.pokerTable().handsPlayed;

    run.key(KEY_SOFT_RIGHT);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    run.choose(0); // Play: a saved game was found; resume it
    ASSERT_EQ(run.id(), GameController::SCREEN_SAVED_GAME);
    run.choose(0);
    ASSERT_EQ(run.controller.getCurrentScreen(), table) << "the same table, not a new one";
    EXPECT_EQ(game.pokerTable().handsPlayed, hands);
    play(3); // stops in the middle of a hand
    const int32_t handChips = run.controller.getProfile().handStartChips;
    EXPECT_GT(handChips, 0);

    run.key(KEY_SOFT_RIGHT);
    run.choose(0);
    run.choose(1); // new game
    ASSERT_EQ(run.id(), GameController::SCREEN_NEW_GAME_QUESTION);
    run.key(KEY_SOFT_LEFT); // Yes
    EXPECT_EQ(run.bankroll(), handChips);
    EXPECT_EQ(run.id(), handChips >= GameController::MIN_BUY_IN ? GameController::SCREEN_GAME_TYPE
                                                                : GameController::SCREEN_BANKROLL_LOW);
    GameSetup setup;
    EXPECT_FALSE(setup.loadSetup(&run.files)) << "the saved start record is dropped";
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
    ASSERT_TRUE(run.startToMainMenu());
    EXPECT_TRUE(run.controller.getProfile().playerName.equals(String("Player")));
    EXPECT_EQ(run.bankroll(), 1000);
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
