#include "ImageSlots.h"

namespace {

bool spare(int32_t slot) { return (slot >= 37 && slot <= 44) || slot >= 50; }

} // namespace

int32_t imageIdFor(int32_t screenClass, int32_t slot)
{
    if (screenClass < 1 || screenClass > 7 || slot < 0 || slot >= IMAGE_SLOT_COUNT || spare(slot))
        return 0;
    // Slots 0..5 by class: the splash logos, backgrounds and table.
    static const int32_t firstSix[6][6] = {
        {1001, 1002, 1003, 1004, 1005, 1006}, {1052, 1071, 1072, 1073, 1074, 1075},
        {1052, 1053, 1054, 1055, 1056, 1057}, {1052, 1084, 1085, 1086, 1087, 1088},
        {1052, 1100, 1101, 1102, 1103, 1104}, {1118, 1119, 1120, 1121, 1122, 1123},
    };
    // The landscape class has all its own artwork, from 1560 like the rest below.
    if (slot < 6 && screenClass <= 6)
        return firstSix[screenClass - 1][slot];
    // The small icons are one set for classes 1..5.
    if (slot <= 9 && screenClass <= 5)
        return 1001 + slot;
    if (screenClass == 1 && (slot == 13 || slot == 14))
        return 1014;
    // Everything else: 60 ids per class from 1200.
    return 1200 + (screenClass - 1) * 60 + slot;
}

int32_t fourColourImageIdFor(int32_t screenClass, int32_t slot)
{
    if ((slot != SLOT_CARD_FACES && slot != SLOT_SMALL_CARD_FACES) || imageIdFor(screenClass, slot) == 0)
        return 0;
    return 1800 + 2 * (screenClass - 1) + (slot == SLOT_SMALL_CARD_FACES ? 1 : 0);
}

bool imageOwner(int32_t imageId, int32_t& screenClass, int32_t& slot)
{
    for (int32_t c = 1; c <= 7; ++c) {
        for (int32_t s = 0; s < IMAGE_SLOT_COUNT; ++s) {
            if (imageIdFor(c, s) == imageId && imageId != 0) {
                screenClass = c;
                slot = s;
                return true;
            }
        }
    }
    return false;
}
