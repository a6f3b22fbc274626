#include "core/lcdui/2d/Font.h"

#include "TestImages.h"

#include "core/lcdui/2d/ImageProvider.h"
#include "core/lcdui/2d/ScreenSurface.h"

#include <gtest/gtest.h>

using namespace testimages;

namespace {

// Serves one sheet in slot 3 and counts the fetches.
struct SheetProvider : ImageProvider {
    SharedPointer<Base2DImage> getImage(int32_t slot) override
    {
        ++fetches;
        return slot == 3 ? sheet : SharedPointer<Base2DImage>();
    }
    SharedPointer<Base2DImage> sheet;
    int32_t fetches = 0;
};

ByteArray widthTable(std::initializer_list<int> values)
{
    ByteArray table(int32_t(values.size()));
    int32_t i = 0;
    for (int v : values)
        table[i++] = uint8_t(v);
    return table;
}

// Variable-width sheet for the charset "AB": glyph cells of height 3 stacked in one
// column, 3 pixels wide. "A" is a 2x3 block of ink, "B" a 3-pixel bar on its middle
// row. Index 0 is black ink, index 1 transparent paper.
SharedPointer<Base2DImage> abSheet()
{
    return indexed(3, 6,
                   {0, 0, 1, //
                    0, 0, 1, //
                    0, 0, 1, //
                    1, 1, 1, //
                    0, 0, 0, //
                    1, 1, 1},
                   {0x000000, 0xFFFFFF}, {255, 0});
}

struct FontFixture : testing::Test {
    FontFixture()
    {
        images.sheet = abSheet();
        surface.init(DisplayMetrics(20, 10));
        surface.setColor(0xFFFFFF);
        surface.fillRect(0, 0, 20, 10);
        surface.setImageProvider(&images);
    }
    SharedPointer<Font> variable(int32_t gap = 1)
    {
        return surface.makeFont(3, widthTable({2, 3}), 3, 4, gap, 0, 2, String("AB"));
    }
    SheetProvider images;
    ScreenSurface surface;
};

TEST_F(FontFixture, FixedWidthMeasures)
{
    images.sheet = solid(80, 8, 0);
    Font font(&images, 3, widthTable({8}), 8, 9, 1, 0, 4, String("abc"));
    EXPECT_TRUE(font.isFixedWidth());
    EXPECT_EQ(font.stringWidth(String("abc")), 27);
    EXPECT_EQ(font.stringWidth(String("a c")), 9 + 5 + 9);
    font.setStyle(FONT_STYLE_BOLD);
    EXPECT_EQ(font.stringWidth(String("abc")), 30);
    EXPECT_EQ(font.charWidth(u' '), 5); // spaces never get the bold pixel
}

TEST_F(FontFixture, VariableWidthMeasuresAndMissingCharacters)
{
    auto font = variable();
    EXPECT_EQ(font->charWidth(u'A'), 3);
    EXPECT_EQ(font->charWidth(u'B'), 4);
    EXPECT_EQ(font->charWidth(u'Z'), 0);
    EXPECT_EQ(font->charWidth(u'\x263A'), 0);
    EXPECT_EQ(font->stringWidth(String("AZB")), 7);
    EXPECT_EQ(font->getHeight(), 4);
    EXPECT_EQ(font->getCellHeight(), 3);
    font->setStyle(FONT_STYLE_BOLD | FONT_STYLE_UNDERLINE);
    EXPECT_EQ(font->stringWidth(String("AB")), 9);
}

TEST_F(FontFixture, DrawStringPlacesGlyphsByTheAnchorAndReturnsTheAdvance)
{
    auto font = variable();
    surface.setFont(font);
    // A missing character draws nothing but still adds the gap.
    EXPECT_EQ(surface.drawString(String("AZB"), 1, 2, TOP | LEFT), 1 + 3 + 1 + 4);
    // 3, 2: gap after "A"
    // 5, 3: "B" starts at 1 + 3 + 1
    expectPixels(surface, { { 1, 2, 0 }, { 2, 4, 0 }, { 3, 2, 0xFFFFFF }, { 5, 3, 0 }, { 7, 3, 0 },
                            { 5, 2, 0xFFFFFF } });
    EXPECT_EQ(countNot(surface, 0xFFFFFF), 6 + 3);

    surface.fillRect(0, 0, 20, 10);
    EXPECT_EQ(surface.drawString(String("A"), 10, 9, RIGHT | BOTTOM), 10);
    // width 3 to the left of 10, glyph height 3 above 9
    expectPixels(surface, { { 7, 6, 0 }, { 8, 8, 0 } });
    EXPECT_EQ(countNot(surface, 0xFFFFFF), 6);
    EXPECT_EQ(font->anchorX(10, 7, HCENTER), 7);
    EXPECT_EQ(font->anchorY(10, VCENTER), 8);
    EXPECT_EQ(font->anchorY(10, TOP), 10);
}

TEST_F(FontFixture, SlantedShiftsTheUpperHalf)
{
    images.sheet = indexed(1, 4, {0, 0, 0, 0}, {0x000000, 0xFFFFFF}, {255, 0});
    auto font = surface.makeFont(3, widthTable({1}), 4, 4, 0, 0, 2, String("I"));
    font->setStyle(FONT_STYLE_SLANTED);
    surface.setFont(font);
    surface.drawString(String("I"), 2, 0, TOP | LEFT);
    // The one-pixel column clipped to its cell: rows 0..1 land at x 3, but the clip
    // of the shifted half is the shifted cell.
    expectPixels(surface, { { 3, 0, 0 }, { 3, 1, 0 }, { 2, 2, 0 }, { 2, 3, 0 } });
    EXPECT_EQ(countNot(surface, 0xFFFFFF), 4);
}

TEST_F(FontFixture, UnderlineCoversGlyphsGapsAndSpaces)
{
    auto font = variable();
    font->setStyle(FONT_STYLE_UNDERLINE);
    font->setColor(0xFF0000);
    surface.setFont(font);
    surface.setColor(0x00FF00);
    const int32_t end = surface.drawString(String("A A"), 0, 0, TOP | LEFT);
    EXPECT_EQ(end, 3 + 2 + 1 + 3);
    for (int32_t x = 0; x < end; ++x)
        EXPECT_EQ(pixel(surface, x, 2), 0xFF0000) << x;
    EXPECT_EQ(surface.getColor(), 0x00FF00); // the caller's colour survives
}

TEST_F(FontFixture, RecolouringAndRestoringTheSheetColours)
{
    auto font = variable();
    surface.setFont(font);
    font->setColor(0x0000FF);
    surface.drawString(String("A"), 0, 0, TOP | LEFT);
    EXPECT_EQ(pixel(surface, 0, 0), 0x0000FF);
    EXPECT_TRUE(images.sheet->paletteEntryEquals(0, 0)); // the cached sheet is untouched
    font->setColor(0);
    surface.drawString(String("A"), 5, 0, TOP | LEFT);
    EXPECT_EQ(pixel(surface, 5, 0), 0x000000);
    EXPECT_EQ(font->getColor(), 0);
}

TEST_F(FontFixture, MissingSheetDrawsNothing)
{
    auto font = surface.makeFont(9, widthTable({2, 3}), 3, 4, 1, 0, 2, String("AB"));
    surface.setFont(font);
    EXPECT_EQ(surface.drawString(String("AB"), 0, 0, TOP | LEFT), 7);
    EXPECT_EQ(countNot(surface, 0xFFFFFF), 0);
}

} // namespace
