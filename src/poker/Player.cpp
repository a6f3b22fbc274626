#include "poker/Player.h"

Player::Player(PokerTable* owner, int seatNumber)
    : table(owner)
    , seat(int8_t(seatNumber))
    , name("NoName")
{
}

void Player::sit(const String& playerName, int playerType, int startChips)
{
    seated = true;
    inHand = false;
    name = playerName;
    type = int8_t(playerType);
    chips = startChips;
    roundBet = 0;
    hole.reset();
    lastAction = 0;
}

void Player::newHand()
{
    inHand = true;
    potLevel = 0;
    roundBet = 0;
    hole.reset();
    actions = 0;
    lastAction = 0;
    category = -1;
    for (int32_t& kicker : kickers)
        kicker = -1;
}

void Player::takeResult()
{
    category = analysis.category();
    for (int i = 0; i < 5; ++i)
        kickers[i] = analysis.kicker(i);
}
