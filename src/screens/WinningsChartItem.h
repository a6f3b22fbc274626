#pragma once

#include "ui/Item.h"

#include "core/runtime/Vector.h"

#include <cstdint>

// A line chart of the cumulative winnings after each recorded hand, oldest on the
// left, scaled to fill the box with zero always in range; a zero line across, a
// frame around, and a caption under it. Fewer than two points draw the frame and
// the zero line only. Colours and sizes from its item layout row:
// {x, y, w, h, inset}, colour the line, focused colour the zero line and frame.
class WinningsChartItem : public Item {
public:
    WinningsChartItem(const String& caption, const Vector<int64_t>& points);
    ~WinningsChartItem() override;

    void measure() override;
    void paint(Base2DGraphics& g, bool focused) override;

    // The row of the plot area (0 at its top) a value is drawn on.
    int32_t rowOf(int64_t value) const;
    // The plot area within the item: {x, y, w, h}.
    int32_t plotX() const { return inset; }
    int32_t plotY() const { return inset; }
    int32_t plotWidth() const;
    int32_t plotHeight() const;
    int64_t lowest() const { return low; }
    int64_t highest() const { return high; }

private:
    int32_t captionHeight() const;

    Vector<int64_t> points;
    int64_t low = 0;
    int64_t high = 0;
    int32_t inset = 0;
};
