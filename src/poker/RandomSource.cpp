#include "poker/RandomSource.h"

#include "core/runtime/Clock.h"

RandomSource& RandomSource::shared()
{
    static RandomSource source(currentTimeMillis());
    return source;
}

int32_t RandomSource::nextNormal(int32_t mean, int32_t deviation)
{
    for (int attempt = 0; attempt < 10000; ++attempt) {
        int32_t sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += int32_t(nextBits(32) & 0xFFF);
        // 32-bit wrap-around arithmetic with arithmetic shifts, done unsigned to stay defined.
        int32_t centred = (sum - 24576) >> 2;
        uint32_t scaled = uint32_t(deviation) << 10;
        int32_t product = int32_t(uint32_t(centred) * scaled);
        int32_t value = int32_t(uint32_t(mean) + uint32_t(product >> 20));
        if (value >= 0)
            return value;
    }
    return 0;
}
