#include "ArtworkPainter.h"

#include "ArtCanvas.h"
#include "GlyphSheet.h"
#include "PalettePngWriter.h"

#include "core/lcdui/2d/ClassGeometry.h"
#include "core/lcdui/2d/GlyphMetrics.h"
#include "core/lcdui/2d/ImageSlots.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace {

// The game's palette.
constexpr uint32_t DEEP_GREEN = 0x0B311B;
constexpr uint32_t FELT = 0x144629; // the table screen's fill, RGB (20, 70, 41)
constexpr uint32_t FELT_LIGHT = 0x23804A;
constexpr uint32_t FELT_DARK = 0x0F3A21;
constexpr uint32_t GOLD = 0xFFC221;
constexpr uint32_t GOLD_DARK = 0xB07A10;
constexpr uint32_t GOLD_LIGHT = 0xFFE38A;
constexpr uint32_t CREAM = 0xF4EBD0;
constexpr uint32_t WOOD = 0x6B3416;
constexpr uint32_t WOOD_LIGHT = 0x9A5428;
constexpr uint32_t BURGUNDY = 0x6E1610;
constexpr uint32_t BURGUNDY_DARK = 0x3A0906;
constexpr uint32_t CARD_WHITE = 0xFBFAF4;
constexpr uint32_t SUIT_RED = 0xD01A2A;
constexpr uint32_t SUIT_BLACK = 0x141414;
// The four-colour deck's diamonds and clubs: dark enough on white for the small
// faces' few pixels, and far apart from the red and the black.
constexpr uint32_t SUIT_BLUE = 0x1946C8;
constexpr uint32_t SUIT_GREEN = 0x107A2E;
constexpr uint32_t INK = 0x1A1A1A;

using G = ClassGeometry;

const char* const RANKS[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};

// Suits as the canvas numbers them: 0 spade, 1 heart, 2 diamond, 3 club.
uint32_t suitColour(int suit) { return (suit == 1 || suit == 2) ? SUIT_RED : SUIT_BLACK; }

uint32_t fourColourSuit(int suit)
{
    if (suit == 2)
        return SUIT_BLUE;
    if (suit == 3)
        return SUIT_GREEN;
    return suitColour(suit);
}

// Darkens (k < 1) or lightens (k > 1) a colour.
uint32_t shade(uint32_t rgb, double k)
{
    uint32_t out = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        double v = ((rgb >> shift) & 0xFF) * k;
        out |= uint32_t(std::clamp(v, 0.0, 255.0)) << shift;
    }
    return out;
}

// Gold frame line with a darker outer line: the trim used all over.
void goldTrim(ArtCanvas& a, double x, double y, double w, double h, double r, double line)
{
    a.roundedRect(x + line / 2, y + line / 2, w - line, h - line, r);
    a.colour(GOLD_DARK);
    cairo_set_line_width(a.cr(), line);
    cairo_stroke(a.cr());
    a.roundedRect(x + line * 1.5, y + line * 1.5, w - 3 * line, h - 3 * line, std::max(0.0, r - line));
    a.colour(GOLD);
    cairo_set_line_width(a.cr(), std::max(1.0, line * 0.8));
    cairo_stroke(a.cr());
}

// The name in gold over a shadow, shrunk when needed to fit maxWidth.
void wordmark(ArtCanvas& a, double cx, double cy, double size, double maxWidth)
{
    ArtCanvas::useDejaVu(a.cr(), /*bold=*/true);
    cairo_set_font_size(a.cr(), size);
    cairo_text_extents_t extents;
    cairo_text_extents(a.cr(), "KESTRELMOORE", &extents);
    if (extents.width > maxWidth)
        size *= maxWidth / extents.width;
    // Shadow, then gold with a light top edge.
    a.centredText("KESTRELMOORE", cx + size / 14 + 0.5, cy + size / 14 + 0.5, size, true, 0x000000);
    a.centredText("KESTRELMOORE", cx, cy, size, true, GOLD);
}

void card(ArtCanvas& a, double x, double y, double w, double h, int rank, int suit, bool small, uint32_t ink)
{
    const double r = std::max(1.5, w / 8);
    a.roundedRect(x + 0.5, y + 0.5, w - 1, h - 1, r);
    a.colour(CARD_WHITE);
    a.fillPreserveStroke(1, 0x6A6A6A);
    if (small) {
        a.centredText(RANKS[rank], x + w / 2, y + h * 0.32, h * 0.42, true, ink);
        a.suit(suit, x + w / 2, y + h * 0.72, h * 0.36, ink);
        return;
    }
    const double rankSize = h * (rank == 8 ? 0.30 : 0.34);
    a.centredText(RANKS[rank], x + w * 0.28 + (rank == 8 ? 1 : 0), y + h * 0.2, rankSize, true, ink);
    a.suit(suit, x + w * 0.28, y + h * 0.44, h * 0.2, ink);
    a.suit(suit, x + w * 0.62, y + h * 0.7, h * 0.42, ink);
}

void cardBack(ArtCanvas& a, double x, double y, double w, double h)
{
    const double r = std::max(1.5, w / 8);
    a.roundedRect(x + 0.5, y + 0.5, w - 1, h - 1, r);
    a.colour(CARD_WHITE);
    a.fillPreserveStroke(1, 0x6A6A6A);
    const double m = std::max(2.0, w / 9);
    a.roundedRect(x + m, y + m, w - 2 * m, h - 2 * m, r / 2);
    a.radialGradient(x + w / 2, y + h / 2, h * 0.6, 0xA02418, BURGUNDY_DARK);
    cairo_fill_preserve(a.cr());
    cairo_save(a.cr());
    cairo_clip(a.cr());
    // Gold lattice.
    a.colour(GOLD, 0.55);
    cairo_set_line_width(a.cr(), std::max(0.6, w / 30));
    const double step = std::max(4.0, w / 4);
    for (double d = -h; d < w + h; d += step) {
        cairo_move_to(a.cr(), x + d, y);
        cairo_line_to(a.cr(), x + d + h, y + h);
        cairo_move_to(a.cr(), x + d + h, y);
        cairo_line_to(a.cr(), x + d, y + h);
    }
    cairo_stroke(a.cr());
    cairo_restore(a.cr());
    a.suit(0, x + w / 2, y + h / 2, std::min(w, h) * 0.35, GOLD);
}

void chip(ArtCanvas& a, double cx, double cy, double radius, uint32_t body)
{
    a.ellipse(cx, cy, radius, radius);
    a.colour(body);
    a.fillPreserveStroke(std::max(0.8, radius / 8), shade(body, 0.5));
    // Edge stripes.
    cairo_save(a.cr());
    a.colour(0xFFFFFF, 0.9);
    cairo_set_line_width(a.cr(), std::max(1.0, radius / 3.5));
    for (int i = 0; i < 6; ++i) {
        const double angle = i * M_PI / 3;
        cairo_new_sub_path(a.cr());
        cairo_arc(a.cr(), cx, cy, radius * 0.78, angle - 0.2, angle + 0.2);
    }
    cairo_stroke(a.cr());
    cairo_restore(a.cr());
    a.ellipse(cx, cy, radius * 0.45, radius * 0.45);
    a.colour(shade(body, 1.25));
    cairo_fill(a.cr());
}

const uint32_t CHIP_COLOURS[5] = {0xEDEDED, 0xC8202A, 0x2452B8, 0x1F8A3C, 0x222222};

void tableFelt(ArtCanvas& a, double w, double h)
{
    const double rail = std::max(4.0, h / 14);
    a.roundedRect(0.5, 0.5, w - 1, h - 1, h / 2);
    a.verticalGradient(0, h, WOOD_LIGHT, WOOD);
    a.fillPreserveStroke(1, 0x2A1206);
    a.roundedRect(rail * 0.45, rail * 0.45, w - rail * 0.9, h - rail * 0.9, h / 2 - rail * 0.45);
    a.colour(0xB86A34, 0.6);
    cairo_set_line_width(a.cr(), 1);
    cairo_stroke(a.cr());
    a.roundedRect(rail, rail, w - 2 * rail, h - 2 * rail, h / 2 - rail);
    a.radialGradient(w / 2, h / 2, w * 0.55, FELT_LIGHT, FELT_DARK);
    a.fillPreserveStroke(1, 0x06200F);
    // A thin gold betting line.
    const double inset = rail + std::max(3.0, h / 12);
    a.roundedRect(inset, inset, w - 2 * inset, h - 2 * inset, h / 2 - inset);
    a.colour(GOLD, 0.45);
    cairo_set_line_width(a.cr(), std::max(1.0, h / 150));
    cairo_stroke(a.cr());
}

// Background of menus and text screens: body, title band, soft-key bar.
void menuBackground(ArtCanvas& a, const G& g, bool titleBand)
{
    const double w = g.width, h = g.height;
    cairo_rectangle(a.cr(), 0, 0, w, h);
    a.radialGradient(w / 2, h * 0.45, h * 0.8, 0x175A33, 0x06210F);
    cairo_fill(a.cr());
    // Faint diamond pattern.
    a.colour(0xFFFFFF, 0.035);
    const double step = std::max(10.0, w / 12);
    for (double y = 0; y < h; y += step)
        for (double x = (int(y / step) % 2) * step / 2; x < w; x += step) {
            cairo_move_to(a.cr(), x, y - step / 4);
            cairo_line_to(a.cr(), x + step / 6, y);
            cairo_line_to(a.cr(), x, y + step / 4);
            cairo_line_to(a.cr(), x - step / 6, y);
            cairo_close_path(a.cr());
        }
    cairo_fill(a.cr());
    if (titleBand) {
        cairo_rectangle(a.cr(), 0, 0, w, g.titleHeight);
        a.verticalGradient(0, g.titleHeight, 0x8A2216, BURGUNDY_DARK);
        cairo_fill(a.cr());
        cairo_rectangle(a.cr(), 0, g.titleHeight - 2, w, 2);
        a.colour(GOLD);
        cairo_fill(a.cr());
        cairo_rectangle(a.cr(), 0, g.titleHeight, w, 1);
        a.colour(0x000000, 0.5);
        cairo_fill(a.cr());
    }
    const double bar = h - g.softKeyHeight;
    cairo_rectangle(a.cr(), 0, bar, w, g.softKeyHeight);
    a.verticalGradient(bar, g.softKeyHeight, 0x2A2A2A, 0x050505);
    cairo_fill(a.cr());
    cairo_rectangle(a.cr(), 0, bar, w, 1);
    a.colour(GOLD_DARK);
    cairo_fill(a.cr());
}

void softKeyBar(ArtCanvas& a, const G& g)
{
    const double w = g.width, h = g.softKeyHeight;
    cairo_rectangle(a.cr(), 0, 0, w, h);
    a.verticalGradient(0, h, 0x2E2E2E, 0x050505);
    cairo_fill(a.cr());
    cairo_rectangle(a.cr(), 0, 0, w, 1);
    a.colour(GOLD_DARK);
    cairo_fill(a.cr());
    cairo_rectangle(a.cr(), std::floor(w / 2), 3, 1, h - 6);
    a.colour(0x5A5A5A);
    cairo_fill(a.cr());
}

void splashScene(ArtCanvas& a, const G& g, bool loading)
{
    const double w = g.width, fullH = g.height;
    cairo_rectangle(a.cr(), 0, 0, w, fullH);
    a.radialGradient(w / 2, fullH * 0.4, std::max(w, fullH) * 0.8, 0x1E7040, 0x041A0C);
    cairo_fill(a.cr());
    // The landscape picture is shown centred and cropped to the frame's height, so
    // the scene keeps to the middle band of the shortest frame.
    const double band = isLandscape(g) ? LANDSCAPE_MIN_HEIGHT : fullH;
    cairo_translate(a.cr(), 0, (fullH - band) / 2);
    const double h = band;
    // Spotlight ellipse of felt.
    a.ellipse(w / 2, h * 0.52, std::min(w * 0.46, h * 0.8), h * 0.2);
    a.colour(0x000000, 0.25);
    cairo_fill(a.cr());
    // Two fanned cards: ace of spades and king of hearts.
    const double cw = g.cardWidth * (loading ? 1.4 : 1.9), ch = g.cardHeight * (loading ? 1.4 : 1.9);
    const double cx = w / 2, cy = h * (loading ? 0.48 : 0.5);
    for (int i = 0; i < 2; ++i) {
        cairo_save(a.cr());
        cairo_translate(a.cr(), cx, cy + ch * 0.5);
        cairo_rotate(a.cr(), i == 0 ? -0.22 : 0.22);
        card(a, -cw / 2 + (i == 0 ? -cw * 0.18 : cw * 0.18), -ch, cw, ch, i == 0 ? 12 : 11, i == 0 ? 0 : 1,
             false, suitColour(i == 0 ? 0 : 1));
        cairo_restore(a.cr());
    }
    // Chips at the foot of the cards.
    const double r = g.chipSize * (loading ? 0.9 : 1.2);
    chip(a, cx - cw * 0.9, cy + ch * 0.55, r, CHIP_COLOURS[1]);
    chip(a, cx - cw * 0.9 + r * 1.2, cy + ch * 0.62, r, CHIP_COLOURS[2]);
    chip(a, cx + cw * 0.85, cy + ch * 0.58, r, CHIP_COLOURS[4]);
    // Wordmark and subtitle.
    const double size = std::min(w / 8.0, h / 10.0);
    wordmark(a, w / 2, h * (loading ? 0.14 : 0.15), size, w * 0.9);
    a.centredText("TEXAS HOLD'EM", w / 2, h * (loading ? 0.14 : 0.15) + size * 0.95, size * 0.5, true, CREAM);
    if (loading) {
        cairo_identity_matrix(a.cr());
        const Box p = progressBox(g);
        a.roundedRect(p.x - 3.5, p.y - 3.5, p.w + 7, p.h + 7, (p.h + 7) / 2);
        a.colour(0x020A05);
        a.fillPreserveStroke(1, GOLD_DARK);
    }
}

void logo(ArtCanvas& a, int which, double x, double y, double size, double brightness)
{
    const double cx = x + size / 2, cy = y + size / 2, r = size * 0.44;
    const uint32_t gold = shade(GOLD, brightness), cream = shade(CREAM, brightness);
    switch (which) {
    case 0: { // kestrel emblem: gold ring with a stylised bird
        a.ellipse(cx, cy, r, r);
        a.colour(shade(0x7A1A10, brightness));
        a.fillPreserveStroke(size / 16, gold);
        cairo_t* c = a.cr();
        cairo_move_to(c, cx - r * 0.75, cy - r * 0.05);
        cairo_curve_to(c, cx - r * 0.3, cy - r * 0.45, cx - r * 0.1, cy - r * 0.2, cx, cy - r * 0.05);
        cairo_curve_to(c, cx + r * 0.15, cy - r * 0.55, cx + r * 0.45, cy - r * 0.65, cx + r * 0.75, cy - r * 0.35);
        cairo_curve_to(c, cx + r * 0.45, cy - r * 0.3, cx + r * 0.25, cy, cx + r * 0.1, cy + r * 0.2);
        cairo_line_to(c, cx + r * 0.05, cy + r * 0.65);
        cairo_line_to(c, cx - r * 0.15, cy + r * 0.2);
        cairo_curve_to(c, cx - r * 0.35, cy + r * 0.05, cx - r * 0.55, cy + r * 0.05, cx - r * 0.75, cy - r * 0.05);
        cairo_close_path(c);
        a.colour(cream);
        cairo_fill(c);
        break;
    }
    case 1: // spade in a gold diamond
        cairo_move_to(a.cr(), cx, cy - r);
        cairo_line_to(a.cr(), cx + r, cy);
        cairo_line_to(a.cr(), cx, cy + r);
        cairo_line_to(a.cr(), cx - r, cy);
        cairo_close_path(a.cr());
        a.colour(shade(0x101010, brightness));
        a.fillPreserveStroke(size / 16, gold);
        a.suit(0, cx, cy, r * 0.95, cream);
        break;
    default: // a chip with the monogram
        chip(a, cx, cy, r, shade(0x1F5FB8, brightness));
        a.centredText("KM", cx, cy, r * 0.7, true, gold);
        break;
    }
}

void avatar(ArtCanvas& a, int which, double x, double y, double s)
{
    struct Look {
        uint32_t back, skin, hair, shirt;
        int hairStyle; // 0 short, 1 long, 2 bald, 3 cap
        bool glasses;
    };
    const Look looks[8] = {
        {0x3D6E8C, 0xF1C7A0, 0x3B2314, 0x8C1D18, 0, false}, {0x7A4A8C, 0xD9A27A, 0x111111, 0x2C5E2E, 1, false},
        {0x8C6E3D, 0xF3D2B5, 0xC9A03A, 0x23395E, 1, true},  {0x3D8C6E, 0x8D5A3B, 0x161010, 0xC08A1E, 2, false},
        {0x8C3D4F, 0xEAC09A, 0x8B3A1A, 0x44444A, 0, true},  {0x4F5E8C, 0xC48D66, 0x2A2A2A, 0x7A2E7A, 3, false},
        {0x2E6B45, 0xF0C29C, 0x5A3A1E, 0x1F5FB8, 0, false}, {0x8A6410, 0xE8B88E, 0x0A0A0A, 0x151515, 0, true},
    };
    const Look& l = looks[which];
    a.roundedRect(x + 0.5, y + 0.5, s - 1, s - 1, s / 6);
    a.radialGradient(x + s / 2, y + s * 0.35, s * 0.8, shade(l.back, 1.35), shade(l.back, 0.6));
    a.fillPreserveStroke(1, which == 7 ? GOLD : 0x0A0A0A);
    cairo_save(a.cr());
    a.roundedRect(x + 1, y + 1, s - 2, s - 2, s / 6);
    cairo_clip(a.cr());
    const double cx = x + s / 2;
    // Shoulders.
    a.ellipse(cx, y + s * 1.02, s * 0.42, s * 0.3);
    a.colour(l.shirt);
    cairo_fill(a.cr());
    if (which == 7) { // the star wears a bow tie on a white collar
        a.ellipse(cx, y + s * 0.8, s * 0.1, s * 0.08);
        a.colour(0xFFFFFF);
        cairo_fill(a.cr());
        cairo_move_to(a.cr(), cx, y + s * 0.8);
        cairo_line_to(a.cr(), cx - s * 0.1, y + s * 0.75);
        cairo_line_to(a.cr(), cx - s * 0.1, y + s * 0.85);
        cairo_close_path(a.cr());
        cairo_move_to(a.cr(), cx, y + s * 0.8);
        cairo_line_to(a.cr(), cx + s * 0.1, y + s * 0.75);
        cairo_line_to(a.cr(), cx + s * 0.1, y + s * 0.85);
        cairo_close_path(a.cr());
        a.colour(SUIT_RED);
        cairo_fill(a.cr());
    }
    // Neck and head.
    cairo_rectangle(a.cr(), cx - s * 0.07, y + s * 0.55, s * 0.14, s * 0.18);
    a.colour(shade(l.skin, 0.85));
    cairo_fill(a.cr());
    if (l.hairStyle == 1) { // long hair behind the head
        a.roundedRect(cx - s * 0.22, y + s * 0.2, s * 0.44, s * 0.5, s * 0.18);
        a.colour(l.hair);
        cairo_fill(a.cr());
    }
    a.ellipse(cx, y + s * 0.42, s * 0.17, s * 0.21);
    a.colour(l.skin);
    cairo_fill(a.cr());
    if (l.hairStyle == 0 || l.hairStyle == 1) {
        cairo_new_sub_path(a.cr());
        cairo_arc(a.cr(), cx, y + s * 0.38, s * 0.18, M_PI, 2 * M_PI);
        a.colour(l.hair);
        cairo_fill(a.cr());
    } else if (l.hairStyle == 3) { // cap
        cairo_new_sub_path(a.cr());
        cairo_arc(a.cr(), cx, y + s * 0.34, s * 0.19, M_PI, 2 * M_PI);
        a.colour(0xC8202A);
        cairo_fill(a.cr());
        cairo_rectangle(a.cr(), cx - s * 0.02, y + s * 0.31, s * 0.26, s * 0.05);
        cairo_fill(a.cr());
    }
    // Eyes (or dark glasses), mouth.
    if (l.glasses) {
        a.roundedRect(cx - s * 0.15, y + s * 0.39, s * 0.13, s * 0.07, s * 0.02);
        a.roundedRect(cx + s * 0.02, y + s * 0.39, s * 0.13, s * 0.07, s * 0.02);
        a.colour(0x111111);
        cairo_fill(a.cr());
    } else {
        a.ellipse(cx - s * 0.07, y + s * 0.42, s * 0.025, s * 0.025);
        a.ellipse(cx + s * 0.07, y + s * 0.42, s * 0.025, s * 0.025);
        a.colour(0x1A1A1A);
        cairo_fill(a.cr());
    }
    cairo_move_to(a.cr(), cx - s * 0.06, y + s * 0.52);
    cairo_line_to(a.cr(), cx + s * 0.06, y + s * 0.52);
    a.colour(shade(l.skin, 0.55));
    cairo_set_line_width(a.cr(), std::max(1.0, s / 30));
    cairo_stroke(a.cr());
    cairo_restore(a.cr());
    if (which == 7) // gold star badge
        a.centredText("*", x + s * 0.84, y + s * 0.2, s * 0.4, true, GOLD);
}

void button(ArtCanvas& a, double x, double y, double w, double h, bool focused)
{
    a.roundedRect(x + 0.5, y + 0.5, w - 1, h - 1, h / 3);
    if (focused)
        a.verticalGradient(y, h, 0xA8321F, BURGUNDY_DARK);
    else
        a.verticalGradient(y, h, 0xFFF6DA, 0xD8C590);
    a.fillPreserveStroke(1, focused ? GOLD : 0x6A5320);
    // Gloss on the upper half.
    a.roundedRect(x + 2, y + 1.5, w - 4, h / 2 - 1, h / 4);
    a.colour(0xFFFFFF, focused ? 0.12 : 0.35);
    cairo_fill(a.cr());
}

void panel(ArtCanvas& a, double w, double h, uint32_t top, uint32_t bottom)
{
    a.roundedRect(0, 0, w, h, std::min(w, h) / 14);
    a.verticalGradient(0, h, top, bottom);
    cairo_fill(a.cr());
    goldTrim(a, 0, 0, w, h, std::min(w, h) / 14, std::max(1.0, std::floor(w / 160)));
}

void triangle(ArtCanvas& a, double cx, double cy, double size, int direction, uint32_t fill, uint32_t edge)
{
    // direction 0 up, 1 down, 2 left, 3 right
    const double s = size / 2;
    double px[3], py[3];
    switch (direction) {
    case 0: px[0] = cx; py[0] = cy - s; px[1] = cx + s; py[1] = cy + s * 0.7; px[2] = cx - s; py[2] = cy + s * 0.7; break;
    case 1: px[0] = cx; py[0] = cy + s; px[1] = cx + s; py[1] = cy - s * 0.7; px[2] = cx - s; py[2] = cy - s * 0.7; break;
    case 2: px[0] = cx - s; py[0] = cy; px[1] = cx + s * 0.7; py[1] = cy - s; px[2] = cx + s * 0.7; py[2] = cy + s; break;
    default: px[0] = cx + s; py[0] = cy; px[1] = cx - s * 0.7; py[1] = cy - s; px[2] = cx - s * 0.7; py[2] = cy + s; break;
    }
    cairo_move_to(a.cr(), px[0], py[0]);
    cairo_line_to(a.cr(), px[1], py[1]);
    cairo_line_to(a.cr(), px[2], py[2]);
    cairo_close_path(a.cr());
    a.colour(fill);
    a.fillPreserveStroke(1, edge);
}

std::vector<uint8_t> glyphSheet(const G& g, int32_t family)
{
    GlyphSheet sheet = renderGlyphSheet(dejaVuPath(glyphFamilyBold(family)), glyphFamilyPixels(g, family));
    std::vector<PalettePngWriter::PaletteEntry> palette(2);
    palette[1].red = palette[1].green = palette[1].blue = 0xFF;
    palette[1].transparent = true;
    const int32_t height = int32_t(sheet.pixels.size() / size_t(sheet.width));
    return PalettePngWriter::encode(sheet.width, height, sheet.pixels, palette);
}

// The three logos in three brightnesses, for the splash fade-in.
std::vector<uint8_t> paintLogoStrip(const G& g)
{
    ArtCanvas a(g.logoSize * 9, g.logoSize);
    cairo_rectangle(a.cr(), 0, 0, a.width(), a.height());
    a.colour(DEEP_GREEN);
    cairo_fill(a.cr());
    const double brightness[3] = {0.35, 0.7, 1.0};
    for (int frame = 0; frame < 3; ++frame)
        for (int j = 0; j < 3; ++j)
            logo(a, j, (frame * 3 + j) * g.logoSize, 0, g.logoSize, brightness[frame]);
    return a.encode(DEEP_GREEN);
}

std::vector<uint8_t> paintSplashBackground(const G& g, int32_t slot)
{
    ArtCanvas a(g.width, g.height);
    splashScene(a, g, slot == SLOT_LOADING_BACKGROUND);
    return a.encode(DEEP_GREEN);
}

std::vector<uint8_t> paintProgressBar(const G& g)
{
    const Box p = progressBox(g);
    ArtCanvas a(p.w, p.h);
    a.roundedRect(0, 0, p.w, p.h, p.h / 2.0);
    a.verticalGradient(0, p.h, GOLD_LIGHT, GOLD_DARK);
    cairo_fill(a.cr());
    return a.encode(0x020A05);
}

std::vector<uint8_t> paintMenuBackground(const G& g)
{
    ArtCanvas a(g.width, g.height);
    menuBackground(a, g, true);
    return a.encode(DEEP_GREEN);
}

std::vector<uint8_t> paintTable(const G& g, int32_t slot)
{
    const Box t = slot == SLOT_TABLE ? tableBox(g) : headsUpTableBox(g);
    ArtCanvas a(t.w, t.h);
    tableFelt(a, t.w, t.h);
    return a.encode(FELT);
}

std::vector<uint8_t> paintScrollArrows(const G& g)
{
    ArtCanvas a(g.arrowSize * 2, g.arrowSize);
    const double s = g.arrowSize;
    triangle(a, s / 2, s / 2, s - 1.5, 0, GOLD, 0x3A2A00);
    triangle(a, s * 1.5, s / 2, s - 1.5, 1, GOLD, 0x3A2A00);
    return a.encode(DEEP_GREEN);
}

std::vector<uint8_t> paintChips(const G& g)
{
    ArtCanvas a(g.chipSize * 5, g.chipSize);
    for (int i = 0; i < 5; ++i)
        chip(a, g.chipSize * (i + 0.5), g.chipSize / 2.0, g.chipSize / 2.0 - 0.5, CHIP_COLOURS[i]);
    return a.encode(FELT);
}

// Dealer, small blind and big blind buttons.
std::vector<uint8_t> paintMarkers(const G& g)
{
    const double s = g.markerSize;
    ArtCanvas a(g.markerSize * 3, g.markerSize);
    const char* letters[3] = {"D", "S", "B"};
    const uint32_t bodies[3] = {0xF7F7F7, 0x2452B8, GOLD};
    const uint32_t inks[3] = {INK, 0xFFFFFF, INK};
    for (int i = 0; i < 3; ++i) {
        a.ellipse(s * (i + 0.5), s / 2, s / 2 - 0.5, s / 2 - 0.5);
        a.colour(bodies[i]);
        a.fillPreserveStroke(1, 0x202020);
        a.centredText(letters[i], s * (i + 0.5), s / 2, s * 0.62, true, inks[i]);
    }
    return a.encode(FELT);
}

std::vector<uint8_t> paintSuits(const G& g)
{
    ArtCanvas a(g.arrowSize * 4, g.arrowSize);
    for (int i = 0; i < 4; ++i)
        a.suit(i, g.arrowSize * (i + 0.5), g.arrowSize / 2.0, g.arrowSize - 1, suitColour(i));
    return a.encode(CARD_WHITE);
}

std::vector<uint8_t> paintSoftKeyBar(const G& g)
{
    ArtCanvas a(g.width, g.softKeyHeight);
    softKeyBar(a, g);
    return a.encode(0);
}

// The stretchable middle of the selected row.
std::vector<uint8_t> paintHighlightMiddle(const G& g)
{
    ArtCanvas a(8, g.rowHeight);
    cairo_rectangle(a.cr(), 0, 0, 8, g.rowHeight);
    a.verticalGradient(0, g.rowHeight, GOLD_LIGHT, GOLD_DARK);
    cairo_fill(a.cr());
    cairo_rectangle(a.cr(), 0, 0, 8, 1);
    a.colour(0xFFF3C4);
    cairo_fill(a.cr());
    cairo_rectangle(a.cr(), 0, g.rowHeight - 1, 8, 1);
    a.colour(0x6A4A08);
    cairo_fill(a.cr());
    return a.encode(DEEP_GREEN);
}

// The rounded ends of the selected row.
std::vector<uint8_t> paintHighlightEnds(const G& g)
{
    const double r = g.rowHeight / 2.0;
    ArtCanvas a(g.rowHeight, g.rowHeight);
    // Left end: half pill; right end: the other half.
    cairo_save(a.cr());
    cairo_rectangle(a.cr(), 0, 0, r, g.rowHeight);
    cairo_clip(a.cr());
    a.roundedRect(0, 0, g.rowHeight * 2, g.rowHeight, r);
    a.verticalGradient(0, g.rowHeight, GOLD_LIGHT, GOLD_DARK);
    cairo_fill(a.cr());
    cairo_restore(a.cr());
    cairo_save(a.cr());
    cairo_rectangle(a.cr(), r, 0, r, g.rowHeight);
    cairo_clip(a.cr());
    a.roundedRect(-g.rowHeight, 0, g.rowHeight * 2, g.rowHeight, r);
    a.verticalGradient(0, g.rowHeight, GOLD_LIGHT, GOLD_DARK);
    cairo_fill(a.cr());
    cairo_restore(a.cr());
    return a.encode(DEEP_GREEN);
}

std::vector<uint8_t> paintRowBackground(const G& g, int32_t slot)
{
    const int32_t w = menuRowWidth(g);
    ArtCanvas a(w, g.rowHeight);
    a.roundedRect(0.5, 0.5, w - 1, g.rowHeight - 1, g.rowHeight / 4.0);
    const uint32_t base = slot == SLOT_ROW_BACKGROUND ? 0x0E3D22 : 0x124A2A;
    a.verticalGradient(0, g.rowHeight, shade(base, 1.3), base);
    a.fillPreserveStroke(1, 0x06200F);
    return a.encode(DEEP_GREEN);
}

// All 52 faces: ranks across, suits down.
std::vector<uint8_t> paintCardFaces(const G& g, int32_t slot, uint32_t (*ink)(int suit) = suitColour)
{
    const bool small = slot == SLOT_SMALL_CARD_FACES;
    const int32_t w = small ? g.smallCardWidth : g.cardWidth, h = small ? g.smallCardHeight : g.cardHeight;
    ArtCanvas a(w * 13, h * 4);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            card(a, rank * w, suit * h, w, h, rank, suit, small, ink(suit));
    return a.encode(FELT);
}

std::vector<uint8_t> paintCardBack(const G& g, int32_t slot)
{
    const bool small = slot == SLOT_SMALL_CARD_BACK;
    const int32_t w = small ? g.smallCardWidth : g.cardWidth, h = small ? g.smallCardHeight : g.cardHeight;
    ArtCanvas a(w, h);
    cardBack(a, 0, 0, w, h);
    return a.encode(FELT);
}

std::vector<uint8_t> paintPot(const G& g)
{
    const double s = g.chipSize;
    ArtCanvas a(g.chipSize * 2, g.chipSize * 2);
    // Three short stacks seen from the front.
    const int heights[3] = {3, 5, 2};
    const double xs[3] = {s * 0.55, s * 1.0, s * 1.45};
    const double ys[3] = {s * 1.45, s * 1.5, s * 1.6};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < heights[k]; ++i) {
            const double cy = ys[k] - i * s * 0.16;
            a.ellipse(xs[k], cy, s * 0.42, s * 0.2);
            a.colour(CHIP_COLOURS[(k + 1) % 5]);
            a.fillPreserveStroke(0.8, 0x101010);
        }
    return a.encode(FELT);
}

// A seat box plain and with the gold edge of the player to act.
std::vector<uint8_t> paintSeatBoxes(const G& g)
{
    ArtCanvas a(g.seatWidth * 2, g.seatHeight);
    for (int i = 0; i < 2; ++i) {
        a.roundedRect(i * g.seatWidth + 0.5, 0.5, g.seatWidth - 1, g.seatHeight - 1, g.seatHeight / 6.0);
        a.verticalGradient(0, g.seatHeight, 0x16532F, 0x0B311B);
        a.fillPreserveStroke(1, i == 0 ? 0x072012 : GOLD);
    }
    return a.encode(FELT);
}

std::vector<uint8_t> paintSeatBubbles(const G& g)
{
    const Box b = bubbleBox(g);
    const double tail = bubbleTail(g);
    ArtCanvas a(b.w, b.h * 2);
    for (int i = 0; i < 2; ++i) { // 0: tail up (top seats), 1: tail down (bottom seats)
        const double y0 = i * b.h + (i == 0 ? tail : 0);
        const double bodyH = b.h - tail;
        cairo_t* c = a.cr();
        a.roundedRect(0.5, y0 + 0.5, b.w - 1, bodyH - 1, bodyH / 3);
        const double tx = b.w * 0.3;
        if (i == 0) {
            cairo_move_to(c, tx - tail * 0.6, y0 + 1);
            cairo_line_to(c, tx, y0 - tail + 0.5);
            cairo_line_to(c, tx + tail * 0.6, y0 + 1);
        } else {
            cairo_move_to(c, tx - tail * 0.6, y0 + bodyH - 1);
            cairo_line_to(c, tx, y0 + bodyH + tail - 0.5);
            cairo_line_to(c, tx + tail * 0.6, y0 + bodyH - 1);
        }
        cairo_close_path(c);
        a.colour(0xFFFDF2);
        cairo_set_fill_rule(c, CAIRO_FILL_RULE_WINDING);
        a.fillPreserveStroke(1, 0x3A3A3A);
    }
    return a.encode(FELT);
}

// An action button plain and focused.
std::vector<uint8_t> paintActionButtons(const G& g)
{
    ArtCanvas a(g.buttonWidth, g.buttonHeight * 2);
    button(a, 0, 0, g.buttonWidth, g.buttonHeight, false);
    button(a, 0, g.buttonHeight, g.buttonWidth, g.buttonHeight, true);
    return a.encode(FELT);
}

std::vector<uint8_t> paintAmountPanel(const G& g)
{
    const Box p = amountPanelBox(g);
    ArtCanvas a(p.w, p.h);
    panel(a, p.w, p.h, 0x5A140E, 0x220504);
    // The amount field between the arrow buttons.
    const double fieldY = 6 + glyphSheetMetrics(g.screenClass, GLYPHS_SMALL_BOLD).cellHeight + 4;
    const double inset = 6 + g.keyHeight + 4;
    a.roundedRect(inset, fieldY, p.w - 2 * inset, g.keyHeight, 3);
    a.verticalGradient(fieldY, g.keyHeight, 0xE8E1C8, 0xFFFFFF);
    a.fillPreserveStroke(1, 0x201008);
    return a.encode(FELT);
}

// Down and up buttons, each plain and focused.
std::vector<uint8_t> paintAmountArrows(const G& g)
{
    const double s = g.keyHeight;
    ArtCanvas a(g.keyHeight * 4, g.keyHeight);
    for (int i = 0; i < 4; ++i) {
        button(a, i * s, 0, s, s, i % 2 == 1);
        triangle(a, i * s + s / 2, s / 2, s * 0.5, i < 2 ? 2 : 3, i % 2 ? GOLD : BURGUNDY, 0x201008);
    }
    return a.encode(0x3A0C08);
}

// A key and a double-width key, each plain and focused.
std::vector<uint8_t> paintKeypadKeys(const G& g)
{
    const int32_t wide = 2 * g.keyWidth + 3;
    ArtCanvas a(2 * g.keyWidth + 2 * wide, g.keyHeight);
    button(a, 0, 0, g.keyWidth, g.keyHeight, false);
    button(a, g.keyWidth, 0, g.keyWidth, g.keyHeight, true);
    button(a, 2 * g.keyWidth, 0, wide, g.keyHeight, false);
    button(a, 2 * g.keyWidth + wide, 0, wide, g.keyHeight, true);
    return a.encode(0x3A0C08);
}

std::vector<uint8_t> paintAvatars(const G& g)
{
    ArtCanvas a(g.avatarSize * 8, g.avatarSize);
    for (int i = 0; i < 8; ++i)
        avatar(a, i, i * g.avatarSize, 0, g.avatarSize);
    return a.encode(FELT);
}

// One tall picture cut in three for the heads-up screen: the top band, a middle tile
// that repeats without seams, and the bottom band.
std::vector<uint8_t> paintHeadsUpBand(const G& g, int32_t slot)
{
    const int32_t h = slot == SLOT_HEADSUP_TOP ? g.titleHeight : slot == SLOT_HEADSUP_TILE ? 8 : g.softKeyHeight;
    const double w = g.width;
    ArtCanvas a(g.width, h);
    cairo_rectangle(a.cr(), 0, 0, w, h);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.04, 0.16, 0.09);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.1, 0.33, 0.19);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.04, 0.16, 0.09);
    cairo_set_source(a.cr(), p);
    cairo_fill(a.cr());
    cairo_pattern_destroy(p);
    if (slot == SLOT_HEADSUP_TOP) {
        cairo_rectangle(a.cr(), 0, 0, w, h);
        a.verticalGradient(0, h, 0x000000, 0x000000);
        a.colour(0x000000, 0.35);
        cairo_fill(a.cr());
        a.centredText("HEADS-UP", w / 2, h / 2.0, h * 0.55, true, shade(GOLD, 0.8));
    }
    if (slot == SLOT_HEADSUP_BOTTOM) {
        cairo_rectangle(a.cr(), 0, 0, w, 1);
        a.colour(GOLD_DARK);
        cairo_fill(a.cr());
    }
    return a.encode(0);
}

std::vector<uint8_t> paintMessagePanel(const G& g)
{
    const Box m = messageBox(g);
    ArtCanvas a(m.w, m.h);
    panel(a, m.w, m.h, 0x1A5A34, 0x082614);
    return a.encode(FELT);
}

std::vector<uint8_t> paintTitleLogo(const G& g)
{
    const Box t = titleLogoBox(g);
    ArtCanvas a(t.w, t.h);
    wordmark(a, t.w / 2.0, t.h / 2.0, t.h * 0.7, t.w * 0.95);
    return a.encode(0x5A140E);
}

// The menu icons, one square of side s each, from x = 0: cash, heads-up,
// tournament, options, help, about.
void drawCashIcon(ArtCanvas& a, double s)
{
    a.ellipse(s / 2, s / 2, s * 0.44, s * 0.44);
    a.colour(GOLD);
    a.fillPreserveStroke(1, GOLD_DARK);
    a.centredText("$", s / 2, s / 2, s * 0.6, true, 0x5A3A00);
}

void drawHeadsUpIcon(ArtCanvas& a, double s)
{
    cardBack(a, s * 1.08, s * 0.15, s * 0.5, s * 0.7);
    card(a, s * 1.42, s * 0.15, s * 0.5, s * 0.7, 12, 0, true, suitColour(0));
}

void drawTrophyIcon(ArtCanvas& a, double s)
{
    cairo_t* c = a.cr();
    cairo_move_to(c, s * 2.22, s * 0.12);
    cairo_line_to(c, s * 2.78, s * 0.12);
    cairo_curve_to(c, s * 2.78, s * 0.5, s * 2.6, s * 0.6, s * 2.55, s * 0.62);
    cairo_line_to(c, s * 2.55, s * 0.75);
    cairo_line_to(c, s * 2.68, s * 0.85);
    cairo_line_to(c, s * 2.32, s * 0.85);
    cairo_line_to(c, s * 2.45, s * 0.75);
    cairo_line_to(c, s * 2.45, s * 0.62);
    cairo_curve_to(c, s * 2.4, s * 0.6, s * 2.22, s * 0.5, s * 2.22, s * 0.12);
    cairo_close_path(c);
    a.colour(GOLD);
    a.fillPreserveStroke(1, GOLD_DARK);
}

void drawGearIcon(ArtCanvas& a, double s)
{
    cairo_t* c = a.cr();
    for (int i = 0; i < 8; ++i) {
        cairo_save(c);
        cairo_translate(c, s * 3.5, s * 0.5);
        cairo_rotate(c, i * M_PI / 4);
        cairo_rectangle(c, -s * 0.07, -s * 0.44, s * 0.14, s * 0.2);
        cairo_restore(c);
    }
    a.colour(0xC8C8C8);
    cairo_fill(c);
    a.ellipse(s * 3.5, s * 0.5, s * 0.3, s * 0.3);
    a.colour(0xC8C8C8);
    a.fillPreserveStroke(1, 0x505050);
    a.ellipse(s * 3.5, s * 0.5, s * 0.11, s * 0.11);
    a.colour(DEEP_GREEN);
    cairo_fill(c);
}

void drawHelpAndAboutBadges(ArtCanvas& a, double s)
{
    a.ellipse(s * 4.5, s / 2, s * 0.42, s * 0.42);
    a.colour(0x2452B8);
    a.fillPreserveStroke(1, 0xFFFFFF);
    a.centredText("?", s * 4.5, s / 2, s * 0.6, true, 0xFFFFFF);
    a.ellipse(s * 5.5, s / 2, s * 0.42, s * 0.42);
    a.colour(BURGUNDY);
    a.fillPreserveStroke(1, GOLD);
    a.centredText("i", s * 5.5, s / 2, s * 0.6, true, GOLD);
}

std::vector<uint8_t> paintMenuIcons(const G& g)
{
    const double s = iconSize(g);
    ArtCanvas a(int32_t(s) * 6, int32_t(s));
    drawCashIcon(a, s);
    drawHeadsUpIcon(a, s);
    drawTrophyIcon(a, s);
    drawGearIcon(a, s);
    drawHelpAndAboutBadges(a, s);
    return a.encode(DEEP_GREEN);
}

// A checkbox empty and ticked.
std::vector<uint8_t> paintCheckbox(const G& g)
{
    const double s = checkboxSize(g);
    ArtCanvas a(int32_t(s) * 2, int32_t(s));
    for (int i = 0; i < 2; ++i) {
        a.roundedRect(i * s + 0.5, 0.5, s - 1, s - 1, s / 5);
        a.verticalGradient(0, s, 0xFFFFFF, 0xD8D2BC);
        a.fillPreserveStroke(1, 0x3A3A3A);
    }
    cairo_move_to(a.cr(), s * 1.2, s * 0.5);
    cairo_line_to(a.cr(), s * 1.42, s * 0.75);
    cairo_line_to(a.cr(), s * 1.8, s * 0.22);
    a.colour(0x1F8A3C);
    cairo_set_line_width(a.cr(), std::max(1.5, s / 6));
    cairo_stroke(a.cr());
    return a.encode(DEEP_GREEN);
}

// The gauge track and its gold fill.
std::vector<uint8_t> paintGauge(const G& g)
{
    const Box b = gaugeBox(g);
    ArtCanvas a(b.w, b.h * 2);
    a.roundedRect(0.5, 0.5, b.w - 1, b.h - 1, b.h / 2.0);
    a.colour(0x06200F);
    a.fillPreserveStroke(1, GOLD_DARK);
    a.roundedRect(0.5, b.h + 0.5, b.w - 1, b.h - 1, b.h / 2.0);
    a.verticalGradient(b.h, b.h, GOLD_LIGHT, GOLD_DARK);
    a.fillPreserveStroke(1, GOLD_DARK);
    return a.encode(DEEP_GREEN);
}

std::vector<uint8_t> paintTextField(const G& g)
{
    const Box b = textFieldBox(g);
    ArtCanvas a(b.w, b.h);
    a.roundedRect(0.5, 0.5, b.w - 1, b.h - 1, 3);
    a.verticalGradient(0, b.h, 0xE4DDC4, 0xFFFFFF);
    a.fillPreserveStroke(1, GOLD);
    return a.encode(0x490D07);
}

std::vector<uint8_t> paint(const G& g, int32_t slot)
{
    switch (slot) {
    case SLOT_LOGO_STRIP:
        return paintLogoStrip(g);
    case SLOT_SPLASH_BACKGROUND:
    case SLOT_LOADING_BACKGROUND:
        return paintSplashBackground(g, slot);
    case SLOT_PROGRESS_BAR:
        return paintProgressBar(g);
    case SLOT_MENU_BACKGROUND:
        return paintMenuBackground(g);
    case SLOT_TABLE:
    case SLOT_HEADSUP_TABLE:
        return paintTable(g, slot);
    case SLOT_SCROLL_ARROWS:
        return paintScrollArrows(g);
    case SLOT_CHIPS:
        return paintChips(g);
    case SLOT_MARKERS:
        return paintMarkers(g);
    case SLOT_SUITS:
        return paintSuits(g);
    case SLOT_SOFT_KEY_BAR:
        return paintSoftKeyBar(g);
    case SLOT_HIGHLIGHT_MIDDLE:
        return paintHighlightMiddle(g);
    case SLOT_HIGHLIGHT_ENDS:
        return paintHighlightEnds(g);
    case SLOT_ROW_BACKGROUND:
    case SLOT_ROW_BACKGROUND_ALT:
        return paintRowBackground(g, slot);
    case SLOT_CARD_FACES:
    case SLOT_SMALL_CARD_FACES:
        return paintCardFaces(g, slot);
    case SLOT_CARD_BACK:
    case SLOT_SMALL_CARD_BACK:
        return paintCardBack(g, slot);
    case SLOT_POT:
        return paintPot(g);
    case SLOT_SEAT_BOX:
        return paintSeatBoxes(g);
    case SLOT_SEAT_BUBBLE:
        return paintSeatBubbles(g);
    case SLOT_ACTION_BUTTONS:
        return paintActionButtons(g);
    case SLOT_AMOUNT_PANEL:
        return paintAmountPanel(g);
    case SLOT_AMOUNT_ARROWS:
        return paintAmountArrows(g);
    case SLOT_KEYPAD_KEYS:
        return paintKeypadKeys(g);
    case SLOT_AVATARS:
        return paintAvatars(g);
    case SLOT_HEADSUP_TOP:
    case SLOT_HEADSUP_TILE:
    case SLOT_HEADSUP_BOTTOM:
        return paintHeadsUpBand(g, slot);
    case SLOT_MESSAGE_PANEL:
        return paintMessagePanel(g);
    case SLOT_TITLE_LOGO:
        return paintTitleLogo(g);
    case SLOT_MENU_ICONS:
        return paintMenuIcons(g);
    case SLOT_CHECKBOX:
        return paintCheckbox(g);
    case SLOT_GAUGE:
        return paintGauge(g);
    case SLOT_TEXT_FIELD:
        return paintTextField(g);
    default:
        if (slot >= SLOT_GLYPHS_FIRST && slot < SLOT_GLYPHS_FIRST + GLYPH_FAMILY_COUNT)
            return glyphSheet(g, slot - SLOT_GLYPHS_FIRST);
        return {};
    }
}

} // namespace

std::vector<uint8_t> ArtworkPainter::paintSlot(int32_t screenClass, int32_t slot)
{
    if (imageIdFor(screenClass, slot) == 0)
        return {};
    return paint(classGeometry(screenClass), slot);
}

std::vector<uint8_t> ArtworkPainter::paintFourColourSlot(int32_t screenClass, int32_t slot)
{
    if (fourColourImageIdFor(screenClass, slot) == 0)
        return {};
    return paintCardFaces(classGeometry(screenClass), slot, fourColourSuit);
}

std::vector<ArtworkPainter::Image> ArtworkPainter::paintAll()
{
    std::vector<Image> images;
    std::set<int32_t> done;
    for (int32_t screenClass = 1; screenClass <= SCREEN_CLASS_LANDSCAPE; ++screenClass) {
        for (int32_t slot = 0; slot < IMAGE_SLOT_COUNT; ++slot) {
            // Every class with card faces gets the four-colour set beside them.
            const int32_t fourColourId = fourColourImageIdFor(screenClass, slot);
            if (fourColourId != 0 && !done.count(fourColourId)) {
                done.insert(fourColourId);
                images.push_back({fourColourId, paintFourColourSlot(screenClass, slot)});
            }
            const int32_t id = imageIdFor(screenClass, slot);
            if (id == 0 || done.count(id))
                continue;
            done.insert(id);
            images.push_back({id, paintSlot(screenClass, slot)});
        }
    }
    return images;
}
