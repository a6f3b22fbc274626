#pragma once

#include "ui/Screen.h"

#include <cstdint>
#include <functional>

// The loading screen (screen 2): every tick runs one loading step of the
// start-up, and a progress bar grows with both the time shown and the steps
// done, whichever is behind.
class LoadingScreen : public Screen {
public:
    static constexpr int32_t VARIANT = 2;

    // step runs on every tick; the one that ends loading may switch screens and
    // drop this one. startTime is stamped now; the controller may stamp it again.
    explicit LoadingScreen(std::function<void()> step);
    ~LoadingScreen() override;

    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    void paintContent(Base2DGraphics& g) override;

    int32_t getLoadingTicks() const { return loadingTicks; }
    // Filled width of the bar at time now, of a bar regionWidth wide.
    int32_t progressWidth(int64_t now, int32_t regionWidth) const;

private:
    std::function<void()> step;
    int32_t loadingTicks = 0;
};
