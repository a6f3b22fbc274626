// The table in the real controller: started from the menus, left for the main menu
// and resumed in the same run and in a later one, replaced by a new game, and a
// tournament played to its end; the chips are counted across all of it.
#include "platform/ControllerTableHost.h"

#include "core/io/Profile.h"
#include "core/io/Settings.h"
#include "core/io/TempDirectory.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"
#include "host/posix/PosixFileSystem.h"
#include "platform/ControllerHost.h"
#include "platform/DeviceServices.h"
#include "platform/GameController.h"
#include "poker/ActionCode.h"
#include "poker/RandomSource.h"
#include "screens/Events.h"
#include "screens/MenuScreen.h"
#include "screens/TableScreen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct NoWindow : ControllerHost {
    void setFrameTimer(bool) override { }
    void postClose() override { }
    void setTextInput(bool) override { }
};

// One run of the game with the table installed, on a virtual clock, the stores in a folder.
struct GameRun {
    explicit GameRun(const std::string& folder, int64_t seed)
        : files(folder)
        , controller(window, nullptr, device, &files)
    {
        processClock().setUp(clock);
        controller.getDisplay()->setMetrics(DisplayMetrics(240, 320));
        ControllerTableHost::install(controller);
        RandomSource::shared().setSeed(seed);
        controller.start();
        for (int i = 0; i < 600 && controller.getCurrentScreenId() != GameController::SCREEN_MAIN_MENU; ++i)
            tick();
    }

    void tick()
    {
        clock.advance(GameController::FRAME_PERIOD_MS);
        controller.handleEvent(EVENT_TICK, 0, 0);
    }
    void key(int32_t code, int32_t c = 0) { controller.handleEvent(EVENT_KEY, code, c); }
    void choose(int32_t entry)
    {
        static_cast<MenuScreen*>(controller.getCurrentScreen())->setFocus(entry, /*scroll=*/true);
        key(KEY_SELECT);
    }
    int32_t id() const { return controller.getCurrentScreenId(); }
    TableScreen* table() { return dynamic_cast<TableScreen*>(controller.getCurrentScreen()); }
    int32_t bankroll() { return controller.getProfile().bankroll; }

    // Plays with keys until hands more hands are closed or the game is over: the
    // action chosen by its number key (check or call, or with allIn a raise to all
    // the chips by "a").
    void play(int hands, bool allIn)
    {
        TableGame& game = table()->game();
        const int start = game.pokerTable().handsPlayed;
        for (int i = 0; i < 500000 && !game.isOver() && game.pokerTable().handsPlayed < start + hands; ++i) {
            // Results and the new blinds are acknowledged with Enter.
            if (game.isModalMessage() || (game.view().handOver && game.animation() == TableGame::ANIMATION_NONE)) {
                key(KEY_FIRE);
                continue;
            }
            int32_t codes[3];
            const int n = game.humanActions(codes);
            if (n > 0) {
                int pick = -1;
                for (int a = 0; a < n; ++a) {
                    const bool wanted = allIn ? codes[a] == ACTION_ALL_IN || codes[a] == ACTION_RAISE ||
                                                    codes[a] == ACTION_BET
                                              : codes[a] == ACTION_CHECK || codes[a] == ACTION_CALL;
                    if (wanted && pick < 0)
                        pick = a;
                }
                key(KEY_CHAR, u'1' + (pick < 0 ? 0 : pick));
                if (game.amount().isOpen()) {
                    key(KEY_CHAR, u'a');
                    key(KEY_FIRE);
                }
                continue;
            }
            tick();
        }
    }

    FakeTimeSource clock { FakeTimeSource::NEW_YEAR_2026, 1000 };
    NoWindow window;
    PosixFileSystem files;
    DeviceServices device { "", 1, nullptr, nullptr };
    GameController controller;
};

class ControllerTableHostTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string pack = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
        ASSERT_TRUE(currentResourcePack() || openResourcePack(pack.c_str()));
        processSettings() = Settings();
        processSettings().askSoundAtStart = false;
    }
    void TearDown() override { processSettings() = Settings(); }

    TempDirectory dir;
};

TEST_F(ControllerTableHostTest, CashGameLeftResumedReplacedWithTheChipsCounted)
{
    int32_t savedChips = 0;
    {
        GameRun run(dir.path, 31);
        ASSERT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
        ASSERT_EQ(run.bankroll(), 1000);
        run.choose(0);            // Play
        run.choose(0);            // cash game
        run.choose(0);            // the lowest stake
        ASSERT_EQ(run.id(), GameController::SCREEN_TABLE);
        EXPECT_EQ(run.bankroll(), 0) << "the buy-in left the bankroll";
        TableScreen* table = run.table();
        ASSERT_TRUE(table);
        EXPECT_EQ(table->game().pokerTable().player(0).chips, 1000);
        run.play(12, /*allIn=*/false);
        ASSERT_FALSE(table->game().isOver());
        const int hands = table->game().pokerTable().handsPlayed;

        // The right soft key: the main menu, the table kept as it is.
        run.key(KEY_SOFT_RIGHT);
        EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
        run.choose(0);            // Play: a saved game was found
        ASSERT_EQ(run.id(), GameController::SCREEN_SAVED_GAME);
        run.choose(0);            // resume
        ASSERT_EQ(run.table(), table) << "the same table, not a new one";
        EXPECT_EQ(table->game().pokerTable().handsPlayed, hands);
        run.play(3, /*allIn=*/false);
        savedChips = run.controller.getProfile().handStartChips;
        EXPECT_GT(savedChips, 0);
        // The run ends here, in the middle of a hand.
    }
    GameRun later(dir.path, 32);
    EXPECT_EQ(later.bankroll(), 0);
    later.choose(0);
    ASSERT_EQ(later.id(), GameController::SCREEN_SAVED_GAME);
    later.choose(0);
    ASSERT_EQ(later.id(), GameController::SCREEN_TABLE);
    EXPECT_EQ(later.table()->game().pokerTable().player(0).chips, savedChips) << "resumed as the hand began";

    // A new game over the saved one pays its chips back first.
    later.key(KEY_SOFT_RIGHT);
    later.choose(0);
    later.choose(1);              // new game
    ASSERT_EQ(later.id(), GameController::SCREEN_NEW_GAME_QUESTION);
    later.key(KEY_SOFT_LEFT);     // Yes
    EXPECT_EQ(later.bankroll(), savedChips);
    EXPECT_EQ(later.id(), savedChips >= GameController::MIN_BUY_IN ? GameController::SCREEN_GAME_TYPE
                                                                   : GameController::SCREEN_BANKROLL_LOW);
}

TEST_F(ControllerTableHostTest, TournamentToItsEndPaysThePrizeAndLeaves)
{
    GameRun run(dir.path, 16);
    run.choose(0);
    run.choose(2);                // tournament
    run.choose(0);                // the lowest stake: prizes in buy-ins of 1000
    run.choose(0);                // 12 players
    ASSERT_EQ(run.id(), GameController::SCREEN_TABLE);
    EXPECT_EQ(run.bankroll(), 1000) << "a tournament costs nothing to enter";
    TableGame& game = run.table()->game();
    run.play(100000, /*allIn=*/true);
    ASSERT_TRUE(game.isOver());
    const int32_t place = game.place();
    ASSERT_GE(place, 1);
    const int32_t multiples[4] = {0, 6, 4, 2};
    EXPECT_EQ(run.bankroll(), 1000 + (place <= 3 ? multiples[place] * 1000 : 0)) << place;
    run.key(KEY_FIRE);
    EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
    run.choose(0);
    EXPECT_EQ(run.id(), GameController::SCREEN_GAME_TYPE) << "nothing left to resume";
}

} // namespace
