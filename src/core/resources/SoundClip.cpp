#include "SoundClip.h"

#include "BaseResourceStream.h"
#include "SoundOutput.h"
#include "core/runtime/Array.h"

SoundClip::SoundClip(BaseResourceStream* stream, int32_t resourceId)
    : stream(stream)
    , resourceId(resourceId)
{
}

SoundClip::~SoundClip() { delete[] wave; }

void SoundClip::load()
{
    if (!stream || wave)
        return;
    if (!stream->open(resourceId))
        return;
    int32_t size = stream->getSize();
    uint8_t* block = size > 0 ? allocateElements<uint8_t>(size) : nullptr;
    if (block && stream->read(block, size) == size) {
        wave = block;
        waveSize = size;
    } else {
        delete[] block;
    }
    stream->close();
}

bool SoundClip::play()
{
    if (!wave)
        load();
    if (!wave)
        return false;
    uint32_t flags = SoundOutput::PLAY_ASYNC | SoundOutput::PLAY_FROM_MEMORY;
    if (loopCount == -1)
        flags |= SoundOutput::PLAY_LOOP;
    if (SoundOutput* output = SoundOutput::installed())
        output->playSound(wave, waveSize, flags);
    return true;
}

void SoundClip::stopAllSounds()
{
    if (SoundOutput* output = SoundOutput::installed())
        output->playSound(nullptr, 0, 0);
}
