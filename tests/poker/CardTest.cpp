#include "poker/Board.h"
#include "poker/Card.h"
#include "poker/HoleCards.h"

#include <gtest/gtest.h>

TEST(CardTest, NamesParseBackAndJunkIsRefused)
{
    // Deuce of clubs first, ace of spades last; rank letter then suit letter.
    EXPECT_EQ(Card::name(0) + Card::name(21) + Card::name(51), "2CTDAS");
    EXPECT_EQ(Card::name(-1) + Card::name(52), "----");
    for (int card = 0; card < CARD_COUNT; ++card)
        EXPECT_EQ(Card::parse(Card::name(card)), card);
    EXPECT_EQ(Card::parse("ah"), Card::make(12, 2));
    for (const char* junk : { "", "A", "AHS", "1S", "AX", "SA" })
        EXPECT_EQ(Card::parse(junk), -1) << junk;
}

TEST(CardTest, BoardHoldsFiveAndHoleCardsTwo)
{
    Board board;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(board.add(10 + i), 1);
    EXPECT_EQ(board.add(40), 0);
    EXPECT_EQ(board.count, 5);
    EXPECT_EQ(board.get(4), 14);
    EXPECT_EQ(board.get(5), -1);
    EXPECT_EQ(board.get(-1), -1);
    board.clear();
    EXPECT_EQ(board.count, 0);
    EXPECT_EQ(board.get(0), -1);

    HoleCards hole;
    hole.add(3);
    EXPECT_EQ(hole.get(1), -1);
    hole.add(4);
    hole.add(5);
    EXPECT_EQ(hole.count, 2);
    EXPECT_EQ(hole.get(0), 3);
    EXPECT_EQ(hole.get(1), 4);
    hole.reset();
    EXPECT_EQ(hole.count, 0);
    EXPECT_EQ(hole.get(0), -1);
}
