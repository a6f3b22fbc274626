#include "ArtCanvas.h"

#include "GlyphSheet.h"
#include "PalettePngWriter.h"
#include "PaletteQuantizer.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

namespace {

double part(uint32_t rgb, int shift) { return ((rgb >> shift) & 0xFF) / 255.0; }

// DejaVu Sans straight from its file through FreeType, so that drawing text never
// goes through fontconfig. Kept for the life of the program.
cairo_font_face_t* dejaVuFace(bool bold)
{
    static FT_Library library = nullptr;
    static cairo_font_face_t* faces[2] = {nullptr, nullptr};
    if (faces[bold])
        return faces[bold];
    if (!library && FT_Init_FreeType(&library))
        throw std::runtime_error("FreeType does not start");
    FT_Face face = nullptr;
    if (FT_New_Face(library, dejaVuPath(bold).c_str(), 0, &face))
        throw std::runtime_error("cannot open " + dejaVuPath(bold));
    faces[bold] = cairo_ft_font_face_create_for_ft_face(face, 0);
    return faces[bold];
}

} // namespace

ArtCanvas::ArtCanvas(int32_t width, int32_t height)
    : w(width)
    , h(height)
    , surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
    , context(cairo_create(surface))
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo cannot make a surface");
}

ArtCanvas::~ArtCanvas()
{
    cairo_destroy(context);
    cairo_surface_destroy(surface);
}

void ArtCanvas::colour(uint32_t rgb, double alpha)
{
    cairo_set_source_rgba(context, part(rgb, 16), part(rgb, 8), part(rgb, 0), alpha);
}

void ArtCanvas::roundedRect(double x, double y, double width, double height, double radius)
{
    radius = std::min(radius, std::min(width, height) / 2);
    cairo_new_sub_path(context);
    cairo_arc(context, x + width - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(context, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
    cairo_arc(context, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
    cairo_arc(context, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(context);
}

void ArtCanvas::ellipse(double cx, double cy, double rx, double ry)
{
    cairo_save(context);
    cairo_translate(context, cx, cy);
    cairo_scale(context, rx, ry);
    cairo_new_sub_path(context);
    cairo_arc(context, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(context);
}

void ArtCanvas::verticalGradient(double y, double height, uint32_t top, uint32_t bottom)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y, 0, y + height);
    cairo_pattern_add_color_stop_rgb(pattern, 0, part(top, 16), part(top, 8), part(top, 0));
    cairo_pattern_add_color_stop_rgb(pattern, 1, part(bottom, 16), part(bottom, 8), part(bottom, 0));
    cairo_set_source(context, pattern);
    cairo_pattern_destroy(pattern);
}

void ArtCanvas::radialGradient(double cx, double cy, double radius, uint32_t inner, uint32_t outer)
{
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgb(pattern, 0, part(inner, 16), part(inner, 8), part(inner, 0));
    cairo_pattern_add_color_stop_rgb(pattern, 1, part(outer, 16), part(outer, 8), part(outer, 0));
    cairo_set_source(context, pattern);
    cairo_pattern_destroy(pattern);
}

void ArtCanvas::fillPreserveStroke(double lineWidth, uint32_t stroke)
{
    cairo_fill_preserve(context);
    colour(stroke);
    cairo_set_line_width(context, lineWidth);
    cairo_stroke(context);
}

void ArtCanvas::centredText(const std::string& text, double cx, double cy, double size, bool bold, uint32_t rgb)
{
    cairo_set_font_face(context, dejaVuFace(bold));
    cairo_set_font_size(context, size);
    cairo_text_extents_t extents;
    cairo_text_extents(context, text.c_str(), &extents);
    cairo_move_to(context, std::round(cx - extents.width / 2 - extents.x_bearing),
                  std::round(cy - extents.height / 2 - extents.y_bearing));
    colour(rgb);
    cairo_show_text(context, text.c_str());
    cairo_new_path(context);
}

void ArtCanvas::suit(int which, double cx, double cy, double size, uint32_t rgb)
{
    cairo_t* c = context;
    const double s = size / 2;
    cairo_new_path(c);
    switch (which) {
    case 0: // spade: an upside-down heart with a flared stem
        cairo_move_to(c, cx, cy - s);
        cairo_curve_to(c, cx + s * 0.3, cy - s * 0.55, cx + s, cy - s * 0.2, cx + s * 0.95, cy + s * 0.25);
        cairo_curve_to(c, cx + s * 0.9, cy + s * 0.7, cx + s * 0.3, cy + s * 0.75, cx + s * 0.08, cy + s * 0.4);
        cairo_curve_to(c, cx + s * 0.12, cy + s * 0.75, cx + s * 0.3, cy + s * 0.95, cx + s * 0.45, cy + s);
        cairo_line_to(c, cx - s * 0.45, cy + s);
        cairo_curve_to(c, cx - s * 0.3, cy + s * 0.95, cx - s * 0.12, cy + s * 0.75, cx - s * 0.08, cy + s * 0.4);
        cairo_curve_to(c, cx - s * 0.3, cy + s * 0.75, cx - s * 0.9, cy + s * 0.7, cx - s * 0.95, cy + s * 0.25);
        cairo_curve_to(c, cx - s, cy - s * 0.2, cx - s * 0.3, cy - s * 0.55, cx, cy - s);
        break;
    case 1: // heart
        cairo_move_to(c, cx, cy + s);
        cairo_curve_to(c, cx - s * 0.3, cy + s * 0.6, cx - s, cy + s * 0.15, cx - s, cy - s * 0.35);
        cairo_curve_to(c, cx - s, cy - s * 0.85, cx - s * 0.2, cy - s * 1.0, cx, cy - s * 0.45);
        cairo_curve_to(c, cx + s * 0.2, cy - s * 1.0, cx + s, cy - s * 0.85, cx + s, cy - s * 0.35);
        cairo_curve_to(c, cx + s, cy + s * 0.15, cx + s * 0.3, cy + s * 0.6, cx, cy + s);
        break;
    case 2: // diamond
        cairo_move_to(c, cx, cy - s);
        cairo_curve_to(c, cx + s * 0.3, cy - s * 0.5, cx + s * 0.55, cy - s * 0.25, cx + s * 0.78, cy);
        cairo_curve_to(c, cx + s * 0.55, cy + s * 0.25, cx + s * 0.3, cy + s * 0.5, cx, cy + s);
        cairo_curve_to(c, cx - s * 0.3, cy + s * 0.5, cx - s * 0.55, cy + s * 0.25, cx - s * 0.78, cy);
        cairo_curve_to(c, cx - s * 0.55, cy - s * 0.25, cx - s * 0.3, cy - s * 0.5, cx, cy - s);
        break;
    default: { // club: three leaves and a stem
        const double r = s * 0.43;
        cairo_new_sub_path(c);
        cairo_arc(c, cx, cy - s * 0.5, r, 0, 2 * M_PI);
        cairo_new_sub_path(c);
        cairo_arc(c, cx - s * 0.52, cy + s * 0.12, r, 0, 2 * M_PI);
        cairo_new_sub_path(c);
        cairo_arc(c, cx + s * 0.52, cy + s * 0.12, r, 0, 2 * M_PI);
        cairo_new_sub_path(c);
        cairo_move_to(c, cx - s * 0.12, cy);
        cairo_line_to(c, cx + s * 0.12, cy);
        cairo_curve_to(c, cx + s * 0.14, cy + s * 0.6, cx + s * 0.3, cy + s * 0.9, cx + s * 0.45, cy + s);
        cairo_line_to(c, cx - s * 0.45, cy + s);
        cairo_curve_to(c, cx - s * 0.3, cy + s * 0.9, cx - s * 0.14, cy + s * 0.6, cx - s * 0.12, cy);
        cairo_close_path(c);
        break;
    }
    }
    cairo_set_fill_rule(c, CAIRO_FILL_RULE_WINDING);
    colour(rgb);
    cairo_fill(c);
}

std::vector<uint8_t> ArtCanvas::encode(uint32_t matteRgb) const
{
    cairo_surface_flush(surface);
    const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
    const int32_t stride = cairo_image_surface_get_stride(surface) / 4;
    PaletteQuantizer::Result result = PaletteQuantizer::quantize(data, w, h, stride, matteRgb);
    return PalettePngWriter::encode(w, h, result.indices, result.palette);
}

void ArtCanvas::useDejaVu(cairo_t* context, bool bold) { cairo_set_font_face(context, dejaVuFace(bold)); }
