#include "core/resources/SoundClip.h"

#include "core/resources/ResourcePack.h"
#include "core/resources/ResourceStream.h"
#include "host/headless/HeadlessSoundOutput.h"

#include <gtest/gtest.h>

namespace {

class SoundClipTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openResourcePack(KM_READER_PACK));
        SoundOutput::install(&output);
    }
    void TearDown() override
    {
        SoundOutput::install(nullptr);
        closeResourcePack();
    }
    ResourceStream stream;
    HeadlessSoundOutput output;
};

} // namespace

TEST_F(SoundClipTest, MissingEntryNeverPlaysAndAMissingBackendIsNoFault)
{
    SoundClip clip(&stream, 5999);
    EXPECT_FALSE(clip.play());
    EXPECT_FALSE(clip.play());
    EXPECT_FALSE(clip.isLoaded());
    EXPECT_TRUE(output.requests().empty());
    SoundClip noStream(nullptr, 5003);
    EXPECT_FALSE(noStream.play());
    // Without a sound backend the clip still plays as far as the game can tell.
    SoundOutput::install(nullptr);
    SoundClip silent(&stream, 5003);
    EXPECT_TRUE(silent.play());
    SoundClip::stopAllSounds();
}

TEST_F(SoundClipTest, PlaysTheWholeEntryFromMemoryOnceOrLooping)
{
    SoundClip clip(&stream, 5003);
    EXPECT_EQ(clip.getLoopCount(), 1);
    ASSERT_TRUE(clip.play());
    EXPECT_FALSE(stream.isOpen());
    const ResourcePack::Entry* entry = currentResourcePack()->rawData(5003);
    ASSERT_EQ(output.requests().size(), 1u);
    EXPECT_EQ(output.requests()[0].flags, 5u);
    EXPECT_EQ(output.requests()[0].wave, std::vector<uint8_t>(entry->data, entry->data + entry->size));
    EXPECT_FALSE(output.looping());

    clip.setLoopCount(-1);
    ASSERT_TRUE(clip.play());
    EXPECT_EQ(output.requests()[1].flags, 13u);
    EXPECT_TRUE(output.looping());

    SoundClip::stopAllSounds();
    ASSERT_EQ(output.requests().size(), 3u);
    EXPECT_TRUE(output.requests()[2].wave.empty());
    EXPECT_EQ(output.requests()[2].flags, 0u);
    EXPECT_FALSE(output.looping());
}

TEST_F(SoundClipTest, KeepsItsCopyAfterThePackCloses)
{
    SoundClip clip(&stream, 65535); // 70001 bytes
    clip.load();
    ASSERT_TRUE(clip.isLoaded());
    EXPECT_EQ(clip.getWaveSize(), 70001);
    closeResourcePack();
    EXPECT_TRUE(clip.play());
    EXPECT_EQ(output.requests().back().wave.size(), 70001u);
}
