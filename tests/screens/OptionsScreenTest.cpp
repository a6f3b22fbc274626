#include "screens/OptionsScreen.h"

#include "ui/Events.h"

#include "core/io/Settings.h"

#include "ui/ScreenFixture.h"

namespace {

using OptionsScreenTest = ScreenFixture;

TEST_F(OptionsScreenTest, ShownFromTheSettingsAndStoredBack)
{
    Settings settings;
    settings.soundOn = false;
    settings.musicOn = true;
    settings.volume = 75;
    OptionsScreen screen(settings);
    ASSERT_EQ(screen.itemCount(), 7);
    // Music shows off while sound is off; storing writes it off.
    EXPECT_EQ(screen.musicItem().getSelectedIndex(), 1);
    EXPECT_EQ(screen.volumeItem().getValue(), 75);
    EXPECT_FALSE(screen.store(settings)); // no music was playing
    EXPECT_FALSE(settings.musicOn);
    EXPECT_EQ(settings.volume, 75);

    // Sound and music on; the gauge at 100 wraps to 0 on select, which stops the music.
    settings.soundOn = settings.musicOn = true;
    OptionsScreen playing(settings);
    playing.onShow();
    playing.setFocus(3);
    for (int32_t i = 0; i < 3; ++i)
        playing.handleEvent(EVENT_KEY, KEY_RIGHT, 0);
    EXPECT_EQ(playing.volumeItem().getValue(), 100);
    playing.handleEvent(EVENT_KEY, KEY_SELECT, 0);
    EXPECT_TRUE(playing.store(settings));
    EXPECT_EQ(settings.volume, 0);

    // Turning sound off stops the music as well; turning nothing off does not.
    settings.volume = 50;
    OptionsScreen unchanged(settings);
    EXPECT_FALSE(unchanged.store(settings));
    OptionsScreen muted(settings);
    muted.soundItem().setSelectedIndex(1);
    muted.askItem().setSelectedIndex(1);
    EXPECT_TRUE(muted.store(settings));
    EXPECT_FALSE(settings.soundOn);
    EXPECT_FALSE(settings.askSoundAtStart);
    EXPECT_TRUE(settings.vibrationOn);
    paint(muted);
}

TEST_F(OptionsScreenTest, SpeedAndDeckShownFromThePlayOptionsAndStoredBack)
{
    Settings settings;
    settings.play.speed = PlayOptions::SPEED_FAST;
    OptionsScreen screen(settings);
    screen.onShow();
    EXPECT_EQ(screen.speedItem().getSelectedIndex(), 1);
    EXPECT_EQ(screen.fourColourItem().getSelectedIndex(), 1); // off
    // Select steps Fast -> Turbo -> Normal, wrapping; the deck item turns on.
    screen.setFocus(5);
    screen.handleEvent(EVENT_KEY, KEY_SELECT, 0);
    EXPECT_EQ(screen.speedItem().getSelectedIndex(), 2);
    screen.setFocus(6);
    screen.handleEvent(EVENT_KEY, KEY_SELECT, 0);
    EXPECT_FALSE(screen.store(settings));
    EXPECT_EQ(settings.play.speed, PlayOptions::SPEED_TURBO);
    EXPECT_TRUE(settings.play.fourColourDeck);
    // The sound settings are left as they were.
    EXPECT_TRUE(settings.soundOn && settings.musicOn && settings.vibrationOn);
    EXPECT_EQ(settings.volume, 70);
    screen.setFocus(5);
    screen.handleEvent(EVENT_KEY, KEY_SELECT, 0);
    screen.store(settings);
    EXPECT_EQ(settings.play.speed, PlayOptions::SPEED_NORMAL);
}

} // namespace
