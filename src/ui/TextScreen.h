#pragma once

#include "ui/Screen.h"

#include <cstdint>

// A screen of text items (and images, choices, gauges) stacked from the content
// origin, each row the item's height plus the layout's row spacing, scrolled by
// the layout's step. The focused item sees every event first.
class TextScreen : public Screen {
public:
    static constexpr int32_t VARIANT_PLAIN = 0;
    static constexpr int32_t VARIANT_OPTIONS = 4;

    explicit TextScreen(const String& title, int32_t variant = VARIANT_PLAIN);
    ~TextScreen() override;

    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    void moveUp() override;
    void moveDown() override;
    void layout() override;

    // Top of row i within the content (before the content origin).
    int32_t rowTop(int32_t index) const;

private:
    // Places the items in rows once their heights are known.
    void stackRows();

    Vector<int32_t> rowTops;
};
