#include "ClassGeometry.h"

namespace {

// Classes 1..5 share the small icons (arrows, chips, markers, suits: image ids
// 1007..1010), so arrowSize, chipSize and markerSize are equal on those classes.
// Class 6 has its own, twice as large. Class 7 is landscape: its height is the
// tallest it is laid out for (full-screen pictures are drawn that tall and cropped);
// the layout rows take the actual height (landscapeGeometry).
const ClassGeometry geometries[7] = {
    // class  w    h   L   M   S  soft title row  card    small  avat seat     chip btn      key     logo arr mark
    {1, 176, 220, 13, 11, 9, 18, 20, 17, 20, 28, 14, 20, 22, 54, 34, 12, 52, 18, 26, 18, 48, 9, 12},
    {2, 240, 240, 15, 12, 10, 20, 22, 20, 24, 34, 16, 23, 24, 66, 36, 12, 72, 20, 34, 20, 64, 9, 12},
    {3, 240, 320, 16, 13, 11, 24, 26, 22, 28, 40, 18, 26, 28, 68, 42, 12, 72, 24, 36, 24, 64, 9, 12},
    {4, 320, 240, 15, 12, 10, 20, 22, 20, 26, 36, 16, 23, 24, 80, 36, 12, 84, 20, 38, 20, 64, 9, 12},
    {5, 320, 320, 17, 14, 11, 24, 28, 24, 30, 42, 20, 28, 30, 86, 46, 12, 96, 24, 44, 26, 64, 9, 12},
    {6, 480, 640, 26, 20, 16, 40, 48, 40, 52, 74, 36, 50, 52, 130, 76, 24, 140, 40, 72, 44, 128, 18, 24},
    {7, 640, 480, 22, 15, 12, 24, 34, 26, 36, 50, 22, 30, 32, 124, 44, 14, 78, 26, 30, 24, 96, 12, 16},
};

} // namespace

const ClassGeometry& classGeometry(int32_t screenClass)
{
    if (screenClass < 1 || screenClass > 7)
        return geometries[2];
    return geometries[screenClass - 1];
}

ClassGeometry landscapeGeometry(int32_t height)
{
    ClassGeometry g = geometries[SCREEN_CLASS_LANDSCAPE - 1];
    g.height = height < LANDSCAPE_MIN_HEIGHT ? LANDSCAPE_MIN_HEIGHT
             : height > LANDSCAPE_MAX_HEIGHT ? LANDSCAPE_MAX_HEIGHT
                                             : height;
    return g;
}
