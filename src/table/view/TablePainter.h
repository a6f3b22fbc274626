#pragma once

#include "table/view/TableArt.h"

#include <cstdint>

class Base2DGraphics;
class TableGame;
class TableLayout;

// Draws the table of a game from its view: the felt and the table picture (the
// heads-up background of three tiled pictures for a heads-up game), the board, the
// pot, the seats with their cards, bets, actions and flashing winnings, the
// markers, the player's own cards and the bet amount panel. The widgets on top
// (action buttons, keypad, bubbles, messages) are the screen's.
class TablePainter {
public:
    TablePainter(const TableGame& game, const TableLayout& layout, bool blink);

    void paint(Base2DGraphics& g);
    void paintAmountPanel(Base2DGraphics& g);

private:
    void background(Base2DGraphics& g);
    void board(Base2DGraphics& g);
    void pot(Base2DGraphics& g);
    void result(Base2DGraphics& g, int32_t centreX, int32_t top);
    void seat(Base2DGraphics& g, int32_t s);
    void seatCards(Base2DGraphics& g, int32_t s);
    void bet(Base2DGraphics& g, int32_t s);
    void markers(Base2DGraphics& g);
    void humanCards(Base2DGraphics& g);
    void panelPart(Base2DGraphics& g, int32_t x, int32_t y, int32_t h, bool fromBottom);
    bool headsUp() const;

    const TableGame& game;
    const TableLayout& layout;
    bool blink;
    TableArt::Deck deck;
};
