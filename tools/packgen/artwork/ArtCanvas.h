#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// A cairo drawing surface with the few shapes the artwork is made of. Colours are
// 0xRRGGBB. encode() quantizes to a palette PNG (see PaletteQuantizer).
class ArtCanvas {
public:
    ArtCanvas(int32_t width, int32_t height);
    ~ArtCanvas();
    ArtCanvas(const ArtCanvas&) = delete;
    ArtCanvas& operator=(const ArtCanvas&) = delete;

    cairo_t* cr() const { return context; }
    int32_t width() const { return w; }
    int32_t height() const { return h; }

    void colour(uint32_t rgb, double alpha = 1.0);
    void roundedRect(double x, double y, double width, double height, double radius);
    void ellipse(double cx, double cy, double rx, double ry);
    // Vertical gradient over y .. y + height, from top to bottom colour.
    void verticalGradient(double y, double height, uint32_t top, uint32_t bottom);
    void radialGradient(double cx, double cy, double radius, uint32_t inner, uint32_t outer);
    void fillPreserveStroke(double lineWidth, uint32_t stroke);
    // Text centred on (cx, cy) in DejaVu Sans (bold when asked), em size in pixels.
    void centredText(const std::string& text, double cx, double cy, double size, bool bold, uint32_t rgb);
    void suit(int suit, double cx, double cy, double size, uint32_t rgb); // 0 spade, 1 heart, 2 diamond, 3 club

    std::vector<uint8_t> encode(uint32_t matteRgb) const;

    // DejaVu Sans (Bold) for cairo text, loaded from its file without fontconfig.
    static void useDejaVu(cairo_t* context, bool bold);

private:
    int32_t w, h;
    cairo_surface_t* surface;
    cairo_t* context;
};
