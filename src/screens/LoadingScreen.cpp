#include "screens/LoadingScreen.h"

#include "screens/SplashScreen.h"

#include "ui/Events.h"
#include "ui/ScreenController.h"

#include "core/lcdui/2d/Anchor.h"
#include "core/lcdui/2d/Base2DGraphics.h"
#include "core/lcdui/2d/Display.h"
#include "core/runtime/Clock.h"

#include <utility>

LoadingScreen::LoadingScreen(std::function<void()> loadingStep)
    : Screen(SCREEN_KIND_SPLASH, VARIANT)
    , step(std::move(loadingStep))
{
    startTime = currentTimeMillis();
}

LoadingScreen::~LoadingScreen() = default;

bool LoadingScreen::handleEvent(int32_t type, int32_t p1, int32_t p2)
{
    if (type != EVENT_TICK) {
        // The steps still all run, one a tick; only the wait after them is cut.
        if (listener && SplashScreen::isPress(type)) {
            listener->skipSplashes();
            return true;
        }
        return Screen::handleEvent(type, p1, p2);
    }
    ++loadingTicks;
    repaint();
    // Last: the step that ends loading switches to another screen, which may
    // release this one.
    if (step)
        step();
    return true;
}

int32_t LoadingScreen::progressWidth(int64_t now, int32_t regionWidth) const
{
    const DisplayScalars& scalars = displayTables().scalars;
    const int32_t steps = scalars.loadingSteps > 0 ? scalars.loadingSteps : 1;
    const int32_t done = loadingTicks < steps ? loadingTicks : steps;
    const int32_t byTicks = regionWidth * done / steps;
    const int32_t duration = scalars.splashDuration[1];
    if (duration <= 500)
        return byTicks;
    // The bar fills 500 ms before the screen's time is up.
    const int64_t elapsed = now - startTime < 0 ? 0 : now - startTime;
    int64_t byTime = elapsed * regionWidth / (duration - 500);
    if (byTime > regionWidth)
        byTime = regionWidth;
    return byTime < byTicks ? int32_t(byTime) : byTicks;
}

void LoadingScreen::paintContent(Base2DGraphics& g)
{
    Display* display = currentDisplay();
    const IntArray& bar = geometry.extra[EXTRA_PROGRESS]; // {x, y, w, h, slot}
    if (!display || bar.length < 5)
        return;
    const int32_t filled = progressWidth(currentTimeMillis(), bar[2]);
    if (filled > 0)
        g.drawRegion(display->getImage(bar[4]), bar[0], bar[1], TOP | LEFT, 0, 0, filled, bar[3]);
}
