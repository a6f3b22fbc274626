#include "poker/Board.h"
#include "poker/Card.h"
#include "poker/HoleCards.h"

#include <gtest/gtest.h>

TEST(CardTest, RankAndSuitFollowTheLetterTable)
{
    EXPECT_EQ(Card::rank(0), 0);  // deuce of clubs
    EXPECT_EQ(Card::suit(0), 0);
    EXPECT_EQ(Card::rank(51), 12); // ace of spades
    EXPECT_EQ(Card::suit(51), 3);
    EXPECT_EQ(Card::name(0), "2C");
    EXPECT_EQ(Card::name(21), "TD");
    EXPECT_EQ(Card::name(51), "AS");
    EXPECT_EQ(Card::name(-1) + Card::name(52), "----");
}

TEST(CardTest, ParseIsTheInverseOfNameAndRejectsJunk)
{
    for (int card = 0; card < CARD_COUNT; ++card)
        EXPECT_EQ(Card::parse(Card::name(card)), card);
    EXPECT_EQ(Card::parse("ah"), Card::make(12, 2));
    for (const char* junk : { "", "A", "AHS", "1S", "AX", "SA" })
        EXPECT_EQ(Card::parse(junk), -1) << junk;
}

TEST(CardTest, BoardHoldsFiveAndRefusesASixth)
{
    Board board;
    EXPECT_EQ(board.count, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(board.get(i), -1);
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
}

TEST(CardTest, HoleCardsIgnoreAThirdCard)
{
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
