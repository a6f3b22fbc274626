#pragma once

#include <cstdint>
#include <string>

// Where the game keeps the hand histories it writes: numbers that never repeat,
// and finished hands appended whole.
class HandHistoryStore {
public:
    virtual ~HandHistoryStore() = default;

    // Reserves the next hand number; -1 when none can be had.
    virtual int64_t nextHandNumber() = 0;
    // Appends one finished hand (its text ends with the blank line between hands),
    // filed by the local day of startMillis (ms since 1970 UTC). False when it could not.
    virtual bool append(const std::string& hand, int64_t startMillis) = 0;
};
