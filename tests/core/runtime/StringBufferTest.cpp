#include "core/runtime/StringBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string text(const String& s)
{
    return std::u16string(s.getChars() ? s.getChars() : u"", size_t(s.length()));
}

TEST(StringBufferTest, GrowthSizes)
{
    StringBuffer fresh;
    fresh.append(u'a');
    EXPECT_EQ(fresh.capacity(), 25);

    StringBuffer reserved(50);
    reserved.append(u'a');
    EXPECT_EQ(reserved.capacity(), 50);

    StringBuffer growing;
    growing.append("0123456789012345"); // 16 units -> 40 capacity
    EXPECT_EQ(growing.capacity(), 40);
    growing.append("0123456789012345678901234"); // 41 units needed -> 65
    EXPECT_EQ(growing.capacity(), 65);

    StringBuffer exact;
    exact.append("0123456789012345"); // capacity 40
    exact.append("012345678901234567890123"); // exactly 40: fits, no growth
    EXPECT_EQ(exact.capacity(), 40);

    StringBuffer forty(39); // must grow to 40: gets 64
    forty.append(String("0123456789012345678901234567890123456789"));
    EXPECT_EQ(forty.length(), 40);
    EXPECT_EQ(forty.capacity(), 64);
}

TEST(StringBufferTest, AppendAfterToStringCopiesFirst)
{
    StringBuffer buffer;
    buffer.append("call");
    String view = buffer.toString();
    EXPECT_EQ(view.getChars(), buffer.toString().getChars()); // no copy for a view
    buffer.append(u's');
    buffer.setCharAt(0, u'C');
    EXPECT_EQ(text(view), u"call");
    EXPECT_EQ(text(buffer.toString()), u"Calls");
    EXPECT_EQ(buffer.capacity(), 28); // the unshared copy keeps the capacity
}

TEST(StringBufferTest, TakesOverAStringAndCopiesBeforeWriting)
{
    String original("raise");
    StringBuffer buffer(original);
    EXPECT_EQ(buffer.capacity(), 5);
    buffer.deleteCharAt(0);
    buffer.insert(0, u'p');
    EXPECT_EQ(text(original), u"raise");
    EXPECT_EQ(text(buffer.toString()), u"paise");
    StringBuffer copy = buffer; // copies share until one is written
    copy.append(u's');
    EXPECT_EQ(text(buffer.toString()), u"paise");
    EXPECT_EQ(text(copy.toString()), u"paises");
}

TEST(StringBufferTest, InsertAndDeleteShiftUnits)
{
    StringBuffer buffer;
    buffer.append("ace");
    buffer.insert(1, u'x');
    buffer.insert(4, u'!');
    EXPECT_EQ(text(buffer.toString()), u"axce!");
    buffer.deleteCharAt(4);
    buffer.deleteCharAt(0);
    EXPECT_EQ(text(buffer.toString()), u"xce");
}

TEST(StringBufferTest, AppendingItsOwnViewWhileGrowing)
{
    StringBuffer buffer;
    buffer.append("abcdefghijklmnopqrstuvwxy"); // fills the 49-unit buffer to 25
    String self = buffer.toString();
    buffer.append(self).append(self);
    EXPECT_EQ(buffer.length(), 75);
    EXPECT_EQ(buffer.charAt(74), u'y');
}

} // namespace
