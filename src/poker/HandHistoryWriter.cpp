#include "poker/HandHistoryWriter.h"

#include "poker/Card.h"
#include "poker/EasternTime.h"
#include "poker/HandEvaluator.h"
#include "poker/PokerTable.h"

#include <cstdio>

namespace {

std::string cardText(int card)
{
    std::string name = Card::name(card); // "TS": the format wants "Ts"
    if (name.size() == 2 && name[1] >= 'A' && name[1] <= 'Z')
        name[1] = char(name[1] - 'A' + 'a');
    return name;
}

// "[2h 7c Td]" from cards first..last-1.
std::string cardList(const int8_t* cards, int first, int last)
{
    std::string text = "[";
    for (int i = first; i < last; ++i) {
        if (i > first)
            text += ' ';
        text += cardText(cards[i]);
    }
    return text + "]";
}

// Characters a tracker's line parser splits on, and anything that breaks a line,
// become "_".
uint32_t safeInName(uint32_t code)
{
    if (code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029)
        return '_';
    if (code == ':' || code == '[' || code == ']' || code == '(' || code == ')')
        return '_';
    return code;
}

// By value: 1 is the ace counted low, 2..14 deuce to ace.
const char* const RANK_NAMES[15] = { "", "Ace", "Deuce", "Three", "Four", "Five", "Six", "Seven", "Eight",
    "Nine", "Ten", "Jack", "Queen", "King", "Ace" };
const char* const RANK_PLURALS[15] = { "", "Aces", "Deuces", "Threes", "Fours", "Fives", "Sixes", "Sevens",
    "Eights", "Nines", "Tens", "Jacks", "Queens", "Kings", "Aces" };

std::string rankName(int value, bool plural)
{
    if (value < 1 || value > 14)
        return "?";
    return plural ? RANK_PLURALS[value] : RANK_NAMES[value];
}

const char* const ROMAN_TENS[3] = { "", "X", "XX" };
const char* const ROMAN_UNITS[10] = { "", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX" };

// Levels 1..20 as trackers expect them; larger ones in digits.
std::string roman(int n)
{
    if (n < 1 || n > 29)
        return std::to_string(n);
    return std::string(ROMAN_TENS[n / 10]) + ROMAN_UNITS[n % 10];
}

// Trackers call the pots "pot" when there is one, else "main pot" and "side pot", or
// "side pot-1", "side pot-2", ... when there are several side pots.
std::string potName(int i, int count)
{
    if (count <= 1)
        return "pot";
    if (i == 0)
        return "main pot";
    return count == 2 ? "side pot" : "side pot-" + std::to_string(i);
}

const char* const STREET_NAMES[4] = { "before Flop", "on the Flop", "on the Turn", "on the River" };

} // namespace

std::string HandHistoryWriter::safeName(const char16_t* units, int32_t length)
{
    const std::string out = String::toUtf8(units, length, safeInName);
    size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return "Player";
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::string HandHistoryWriter::describeHand(int category, const int32_t k[5])
{
    switch (category) {
    case HIGH_CARD:
        return "high card " + rankName(k[0], false);
    case ONE_PAIR:
        return "a pair of " + rankName(k[0], true);
    case TWO_PAIR:
        return "two pair, " + rankName(k[0], true) + " and " + rankName(k[2], true);
    case THREE_OF_A_KIND:
        return "three of a kind, " + rankName(k[0], true);
    case STRAIGHT:
        return "a straight, " + rankName(k[4], false) + " to " + rankName(k[0], false);
    case FLUSH:
        return "a flush, " + rankName(k[0], false) + " high";
    case FULL_HOUSE:
        return "a full house, " + rankName(k[0], true) + " full of " + rankName(k[3], true);
    case FOUR_OF_A_KIND:
        return "four of a kind, " + rankName(k[0], true);
    case STRAIGHT_FLUSH:
        return "a straight flush, " + rankName(k[4], false) + " to " + rankName(k[0], false);
    case ROYAL_FLUSH:
        return "a Royal Flush";
    default:
        return "";
    }
}

bool HandHistoryWriter::nameTaken(const std::string& name, int beforeSeat) const
{
    for (int seat = 0; seat < beforeSeat; ++seat) {
        if (seats[seat].dealt && seats[seat].name == name)
            return true;
    }
    return false;
}

void HandHistoryWriter::line(const std::string& text)
{
    body += text;
    body += '\n';
}

void HandHistoryWriter::drop()
{
    ++handsDropped;
    phase = Phase::Idle;
    body.clear();
}

void HandHistoryWriter::observe(const PokerTable& table, int64_t nowMillis)
{
    int state = table.state;
    bool begins = state == PokerTable::STATE_DEAL_HOLE
                  && (lastState != state || table.handsPlayed != lastHandsPlayed);
    if (begins) {
        if (phase != Phase::Idle)
            drop(); // the last hand never finished, or was never taken
        beginHand(table, nowMillis);
    } else if (phase == Phase::Playing) {
        bool consistent = lastAwaiting && !table.awaitingAction ? playerActed(table) : tableMoved(table);
        if (consistent && state == PokerTable::STATE_SETTLE)
            consistent = finishHand(table);
        if (!consistent)
            drop();
    }
    lastState = state;
    lastHandsPlayed = table.handsPlayed;
    lastAwaiting = table.awaitingAction;
    lastToAct = table.toAct;
    lastCurrentBet = table.currentBet;
    if (phase != Phase::Playing)
        return;
    for (int seat = 0; seat < SEATS; ++seat) {
        const Player& p = table.player(seat);
        seats[seat].chips = p.chips;
        seats[seat].roundBet = p.roundBet;
    }
}

void HandHistoryWriter::beginHand(const PokerTable& table, int64_t nowMillis)
{
    phase = Phase::Playing;
    body.clear();
    startMillis = nowMillis;
    level = table.level;
    smallBlind = table.smallBlind();
    bigBlind = table.bigBlind();
    dealer = table.dealer;
    smallBlindSeat = table.smallBlindSeat;
    bigBlindSeat = table.bigBlindSeat;
    handTournament = tournament;
    boardSeen = 0;
    holeWritten = false;
    wentToShowdown = false;

    std::string bases[SEATS];
    for (int seat = 0; seat < SEATS; ++seat) {
        const Player& p = table.player(seat);
        Seat& s = seats[seat];
        s = Seat();
        s.dealt = p.seated && p.inHand;
        s.live = s.dealt;
        if (!s.dealt)
            continue;
        // The blinds are already in: the stack at the start is chips plus round bet.
        s.startChips = p.chips + p.roundBet;
        s.put = p.roundBet;
        bases[seat] = safeName(p.name.getChars(), p.name.length());
    }
    // Trackers tell players apart by name: a name shared at the table gets the seat
    // number, which stays the same from hand to hand.
    for (int seat = 0; seat < SEATS; ++seat) {
        if (!seats[seat].dealt)
            continue;
        int sharing = 0;
        for (int other = 0; other < SEATS; ++other)
            sharing += seats[other].dealt && bases[other] == bases[seat] ? 1 : 0;
        std::string name = sharing > 1 ? bases[seat] + " " + std::to_string(seat + 1) : bases[seat];
        // Still taken (a player really called "P 2" beside two called "P")?
        while (nameTaken(name, seat))
            name += '+';
        seats[seat].name = name;
    }

    std::string safeTable = tableName; // quoted with apostrophes
    for (char& c : safeTable) {
        if (c == '\'' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    }
    line("Table '" + safeTable + "' 6-max (Play Money) Seat #" + std::to_string(dealer + 1)
         + " is the button");
    for (int seat = 0; seat < SEATS; ++seat) {
        const Seat& s = seats[seat];
        if (s.dealt)
            line("Seat " + std::to_string(seat + 1) + ": " + s.name + " (" + std::to_string(s.startChips)
                 + " in chips)");
    }
    const char* blindNames[2] = { "small blind", "big blind" };
    int blindSeats[2] = { smallBlindSeat, bigBlindSeat };
    for (int i = 0; i < 2; ++i) {
        int seat = blindSeats[i];
        if (seat < 0 || seat >= SEATS || !seats[seat].dealt || table.player(seat).roundBet <= 0)
            continue;
        const Player& p = table.player(seat);
        line(seats[seat].name + ": posts " + blindNames[i] + " " + std::to_string(p.roundBet)
             + (p.chips == 0 ? " and is all-in" : ""));
    }
    line("*** HOLE CARDS ***");
}

bool HandHistoryWriter::playerActed(const PokerTable& table)
{
    int actor = lastToAct;
    if (table.state != lastState || actor < 0 || actor >= SEATS || !seats[actor].live)
        return false;
    for (int seat = 0; seat < SEATS; ++seat) {
        const Player& p = table.player(seat);
        const Seat& s = seats[seat];
        bool changed = p.chips != s.chips || p.roundBet != s.roundBet || p.inHand != s.live;
        if (seat != actor && s.dealt && changed)
            return false;
    }
    Seat& s = seats[actor];
    const Player& p = table.player(actor);
    int street = boardSeen == 0 ? 0 : boardSeen - 2;
    if (!p.inHand) {
        s.live = false;
        s.foldStreet = street;
        line(s.name + ": folds");
        return p.chips == s.chips && p.roundBet == s.roundBet;
    }
    int32_t amount = s.chips - p.chips;
    if (amount < 0 || p.roundBet - s.roundBet != amount)
        return false;
    std::string text = s.name;
    if (amount == 0)
        text += ": checks";
    else if (p.roundBet <= lastCurrentBet)
        text += ": calls " + std::to_string(amount);
    else if (lastCurrentBet == 0)
        text += ": bets " + std::to_string(amount);
    else
        text += ": raises " + std::to_string(p.roundBet - lastCurrentBet) + " to "
                + std::to_string(p.roundBet);
    if (amount > 0 && p.chips == 0)
        text += " and is all-in";
    if (street == 0 && amount > 0) {
        s.voluntary = true;
        s.raised = s.raised || p.roundBet > lastCurrentBet;
    }
    s.put += amount;
    line(text);
    return true;
}

bool HandHistoryWriter::tableMoved(const PokerTable& table)
{
    if (table.state < PokerTable::STATE_DEAL_HOLE)
        return false; // the hand ended without being paid, or the game was reset
    for (int seat = 0; seat < SEATS; ++seat) {
        const Player& p = table.player(seat);
        const Seat& s = seats[seat];
        if (s.dealt && (!p.seated || p.inHand != s.live || p.chips < s.chips))
            return false;
    }
    if (!holeWritten && heroSeat >= 0 && heroSeat < SEATS && seats[heroSeat].dealt
        && table.player(heroSeat).hole.count == 2) {
        line("Dealt to " + seats[heroSeat].name + " " + cardList(table.player(heroSeat).hole.cards, 0, 2));
        holeWritten = true;
    }
    // Chips only come back before the pay-out as the unmatched part of a bet.
    for (int seat = 0; seat < SEATS; ++seat) {
        Seat& s = seats[seat];
        int32_t returned = s.dealt ? table.player(seat).chips - s.chips : 0;
        if (returned <= 0)
            continue;
        s.put -= returned;
        if (s.put < 0)
            return false;
        line("Uncalled bet (" + std::to_string(returned) + ") returned to " + s.name);
    }
    const Board& board = *table.board;
    if (board.count < boardSeen)
        return false;
    static const char* const STREETS[Board::SLOTS + 1] = { "", "", "", "FLOP", "TURN", "RIVER" };
    for (int count = boardSeen + 1; count <= board.count; ++count) {
        if (count == 3)
            line(std::string("*** FLOP *** ") + cardList(board.cards, 0, 3));
        else if (count > 3)
            line(std::string("*** ") + STREETS[count] + " *** " + cardList(board.cards, 0, count - 1) + " "
                 + cardList(board.cards, count - 1, count));
    }
    boardSeen = board.count;
    return true;
}

bool HandHistoryWriter::finishHand(const PokerTable& table)
{
    // Every bet has been collected by now: the pots hold exactly what was put in.
    int pots[PokerTable::POTS]; // the pots that hold chips, main pot first
    int potCount = 0;
    int64_t total = 0;
    int64_t put = 0;
    for (int p = 0; p <= table.potIndex && p < PokerTable::POTS; ++p) {
        total += table.pots[p];
        if (table.pots[p] > 0)
            pots[potCount++] = p;
    }
    int live = 0;
    for (const Seat& s : seats) {
        put += s.dealt ? s.put : 0;
        live += s.live ? 1 : 0;
    }
    if (put != total)
        return false;
    wentToShowdown = live >= 2;
    if (live >= 2)
        showDown(table);

    // Side pots first, as the table pays them. No pot holds chips when everybody
    // folded to a big blind whose whole bet came back; he still takes the (empty) pot.
    int64_t paid = 0;
    if (potCount == 0 && !payPot(table, 0, "pot", paid))
        return false;
    for (int i = potCount - 1; i >= 0; --i) {
        if (!payPot(table, pots[i], potName(i, potCount), paid))
            return false;
    }
    for (int seat = 0; seat < SEATS; ++seat) {
        if (seats[seat].dealt && seats[seat].won != table.player(seat).winnings)
            return false;
    }

    line("*** SUMMARY ***");
    // The odd chips of an uneven split leave the game; written as rake, the pot still
    // adds up for a tracker.
    std::string totals = "Total pot " + std::to_string(total);
    for (int i = 0; i < potCount && potCount > 1; ++i) {
        std::string name = potName(i, potCount);
        name[0] = char(name[0] - 'a' + 'A');
        totals += " " + name + " " + std::to_string(table.pots[pots[i]]) + ".";
    }
    line(totals + " | Rake " + std::to_string(total - paid));
    const Board& board = *table.board;
    if (board.count > 0)
        line("Board " + cardList(board.cards, 0, board.count));
    for (int seat = 0; seat < SEATS; ++seat) {
        if (seats[seat].dealt)
            line(summaryLine(table, seat, live >= 2));
    }
    body += '\n';
    phase = Phase::Ready;
    return true;
}

void HandHistoryWriter::showDown(const PokerTable& table)
{
    line("*** SHOW DOWN ***");
    const Board& board = *table.board;
    for (int step = 1; step <= SEATS; ++step) {
        int seat = (dealer + step) % SEATS;
        Seat& s = seats[seat];
        if (!s.live)
            continue;
        const Player& p = table.player(seat);
        if (board.count == Board::SLOTS) {
            Player scratch(nullptr, seat);
            scratch.hole = p.hole;
            HandEvaluator::evaluatePlayer(scratch, board);
            s.shown = describeHand(scratch.category, scratch.kickers);
        }
        std::string words = s.shown.empty() ? "" : " (" + s.shown + ")";
        line(s.name + ": shows " + cardList(p.hole.cards, 0, 2) + words);
    }
}

bool HandHistoryWriter::payPot(const PokerTable& table, int pot, const std::string& name, int64_t& paid)
{
    int count = table.potWinnerCount[pot];
    int32_t share = count > 0 ? table.pots[pot] / count : 0;
    for (int i = 0; i < count; ++i) {
        int seat = table.potWinners[pot][i];
        if (seat < 0 || seat >= SEATS || !seats[seat].dealt)
            return false;
        seats[seat].won += share;
        seats[seat].winner = true;
        paid += share;
        line(seats[seat].name + " collected " + std::to_string(share) + " from " + name);
    }
    return true;
}

std::string HandHistoryWriter::summaryLine(const PokerTable& table, int seat, bool showdown) const
{
    const Seat& s = seats[seat];
    std::string text = "Seat " + std::to_string(seat + 1) + ": " + s.name;
    if (seat == dealer)
        text += " (button)";
    if (seat == smallBlindSeat)
        text += " (small blind)";
    if (seat == bigBlindSeat)
        text += " (big blind)";
    if (!s.live) {
        text += std::string(" folded ") + STREET_NAMES[s.foldStreet < 0 ? 0 : s.foldStreet];
        return text + (s.foldStreet <= 0 && s.put == 0 ? " (didn't bet)" : "");
    }
    if (!showdown)
        return text + " collected (" + std::to_string(s.won) + ")";
    text += " showed " + cardList(table.player(seat).hole.cards, 0, 2) + " and ";
    text += s.winner ? "won (" + std::to_string(s.won) + ")" : std::string("lost");
    return text + (s.shown.empty() ? "" : " with " + s.shown);
}

HandResult HandHistoryWriter::heroResult() const
{
    HandResult result;
    if (phase != Phase::Ready || heroSeat < 0 || heroSeat >= SEATS || !seats[heroSeat].dealt)
        return result;
    const Seat& s = seats[heroSeat];
    result.dealt = true;
    result.put = s.put;
    result.collected = s.won;
    result.voluntary = s.voluntary;
    result.raised = s.raised;
    result.showdown = wentToShowdown && s.live;
    return result;
}

std::string HandHistoryWriter::takeHand(int64_t handNumber)
{
    if (phase != Phase::Ready)
        return "";
    EasternTime::Civil t = EasternTime::fromUtcMillis(startMillis);
    char when[64];
    std::snprintf(when, sizeof when, "%04d/%02d/%02d %d:%02d:%02d ET", t.year, t.month, t.day, t.hour,
        t.minute, t.second);
    std::string blinds = "(" + std::to_string(smallBlind) + "/" + std::to_string(bigBlind) + ")";
    std::string head = "PokerStars Hand #" + std::to_string(handNumber) + ": ";
    if (handTournament != NO_TOURNAMENT)
        head += "Tournament #" + std::to_string(handTournament) + ", 0+0 Hold'em No Limit - Level "
                + roman(level < 0 ? 1 : level + 1) + " " + blinds;
    else
        head += " Hold'em No Limit " + blinds;
    phase = Phase::Idle;
    std::string text = head + " - " + when + "\n" + body;
    body.clear();
    return text;
}
