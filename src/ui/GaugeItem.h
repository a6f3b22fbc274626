#pragma once

#include "ui/Item.h"

// A value from 0 to a maximum shown as a bar: left lowers it by the step (not
// below 0), right raises it (not above the maximum), select or enter raises it by
// the step and wraps to 0 from the maximum. A tap on the bar sets the value there,
// rounded to the step. A gauge that is not interactive ignores all of it.
class GaugeItem : public Item {
public:
    GaugeItem(const String& label, bool interactive, int32_t maxValue, int32_t value);
    ~GaugeItem() override;

    int32_t getValue() const { return value; }
    void setValue(int32_t newValue);
    int32_t getMaxValue() const { return maxValue; }
    int32_t getStep() const { return step; }
    void setStep(int32_t newStep) { step = newStep > 0 ? newStep : 1; }
    bool isInteractive() const { return interactive; }

    void paint(Base2DGraphics& g, bool focused) override;
    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    bool pointerPressed(int32_t x, int32_t y) override;
    // The value as a decimal number.
    String valueText() const override;

private:
    // The layout row is {x, y, w, h, bar w, bar h}: a menu row with the label and
    // value, the bar under it.
    int32_t labelRowHeight() const;
    int32_t barX() const;
    int32_t barWidth() const;
    int32_t barHeight() const;

    bool interactive;
    int32_t maxValue;
    int32_t value;
    int32_t step = 1;
};
