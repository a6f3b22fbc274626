#include "poker/HandEvaluator.h"

#include "poker/Board.h"
#include "poker/Card.h"
#include "poker/Player.h"

#include <cstring>

namespace {

constexpr int MASKS = 1 << 14;

struct WindowInfo {
    uint32_t map;      // 3-bit field per window k at bit 3k
    uint8_t counts;    // four-count | three-count << 4
    int8_t straightK;  // first complete window from the top, -1 when none
    int8_t highestK;   // highest complete window, ignoring the skip rule
    uint8_t unused;
};

int highestValue(int32_t mask)
{
    return mask ? 32 - __builtin_clz(uint32_t(mask)) : 0;
}


// The straight-window value of word 4: top value << 28 | the window's five bits.
int32_t straightWord(int k)
{
    return int32_t(uint32_t(k + 5) << 28 | uint32_t(31) << k);
}

// Writes the highest values of mask (scanning 14 down to 1) into kickers[from..4].
void fill(int32_t mask, int* kickers, int from)
{
    uint32_t m = uint32_t(mask) & 0x3FFF;
    for (int i = from; i < 5 && m; ++i) {
        int bit = 31 - __builtin_clz(m);
        kickers[i] = bit + 1;
        m &= ~(uint32_t(1) << bit);
    }
}


struct Tables {
    uint8_t countHigh[MASKS]; // bits set | highest value << 4
    uint32_t top5[MASKS];     // the five highest values, k0 << 16 | ... | k4, 0 where fewer
    WindowInfo windows[MASKS];
    uint32_t cardBit[CARD_COUNT];
    uint8_t cardSuitShift[CARD_COUNT]; // 16 x suit

    Tables()
    {
        for (int card = 0; card < CARD_COUNT; ++card) {
            cardBit[card] = uint32_t(1) << (Card::rank(card) + 1);
            cardSuitShift[card] = uint8_t(16 * Card::suit(card));
        }
        for (int32_t m = 0; m < MASKS; ++m) {
            countHigh[m] = uint8_t(__builtin_popcount(uint32_t(m)) | highestValue(m) << 4);
            int k[5] = { 0, 0, 0, 0, 0 };
            fill(m, k, 0);
            top5[m] = uint32_t(k[0] << 16 | k[1] << 12 | k[2] << 8 | k[3] << 4 | k[4]);
            uint32_t map;
            int counts;
            int straightK;
            HandEvaluator::scanWindows(m, map, counts, straightK);
            int highestK = -1;
            for (int k = 9; k >= 0 && highestK < 0; --k) {
                if (((m >> k) & 31) == 31)
                    highestK = k;
            }
            windows[m] = WindowInfo { map, uint8_t(counts), int8_t(straightK), int8_t(highestK), 0 };
        }
    }
};

const Tables tables;

} // namespace

void HandEvaluator::scanWindows(int32_t mask, uint32_t& map, int& counts, int& straightK)
{
    int s = mask & 0x3FFF;
    map = 0;
    int three = 0;
    int four = 0;
    straightK = -1;
    int previousTop = 0;
    bool skip = false;
    for (int k = 9; k >= 0; --k) {
        int w = (s >> k) & 31;
        int t = w & 24;
        if (skip) {
            if (t < 24)
                skip = false;
            previousTop = t;
            continue;
        }
        bool counted = true;
        switch (w) {
        case 7:
        case 11:
        case 13:
        case 14:
            // Three of the lower four: already seen by the window above when its top rank is present.
            if (previousTop & 16) {
                counted = false;
                break;
            }
            map |= uint32_t(1) << (3 * k);
            ++three;
            break;
        case 19:
        case 21:
        case 22:
        case 25:
        case 26:
        case 28:
            map |= uint32_t(1) << (3 * k);
            ++three;
            break;
        case 15:
        case 23:
        case 27:
        case 29:
        case 30:
            map |= uint32_t(2) << (3 * k);
            ++four;
            break;
        case 31:
            if (straightK < 0) {
                straightK = k;
                map |= uint32_t(4) << (3 * k);
            }
            break;
        default:
            counted = false;
            t = 0;
            break;
        }
        if (counted && t == 24)
            skip = true;
        previousTop = t;
    }
    counts = four | three << 4;
}

namespace {

// The working words of one analysis, kept in registers: the count pass rebuilds
// words 0..3 and 5..8 from their low 14 bits, so only the masks are carried (the
// four suit masks packed 16 bits apart). Word 4 keeps all its bits.
struct Words {
    uint32_t once, twice, thrice, four;
    uint32_t straight;
    uint64_t suits;
    uint32_t made;
    uint32_t features;
};

inline void load(Words& s, const HandAnalysis* previous)
{
    if (previous) {
        const int32_t* w = previous->words;
        s.once = uint32_t(w[0]) & 0x3FFF;
        s.twice = uint32_t(w[1]) & 0x3FFF;
        s.thrice = uint32_t(w[2]) & 0x3FFF;
        s.four = uint32_t(w[3]) & 0x3FFF;
        s.straight = uint32_t(w[4]);
        s.suits = 0;
        for (int suit = 0; suit < 4; ++suit)
            s.suits |= uint64_t(uint32_t(w[HandAnalysis::SUIT + suit]) & 0x3FFF) << (16 * suit);
        s.made = uint32_t(w[HandAnalysis::MADE]) & ~uint32_t(HandAnalysis::MADE_STRAIGHT);
        s.features = uint32_t(w[HandAnalysis::FEATURES]) | 7;
        return;
    }
    s.once = s.twice = s.thrice = s.four = s.straight = 0;
    s.suits = 0;
    s.made = 0;
    s.features = 7;
}

// Step 2: one card; a repeated rank climbs the twice / thrice / four-times words.
inline void addCard(Words& s, int card)
{
    if (unsigned(card) >= unsigned(CARD_COUNT))
        return;
    uint32_t b = tables.cardBit[card];
    uint32_t low = b >> 13; // the ace also counts low
    uint32_t seen = s.once & b;
    uint32_t twice = s.twice & b;
    uint32_t thrice = s.thrice & b;
    s.four |= thrice;
    s.thrice |= twice;
    s.twice |= seen;
    s.once |= b;
    s.made |= (seen ? 1u : 0u) | (twice ? 4u : 0u) | (thrice ? 68u : 0u);
    s.features |= seen ? 96u : 0u;
    s.straight |= b | low;
    s.suits |= uint64_t(b | low) << tables.cardSuitShift[card];
}

// Steps 3 to 9 of the analysis.
inline void finish(Words& s, HandAnalysis& out)
{
    uint32_t w[HandAnalysis::WORDS];
    w[0] = s.once;
    w[1] = s.twice;
    w[2] = s.thrice;
    w[3] = s.four;
    w[4] = s.straight;
    for (int suit = 0; suit < 4; ++suit)
        w[HandAnalysis::SUIT + suit] = uint32_t(s.suits >> (16 * suit)) & 0x3FFF;
    uint32_t made = s.made;
    int flushSuit = -1;
    for (int suit = 3; suit >= 0; --suit) {
        uint32_t m = w[HandAnalysis::SUIT + suit] & 0x3FFF;
        uint32_t ch = tables.countHigh[m];
        uint32_t n = (ch & 15) - (m & 1);
        if (n >= 5) {
            flushSuit = suit;
            made |= 16;
        }
        s.features |= n >= 3 ? 16u : 0u;
        w[HandAnalysis::SUIT + suit] = (n | (ch & 0xF0)) << 16 | m;
    }
    for (int index = 3; index >= 0; --index) {
        uint32_t m = w[index] & 0x3FFF;
        w[index] = uint32_t(tables.countHigh[m]) << 16 | m;
    }
    if (((w[1] >> 16) & 15) >= 2)
        made |= 2;

    uint32_t tripsValue = (w[2] >> 20) & 15;
    uint32_t tripsBit = tripsValue ? uint32_t(1) << (tripsValue - 1) : 0;
    if ((made & 6) == 6 && ((w[1] & 0x3FFF) & ~tripsBit))
        made |= 32;

    const WindowInfo& info = tables.windows[w[4] & 0x3FFF];
    if (info.straightK >= 0) {
        made |= 8;
        w[4] = uint32_t(straightWord(info.straightK));
        if (made & 16) {
            int best = -1;
            for (int suit = 0; suit < 4; ++suit) {
                uint32_t word = w[HandAnalysis::SUIT + suit];
                if (((word >> 16) & 15) < 5)
                    continue;
                int k = tables.windows[word & 0x3FFF].highestK;
                if (k > best)
                    best = k;
            }
            if (best >= 0) {
                made |= 128;
                w[4] = uint32_t(straightWord(best));
            }
        }
    }
    w[4] |= uint32_t(info.counts) << 20;
    w[HandAnalysis::WINDOWS] = info.map;
    w[HandAnalysis::FEATURES] = s.features | (info.counts ? 8 : 0);

    // Kickers: top5[mask] packs the five highest values of a mask, k0 in the top nibble.
    uint32_t once = w[0] & 0x3FFF;
    uint32_t value;
    if (made & 128) {
        uint32_t top = w[4] >> 28;
        value = (top == 14 ? 9u : 8u) << 20 | tables.top5[w[4] & 0x3FFF];
    } else if (made & 64) {
        uint32_t v = (w[3] >> 20) & 15;
        value = 7u << 20 | v * 0x1111u << 4 | tables.top5[once & ~(uint32_t(1) << (v - 1))] >> 16;
    } else if (made & 32) {
        uint32_t pair = tables.countHigh[(w[1] & 0x3FFF) & ~tripsBit] >> 4;
        value = 6u << 20 | tripsValue * 0x111u << 8 | pair * 0x11u;
    } else if (made & 16) {
        value = 5u << 20 | (flushSuit >= 0 ? tables.top5[w[HandAnalysis::SUIT + flushSuit] & 0x3FFE] : 0);
    } else if (made & 8) {
        value = 4u << 20 | tables.top5[w[4] & 0x3FFF];
    } else if (made & 4) {
        value = 3u << 20 | tripsValue * 0x111u << 8 | tables.top5[once & ~tripsBit] >> 12;
    } else if (made & 2) {
        uint32_t pairs = w[1] & 0x3FFF;
        uint32_t high = (w[1] >> 20) & 15;
        uint32_t highBit = uint32_t(1) << (high - 1);
        uint32_t low = tables.countHigh[pairs & ~highBit] >> 4;
        uint32_t lowBit = uint32_t(1) << (low - 1);
        value = 2u << 20 | high * 0x11u << 12 | low * 0x11u << 4 | tables.top5[once & ~(highBit | lowBit)] >> 16;
    } else if (made & 1) {
        uint32_t v = (w[1] >> 20) & 15;
        value = 1u << 20 | v * 0x11u << 12 | tables.top5[once & ~(uint32_t(1) << (v - 1))] >> 8;
    } else {
        value = tables.top5[once];
    }
    w[HandAnalysis::VALUE] = value;
    w[13] = 0;
    w[HandAnalysis::MADE] = made;
    for (int i = 0; i < HandAnalysis::WORDS; ++i)
        out.words[i] = int32_t(w[i]);
}

} // namespace

void HandEvaluator::analyse(const int* cards, int count, const HandAnalysis* previous, HandAnalysis& out)
{
    Words s;
    load(s, previous);
    for (int i = count - 1; i >= 0; --i)
        addCard(s, cards[i]);
    finish(s, out);
}

void HandEvaluator::evaluatePlayer(Player& player, const Board& board)
{
    // The board pass only needs what survives into the second pass: the masks, the
    // repeat flags of its loop, its straight rewrite of word 4 and its draw counts.
    // Everything else (count fields, flush, two pair, full house and straight-flush
    // flags, kickers) the second pass derives again from the same masks.
    Words s;
    load(s, nullptr);
    for (int i = Board::SLOTS - 1; i >= 0; --i)
        addCard(s, board.cards[i]);
    const WindowInfo& info = tables.windows[s.straight & 0x3FFF];
    if (info.straightK >= 0)
        s.straight = uint32_t(straightWord(info.straightK));
    s.straight |= uint32_t(info.counts) << 20;
    s.features |= info.counts ? 8 : 0;
    addCard(s, player.hole.cards[1]);
    addCard(s, player.hole.cards[0]);
    finish(s, player.analysis);
    player.takeResult();
}

// The literal two passes, kept for the opponents (who keep the board analysis) and
// as the reference the fast path is tested against.
void HandEvaluator::evaluateInTwoPasses(Player& player, const Board& board)
{
    int boardCards[Board::SLOTS];
    for (int i = 0; i < Board::SLOTS; ++i)
        boardCards[i] = board.cards[i];
    int hole[2] = { player.hole.cards[0], player.hole.cards[1] };
    analyse(boardCards, Board::SLOTS, nullptr, player.boardAnalysis);
    analyse(hole, 2, &player.boardAnalysis, player.analysis);
    player.takeResult();
}

void HandEvaluator::bestFive(const Player& player, const Board& board, int positions[5], uint8_t used[7])
{
    int list[7] = { player.hole.get(0), player.hole.get(1), board.get(0), board.get(1), board.get(2),
        board.get(3), board.get(4) };
    int flushSuit = -1;
    if (player.analysis.words[HandAnalysis::MADE] & HandAnalysis::MADE_FLUSH) {
        for (int suit = 0; suit < 4 && flushSuit < 0; ++suit) {
            if (player.analysis.count(HandAnalysis::SUIT + suit) >= 5)
                flushSuit = suit;
        }
    }
    for (int i = 0; i < 5; ++i)
        positions[i] = 0;
    for (int i = 0; i < 7; ++i)
        used[i] = 0;
    for (int i = 0; i < 5; ++i) {
        int kicker = player.analysis.kicker(i);
        if (kicker == 1)
            kicker = 14;
        for (int j = 0; j < 7; ++j) {
            int card = list[j];
            if (card < 0 || card >= CARD_COUNT || used[j])
                continue;
            if (Card::rank(card) + 2 != kicker || (flushSuit >= 0 && Card::suit(card) != flushSuit))
                continue;
            positions[4 - i] = j;
            used[j] = 1;
            break;
        }
    }
}
