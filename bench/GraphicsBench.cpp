// The renderer against the physical limit: one 480x640 frame copied with memcpy,
// versus a full-screen fillRect, a full-screen opaque palette image and a
// 40-character string.
#include "core/lcdui/2d/ImageProvider.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/resources/Base2DImage.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int32_t WIDTH = 480, HEIGHT = 640;

SharedPointer<Base2DImage> opaqueImage()
{
    auto* pixels = new uint8_t[WIDTH * HEIGHT];
    for (int32_t i = 0; i < WIDTH * HEIGHT; ++i)
        pixels[i] = uint8_t(i * 7);
    auto* palette = new uint8_t[256 * 3];
    for (int32_t i = 0; i < 256 * 3; ++i)
        palette[i] = uint8_t(i);
    return SharedPointer<Base2DImage>(
        new Base2DImage(WIDTH, HEIGHT, pixels, Base2DImage::COLOR_TYPE_INDEXED, palette, 256, nullptr, 0));
}

// A 12-pixel variable-width sheet of 94 glyphs, ink and transparent paper.
struct Sheet : ImageProvider {
    Sheet()
    {
        auto* pixels = new uint8_t[10 * 14 * 94];
        for (int32_t i = 0; i < 10 * 14 * 94; ++i)
            pixels[i] = (i % 3) ? 1 : 0;
        auto* palette = new uint8_t[6]{0, 0, 0, 255, 255, 255};
        auto* alpha = new uint8_t[2]{255, 0};
        image = SharedPointer<Base2DImage>(
            new Base2DImage(10, 14 * 94, pixels, Base2DImage::COLOR_TYPE_INDEXED, palette, 2, alpha, 2));
    }
    SharedPointer<Base2DImage> getImage(int32_t) override { return image; }
    SharedPointer<Base2DImage> image;
};

void BM_FrameMemcpy(benchmark::State& state)
{
    std::vector<uint8_t> from(WIDTH * HEIGHT * 3, 1), to(WIDTH * HEIGHT * 3);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameMemcpy);

void BM_FillRectFullFrame(benchmark::State& state)
{
    ScreenSurface surface;
    surface.init(DisplayMetrics(WIDTH, HEIGHT));
    int32_t colour = 0;
    for (auto _ : state) {
        surface.setColor(++colour);
        surface.fillRect(0, 0, WIDTH, HEIGHT);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillRectFullFrame);

void BM_DrawImageFullFrame(benchmark::State& state)
{
    ScreenSurface surface;
    surface.init(DisplayMetrics(WIDTH, HEIGHT));
    SharedPointer<Base2DImage> image = opaqueImage();
    for (auto _ : state) {
        surface.drawImage(image, 0, 0, TOP | LEFT);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawImageFullFrame);

void BM_DrawString40(benchmark::State& state)
{
    ScreenSurface surface;
    surface.init(DisplayMetrics(WIDTH, HEIGHT));
    Sheet sheet;
    surface.setImageProvider(&sheet);
    ByteArray widths(94);
    for (int32_t i = 0; i < 94; ++i)
        widths[i] = 9;
    surface.setFont(surface.makeFont(0, widths, 14, 15, 0, 0, 4,
                                     String("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789~!@#$%^&*()_+|{}"
                                            ":\"'<>?`-=\\/[];,.")));
    const String text("Player 3 raises to $1,250 - pot $4,800!");
    for (auto _ : state) {
        benchmark::DoNotOptimize(surface.drawString(text, 4, 100, TOP | LEFT));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawString40);

} // namespace
