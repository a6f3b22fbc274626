#include "core/resources/ImagePNG.h"

#include "PalettePngWriter.h"
#include "PngTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<uint8_t> noisyIndices(int32_t width, int32_t height, int colours, unsigned seed)
{
    // Smooth runs with noise, so that every filter has something to predict.
    std::mt19937 random(seed);
    std::vector<uint8_t> pixels(size_t(width) * height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            pixels[size_t(y) * width + x] = uint8_t(((x / 3 + y / 2) + (random() % 3)) % colours);
    return pixels;
}

std::vector<PalettePngWriter::PaletteEntry> paletteOf(int colours, bool withTransparency)
{
    std::vector<PalettePngWriter::PaletteEntry> palette(colours);
    for (int i = 0; i < colours; ++i) {
        palette[i].red = uint8_t(i * 37);
        palette[i].green = uint8_t(255 - i * 11);
        palette[i].blue = uint8_t(i * 5 + 3);
    }
    if (withTransparency)
        palette[2].transparent = true;
    return palette;
}

void expectSameAsLibpng(const std::vector<uint8_t>& png)
{
    OraclePng expected = decodeWithLibpng(png);
    Decoded ours = decodeOurs(png);
    ASSERT_NE(ours.image, nullptr) << ours.output;
    const Base2DImage& image = *ours.image;
    EXPECT_EQ(ours.output.find("[ImagePNG]"), std::string::npos) << ours.output;
    EXPECT_EQ(ours.output.find("CRC"), std::string::npos) << ours.output;
    ASSERT_EQ(image.width, expected.width);
    ASSERT_EQ(image.height, expected.height);
    EXPECT_EQ(image.colorType, expected.colorType);
    EXPECT_EQ(std::vector<uint8_t>(image.pixels, image.pixels + expected.pixels.size()), expected.pixels);
    ASSERT_EQ(image.paletteCount * 3, int32_t(expected.paletteBgr.size()));
    if (image.palette) {
        EXPECT_EQ(std::vector<uint8_t>(image.palette, image.palette + image.paletteCount * 3), expected.paletteBgr);
    }
    ASSERT_EQ(image.transparencyCount, int32_t(expected.transparency.size()));
    if (image.transparency) {
        EXPECT_EQ(std::vector<uint8_t>(image.transparency, image.transparency + image.transparencyCount),
                  expected.transparency);
    }
}

} // namespace

TEST(ImagePNGTest, MatchesLibpngForEveryFilterTypePaletteAndGrey)
{
    const int32_t width = 37, height = 23; // odd sizes: no row lines up with a buffer
    for (int filter = 0; filter <= 4; ++filter) {
        SCOPED_TRACE("filter " + std::to_string(filter));
        PalettePngWriter::Options options;
        options.filter = filter;
        std::vector<uint8_t> indices = noisyIndices(width, height, 9, unsigned(filter));
        // Many small IDAT chunks, an ancillary chunk to skip.
        expectSameAsLibpng(withTextChunk(
            resplitIdat(PalettePngWriter::encode(width, height, indices, paletteOf(9, true), options), 37)));
        expectSameAsLibpng(PalettePngWriter::encode(width, height, indices, paletteOf(9, false), options));
        std::vector<uint8_t> grey = noisyIndices(width, height, 256, unsigned(filter + 10));
        expectSameAsLibpng(withTextChunk(resplitIdat(writeGreyPng(width, height, grey, filter, 8192), 100)));
    }
}

TEST(ImagePNGTest, MatchesLibpngOnLargeImageWithMixedFilters)
{
    // 300 x 200 decompresses to more than three 16384-byte output buffers, and the
    // adaptive writer mixes filter types from row to row.
    std::vector<uint8_t> indices = noisyIndices(300, 200, 200, 99);
    for (size_t idat : {size_t(8192), size_t(100000)}) {
        PalettePngWriter::Options options;
        options.idatSize = idat;
        expectSameAsLibpng(PalettePngWriter::encode(300, 200, indices, paletteOf(200, true), options));
    }
}

TEST(ImagePNGTest, SkipsAncillaryChunksWithoutMessages)
{
    Decoded decoded = decodeOurs(readFileBytes(KM_RES_DATA "/png/skip_ancillary.png"));
    ASSERT_NE(decoded.image, nullptr);
    EXPECT_EQ(decoded.output, "");
    EXPECT_EQ(decoded.image->paletteCount, 4);
    EXPECT_EQ(decoded.image->pixels[1 * 4 + 2], (2 + 1) % 4);
}

// A refused header field: its own line, then the general one.
std::string refused(const char* field)
{
    return std::string("[ImagePNG] PNG ") + field + "\n[ImagePNG] PNG resource is incompatible\n";
}

TEST(ImagePNGTest, MalformedSamplesFailWithTheirMessages)
{
    const std::string depth = refused("bit depth is incompatible. Only 8bpp PNG supported");
    const struct {
        const char* file;
        bool imageExpected;
        std::string output; // exact stdout
    } cases[] = {
        {"bad_signature.png", false, "[ImagePNG] Bad PNG signature\n"},
        {"short_signature.png", false, "[ImagePNG] Error reading PNG signature\n"},
        {"truncated_ihdr.png", false, "[ImagePNG] Error reading IHDR chunk\n"},
        {"truncated_ihdr_crc.png", false, "[ImagePNG] Error reading IHDR CRC\n"},
        {"ihdr_crc.png", false, "[ImagePNG] CRC check failed!\n"},
        {"depth16.png", false, depth},
        {"depth4.png", false, depth},
        {"truecolour.png", false,
         refused("colour type is incompatible. Only grayscale PNG or PNG with indexed colours supported")},
        {"interlaced.png", false, refused("interlace method is incompatible. Interlaced PNG not supported")},
        {"compression1.png", false, refused("compression method is incompatible")},
        {"filter_method1.png", false, refused("filter method is incompatible. Filter method not supported")},
        {"zero_width.png", false, ""},
        {"huge_dimensions.png", false, ""},
        {"palette257.png", true,
         "[ImagePNG] Palette too large. Only 256 or less colors supported\n"
         "[ImagePNG] Error reading palette chunk\n"},
        {"palette_size.png", true,
         "[ImagePNG] Bad palette chunk size\n[ImagePNG] Error reading palette chunk\n"},
        {"palette_crc.png", true,
         "[ImagePNG] Palette CRC check failed!\n[ImagePNG] Error reading palette chunk\n"},
        {"duplicate_palette.png", true, "[ImagePNG] Duplicate palette chunk\n"},
        {"duplicate_trns.png", true, "[ImagePNG] Duplicate transparency chunk\n"},
        {"trns_empty.png", true,
         "[ImagePNG] Bad transparency chunk size\n[ImagePNG] Error reading transparency chunk\n"},
        {"idat_corrupt.png", true, "Image data CRC check failed!\n"},
        {"filter5.png", true, // once per row
         "Filter type 5 unsupported!\nFilter type 5 unsupported!\nFilter type 5 unsupported!\n"},
        {"no_iend.png", true, "[ImagePNG] Error reading chunk header\n"},
        {"truncated_idat.png", true, "[ImagePNG] Error reading chunk header\n"},
        {"huge_chunk_length.png", true, "[ImagePNG] Error skipping chunk\n"},
        {"too_much_data.png", true, ""},
    };
    for (const auto& c : cases) {
        Decoded decoded = decodeOurs(readFileBytes(std::string(KM_RES_DATA "/malformed/") + c.file));
        EXPECT_EQ(decoded.output, c.output) << c.file;
        EXPECT_EQ(decoded.image != nullptr, c.imageExpected) << c.file;
    }
}

// What survives in the image after a fault the decoder passes over.
TEST(ImagePNGTest, DamagedSamplesKeepWhatWasReadAroundTheFault)
{
    auto decode = [](const char* file) { return decodeOurs(readFileBytes(std::string(KM_RES_DATA "/malformed/") + file)); };
    Decoded refused = decode("palette257.png");
    ASSERT_NE(refused.image, nullptr);
    EXPECT_EQ(refused.image->palette, nullptr);
    EXPECT_EQ(refused.image->paletteCount, 0);
    // Duplicates keep the first table; the image data after them is still found.
    Decoded palette = decode("duplicate_palette.png");
    ASSERT_NE(palette.image, nullptr);
    EXPECT_EQ(palette.image->paletteCount, 4);
    EXPECT_EQ(palette.image->pixels[2 * 4 + 3], (3 + 2) % 4);
    Decoded trns = decode("duplicate_trns.png");
    ASSERT_NE(trns.image, nullptr);
    EXPECT_EQ(trns.image->transparencyCount, 1);
    // An unknown filter keeps the decompressed bytes; surplus image data is dropped.
    for (const char* file : { "filter5.png", "too_much_data.png" }) {
        Decoded decoded = decode(file);
        ASSERT_NE(decoded.image, nullptr) << file;
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(decoded.image->pixels[i], (i % 4 + i / 4) % 4) << file << " pixel " << i;
    }
    // Image data that is no zlib stream inflates to nothing: the rows stay blank.
    Decoded garbage = decode("not_zlib.png");
    ASSERT_NE(garbage.image, nullptr);
    EXPECT_EQ(garbage.output.rfind("Trying to write 0 bytes", 0), 0u) << garbage.output;
    EXPECT_EQ(std::vector<uint8_t>(garbage.image->pixels, garbage.image->pixels + 12),
              std::vector<uint8_t>(12, 0));
}

TEST(ImagePNGTest, EveryTruncationFailsCleanly)
{
    std::vector<uint8_t> png = withTextChunk(
        PalettePngWriter::encode(20, 10, noisyIndices(20, 10, 5, 3), paletteOf(5, true)));
    // Up to the IEND header: its CRC is never read, so cuts inside it go unnoticed.
    for (size_t length = 0; length < png.size() - 4; ++length) {
        std::vector<uint8_t> cut(png.begin(), png.begin() + length);
        Decoded decoded = decodeOurs(cut);
        // Before the image data ends no image may look complete without a message.
        if (decoded.image != nullptr) {
            EXPECT_NE(decoded.output, "") << "length " << length;
        }
    }
}

TEST(ImagePNGTest, ZeroByteCopyIsReportedForAnInflateCallThatYieldsOnlyAFilterByte)
{
    // A 1 x 3 image whose IDAT chunks are one byte each: some inflate calls produce
    // exactly one filter byte and nothing else.
    PalettePngWriter::Options options;
    options.compressionLevel = 0;
    Decoded decoded =
        decodeOurs(resplitIdat(PalettePngWriter::encode(1, 3, {0, 1, 0}, paletteOf(3, false), options), 1));
    ASSERT_NE(decoded.image, nullptr) << decoded.output;
    EXPECT_NE(decoded.output.find("Trying to write 0 bytes <..\\..\\..\\src\\core\\lcdui\\2d\\Base2DImage> ["),
              std::string::npos)
        << decoded.output;
    EXPECT_EQ(decoded.image->pixels[1], 1);
}

TEST(ImagePNGTest, StreamNotOpenIsRefused)
{
    ImagePNG decoder;
    testing::internal::CaptureStdout();
    EXPECT_EQ(decoder.decode(nullptr), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[ImagePNG] Resource hasn't been opened\n");
}
