#pragma once

#include "poker/HandHistoryWriter.h"

#include <cstdint>
#include <cstdio>
#include <string>

class PokerTable;

// The --history FILE of the sim commands: every hand the writer finishes is appended
// to FILE, numbered on from the highest hand (and tournament) number already in it, so
// that repeated runs into one file never repeat a number. The hands are stamped with a
// simulated clock that starts at the wall-clock time of the run and moves 100 ms per
// frame, the game's frame interval.
class HistoryOutput {
public:
    // Throws ToolError when the file cannot be read or opened for appending.
    HistoryOutput(const std::string& path, bool tournament);
    ~HistoryOutput();
    HistoryOutput(const HistoryOutput&) = delete;
    HistoryOutput& operator=(const HistoryOutput&) = delete;

    void afterFrame(const PokerTable& table);
    // Flushes and closes the file; throws ToolError when a write failed.
    void close();

    HandHistoryWriter writer;
    int64_t handsWritten = 0;

private:
    void write(const std::string& text);

    std::string path;
    FILE* file = nullptr;
    bool failed = false;
    int64_t nextHand = 1;
    int64_t clockMillis = 0;
};
