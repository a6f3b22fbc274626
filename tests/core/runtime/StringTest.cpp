#include "core/runtime/String.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string text(const String& s)
{
    return std::u16string(s.getChars() ? s.getChars() : u"", size_t(s.length()));
}

TEST(StringTest, FreshStringsAreTerminatedCopiesShareAndEqualsNarrows)
{
    String a("poker");
    EXPECT_EQ(a.length(), 5);
    EXPECT_EQ(a.getChars()[5], 0);
    String b = a;
    EXPECT_TRUE(a == b);
    EXPECT_EQ(a.useCount(), 2);
    String c(u"poker");
    EXPECT_FALSE(a == c);
    EXPECT_TRUE(a.equals(c));
    // equals compares the low eight bits of each unit.
    const char16_t wide[] = {0x141, u'b', 0};
    EXPECT_TRUE(String(wide).equals(String("Ab")));
    EXPECT_FALSE(String("ab").equals(String("abc")));
    EXPECT_TRUE(String().equals(String("")));
}

TEST(StringTest, SubstringAndIndexOfBoundaries)
{
    String s("abcdef");
    EXPECT_EQ(text(s.substring(2, 4)), u"cd");
    EXPECT_EQ(s.substring(2, 4).getChars(), s.getChars() + 2);
    EXPECT_TRUE(s.substring(3, 3) == nullptr);
    EXPECT_TRUE(s.substring(6, 7) == nullptr);
    EXPECT_TRUE(s.substring(2, 7) == nullptr);
    EXPECT_TRUE(s.substring(6) == nullptr);
    EXPECT_EQ(text(s.substring(5)), u"f");
    EXPECT_EQ(s.substring(0, 6).length(), 6);
    String list("a,b,c");
    EXPECT_EQ(list.indexOf(u','), 1);
    EXPECT_EQ(list.indexOf(u',', 2), 3);
    EXPECT_EQ(list.indexOf(u'z'), -1);
    EXPECT_EQ(String().indexOf(u'a'), -1);
}

TEST(StringTest, TrimKeepsOrSharesStorage)
{
    String padded("  ab ");
    String trimmed = padded.trim();
    EXPECT_EQ(text(trimmed), u"ab");
    EXPECT_EQ(trimmed.getChars(), padded.getChars() + 2);

    String plain("ab");
    EXPECT_TRUE(plain.trim() == plain);
    EXPECT_TRUE(String("   ").trim() == nullptr);
    EXPECT_TRUE(String().trim() == nullptr);

    // A substring trims its own characters, not the ones around it in the buffer.
    String inner = String("x  y  z").substring(1, 6);
    EXPECT_EQ(text(inner.trim()), u"y");
}

TEST(StringTest, ConcatenationWithNullAndEmptyOperands)
{
    String left("ab");
    const char* none = nullptr;
    EXPECT_TRUE(left + none == left);
    EXPECT_TRUE(none + left == left);
    EXPECT_TRUE(left + String() == left);
    EXPECT_EQ(text(String() + left), u"ab");
    EXPECT_EQ(text(left + "cd"), u"abcd");
    EXPECT_EQ(text(left + u'!'), u"ab!");
    EXPECT_EQ(text(left + -42), u"ab-42");
    EXPECT_EQ(text(7 + left), u"7ab");
    EXPECT_EQ(text("x" + left), u"xab");
    EXPECT_EQ(text(u'$' + left), u"$ab");

    String grown = left;
    grown += "c";
    grown += u'd';
    grown += 5;
    grown += String("!");
    EXPECT_EQ(text(grown), u"abcd5!");
    EXPECT_EQ(text(left), u"ab");
    EXPECT_EQ(grown.getChars()[grown.length()], 0);
}

TEST(StringTest, ConversionsAreTerminated)
{
    String s("Ace");
    CharArray narrow = s.toCharArray();
    EXPECT_EQ(narrow.length, 4);
    EXPECT_STREQ(narrow.data, "Ace");
    WideCharArray wide = s.toWideCharArray();
    EXPECT_EQ(wide.length, 4);
    EXPECT_EQ(wide[3], 0);
    EXPECT_EQ(text(String("aBc9").toUpperCase()), u"ABC9");
}

} // namespace
