#include "Base2DImage.h"

#include "BaseResourceStream.h"
#include "ImagePNG.h"
#include "core/runtime/Array.h"
#include "core/runtime/DiagnosticSink.h"

#include <cstring>

namespace {

// The name the copy messages carry, fixed whatever this file is called on disk.
const char* const COPY_SOURCE_NAME = "..\\..\\..\\src\\core\\lcdui\\2d\\Base2DImage";

uint8_t* duplicate(const uint8_t* source, int64_t length)
{
    if (!source || length <= 0)
        return nullptr;
    uint8_t* copy = allocateElements<uint8_t>(length);
    if (copy)
        std::memcpy(copy, source, size_t(length));
    return copy;
}

} // namespace

Base2DImage::Base2DImage(int32_t width, int32_t height, uint8_t* pixels, int32_t colorType, uint8_t* palette,
                         int32_t paletteCount, uint8_t* transparency, int32_t transparencyCount)
    : width(width)
    , height(height)
    , pixels(pixels)
    , colorType(colorType)
    , palette(palette)
    , paletteCount(palette ? paletteCount : 0)
    , transparency(transparency)
    , transparencyCount(transparency ? transparencyCount : 0)
{
}

Base2DImage::Base2DImage(const Base2DImage& other)
    : Object()
    , width(other.width)
    , height(other.height)
    , pixels(duplicate(other.pixels, int64_t(other.width) * other.height))
    , colorType(other.colorType)
    , palette(duplicate(other.palette, int64_t(other.paletteCount) * 3))
    , paletteCount(palette ? other.paletteCount : 0)
    , transparency(duplicate(other.transparency, other.transparencyCount))
    , transparencyCount(transparency ? other.transparencyCount : 0)
{
}

Base2DImage::~Base2DImage()
{
    delete[] pixels;
    delete[] palette;
    delete[] transparency;
}

SharedPointer<Base2DImage> Base2DImage::createImage(BaseResourceStream* stream, int32_t resourceId)
{
    if (!stream || !stream->open(resourceId)) {
        DiagnosticSink::print("[Base2DImage] Error opening resource %d\n", resourceId);
        return SharedPointer<Base2DImage>();
    }
    ImagePNG decoder;
    SharedPointer<Base2DImage> image(decoder.decode(stream));
    if (image == nullptr)
        DiagnosticSink::print("[Base2DImage] Failed to load resource %d\n", resourceId);
    stream->close();
    return image;
}

bool Base2DImage::paletteEntryEquals(int32_t index, int32_t color) const
{
    if (!palette || index < 0 || index >= paletteCount)
        return false;
    const uint8_t* entry = palette + index * 3;
    return entry[0] == (color & 0xFF) && entry[1] == ((color >> 8) & 0xFF) && entry[2] == ((color >> 16) & 0xFF);
}

void Base2DImage::guardedCopy(void* destination, const void* source, int32_t length, int line)
{
    if (!destination) {
        DiagnosticSink::print("Trying to write to NULL <%s> [%d]\n", COPY_SOURCE_NAME, line);
        return;
    }
    if (!source) {
        DiagnosticSink::print("Trying to write from NULL <%s> [%d]\n", COPY_SOURCE_NAME, line);
        return;
    }
    if (length <= 0) {
        DiagnosticSink::print("Trying to write 0 bytes <%s> [%d]\n", COPY_SOURCE_NAME, line);
        return;
    }
    std::memcpy(destination, source, size_t(length));
}
