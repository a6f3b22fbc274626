#include "host/headless/HeadlessFrameSink.h"

#include "host/headless/TrueColourPng.h"

void HeadlessFrameSink::requestRepaint(int32_t, int32_t) { ++repaints; }

void HeadlessFrameSink::showFrame(const uint8_t* frame, int32_t width, int32_t height)
{
    pixels.assign(frame, frame + size_t(width) * height * 3);
    frameWidth = width;
    frameHeight = height;
    ++presents;
}

bool HeadlessFrameSink::writePng(const std::string& path) const
{
    if (presents == 0)
        return false;
    return TrueColourPng::writeBgr(path, pixels.data(), frameWidth, frameHeight);
}
