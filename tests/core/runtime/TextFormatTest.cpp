#include "core/runtime/TextFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string narrow(const String& s)
{
    CharArray chars = s.toCharArray();
    return chars.data;
}

TEST(TextFormatTest, NumbersGroupInThrees)
{
    EXPECT_EQ(narrow(formatNumber(1234567)), "1,234,567");
    EXPECT_EQ(narrow(formatNumber(-500)), "-500");
    EXPECT_EQ(narrow(formatNumber(999)), "999");
    EXPECT_EQ(narrow(formatNumber(1000)), "1,000");
    EXPECT_EQ(narrow(formatNumber(0)), "0");
    EXPECT_EQ(narrow(formatNumber(-123456)), "-123,456");
    EXPECT_EQ(narrow(formatNumber(INT32_MIN)), "-2,147,483,648");
}

TEST(TextFormatTest, MoneyExamplesAndBoundaries)
{
    EXPECT_EQ(narrow(formatMoney(9999)), "$9,999");
    EXPECT_EQ(narrow(formatMoney(10000)), "$10K");
    EXPECT_EQ(narrow(formatMoney(12345)), "$12K");
    EXPECT_EQ(narrow(formatMoney(250000)), "$250K");
    EXPECT_EQ(narrow(formatMoney(999999)), "$999K");
    EXPECT_EQ(narrow(formatMoney(1000000)), "$1.000M");
    EXPECT_EQ(narrow(formatMoney(1500000)), "$1.500M");
    EXPECT_EQ(narrow(formatMoney(12345678)), "$12.345M");
    EXPECT_EQ(narrow(formatMoney(INT32_MAX)), "$2.147.483M");
    EXPECT_EQ(narrow(formatMoney(-500)), "$-500");
    EXPECT_EQ(narrow(formatMoney(-25000)), "$-25,000");
    EXPECT_EQ(narrow(formatMoney(0)), "$0");
}

} // namespace
