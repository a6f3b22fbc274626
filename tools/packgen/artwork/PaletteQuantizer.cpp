#include "PaletteQuantizer.h"

#include <algorithm>
#include <unordered_map>

namespace {

struct Colour {
    uint32_t rgb;
    uint32_t count;
};

int channel(uint32_t rgb, int c) { return int((rgb >> (16 - 8 * c)) & 0xFF); }

// Splits the colour list into at most maxBoxes boxes along the widest channel at the
// weighted median, then returns each box's weighted mean colour and the box of
// every input colour.
std::vector<uint32_t> medianCut(std::vector<Colour>& colours, size_t maxBoxes,
                                std::unordered_map<uint32_t, uint8_t>& boxOf, uint8_t firstIndex)
{
    struct Range {
        size_t begin, end;
    };
    std::vector<Range> boxes = {{0, colours.size()}};
    while (boxes.size() < maxBoxes) {
        // Split the box with the widest spread (ties: most pixels).
        int best = -1, bestSpread = 0, bestChannel = 0;
        for (size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2)
                continue;
            for (int c = 0; c < 3; ++c) {
                int lo = 255, hi = 0;
                for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
                    lo = std::min(lo, channel(colours[i].rgb, c));
                    hi = std::max(hi, channel(colours[i].rgb, c));
                }
                if (hi - lo > bestSpread) {
                    bestSpread = hi - lo;
                    best = int(b);
                    bestChannel = c;
                }
            }
        }
        if (best < 0)
            break;
        Range range = boxes[size_t(best)];
        std::sort(colours.begin() + long(range.begin), colours.begin() + long(range.end),
                  [&](const Colour& a, const Colour& b) {
                      int ca = channel(a.rgb, bestChannel), cb = channel(b.rgb, bestChannel);
                      return ca != cb ? ca < cb : a.rgb < b.rgb;
                  });
        uint64_t total = 0;
        for (size_t i = range.begin; i < range.end; ++i)
            total += colours[i].count;
        uint64_t running = 0;
        size_t split = range.begin + 1;
        for (size_t i = range.begin; i < range.end - 1; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (running * 2 >= total)
                break;
        }
        boxes[size_t(best)] = {range.begin, split};
        boxes.push_back({split, range.end});
    }
    std::vector<uint32_t> means;
    for (size_t b = 0; b < boxes.size(); ++b) {
        uint64_t sum[3] = {0, 0, 0}, n = 0;
        for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += uint64_t(channel(colours[i].rgb, c)) * colours[i].count;
            n += colours[i].count;
            boxOf[colours[i].rgb] = uint8_t(firstIndex + b);
        }
        uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c)
            rgb |= uint32_t((sum[c] + n / 2) / n) << (16 - 8 * c);
        means.push_back(rgb);
    }
    return means;
}

} // namespace

PaletteQuantizer::Result PaletteQuantizer::quantize(const uint32_t* argb, int32_t width, int32_t height,
                                                    int32_t strideWords, uint32_t matteRgb)
{
    const size_t count = size_t(width) * height;
    std::vector<uint32_t> rgb(count);
    std::vector<bool> opaque(count);
    bool anyTransparent = false;
    const int matte[3] = {channel(matteRgb, 0), channel(matteRgb, 1), channel(matteRgb, 2)};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t word = argb[size_t(y) * strideWords + x];
            const int alpha = int(word >> 24);
            const size_t i = size_t(y) * width + x;
            opaque[i] = alpha >= 128;
            anyTransparent |= !opaque[i];
            // Premultiplied colour over the matte: c + matte x (1 - alpha).
            uint32_t value = 0;
            for (int c = 0; c < 3; ++c) {
                int v = int((word >> (16 - 8 * c)) & 0xFF) + matte[c] * (255 - alpha) / 255;
                value |= uint32_t(std::min(v, 255)) << (16 - 8 * c);
            }
            rgb[i] = value;
        }
    }
    std::unordered_map<uint32_t, uint32_t> histogram;
    for (size_t i = 0; i < count; ++i)
        if (opaque[i])
            ++histogram[rgb[i]];
    std::vector<Colour> colours;
    for (auto& entry : histogram)
        colours.push_back({entry.first, entry.second});
    std::sort(colours.begin(), colours.end(), [](const Colour& a, const Colour& b) { return a.rgb < b.rgb; });

    Result result;
    const uint8_t first = anyTransparent ? 1 : 0;
    if (anyTransparent) {
        PalettePngWriter::PaletteEntry clear;
        clear.red = clear.green = clear.blue = 0xFF; // never black: recolouring must not touch it
        clear.transparent = true;
        result.palette.push_back(clear);
    }
    std::unordered_map<uint32_t, uint8_t> boxOf;
    const size_t room = 256 - first;
    std::vector<uint32_t> means = medianCut(colours, std::max<size_t>(1, std::min(room, colours.size())), boxOf, first);
    if (colours.empty())
        means.clear();
    for (uint32_t m : means) {
        PalettePngWriter::PaletteEntry entry;
        entry.red = uint8_t(m >> 16);
        entry.green = uint8_t(m >> 8);
        entry.blue = uint8_t(m);
        result.palette.push_back(entry);
    }
    if (result.palette.empty()) {
        PalettePngWriter::PaletteEntry clear;
        clear.transparent = true;
        result.palette.push_back(clear);
    }
    result.indices.resize(count);
    for (size_t i = 0; i < count; ++i)
        result.indices[i] = opaque[i] ? boxOf[rgb[i]] : 0;
    return result;
}
