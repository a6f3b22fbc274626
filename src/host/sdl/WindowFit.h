#pragma once

#include "host/FrameSizes.h"

#include <cstdint>

// How big the game's window is on a desktop: the frame size a first start takes,
// and the whole-number scales the frame is shown at in a window and full screen.
// Sizes in, sizes out, so that every desktop can be checked without one.
class WindowFit {
public:
    struct Area {
        int32_t width;
        int32_t height;
    };

    struct Choice {
        FrameSizes::Size frame;
        int32_t scale;
    };

    // A window takes at most this share of the usable desktop in each direction,
    // which leaves room for its title bar and borders and for the desktop around it.
    static constexpr int32_t DESKTOP_PERCENT = 90;
    // Room for the title bar and borders that a phone size must leave to count as
    // fitting a desktop at scale 1 (the rule for portrait and small desktops).
    static constexpr int32_t DECORATION_ROOM = 64;

    // The largest whole scale at which the frame fits within DESKTOP_PERCENT of the
    // usable area; 1 when not even that does.
    static int32_t windowScale(FrameSizes::Size frame, Area usable);

    // The largest whole scale at which the frame fits the whole screen (full
    // screen, the rest black); 1 when the screen is smaller than the frame.
    static int32_t fillScale(FrameSizes::Size frame, Area screen);

    // The frame and scale of a first start, with no size remembered or asked for.
    // screen is the whole display (its shape counts), usable what panels and docks
    // leave of it. A landscape desktop gets the 640-wide size nearest its shape when
    // it fits at scale 1; any other desktop the largest phone size that fits at
    // scale 1 with DECORATION_ROOM around it (the smallest when none does).
    static Choice firstStart(Area screen, Area usable);

private:
    static bool fitsWithin(FrameSizes::Size frame, int32_t scale, Area usable);
};
