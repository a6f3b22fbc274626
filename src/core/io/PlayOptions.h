#pragma once

#include "core/io/FileSystem.h"
#include "core/runtime/Array.h"

#include <cstdint>

// How the game plays and shows the cards: its pace and the four-colour deck. Kept
// beside the sound settings in "GAME_STORE" as a record of its own kind, so that
// the sound settings' record keeps its seven bytes and a file written before these
// options existed reads as Normal pace and the two-colour deck.
//
// Record: kind 2, in-use marker 1, version, speed (0..2), fourColourDeck (0 or 1).
// Later versions may only append bytes; a reader takes the fields it knows.
class PlayOptions {
public:
    static constexpr int32_t RECORD_KIND = 2;
    static constexpr uint8_t VERSION = 1;
    static constexpr int32_t RECORD_BYTES = 5;

    enum Speed : uint8_t {
        SPEED_NORMAL = 0,
        SPEED_FAST = 1,
        SPEED_TURBO = 2,
    };
    static constexpr int32_t SPEED_COUNT = 3;

    Speed speed = SPEED_NORMAL;
    bool fourColourDeck = false;

    ByteArray toRecord() const;
    // Reads the fields of a record of any version from 1 on. A record that is too
    // short, claims version 0 or holds a speed out of range is damaged: the options
    // go back to their defaults and the result is false.
    bool fromRecord(const ByteArray& record);

    // The stored record over the current values; a missing or damaged one leaves
    // the defaults. False when no usable record was there.
    bool load(FileSystem* fileSystem = nullptr);
    bool save(FileSystem* fileSystem = nullptr) const;

    bool operator==(const PlayOptions& other) const
    {
        return speed == other.speed && fourColourDeck == other.fourColourDeck;
    }
};
