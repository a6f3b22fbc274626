#pragma once

#include "core/runtime/SharedPointer.h"

#include <cstdint>
#include <string>

class FileSystem;
class GameRecordClient;
class PokerTable;
class Profile;
class TournamentField;

// What a table game needs from the program around it: the player's profile, the
// record client the saved games go through, the stores' file system, and the
// device's sound and vibration. The controller provides it; tests script it.
class TableHost {
public:
    virtual ~TableHost() = default;

    virtual Profile& profile() = 0;
    // The engine objects of the run, made once by the controller: every game resets
    // and reuses them (making a table reseeds the shared random generator).
    virtual SharedPointer<PokerTable> engineTable() = 0;
    virtual SharedPointer<TournamentField> engineField() = 0;
    // Its table and field pointers are set by the game while it lives.
    virtual GameRecordClient& records() = 0;
    // Null for the default file system.
    virtual FileSystem* fileSystem() = 0;
    // A store found damaged at start, which this run neither replaces nor removes:
    // changes that include it leave it out, or are not made.
    virtual bool storeKept(const char* storeName) { return (void)storeName, false; }
    // Sound resource ids 0..; the host applies the player's sound options.
    virtual void playSound(int32_t id) = 0;
    virtual void vibrate(int32_t milliseconds) = 0;

    // Hand histories: a number that never repeats (-1: none are kept), and a
    // finished hand's text to keep.
    virtual int64_t reserveHandNumber() { return -1; }
    virtual void keepHand(const std::string& text, int64_t startMillis) { (void)text, (void)startMillis; }
};
