// The table screen driven by events at every display size: the soft keys and the
// popup of narrow displays, the action buttons and keys, amount entry by keys and
// keypad, the modal views, leaving for the menu. Set KM_TABLE_SHOTS=DIR to write
// the frames (a dealt hand, amount entry, a showdown, the standings, heads-up).
#include "table/TableTestSupport.h"

#include "poker/ActionCode.h"
#include "poker/Card.h"
#include "poker/RandomSource.h"
#include "ui/Events.h"
#include "ui/PopupMenu.h"
#include "table/view/TableScreen.h"
#include "table/view/TableSnapshot.h"

#include <functional>
#include <memory>

namespace {

struct Table {
    Table(int32_t width, int32_t height, int gameType, int stake, int64_t seed)
        : fixture(width, height)
        , host(files)
    {
        RandomSource::shared().setSeed(seed);
        GameSetup setup;
        setup.gameType = gameType;
        setup.stakeLevel = stake;
        setup.playerName = String("Ann");
        setup.avatar = 6;
        host.playerProfile.bankroll = 0;
        screen.reset(new TableScreen(host, setup, /*resume=*/false));
        screen->setListener(&fixture.controller);
        screen->onShow();
    }

    void tick() { screen->handleEvent(EVENT_TICK, 0, 0); }
    void keyPress(int32_t code, char16_t c = 0) { screen->handleEvent(EVENT_KEY, code, c); }
    void tap(int32_t x, int32_t y) { screen->handleEvent(EVENT_POINTER_PRESSED, x, y); }

    // Ticks (acknowledging results) until the condition holds; false after maxFrames.
    bool until(const std::function<bool()>& condition, int maxFrames = 20000)
    {
        for (int i = 0; i < maxFrames; ++i) {
            if (condition())
                return true;
            TableGame& game = screen->game();
            if (game.view().handOver && game.animation() == TableGame::ANIMATION_NONE && !condition())
                keyPress(KEY_FIRE);
            else if (game.isHumanTurn() && !game.chooseAction(ACTION_CHECK) && !game.chooseAction(ACTION_CALL))
                game.chooseAction(ACTION_FOLD);
            tick();
        }
        return condition();
    }

    void shot(const std::string& name) { ::shot(fixture.display, *screen, name); }
    // The ACTIONS popup of narrow displays: its labels, and the entry at index chosen.
    std::vector<std::string> pickFromPopup(int32_t index)
    {
        std::vector<std::string> labels;
        fixture.loop.steps.push_back([&] {
            PopupMenu* popup = PopupMenu::current();
            for (int32_t i = 0; popup && i < popup->itemCount(); ++i)
                labels.push_back(narrow(popup->labelAt(i)));
            while (popup && popup->getFocus() < index)
                popup->handleEvent(EVENT_KEY, KEY_DOWN, 0);
            if (popup)
                popup->handleEvent(EVENT_KEY, KEY_FIRE, 0);
        });
        keyPress(KEY_SOFT_LEFT);
        fixture.loop.steps.resize(fixture.loop.next); // a step the popup never ran would dangle
        return labels;
    }

    ScreenWorld fixture;
    MemoryFileSystem files;
    TestTableHost host;
    std::unique_ptr<TableScreen> screen;
};

const int32_t sizes[9][2] = {{176, 220}, {240, 240}, {240, 320}, {320, 240}, {320, 320},
                             {480, 640}, {640, 360}, {640, 400}, {640, 480}};

TEST(TableScreenTest, ActionsByButtonsKeysOrPopupAndAmountEntry)
{
    for (const auto& size : sizes) {
        SCOPED_TRACE(size[0]);
        Table t(size[0], size[1], GameSetup::GAME_CASH, 5, 21);
        TableScreen& screen = *t.screen;
        TableGame& game = screen.game();
        const bool narrow = size[0] == 176;
        EXPECT_EQ(screen.getLeftCommand().raw() != nullptr, narrow) << "ACTIONS only on narrow displays";
        ASSERT_TRUE(screen.getRightCommand().raw());

        ASSERT_TRUE(t.until([&] { return game.isHumanTurn() && game.view().boardCount == 0; }));
        t.shot("dealt");
        // The scripted player's dump shows the player's cards, the others' face down.
        TableSnapshot snapshot;
        ASSERT_TRUE(TableSnapshot::fill(&screen, snapshot));
        const auto& hole = game.view().seats[0].holeCards;
        EXPECT_EQ(snapshot.seats[0].cards, std::vector<std::string>({Card::name(hole[0]), Card::name(hole[1])}));
        for (int s = 1; s < 6; ++s) {
            const std::vector<std::string> hidden = {"??", "??"};
            EXPECT_TRUE(!snapshot.seats[s].present || !snapshot.seats[s].inHand || snapshot.seats[s].cards == hidden) << s;
        }
        EXPECT_EQ(snapshot.toAct, 0);
        int32_t codes[3];
        const int n = game.humanActions(codes);
        ASSERT_GE(n, 2);
        EXPECT_EQ(screen.actionMenu().count(), n);

        // Bet or raise opens the amount entry at the minimum raise.
        int raiseIndex = -1;
        for (int i = 0; i < n; ++i)
            if (codes[i] == ACTION_RAISE || codes[i] == ACTION_BET)
                raiseIndex = i;
        ASSERT_GE(raiseIndex, 0);
        if (narrow) {
            const std::vector<std::string> labels = t.pickFromPopup(raiseIndex);
            ASSERT_EQ(int(labels.size()), n);
            EXPECT_EQ(labels[size_t(raiseIndex)], codes[raiseIndex] == ACTION_RAISE ? "Raise" : "Bet");
        } else {
            t.keyPress(KEY_CHAR, char16_t(u'1' + raiseIndex));
        }
        ASSERT_TRUE(game.amount().isOpen());
        const int32_t minimum = game.pokerTable().minRaiseTo(0);
        EXPECT_EQ(game.amount().amount(), minimum);
        t.keyPress(KEY_UP);
        EXPECT_EQ(game.amount().amount(), minimum + game.pokerTable().minRaise);
        t.shot("amount");
        t.keyPress(KEY_SOFT_RIGHT);
        EXPECT_FALSE(game.amount().isOpen()) << "the right soft key cancels the entry";
        EXPECT_TRUE(t.fixture.controller.commands.empty());

        // Again, then everything typed as "a" and confirmed: all-in.
        if (narrow) {
            t.pickFromPopup(raiseIndex);
        } else {
            while (screen.actionMenu().getHighlight() != raiseIndex)
                t.keyPress(KEY_RIGHT);
            t.keyPress(KEY_FIRE);
        }
        ASSERT_TRUE(game.amount().isOpen());
        if (narrow) {
            t.keyPress(KEY_CHAR, u'a');
        } else {
            // The keypad: ALL-IN.
            const TableLayout::Box key = screen.tableLayout().keypadKey();
            t.tap(key.x + 2, key.y + 2 * (key.h + screen.tableLayout().keypadGap()) + 2);
        }
        EXPECT_EQ(game.amount().amount(), game.pokerTable().player(0).chips);
        t.keyPress(KEY_FIRE);
        EXPECT_FALSE(game.amount().isOpen());
        EXPECT_EQ(game.pokerTable().player(0).chips, 0);
        EXPECT_EQ(game.seat(0).actionText.length() > 0, true);

        ASSERT_TRUE(t.until([&] { return game.view().handOver && game.animation() == TableGame::ANIMATION_NONE; }));
        t.shot("showdown");
        EXPECT_GT(game.message().length(), 0);
        t.keyPress(KEY_FIRE);
        EXPECT_FALSE(game.pokerTable().handOver) << "a key acknowledges the result";

        if (!game.isOver()) {
            t.keyPress(KEY_SOFT_RIGHT);
            ASSERT_EQ(t.fixture.controller.commands.size(), 1u) << "the right soft key goes to the main menu";
            EXPECT_EQ(t.fixture.controller.commands[0].first, screen.getRightCommand().raw());
            EXPECT_EQ(t.fixture.controller.commands[0].first->getCommandType(), Command::TYPE_BACK);
        }
    }
}

TEST(TableScreenTest, StandingsAndHeadsUpFrames)
{
    for (const auto& size : sizes) {
        SCOPED_TRACE(size[0]);
        {
            Table t(size[0], size[1], GameSetup::GAME_TOURNAMENT, 2, 5);
            TableGame& game = t.screen->game();
            ASSERT_TRUE(t.until([&] { return game.pokerTable().handsPlayed >= 3 && game.isHumanTurn(); }));
            t.keyPress(KEY_CHAR, u'4');
            ASSERT_TRUE(game.isStandingsShown());
            EXPECT_GE(t.screen->standingsRows().size(), 5);
            t.shot("standings");
            t.keyPress(KEY_CHAR, u'x');
            EXPECT_FALSE(game.isStandingsShown()) << "any key closes the standings";
            t.shot("tournament");
        }
        Table t(size[0], size[1], GameSetup::GAME_HEADS_UP, 1, 8);
        TableGame& game = t.screen->game();
        ASSERT_TRUE(t.until([&] { return game.isHumanTurn() && game.view().boardCount >= 3; }));
        t.shot("headsup");
        // A hand played to the showdown: both hands face up, the result in words.
        ASSERT_TRUE(t.until([&] {
            return game.view().handOver && game.faceUp(1) && game.animation() == TableGame::ANIMATION_NONE;
        }));
        EXPECT_NE(narrow(game.message()).find(":"), std::string::npos) << narrow(game.message());
        t.shot("headsup-showdown");
    }
}

TEST(TableScreenTest, TheStarSpeaksAfterAHand)
{
    // The first seed whose cash table at the top stake gets the star (20% a seat).
    std::unique_ptr<Table> t;
    for (int64_t seed = 1; seed < 100; ++seed) {
        t.reset(new Table(240, 320, GameSetup::GAME_CASH, 5, seed));
        if (t->screen->game().starSeat() != TableGame::NO_STAR)
            break;
    }
    TableGame& game = t->screen->game();
    const int star = game.starSeat();
    ASSERT_NE(star, TableGame::NO_STAR);
    EXPECT_EQ(narrow(game.seat(star).name), "Baron Vex");
    EXPECT_EQ(game.seat(star).avatar, 7);
    ASSERT_TRUE(t->until([&] { return game.seat(star).bubble.length() > 0; }, 100000));
    t->shot("remark");
}

} // namespace
