#include "table/SeatState.h"

#include "core/resources/ResourcePack.h"
#include "core/runtime/TextFormat.h"

void SeatState::refreshMoney(const TableView::Seat& seat)
{
    if (seat.chips != shownChips) {
        shownChips = seat.chips;
        chipsText = formatMoney(seat.chips);
    }
    if (seat.roundBet != shownBet) {
        shownBet = seat.roundBet;
        betText = formatMoney(seat.roundBet);
    }
    if (seat.winnings != shownWinnings) {
        shownWinnings = seat.winnings;
        winningsText = String("+") + formatMoney(seat.winnings);
    }
}

void SeatState::showAction(int32_t textId, const TableView::Seat& seat, bool withAmount)
{
    actionText = getText(textId);
    amountText = withAmount ? formatMoney(seat.roundBet) : String();
    countdown = TEXT_MS;
}
