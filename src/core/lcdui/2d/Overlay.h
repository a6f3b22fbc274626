#pragma once

#include "core/runtime/Object.h"

class Base2DGraphics;

// What the Display shows over the current screen while a modal alert is up. The
// paint path draws it after the screen; a change of display size makes it lay
// itself out again.
class Overlay : public Object {
public:
    ~Overlay() override = default;

    virtual void paint(Base2DGraphics& g) = 0;

    // The display size changed: the geometry is emptied and the scroll position
    // set to 0, so the next paint lays the overlay out for the new size.
    virtual void invalidateLayout() = 0;
};
