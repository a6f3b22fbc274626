#include "table/StarRemarks.h"

#include "core/resources/ResourcePack.h"
#include "core/resources/TextList.h"
#include "poker/PokerTable.h"
#include "poker/RandomSource.h"
#include "poker/TableView.h"

void StarRemarks::observe(int32_t roundBet, int32_t bigBlind)
{
    if (roundBet > bigBlind)
        bigRound = true;
}

StarRemarks::Event StarRemarks::choose(const TableView& view, int32_t starSeat) const
{
    if (starSeat < 0 || starSeat >= PokerTable::SEATS || !view.seats[starSeat].seated)
        return NONE;
    const TableView::Seat& star = view.seats[starSeat];
    if (!star.inHand && bigRound)
        return FOLDED_AFTER_BETTING;
    if (star.chips + star.winnings <= 0)
        return BUSTED;
    if (star.wonPot) {
        for (int32_t seat = 0; seat < PokerTable::SEATS; ++seat) {
            const TableView::Seat& other = view.seats[seat];
            if (seat != starSeat && other.seated && other.chips + other.winnings <= 0)
                return WON_AND_BUSTED_SOMEONE;
        }
        return WON;
    }
    if (star.inHand)
        return STAYED;
    return NONE;
}

int32_t StarRemarks::textId(Event event)
{
    switch (event) {
    case FOLDED_AFTER_BETTING:
        return 2092;
    case WON:
        return 2095;
    case STAYED:
        return 2093;
    case WON_AND_BUSTED_SOMEONE:
        return 2096;
    case BUSTED:
        return 2094;
    default:
        return 0;
    }
}

String StarRemarks::line(Event event)
{
    if (event == NONE)
        return String();
    Vector<String> lines = TextList::split(getText(textId(event)));
    int32_t pick = RandomSource::shared().nextInt(3);
    if (lines.size() == 0)
        return String();
    return lines[pick < lines.size() ? pick : lines.size() - 1];
}
