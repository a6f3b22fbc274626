#include "table/view/TablePainter.h"

#include "core/io/GameSetup.h"
#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/ClassGeometry.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/TextFormat.h"
#include "table/view/TableArt.h"
#include "table/TableGame.h"
#include "table/view/TableLayout.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int32_t TEXT_YOUR_BET = 2033;
// The empty seat: the seat box's colours without a player.
constexpr int32_t EMPTY_SEAT_FILL = 0x0B311B;   // RGB (11, 49, 27)
constexpr int32_t EMPTY_SEAT_FRAME = 0x072012;  // RGB (7, 32, 18)

const ClassGeometry& geometry()
{
    return classGeometry(displayTables().screenClass);
}

} // namespace

TablePainter::TablePainter(const TableGame& tableGame, const TableLayout& tableLayout, bool blinkPhase)
    : game(tableGame)
    , layout(tableLayout)
    , blink(blinkPhase)
    , deck(tableGame.fourColourDeck() ? TableArt::Deck::FourColour : TableArt::Deck::TwoColour)
{
}

bool TablePainter::headsUp() const
{
    return game.getVariant() == GameSetup::GAME_HEADS_UP;
}

void TablePainter::paint(Base2DGraphics& g)
{
    background(g);
    board(g);
    pot(g);
    for (int32_t s = 0; s < TableGame::SEATS; ++s) {
        // Heads-up: the player and the one opponent; the empty seats share its place.
        if (headsUp() && s > 1)
            continue;
        seat(g, s);
    }
    for (int32_t s = 1; s < TableGame::SEATS; ++s) {
        if (!headsUp() || s == 1)
            seatCards(g, s);
    }
    for (int32_t s = 0; s < TableGame::SEATS; ++s)
        bet(g, s);
    markers(g);
    humanCards(g);
}

void TablePainter::background(Base2DGraphics& g)
{
    const int32_t w = displayWidth(), h = displayHeight();
    if (headsUp()) {
        const ClassGeometry& c = geometry();
        TableArt::image(g, SLOT_HEADSUP_TOP, 0, 0);
        for (int32_t y = c.titleHeight; y < h - c.softKeyHeight; y += 8)
            TableArt::image(g, SLOT_HEADSUP_TILE, 0, y);
        TableArt::image(g, SLOT_HEADSUP_BOTTOM, 0, h - c.softKeyHeight);
    } else {
        g.setColor(0x144629); // RGB (20, 70, 41)
        g.fillRect(0, 0, w, h);
    }
    const int32_t slot = layout.tableImageSlot();
    if (slot >= 0) {
        const TableLayout::Point at = layout.tableImageOrigin();
        TableArt::image(g, slot, at.x, at.y);
    }
}

void TablePainter::board(Base2DGraphics& g)
{
    const TableView& view = game.view();
    const TableLayout::Point at = layout.boardOrigin();
    for (int32_t i = 0; i < view.boardCount && i < 5; ++i) {
        if (game.boardVisible(i))
            TableArt::card(g, view.board[i], /*faceUp=*/true, /*small=*/false, at.x + i * layout.boardStep(), at.y,
                          deck);
    }
}

void TablePainter::pot(Base2DGraphics& g)
{
    const TableView& view = game.view();
    int64_t total = 0;
    for (int32_t amount : view.pots)
        total += amount;
    int32_t shownBoard = 0;
    for (int32_t i = 0; i < 5; ++i)
        shownBoard += game.boardVisible(i) ? 1 : 0;
    const TableLayout::Point at = shownBoard < 2 ? layout.potPreflop() : layout.potPostflop();
    const ClassGeometry& c = geometry();
    if (view.handOver) {
        // The pot has gone to the winners: the result in its place, clear of the
        // board and of the player's cards.
        result(g, at.x, at.y);
        return;
    }
    if (total <= 0)
        return;
    const String amount = formatMoney(int32_t(std::min<int64_t>(total, INT32_MAX)));
    // Chips on the left, the amount beside them, the pair centred on the pot's place.
    const int32_t textWidth = TableArt::width(FONT_POT, amount);
    const int32_t left = at.x - (2 * c.chipSize + 2 + textWidth) / 2;
    TableArt::image(g, SLOT_POT, left, at.y);
    TableArt::text(g, FONT_POT, amount, left + 2 * c.chipSize + 2, at.y + c.chipSize, LEFT | VCENTER);
}

void TablePainter::result(Base2DGraphics& g, int32_t centreX, int32_t top)
{
    const String text = game.message();
    if (text.length() == 0 || game.isModalMessage())
        return;
    const int32_t width = displayWidth() - 8;
    const int32_t lineHeight = TableArt::height(FONT_POT);
    int32_t start = 0;
    for (int32_t line = 0; start <= text.length() && line < 5; ++line) {
        int32_t end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.length();
        const String part = TableArt::fit(FONT_POT, text.substring(start, end), width);
        TableArt::text(g, line == 0 ? FONT_POT : FONT_SEAT_CHIPS, part, centreX, top + line * lineHeight,
                       HCENTER | TOP);
        start = end + 1;
    }
}

void TablePainter::seat(Base2DGraphics& g, int32_t s)
{
    const TableView& view = game.view();
    const TableView::Seat& v = view.seats[s];
    const TableGame::SeatState& state = game.seat(s);
    const TableLayout::Box box = layout.seatBox(s);
    if (box.empty())
        return;
    if (!v.seated) {
        g.setColor(EMPTY_SEAT_FILL);
        g.fillRect(box.x + 1, box.y + 1, box.w - 2, box.h - 2);
        g.setColor(EMPTY_SEAT_FRAME);
        g.drawRect(box.x, box.y, box.w - 1, box.h - 1);
        return;
    }
    const bool toAct = view.awaitingAction && view.toAct == s && !game.isOver();
    TableArt::region(g, SLOT_SEAT_BOX, toAct ? box.w : 0, 0, box.w, box.h, box.x, box.y);

    const ClassGeometry& c = geometry();
    const int32_t avatar = std::min<int32_t>(state.avatar, 7);
    const int32_t pad = std::max(2, box.h / 24);
    // The name across the top (or the flashing winnings once the hand is paid);
    // below it the face, and beside the face the last action over the stack.
    // The player's dealer or blind marker sits in its box's top right corner.
    const bool marked = s == TableGame::HUMAN_SEAT && !view.handOver;
    const int32_t faceTop = box.y + box.h - pad - c.avatarSize;
    const int32_t textX = box.x + pad + c.avatarSize + pad;
    const int32_t textRight = box.x + box.w - pad - 1;
    const int32_t chipsTop = box.y + box.h - pad - TableArt::height(FONT_SEAT_CHIPS);
    const bool actionShown = state.countdown > 0 || (headsUp() && state.actionText.length() > 0);
    const String action =
        actionShown ? TableArt::fit(FONT_SEAT_ACTION, state.actionText, textRight - textX + pad) : String();
    const int32_t actionY = (faceTop + chipsTop) / 2;

    // The face first: on small boxes the name reaches into its top rows and must
    // stay readable over it.
    TableArt::region(g, SLOT_AVATARS, avatar * c.avatarSize, 0, c.avatarSize, c.avatarSize, box.x + pad, faceTop);
    const int32_t nameWidth = box.w - 2 * pad - (marked ? c.markerSize + 2 : 0);
    // On boxes too low for a line of its own the action never runs into the name:
    // a fresh action takes the name's place for its 3 s, the lasting one of
    // heads-up gives way to the name.
    const int32_t nameBottom = box.y + pad + TableArt::height(FONT_SEAT_NAME);
    const bool actionCollides = actionShown && actionY - TableArt::height(FONT_SEAT_ACTION) / 2 < nameBottom;
    const bool actionOnNameLine = actionCollides && state.countdown > 0;
    if (view.handOver && v.wonPot && v.winnings > 0) {
        const int32_t font = blink ? FONT_WINNINGS_B : FONT_WINNINGS_A;
        TableArt::text(g, font, TableArt::fit(font, state.winningsText, nameWidth), box.x + box.w / 2, box.y + pad,
                       HCENTER | TOP);
    } else if (actionOnNameLine) {
        TableArt::text(g, FONT_SEAT_ACTION, TableArt::fit(FONT_SEAT_ACTION, state.actionText, nameWidth),
                       box.x + pad + 1, box.y + pad, LEFT | TOP);
    } else {
        TableArt::text(g, FONT_SEAT_NAME, TableArt::fit(FONT_SEAT_NAME, state.name, nameWidth), box.x + pad + 1,
                       box.y + pad, LEFT | TOP);
    }
    TableArt::text(g, FONT_SEAT_CHIPS, state.chipsText, textRight, box.y + box.h - pad, RIGHT | BOTTOM);
    if (actionShown && !actionCollides)
        TableArt::text(g, FONT_SEAT_ACTION, action, textRight, actionY, RIGHT | VCENTER);
}

void TablePainter::seatCards(Base2DGraphics& g, int32_t s)
{
    const TableView::Seat& v = game.view().seats[s];
    if (!v.seated || !v.inHand || v.holeCount == 0)
        return;
    const TableGame::SeatState& state = game.seat(s);
    const TableLayout::Point at = layout.holeCardOrigin(s);
    const bool faceUp = game.faceUp(s);
    for (int32_t i = 0; i < 2 && i < v.holeCount; ++i) {
        if (state.holeVisible[i])
            TableArt::card(g, v.holeCards[i], faceUp, /*small=*/true, at.x + i * layout.holeCardStep(), at.y, deck);
    }
}

void TablePainter::bet(Base2DGraphics& g, int32_t s)
{
    const TableView::Seat& v = game.view().seats[s];
    // Collected bets are in the pot; the round bets stay only for this display.
    if (!v.seated || v.roundBet <= 0 || game.view().betsCollected || (headsUp() && s > 1))
        return;
    TableLayout::Point at = layout.betOrigin(s);
    const ClassGeometry& c = geometry();
    const String& text = game.seat(s).betText;
    // The player's bet ends at its place (left of its cards); the others start there.
    if (s == TableGame::HUMAN_SEAT)
        at.x -= c.chipSize + 2 + TableArt::width(FONT_SEAT_CHIPS, text);
    // One chip of the colour of the stake, then the amount.
    const int32_t colour = std::min(4, std::max(0, game.getStakeLevel() - 1));
    TableArt::region(g, SLOT_CHIPS, colour * c.chipSize, 0, c.chipSize, c.chipSize, at.x, at.y);
    const int32_t textHeight = TableArt::height(FONT_SEAT_CHIPS);
    TableArt::text(g, FONT_SEAT_CHIPS, text, at.x + c.chipSize + 2, at.y + (c.chipSize - textHeight) / 2, LEFT | TOP);
}

void TablePainter::markers(Base2DGraphics& g)
{
    const TableView& view = game.view();
    if (view.state < 2 || view.dealer < 0 || view.handOver)
        return;
    const PokerTable& table = game.pokerTable();
    const int32_t size = geometry().markerSize;
    auto marker = [&](int32_t seatIndex, int32_t kind) {
        if (seatIndex < 0 || seatIndex >= TableGame::SEATS || !view.seats[seatIndex].seated)
            return;
        if (headsUp() && seatIndex > 1)
            return;
        const TableLayout::Point at = layout.markerOrigin(seatIndex);
        TableArt::region(g, SLOT_MARKERS, kind * size, 0, size, size, at.x, at.y);
    };
    // One marker a seat: the dealer's button wins over its blind.
    if (table.bigBlindSeat != view.dealer)
        marker(table.bigBlindSeat, 2);
    if (table.smallBlindSeat != view.dealer)
        marker(table.smallBlindSeat, 1);
    marker(view.dealer, 0);
}

void TablePainter::humanCards(Base2DGraphics& g)
{
    const TableView::Seat& v = game.view().seats[TableGame::HUMAN_SEAT];
    if (!v.seated || !v.inHand || v.holeCount == 0)
        return;
    const TableGame::SeatState& state = game.seat(TableGame::HUMAN_SEAT);
    const TableLayout::Point at = layout.humanCardsOrigin();
    for (int32_t i = 0; i < 2 && i < v.holeCount; ++i) {
        if (state.holeVisible[i])
            TableArt::card(g, v.holeCards[i], /*faceUp=*/true, /*small=*/false, at.x + i * layout.humanCardsStep(),
                           at.y, deck);
    }
}

// Part of the amount panel's picture h pixels high: its top rows and its bottom
// trim (fromBottom: the bottom rows instead of the top ones below the top trim).
void TablePainter::panelPart(Base2DGraphics& g, int32_t x, int32_t y, int32_t h, bool fromBottom)
{
    const ::Box full = amountPanelBox(geometry());
    const int32_t trim = std::min(full.w, full.h) / 14 + 2;
    if (h >= full.h || h <= 2 * trim) {
        TableArt::image(g, SLOT_AMOUNT_PANEL, x, y);
        return;
    }
    if (fromBottom) {
        TableArt::region(g, SLOT_AMOUNT_PANEL, 0, 0, full.w, trim, x, y);
        TableArt::region(g, SLOT_AMOUNT_PANEL, 0, full.h - (h - trim), full.w, h - trim, x, y + trim);
        return;
    }
    TableArt::region(g, SLOT_AMOUNT_PANEL, 0, 0, full.w, h - trim, x, y);
    TableArt::region(g, SLOT_AMOUNT_PANEL, 0, full.h - trim, full.w, trim, x, y + h - trim);
}

void TablePainter::paintAmountPanel(Base2DGraphics& g)
{
    const AmountEntry& entry = game.amount();
    const TableLayout::Box panel = layout.amountPanel();
    if (!entry.isOpen() || panel.empty())
        return;
    panelPart(g, panel.x, panel.y, panel.h, /*fromBottom=*/false);
    const TableLayout::Box keys = layout.keypadBox();
    if (!keys.empty()) {
        const int32_t margin = 6;
        panelPart(g, panel.x, keys.y - margin, keys.h + 2 * margin, /*fromBottom=*/true);
    }
    const int32_t inset = 6;
    TableArt::text(g, FONT_PANEL_CAPTION, getText(TEXT_YOUR_BET), panel.x + inset + 2, panel.y + inset, LEFT | TOP);
    const String range = formatMoney(entry.getMinimum()) + " - " + formatMoney(entry.getMaximum());
    TableArt::text(g, FONT_PANEL_CAPTION, range, panel.x + panel.w - inset - 2, panel.y + inset, RIGHT | TOP);

    const TableLayout::Box minus = layout.amountMinus();
    const TableLayout::Box plus = layout.amountPlus();
    // Arrow strip: minus plain, minus pressed, plus plain, plus pressed; an arrow
    // that cannot move is drawn pressed (dimmed).
    TableArt::region(g, SLOT_AMOUNT_ARROWS, entry.canDecrease() ? 0 : minus.w, 0, minus.w, minus.h, minus.x,
                     minus.y);
    TableArt::region(g, SLOT_AMOUNT_ARROWS, entry.canIncrease() ? 2 * plus.w : 3 * plus.w, 0, plus.w, plus.h,
                     plus.x, plus.y);
    // The field lies between the arrows.
    const int32_t fieldLeft = minus.x + minus.w + 4;
    const int32_t fieldRight = plus.x - 4;
    const String amount = String("$") + (entry.text().length() > 0 ? formatNumber(entry.amount()) : String());
    TableArt::text(g, FONT_AMOUNT, TableArt::fit(FONT_AMOUNT, amount, fieldRight - fieldLeft - 4),
                   (fieldLeft + fieldRight) / 2, minus.y + minus.h / 2, HCENTER | VCENTER);
}
