#include "host/posix/SystemTimeSource.h"

#include <chrono>

namespace {
// 100 ns intervals from 1601-01-01 to 1970-01-01.
constexpr int64_t UNIX_EPOCH_AS_FILE_TIME = 116444736000000000LL;
} // namespace

int64_t SystemTimeSource::fileTime()
{
    using namespace std::chrono;
    auto sinceUnixEpoch = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return UNIX_EPOCH_AS_FILE_TIME + sinceUnixEpoch * 10;
}

uint32_t SystemTimeSource::tickCount()
{
    using namespace std::chrono;
    auto milliseconds = duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(milliseconds); // wraps like the platform counter
}
