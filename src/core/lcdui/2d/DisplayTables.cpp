#include "DisplayTables.h"

#include "ClassGeometry.h"
#include "GlyphMetrics.h"
#include "ImageSlots.h"
#include "ScreenClass.h"

#include <algorithm>
#include <initializer_list>

namespace {

DisplayTables tables;

IntArray ints(std::initializer_list<int32_t> values)
{
    IntArray array(int32_t(values.size()));
    int32_t i = 0;
    for (int32_t v : values)
        array[i++] = v;
    return array;
}

IntArray box(const Box& b) { return ints({b.x, b.y, b.w, b.h}); }

// The palette every class shares.
constexpr int32_t GOLD = 0xFFC221;
constexpr int32_t CREAM = 0xF4EBD0;
constexpr int32_t WHITE = 0xFFFFFF;
constexpr int32_t INK = 0x1A1A1A;
constexpr int32_t MINT = 0x9BE39B;
constexpr int32_t SAGE = 0x9DB3A5;
constexpr int32_t FELT = 0x144629; // RGB (20, 70, 41)
constexpr int32_t DEEP_GREEN = 0x0B311B;
constexpr int32_t BURGUNDY = 0x490D07;

struct FontRole {
    int32_t family, colour, style, secondColour;
};

// Indexed by FontIndex.
const FontRole fontRoles[FONT_COUNT] = {
    {GLYPHS_LARGE_BOLD, GOLD, 8, 0},    {GLYPHS_MEDIUM_BOLD, CREAM, 0, 0}, {GLYPHS_MEDIUM_BOLD, INK, 0, 0},
    {GLYPHS_MEDIUM, WHITE, 0, 0},       {GLYPHS_MEDIUM_BOLD, GOLD, 0, 0},  {GLYPHS_SMALL_BOLD, WHITE, 8, 0},
    {GLYPHS_SMALL, WHITE, 0, 0},        {GLYPHS_SMALL_BOLD, GOLD, 0, 0},   {GLYPHS_SMALL_BOLD, MINT, 0, 0},
    {GLYPHS_SMALL_BOLD, GOLD, 0, 0},    {GLYPHS_SMALL_BOLD, WHITE, 0, 0},  {GLYPHS_MEDIUM_BOLD, WHITE, 8, 0},
    {GLYPHS_MEDIUM_BOLD, INK, 0, 0},    {GLYPHS_MEDIUM_BOLD, WHITE, 8, 0}, {GLYPHS_SMALL_BOLD, CREAM, 0, 0},
    {GLYPHS_LARGE_BOLD, INK, 0, 0},     {GLYPHS_MEDIUM_BOLD, INK, 0, 0},   {GLYPHS_MEDIUM, WHITE, 0, 0},
    {GLYPHS_MEDIUM_BOLD, GOLD, 0, 0},   {GLYPHS_SMALL, WHITE, 0, 0},       {GLYPHS_SMALL_BOLD, GOLD, 0, 0},
    {GLYPHS_SMALL, INK, 0, 0},          {GLYPHS_MEDIUM, WHITE, 0, 0},      {GLYPHS_SMALL, CREAM, 0, 0},
    {GLYPHS_SMALL, SAGE, 0, 0},         {GLYPHS_MEDIUM_BOLD, INK, 0, 0},
};

void fillFonts(int32_t screenClass)
{
    const String charset(FONT_CHARSET);
    for (int32_t i = 0; i < FONT_COUNT; ++i) {
        const FontRole& role = fontRoles[i];
        const GlyphSheetMetrics& sheet = glyphSheetMetrics(screenClass, role.family);
        FontDescriptor& font = tables.fonts[i];
        font.sheetSlot = uint8_t(SLOT_GLYPHS_FIRST + role.family);
        font.widths = ByteArray(GLYPH_COUNT);
        for (int32_t g = 0; g < GLYPH_COUNT; ++g)
            font.widths[g] = sheet.widths[g];
        font.glyphHeight = sheet.cellHeight;
        font.lineHeight = sheet.cellHeight + (screenClass >= 6 ? 2 : 1);
        font.charGap = 0; // the sheet widths are hinted advances, bearings included
        font.baselineOffset = 0;
        font.spaceWidth = sheet.spaceWidth;
        font.colour = role.colour;
        font.style = role.style;
        font.secondColour = role.secondColour;
        font.charset = charset;
    }
}

const Box alertBoxes[6] = {{15, 26, 146, 168}, {20, 30, 200, 180}, {21, 40, 198, 240},
                           {20, 30, 280, 180}, {27, 40, 266, 240}, {41, 80, 398, 480}};

// The alert of the landscape frame: a centred column as tall as the height allows.
Box alertBox(const ClassGeometry& g)
{
    if (isLandscape(g))
        return {140, 30, g.width - 280, g.height - 60};
    return alertBoxes[g.screenClass - 1];
}

// Seats: top row 2, 3, 4 (left to right), bottom row 1, 0, 5. Landscape: 2, 3, 4
// across the top of the oval, 1 and 5 at its upper ends, the player alone at the
// bottom centre so that the buttons and the amount entry have the bottom right.
void seatPositions(const ClassGeometry& g, int32_t (&x)[6], int32_t (&y)[6])
{
    if (isLandscape(g)) {
        const int32_t top = landscapeTopSeatY(g), step = g.seatWidth + 2;
        const int32_t centre = (g.width - g.seatWidth) / 2;
        const int32_t columns[6] = {centre, 4, centre - step, centre, centre + step, g.width - g.seatWidth - 4};
        const int32_t side = top + g.seatHeight + 8 + (g.height - LANDSCAPE_MIN_HEIGHT) / 4;
        const int32_t rows[6] = {landscapeBottomSeatY(g), side, top, top, top, side};
        for (int32_t s = 0; s < 6; ++s) {
            x[s] = columns[s];
            y[s] = rows[s];
        }
        return;
    }
    const int32_t bottomRow = g.height - g.softKeyHeight - (g.screenClass == 1 ? 0 : g.buttonHeight + 4) -
                              g.seatHeight - 2;
    const int32_t left = 2, centre = (g.width - g.seatWidth) / 2, right = g.width - g.seatWidth - 2;
    const int32_t columns[6] = {centre, left, left, centre, right, right};
    const int32_t rows[6] = {bottomRow, bottomRow, 2, 2, 2, bottomRow};
    for (int32_t s = 0; s < 6; ++s) {
        x[s] = columns[s];
        y[s] = rows[s];
    }
}

bool topRow(int32_t seat) { return seat >= 2 && seat <= 4; }

void fillSharedRects(const ClassGeometry& g)
{
    const int32_t w = g.width, h = g.height;
    IntArray* r = tables.sharedRects;
    r[RECT_ALERT_BOX] = box(alertBox(g));
    r[RECT_SOFT_KEY_BAR] = ints({0, h - g.softKeyHeight, w, g.softKeyHeight});
    r[RECT_LEFT_SOFT_KEY] = ints({0, h - g.softKeyHeight, w / 2, g.softKeyHeight});
    r[RECT_RIGHT_SOFT_KEY] = ints({w / 2, h - g.softKeyHeight, w - w / 2, g.softKeyHeight});
    r[RECT_TITLE] = ints({0, 0, w, g.titleHeight});
    r[RECT_MENU_CLIENT] = ints({0, g.titleHeight + 2, w, h - g.titleHeight - g.softKeyHeight - 4});
    r[RECT_SCROLL_UP] = ints({w - g.arrowSize - 3, g.titleHeight + 2, g.arrowSize, g.arrowSize, SLOT_SCROLL_ARROWS});
    r[RECT_SCROLL_DOWN] = ints({w - g.arrowSize - 3, h - g.softKeyHeight - g.arrowSize - 2, g.arrowSize,
                                g.arrowSize, SLOT_SCROLL_ARROWS});
    const Box progress = progressBox(g);
    r[RECT_PROGRESS] = ints({progress.x, progress.y, progress.w, progress.h, SLOT_PROGRESS_BAR});
    r[RECT_TABLE] = box(tableBox(g));
    const Box table = tableBox(g);
    const int32_t step = g.cardWidth + 2;
    const int32_t boardX = (w - (5 * g.cardWidth + 4 * 2)) / 2;
    const int32_t boardY = table.y + table.h / 2 - g.cardHeight / 2 - g.cardHeight / 4;
    r[RECT_BOARD] = ints({boardX, boardY, g.cardWidth, g.cardHeight});
    r[RECT_POT_PREFLOP] = ints({w / 2, boardY + g.cardHeight / 2, g.chipSize * 2, g.chipSize * 2});
    r[RECT_POT_POSTFLOP] = ints({w / 2, boardY + g.cardHeight + 2, g.chipSize * 2, g.chipSize * 2});
    (void)step;
    r[RECT_AMOUNT_PANEL] = box(amountPanelBox(g));
    const int32_t buttonsWidth = 3 * g.buttonWidth + 2 * 4;
    // Centred under the table; on the landscape frame at the bottom right.
    const int32_t buttonsX = isLandscape(g) ? w - buttonsWidth - 8 : (w - buttonsWidth) / 2;
    r[RECT_ACTION_BUTTONS] = ints({buttonsX, h - g.softKeyHeight - g.buttonHeight - 2, buttonsWidth, g.buttonHeight});
    r[RECT_MESSAGE_BOX] = box(messageBox(g));
    r[RECT_HEADSUP_TABLE] = box(headsUpTableBox(g));
    const Box panel = amountPanelBox(g);
    const int32_t keysWidth = 5 * g.keyWidth + 4 * 3;
    const int32_t keypadH = 3 * (g.keyHeight + 3) - 3;
    // Landscape: right of the board, over the field part of the panel (as the
    // table row places it).
    const int32_t fieldPart = panel.h - (3 * (g.keyHeight + 3) + 4);
    const int32_t keypadY = isLandscape(g) ? h - g.softKeyHeight - fieldPart - 2 - keypadH - 6
                                           : panel.y + panel.h - 3 * (g.keyHeight + 3) - 2;
    r[RECT_KEYPAD] = ints({panel.x + (panel.w - keysWidth) / 2, keypadY, keysWidth, keypadH});
}

void fillScalars(const ClassGeometry& g)
{
    DisplayScalars& s = tables.scalars;
    s.splashDuration[0] = 2000;
    s.splashDuration[1] = 5000;
    s.splashDuration[2] = g.screenClass == 3 ? 750 : 1500;
    s.loadingSteps = 6;
    s.turnAlertFrames = 150; // 15 s of 100 ms frames
    s.scrollStep = g.rowHeight;
    s.scrollMargin = g.rowHeight / 2;
    s.alertInsetX = 15;
    s.alertInsetY = 15;
    s.lineSpacing = g.screenClass == 6 ? 3 : isLandscape(g) ? 2 : 1;
    s.cardStep = g.cardWidth + 2;
}

// Left and right margin of text screen content: clear of the scroll arrows.
// Landscape text keeps to a readable column rather than running 600 pixels wide.
int32_t textMargin(const ClassGeometry& g) { return isLandscape(g) ? 70 : g.arrowSize + 6; }
constexpr int32_t OPTIONS_LEFT = 4;
// The landscape options sit in a centred column as wide as the menus'.
int32_t optionsLeft(const ClassGeometry& g) { return isLandscape(g) ? (g.width - menuRowWidth(g)) / 2 : OPTIONS_LEFT; }
int32_t optionWidth(const ClassGeometry& g)
{
    return isLandscape(g) ? menuRowWidth(g) : g.width - OPTIONS_LEFT - textMargin(g);
}

// The soft keys, title and scroll arrows every screen but the splashes uses.
void frame(ScreenLayout& row, const ClassGeometry& g)
{
    const int32_t w = g.width, h = g.height, half = w / 2;
    const int32_t barTop = h - g.softKeyHeight;
    row.titlePosition = ints({w / 2, (g.titleHeight - glyphSheetMetrics(g.screenClass, GLYPHS_LARGE_BOLD).cellHeight) / 2});
    row.titleTextBox = ints({6, 0, w - 12, g.titleHeight});
    row.leftSoftKeyPosition = ints({0, barTop});
    row.leftSoftKeyImage = ints({0, 0, half, g.softKeyHeight, SLOT_SOFT_KEY_BAR});
    row.leftSoftKeyTextBox = ints({6, 0, half - 12, g.softKeyHeight});
    row.rightSoftKeyPosition = ints({half, barTop});
    row.rightSoftKeyImage = ints({half, 0, w - half, g.softKeyHeight, SLOT_SOFT_KEY_BAR});
    row.rightSoftKeyTextBox = ints({6, 0, w - half - 12, g.softKeyHeight});
    row.softKeyFillColour = DEEP_GREEN;
    row.clientRect = ints({0, g.titleHeight + 2, w, h - g.titleHeight - g.softKeyHeight - 4});
    row.contentOrigin = ints({g.width / 30 + 2, 2});
    row.rowSpacing = 2;
    row.scrollUpArrowPosition = ints({w - g.arrowSize - 3, g.titleHeight + 2});
    row.scrollDownArrowPosition = ints({w - g.arrowSize - 3, barTop - g.arrowSize - 2});
    row.scrollUpArrowImage = ints({0, 0, g.arrowSize, g.arrowSize, SLOT_SCROLL_ARROWS});
    row.scrollDownArrowImage = ints({g.arrowSize, 0, g.arrowSize, g.arrowSize, SLOT_SCROLL_ARROWS});
    row.arrowHitMargin = g.arrowSize / 2 + 2;
    row.scrollMargin = g.rowHeight / 2;
    row.scrollStep = g.rowHeight;
}

ScreenLayout& addRow(int32_t kind, int32_t variant)
{
    ScreenLayout& row = tables.screens[tables.screenCount++];
    row = ScreenLayout();
    row.kind = kind;
    row.variant = variant;
    return row;
}

// Menu rows fill the client width left of the scroll arrows. The header takes the
// title band; the stake menu's second line sits under it and pushes the rows down.
void menuExtras(ScreenLayout& row, const ClassGeometry& g, bool subheader)
{
    const int32_t gap = isLandscape(g) ? 6 : g.screenClass == 6 ? 4 : 2;
    const int32_t rowX = isLandscape(g) ? (g.width - menuRowWidth(g)) / 2 : 2;
    row.extra[EXTRA_MENU_ROWS] = ints({rowX, menuRowWidth(g), g.rowHeight, gap, g.rowHeight / 3, g.rowHeight / 2});
    row.extra[EXTRA_MENU_STYLE] = ints({FONT_MENU, FONT_MENU_FOCUSED, FONT_FINE_PRINT, SLOT_HIGHLIGHT_MIDDLE,
                                        SLOT_HIGHLIGHT_ENDS, SLOT_ROW_BACKGROUND});
    row.extra[EXTRA_MENU_HEADER] = ints({6, 0, g.width - 12, g.titleHeight, FONT_TITLE});
    if (!subheader)
        return;
    const int32_t line = glyphSheetMetrics(g.screenClass, GLYPHS_SMALL).cellHeight + 6;
    row.extra[EXTRA_MENU_SUBHEADER] = ints({6, g.titleHeight + 2, g.width - 12, line, FONT_CAPTION});
    row.clientRect[1] += line;
    row.clientRect[3] -= line;
    row.scrollUpArrowPosition[1] += line;
}

void tableExtras(ScreenLayout& row, const ClassGeometry& g, bool headsUp)
{
    int32_t x[6], y[6];
    seatPositions(g, x, y);
    if (headsUp) {
        // Seat 1 is the opponent at the top centre, under the heads-up title strip;
        // the empty seats share its place.
        for (int32_t s = 1; s < 6; ++s) {
            x[s] = x[3];
            y[s] = g.titleHeight + 2;
        }
    }
    const Box bubble = bubbleBox(g);
    IntArray seats(12), cards(12), markers(12), bubbles(12), bets(12);
    const int32_t betHeight = glyphSheetMetrics(g.screenClass, GLYPHS_SMALL_BOLD).cellHeight;
    for (int32_t s = 0; s < 6; ++s) {
        const bool top = headsUp || isLandscape(g) ? s != 0 : topRow(s);
        seats[2 * s] = x[s];
        seats[2 * s + 1] = y[s];
        cards[2 * s] = x[s] + (g.seatWidth - (2 * g.smallCardWidth + 2)) / 2;
        cards[2 * s + 1] = top ? y[s] + g.seatHeight + 2 : y[s] - g.smallCardHeight - 2;
        markers[2 * s] = x[s] + g.seatWidth - g.markerSize;
        markers[2 * s + 1] = top ? y[s] + g.seatHeight + 2 : y[s] - g.markerSize - 2;
        bubbles[2 * s] = std::clamp(x[s] + (g.seatWidth - bubble.w) / 2, 2, g.width - bubble.w - 2);
        bubbles[2 * s + 1] = top ? y[s] + g.seatHeight - 2 : y[s] - bubble.h + 2;
        bets[2 * s] = x[s] + 2;
        bets[2 * s + 1] = top ? y[s] + g.seatHeight + g.smallCardHeight + 4 : y[s] - g.smallCardHeight - betHeight - 4;
    }
    if (headsUp) {
        // The opponent's cards, marker and bet go beside its box, clear of the board.
        for (int32_t s = 1; s < 6; ++s) {
            const int32_t right = x[s] + g.seatWidth + 4;
            cards[2 * s] = right;
            cards[2 * s + 1] = y[s] + (g.seatHeight - g.smallCardHeight) / 2;
            markers[2 * s] = right + 2 * (g.smallCardWidth + 2) + 2;
            markers[2 * s + 1] = y[s] + 2;
            bets[2 * s] = markers[2 * s];
            bets[2 * s + 1] = y[s] + g.seatHeight - g.chipSize - 2;
        }
    }
    // The player's own large cards sit above its box: its marker goes inside the
    // box's top right corner, and its bet (x is the right end of the chip and text)
    // beside the left card's top.
    const int32_t humanCardsX = g.width / 2 - g.cardWidth - 1;
    const int32_t humanCardsY = y[0] - g.cardHeight - 2;
    markers[0] = x[0] + g.seatWidth - g.markerSize - 2;
    markers[1] = y[0] + 2;
    bets[0] = humanCardsX - 3;
    bets[1] = humanCardsY - g.chipSize - 4;
    const IntArray& board = tables.sharedRects[RECT_BOARD];
    const IntArray& pre = tables.sharedRects[RECT_POT_PREFLOP];
    const IntArray& post = tables.sharedRects[RECT_POT_POSTFLOP];
    const Box table = headsUp ? headsUpTableBox(g) : tableBox(g);
    // The amount panel is split so that the player's cards and the board stay in
    // view: the caption, arrows and field at the bottom over the action buttons,
    // the keypad (not on class 1) over the top row of seats. Class 1, without
    // buttons below its bottom seats, has the field part at the top.
    const Box fullPanel = amountPanelBox(g);
    const int32_t keypadRows = g.screenClass == 1 ? 0 : 3 * (g.keyHeight + 3) + 4;
    const int32_t fieldPart = fullPanel.h - keypadRows;
    const Box panel = {fullPanel.x, g.screenClass == 1 ? 2 : g.height - g.softKeyHeight - fieldPart - 2,
                       fullPanel.w, fieldPart};
    const int32_t keysWidth = 5 * g.keyWidth + 4 * 3;
    // Landscape has room for the keypad right of the board, over the field part.
    const int32_t keypadH = 3 * (g.keyHeight + 3) - 3;
    const int32_t keypad[2] = {panel.x + (panel.w - keysWidth) / 2,
                               isLandscape(g) ? panel.y - keypadH - 6 : 2 + 6};
    const IntArray& buttons = tables.sharedRects[RECT_ACTION_BUTTONS];
    const int32_t arrow = g.keyHeight;
    const int32_t fieldY = panel.y + 6 + glyphSheetMetrics(g.screenClass, GLYPHS_SMALL_BOLD).cellHeight + 4;

    row.extra[EXTRA_SEATS] = seats;
    row.extra[EXTRA_SEAT_SIZE] = ints({g.seatWidth, g.seatHeight});
    row.extra[EXTRA_HOLE_CARDS] = cards;
    row.extra[EXTRA_HOLE_CARD_STEP] = ints({g.smallCardWidth + 2, g.smallCardWidth, g.smallCardHeight});
    row.extra[EXTRA_BOARD] = ints({board[0], board[1], g.cardWidth + 2});
    row.extra[EXTRA_POT] = ints({pre[0], pre[1], post[0], post[1]});
    row.extra[EXTRA_MARKERS] = markers;
    row.extra[EXTRA_BUBBLES] = bubbles;
    row.extra[EXTRA_BETS] = bets;
    row.extra[EXTRA_TABLE_IMAGE] = ints({table.x, table.y, headsUp ? SLOT_HEADSUP_TABLE : SLOT_TABLE});
    row.extra[EXTRA_ACTION_MENU] = ints({buttons[0], buttons[1], g.buttonWidth, g.buttonHeight, 4});
    row.extra[EXTRA_AMOUNT_PANEL] = box(panel);
    row.extra[EXTRA_AMOUNT_ARROWS] =
        ints({panel.x + 6, fieldY, panel.x + panel.w - 6 - arrow, fieldY, arrow, arrow});
    row.extra[EXTRA_KEYPAD] = keypadRows > 0 ? ints({keypad[0], keypad[1], g.keyWidth, g.keyHeight, 3}) : IntArray();
    row.extra[EXTRA_HUMAN_CARDS] = ints({humanCardsX, humanCardsY, g.cardWidth + 2});
}

void fillScreenRows(const ClassGeometry& g)
{
    tables.screenCount = 0;
    const Box progress = progressBox(g);

    ScreenLayout& logos = addRow(SCREEN_KIND_SPLASH, 1);
    logos.backgroundColour = DEEP_GREEN;
    logos.textColour = WHITE;
    logos.extra[EXTRA_LOGOS] =
        ints({(g.width - 3 * g.logoSize) / 2, (g.height - g.logoSize) / 2, g.logoSize, g.logoSize, SLOT_LOGO_STRIP});

    ScreenLayout& loading = addRow(SCREEN_KIND_SPLASH, 2);
    loading.backgroundColour = DEEP_GREEN;
    loading.textColour = CREAM;
    loading.backgroundImage = SLOT_LOADING_BACKGROUND;
    loading.extra[EXTRA_PROGRESS] = ints({progress.x, progress.y, progress.w, progress.h, SLOT_PROGRESS_BAR});

    ScreenLayout& title = addRow(SCREEN_KIND_SPLASH, 3);
    title.backgroundColour = DEEP_GREEN;
    title.textColour = CREAM;
    title.backgroundImage = SLOT_SPLASH_BACKGROUND;
    if (isLandscape(g)) {
        // The pictures are drawn for the tallest frame; shorter ones show their middle.
        const int32_t top = (g.height - classGeometry(SCREEN_CLASS_LANDSCAPE).height) / 2;
        loading.titleImagePosition = ints({0, top});
        title.titleImagePosition = ints({0, top});
    }

    for (int32_t variant : {0, 9, 10, 11}) {
        ScreenLayout& menu = addRow(SCREEN_KIND_MENU, variant);
        menu.backgroundColour = DEEP_GREEN;
        menu.textColour = CREAM;
        menu.backgroundImage = SLOT_MENU_BACKGROUND;
        frame(menu, g);
        menuExtras(menu, g, variant == 10);
    }
    // Variant 5 is the statistics: figures over the winnings chart.
    for (int32_t variant : {0, 4, 5}) {
        ScreenLayout& text = addRow(SCREEN_KIND_TEXT, variant);
        text.backgroundColour = DEEP_GREEN;
        text.textColour = WHITE;
        text.backgroundImage = SLOT_MENU_BACKGROUND;
        frame(text, g);
        // The options' rows start near the left edge so that "label: value" fits
        // on the narrowest display; they end clear of the scroll arrows.
        text.contentOrigin = ints({variant == 4 ? optionsLeft(g) : textMargin(g), isLandscape(g) ? 8 : textMargin(g) / 2});
        text.rowSpacing = variant == 4 ? 4 : 2;
    }
    for (int32_t variant : {6, 7, 8}) {
        ScreenLayout& table = addRow(SCREEN_KIND_TABLE, variant);
        table.backgroundColour = FELT;
        table.textColour = WHITE;
        frame(table, g);
        table.titlePosition = IntArray();
        table.titleTextBox = IntArray();
        table.clientRect = ints({0, 0, g.width, g.height - g.softKeyHeight});
        tableExtras(table, g, variant == 7);
    }
    ScreenLayout& name = addRow(SCREEN_KIND_NAME_ENTRY, 0);
    name.backgroundColour = BURGUNDY;
    name.textColour = WHITE;
    name.backgroundImage = SLOT_MENU_BACKGROUND;
    frame(name, g);
    menuExtras(name, g, /*subheader=*/false);
    // Narrower rows with the avatar beside row 1; the gap keeps a picture taller
    // than a row clear of row 0.
    const int32_t gap = (g.avatarSize - g.rowHeight) / 2 + 6;
    const int32_t rowWidth = menuRowWidth(g) - (g.avatarSize + 6);
    const int32_t rowX = isLandscape(g) ? (g.width - menuRowWidth(g)) / 2 : 2;
    name.extra[EXTRA_MENU_ROWS] = ints({rowX, rowWidth, g.rowHeight, gap, g.rowHeight / 3, g.rowHeight / 2});
    name.extra[EXTRA_AVATAR] = ints({g.avatarSize, SLOT_AVATARS});
    // The field, its caption line above it, under the two rows (client coordinates).
    const Box field = textFieldBox(g);
    const int32_t caption = glyphSheetMetrics(g.screenClass, GLYPHS_MEDIUM).cellHeight + 4;
    const int32_t fieldY = gap + 2 * (g.rowHeight + gap) + caption;
    name.extra[EXTRA_FIELD] = ints({(g.width - field.w) / 2, fieldY, field.w, field.h});
}

ItemLayout& addItem(int32_t kind, int32_t variant)
{
    ItemLayout& item = tables.items[tables.itemCount++];
    item = ItemLayout();
    item.kind = kind;
    item.variant = variant;
    return item;
}

void fillItemRows(const ClassGeometry& g)
{
    tables.itemCount = 0;
    const int32_t clientWidth = g.width - g.arrowSize - 8;
    // Text screen items: {label x, y, w, font, body x, y, w, font}; the body x is
    // the margin the screen's content origin leaves on both sides, and the width
    // comes from the wrap.
    const int32_t margin = textMargin(g);
    ItemLayout& text = addItem(ITEM_KIND_TEXT, 0);
    text.geometry = ints({0, 0, 0, FONT_BODY_HIGHLIGHT, margin, 0, 0, FONT_BODY});
    text.font = FONT_BODY;
    text.focusedFont = FONT_BODY_HIGHLIGHT;
    ItemLayout& info = addItem(ITEM_KIND_TEXT, 1);
    info.geometry = ints({0, 0, 0, FONT_BODY_HIGHLIGHT, margin, 0, 0, FONT_BODY});
    info.font = FONT_BODY;
    info.focusedFont = FONT_BODY_HIGHLIGHT;
    // Choices and gauges of the options screen: from its content origin to the
    // scroll arrows.
    ItemLayout& choice = addItem(ITEM_KIND_CHOICE, 0);
    choice.geometry = ints({0, 0, optionWidth(g), g.rowHeight});
    choice.font = FONT_MENU;
    choice.focusedFont = FONT_MENU_FOCUSED;
    choice.image = SLOT_HIGHLIGHT_MIDDLE;
    ItemLayout& option = addItem(ITEM_KIND_CHOICE, 1);
    option.geometry = ints({0, 0, clientWidth, g.rowHeight, checkboxSize(g)});
    option.font = FONT_MENU;
    option.focusedFont = FONT_MENU_FOCUSED;
    option.image = SLOT_CHECKBOX;
    const Box field = textFieldBox(g);
    ItemLayout& textField = addItem(ITEM_KIND_TEXT_FIELD, 0);
    textField.geometry = ints({0, 0, field.w, field.h});
    textField.font = textField.focusedFont = FONT_FIELD;
    textField.image = SLOT_TEXT_FIELD;
    // Images are centred in the text width.
    ItemLayout& image = addItem(ITEM_KIND_IMAGE, 0);
    image.geometry = ints({0, 0, g.width - 2 * margin, 0});
    // Gauge: {x, y, w, h, bar w, bar h}: the label and value on a menu row, the
    // bar (half the display wide) under it.
    const Box gauge = gaugeBox(g);
    ItemLayout& gaugeItem = addItem(ITEM_KIND_GAUGE, 0);
    gaugeItem.geometry = ints({0, 0, optionWidth(g), g.rowHeight + gauge.h + 4, gauge.w, gauge.h});
    gaugeItem.font = FONT_MENU;
    gaugeItem.focusedFont = FONT_MENU_FOCUSED;
    gaugeItem.image = SLOT_GAUGE;
    ItemLayout& actions = addItem(ITEM_KIND_ACTION_MENU, 0);
    actions.geometry = tables.sharedRects[RECT_ACTION_BUTTONS];
    actions.font = FONT_BUTTON;
    actions.focusedFont = FONT_BUTTON_FOCUSED;
    actions.image = SLOT_ACTION_BUTTONS;
    ItemLayout& message = addItem(ITEM_KIND_MESSAGE_BOX, 0);
    message.geometry = tables.sharedRects[RECT_MESSAGE_BOX];
    message.font = FONT_MESSAGE;
    message.focusedFont = FONT_MESSAGE_HEADING;
    message.image = SLOT_MESSAGE_PANEL;
    const Box bubble = bubbleBox(g);
    ItemLayout& bubbleItem = addItem(ITEM_KIND_SEAT_BUBBLE, 0);
    bubbleItem.geometry = ints({0, 0, bubble.w, bubble.h, bubbleTail(g)});
    bubbleItem.font = bubbleItem.focusedFont = FONT_BUBBLE;
    bubbleItem.image = SLOT_SEAT_BUBBLE;
    // The winnings chart: {x, y, w, h, inset}, text width and half the client
    // height (the figures above it scroll away on small displays); gold line, sage
    // zero line and frame.
    const int32_t clientHeight = g.height - g.titleHeight - g.softKeyHeight - 4;
    ItemLayout& chart = addItem(ITEM_KIND_CHART, 0);
    chart.geometry = ints({0, 0, g.width - 2 * margin, clientHeight / 2, 3});
    chart.font = chart.focusedFont = FONT_FINE_PRINT;
    chart.colour = GOLD;
    chart.focusedColour = SAGE;
    ItemLayout& keypad = addItem(ITEM_KIND_KEYPAD, 0);
    keypad.geometry = tables.sharedRects[RECT_KEYPAD];
    keypad.font = keypad.focusedFont = FONT_KEYPAD;
    keypad.image = SLOT_KEYPAD_KEYS;
}

} // namespace

DisplayTables& displayTables() { return tables; }

void fillDisplayTables() { fillDisplayTablesFor(screenClass()); }

void fillDisplayTablesFor(int32_t screenClass)
{
    if (!hasDisplayTables(screenClass))
        return;
    // The landscape rows are built for the stored height (any other fill of the
    // class, by a tool, lays out the 16:9 frame).
    const ClassGeometry g = screenClass == SCREEN_CLASS_LANDSCAPE
                                ? landscapeGeometry(::screenClass() == SCREEN_CLASS_LANDSCAPE ? displayHeight()
                                                                                       : LANDSCAPE_MIN_HEIGHT)
                                : classGeometry(screenClass);
    tables.screenClass = screenClass;
    for (int32_t slot = 0; slot < IMAGE_SLOT_COUNT; ++slot)
        tables.imageIds[slot] = imageIdFor(screenClass, slot);
    fillFonts(screenClass);
    fillSharedRects(g);
    fillScalars(g);
    fillScreenRows(g);
    fillItemRows(g);
}

const ScreenLayout* findScreenLayout(int32_t kind, int32_t variant)
{
    for (int32_t i = 0; i < tables.screenCount; ++i)
        if (tables.screens[i].kind == kind && tables.screens[i].variant == variant)
            return &tables.screens[i];
    return nullptr;
}

const ItemLayout* findItemLayout(int32_t kind, int32_t variant)
{
    for (int32_t i = 0; i < tables.itemCount; ++i)
        if (tables.items[i].kind == kind && tables.items[i].variant == variant)
            return &tables.items[i];
    return nullptr;
}

namespace {

IntArray copyOf(const IntArray& source)
{
    IntArray copy(source.length);
    for (int32_t i = 0; i < source.length; ++i)
        copy[i] = source[i];
    return copy;
}

// A row's array replaces the target's only when the row sets it.
void replaceIfSet(IntArray& target, const IntArray& source)
{
    if (source.length > 0)
        target = copyOf(source);
}

} // namespace

bool applyScreenLayout(ScreenLayout& target, int32_t kind, int32_t variant)
{
    if (!hasDisplayTables(screenClass()))
        return false;
    const ScreenLayout* row = findScreenLayout(kind, variant);
    if (!row)
        return false;
    target.kind = row->kind;
    target.variant = row->variant;
    target.backgroundColour = row->backgroundColour;
    target.textColour = row->textColour;
    target.backgroundImage = row->backgroundImage;
    target.titleImage = row->titleImage;
    target.titleFont = row->titleFont;
    target.leftSoftKeyFill[0] = row->leftSoftKeyFill[0];
    target.leftSoftKeyFill[1] = row->leftSoftKeyFill[1];
    target.rightSoftKeyFill[0] = row->rightSoftKeyFill[0];
    target.rightSoftKeyFill[1] = row->rightSoftKeyFill[1];
    target.softKeyFillColour = row->softKeyFillColour;
    target.rowSpacing = row->rowSpacing;
    target.arrowHitMargin = row->arrowHitMargin;
    target.scrollMargin = row->scrollMargin;
    target.scrollStep = row->scrollStep;
    replaceIfSet(target.titleImagePosition, row->titleImagePosition);
    replaceIfSet(target.titleImageRegion, row->titleImageRegion);
    replaceIfSet(target.titlePosition, row->titlePosition);
    replaceIfSet(target.titleTextBox, row->titleTextBox);
    replaceIfSet(target.leftSoftKeyPosition, row->leftSoftKeyPosition);
    replaceIfSet(target.leftSoftKeyImage, row->leftSoftKeyImage);
    replaceIfSet(target.leftSoftKeyTextBox, row->leftSoftKeyTextBox);
    replaceIfSet(target.rightSoftKeyPosition, row->rightSoftKeyPosition);
    replaceIfSet(target.rightSoftKeyImage, row->rightSoftKeyImage);
    replaceIfSet(target.rightSoftKeyTextBox, row->rightSoftKeyTextBox);
    replaceIfSet(target.clientRect, row->clientRect);
    replaceIfSet(target.contentOrigin, row->contentOrigin);
    replaceIfSet(target.scrollUpArrowPosition, row->scrollUpArrowPosition);
    replaceIfSet(target.scrollDownArrowPosition, row->scrollDownArrowPosition);
    replaceIfSet(target.scrollUpArrowImage, row->scrollUpArrowImage);
    replaceIfSet(target.scrollDownArrowImage, row->scrollDownArrowImage);
    for (int32_t i = 0; i < EXTRA_COUNT; ++i)
        replaceIfSet(target.extra[i], row->extra[i]);
    return true;
}

bool applyItemLayout(ItemLayout& target, int32_t kind, int32_t variant)
{
    if (!hasDisplayTables(screenClass()))
        return false;
    const ItemLayout* row = findItemLayout(kind, variant);
    if (!row)
        return false;
    target.kind = row->kind;
    target.variant = row->variant;
    target.font = row->font;
    target.focusedFont = row->focusedFont;
    target.colour = row->colour;
    target.focusedColour = row->focusedColour;
    target.image = row->image;
    replaceIfSet(target.geometry, row->geometry);
    return true;
}
