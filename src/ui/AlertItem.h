#pragma once

#include "core/lcdui/2d/Overlay.h"
#include "core/runtime/Array.h"
#include "core/runtime/String.h"

#include <cstdint>

class Base2DGraphics;

// The modal alert: white text word-wrapped in a framed green box over the current
// screen. The box comes from the display class; a short text shrinks the box to
// its height and centres it vertically.
class AlertItem : public Overlay {
public:
    explicit AlertItem(const String& text);
    ~AlertItem() override;

    void paint(Base2DGraphics& g) override;
    void invalidateLayout() override;

    // Fills the box and the line breaks for the current display size.
    void layout();

    const String& getText() const { return text; }
    // {x, y, w, h}; empty until laid out.
    const IntArray& getBox() const { return box; }
    int32_t lineCount() const { return lineEnds.length; }
    int32_t getScrollY() const { return scrollY; }

private:
    String text;
    IntArray box;      // {x, y, w, h}
    IntArray lineEnds; // end position of each wrapped line
    int32_t scrollY = 0;
};

// Shows text as the Display's overlay and runs the modal loop until the window
// dismisses it (any key, character or pointer press). Stamps the modal end time
// when the loop starts and when it ends. Without a modal loop it returns at once,
// leaving the alert up for the window to dismiss.
void showAlert(const String& text);

// The alert shown now, or null.
AlertItem* shownAlert();
