// kmtool png info FILE: decodes a PNG file with the game's decoder. The decoder's own
// messages go to stderr; stdout gets
// {"width":..,"height":..,"colorType":..,"paletteCount":..,"transparencyCount":..,"pixelsCrc32":..}
// or {"image":null} when no image results.
#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "core/resources/Base2DImage.h"
#include "core/resources/ImagePNG.h"
#include "core/resources/MemoryResourceStream.h"

#include <cstdio>
#include <memory>
#include <vector>
#include <zlib.h>

namespace {

std::vector<uint8_t> readWholeFile(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw ToolError("cannot read " + path);
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > size_t(INT32_MAX)) {
            std::fclose(file);
            throw ToolError(path + " is too large for a PNG of the game");
        }
    }
    bool failed = std::ferror(file);
    std::fclose(file);
    if (failed)
        throw ToolError("cannot read " + path);
    return bytes;
}

} // namespace

void runPngInfo(const Arguments& arguments)
{
    CommandLine line(arguments, {});
    line.expectPositionals(1, 1);
    std::vector<uint8_t> bytes = readWholeFile(line.positionals()[0]);
    // An empty file still goes through the decoder, which reports it.
    uint8_t none = 0;
    MemoryResourceStream stream(bytes.empty() ? &none : bytes.data(), int32_t(bytes.size()));
    stream.open(0);
    ImagePNG decoder;
    std::unique_ptr<Base2DImage> image(decoder.decode(&stream));
    JsonWriter json;
    if (!image) {
        json.beginObject().key("image").null().endObject().print();
        return;
    }
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, image->pixels, uInt(int64_t(image->width) * image->height));
    json.beginObject()
        .key("width").value(int64_t(image->width))
        .key("height").value(int64_t(image->height))
        .key("colorType").value(int64_t(image->colorType))
        .key("paletteCount").value(int64_t(image->paletteCount))
        .key("transparencyCount").value(int64_t(image->transparencyCount))
        .key("pixelsCrc32").value(int64_t(crc))
        .endObject()
        .print();
}
