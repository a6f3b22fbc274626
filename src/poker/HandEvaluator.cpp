#include "poker/HandEvaluator.h"

#include "poker/Board.h"
#include "poker/Card.h"
#include "poker/Player.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {

// The tables of the seven-card path. A rank mask whose bit 0 equals bit 13 (the low
// ace follows the high one, as everywhere except after a board straight's rewrite of
// word 4) is indexed by its bits 1..13 alone, which halves the larger tables to 8192
// entries. The small count-and-highest table is indexed by masks with bit 0 cleared,
// so that the masks need no shift.
struct FastTables {
    // Window entry: map | made flag 8 (a straight) << 32 | feature flag 8 (a count above
    // 0) << 36 | (straightK + 1) << 40 | (highestK + 1) << 44 | counts << 52, the counts
    // placed so that the upper half holds them where word 4 does.
    static constexpr int MADE_SHIFT = 32;
    static constexpr int FEATURE_SHIFT = 36;
    static constexpr int STRAIGHT_SHIFT = 40;
    static constexpr int HIGHEST_SHIFT = 44;
    static constexpr int COUNTS_SHIFT = 52;

    // By the card byte taken unsigned (-1 and other junk give 0): the rank bit and, for
    // an ace, the low-ace bit, in the suit's 16-bit lane.
    uint64_t cards[256];
    uint32_t top5[8192];     // the five highest values of mask << 1, k0 in bits 16..19
    uint64_t windows[8192];  // window entry of mask << 1 | mask >> 12
    // By the cards of one suit: 0x3FFF when a flush (five or more), feature flag 16
    // (three or more) in bits 16..23, made flag 16 (flush) in bits 24..31.
    uint32_t suitFlags[16];
    // A byte's two nibbles as two ints, high nibble first in memory.
    uint64_t nibblePairs[256];

    static uint64_t windowEntry(int32_t s)
    {
        uint32_t map;
        int counts;
        int straightK;
        HandEvaluator::scanWindows(s, map, counts, straightK);
        int highestK = -1;
        for (int k = 9; k >= 0 && highestK < 0; --k) {
            if (((s >> k) & 31) == 31)
                highestK = k;
        }
        return uint64_t(map) | uint64_t(counts) << COUNTS_SHIFT | uint64_t(straightK + 1) << STRAIGHT_SHIFT
            | uint64_t(highestK + 1) << HIGHEST_SHIFT | uint64_t(straightK >= 0 ? 8 : 0) << MADE_SHIFT
            | uint64_t(counts ? 8 : 0) << FEATURE_SHIFT;
    }

    FastTables()
    {
        for (int byte = 0; byte < 256; ++byte) {
            cards[byte] = 0;
            if (byte < CARD_COUNT) {
                uint32_t b = uint32_t(1) << (Card::rank(byte) + 1);
                cards[byte] = uint64_t(b | b >> 13) << (16 * Card::suit(byte));
            }
        }
        for (int byte = 0; byte < 256; ++byte) {
            int32_t pair[2] = { byte >> 4, byte & 15 };
            std::memcpy(&nibblePairs[byte], pair, sizeof(pair));
        }
        for (int n = 0; n < 16; ++n)
            suitFlags[n] = (n >= 5 ? 0x3FFFu | 16u << 24 : 0u) | (n >= 3 ? 16u << 16 : 0u);
        for (int32_t i = 0; i < 8192; ++i) {
            int32_t m = i << 1;
            int k[5] = { 0, 0, 0, 0, 0 };
            fill(m, k, 0);
            top5[i] = uint32_t(k[0] << 16 | k[1] << 12 | k[2] << 8 | k[3] << 4 | k[4]);
            windows[i] = windowEntry(m | m >> 13);
        }
    }
};

const FastTables fast;

// What follows from how many ranks are held twice or more (n2, bits 0..1 of the
// index), three times or more (n3, bits 2..3) and four times (n4, bit 4), when neither
// a straight nor a flush beats it. X is the leading value (quads, else the highest
// trips, else the highest pair), Y the second (the full house's pair or the lower
// pair).
struct PairedShape {
    uint32_t categoryBits; // category << 20, in place for handValue
    uint32_t leadShift;    // brings the count-and-highest byte of twice, thrice or four down
    uint32_t secondKeep;   // the ranks that may give Y (none with quads)
    uint32_t repeatX;      // repeats X into its kicker nibbles
    uint32_t repeatY;
    uint32_t fillShift;    // moves the five highest remaining values down (32: none)
    uint32_t made;         // made flags 1, 2, 4, 32 and 64
    uint32_t features;     // feature flags 32 | 64
};

constexpr PairedShape HIGH { 0, 0, 0, 0, 0, 0, 0, 0 };
constexpr PairedShape PAIR { 1 << 20, 0, 0x3FFF, 0x11000, 0, 8, 1, 96 };
constexpr PairedShape TWO_PAIR { 2 << 20, 0, 0x3FFF, 0x11000, 0x110, 16, 1 | 2, 96 };
constexpr PairedShape TRIPS { 3 << 20, 8, 0x3FFF, 0x11100, 0, 12, 1 | 4, 96 };
constexpr PairedShape HOUSE { 6 << 20, 8, 0x3FFF, 0x11100, 0x11, 32, 1 | 2 | 4 | 32, 96 };
constexpr PairedShape QUADS { 7 << 20, 16, 0, 0x11110, 0, 16, 1 | 4 | 64, 96 };
// Quads beside another pair or trips also carry the two-pair and full-house flags.
constexpr PairedShape QUADS_AND_MORE { 7 << 20, 16, 0, 0x11110, 0, 16, 1 | 2 | 4 | 32 | 64, 96 };

// Seven distinct cards hold at most three pairs, two trips or one quads; the other
// entries are never looked up.
constexpr PairedShape PAIRED_SHAPES[32] = {
    HIGH, PAIR, TWO_PAIR, TWO_PAIR,       // n3 = 0
    HIGH, TRIPS, HOUSE, HOUSE,            // n3 = 1
    HIGH, HIGH, HOUSE, HOUSE,             // n3 = 2
    HIGH, HIGH, HIGH, HIGH,               //
    HIGH, HIGH, HIGH, HIGH,               // n4 = 1, n3 = 0: impossible
    HIGH, QUADS, QUADS_AND_MORE, QUADS_AND_MORE, // n4 = 1, n3 = 1
    HIGH, HIGH, QUADS_AND_MORE, QUADS_AND_MORE,  // n4 = 1, n3 = 2
    HIGH, HIGH, HIGH, HIGH,
};

// A run of five values from k + 5 down to k + 1 packed as kickers (k = 0: 5 4 3 2 1).
inline uint32_t runKickers(uint32_t k)
{
    return k * 0x11111u + 0x54321u;
}

// The four 16-bit suit lanes or-ed together: the ranks present, low-ace bit included.
inline uint32_t ranksOf(uint64_t lanes)
{
    uint32_t folded = uint32_t(lanes | lanes >> 32);
    return (folded | folded >> 16) & 0x3FFF;
}

// Out of line and with its parameters left as they are, so that the common path keeps
// nothing alive for it (GCC would otherwise pass the card bytes to a clone).
#if defined(__GNUC__) && !defined(__clang__)
#define RARE_PATH __attribute__((noinline, noclone, cold))
#else
#define RARE_PATH __attribute__((noinline, cold))
#endif

struct ScannedMask {
    uint64_t entry; // window entry of s
    uint32_t s;
};

// Rarely needed, so kept out of line (the common path then keeps fewer values alive):
// when the board alone holds the straight of window boardK, the mask scanned is that
// window plus the hole ranks.
RARE_PATH ScannedMask scanAfterBoardStraight(int boardK, const Player& player)
{
    const FastTables& t = fast;
    uint32_t s = uint32_t(31) << boardK
        | ranksOf(t.cards[uint8_t(player.hole.cards[0])] | t.cards[uint8_t(player.hole.cards[1])]);
    // After a board wheel or broadway the low-ace bit can disagree with the ace.
    uint64_t entry = ((s ^ s >> 13) & 1) == 0 ? t.windows[s >> 1] : FastTables::windowEntry(int32_t(s));
    return ScannedMask { entry, s };
}

// The literal two passes with the board analysis on the stack: evaluatePlayer leaves
// player.boardAnalysis alone.
RARE_PATH void twoPassesWithoutKeepingBoard(Player& player, const Board& board)
{
    int boardCards[Board::SLOTS] = { board.cards[0], board.cards[1], board.cards[2], board.cards[3], board.cards[4] };
    int hole[2] = { player.hole.cards[0], player.hole.cards[1] };
    HandAnalysis boardOnly;
    HandEvaluator::analyse(boardCards, Board::SLOTS, nullptr, boardOnly);
    HandEvaluator::analyse(hole, 2, &boardOnly, player.analysis);
    player.takeResult();
}

} // namespace

void HandEvaluator::evaluatePlayer(Player& player, const Board& board)
{
    // One pass over the seven cards with the same result, word for word, as the board
    // analysis followed by the hole cards on top of it. Of the board pass only two
    // things survive into the result: its straight rewrite of word 4 (the hole cards'
    // window scan then sees the board's straight window plus the hole ranks, not all
    // ranks) and its draw counts, or-ed into words 4 and 10. Every other flag of the
    // board pass is found again from the seven cards.
    const FastTables& t = fast;
    uint64_t b0 = t.cards[uint8_t(board.cards[0])];
    uint64_t b1 = t.cards[uint8_t(board.cards[1])];
    uint64_t b2 = t.cards[uint8_t(board.cards[2])];
    uint64_t b3 = t.cards[uint8_t(board.cards[3])];
    uint64_t b4 = t.cards[uint8_t(board.cards[4])];
    uint64_t h0 = t.cards[uint8_t(player.hole.cards[0])];
    uint64_t h1 = t.cards[uint8_t(player.hole.cards[1])];
    uint64_t boardLanes = b0 | b1 | b2 | b3 | b4;
    uint64_t suits = boardLanes | h0 | h1;
    // Distinct cards never share a bit, so the sum equals the union; a card given twice
    // carries. The rank words below count suits per rank, which only holds without
    // repeats, so repeated cards take the literal two passes.
    if (b0 + b1 + b2 + b3 + b4 + h0 + h1 != suits) {
        twoPassesWithoutKeepingBoard(player, board);
        return;
    }

    // Written in the order that keeps the fewest values alive at once.
    uint64_t boardEntry = t.windows[ranksOf(boardLanes) >> 1];
    int32_t* w = player.analysis.words;

    // Suit words; a suit's flags (its flush mask, features 16, made 16) by its count.
    const uint8_t* countHigh = tables.countHigh;
    uint32_t ch0 = countHigh[uint32_t(suits) & 0x3FFE]; // the low-ace bit is not counted
    uint32_t ch1 = countHigh[uint32_t(suits >> 16) & 0x3FFE];
    uint32_t ch2 = countHigh[uint32_t(suits >> 32) & 0x3FFE];
    uint32_t ch3 = countHigh[uint32_t(suits >> 48) & 0x3FFE];
#if defined(__SSE2__)
    // Each 16-bit suit lane (bits 14 and 15 always clear) gets its count-and-highest
    // byte as its upper half: the four words in one interleave and one store.
    uint64_t counts4 = uint64_t(ch0) | uint64_t(ch1) << 16 | uint64_t(ch2) << 32 | uint64_t(ch3) << 48;
    __m128i suitWords = _mm_unpacklo_epi16(_mm_cvtsi64_si128(int64_t(suits)), _mm_cvtsi64_si128(int64_t(counts4)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(w + HandAnalysis::SUIT), suitWords);
#else
    w[HandAnalysis::SUIT + 0] = int32_t(ch0 << 16 | (uint32_t(suits) & 0x3FFF));
    w[HandAnalysis::SUIT + 1] = int32_t(ch1 << 16 | (uint32_t(suits >> 16) & 0x3FFF));
    w[HandAnalysis::SUIT + 2] = int32_t(ch2 << 16 | (uint32_t(suits >> 32) & 0x3FFF));
    w[HandAnalysis::SUIT + 3] = int32_t(ch3 << 16 | (uint32_t(suits >> 48) & 0x3FFF));
#endif
    uint32_t suitFlags = t.suitFlags[ch0 & 15] | t.suitFlags[ch1 & 15] | t.suitFlags[ch2 & 15] | t.suitFlags[ch3 & 15];

    // Rank words: with distinct cards a rank is held as often as suits hold it.
    uint32_t c0 = uint32_t(suits) & 0x3FFE;
    uint32_t c1 = uint32_t(suits >> 16) & 0x3FFE;
    uint32_t c2 = uint32_t(suits >> 32) & 0x3FFE;
    uint32_t c3 = uint32_t(suits >> 48) & 0x3FFE;
    uint32_t low = c0 | c1;
    uint32_t high = c2 | c3;
    uint32_t lowBoth = c0 & c1;
    uint32_t highBoth = c2 & c3;
    uint32_t once = low | high;
    uint32_t twice = lowBoth | highBoth | (low & high);
    uint32_t thrice = (lowBoth & high) | (highBoth & low);
    uint32_t four = lowBoth & highBoth;
    uint32_t chTwice = countHigh[twice];
    uint32_t chThrice = countHigh[thrice];
    uint32_t chFour = countHigh[four];
    w[0] = int32_t(uint32_t(countHigh[once]) << 16 | once);
    w[1] = int32_t(chTwice << 16 | twice);
    w[2] = int32_t(chThrice << 16 | thrice);
    w[3] = int32_t(chFour << 16 | four);

    // The leading group X: quads, else the highest trips, else the highest pair. Y: the
    // highest other rank held twice or more, the full house's pair or the second pair
    // (not used with quads, whose kicker is the highest of all other ranks).
    const PairedShape& shape = PAIRED_SHAPES[(chTwice & 15) | (chThrice & 15) << 2 | (chFour & 15) << 4];
    uint32_t x = ((chTwice | chThrice << 8 | chFour << 16) >> shape.leadShift) >> 4 & 15;
    uint32_t xBit = (uint32_t(1) << x) >> 1;
    uint32_t y = countHigh[twice & ~xBit & shape.secondKeep] >> 4;
    uint32_t yBit = (uint32_t(1) << y) >> 1;
    uint32_t rest = uint32_t(uint64_t(t.top5[(once & ~(xBit | yBit)) >> 1]) >> shape.fillShift);
    uint32_t value = shape.categoryBits | x * shape.repeatX | y * shape.repeatY | rest;

    // The straight scan sees all ranks, unless the board alone holds a straight: then
    // the board pass has rewritten word 4 to that window, and only the window and the
    // hole ranks are scanned.
    uint32_t s = once | once >> 13;
    uint64_t entry = t.windows[once >> 1];
    int boardK = int((boardEntry >> FastTables::STRAIGHT_SHIFT) & 15) - 1;
    if (boardK >= 0) {
        ScannedMask scanned = scanAfterBoardStraight(boardK, player);
        entry = scanned.entry;
        s = scanned.s;
    }
    // Both scans' draw counts are or-ed into word 4 (the board's were already there)
    // and either sets feature 8.
    uint64_t bothEntries = entry | boardEntry;
    w[HandAnalysis::STRAIGHT] = int32_t(s | (uint32_t(bothEntries >> 32) & 0x0FF00000));
    w[HandAnalysis::FEATURES] = int32_t(7u | shape.features | ((suitFlags >> 16) & 16)
        | uint32_t(bothEntries >> FastTables::FEATURE_SHIFT & 8));
    w[HandAnalysis::WINDOWS] = int32_t(uint32_t(entry) & 0x3FFFFFFF);

    uint32_t made = shape.made | uint32_t(entry >> FastTables::MADE_SHIFT & 8) | suitFlags >> 24;
    if (made & (HandAnalysis::MADE_STRAIGHT | HandAnalysis::MADE_FLUSH)) {
        // One hand in twelve or so. Each of the paired value, the straight, the flush
        // and the straight flush carries its category in bits 20..23, so the best one
        // is the largest.
        uint32_t flush = 0;
        for (int suit = 0; suit < 4; ++suit) {
            uint32_t m = uint32_t(suits >> (16 * suit)) & 0x3FFF;
            flush |= m & t.suitFlags[countHigh[m & 0x3FFE] & 15];
        }
        if (flush) {
            uint32_t flushValue = 5u << 20 | t.top5[flush >> 1];
            value = flushValue > value ? flushValue : value;
        }
        int straightK = int((entry >> FastTables::STRAIGHT_SHIFT) & 15) - 1;
        if (straightK >= 0) {
            uint32_t topK = uint32_t(straightK);
            uint32_t straightValue = 4u << 20 | runKickers(topK);
            value = straightValue > value ? straightValue : value;
            // Any complete window of the flush suit makes it a straight flush.
            int flushK = int((t.windows[flush >> 1] >> FastTables::HIGHEST_SHIFT) & 15) - 1;
            if (flushK >= 0) {
                made |= HandAnalysis::MADE_STRAIGHT_FLUSH;
                topK = uint32_t(flushK);
                value = (flushK == 9 ? 9u : 8u) << 20 | runKickers(topK);
            }
            w[HandAnalysis::STRAIGHT]
                = int32_t((topK + 5) << 28 | uint32_t(31) << topK | (uint32_t(entry >> 32) & 0x0FF00000));
        }
    }
    w[HandAnalysis::MADE] = int32_t(made);
    w[HandAnalysis::VALUE] = int32_t(value);
    w[13] = 0;

    // Kickers two at a time from the byte that packs them.
    player.category = int32_t(value >> 20);
    player.kickers[0] = int32_t((value >> 16) & 15);
    std::memcpy(&player.kickers[1], &t.nibblePairs[(value >> 8) & 255], sizeof(uint64_t));
    std::memcpy(&player.kickers[3], &t.nibblePairs[value & 255], sizeof(uint64_t));
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
