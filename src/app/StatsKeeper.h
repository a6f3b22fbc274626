#pragma once

#include "poker/PlayerStats.h"

class FileSystem;
class StoreGuard;

// The player's statistics for the run: read from "KMRB2Stats" while the game
// loads, counted as hands and tournaments finish, and written back at once (the
// store's usual way: a temporary file, then a rename).
class StatsKeeper {
public:
    // Whatever the store holds that can be read; a store that is there but not a
    // readable store is removed so that counting starts afresh. The other stores
    // are never touched.
    void load(StoreGuard& files);
    bool save(FileSystem* files);

    void countHand(const HandResult& hand, FileSystem* files);
    void countTournament(int32_t place, bool paid, FileSystem* files);
    void reset(FileSystem* files);

    const PlayerStats& figures() const { return stats; }

private:
    PlayerStats stats;
};
