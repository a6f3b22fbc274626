#pragma once

#include <cstdint>
#include <vector>

// Synthesises the game's sound clips as 16-bit mono PCM at SAMPLE_RATE: a short
// title tune and the table effects. Deterministic: the same build gives the same
// bytes. Resource ids: 5007 title tune (sound 0), 5006 cards run out (sound 1),
// 5008 turn alert (sound 2), 5004 hand won (sound 3), 5003 card dealt (sound 4),
// 5002 fold (sound 5), 5005 chips for bet, raise and all-in (sound 6).
class SoundSynth {
public:
    static constexpr uint32_t SAMPLE_RATE = 22050;

    struct Clip {
        int id;
        std::vector<int16_t> samples;
    };

    static std::vector<Clip> allClips();

    static std::vector<int16_t> titleTune();
    static std::vector<int16_t> runOut();
    static std::vector<int16_t> turnAlert();
    static std::vector<int16_t> handWon();
    static std::vector<int16_t> cardDealt();
    static std::vector<int16_t> fold();
    static std::vector<int16_t> chips();
};
