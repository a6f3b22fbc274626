#pragma once

#include "core/resources/SoundOutput.h"

#include <cstdint>

struct Mix_Chunk;

// Plays the game's WAV clips from memory with SDL2_mixer: one sound at a time on one
// channel, looping when asked, stopped by a null wave. The audio device is opened on
// the first request; when it cannot be opened every request returns false and the
// game stays silent.
class SdlSoundOutput : public SoundOutput {
public:
    SdlSoundOutput() = default;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;
    ~SdlSoundOutput() override;

    bool playSound(const uint8_t* wave, int32_t size, uint32_t flags) override;

    // True while the channel plays (for tests under the dummy audio driver).
    bool isPlaying() const;

private:
    bool openDevice();
    void stop();

    bool deviceOpen = false;
    bool deviceFailed = false;
    Mix_Chunk* chunk = nullptr;
};
