#include "SoundSynth.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

TEST(SoundSynthTest, EveryClipIsAudibleShortUnclippedAndTheSameEveryRun)
{
    std::set<int> ids;
    for (const SoundSynth::Clip& clip : SoundSynth::allClips()) {
        ids.insert(clip.id);
        double seconds = double(clip.samples.size()) / SoundSynth::SAMPLE_RATE;
        EXPECT_GT(seconds, 0.03) << clip.id;
        EXPECT_LT(seconds, clip.id == 5007 ? 8.0 : 1.0) << clip.id;
        int peak = 0;
        for (int16_t s : clip.samples)
            peak = std::max(peak, std::abs(int(s)));
        // Normalised to 70 % of full scale: loud enough, far from clipping.
        EXPECT_GT(peak, 20000) << clip.id;
        EXPECT_LT(peak, 24000) << clip.id;
        // Starts and ends near silence, so there is no click.
        EXPECT_LT(std::abs(int(clip.samples.back())), 2000) << clip.id;
    }
    EXPECT_EQ(ids, (std::set<int>{5002, 5003, 5004, 5005, 5006, 5007, 5008}));
    // The same clips every run: an unchanged pack is not rebuilt.
    EXPECT_EQ(SoundSynth::chips(), SoundSynth::chips());
    EXPECT_EQ(SoundSynth::fold(), SoundSynth::fold());
}
