#pragma once

#include "ui/Item.h"

#include "core/runtime/Vector.h"

// One line "label: value"; select or enter (or a tap) moves to the next value,
// wrapping to the first. Focused, it is drawn over the highlight bar.
class ChoiceItem : public Item {
public:
    ChoiceItem(const String& label, int32_t variant = 0);
    ~ChoiceItem() override;

    // Returns the value's index; the first value becomes the selected one.
    int32_t appendValue(const String& text);
    int32_t valueCount() const { return values.size(); }
    int32_t getSelectedIndex() const { return selected; }
    void setSelectedIndex(int32_t index);

    void paint(Base2DGraphics& g, bool focused) override;
    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    bool pointerPressed(int32_t x, int32_t y) override;
    // The selected value's text; empty without values.
    String valueText() const override;

private:
    void next();

    Vector<String> values;
    int32_t selected = -1;
};
