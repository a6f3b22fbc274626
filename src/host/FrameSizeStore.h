#pragma once

#include <cstdint>

// Where the frame size the player picks in the window (Ctrl+1 .. Ctrl+6) is
// remembered for the next start.
class FrameSizeStore {
public:
    virtual ~FrameSizeStore() = default;

    // The size remembered last; false when none is, or it is not one of FrameSizes::ALL.
    virtual bool recall(int32_t& width, int32_t& height) const = 0;
    // A choice that cannot be written is lost; the old one stays.
    virtual void remember(int32_t width, int32_t height) = 0;
};
