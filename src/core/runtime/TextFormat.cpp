#include "TextFormat.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int32_t THOUSANDS_FROM = 10000;
constexpr int32_t MILLIONS_FROM = 1000000;

// Writes the grouped digits of value into out and returns the length.
int groupDigits(int32_t value, char (&out)[32])
{
    char digits[16];
    // int64_t so that the most negative value has a magnitude.
    int64_t magnitude = value < 0 ? -int64_t(value) : int64_t(value);
    int n = std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(magnitude));
    int length = 0;
    if (value < 0)
        out[length++] = '-';
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out[length++] = ',';
        out[length++] = digits[i];
    }
    out[length] = 0;
    return length;
}

} // namespace

String formatNumber(int32_t value)
{
    char text[32];
    groupDigits(value, text);
    return String(text);
}

String formatMoney(int32_t value)
{
    int32_t shown = value >= THOUSANDS_FROM ? value / 1000 : value;
    char grouped[32];
    groupDigits(shown, grouped);
    char text[40];
    int length = std::snprintf(text, sizeof text, "$%s", grouped);
    if (value >= MILLIONS_FROM) {
        // Every separator between the second and the fourth-last character.
        for (int i = 1; i <= length - 4; ++i) {
            if (text[i] == ',')
                text[i] = '.';
        }
        std::strcat(text, "M");
    } else if (value >= THOUSANDS_FROM) {
        std::strcat(text, "K");
    }
    return String(text);
}
