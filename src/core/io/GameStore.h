#pragma once

#include "core/io/FileSystem.h"
#include "core/runtime/Array.h"

#include <cstdint>

// The store "GAME_STORE", which holds records found by a kind byte instead of by
// id: byte 0 of a record is its kind, byte 1 is 1 while the record is in use.
class GameStore {
public:
    static constexpr const char* STORE_NAME = "GAME_STORE";

    // The first non-empty record of that kind, shared with the store, when it is in
    // use; otherwise an empty array. Creates the store file when missing.
    static ByteArray load(int32_t kind, FileSystem* fileSystem = nullptr);
    // Stamps bytes 0 and 1 of data and stores it over the last record of that kind,
    // or adds it. False when data has fewer than 2 bytes or the store could not be
    // opened or written.
    static bool save(int32_t kind, const ByteArray& data, FileSystem* fileSystem = nullptr);
};
