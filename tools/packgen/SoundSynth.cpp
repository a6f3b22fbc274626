#include "SoundSynth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double RATE = SoundSynth::SAMPLE_RATE;

// Mixing buffer in floating point, -1 .. 1, turned into PCM at the end.
using Buffer = std::vector<double>;

size_t samplesFor(double seconds) { return size_t(seconds * RATE + 0.5); }

void ensure(Buffer& buffer, size_t length)
{
    if (buffer.size() < length)
        buffer.resize(length, 0.0);
}

// A note with a few harmonics, a 5 ms attack and an exponential decay: a soft
// bell-like voice that stays clean at low sample rates.
void addNote(Buffer& buffer, double start, double duration, double frequency, double level, double decay)
{
    size_t first = samplesFor(start);
    size_t count = samplesFor(duration);
    ensure(buffer, first + count);
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / RATE;
        double attack = std::min(1.0, t / 0.005);
        double release = std::min(1.0, double(count - i) / (0.01 * RATE));
        double envelope = attack * release * std::exp(-t * decay);
        double wave = std::sin(2 * PI * frequency * t) + 0.3 * std::sin(4 * PI * frequency * t) +
                      0.1 * std::sin(6 * PI * frequency * t);
        buffer[first + i] += level * envelope * wave / 1.4;
    }
}

// Filtered noise with a fast decay: the click of a chip or the swish of a card.
// A fixed linear congruential generator keeps the output reproducible.
void addNoise(Buffer& buffer, double start, double duration, double level, double decay, double smoothing)
{
    size_t first = samplesFor(start);
    size_t count = samplesFor(duration);
    ensure(buffer, first + count);
    uint32_t seed = 12345u + uint32_t(first);
    double filtered = 0;
    for (size_t i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        double white = double(seed >> 8) / double(1u << 24) * 2 - 1;
        filtered += (white - filtered) * smoothing;
        double t = double(i) / RATE;
        double attack = std::min(1.0, t / 0.002);
        buffer[first + i] += level * attack * std::exp(-t * decay) * filtered;
    }
}

std::vector<int16_t> toPcm(const Buffer& buffer)
{
    double peak = 0;
    for (double v : buffer)
        peak = std::max(peak, std::fabs(v));
    // Normalise to 70 % of full scale so that no clip distorts.
    double gain = peak > 0 ? 0.7 / peak : 0;
    std::vector<int16_t> out(buffer.size());
    for (size_t i = 0; i < buffer.size(); ++i)
        out[i] = int16_t(std::lround(buffer[i] * gain * 32767));
    return out;
}

double noteFrequency(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

} // namespace

std::vector<int16_t> SoundSynth::titleTune()
{
    // A bright two-bar phrase in C major over a bass line, 132 beats per minute.
    Buffer buffer;
    const double beat = 60.0 / 132;
    // Melody in semitones from A4, with lengths in beats.
    const int melody[][2] = {{3, 1}, {7, 1}, {10, 1}, {15, 2}, {14, 1}, {10, 1}, {12, 2},
                             {10, 1}, {7, 1}, {8, 1}, {10, 1}, {3, 3}};
    double time = 0;
    for (const auto& note : melody) {
        addNote(buffer, time, beat * note[1] * 0.95, noteFrequency(note[0]), 0.5, 2.5);
        time += beat * note[1];
    }
    const int bass[] = {-21, -14, -16, -9, -19, -12, -21, -21};
    for (int i = 0; i < 8; ++i)
        addNote(buffer, i * beat * 2, beat * 1.9, noteFrequency(bass[i]), 0.35, 1.5);
    addNoise(buffer, 0, 0.08, 0.1, 40, 0.5);
    return toPcm(buffer);
}

std::vector<int16_t> SoundSynth::runOut()
{
    // Five quick card flicks: the board dealt out while everyone is all-in.
    Buffer buffer;
    for (int i = 0; i < 5; ++i)
        addNoise(buffer, i * 0.09, 0.06, 0.8, 60, 0.35);
    return toPcm(buffer);
}

std::vector<int16_t> SoundSynth::turnAlert()
{
    // Two rising tones: it is the player's turn.
    Buffer buffer;
    addNote(buffer, 0.0, 0.14, noteFrequency(14), 0.6, 6);
    addNote(buffer, 0.15, 0.22, noteFrequency(19), 0.6, 5);
    return toPcm(buffer);
}

std::vector<int16_t> SoundSynth::handWon()
{
    // A short major arpeggio: a pot pushed to its winner.
    Buffer buffer;
    const int notes[] = {3, 7, 10, 15};
    for (int i = 0; i < 4; ++i)
        addNote(buffer, i * 0.07, 0.35 - i * 0.03, noteFrequency(notes[i]), 0.45, 4);
    addNoise(buffer, 0.0, 0.2, 0.25, 25, 0.6);
    return toPcm(buffer);
}

std::vector<int16_t> SoundSynth::cardDealt()
{
    Buffer buffer;
    addNoise(buffer, 0, 0.07, 0.8, 55, 0.3);
    return toPcm(buffer);
}

std::vector<int16_t> SoundSynth::fold()
{
    // A soft, low swish: cards pushed away.
    Buffer buffer;
    addNoise(buffer, 0, 0.25, 0.8, 12, 0.08);
    return toPcm(buffer);
}

std::vector<int16_t> SoundSynth::chips()
{
    // A few chips clicking onto the stack, each a short bright click with a ring.
    Buffer buffer;
    const double times[] = {0.0, 0.045, 0.08, 0.13};
    for (int i = 0; i < 4; ++i) {
        addNoise(buffer, times[i], 0.03, 0.7, 150, 0.9);
        addNote(buffer, times[i], 0.06, 2400 + 300 * i, 0.2, 60);
    }
    return toPcm(buffer);
}

std::vector<SoundSynth::Clip> SoundSynth::allClips()
{
    return {{5002, fold()},      {5003, cardDealt()}, {5004, handWon()}, {5005, chips()},
            {5006, runOut()},    {5007, titleTune()}, {5008, turnAlert()}};
}
