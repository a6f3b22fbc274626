#include "app/DeviceServices.h"

#include "core/io/Settings.h"
#include "core/lcdui/2d/Display.h"
#include "core/resources/SoundClip.h"
#include "core/resources/SoundIds.h"
#include "core/resources/SoundOutput.h"
#include "host/HostWindow.h"

namespace {

// Backlight time-outs as the handsets default them; nothing here reads or writes
// the real ones.
constexpr uint32_t POCKET_PC_BATTERY_TIMEOUT = 30;
constexpr uint32_t POCKET_PC_AC_TIMEOUT = 600;
constexpr uint32_t SMARTPHONE_BATTERY_TIMEOUT = 30000;
constexpr uint32_t SMARTPHONE_AC_TIMEOUT = 600000;

bool isSamsung(const std::string& oemName)
{
    return oemName == "SGH-i607" || oemName == "SGH-i617";
}

} // namespace

DeviceServices::DeviceServices(
    const std::string& oemName, int32_t keyboardType, SoundOutput* sound, HostWindow* window)
    // A desktop is neither a Smartphone nor a Pocket PC, and has no Windows CE version.
    : platformType(PLATFORM_UNKNOWN)
    , osVersionClass(-1)
    , keyMapper(oemName, keyboardType)
    , sound(sound)
    , window(window)
{
    // Unknown (-1) has the Pocket PC bit set, as the handsets' own check reads it.
    if (platformType & PLATFORM_POCKET_PC) {
        batteryTimeout = POCKET_PC_BATTERY_TIMEOUT;
        acTimeout = POCKET_PC_AC_TIMEOUT;
    } else {
        batteryTimeout = SMARTPHONE_BATTERY_TIMEOUT;
        acTimeout = SMARTPHONE_AC_TIMEOUT;
    }
    // No notification LEDs: the vibrator index stays 0, and a window is all it takes.
    useShellVibrate = isSamsung(oemName);
    vibrationAvailable = window != nullptr;
    // A mixer starts at full volume; nothing may play before the game's own volume
    // (the settings' initial one until the record is read) is set.
    applyVolume();
}

DeviceServices::~DeviceServices()
{
    if (window)
        window->vibrate(0);
    // The output may still be reading the clip's memory.
    if (currentSound.raw())
        SoundClip::stopAllSounds();
}

void DeviceServices::vibrate(int32_t milliseconds)
{
    if (!processSettings().vibrationOn || !vibrationAvailable)
        return;
    window->vibrate(milliseconds);
}

uint32_t DeviceServices::volumeWord(int32_t percent)
{
    const uint32_t channel = uint32_t(percent * 65535 / 100) & 0xFFFFu;
    return channel * 0x10001u;
}

void DeviceServices::applyVolume()
{
    if (sound)
        sound->setVolume(volumeWord(processSettings().volume));
}

void DeviceServices::playSound(int32_t id, int32_t loopCount)
{
    if (!processSettings().canPlay(id))
        return;
    if (id == STOP_SOUND) {
        if (currentSound.raw()) {
            SoundClip::stopAllSounds();
            currentSound = SharedPointer<SoundClip>();
        }
        return;
    }
    if (id < 0 || id >= SOUND_COUNT || SOUND_RESOURCE_IDS[id] <= 0)
        return;
    Display* display = currentDisplay();
    if (!display)
        return;
    SharedPointer<SoundClip> clip = display->getSound(id, SOUND_RESOURCE_IDS[id]);
    if (!clip.raw())
        return;
    clip->load();
    if (!clip->isLoaded())
        return;
    clip->setLoopCount(loopCount);
    clip->play();
    currentSound = clip;
    currentSoundId = id;
    if (soundStarted)
        soundStarted(SOUND_RESOURCE_IDS[id]);
}
