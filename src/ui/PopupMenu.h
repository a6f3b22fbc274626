#pragma once

#include "core/runtime/Object.h"
#include "core/runtime/String.h"
#include "core/runtime/Vector.h"

#include <cstdint>

class Base2DGraphics;

// A short modal list of commands drawn in the frame with the game's fonts, placed
// at a point by the drawing anchors: BOTTOM puts its bottom at y, VCENTER centres
// it on y, neither puts its top there; LEFT puts its left edge at x, HCENTER
// centres it, neither puts its right edge there. It is kept inside the display.
//
// While show runs, the window procedure hands key and pointer events to
// current()->handleEvent instead of the screen, and the paint path calls
// paintCurrent after the overlay.
class PopupMenu : public Object {
public:
    PopupMenu();
    ~PopupMenu() override;

    void addItem(const String& text, int32_t id);
    void addSeparator();

    // Modal: returns the chosen id, or -1 when dismissed (Escape, a press outside,
    // the window closing, or no modal loop to run). Stamps the modal end time.
    int32_t show(int32_t x, int32_t y, int32_t anchor);
    int32_t getSelected() const { return selected; }

    // Up/down move the focus over the items (separators skipped, no wrap);
    // fire/select choose; back dismisses; a press outside dismisses, a press on an
    // item focuses it and its release there chooses it.
    bool handleEvent(int32_t type, int32_t p1, int32_t p2);
    void paint(Base2DGraphics& g);

    // Computes the menu's box {x, y, w, h} for the anchor point (done by show).
    void place(int32_t x, int32_t y, int32_t anchor);
    int32_t getX() const { return boxX; }
    int32_t getY() const { return boxY; }
    int32_t getWidth() const { return boxW; }
    int32_t getHeight() const { return boxH; }

    int32_t itemCount() const { return labels.size(); }
    // Empty for a separator.
    const String& labelAt(int32_t index) const { return labels[index]; }
    int32_t idAt(int32_t index) const { return ids[index]; }
    int32_t getFocus() const { return focus; }
    bool isOpen() const { return open; }

    // The popup being shown, or null.
    static PopupMenu* current();
    // Paints the popup being shown, if any.
    static void paintCurrent(Base2DGraphics& g);

private:
    void close(int32_t id);
    int32_t rowAt(int32_t px, int32_t py) const;
    int32_t rowTop(int32_t index) const;
    int32_t rowHeight(int32_t index) const;
    void moveFocus(int32_t direction);

    Vector<String> labels;
    Vector<int32_t> ids; // -1 for separators
    int32_t selected = -1;
    int32_t focus = -1;
    int32_t pressedRow = -1;
    bool open = false;
    int32_t boxX = 0, boxY = 0, boxW = 0, boxH = 0;
};
