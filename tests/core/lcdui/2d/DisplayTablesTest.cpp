#include "core/lcdui/2d/DisplayTables.h"

#include "core/lcdui/2d/ClassGeometry.h"
#include "core/lcdui/2d/GlyphMetrics.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/lcdui/2d/ScreenClass.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

TEST(ScreenClassTest, EverySizeOfTheTable)
{
    const int32_t cases[][3] = { { 176, 220, 1 }, { 176, 208, 1 }, { 240, 240, 2 }, { 240, 320, 3 },
                                 { 240, 400, 3 }, { 320, 240, 4 }, { 320, 320, 5 }, { 320, 480, 5 },
                                 { 480, 640, 6 }, { 480, 800, 6 }, { 640, 480, 7 }, { 800, 600, 0 }, { 0, 0, 0 } };
    for (const auto& c : cases)
        EXPECT_EQ(screenClassFor(c[0], c[1]), c[2]) << c[0] << "x" << c[1];
    setDisplaySize(320, 240);
    EXPECT_EQ(screenClass(), 4);
    EXPECT_EQ(displayWidth(), 320);
}

// An id shared by two classes must name the same picture at the same size.
TEST(DisplayTablesTest, SharedIdsAreSameSlotSameSize)
{
    std::map<int32_t, std::pair<int32_t, int32_t>> seen; // id -> class, slot
    for (int32_t c = 1; c <= 6; ++c) {
        for (int32_t s = 0; s < IMAGE_SLOT_COUNT; ++s) {
            const int32_t id = imageIdFor(c, s);
            if (id == 0)
                continue;
            auto found = seen.find(id);
            if (found == seen.end()) {
                seen[id] = {c, s};
                continue;
            }
            const ClassGeometry& a = classGeometry(found->second.first);
            const ClassGeometry& b = classGeometry(c);
            if (found->second.first == c) {
                EXPECT_TRUE(c == 1 && id == 1014) << id; // one image in two slots
                continue;
            }
            EXPECT_EQ(found->second.second, s) << id;
            EXPECT_EQ(a.arrowSize, b.arrowSize);
            EXPECT_EQ(a.chipSize, b.chipSize);
            EXPECT_EQ(a.markerSize, b.markerSize);
            if (s == SLOT_LOGO_STRIP) {
                EXPECT_EQ(a.logoSize, b.logoSize);
            }
            EXPECT_TRUE(s == SLOT_LOGO_STRIP || (s >= 6 && s <= 9)) << id;
        }
    }
}

TEST(DisplayTablesTest, ClassChangeRefillsEverySlotAndClassesWithoutTablesKeepThem)
{
    fillDisplayTablesFor(3);
    DisplayTables before = displayTables();
    fillDisplayTablesFor(4);
    int32_t changed = 0;
    for (int32_t s = 0; s < IMAGE_SLOT_COUNT; ++s)
        changed += displayTables().imageIds[s] != before.imageIds[s];
    // All but the shared logo strip, the four shared icons and the 13 spare slots.
    EXPECT_EQ(changed, IMAGE_SLOT_COUNT - 1 - 4 - 13);
    EXPECT_EQ(displayTables().screenClass, 4);
    fillDisplayTablesFor(0);
    fillDisplayTablesFor(7);
    EXPECT_EQ(displayTables().screenClass, 4);
    EXPECT_EQ(displayTables().imageIds[1], 1084);
}

TEST(DisplayTablesTest, FontsAreCompleteAndMatchTheirSheets)
{
    for (int32_t c = 1; c <= 6; ++c) {
        fillDisplayTablesFor(c);
        for (int32_t f = 0; f < FONT_COUNT; ++f) {
            const FontDescriptor& d = displayTables().fonts[f];
            ASSERT_EQ(d.widths.length, GLYPH_COUNT);
            ASSERT_EQ(d.charset.length(), GLYPH_COUNT);
            EXPECT_EQ(d.charset.charAt(79), u'"');
            EXPECT_EQ(d.charset.charAt(87), u'\\');
            ASSERT_GE(d.sheetSlot, SLOT_GLYPHS_FIRST);
            ASSERT_LT(d.sheetSlot, SLOT_GLYPHS_FIRST + GLYPH_FAMILY_COUNT);
            EXPECT_NE(displayTables().imageIds[d.sheetSlot], 0);
            const GlyphSheetMetrics& sheet = glyphSheetMetrics(c, d.sheetSlot - SLOT_GLYPHS_FIRST);
            EXPECT_EQ(d.glyphHeight, sheet.cellHeight);
            for (int32_t g = 0; g < GLYPH_COUNT; ++g)
                EXPECT_GT(d.widths[g], 0) << c << " font " << f << " glyph " << g;
        }
        // Text grows with the class: the body font of class 6 is taller than class 1's.
        EXPECT_GT(glyphSheetMetrics(6, GLYPHS_MEDIUM).cellHeight, glyphSheetMetrics(1, GLYPHS_MEDIUM).cellHeight);
    }
}

bool inside(const IntArray& r, int32_t width, int32_t height)
{
    return r.length >= 4 && r[0] >= 0 && r[1] >= 0 && r[2] > 0 && r[3] > 0 && r[0] + r[2] <= width &&
           r[1] + r[3] <= height;
}

TEST(DisplayTablesTest, LayoutRowsExistAndStayOnTheDisplay)
{
    const int32_t keys[][2] = {{1, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 9}, {2, 10}, {2, 11},
                               {3, 0}, {3, 4}, {4, 6}, {4, 7}, {4, 8}, {7, 0}};
    for (int32_t c = 1; c <= 6; ++c) {
        fillDisplayTablesFor(c);
        const ClassGeometry& g = classGeometry(c);
        for (auto& key : keys)
            ASSERT_NE(findScreenLayout(key[0], key[1]), nullptr) << c << ": " << key[0] << "/" << key[1];
        EXPECT_EQ(findScreenLayout(4, 5), nullptr);
        for (int32_t r = 0; r < SHARED_RECT_COUNT; ++r)
            EXPECT_TRUE(inside(displayTables().sharedRects[r], g.width, g.height)) << c << " rect " << r;

        const ScreenLayout& table = *findScreenLayout(4, 6);
        const IntArray& seats = table.extra[EXTRA_SEATS];
        ASSERT_EQ(seats.length, 12);
        for (int32_t s = 0; s < 6; ++s) {
            EXPECT_GE(seats[2 * s], 0);
            EXPECT_LE(seats[2 * s] + g.seatWidth, g.width) << c << " seat " << s;
            EXPECT_GE(seats[2 * s + 1], 0);
            EXPECT_LE(seats[2 * s + 1] + g.seatHeight, g.height - g.softKeyHeight) << c << " seat " << s;
            // No two seat boxes overlap.
            for (int32_t t = 0; t < s; ++t) {
                const bool apart = seats[2 * s] + g.seatWidth <= seats[2 * t] ||
                                   seats[2 * t] + g.seatWidth <= seats[2 * s] ||
                                   seats[2 * s + 1] + g.seatHeight <= seats[2 * t + 1] ||
                                   seats[2 * t + 1] + g.seatHeight <= seats[2 * s + 1];
                EXPECT_TRUE(apart) << c << " seats " << s << " and " << t;
            }
        }
        // The board sits between the rows of seats.
        const IntArray& board = table.extra[EXTRA_BOARD];
        EXPECT_GT(board[1], seats[2 * 3 + 1] + g.seatHeight + g.smallCardHeight);
        EXPECT_LT(board[1] + g.cardHeight, seats[1] - g.smallCardHeight);
        EXPECT_LE(board[0] + 4 * board[2] + g.cardWidth, g.width);
        // The keypad fits its panel.
        const IntArray& panel = table.extra[EXTRA_AMOUNT_PANEL];
        const IntArray& keypad = table.extra[EXTRA_KEYPAD];
        if (c != 1) {
            EXPECT_GE(keypad[0], panel[0]);
            EXPECT_LE(keypad[0] + 5 * keypad[2] + 4 * keypad[4], panel[0] + panel[2]);
            EXPECT_LE(keypad[1] + 3 * keypad[3] + 2 * keypad[4], panel[1] + panel[3]);
        }
        ASSERT_NE(findItemLayout(ITEM_KIND_CHOICE, 0), nullptr);
        ASSERT_NE(findItemLayout(ITEM_KIND_KEYPAD, 0), nullptr);
    }
}

} // namespace
