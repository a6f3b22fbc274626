#include "ArtworkSource.h"

#include "PalettePngWriter.h"

// Stand-in artwork until the real sheets are drawn: three images of the sizes and
// kinds the game uses (an opaque full-screen background, a card with transparent
// corners, a glyph-like sheet), enough to exercise the pack, the decoder and the
// decode benchmark.
namespace {

using Entry = PalettePngWriter::PaletteEntry;

Entry rgb(int red, int green, int blue)
{
    Entry entry;
    entry.red = uint8_t(red);
    entry.green = uint8_t(green);
    entry.blue = uint8_t(blue);
    return entry;
}

// A felt-green background: 240 x 320 (class 2 portrait) with a radial shade in
// 32 steps and a thin rail.
std::vector<uint8_t> background()
{
    const int width = 240, height = 320;
    std::vector<Entry> palette;
    for (int i = 0; i < 32; ++i)
        palette.push_back(rgb(10 + i, 70 + 3 * i, 30 + i));
    palette.push_back(rgb(90, 50, 20)); // rail
    std::vector<uint8_t> pixels(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int dx = x - width / 2, dy = y - height / 2;
            int distance = (dx * dx + dy * dy) / 400;
            uint8_t shade = uint8_t(31 - (distance > 31 ? 31 : distance));
            bool rail = x < 4 || y < 4 || x >= width - 4 || y >= height - 4;
            pixels[size_t(y) * width + x] = rail ? 32 : shade;
        }
    }
    return PalettePngWriter::encode(width, height, pixels, palette);
}

// A 30 x 42 card face: white with a black border, red pips, and its corners cut
// out with the transparent index 0.
std::vector<uint8_t> card()
{
    const int width = 30, height = 42;
    std::vector<Entry> palette = {Entry(), rgb(255, 255, 255), rgb(0, 0, 0), rgb(200, 0, 0)};
    palette[0].transparent = true;
    std::vector<uint8_t> pixels(size_t(width) * height, 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t& p = pixels[size_t(y) * width + x];
            bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            bool corner = (x < 2 || x >= width - 2) && (y < 2 || y >= height - 2);
            bool pip = (x - 15) * (x - 15) + (y - 21) * (y - 21) < 36;
            p = corner ? 0 : edge ? 2 : pip ? 3 : 1;
        }
    }
    return PalettePngWriter::encode(width, height, pixels, palette);
}

// A one-column glyph sheet: 8 x 12 cells of blocky marks on a transparent ground.
std::vector<uint8_t> glyphSheet()
{
    const int width = 8, cells = 94, height = 12 * cells;
    std::vector<Entry> palette = {Entry(), rgb(0, 0, 0)};
    palette[0].transparent = true;
    std::vector<uint8_t> pixels(size_t(width) * height, 0);
    for (int cell = 0; cell < cells; ++cell)
        for (int y = 2; y < 10; ++y)
            for (int x = 1; x < 7; ++x)
                if (((cell * 7 + x * 3 + y * 5) % 4) != 0)
                    pixels[size_t(cell * 12 + y) * width + x] = 1;
    return PalettePngWriter::encode(width, height, pixels, palette);
}

} // namespace

std::vector<RawEntry> buildArtwork(const std::string&)
{
    return {{1001, background()}, {1002, card()}, {1003, glyphSheet()}};
}
