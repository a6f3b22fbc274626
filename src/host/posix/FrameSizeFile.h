#pragma once

#include "host/FrameSizeStore.h"

#include <cstdint>
#include <string>

// The remembered frame size on disk: DATA_DIR/frame-size holds "WxH" and a line feed.
class FrameSizeFile : public FrameSizeStore {
public:
    static constexpr const char* FILE_NAME = "frame-size";

    explicit FrameSizeFile(const std::string& dataDirectory);

    bool recall(int32_t& width, int32_t& height) const override;
    // Written whole to a new file then renamed, so a crash leaves the old choice.
    void remember(int32_t width, int32_t height) override;

private:
    std::string path;
};
