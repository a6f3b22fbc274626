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
    int values[8];
    int positions[8];

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

int Opponent::postflop(Player& player, int b)
{
    PokerTable& table = *player.table;
    RandomSource& random = RandomSource::shared();
    const HandAnalysis& B = player.boardAnalysis;
    const HandAnalysis& H = player.analysis;
    int street = std::min(std::max(b, 3), 5) - 3;

    int32_t boardFlags = B.words[HandAnalysis::MADE];
    int32_t myFlags = H.words[HandAnalysis::MADE];
    int mySuitMax = 1;
    int mySuit = -1;
    int boardSuitMax = 1;
    for (int suit = 0; suit < 4; ++suit) {
        int n = H.count(HandAnalysis::SUIT + suit);
        if (n >= mySuitMax && n >= 2) {
            mySuitMax = n;
            mySuit = suit;
        }
        boardSuitMax = std::max(boardSuitMax, B.count(HandAnalysis::SUIT + suit));
    }
    int suitWord = mySuit >= 0 ? HandAnalysis::SUIT + mySuit : HandAnalysis::ONCE;
    int fourB = B.fourCount(), threeB = B.threeCount();
    int fourH = H.fourCount(), threeH = H.threeCount();

    // Higher cards of my best suit that nobody has seen.
    int unseen = 0;
    {
        uint32_t mine = uint32_t(H.mask(suitWord));
        uint32_t onBoard = uint32_t(B.mask(suitWord));
        for (int bit = 13; bit >= 0; --bit) {
            uint32_t v = uint32_t(1) << bit;
            if ((mine & v) && !(onBoard & v))
                break;
            if (!(onBoard & v))
                ++unseen;
        }
    }

    uint32_t boardRanks = uint32_t(B.mask(HandAnalysis::ONCE));
    PairList pairs(uint32_t(H.mask(HandAnalysis::TWICE)), boardRanks);

    int base, suitDanger, straightDanger, flushDraw, myDraws;
    if (street == 0) {
        base = 60;
        suitDanger = boardSuitMax <= 1 ? 20 : (boardSuitMax == 2 ? 40 : 80);
        straightDanger = (2 * fourB + threeB) * 10;
        flushDraw = mySuitMax == 3 && boardSuitMax < 3 ? 20 : (mySuitMax == 4 && boardSuitMax < 4 ? 60 : 0);
        myDraws = (2 * fourH + threeH) * 10;
    } else if (street == 1) {
        base = 40;
        suitDanger = boardSuitMax <= 1 ? 0 : (boardSuitMax == 2 ? 20 : (boardSuitMax == 3 ? 80 : 120));
        straightDanger = (3 * fourB + threeB) * 5;
        flushDraw = mySuitMax == 4 ? 40 : 0;
        myDraws = (3 * fourH + threeH) * 5;
    } else {
        base = 20;
        suitDanger = boardSuitMax == 3 ? 80 : (boardSuitMax == 4 ? 120 : (boardSuitMax == 5 ? 250 : 0));
        straightDanger = (3 * fourB + threeB) * 5;
        flushDraw = 0;
        myDraws = 0;
    }

    // Hole ranks not on the board, as a mask.
    uint32_t holeOff = 0;
    for (int i = 0; i < 2; ++i) {
        int card = player.hole.get(i);
        if (card >= 0)
            holeOff |= uint32_t(1) << (Card::rank(card) + 1);
    }
    holeOff &= ~boardRanks;
    bool paired = boardFlags & HandAnalysis::MADE_PAIR;
    bool trips = boardFlags & HandAnalysis::MADE_TRIPS;

    int S = 0, P = base, D = 0;
    if (myFlags == 0) {
        int hi = highestValue(holeOff);
        if (boardSuitMax >= 4)
            S = hi >= 13 ? 0 : -1;
        else
            S = (hi >= 13 ? 2 : 1) - (boardSuitMax == 3 ? 1 : 0);
        P = myDraws + flushDraw + base;
        D = straightDanger + suitDanger;
    }

    bool fullHouse = myFlags & HandAnalysis::MADE_FULL_HOUSE;
    bool setOrTrips = (myFlags & HandAnalysis::MADE_TRIPS) && !(myFlags & (HandAnalysis::MADE_STRAIGHT | HandAnalysis::MADE_FLUSH));
    if (myFlags & HandAnalysis::MADE_STRAIGHT_FLUSH) {
        P += 450;
        S = 18;
        D = 0;
    } else if (myFlags & HandAnalysis::MADE_QUADS) {
        P += 400;
        S = 18;
        D = 0;
    } else if (fullHouse || setOrTrips) {
        int tripsValue = H.highest(HandAnalysis::THRICE);
        P += fullHouse ? 180 : 0;
        if (trips) {
            if (fullHouse) {
                int q = pairs.highestOther(tripsValue);
                if (q >= 0)
                    S = 18 - q;
            } else {
                S = 4;
            }
        } else if (paired) {
            int d = tripsValue - B.highest(HandAnalysis::TWICE);
            if (d < 0) {
                if (fullHouse) {
                    P -= 50;
                    S = 12;
                } else {
                    P += 50;
                    S = 6;
                }
            } else if (d == 0) {
                if (fullHouse) {
                    P += base;
                    int q = pairs.highestOther(tripsValue);
                    S = q == 1 ? 18 : ((q == 3 || q == 5) ? 12 : 10);
                } else {
                    P += 100;
                    S = highestValue(holeOff ^ bitOfValue(tripsValue)) > 12 ? 8 : 6;
                }
            } else {
                P += 50;
                S = 18;
            }
        } else {
            int q = pairs.positionOf(tripsValue);
            if (q == 1) {
                S = 12;
                P += 150;
            } else if (q == 3 || q == 5 || q == 7 || q == 9) {
                S = 8;
                P += 50;
            }
        }
        if (fullHouse) {
            S += suitDanger > 80 ? 1 : 0;
            P += straightDanger + suitDanger;
            S += straightDanger > 30 ? 1 : 0;
        } else {
            S -= suitDanger > 80 ? 1 : 0;
            S -= straightDanger > 30 ? 1 : 0;
            D += straightDanger + suitDanger;
        }
    } else if (myFlags & HandAnalysis::MADE_FLUSH) {
        P += (unseen <= 8 ? FLUSH_TABLE[unseen] : 0) + straightDanger - (paired ? 40 : 0);
        D += paired ? 80 : 40;
        S = unseen == 0 ? 12 : (unseen == 1 ? 10 : (unseen <= 5 ? 8 : 6));
        S += paired ? 1 : -1;
        S -= trips ? 1 : 0;
        if (unseen != 0)
            S += boardSuitMax == 3 ? 1 : (boardSuitMax == 4 ? -1 : (boardSuitMax == 5 ? -2 : 0));
    } else if (myFlags & HandAnalysis::MADE_STRAIGHT) {
        // Windows above my highest straight that still hold a draw.
        uint32_t map = uint32_t(H.words[HandAnalysis::WINDOWS]);
        int w = 0;
        for (int k = 9; k >= 0; --k) {
            uint32_t field = (map >> (3 * k)) & 7;
            if (field == 4)
                break;
            if (field)
                ++w;
        }
        int s;
        if (w == 0) {
            P += 100;
            s = 12;
        } else if (w <= 2) {
            P += 70;
            s = 10;
        } else {
            P += 40;
            s = 8;
        }
        s += paired ? 1 : -1;
        s += suitAdjust(boardSuitMax);
        S = s - (trips ? 2 : 0);
        D += (paired ? 80 : 40) + suitDanger;
    } else if (myFlags & HandAnalysis::MADE_TWO_PAIR) {
        int p0 = pairs.count > 0 ? pairs.positions[0] : 0;
        int p1 = pairs.count > 1 ? pairs.positions[1] : 0;
        if (paired) {
            S += (2 * (10 - p1)) / 5 + (10 - p0) / 2;
            P += TWO_PAIR_BONUS[street];
        } else {
            S += (10 - p1) / 4 + (10 - p0) / 2 + 2;
        }
        S += suitAdjust(boardSuitMax);
        D += straightDanger + suitDanger;
        P += TWO_PAIR_BONUS[street] + myDraws + flushDraw;
    } else if (myFlags & HandAnalysis::MADE_PAIR) {
        int pairValue = H.highest(HandAnalysis::TWICE);
        if (paired) {
            int k = std::max(highestValue(holeOff), B.highest(HandAnalysis::TWICE));
            S = k >= 13 ? 2 : 1;
        } else {
            if (b < 5)
                D += ((14 - pairValue) / 2) * (b - 2) * 5;
            uint32_t kMask = holeOff | ((boardRanks & bitOfValue(pairValue)) ? bitOfValue(pairValue) : 0);
            int k = highestValue(kMask);
            int position = pairs.positionOf(pairValue);
            if (position == 0)
                S = 8;
            else if (position == 1)
                S = k >= 12 ? 6 : (k < 6 ? 4 : 5);
            else if (position >= 2 && position <= 3)
                S = 4;
            else if (position >= 4 && position <= 10)
                S = 2;
        }
        S += suitAdjust(boardSuitMax);
        D += straightDanger + suitDanger;
        P += ONE_PAIR_BONUS[street] + myDraws + flushDraw;
    }

    // The decision.
    if (b >= 5)
        P = D = 0;
    if (player.isComputer())
        S = std::max(0, S + random.nextInt(2) - 4);
    else
        S = std::max(0, S);
    int seated = table.countSeated();
    int inHand = table.countInHand();
    if (seated == 2)
        S += 2;
    else if (seated < 5)
        S += 1;
    S += (6 - inHand) / 2;
    int r = random.nextInt(50);
    int last = inHand == table.stepsFromDealer(player.seat, /*withChips=*/false) + 1 ? 1 : 0;
    if (table.lastRaiser == -1) {
        int L = S + last;
        if (L > 10)
            return P <= THRESHOLD_A[street] + D && D <= THRESHOLD_B[street] + P ? SMALL_RAISE : LARGE_RAISE_SHORT;
        if (L >= 7)
            return SMALL_RAISE;
        return P > THRESHOLD_C[street] + D || D > THRESHOLD_B[street] + P ? SMALL_RAISE : CHECK_OR_FOLD;
    }
    if (table.closingActions >= 1 && player.lastAction == ACTION_CALL)
        S -= table.closingActions;
    int odds = potOdds(table, player);
    if (odds >= r - 40) {
        int raiseLine = odds < r ? 12 : 18;
        if (S >= raiseLine)
            return SMALL_RAISE;
        return S < 6 ? FOLD_OR_CHECK : LARGE_RAISE;
    }
    if (S >= 10 || (P > D && S >= 6))
        return SMALL_RAISE;
    if (S < 6)
        return S < 4 || P <= D || b >= 5 ? FOLD_OR_CHECK : LARGE_RAISE;
    return LARGE_RAISE;
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
