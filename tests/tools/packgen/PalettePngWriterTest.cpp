#include "PalettePngWriter.h"

#include "core/resources/Base2DImage.h"
#include "core/resources/ImagePNG.h"
#include "core/resources/MemoryResourceStream.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

std::unique_ptr<Base2DImage> decode(const std::vector<uint8_t>& png)
{
    MemoryResourceStream stream(png.data(), int32_t(png.size()));
    stream.open(0);
    ImagePNG decoder;
    return std::unique_ptr<Base2DImage>(decoder.decode(&stream));
}

PalettePngWriter::PaletteEntry rgb(uint8_t r, uint8_t g, uint8_t b, bool transparent = false)
{
    PalettePngWriter::PaletteEntry e;
    e.red = r;
    e.green = g;
    e.blue = b;
    e.transparent = transparent;
    return e;
}

} // namespace

TEST(PalettePngWriterTest, RoundTripsThroughTheGameDecoder)
{
    std::vector<uint8_t> indices = {0, 1, 2, 3, 3, 2, 1, 0};
    auto png = PalettePngWriter::encode(4, 2, indices, {rgb(1, 2, 3), rgb(0, 0, 0, true), rgb(9, 9, 9), rgb(4, 5, 6)});
    auto image = decode(png);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(image->pixels, image->pixels + 8), indices);
    EXPECT_EQ(image->paletteCount, 4);
    EXPECT_TRUE(image->paletteEntryEquals(0, 0x010203));
    EXPECT_TRUE(image->paletteEntryEquals(3, 0x040506));
    // The table stops after the last transparent entry; everything is 0 or 255.
    ASSERT_EQ(image->transparencyCount, 2);
    EXPECT_EQ(image->transparency[0], 255);
    EXPECT_EQ(image->transparency[1], 0);
    // Opaque images have no transparency chunk.
    png = PalettePngWriter::encode(1, 1, {0}, {rgb(1, 1, 1)});
    EXPECT_EQ(std::string(png.begin(), png.end()).find("tRNS"), std::string::npos);
}

TEST(PalettePngWriterTest, RgbaSnapsAlphaToOpaqueOrTransparent)
{
    std::vector<uint8_t> rgba = {
        255, 0, 0, 255, // opaque red
        0, 255, 0, 127, // mostly transparent: dropped
        0, 0, 255, 128, // mostly opaque: kept opaque
        255, 0, 0, 200, // red again: same entry
    };
    auto image = decode(PalettePngWriter::encodeRgba(4, 1, rgba));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixels[1], 0);
    EXPECT_EQ(image->transparency[0], 0);
    EXPECT_EQ(image->pixels[0], image->pixels[3]);
    EXPECT_TRUE(image->paletteEntryEquals(image->pixels[2], 0x0000FF));
    EXPECT_EQ(image->paletteCount, 3);
}

TEST(PalettePngWriterTest, RefusesBadInput)
{
    EXPECT_THROW(PalettePngWriter::encode(2, 1, {0}, {rgb(0, 0, 0)}), std::runtime_error);
    EXPECT_THROW(PalettePngWriter::encode(1, 1, {1}, {rgb(0, 0, 0)}), std::runtime_error);
    EXPECT_THROW(PalettePngWriter::encode(1, 1, {0}, {}), std::runtime_error);
    EXPECT_THROW(PalettePngWriter::encode(0, 1, {}, {rgb(0, 0, 0)}), std::runtime_error);
    PalettePngWriter::Options options;
    options.filter = 5;
    EXPECT_THROW(PalettePngWriter::encode(1, 1, {0}, {rgb(0, 0, 0)}, options), std::runtime_error);
    std::vector<uint8_t> many(300 * 4);
    for (size_t i = 0; i < 300; ++i) {
        many[i * 4] = uint8_t(i);
        many[i * 4 + 1] = uint8_t(i >> 8);
        many[i * 4 + 3] = 255;
    }
    EXPECT_THROW(PalettePngWriter::encodeRgba(300, 1, many), std::runtime_error);
}
