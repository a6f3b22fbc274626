#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The desktop icon: the kestrel emblem of the splash logos (the full-brightness frame
// of the largest display class's logo strip), cut round at its gold ring so that the
// rest is transparent, and scaled to each size of the hicolor icon theme. Drawing it
// from the painted strip keeps the icon identical to what the game shows.
class IconWriter {
public:
    // Sizes in pixels of the installed icons (hicolor/NxN/apps).
    static constexpr int32_t SIZES[] = {32, 64, 128, 256};
    static constexpr const char* ICON_NAME = "kestrelmoore";

    // One 32-bit RGBA PNG, size x size. Throws std::runtime_error when size is not
    // 1..1024 or the strip cannot be decoded.
    static std::vector<uint8_t> paint(int32_t size);

    // Writes outDir/hicolor/NxN/apps/kestrelmoore.png for every size, making the
    // folders; an unchanged file is left alone so that its time stays.
    static void writeTheme(const std::string& outDir);
};
