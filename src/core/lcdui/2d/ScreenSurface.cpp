#include "ScreenSurface.h"

#include "FrameSink.h"

#include "core/runtime/Array.h"

ScreenSurface::~ScreenSurface() { delete[] bitmap; }

bool ScreenSurface::init(const DisplayMetrics& metrics, FrameSink* sink)
{
    const bool base = Base2DGraphics::init(metrics);
    window = sink;
    surfaceWidth = metrics.width;
    surfaceHeight = metrics.height;
    delete[] bitmap;
    bitmap = nullptr;
    bits = nullptr;
    byteCount = 0;
    if (metrics.width < 1 || metrics.height < 1 || metrics.width > MAX_SIDE || metrics.height > MAX_SIDE)
        return false;
    const int64_t bytes = int64_t(metrics.width) * metrics.height * 3;
    bitmap = allocateElements<uint8_t>(bytes);
    if (!bitmap)
        return false;
    bits = bitmap;
    byteCount = int32_t(bytes);
    return base;
}

void ScreenSurface::release()
{
    Base2DGraphics::release();
    delete[] bitmap;
    bitmap = nullptr;
    bits = nullptr;
    byteCount = 0;
    window = nullptr;
    surfaceWidth = 0;
    surfaceHeight = 0;
}

void ScreenSurface::requestRepaint()
{
    if (window)
        window->requestRepaint(surfaceWidth, surfaceHeight);
}

void ScreenSurface::present()
{
    if (!isEnabled() || !bitmap)
        return;
    // Presenting is the repaint itself: the whole window is drawn and counts as
    // valid afterwards, so no further repaint is asked for (that would paint forever).
    if (window)
        window->showFrame(bits, surfaceWidth, surfaceHeight);
}

bool ScreenSurface::lockSurface(SurfaceDescription& surface)
{
    if (!bits)
        return false;
    ++lockCount;
    surface.pixels = bits;
    surface.xStride = 1;
    surface.yStride = surfaceWidth;
    surface.extent = byteCount;
    return true;
}

void ScreenSurface::unlockSurface() { --lockCount; }
