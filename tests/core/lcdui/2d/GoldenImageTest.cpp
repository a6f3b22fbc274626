// Composed scenes of every display class against PNGs under tests/data/lcdui.
// Regenerate on purpose after a deliberate change to the renderer or the artwork:
//   KM_UPDATE_GOLDENS=1 build/tests/core/lcdui/2d/lcdui_tests --gtest_filter='*GoldenImageTest*'
#include "GoldenPng.h"
#include "PackFixture.h"

#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/lcdui/2d/ClassGeometry.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "host/headless/HeadlessFrameSink.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

const int32_t sizes[6][2] = {{176, 220}, {240, 240}, {240, 320}, {320, 240}, {320, 320}, {480, 640}};

void textScene(Display& display, ScreenSurface& g)
{
    g.drawImage(display.getImage(SLOT_MENU_BACKGROUND), 0, 0, TOP | LEFT);
    const int32_t w = g.getDisplay().width;
    SharedPointer<Font> title = display.getFont(FONT_TITLE);
    g.setFont(title);
    int32_t y = 2;
    g.drawString(String("Main Menu"), w / 2, y, HCENTER | TOP);
    y = classGeometry(displayTables().screenClass).titleHeight + 4;
    const int32_t fonts[] = {FONT_MENU, FONT_BODY, FONT_BODY_HIGHLIGHT, FONT_SEAT_CHIPS, FONT_CAPTION};
    for (int32_t index : fonts) {
        SharedPointer<Font> font = display.getFont(index);
        g.setFont(font);
        g.drawString(String("Cash Game $1,250"), 4, y, TOP | LEFT);
        y += font->getHeight();
    }
    SharedPointer<Font> font = display.getFont(FONT_BODY);
    g.setFont(font);
    const int32_t styles[] = {FONT_STYLE_BOLD, FONT_STYLE_SLANTED, FONT_STYLE_UNDERLINE, FONT_STYLE_SECOND_COLOR};
    for (int32_t style : styles) {
        font->setStyle(style);
        g.drawString(String("Raise to 400"), w - 4, y, RIGHT | TOP);
        y += font->getHeight();
    }
    font->setStyle(0);
    g.setFont(display.getFont(FONT_SOFT_KEY));
    const int32_t bar = g.getDisplay().height - classGeometry(displayTables().screenClass).softKeyHeight;
    g.drawString(String("Select"), 4, bar + 3, TOP | LEFT);
    g.drawString(String("Back"), w - 4, bar + 3, TOP | RIGHT);
}

void tableScene(Display& display, ScreenSurface& g)
{
    const ClassGeometry& geometry = classGeometry(displayTables().screenClass);
    const ScreenLayout& row = *findScreenLayout(SCREEN_KIND_TABLE, 6);
    g.setColor(row.backgroundColour);
    g.fillRect(0, 0, geometry.width, geometry.height);
    const IntArray& table = row.extra[EXTRA_TABLE_IMAGE];
    g.drawImage(display.getImage(table[2]), table[0], table[1], TOP | LEFT);
    const IntArray& board = row.extra[EXTRA_BOARD];
    const int32_t cards[5] = {12, 24, 38, 49, 3}; // rank = card % 13, suit = card / 13
    for (int32_t i = 0; i < 5; ++i)
        g.drawRegion(display.getImage(SLOT_CARD_FACES), board[0] + i * board[2], board[1], TOP | LEFT,
                     (cards[i] % 13) * geometry.cardWidth, (cards[i] / 13) * geometry.cardHeight,
                     geometry.cardWidth, geometry.cardHeight);
    const IntArray& seats = row.extra[EXTRA_SEATS];
    const IntArray& hole = row.extra[EXTRA_HOLE_CARDS];
    for (int32_t s = 0; s < 6; ++s) {
        g.drawRegion(display.getImage(SLOT_SEAT_BOX), seats[2 * s], seats[2 * s + 1], TOP | LEFT,
                     s == 2 ? geometry.seatWidth : 0, 0, geometry.seatWidth, geometry.seatHeight);
        g.drawRegion(display.getImage(SLOT_AVATARS), seats[2 * s] + 2, seats[2 * s + 1] + 2, TOP | LEFT,
                     s * 2 % 8 * geometry.avatarSize, 0, geometry.avatarSize, geometry.avatarSize);
        g.setFont(display.getFont(FONT_SEAT_NAME));
        g.drawString(String("Ann"), seats[2 * s] + geometry.avatarSize + 4, seats[2 * s + 1] + 2, TOP | LEFT);
        g.setFont(display.getFont(FONT_SEAT_CHIPS));
        g.drawString(String("$9,500"), seats[2 * s] + geometry.seatWidth - 3,
                     seats[2 * s + 1] + geometry.seatHeight - 2, RIGHT | BOTTOM);
        if (s == 0)
            continue;
        for (int32_t c = 0; c < 2; ++c)
            g.drawImage(display.getImage(SLOT_SMALL_CARD_BACK), hole[2 * s] + c * (geometry.smallCardWidth + 2),
                        hole[2 * s + 1], TOP | LEFT);
    }
    const IntArray& pot = row.extra[EXTRA_POT];
    g.drawImage(display.getImage(SLOT_POT), pot[2], pot[3], HCENTER | TOP);
    g.setFont(display.getFont(FONT_POT));
    g.drawString(String("$2,400"), pot[2], pot[3] + geometry.chipSize * 2, HCENTER | TOP);
    const IntArray& markers = row.extra[EXTRA_MARKERS];
    for (int32_t m = 0; m < 3; ++m)
        g.drawRegion(display.getImage(SLOT_MARKERS), markers[2 * (m + 1)], markers[2 * (m + 1) + 1], TOP | LEFT,
                     m * geometry.markerSize, 0, geometry.markerSize, geometry.markerSize);
    g.drawRegion(display.getImage(SLOT_CHIPS), 4, geometry.height / 2, TOP | LEFT, 0, 0, geometry.chipSize * 5,
                 geometry.chipSize);
}


void checkScene(int32_t screenClass, const char* name, void (*scene)(Display&, ScreenSurface&))
{
    ASSERT_TRUE(openBuiltPack());
    HeadlessFrameSink window;
    Display display(nullptr, &window);
    ASSERT_TRUE(display.setMetrics(DisplayMetrics(sizes[screenClass - 1][0], sizes[screenClass - 1][1])));
    scene(display, *display.getSurface());
    display.getSurface()->present();
    const char* data = std::getenv("KM_TEST_DATA");
    const std::string path = std::string(data ? data : "tests/data") + "/lcdui/" + name + "-class" +
                             std::to_string(screenClass) + ".png";
    if (std::getenv("KM_UPDATE_GOLDENS")) {
        ASSERT_TRUE(window.writePng(path));
        return;
    }
    int32_t width = 0, height = 0;
    std::vector<uint8_t> golden = decodeGolden(path, width, height);
    ASSERT_EQ(width, window.width()) << path;
    ASSERT_EQ(height, window.height()) << path;
    int32_t differing = 0;
    for (size_t i = 0; i < golden.size(); i += 3)
        differing += golden[i] != window.frame()[i] || golden[i + 1] != window.frame()[i + 1] ||
                     golden[i + 2] != window.frame()[i + 2];
    if (differing)
        window.writePng(path + ".actual.png");
    EXPECT_EQ(differing, 0) << path << " differs; the frame is in " << path << ".actual.png";
}

class GoldenImageTest : public testing::TestWithParam<int32_t> { };

TEST_P(GoldenImageTest, TextInFontsAndStyles) { checkScene(GetParam(), "text", textScene); }
TEST_P(GoldenImageTest, TableWithCardsAndChips) { checkScene(GetParam(), "table", tableScene); }

INSTANTIATE_TEST_SUITE_P(EveryClass, GoldenImageTest, testing::Range(1, 7));

} // namespace
