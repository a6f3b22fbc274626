#include "IconWriter.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

struct Pixel {
    uint8_t alpha, red, green, blue;
};

// Decodes with cairo (the icons are RGBA, which the game's own decoder does not draw)
// and reads one pixel, unpremultiplied only where opaque.
class Decoded {
public:
    explicit Decoded(const std::vector<uint8_t>& png)
    {
        struct Cursor {
            const std::vector<uint8_t>* bytes;
            size_t at;
        } cursor{&png, 0};
        surface = cairo_image_surface_create_from_png_stream(
            [](void* closure, unsigned char* data, unsigned int length) {
                auto* c = static_cast<Cursor*>(closure);
                if (length > c->bytes->size() - c->at)
                    return CAIRO_STATUS_READ_ERROR;
                std::memcpy(data, c->bytes->data() + c->at, length);
                c->at += length;
                return CAIRO_STATUS_SUCCESS;
            },
            &cursor);
    }
    ~Decoded() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface); }
    int height() const { return cairo_image_surface_get_height(surface); }
    Pixel at(int x, int y) const
    {
        const unsigned char* row =
            cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        uint32_t word;
        std::memcpy(&word, row + x * 4, 4);
        return {uint8_t(word >> 24), uint8_t(word >> 16), uint8_t(word >> 8), uint8_t(word)};
    }

private:
    cairo_surface_t* surface;
};

} // namespace

TEST(IconWriterTest, EverySizeIsTheRoundEmblemOnTransparency)
{
    for (int32_t size : IconWriter::SIZES) {
        SCOPED_TRACE(size);
        Decoded icon(IconWriter::paint(size));
        ASSERT_TRUE(icon.ok());
        ASSERT_EQ(icon.width(), size);
        ASSERT_EQ(icon.height(), size);
        // Outside the ring nothing is left of the strip's green background.
        for (int c : {0, size - 1}) {
            EXPECT_EQ(icon.at(c, 0).alpha, 0);
            EXPECT_EQ(icon.at(c, size - 1).alpha, 0);
        }
        // The gold ring at the top, the burgundy field inside it, both opaque.
        const Pixel ring = icon.at(size / 2, int(size * 0.068));
        EXPECT_EQ(ring.alpha, 255);
        EXPECT_GT(ring.red, 200);
        EXPECT_GT(ring.green, 140);
        EXPECT_LT(ring.blue, 100);
        const Pixel field = icon.at(size / 2, int(size * 0.2));
        EXPECT_EQ(field.alpha, 255);
        EXPECT_GT(field.red, 90);
        EXPECT_LT(field.green, 60);
    }
    EXPECT_THROW(IconWriter::paint(0), std::runtime_error);
}

TEST(IconWriterTest, WritesTheHicolorLayout)
{
    char folder[] = "/tmp/km-icons-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    IconWriter::writeTheme(folder);
    for (int32_t size : IconWriter::SIZES) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::string path = std::string(folder) + "/hicolor/" + name + "/apps/kestrelmoore.png";
        cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
        EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS) << path;
        EXPECT_EQ(cairo_image_surface_get_width(image), size);
        cairo_surface_destroy(image);
    }
    std::filesystem::remove_all(folder);
}
