#pragma once

#include "core/lcdui/2d/DisplayTables.h"
#include "core/runtime/Array.h"
#include "core/runtime/Object.h"
#include "core/runtime/String.h"

#include <cstdint>

class Base2DGraphics;
class Screen;

// Base of everything a screen lists: texts, images, choices, gauges, text fields
// and the table's widgets. The owning screen places it (x, y inside its content)
// and lays it out; the item measures itself from the item layout row of its kind
// and variant, read into its own copy.
class Item : public Object {
public:
    Item(int32_t kind, int32_t variant, const String& label, bool focusable);
    ~Item() override;

    // (x, y) of the graphics is the item's top-left corner.
    virtual void paint(Base2DGraphics& g, bool focused);
    virtual bool handleEvent(int32_t type, int32_t p1, int32_t p2);
    virtual void layoutContent();
    // Default: copies the item layout row and takes its width and height.
    virtual void measure();
    virtual void adjust();
    virtual void onShow();
    virtual void onHide();
    virtual void onResume();
    virtual void onPause();
    virtual bool wantsTextInput() const;
    // x, y relative to the item's top-left corner.
    virtual bool pointerPressed(int32_t x, int32_t y);
    // The value the item shows: a choice's value text, a gauge's number, a field's
    // text; empty for items without one.
    virtual String valueText() const;

    int32_t getKind() const { return kind; }
    int32_t getVariant() const { return variant; }
    const String& getLabel() const { return label; }
    void setLabel(const String& text);
    bool isFocusable() const { return focusable; }
    // The item's copy of its layout row (font, colours, artwork slot, geometry).
    const ItemLayout& getLayout() const { return layout; }
    const IntArray& getGeometry() const { return layout.geometry; }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    int32_t getX() const { return x; }
    int32_t getY() const { return y; }
    void setPosition(int32_t newX, int32_t newY);
    Screen* getOwner() const { return owner; }
    void setOwner(Screen* screen) { owner = screen; }

protected:
    void setSize(int32_t newWidth, int32_t newHeight);
    // Asks the display to repaint the owner (only the current screen is repainted).
    void repaint() const;

    uint8_t kind;
    uint8_t variant;
    String label;
    ItemLayout layout;
    int32_t width = 0;
    int32_t height = 0;
    Screen* owner = nullptr; // not owned
    int32_t x = 0;
    int32_t y = 0;
    bool focusable;
};
