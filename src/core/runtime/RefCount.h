#pragma once

#include <cstdint>

// The count block shared by every holder of one payload. Both counts always move
// together; useCount alone is read by StringBuffer's exclusive-ownership test.
class RefCount {
public:
    RefCount() = default;
    virtual ~RefCount() = default;

    // Frees the block itself once the last holder of the block let go.
    virtual void destroy();

    // Returns the new useCount.
    int32_t addRef();

    // Returns the new useCount, or 0 when the block destroyed itself. The caller
    // frees the payload when the result is below 1.
    int32_t release();

    int32_t useCount = 1;
    int32_t blockCount = 1;
};
