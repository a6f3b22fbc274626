#pragma once

#include "core/runtime/Object.h"
#include "core/runtime/SharedPointer.h"

#include <cstdint>

class BaseResourceStream;

// The game's one image type: an 8-bit palette image exactly as decoded from a PNG of
// the resource pack. Loaded images are never changed; the font makes recoloured deep
// copies. The fields are public so the renderer can read pixels and palette without
// a call per pixel.
class Base2DImage : public Object {
public:
    static constexpr int32_t COLOR_TYPE_GREYSCALE = 0;
    static constexpr int32_t COLOR_TYPE_INDEXED = 3;

    // Takes ownership of the three blocks (new[]); palette and transparency may be null.
    Base2DImage(int32_t width, int32_t height, uint8_t* pixels, int32_t colorType, uint8_t* palette,
                int32_t paletteCount, uint8_t* transparency, int32_t transparencyCount);
    // Deep copy: the copy's pixels, palette and transparency table are its own.
    Base2DImage(const Base2DImage& other);
    Base2DImage& operator=(const Base2DImage&) = delete;
    ~Base2DImage() override;

    virtual int32_t getWidth() const { return width; }
    virtual int32_t getHeight() const { return height; }

    // Opens the raw-data entry resourceId on the stream, decodes it as PNG and closes
    // the stream again. Prints "[Base2DImage] ..." and returns an empty pointer when
    // the entry is missing or does not decode.
    static SharedPointer<Base2DImage> createImage(BaseResourceStream* stream, int32_t resourceId);

    // True when palette entry index holds color (0xRRGGBB): entries are stored blue,
    // green, red, so byte 0 is compared with the colour's low byte.
    bool paletteEntryEquals(int32_t index, int32_t color) const;

    // Copies length bytes unless a pointer is null or length is 0, in which case it
    // prints why, naming this file and the caller's line, and copies nothing.
    static void guardedCopy(void* destination, const void* source, int32_t length, int line);

    int32_t width;
    int32_t height;
    uint8_t* pixels;
    int32_t colorType;
    uint8_t* palette; // 3 bytes per entry: blue, green, red
    int32_t paletteCount;
    uint8_t* transparency; // alpha per palette index; indices at or past the count are opaque
    int32_t transparencyCount;
};
