#include "ui/MenuScreen.h"

#include "ui/Events.h"
#include "ui/MenuRow.h"
#include "ui/WordWrap.h"

#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/Font.h"
#include "core/lcdui/2d/TextFit.h"
#include "core/resources/Base2DImage.h"

MenuScreen::MenuScreen(const String& title, int32_t variant)
    : Screen(SCREEN_KIND_MENU, variant)
{
    this->title = title;
}

MenuScreen::~MenuScreen() = default;

int32_t MenuScreen::addEntry(const String& label, const SharedPointer<Base2DImage>& image)
{
    entryLabels.add(label);
    entryImages.add(image);
    entryDisabled.add(0);
    const int32_t index = entryLabels.size() - 1;
    if (focus < 0)
        focus = index;
    invalidateLayout();
    return index;
}

void MenuScreen::removeEntry(int32_t index)
{
    if (index < 0 || index >= entryLabels.size())
        return;
    entryLabels.erase(index);
    entryImages.erase(index);
    entryDisabled.erase(index);
    if (focus >= entryLabels.size())
        focus = entryLabels.size() - 1;
    invalidateLayout();
}

void MenuScreen::removeAllEntries()
{
    for (int32_t i = entryLabels.size() - 1; i >= 0; --i)
        removeEntry(i);
}

bool MenuScreen::isEnabledEntry(int32_t index) const
{
    return index >= 0 && index < entryLabels.size() && entryDisabled[index] == 0;
}

void MenuScreen::setFocus(int32_t index, bool scroll)
{
    if (index < 0 || index >= entryLabels.size())
        return;
    focus = index;
    if (scroll) {
        if (layoutDirty)
            scrollPending = true;
        else
            scrollToFocus();
    }
    repaint();
}

void MenuScreen::scrollToFocus()
{
    scrollPending = false;
    if (focus < 0 || 4 * focus + 3 >= rowRects.length)
        return;
    // The gap around a row comes into view with it, so the first and last rows
    // scroll the content to its ends.
    const IntArray& rows = geometry.extra[EXTRA_MENU_ROWS];
    const int32_t gap = rows.length >= 4 ? rows[3] : 0;
    const int32_t top = rowRects[4 * focus + 1] - gap;
    const int32_t bottom = rowRects[4 * focus + 1] + rowRects[4 * focus + 3] + gap;
    if (top < scrollY)
        scrollY = top;
    else if (bottom > scrollY + clientHeight())
        scrollY = bottom - clientHeight();
}

void MenuScreen::setEntryDisabled(bool disabled, int32_t index)
{
    if (index < 0 || index >= entryLabels.size())
        return;
    entryDisabled[index] = disabled ? 1 : 0;
    if (disabled && focus == index) {
        moveDown();
        if (focus == index)
            moveUp();
    }
    repaint();
}

void MenuScreen::setHeader(const String& text, const String& figure)
{
    headerText = text;
    headerFigure = figure;
    header = figure.length() == 0 ? text : text + " " + figure;
    repaint();
}

String MenuScreen::fittedHeader(const Font& font, int32_t width) const
{
    if (headerFigure.length() == 0 || font.stringWidth(header) <= width)
        return header;
    const String tail = " " + headerFigure;
    // The same rule as a box's text: what is exactly as wide as the room still fits.
    const String text = fitWithEllipsis(headerText, width - font.stringWidth(tail) + 1, font);
    return text.length() == 0 ? headerFigure : text + tail;
}

void MenuScreen::setSubheader(const String& text)
{
    subheader = text;
    repaint();
}

void MenuScreen::moveUp()
{
    for (int32_t i = focus - 1; i >= 0; --i) {
        if (isEnabledEntry(i)) {
            setFocus(i, /*scroll=*/true);
            return;
        }
    }
}

void MenuScreen::moveDown()
{
    for (int32_t i = focus + 1; i < entryLabels.size(); ++i) {
        if (isEnabledEntry(i)) {
            setFocus(i, /*scroll=*/true);
            return;
        }
    }
}

void MenuScreen::fireSelect()
{
    // A disabled entry keeps the focus only when every entry is disabled.
    if (isEnabledEntry(focus) && selectCommand.raw())
        fireCommand(selectCommand);
}

bool MenuScreen::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    if (Screen::handleEvent(type, p1, p2))
        return true;
    if (type == EVENT_KEY && (p1 == KEY_SELECT || p1 == KEY_FIRE)) {
        // Last: the controller may switch away from (and drop) this screen.
        fireSelect();
        return true;
    }
    return false;
}

bool MenuScreen::pointerPressed(int32_t x, int32_t y)
{
    const int32_t contentY = y + scrollY;
    for (int32_t i = 0; i < entryLabels.size() && 4 * i + 3 < rowRects.length; ++i) {
        const int32_t* r = rowRects.data + 4 * i;
        if (x < r[0] || x >= r[0] + r[2] || contentY < r[1] || contentY >= r[1] + r[3])
            continue;
        if (!isEnabledEntry(i))
            return false;
        focus = i;
        fireSelect();
        return true;
    }
    return false;
}

void MenuScreen::arrange()
{
    Screen::arrange();
    const IntArray& rows = geometry.extra[EXTRA_MENU_ROWS]; // {x, w, h, gap, ...}
    const int32_t n = entryLabels.size();
    rowRects = IntArray(4 * n);
    contentHeight = 0;
    if (rows.length < 4)
        return;
    const int32_t h = rows[2], gap = rows[3];
    for (int32_t i = 0; i < n; ++i) {
        rowRects[4 * i] = rows[0];
        rowRects[4 * i + 1] = gap + i * (h + gap);
        rowRects[4 * i + 2] = rows[1];
        rowRects[4 * i + 3] = h;
    }
    contentHeight = gap + n * (h + gap);
    // Entries may have gone since the last layout.
    const int32_t maxScroll = contentHeight - clientHeight();
    if (scrollY > maxScroll)
        scrollY = maxScroll > 0 ? maxScroll : 0;
    if (scrollPending)
        scrollToFocus();
}

void MenuScreen::paintContent(Base2DGraphics& g)
{
    const int32_t view = clientHeight();
    scrollDownShown = contentHeight - scrollY > view;
    scrollUpShown = scrollY >= 1;
    for (int32_t i = 0; i < entryLabels.size() && 4 * i + 3 < rowRects.length; ++i) {
        const int32_t* r = rowRects.data + 4 * i;
        const int32_t y = r[1] - scrollY;
        if (y + r[3] <= 0 || y >= view)
            continue;
        const MenuRowState state = entryDisabled[i] ? MenuRowState::Disabled
                                   : i == focus   ? MenuRowState::Focused
                                                  : MenuRowState::Normal;
        drawMenuRow(g, geometry, r[0], y, r[2], entryLabels[i], state, entryImages[i]);
    }
}

void MenuScreen::paintTitle(Base2DGraphics& g)
{
    const bool headed = variant == VARIANT_GAME_TYPE || variant == VARIANT_TOURNAMENT_SIZE;
    if (variant != VARIANT_STAKES && !headed) {
        Screen::paintTitle(g);
        return;
    }
    Display* display = currentDisplay();
    auto drawLine = [&](const String& text, const IntArray& box) {
        if (!display || text.length() == 0 || box.length < 5)
            return;
        SharedPointer<Font> font = display->getFont(box[4]);
        if (font.raw())
            drawBoxText(g, *font, text, box[0], box[1], box[2], box[3]);
    };
    const IntArray& headerBox = geometry.extra[EXTRA_MENU_HEADER];
    if (display && headerBox.length >= 5) {
        if (SharedPointer<Font> font = display->getFont(headerBox[4]); font.raw())
            drawLine(fittedHeader(*font, headerBox[2]), headerBox);
    }
    if (headed) {
        Screen::paintTitle(g);
        return;
    }
    drawLine(subheader, geometry.extra[EXTRA_MENU_SUBHEADER]);
}
