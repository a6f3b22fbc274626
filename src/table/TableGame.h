#pragma once

#include "core/io/GameSetup.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/String.h"
#include "poker/HandHistoryWriter.h"
#include "poker/PokerTable.h"
#include "poker/TableDriver.h"
#include "poker/TableView.h"
#include "poker/TournamentField.h"
#include "table/AmountEntry.h"
#include "table/GameSpeed.h"
#include "table/SeatState.h"
#include "table/StarRemarks.h"
#include "table/TableSaves.h"
#include "table/TableSeating.h"

#include <cstdint>

class TableHost;

// One game at the table as the table screen plays it, without any drawing: the
// table set up or resumed, one frame of the driver per tick (computer turns, the
// deal, flop, turn, river and result animations, opponents who come and go, the
// tournament around the table), the seat texts, the human's actions and bet
// amount, the messages between hands, saving as soon as a hand's pots are paid
// and again when it closes, and the chips paid back when the game ends. The human
// sits in seat 0.
class TableGame {
public:
    static constexpr int32_t HUMAN_SEAT = 0;
    static constexpr int32_t SEATS = PokerTable::SEATS;
    static constexpr int32_t NO_STAR = TableSeating::NO_STAR;
    static constexpr int32_t DEFAULT_AVATAR = ::SeatState::DEFAULT_AVATAR;
    static constexpr int32_t SEAT_TEXT_MS = ::SeatState::TEXT_MS;
    static constexpr int32_t BUBBLE_MS = 4000;
    static constexpr int32_t TURN_VIBRATION_MS = 500;
    static constexpr int32_t TOURNAMENT_CHIPS = 500;

    enum Animation : int32_t {
        ANIMATION_NONE = -1,
        ANIMATION_FLOP = 1,
        ANIMATION_TURN = 2,
        ANIMATION_RIVER = 3,
        ANIMATION_RESULT = 4,
        ANIMATION_DEAL = 5,
    };

    // What a key or pointer press did to the modal views.
    enum Modal : int32_t {
        MODAL_NONE = 0,  // no modal view: the press is the game's
        MODAL_CLOSED = 1,
        MODAL_LEAVE = 2, // the game is over: leaveTable() has run, go to the main menu
    };

    using SeatState = ::SeatState;

    // The setup is copied; the host must outlive the game.
    TableGame(TableHost& host, const GameSetup& setup, bool resume);
    ~TableGame();
    TableGame(const TableGame&) = delete;
    TableGame& operator=(const TableGame&) = delete;

    // Table setup, once per new game when its screen is first shown. turnAlertFrames:
    // frames before the human is reminded that it is its turn.
    void setUp(int32_t turnAlertFrames);
    bool isSetUp() const { return setUpDone; }
    // One frame of frameMs milliseconds. True when anything drawn changed.
    bool tick(int32_t frameMs);

    // Input. The modal views first, in their order; then actions and amount entry.
    Modal press();
    // ActionCodes the human may choose now; empty when it is not its turn.
    int32_t humanActions(int32_t (&codes)[3]) const;
    bool isHumanTurn() const;
    // Carries out an offered action: fold, check, call, all-in at once; bet or raise
    // open the amount entry at the minimum raise. False when not offered now.
    bool chooseAction(int32_t code);
    AmountEntry& amount() { return entry; }
    const AmountEntry& amount() const { return entry; }
    // Select in the amount entry: acts with the amount when it is in range.
    void confirmAmount();
    void cancelAmount() { entry.close(); }
    void showStandings();
    void setHumanName(const String& name, int32_t avatar);

    // Pays the chips back once the game has ended (busted, heads-up or tournament
    // over): the human's stack and bet go to the bankroll of a cash or heads-up game,
    // the saved records are deleted and the profile saved. Runs once.
    void leaveTable();

    // The hidden key sequences: every opponent gets 10 x its seat number in chips;
    // every player calls once more.
    void hiddenActionA();
    void hiddenActionB();

    // State for drawing.
    int32_t getVariant() const { return setup.gameType; }
    int32_t getStakeLevel() const { return stakeLevel; }
    const TableView& view() const { return tableView; }
    const SeatState& seat(int32_t s) const { return seats[s]; }
    bool boardVisible(int32_t i) const { return i >= 0 && i < 5 && boardShown[i]; }
    // Cards are face up for the human and, after a showdown, for everybody in the hand.
    bool faceUp(int32_t seatIndex) const;
    int32_t starSeat() const { return seating.starSeat(); }
    Animation animation() const { return animationKind; }
    int32_t animationStep() const { return animationCounter; }
    // The message of the message box: the end of the game, the new blinds, or the
    // result of the hand while it waits to be acknowledged; empty when none.
    String message() const;
    bool isModalMessage() const { return playerBusted || gameFinished || blindsShown; }
    bool isStandingsShown() const { return standingsShown; }
    bool isBusted() const { return playerBusted; }
    bool isFinished() const { return gameFinished; }
    bool isOver() const { return playerBusted || gameFinished; }
    bool hasLeft() const { return left; }
    // The finishing place once the tournament is over for the human, else -1.
    int32_t place() const { return finishingPlace; }
    bool isTurnAlertArmed() const { return turnAlertArmed; }
    GameSpeed speed() const;
    // Diamonds and clubs in their own colours on every card drawn.
    bool fourColourDeck() const;
    const TournamentField& tournament() const { return *field; }
    PokerTable& pokerTable() { return *table; }
    const PokerTable& pokerTable() const { return *table; }

private:
    void setUpTournament();
    void setUpCashGame();
    void takeSnapshot();
    void refreshSeatTexts();

    void drive(int32_t frameMs);
    bool endOfTournament();
    void afterStep(int32_t stateBefore);
    void handClosed();
    void closeTournamentHand();
    void advanceAnimation();
    void startAnimation(Animation kind, int32_t length);
    void hideCards();
    void humanActed();
    // Shows the table to the hand-history writer after every change, and keeps each
    // hand it finishes.
    void recordHistory();

    void seatAvatars(uint8_t (&avatars)[SEATS]) const;
    void saveGame();
    void saveTourney();
    void saveNewGame(const char* storeName);

    TableHost& host;
    GameSetup setup;
    bool resume;
    int32_t stakeLevel;
    SharedPointer<PokerTable> table;
    SharedPointer<TournamentField> field;
    TableDriver driver;
    TableSaves saves;
    HandHistoryWriter history;
    TableView tableView;
    SeatState seats[SEATS];
    TableSeating seating;
    StarRemarks remarks;
    AmountEntry entry;

    bool setUpDone = false;
    bool changed = false; // since the last tick
    StarRemarks::Event starEvent = StarRemarks::NONE;
    bool boardShown[5] = {};
    bool cardsShown = false; // the hand went to a showdown
    Animation animationKind = ANIMATION_NONE;
    int32_t animationCounter = 0;
    int32_t animationLength = 0;
    String resultText;
    String modalText;

    bool playerBusted = false;
    bool gameFinished = false;
    bool standingsShown = false;
    bool blindsShown = false;
    bool left = false;
    int32_t finishingPlace = -1;
    int32_t turnAlertFrames = 0;
    int32_t turnAlert = 0;
    bool turnAlertArmed = false;
};
