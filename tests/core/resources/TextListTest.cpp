#include "core/resources/TextList.h"

#include <gtest/gtest.h>

TEST(TextListTest, SplitsOnLineFeedsKeepingSpacesAndDroppingEmptyEntries)
{
    String list(" A.\nBob\n\nCy \n");
    Vector<String> entries = TextList::split(list);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_TRUE(entries[0].equals(String(" A.")));
    EXPECT_TRUE(entries[1].equals(String("Bob")));
    EXPECT_TRUE(entries[2].equals(String("Cy ")));
    EXPECT_EQ(TextList::split(String()).size(), 0);
    EXPECT_EQ(TextList::split(String("\n\n")).size(), 0);
    EXPECT_EQ(TextList::split(String("solo")).size(), 1);
}

TEST(TextListTest, EntriesAreViewsSoTheSameEntryComparesEqual)
{
    String list("Ann\nBea");
    Vector<String> first = TextList::split(list);
    Vector<String> second = TextList::split(list);
    EXPECT_EQ(first[1].getChars(), list.getChars() + 4);
    EXPECT_TRUE(first[1] == second[1]);
    EXPECT_FALSE(first[0] == second[1]);
}
