#include "WaveWriter.h"

#include <gtest/gtest.h>

namespace {
uint32_t le32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
} // namespace

TEST(WaveWriterTest, WritesACanonicalPcmHeaderAndLittleEndianSamples)
{
    std::vector<uint8_t> wave = WaveWriter::encode({0, 1, -1, 32767, -32768}, 22050);
    ASSERT_EQ(wave.size(), 44u + 10u);
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
    EXPECT_EQ(le32(wave, 4), 36u + 10u);
    EXPECT_EQ(std::string(wave.begin() + 8, wave.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le32(wave, 16), 16u);
    EXPECT_EQ(wave[20] | wave[21] << 8, 1);  // PCM
    EXPECT_EQ(wave[22] | wave[23] << 8, 1);  // mono
    EXPECT_EQ(le32(wave, 24), 22050u);
    EXPECT_EQ(le32(wave, 28), 44100u);       // bytes per second
    EXPECT_EQ(wave[32] | wave[33] << 8, 2);  // block align
    EXPECT_EQ(wave[34] | wave[35] << 8, 16); // bits
    EXPECT_EQ(std::string(wave.begin() + 36, wave.begin() + 40), "data");
    EXPECT_EQ(le32(wave, 40), 10u);
    const uint8_t samples[] = {0, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x80};
    EXPECT_EQ(std::vector<uint8_t>(wave.begin() + 44, wave.end()), std::vector<uint8_t>(samples, samples + 10));
}
