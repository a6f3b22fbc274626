#include "app/DeviceServices.h"

#include "core/io/Settings.h"
#include "core/lcdui/2d/Display.h"
#include "core/resources/MemoryResourceStream.h"
#include "core/resources/SoundIds.h"
#include "core/resources/SoundOutput.h"
#include "host/HostWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingOutput : public SoundOutput {
public:
    struct Request {
        bool stop;
        uint32_t flags;
    };
    std::vector<Request> requests;
    uint32_t volumeWord = 0xFFFFFFFFu;

    bool playSound(const uint8_t* wave, int32_t, uint32_t flags) override
    {
        requests.push_back(Request { wave == nullptr, flags });
        return true;
    }
    void setVolume(uint32_t word) override { volumeWord = word; }
    uint32_t volume() const override { return volumeWord; }
};

class VibratingWindow : public HostWindow {
public:
    std::vector<int32_t> vibrations;

    void vibrate(int32_t duration) override { vibrations.push_back(duration); }
    void requestRepaint(int32_t, int32_t) override { }
    void showFrame(const uint8_t*, int32_t, int32_t) override { }
    bool waitEvent(int64_t, HostEvent&) override { return false; }
    int32_t frameWidth() const override { return 240; }
    int32_t frameHeight() const override { return 320; }
    void setFrameSize(int32_t, int32_t) override { }
    void setTextInput(bool) override { }
    void raise() override { }
};

// Every sound entry is the same few bytes, except one that is missing from the pack.
class SoundPack : public MemoryResourceStream {
public:
    static constexpr int32_t MISSING = 5008; // sound 2
    SoundPack()
        : MemoryResourceStream(wave, sizeof wave)
    {
    }
    bool open(int32_t id) override
    {
        ++opens;
        return id != MISSING && MemoryResourceStream::open(id);
    }
    int32_t opens = 0;

private:
    uint8_t wave[12] = { 'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E' };
};

class DeviceServicesTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved = processSettings();
        SoundOutput::install(&output);
        setCurrentDisplay(&display);
    }
    void TearDown() override
    {
        setCurrentDisplay(nullptr);
        SoundOutput::install(nullptr);
        processSettings() = saved;
    }

    Settings saved;
    RecordingOutput output;
    VibratingWindow window;
    SoundPack pack;
    Display display { nullptr, nullptr, &pack };
};

} // namespace

TEST_F(DeviceServicesTest, VolumeOnTheGameMixerVibrationByTheSetting)
{
    EXPECT_EQ(DeviceServices::volumeWord(70), 0xB332B332u); // 70 x 65535 / 100 = 45874 a channel
    EXPECT_EQ(DeviceServices::volumeWord(100), 0xFFFFFFFFu);
    EXPECT_EQ(DeviceServices::volumeWord(0), 0u);
    Settings& settings = processSettings();
    {
        DeviceServices services("", 1, &output, &window);
        settings.volume = 70;
        services.applyVolume();
        EXPECT_EQ(output.volume(), 0xB332B332u);
        EXPECT_TRUE(services.isVibrationAvailable());
        settings.vibrationOn = false;
        services.vibrate(500);
        EXPECT_TRUE(window.vibrations.empty());
        settings.vibrationOn = true;
        services.vibrate(500);
        services.vibrate(200);
        EXPECT_EQ(window.vibrations, (std::vector<int32_t> { 500, 200 }));
    }
    // Destruction switches the vibrator off.
    EXPECT_EQ(window.vibrations.back(), 0);

    // No mixer, no window: nothing to set or shake, nothing to crash.
    DeviceServices bare("", 1, nullptr, nullptr);
    bare.applyVolume();
    EXPECT_FALSE(bare.isVibrationAvailable());
    bare.vibrate(500);
}

TEST_F(DeviceServicesTest, SoundsFollowThePermissionRuleAndStayCached)
{
    DeviceServices services("", 1, &output, &window);
    Settings& settings = processSettings();
    settings.soundOn = true;
    settings.musicOn = false;

    services.playSound(0, -1); // title music needs music on
    EXPECT_TRUE(output.requests.empty());
    for (int32_t id = 1; id < SOUND_COUNT; ++id)
        services.playSound(id, 1);
    // Sound 2's entry is missing: it plays nothing and does not stop the one before.
    ASSERT_EQ(output.requests.size(), 5u);
    for (const RecordingOutput::Request& r : output.requests) {
        EXPECT_FALSE(r.stop);
        EXPECT_EQ(r.flags, 5u);
    }
    const int32_t opens = pack.opens;
    services.playSound(1, 1); // cached: played again without reading the pack
    EXPECT_EQ(pack.opens, opens);
    services.playSound(7, 1); // not in the sound table
    services.playSound(-1, 1);
    EXPECT_EQ(output.requests.size(), 6u);

    settings.musicOn = true;
    services.playSound(0, -1);
    ASSERT_EQ(output.requests.size(), 7u);
    EXPECT_EQ(output.requests.back().flags, 13u); // looping

    // Sound off: everything is refused but the stop, which stops only what plays.
    settings.soundOn = false;
    services.playSound(3, 1);
    EXPECT_EQ(output.requests.size(), 7u);
    services.playSound(STOP_SOUND, 1);
    ASSERT_EQ(output.requests.size(), 8u);
    EXPECT_TRUE(output.requests.back().stop);
    services.playSound(STOP_SOUND, 1);
    EXPECT_EQ(output.requests.size(), 8u);

    // Without a display there is no cache to play from.
    settings.soundOn = true;
    setCurrentDisplay(nullptr);
    services.playSound(1, 1);
    EXPECT_EQ(output.requests.size(), 8u);
}
