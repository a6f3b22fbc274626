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
}

// An id shared by two classes must name the same picture at the same size.
TEST(DisplayTablesTest, SharedIdsAreSameSlotSameSize)
{
    std::map<int32_t, std::pair<int32_t, int32_t>> seen; // id -> class, slot
    for (int32_t c = 1; c <= 7; ++c) {
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

// A size with no class of its own keeps the tables it had; the landscape class has
// all its own pictures.
TEST(DisplayTablesTest, ClassChangeRefillsEverySlotAndClassesWithoutTablesKeepThem)
{
    fillDisplayTablesFor(3);
    const DisplayTables before = displayTables();
    fillDisplayTablesFor(4);
    const DisplayTables four = displayTables();
    EXPECT_NE(four.imageIds[SLOT_TABLE], before.imageIds[SLOT_TABLE]);
    fillDisplayTablesFor(0);
    EXPECT_EQ(displayTables().screenClass, 4);
    for (int32_t s = 0; s < IMAGE_SLOT_COUNT; ++s)
        EXPECT_EQ(displayTables().imageIds[s], four.imageIds[s]) << s;
    fillDisplayTablesFor(7);
    EXPECT_EQ(displayTables().screenClass, 7);
    for (int32_t s = 0; s < IMAGE_SLOT_COUNT; ++s)
        EXPECT_FALSE(displayTables().imageIds[s] != 0 && displayTables().imageIds[s] == before.imageIds[s]) << s;
}

TEST(DisplayTablesTest, FontsAreCompleteAndMatchTheirSheets)
{
    for (int32_t c = 1; c <= 7; ++c) {
        fillDisplayTablesFor(c);
        for (int32_t f = 0; f < FONT_COUNT; ++f) {
            const FontDescriptor& d = displayTables().fonts[f];
            ASSERT_EQ(d.widths.length, GLYPH_COUNT);
            ASSERT_EQ(d.charset.length(), GLYPH_COUNT);
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
    // The landscape frame is read at scale 1 on a desktop: no text under 11 pixels.
    for (int32_t family = 0; family < GLYPH_FAMILY_COUNT; ++family)
        EXPECT_GE(glyphFamilyPixels(classGeometry(7), family), 11) << family;
}

struct Rect {
    int32_t x, y, w, h;
    bool meets(const Rect& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
    bool within(int32_t width, int32_t height) const { return x >= 0 && y >= 0 && x + w <= width && y + h <= height; }
};

Rect rectAt(const IntArray& a, int32_t i, int32_t w, int32_t h) { return {a[i], a[i + 1], w, h}; }

TEST(DisplayTablesTest, LayoutRowsExistAndStayOnTheDisplay)
{
    const int32_t keys[][2] = {{1, 1}, {1, 2}, {1, 3}, {2, 0}, {2, 9}, {2, 10}, {2, 11},
                               {3, 0}, {3, 4}, {4, 6}, {4, 7}, {4, 8}, {7, 0}};
    const int32_t sizes[][2] = {{176, 220}, {240, 240}, {240, 320}, {320, 240}, {320, 320},
                                {480, 640}, {640, 360}, {640, 400}, {640, 480}};
    for (const auto& size : sizes) {
        setDisplaySize(size[0], size[1]);
        const int32_t c = screenClass();
        fillDisplayTables();
        const ClassGeometry g = c == 7 ? landscapeGeometry(size[1]) : classGeometry(c);
        ASSERT_EQ(g.height, size[1]);
        for (auto& key : keys)
            ASSERT_NE(findScreenLayout(key[0], key[1]), nullptr) << c << ": " << key[0] << "/" << key[1];
        EXPECT_EQ(findScreenLayout(4, 5), nullptr);
        for (int32_t r = 0; r < SHARED_RECT_COUNT; ++r) {
            const IntArray& rect = displayTables().sharedRects[r];
            ASSERT_GE(rect.length, 4);
            EXPECT_TRUE(rect[2] > 0 && rect[3] > 0 && rectAt(rect, 0, rect[2], rect[3]).within(g.width, g.height))
                << c << " rect " << r;
        }

        const ScreenLayout& table = *findScreenLayout(4, 6);
        const IntArray& seats = table.extra[EXTRA_SEATS];
        ASSERT_EQ(seats.length, 12);
        for (int32_t s = 0; s < 6; ++s) {
            const Rect seat = rectAt(seats, 2 * s, g.seatWidth, g.seatHeight);
            EXPECT_TRUE(seat.within(g.width, g.height - g.softKeyHeight)) << c << " seat " << s;
            for (int32_t t = 0; t < s; ++t)
                EXPECT_FALSE(seat.meets(rectAt(seats, 2 * t, g.seatWidth, g.seatHeight))) << c << " seats " << s << "/" << t;
        }
        // The board sits between the rows of seats.
        const IntArray& board = table.extra[EXTRA_BOARD];
        EXPECT_GT(board[1], seats[2 * 3 + 1] + g.seatHeight + g.smallCardHeight);
        // (landscape: the player's seat is the one bottom seat)
        const int32_t bottomSeat = c == 7 ? 0 : 1;
        EXPECT_LT(board[1] + g.cardHeight, seats[2 * bottomSeat + 1] - g.smallCardHeight);
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

// The landscape table at 16:9, 16:10 and 4:3 and a height between: nothing that
// shows at the same time overlaps, the keypad stays beside the board, and the
// pictures drawn for the tallest frame line up with the rows at every height.
TEST(DisplayTablesTest, LandscapeTableKeepsItsPartsApartAtEveryHeight)
{
    const ClassGeometry& art = classGeometry(7);
    for (int32_t height : {360, 400, 432, 480}) {
        SCOPED_TRACE(height);
        setDisplaySize(640, height);
        fillDisplayTables();
        const ClassGeometry g = landscapeGeometry(height);
        for (int32_t variant : {6, 7, 8}) {
            SCOPED_TRACE(variant);
            const ScreenLayout& row = *findScreenLayout(SCREEN_KIND_TABLE, variant);
            const IntArray& seats = row.extra[EXTRA_SEATS];
            const IntArray& board = row.extra[EXTRA_BOARD];
            const IntArray& keypad = row.extra[EXTRA_KEYPAD];
            const IntArray& panel = row.extra[EXTRA_AMOUNT_PANEL];
            const IntArray& buttons = row.extra[EXTRA_ACTION_MENU];
            const IntArray& human = row.extra[EXTRA_HUMAN_CARDS];
            const Rect boardBox{board[0], board[1], 4 * board[2] + g.cardWidth, g.cardHeight};
            const Rect keypadBox{keypad[0], keypad[1], 5 * keypad[2] + 4 * keypad[4], 3 * keypad[3] + 2 * keypad[4]};
            const Rect panelBox{panel[0], panel[1], panel[2], panel[3]};
            const Rect buttonRow{buttons[0], buttons[1], 3 * buttons[2] + 2 * buttons[4], buttons[3]};
            const Rect humanCards{human[0], human[1], human[2] + g.cardWidth, g.cardHeight};
            const Rect frame{0, 0, 640, height - g.softKeyHeight};
            std::vector<Rect> seatBoxes;
            for (int32_t s = 0; s < (variant == 7 ? 2 : 6); ++s)
                seatBoxes.push_back(rectAt(seats, 2 * s, g.seatWidth, g.seatHeight));
            for (const Rect& r : {boardBox, keypadBox, panelBox, buttonRow, humanCards})
                EXPECT_TRUE(r.within(frame.w, frame.h)) << r.x << "," << r.y;
            EXPECT_FALSE(keypadBox.meets(boardBox) || keypadBox.meets(panelBox) || keypadBox.meets(humanCards) ||
                         panelBox.meets(humanCards) || buttonRow.meets(humanCards) || boardBox.meets(humanCards));
            for (size_t s = 0; s < seatBoxes.size(); ++s) {
                EXPECT_FALSE(keypadBox.meets(seatBoxes[s]) || buttonRow.meets(seatBoxes[s]) || boardBox.meets(seatBoxes[s]))
                    << "seat " << s;
                const Rect cards = rectAt(row.extra[EXTRA_HOLE_CARDS], 2 * int32_t(s), 2 * g.smallCardWidth + 2,
                                          g.smallCardHeight);
                EXPECT_FALSE(s > 0 && (cards.meets(boardBox) || cards.meets(keypadBox))) << "seat " << s;
            }
            // The player at the bottom centre, the buttons at the bottom right.
            EXPECT_EQ(seatBoxes[0].x + seatBoxes[0].w / 2, 320);
            EXPECT_GT(buttonRow.x, seatBoxes[0].x + seatBoxes[0].w);
            EXPECT_EQ(seatBoxes[0].y + seatBoxes[0].h + 4, frame.h);
        }
        // The loading picture is drawn for 480 rows and centred; its trough must
        // meet the bar at every height.
        const ScreenLayout& loading = *findScreenLayout(SCREEN_KIND_SPLASH, 2);
        ASSERT_EQ(loading.titleImagePosition.length, 2);
        EXPECT_EQ(loading.titleImagePosition[1], (height - art.height) / 2);
        EXPECT_EQ(loading.extra[EXTRA_PROGRESS][1] - loading.titleImagePosition[1], progressBox(art).y);
        // Menus are a centred column.
        const IntArray& rows = findScreenLayout(SCREEN_KIND_MENU, 0)->extra[EXTRA_MENU_ROWS];
        EXPECT_EQ(rows[0] + rows[1] / 2, 320);
    }
}

} // namespace
