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
    // Entries are views, so the same entry of two splits compares equal.
    Vector<String> again = TextList::split(list);
    EXPECT_EQ(entries[1].getChars(), list.getChars() + 4);
    EXPECT_TRUE(entries[1] == again[1]);
    EXPECT_FALSE(entries[0] == again[1]);
}
