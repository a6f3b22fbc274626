#include "core/runtime/TextFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string narrow(const String& s)
{
    CharArray chars = s.toCharArray();
    return chars.data;
}

TEST(TextFormatTest, NumbersGroupInThreesAndMoneyShortens)
{
    const std::pair<int32_t, const char*> numbers[] = {
        {1234567, "1,234,567"}, {-500, "-500"},         {999, "999"},
        {1000, "1,000"},        {0, "0"},               {-123456, "-123,456"},
        {INT32_MIN, "-2,147,483,648"}};
    for (const auto& [value, expected] : numbers)
        EXPECT_EQ(narrow(formatNumber(value)), expected);
    const std::pair<int32_t, const char*> money[] = {
        {9999, "$9,999"},       {10000, "$10K"},          {12345, "$12K"},     {250000, "$250K"},
        {999999, "$999K"},      {1000000, "$1.000M"},     {1500000, "$1.500M"}, {12345678, "$12.345M"},
        {INT32_MAX, "$2.147.483M"}, {-500, "$-500"},      {-25000, "$-25,000"}, {0, "$0"}};
    for (const auto& [value, expected] : money)
        EXPECT_EQ(narrow(formatMoney(value)), expected);
}

} // namespace
