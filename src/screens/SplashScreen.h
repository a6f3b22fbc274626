#pragma once

#include "ui/Screen.h"

#include <cstdint>

// The timed splash screens shown before loading: variant 1 fades three logos in
// and out once and then hands over to screen 3; variant 3 shows the title picture
// and hands over to the loading screen (2) on the first event after its time.
// Durations are the display tables' splash durations, read when checked. A key
// press or a click skips them: this screen and the ones after it move on at once.
class SplashScreen : public Screen {
public:
    static constexpr int32_t VARIANT_LOGOS = 1;
    static constexpr int32_t VARIANT_TITLE = 3;
    static constexpr int32_t NEXT_AFTER_LOGOS = 3; // screen ids
    static constexpr int32_t NEXT_AFTER_TITLE = 2;

    // startTime is stamped now; the controller may stamp it again.
    explicit SplashScreen(int32_t variant);
    ~SplashScreen() override;

    bool handleEvent(int32_t type, int32_t p1, int32_t p2) override;
    void paintContent(Base2DGraphics& g) override;

    int32_t duration() const;
    // Brightness of each logo, 0 (not drawn) to 3.
    int32_t logoState(int32_t k) const { return logoStates[k]; }
    int32_t getCycleCount() const { return cycleCount; }

    // A key press, typed character or pointer press: what skips the start-up screens.
    static bool isPress(int32_t type);

private:
    void animate();

    uint8_t logoStates[3] = {0, 0, 0};
    uint8_t cycleCount = 0;
    bool raising = true;
};
