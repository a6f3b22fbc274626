#include "poker/PokerTable.h"

#include "poker/ActionCode.h"
#include "poker/HandEvaluator.h"
#include "poker/RandomSource.h"

#include <algorithm>

PokerTable::PokerTable()
    : deck(new Deck)
    , board(new Board)
{
    for (int seat = 0; seat < SEATS; ++seat)
        seats[seat] = SharedPointer<Player>(new Player(this, seat));
    resetGame();
}

void PokerTable::resetGame()
{
    handsPlayed = 0;
    state = STATE_CHOOSE_BUTTON;
    closingActed = false;
    closingSeat = -1;
    lastActor = -1;
    runOut = false;
    humanAggression = 0;
    for (uint8_t& flag : busted)
        flag = 0;
    bigBlindSeat = 2;
    smallBlindSeat = 1;
    dealer = 0;
    awaitingAction = false;
    handOver = false;
    setFixedBlinds(5, 10);
    potIndex = 1;
    for (int32_t& pot : pots)
        pot = 0;
    oddChipsLost = 0;
}

void PokerTable::setFixedBlinds(int32_t small, int32_t big)
{
    scheduleOn = false;
    smallBlinds[0] = small;
    bigBlinds[0] = big;
    level = -1;
    levelCount = 1;
    handsPerLevel = 1;
}

void PokerTable::setBlindSchedule()
{
    scheduleOn = true;
    for (int i = 0; i < BlindSchedule::LEVELS; ++i) {
        smallBlinds[i] = BlindSchedule::SMALL_BLINDS[i];
        bigBlinds[i] = BlindSchedule::BIG_BLINDS[i];
    }
    level = -1;
    handsPerLevel = BlindSchedule::HANDS_PER_LEVEL;
    levelCount = BlindSchedule::LEVELS;
}

void PokerTable::sit(int seat, const String& name, int type, int32_t startChips)
{
    if (validSeat(seat))
        player(seat).sit(name, type, startChips);
}

// ---- queries ----

int32_t PokerTable::toCall(int seat) const
{
    if (!validSeat(seat) || !player(seat).seated)
        return -1;
    return currentBet - player(seat).roundBet;
}

int32_t PokerTable::chips(int seat) const
{
    if (!validSeat(seat) || !player(seat).seated)
        return -1;
    return player(seat).chips;
}

int32_t PokerTable::minRaiseTo(int seat) const
{
    if (!validSeat(seat) || !player(seat).seated)
        return -1;
    const Player& p = player(seat);
    return std::min(p.chips, minRaise + currentBet - p.roundBet);
}

int32_t PokerTable::smallBlind() const
{
    return smallBlinds[level < 0 ? 0 : level];
}

int32_t PokerTable::bigBlind() const
{
    return bigBlinds[level < 0 ? 0 : level];
}

int PokerTable::countSeated() const
{
    int n = 0;
    for (int seat = 0; seat < SEATS; ++seat)
        n += player(seat).seated ? 1 : 0;
    return n;
}

int PokerTable::countInHand() const
{
    int n = 0;
    for (int seat = 0; seat < SEATS; ++seat)
        n += player(seat).seated && player(seat).inHand ? 1 : 0;
    return n;
}

int PokerTable::nextInHand(int seat)
{
    if (!validSeat(seat))
        return -1;
    for (int step = 1; step < SEATS; ++step) {
        int next = (seat + step) % SEATS;
        if (player(next).seated && player(next).inHand)
            return next;
    }
    if (countInHand() >= 2)
        runOut = true;
    return seat;
}

int PokerTable::nextWithChips(int seat)
{
    int current = seat;
    for (int tries = 0; tries < 7; ++tries) {
        current = nextInHand(current);
        if (current < 0)
            return -1;
        if (player(current).chips >= 1)
            return current;
    }
    return -1;
}

int PokerTable::stepsFromDealer(int target, bool withChips)
{
    int current = dealer;
    for (int steps = 0; steps < 7; ++steps) {
        current = withChips ? nextWithChips(current) : nextInHand(current);
        if (current < 0)
            return -1;
        if (current == target)
            return steps;
    }
    return -1;
}

void PokerTable::evaluatePlayer(int seat)
{
    HandEvaluator::evaluatePlayer(player(seat), *board);
}

int PokerTable::compare(int seatA, int seatB)
{
    bool seatedA = validSeat(seatA) && player(seatA).seated;
    bool seatedB = validSeat(seatB) && player(seatB).seated;
    if (seatedA)
        evaluatePlayer(seatA);
    if (seatedB)
        evaluatePlayer(seatB);
    if (!seatedA || !seatedB)
        return seatedA ? seatA : (seatedB ? seatB : -1);
    const Player& a = player(seatA);
    const Player& b = player(seatB);
    if (a.category != b.category)
        return a.category > b.category ? seatA : seatB;
    for (int i = 0; i < 5; ++i) {
        if (a.kickers[i] != b.kickers[i])
            return a.kickers[i] > b.kickers[i] ? seatA : seatB;
    }
    return -1;
}

// ---- the hand ----

int PokerTable::step()
{
    if (awaitingAction || handOver)
        return 0;
    switch (state) {
    case STATE_CHOOSE_BUTTON:
        bigBlindSeat = int8_t(RandomSource::shared().nextInt(SEATS));
        state = STATE_START_HAND;
        break;
    case STATE_START_HAND:
        if (!startHand())
            return 0;
        break;
    case STATE_DEAL_HOLE:
        dealHoleCards();
        break;
    case STATE_PREFLOP:
    case STATE_FLOP_BETTING:
    case STATE_TURN_BETTING:
    case STATE_RIVER_BETTING:
        if (bettingComplete()) {
            collectBets();
            if (countInHand() == 1)
                state = STATE_PAY;
            else
                state = state == STATE_RIVER_BETTING ? int8_t(STATE_SHOWDOWN) : int8_t(state + 1);
        } else {
            awaitingAction = true;
        }
        break;
    case STATE_FLOP:
    case STATE_TURN:
    case STATE_RIVER:
        for (int seat = 0; seat < SEATS; ++seat)
            player(seat).roundBet = 0;
        dealStreet();
        break;
    case STATE_SHOWDOWN:
        runOut = true;
        state = STATE_PAY;
        break;
    case STATE_PAY:
        awardPots();
        paidOut = true;
        handOver = true;
        state = STATE_SETTLE;
        break;
    case STATE_SETTLE:
        settleHand();
        removeBusted();
        state = STATE_START_HAND;
        break;
    default:
        return 0;
    }
    refreshActions();
    return 1;
}

// The seat just before target when walking from the big blind over seats with
// chips; stops at the seat before the big blind when the walk comes round.
int PokerTable::walkToBefore(int target)
{
    int current = bigBlindSeat;
    for (int tries = 0; tries < 7; ++tries) {
        int next = nextWithChips(current);
        if (next < 0 || next == target || next == bigBlindSeat)
            return current;
        current = next;
    }
    return current;
}

void PokerTable::moveBlinds()
{
    if (countSeated() < 2)
        return;
    int oldBig = bigBlindSeat;
    int big = nextWithChips(oldBig);
    if (big < 0)
        return;
    bigBlindSeat = int8_t(big);
    if (countSeated() == 2) {
        // Heads-up: the dealer posts the small blind.
        int small = nextWithChips(bigBlindSeat);
        smallBlindSeat = int8_t(small);
        dealer = int8_t(small);
        return;
    }
    // A big blind busted last hand leaves a dead small blind.
    if (validSeat(oldBig) && busted[oldBig])
        smallBlindSeat = -1;
    else
        smallBlindSeat = int8_t(walkToBefore(bigBlindSeat));
    dealer = int8_t(walkToBefore(smallBlindSeat));
}

int PokerTable::startHand()
{
    if (countSeated() < 2)
        return 0;
    for (int seat = 0; seat < SEATS; ++seat) {
        if (player(seat).seated)
            player(seat).newHand();
    }
    moveBlinds();
    deck->shuffle();

    blindsRaised = false;
    if (handsPerLevel > 0 && handsPlayed % handsPerLevel == 0 && level + 1 < levelCount) {
        level += 1;
        if (level > 0)
            blindsRaised = true;
    }
    handsPlayed = int16_t(handsPlayed + 1);

    runOut = false;
    closingActed = false;
    currentBet = 0;
    matchedBet = 0;
    lastActor = -1;
    potIndex = 0;
    for (int32_t& pot : pots)
        pot = 0;
    board->clear();

    int32_t small = smallBlind();
    int32_t big = bigBlind();
    if (validSeat(smallBlindSeat)) {
        minRaise = small;
        Player& p = player(smallBlindSeat);
        int32_t post = std::min(small, p.chips);
        bet(smallBlindSeat, post);
        if (post == small)
            p.lastAction = ACTION_BLIND;
    }
    minRaise = big - small;
    if (validSeat(bigBlindSeat)) {
        Player& p = player(bigBlindSeat);
        int32_t post = std::min(big, p.chips);
        bet(bigBlindSeat, post);
        if (post == big)
            p.lastAction = ACTION_BLIND;
    }
    lastRaiser = -1;
    firstRaiser = -1;
    callsSinceRaise = 0;
    closingActions = 0;
    betsCollected = false;
    minRaise = big;

    checkBetting(/*atStart=*/true);
    toAct = int8_t(nextInHand(dealer));
    for (int seat = 0; seat < SEATS; ++seat) {
        busted[seat] = 0;
        player(seat).wonPot = false;
    }
    paidOut = false;
    state = STATE_DEAL_HOLE;
    return 1;
}

// The bet rule: for the blinds and for every act(). Returns 0 without change when refused.
int PokerTable::bet(int seat, int32_t amount)
{
    if (!validSeat(seat))
        return 0;
    Player& p = player(seat);
    if (!p.seated || amount > p.chips)
        return 0;
    int64_t increment = int64_t(amount) + p.roundBet - currentBet;
    int32_t owed = currentBet - p.roundBet;
    bool allIn = amount == p.chips && amount >= 0;
    bool fold = amount < 0;
    // A bet or raise below the minimum is refused before anything changes.
    if (!fold && !allIn && amount != owed && increment < minRaise)
        return 0;

    bool preflop = board->count == 0;
    if (p.type == Player::HUMAN) {
        // Blinds count too (they go through this rule); saturate instead of wrapping the byte.
        int aggression = humanAggression;
        if (preflop && increment > 0 && !fold)
            aggression += 2;
        if (preflop && fold)
            aggression -= 1;
        humanAggression = int8_t(std::max(-128, std::min(127, aggression)));
    }
    if (seat == dealer || (preflop && seat == bigBlindSeat))
        closingActions = int8_t(closingActions + 1);
    if (increment > 0) {
        lastRaiser = int8_t(seat);
        callsSinceRaise = 0;
        if (firstRaiser == -1)
            firstRaiser = int8_t(seat);
    } else if (amount == owed || amount == p.chips) {
        callsSinceRaise = int8_t(callsSinceRaise + 1);
    }

    int code;
    if (fold) {
        p.inHand = false;
        code = ACTION_FOLD;
    } else if (allIn) {
        if (increment > 0) {
            matchedBet = currentBet;
            currentBet += int32_t(increment);
        } else {
            matchedBet = std::max(matchedBet, p.roundBet + amount);
        }
        minRaise = int32_t(std::max<int64_t>(minRaise, increment));
        code = ACTION_ALL_IN;
    } else if (amount != owed) {
        bool wasOpen = currentBet > 0;
        minRaise = int32_t(increment);
        matchedBet = currentBet;
        currentBet += int32_t(increment);
        code = wasOpen ? ACTION_RAISE : ACTION_BET;
    } else {
        matchedBet = currentBet;
        code = amount > 0 ? ACTION_CALL : ACTION_CHECK;
    }
    p.lastAction = uint8_t(code);
    if (amount > 0) {
        p.chips -= amount;
        p.roundBet += amount;
    }
    return 1;
}

int PokerTable::act(int32_t amount)
{
    // Only the seat to act, only while the table waits for it.
    if (!awaitingAction || !validSeat(toAct))
        return 0;
    Player& p = player(toAct);
    if (!p.inHand)
        return 0;
    if (!bet(toAct, amount))
        return 0;
    lastActor = toAct;
    if (toAct == closingSeat)
        closingActed = true;
    toAct = int8_t(nextWithChips(toAct));
    betsCollected = false;
    awaitingAction = false;
    refreshActions();
    return 1;
}

int PokerTable::checkBetting(bool atStart)
{
    int withChips = 0;
    int only = -1;
    for (int seat = 0; seat < SEATS; ++seat) {
        const Player& p = player(seat);
        if (p.seated && p.inHand && p.chips > 0) {
            ++withChips;
            only = seat;
        }
    }
    if (withChips >= 2)
        return 1;
    if (atStart) {
        // A lone player with chips who still owes must call or fold first.
        if (withChips == 0 || only == bigBlindSeat || (only == smallBlindSeat && currentBet == 0))
            runOut = true;
    } else if (countInHand() >= 2) {
        runOut = true;
    }
    return 0;
}

void PokerTable::dealHoleCards()
{
    // One card at a time from left of the dealer, round twice.
    for (int cards = 0; cards < 2 * SEATS + 1 && validSeat(toAct); ++cards) {
        Player& p = player(toAct);
        if (p.hole.count >= 2)
            break;
        p.hole.add(deck->dealCard());
        toAct = int8_t(nextInHand(toAct));
    }
    toAct = int8_t(nextWithChips(bigBlindSeat));
    closingSeat = int8_t(findClosing(toAct));
    state = STATE_PREFLOP;
    if (runOut) {
        collectBets();
        state = STATE_FLOP;
    } else {
        awaitingAction = true;
    }
}

int PokerTable::findClosing(int first) const
{
    if (!validSeat(first))
        return -1;
    int seat = first;
    for (int step = 0; step < SEATS; ++step) {
        seat = seat == 0 ? SEATS - 1 : seat - 1;
        const Player& p = player(seat);
        if (p.seated && p.inHand && p.chips > 0)
            return seat;
    }
    return -1;
}

void PokerTable::dealStreet()
{
    int cards = state == STATE_FLOP ? 3 : 1;
    for (int i = 0; i < cards; ++i)
        board->add(deck->dealCard());
    lastActor = -1;
    lastRaiser = -1;
    callsSinceRaise = 0;
    closingActions = 0;
    firstRaiser = -1;
    toAct = int8_t(nextWithChips(dealer));
    closingSeat = int8_t(findClosing(toAct));
    closingActed = false;
    currentBet = 0;
    matchedBet = 0;
    minRaise = bigBlind();
    if (!runOut) {
        awaitingAction = true;
        state += 1;
    } else {
        state += 2;
    }
}

bool PokerTable::bettingComplete()
{
    if (toAct == -1) {
        if (countInHand() >= 2) {
            runOut = true;
            soundRequest = 1;
        }
        return true;
    }
    if (!validSeat(toAct))
        return true;
    const Player& p = player(toAct);
    if (p.inHand && p.roundBet < currentBet && p.chips >= 1)
        return false;
    if (checkBetting(/*atStart=*/false) == 0 || runOut)
        return true;
    return closingActed && p.roundBet == currentBet;
}

void PokerTable::refreshActions()
{
    for (int seat = 0; seat < SEATS; ++seat) {
        Player& p = player(seat);
        p.actions = 0;
        if (!p.seated || !p.inHand || p.chips <= 0)
            continue;
        int32_t owe = currentBet - p.roundBet;
        bool isToAct = seat == toAct;
        int next = isToAct ? nextWithChips(seat) : 0;
        bool alone = isToAct && (next == -1 || next == seat);
        int mask;
        if (owe > 0) {
            if (p.chips > owe) {
                mask = actionBit(ACTION_FOLD) | actionBit(ACTION_CALL);
                if (!alone)
                    mask |= p.chips > minRaise + owe ? actionBit(ACTION_RAISE) : actionBit(ACTION_ALL_IN);
            } else {
                mask = actionBit(ACTION_FOLD) | actionBit(ACTION_ALL_IN);
            }
        } else {
            mask = isToAct ? 0 : actionBit(ACTION_WAITING);
            mask |= actionBit(ACTION_CHECK);
            if (p.chips > minRaise)
                mask |= p.roundBet > 0 ? actionBit(ACTION_RAISE) : actionBit(ACTION_BET);
            else
                mask |= actionBit(ACTION_ALL_IN);
        }
        p.actions = uint8_t(mask);
    }
}

// ---- pots ----

void PokerTable::collectBets()
{
    int32_t b[SEATS] = {};
    for (int seat = 0; seat < SEATS; ++seat) {
        Player& p = player(seat);
        if (!p.seated)
            continue;
        b[seat] = p.roundBet;
        if (p.roundBet > matchedBet) {
            // The unmatched part of a bet goes back; roundBet stays for display.
            int32_t excess = p.roundBet - matchedBet;
            p.chips += excess;
            b[seat] -= excess;
        }
    }
    for (;;) {
        int32_t m = -1;
        for (int seat = 0; seat < SEATS; ++seat) {
            const Player& p = player(seat);
            if (p.seated && p.chips == 0 && b[seat] >= 1 && (m == -1 || b[seat] < m))
                m = b[seat];
        }
        for (int seat = 0; seat < SEATS; ++seat) {
            Player& p = player(seat);
            if (!p.seated || b[seat] < 1)
                continue;
            if (m == -1) {
                pots[potIndex] += b[seat];
                b[seat] = 0;
                continue;
            }
            int32_t had = b[seat];
            int32_t part = std::min(had, m);
            pots[potIndex] += part;
            b[seat] -= part;
            if ((had > m || p.chips > 0) && p.inHand && p.potLevel + 1 < POTS)
                p.potLevel += 1;
        }
        if (m == -1)
            break;
        if (potIndex + 1 < POTS)
            potIndex += 1;
    }
    betsCollected = true;
    callsSinceRaise = 0;
    lastRaiser = -1;
}

void PokerTable::awardPots()
{
    for (int seat = 0; seat < SEATS; ++seat) {
        if (player(seat).seated)
            player(seat).winnings = 0;
    }
    for (int p = 0; p < POTS; ++p)
        potWinnerCount[p] = 0;
    for (int p = potIndex; p >= 0; --p) {
        uint8_t* list = potWinners[p];
        int count = 0;
        if (pots[p] > 0) {
            for (int seat = 0; seat < SEATS; ++seat) {
                const Player& candidate = player(seat);
                if (!candidate.seated || !candidate.inHand || candidate.potLevel < p)
                    continue;
                if (count == 0) {
                    list[count++] = uint8_t(seat);
                    continue;
                }
                int better = compare(list[0], seat);
                if (better == seat) {
                    count = 0;
                    list[count++] = uint8_t(seat);
                } else if (better == -1) {
                    list[count++] = uint8_t(seat);
                }
            }
        } else if (p == 0 && validSeat(bigBlindSeat)) {
            // Everybody folded to an unopposed big blind whose whole bet came back.
            list[count++] = uint8_t(bigBlindSeat);
        }
        potWinnerCount[p] = uint8_t(count);
        if (count == 0)
            continue;
        int32_t share = pots[p] / count;
        oddChipsLost += pots[p] - int64_t(share) * count;
        for (int i = 0; i < count; ++i) {
            Player& winner = player(list[i]);
            winner.wonPot = true;
            winner.winnings += share;
        }
    }
}

void PokerTable::settleHand()
{
    for (int seat = 0; seat < SEATS; ++seat) {
        Player& p = player(seat);
        if (!p.seated)
            continue;
        p.chips += p.winnings;
        p.winnings = 0;
    }
}

void PokerTable::removeBusted()
{
    for (int seat = 0; seat < SEATS; ++seat) {
        Player& p = player(seat);
        if (!p.seated || p.chips >= 1)
            continue;
        busted[seat] = 1;
        p.seated = false;
        p.inHand = false;
        p.wonPot = false;
        p.roundBet = 0;
    }
}

// ---- drawing copy ----

void PokerTable::snapshot(TableView& view)
{
    view.blindsRaised = blindsRaised;
    view.awaitingAction = awaitingAction;
    view.handOver = handOver;
    view.runOut = runOut;
    view.state = state;
    view.minRaise = minRaise;
    view.toAct = toAct;
    view.currentBet = currentBet;
    view.minRaiseTo = validSeat(toAct) ? minRaiseTo(toAct) : 0;
    view.toActChips = validSeat(toAct) ? chips(toAct) : -1;
    view.potIndex = potIndex;
    view.betsCollected = betsCollected;
    for (int p = 0; p < POTS; ++p) {
        view.pots[p] = pots[p];
        view.potWinnerCount[p] = potWinnerCount[p];
        for (int i = 0; i < SEATS; ++i)
            view.potWinners[p][i] = i < potWinnerCount[p] ? potWinners[p][i] : -1;
    }
    view.dealer = dealer;
    view.smallBlind = smallBlind();
    view.bigBlind = bigBlind();
    view.boardCount = board->count;
    for (int i = 0; i < Board::SLOTS; ++i)
        view.board[i] = board->get(i);

    view.playersInHand = 0;
    for (int i = 0; i < SEATS; ++i)
        view.handOrder[i] = -1;
    for (int step = 1; step <= SEATS; ++step) {
        int seat = (dealer + step) % SEATS;
        if (player(seat).seated && player(seat).inHand)
            view.handOrder[view.playersInHand++] = seat;
    }

    for (int seat = 0; seat < SEATS; ++seat) {
        Player& p = player(seat);
        TableView::Seat& s = view.seats[seat];
        s.name = p.name;
        s.type = p.type;
        s.seated = p.seated;
        s.inHand = p.inHand;
        s.wonPot = p.wonPot;
        s.chips = p.chips;
        s.roundBet = p.roundBet;
        s.winnings = p.winnings;
        s.holeCount = p.hole.count;
        s.lastAction = p.lastAction;
        p.lastAction = 0;
        for (int i = 0; i < 2; ++i)
            s.holeCards[i] = p.hole.get(i);
        int filled = 0;
        for (int code = 1; code <= 7 && filled < 3; ++code) {
            if (p.actions & actionBit(code))
                s.actions[filled++] = code;
        }
        while (filled < 3)
            s.actions[filled++] = 0;
        s.category = p.category;
        for (int i = 0; i < 5; ++i)
            s.kickers[i] = p.kickers[i] < 0 ? p.kickers[i] : p.kickers[i] - 2;
        for (uint8_t& flag : s.usedCards)
            flag = 0;
        if (board->count > 0 && p.seated && p.hole.count == 2) {
            evaluatePlayer(seat);
            s.category = p.category;
            for (int i = 0; i < 5; ++i)
                s.kickers[i] = p.kickers[i] - 2;
            int positions[5];
            HandEvaluator::bestFive(p, *board, positions, s.usedCards);
        }
    }
}
