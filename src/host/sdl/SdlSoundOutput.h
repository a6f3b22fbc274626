#pragma once

#include "core/resources/SoundOutput.h"

#include <cstdint>
#include <memory>

struct Mix_Chunk;

// Plays the game's WAV clips from memory with SDL2_mixer: one sound at a time on one
// channel, looping when asked, stopped by a null wave. The game's volume is the
// mixer's volume of that channel; the machine's own volume is never touched.
class SdlSoundOutput : public SoundOutput {
public:
    // Opens the audio device. Null when there is none: the game then runs silent.
    static std::unique_ptr<SdlSoundOutput> open();

    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;
    ~SdlSoundOutput() override;

    bool playSound(const uint8_t* wave, int32_t size, uint32_t flags) override;
    void setVolume(uint32_t volume) override;
    uint32_t volume() const override { return volumeWord; }

    // True while the channel plays.
    bool isPlaying() const;

private:
    SdlSoundOutput() = default;
    void stop();

    Mix_Chunk* chunk = nullptr;
    uint32_t volumeWord = 0xFFFFFFFFu;
};
