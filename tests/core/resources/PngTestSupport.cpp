#include "PngTestSupport.h"

#include "core/resources/ImagePNG.h"
#include "core/resources/MemoryResourceStream.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

struct ReadCursor {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

void readFromVector(png_structp png, png_bytep out, png_size_t length)
{
    auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (cursor->at + length > cursor->bytes->size())
        png_error(png, "read past end");
    std::memcpy(out, cursor->bytes->data() + cursor->at, length);
    cursor->at += length;
}

void appendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) { }

// Length, type, data and CRC, as a PNG chunk is laid out.
void appendChunk(std::vector<uint8_t>& out, const char* type, const uint8_t* data, size_t length)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(length >> shift));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + length);
    uLong crc = crc32(0L, out.data() + start, uInt(4 + length));
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(crc >> shift));
}

} // namespace

OraclePng decodeWithLibpng(const std::vector<uint8_t>& bytes)
{
    OraclePng result;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    ReadCursor cursor{&bytes, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng could not read the test image");
    }
    png_set_read_fn(png, &cursor, readFromVector);
    png_read_info(png, info);
    result.width = int32_t(png_get_image_width(png, info));
    result.height = int32_t(png_get_image_height(png, info));
    result.colorType = png_get_color_type(png, info);
    png_colorp palette = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &palette, &count)) {
        for (int i = 0; i < count; ++i) {
            result.paletteBgr.push_back(palette[i].blue);
            result.paletteBgr.push_back(palette[i].green);
            result.paletteBgr.push_back(palette[i].red);
        }
    }
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    if (png_get_tRNS(png, info, &alpha, &alphaCount, nullptr) && alpha)
        result.transparency.assign(alpha, alpha + alphaCount);
    result.pixels.resize(size_t(result.width) * size_t(result.height));
    for (int32_t y = 0; y < result.height; ++y)
        png_read_row(png, result.pixels.data() + size_t(y) * size_t(result.width), nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return result;
}

std::vector<uint8_t> writeGreyPng(int32_t width, int32_t height, const std::vector<uint8_t>& pixels, int filter,
                                  size_t idatSize)
{
    static const int masks[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG, PNG_FILTER_PAETH};
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not write the test image");
    }
    png_set_write_fn(png, &out, appendToVector, noFlush);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, masks[filter]);
    png_set_compression_buffer_size(png, idatSize);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int32_t y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(pixels.data() + size_t(y) * size_t(width)));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<uint8_t> withTextChunk(const std::vector<uint8_t>& png)
{
    const char text[] = "Comment\0made by the decoder tests";
    // Signature (8) and IHDR (25) first, then the new chunk, then the rest.
    std::vector<uint8_t> out(png.begin(), png.begin() + 33);
    appendChunk(out, "tEXt", reinterpret_cast<const uint8_t*>(text), sizeof text - 1);
    out.insert(out.end(), png.begin() + 33, png.end());
    return out;
}

Decoded decodeOurs(const std::vector<uint8_t>& png)
{
    Decoded result;
    MemoryResourceStream stream(png.data(), int32_t(png.size()));
    testing::internal::CaptureStdout();
    if (stream.open(0)) {
        ImagePNG decoder;
        result.image = SharedPointer<Base2DImage>(decoder.decode(&stream));
    }
    std::fflush(stdout);
    result.output = testing::internal::GetCapturedStdout();
    return result;
}

std::vector<uint8_t> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> resplitIdat(const std::vector<uint8_t>& png, size_t chunkSize)
{
    auto be32 = [&](size_t at) {
        return uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 | uint32_t(png[at + 2]) << 8 | png[at + 3];
    };
    std::vector<uint8_t> out(png.begin(), png.begin() + 8);
    std::vector<uint8_t> data;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        uint32_t length = be32(at);
        std::string type(reinterpret_cast<const char*>(&png[at + 4]), 4);
        if (type == "IDAT") {
            data.insert(data.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        } else {
            if (type == "IEND")
                for (size_t i = 0; i < data.size(); i += chunkSize)
                    appendChunk(out, "IDAT", data.data() + i, std::min(chunkSize, data.size() - i));
            out.insert(out.end(), png.begin() + at, png.begin() + at + 12 + length);
        }
        at += 12 + length;
    }
    return out;
}
