// Every player action that moves chips between the bankroll and a saved game, run
// through the controller with the file layer stopping at each of its writes in turn,
// as a kill at that moment would. A new start on what is left must find the chips
// as they were before the action or as they are after it, and offer exactly the
// game the files hold.
#include "app/GameController.h"

#include "core/io/RecordStore.h"
#include "core/io/Settings.h"
#include "core/io/StoreTransaction.h"
#include "core/io/TempDirectory.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/Clock.h"
#include "host/headless/FakeTimeSource.h"
#include "host/headless/HeadlessWindow.h"
#include "host/posix/FaultyFileSystem.h"
#include "host/posix/PosixFileSystem.h"
#include "app/ControllerTableHost.h"
#include "app/DeviceServices.h"
#include "app/GameWindow.h"
#include "poker/ActionCode.h"
#include "poker/RandomSource.h"
#include "table/TableSaves.h"
#include "table/view/TableScreen.h"
#include "ui/Events.h"
#include "ui/MenuScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

// One run of the game on a virtual clock, its stores in a folder behind a file
// layer that can be stopped. Ticks and keys go through the window as the game's do.
struct DyingRun {
    explicit DyingRun(const std::string& folder)
        : files(folder)
        , dying(files)
        , controller(window, nullptr, device, &dying)
    {
        processClock().setUp(clock);
        controller.getDisplay()->setMetrics(DisplayMetrics(240, 320));
        GameWindow::Hooks hooks;
        hooks.currentScreen = [this] { return controller.getCurrentScreen(); };
        window.attach(controller.getDisplay(), &device.getKeyMapper(), std::move(hooks));
        ControllerTableHost::install(controller);
        RandomSource::shared().setSeed(31);
    }

    void tick()
    {
        clock.advance(FRAME_INTERVAL_MS);
        window.sendEvent(EVENT_TICK, 0, 0);
    }
    bool startToMainMenu()
    {
        controller.start();
        for (int32_t ticks = 0; ticks < 600; ++ticks) {
            if (controller.getCurrentScreenId() == GameController::SCREEN_MAIN_MENU)
                return true;
            tick();
        }
        return false;
    }
    void key(int32_t code, int32_t c = 0) { window.sendEvent(EVENT_KEY, code, c); }
    void choose(int32_t entry)
    {
        static_cast<MenuScreen*>(controller.getCurrentScreen())->setFocus(entry, /*scroll=*/true);
        key(KEY_SELECT);
    }
    int32_t id() const { return controller.getCurrentScreenId(); }
    TableGame* game()
    {
        auto* table = dynamic_cast<TableScreen*>(controller.getCurrentScreen());
        return table ? &table->game() : nullptr;
    }
    // Checks or calls until the hands are played or the game is over; the result
    // keys are pressed, the game-over one is not.
    void play(int32_t hands)
    {
        TableGame& g = *game();
        const int32_t until = g.pokerTable().handsPlayed + hands;
        for (int32_t i = 0; i < 500000 && !g.isOver() && g.pokerTable().handsPlayed < until; ++i) {
            int32_t codes[3];
            const int32_t n = g.humanActions(codes);
            int32_t pick = 0;
            while (pick < n && codes[pick] != ACTION_CHECK && codes[pick] != ACTION_CALL)
                ++pick;
            if (g.isModalMessage() || (g.view().handOver && g.animation() == TableGame::ANIMATION_NONE))
                key(KEY_FIRE);
            else if (n > 0)
                key(KEY_CHAR, u'1' + (pick < n ? pick : 0));
            else
                tick();
        }
    }

    FakeTimeSource clock { FakeTimeSource::NEW_YEAR_2026, 1000 };
    HeadlessWindow host { clock, 240, 320 };
    GameWindow window { host };
    PosixFileSystem files;
    FaultyFileSystem dying;
    DeviceServices device { "", 1, nullptr, nullptr };
    GameController controller;
};

// The chips and games on record.
struct Ledger {
    int64_t chips = -1; // the bankroll plus the chips at a saved cash table
    bool gameHeld = false, tourneyHeld = false;
    bool operator==(const Ledger& o) const
    {
        return chips == o.chips && gameHeld == o.gameHeld && tourneyHeld == o.tourneyHeld;
    }
};

Ledger ledgerOf(int64_t bankroll, bool gameHeld, bool tourneyHeld, FileSystem& files)
{
    const int64_t atTable = gameHeld ? std::max(0, TableSaves::savedGameChips(nullptr, &files)) : 0;
    return { bankroll + atTable, gameHeld, tourneyHeld };
}

// Read from the files alone, a missing profile counting as the first start's.
Ledger filesLedger(const std::string& folder)
{
    PosixFileSystem files(folder);
    Profile profile;
    profile.loadProfile(&files);
    struct Present : RecordClient {
        bool saveRecord(const String&, DataOutputStream&) override { return false; }
        bool loadRecord(const String&, DataInputStream&) override { return true; }
    } present;
    return ledgerOf(profile.bankroll, RecordStore::loadObject(String("KMRB2Game"), present, &files),
                    RecordStore::loadObject(String("KMRB2Tourney"), present, &files), files);
}

// What a new start finds: the journal settled as the game's start does, then the
// controller's own loading; and whether Play offers a saved game.
Ledger restart(const std::string& folder, bool& offered)
{
    {
        PosixFileSystem files(folder);
        StoreTransaction::recoverAtStart(&files);
    }
    DyingRun run(folder);
    offered = false;
    if (!run.startToMainMenu())
        return {};
    const GameRecordClient& records = run.controller.records();
    const Ledger seen = ledgerOf(run.controller.getProfile().bankroll, records.gameInProgress,
                                 records.tourneyInProgress, run.files);
    run.choose(0);
    offered = run.id() == GameController::SCREEN_SAVED_GAME;
    return seen;
}

struct ChipMove {
    const char* name;
    // Brings a fresh run to the moment before the action, with nothing stopped.
    std::function<void(DyingRun&)> prepare;
    // The player's action.
    std::function<void(DyingRun&)> act;
};

void buyIn(DyingRun& run, int32_t gameType)
{
    ASSERT_TRUE(run.startToMainMenu());
    run.choose(0);
    ASSERT_EQ(run.id(), GameController::SCREEN_GAME_TYPE);
    run.choose(gameType);
    ASSERT_EQ(run.id(), GameController::SCREEN_STAKES);
}

class ChipMoveKillTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string pack = std::string(KM_BUILD_DIR) + "/Kestrelmoore_res.dat";
        ASSERT_TRUE(currentResourcePack() || openResourcePack(pack.c_str()));
        processSettings() = Settings();
        processSettings().askSoundAtStart = false;
    }
    void TearDown() override { processSettings() = Settings(); }
};

TEST_F(ChipMoveKillTest, EveryWriteOfEveryChipMoveLeavesTheChipsWhole)
{
    const ChipMove moves[] = {
        { "cash buy-in", [](DyingRun& run) { buyIn(run, 0); }, [](DyingRun& run) { run.choose(0); } },
        { "tournament start",
          [](DyingRun& run) {
              buyIn(run, 2);
              run.choose(0);
              ASSERT_EQ(run.id(), GameController::SCREEN_TOURNAMENT_SIZE);
          },
          [](DyingRun& run) { run.choose(0); } },
        { "new game over a saved one",
          [](DyingRun& run) {
              buyIn(run, 0);
              run.choose(0);
              ASSERT_TRUE(run.game());
              run.play(2);
              run.key(KEY_SOFT_RIGHT);
              run.choose(0);
              ASSERT_EQ(run.id(), GameController::SCREEN_SAVED_GAME);
              run.choose(1);
              ASSERT_EQ(run.id(), GameController::SCREEN_NEW_GAME_QUESTION);
          },
          [](DyingRun& run) { run.key(KEY_SOFT_LEFT); } },
        { "new game over a saved tournament",
          [](DyingRun& run) {
              buyIn(run, 2);
              run.choose(0);
              run.choose(0);
              ASSERT_TRUE(run.game());
              run.key(KEY_SOFT_RIGHT);
              run.choose(0);
              ASSERT_EQ(run.id(), GameController::SCREEN_SAVED_GAME);
              run.choose(1);
          },
          [](DyingRun& run) { run.key(KEY_SOFT_LEFT); } },
        { "bankroll top-up",
          [](DyingRun& run) {
              ASSERT_TRUE(run.startToMainMenu());
              run.controller.setCashBankroll(400);
              run.choose(0);
              ASSERT_EQ(run.id(), GameController::SCREEN_BANKROLL_LOW);
          },
          [](DyingRun& run) { run.key(KEY_SOFT_LEFT); } },
        { "leaving a heads-up game that ended",
          [](DyingRun& run) {
              buyIn(run, 1);
              run.choose(0);
              TableGame* game = run.game();
              ASSERT_TRUE(game);
              // A short-stacked opponent: the game ends within a few hands.
              game->pokerTable().player(1).chips = 1;
              run.play(200);
              ASSERT_TRUE(game->isOver());
              ASSERT_TRUE(game->pokerTable().betsCollected);
              // The last bet stays in roundBet for display after the pots took it;
              // leaving pays the stack alone.
              game->pokerTable().player(0).roundBet = 120;
          },
          [](DyingRun& run) {
              TableGame* game = run.game();
              const int32_t stack = game->isFinished() ? game->pokerTable().player(0).chips : 0;
              const int32_t bankroll = run.controller.getProfile().bankroll;
              run.key(KEY_FIRE);
              if (!run.dying.stopped()) {
                  EXPECT_EQ(run.id(), GameController::SCREEN_MAIN_MENU);
                  EXPECT_EQ(run.controller.getProfile().bankroll, bankroll + stack);
              }
          } },
    };
    for (const ChipMove& move : moves) {
        SCOPED_TRACE(move.name);
        Ledger before, after;
        int32_t steps = 0;
        {
            TempDirectory dir;
            {
                DyingRun run(dir.path);
                move.prepare(run);
                if (testing::Test::HasFatalFailure())
                    return;
                before = filesLedger(dir.path);
                run.dying.stopAtStep(0);
                move.act(run);
                steps = run.dying.stepsTaken();
            }
            after = filesLedger(dir.path);
        }
        ASSERT_GT(steps, 0);
        ASSERT_GE(before.chips, 0);
        EXPECT_FALSE(before == after) << "the action changes nothing on record";
        if (std::string(move.name).find("top-up") == std::string::npos) {
            EXPECT_EQ(before.chips, after.chips) << "chips are only moved";
        }
        int32_t oldSeen = 0, newSeen = 0;
        for (int32_t k = 1; k <= steps; ++k) {
            SCOPED_TRACE("stopped at write " + std::to_string(k) + " of " + std::to_string(steps));
            TempDirectory dir;
            {
                DyingRun run(dir.path);
                move.prepare(run);
                run.dying.stopAtStep(k);
                move.act(run);
                EXPECT_TRUE(run.dying.stopped());
            }
            bool offered = false;
            const Ledger seen = restart(dir.path, offered);
            EXPECT_TRUE(seen == filesLedger(dir.path)) << "the controller reads the files as they are";
            const bool isOld = seen == before, isNew = seen == after;
            EXPECT_TRUE(isOld || isNew) << "chips " << seen.chips << " (before " << before.chips << ", after "
                                        << after.chips << ")";
            EXPECT_EQ(offered, seen.gameHeld || seen.tourneyHeld) << "the game offered is the one on record";
            for (const std::string& name : dir.entries())
                EXPECT_NE(name[0], '.') << "a temporary file survived the start: " << name;
            oldSeen += isOld;
            newSeen += isNew;
        }
        // The one write that decides is somewhere in the middle, not first or last.
        EXPECT_GT(oldSeen, 0);
        EXPECT_GT(newSeen, 0);
        RecordProperty(std::string("killPoints ") + move.name, steps);
    }
}

} // namespace
