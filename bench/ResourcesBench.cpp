// Decodes every image of the game's pack with ImagePNG and with libpng in the same
// run; the ratio of the two times is the figure to watch (ours should not be slower).
#include "core/resources/Base2DImage.h"
#include "core/resources/ImagePNG.h"
#include "core/resources/MemoryResourceStream.h"
#include "core/resources/ResourcePack.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

std::vector<std::vector<uint8_t>> packImages()
{
    std::vector<std::vector<uint8_t>> images;
    std::unique_ptr<ResourcePack> pack(ResourcePack::load(KM_GAME_PACK));
    if (!pack)
        return images;
    for (const ResourcePack::Entry& entry : pack->rawEntries())
        if (entry.size >= 8 && std::memcmp(entry.data, "\x89PNG", 4) == 0)
            images.emplace_back(entry.data, entry.data + entry.size);
    return images;
}

const std::vector<std::vector<uint8_t>>& images()
{
    static const std::vector<std::vector<uint8_t>> all = packImages();
    return all;
}

struct Cursor {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

void readBytes(png_structp png, png_bytep out, png_size_t length)
{
    auto* cursor = static_cast<Cursor*>(png_get_io_ptr(png));
    if (cursor->at + length > cursor->bytes->size())
        png_error(png, "short");
    std::memcpy(out, cursor->bytes->data() + cursor->at, length);
    cursor->at += length;
}

// The same work as ImagePNG: indices, palette and transparency table into memory.
size_t decodeWithLibpng(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& pixels)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Cursor cursor{&bytes, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return 0;
    }
    png_set_read_fn(png, &cursor, readBytes);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    pixels.resize(size_t(width) * height);
    png_colorp palette;
    int count;
    png_get_PLTE(png, info, &palette, &count);
    for (png_uint_32 y = 0; y < height; ++y)
        png_read_row(png, pixels.data() + size_t(y) * width, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return pixels.size();
}

void BM_DecodePackImagesImagePNG(benchmark::State& state)
{
    // The decoder reports problems on stdout; these images have none.
    size_t bytes = 0;
    for (auto _ : state) {
        for (const std::vector<uint8_t>& png : images()) {
            MemoryResourceStream stream(png.data(), int32_t(png.size()));
            stream.open(0);
            ImagePNG decoder;
            std::unique_ptr<Base2DImage> image(decoder.decode(&stream));
            benchmark::DoNotOptimize(image.get());
            bytes += png.size();
        }
    }
    state.SetBytesProcessed(int64_t(bytes));
    state.counters["images"] = double(images().size());
}
BENCHMARK(BM_DecodePackImagesImagePNG);

void BM_DecodePackImagesLibpng(benchmark::State& state)
{
    std::vector<uint8_t> pixels;
    size_t bytes = 0;
    for (auto _ : state) {
        for (const std::vector<uint8_t>& png : images()) {
            benchmark::DoNotOptimize(decodeWithLibpng(png, pixels));
            bytes += png.size();
        }
    }
    state.SetBytesProcessed(int64_t(bytes));
    state.counters["images"] = double(images().size());
}
BENCHMARK(BM_DecodePackImagesLibpng);

} // namespace
