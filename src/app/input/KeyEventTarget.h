#pragma once

#include <cstdint>

// What the key mapper needs from the window procedure: the input guard, the modal
// overlay and a way to hand events to the current screen. The mapper decides the
// order of these calls; the window only answers them.
class KeyEventTarget {
public:
    virtual ~KeyEventTarget() = default;

    // True when more than 200 ms have passed since the last modal alert or popup
    // menu closed, so the key that closed it does not also act on the screen below.
    virtual bool passesInputGuard() = 0;

    virtual bool isOverlayShown() = 0;
    // Releases the shown overlay and repaints; this ends the alert's modal loop.
    virtual void dismissOverlay() = 0;

    // Hands (type, p1, p2) to the current screen's handleEvent; true when the screen
    // consumed it. Without a current screen nothing consumes it.
    virtual bool sendEvent(int32_t type, int32_t p1, int32_t p2) = 0;
};
