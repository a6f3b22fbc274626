#pragma once

#include "ScreenClass.h"

#include <cstdint>

// The sizes that the artwork of one display class is drawn at and that its layout
// rows are built from. The pack builder draws the images from these numbers and
// the display tables place them with the same numbers, so the two cannot drift.
struct ClassGeometry {
    int32_t screenClass;
    int32_t width, height;
    // Pixel sizes of the three glyph sheet families (DejaVu Sans, 1-bit).
    int32_t largePixels, mediumPixels, smallPixels;
    int32_t softKeyHeight;  // bar across the bottom
    int32_t titleHeight;    // title band of menus and text screens
    int32_t rowHeight;      // menu row and highlight bar
    int32_t cardWidth, cardHeight;
    int32_t smallCardWidth, smallCardHeight;
    int32_t avatarSize;
    int32_t seatWidth, seatHeight; // opponent seat box
    int32_t chipSize;              // one chip of the pot pile
    int32_t buttonWidth, buttonHeight;
    int32_t keyWidth, keyHeight;   // touch keypad key
    int32_t logoSize;              // one splash logo cell (square)
    int32_t arrowSize;             // scroll arrow
    int32_t markerSize;            // dealer and blind markers
};

// Geometry of classes 1..7; any other class gets class 3's (never used for tables).
const ClassGeometry& classGeometry(int32_t screenClass);

// The landscape class: one set of artwork for heights 360 (16:9), 400 (16:10) and
// 480 (4:3). Rows anchor to the top, the centre or the bottom so that any height
// in between works too.
constexpr int32_t LANDSCAPE_MIN_HEIGHT = 360;
constexpr int32_t LANDSCAPE_MAX_HEIGHT = 480;
// Class 7's geometry at a display height (clamped to 360..480).
ClassGeometry landscapeGeometry(int32_t height);
inline bool isLandscape(const ClassGeometry& g) { return g.screenClass == SCREEN_CLASS_LANDSCAPE; }

// Width of a menu row plate: the client width left of the scroll arrows, or on the
// landscape frame a centred column with room on both sides.
inline int32_t menuRowWidth(const ClassGeometry& g) { return isLandscape(g) ? 360 : g.width - g.arrowSize - 8; }

// Boxes derived from the geometry, shared by the layout rows and the pack builder
// so that every image is drawn exactly as large as the place it goes.
struct Box {
    int32_t x, y, w, h;
};

// The felt table of the six-seat game: between the top and bottom rows of seats,
// full width less a margin; on displays wider than 176 the action buttons sit
// between it and the soft-key bar.
// Landscape: a wide oval of fixed size, centred between the top row of seats and
// the player's seat at the bottom, whatever the height.
inline int32_t landscapeTopSeatY(const ClassGeometry& g) { return 4 + (g.height - LANDSCAPE_MIN_HEIGHT) / 4; }
inline int32_t landscapeBottomSeatY(const ClassGeometry& g) { return g.height - g.softKeyHeight - g.seatHeight - 4; }
inline int32_t landscapeTableCentreY(const ClassGeometry& g)
{
    return (landscapeTopSeatY(g) + landscapeBottomSeatY(g) + g.seatHeight) / 2;
}

inline Box tableBox(const ClassGeometry& g)
{
    if (isLandscape(g)) {
        const int32_t w = 600, h = 250;
        return {(g.width - w) / 2, landscapeTableCentreY(g) - h / 2, w, h};
    }
    const int32_t bottom = g.height - g.softKeyHeight - (g.screenClass == 1 ? 0 : g.buttonHeight + 4);
    const int32_t top = g.seatHeight / 2 + 2;
    return {2, top, g.width - 4, bottom - top - g.seatHeight / 2 - 2};
}

// Heads-up: one opponent at the top, the player at the bottom; a narrower table.
inline Box headsUpTableBox(const ClassGeometry& g)
{
    Box box = tableBox(g);
    const int32_t inset = isLandscape(g) ? 90 : g.width / 10;
    return {box.x + inset, box.y, box.w - 2 * inset, box.h};
}

inline Box progressBox(const ClassGeometry& g)
{
    const int32_t w = isLandscape(g) ? g.width / 2 : g.width * 3 / 5;
    const int32_t h = g.softKeyHeight / 3 < 6 ? 6 : g.softKeyHeight / 3;
    // Landscape pictures are centred on the frame, so the trough is too.
    if (isLandscape(g))
        return {(g.width - w) / 2, g.height / 2 + 120, w, h};
    return {(g.width - w) / 2, g.height * 3 / 4, w, h};
}

// Speech bubble of a seat, tail included (tail height = bubbleTail).
inline Box bubbleBox(const ClassGeometry& g) { return {0, 0, g.seatWidth + g.seatWidth / 4, g.smallPixels + 16}; }
inline int32_t bubbleTail(const ClassGeometry& g) { return g.smallPixels / 2 + 1; }

// Amount entry panel with caption, amount field, two arrow buttons and the keypad
// (the keypad only on displays wider than 176).
inline Box amountPanelBox(const ClassGeometry& g)
{
    const int32_t keypad = g.screenClass == 1 ? 0 : 3 * (g.keyHeight + 3) + 4;
    const int32_t h = g.mediumPixels * 2 + g.largePixels + 22 + keypad;
    if (isLandscape(g)) { // bottom right, over the action buttons
        const int32_t w = 3 * g.buttonWidth + 2 * 4 + 8;
        return {g.width - w - 4, g.height - g.softKeyHeight - h - 4, w, h};
    }
    const int32_t w = g.width - 16;
    return {8, g.height - g.softKeyHeight - h - 4, w, h};
}

inline Box messageBox(const ClassGeometry& g)
{
    const int32_t w = isLandscape(g) ? 400 : g.width - g.width / 8;
    const int32_t h = (g.mediumPixels + 4) * 4 + 24;
    return {(g.width - w) / 2, (g.height - g.softKeyHeight - h) / 2, w, h};
}

inline Box titleLogoBox(const ClassGeometry& g) { return {0, 0, isLandscape(g) ? 320 : g.width * 3 / 4, g.titleHeight - 4}; }
inline Box textFieldBox(const ClassGeometry& g) { return {0, 0, isLandscape(g) ? 320 : g.width - 32, g.mediumPixels + 12}; }
inline Box gaugeBox(const ClassGeometry& g) { return {0, 0, isLandscape(g) ? 240 : g.width / 2, g.smallPixels + 4}; }
inline int32_t iconSize(const ClassGeometry& g) { return g.rowHeight - 4; }
inline int32_t checkboxSize(const ClassGeometry& g) { return g.rowHeight - 6; }
