#include "host/headless/TrueColourPng.h"

#include <cstdio>
#include <zlib.h>

namespace {

void put32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

// One chunk: length, type, data, CRC over type and data (PNG 1.2, section 5.3).
void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    put32(out, uint32_t(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
}

} // namespace

std::vector<uint8_t> TrueColourPng::encodeBgr(const uint8_t* pixels, int32_t width, int32_t height)
{
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> header;
    put32(header, uint32_t(width));
    put32(header, uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // depth 8, truecolour, deflate, filter 0, no interlace
    chunk(out, "IHDR", header);
    std::vector<uint8_t> raw;
    raw.reserve(size_t(height) * (size_t(width) * 3 + 1));
    for (int32_t y = 0; y < height; ++y) {
        raw.push_back(0);
        const uint8_t* row = pixels + size_t(y) * width * 3;
        for (int32_t x = 0; x < width; ++x) {
            raw.push_back(row[x * 3 + 2]);
            raw.push_back(row[x * 3 + 1]);
            raw.push_back(row[x * 3]);
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9) != Z_OK)
        return {};
    packed.resize(packedSize);
    chunk(out, "IDAT", packed);
    chunk(out, "IEND", {});
    return out;
}

bool TrueColourPng::writeBgr(const std::string& path, const uint8_t* pixels, int32_t width, int32_t height)
{
    std::vector<uint8_t> bytes = encodeBgr(pixels, width, height);
    if (bytes.empty())
        return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}
