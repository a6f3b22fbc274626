#include "WaveWriter.h"

namespace {

void put16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

} // namespace

std::vector<uint8_t> WaveWriter::encode(const std::vector<int16_t>& samples, uint32_t sampleRate)
{
    const uint32_t channels = 1, bitsPerSample = 16;
    const uint32_t blockAlign = channels * bitsPerSample / 8;
    const uint32_t dataBytes = uint32_t(samples.size()) * blockAlign;
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes); // "WAVE" + fmt chunk (8 + 16) + data header (8)
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, sampleRate);
    put32(out, sampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, bitsPerSample);
    putTag(out, "data");
    put32(out, dataBytes);
    for (int16_t sample : samples)
        put16(out, uint16_t(sample));
    return out;
}
