#include "IconWriter.h"

#include "artwork/ArtworkPainter.h"

#include "core/lcdui/2d/ClassGeometry.h"
#include "core/lcdui/2d/ImageSlots.h"

#include <cairo.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>

namespace {

// The logo strip holds three logos (emblem, spade badge, chip) in three frames of
// rising brightness, one square cell each, left to right; the emblem of the last,
// full-brightness frame is cell 6.
constexpr int32_t EMBLEM_CELL = 6;
// The emblem's gold ring is centred at 0.44 of the cell and 1/16 of it wide, so its
// outer edge lies at 0.471: a cut at 0.465 stays inside the gold and leaves none of
// the strip's green behind.
constexpr double CUT_RADIUS = 0.465;
// The cut emblem fills 92 % of the icon, leaving a pixel or two for the desktop's
// own effects at 32 px.
constexpr double ICON_RADIUS = 0.46;

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using ContextPtr = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

struct ReadCursor {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

cairo_status_t readPng(void* closure, unsigned char* data, unsigned int length)
{
    auto* cursor = static_cast<ReadCursor*>(closure);
    if (length > cursor->bytes->size() - cursor->at)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, cursor->bytes->data() + cursor->at, length);
    cursor->at += length;
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t writePng(void* closure, const unsigned char* data, unsigned int length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// The logo strip of the class with the largest logos, so that every icon but the
// largest is scaled down, never up.
SurfacePtr largestLogoStrip()
{
    int32_t largest = 1;
    for (int32_t screenClass = 2; screenClass <= 6; ++screenClass)
        if (classGeometry(screenClass).logoSize > classGeometry(largest).logoSize)
            largest = screenClass;
    const std::vector<uint8_t> png = ArtworkPainter::paintSlot(largest, SLOT_LOGO_STRIP);
    ReadCursor cursor{&png, 0};
    SurfacePtr strip(cairo_image_surface_create_from_png_stream(readPng, &cursor), cairo_surface_destroy);
    if (cairo_surface_status(strip.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("the logo strip of class " + std::to_string(largest) + " does not decode");
    return strip;
}

void makeDirectories(const std::string& path)
{
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/')
            continue;
        const std::string prefix = path.substr(0, at);
        if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST)
            throw std::runtime_error("cannot create " + prefix + ": " + std::strerror(errno));
    }
}

void writeIfChanged(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (in) {
        std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (old == bytes)
            return;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

std::vector<uint8_t> IconWriter::paint(int32_t size)
{
    if (size < 1 || size > 1024)
        throw std::runtime_error("icon size out of range: " + std::to_string(size));
    SurfacePtr strip = largestLogoStrip();
    const double cell = cairo_image_surface_get_height(strip.get());
    if (cairo_image_surface_get_width(strip.get()) < (EMBLEM_CELL + 1) * cell)
        throw std::runtime_error("the logo strip is narrower than nine cells");
    // A view of the one cell, so that the scaling filter never reaches the
    // neighbouring logo.
    SurfacePtr emblem(cairo_surface_create_for_rectangle(strip.get(), EMBLEM_CELL * cell, 0, cell, cell),
                      cairo_surface_destroy);

    SurfacePtr icon(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size), cairo_surface_destroy);
    ContextPtr cr(cairo_create(icon.get()), cairo_destroy);
    const double scale = (ICON_RADIUS * size) / (CUT_RADIUS * cell);
    cairo_translate(cr.get(), size / 2.0, size / 2.0);
    cairo_scale(cr.get(), scale, scale);
    cairo_translate(cr.get(), -cell / 2, -cell / 2);
    cairo_arc(cr.get(), cell / 2, cell / 2, CUT_RADIUS * cell, 0, 2 * M_PI);
    cairo_clip(cr.get());
    cairo_set_source_surface(cr.get(), emblem.get(), 0, 0);
    // GOOD averages when scaling down (cairo 1.14 and later) and is bilinear up.
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
    cairo_paint(cr.get());
    cairo_surface_flush(icon.get());

    std::vector<uint8_t> png;
    if (cairo_surface_write_to_png_stream(icon.get(), writePng, &png) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo cannot encode the icon");
    return png;
}

void IconWriter::writeTheme(const std::string& outDir)
{
    for (int32_t size : SIZES) {
        const std::string folder =
            outDir + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        makeDirectories(folder);
        writeIfChanged(folder + "/" + ICON_NAME + ".png", paint(size));
    }
}
