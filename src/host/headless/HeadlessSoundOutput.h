#pragma once

#include "core/resources/SoundOutput.h"

#include <cstdint>
#include <vector>

// A sound backend that plays nothing and records every request, for tests and for
// runs without an audio device.
class HeadlessSoundOutput : public SoundOutput {
public:
    struct Request {
        std::vector<uint8_t> wave; // empty for a stop request
        uint32_t flags;
    };

    bool playSound(const uint8_t* wave, int32_t size, uint32_t flags) override;
    // Kept as set, so a test sees the volume the game asked for; full until then,
    // as a mixer starts.
    void setVolume(uint32_t volume) override { volumeWord = volume; }
    uint32_t volume() const override { return volumeWord; }

    const std::vector<Request>& requests() const { return log; }
    // True while the last request started a sound that loops.
    bool looping() const;
    void clear() { log.clear(); }

private:
    std::vector<Request> log;
    uint32_t volumeWord = 0xFFFFFFFFu;
};
