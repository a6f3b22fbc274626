#pragma once

#include "core/runtime/String.h"
#include "ui/Item.h"

#include <cstdint>

// A speech bubble beside a seat (item kind 11): what the star opponent says after
// a hand. The bubble grows with its text, up to the display's width, and points
// up at a seat of the top row or down at one of the bottom row.
class SeatBubble : public Item {
public:
    SeatBubble();

    void setText(const String& text) { said = text; }
    const String& getText() const { return said; }
    void place(int32_t atX, int32_t atY, bool tailUp);
    void paint(Base2DGraphics& g, bool focused) override;

private:
    String said;
    bool up = false;
};
