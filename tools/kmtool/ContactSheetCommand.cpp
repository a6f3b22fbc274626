// kmtool contact-sheet --class N --out FILE.png [--pack FILE]
// Draws every image slot of display class N with its slot number, id and size, and
// every font's character set in its own colours and style, through the game's own
// decoder, renderer and fonts, onto one sheet. Prints {"class":N,"out":..,"width":..,
// "height":..,"images":loaded,"missing":[slots]}.
#include "CommandLine.h"
#include "JsonWriter.h"
#include "Subcommands.h"
#include "ToolError.h"

#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/resources/Base2DImage.h"
#include "core/resources/ResourcePack.h"
#include "host/headless/HeadlessFrameSink.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Sheets start this wide and widen in steps until they fit the surface height.
constexpr int32_t SHEET_WIDTH = 1040;
constexpr int32_t SHEET_WIDTH_STEP = 520;
constexpr int32_t MARGIN = 8;
constexpr int32_t LABEL_FONT = FONT_FINE_PRINT;

// Places and draws everything; with surface null it only measures. Returns the height.
int32_t layOut(Display& display, int32_t sheetWidth, ScreenSurface* g, std::vector<int32_t>& missing,
               int32_t& loaded)
{
    SharedPointer<Font> label = display.getFont(LABEL_FONT);
    const int32_t labelHeight = label.raw() ? label->getHeight() + 2 : 12;
    int32_t x = MARGIN, y = MARGIN, rowHeight = 0;
    for (int32_t slot = 0; slot < IMAGE_SLOT_COUNT; ++slot) {
        const int32_t id = displayTables().imageIds[slot];
        if (id == 0)
            continue;
        SharedPointer<Base2DImage> image = display.getImage(slot);
        if (!image.raw()) {
            if (!g)
                missing.push_back(slot);
            continue;
        }
        if (!g)
            ++loaded;
        // Glyph sheets are one tall column: show their first 12 glyphs only.
        const bool sheet = slot >= SLOT_GLYPHS_FIRST;
        const int32_t w = std::min(image->width, sheetWidth - 2 * MARGIN);
        const int32_t h = sheet ? std::min(image->height, displayTables().fonts[0].glyphHeight * 12) : image->height;
        const std::string text = std::to_string(slot) + ": " + std::to_string(id) + " " +
                                 std::to_string(image->width) + "x" + std::to_string(image->height);
        const int32_t cellWidth = std::max(w, label.raw() ? label->stringWidth(String(text.c_str())) : 0) + 12;
        if (x + cellWidth > sheetWidth - MARGIN && x > MARGIN) {
            x = MARGIN;
            y += rowHeight + 10;
            rowHeight = 0;
        }
        if (g) {
            g->setColor(0x4A4A4A); // checker of the transparent parts: a mid grey frame
            g->drawRect(x - 1, y + labelHeight - 1, w + 2, h + 2);
            if (sheet) {
                g->setColor(0xFFFFFF);
                g->fillRect(x, y + labelHeight, w, h);
            }
            g->drawRegion(image, x, y + labelHeight, TOP | LEFT, 0, 0, w, h);
            if (label.raw()) {
                g->setFont(label);
                g->drawString(String(text.c_str()), x, y, TOP | LEFT);
            }
        }
        x += cellWidth;
        rowHeight = std::max(rowHeight, labelHeight + h);
    }
    y += rowHeight + 16;
    // Every font, its character set in its colours and style, on a backdrop that
    // suits the colour (dark text on cream, light text on green).
    for (int32_t index = 0; index < FONT_COUNT; ++index) {
        SharedPointer<Font> font = display.getFont(index);
        if (!font.raw())
            continue;
        const FontDescriptor& d = displayTables().fonts[index];
        const String charset = d.charset;
        const int32_t half = charset.length() / 2;
        const int32_t lineHeight = font->getHeight();
        const int32_t height = 2 * lineHeight + 6;
        if (g) {
            const bool dark = ((d.colour >> 16) & 0xFF) + ((d.colour >> 8) & 0xFF) + (d.colour & 0xFF) < 200;
            g->setColor(dark ? 0xF4EBD0 : 0x144629);
            g->fillRect(MARGIN, y, sheetWidth - 2 * MARGIN, height);
            g->setFont(label);
            g->drawString(String(std::to_string(index).c_str()), MARGIN + 2, y + 2, TOP | LEFT);
            g->setFont(font);
            g->drawString(charset.substring(0, half), MARGIN + 28, y + 2, TOP | LEFT);
            g->drawString(charset.substring(half) + " Fold Call $1,250", MARGIN + 28, y + 3 + lineHeight, TOP | LEFT);
        }
        y += height + 2;
    }
    return y + MARGIN;
}

} // namespace

void runContactSheet(const Arguments& arguments)
{
    CommandLine line(arguments, {"--class", "--out", "--pack"});
    line.expectPositionals(0, 0);
    const int32_t screenClass = int32_t(line.requiredInteger("--class", 1, 7));
    const std::string out = line.text("--out", "");
    if (out.empty())
        throw ToolError("--out FILE.png is required");
    const std::string pack = line.text("--pack", "Kestrelmoore_res.dat");
    if (!openResourcePack(pack.c_str()))
        throw ToolError("cannot open resource pack " + pack);

    HeadlessFrameSink window;
    Display display(nullptr, &window);
    std::vector<int32_t> missing;
    int32_t loaded = 0;
    // Measure on a small surface, then draw on one of the measured height. The size
    // of the sheet is no display class, so the class's tables are filled by hand.
    int32_t sheetWidth = SHEET_WIDTH;
    int32_t height = 0;
    for (;;) {
        display.setMetrics(DisplayMetrics(sheetWidth, 64));
        fillDisplayTablesFor(screenClass);
        missing.clear();
        loaded = 0;
        height = layOut(display, sheetWidth, nullptr, missing, loaded);
        if (height <= ScreenSurface::MAX_SIDE || sheetWidth + SHEET_WIDTH_STEP > ScreenSurface::MAX_SIDE)
            break;
        sheetWidth += SHEET_WIDTH_STEP;
    }
    height = std::min(height, ScreenSurface::MAX_SIDE);
    display.setMetrics(DisplayMetrics(sheetWidth, height));
    fillDisplayTablesFor(screenClass);
    ScreenSurface* g = display.getSurface();
    g->setColor(0x2B2B2B);
    g->fillRect(0, 0, sheetWidth, height);
    std::vector<int32_t> ignored;
    int32_t ignoredCount = 0;
    layOut(display, sheetWidth, g, ignored, ignoredCount);
    g->present();
    if (!window.writePng(out))
        throw ToolError("cannot write " + out);
    closeResourcePack();

    JsonWriter json;
    json.beginObject().key("class").value(screenClass).key("out").value(out);
    json.key("width").value(sheetWidth).key("height").value(height).key("images").value(loaded);
    json.key("missing").beginArray();
    for (int32_t slot : missing)
        json.value(slot);
    json.endArray().endObject().print();
}
