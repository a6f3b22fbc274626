#pragma once

#include "String.h"

#include <cstdint>

// Digits of |value| grouped by "," in threes from the right, "-" in front when
// negative: 1234567 -> "1,234,567".
String formatNumber(int32_t value);

// Chip amounts for the table and menus: "$9,999", "$12K" from 10000 on (thousands,
// truncated), "$1.500M" from a million on (thousands with "." separators).
String formatMoney(int32_t value);
