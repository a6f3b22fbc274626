#pragma once

#include "app/input/KeyMapper.h"

#include "core/runtime/SharedPointer.h"

#include <cstdint>
#include <functional>
#include <string>

class HostWindow;
class SoundClip;
class SoundOutput;

// What the game knows about and does with the machine it runs on: the platform
// and keyboard profile, the backlight time-outs, the vibrator, the game's volume
// and its sounds. Built and destroyed with the display.
//
// A desktop has no handset registry or notification LEDs: the backlight fields
// keep their defaults and are never written, and the window does the vibrating
// (it rumbles a controller or shakes the frame) and times it itself.
class DeviceServices {
public:
    static constexpr int32_t PLATFORM_SMARTPHONE = 1;
    static constexpr int32_t PLATFORM_POCKET_PC = 2;
    static constexpr int32_t PLATFORM_UNKNOWN = -1;

    // oemName and keyboardType are the device's as given on the command line
    // (KeyboardProfile's types: 0 none, 1 full, 2 phone keypad). sound sets the
    // game's own volume and window vibrates; either may be null, and both must
    // outlive this object.
    DeviceServices(const std::string& oemName, int32_t keyboardType, SoundOutput* sound, HostWindow* window);
    virtual ~DeviceServices();
    DeviceServices(const DeviceServices&) = delete;
    DeviceServices& operator=(const DeviceServices&) = delete;

    // Vibrates for milliseconds when the vibrationOn setting is on and the device can.
    // A new request replaces the one running.
    void vibrate(int32_t milliseconds);

    // Sets the game's mixer from the volume setting; the machine's volume is never
    // touched.
    void applyVolume();
    // percent (0..100) as a volume word: percent x 65535 / 100 in each 16-bit half.
    static uint32_t volumeWord(int32_t percent);

    // Plays sound id from the current display's sound cache, or stops with
    // STOP_SOUND. Refused when the settings forbid it (the title music needs sound
    // and music on, the others sound on); a refused request and a sound that cannot
    // be loaded leave the current sound playing. loopCount -1 loops until stopped.
    void playSound(int32_t id, int32_t loopCount);

    // The sound id last started and not stopped since, or -1.
    int32_t getCurrentSoundId() const { return currentSound.raw() ? currentSoundId : -1; }

    // Told the pack's resource id of every sound that starts playing (the scripted
    // player reports them).
    void setSoundStartedListener(std::function<void(int32_t resourceId)> listener) { soundStarted = std::move(listener); }

    KeyMapper& getKeyMapper() { return keyMapper; }
    const KeyMapper& getKeyMapper() const { return keyMapper; }
    int32_t getPlatformType() const { return platformType; }
    int32_t getOsVersionClass() const { return osVersionClass; }
    uint32_t getBatteryTimeout() const { return batteryTimeout; }
    uint32_t getAcTimeout() const { return acTimeout; }
    bool isVibrationAvailable() const { return vibrationAvailable; }
    bool usesShellVibrate() const { return useShellVibrate; }
    int32_t getVibrationLed() const { return vibrationLed; }

private:
    int32_t platformType = PLATFORM_UNKNOWN;
    int32_t osVersionClass = -1;
    KeyMapper keyMapper;
    uint32_t batteryTimeout = 0;
    uint32_t acTimeout = 0;
    bool vibrationAvailable = false;
    bool useShellVibrate = false;
    int32_t vibrationLed = 0;
    SoundOutput* sound;
    HostWindow* window;
    SharedPointer<SoundClip> currentSound;
    int32_t currentSoundId = -1;
    std::function<void(int32_t)> soundStarted;
};
