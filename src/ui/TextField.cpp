#include "ui/TextField.h"

#include "ui/Events.h"
#include "ui/Screen.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/GlyphMetrics.h"
#include "core/runtime/Clock.h"

#include <cstring>

namespace {

constexpr int32_t CURSOR_COLOUR = 0x1A1A1A;

} // namespace

TextField::TextField(const String& label, const String& initial, int32_t maxLength, uint32_t constraints,
                     const MultiTapKeys& keys)
    : Item(ITEM_KIND_TEXT_FIELD, 0, label, /*focusable=*/true)
    , maxLength(maxLength)
    , constraints(constraints)
    , keyGroups(keys.cycleStrings)
    , groupKeys(keys.keyList)
    , keyboardType(keys.keyboardType)
{
    setText(initial);
}

TextField::~TextField() = default;

bool TextField::isDrawable(char16_t c)
{
    return c == u' ' || (c < 128 && c != 0 && std::strchr(FONT_CHARSET, char(c)) != nullptr);
}

bool TextField::takes(char16_t c) const
{
    if (isNumeric())
        return c >= u'0' && c <= u'9';
    return isDrawable(c);
}

void TextField::setText(const String& value)
{
    text = StringBuffer();
    for (int32_t i = 0; i < value.length() && !isFull(); ++i)
        if (takes(value.charAt(i)))
            text.append(value.charAt(i));
    cancelPending();
    cursor = text.length();
    repaint();
}

void TextField::cancelPending()
{
    pendingGroup = -1;
    pendingIndex = 0;
    lastPressTime = 0;
}

bool TextField::pendingExpired() const
{
    return pendingGroup >= 0 && currentTimeMillis() - lastPressTime >= MULTI_TAP_TIMEOUT_MS;
}

void TextField::commit(bool toEnd)
{
    if (pendingGroup >= 0 && !toEnd && cursor < text.length())
        ++cursor;
    cancelPending();
    if (toEnd)
        cursor = text.length();
}

void TextField::insertChar(char16_t c)
{
    commit(/*toEnd=*/false);
    if (isFull() || !takes(c))
        return;
    text.insert(cursor, c);
    ++cursor;
    repaint();
}

int32_t TextField::groupFor(char16_t key) const
{
    if (pendingGroup >= 0 && keyGroups[pendingGroup].indexOf(key) >= 0)
        return pendingGroup;
    const int32_t index = groupKeys.indexOf(key);
    return index < keyGroups.length ? index : -1;
}

void TextField::multiTap(int32_t group)
{
    const String& letters = keyGroups[group];
    if (letters.length() == 0)
        return;
    if (group == pendingGroup) {
        pendingIndex = (pendingIndex + 1) % letters.length();
        // The letter shown so far gives way to the next one.
        text.deleteCharAt(cursor);
    } else {
        commit(/*toEnd=*/false);
        if (isFull() || (isNumeric() && group > 9))
            return;
        pendingIndex = 0;
        pendingGroup = group;
    }
    const char16_t c = isNumeric() ? char16_t(u'0' + group) : letters.charAt(pendingIndex);
    if (!takes(c)) {
        cancelPending();
        return;
    }
    text.insert(cursor, c);
    if (isNumeric())
        commit(/*toEnd=*/false);
    else
        lastPressTime = currentTimeMillis();
    repaint();
}

bool TextField::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    const char16_t c = char16_t(p2);
    if (type == EVENT_KEYPAD && c >= u'0' && c <= u'9') {
        if (!isNumeric())
            return false;
        insertChar(c);
        return true;
    }
    if (type == EVENT_TICK) {
        if (!pendingExpired())
            return false;
        commit(/*toEnd=*/false);
        repaint();
        return true;
    }
    if (type != EVENT_KEY)
        return false;
    switch (p1) {
    case KEY_CHAR: {
        if (isNumeric())
            return false;
        // The tick that commits a letter may come up to a frame late: a press after
        // the timeout starts a new letter all the same.
        if (pendingExpired())
            commit(/*toEnd=*/false);
        const int32_t group = keyboardType == MultiTapKeys::KEYBOARD_SMARTPHONE_KEYPAD ? groupFor(c) : -1;
        if (group < 0)
            insertChar(c);
        else
            multiTap(group);
        return true;
    }
    case KEY_CLEAR:
    case KEY_BACK: {
        const int32_t at = pendingGroup >= 0 ? cursor : cursor - 1;
        if (at >= 0 && at < text.length()) {
            text.deleteCharAt(at);
            cancelPending();
            cursor = at;
            repaint();
            return true;
        }
        return text.length() > 0 || consumeBackWhenEmpty;
    }
    case KEY_DELETE:
        // A pending letter is kept: it stands before the cursor once committed.
        commit(/*toEnd=*/false);
        if (cursor < text.length()) {
            text.deleteCharAt(cursor);
            repaint();
        }
        return text.length() > 0;
    case KEY_LEFT:
        if (cursor <= 0)
            return false;
        commit(/*toEnd=*/false);
        --cursor;
        repaint();
        return true;
    case KEY_RIGHT:
        if (pendingGroup >= 0) {
            commit(/*toEnd=*/false);
        } else if (cursor < text.length()) {
            ++cursor;
        } else if (!isNumeric() && !isFull()) {
            text.append(u' ');
            cursor = text.length();
        } else {
            return false;
        }
        repaint();
        return true;
    default:
        return false;
    }
}

bool TextField::wantsTextInput() const
{
    return owner && owner->takesTypedText();
}

void TextField::paint(Base2DGraphics& g, bool focused)
{
    Display* display = currentDisplay();
    if (!display)
        return;
    if (layout.image >= 0)
        g.drawImage(display->getImage(layout.image), 0, 0, TOP | LEFT);
    SharedPointer<Font> font = display->getFont(focused ? layout.focusedFont : layout.font);
    if (!font.raw())
        return;
    const String shown = text.toString();
    const int32_t inset = height / 4;
    const int32_t room = width - 2 * inset;
    // A text longer than the box slides left so the cursor stays in view.
    const int32_t toCursor = font->stringWidth(shown, 0, cursor);
    const int32_t shift = toCursor > room ? toCursor - room : 0;
    const int32_t top = (height - font->getCellHeight()) / 2;
    const int32_t clipX = g.getClipX(), clipY = g.getClipY(), clipW = g.getClipWidth(), clipH = g.getClipHeight();
    g.clipRect(inset, 0, room + 1, height);
    font->drawString(g, shown, 0, shown.length(), inset - shift, top, TOP | LEFT);
    if (focused) {
        g.setColor(CURSOR_COLOUR);
        const int32_t x = inset - shift + toCursor;
        if (pendingGroup >= 0 && cursor < shown.length()) {
            // The pending letter is underlined instead of a cursor after it.
            const int32_t w = font->charWidth(shown.charAt(cursor));
            g.drawLine(x, top + font->getCellHeight(), x + w - 1, top + font->getCellHeight());
        } else {
            g.drawLine(x, top, x, top + font->getCellHeight() - 1);
        }
    }
    g.setClip(clipX, clipY, clipW, clipH);
}
