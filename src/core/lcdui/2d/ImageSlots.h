#pragma once

#include <cstdint>

// What each of the 55 image slots holds on every display class (docs/artwork.md
// has sizes and pictures). Slots 37..44 and 50..54 are spare and hold id 0.
enum ImageSlot : int32_t {
    SLOT_LOGO_STRIP = 0,         // three logos x three frames, one row
    SLOT_SPLASH_BACKGROUND = 1,  // full screen
    SLOT_LOADING_BACKGROUND = 2, // full screen with the progress trough
    SLOT_PROGRESS_BAR = 3,       // the trough's fill
    SLOT_MENU_BACKGROUND = 4,    // full screen with title band and soft-key bar
    SLOT_TABLE = 5,              // six-seat felt table
    SLOT_SCROLL_ARROWS = 6,      // up, down (shared 1007 on classes 1..5)
    SLOT_CHIPS = 7,              // five chip colours (shared 1008)
    SLOT_MARKERS = 8,            // dealer, small blind, big blind (shared 1009)
    SLOT_SUITS = 9,              // spade, heart, diamond, club (shared 1010)
    SLOT_SOFT_KEY_BAR = 10,      // full width
    SLOT_HIGHLIGHT_MIDDLE = 11,  // tile of the menu highlight bar
    SLOT_HIGHLIGHT_ENDS = 12,    // left end, right end
    SLOT_ROW_BACKGROUND = 13,    // menu row plate
    SLOT_ROW_BACKGROUND_ALT = 14,// second row plate (same image as 13 on class 1: id 1014)
    SLOT_CARD_FACES = 15,        // 13 ranks x 4 suits (rows spade, heart, diamond, club)
    SLOT_CARD_BACK = 16,
    SLOT_SMALL_CARD_FACES = 17,
    SLOT_SMALL_CARD_BACK = 18,
    SLOT_POT = 19,               // chip pile of the pot
    SLOT_SEAT_BOX = 20,          // plain, to act
    SLOT_SEAT_BUBBLE = 21,       // speech bubble with its tail
    SLOT_ACTION_BUTTONS = 22,    // plain, focused
    SLOT_AMOUNT_PANEL = 23,
    SLOT_AMOUNT_ARROWS = 24,     // minus, plus, each plain and pressed
    SLOT_KEYPAD_KEYS = 25,       // narrow key, wide key, each plain and pressed
    SLOT_AVATARS = 26,           // eight faces: 0..5 opponents, 6 the player, 7 the star
    SLOT_HEADSUP_TOP = 27,       // heads-up background: top strip
    SLOT_HEADSUP_TILE = 28,      //   tile repeated down the middle
    SLOT_HEADSUP_BOTTOM = 29,    //   bottom strip
    SLOT_HEADSUP_TABLE = 30,     // two-seat table
    SLOT_MESSAGE_PANEL = 31,
    SLOT_TITLE_LOGO = 32,        // name plate for menu titles
    SLOT_MENU_ICONS = 33,        // cash, heads-up, tournament, options, help, about
    SLOT_CHECKBOX = 34,          // off, on
    SLOT_GAUGE = 35,             // empty, full
    SLOT_TEXT_FIELD = 36,
    SLOT_GLYPHS_FIRST = 45,      // glyph sheets, one per GlyphFamily
};

constexpr int32_t IMAGE_SLOT_COUNT = 55;

// The resource id that class screenClass (1..7) keeps in a slot; 0 for spare slots
// and other classes.
int32_t imageIdFor(int32_t screenClass, int32_t slot);

// The four-colour deck's picture of a card-face slot (15 or 17) on a class: ids
// 1800 + 2 (class - 1), the small faces one above; 0 for every other slot and for
// classes without card faces.
int32_t fourColourImageIdFor(int32_t screenClass, int32_t slot);

// The class whose geometry an image id is drawn at (the first class that uses it),
// and the slot it serves there; false for ids no class uses.
bool imageOwner(int32_t imageId, int32_t& screenClass, int32_t& slot);
