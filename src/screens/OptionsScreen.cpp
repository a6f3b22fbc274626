#include "screens/OptionsScreen.h"

#include "core/io/Settings.h"
#include "core/resources/ResourcePack.h"

namespace {

constexpr int32_t TEXT_OPTIONS = 2115;
constexpr int32_t TEXT_SOUND = 2122;
constexpr int32_t TEXT_MUSIC = 2072;
constexpr int32_t TEXT_ASK_SOUND = 2121;
constexpr int32_t TEXT_VOLUME = 2123;
constexpr int32_t TEXT_VIBRATION = 2138;
constexpr int32_t TEXT_SPEED = 2144;
// Normal, Fast, Turbo: the values in PlayOptions::Speed order.
constexpr int32_t TEXT_SPEEDS[PlayOptions::SPEED_COUNT] = {2145, 2146, 2147};
constexpr int32_t TEXT_FOUR_COLOUR = 2148;
constexpr int32_t TEXT_ON = 2084;
constexpr int32_t TEXT_OFF = 2081;
// Value indices of every on/off choice.
constexpr int32_t ON = 0;

} // namespace

OptionsScreen::OptionsScreen(const Settings& settings)
    : TextScreen(getText(TEXT_OPTIONS), VARIANT_OPTIONS)
{
    sound = onOff(TEXT_SOUND, settings.soundOn);
    // Music shows off whenever sound is off, whatever its own byte holds.
    music = onOff(TEXT_MUSIC, settings.musicOn && settings.soundOn);
    ask = onOff(TEXT_ASK_SOUND, settings.askSoundAtStart);
    volume = SharedPointer<GaugeItem>(
        new GaugeItem(getText(TEXT_VOLUME) + " ", /*interactive=*/true, Settings::MAX_VOLUME, settings.volume));
    volume->setStep(VOLUME_STEP);
    appendItem(volume);
    vibration = onOff(TEXT_VIBRATION, settings.vibrationOn);
    speed = SharedPointer<ChoiceItem>(new ChoiceItem(getText(TEXT_SPEED)));
    for (int32_t text : TEXT_SPEEDS)
        speed->appendValue(getText(text));
    speed->setSelectedIndex(settings.play.speed);
    appendItem(speed);
    fourColour = onOff(TEXT_FOUR_COLOUR, settings.play.fourColourDeck);
}

OptionsScreen::~OptionsScreen() = default;

SharedPointer<ChoiceItem> OptionsScreen::onOff(int32_t labelId, bool on)
{
    SharedPointer<ChoiceItem> item(new ChoiceItem(getText(labelId)));
    item->appendValue(getText(TEXT_ON));
    item->appendValue(getText(TEXT_OFF));
    item->setSelectedIndex(on ? ON : ON + 1);
    appendItem(item);
    return item;
}

bool OptionsScreen::store(Settings& settings) const
{
    const bool musicWasAllowed = settings.soundOn && settings.musicOn;
    const bool soundOn = sound->getSelectedIndex() == ON;
    const bool musicOn = music->getSelectedIndex() == ON;
    // Sound turned off silences the music too, or it would play on to its end.
    const bool stopMusic = musicWasAllowed && (!soundOn || !musicOn || volume->getValue() == 0);
    settings.soundOn = soundOn;
    settings.musicOn = musicOn;
    settings.volume = uint8_t(volume->getValue());
    settings.askSoundAtStart = ask->getSelectedIndex() == ON;
    settings.vibrationOn = vibration->getSelectedIndex() == ON;
    const int32_t pace = speed->getSelectedIndex();
    settings.play.speed =
        pace > 0 && pace < PlayOptions::SPEED_COUNT ? PlayOptions::Speed(pace) : PlayOptions::SPEED_NORMAL;
    settings.play.fourColourDeck = fourColour->getSelectedIndex() == ON;
    return stopMusic;
}
