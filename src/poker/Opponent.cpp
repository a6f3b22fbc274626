#include "poker/Opponent.h"

#include "poker/ActionCode.h"
#include "poker/Card.h"
#include "poker/HandEvaluator.h"
#include "poker/PokerTable.h"
#include "poker/RandomSource.h"
#include "poker/StartingHandChart.h"

#include <algorithm>
#include <cstdint>

namespace {

// Per street: flop, turn, river.
const int THRESHOLD_A[3] = { 0, 50, 100 };
const int THRESHOLD_B[3] = { 100, 50, 0 };
const int THRESHOLD_C[3] = { 80, 40, 0 };
const int TWO_PAIR_BONUS[3] = { 20, 10, 0 };
const int ONE_PAIR_BONUS[3] = { 15, 5, 0 };
// By the number of higher cards of the flush suit still unseen.
const int FLUSH_TABLE[9] = { 250, 175, 150, 125, 100, 75, 50, 25, 0 };

int highestValue(uint32_t mask)
{
    mask &= 0x3FFF;
    return mask ? 32 - __builtin_clz(mask) : 0;
}

uint32_t bitOfValue(int value)
{
    return value > 0 ? uint32_t(1) << (value - 1) : 0;
}

// Positions of the player's paired ranks, from the ace down: 2 per board rank above
// that the player does not pair, plus 1 per pair so far whose rank is on the board.
struct PairList {
    int count = 0;
    int values[8] = {};
    int positions[8] = {};

    PairList(uint32_t paired, uint32_t boardRanks)
    {
        int onBoardSoFar = 0;
        for (int bit = 13; bit >= 1 && count < 8; --bit) {
            uint32_t b = uint32_t(1) << bit;
            if (!(paired & b))
                continue;
            if (boardRanks & b)
                ++onBoardSoFar;
            uint32_t above = boardRanks & ~paired & ~((b << 1) - 1) & 0x3FFF;
            values[count] = bit + 1;
            positions[count] = 2 * __builtin_popcount(above) + onBoardSoFar;
            ++count;
        }
    }

    int positionOf(int value) const
    {
        for (int i = 0; i < count; ++i) {
            if (values[i] == value)
                return positions[i];
        }
        return -1;
    }

    // The position of the highest pair whose rank is not except, -1 when none.
    int highestOther(int except) const
    {
        for (int i = 0; i < count; ++i) {
            if (values[i] != except)
                return positions[i];
        }
        return -1;
    }
};

int suitAdjust(int boardSuitMax)
{
    if (boardSuitMax >= 4)
        return -2;
    if (boardSuitMax == 3)
        return -1;
    return 1;
}

} // namespace

int Opponent::position(PokerTable& table, int seat, bool withBlinds)
{
    if (withBlinds) {
        if (seat == table.bigBlindSeat)
            return -2;
        if (seat == table.smallBlindSeat)
            return -1;
    }
    int all = table.stepsFromDealer(table.dealer, /*withChips=*/true);
    int mine = table.stepsFromDealer(seat, /*withChips=*/true);
    int after = all - mine;
    if (after <= 1)
        return 0;
    if (after == 2)
        return 1;
    return 2;
}

int Opponent::potOdds(PokerTable& table, Player& player)
{
    int64_t owed = int64_t(table.currentBet) - player.roundBet;
    int64_t total = 0;
    for (int p = 0; p <= player.potLevel && p < PokerTable::POTS; ++p)
        total += table.pots[p];
    for (int seat = 0; seat < PokerTable::SEATS; ++seat)
        total += table.player(seat).roundBet;
    if (total <= 0)
        return 0;
    return int(owed * 100 / total);
}

int Opponent::preflop(Player& player, int pos, int stackBB)
{
    PokerTable& table = *player.table;
    RandomSource& random = RandomSource::shared();
    int first = player.hole.get(0);
    int second = player.hole.get(1);
    if (first < 0 || second < 0)
        return FOLD_OR_CHECK;
    int g = StartingHandChart::group(Card::rank(first), Card::rank(second), Card::suit(first) == Card::suit(second));
    int x = random.nextInt(40);
    if (x == 39)
        g -= 2;
    else if (x >= 34)
        g -= 1;
    if (stackBB < 5)
        g = std::max(0, g - 2);
    else if (stackBB <= 9)
        g = std::max(0, g - 1);
    else
        g = std::max(0, g);

    int code = FOLD_OR_CHECK;
    int32_t bigBlind = table.bigBlind();
    int32_t owed = table.currentBet - player.roundBet;
    int owedBB = bigBlind > 0 ? owed / bigBlind : 0;
    int inHand = table.countInHand();
    if (table.countSeated() > 2) {
        if (inHand < 5)
            g -= 1;
        bool decided = false;
        if (pos < 0) {
            if (table.firstRaiser == -1 || (table.firstRaiser == table.smallBlindSeat && table.callsSinceRaise == 0)) {
                pos = 0;
            } else {
                int q = position(table, table.firstRaiser, /*withBlinds=*/false);
                int limit = q == 0 ? 3 : (q == 1 ? 4 : 5);
                int raiseLine = q == 0 ? 0 : (q == 1 ? 2 : 3);
                code = g > limit ? FOLD_OR_CHECK : (g <= raiseLine ? SMALL_RAISE : LARGE_RAISE);
                decided = true;
            }
        }
        if (!decided) {
            int open = pos == 2 ? 3 : (pos == 1 ? 4 : 5);
            int call = pos == 0 ? 3 : 2;
            int reraise = pos == 2 ? 0 : 1;
            if (player.roundBet == 0 && owedBB >= 2) {
                code = g > 2 ? FOLD_OR_CHECK : (g < 1 ? SMALL_RAISE : LARGE_RAISE);
            } else if (table.lastRaiser == -1 && g <= open) {
                code = SMALL_RAISE;
            } else if (table.lastRaiser != -1) {
                if (table.lastRaiser == 0) {
                    if (table.humanAggression >= 7)
                        g -= 2;
                    else if (table.humanAggression >= 4)
                        g -= 1;
                }
                if (table.lastRaiser == table.smallBlindSeat && table.callsSinceRaise == 0)
                    g -= 1;
                if (g <= reraise)
                    code = SMALL_RAISE;
                else if (g <= call)
                    code = LARGE_RAISE;
                else if ((g == 6 || g == 7) && table.callsSinceRaise > 1 && table.currentBet <= 2 * bigBlind)
                    code = LARGE_RAISE;
                else
                    code = FOLD_OR_CHECK;
            } else {
                code = FOLD_OR_CHECK;
            }
        }
    } else {
        // Heads-up; the small blind plays a little tighter.
        int raiseLimit = pos == -1 ? 4 : 5;
        if (owedBB > 0) {
            bool raiserAllIn = table.validSeat(table.lastRaiser) && table.player(table.lastRaiser).chips == 0;
            if (raiserAllIn && owed <= player.roundBet)
                code = LARGE_RAISE;
            else if (g <= raiseLimit)
                code = SMALL_RAISE;
            else if (g <= 7)
                code = LARGE_RAISE;
            else
                code = FOLD_OR_CHECK;
        } else {
            code = g < 8 ? SMALL_RAISE : (g == 8 ? LARGE_RAISE : FOLD_OR_CHECK);
        }
    }

    if (player.isComputer() && g < 2 && code >= SMALL_RAISE) {
        int r = random.nextInt(50);
        if (r - inHand + 6 >= 36)
            code = LARGE_RAISE;
    }
    if (stackBB <= 4)
        return code == LARGE_RAISE || code == SMALL_RAISE ? code : FOLD_OR_CHECK;
    if (stackBB <= 9)
        return code == SMALL_RAISE ? LARGE_RAISE_SHORT : FOLD_OR_CHECK;
    return code;
}

namespace {

// What the postflop scoring reads off the two analyses (board alone, board and
// hole cards), with the street's base values looked up.
struct PostflopReading {
    int board = 0;  // board cards, 3..5
    int street = 0; // 0 flop, 1 turn, 2 river
    int32_t boardFlags = 0;
    int32_t myFlags = 0;
    int mySuitMax = 1;
    int boardSuitMax = 1;
    // Higher cards of my longest suit that nobody has seen.
    int unseen = 0;
    uint32_t boardRanks = 0;
    uint32_t holeOffBoard = 0; // my hole ranks that are not on the board
    bool boardPaired = false;
    bool boardTrips = false;
    int tripsValue = 0;     // my three-of-a-kind rank value
    int pairValue = 0;      // my highest pair's rank value
    int boardPairValue = 0; // the board's highest pair rank value
    PairList pairs { 0, 0 };
    // Street values.
    int base = 0;
    int suitDanger = 0;
    int straightDanger = 0;
    int flushDraw = 0;
    int myDraws = 0;
    uint32_t straightWindows = 0; // word 11 of my analysis
};

// Counts from the ace down in my longest suit, stopping at the first card I hold
// that is not on the board.
int unseenAbove(const HandAnalysis& mine, const HandAnalysis& board, int suitWord)
{
    uint32_t held = uint32_t(mine.mask(suitWord));
    uint32_t onBoard = uint32_t(board.mask(suitWord));
    int unseen = 0;
    for (int bit = 13; bit >= 0; --bit) {
        uint32_t v = uint32_t(1) << bit;
        if ((held & v) && !(onBoard & v))
            break;
        if (!(onBoard & v))
            ++unseen;
    }
    return unseen;
}

// Base potential, the board's suit and straight danger, and my draws by street.
void lookUpStreetValues(PostflopReading& r, const HandAnalysis& board, const HandAnalysis& mine)
{
    int fourB = board.fourCount(), threeB = board.threeCount();
    int fourH = mine.fourCount(), threeH = mine.threeCount();
    if (r.street == 0) {
        r.base = 60;
        r.suitDanger = r.boardSuitMax <= 1 ? 20 : (r.boardSuitMax == 2 ? 40 : 80);
        r.straightDanger = (2 * fourB + threeB) * 10;
        if (r.mySuitMax == 3 && r.boardSuitMax < 3)
            r.flushDraw = 20;
        else if (r.mySuitMax == 4 && r.boardSuitMax < 4)
            r.flushDraw = 60;
        r.myDraws = (2 * fourH + threeH) * 10;
    } else if (r.street == 1) {
        r.base = 40;
        if (r.boardSuitMax == 2)
            r.suitDanger = 20;
        else if (r.boardSuitMax == 3)
            r.suitDanger = 80;
        else if (r.boardSuitMax >= 4)
            r.suitDanger = 120;
        r.straightDanger = (3 * fourB + threeB) * 5;
        r.flushDraw = r.mySuitMax == 4 ? 40 : 0;
        r.myDraws = (3 * fourH + threeH) * 5;
    } else {
        r.base = 20;
        if (r.boardSuitMax == 3)
            r.suitDanger = 80;
        else if (r.boardSuitMax == 4)
            r.suitDanger = 120;
        else if (r.boardSuitMax == 5)
            r.suitDanger = 250;
        r.straightDanger = (3 * fourB + threeB) * 5;
    }
}

PostflopReading readPostflop(const Player& player, int board)
{
    const HandAnalysis& onBoard = player.boardAnalysis;
    const HandAnalysis& mine = player.analysis;
    PostflopReading r;
    r.board = board;
    r.street = std::min(std::max(board, 3), 5) - 3;
    r.boardFlags = onBoard.words[HandAnalysis::MADE];
    r.myFlags = mine.words[HandAnalysis::MADE];
    int mySuit = -1;
    for (int suit = 0; suit < 4; ++suit) {
        int n = mine.count(HandAnalysis::SUIT + suit);
        if (n >= r.mySuitMax && n >= 2) {
            r.mySuitMax = n;
            mySuit = suit;
        }
        r.boardSuitMax = std::max(r.boardSuitMax, onBoard.count(HandAnalysis::SUIT + suit));
    }
    int suitWord = mySuit >= 0 ? HandAnalysis::SUIT + mySuit : HandAnalysis::ONCE;
    r.unseen = unseenAbove(mine, onBoard, suitWord);
    r.boardRanks = uint32_t(onBoard.mask(HandAnalysis::ONCE));
    r.pairs = PairList(uint32_t(mine.mask(HandAnalysis::TWICE)), r.boardRanks);
    lookUpStreetValues(r, onBoard, mine);
    for (int i = 0; i < 2; ++i) {
        int card = player.hole.get(i);
        if (card >= 0)
            r.holeOffBoard |= uint32_t(1) << (Card::rank(card) + 1);
    }
    r.holeOffBoard &= ~r.boardRanks;
    r.boardPaired = r.boardFlags & HandAnalysis::MADE_PAIR;
    r.boardTrips = r.boardFlags & HandAnalysis::MADE_TRIPS;
    r.tripsValue = mine.highest(HandAnalysis::THRICE);
    r.pairValue = mine.highest(HandAnalysis::TWICE);
    r.boardPairValue = onBoard.highest(HandAnalysis::TWICE);
    r.straightWindows = uint32_t(mine.words[HandAnalysis::WINDOWS]);
    return r;
}

using Scores = Opponent::PostflopScores;

// No pair, straight or flush: an ace or king kicker is worth a little, a suited board less.
void scoreNothing(const PostflopReading& r, Scores& s)
{
    int high = highestValue(r.holeOffBoard);
    if (r.boardSuitMax >= 4)
        s.strength = high >= 13 ? 0 : -1;
    else
        s.strength = (high >= 13 ? 2 : 1) - (r.boardSuitMax == 3 ? 1 : 0);
    s.potential = r.myDraws + r.flushDraw + r.base;
    s.danger = r.straightDanger + r.suitDanger;
}

// Straight flush and four of a kind: nothing on the board is a danger.
void scoreLock(Scores& s, int potentialBonus)
{
    s.potential += potentialBonus;
    s.strength = 18;
    s.danger = 0;
}

// Three of a kind on a paired board: compared with the board's highest pair.
void scoreTripsOnPairedBoard(const PostflopReading& r, bool fullHouse, Scores& s)
{
    int d = r.tripsValue - r.boardPairValue;
    if (d < 0) {
        s.potential += fullHouse ? -50 : 50;
        s.strength = fullHouse ? 12 : 6;
    } else if (d == 0) {
        if (fullHouse) {
            s.potential += r.base;
            int q = r.pairs.highestOther(r.tripsValue);
            s.strength = q == 1 ? 18 : ((q == 3 || q == 5) ? 12 : 10);
        } else {
            s.potential += 100;
            s.strength = highestValue(r.holeOffBoard ^ bitOfValue(r.tripsValue)) > 12 ? 8 : 6;
        }
    } else {
        s.potential += 50;
        s.strength = 18;
    }
}

void scoreTripsOrFullHouse(const PostflopReading& r, Scores& s)
{
    bool fullHouse = r.myFlags & HandAnalysis::MADE_FULL_HOUSE;
    s.potential += fullHouse ? 180 : 0;
    if (r.boardTrips) {
        if (fullHouse) {
            int q = r.pairs.highestOther(r.tripsValue);
            if (q >= 0)
                s.strength = 18 - q;
        } else {
            s.strength = 4;
        }
    } else if (r.boardPaired) {
        scoreTripsOnPairedBoard(r, fullHouse, s);
    } else {
        // A set: its position among my pairs.
        int q = r.pairs.positionOf(r.tripsValue);
        if (q == 1) {
            s.strength = 12;
            s.potential += 150;
        } else if (q == 3 || q == 5 || q == 7 || q == 9) {
            s.strength = 8;
            s.potential += 50;
        }
    }
    if (fullHouse) {
        s.strength += r.suitDanger > 80 ? 1 : 0;
        s.potential += r.straightDanger + r.suitDanger;
        s.strength += r.straightDanger > 30 ? 1 : 0;
    } else {
        s.strength -= r.suitDanger > 80 ? 1 : 0;
        s.strength -= r.straightDanger > 30 ? 1 : 0;
        s.danger += r.straightDanger + r.suitDanger;
    }
}

void scoreFlush(const PostflopReading& r, Scores& s)
{
    s.potential += (r.unseen <= 8 ? FLUSH_TABLE[r.unseen] : 0) + r.straightDanger - (r.boardPaired ? 40 : 0);
    s.danger += r.boardPaired ? 80 : 40;
    s.strength = r.unseen == 0 ? 12 : (r.unseen == 1 ? 10 : (r.unseen <= 5 ? 8 : 6));
    s.strength += r.boardPaired ? 1 : -1;
    s.strength -= r.boardTrips ? 1 : 0;
    if (r.unseen != 0)
        s.strength += r.boardSuitMax == 3 ? 1 : (r.boardSuitMax == 4 ? -1 : (r.boardSuitMax == 5 ? -2 : 0));
}

void scoreStraight(const PostflopReading& r, Scores& s)
{
    // Windows above my highest straight that still hold a draw.
    int windows = 0;
    for (int k = 9; k >= 0; --k) {
        uint32_t field = (r.straightWindows >> (3 * k)) & 7;
        if (field == 4)
            break;
        if (field)
            ++windows;
    }
    int strength;
    if (windows == 0) {
        s.potential += 100;
        strength = 12;
    } else if (windows <= 2) {
        s.potential += 70;
        strength = 10;
    } else {
        s.potential += 40;
        strength = 8;
    }
    strength += r.boardPaired ? 1 : -1;
    strength += suitAdjust(r.boardSuitMax);
    s.strength = strength - (r.boardTrips ? 2 : 0);
    s.danger += (r.boardPaired ? 80 : 40) + r.suitDanger;
}

void scoreTwoPair(const PostflopReading& r, Scores& s)
{
    int p0 = r.pairs.count > 0 ? r.pairs.positions[0] : 0;
    int p1 = r.pairs.count > 1 ? r.pairs.positions[1] : 0;
    if (r.boardPaired) {
        s.strength += (2 * (10 - p1)) / 5 + (10 - p0) / 2;
        s.potential += TWO_PAIR_BONUS[r.street];
    } else {
        s.strength += (10 - p1) / 4 + (10 - p0) / 2 + 2;
    }
    s.strength += suitAdjust(r.boardSuitMax);
    s.danger += r.straightDanger + r.suitDanger;
    s.potential += TWO_PAIR_BONUS[r.street] + r.myDraws + r.flushDraw;
}

void scoreOnePair(const PostflopReading& r, Scores& s)
{
    if (r.boardPaired) {
        int kicker = std::max(highestValue(r.holeOffBoard), r.boardPairValue);
        s.strength = kicker >= 13 ? 2 : 1;
    } else {
        // Low pairs are in more danger while cards are still to come.
        if (r.board < 5)
            s.danger += ((14 - r.pairValue) / 2) * (r.board - 2) * 5;
        uint32_t pairBit = bitOfValue(r.pairValue);
        int kicker = highestValue(r.holeOffBoard | ((r.boardRanks & pairBit) ? pairBit : 0));
        int position = r.pairs.positionOf(r.pairValue);
        if (position == 0)
            s.strength = 8;
        else if (position == 1)
            s.strength = kicker >= 12 ? 6 : (kicker < 6 ? 4 : 5);
        else if (position >= 2 && position <= 3)
            s.strength = 4;
        else if (position >= 4 && position <= 10)
            s.strength = 2;
    }
    s.strength += suitAdjust(r.boardSuitMax);
    s.danger += r.straightDanger + r.suitDanger;
    s.potential += ONE_PAIR_BONUS[r.street] + r.myDraws + r.flushDraw;
}

} // namespace

Opponent::PostflopScores Opponent::scorePostflop(const Player& player, int board)
{
    PostflopReading r = readPostflop(player, board);
    Scores s { 0, r.base, 0 };
    if (r.myFlags == 0)
        scoreNothing(r, s);
    bool fullHouse = r.myFlags & HandAnalysis::MADE_FULL_HOUSE;
    bool setOrTrips = (r.myFlags & HandAnalysis::MADE_TRIPS)
                      && !(r.myFlags & (HandAnalysis::MADE_STRAIGHT | HandAnalysis::MADE_FLUSH));
    if (r.myFlags & HandAnalysis::MADE_STRAIGHT_FLUSH)
        scoreLock(s, 450);
    else if (r.myFlags & HandAnalysis::MADE_QUADS)
        scoreLock(s, 400);
    else if (fullHouse || setOrTrips)
        scoreTripsOrFullHouse(r, s);
    else if (r.myFlags & HandAnalysis::MADE_FLUSH)
        scoreFlush(r, s);
    else if (r.myFlags & HandAnalysis::MADE_STRAIGHT)
        scoreStraight(r, s);
    else if (r.myFlags & HandAnalysis::MADE_TWO_PAIR)
        scoreTwoPair(r, s);
    else if (r.myFlags & HandAnalysis::MADE_PAIR)
        scoreOnePair(r, s);
    return s;
}

int Opponent::decidePostflop(Player& player, int board, PostflopScores scores)
{
    PokerTable& table = *player.table;
    RandomSource& random = RandomSource::shared();
    int street = std::min(std::max(board, 3), 5) - 3;
    int strength = scores.strength;
    int potential = scores.potential;
    int danger = scores.danger;
    // On the river nothing is left to draw to, nor to fear.
    if (board >= 5)
        potential = danger = 0;
    if (player.isComputer())
        strength = std::max(0, strength + random.nextInt(2) - 4);
    else
        strength = std::max(0, strength);
    // Fewer opponents make every hand stronger.
    int seated = table.countSeated();
    int inHand = table.countInHand();
    if (seated == 2)
        strength += 2;
    else if (seated < 5)
        strength += 1;
    strength += (6 - inHand) / 2;
    int r = random.nextInt(50);
    int last = inHand == table.stepsFromDealer(player.seat, /*withChips=*/false) + 1 ? 1 : 0;

    if (table.lastRaiser == -1) {
        // Nobody has bet this round.
        int lead = strength + last;
        if (lead > 10) {
            bool quiet = potential <= THRESHOLD_A[street] + danger && danger <= THRESHOLD_B[street] + potential;
            return quiet ? SMALL_RAISE : LARGE_RAISE_SHORT;
        }
        if (lead >= 7)
            return SMALL_RAISE;
        bool semiBluff = potential > THRESHOLD_C[street] + danger || danger > THRESHOLD_B[street] + potential;
        return semiBluff ? SMALL_RAISE : CHECK_OR_FOLD;
    }
    if (table.closingActions >= 1 && player.lastAction == ACTION_CALL)
        strength -= table.closingActions;
    int odds = potOdds(table, player);
    if (odds >= r - 40) {
        int raiseLine = odds < r ? 12 : 18;
        if (strength >= raiseLine)
            return SMALL_RAISE;
        return strength < 6 ? FOLD_OR_CHECK : LARGE_RAISE;
    }
    if (strength >= 10 || (potential > danger && strength >= 6))
        return SMALL_RAISE;
    if (strength < 6)
        return strength < 4 || potential <= danger || board >= 5 ? FOLD_OR_CHECK : LARGE_RAISE;
    return LARGE_RAISE;
}

int Opponent::postflop(Player& player, int board)
{
    return decidePostflop(player, board, scorePostflop(player, board));
}

int Opponent::decideBet(Player& player)
{
    PokerTable& table = *player.table;
    RandomSource& random = RandomSource::shared();
    int seat = player.seat;
    int b = table.board->count;
    if (b > 0) {
        HandEvaluator::evaluateInTwoPasses(player, *table.board);
    } else {
        player.analysis = HandAnalysis();
    }

    int32_t bigBlind = table.bigBlind();
    int32_t owed = table.currentBet - player.roundBet;
    int stackBB = bigBlind > 0 ? player.chips / bigBlind : 0;
    int owedBB = bigBlind > 0 ? owed / bigBlind : 0;
    int pos = position(table, seat, /*withBlinds=*/b == 0);

    int code;
    if (player.forceCall) {
        player.forceCall = 0;
        code = LARGE_RAISE;
    } else {
        code = b == 0 ? preflop(player, pos, stackBB) : postflop(player, b);
    }
    int r = random.nextInt(50);
    if (player.isComputer() && r >= 45)
        code = r == 49 ? LARGE_RAISE : (owedBB > 2 ? CALL : SMALL_RAISE_ALT);

    int64_t amount;
    bool large = code == LARGE_RAISE_SHORT || code == LARGE_RAISE;
    bool small = code == SMALL_RAISE_ALT || code == SMALL_RAISE;
    if ((large || small) && b > 0) {
        int64_t pot = 0;
        for (int p = 0; p <= table.potIndex && p < PokerTable::POTS; ++p)
            pot += table.pots[p];
        for (int s = 0; s < PokerTable::SEATS; ++s) {
            if (table.player(s).seated)
                pot += table.player(s).roundBet;
        }
        amount = large ? (pot / 2) * (random.nextInt(6) + 2) : (pot / 4) * (random.nextInt(4) + 1);
    } else if (large || small) {
        int32_t m = table.minRaiseTo(seat);
        int32_t u = table.minRaise;
        int32_t g = large ? random.nextNormal(6 * u, 4 * u) : random.nextNormal(3 * u, u);
        amount = int64_t(m) + (u > 0 ? int64_t(g / u) * u : 0);
    } else if (code == CALL) {
        amount = owed;
    } else {
        amount = owed == 0 ? 0 : -1;
    }

    int next = table.nextWithChips(seat);
    bool nobodyElse = (next == -1 || next == seat) && amount > 0;
    if (nobodyElse)
        amount = owed;
    if (amount > owed && amount < table.minRaiseTo(seat))
        amount = owed;
    if (amount > player.chips || (!nobodyElse && amount > int64_t(player.chips) * 40 / 50))
        amount = player.chips;
    return int(amount);
}
