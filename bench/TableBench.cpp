// Paint of the busiest table frames at 480x640 and on the 640x360 landscape frame:
// six players at the showdown with the whole board and every hand face up, and the
// amount entry with its keypad. Goal: under 1 ms a frame.
#include "core/io/GameSetup.h"
#include "core/io/Profile.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/resources/ResourcePack.h"
#include "poker/ActionCode.h"
#include "poker/GameRecordClient.h"
#include "poker/RandomSource.h"
#include "table/TableHost.h"
#include "table/view/TableScreen.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// No stores (saving fails quietly), no sound.
class BenchHost : public TableHost {
public:
    BenchHost()
        : table(new PokerTable)
        , field(new TournamentField)
        , client(playerProfile, setup)
    {
    }
    Profile& profile() override { return playerProfile; }
    SharedPointer<PokerTable> engineTable() override { return table; }
    SharedPointer<TournamentField> engineField() override { return field; }
    GameRecordClient& records() override { return client; }
    FileSystem* fileSystem() override { return nullptr; }
    void playSound(int32_t) override { }
    void vibrate(int32_t) override { }

    SharedPointer<PokerTable> table;
    SharedPointer<TournamentField> field;
    Profile playerProfile;
    GameSetup setup;
    GameRecordClient client;
};

struct Frame {
    Frame()
        : display(nullptr, nullptr)
    {
        if (!openResourcePack(KM_GAME_PACK)) {
            std::fprintf(stderr, "no pack at %s\n", KM_GAME_PACK);
            std::exit(1);
        }
        setCurrentDisplay(&display);
        display.setMetrics(DisplayMetrics(480, 640));
    }
    Display display;
};

// A cash game at the top stake played with a calling human until the condition
// holds; with allCall every other player calls too (the hidden "dkrr" action).
bool playUntil(TableScreen& screen, bool allCall, const std::function<bool()>& condition)
{
    TableGame& game = screen.game();
    for (int frame = 0; frame < 200000; ++frame) {
        if (condition())
            return true;
        // The hidden "every player calls once more" keeps everybody in to the showdown.
        if (allCall)
            game.hiddenActionB();
        if (game.view().handOver && game.animation() == TableGame::ANIMATION_NONE)
            game.press();
        else if (game.isHumanTurn() && !game.chooseAction(ACTION_CHECK) && !game.chooseAction(ACTION_CALL))
            game.chooseAction(ACTION_FOLD);
        screen.handleEvent(2 /* tick */, 0, 0);
    }
    return false;
}

void paintBench(benchmark::State& state, bool amountEntry, int32_t width, int32_t height)
{
    static Frame frame;
    frame.display.setMetrics(DisplayMetrics(width, height));
    BenchHost host;
    RandomSource::shared().setSeed(12);
    GameSetup setup;
    setup.gameType = GameSetup::GAME_CASH;
    setup.stakeLevel = 5;
    TableScreen screen(host, setup, /*resume=*/false);
    screen.onShow();
    TableGame& game = screen.game();
    bool ready;
    if (amountEntry) {
        // On the river, with a bet or raise offered: open the entry with it.
        ready = playUntil(screen, /*allCall=*/false, [&] {
            return game.isHumanTurn() && game.view().boardCount == 5 &&
                   (game.chooseAction(ACTION_BET) || game.chooseAction(ACTION_RAISE));
        });
    } else {
        // The showdown with the most hands face up within the first hundred hands.
        ready = playUntil(screen, /*allCall=*/true, [&] {
            if (!game.view().handOver || game.animation() != TableGame::ANIMATION_NONE)
                return false;
            int shown = 0;
            for (int s = 1; s < TableGame::SEATS; ++s)
                shown += game.view().seats[s].inHand && game.faceUp(s) ? 1 : 0;
            return shown >= 4 || (shown >= 2 && game.pokerTable().handsPlayed > 100);
        });
    }
    if (!ready) {
        state.SkipWithError("the frame was not reached");
        return;
    }
    ScreenSurface& surface = *frame.display.getSurface();
    for (auto _ : state) {
        screen.paint(surface);
        benchmark::DoNotOptimize(surface.getBits());
    }
}

void BM_TableShowdown480x640(benchmark::State& state) { paintBench(state, false, 480, 640); }
void BM_TableAmountEntry480x640(benchmark::State& state) { paintBench(state, true, 480, 640); }
void BM_TableShowdown640x360(benchmark::State& state) { paintBench(state, false, 640, 360); }
void BM_TableAmountEntry640x360(benchmark::State& state) { paintBench(state, true, 640, 360); }

BENCHMARK(BM_TableShowdown480x640)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableAmountEntry480x640)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableShowdown640x360)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableAmountEntry640x360)->Unit(benchmark::kMicrosecond);

} // namespace
