#include "ui/Screen.h"

#include "ui/Events.h"
#include "ui/ScreenController.h"
#include "ui/WordWrap.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/ScreenClass.h"

namespace {

IntArray rect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    IntArray r(4);
    r[0] = x;
    r[1] = y;
    r[2] = w;
    r[3] = h;
    return r;
}

// Draws {x, y, w, h, image slot} of an image strip at (x, y).
void drawRegion(Base2DGraphics& g, const IntArray& region, int32_t x, int32_t y)
{
    Display* display = currentDisplay();
    if (!display || region.length < 5)
        return;
    g.drawRegion(display->getImage(region[4]), x, y, TOP | LEFT, region[0], region[1], region[2], region[3]);
}

// The hidden sequences, each stored twice as the game always had them; the first
// complete match wins.
const char16_t* const sequences[6] = {u"dwdw", u"dwdw", u"dkrr", u"dkrr", u"wwww", u"wwww"};
const char16_t* const sequenceLetters = u"dwkrr";

bool isSequenceLetter(char16_t key)
{
    for (const char16_t* p = sequenceLetters; *p; ++p)
        if (*p == key)
            return true;
    return false;
}

} // namespace

Screen::Screen(int32_t kind, int32_t variant)
    : kind(uint8_t(kind))
    , variant(uint8_t(variant))
{
}

Screen::~Screen() = default;

// ---- painting

void Screen::paint(Base2DGraphics& g)
{
    if (layoutDirty)
        layout();
    Display* display = currentDisplay();
    g.setColor(geometry.backgroundColour);
    g.fillRect(0, 0, displayWidth(), displayHeight());
    const IntArray& at = geometry.titleImagePosition;
    const int32_t atX = at.length >= 2 ? at[0] : 0;
    const int32_t atY = at.length >= 2 ? at[1] : 0;
    if (geometry.titleImageRegion.length >= 5)
        drawRegion(g, geometry.titleImageRegion, atX, atY);
    else if (geometry.backgroundImage >= 0 && display)
        g.drawImage(display->getImage(geometry.backgroundImage), atX, atY, TOP | LEFT);

    paintTitle(g);

    const IntArray& client = geometry.clientRect;
    const int32_t clipX = g.getClipX(), clipY = g.getClipY();
    const int32_t clipW = g.getClipWidth(), clipH = g.getClipHeight();
    const bool clipped = client.length >= 4;
    if (clipped) {
        g.clipRect(client[0], client[1], client[2], client[3]);
        g.translate(client[0], client[1]);
    }
    paintContent(g);
    if (clipped) {
        g.translate(-client[0], -client[1]);
        g.setClip(clipX, clipY, clipW, clipH);
    }

    if (scrollUpShown && geometry.scrollUpArrowPosition.length >= 2)
        drawRegion(g, geometry.scrollUpArrowImage, geometry.scrollUpArrowPosition[0],
                   geometry.scrollUpArrowPosition[1]);
    if (scrollDownShown && geometry.scrollDownArrowPosition.length >= 2)
        drawRegion(g, geometry.scrollDownArrowImage, geometry.scrollDownArrowPosition[0],
                   geometry.scrollDownArrowPosition[1]);

    if (kind == SCREEN_KIND_SPLASH || !display)
        return;
    SharedPointer<Font> font = display->getFont(FONT_SOFT_KEY);
    struct SoftKey {
        const SharedPointer<Command>& command;
        const IntArray& position;
        const IntArray& image;
        const IntArray& box;
        const int32_t* fill;
    };
    const SoftKey keys[2] = {
        {leftCommand, geometry.leftSoftKeyPosition, geometry.leftSoftKeyImage, geometry.leftSoftKeyTextBox,
         geometry.leftSoftKeyFill},
        {rightCommand, geometry.rightSoftKeyPosition, geometry.rightSoftKeyImage, geometry.rightSoftKeyTextBox,
         geometry.rightSoftKeyFill},
    };
    for (const SoftKey& key : keys) {
        if (!key.command.raw() || key.position.length < 2 || key.box.length < 4)
            continue;
        const int32_t x = key.position[0], y = key.position[1];
        drawRegion(g, key.image, x, y);
        if (key.fill[0] > 0) {
            g.setColor(geometry.softKeyFillColour);
            g.fillRect(x, y, key.fill[0], key.fill[1]);
        }
        if (font.raw())
            drawBoxText(g, *font, key.command->getLabel(), x + key.box[0], y + key.box[1], key.box[2], key.box[3]);
    }
}

void Screen::paintContent(Base2DGraphics& g)
{
    g.translate(0, -scrollY);
    const int32_t viewHeight = clientHeight();
    scrollDownShown = contentHeight - scrollY > viewHeight;
    scrollUpShown = scrollY >= 1;
    for (int32_t i = 0; i < items.size(); ++i) {
        Item* item = items[i].raw();
        if (!item)
            continue;
        g.translate(item->getX(), item->getY());
        item->paint(g, i == focus);
        g.translate(-item->getX(), -item->getY());
    }
    g.translate(0, scrollY);
}

void Screen::paintTitle(Base2DGraphics& g)
{
    Display* display = currentDisplay();
    if (!display)
        return;
    if (title.length() > 0) {
        const IntArray& box = geometry.titleTextBox;
        SharedPointer<Font> font = display->getFont(geometry.titleFont);
        if (box.length >= 4 && font.raw())
            drawBoxText(g, *font, title, box[0], box[1], box[2], box[3]);
        return;
    }
    if (geometry.titleImage >= 0 && geometry.titlePosition.length >= 2)
        g.drawImage(display->getImage(geometry.titleImage), geometry.titlePosition[0], geometry.titlePosition[1],
                    TOP | LEFT);
}

// ---- commands and events

void Screen::fireCommand(const SharedPointer<Command>& command)
{
    if (listener && command.raw())
        listener->commandAction(command.raw(), this);
}

bool Screen::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    if (type == EVENT_KEY) {
        if (p1 == KEY_CHAR)
            return hiddenSequenceKey(char16_t(p2));
        const bool keeps = keepsSoftKeys();
        switch (p1) {
        case KEY_SOFT_LEFT:
            if (keeps)
                return false;
            fireLeftSoftKey();
            return true;
        case KEY_SOFT_RIGHT:
        case KEY_BACK:
            if (keeps)
                return false;
            fireRightSoftKey();
            return true;
        case KEY_UP:
            moveUp();
            return true;
        case KEY_DOWN:
            moveDown();
            return true;
        default:
            return false;
        }
    }
    if (type != EVENT_POINTER_PRESSED)
        return false;
    const int32_t px = p1, py = p2;
    auto softKeyHit = [&](const IntArray& position, const IntArray& image, const IntArray& box) {
        if (position.length < 2)
            return false;
        // The key's box is its image region's size; a key without artwork uses its text box.
        const IntArray& size = image.length >= 4 ? image : box;
        if (size.length < 4)
            return false;
        return px >= position[0] && px < position[0] + size[2] && py >= position[1] && py < position[1] + size[3];
    };
    if (softKeyHit(geometry.leftSoftKeyPosition, geometry.leftSoftKeyImage, geometry.leftSoftKeyTextBox)) {
        fireLeftSoftKey();
        return true;
    }
    if (softKeyHit(geometry.rightSoftKeyPosition, geometry.rightSoftKeyImage, geometry.rightSoftKeyTextBox)) {
        fireRightSoftKey();
        return true;
    }
    if (scrollUpShown && inRect(scrollUpHitRect, px, py)) {
        moveUp();
        return true;
    }
    if (scrollDownShown && inRect(scrollDownHitRect, px, py)) {
        moveDown();
        return true;
    }
    if (inRect(clientHitRect, px, py))
        return pointerPressed(px - clientHitRect[0], py - clientHitRect[1]);
    return false;
}

bool Screen::hiddenSequenceKey(char16_t key)
{
    if (key == u'*' || key == u'0') {
        sequenceArmed = true;
        sequenceKeys[0] = sequenceKeys[1] = sequenceKeys[2] = 0;
        return false;
    }
    if (!sequenceArmed)
        return false;
    if (!isSequenceLetter(key)) {
        sequenceArmed = false;
        sequenceKeys[0] = sequenceKeys[1] = sequenceKeys[2] = 0;
        return false;
    }
    int32_t recorded = 0;
    while (recorded < 3 && sequenceKeys[recorded] != 0)
        ++recorded;
    for (int32_t s = 0; s < 6; ++s) {
        const char16_t* sequence = sequences[s];
        bool prefix = true;
        for (int32_t i = 0; i < recorded && prefix; ++i)
            prefix = sequence[i] == sequenceKeys[i];
        if (!prefix || sequence[recorded] != key)
            continue;
        if (recorded == 3) {
            sequenceArmed = false;
            sequenceKeys[0] = sequenceKeys[1] = sequenceKeys[2] = 0;
            sequenceConsumed = true;
            if (s < 2)
                hiddenActionA();
            else if (s < 4)
                hiddenActionB();
            else
                hiddenActionC();
            repaint();
            return true;
        }
        sequenceKeys[recorded] = key;
        for (int32_t i = recorded + 1; i < 3; ++i)
            sequenceKeys[i] = 0;
        return false;
    }
    // Matches nothing: the first key of a new attempt.
    sequenceKeys[0] = key;
    sequenceKeys[1] = sequenceKeys[2] = 0;
    return false;
}

void Screen::moveUp() { }
void Screen::moveDown() { }
void Screen::hiddenActionA()
{
    if (listener)
        listener->hiddenSequence(HIDDEN_DWDW, this);
}

void Screen::hiddenActionB()
{
    if (listener)
        listener->hiddenSequence(HIDDEN_DKRR, this);
}

void Screen::hiddenActionC()
{
    if (listener)
        listener->hiddenSequence(HIDDEN_WWWW, this);
}

void Screen::fireLeftSoftKey()
{
    if (leftCommand.raw())
        fireCommand(leftCommand);
}

void Screen::fireRightSoftKey()
{
    if (rightCommand.raw())
        fireCommand(rightCommand);
}

bool Screen::pointerPressed(int32_t px, int32_t py)
{
    for (int32_t i = 0; i < items.size(); ++i) {
        Item* item = items[i].raw();
        if (!item)
            continue;
        const int32_t top = item->getY() - scrollY;
        if (px < item->getX() || px >= item->getX() + item->getWidth() || py < top || py >= top + item->getHeight())
            continue;
        // Only what can hold the focus takes it: a tap on a text must not leave the
        // keys without a focused item to act on.
        if (item->isFocusable())
            focus = i;
        if (item->pointerPressed(px - item->getX(), py - top))
            return true;
    }
    return false;
}

// ---- layout

void Screen::layout()
{
    geometry.clientRect = IntArray();
    clientHitRect = IntArray();
    scrollUpHitRect = IntArray();
    scrollDownHitRect = IntArray();
    applyScreenLayout(geometry, kind, variant);
    arrange();
    for (int32_t i = 0; i < items.size(); ++i)
        if (items[i].raw())
            items[i]->measure();
    for (int32_t i = 0; i < items.size(); ++i) {
        if (!items[i].raw())
            continue;
        items[i]->adjust();
        items[i]->layoutContent();
    }
    layoutDirty = false;
}

void Screen::arrange()
{
    if (geometry.clientRect.length < 4)
        geometry.clientRect = rect(0, 0, displayWidth(), displayHeight());
    const IntArray& c = geometry.clientRect;
    clientHitRect = rect(c[0], c[1], c[2], c[3]);
    const int32_t margin = geometry.arrowHitMargin;
    auto hitRect = [margin](const IntArray& position, const IntArray& image) {
        if (position.length < 2 || image.length < 4)
            return IntArray();
        return rect(position[0] - margin, position[1] - margin, image[2] + 2 * margin, image[3] + 2 * margin);
    };
    scrollUpHitRect = hitRect(geometry.scrollUpArrowPosition, geometry.scrollUpArrowImage);
    scrollDownHitRect = hitRect(geometry.scrollDownArrowPosition, geometry.scrollDownArrowImage);
    layoutDirty = false;
}

int32_t Screen::clientWidth() const
{
    return geometry.clientRect.length >= 4 ? geometry.clientRect[2] : displayWidth();
}

int32_t Screen::clientHeight() const
{
    return geometry.clientRect.length >= 4 ? geometry.clientRect[3] : displayHeight();
}

int32_t Screen::scrollStep() const
{
    if (geometry.scrollStep > 0)
        return geometry.scrollStep;
    // No step in the layout: one line of body text.
    Display* display = currentDisplay();
    SharedPointer<Font> font = display ? display->getFont(FONT_BODY) : SharedPointer<Font>();
    return font.raw() ? font->getHeight() : 16;
}

void Screen::scrollUp()
{
    Item* focused = getFocusedItem().raw();
    if (focused && focus > 0 && focused->getY() >= scrollY) {
        for (int32_t i = focus - 1; i >= 0; --i) {
            if (!items[i].raw() || !items[i]->isFocusable())
                continue;
            if (items[i]->getY() >= scrollY) {
                focus = i;
                repaint();
                return;
            }
            break;
        }
    }
    scrollY -= scrollStep();
    if (scrollY < geometry.scrollMargin)
        scrollY = 0;
    const int32_t from = focus >= 0 ? focus : items.size();
    for (int32_t i = from - 1; i >= 0; --i) {
        if (!items[i].raw() || !items[i]->isFocusable())
            continue;
        if (items[i]->getY() + items[i]->getHeight() > scrollY)
            focus = i;
        break;
    }
    repaint();
}

void Screen::scrollDown()
{
    const int32_t view = clientHeight();
    Item* focused = getFocusedItem().raw();
    if (focused && focused->getY() + focused->getHeight() <= view + scrollY) {
        for (int32_t i = focus + 1; i < items.size(); ++i) {
            if (!items[i].raw() || !items[i]->isFocusable())
                continue;
            if (items[i]->getY() + items[i]->getHeight() <= view + scrollY) {
                focus = i;
                repaint();
                return;
            }
            break;
        }
    }
    if (contentHeight - scrollY > view) {
        scrollY += scrollStep();
        if (scrollY > contentHeight - view - geometry.scrollMargin)
            scrollY = contentHeight - view;
    }
    for (int32_t i = focus + 1; i < items.size(); ++i) {
        if (!items[i].raw() || !items[i]->isFocusable())
            continue;
        if (items[i]->getY() < view + scrollY)
            focus = i;
        break;
    }
    repaint();
}

// ---- lifecycle

void Screen::onShow()
{
    if (layoutDirty)
        layout();
    for (int32_t i = 0; i < items.size(); ++i)
        if (items[i].raw())
            items[i]->onShow();
}

void Screen::onHide()
{
    for (int32_t i = 0; i < items.size(); ++i)
        if (items[i].raw())
            items[i]->onHide();
}

void Screen::onResume()
{
    for (int32_t i = 0; i < items.size(); ++i)
        if (items[i].raw())
            items[i]->onResume();
}

void Screen::onPause()
{
    for (int32_t i = 0; i < items.size(); ++i)
        if (items[i].raw())
            items[i]->onPause();
}

bool Screen::wantsTextInput() const
{
    for (int32_t i = 0; i < items.size(); ++i)
        if (items[i].raw() && items[i]->wantsTextInput())
            return true;
    return false;
}

// ---- title, commands, items

void Screen::setTitle(const String& text)
{
    title = text;
    repaint();
}

void Screen::addCommand(const SharedPointer<Command>& command)
{
    if (!command.raw())
        return;
    if (command->goesRight())
        rightCommand = command;
    else
        leftCommand = command;
}

void Screen::removeCommand(const Command* command)
{
    if (!command)
        return;
    if (leftCommand.raw() == command)
        leftCommand = SharedPointer<Command>();
    if (rightCommand.raw() == command)
        rightCommand = SharedPointer<Command>();
}

void Screen::adopt(const SharedPointer<Item>& item, int32_t index)
{
    if (item.raw()) {
        item->setOwner(this);
        if (focus == -1 && item->isFocusable())
            focus = index;
    }
    invalidateLayout();
}

int32_t Screen::appendItem(const SharedPointer<Item>& item)
{
    items.add(item);
    const int32_t index = items.size() - 1;
    adopt(item, index);
    return index;
}

void Screen::insertItem(int32_t index, const SharedPointer<Item>& item)
{
    if (index < 0 || index > items.size())
        return;
    items.add(SharedPointer<Item>());
    for (int32_t i = items.size() - 1; i > index; --i)
        items[i] = items[i - 1];
    items[index] = item;
    // The focused item keeps the focus when it moves down.
    if (focus >= index)
        ++focus;
    adopt(item, index);
}

void Screen::setItem(int32_t index, const SharedPointer<Item>& item)
{
    if (index < 0 || index >= items.size())
        return;
    if (items[index].raw() && items[index]->getOwner() == this)
        items[index]->setOwner(nullptr);
    items[index] = item;
    adopt(item, index);
}

void Screen::removeItem(int32_t index)
{
    if (index < 0 || index >= items.size())
        return;
    if (items[index].raw() && items[index]->getOwner() == this)
        items[index]->setOwner(nullptr);
    items.erase(index);
    // Keep the focus on the same item; a removed focused item leaves no focus.
    if (focus == index)
        focus = -1;
    else if (focus > index)
        --focus;
    invalidateLayout();
}

SharedPointer<Item> Screen::itemAt(int32_t index) const
{
    if (index < 0 || index >= items.size())
        return SharedPointer<Item>();
    return items[index];
}

SharedPointer<Item> Screen::getFocusedItem() const { return itemAt(focus); }

void Screen::invalidateLayout()
{
    layoutDirty = true;
    repaint();
}

void Screen::repaint() const
{
    if (Display* display = currentDisplay())
        display->requestRepaint(this);
}

bool Screen::inRect(const IntArray& r, int32_t px, int32_t py)
{
    return r.length >= 4 && px >= r[0] && px < r[0] + r[2] && py >= r[1] && py < r[1] + r[3];
}
