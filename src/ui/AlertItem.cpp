#include "ui/AlertItem.h"

#include "ui/ModalLoop.h"
#include "ui/WordWrap.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "core/lcdui/2d/ScreenSurface.h"

namespace {

constexpr int32_t BOX_COLOUR = 0x144629;   // RGB (20, 70, 41)
constexpr int32_t FRAME_COLOUR = 0xFFC221; // RGB (255, 194, 33)

// Classes with tables have their box and insets in the tables; any other size
// gets a box 10 pixels inside the display.
bool classBox() { return hasDisplayTables(screenClass()) && displayTables().sharedRects[RECT_ALERT_BOX].length >= 4; }
int32_t insetX() { return classBox() ? displayTables().scalars.alertInsetX : 10; }
int32_t insetY() { return classBox() ? displayTables().scalars.alertInsetY : 10; }

} // namespace

AlertItem::AlertItem(const String& text)
    : text(text)
{
}

AlertItem::~AlertItem() = default;

void AlertItem::invalidateLayout()
{
    box = IntArray();
    lineEnds = IntArray();
    scrollY = 0;
}

void AlertItem::layout()
{
    int32_t x = 10, y = 10, w = displayWidth() - 20, h = displayHeight() - 20;
    if (classBox()) {
        const IntArray& r = displayTables().sharedRects[RECT_ALERT_BOX];
        x = r[0];
        y = r[1];
        w = r[2];
        h = r[3];
    }
    Vector<int32_t> ends;
    int32_t textHeight = 0;
    Display* display = currentDisplay();
    SharedPointer<Font> font = display ? display->getFont(FONT_ALERT) : SharedPointer<Font>();
    if (font.raw())
        textHeight = wrap(text, w - 2 * insetX(), *font, ends, displayTables().scalars.lineSpacing);
    if (textHeight + 2 * insetY() < h) {
        h = textHeight + 2 * insetY();
        y = (displayHeight() - h) / 2;
    }
    box = IntArray(4);
    box[0] = x;
    box[1] = y;
    box[2] = w;
    box[3] = h;
    lineEnds = IntArray(ends.size());
    for (int32_t i = 0; i < ends.size(); ++i)
        lineEnds[i] = ends[i];
}

void AlertItem::paint(Base2DGraphics& g)
{
    if (box.length < 4)
        layout();
    const int32_t x = box[0], y = box[1], w = box[2], h = box[3];
    g.setColor(BOX_COLOUR);
    g.fillRect(x, y, w, h);
    g.setColor(FRAME_COLOUR);
    for (int32_t i = 0; i < 3; ++i)
        g.drawRect(x + i, y + i, w - 2 * i, h - 2 * i);
    Display* display = currentDisplay();
    SharedPointer<Font> font = display ? display->getFont(FONT_ALERT) : SharedPointer<Font>();
    if (!font.raw())
        return;
    Vector<int32_t> ends;
    for (int32_t i = 0; i < lineEnds.length; ++i)
        ends.add(lineEnds[i]);
    // Text taller than the box is cut at the box's inner edge.
    const int32_t clipX = g.getClipX(), clipY = g.getClipY(), clipW = g.getClipWidth(), clipH = g.getClipHeight();
    g.clipRect(x + 3, y + 3, w - 6, h - 6);
    drawWrapped(g, *font, text, ends, x + insetX(), y + insetY() - scrollY, displayTables().scalars.lineSpacing, LEFT);
    g.setClip(clipX, clipY, clipW, clipH);
}

AlertItem* shownAlert()
{
    Display* display = currentDisplay();
    if (!display)
        return nullptr;
    // The alert is the only overlay the game shows.
    return static_cast<AlertItem*>(display->getOverlay().raw());
}

void showAlert(const String& text)
{
    Display* display = currentDisplay();
    if (!display)
        return;
    SharedPointer<Overlay> alert(new AlertItem(text));
    display->setOverlay(alert);
    if (display->getSurface())
        display->getSurface()->requestRepaint();
    stampModalEnd();
    ModalLoop* loop = currentModalLoop();
    if (!loop)
        return;
    const Overlay* shown = alert.raw();
    loop->runWhile([display, shown] { return display->getOverlay().raw() == shown; });
    // The loop may also end because the window is closing: the alert goes with it.
    if (display->getOverlay().raw() == shown)
        display->clearOverlay();
    stampModalEnd();
}
