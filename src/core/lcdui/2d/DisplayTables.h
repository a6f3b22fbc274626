#pragma once

#include "core/runtime/Array.h"
#include "core/runtime/String.h"

#include <cstdint>

// The process-wide tables of the current display class: which image stands in each
// image slot, the 26 font descriptors, 18 shared rectangles, the scalars, and the
// screen and item layout rows. fillDisplayTables() rebuilds them whole for the
// stored display size; classes without tables (0, 7) leave them as they were.

constexpr int32_t FONT_COUNT = 26;
constexpr int32_t SHARED_RECT_COUNT = 18;

// Font roles; every class fills all 26.
enum FontIndex : int32_t {
    FONT_TITLE = 0,           // large bold gold with shadow
    FONT_MENU = 1,            // menu rows
    FONT_MENU_FOCUSED = 2,    // menu row on the highlight bar
    FONT_BODY = 3,            // text screens
    FONT_BODY_HIGHLIGHT = 4,
    FONT_SOFT_KEY = 5,
    FONT_SEAT_NAME = 6,
    FONT_SEAT_CHIPS = 7,
    FONT_SEAT_ACTION = 8,
    FONT_WINNINGS_A = 9,      // the two blink phases of a seat's winnings
    FONT_WINNINGS_B = 10,
    FONT_POT = 11,
    FONT_BUTTON = 12,
    FONT_BUTTON_FOCUSED = 13,
    FONT_PANEL_CAPTION = 14,
    FONT_AMOUNT = 15,
    FONT_KEYPAD = 16,
    FONT_MESSAGE = 17,
    FONT_MESSAGE_HEADING = 18,
    FONT_STANDINGS = 19,
    FONT_STANDINGS_PLAYER = 20,
    FONT_BUBBLE = 21,
    FONT_ALERT = 22,
    FONT_CAPTION = 23,        // splash and loading captions
    FONT_FINE_PRINT = 24,
    FONT_FIELD = 25,          // name entry and amount field
};

struct FontDescriptor {
    uint8_t sheetSlot = 0;
    ByteArray widths; // 94 entries, charset order
    int32_t glyphHeight = 0;
    int32_t lineHeight = 0;
    int32_t charGap = 0;
    int32_t baselineOffset = 0;
    int32_t spaceWidth = 0;
    int32_t colour = 0; // set on the font after construction
    int32_t style = 0;
    int32_t secondColour = 0;
    String charset;
};

// Shared rectangles: {x, y, w, h} or {x, y, w, h, image slot}.
enum SharedRect : int32_t {
    RECT_ALERT_BOX = 0,
    RECT_SOFT_KEY_BAR = 1,
    RECT_LEFT_SOFT_KEY = 2,
    RECT_RIGHT_SOFT_KEY = 3,
    RECT_TITLE = 4,
    RECT_MENU_CLIENT = 5,
    RECT_SCROLL_UP = 6,   // {x, y, w, h, slot}: where, and the source region's size
    RECT_SCROLL_DOWN = 7,
    RECT_PROGRESS = 8,    // {x, y, w, h, slot}
    RECT_TABLE = 9,       // table image position and size
    RECT_BOARD = 10,      // first board card {x, y, card w, card h}; step = card w + 2
    RECT_POT_PREFLOP = 11,
    RECT_POT_POSTFLOP = 12,
    RECT_AMOUNT_PANEL = 13,
    RECT_ACTION_BUTTONS = 14,
    RECT_MESSAGE_BOX = 15,
    RECT_HEADSUP_TABLE = 16,
    RECT_KEYPAD = 17,
};

struct DisplayScalars {
    int32_t splashDuration[3] = {0, 0, 0}; // ms, splash screens 1, 2 (loading), 3
    int32_t loadingSteps = 0;              // loading steps the progress bar counts
    int32_t turnAlertFrames = 0;           // frames before the player is reminded to act
    int32_t scrollStep = 0;                // pixels per scroll step
    int32_t scrollMargin = 0;
    int32_t alertInsetX = 0, alertInsetY = 0;
    int32_t lineSpacing = 0;               // extra pixels between wrapped text lines
    int32_t cardStep = 0;                  // board card spacing
};

// Screen kinds and their variants as the layout keys them.
constexpr int32_t SCREEN_KIND_SPLASH = 1;
constexpr int32_t SCREEN_KIND_MENU = 2;
constexpr int32_t SCREEN_KIND_TEXT = 3;
constexpr int32_t SCREEN_KIND_TABLE = 4;
constexpr int32_t SCREEN_KIND_NAME_ENTRY = 7;

// Kind-specific geometry of a layout row.
enum LayoutExtra : int32_t {
    EXTRA_LOGOS = 0,          // splash 1: {x, y, w, h, slot}: where the first logo goes, its size, the strip
    EXTRA_PROGRESS = 1,       // loading: {x, y, w, h, slot} of the bar
    EXTRA_SEATS = 2,          // table: {x, y} per seat 0..5
    EXTRA_SEAT_SIZE = 3,      // {w, h}
    EXTRA_HOLE_CARDS = 4,     // {x, y} of each seat's first card; second at + step
    EXTRA_HOLE_CARD_STEP = 5, // {dx, small card w, small card h}
    EXTRA_BOARD = 6,          // {x, y, step}
    EXTRA_POT = 7,            // {pre-flop x, y, post-flop x, y}
    EXTRA_MARKERS = 8,        // {x, y} per seat
    EXTRA_BUBBLES = 9,        // {x, y} per seat
    EXTRA_BETS = 10,          // {x, y} per seat, text anchored left/top
    EXTRA_TABLE_IMAGE = 11,   // {x, y, slot}
    EXTRA_ACTION_MENU = 12,   // {x, y, button w, button h, gap}
    EXTRA_AMOUNT_PANEL = 13,  // {x, y, w, h}
    EXTRA_AMOUNT_ARROWS = 14, // {minus x, y, plus x, y, w, h}
    EXTRA_KEYPAD = 15,        // {x, y, key w, key h, gap}
    EXTRA_HUMAN_CARDS = 16,   // {x, y, step} of the player's own cards
    EXTRA_FIELD = 17,         // name entry field {x, y, w, h}
    // Menu and name entry rows, in client coordinates:
    EXTRA_MENU_ROWS = 18,     // {x, w, row h, gap between rows, text dx, highlight end w}
    EXTRA_MENU_STYLE = 19,    // {normal, focused, disabled font; bar tile, bar ends, row plate slot}
    EXTRA_MENU_HEADER = 20,   // {x, y, w, h, font} in frame coordinates
    EXTRA_MENU_SUBHEADER = 21,// {x, y, w, h, font} in frame coordinates
    EXTRA_AVATAR = 22,        // name entry: {size, image slot} of the picture beside row 1
    EXTRA_COUNT = 23,
};

// One row of the screen layout table. Empty arrays mean "not set by this row".
struct ScreenLayout {
    int32_t kind = 0;
    int32_t variant = 0;
    int32_t backgroundColour = 0;
    int32_t textColour = 0;
    int32_t backgroundImage = -1; // image slot, -1 none
    IntArray titleImagePosition;
    IntArray titleImageRegion; // {x, y, w, h, slot}
    int32_t titleImage = -1;   // image slot
    IntArray titlePosition;
    IntArray titleTextBox;
    int32_t titleFont = FONT_TITLE;
    IntArray leftSoftKeyPosition, leftSoftKeyImage, leftSoftKeyTextBox;
    int32_t leftSoftKeyFill[2] = {0, 0};
    IntArray rightSoftKeyPosition, rightSoftKeyImage, rightSoftKeyTextBox;
    int32_t rightSoftKeyFill[2] = {0, 0};
    int32_t softKeyFillColour = 0;
    IntArray clientRect;
    IntArray contentOrigin;
    int32_t rowSpacing = 0;
    IntArray scrollUpArrowPosition, scrollDownArrowPosition;
    IntArray scrollUpArrowImage, scrollDownArrowImage;
    int32_t arrowHitMargin = 0;
    int32_t scrollMargin = 0;
    int32_t scrollStep = 0;
    IntArray extra[EXTRA_COUNT];
};

// Item kinds as the item layout keys them.
constexpr int32_t ITEM_KIND_TEXT = 1;
constexpr int32_t ITEM_KIND_CHOICE = 4;
constexpr int32_t ITEM_KIND_TEXT_FIELD = 5;
constexpr int32_t ITEM_KIND_IMAGE = 6;
constexpr int32_t ITEM_KIND_GAUGE = 7;
constexpr int32_t ITEM_KIND_ACTION_MENU = 9;
constexpr int32_t ITEM_KIND_MESSAGE_BOX = 10;
constexpr int32_t ITEM_KIND_SEAT_BUBBLE = 11;
constexpr int32_t ITEM_KIND_KEYPAD = 12;
constexpr int32_t ITEM_KIND_CHART = 13;

// One row of the item layout table.
struct ItemLayout {
    int32_t kind = 0;
    int32_t variant = 0;
    IntArray geometry; // {x, y, w, h} of the item's box within its owner, or sizes
    int32_t font = FONT_BODY;
    int32_t focusedFont = FONT_BODY;
    int32_t colour = 0;
    int32_t focusedColour = 0;
    int32_t image = -1; // image slot of the item's artwork, -1 none
};

struct DisplayTables {
    int32_t screenClass = 0; // class of the last fill
    int32_t imageIds[55] = {};
    FontDescriptor fonts[FONT_COUNT];
    IntArray sharedRects[SHARED_RECT_COUNT];
    DisplayScalars scalars;
    static constexpr int32_t MAX_ROWS = 24;
    ScreenLayout screens[MAX_ROWS];
    int32_t screenCount = 0;
    ItemLayout items[MAX_ROWS];
    int32_t itemCount = 0;
};

// The one instance.
DisplayTables& displayTables();

// Fills every table for the class of the stored display size (ScreenClass.h).
void fillDisplayTables();
// The same for a given class; used by tools that draw for a class other than the
// stored one.
void fillDisplayTablesFor(int32_t screenClass);

// The row for (current tables' class, kind, variant), or null when there is none.
const ScreenLayout* findScreenLayout(int32_t kind, int32_t variant);
const ItemLayout* findItemLayout(int32_t kind, int32_t variant);

// Copies the row for (kind, variant) of the stored display class into a screen's
// own layout: colours, flags and scalars are written, and every geometry array the
// row sets is replaced by a new array holding the row's values (a screen never
// shares or edits the tables' arrays). Fields the row leaves empty keep their
// values. On a class without tables (0, 7), or for a pair without a row, target is
// left as it is and the result is false.
bool applyScreenLayout(ScreenLayout& target, int32_t kind, int32_t variant);
// The same for an item's layout row.
bool applyItemLayout(ItemLayout& target, int32_t kind, int32_t variant);
