#include "PalettePngWriter.h"

#include <png.h>

#include <cstdio>
#include <map>
#include <stdexcept>

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) { }

[[noreturn]] void failPng(png_structp, png_const_charp message)
{
    throw std::runtime_error(std::string("libpng: ") + message);
}

void ignoreWarning(png_structp, png_const_charp) { }

int libpngFilter(int filter)
{
    switch (filter) {
    case 0:
        return PNG_FILTER_NONE;
    case 1:
        return PNG_FILTER_SUB;
    case 2:
        return PNG_FILTER_UP;
    case 3:
        return PNG_FILTER_AVG;
    case 4:
        return PNG_FILTER_PAETH;
    case PalettePngWriter::ADAPTIVE:
        return PNG_ALL_FILTERS;
    default:
        throw std::runtime_error("PalettePngWriter: filter must be 0..4 or ADAPTIVE");
    }
}

} // namespace

std::vector<uint8_t> PalettePngWriter::encode(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                              const std::vector<PaletteEntry>& palette)
{
    return encode(width, height, indices, palette, Options());
}

std::vector<uint8_t> PalettePngWriter::encode(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                              const std::vector<PaletteEntry>& palette, const Options& options)
{
    if (width <= 0 || height <= 0)
        throw std::runtime_error("PalettePngWriter: width and height must be positive");
    if (indices.size() != size_t(width) * size_t(height))
        throw std::runtime_error("PalettePngWriter: need exactly width x height indices");
    if (palette.empty() || palette.size() > 256)
        throw std::runtime_error("PalettePngWriter: the palette needs 1 to 256 entries");
    for (uint8_t index : indices)
        if (index >= palette.size())
            throw std::runtime_error("PalettePngWriter: pixel index outside the palette");
    int filterMask = libpngFilter(options.filter);

    std::vector<png_color> colors(palette.size());
    size_t alphaCount = 0;
    std::vector<png_byte> alpha(palette.size(), 255);
    for (size_t i = 0; i < palette.size(); ++i) {
        colors[i] = {palette[i].red, palette[i].green, palette[i].blue};
        if (palette[i].transparent) {
            alpha[i] = 0;
            alphaCount = i + 1;
        }
    }

    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failPng, ignoreWarning);
    if (!png)
        throw std::runtime_error("PalettePngWriter: libpng could not start");
    png_infop info = png_create_info_struct(png);
    try {
        if (!info)
            throw std::runtime_error("PalettePngWriter: libpng could not start");
        png_set_write_fn(png, &out, appendBytes, flushNothing);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, filterMask);
        png_set_compression_level(png, options.compressionLevel);
        png_set_compression_buffer_size(png, options.idatSize);
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_PALETTE,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
        png_set_PLTE(png, info, colors.data(), int(colors.size()));
        if (alphaCount > 0)
            png_set_tRNS(png, info, alpha.data(), int(alphaCount), nullptr);
        png_write_info(png, info);
        for (int32_t y = 0; y < height; ++y)
            png_write_row(png, const_cast<png_bytep>(indices.data() + size_t(y) * size_t(width)));
        png_write_end(png, nullptr);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<uint8_t> PalettePngWriter::encodeRgba(int32_t width, int32_t height, const std::vector<uint8_t>& rgba)
{
    return encodeRgba(width, height, rgba, Options());
}

std::vector<uint8_t> PalettePngWriter::encodeRgba(int32_t width, int32_t height, const std::vector<uint8_t>& rgba,
                                                  const Options& options)
{
    if (width <= 0 || height <= 0 || rgba.size() != size_t(width) * size_t(height) * 4)
        throw std::runtime_error("PalettePngWriter: need exactly width x height RGBA pixels");
    std::vector<PaletteEntry> palette;
    std::map<uint32_t, uint8_t> indexOfColor;
    std::vector<uint8_t> indices(size_t(width) * size_t(height));
    bool hasTransparent = false;
    for (size_t i = 0; i < indices.size(); ++i)
        if (rgba[i * 4 + 3] < 128)
            hasTransparent = true;
    if (hasTransparent) {
        PaletteEntry clear;
        clear.transparent = true;
        palette.push_back(clear);
    }
    for (size_t i = 0; i < indices.size(); ++i) {
        const uint8_t* p = &rgba[i * 4];
        if (p[3] < 128) {
            indices[i] = 0;
            continue;
        }
        uint32_t key = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        auto found = indexOfColor.find(key);
        if (found == indexOfColor.end()) {
            if (palette.size() == 256)
                throw std::runtime_error("PalettePngWriter: more than 256 colours");
            PaletteEntry entry;
            entry.red = p[0];
            entry.green = p[1];
            entry.blue = p[2];
            found = indexOfColor.emplace(key, uint8_t(palette.size())).first;
            palette.push_back(entry);
        }
        indices[i] = found->second;
    }
    return encode(width, height, indices, palette, options);
}

void PalettePngWriter::writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    bool closed = std::fclose(file) == 0;
    if (written != bytes.size() || !closed)
        throw std::runtime_error("cannot write " + path);
}
