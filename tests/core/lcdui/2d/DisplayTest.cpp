#include "core/lcdui/2d/Display.h"

#include "PackFixture.h"

#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/lcdui/2d/TextFit.h"
#include "core/resources/Base2DImage.h"
#include "host/headless/HeadlessFrameSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

struct Listener : DisplayListener {
    void displayChanged() override { ++changes; }
    bool isCurrentScreen(const Object* screen) const override { return screen == current; }
    int32_t changes = 0;
    const Object* current = nullptr;
};

struct DisplayFixture : testing::Test {
    void SetUp() override { ASSERT_TRUE(openBuiltPack()) << "the resource pack is built with the tests"; }
    Listener listener;
    HeadlessFrameSink window;
    CountingStream stream;
    Display display { &listener, &window, &stream };
};

TEST_F(DisplayFixture, SetMetricsRebuildsSurfaceAndTables)
{
    EXPECT_TRUE(display.setMetrics(DisplayMetrics(240, 320)));
    EXPECT_EQ(screenClass(), 3);
    EXPECT_EQ(display.getSurface()->getByteCount(), 240 * 320 * 3);
    SurfaceDescription surface;
    ASSERT_TRUE(display.getSurface()->lockSurface(surface));
    EXPECT_EQ(surface.yStride, 240);
    display.getSurface()->unlockSurface();
    const int32_t portrait = displayTables().imageIds[SLOT_LOADING_BACKGROUND];
    EXPECT_EQ(listener.changes, 1);
    EXPECT_TRUE(display.setMetrics(DisplayMetrics(320, 240)));
    EXPECT_NE(displayTables().imageIds[SLOT_LOADING_BACKGROUND], portrait);
    EXPECT_EQ(listener.changes, 2);
}

TEST_F(DisplayFixture, ImagesAndFontsAreSharedUntilTheSizeChanges)
{
    display.setMetrics(DisplayMetrics(176, 220));
    SharedPointer<Base2DImage> first = display.getImage(SLOT_CARD_FACES);
    ASSERT_NE(first.raw(), nullptr);
    EXPECT_EQ(first->width, 13 * 20);
    SharedPointer<Base2DImage> again = display.getImage(SLOT_CARD_FACES);
    EXPECT_EQ(first.raw(), again.raw());
    EXPECT_EQ(stream.opens, 1);
    // One image in two slots: each slot loads its own copy once.
    EXPECT_EQ(displayTables().imageIds[13], displayTables().imageIds[14]);
    display.setMetrics(DisplayMetrics(176, 220));
    SharedPointer<Base2DImage> reloaded = display.getImage(SLOT_CARD_FACES);
    EXPECT_EQ(stream.opens, 2);
    EXPECT_NE(reloaded.raw(), first.raw());
    EXPECT_EQ(first.useCount(), 2); // the old image lives on in our handles only
    // Spare and out-of-range slots give empty handles without touching the pack.
    for (int32_t slot : {40, -1, 55})
        EXPECT_EQ(display.getImage(slot).raw(), nullptr) << slot;
    EXPECT_EQ(stream.opens, 2);
    EXPECT_EQ(display.getFont(26).raw(), nullptr);
    // Fonts too are built once and rebuilt after a release.
    SharedPointer<Font> title = display.getFont(FONT_TITLE);
    ASSERT_NE(title.raw(), nullptr);
    EXPECT_EQ(display.getFont(FONT_TITLE).raw(), title.raw());
    EXPECT_GT(title->stringWidth(String("Kestrelmoore")), 40);
    display.releaseCaches();
    EXPECT_NE(display.getFont(FONT_TITLE).raw(), title.raw());
}

TEST_F(DisplayFixture, PresentOnlyWhenEnabledAndRepaintOnlyForTheCurrentScreen)
{
    display.setMetrics(DisplayMetrics(176, 220));
    ScreenSurface& g = *display.getSurface();
    g.setColor(0x123456);
    g.fillRect(0, 0, 176, 220);
    g.disable();
    g.present();
    EXPECT_EQ(window.presentCount(), 0);
    g.enable();
    g.present();
    ASSERT_EQ(window.presentCount(), 1);
    EXPECT_EQ(window.width(), 176);
    EXPECT_EQ(window.frame()[0] | window.frame()[2] << 16, 0x120056);
    // Repaints are asked only for the current screen.
    Object current, other;
    listener.current = &current;
    display.requestRepaint(&other);
    EXPECT_EQ(window.repaintRequests(), 0);
    display.requestRepaint(&current);
    EXPECT_EQ(window.repaintRequests(), 1);
}

TEST_F(DisplayFixture, FitWithEllipsis)
{
    display.setMetrics(DisplayMetrics(240, 320));
    SharedPointer<Font> font = display.getFont(FONT_SEAT_NAME);
    const String name("Bartholomew");
    const int32_t width = font->stringWidth(name);
    EXPECT_TRUE(display.fitWithEllipsis(name, width + 1, FONT_SEAT_NAME).equals(name));
    const String exact = display.fitWithEllipsis(name, width, FONT_SEAT_NAME);
    EXPECT_LT(exact.length(), name.length() + 3);
    EXPECT_EQ(exact.charAt(exact.length() - 1), u'.');
    EXPECT_LT(font->stringWidth(exact), width);
    EXPECT_EQ(display.fitWithEllipsis(String(), 10, FONT_SEAT_NAME).length(), 0);
    EXPECT_TRUE(display.fitWithEllipsis(name, 1, FONT_SEAT_NAME).equals(String("...")));
    EXPECT_EQ(fitText(name, 1, *font.raw()).length(), 0);
    EXPECT_EQ(fitText(name, width, *font.raw()).length(), name.length() - 1);
    EXPECT_EQ(fitText(name, width + 1, *font.raw()).length(), name.length());
}

// The colour of a pixel of a palette image, 0xRRGGBB.
uint32_t rgbAt(const Base2DImage& image, int32_t x, int32_t y)
{
    const uint8_t* entry = image.palette + 3 * image.pixels[y * image.width + x];
    return uint32_t(entry[2]) << 16 | uint32_t(entry[1]) << 8 | entry[0];
}

// How many pixels of a band of rows are mostly blue, mostly green, or clearly differ
// from the same pixel of another image.
struct BandCount {
    int32_t blue = 0, green = 0, changed = 0;
};

BandCount countBand(const Base2DImage& image, const Base2DImage& other, int32_t top, int32_t height)
{
    BandCount count;
    for (int32_t y = top; y < top + height; ++y) {
        for (int32_t x = 0; x < image.width; ++x) {
            const uint32_t c = rgbAt(image, x, y);
            const int32_t r = c >> 16, g = c >> 8 & 0xFF, b = c & 0xFF;
            count.blue += b > 120 && b > r + 60 && b > g + 40;
            count.green += g > 90 && g > r + 50 && g > b + 30;
            // The palettes are quantised apart, so edges may shift a shade.
            const uint32_t o = rgbAt(other, x, y);
            const int32_t dr = std::abs(r - int32_t(o >> 16)), dg = std::abs(g - int32_t(o >> 8 & 0xFF)),
                          db = std::abs(b - int32_t(o & 0xFF));
            count.changed += std::max(dr, std::max(dg, db)) > 48;
        }
    }
    return count;
}

TEST_F(DisplayFixture, FourColourFacesRecolourDiamondsAndClubsOnEveryClass)
{
    for (const DisplayMetrics& size : {DisplayMetrics(176, 220), DisplayMetrics(240, 240), DisplayMetrics(240, 320),
                                       DisplayMetrics(320, 240), DisplayMetrics(320, 320), DisplayMetrics(480, 640)}) {
        display.setMetrics(size);
        for (int32_t slot : {SLOT_CARD_FACES, SLOT_SMALL_CARD_FACES}) {
            SharedPointer<Base2DImage> plain = display.getImage(slot);
            SharedPointer<Base2DImage> four = display.getFourColourImage(slot);
            ASSERT_NE(plain.raw(), nullptr);
            ASSERT_NE(four.raw(), nullptr) << size.width << "x" << size.height << " slot " << slot;
            EXPECT_EQ(display.getFourColourImage(slot).raw(), four.raw()); // cached
            ASSERT_EQ(four->width, plain->width);
            ASSERT_EQ(four->height, plain->height);
            // Rows spade, heart, diamond, club, as in the two-colour faces.
            const int32_t row = plain->height / 4;
            SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height) + " slot " +
                         std::to_string(slot));
            const BandCount plainAll = countBand(*plain, *plain, 0, plain->height);
            const BandCount blacksAndReds = countBand(*four, *plain, 0, 2 * row);
            const BandCount diamonds = countBand(*four, *plain, 2 * row, row);
            const BandCount clubs = countBand(*four, *plain, 3 * row, row);
            EXPECT_EQ(blacksAndReds.changed + plainAll.blue + plainAll.green + diamonds.green + clubs.blue, 0);
            EXPECT_GT(diamonds.blue, 13 * 3);
            EXPECT_GT(clubs.green, 13 * 3);
        }
        // No other slot has a four-colour picture.
        EXPECT_EQ(display.getFourColourImage(SLOT_CARD_BACK).raw(), nullptr);
    }
}

// A pack without four-colour faces: the table falls back to the two-colour ones,
// and the pack is not asked again on every paint.
struct TwoColourPack : CountingStream {
    bool open(int32_t id) override
    {
        const bool fourColour = id >= 1800 && id < 1900;
        refused += fourColour;
        return !fourColour && CountingStream::open(id);
    }
    int32_t refused = 0;
};

TEST(DisplayFourColour, MissingFacesAreAskedForOncePerSize)
{
    ASSERT_TRUE(openBuiltPack());
    Listener listener;
    HeadlessFrameSink window;
    TwoColourPack pack;
    Display display(&listener, &window, &pack);
    display.setMetrics(DisplayMetrics(240, 320));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(display.getFourColourImage(SLOT_CARD_FACES).raw(), nullptr);
    EXPECT_EQ(pack.refused, 1);
    EXPECT_NE(display.getImage(SLOT_CARD_FACES).raw(), nullptr);
    display.setMetrics(DisplayMetrics(240, 320));
    EXPECT_EQ(display.getFourColourImage(SLOT_CARD_FACES).raw(), nullptr);
    EXPECT_EQ(pack.refused, 2);
}

} // namespace
