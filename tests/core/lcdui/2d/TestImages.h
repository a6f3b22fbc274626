#pragma once

#include "core/lcdui/2d/ScreenSurface.h"
#include "core/resources/Base2DImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

// Small in-memory images and surface probes for the renderer tests.
namespace testimages {

// An indexed image whose palette entries are 0xRRGGBB colours and whose alpha
// table (may be empty) gives one byte per leading palette index.
inline SharedPointer<Base2DImage> indexed(int32_t width, int32_t height, const std::vector<uint8_t>& pixels,
                                          const std::vector<int32_t>& colours,
                                          const std::vector<uint8_t>& alphas = {})
{
    auto* block = new uint8_t[size_t(width) * height];
    std::memcpy(block, pixels.data(), size_t(width) * height);
    auto* palette = new uint8_t[colours.size() * 3];
    for (size_t i = 0; i < colours.size(); ++i) {
        palette[i * 3] = uint8_t(colours[i]);
        palette[i * 3 + 1] = uint8_t(colours[i] >> 8);
        palette[i * 3 + 2] = uint8_t(colours[i] >> 16);
    }
    uint8_t* table = nullptr;
    if (!alphas.empty()) {
        table = new uint8_t[alphas.size()];
        std::memcpy(table, alphas.data(), alphas.size());
    }
    return SharedPointer<Base2DImage>(new Base2DImage(width, height, block, Base2DImage::COLOR_TYPE_INDEXED,
                                                      palette, int32_t(colours.size()), table,
                                                      int32_t(alphas.size())));
}

// A width x height image of one palette index.
inline SharedPointer<Base2DImage> solid(int32_t width, int32_t height, int32_t colour)
{
    return indexed(width, height, std::vector<uint8_t>(size_t(width) * height, 0), {colour});
}

// 0xRRGGBB of one surface pixel.
inline int32_t pixel(const ScreenSurface& surface, int32_t x, int32_t y)
{
    const uint8_t* p = surface.getBits() + (size_t(y) * surface.getSurfaceWidth() + x) * 3;
    return (p[2] << 16) | (p[1] << 8) | p[0];
}

// Expected 0xRRGGBB colours at given points.
struct Probe {
    int32_t x, y, colour;
};

inline void expectPixels(const ScreenSurface& surface, std::initializer_list<Probe> probes)
{
    for (const Probe& p : probes)
        EXPECT_EQ(pixel(surface, p.x, p.y), p.colour) << "pixel " << p.x << "," << p.y;
}

// Number of pixels that differ from colour.
inline int32_t countNot(const ScreenSurface& surface, int32_t colour)
{
    int32_t n = 0;
    for (int32_t y = 0; y < surface.getSurfaceHeight(); ++y)
        for (int32_t x = 0; x < surface.getSurfaceWidth(); ++x)
            n += pixel(surface, x, y) != colour;
    return n;
}

} // namespace testimages
