#include "core/lcdui/2d/Base2DGraphics.h"

#include "TestImages.h"

#include "core/lcdui/2d/ScreenSurface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace testimages;

namespace {

struct Canvas {
    explicit Canvas(int32_t width = 20, int32_t height = 20)
    {
        surface.init(DisplayMetrics(width, height));
        surface.setColor(0);
        surface.fillRect(0, 0, width, height);
    }
    ScreenSurface surface;
};

TEST(Base2DGraphicsTest, DrawRectCoversExactlyTheGivenExtentInsideTheClip)
{
    Canvas c;
    c.surface.setColor(0xFF0000);
    c.surface.drawRect(0, 0, 10, 5);
    // 5, 2: outline only
    expectPixels(c.surface, { { 0, 0, 0xFF0000 }, { 9, 0, 0xFF0000 }, { 9, 4, 0xFF0000 }, { 0, 4, 0xFF0000 },
                              { 10, 0, 0 }, { 0, 5, 0 }, { 5, 2, 0 } });
    EXPECT_EQ(countNot(c.surface, 0), 2 * 10 + 2 * 3);

    Canvas d;
    d.surface.setClip(2, 2, 10, 10);
    d.surface.setColor(0x00FF00);
    d.surface.drawRect(0, 0, 8, 8); // left and top edges lie outside the clip
    expectPixels(d.surface, { { 7, 2, 0x00FF00 }, { 2, 7, 0x00FF00 }, { 2, 2, 0 } });
    EXPECT_EQ(countNot(d.surface, 0), 6 + 5);
}

TEST(Base2DGraphicsTest, AlphaRuleForLinesAndRectangles)
{
    Canvas c;
    c.surface.setColor(0x204060);
    c.surface.fillRect(0, 0, 20, 20);
    c.surface.setAlpha(255);
    c.surface.setColor(0xFFFFFF);
    c.surface.fillRect(0, 0, 20, 20);
    c.surface.drawLine(0, 0, 19, 19);
    c.surface.drawRect(1, 1, 5, 5);
    EXPECT_EQ(countNot(c.surface, 0x204060), 0);

    // Blend: channel = (destination * alpha + colour * (255 - alpha)) >> 8.
    c.surface.setAlpha(64);
    c.surface.setColor(0xC0A080);
    c.surface.fillRect(0, 0, 1, 1);
    c.surface.drawLine(3, 3, 3, 3);
    const int32_t red = (0x20 * 64 + 0xC0 * 191) >> 8;
    const int32_t green = (0x40 * 64 + 0xA0 * 191) >> 8;
    const int32_t blue = (0x60 * 64 + 0x80 * 191) >> 8;
    expectPixels(c.surface, { { 0, 0, (red << 16) | (green << 8) | blue },
                              { 3, 3, (red << 16) | (green << 8) | blue } });
}

TEST(Base2DGraphicsTest, DrawLineFollowsTheLongerAxisWithTruncatingSteps)
{
    Canvas c;
    c.surface.setColor(0xFFFFFF);
    c.surface.drawLine(6, 2, 0, 0); // ordered by x: y = 0 + 2 * i / 6
    for (int32_t x = 0; x <= 6; ++x)
        EXPECT_EQ(pixel(c.surface, x, (2 * x) / 6), 0xFFFFFF) << x;
    EXPECT_EQ(countNot(c.surface, 0), 7);

    Canvas d;
    d.surface.setColor(0xFFFFFF);
    d.surface.drawLine(1, 1, 1, 1);
    EXPECT_EQ(countNot(d.surface, 0), 1);
    d.surface.drawLine(10, 0, 13, 9); // steep: x = 10 + 3 * i / 9
    for (int32_t y = 0; y <= 9; ++y)
        EXPECT_EQ(pixel(d.surface, 10 + 3 * y / 9, y), 0xFFFFFF) << y;
}

TEST(Base2DGraphicsTest, LinesAndFillsAreClippedPixelByPixel)
{
    Canvas c;
    c.surface.setColor(0xFFFFFF);
    c.surface.drawLine(-100, 5, 100, 5);
    EXPECT_EQ(countNot(c.surface, 0), 20);
    c.surface.fillRect(-5, -5, 1000, 2);
    EXPECT_EQ(countNot(c.surface, 0), 20);
    c.surface.fillRect(15, 15, 100, 100);
    EXPECT_EQ(countNot(c.surface, 0), 20 + 25);
    EXPECT_EQ(c.surface.getLockCount(), 0);
}

TEST(Base2DGraphicsTest, SetClipClampsToTheSurface)
{
    ScreenSurface s;
    s.init(DisplayMetrics(100, 100));
    s.setClip(-5, -5, 20, 20);
    EXPECT_EQ(s.getClipX(), 0);
    EXPECT_EQ(s.getClipY(), 0);
    EXPECT_EQ(s.getClipWidth(), 15);
    EXPECT_EQ(s.getClipHeight(), 15);
    s.setClip(90, 95, 50, 50);
    EXPECT_EQ(s.getClipWidth(), 10);
    EXPECT_EQ(s.getClipHeight(), 5);
    s.setClip(150, 0, 10, 10);
    EXPECT_EQ(s.getClipX(), 100);
    EXPECT_EQ(s.getClipWidth(), 0);
    // Clip getters report untranslated positions.
    s.translate(10, 20);
    s.setClip(0, 0, 5, 5);
    EXPECT_EQ(s.getClipX(), 0);
    EXPECT_EQ(s.getClipY(), 0);
    EXPECT_EQ(s.getTranslateX(), 10);
}

TEST(Base2DGraphicsTest, ClipRectOutsideTheClipHidesEverythingUntilSetClip)
{
    Canvas c;
    c.surface.setClip(0, 0, 10, 10);
    c.surface.clipRect(12, 12, 5, 5);
    EXPECT_EQ(c.surface.getClipWidth(), 0);
    c.surface.setColor(0xFFFFFF);
    c.surface.fillRect(0, 0, 20, 20);
    c.surface.drawLine(0, 0, 19, 19);
    c.surface.drawImage(solid(4, 4, 0xFF), 0, 0, TOP | LEFT);
    EXPECT_EQ(countNot(c.surface, 0), 0);
    c.surface.setClip(0, 0, 20, 20);
    c.surface.clipRect(5, 6, 100, 2);
    EXPECT_EQ(c.surface.getClipX(), 5);
    EXPECT_EQ(c.surface.getClipY(), 6);
    EXPECT_EQ(c.surface.getClipWidth(), 15);
    EXPECT_EQ(c.surface.getClipHeight(), 2);
    c.surface.fillRect(0, 0, 20, 20);
    EXPECT_EQ(countNot(c.surface, 0), 30);
}

TEST(Base2DGraphicsTest, TranslationMovesEveryPrimitive)
{
    Canvas c;
    c.surface.translate(3, 4);
    c.surface.setColor(0xFFFFFF);
    c.surface.fillRect(0, 0, 1, 1);
    c.surface.drawLine(1, 0, 1, 0);
    c.surface.drawImage(solid(1, 1, 0xFF0000), 2, 0, TOP | LEFT);
    expectPixels(c.surface, { { 3, 4, 0xFFFFFF }, { 4, 4, 0xFFFFFF }, { 5, 4, 0xFF0000 } });
    EXPECT_EQ(countNot(c.surface, 0), 3);
}

TEST(Base2DGraphicsTest, ImageAnchors)
{
    Canvas c;
    c.surface.drawImage(solid(7, 7, 0xFFFFFF), 10, 10, HCENTER | VCENTER);
    expectPixels(c.surface, { { 7, 7, 0xFFFFFF }, { 13, 13, 0xFFFFFF }, { 6, 7, 0 }, { 14, 13, 0 } });

    Canvas d;
    d.surface.drawImage(solid(3, 2, 0xFFFFFF), 10, 10, RIGHT | BOTTOM);
    expectPixels(d.surface, { { 7, 8, 0xFFFFFF }, { 9, 9, 0xFFFFFF } });
    EXPECT_EQ(countNot(d.surface, 0), 6);

    Canvas e; // BASELINE counts as TOP for images
    e.surface.drawImage(solid(2, 2, 0xFFFFFF), 4, 4, BASELINE | LEFT);
    EXPECT_EQ(pixel(e.surface, 4, 4), 0xFFFFFF);
    EXPECT_EQ(countNot(e.surface, 0), 4);
}

TEST(Base2DGraphicsTest, GreyscaleAndEmptyImagesAreNotDrawnAndIndicesPastThePaletteAreBlack)
{
    Canvas c;
    auto* block = new uint8_t[4]{255, 255, 255, 255};
    SharedPointer<Base2DImage> grey(
        new Base2DImage(2, 2, block, Base2DImage::COLOR_TYPE_GREYSCALE, nullptr, 0, nullptr, 0));
    c.surface.drawImage(grey, 0, 0, TOP | LEFT);
    c.surface.drawImage(SharedPointer<Base2DImage>(), 0, 0, TOP | LEFT);
    c.surface.drawRegion(grey, 0, 0, TOP | LEFT, 0, 0, 2, 2);
    EXPECT_EQ(countNot(c.surface, 0), 0);
    EXPECT_EQ(c.surface.getLockCount(), 0);
    // Pixel indices past the palette draw black.
    c.surface.setColor(0xFFFFFF);
    c.surface.fillRect(0, 0, 20, 20);
    c.surface.drawImage(indexed(2, 1, {0, 200}, {0x123456}), 0, 0, TOP | LEFT);
    expectPixels(c.surface, { { 0, 0, 0x123456 }, { 1, 0, 0 } });
}

TEST(Base2DGraphicsTest, ImageBlendingByTransparencyTableAndAlpha)
{
    Canvas c;
    c.surface.setColor(0x808080);
    c.surface.fillRect(0, 0, 20, 20);
    // Index 0 invisible, 1 opaque, 2 half, 3 beyond the table (opaque).
    auto image = indexed(4, 1, {0, 1, 2, 3}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {0, 255, 128});
    c.surface.drawImage(image, 0, 0, TOP | LEFT);
    expectPixels(c.surface, { { 0, 0, 0x808080 }, { 1, 0, 0x00FF00 } });
    // alpha 0 gives k = 0: the partly transparent pixel becomes (destination * 255) >> 8.
    const int32_t kept = (0x80 * 255) >> 8;
    expectPixels(c.surface, { { 2, 0, (kept << 16) | (kept << 8) | kept }, { 3, 0, 0xFFFFFF } });

    c.surface.fillRect(0, 0, 20, 20);
    c.surface.setAlpha(200);
    c.surface.drawImage(image, 0, 1, TOP | LEFT);
    // Weight k = table alpha * 200 / 255 between the colour and the grey below.
    auto mix = [](int32_t channel, int32_t k) { return (channel * k + 0x80 * (255 - k)) >> 8; };
    const int32_t k255 = 255 * 200 / 255, k128 = 128 * 200 / 255;
    expectPixels(c.surface, { { 0, 1, 0x808080 }, { 3, 1, 0xFFFFFF },
                              { 1, 1, mix(0, k255) << 16 | mix(0xFF, k255) << 8 | mix(0, k255) } });
    EXPECT_EQ(pixel(c.surface, 2, 1) & 0xFF, mix(0xFF, k128));
}

TEST(Base2DGraphicsTest, DrawRegionInBothArgumentOrders)
{
    // 4x2 image: left half red, right half blue.
    auto image = indexed(4, 2, {0, 0, 1, 1, 0, 0, 1, 1}, {0xFF0000, 0x0000FF});
    Canvas c;
    c.surface.drawRegion(image, 5, 5, TOP | LEFT, 2, 0, 2, 2);
    expectPixels(c.surface, { { 5, 5, 0x0000FF }, { 6, 6, 0x0000FF } });
    EXPECT_EQ(countNot(c.surface, 0), 4);
    EXPECT_EQ(c.surface.getClipWidth(), 20); // clip restored

    Canvas d;
    d.surface.drawRegion(5, 5, 10, 10, image, 3, 1); // cut to the image: 1 x 1
    EXPECT_EQ(pixel(d.surface, 5, 5), 0x0000FF);
    EXPECT_EQ(countNot(d.surface, 0), 1);

    Canvas e; // the anchor places the region
    e.surface.drawRegion(image, 10, 10, RIGHT | BOTTOM, 0, 0, 2, 2);
    expectPixels(e.surface, { { 8, 8, 0xFF0000 }, { 9, 9, 0xFF0000 } });
    EXPECT_EQ(countNot(e.surface, 0), 4);

    Canvas f; // a source beyond the image draws nothing
    f.surface.drawRegion(image, 0, 0, TOP | LEFT, 4, 0, 2, 2);
    EXPECT_EQ(countNot(f.surface, 0), 0);
}

std::string refusal(void (*call)(Base2DGraphics&))
{
    ScreenSurface s;
    s.init(DisplayMetrics(4, 4));
    testing::internal::CaptureStdout();
    try {
        call(s);
    } catch (const char* message) {
        std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(printed, std::string(message) + "\n");
        return message;
    }
    testing::internal::GetCapturedStdout();
    return "(no throw)";
}

TEST(Base2DGraphicsTest, UnsupportedPrimitivesPrintAndThrow)
{
    const std::pair<void (*)(Base2DGraphics&), const char*> cases[] = {
        { [](Base2DGraphics& g) { g.drawArc(0, 0, 1, 1, 0, 90); }, "drawArc method" },
        { [](Base2DGraphics& g) { g.fillArc(0, 0, 1, 1, 0, 90); }, "fillArc method" },
        { [](Base2DGraphics& g) { g.fillTriangle(0, 0, 1, 1, 2, 0); }, "fillTriangle method" },
        { [](Base2DGraphics& g) { g.drawRoundRect(0, 0, 1, 1, 2, 2); }, "drawRoundRect method" },
        { [](Base2DGraphics& g) { g.fillRoundRect(0, 0, 1, 1, 2, 2); }, "fillRoundRect method" },
        { [](Base2DGraphics& g) { g.makeFont(8, 8); }, "makeFont(int width, int height) method" },
    };
    for (const auto& [call, what] : cases)
        EXPECT_EQ(refusal(call), std::string("Base2DGraphics:: Unsupported ") + what);
    EXPECT_EQ(refusal([](Base2DGraphics& g) { g.drawString(String("x"), 0, 0, TOP | LEFT); }),
              "Base2DGraphics::drawString - no font set.");
}

// A new display size releases the surface and starts it again: nothing carries over.
TEST(Base2DGraphicsTest, ReleasedSurfaceDrawsNothingAndStartsAfresh)
{
    ScreenSurface s;
    s.init(DisplayMetrics(8, 8));
    s.setAlpha(200);
    s.translate(2, 2);
    s.release();
    s.setColor(0xFFFFFF);
    s.fillRect(0, 0, 8, 8); // no surface left: nothing happens
    EXPECT_EQ(s.getBits(), nullptr);
    s.init(DisplayMetrics(4, 4));
    s.setColor(0xFFFFFF);
    s.fillRect(0, 0, 1, 1);
    EXPECT_EQ(pixel(s, 0, 0), 0xFFFFFF);
    EXPECT_EQ(countNot(s, 0), 1);
}

} // namespace
