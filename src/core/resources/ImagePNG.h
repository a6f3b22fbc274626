#pragma once

#include <cstdint>
#include <zlib.h>

class Base2DImage;
class BaseResourceStream;

// Decodes the PNG subset the artwork uses (PNG 1.2: bit depth 8, greyscale or
// indexed colour, no interlace) into a Base2DImage. Every chunk CRC read is checked;
// each problem goes to the DiagnosticSink with a fixed "[ImagePNG] ..." style message.
// One object per decode; the two 16384-byte transfer buffers are shared by all.
class ImagePNG {
public:
    static constexpr int32_t BUFFER_SIZE = 16384;
    // The largest image accepted, in pixels: 16 Mi (4096 x 4096). Larger headers are
    // treated like a failed allocation so that a forged header cannot ask for
    // gigabytes; the game's biggest sheet is a few hundred pixels on a side.
    static constexpr int64_t MAX_PIXELS = int64_t(4096) * 4096;

    ImagePNG() = default;
    ImagePNG(const ImagePNG&) = delete;
    ImagePNG& operator=(const ImagePNG&) = delete;
    ~ImagePNG();

    // The stream must already be open on the PNG's first byte. Returns a new image
    // (owned by the caller) or null.
    Base2DImage* decode(BaseResourceStream* stream);

    static uint8_t paeth(int32_t a, int32_t b, int32_t c);
    // Reconstructs the rows in place; filterTypes has one entry per row.
    static void unfilter(uint8_t* pixels, int32_t width, int32_t height, const uint16_t* filterTypes);

private:
    uint8_t* readPalette(uint32_t length);
    uint8_t* readTransparency(uint32_t length);
    int32_t readImageData(uint32_t length);
    void routeInflated(int32_t produced);
    void release();

    BaseResourceStream* stream = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t* pixels = nullptr;
    int64_t pixelCount = 0;
    uint16_t* filterTypes = nullptr;
    // Where the next decompressed byte goes: the row it belongs to, and its place in
    // that row (0 is the filter byte, 1 .. width the indices).
    int32_t row = 0;
    int64_t column = 0;
    int64_t written = 0;
    z_stream inflater{};
    bool inflaterReady = false;
    bool streamEnded = false;
};
