#include "IconWriter.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

struct Pixel {
    uint8_t alpha, red, green, blue;
};

// One pixel of a cairo image (premultiplied, which changes nothing where opaque).
Pixel at(cairo_surface_t* image, int x, int y)
{
    uint32_t word;
    std::memcpy(&word, cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image) + x * 4, 4);
    return {uint8_t(word >> 24), uint8_t(word >> 16), uint8_t(word >> 8), uint8_t(word)};
}

} // namespace

// Read back with cairo: the icons are RGBA, which the game's own decoder does not draw.
TEST(IconWriterTest, EverySizeIsTheRoundEmblemOnTransparencyInTheHicolorLayout)
{
    char folder[] = "/tmp/km-icons-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    IconWriter::writeTheme(folder);
    for (int32_t size : IconWriter::SIZES) {
        SCOPED_TRACE(size);
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::string path = std::string(folder) + "/hicolor/" + name + "/apps/kestrelmoore.png";
        cairo_surface_t* icon = cairo_image_surface_create_from_png(path.c_str());
        ASSERT_EQ(cairo_surface_status(icon), CAIRO_STATUS_SUCCESS) << path;
        EXPECT_EQ(cairo_image_surface_get_width(icon), size);
        EXPECT_EQ(cairo_image_surface_get_height(icon), size);
        // Outside the ring nothing is left of the strip's green background.
        for (int c : {0, size - 1}) {
            EXPECT_EQ(at(icon, c, 0).alpha, 0);
            EXPECT_EQ(at(icon, c, size - 1).alpha, 0);
        }
        // The gold ring at the top, the burgundy field inside it, both opaque.
        const Pixel ring = at(icon, size / 2, int(size * 0.068));
        EXPECT_EQ(ring.alpha, 255);
        EXPECT_GT(ring.red, 200);
        EXPECT_GT(ring.green, 140);
        EXPECT_LT(ring.blue, 100);
        const Pixel field = at(icon, size / 2, int(size * 0.2));
        EXPECT_EQ(field.alpha, 255);
        EXPECT_GT(field.red, 90);
        EXPECT_LT(field.green, 60);
        cairo_surface_destroy(icon);
    }
    std::filesystem::remove_all(folder);
    EXPECT_THROW(IconWriter::paint(0), std::runtime_error);
}
