#pragma once

#include <cstdint>
#include <vector>

// Draws the artwork of every display class from its ClassGeometry: one palette PNG
// per image id of the slot tables (docs/artwork.md describes each).
class ArtworkPainter {
public:
    struct Image {
        int32_t id;
        std::vector<uint8_t> png;
    };

    // Every id of classes 1..7, each drawn once at the geometry of the first class
    // that uses it, and the four-colour faces of each class.
    static std::vector<Image> paintAll();

    // The PNG of one slot at one class; empty for spare slots.
    static std::vector<uint8_t> paintSlot(int32_t screenClass, int32_t slot);
    // The four-colour deck's faces of a card-face slot (diamonds blue, clubs green),
    // laid out as the slot's own; empty for other slots.
    static std::vector<uint8_t> paintFourColourSlot(int32_t screenClass, int32_t slot);
};
