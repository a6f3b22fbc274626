#include "screens/SplashScreen.h"

#include "ui/Events.h"
#include "ui/ScreenController.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/runtime/Clock.h"

SplashScreen::SplashScreen(int32_t variant)
    : Screen(SCREEN_KIND_SPLASH, variant)
{
    startTime = currentTimeMillis();
}

SplashScreen::~SplashScreen() = default;

int32_t SplashScreen::duration() const
{
    return displayTables().scalars.splashDuration[variant == VARIANT_LOGOS ? 0 : 2];
}

// One frame of the logo fade: raise the first logo below full brightness, one
// step a tick, until all three are full; then lower them together, stopping each
// walk at the first logo that lands on 2, until all are dark again. That is one
// cycle.
void SplashScreen::animate()
{
    if (raising) {
        for (uint8_t& state : logoStates) {
            if (state < 3) {
                ++state;
                return;
            }
        }
        raising = false;
        return;
    }
    bool changed = false;
    for (uint8_t& state : logoStates) {
        if (state == 0)
            continue;
        --state;
        changed = true;
        if (state == 2)
            break;
    }
    if (!changed) {
        raising = true;
        cycleCount = 1;
    }
}

bool SplashScreen::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    if (listener && isPress(type))
        listener->skipSplashes();
    const bool skipped = listener && listener->splashesSkipped();
    const bool due = skipped || currentTimeMillis() >= startTime + duration();
    if (variant == VARIANT_TITLE) {
        if (due && listener) {
            listener->showScreen(NEXT_AFTER_TITLE, /*push=*/false);
            return true;
        }
        return Screen::handleEvent(type, p1, p2);
    }
    if (skipped) {
        listener->showScreen(NEXT_AFTER_LOGOS, /*push=*/false);
        return true;
    }
    if (type != EVENT_TICK)
        return Screen::handleEvent(type, p1, p2);
    if (cycleCount == 0) {
        animate();
        repaint();
    } else if (due && listener) {
        listener->showScreen(NEXT_AFTER_LOGOS, /*push=*/false);
    }
    return true;
}

bool SplashScreen::isPress(int32_t type)
{
    // Releases do not count: the release of the key that left the previous screen
    // must not skip the next one on its own.
    return type == EVENT_KEY || type == EVENT_KEYPAD || type == EVENT_POINTER_PRESSED;
}

void SplashScreen::paintContent(Base2DGraphics& g)
{
    Display* display = currentDisplay();
    const IntArray& logos = geometry.extra[EXTRA_LOGOS]; // {x, y, w, h, slot} of the first logo
    if (variant != VARIANT_LOGOS || !display || logos.length < 5)
        return;
    SharedPointer<Base2DImage> strip = display->getImage(logos[4]);
    const int32_t w = logos[2];
    // The strip holds three frames of the three logos: frame f of logo j at (3f + j) w.
    for (int32_t k = 0; k < 3; ++k) {
        const int32_t s = logoStates[k];
        if (s == 0)
            continue;
        const int32_t j = 2 - k;
        g.drawRegion(strip, logos[0] + j * w, logos[1], TOP | LEFT, (s - 1) * 3 * w + j * w, 0, w, logos[3]);
    }
}
