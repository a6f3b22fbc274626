#include "table/AmountEntry.h"

#include <algorithm>
#include <cstdio>

void AmountEntry::open(int32_t low, int32_t high, int32_t raiseStep, int32_t preset)
{
    minimum = low;
    maximum = std::max(low, high);
    step = std::max(1, raiseStep);
    opened = true;
    setAmount(preset);
}

void AmountEntry::close()
{
    opened = false;
    length = 0;
    refresh();
}

bool AmountEntry::type(char16_t c)
{
    if (c == u'*' || c == u'a' || c == u'A') {
        allIn();
        return true;
    }
    if (c < u'0' || c > u'9')
        return false;
    if (untyped) {
        length = 0;
        untyped = false;
    }
    // A leading zero is replaced rather than kept in front of the number.
    if (length == 1 && digits[0] == '0')
        length = 0;
    if (length < MAX_DIGITS)
        digits[length++] = char(c);
    refresh();
    return true;
}

void AmountEntry::setAmount(int32_t value)
{
    untyped = true;
    value = std::max(0, value);
    length = std::snprintf(digits, sizeof digits, "%d", int(value));
    if (length < 0 || length > MAX_DIGITS)
        length = 0;
    refresh();
}

void AmountEntry::increase()
{
    if (canIncrease())
        setAmount(int32_t(std::min<int64_t>(int64_t(betAmount) + step, maximum)));
}

void AmountEntry::decrease()
{
    if (canDecrease())
        setAmount(std::max(betAmount - step, minimum));
}

bool AmountEntry::clear()
{
    if (length == 0) {
        close();
        return true;
    }
    // Deleting a digit makes the shown number the player's own to go on typing.
    untyped = false;
    --length;
    refresh();
    return false;
}

bool AmountEntry::confirm()
{
    if (betAmount >= minimum && betAmount <= maximum) {
        opened = false;
        return true;
    }
    setAmount(betAmount < minimum ? minimum : maximum);
    return false;
}

String AmountEntry::text() const
{
    char copy[MAX_DIGITS + 1];
    std::copy(digits, digits + length, copy);
    copy[length] = 0;
    return String(copy);
}

void AmountEntry::refresh()
{
    int64_t value = 0;
    for (int32_t i = 0; i < length; ++i)
        value = value * 10 + (digits[i] - '0');
    betAmount = int32_t(value); // nine digits stay below 2^31
}
