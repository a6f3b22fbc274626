#pragma once

#include <cstdint>

// What the game needs from the machine to make a sound: a simple player of one
// complete WAV file held in memory at a time. The host layer installs a backend
// (SDL2_mixer, or a recorder in tests); with none installed every request is dropped.
class SoundOutput {
public:
    // Request flags, combined: play from memory asynchronously = 5, and looping = 13.
    static constexpr uint32_t PLAY_ASYNC = 1;
    static constexpr uint32_t PLAY_FROM_MEMORY = 4;
    static constexpr uint32_t PLAY_LOOP = 8;

    virtual ~SoundOutput() = default;

    // Starts wave (size bytes, a complete RIFF WAV file) in place of whatever plays.
    // A null wave stops playback. The memory stays valid while the sound plays.
    virtual bool playSound(const uint8_t* wave, int32_t size, uint32_t flags) = 0;

    // The game's own volume as a wave-out volume word: left channel in the low 16
    // bits, right in the high 16, 0xFFFF each at full volume. It scales only what
    // the game plays, never the machine's volume. A backend without a mixer ignores it.
    virtual void setVolume(uint32_t volume) { (void)volume; }
    virtual uint32_t volume() const { return 0xFFFFFFFFu; }

    // The process-wide backend, or null. The caller keeps ownership.
    static void install(SoundOutput* output);
    static SoundOutput* installed();
};
