#include "host/headless/HeadlessSoundOutput.h"

bool HeadlessSoundOutput::playSound(const uint8_t* wave, int32_t size, uint32_t flags)
{
    Request request{std::vector<uint8_t>(), flags};
    if (wave && size > 0)
        request.wave.assign(wave, wave + size);
    log.push_back(request);
    return true;
}

bool HeadlessSoundOutput::looping() const
{
    return !log.empty() && !log.back().wave.empty() && (log.back().flags & PLAY_LOOP) != 0;
}
