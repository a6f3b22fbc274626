#pragma once

#include <cstdint>
#include <vector>

// Wraps 16-bit signed mono PCM samples in a complete RIFF WAVE file (a "fmt " chunk
// of PCM format 1 and a "data" chunk), the form the game's sound clips take.
class WaveWriter {
public:
    static std::vector<uint8_t> encode(const std::vector<int16_t>& samples, uint32_t sampleRate);
};
