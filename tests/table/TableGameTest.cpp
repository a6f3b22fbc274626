// Whole games at the table without a screen: set up, played frame by frame with a
// scripted human, saved, resumed and ended, with the chips counted throughout.
#include "core/resources/SoundIds.h"
#include "table/TableTestSupport.h"

#include "core/io/RecordStore.h"
#include "poker/ActionCode.h"
#include "poker/GameRecord.h"
#include "poker/RandomSource.h"
#include "poker/TourneyRecord.h"
#include "table/TableGame.h"

#include <algorithm>
#include <memory>
#include <set>

namespace {

constexpr int32_t FRAME_MS = 100;
constexpr int32_t ALERT_FRAMES = 150;

std::string fileOf(const char* store) { return std::string(store) + RecordStore::FILE_SUFFIX; }

struct Session {
    Session(MemoryFileSystem& files, int64_t seed)
        : host(files)
    {
        host.playerProfile.loadProfile(&files);
        RandomSource::shared().setSeed(seed);
    }

    void start(int gameType, int stake, int size, bool resume)
    {
        GameSetup setup;
        setup.gameType = gameType;
        setup.stakeLevel = stake;
        setup.tournamentSize = size;
        setup.playerName = String("Ann");
        setup.avatar = 3;
        host.client.gameInProgress = host.files.exists(fileOf(GameRecord::STORE_NAME).c_str());
        host.client.tourneyInProgress = host.files.exists(fileOf(TourneyRecord::STORE_NAME).c_str());
        game.reset(new TableGame(host, setup, resume));
        game->setUp(ALERT_FRAMES);
    }

    TestTableHost host;
    std::unique_ptr<TableGame> game;
};

// The human goes all-in (or raises all-in) whenever it acts and acknowledges every
// result, until `hands` more hands were closed or the game is over.
void play(TableGame& game, int hands, int maxFrames = 200000)
{
    int closed = 0;
    int before = game.pokerTable().state;
    for (int frame = 0; frame < maxFrames && closed < hands && !game.isOver(); ++frame) {
        game.tick(FRAME_MS);
        int state = game.pokerTable().state;
        if (before == PokerTable::STATE_SETTLE && state != PokerTable::STATE_SETTLE)
            ++closed;
        before = state;
        if (game.isModalMessage() || game.view().handOver) {
            game.press();
            continue;
        }
        int32_t codes[3];
        int n = game.humanActions(codes);
        if (n == 0)
            continue;
        // Everything the game draws is out by the time the human acts.
        for (int i = 0; i < game.view().boardCount; ++i)
            ASSERT_TRUE(game.boardVisible(i)) << i;
        ASSERT_TRUE(game.seat(0).holeVisible[1]);
        ASSERT_TRUE(game.chooseAction(codes[n - 1]));
        if (game.amount().isOpen()) {
            game.amount().type(u'a');
            game.confirmAmount();
            ASSERT_FALSE(game.amount().isOpen());
        }
    }
}

TEST(TableGameTest, HeadsUpToTheEndThenChipsGoBack)
{
    ASSERT_TRUE(openTestPack());
    MemoryFileSystem files;
    Session session(files, 7);
    session.host.playerProfile.bankroll = 500;
    session.start(GameSetup::GAME_HEADS_UP, 0, 0, false);
    TableGame& game = *session.game;
    EXPECT_EQ(game.pokerTable().countSeated(), 2);
    play(game, 1000);
    ASSERT_TRUE(game.isOver());
    const int32_t chips = game.pokerTable().player(0).chips;
    EXPECT_TRUE(chips == 0 || chips == 2000) << chips; // the whole of both buy-ins, no odd chips heads-up
    EXPECT_EQ(game.isFinished(), chips == 2000);
    EXPECT_EQ(narrow(game.message()).find(chips ? "You beat" : "You have lost"), 0u);
    EXPECT_EQ(game.press(), TableGame::MODAL_LEAVE);
    EXPECT_EQ(session.host.playerProfile.bankroll, 500 + chips);
    EXPECT_FALSE(files.exists(fileOf(GameRecord::STORE_NAME).c_str()));
    EXPECT_FALSE(session.host.client.gameInProgress);
    game.leaveTable();
    EXPECT_EQ(session.host.playerProfile.bankroll, 500 + chips) << "paid once";
    Session later(files, 1);
    EXPECT_EQ(later.host.playerProfile.bankroll, 500 + chips) << "saved";
}

namespace {

// What a pace does to the same seeded cash game over five minutes of frames, the
// human folding or checking at once and taking every result at once.
struct PaceRun {
    int hands = 0;
    std::set<int> animationFrames[6]; // by TableGame::Animation, the frames each one lasted
    std::set<int> thinkingFrames;     // frames a computer seat was to act, animations left out
    std::vector<int32_t> vibrations;
};

PaceRun playAtPace(PlayOptions::Speed speed)
{
    MemoryFileSystem files;
    Session session(files, 42);
    session.host.options.speed = speed;
    session.start(GameSetup::GAME_CASH, 0, 0, /*resume=*/false);
    TableGame& game = *session.game;
    PaceRun run;
    int animating = 0, thinking = 0, thinker = -1;
    TableGame::Animation kind = TableGame::ANIMATION_NONE;
    int before = game.pokerTable().state;
    for (int frame = 0; frame < 3000 && !game.isOver(); ++frame) {
        // A frame that advances an animation moves nobody on.
        const bool animatingBefore = game.animation() != TableGame::ANIMATION_NONE;
        game.tick(FRAME_MS);
        const int state = game.pokerTable().state;
        run.hands += before == PokerTable::STATE_SETTLE && state != PokerTable::STATE_SETTLE;
        before = state;
        if (game.animation() != TableGame::ANIMATION_NONE) {
            kind = game.animation();
            ++animating;
        } else if (animating > 0) {
            run.animationFrames[kind].insert(animating);
            animating = 0;
        }
        const PokerTable& table = game.pokerTable();
        const int toAct = table.awaitingAction && table.toAct > 0 ? table.toAct : -1;
        if (toAct >= 0 && toAct == thinker) {
            thinking += !animatingBefore;
        } else {
            if (thinker >= 0)
                run.thinkingFrames.insert(thinking);
            thinker = toAct;
            thinking = 1;
        }
        if (game.isModalMessage() || game.view().handOver) {
            game.press();
            continue;
        }
        int32_t codes[3];
        const int n = game.humanActions(codes);
        if (n > 0)
            game.chooseAction(std::find(codes, codes + n, ACTION_CHECK) != codes + n ? ACTION_CHECK : ACTION_FOLD);
    }
    // Then the player waits at its turn: the alert comes after the same real time
    // at every pace.
    for (int frame = 0; frame < 5000 && !game.isHumanTurn(); ++frame) {
        game.tick(FRAME_MS);
        if (game.view().handOver || game.isModalMessage())
            game.press();
    }
    session.host.vibrations.clear();
    for (int frame = 0; frame < ALERT_FRAMES - 2; ++frame)
        game.tick(FRAME_MS);
    run.vibrations = session.host.vibrations;
    for (int frame = 0; frame < 4; ++frame)
        game.tick(FRAME_MS);
    run.vibrations.push_back(-1);
    run.vibrations.insert(run.vibrations.end(), session.host.vibrations.begin(), session.host.vibrations.end());
    return run;
}

} // namespace

TEST(TableGameTest, FasterPacesShortenThinkingAndAnimationsAndNothingElse)
{
    ASSERT_TRUE(openTestPack());
    const PaceRun normal = playAtPace(PlayOptions::SPEED_NORMAL);
    const PaceRun fast = playAtPace(PlayOptions::SPEED_FAST);
    const PaceRun turbo = playAtPace(PlayOptions::SPEED_TURBO);

    // Normal: a computer waits 5..9 frames and acts in the next.
    EXPECT_EQ(*normal.thinkingFrames.begin(), 6);
    EXPECT_EQ(*normal.thinkingFrames.rbegin(), 10);
    // Turbo: one frame for every animation and every computer action.
    for (int kind : {TableGame::ANIMATION_DEAL, TableGame::ANIMATION_FLOP, TableGame::ANIMATION_TURN,
                     TableGame::ANIMATION_RIVER, TableGame::ANIMATION_RESULT})
        EXPECT_EQ(turbo.animationFrames[kind], std::set<int>({1})) << kind;
    EXPECT_EQ(turbo.thinkingFrames, std::set<int>({1}));

    // At least three times the hands of Normal in the same time, Fast in between.
    EXPECT_GT(normal.hands, 10);
    EXPECT_GT(fast.hands, normal.hands);
    EXPECT_GE(turbo.hands, 3 * normal.hands) << normal.hands << " " << fast.hands << " " << turbo.hands;

    // The turn alert keeps its real time: not before its frames, then once.
    const std::vector<int32_t> alert {-1, TableGame::TURN_VIBRATION_MS};
    EXPECT_EQ(normal.vibrations, alert);
    EXPECT_EQ(turbo.vibrations, alert);
}

TEST(TableGameTest, TournamentPlayedToItsEndPaysThePrize)
{
    ASSERT_TRUE(openTestPack());
    // Seeds found to win and to go out early.
    const struct {
        int64_t seed;
        int32_t place;
    } cases[] = {{16, 1}, {3, 12}};
    for (const auto& c : cases) {
        MemoryFileSystem files;
        Session session(files, c.seed);
        session.host.playerProfile.bankroll = 1000;
        session.start(GameSetup::GAME_TOURNAMENT, 2, 0, false);
        TableGame& game = *session.game;
        EXPECT_TRUE(session.host.client.tourneyInProgress);
        play(game, 100000, 3000000);
        ASSERT_TRUE(game.isOver()) << c.seed;
        const int32_t place = game.place();
        EXPECT_EQ(place, c.place) << c.seed;
        EXPECT_EQ(game.isFinished(), place == 1);
        EXPECT_EQ(narrow(game.message()).find(place == 1 ? "You won the tournament!" : "You are out"), 0u);
        const int32_t prize = place == 1 ? 60000 : 0;
        EXPECT_EQ(session.host.playerProfile.bankroll, 1000 + prize) << "paid when the game ended";
        EXPECT_FALSE(files.exists(fileOf(TourneyRecord::STORE_NAME).c_str()));
        EXPECT_FALSE(session.host.client.tourneyInProgress);
        EXPECT_EQ(game.press(), TableGame::MODAL_LEAVE);
        EXPECT_EQ(session.host.playerProfile.bankroll, 1000 + prize) << "nothing more on leaving";
        EXPECT_EQ(session.host.sounds.back(), SOUND_GAME_OVER);
    }
}

} // namespace
