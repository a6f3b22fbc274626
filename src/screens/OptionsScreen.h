#pragma once

#include "ui/ChoiceItem.h"
#include "ui/GaugeItem.h"
#include "ui/TextScreen.h"

class Settings;

// The options screen: sound, music, the sound question at start, the volume
// gauge, vibration, the game's speed and the four-colour deck, shown from the
// settings and read back into them when the player leaves with Back.
class OptionsScreen : public TextScreen {
public:
    static constexpr int32_t VOLUME_STEP = 10;

    explicit OptionsScreen(const Settings& settings);
    ~OptionsScreen() override;

    // Writes the shown choices into settings. True when the title music was allowed
    // before and now is not (sound or music off, or the volume at 0): the caller
    // stops it.
    bool store(Settings& settings) const;

    ChoiceItem& soundItem() { return *sound; }
    ChoiceItem& musicItem() { return *music; }
    ChoiceItem& askItem() { return *ask; }
    GaugeItem& volumeItem() { return *volume; }
    ChoiceItem& vibrationItem() { return *vibration; }
    ChoiceItem& speedItem() { return *speed; }
    ChoiceItem& fourColourItem() { return *fourColour; }

private:
    SharedPointer<ChoiceItem> onOff(int32_t labelId, bool on);

    SharedPointer<ChoiceItem> sound;
    SharedPointer<ChoiceItem> music;
    SharedPointer<ChoiceItem> ask;
    SharedPointer<GaugeItem> volume;
    SharedPointer<ChoiceItem> vibration;
    SharedPointer<ChoiceItem> speed;
    SharedPointer<ChoiceItem> fourColour;
};
