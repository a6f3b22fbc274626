#include "table/view/TableSnapshot.h"

#include "core/runtime/String.h"
#include "poker/Card.h"
#include "table/view/TableScreen.h"

bool TableSnapshot::fill(const Screen* screen, TableSnapshot& out)
{
    const TableScreen* tableScreen = dynamic_cast<const TableScreen*>(screen);
    if (!tableScreen)
        return false;
    const TableGame& game = tableScreen->game();
    const TableView& view = game.view();
    const PokerTable& table = game.pokerTable();
    out = TableSnapshot();
    out.variant = game.getVariant();
    out.state = table.state;
    out.hand = table.handsPlayed;
    out.dealer = view.dealer;
    out.toAct = view.awaitingAction ? view.toAct : -1;
    out.blinds[0] = view.smallBlind;
    out.blinds[1] = view.bigBlind;
    for (int32_t i = 0; i < view.boardCount && i < 5; ++i) {
        if (game.boardVisible(i))
            out.board.push_back(Card::name(view.board[i]));
    }
    for (int32_t amount : view.pots) {
        if (amount > 0)
            out.pots.push_back(amount);
    }
    for (int32_t s = 0; s < TableGame::SEATS; ++s) {
        const TableView::Seat& v = view.seats[s];
        const TableGame::SeatState& state = game.seat(s);
        Seat& seat = out.seats[s];
        seat.present = v.seated;
        if (!v.seated)
            continue;
        seat.name = state.name.toUtf8();
        seat.chips = v.chips;
        seat.bet = v.roundBet;
        seat.inHand = v.inHand;
        seat.avatar = state.avatar;
        if (v.inHand) {
            const bool faceUp = game.faceUp(s);
            for (int32_t i = 0; i < 2 && i < v.holeCount; ++i) {
                if (state.holeVisible[i])
                    seat.cards.push_back(faceUp ? Card::name(v.holeCards[i]) : std::string("??"));
            }
        }
        // Drawn while the countdown runs, or always in a heads-up game.
        const bool shown = state.countdown > 0 || (game.getVariant() == GameSetup::GAME_HEADS_UP);
        if (shown && state.actionText.length() > 0) {
            seat.hasAction = true;
            seat.action = state.actionText.toUtf8();
            if (state.amountText.length() > 0)
                seat.action += " " + state.amountText.toUtf8();
        }
    }
    int32_t codes[3];
    const int32_t n = game.humanActions(codes);
    out.actions.assign(codes, codes + n);
    const AmountEntry& entry = game.amount();
    out.betEntry = entry.isOpen();
    if (entry.isOpen()) {
        out.amount = entry.amount();
        out.minAmount = entry.getMinimum();
        out.maxAmount = entry.getMaximum();
    }
    const String message = game.message();
    out.hasMessage = message.length() > 0;
    out.message = message.toUtf8();
    out.hasStandings = game.isStandingsShown();
    if (out.hasStandings) {
        const Vector<TournamentStandings::Row> rows = tableScreen->standingsRows();
        for (int32_t i = 0; i < rows.size(); ++i)
            out.standings.push_back(TournamentStandings::rowText(rows[i]).toUtf8());
    }
    out.place = game.place();
    return true;
}
