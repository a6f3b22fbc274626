#include "host/sdl/SdlSoundOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace {
// The one channel every clip plays on, so that a new clip cuts off the last.
constexpr int CHANNEL = 0;
} // namespace

std::unique_ptr<SdlSoundOutput> SdlSoundOutput::open()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;
    // 22050 Hz 16-bit stereo with a 1024-frame buffer (46 ms): the clips' own rate.
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(1);
    return std::unique_ptr<SdlSoundOutput>(new SdlSoundOutput());
}

SdlSoundOutput::~SdlSoundOutput()
{
    stop();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundOutput::stop()
{
    Mix_HaltChannel(CHANNEL);
    if (chunk) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
}

bool SdlSoundOutput::playSound(const uint8_t* wave, int32_t size, uint32_t flags)
{
    stop();
    if (!wave || size <= 0)
        return true;
    SDL_RWops* source = SDL_RWFromConstMem(wave, size);
    if (!source)
        return false;
    // The mixer converts the clip into its own buffer; the wave memory is not kept.
    chunk = Mix_LoadWAV_RW(source, /*freesrc=*/1);
    if (!chunk)
        return false;
    int loops = (flags & PLAY_LOOP) ? -1 : 0;
    return Mix_PlayChannel(CHANNEL, chunk, loops) == CHANNEL;
}

void SdlSoundOutput::setVolume(uint32_t volume)
{
    volumeWord = volume;
    // Wave-out words run 0..0xFFFF per channel, the mixer 0..128 for the louder side;
    // a quieter side becomes panning.
    const uint32_t left = volume & 0xFFFF;
    const uint32_t right = volume >> 16;
    const uint32_t louder = std::max(left, right);
    Mix_Volume(CHANNEL, int(louder * MIX_MAX_VOLUME / 0xFFFF));
    if (louder > 0)
        Mix_SetPanning(CHANNEL, Uint8(left * 255 / louder), Uint8(right * 255 / louder));
}

bool SdlSoundOutput::isPlaying() const { return Mix_Playing(CHANNEL) != 0; }
