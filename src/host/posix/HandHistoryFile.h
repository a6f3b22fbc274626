#pragma once

#include "host/HandHistoryStore.h"

#include <cstdint>
#include <string>

// The game's hand histories on disk: DATA_DIR/hand-history/kestrelmoore-YYYY-MM-DD.txt,
// one file per local day, and beside them next-hand-number, the counter that keeps a
// hand number from ever coming twice.
//
// A hand goes in with one write() of its whole text and is forced to disk before
// append() returns, so a crash of the game leaves it whole or absent. A power cut
// during that write could still leave a torn tail: the next append cuts the file back
// to the end of the last whole hand (an empty line) before it writes.
class HandHistoryFile : public HandHistoryStore {
public:
    static constexpr const char* FOLDER = "hand-history";
    static constexpr const char* COUNTER = "next-hand-number";

    explicit HandHistoryFile(std::string dataDirectory);

    // Reserves the next hand number. The counter is saved before the number is
    // returned, so a crash may skip a number but never repeat one; a missing or
    // unreadable counter is rebuilt from the highest number in the day files. -1, with
    // a reason in error, when the folder or the counter cannot be written.
    int64_t nextHandNumber() override;

    // Appends one hand as HandHistoryWriter::takeHand gives it (ending in an empty
    // line) to the file of the local day of startMillis (ms since 1970 UTC). false,
    // with a reason in error, when it cannot; the file then holds what it held.
    bool append(const std::string& hand, int64_t startMillis) override;

    // "kestrelmoore-2024-03-09.txt": the day in the machine's own time zone.
    static std::string fileNameFor(int64_t utcMillis);
    // Appends text to path as append() does, creating the file when missing.
    static bool appendWhole(const std::string& path, const std::string& text, std::string& error);
    // The highest "PokerStars Hand #N" in the folder's day files, 0 when none.
    static int64_t highestHandNumber(const std::string& folder);

    const std::string& folder() const { return folderPath; }
    std::string error;

private:
    bool makeFolder();

    std::string folderPath;
};
