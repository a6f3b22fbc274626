#pragma once

#include "core/runtime/Object.h"

#include <cstdint>

class BaseResourceStream;

// One WAV clip of the resource pack, copied into memory on first play and kept until
// the clip is destroyed. Playback goes to the installed SoundOutput.
class SoundClip : public Object {
public:
    // The stream is shared (not owned) and reopened for the load.
    SoundClip(BaseResourceStream* stream, int32_t resourceId);
    SoundClip(const SoundClip&) = delete;
    SoundClip& operator=(const SoundClip&) = delete;
    ~SoundClip() override;

    // -1 repeats until stopped; anything else plays once.
    void setLoopCount(int32_t count) { loopCount = count; }
    int32_t getLoopCount() const { return loopCount; }

    // Copies the whole entry into memory; a missing or short entry leaves no data.
    void load();
    // Loads first when needed; false when there is still no data.
    bool play();
    bool isLoaded() const { return wave != nullptr; }
    int32_t getWaveSize() const { return waveSize; }

    static void stopAllSounds();

private:
    BaseResourceStream* stream;
    int32_t resourceId;
    uint8_t* wave = nullptr;
    int32_t waveSize = 0;
    int32_t loopCount = 1;
};
