#include "ui/TextItem.h"

#include "ui/Screen.h"
#include "ui/WordWrap.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"

namespace {

IntArray sub(const IntArray& source, int32_t from)
{
    IntArray part(4);
    for (int32_t i = 0; i < 4; ++i)
        part[i] = source.length >= from + 4 ? source[from + i] : 0;
    return part;
}

SharedPointer<Font> fontAt(int32_t index)
{
    Display* display = currentDisplay();
    return display ? display->getFont(index) : SharedPointer<Font>();
}

} // namespace

TextItem::TextItem(const String& label, const String& body, int32_t variant)
    : Item(ITEM_KIND_TEXT, variant, label, /*focusable=*/false)
    , body(body)
{
}

TextItem::~TextItem() = default;

void TextItem::setBody(const String& text)
{
    body = text;
    if (owner)
        owner->invalidateLayout();
}

int32_t TextItem::labelFont() const { return labelBox.length >= 4 ? labelBox[3] & 0xFF : FONT_BODY_HIGHLIGHT; }
int32_t TextItem::bodyFont() const { return bodyBox.length >= 4 ? bodyBox[3] & 0xFF : FONT_BODY; }
int32_t TextItem::layoutBodyX() const { return layout.geometry.length >= 8 ? layout.geometry[4] : 0; }

void TextItem::measure()
{
    // The row is {label x, y, w, font, body x, y, w, font}; the size comes from
    // the wrapped text in layoutContent.
    applyItemLayout(layout, kind, variant);
    labelBox = sub(layout.geometry, 0);
    bodyBox = sub(layout.geometry, 4);
    lineSpacing = displayTables().scalars.lineSpacing;
}

void TextItem::layoutContent()
{
    // Computed again on every layout, not only the first: after a change of
    // display size the old width would wrap for the old screen.
    if (owner)
        wrapWidth = owner->clientWidth() - 2 * layoutBodyX();
    int32_t labelHeight = 0, labelWidth = 0, bodyHeight = 0;
    SharedPointer<Font> font = fontAt(labelFont());
    labelBreaks.clear();
    if (label.length() > 0 && font.raw()) {
        labelHeight = wrap(label, wrapWidth, *font, labelBreaks, 0);
        labelWidth = font->stringWidth(label, 0, labelBreaks[0]);
    }
    // The label sits at (0, 0) and the body to its right; without a label the body
    // starts at x 0 (the screen's content origin gives the margin).
    labelBox[0] = labelBox[1] = 0;
    bodyBox[0] = labelWidth;
    bodyBox[1] = 0;
    font = fontAt(bodyFont());
    bodyBreaks.clear();
    if (body.length() > 0 && font.raw())
        bodyHeight = wrap(body, wrapWidth - labelWidth, *font, bodyBreaks, lineSpacing);
    setSize(wrapWidth, labelHeight + bodyHeight);
}

void TextItem::paint(Base2DGraphics& g, bool)
{
    SharedPointer<Font> font = fontAt(labelFont());
    if (labelBreaks.size() > 0 && font.raw())
        drawWrapped(g, *font, label, labelBreaks, labelBox[0], labelBox[1], 0, LEFT);
    font = fontAt(bodyFont());
    if (bodyBreaks.size() > 0 && font.raw())
        drawWrapped(g, *font, body, bodyBreaks, bodyBox[0], bodyBox[1], lineSpacing, LEFT);
}
