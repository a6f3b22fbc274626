#include "table/TableMessages.h"

#include "core/resources/ResourcePack.h"
#include "core/runtime/TextFormat.h"
#include "core/io/GameSetup.h"
#include "poker/PokerTable.h"
#include "poker/Stakes.h"
#include "poker/TableView.h"
#include "poker/TournamentField.h"

namespace {

constexpr int32_t TEXT_SPLIT_POT = 2124;
constexpr int32_t TEXT_WINS_POT = 2140;
constexpr int32_t TEXT_EVERYONE = 2003;
constexpr int32_t TEXT_ELSE = 2004;
constexpr int32_t TEXT_FOLDED = 2005;
constexpr int32_t TEXT_BUSTED = 2045;
constexpr int32_t TEXT_CONTINUE = 2102;
constexpr int32_t TEXT_HEADS_UP_WON = 2086;
constexpr int32_t TEXT_OUT_IN_PLACE = 2129;
constexpr int32_t TEXT_PRIZE = 2130;
constexpr int32_t TEXT_TOURNAMENT_WON = 2131;
constexpr int32_t TEXT_BLINDS_UP = 2015;

// Category words by category 1..9; 0 ends a list.
const int32_t CATEGORY_WORDS[10][4] = {
    {0},
    {2089, 0},
    {2134, 2006, 0},
    {2127, 2001, 0},
    {2042, 2125, 0},
    {2042, 2039, 0},
    {2040, 2087, 0},
    {2038, 2001, 0},
    {2042, 2125, 2039, 0},
    {2113, 2039, 0},
};

} // namespace

char16_t TableMessages::rankLetter(int32_t rankIndex)
{
    static const char letters[] = "23456789TJQKA";
    if (rankIndex == -1)
        return u'A';
    if (rankIndex < 0 || rankIndex > 12)
        return u'?';
    return char16_t(letters[rankIndex]);
}

String TableMessages::handWords(int32_t category, const int32_t (&kickers)[5])
{
    if (category < 0 || category > 9)
        return String();
    String words;
    for (int32_t i = 0; CATEGORY_WORDS[category][i] != 0; ++i)
        words += getText(CATEGORY_WORDS[category][i]);
    // The five cards that make the hand, best first; a high card has no words.
    String ranks;
    for (int32_t kicker : kickers) {
        if (kicker < -1)
            continue; // fewer than five cards
        if (ranks.length() > 0)
            ranks += u' ';
        ranks += rankLetter(kicker);
    }
    if (words.length() == 0)
        return ranks;
    if (ranks.length() == 0)
        return words;
    return words + ": " + ranks;
}

String TableMessages::showdown(const TableView& view, int32_t variant, int32_t humanSeat, bool cardsShown)
{
    const int32_t winners = view.potWinnerCount[0];
    if (winners < 1)
        return String();
    const int32_t winner = view.potWinners[0][0];
    if (winner < 0 || winner >= PokerTable::SEATS)
        return String();
    String text;
    if (winners > 1)
        text = getText(TEXT_SPLIT_POT) + u'\n';
    else if (winner != humanSeat)
        text = view.seats[winner].name + getText(TEXT_WINS_POT) + u'\n';

    if (!cardsShown) {
        if (variant == GameSetup::GAME_HEADS_UP) {
            for (int32_t seat = 0; seat < PokerTable::SEATS; ++seat) {
                if (seat != winner && view.seats[seat].seated)
                    return text + view.seats[seat].name + getText(TEXT_FOLDED);
            }
            return text;
        }
        return text + getText(TEXT_EVERYONE) + getText(TEXT_ELSE) + getText(TEXT_FOLDED);
    }
    return text + handWords(view.seats[winner].category, view.seats[winner].kickers);
}

String TableMessages::busted()
{
    return getText(TEXT_BUSTED) + u'\n' + getText(TEXT_CONTINUE);
}

String TableMessages::headsUpWon()
{
    return getText(TEXT_HEADS_UP_WON) + u'\n' + getText(TEXT_CONTINUE);
}

String TableMessages::tournamentOver(bool won, int32_t place, int32_t prizeChips)
{
    String text = won ? getText(TEXT_TOURNAMENT_WON) : getText(TEXT_OUT_IN_PLACE) + place + ".";
    if (prizeChips > 0)
        text = text + getText(TEXT_PRIZE) + formatMoney(prizeChips) + ".";
    return text + u'\n' + getText(TEXT_CONTINUE);
}

String TableMessages::blindsUp(int32_t small, int32_t big)
{
    return getText(TEXT_BLINDS_UP) + formatNumber(small) + "/" + formatNumber(big) + ".\n" + getText(TEXT_CONTINUE);
}

int32_t TableMessages::prize(int32_t sizeIndex, int32_t place, int32_t stakeLevel)
{
    if (stakeLevel < 0 || stakeLevel >= Stakes::COUNT)
        return 0;
    return TournamentField::prizeMultiple(sizeIndex, place) * Stakes::BUY_INS[stakeLevel];
}
