#include "host/sdl/SdlSoundOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
// The one channel every clip plays on, so that a new clip cuts off the last.
constexpr int CHANNEL = 0;
} // namespace

SdlSoundOutput::~SdlSoundOutput()
{
    stop();
    if (deviceOpen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlSoundOutput::openDevice()
{
    if (deviceOpen)
        return true;
    if (deviceFailed)
        return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        deviceFailed = true;
        return false;
    }
    // 22050 Hz 16-bit stereo with a 1024-frame buffer (46 ms): the clips' own rate.
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        deviceFailed = true;
        return false;
    }
    Mix_AllocateChannels(1);
    deviceOpen = true;
    return true;
}

void SdlSoundOutput::stop()
{
    if (!deviceOpen)
        return;
    Mix_HaltChannel(CHANNEL);
    if (chunk) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
}

bool SdlSoundOutput::playSound(const uint8_t* wave, int32_t size, uint32_t flags)
{
    if (!wave || size <= 0) {
        stop();
        return true;
    }
    if (!openDevice())
        return false;
    stop();
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

bool SdlSoundOutput::isPlaying() const { return deviceOpen && Mix_Playing(CHANNEL) != 0; }
