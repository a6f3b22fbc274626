#include "ImagePNG.h"

#include "Base2DImage.h"
#include "BaseResourceStream.h"
#include "core/runtime/Array.h"
#include "core/runtime/DiagnosticSink.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace {

const uint8_t PNG_SIGNATURE[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// Program-wide transfer buffers: compressed input, one inflate call's output, and
// the pixel bytes of that output with the filter bytes taken out.
uint8_t inputBuffer[ImagePNG::BUFFER_SIZE];
uint8_t outputBuffer[ImagePNG::BUFFER_SIZE];
uint8_t stagingBuffer[ImagePNG::BUFFER_SIZE];

uint32_t bigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

bool sameType(const uint8_t* type, const char* name) { return std::memcmp(type, name, 4) == 0; }

uLong crcOf(const char* type, const uint8_t* data, uint32_t length)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(type), 4);
    if (length > 0)
        crc = crc32(crc, data, length);
    return crc;
}

// Reads the 4-byte big-endian CRC that ends a chunk; false on a short read.
bool readCrc(BaseResourceStream* stream, uint32_t* crc)
{
    uint8_t bytes[4];
    if (stream->read(bytes, 4) != 4)
        return false;
    *crc = bigEndian32(bytes);
    return true;
}

} // namespace

ImagePNG::~ImagePNG() { release(); }

void ImagePNG::release()
{
    if (inflaterReady)
        inflateEnd(&inflater);
    inflaterReady = false;
    delete[] pixels;
    pixels = nullptr;
    delete[] filterTypes;
    filterTypes = nullptr;
}

uint8_t ImagePNG::paeth(int32_t a, int32_t b, int32_t c)
{
    int32_t p = a + b - c;
    int32_t pa = std::abs(p - a);
    int32_t pb = std::abs(p - b);
    int32_t pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return uint8_t(a);
    if (pb <= pc)
        return uint8_t(b);
    return uint8_t(c);
}

void ImagePNG::unfilter(uint8_t* pixels, int32_t width, int32_t height, const uint16_t* filterTypes)
{
    if (!pixels || width <= 0 || height <= 0)
        return;
    uint8_t* row = allocateElements<uint8_t>(width);
    if (!row) {
        DiagnosticSink::print("Error allocating memory for row data\n");
        return;
    }
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* current = pixels + int64_t(y) * width;
        const uint8_t* above = y > 0 ? current - width : nullptr;
        int32_t type = filterTypes[y];
        // Column 0 has no left neighbour; the loops from column 1 need no checks.
        switch (type) {
        case 0:
            continue;
        case 1:
            row[0] = current[0];
            for (int32_t x = 1; x < width; ++x)
                row[x] = uint8_t(current[x] + row[x - 1]);
            break;
        case 2:
            if (!above) {
                std::memcpy(row, current, size_t(width));
                break;
            }
            for (int32_t x = 0; x < width; ++x)
                row[x] = uint8_t(current[x] + above[x]);
            break;
        case 3:
            if (!above) {
                row[0] = current[0];
                for (int32_t x = 1; x < width; ++x)
                    row[x] = uint8_t(current[x] + (row[x - 1] >> 1));
                break;
            }
            row[0] = uint8_t(current[0] + (above[0] >> 1));
            for (int32_t x = 1; x < width; ++x)
                row[x] = uint8_t(current[x] + ((row[x - 1] + above[x]) >> 1));
            break;
        case 4:
            if (!above) {
                // With no row above Paeth always predicts the left neighbour.
                row[0] = current[0];
                for (int32_t x = 1; x < width; ++x)
                    row[x] = uint8_t(current[x] + row[x - 1]);
                break;
            }
            row[0] = uint8_t(current[0] + above[0]); // paeth(0, up, 0) = up
            for (int32_t x = 1; x < width; ++x)
                row[x] = uint8_t(current[x] + paeth(row[x - 1], above[x], above[x - 1]));
            break;
        default:
            DiagnosticSink::print("Filter type %d unsupported!\n", type);
            continue;
        }
        Base2DImage::guardedCopy(current, row, width, __LINE__);
    }
    delete[] row;
}

Base2DImage* ImagePNG::decode(BaseResourceStream* source)
{
    stream = source;
    if (!stream || !stream->isOpen()) {
        DiagnosticSink::print("[ImagePNG] Resource hasn't been opened\n");
        return nullptr;
    }

    uint8_t signature[8];
    stream->seek(0, BaseResourceStream::SEEK_FROM_START);
    if (stream->read(signature, 8) < 8) {
        DiagnosticSink::print("[ImagePNG] Error reading PNG signature\n");
        return nullptr;
    }
    if (std::memcmp(signature, PNG_SIGNATURE, 8) != 0) {
        DiagnosticSink::print("[ImagePNG] Bad PNG signature\n");
        return nullptr;
    }

    // Length, type and the 13 header bytes; the type is taken on trust.
    uint8_t header[21];
    if (stream->read(header, 21) < 21) {
        DiagnosticSink::print("[ImagePNG] Error reading IHDR chunk\n");
        return nullptr;
    }
    bool crcMatched = false;
    uint32_t storedCrc = 0;
    if (!readCrc(stream, &storedCrc)) {
        DiagnosticSink::print("[ImagePNG] Error reading IHDR CRC\n");
    } else if (crc32(crc32(0L, Z_NULL, 0), header + 4, 17) != storedCrc) {
        DiagnosticSink::print("[ImagePNG] CRC check failed!\n");
    } else {
        crcMatched = true;
    }

    uint32_t headerWidth = bigEndian32(header + 8);
    uint32_t headerHeight = bigEndian32(header + 12);
    uint8_t bitDepth = header[16];
    uint8_t colorType = header[17];
    const char* refusal = nullptr;
    if (bitDepth != 8)
        refusal = "[ImagePNG] PNG bit depth is incompatible. Only 8bpp PNG supported\n";
    else if (colorType != 0 && colorType != 3)
        refusal = "[ImagePNG] PNG colour type is incompatible. Only grayscale PNG or PNG with indexed colours "
                  "supported\n";
    else if (header[18] != 0)
        refusal = "[ImagePNG] PNG compression method is incompatible\n";
    else if (header[19] != 0)
        refusal = "[ImagePNG] PNG filter method is incompatible. Filter method not supported\n";
    else if (header[20] != 0)
        refusal = "[ImagePNG] PNG interlace method is incompatible. Interlaced PNG not supported\n";
    if (refusal) {
        DiagnosticSink::print("%s", refusal);
        DiagnosticSink::print("[ImagePNG] PNG resource is incompatible\n");
        return nullptr;
    }
    if (headerWidth == 0 || headerHeight == 0 || !crcMatched)
        return nullptr;

    // Too large counts as an allocation that failed (no message).
    if (int64_t(headerWidth) * headerHeight > MAX_PIXELS)
        return nullptr;
    width = int32_t(headerWidth);
    height = int32_t(headerHeight);
    pixelCount = int64_t(width) * height;
    pixels = allocateElements<uint8_t>(pixelCount);
    filterTypes = allocateElements<uint16_t>(height);
    if (!pixels || !filterTypes) {
        release();
        return nullptr;
    }
    std::memset(&inflater, 0, sizeof inflater);
    if (inflateInit(&inflater) != Z_OK) {
        release();
        return nullptr;
    }
    inflaterReady = true;

    uint8_t* palette = nullptr;
    int32_t paletteCount = 0;
    uint8_t* transparency = nullptr;
    int32_t transparencyCount = 0;
    // The next chunk header's offset: signature (8) + IHDR (4 + 4 + 13 + 4).
    int64_t chunkOffset = 33;
    for (;;) {
        uint8_t chunkHeader[8];
        if (stream->read(chunkHeader, 8) < 8) {
            DiagnosticSink::print("[ImagePNG] Error reading chunk header\n");
            break;
        }
        uint32_t length = bigEndian32(chunkHeader);
        const uint8_t* type = chunkHeader + 4;
        if (sameType(type, "IEND"))
            break;
        // PNG caps lengths at 2^31 - 1; past that no chunk boundary can be found, so
        // the header is taken as broken and decoding stops with what it has.
        int64_t nextOffset = chunkOffset + 8 + int64_t(length) + 4;
        bool boundaryValid = length <= 0x7FFFFFFFu && nextOffset <= std::numeric_limits<int32_t>::max();
        if (!boundaryValid) {
            DiagnosticSink::print("[ImagePNG] Error skipping chunk\n");
            break;
        }
        if (sameType(type, "IDAT")) {
            readImageData(length);
        } else if (sameType(type, "PLTE")) {
            if (palette) {
                DiagnosticSink::print("[ImagePNG] Duplicate palette chunk\n");
            } else {
                palette = readPalette(length);
                if (palette)
                    paletteCount = int32_t(length / 3);
                else
                    DiagnosticSink::print("[ImagePNG] Error reading palette chunk\n");
            }
        } else if (sameType(type, "tRNS")) {
            if (transparency) {
                DiagnosticSink::print("[ImagePNG] Duplicate transparency chunk\n");
            } else {
                transparency = readTransparency(length);
                if (transparency)
                    transparencyCount = int32_t(length);
                else
                    DiagnosticSink::print("[ImagePNG] Error reading transparency chunk\n");
            }
        }
        // Every kind of chunk, read whole, read in part or not at all, is left at the
        // boundary that follows it.
        if (!stream->seek(int32_t(nextOffset), BaseResourceStream::SEEK_FROM_START)) {
            DiagnosticSink::print("[ImagePNG] Error skipping chunk\n");
            break;
        }
        chunkOffset = nextOffset;
    }

    inflateEnd(&inflater);
    inflaterReady = false;
    unfilter(pixels, width, height, filterTypes);
    delete[] filterTypes;
    filterTypes = nullptr;
    uint8_t* imagePixels = pixels;
    pixels = nullptr;
    Base2DImage* image = new (std::nothrow)
        Base2DImage(width, height, imagePixels, colorType, palette, paletteCount, transparency, transparencyCount);
    if (!image) {
        delete[] imagePixels;
        delete[] palette;
        delete[] transparency;
    }
    return image;
}

uint8_t* ImagePNG::readPalette(uint32_t length)
{
    if (!stream->isOpen()) {
        DiagnosticSink::print("[ImagePNG] Can't read palette, file is not opened\n");
        return nullptr;
    }
    if (length == 0 || length % 3 != 0) {
        DiagnosticSink::print("[ImagePNG] Bad palette chunk size\n");
        return nullptr;
    }
    if (length / 3 > 256) {
        DiagnosticSink::print("[ImagePNG] Palette too large. Only 256 or less colors supported\n");
        return nullptr;
    }
    uint8_t* data = allocateElements<uint8_t>(length);
    if (!data) {
        DiagnosticSink::print("Error allocating memory for palette\n");
        return nullptr;
    }
    if (stream->read(data, int32_t(length)) < int32_t(length)) {
        DiagnosticSink::print("Error reading PLTE chunk\n");
        delete[] data;
        return nullptr;
    }
    uint32_t storedCrc = 0;
    if (!readCrc(stream, &storedCrc)) {
        delete[] data;
        return nullptr;
    }
    if (crcOf("PLTE", data, length) != storedCrc) {
        DiagnosticSink::print("[ImagePNG] Palette CRC check failed!\n");
        delete[] data;
        return nullptr;
    }
    // R, G, B in the file; blue, green, red in memory.
    for (uint32_t i = 0; i < length; i += 3) {
        uint8_t red = data[i];
        data[i] = data[i + 2];
        data[i + 2] = red;
    }
    return data;
}

uint8_t* ImagePNG::readTransparency(uint32_t length)
{
    if (!stream->isOpen()) {
        DiagnosticSink::print("[ImagePNG] Can't read transparency info, file is not opened\n");
        return nullptr;
    }
    // One alpha per palette entry at most (PNG 1.2, 4.2.1.1); a longer table is as
    // broken as an empty one and would let a forged length claim gigabytes.
    if (length == 0 || length > 256) {
        DiagnosticSink::print("[ImagePNG] Bad transparency chunk size\n");
        return nullptr;
    }
    uint8_t* data = allocateElements<uint8_t>(length);
    if (!data)
        return nullptr;
    if (stream->read(data, int32_t(length)) < int32_t(length))
        DiagnosticSink::print("[ImagePNG] Error reading alpha channel\n");
    uint32_t storedCrc = 0;
    // A wrong CRC is reported but the table is kept.
    if (readCrc(stream, &storedCrc) && crcOf("tRNS", data, length) != storedCrc)
        DiagnosticSink::print("Palette CRC check failed!\n");
    return data;
}

void ImagePNG::routeInflated(int32_t produced)
{
    // Walk the output in runs: a filter byte at the start of each row, then up to
    // width index bytes. Data past the last row has nowhere to go and is dropped.
    const int64_t rowSize = int64_t(width) + 1;
    int32_t staged = 0;
    int32_t i = 0;
    while (i < produced && row < height) {
        if (column == 0) {
            filterTypes[row] = outputBuffer[i++];
            column = 1;
            continue;
        }
        int32_t run = int32_t(std::min<int64_t>(produced - i, rowSize - column));
        std::memcpy(stagingBuffer + staged, outputBuffer + i, size_t(run));
        staged += run;
        i += run;
        column += run;
        if (column == rowSize) {
            column = 0;
            ++row;
        }
    }
    if (staged == 0 && produced > 0 && row >= height)
        return;
    Base2DImage::guardedCopy(pixels + written, stagingBuffer, staged, __LINE__);
    written += staged;
}

int32_t ImagePNG::readImageData(uint32_t length)
{
    if (!stream->isOpen()) {
        DiagnosticSink::print("Can't read image data, file is not opened\n");
        return 0;
    }
    int64_t writtenBefore = written;
    uLong crc = crcOf("IDAT", nullptr, 0);
    uint32_t remaining = length;
    while (remaining > 0) {
        int32_t want = remaining < uint32_t(BUFFER_SIZE) ? int32_t(remaining) : BUFFER_SIZE;
        int32_t got = stream->read(inputBuffer, want);
        if (got <= 0)
            break;
        remaining -= uint32_t(got);
        crc = crc32(crc, inputBuffer, uInt(got));
        // Bytes after the end of the compressed stream still count for the CRC.
        if (streamEnded)
            continue;
        inflater.next_in = inputBuffer;
        inflater.avail_in = uInt(got);
        int status;
        do {
            inflater.next_out = outputBuffer;
            inflater.avail_out = BUFFER_SIZE;
            status = inflate(&inflater, Z_NO_FLUSH);
            routeInflated(BUFFER_SIZE - int32_t(inflater.avail_out));
        } while (inflater.avail_out == 0 && status == Z_OK);
        if (status == Z_STREAM_END)
            streamEnded = true;
    }
    uint32_t storedCrc = 0;
    if (!readCrc(stream, &storedCrc))
        return 0;
    if (crc != storedCrc) {
        DiagnosticSink::print("Image data CRC check failed!\n");
        return 0;
    }
    return int32_t(written - writtenBefore);
}
