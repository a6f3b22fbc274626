#include "table/TableGame.h"

#include "core/io/Profile.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/SoundIds.h"
#include "core/runtime/Clock.h"
#include "poker/ActionCode.h"
#include "poker/GameRecord.h"
#include "poker/GameRecordClient.h"
#include "poker/Stakes.h"
#include "poker/TourneyRecord.h"
#include "table/TableHost.h"
#include "table/TableMessages.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int32_t TEXT_FOLD = 2037;
constexpr int32_t TEXT_CHECK = 2023;
constexpr int32_t TEXT_CALL = 2018;
constexpr int32_t TEXT_BET = 2013;
constexpr int32_t TEXT_RAISE = 2105;
constexpr int32_t TEXT_ALL_IN = 2002;
constexpr int32_t TEXT_BLIND = 2101;

// Animation lengths in frames.
constexpr int32_t FLOP_STEPS = 10;
constexpr int32_t STREET_STEPS = 7;
constexpr int32_t RESULT_STEPS = 5;
constexpr int32_t DEAL_STEPS = 5; // plus two per player in the hand

int32_t clampedSum(int64_t a, int64_t b)
{
    return int32_t(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, a + b)));
}

} // namespace

TableGame::TableGame(TableHost& gameHost, const GameSetup& gameSetup, bool resumeGame)
    : host(gameHost)
    , setup(gameSetup)
    , resume(resumeGame)
    , stakeLevel(std::max(0, std::min(gameSetup.stakeLevel, Stakes::COUNT - 1)))
    , table(gameHost.engineTable() != nullptr ? gameHost.engineTable() : SharedPointer<PokerTable>(new PokerTable))
    , field(gameHost.engineField() != nullptr ? gameHost.engineField()
                                              : SharedPointer<TournamentField>(new TournamentField))
    , driver(*table)
    , saves(gameHost, *table, *field, HUMAN_SEAT)
    , seating(*table, *field, seats, HUMAN_SEAT)
{
    driver.thinking = [this](int frames) { return speed().thinkingFrames(frames); };
}

TableGame::~TableGame() = default;

// ---- setup ----

void TableGame::setUp(int32_t alertFrames)
{
    turnAlertFrames = alertFrames;
    seating.reset();
    starEvent = StarRemarks::NONE;
    tableView = TableView();
    entry.close();
    for (SeatState& s : seats)
        s = SeatState();

    GameRecordClient& records = host.records();
    records.table = table.raw();
    records.field = field.raw();
    table->resetGame();
    seats[HUMAN_SEAT].name = setup.playerName;
    seats[HUMAN_SEAT].avatar = uint8_t(setup.avatar);
    history = HandHistoryWriter();
    history.heroSeat = HUMAN_SEAT;
    if (setup.gameType == GameSetup::GAME_TOURNAMENT) {
        // A tournament number for the histories, taken from the same counter as
        // the hands so that it never repeats either.
        const int64_t tournament = host.reserveHandNumber();
        if (tournament > 0) {
            history.tournament = tournament;
            history.tableName = std::to_string(tournament) + " 1";
        }
    }
    if (setup.gameType == GameSetup::GAME_TOURNAMENT)
        setUpTournament();
    else
        setUpCashGame();
    takeSnapshot();
    setUpDone = true;
}

void TableGame::setUpTournament()
{
    GameRecordClient& records = host.records();
    table->setBlindSchedule();
    bool loaded = resume && records.tourneyInProgress && saves.load(TourneyRecord::STORE_NAME);
    if (loaded) {
        const bool paid = saves.normaliseLoaded();
        // The saved tournament brings its own stake (and size) back into the setup.
        setup.stakeLevel = records.getSetup().stakeLevel;
        setup.tournamentSize = records.getSetup().tournamentSize;
        stakeLevel = std::max(0, std::min(setup.stakeLevel, Stakes::COUNT - 1));
        if (paid) {
            // Saved while its result showed: the table holds the hand's pay-out, the
            // field is still as the hand began. Close the hand for the field now.
            seating.matchFieldEntrants();
            closeTournamentHand();
        }
    } else {
        // A failed load may have left the table half read: start it afresh.
        table->resetGame();
        table->setBlindSchedule();
        const int32_t sizeIndex = std::max(0, std::min(setup.tournamentSize, TournamentField::FIELD_SIZES - 1));
        const int32_t entrants = TournamentField::ENTRANTS_BY_FIELD[sizeIndex];
        field->createField(entrants);
        field->bigBlind = 10;
        field->smallBlind = 5;
        field->setEntry(0, setup.playerName, TOURNAMENT_CHIPS, setup.avatar);
        seating.fillField(TOURNAMENT_CHIPS, /*withStar=*/stakeLevel == 5);
    }
    seating.forgetEntrants();
    if (field->humanSeated())
        seating.seatFromField(setup.playerName, setup.avatar);
    takeSnapshot();
    // A tournament that ended with its last hand is settled by the driver at once.
    if (loaded && !field->isOver())
        saveTourney();
    else if (!loaded)
        saveNewGame(TourneyRecord::STORE_NAME);
}

void TableGame::setUpCashGame()
{
    GameRecordClient& records = host.records();
    table->setFixedBlinds(Stakes::SMALL_BLINDS[stakeLevel], Stakes::BIG_BLINDS[stakeLevel]);
    if (resume && records.gameInProgress && saves.load(GameRecord::STORE_NAME)) {
        saves.normaliseLoaded();
        seating.seatResumed(records.avatars);
        return;
    }
    // A new game, or a saved one that could not be read: the buy-in at a fresh table.
    table->resetGame();
    table->setFixedBlinds(Stakes::SMALL_BLINDS[stakeLevel], Stakes::BIG_BLINDS[stakeLevel]);
    table->sit(HUMAN_SEAT, setup.playerName, Player::HUMAN, Stakes::BUY_INS[stakeLevel]);
    seating.seatOpponents(stakeLevel, setup.gameType == GameSetup::GAME_HEADS_UP);
    // Saved at once: the buy-in has left the bankroll, so it must be on record
    // before the first frame, or quitting now would lose it.
    takeSnapshot();
    saveNewGame(GameRecord::STORE_NAME);
}

void TableGame::setHumanName(const String& name, int32_t avatar)
{
    setup.playerName = name;
    setup.avatar = avatar;
    seats[HUMAN_SEAT].name = name;
    seats[HUMAN_SEAT].avatar = uint8_t(avatar);
    table->player(HUMAN_SEAT).name = name;
    if (setup.gameType == GameSetup::GAME_TOURNAMENT && field->entry(0))
        field->entry(0)->name = name;
}

// ---- snapshot and seat texts ----

void TableGame::takeSnapshot()
{
    changed = true;
    table->snapshot(tableView);
    refreshSeatTexts();
}

void TableGame::refreshSeatTexts()
{
    const bool headsUp = setup.gameType == GameSetup::GAME_HEADS_UP;
    for (int32_t s = 0; s < SEATS; ++s) {
        const TableView::Seat& v = tableView.seats[s];
        SeatState& state = seats[s];
        state.refreshMoney(v);
        switch (v.lastAction) {
        case ACTION_FOLD:
            state.showAction(TEXT_FOLD, v, false);
            if (!headsUp && tableView.playersInHand >= 2)
                host.playSound(SOUND_FOLD);
            break;
        case ACTION_CHECK:
            state.showAction(TEXT_CHECK, v, false);
            break;
        case ACTION_CALL:
            state.showAction(TEXT_CALL, v, true);
            break;
        case ACTION_BET:
        case ACTION_RAISE:
        case ACTION_ALL_IN:
            state.showAction(v.lastAction == ACTION_BET ? TEXT_BET : v.lastAction == ACTION_RAISE ? TEXT_RAISE : TEXT_ALL_IN,
                             v, true);
            host.playSound(SOUND_CHIPS);
            break;
        case ACTION_BLIND:
            state.showAction(TEXT_BLIND, v, true);
            break;
        default:
            break;
        }
    }
}

// ---- the frame ----

bool TableGame::tick(int32_t frameMs)
{
    if (!setUpDone)
        return false;
    const bool modalBefore = isModalMessage();
    drive(frameMs);
    changed = changed || modalBefore != isModalMessage();
    for (SeatState& s : seats) {
        if (s.bubbleTime > 0) {
            s.bubbleTime -= frameMs;
            if (s.bubbleTime <= 0) {
                s.bubble = String();
                changed = true;
            }
        }
    }
    if (setup.gameType != GameSetup::GAME_HEADS_UP) {
        for (SeatState& s : seats) {
            if (s.countdown > 0) {
                s.countdown = std::max(0, s.countdown - frameMs);
                changed = changed || s.countdown == 0;
            }
        }
    }
    const bool result = changed;
    changed = false;
    return result;
}

void TableGame::drive(int32_t)
{
    if (playerBusted || gameFinished)
        return;
    if (!table->player(HUMAN_SEAT).seated && table->state != PokerTable::STATE_CHOOSE_BUTTON)
        playerBusted = true;

    switch (setup.gameType) {
    case GameSetup::GAME_CASH:
        if (playerBusted) {
            modalText = TableMessages::busted();
            return;
        }
        if (seating.cashSeatChanges(stakeLevel))
            takeSnapshot();
        break;
    case GameSetup::GAME_TOURNAMENT:
        if (endOfTournament())
            return;
        break;
    case GameSetup::GAME_HEADS_UP:
        if (playerBusted) {
            modalText = TableMessages::busted();
            return;
        }
        // Once the last hand is settled, so that its pot is in the human's stack.
        if (!table->player(1).seated && table->state == PokerTable::STATE_START_HAND && table->handsPlayed > 0) {
            gameFinished = true;
            host.playSound(SOUND_GAME_OVER);
            modalText = TableMessages::headsUpWon();
            return;
        }
        break;
    default:
        break;
    }
    if (blindsShown)
        return;

    const int32_t star = seating.starSeat();
    if (star != NO_STAR && table->player(star).seated)
        remarks.observe(table->player(star).roundBet, table->bigBlind());

    if (isHumanTurn() && turnAlertArmed && --turnAlert <= 0) {
        host.playSound(SOUND_YOUR_TURN);
        host.vibrate(TURN_VIBRATION_MS);
        turnAlertArmed = false;
    }

    if (animationKind != ANIMATION_NONE) {
        advanceAnimation();
        return;
    }

    // A tournament table left with the human alone waits for the field to move
    // players over: play the field on until it does.
    if (setup.gameType == GameSetup::GAME_TOURNAMENT && table->state == PokerTable::STATE_START_HAND &&
        table->countSeated() < 2) {
        handClosed();
        return;
    }

    const int32_t before = table->state;
    if (table->step()) {
        if (table->soundRequest) {
            host.playSound(table->soundRequest); // 1: everybody is all-in
            table->soundRequest = 0;
        }
        recordHistory();
        takeSnapshot();
        if (tableView.awaitingAction && tableView.toAct == HUMAN_SEAT) {
            turnAlertArmed = true;
            turnAlert = turnAlertFrames;
        }
        afterStep(before);
        return;
    }
    if (table->awaitingAction && table->validSeat(table->toAct) && table->player(table->toAct).isComputer() &&
        driver.frame() != 0) {
        changed = true;
        recordHistory();
    }
}

bool TableGame::endOfTournament()
{
    int32_t finalPlace;
    if (playerBusted) {
        finalPlace = field->placeOf(0);
    } else if (field->remaining <= 1) {
        gameFinished = true;
        finalPlace = 1;
    } else {
        return false;
    }
    finishingPlace = finalPlace;
    const int32_t sizeIndex = TournamentField::fieldIndex(field->entrants);
    const int32_t prize = TableMessages::prize(sizeIndex, finalPlace, stakeLevel);
    modalText = TableMessages::tournamentOver(gameFinished, finalPlace, prize);
    host.countTournament(finalPlace, prize > 0);
    host.playSound(SOUND_GAME_OVER);
    // Settled here, not on the key that leaves: a game closed on this message must
    // not offer the tournament again. The prize and the tournament's end go on
    // record together, so that a crash can neither pay it twice nor lose it.
    Profile& profile = host.profile();
    const int32_t bankroll = profile.bankroll;
    profile.addToBankroll(prize);
    // Still on record as unfinished when it fails: the next start settles it again.
    if (!saves.settleTournament(/*prizePaid=*/prize > 0))
        profile.bankroll = bankroll;
    return true;
}

void TableGame::afterStep(int32_t before)
{
    switch (before) {
    case PokerTable::STATE_CHOOSE_BUTTON:
        if (setup.gameType == GameSetup::GAME_TOURNAMENT)
            saveTourney();
        else
            saveGame();
        break;
    case PokerTable::STATE_START_HAND:
        hideCards();
        remarks.newHand();
        cardsShown = false;
        if (setup.gameType == GameSetup::GAME_TOURNAMENT && tableView.blindsRaised) {
            modalText = TableMessages::blindsUp(tableView.smallBlind, tableView.bigBlind);
            blindsShown = true;
        }
        break;
    case PokerTable::STATE_DEAL_HOLE:
        startAnimation(ANIMATION_DEAL, DEAL_STEPS + 2 * tableView.playersInHand);
        break;
    case PokerTable::STATE_FLOP:
        startAnimation(ANIMATION_FLOP, FLOP_STEPS);
        break;
    case PokerTable::STATE_TURN:
        startAnimation(ANIMATION_TURN, STREET_STEPS);
        break;
    case PokerTable::STATE_RIVER:
        startAnimation(ANIMATION_RIVER, STREET_STEPS);
        break;
    case PokerTable::STATE_SHOWDOWN:
        cardsShown = true;
        break;
    case PokerTable::STATE_PAY:
        starEvent = remarks.choose(tableView, seating.starSeat());
        startAnimation(ANIMATION_RESULT, RESULT_STEPS);
        resultText = TableMessages::showdown(tableView, setup.gameType, HUMAN_SEAT, cardsShown);
        // On record at once: the result may wait long for its key, and a game closed
        // meanwhile must not take back a hand that the histories show as played.
        if (setup.gameType == GameSetup::GAME_TOURNAMENT)
            saveTourney();
        else
            saveGame();
        break;
    case PokerTable::STATE_SETTLE:
        for (SeatState& s : seats) {
            s.actionText = String();
            s.amountText = String();
            s.countdown = 0;
        }
        resultText = String();
        handClosed();
        break;
    default:
        break;
    }
}

// After every hand: the field plays its hands, the table takes its new players,
// and the game is saved.
void TableGame::handClosed()
{
    if (setup.gameType != GameSetup::GAME_TOURNAMENT) {
        saveGame();
        return;
    }
    closeTournamentHand();
    takeSnapshot();
    if (!field->isOver())
        saveTourney();
}

// The field's share of a closed hand: the table's chips go into the field, the
// other tables play their hand, and the table takes the players balancing sent.
void TableGame::closeTournamentHand()
{
    seating.chipsToField();
    field->bigBlind = table->bigBlind();
    field->smallBlind = table->smallBlind();
    field->advance();
    if (field->humanSeated()) {
        seating.seatFromField(setup.playerName, setup.avatar);
        if (table->countSeated() < 2) {
            // No hand at this table: the blinds still follow the hands of the field.
            table->handsPlayed = int16_t(table->handsPlayed + 1);
            if (table->handsPlayed % table->handsPerLevel == 0 && table->level + 1 < table->levelCount)
                table->level += 1;
        }
    }
}

void TableGame::hideCards()
{
    for (bool& shown : boardShown)
        shown = false;
    for (SeatState& s : seats)
        s.holeVisible[0] = s.holeVisible[1] = false;
}

void TableGame::startAnimation(Animation kind, int32_t length)
{
    animationKind = kind;
    animationCounter = 0;
    animationLength = length;
}

void TableGame::advanceAnimation()
{
    changed = true;
    animationCounter = speed().nextAnimationStep(animationCounter, animationLength);
    const int32_t n = animationCounter;
    switch (animationKind) {
    case ANIMATION_FLOP:
        for (int32_t i = 0; i < 3; ++i)
            boardShown[i] = boardShown[i] || n > 1 + 2 * i;
        break;
    case ANIMATION_TURN:
        boardShown[3] = boardShown[3] || n > 2;
        break;
    case ANIMATION_RIVER:
        boardShown[4] = boardShown[4] || n > 2;
        break;
    case ANIMATION_DEAL:
        for (int32_t j = 0; j < tableView.playersInHand && j < SEATS; ++j) {
            const int32_t s = tableView.handOrder[j];
            if (s < 0)
                continue;
            seats[s].holeVisible[0] = seats[s].holeVisible[0] || n - j >= DEAL_STEPS;
            seats[s].holeVisible[1] = seats[s].holeVisible[1] || n - j >= 2 * DEAL_STEPS;
        }
        break;
    default:
        break;
    }
    if (n < animationLength)
        return;
    if (animationKind == ANIMATION_DEAL) {
        for (SeatState& s : seats)
            s.holeVisible[0] = s.holeVisible[1] = true;
    }
    if (animationKind == ANIMATION_FLOP || animationKind == ANIMATION_TURN || animationKind == ANIMATION_RIVER) {
        // A board dealt while the game was away (resumed in memory) shows whole.
        for (int32_t i = 0; i < tableView.boardCount && i < 5; ++i)
            boardShown[i] = true;
    }
    const int32_t star = seating.starSeat();
    if (animationKind == ANIMATION_RESULT && starEvent != StarRemarks::NONE && star != NO_STAR) {
        seats[star].bubble = StarRemarks::line(starEvent);
        seats[star].bubbleTime = BUBBLE_MS;
        starEvent = StarRemarks::NONE;
    }
    animationKind = ANIMATION_NONE;
}

GameSpeed TableGame::speed() const { return GameSpeed(host.playOptions().speed); }

bool TableGame::fourColourDeck() const { return host.playOptions().fourColourDeck; }

// ---- input ----

TableGame::Modal TableGame::press()
{
    if (blindsShown) {
        blindsShown = false;
        modalText = String();
        return MODAL_CLOSED;
    }
    if (playerBusted || gameFinished) {
        leaveTable();
        return MODAL_LEAVE;
    }
    if (standingsShown) {
        standingsShown = false;
        return MODAL_CLOSED;
    }
    if (table->handOver) {
        table->handOver = false;
        // The view shows the result until it is taken again.
        takeSnapshot();
        return MODAL_CLOSED;
    }
    return MODAL_NONE;
}

bool TableGame::isHumanTurn() const
{
    // Not while cards are still being dealt: the human sees them before acting.
    return setUpDone && table->awaitingAction && table->toAct == HUMAN_SEAT && table->player(HUMAN_SEAT).seated &&
           !isOver() && animationKind == ANIMATION_NONE;
}

int32_t TableGame::humanActions(int32_t (&codes)[3]) const
{
    int32_t n = 0;
    if (isHumanTurn() && tableView.awaitingAction && tableView.toAct == HUMAN_SEAT) {
        for (int32_t code : tableView.seats[HUMAN_SEAT].actions) {
            if (code != ACTION_NONE)
                codes[n++] = code;
        }
    }
    for (int32_t i = n; i < 3; ++i)
        codes[i] = ACTION_NONE;
    return n;
}

bool TableGame::chooseAction(int32_t code)
{
    int32_t codes[3];
    const int32_t n = humanActions(codes);
    if (code == ACTION_NONE || std::find(codes, codes + n, code) == codes + n)
        return false;
    Player& human = table->player(HUMAN_SEAT);
    int32_t amount;
    switch (code) {
    case ACTION_FOLD:
        amount = -1;
        break;
    case ACTION_CHECK:
        amount = 0;
        break;
    case ACTION_CALL:
        amount = table->toCall(HUMAN_SEAT);
        break;
    case ACTION_BET:
    case ACTION_RAISE: {
        const int32_t minimum = table->minRaiseTo(HUMAN_SEAT);
        entry.open(minimum, human.chips, table->minRaise, minimum);
        return true;
    }
    case ACTION_ALL_IN:
        amount = human.chips;
        break;
    default:
        return true; // waiting: nothing to do
    }
    if (!table->act(amount))
        return false;
    humanActed();
    return true;
}

void TableGame::confirmAmount()
{
    if (!entry.isOpen() || !isHumanTurn())
        return;
    const int32_t minimum = entry.getMinimum();
    const int32_t maximum = entry.getMaximum();
    if (!entry.confirm())
        return;
    const int32_t amount = entry.amount();
    if (table->act(amount)) {
        entry.close();
        humanActed();
        return;
    }
    // Refused after all: stay open with the amount kept in range.
    entry.open(minimum, maximum, table->minRaise, std::max(minimum, std::min(amount, maximum)));
}

void TableGame::recordHistory()
{
    history.observe(*table, currentTimeMillis());
    if (!history.handReady())
        return;
    host.countHand(history.heroResult());
    const int64_t number = host.reserveHandNumber();
    if (number < 0) {
        history.takeHand(0); // no histories kept: let the hand go
        return;
    }
    const int64_t start = history.handStartMillis();
    host.keepHand(history.takeHand(number), start);
}

void TableGame::humanActed()
{
    recordHistory();
    turnAlertArmed = false;
    takeSnapshot();
}

void TableGame::showStandings()
{
    if (setup.gameType == GameSetup::GAME_TOURNAMENT)
        standingsShown = true;
}

String TableGame::message() const
{
    if (isModalMessage())
        return modalText;
    if (tableView.handOver && animationKind != ANIMATION_RESULT)
        return resultText;
    return String();
}

bool TableGame::faceUp(int32_t s) const
{
    return s == HUMAN_SEAT || (cardsShown && tableView.seats[s].inHand);
}

// ---- leaving and hidden actions ----

void TableGame::leaveTable()
{
    if (left)
        return;
    left = true;
    Profile& profile = host.profile();
    const int32_t bankroll = profile.bankroll;
    const bool cash = setup.gameType != GameSetup::GAME_TOURNAMENT;
    if (cash) {
        const Player& human = table->player(HUMAN_SEAT);
        // A bet the pots have taken stays in roundBet only to be drawn: it is in
        // someone's chips already.
        const int32_t bet = table->betsCollected ? 0 : std::max(0, human.roundBet);
        profile.addToBankroll(int64_t(std::max(0, human.chips)) + bet);
    }
    profile.handStartChips = 0;
    // Nothing changed on record when it fails: the saved table still holds the chips.
    if (!saves.settleLeaving(cash))
        profile.bankroll = bankroll;
}

void TableGame::hiddenActionA()
{
    for (int32_t s = 1; s < SEATS; ++s) {
        if (table->player(s).seated)
            table->player(s).chips = clampedSum(table->player(s).chips, 10 * s);
    }
    takeSnapshot();
}

void TableGame::hiddenActionB()
{
    for (int32_t s = 0; s < SEATS; ++s)
        table->player(s).forceCall = 1;
}

// ---- records ----

void TableGame::seatAvatars(uint8_t (&avatars)[SEATS]) const
{
    for (int32_t s = 0; s < SEATS; ++s)
        avatars[s] = seats[s].avatar;
}

void TableGame::saveGame()
{
    uint8_t avatars[SEATS];
    seatAvatars(avatars);
    saves.saveGame(avatars);
}

void TableGame::saveTourney()
{
    saves.saveTourney();
}

void TableGame::saveNewGame(const char* storeName)
{
    uint8_t avatars[SEATS];
    seatAvatars(avatars);
    saves.saveNewGame(storeName, setup, avatars);
}
