// Decodes arbitrary bytes as a PNG through a memory stream. The decoder's messages
// go to stdout, which is silenced here to keep the runs fast.
#include "core/resources/Base2DImage.h"
#include "core/resources/ImagePNG.h"
#include "core/resources/MemoryResourceStream.h"

#include <cstdio>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!std::freopen("/dev/null", "w", stdout))
        return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > size_t(INT32_MAX))
        return 0;
    MemoryResourceStream stream(data, int32_t(size));
    if (!stream.open(0))
        return 0;
    ImagePNG decoder;
    std::unique_ptr<Base2DImage> image(decoder.decode(&stream));
    if (image) {
        // Touch the last pixel and table entries: they must all be inside the blocks.
        volatile uint8_t last = image->pixels[int64_t(image->width) * image->height - 1];
        (void)last;
        if (image->palette)
            (void)image->palette[image->paletteCount * 3 - 1];
        if (image->transparency)
            (void)image->transparency[image->transparencyCount - 1];
        Base2DImage copy(*image);
    }
    return 0;
}
